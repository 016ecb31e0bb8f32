#include "DeviceSeed.h"

#include "SeedRows.h"

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kNA = Access::kNotAccessible;
constexpr Access kRO = Access::kReadOnly;
constexpr Access kRW = Access::kReadWrite;

const char* const kSubtrees[] = {
    "1.3.6.1.2.1.17",     // BRIDGE-MIB and Q-BRIDGE-MIB
    "1.3.6.1.4.1.99917",  // the device's private subtree
    "1.3.6.1.6.3.18",     // SNMP-COMMUNITY-MIB (net-snmp has no implementation of it)
};

const TableDefinition kTables[] = {
    // name, entry, index, RowStatus column
    {"Port Control Table", "1.3.6.1.4.1.99917.11.63.3.2.2.2.1", {IndexPart::kInteger}, 0},
    {"MIB Capabilities", "1.3.6.1.4.1.99917.12.1.1.2.1", {IndexPart::kInteger}, 0},
    {"Port Utilization Table", "1.3.6.1.4.1.99917.12.1.1.8.1", {IndexPart::kInteger}, 0},
    {"Upload/Download File Table", "1.3.6.1.4.1.99917.12.1.2.1.1", {IndexPart::kInteger}, 0},
    // A trusted host cannot be without its address; the mask defaults to the host alone.
    {"Trusted Host Table", "1.3.6.1.4.1.99917.12.1.2.10.1.1", {IndexPart::kInteger}, 3, {2}},
    {"Aggregator Table", "1.3.6.1.4.1.99917.12.4.1.1.1.1", {IndexPart::kInteger}, 0},
    {"Aggregator Port List Table", "1.3.6.1.4.1.99917.12.4.1.1.2.1", {IndexPart::kInteger}, 0},
    {"Aggregation Port Table", "1.3.6.1.4.1.99917.12.4.1.2.1.1", {IndexPart::kInteger}, 0},
    // A member is made from a candidate: which one (the CaS source) has no default.
    {"Single IP MS Table", "1.3.6.1.4.1.99917.12.8.1.3.1", {IndexPart::kInteger}, 10, {8}},
    {"Single IP Cas Table", "1.3.6.1.4.1.99917.12.8.1.4.1", {IndexPart::kInteger}, 0},
    {"Single IP Group Table", "1.3.6.1.4.1.99917.12.8.1.5.1", {IndexPart::kMacAddress}, 0},
    {"Single IP Neighbor Table",
     "1.3.6.1.4.1.99917.12.8.1.6.1",
     {IndexPart::kInteger, IndexPart::kMacAddress},
     0},
    // Profiles of the CPU access lists: every column has a sensible default (nothing used).
    {"CPU ACL Ethernet Profile Table", "1.3.6.1.4.1.99917.12.9.4.1.1", {IndexPart::kInteger}, 8},
    {"CPU ACL IP Profile Table", "1.3.6.1.4.1.99917.12.9.4.2.1", {IndexPart::kInteger}, 18},
    {"CPU ACL Packet Content Mask Table", "1.3.6.1.4.1.99917.12.9.4.3.1", {IndexPart::kInteger}, 7},
    // Rules, by profile and access ID, of an existing profile: a rule acts on the ports it names,
    // which have no default.
    {"CPU ACL Ethernet Rule Table",
     "1.3.6.1.4.1.99917.12.9.5.1.1",
     {IndexPart::kInteger, IndexPart::kInteger},
     10,
     {9},
     "1.3.6.1.4.1.99917.12.9.4.1.1"},
    {"CPU ACL IP Rule Table",
     "1.3.6.1.4.1.99917.12.9.5.2.1",
     {IndexPart::kInteger, IndexPart::kInteger},
     17,
     {16},
     "1.3.6.1.4.1.99917.12.9.4.2.1"},
    {"CPU ACL Packet Content Rule Table",
     "1.3.6.1.4.1.99917.12.9.5.3.1",
     {IndexPart::kInteger, IndexPart::kInteger},
     10,
     {9},
     "1.3.6.1.4.1.99917.12.9.4.3.1"},
    // A log server and a mail receiver are nothing without their address.
    {"System Log Server Table", "1.3.6.1.4.1.99917.12.12.2.1", {IndexPart::kInteger}, 7, {2}},
    {"IP MAC Binding Port Table", "1.3.6.1.4.1.99917.12.23.3.2.1", {IndexPart::kInteger}, 0},
    // A binding without its MAC address binds nothing.
    {"IP MAC Binding Table", "1.3.6.1.4.1.99917.12.23.4.1.1", {IndexPart::kIpAddress}, 3, {2}},
    {"IP MAC Binding Blocked Table",
     "1.3.6.1.4.1.99917.12.23.4.2.1",
     {IndexPart::kInteger, IndexPart::kMacAddress},
     0},
    {"SMTP Mail Receiver Table", "1.3.6.1.4.1.99917.12.29.3.1.1", {IndexPart::kInteger}, 3, {2}},
    {"Cable Diagnostics Table", "1.3.6.1.4.1.99917.12.58.1.1.1", {IndexPart::kInteger}, 0},
    {"DHCP Relay Option 60 Table",
     "1.3.6.1.4.1.99917.12.42.3.3.4.1",
     {IndexPart::kString, IndexPart::kIpAddress},
     4},
    {"dot1dTpFdbTable", "1.3.6.1.2.1.17.4.3.1", {IndexPart::kMacAddress}, 0},
    {"snmpCommunityTable", "1.3.6.1.6.3.18.1.1.1", {IndexPart::kImpliedString}, 8},
    {"snmpTargetAddrExtTable", "1.3.6.1.6.3.18.1.2.1", {IndexPart::kImpliedString}, 0},
};

const ObjectDefinition kObjects[] = {
    // name, OID, syntax, access, limits, initial value of a created row

    // Device information: the front-panel LEDs and the modules in the uplink slots.
    {"swL2DevInfoFrontPanelLedStatus", "1.3.6.1.4.1.99917.11.63.3.2.1.1.5", kOctetString, kRO, "54",
     ""},
    {"swL2Module-1-Type", "1.3.6.1.4.1.99917.11.63.3.2.1.1.6", kInteger, kRO, "0..4", ""},
    {"swL2Module-2-Type", "1.3.6.1.4.1.99917.11.63.3.2.1.1.7", kInteger, kRO, "0..4", ""},

    // MIB capabilities: the MIBs the switch implements.
    {"MIB Capability Index", "1.3.6.1.4.1.99917.12.1.1.2.1.1", kInteger, kNA, "", ""},
    {"MIB Capability Description", "1.3.6.1.4.1.99917.12.1.1.2.1.2", kDisplayString, kRO, "", ""},
    {"MIB Capability Version", "1.3.6.1.4.1.99917.12.1.1.2.1.3", kInteger, kRO, "", ""},
    {"MIB Capability Type", "1.3.6.1.4.1.99917.12.1.1.2.1.4", kInteger, kRO, "1..4", ""},

    // Basic information: what the switch reports about itself and its last save and transfer.
    {"Protocol Capability", "1.3.6.1.4.1.99917.12.1.1.1", kInteger, kRO, "1..4", ""},
    {"Status Console In Use", "1.3.6.1.4.1.99917.12.1.1.3", kInteger, kRO, "1..3", ""},
    {"Status Save Configure", "1.3.6.1.4.1.99917.12.1.1.4", kInteger, kRO, "1..5", ""},
    {"Status File Transfer", "1.3.6.1.4.1.99917.12.1.1.5", kInteger, kRO, "1..10", ""},

    // Utilisation of the CPU (over 5 seconds, 1 and 5 minutes) and of each port, in percent.
    {"CPU Utilization In 5sec", "1.3.6.1.4.1.99917.11.63.3.2.1.3.1", kInteger, kRO, "0..100", ""},
    {"CPU Utilization In 1min", "1.3.6.1.4.1.99917.11.63.3.2.1.3.2", kInteger, kRO, "0..100", ""},
    {"CPU Utilization In 5min", "1.3.6.1.4.1.99917.11.63.3.2.1.3.3", kInteger, kRO, "0..100", ""},
    {"Port Utilization Port Index", "1.3.6.1.4.1.99917.12.1.1.8.1.1", kInteger, kNA, "", ""},
    {"Port Utilization TX", "1.3.6.1.4.1.99917.12.1.1.8.1.2", kInteger, kRO, "", ""},
    {"Port Utilization RX", "1.3.6.1.4.1.99917.12.1.1.8.1.3", kInteger, kRO, "", ""},
    {"Port Utilization Util", "1.3.6.1.4.1.99917.12.1.1.8.1.4", kInteger, kRO, "0..100", ""},

    // File transfers: one row per kind of file, started through its Control column.
    {"File Index", "1.3.6.1.4.1.99917.12.1.2.1.1.1", kInteger, kNA, "", ""},
    {"File Description", "1.3.6.1.4.1.99917.12.1.2.1.1.2", kDisplayString, kRW, "0..64", ""},
    {"File Address", "1.3.6.1.4.1.99917.12.1.2.1.1.3", kIpAddress, kRW, "", ""},
    {"File Transfer Type", "1.3.6.1.4.1.99917.12.1.2.1.1.4", kInteger, kRW, "2,3", ""},
    {"File PathFile Name", "1.3.6.1.4.1.99917.12.1.2.1.1.5", kDisplayString, kRW, "0..64", ""},
    {"File Locate ID", "1.3.6.1.4.1.99917.12.1.2.1.1.6", kInteger, kRW, "1..8", ""},
    {"File Load Type", "1.3.6.1.4.1.99917.12.1.2.1.1.7", kInteger, kRW, "2,3", ""},
    {"File Control", "1.3.6.1.4.1.99917.12.1.2.1.1.8", kInteger, kRW, "2,3", ""},

    // Saving the configuration: 3 cfg, 4 log, 5 all; it reads 1 (other) when no save runs.
    {"agentSaveCfg", "1.3.6.1.4.1.99917.12.1.2.6", kInteger, kRW, "1,3,4,5", ""},

    // Clear-all actions: 2 (start) empties the table, which then reads back 1.
    {"Trust Host Index", "1.3.6.1.4.1.99917.12.1.2.10.1.1.1", kInteger, kNA, "", ""},
    {"Trust Host IP Address", "1.3.6.1.4.1.99917.12.1.2.10.1.1.2", kIpAddress, kRW, "", ""},
    {"Trust Host Row Status", "1.3.6.1.4.1.99917.12.1.2.10.1.1.3", kInteger, kRW, "1,4,6", ""},
    {"Trust Host IP Subnet Mask", "1.3.6.1.4.1.99917.12.1.2.10.1.1.4", kIpAddress, kRW, "",
     "255.255.255.255"},
    {"Trust Host Delete All State", "1.3.6.1.4.1.99917.12.1.2.10.2", kInteger, kRW, "1,2", ""},
    {"FDB Clear All State", "1.3.6.1.4.1.99917.12.1.2.11.1", kInteger, kRW, "1,2", ""},
    {"ARP Clear All State", "1.3.6.1.4.1.99917.12.1.2.12.1", kInteger, kRW, "1,2", ""},

    // Console port.
    {"Console Data Bits", "1.3.6.1.4.1.99917.12.1.5.1", kInteger, kRW, "2,3", ""},
    {"Console Stop Bits", "1.3.6.1.4.1.99917.12.1.5.2", kInteger, kRW, "2,3", ""},
    {"Console Parity", "1.3.6.1.4.1.99917.12.1.5.3", kInteger, kRW, "1,2,3", ""},
    {"Console Baud Rate", "1.3.6.1.4.1.99917.12.1.5.4", kInteger, kRW, "2..7", ""},
    {"Console Logout Time", "1.3.6.1.4.1.99917.12.1.5.5", kInteger, kRW, "1..5", ""},

    // Link aggregation: the aggregators, the ports each holds, and the LACP state of every port.
    {"Dot3 Aggregator Index", "1.3.6.1.4.1.99917.12.4.1.1.1.1.1", kInteger, kNA, "", ""},
    {"Dot3 Aggregator MAC Address", "1.3.6.1.4.1.99917.12.4.1.1.1.1.2", kMacAddress, kRO, "", ""},
    {"Dot3 Aggregator Actor System Priority", "1.3.6.1.4.1.99917.12.4.1.1.1.1.3", kInteger, kRW,
     "0..65535", ""},
    {"Dot3 Aggregator Actor System ID", "1.3.6.1.4.1.99917.12.4.1.1.1.1.4", kMacAddress, kRO, "",
     ""},
    {"Dot3 Aggregator Aggregate Or Individual", "1.3.6.1.4.1.99917.12.4.1.1.1.1.5", kInteger, kRO,
     "1,2", ""},
    {"Dot3 Aggregator Actor Admin Key", "1.3.6.1.4.1.99917.12.4.1.1.1.1.6", kInteger, kRW,
     "0..65535", ""},
    {"Dot3 Aggregator Actor Operative Key", "1.3.6.1.4.1.99917.12.4.1.1.1.1.7", kInteger, kRO,
     "0..65535", ""},
    {"Dot3 Aggregator Partner System ID", "1.3.6.1.4.1.99917.12.4.1.1.1.1.8", kMacAddress, kRO, "",
     ""},
    {"Dot3 Aggregator Partner System Priority", "1.3.6.1.4.1.99917.12.4.1.1.1.1.9", kInteger, kRO,
     "0..65535", ""},
    {"Dot3 Aggregator Partner Operative Key", "1.3.6.1.4.1.99917.12.4.1.1.1.1.10", kInteger, kRO,
     "0..65535", ""},
    {"Dot3 Aggregator Collector Max Delay", "1.3.6.1.4.1.99917.12.4.1.1.1.1.11", kInteger, kRW,
     "0..65535", ""},
    {"Dot3 Aggregator Port List Ports", "1.3.6.1.4.1.99917.12.4.1.1.2.1.1", kOctetString, kRO, "4",
     ""},
    {"Dot3 Aggregator Port Index", "1.3.6.1.4.1.99917.12.4.1.2.1.1.1", kInteger, kNA, "", ""},
    {"Port Actor System Priority", "1.3.6.1.4.1.99917.12.4.1.2.1.1.2", kInteger, kRW, "0..65535",
     ""},
    {"Port Actor System ID", "1.3.6.1.4.1.99917.12.4.1.2.1.1.3", kMacAddress, kRO, "", ""},
    {"Port Actor Admin Key", "1.3.6.1.4.1.99917.12.4.1.2.1.1.4", kInteger, kRW, "0..65535", ""},
    {"Port Actor Operative Key", "1.3.6.1.4.1.99917.12.4.1.2.1.1.5", kInteger, kRW, "0..65535", ""},
    {"Port Partner Admin System Priority", "1.3.6.1.4.1.99917.12.4.1.2.1.1.6", kInteger, kRW,
     "0..65535", ""},
    {"Port Partner Operative System Priority", "1.3.6.1.4.1.99917.12.4.1.2.1.1.7", kInteger, kRO,
     "0..65535", ""},
    {"Port Partner Admin System ID", "1.3.6.1.4.1.99917.12.4.1.2.1.1.8", kMacAddress, kRW, "", ""},
    {"Port Partner Operative System ID", "1.3.6.1.4.1.99917.12.4.1.2.1.1.9", kMacAddress, kRO, "",
     ""},
    {"Port Partner Admin Key", "1.3.6.1.4.1.99917.12.4.1.2.1.1.10", kInteger, kRW, "0..65535", ""},
    {"Port Partner Operative Key", "1.3.6.1.4.1.99917.12.4.1.2.1.1.11", kInteger, kRO, "0..65535",
     ""},
    {"Port Selected Aggregator ID", "1.3.6.1.4.1.99917.12.4.1.2.1.1.12", kInteger, kRO, "", ""},
    {"Port Attached Aggregator ID", "1.3.6.1.4.1.99917.12.4.1.2.1.1.13", kInteger, kRO, "", ""},
    {"Port Actor Port", "1.3.6.1.4.1.99917.12.4.1.2.1.1.14", kInteger, kRO, "0..65535", ""},
    {"Port Actor Port Priority", "1.3.6.1.4.1.99917.12.4.1.2.1.1.15", kInteger, kRW, "0..255", ""},
    {"Port Partner Admin Port", "1.3.6.1.4.1.99917.12.4.1.2.1.1.16", kInteger, kRW, "0..65535", ""},
    {"Port Partner Operative Port", "1.3.6.1.4.1.99917.12.4.1.2.1.1.17", kInteger, kRO, "0..65535",
     ""},
    {"Port Partner Admin Port Priority", "1.3.6.1.4.1.99917.12.4.1.2.1.1.18", kInteger, kRW,
     "0..255", ""},
    {"Port Partner Operative Port Priority", "1.3.6.1.4.1.99917.12.4.1.2.1.1.19", kInteger, kRO,
     "0..255", ""},
    // LACP states, one byte of flag bits.
    {"Port Actor Admin State", "1.3.6.1.4.1.99917.12.4.1.2.1.1.20", kOctetString, kRW, "1", ""},
    {"Port Actor Operative State", "1.3.6.1.4.1.99917.12.4.1.2.1.1.21", kOctetString, kRO, "1", ""},
    {"Port Partner Admin State", "1.3.6.1.4.1.99917.12.4.1.2.1.1.22", kOctetString, kRW, "1", ""},
    {"Port Partner Operative State", "1.3.6.1.4.1.99917.12.4.1.2.1.1.23", kOctetString, kRO, "1",
     ""},
    {"Port Aggregate Or Individual", "1.3.6.1.4.1.99917.12.4.1.2.1.1.24", kInteger, kRO, "1,2", ""},

    // IP configuration and device control.
    {"System IP", "1.3.6.1.4.1.99917.11.63.3.2.1.2.2", kIpAddress, kRW, "", ""},
    {"Subnet Mask", "1.3.6.1.4.1.99917.11.63.3.2.1.2.3", kIpAddress, kRW, "", ""},
    {"Gateway", "1.3.6.1.4.1.99917.11.63.3.2.1.2.4", kIpAddress, kRW, "", ""},
    {"Management VLAN ID", "1.3.6.1.4.1.99917.11.63.3.2.1.2.5", kInteger, kRW, "1..4094", ""},
    {"RMON State", "1.3.6.1.4.1.99917.11.63.3.2.1.2.16", kInteger, kRW, "2,3", ""},
    {"Get IP From", "1.3.6.1.4.1.99917.12.1.3.3", kInteger, kRW, "2,3,4", ""},
    {"agentSystemReset", "1.3.6.1.4.1.99917.12.1.2.3", kInteger, kRW, "1..4", ""},
    {"STP State", "1.3.6.1.4.1.99917.11.63.3.2.1.2.6", kInteger, kRW, "2,3", ""},
    {"IGMP Snooping", "1.3.6.1.4.1.99917.11.63.3.2.1.2.7", kInteger, kRW, "2,3", ""},
    // 2 (active) clears the statistics counters and reads back 1 (normal).
    {"Clean All Statistic Counter", "1.3.6.1.4.1.99917.11.63.3.2.1.2.12", kInteger, kRW, "1,2", ""},
    {"SNMP Enable Authen Traps", "1.3.6.1.4.1.99917.11.63.3.2.1.2.13", kInteger, kRW, "1,2", ""},
    {"IP Auto Config", "1.3.6.1.4.1.99917.11.63.3.2.1.2.17", kInteger, kRW, "2,3", ""},
    {"Multicast Filter", "1.3.6.1.4.1.99917.11.63.3.2.1.2.18", kInteger, kRW, "2,3", ""},
    {"MAC Notify Global State", "1.3.6.1.4.1.99917.11.63.3.2.1.2.19", kInteger, kRW, "2,3", ""},
    {"MAC Notify History Size", "1.3.6.1.4.1.99917.11.63.3.2.1.2.20", kInteger, kRW, "1..500", ""},
    {"MAC Notify Interval", "1.3.6.1.4.1.99917.11.63.3.2.1.2.21", kInteger, kRW, "1..2147483647",
     ""},
    {"VLAN Trunk State", "1.3.6.1.4.1.99917.11.63.3.2.1.2.22", kInteger, kRW, "1,2", ""},
    {"Port Security Trap Log State", "1.3.6.1.4.1.99917.11.63.3.2.15.2", kInteger, kRW, "2,3", ""},

    // Port Control Table (24 front ports and the two uplink slots).
    {"Port Index", "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1", kInteger, kRO, "", ""},
    {"Admin State", "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2", kInteger, kRW, "2,3", ""},
    {"Nway State", "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3", kInteger, kRW, "1..5,7", ""},
    {"Flow Control State", "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4", kInteger, kRW, "2,3", ""},
    {"Description", "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5", kDisplayString, kRW, "0..64", ""},
    {"MAC Notify State", "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7", kInteger, kRW, "2,3", ""},
    {"MDIX State", "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10", kInteger, kRW, "1,2,3", ""},

    // Single IP management.
    {"Single IP Version", "1.3.6.1.4.1.99917.12.8.1.1.1", kDisplayString, kRO, "", ""},
    {"Single IP Capability", "1.3.6.1.4.1.99917.12.8.1.1.2", kDisplayString, kRO, "", ""},
    {"Single IP Platform", "1.3.6.1.4.1.99917.12.8.1.1.3", kDisplayString, kRO, "", ""},
    {"Single IP Admin", "1.3.6.1.4.1.99917.12.8.1.2.1", kInteger, kRW, "2,3", ""},
    {"Single IP Role State", "1.3.6.1.4.1.99917.12.8.1.2.2", kInteger, kRW, "1,2,3", ""},
    {"Single IP Holdtime", "1.3.6.1.4.1.99917.12.8.1.2.3", kInteger, kRW, "100..255", ""},
    {"Single IP Time Interval", "1.3.6.1.4.1.99917.12.8.1.2.4", kInteger, kRW, "30..90", ""},
    {"Single IP MS ID", "1.3.6.1.4.1.99917.12.8.1.3.1.1", kInteger, kNA, "", ""},
    {"Single IP MS Device Name", "1.3.6.1.4.1.99917.12.8.1.3.1.2", kDisplayString, kRO, "", ""},
    {"Single IP MS MAC Address", "1.3.6.1.4.1.99917.12.8.1.3.1.3", kMacAddress, kRO, "", ""},
    {"Single IP MS Firmware Version", "1.3.6.1.4.1.99917.12.8.1.3.1.4", kDisplayString, kRO, "",
     ""},
    {"Single IP MS Capability", "1.3.6.1.4.1.99917.12.8.1.3.1.5", kDisplayString, kRO, "", ""},
    {"Single IP MS Platform", "1.3.6.1.4.1.99917.12.8.1.3.1.6", kDisplayString, kRO, "", ""},
    {"Single IP MS Holdtime", "1.3.6.1.4.1.99917.12.8.1.3.1.7", kInteger, kRO, "", ""},
    {"Single IP MS Cas Source", "1.3.6.1.4.1.99917.12.8.1.3.1.8", kInteger, kRW, "1..32", ""},
    {"Single IP MS Password", "1.3.6.1.4.1.99917.12.8.1.3.1.9", kDisplayString, kRW, "0..20", ""},
    {"Single IP MS Row Status", "1.3.6.1.4.1.99917.12.8.1.3.1.10", kInteger, kRW, "1,4,6", ""},
    {"Single IP CaS ID", "1.3.6.1.4.1.99917.12.8.1.4.1.1", kInteger, kNA, "", ""},
    {"Single IP CaS Device Name", "1.3.6.1.4.1.99917.12.8.1.4.1.2", kDisplayString, kRO, "", ""},
    {"Single IP CaS MAC Address", "1.3.6.1.4.1.99917.12.8.1.4.1.3", kMacAddress, kRO, "", ""},
    {"Single IP CaS Firmware Ver", "1.3.6.1.4.1.99917.12.8.1.4.1.4", kDisplayString, kRO, "", ""},
    {"Single IP CaS Capability", "1.3.6.1.4.1.99917.12.8.1.4.1.5", kDisplayString, kRO, "", ""},
    {"Single IP CaS Platform", "1.3.6.1.4.1.99917.12.8.1.4.1.6", kDisplayString, kRO, "", ""},
    {"Single IP CaS Holdtime", "1.3.6.1.4.1.99917.12.8.1.4.1.7", kInteger, kRO, "", ""},
    {"Single IP Group MAC Address", "1.3.6.1.4.1.99917.12.8.1.5.1.1", kMacAddress, kNA, "", ""},
    {"Single IP Group Name", "1.3.6.1.4.1.99917.12.8.1.5.1.2", kDisplayString, kRO, "", ""},
    {"Single IP Group Device Name", "1.3.6.1.4.1.99917.12.8.1.5.1.3", kDisplayString, kRO, "", ""},
    {"Single IP Group MS Number", "1.3.6.1.4.1.99917.12.8.1.5.1.4", kInteger, kRO, "", ""},
    {"Single IP Group Firmware Version", "1.3.6.1.4.1.99917.12.8.1.5.1.5", kDisplayString, kRO, "",
     ""},
    {"Single IP Group Capability", "1.3.6.1.4.1.99917.12.8.1.5.1.6", kDisplayString, kRO, "", ""},
    {"Single IP Group Platform", "1.3.6.1.4.1.99917.12.8.1.5.1.7", kDisplayString, kRO, "", ""},
    {"Single IP Group Holdtime", "1.3.6.1.4.1.99917.12.8.1.5.1.8", kInteger, kRO, "", ""},
    {"Single IP NB Received Port", "1.3.6.1.4.1.99917.12.8.1.6.1.1", kInteger, kNA, "", ""},
    {"Single IP NB MAC Address", "1.3.6.1.4.1.99917.12.8.1.6.1.2", kMacAddress, kNA, "", ""},
    {"Single IP NB Role State", "1.3.6.1.4.1.99917.12.8.1.6.1.3", kInteger, kRO, "1,2,3", ""},

    // Time management.
    {"Time Capacity", "1.3.6.1.4.1.99917.12.10.1", kOctetString, kRO, "", ""},
    {"Clock Lost On Reboot", "1.3.6.1.4.1.99917.12.10.3", kInteger, kRO, "1,2", ""},
    {"System Current Time", "1.3.6.1.4.1.99917.12.10.10.1", kDisplayString, kRO, "", ""},
    {"System Up Time", "1.3.6.1.4.1.99917.12.10.10.2", kDisplayString, kRO, "", ""},
    {"System Boot Time", "1.3.6.1.4.1.99917.12.10.10.3", kDisplayString, kRO, "", ""},
    {"System Time Zone", "1.3.6.1.4.1.99917.12.10.10.4", kInteger, kRW, "-779..839", ""},
    {"SNTP State", "1.3.6.1.4.1.99917.12.10.11.1", kInteger, kRW, "2,3", ""},
    {"SNTP Time Source", "1.3.6.1.4.1.99917.12.10.11.2", kInteger, kRO, "0,1,2", ""},
    {"SNTP Server1 IP Address", "1.3.6.1.4.1.99917.12.10.11.3", kIpAddress, kRW, "", ""},
    {"SNTP Server2 IP Address", "1.3.6.1.4.1.99917.12.10.11.4", kIpAddress, kRW, "", ""},
    {"SNTP Poll Interval", "1.3.6.1.4.1.99917.12.10.11.5", kInteger, kRW, "30..99999", ""},

    // CPU access lists: the filter switch, the profiles (what a rule looks at) and the rules.
    {"CPU Interface Filter State", "1.3.6.1.4.1.99917.12.9.1.1", kInteger, kRW, "1,2", ""},
    {"CPU ACL Ethernet Profile ID", "1.3.6.1.4.1.99917.12.9.4.1.1.1", kInteger, kNA, "", ""},
    {"CPU ACL Ethernet Use VLAN", "1.3.6.1.4.1.99917.12.9.4.1.1.2", kInteger, kRW, "1,2", "2"},
    {"CPU ACL Ethernet MAC Address Mask State", "1.3.6.1.4.1.99917.12.9.4.1.1.3", kInteger, kRW,
     "1..4", "1"},
    {"CPU ACL Ethernet Source MAC Address Mask", "1.3.6.1.4.1.99917.12.9.4.1.1.4", kMacAddress, kRW,
     "", ""},
    {"CPU ACL Ethernet Destination MAC Address Mask", "1.3.6.1.4.1.99917.12.9.4.1.1.5", kMacAddress,
     kRW, "", ""},
    {"CPU ACL Ethernet Use 8021p", "1.3.6.1.4.1.99917.12.9.4.1.1.6", kInteger, kRW, "1,2", "2"},
    {"CPU ACL Ethernet Use Ethernet Type", "1.3.6.1.4.1.99917.12.9.4.1.1.7", kInteger, kRW, "1,2",
     "2"},
    {"CPU ACL Ethernet Row Status", "1.3.6.1.4.1.99917.12.9.4.1.1.8", kInteger, kRW, "", ""},
    {"CPU ACL IP Profile ID", "1.3.6.1.4.1.99917.12.9.4.2.1.1", kInteger, kNA, "", ""},
    {"CPU ACL IP Use VLAN", "1.3.6.1.4.1.99917.12.9.4.2.1.2", kInteger, kRW, "1,2", "2"},
    {"CPU ACL IP IP Address Mask State", "1.3.6.1.4.1.99917.12.9.4.2.1.3", kInteger, kRW, "1..4",
     "1"},
    {"CPU ACL IP Source IP Address Mask", "1.3.6.1.4.1.99917.12.9.4.2.1.4", kIpAddress, kRW, "",
     ""},
    {"CPU ACL IP Destination IP Address Mask", "1.3.6.1.4.1.99917.12.9.4.2.1.5", kIpAddress, kRW,
     "", ""},
    {"CPU ACL IP Use DSCP", "1.3.6.1.4.1.99917.12.9.4.2.1.6", kInteger, kRW, "1,2", "2"},
    {"CPU ACL IP Use Proto Type", "1.3.6.1.4.1.99917.12.9.4.2.1.7", kInteger, kRW, "1..6", "1"},
    {"CPU ACL IP ICMP Option", "1.3.6.1.4.1.99917.12.9.4.2.1.8", kInteger, kRW, "1..4", "1"},
    {"CPU ACL IP IGMP Option", "1.3.6.1.4.1.99917.12.9.4.2.1.9", kInteger, kRW, "1,2", "2"},
    {"CPU ACL IP TCP Option", "1.3.6.1.4.1.99917.12.9.4.2.1.10", kInteger, kRW, "1..4", "1"},
    {"CPU ACL IP UDP Option", "1.3.6.1.4.1.99917.12.9.4.2.1.11", kInteger, kRW, "1..4", "1"},
    // Port masks of two bytes, the protocol ID mask of four.
    {"CPU ACL IP TCP or UDP Source Port Mask", "1.3.6.1.4.1.99917.12.9.4.2.1.12", kOctetString, kRW,
     "2", "0000"},
    {"CPU ACL IP TCP or UDP Destination Port Mask", "1.3.6.1.4.1.99917.12.9.4.2.1.13", kOctetString,
     kRW, "2", "0000"},
    {"CPU ACL IP TCP Flag Bit", "1.3.6.1.4.1.99917.12.9.4.2.1.14", kInteger, kRW, "1,2", "2"},
    {"CPU ACL IP TCP Flag Bit Mask", "1.3.6.1.4.1.99917.12.9.4.2.1.15", kInteger, kRW, "0..63", ""},
    {"CPU ACL IP Protocol ID Option", "1.3.6.1.4.1.99917.12.9.4.2.1.16", kInteger, kRW, "1,2", "2"},
    {"CPU ACL IP Protocol ID Mask", "1.3.6.1.4.1.99917.12.9.4.2.1.17", kOctetString, kRW, "4",
     "00000000"},
    {"CPU ACL IP Row Status", "1.3.6.1.4.1.99917.12.9.4.2.1.18", kInteger, kRW, "", ""},
    // Packet content masks: five windows of 16 bytes over the first 80 bytes of a frame.
    {"CPU ACL Packet Content Mask Profile ID", "1.3.6.1.4.1.99917.12.9.4.3.1.1", kInteger, kNA, "",
     ""},
    {"CPU ACL Packet Content Mask Offset 0 to 15", "1.3.6.1.4.1.99917.12.9.4.3.1.2", kOctetString,
     kRW, "16", "00000000000000000000000000000000"},
    {"CPU ACL Packet Content Mask Offset 16 to 31", "1.3.6.1.4.1.99917.12.9.4.3.1.3", kOctetString,
     kRW, "16", "00000000000000000000000000000000"},
    {"CPU ACL Packet Content Mask Offset 32 to 47", "1.3.6.1.4.1.99917.12.9.4.3.1.4", kOctetString,
     kRW, "16", "00000000000000000000000000000000"},
    {"CPU ACL Packet Content Mask Offset 48 to 63", "1.3.6.1.4.1.99917.12.9.4.3.1.5", kOctetString,
     kRW, "16", "00000000000000000000000000000000"},
    {"CPU ACL Packet Content Mask Offset 64 to 79", "1.3.6.1.4.1.99917.12.9.4.3.1.6", kOctetString,
     kRW, "16", "00000000000000000000000000000000"},
    {"CPU ACL Packet Content Mask Row Status", "1.3.6.1.4.1.99917.12.9.4.3.1.7", kInteger, kRW, "",
     ""},
    {"CPU ACL Ether Rule Profile ID", "1.3.6.1.4.1.99917.12.9.5.1.1.1", kInteger, kNA, "", ""},
    {"CPU ACL Ether Rule Access ID", "1.3.6.1.4.1.99917.12.9.5.1.1.2", kInteger, kNA, "", ""},
    {"CPU ACL Ether Rule VLAN", "1.3.6.1.4.1.99917.12.9.5.1.1.3", kDisplayString, kRW, "0..32", ""},
    {"CPU ACL Ether Rule Source MAC Address", "1.3.6.1.4.1.99917.12.9.5.1.1.4", kMacAddress, kRW,
     "", ""},
    {"CPU ACL Ether Rule Destination MAC Address", "1.3.6.1.4.1.99917.12.9.5.1.1.5", kMacAddress,
     kRW, "", ""},
    {"CPU ACL Ether Rule 8021P", "1.3.6.1.4.1.99917.12.9.5.1.1.6", kInteger, kRW, "0..7", ""},
    {"CPU ACL Ether Rule Ether Type", "1.3.6.1.4.1.99917.12.9.5.1.1.7", kOctetString, kRW, "2",
     "0000"},
    {"CPU ACL Ether Rule Permit", "1.3.6.1.4.1.99917.12.9.5.1.1.8", kInteger, kRW, "1,2", "2"},
    {"CPU ACL Ether Rule Ether Port", "1.3.6.1.4.1.99917.12.9.5.1.1.9", kOctetString, kRW, "0..8",
     ""},
    {"CPU ACL Ether Rule Row Status", "1.3.6.1.4.1.99917.12.9.5.1.1.10", kInteger, kRW, "", ""},
    {"CPU ACL IP Rule Profile ID", "1.3.6.1.4.1.99917.12.9.5.2.1.1", kInteger, kNA, "", ""},
    {"CPU ACL IP Rule Access ID", "1.3.6.1.4.1.99917.12.9.5.2.1.2", kInteger, kNA, "", ""},
    {"CPU ACL IP Rule VLAN", "1.3.6.1.4.1.99917.12.9.5.2.1.3", kDisplayString, kRW, "0..32", ""},
    {"CPU ACL IP Rule Source IP Address", "1.3.6.1.4.1.99917.12.9.5.2.1.4", kIpAddress, kRW, "",
     ""},
    {"CPU ACL IP Rule Destination IP Address", "1.3.6.1.4.1.99917.12.9.5.2.1.5", kIpAddress, kRW,
     "", ""},
    {"CPU ACL IP Rule Dscp", "1.3.6.1.4.1.99917.12.9.5.2.1.6", kInteger, kRW, "0..63", ""},
    // The protocol follows the rule's profile; a new rule starts with none.
    {"CPU ACL IP Rule Protocol", "1.3.6.1.4.1.99917.12.9.5.2.1.7", kInteger, kRO, "1..6", "1"},
    {"CPU ACL IP Rule Type", "1.3.6.1.4.1.99917.12.9.5.2.1.8", kInteger, kRW, "0..255", ""},
    {"CPU ACL IP Rule Code", "1.3.6.1.4.1.99917.12.9.5.2.1.9", kInteger, kRW, "0..255", ""},
    {"CPU ACL IP Rule Source Port", "1.3.6.1.4.1.99917.12.9.5.2.1.10", kInteger, kRW, "0..65535",
     ""},
    {"CPU ACL IP Rule Destination Port", "1.3.6.1.4.1.99917.12.9.5.2.1.11", kInteger, kRW,
     "0..65535", ""},
    {"CPU ACL IP Rule Flag Bits", "1.3.6.1.4.1.99917.12.9.5.2.1.12", kInteger, kRW, "0..63", ""},
    {"CPU ACL IP Rule Proto ID", "1.3.6.1.4.1.99917.12.9.5.2.1.13", kInteger, kRW, "0..255", ""},
    {"CPU ACL IP Rule User Mask", "1.3.6.1.4.1.99917.12.9.5.2.1.14", kOctetString, kRW, "4",
     "00000000"},
    {"CPU ACL IP Rule Permit", "1.3.6.1.4.1.99917.12.9.5.2.1.15", kInteger, kRW, "1,2", "2"},
    {"CPU ACL IP Rule Port", "1.3.6.1.4.1.99917.12.9.5.2.1.16", kOctetString, kRW, "0..8", ""},
    {"CPU ACL IP Rule Row Status", "1.3.6.1.4.1.99917.12.9.5.2.1.17", kInteger, kRW, "", ""},
    {"CPU ACL Packet Content Rule Profile ID", "1.3.6.1.4.1.99917.12.9.5.3.1.1", kInteger, kNA, "",
     ""},
    {"CPU ACL Packet Content Rule Access ID", "1.3.6.1.4.1.99917.12.9.5.3.1.2", kInteger, kNA, "",
     ""},
    {"CPU ACL Packet Content Rule Offset 0 to 15", "1.3.6.1.4.1.99917.12.9.5.3.1.3", kOctetString,
     kRW, "16", "00000000000000000000000000000000"},
    {"CPU ACL Packet Content Rule Offset 16 to 31", "1.3.6.1.4.1.99917.12.9.5.3.1.4", kOctetString,
     kRW, "16", "00000000000000000000000000000000"},
    {"CPU ACL Packet Content Rule Offset 32 to 47", "1.3.6.1.4.1.99917.12.9.5.3.1.5", kOctetString,
     kRW, "16", "00000000000000000000000000000000"},
    {"CPU ACL Packet Content Rule Offset 48 to 63", "1.3.6.1.4.1.99917.12.9.5.3.1.6", kOctetString,
     kRW, "16", "00000000000000000000000000000000"},
    {"CPU ACL Packet Content Rule Offset 64 to 79", "1.3.6.1.4.1.99917.12.9.5.3.1.7", kOctetString,
     kRW, "16", "00000000000000000000000000000000"},
    {"CPU ACL Packet Content Rule Permit", "1.3.6.1.4.1.99917.12.9.5.3.1.8", kInteger, kRW, "1,2",
     "2"},
    {"CPU ACL Packet Content Rule Port", "1.3.6.1.4.1.99917.12.9.5.3.1.9", kOctetString, kRW,
     "0..8", ""},
    {"CPU ACL Packet Content Rule Row Status", "1.3.6.1.4.1.99917.12.9.5.3.1.10", kInteger, kRW, "",
     ""},

    // System log: the switch and the servers the log goes to.
    {"System Log Control State", "1.3.6.1.4.1.99917.12.12.1", kInteger, kRW, "2,3", ""},
    {"System Log Server Index", "1.3.6.1.4.1.99917.12.12.2.1.1", kInteger, kNA, "", ""},
    {"System Log Server IP Address", "1.3.6.1.4.1.99917.12.12.2.1.2", kIpAddress, kRW, "", ""},
    {"System Log Server Facility", "1.3.6.1.4.1.99917.12.12.2.1.3", kInteger, kRW, "0..7", ""},
    {"System Log Server Severity", "1.3.6.1.4.1.99917.12.12.2.1.4", kInteger, kRW, "1,2,3", "2"},
    {"System Log Server UDP Port", "1.3.6.1.4.1.99917.12.12.2.1.5", kInteger, kRW, "1..65535",
     "514"},
    {"System Log Server State", "1.3.6.1.4.1.99917.12.12.2.1.6", kInteger, kRW, "1,2,3", "3"},
    {"System Log Server Row Status", "1.3.6.1.4.1.99917.12.12.2.1.7", kInteger, kRW, "", ""},

    // SMTP: the result of the last test mail and the receivers of mails.
    {"SMTP Send Test Status", "1.3.6.1.4.1.99917.12.29.2.1", kInteger, kRO, "1,2,3", ""},
    {"SMTP Mail Receiver Address Index", "1.3.6.1.4.1.99917.12.29.3.1.1.1", kInteger, kNA, "", ""},
    {"SMTP Mail Receiver Address", "1.3.6.1.4.1.99917.12.29.3.1.1.2", kDisplayString, kRW, "1..64",
     ""},
    {"SMTP Mail Receiver Address State", "1.3.6.1.4.1.99917.12.29.3.1.1.3", kInteger, kRW, "", ""},

    // Cable diagnostics, per port: a test run (Diag Action 1) fills the pair results and reads
    // back 3 (other); 2 (processing) is the device's own state, never written.
    {"Cable Diag Port Index", "1.3.6.1.4.1.99917.12.58.1.1.1.1", kInteger, kNA, "", ""},
    {"Cable Diag Port Type", "1.3.6.1.4.1.99917.12.58.1.1.1.2", kInteger, kRO, "0,1,2", ""},
    {"Cable Diag Link Status", "1.3.6.1.4.1.99917.12.58.1.1.1.3", kInteger, kRO, "0,1,2", ""},
    {"Cable Diag Pair1 Status", "1.3.6.1.4.1.99917.12.58.1.1.1.4", kInteger, kRO, "0..8", ""},
    {"Cable Diag Pair2 Status", "1.3.6.1.4.1.99917.12.58.1.1.1.5", kInteger, kRO, "0..8", ""},
    {"Cable Diag Pair3 Status", "1.3.6.1.4.1.99917.12.58.1.1.1.6", kInteger, kRO, "0..8", ""},
    {"Cable Diag Pair4 Status", "1.3.6.1.4.1.99917.12.58.1.1.1.7", kInteger, kRO, "0..8", ""},
    {"Cable Diag Pair1 Length", "1.3.6.1.4.1.99917.12.58.1.1.1.8", kInteger, kRO, "0..255", ""},
    {"Cable Diag Pair2 Length", "1.3.6.1.4.1.99917.12.58.1.1.1.9", kInteger, kRO, "0..255", ""},
    {"Cable Diag Pair3 Length", "1.3.6.1.4.1.99917.12.58.1.1.1.10", kInteger, kRO, "0..255", ""},
    {"Cable Diag Pair4 Length", "1.3.6.1.4.1.99917.12.58.1.1.1.11", kInteger, kRO, "0..255", ""},
    {"Cable Diag Action", "1.3.6.1.4.1.99917.12.58.1.1.1.12", kInteger, kRW, "1,3", ""},

    // IP-MAC binding.
    {"IP MAC Binding Trap Log State", "1.3.6.1.4.1.99917.12.23.1.1", kInteger, kRW, "2,3", ""},
    // 2 (enable) or 3 (disable) sets every port; the object itself reads 1 (other).
    {"All Port State", "1.3.6.1.4.1.99917.12.23.3.1", kInteger, kRW, "1,2,3", ""},
    {"IP MAC Binding Port Index", "1.3.6.1.4.1.99917.12.23.3.2.1.1", kInteger, kNA, "", ""},
    {"IP MAC Binding Port State", "1.3.6.1.4.1.99917.12.23.3.2.1.2", kInteger, kRW, "2,3", ""},
    {"IP MAC Binding Port Zero IP State", "1.3.6.1.4.1.99917.12.23.3.2.1.3", kInteger, kRW, "1,2",
     ""},
    {"IP Index", "1.3.6.1.4.1.99917.12.23.4.1.1.1", kIpAddress, kNA, "", ""},
    {"MAC Address", "1.3.6.1.4.1.99917.12.23.4.1.1.2", kMacAddress, kRW, "", ""},
    {"Status", "1.3.6.1.4.1.99917.12.23.4.1.1.3", kInteger, kRW, "1,4,6", ""},
    {"Ports", "1.3.6.1.4.1.99917.12.23.4.1.1.4", kOctetString, kRW, "0..8", ""},
    {"Blocked VID", "1.3.6.1.4.1.99917.12.23.4.2.1.1", kInteger, kNA, "", ""},
    {"Blocked MAC", "1.3.6.1.4.1.99917.12.23.4.2.1.2", kMacAddress, kNA, "", ""},
    {"Blocked VLAN Name", "1.3.6.1.4.1.99917.12.23.4.2.1.3", kDisplayString, kRO, "", ""},
    {"Blocked Port", "1.3.6.1.4.1.99917.12.23.4.2.1.4", kInteger, kRO, "", ""},
    {"Blocked Type", "1.3.6.1.4.1.99917.12.23.4.2.1.5", kInteger, kRW, "1,2,3", ""},
    {"Blocked Time", "1.3.6.1.4.1.99917.12.23.4.2.1.6", kDisplayString, kRO, "", ""},

    // DHCP relay option 60.
    {"DHCP Relay Option 60 String", "1.3.6.1.4.1.99917.12.42.3.3.4.1.1", kDisplayString, kNA, "",
     ""},
    {"DHCP Relay Option 60 Reply IP", "1.3.6.1.4.1.99917.12.42.3.3.4.1.2", kIpAddress, kNA, "", ""},
    {"DHCP Relay Option 60 Match Type", "1.3.6.1.4.1.99917.12.42.3.3.4.1.3", kInteger, kRW, "1,2",
     "1"},
    {"DHCP Relay Option 60 Row Status", "1.3.6.1.4.1.99917.12.42.3.3.4.1.4", kInteger, kRW, "", ""},

    // BRIDGE-MIB: base information, the forwarding table and its ageing.
    {"Bridge Address", "1.3.6.1.2.1.17.1.1", kMacAddress, kRO, "", ""},
    {"Number of Ports", "1.3.6.1.2.1.17.1.2", kInteger, kRO, "", ""},
    {"Bridge Type", "1.3.6.1.2.1.17.1.3", kInteger, kRO, "1..4", ""},
    {"Learned Entry Discards", "1.3.6.1.2.1.17.4.1", kCounter32, kRO, "", ""},
    {"Aging Time", "1.3.6.1.2.1.17.4.2", kInteger, kRW, "10..1000000", ""},
    {"dot1dTpFdbAddress", "1.3.6.1.2.1.17.4.3.1.1", kMacAddress, kRO, "", ""},
    {"dot1dTpFdbPort", "1.3.6.1.2.1.17.4.3.1.2", kInteger, kRO, "", ""},
    {"dot1dTpFdbStatus", "1.3.6.1.2.1.17.4.3.1.3", kInteger, kRO, "1..5", ""},

    // Q-BRIDGE-MIB base.
    {"VLAN Version Number", "1.3.6.1.2.1.17.7.1.1.1", kInteger, kRO, "", ""},
    {"Max VLAN ID", "1.3.6.1.2.1.17.7.1.1.2", kInteger, kRO, "", ""},
    {"Max Supported VLANs", "1.3.6.1.2.1.17.7.1.1.3", kGauge32, kRO, "", ""},
    {"Num VLANs", "1.3.6.1.2.1.17.7.1.1.4", kGauge32, kRO, "", ""},
    {"GVRP Status", "1.3.6.1.2.1.17.7.1.1.5", kInteger, kRO, "1,2", ""},

    // SNMP-COMMUNITY-MIB.
    {"snmpCommunityIndex", "1.3.6.1.6.3.18.1.1.1.1", kDisplayString, kNA, "", ""},
    {"snmpCommunityName", "1.3.6.1.6.3.18.1.1.1.2", kDisplayString, kRW, "", ""},
    {"snmpCommunitySecurityName", "1.3.6.1.6.3.18.1.1.1.3", kDisplayString, kRW, "1..32", "nobody"},
    {"snmpCommunityContextEngineID", "1.3.6.1.6.3.18.1.1.1.4", kOctetString, kRW, "5..32",
     "80 00 1F 88 04 6E 78 35 39 36"},
    {"snmpCommunityContextName", "1.3.6.1.6.3.18.1.1.1.5", kDisplayString, kRW, "0..32", ""},
    {"snmpCommunityTransportTag", "1.3.6.1.6.3.18.1.1.1.6", kDisplayString, kRW, "", ""},
    {"snmpCommunityStorageType", "1.3.6.1.6.3.18.1.1.1.7", kInteger, kRW, "1..5", "3"},
    {"snmpCommunityStatus", "1.3.6.1.6.3.18.1.1.1.8", kInteger, kRW, "", ""},
    {"snmpTargetAddrTMask", "1.3.6.1.6.3.18.1.2.1.1", kOctetString, kRW, "0..255", ""},
    {"snmpTargetAddrMMS", "1.3.6.1.6.3.18.1.2.1.2", kInteger, kRW, "0,484..2147483647", "484"},
};

const SeedValue kSeed[] = {
    // instance, value (in the text form of the object's syntax)

    // Front-panel LEDs, one byte each: 0 power, 1 console, 2n the link of port n, 50..53 the
    // uplink slots. 0x02 green, 0x82 blinking green, 0x04 blue, 0x05 red, 0x00 off. Ports 1-8
    // have a link; 3, 6 and 8 carry traffic (blinking).
    {"1.3.6.1.4.1.99917.11.63.3.2.1.1.5.0",
     "02 02"                     // power, console
     " 02 00 02 00 82 00 02 00"  // ports 1-4 (bytes 2-9)
     " 02 00 82 00 02 00 82 00"  // ports 5-8
     " 00 00 00 00 00 00 00 00"  // ports 9-12
     " 00 00 00 00 00 00 00 00"  // ports 13-16
     " 00 00 00 00 00 00 00 00"  // ports 17-20
     " 00 00 00 00 00 00 00 00"  // ports 21-24 (bytes 42-49)
     " 00 00 00 00"},            // uplink slots 1 and 2 (bytes 50-53)
    {"1.3.6.1.4.1.99917.11.63.3.2.1.1.6.0", "0"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.1.7.0", "0"},

    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.2.0", "10.90.90.90"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.3.0", "255.0.0.0"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.4.0", "10.90.90.254"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.5.0", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.16.0", "3"},
    {"1.3.6.1.4.1.99917.12.1.3.3.0", "2"},
    {"1.3.6.1.4.1.99917.12.1.2.3.0", "4"},

    // Basic information: SNMP over IP, nobody on the console, nothing saved or transferred
    // since the start.
    {"1.3.6.1.4.1.99917.12.1.1.1.0", "2"},
    {"1.3.6.1.4.1.99917.12.1.1.3.0", "3"},
    {"1.3.6.1.4.1.99917.12.1.1.4.0", "1"},
    {"1.3.6.1.4.1.99917.12.1.1.5.0", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.3.1.0", "7"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.3.2.0", "5"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.3.3.0", "4"},

    // Device control: STP and MAC notification off, IGMP snooping and authentication traps on
    // (the IGMP tables show the groups snooped in VLANs 1 and 20).
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.6.0", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.7.0", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.12.0", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.13.0", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.17.0", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.18.0", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.19.0", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.20.0", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.21.0", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.22.0", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.15.2.0", "3"},

    // Actions at rest.
    {"1.3.6.1.4.1.99917.12.1.2.6.0", "1"},
    {"1.3.6.1.4.1.99917.12.1.2.10.2.0", "1"},
    {"1.3.6.1.4.1.99917.12.1.2.11.1.0", "1"},
    {"1.3.6.1.4.1.99917.12.1.2.12.1.0", "1"},

    // Upload/Download File Table, indexed by file: firmware, configuration, log. The log has
    // no server yet.
    {"1.3.6.1.4.1.99917.12.1.2.1.1.2.1", "firmware"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.3.1", "10.90.90.2"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.4.1", "2"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.5.1", "nx596_fw_210b07.had"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.6.1", "1"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.7.1", "3"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.8.1", "2"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.2.2", "configuration"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.3.2", "10.90.90.2"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.4.2", "2"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.5.2", "nx596.cfg"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.6.2", "1"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.7.2", "2"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.8.2", "2"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.2.3", "log"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.3.3", "0.0.0.0"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.4.3", "2"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.5.3", ""},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.6.3", "1"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.7.3", "2"},
    {"1.3.6.1.4.1.99917.12.1.2.1.1.8.3", "2"},

    // Trusted Host Table, indexed by number: a station, a subnet and a second station.
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.2.1", "10.90.90.2"},
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.3.1", "1"},
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.4.1", "255.255.255.255"},
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.2.2", "192.168.1.0"},
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.3.2", "1"},
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.4.2", "255.255.255.0"},
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.2.5", "172.16.5.20"},
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.3.5", "1"},
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.4.5", "255.255.255.255"},

    // Console: 8 data bits, 1 stop bit, no parity, 9600 baud, logged out after ten minutes.
    {"1.3.6.1.4.1.99917.12.1.5.1.0", "3"},
    {"1.3.6.1.4.1.99917.12.1.5.2.0", "2"},
    {"1.3.6.1.4.1.99917.12.1.5.3.0", "1"},
    {"1.3.6.1.4.1.99917.12.1.5.4.0", "3"},
    {"1.3.6.1.4.1.99917.12.1.5.5.0", "4"},

    // Single IP management: this switch commands the group.
    {"1.3.6.1.4.1.99917.12.8.1.1.1.0", "1.6"},
    {"1.3.6.1.4.1.99917.12.8.1.1.2.0", "Layer 2 switch"},
    {"1.3.6.1.4.1.99917.12.8.1.1.3.0", "NX-596"},
    {"1.3.6.1.4.1.99917.12.8.1.2.1.0", "3"},
    {"1.3.6.1.4.1.99917.12.8.1.2.2.0", "1"},
    {"1.3.6.1.4.1.99917.12.8.1.2.3.0", "100"},
    {"1.3.6.1.4.1.99917.12.8.1.2.4.0", "60"},
    // Single IP Cas Table, indexed by candidate ID: the two candidates seen on port 7
    {"1.3.6.1.4.1.99917.12.8.1.4.1.2.1", "annex switch"},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.3.1", "02:50:BA:11:22:33"},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.4.1", "2.00.B12"},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.5.1", "Layer 2 switch"},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.6.1", "NX-596"},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.7.1", "180"},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.2.2", "annex printers"},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.3.2", "02:50:BA:11:22:34"},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.4.2", "2.00.B12"},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.5.2", "Layer 2 switch"},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.6.2", "NX-596"},
    {"1.3.6.1.4.1.99917.12.8.1.4.1.7.2", "180"},

    // CPU access lists, filtering off. Profiles 1 and 2 look at Ethernet headers, 3 and 4 at
    // IP headers, 5 at the packet content; the rules are indexed by profile and access ID.
    {"1.3.6.1.4.1.99917.12.9.1.1.0", "2"},
    // Ethernet profile 1: VLAN and source MAC address
    {"1.3.6.1.4.1.99917.12.9.4.1.1.2.1", "1"},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.3.1", "3"},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.4.1", "FF:FF:FF:FF:FF:FF"},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.5.1", "00:00:00:00:00:00"},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.6.1", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.7.1", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.8.1", "1"},
    // Ethernet profile 2: the Ethernet type
    {"1.3.6.1.4.1.99917.12.9.4.1.1.2.2", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.3.2", "1"},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.4.2", "00:00:00:00:00:00"},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.5.2", "00:00:00:00:00:00"},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.6.2", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.7.2", "1"},
    {"1.3.6.1.4.1.99917.12.9.4.1.1.8.2", "1"},
    // IP profile 3: TCP to a destination port from a source subnet
    {"1.3.6.1.4.1.99917.12.9.4.2.1.2.3", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.3.3", "3"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.4.3", "255.255.255.0"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.5.3", "0.0.0.0"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.6.3", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.7.3", "4"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.8.3", "1"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.9.3", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.10.3", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.11.3", "1"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.12.3", "0000"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.13.3", "FFFF"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.14.3", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.15.3", "0"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.16.3", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.17.3", "00000000"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.18.3", "1"},
    // IP profile 4: ICMP by type to one destination
    {"1.3.6.1.4.1.99917.12.9.4.2.1.2.4", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.3.4", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.4.4", "0.0.0.0"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.5.4", "255.255.255.255"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.6.4", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.7.4", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.8.4", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.9.4", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.10.4", "1"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.11.4", "1"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.12.4", "0000"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.13.4", "0000"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.14.4", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.15.4", "0"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.16.4", "2"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.17.4", "00000000"},
    {"1.3.6.1.4.1.99917.12.9.4.2.1.18.4", "1"},
    // Packet content profile 5: destination MAC address and Ethernet type
    {"1.3.6.1.4.1.99917.12.9.4.3.1.2.5", "FFFFFFFFFFFF000000000000FFFF0000"},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.3.5", "00000000000000000000000000000000"},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.4.5", "00000000000000000000000000000000"},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.5.5", "00000000000000000000000000000000"},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.6.5", "00000000000000000000000000000000"},
    {"1.3.6.1.4.1.99917.12.9.4.3.1.7.5", "1"},
    // Ethernet rule 1.1: deny one station in VLAN default on every port
    {"1.3.6.1.4.1.99917.12.9.5.1.1.3.1.1", "default"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.4.1.1", "00:0C:29:3E:5B:01"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.5.1.1", "00:00:00:00:00:00"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.6.1.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.7.1.1", "0000"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.8.1.1", "1"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.9.1.1", "FFFFFFC0"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.10.1.1", "1"},
    // Ethernet rule 1.2: permit the first bound station on port 1
    {"1.3.6.1.4.1.99917.12.9.5.1.1.3.1.2", "default"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.4.1.2", "00:1C:F0:10:20:01"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.5.1.2", "00:00:00:00:00:00"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.6.1.2", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.7.1.2", "0000"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.8.1.2", "2"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.9.1.2", "80000000"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.10.1.2", "1"},
    // Ethernet rule 2.1: permit ARP on every port
    {"1.3.6.1.4.1.99917.12.9.5.1.1.3.2.1", ""},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.4.2.1", "00:00:00:00:00:00"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.5.2.1", "00:00:00:00:00:00"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.6.2.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.7.2.1", "0806"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.8.2.1", "2"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.9.2.1", "FFFFFFC0"},
    {"1.3.6.1.4.1.99917.12.9.5.1.1.10.2.1", "1"},
    // IP rule 3.1: permit telnet from the management subnet
    {"1.3.6.1.4.1.99917.12.9.5.2.1.3.3.1", "default"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.4.3.1", "10.90.90.0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.5.3.1", "0.0.0.0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.6.3.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.7.3.1", "4"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.8.3.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.9.3.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.10.3.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.11.3.1", "23"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.12.3.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.13.3.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.14.3.1", "00000000"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.15.3.1", "2"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.16.3.1", "FFFFFFC0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.17.3.1", "1"},
    // IP rule 3.2: deny web access from the office subnet
    {"1.3.6.1.4.1.99917.12.9.5.2.1.3.3.2", "default"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.4.3.2", "192.168.1.0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.5.3.2", "0.0.0.0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.6.3.2", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.7.3.2", "4"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.8.3.2", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.9.3.2", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.10.3.2", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.11.3.2", "80"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.12.3.2", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.13.3.2", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.14.3.2", "00000000"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.15.3.2", "1"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.16.3.2", "FFFFFFC0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.17.3.2", "1"},
    // IP rule 4.1: permit echo requests to the switch itself
    {"1.3.6.1.4.1.99917.12.9.5.2.1.3.4.1", ""},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.4.4.1", "0.0.0.0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.5.4.1", "10.90.90.90"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.6.4.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.7.4.1", "2"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.8.4.1", "8"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.9.4.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.10.4.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.11.4.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.12.4.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.13.4.1", "0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.14.4.1", "00000000"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.15.4.1", "2"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.16.4.1", "FFFFFFC0"},
    {"1.3.6.1.4.1.99917.12.9.5.2.1.17.4.1", "1"},
    // Packet content rule 5.1: permit LACP frames (slow protocols) on the uplinks
    {"1.3.6.1.4.1.99917.12.9.5.3.1.3.5.1", "0180C200000200000000000088090000"},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.4.5.1", "00000000000000000000000000000000"},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.5.5.1", "00000000000000000000000000000000"},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.6.5.1", "00000000000000000000000000000000"},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.7.5.1", "00000000000000000000000000000000"},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.8.5.1", "2"},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.9.5.1", "000000C0"},
    {"1.3.6.1.4.1.99917.12.9.5.3.1.10.5.1", "1"},

    // System log on, to two servers; the second is switched off.
    {"1.3.6.1.4.1.99917.12.12.1.0", "3"},
    {"1.3.6.1.4.1.99917.12.12.2.1.2.1", "10.90.90.2"},
    {"1.3.6.1.4.1.99917.12.12.2.1.3.1", "0"},
    {"1.3.6.1.4.1.99917.12.12.2.1.4.1", "1"},
    {"1.3.6.1.4.1.99917.12.12.2.1.5.1", "514"},
    {"1.3.6.1.4.1.99917.12.12.2.1.6.1", "3"},
    {"1.3.6.1.4.1.99917.12.12.2.1.7.1", "1"},
    {"1.3.6.1.4.1.99917.12.12.2.1.2.3", "192.168.1.20"},
    {"1.3.6.1.4.1.99917.12.12.2.1.3.3", "7"},
    {"1.3.6.1.4.1.99917.12.12.2.1.4.3", "2"},
    {"1.3.6.1.4.1.99917.12.12.2.1.5.3", "1514"},
    {"1.3.6.1.4.1.99917.12.12.2.1.6.3", "2"},
    {"1.3.6.1.4.1.99917.12.12.2.1.7.3", "1"},

    // SMTP: the last test mail went out; two receivers.
    {"1.3.6.1.4.1.99917.12.29.2.1.0", "1"},
    {"1.3.6.1.4.1.99917.12.29.3.1.1.2.1", "netadmin@example.net"},
    {"1.3.6.1.4.1.99917.12.29.3.1.1.3.1", "1"},
    {"1.3.6.1.4.1.99917.12.29.3.1.1.2.2", "noc@example.net"},
    {"1.3.6.1.4.1.99917.12.29.3.1.1.3.2", "1"},

    // IP-MAC binding: trap log off; ports differ, so All Port State reads other.
    {"1.3.6.1.4.1.99917.12.23.1.1.0", "3"},
    {"1.3.6.1.4.1.99917.12.23.3.1.0", "1"},

    // MIB Capabilities, indexed by number: description, version, type (2 standard, 3 proprietary)
    {"1.3.6.1.4.1.99917.12.1.1.2.1.2.1", "RFC 1213 MIB-II"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.3.1", "2"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.4.1", "2"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.2.2", "RFC 1493 BRIDGE-MIB"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.3.2", "1"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.4.2", "2"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.2.3", "RFC 2674 P-BRIDGE-MIB and Q-BRIDGE-MIB"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.3.3", "1"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.4.3", "2"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.2.4", "RFC 2819 RMON-MIB"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.3.4", "2"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.4.4", "2"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.2.5", "RFC 2863 IF-MIB"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.3.5", "1"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.4.5", "2"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.2.6", "RFC 3411-3415 SNMPv3 framework, MPD, target, USM, VACM"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.3.6", "1"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.4.6", "2"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.2.7", "RFC 3584 SNMP-COMMUNITY-MIB"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.3.7", "1"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.4.7", "2"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.2.8", "RFC 2618 RADIUS-AUTH-CLIENT-MIB"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.3.8", "1"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.4.8", "2"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.2.9", "IEEE 802.1X PAE MIB"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.3.9", "1"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.4.9", "2"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.2.10", "NX-596 private MIB"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.3.10", "3"},
    {"1.3.6.1.4.1.99917.12.1.1.2.1.4.10", "3"},

    {"1.3.6.1.4.1.99917.12.10.1.0", "C0"},
    {"1.3.6.1.4.1.99917.12.10.3.0", "1"},
    {"1.3.6.1.4.1.99917.12.10.10.1.0", "2024/03/15 10:42:07"},
    {"1.3.6.1.4.1.99917.12.10.10.2.0", "3 days, 4:11:52"},
    {"1.3.6.1.4.1.99917.12.10.10.3.0", "2024/03/12 06:30:15"},
    {"1.3.6.1.4.1.99917.12.10.10.4.0", "60"},
    {"1.3.6.1.4.1.99917.12.10.11.1.0", "2"},
    {"1.3.6.1.4.1.99917.12.10.11.2.0", "0"},
    {"1.3.6.1.4.1.99917.12.10.11.3.0", "10.90.90.5"},
    {"1.3.6.1.4.1.99917.12.10.11.4.0", "0.0.0.0"},
    {"1.3.6.1.4.1.99917.12.10.11.5.0", "720"},

    // Port Control Table: ports 1..24, then the uplink slots 25 and 26
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.1", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.1", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.1", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.1", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.1", "core router"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.1", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.1", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.2", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.2", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.2", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.2", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.2", "file server"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.2", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.2", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.3", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.3", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.3", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.3", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.3", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.3", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.3", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.4", "4"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.4", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.4", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.4", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.4", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.4", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.4", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.5", "5"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.5", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.5", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.5", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.5", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.5", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.5", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.6", "6"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.6", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.6", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.6", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.6", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.6", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.6", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.7", "7"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.7", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.7", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.7", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.7", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.7", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.7", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.8", "8"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.8", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.8", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.8", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.8", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.8", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.8", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.9", "9"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.9", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.9", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.9", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.9", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.9", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.9", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.10", "10"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.10", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.10", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.10", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.10", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.10", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.10", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.11", "11"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.11", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.11", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.11", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.11", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.11", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.11", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.12", "12"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.12", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.12", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.12", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.12", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.12", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.12", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.13", "13"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.13", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.13", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.13", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.13", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.13", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.13", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.14", "14"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.14", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.14", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.14", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.14", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.14", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.14", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.15", "15"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.15", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.15", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.15", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.15", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.15", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.15", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.16", "16"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.16", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.16", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.16", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.16", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.16", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.16", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.17", "17"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.17", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.17", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.17", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.17", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.17", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.17", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.18", "18"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.18", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.18", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.18", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.18", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.18", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.18", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.19", "19"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.19", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.19", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.19", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.19", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.19", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.19", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.20", "20"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.20", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.20", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.20", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.20", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.20", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.20", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.21", "21"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.21", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.21", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.21", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.21", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.21", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.21", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.22", "22"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.22", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.22", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.22", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.22", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.22", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.22", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.23", "23"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.23", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.23", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.23", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.23", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.23", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.23", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.24", "24"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.24", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.24", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.24", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.24", ""},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.24", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.24", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.25", "25"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.25", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.25", "7"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.25", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.25", "uplink slot 1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.25", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.25", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1.26", "26"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.26", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3.26", "7"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.26", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.26", "uplink slot 2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7.26", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10.26", "1"},

    // Single IP MS Table, indexed by member ID: the three members of this switch's group
    // "Floor2" (the first is the neighbour on port 3)
    {"1.3.6.1.4.1.99917.12.8.1.3.1.2.1", "NX-596 lab"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.3.1", "00:1C:F0:7A:01:22"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.4.1", "2.10.B07"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.5.1", "Layer 2 switch"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.6.1", "NX-596"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.7.1", "60"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.8.1", "1"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.9.1", ""},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.10.1", "1"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.2.2", "NX-596 annex"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.3.2", "00:1C:F0:7A:01:40"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.4.2", "2.10.B07"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.5.2", "Layer 2 switch"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.6.2", "NX-596"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.7.2", "100"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.8.2", "2"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.9.2", ""},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.10.2", "1"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.2.3", "warehouse"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.3.3", "00:1C:F0:7A:02:0E"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.4.3", "2.00.B12"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.5.3", "Layer 2 switch"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.6.3", "NX-596"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.7.3", "100"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.8.3", "3"},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.9.3", ""},
    {"1.3.6.1.4.1.99917.12.8.1.3.1.10.3", "1"},

    // Single IP Group Table, indexed by MAC address
    // 00:1C:F0:59:60:00
    {"1.3.6.1.4.1.99917.12.8.1.5.1.2.0.28.240.89.96.0", "Floor2"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.3.0.28.240.89.96.0", "NX-596 core"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.4.0.28.240.89.96.0", "3"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.5.0.28.240.89.96.0", "2.10.B07"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.6.0.28.240.89.96.0", "SIM ver 1.6"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.7.0.28.240.89.96.0", "NX-596"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.8.0.28.240.89.96.0", "100"},
    // 00:1C:F0:7A:01:22
    {"1.3.6.1.4.1.99917.12.8.1.5.1.2.0.28.240.122.1.34", "Lab"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.3.0.28.240.122.1.34", "NX-596 lab"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.4.0.28.240.122.1.34", "1"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.5.0.28.240.122.1.34", "2.10.B07"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.6.0.28.240.122.1.34", "SIM ver 1.6"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.7.0.28.240.122.1.34", "NX-596"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.8.0.28.240.122.1.34", "60"},
    // 02:50:BA:11:22:33
    {"1.3.6.1.4.1.99917.12.8.1.5.1.2.2.80.186.17.34.51", "Annex"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.3.2.80.186.17.34.51", "annex switch"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.4.2.80.186.17.34.51", "0"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.5.2.80.186.17.34.51", "2.00.B12"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.6.2.80.186.17.34.51", "SIM ver 1.61"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.7.2.80.186.17.34.51", "NX-596"},
    {"1.3.6.1.4.1.99917.12.8.1.5.1.8.2.80.186.17.34.51", "180"},

    // Single IP Neighbor Table, indexed by received port and MAC address
    // port 3, 00:1C:F0:7A:01:22
    {"1.3.6.1.4.1.99917.12.8.1.6.1.3.3.0.28.240.122.1.34", "3"},
    // port 7, 02:50:BA:11:22:33
    {"1.3.6.1.4.1.99917.12.8.1.6.1.3.7.2.80.186.17.34.51", "2"},
    // port 7, 02:50:BA:11:22:34
    {"1.3.6.1.4.1.99917.12.8.1.6.1.3.7.2.80.186.17.34.52", "2"},

    // DHCP Relay Option 60 Table, indexed by the option string (length first) and reply IP
    // "MSFT 5.0", 10.1.1.5
    {"1.3.6.1.4.1.99917.12.42.3.3.4.1.3.8.77.83.70.84.32.53.46.48.10.1.1.5", "1"},
    {"1.3.6.1.4.1.99917.12.42.3.3.4.1.4.8.77.83.70.84.32.53.46.48.10.1.1.5", "1"},
    // "PXEClient", 10.1.1.6
    {"1.3.6.1.4.1.99917.12.42.3.3.4.1.3.9.80.88.69.67.108.105.101.110.116.10.1.1.6", "2"},
    {"1.3.6.1.4.1.99917.12.42.3.3.4.1.4.9.80.88.69.67.108.105.101.110.116.10.1.1.6", "1"},
    // "udhcp", 192.168.10.1
    {"1.3.6.1.4.1.99917.12.42.3.3.4.1.3.5.117.100.104.99.112.192.168.10.1", "1"},
    {"1.3.6.1.4.1.99917.12.42.3.3.4.1.4.5.117.100.104.99.112.192.168.10.1", "1"},

    // IP MAC Binding Table, indexed by IP address
    // 10.0.0.1
    {"1.3.6.1.4.1.99917.12.23.4.1.1.2.10.0.0.1", "00:1C:F0:10:20:01"},
    {"1.3.6.1.4.1.99917.12.23.4.1.1.3.10.0.0.1", "1"},
    {"1.3.6.1.4.1.99917.12.23.4.1.1.4.10.0.0.1", "80000000"},
    // 10.0.0.2
    {"1.3.6.1.4.1.99917.12.23.4.1.1.2.10.0.0.2", "00:1C:F0:10:20:02"},
    {"1.3.6.1.4.1.99917.12.23.4.1.1.3.10.0.0.2", "1"},
    {"1.3.6.1.4.1.99917.12.23.4.1.1.4.10.0.0.2", "C0000000"},
    // 192.168.1.10
    {"1.3.6.1.4.1.99917.12.23.4.1.1.2.192.168.1.10", "00:0E:A6:5B:1C:90"},
    {"1.3.6.1.4.1.99917.12.23.4.1.1.3.192.168.1.10", "1"},
    {"1.3.6.1.4.1.99917.12.23.4.1.1.4.192.168.1.10", "00010040"},

    // IP MAC Binding Blocked Table, indexed by VLAN and MAC address. Deliberately sparse: only
    // the first row has a blocked time and only the first two a type, so the columns of a walk
    // end at different rows.
    // VLAN 1, 00:0C:29:3E:5B:01
    {"1.3.6.1.4.1.99917.12.23.4.2.1.3.1.0.12.41.62.91.1", "default"},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.4.1.0.12.41.62.91.1", "5"},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.5.1.0.12.41.62.91.1", "2"},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.6.1.0.12.41.62.91.1", "2024-03-14 08:15:02"},
    // VLAN 1, 00:0C:29:3E:5B:02
    {"1.3.6.1.4.1.99917.12.23.4.2.1.3.1.0.12.41.62.91.2", "default"},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.4.1.0.12.41.62.91.2", "6"},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.5.1.0.12.41.62.91.2", "2"},
    // VLAN 20, 00:50:56:C0:00:08
    {"1.3.6.1.4.1.99917.12.23.4.2.1.3.20.0.80.86.192.0.8", "lab"},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.4.20.0.80.86.192.0.8", "11"},

    {"1.3.6.1.2.1.17.1.1.0", "00:1C:F0:59:60:00"},
    {"1.3.6.1.2.1.17.1.2.0", "26"},
    {"1.3.6.1.2.1.17.1.3.0", "2"},
    {"1.3.6.1.2.1.17.4.1.0", "17"},
    {"1.3.6.1.2.1.17.4.2.0", "300"},
    {"1.3.6.1.2.1.17.7.1.1.1.0", "1"},
    {"1.3.6.1.2.1.17.7.1.1.2.0", "4094"},
    {"1.3.6.1.2.1.17.7.1.1.3.0", "256"},
    {"1.3.6.1.2.1.17.7.1.1.4.0", "3"},
    {"1.3.6.1.2.1.17.7.1.1.5.0", "2"},

    // snmpCommunityTable and snmpTargetAddrExtTable, IMPLIED string indexes (no length)
    // "tamrel" (IMPLIED index: no length)
    {"1.3.6.1.6.3.18.1.1.1.2.116.97.109.114.101.108", "tamrel"},
    {"1.3.6.1.6.3.18.1.1.1.3.116.97.109.114.101.108", "tamrel"},
    {"1.3.6.1.6.3.18.1.1.1.4.116.97.109.114.101.108", "80 00 1F 88 04 6E 78 35 39 36"},
    {"1.3.6.1.6.3.18.1.1.1.5.116.97.109.114.101.108", ""},
    {"1.3.6.1.6.3.18.1.1.1.6.116.97.109.114.101.108", ""},
    {"1.3.6.1.6.3.18.1.1.1.7.116.97.109.114.101.108", "3"},
    {"1.3.6.1.6.3.18.1.1.1.8.116.97.109.114.101.108", "1"},
    // "vosquin" (IMPLIED index: no length)
    {"1.3.6.1.6.3.18.1.1.1.2.118.111.115.113.117.105.110", "vosquin"},
    {"1.3.6.1.6.3.18.1.1.1.3.118.111.115.113.117.105.110", "vosquin"},
    {"1.3.6.1.6.3.18.1.1.1.4.118.111.115.113.117.105.110", "80 00 1F 88 04 6E 78 35 39 36"},
    {"1.3.6.1.6.3.18.1.1.1.5.118.111.115.113.117.105.110", ""},
    {"1.3.6.1.6.3.18.1.1.1.6.118.111.115.113.117.105.110", ""},
    {"1.3.6.1.6.3.18.1.1.1.7.118.111.115.113.117.105.110", "3"},
    {"1.3.6.1.6.3.18.1.1.1.8.118.111.115.113.117.105.110", "1"},
    // target "nmsPrimary" (IMPLIED index)
    {"1.3.6.1.6.3.18.1.2.1.1.110.109.115.80.114.105.109.97.114.121", ""},
    {"1.3.6.1.6.3.18.1.2.1.2.110.109.115.80.114.105.109.97.114.121", "484"},
    // target "nmsBackup" (IMPLIED index)
    {"1.3.6.1.6.3.18.1.2.1.1.110.109.115.66.97.99.107.117.112", ""},
    {"1.3.6.1.6.3.18.1.2.1.2.110.109.115.66.97.99.107.117.112", "484"},
};

using enum ActionEffect;

const ActionDefinition kActions[] = {
    // name, trigger, start values, condition on the trigger's row, effect, target, values,
    // idle value
    {"FDB Clear All", "1.3.6.1.4.1.99917.12.1.2.11.1", "2", "", kClearSubtree, "1.3.6.1.2.1.17.4.3",
     "", 1},
    // The model keeps no ARP cache, so there is nothing to empty.
    {"ARP Clear All", "1.3.6.1.4.1.99917.12.1.2.12.1", "2", "", kNone, "", "", 1},
    {"Trust Host Delete All", "1.3.6.1.4.1.99917.12.1.2.10.2", "2", "", kClearSubtree,
     "1.3.6.1.4.1.99917.12.1.2.10.1", "", 1},
    // The counters of the model are a fixed picture of traffic; they stay as they are.
    {"Clean All Statistic Counter", "1.3.6.1.4.1.99917.11.63.3.2.1.2.12", "2", "", kNone, "", "",
     1},
    {"Save Configuration", "1.3.6.1.4.1.99917.12.1.2.6", "3,4,5", "", kSetInstance,
     "1.3.6.1.4.1.99917.12.1.1.4.0", "3", 1},
    // A transfer without a server runs into its time-out; any other completes.
    {"File Transfer Without Server", "1.3.6.1.4.1.99917.12.1.2.1.1.8", "3", "3=0.0.0.0",
     kSetInstance, "1.3.6.1.4.1.99917.12.1.1.5.0", "8", 2},
    {"File Transfer", "1.3.6.1.4.1.99917.12.1.2.1.1.8", "3", "", kSetInstance,
     "1.3.6.1.4.1.99917.12.1.1.5.0", "7", 2},
    // A port with a link finds a good cable of 35 m on all four pairs; one without finds none.
    {"Cable Test With Link", "1.3.6.1.4.1.99917.12.58.1.1.1.12", "1", "3=1", kSetRow, "",
     "4=0,5=0,6=0,7=0,8=35,9=35,10=35,11=35", 3},
    {"Cable Test Without Link", "1.3.6.1.4.1.99917.12.58.1.1.1.12", "1", "", kSetRow, "",
     "4=7,5=7,6=7,7=7,8=0,9=0,10=0,11=0", 3},
    {"IP MAC Binding All Ports", "1.3.6.1.4.1.99917.12.23.3.1", "2,3", "", kFillColumn,
     "1.3.6.1.4.1.99917.12.23.3.2.1.2", "", 1},
};

constexpr const char* kPortUtilizationEntry = "1.3.6.1.4.1.99917.12.1.1.8.1";
constexpr const char* kAggregatorEntry = "1.3.6.1.4.1.99917.12.4.1.1.1.1";
constexpr const char* kAggregatorPortListEntry = "1.3.6.1.4.1.99917.12.4.1.1.2.1";
constexpr const char* kAggregationPortEntry = "1.3.6.1.4.1.99917.12.4.1.2.1.1";
constexpr const char* kIpMacBindingPortEntry = "1.3.6.1.4.1.99917.12.23.3.2.1";
constexpr const char* kCableDiagnosticsEntry = "1.3.6.1.4.1.99917.12.58.1.1.1";

// Six link aggregation groups; the first holds ports 5 and 6, which LACP has joined to the two
// bonded ports of a server (00:1B:21:4A:7C:10).
constexpr std::uint32_t kAggregators = 6;
bool Aggregated(std::uint32_t port) {
  return port == 5 || port == 6;
}
constexpr std::int64_t kLacpPriority = 32768;
const std::initializer_list<std::uint8_t> kBridgeAddress = {0x00, 0x1C, 0xF0, 0x59, 0x60, 0x00};
const std::initializer_list<std::uint8_t> kPartnerAddress = {0x00, 0x1B, 0x21, 0x4A, 0x7C, 0x10};
const std::initializer_list<std::uint8_t> kNoAddress = {0, 0, 0, 0, 0, 0};
// LACP state bits, the first bit the most significant: activity, timeout, aggregation,
// synchronisation, collecting, distributing, defaulted, expired.
constexpr std::uint8_t kLacpActiveAggregatable = 0xA0;
constexpr std::uint8_t kLacpInService = 0xBC;  // ... in sync, collecting and distributing
constexpr std::uint8_t kLacpDefaulted = 0xA2;  // ... with no partner heard

void AggregatorRows(RowWriter& row, std::uint32_t aggregator) {
  const Oid index = {aggregator};
  const bool joined = aggregator == 1;
  row.Cell(kAggregatorEntry, 2, index,
           Bytes({0x00, 0x1C, 0xF0, 0x59, 0x61, static_cast<std::uint8_t>(aggregator)}));
  row.Cell(kAggregatorEntry, 3, index, Integer(kLacpPriority));
  row.Cell(kAggregatorEntry, 4, index, Bytes(kBridgeAddress));
  row.Cell(kAggregatorEntry, 5, index, Integer(1));  // true: an aggregate
  row.Cell(kAggregatorEntry, 6, index, Integer(aggregator));
  row.Cell(kAggregatorEntry, 7, index, Integer(aggregator));
  row.Cell(kAggregatorEntry, 8, index, Bytes(joined ? kPartnerAddress : kNoAddress));
  row.Cell(kAggregatorEntry, 9, index, Integer(joined ? kLacpPriority : 0));
  row.Cell(kAggregatorEntry, 10, index, Integer(joined ? 1 : 0));
  row.Cell(kAggregatorEntry, 11, index, Integer(10));
  // Ports 5 and 6 are bits 4 and 5 of the port list's first byte, counted from the top.
  row.Cell(kAggregatorPortListEntry, 1, index,
           Bytes({joined ? std::uint8_t{0x0C} : std::uint8_t{0}, 0, 0, 0}));
}

void AggregationPortRow(RowWriter& row, std::uint32_t port) {
  const Oid index = {port};
  const bool joined = Aggregated(port);
  const std::int64_t key = joined ? 1 : port;
  row.Cell(kAggregationPortEntry, 2, index, Integer(kLacpPriority));
  row.Cell(kAggregationPortEntry, 3, index, Bytes(kBridgeAddress));
  row.Cell(kAggregationPortEntry, 4, index, Integer(key));
  row.Cell(kAggregationPortEntry, 5, index, Integer(key));
  row.Cell(kAggregationPortEntry, 6, index, Integer(0));
  row.Cell(kAggregationPortEntry, 7, index, Integer(joined ? kLacpPriority : 0));
  row.Cell(kAggregationPortEntry, 8, index, Bytes(kNoAddress));
  row.Cell(kAggregationPortEntry, 9, index, Bytes(joined ? kPartnerAddress : kNoAddress));
  row.Cell(kAggregationPortEntry, 10, index, Integer(0));
  row.Cell(kAggregationPortEntry, 11, index, Integer(joined ? 1 : 0));
  row.Cell(kAggregationPortEntry, 12, index, Integer(joined ? 1 : 0));
  row.Cell(kAggregationPortEntry, 13, index, Integer(joined ? 1 : 0));
  row.Cell(kAggregationPortEntry, 14, index, Integer(port));
  row.Cell(kAggregationPortEntry, 15, index, Integer(128));
  row.Cell(kAggregationPortEntry, 16, index, Integer(0));
  row.Cell(kAggregationPortEntry, 17, index, Integer(joined ? port - 4 : 0));
  row.Cell(kAggregationPortEntry, 18, index, Integer(0));
  row.Cell(kAggregationPortEntry, 19, index, Integer(joined ? 128 : 0));
  row.Cell(kAggregationPortEntry, 20, index, Bytes({kLacpActiveAggregatable}));
  row.Cell(kAggregationPortEntry, 21, index, Bytes({joined ? kLacpInService : kLacpDefaulted}));
  row.Cell(kAggregationPortEntry, 22, index, Bytes({0x00}));
  row.Cell(kAggregationPortEntry, 23, index, Bytes({joined ? kLacpInService : std::uint8_t{0}}));
  row.Cell(kAggregationPortEntry, 24, index, Integer(1));  // true
}

void PortRow(RowWriter& row, std::uint32_t port) {
  const Oid index = {port};
  const bool linked = port <= kLinkedPorts;
  const bool uplink = port > kFrontPorts;

  // Frames per second out and in, and the load in percent of a 100 Mbps port.
  row.Cell(kPortUtilizationEntry, 2, index, Integer(linked ? 120 * port + 35 : 0));
  row.Cell(kPortUtilizationEntry, 3, index, Integer(linked ? 150 * port + 12 : 0));
  row.Cell(kPortUtilizationEntry, 4, index, Integer(linked ? port % 5 + 1 : 0));

  // IP-MAC binding is on at the ports the binding table names (1, 2, 16 and 26).
  const bool bound = port == 1 || port == 2 || port == 16 || port == 26;
  row.Cell(kIpMacBindingPortEntry, 2, index, Integer(bound ? 2 : 3));
  row.Cell(kIpMacBindingPortEntry, 3, index, Integer(2));  // zero IP addresses not allowed

  // No cable test has run yet: the pairs read other, the lengths 0.
  row.Cell(kCableDiagnosticsEntry, 2, index, Integer(uplink ? 1 : 0));
  row.Cell(kCableDiagnosticsEntry, 3, index, Integer(linked ? 1 : 0));
  for (std::uint32_t pair = 0; pair < 4; ++pair) {
    row.Cell(kCableDiagnosticsEntry, 4 + pair, index, Integer(8));
    row.Cell(kCableDiagnosticsEntry, 8 + pair, index, Integer(0));
  }
  row.Cell(kCableDiagnosticsEntry, 12, index, Integer(3));

  AggregationPortRow(row, port);
}

}  // namespace

std::span<const char* const> DeviceSubtrees() {
  return kSubtrees;
}
std::span<const TableDefinition> DeviceTables() {
  return kTables;
}
std::span<const ObjectDefinition> DeviceObjects() {
  return kObjects;
}
std::span<const SeedValue> DeviceSeed() {
  return kSeed;
}
std::span<const ActionDefinition> DeviceActions() {
  return kActions;
}

std::vector<std::pair<Oid, Value>> DeviceRows() {
  std::vector<std::pair<Oid, Value>> rows;
  RowWriter row(rows);
  for (std::uint32_t port = 1; port <= kPortCount; ++port) PortRow(row, port);
  for (std::uint32_t aggregator = 1; aggregator <= kAggregators; ++aggregator) {
    AggregatorRows(row, aggregator);
  }
  return rows;
}

std::vector<std::pair<Oid, Value>> ForwardingRows(std::uint32_t count) {
  const Oid address = {1, 3, 6, 1, 2, 1, 17, 4, 3, 1, 1};
  std::vector<std::pair<Oid, Value>> rows;
  rows.reserve(count * 3);
  for (std::uint32_t n = 1; n <= count; ++n) {
    const std::uint32_t mac[6] = {
        0x00, 0x1C, (n >> 24) & 0xFF, (n >> 16) & 0xFF, (n >> 8) & 0xFF, n & 0xFF};
    Oid instance = address;
    instance.insert(instance.end(), std::begin(mac), std::end(mac));
    std::string bytes;
    for (auto byte : mac) bytes.push_back(static_cast<char>(byte));
    const std::size_t column = address.size() - 1;
    rows.emplace_back(instance, Value{bytes});
    instance[column] = 2;
    rows.emplace_back(instance, Value{std::int64_t{1 + (n - 1) % 24}});
    instance[column] = 3;
    rows.emplace_back(instance, Value{std::int64_t{3}});  // learned
  }
  return rows;
}

}  // namespace nx596
