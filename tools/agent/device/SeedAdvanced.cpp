#include "SeedAdvanced.h"

#include "DeviceRules.h"
#include "FrontPanel.h"
#include "SeedRows.h"

#include <algorithm>
#include <optional>
#include <string>

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kNA = Access::kNotAccessible;
constexpr Access kRO = Access::kReadOnly;
constexpr Access kRW = Access::kReadWrite;

const char* const kSubtrees[] = {
    "1.3.6.1.4.1.99917",
};

// Entries of the tables with rows made in code.
constexpr const char* kBandwidthEntry = "1.3.6.1.4.1.99917.11.63.3.2.3.1.1";
constexpr const char* kSchedulingEntry = "1.3.6.1.4.1.99917.11.63.3.2.3.2.1";
constexpr const char* kUserPriorityEntry = "1.3.6.1.4.1.99917.11.63.3.2.3.3.1";
constexpr const char* kDefaultPriorityEntry = "1.3.6.1.4.1.99917.11.63.3.2.3.4.1";
constexpr const char* kTrunkEntry = "1.3.6.1.4.1.99917.11.63.3.2.4.3.1";
constexpr const char* kLacpPortEntry = "1.3.6.1.4.1.99917.11.63.3.2.4.5.1";
constexpr const char* kTrunkVlanEntry = "1.3.6.1.4.1.99917.11.63.3.2.4.6.1";
constexpr const char* kPortInfoEntry = "1.3.6.1.4.1.99917.11.63.3.2.2.1.1";
constexpr const char* kPortErrorEntry = "1.3.6.1.4.1.99917.11.63.3.2.2.3.1";
constexpr const char* kSegmentEntry = "1.3.6.1.4.1.99917.11.63.3.2.12.1.1";
constexpr const char* kPortSecurityEntry = "1.3.6.1.4.1.99917.11.63.3.2.15.1.1";
constexpr const char* kStormEntry = "1.3.6.1.4.1.99917.12.25.3.1.1";
constexpr const char* kLoopPortEntry = "1.3.6.1.4.1.99917.11.63.3.2.18.2.1.1";
constexpr const char* kIgmpAuthEntry = "1.3.6.1.4.1.99917.11.63.3.2.7.7.1";
constexpr const char* kCosPriorityEntry = "1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1";
constexpr const char* kCosPortEntry = "1.3.6.1.4.1.99917.11.63.3.2.17.3.2.1";
constexpr const char* kCosTosEntry = "1.3.6.1.4.1.99917.11.63.3.2.17.3.4.1";
constexpr const char* kCosDscpEntry = "1.3.6.1.4.1.99917.11.63.3.2.17.3.5.1";

// Objects the rules watch or keep in step.
constexpr const char* kTrunkMaster = "1.3.6.1.4.1.99917.11.63.3.2.4.3.1.2";
constexpr const char* kTrunkPorts = "1.3.6.1.4.1.99917.11.63.3.2.4.3.1.3";
constexpr const char* kTrunkActive = "1.3.6.1.4.1.99917.11.63.3.2.4.3.1.5";
constexpr const char* kTrunkState = "1.3.6.1.4.1.99917.11.63.3.2.4.3.1.6";
constexpr const char* kTrunkFlooding = "1.3.6.1.4.1.99917.11.63.3.2.4.3.1.7";
constexpr const char* kMirrorRx = "1.3.6.1.4.1.99917.11.63.3.2.6.2";
constexpr const char* kMirrorTx = "1.3.6.1.4.1.99917.11.63.3.2.6.3";
constexpr const char* kMirrorTarget = "1.3.6.1.4.1.99917.11.63.3.2.6.4";
constexpr const char* kSegmentPorts = "1.3.6.1.4.1.99917.11.63.3.2.12.1.1.2";
constexpr const char* kPortAdminState = "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2";
constexpr const char* kPortLinkStatus = "1.3.6.1.4.1.99917.11.63.3.2.2.1.1.4";
constexpr const char* kPortErrorState = "1.3.6.1.4.1.99917.11.63.3.2.2.3.1.2";
constexpr const char* kIfAdminStatus = "1.3.6.1.2.1.2.2.1.7";
constexpr const char* kIfOperStatus = "1.3.6.1.2.1.2.2.1.8";
constexpr const char* kVlanRowStatus = "1.3.6.1.2.1.17.7.1.4.3.1.5";
constexpr const char* kIgmpCtrlEntry = "1.3.6.1.4.1.99917.11.63.3.2.7.3.1";
constexpr const char* kIgmpQueryEntry = "1.3.6.1.4.1.99917.11.63.3.2.7.4.1";
constexpr const char* kIgmpGroupEntry = "1.3.6.1.4.1.99917.11.63.3.2.7.5.1";

// A trunk group holds at most this many ports; the switch has six groups.
constexpr std::uint32_t kTrunkGroups = 6;
constexpr std::uint32_t kTrunkMembers = 8;

const TableDefinition kTables[] = {
    // name, entry, index, RowStatus column, required columns
    {"QoS Bandwidth Control Table", kBandwidthEntry, {IndexPart::kInteger}, 0},
    {"QoS Scheduling Table", kSchedulingEntry, {IndexPart::kInteger}, 0},
    {"QoS 802.1p User Priority Table", kUserPriorityEntry, {IndexPart::kInteger}, 0},
    {"QoS 802.1p Default Priority Table", kDefaultPriorityEntry, {IndexPart::kInteger}, 0},
    // A trunk group is nothing without its ports and the port that leads them.
    {"Port Trunk Table", kTrunkEntry, {IndexPart::kInteger}, 6, {2, 3}},
    {"Trunk LACP Port Table", kLacpPortEntry, {IndexPart::kInteger}, 0},
    {"Trunk VLAN Table", kTrunkVlanEntry, {IndexPart::kInteger}, 0},
    {"Port Information Table", kPortInfoEntry, {IndexPart::kInteger}, 0},
    {"Port Error Table", kPortErrorEntry, {IndexPart::kInteger}, 0},
    {"Traffic Segment Table", kSegmentEntry, {IndexPart::kInteger}, 0},
    {"Port Security Table", kPortSecurityEntry, {IndexPart::kInteger}, 0},
    {"Packet Storm Control Table", kStormEntry, {IndexPart::kInteger}, 0},
    {"Loop Detection Port Table", kLoopPortEntry, {IndexPart::kInteger}, 0},
    {"IGMP Control Table", kIgmpCtrlEntry, {IndexPart::kInteger}, 0},
    {"IGMP Query Information Table", kIgmpQueryEntry, {IndexPart::kInteger}, 0},
    {"IGMP Group Table", kIgmpGroupEntry, {IndexPart::kInteger, IndexPart::kIpAddress}, 0},
    {"IGMP Access Authentication Table", kIgmpAuthEntry, {IndexPart::kInteger}, 0},
    {"CoS Priority Table", kCosPriorityEntry, {IndexPart::kInteger}, 0},
    {"CoS Port Priority Table", kCosPortEntry, {IndexPart::kInteger}, 0},
    {"CoS MAC-Based Priority Table",
     "1.3.6.1.4.1.99917.11.63.3.2.17.3.3.1",
     {IndexPart::kMacAddress},
     0},
    {"CoS ToS Priority Table", kCosTosEntry, {IndexPart::kInteger}, 0},
    {"CoS DSCP Priority Table", kCosDscpEntry, {IndexPart::kInteger}, 0},
    {"DHCP Relay Option 60 Default Table",
     "1.3.6.1.4.1.99917.12.42.3.3.3.1",
     {IndexPart::kIpAddress},
     2},
    {"DHCP Relay Option 61 Table",
     "1.3.6.1.4.1.99917.12.42.3.4.4.1",
     {IndexPart::kInteger, IndexPart::kString},
     5},
};

// Port lists cover the 26 ports in four octets. Rates are in Mbit/s, thresholds in packets per
// second, times in seconds; traffic classes are the four egress queues 0 to 3.
const ObjectDefinition kObjects[] = {
    // name, OID, syntax, access, limits, initial value of a created row

    // QoS.
    {"QoS Mechanism Control", "1.3.6.1.4.1.99917.11.63.3.2.3.5", kInteger, kRW, "1..3", ""},
    {"Bandwidth Port Index", "1.3.6.1.4.1.99917.11.63.3.2.3.1.1.1", kInteger, kNA, "", ""},
    {"Bandwidth RX Rate", "1.3.6.1.4.1.99917.11.63.3.2.3.1.1.2", kInteger, kRW, "1..1000", ""},
    {"Bandwidth TX Rate", "1.3.6.1.4.1.99917.11.63.3.2.3.1.1.3", kInteger, kRW, "1..1000", ""},
    // What a RADIUS server assigned to the port's client; 0 when it assigned nothing.
    {"Bandwidth RADIUS RX Rate", "1.3.6.1.4.1.99917.11.63.3.2.3.1.1.4", kInteger, kRO, "0..1000",
     ""},
    {"Bandwidth RADIUS TX Rate", "1.3.6.1.4.1.99917.11.63.3.2.3.1.1.5", kInteger, kRO, "0..1000",
     ""},
    {"Scheduling Class Index", "1.3.6.1.4.1.99917.11.63.3.2.3.2.1.1", kInteger, kNA, "", ""},
    {"Scheduling Max Weight", "1.3.6.1.4.1.99917.11.63.3.2.3.2.1.4", kInteger, kRW, "1..255", ""},
    {"User Priority Index", "1.3.6.1.4.1.99917.11.63.3.2.3.3.1.1", kInteger, kNA, "", ""},
    {"User Priority Class", "1.3.6.1.4.1.99917.11.63.3.2.3.3.1.2", kInteger, kRW, "0..3", ""},
    {"Default Priority Port Index", "1.3.6.1.4.1.99917.11.63.3.2.3.4.1.1", kInteger, kNA, "", ""},
    {"Default Priority", "1.3.6.1.4.1.99917.11.63.3.2.3.4.1.2", kInteger, kRW, "0..7", ""},
    {"Default RADIUS Priority", "1.3.6.1.4.1.99917.11.63.3.2.3.4.1.3", kInteger, kRO, "0..7", ""},

    // Trunking.
    {"Trunk Max Entries", "1.3.6.1.4.1.99917.11.63.3.2.4.1", kInteger, kRO, "", ""},
    {"Trunk Max Port Members", "1.3.6.1.4.1.99917.11.63.3.2.4.2", kInteger, kRO, "", ""},
    {"Trunk Algorithm", "1.3.6.1.4.1.99917.11.63.3.2.4.4", kInteger, kRW, "2..4", ""},
    {"Trunk Index", "1.3.6.1.4.1.99917.11.63.3.2.4.3.1.1", kInteger, kNA, "", ""},
    {"Trunk Master Port", kTrunkMaster, kInteger, kRW, "1..26", ""},
    {"Trunk Port List", kTrunkPorts, kOctetString, kRW, "1..4", ""},
    {"Trunk Type", "1.3.6.1.4.1.99917.11.63.3.2.4.3.1.4", kInteger, kRW, "1,2", "1"},
    // The members with a link, and the one that floods unknown frames; the device derives both.
    {"Trunk Active Ports", kTrunkActive, kOctetString, kRO, "0..4", ""},
    {"Trunk State", kTrunkState, kInteger, kRW, "1,4,6", ""},
    {"Trunk Flooding Port", kTrunkFlooding, kInteger, kRO, "0..26", ""},
    {"Trunk LACP Port Index", "1.3.6.1.4.1.99917.11.63.3.2.4.5.1.1", kInteger, kNA, "", ""},
    {"Trunk LACP Port State", "1.3.6.1.4.1.99917.11.63.3.2.4.5.1.2", kInteger, kRW, "1,2", ""},
    {"Trunk VLAN Port", "1.3.6.1.4.1.99917.11.63.3.2.4.6.1.1", kInteger, kNA, "", ""},
    {"Trunk VLAN State", "1.3.6.1.4.1.99917.11.63.3.2.4.6.1.2", kInteger, kRW, "1,2", ""},

    // Port mirroring.
    {"Port Mirror RX Port List", kMirrorRx, kOctetString, kRW, "0..4", ""},
    {"Port Mirror TX Port List", kMirrorTx, kOctetString, kRW, "0..4", ""},
    {"Port Mirror Target Port", kMirrorTarget, kInteger, kRW, "1..26", ""},
    {"Port Mirror State", "1.3.6.1.4.1.99917.11.63.3.2.6.5", kInteger, kRW, "2,3", ""},

    // Port information and errors, per port.
    {"Port Information Index", "1.3.6.1.4.1.99917.11.63.3.2.2.1.1.1", kInteger, kNA, "", ""},
    {"Port Link Status", kPortLinkStatus, kInteger, kRO, "2,3", ""},
    {"Port Nway Status", "1.3.6.1.4.1.99917.11.63.3.2.2.1.1.5", kInteger, kRO, "1..13", ""},
    {"Port Error Port Index", "1.3.6.1.4.1.99917.11.63.3.2.2.3.1.1", kInteger, kNA, "", ""},
    {"Port Error Port State", kPortErrorState, kInteger, kRO, "1,2", ""},
    {"Port Error Port Status", "1.3.6.1.4.1.99917.11.63.3.2.2.3.1.3", kInteger, kRO, "1,2", ""},
    {"Port Error Port Reason", "1.3.6.1.4.1.99917.11.63.3.2.2.3.1.4", kInteger, kRO, "1,2", ""},
    {"Port Error Description", "1.3.6.1.4.1.99917.11.63.3.2.2.3.1.5", kDisplayString, kRO, "", ""},

    // Traffic segmentation: the ports a port may forward to.
    {"Traffic Segment Port", "1.3.6.1.4.1.99917.11.63.3.2.12.1.1.1", kInteger, kNA, "", ""},
    {"Traffic Segment Forward Ports", kSegmentPorts, kOctetString, kRW, "0..4", ""},

    // Port security (port lock): how many addresses a port learns and keeps.
    {"Port Security Port Index", "1.3.6.1.4.1.99917.11.63.3.2.15.1.1.1", kInteger, kNA, "", ""},
    {"Port Security Max Learning Address", "1.3.6.1.4.1.99917.11.63.3.2.15.1.1.2", kInteger, kRW,
     "0..64", ""},
    {"Port Security Mode", "1.3.6.1.4.1.99917.11.63.3.2.15.1.1.3", kInteger, kRW, "2..4", ""},
    {"Port Security Admin State", "1.3.6.1.4.1.99917.11.63.3.2.15.1.1.4", kInteger, kRW, "2,3", ""},

    // Packet storm control.
    {"Storm Trap Control", "1.3.6.1.4.1.99917.12.25.1.2", kInteger, kRW, "1..4", ""},
    {"Storm Port Index", "1.3.6.1.4.1.99917.12.25.3.1.1.1", kInteger, kNA, "", ""},
    {"Storm Threshold", "1.3.6.1.4.1.99917.12.25.3.1.1.2", kInteger, kRW, "1..255000", ""},
    {"Storm Broadcast Status", "1.3.6.1.4.1.99917.12.25.3.1.1.3", kInteger, kRW, "1,2", ""},
    {"Storm Multicast Status", "1.3.6.1.4.1.99917.12.25.3.1.1.4", kInteger, kRW, "1,2", ""},
    {"Storm Unicast Status", "1.3.6.1.4.1.99917.12.25.3.1.1.5", kInteger, kRW, "1,2", ""},
    {"Storm Action Status", "1.3.6.1.4.1.99917.12.25.3.1.1.6", kInteger, kRW, "1,2", ""},
    // Minutes a shut port waits before it may stay down for good; 0: never.
    {"Storm Count Down", "1.3.6.1.4.1.99917.12.25.3.1.1.7", kInteger, kRW, "0,3..30", ""},
    {"Storm Time Interval", "1.3.6.1.4.1.99917.12.25.3.1.1.8", kInteger, kRW, "5..30", ""},
    {"Storm Shutdown Forever", "1.3.6.1.4.1.99917.12.25.3.1.1.9", kInteger, kRO, "1,2", ""},

    // Loop detection.
    {"Loop Detection Admin State", "1.3.6.1.4.1.99917.11.63.3.2.18.1.1", kInteger, kRW, "1,2", ""},
    {"Loop Detection Interval", "1.3.6.1.4.1.99917.11.63.3.2.18.1.2", kInteger, kRW, "1..32767",
     ""},
    {"Loop Detection Recover Time", "1.3.6.1.4.1.99917.11.63.3.2.18.1.3", kInteger, kRW,
     "0,60..1000000", ""},
    {"Loop Detection Port Index", "1.3.6.1.4.1.99917.11.63.3.2.18.2.1.1.1", kInteger, kNA, "", ""},
    {"Loop Detection Port State", "1.3.6.1.4.1.99917.11.63.3.2.18.2.1.1.2", kInteger, kRW, "1,2",
     ""},
    {"Loop Detection Port Loop Status", "1.3.6.1.4.1.99917.11.63.3.2.18.2.1.1.4", kInteger, kRO,
     "1..3", ""},

    // IGMP snooping, per VLAN of the 802.1Q VLANs.
    {"IGMP Max Supported VLANs", "1.3.6.1.4.1.99917.11.63.3.2.7.1", kInteger, kRO, "", ""},
    {"IGMP Max IP Group Num Per VLAN", "1.3.6.1.4.1.99917.11.63.3.2.7.2", kInteger, kRO, "", ""},
    {"IGMP Ctrl VID", "1.3.6.1.4.1.99917.11.63.3.2.7.3.1.1", kInteger, kNA, "", ""},
    {"IGMP Ctrl Query Interval", "1.3.6.1.4.1.99917.11.63.3.2.7.3.1.2", kInteger, kRW, "1..65535",
     ""},
    {"IGMP Ctrl Max Response Time", "1.3.6.1.4.1.99917.11.63.3.2.7.3.1.3", kInteger, kRW, "1..25",
     ""},
    {"IGMP Ctrl Robustness", "1.3.6.1.4.1.99917.11.63.3.2.7.3.1.4", kInteger, kRW, "1..255", ""},
    {"IGMP Ctrl Last Member Query Interval", "1.3.6.1.4.1.99917.11.63.3.2.7.3.1.5", kInteger, kRW,
     "1..25", ""},
    {"IGMP Ctrl Host Timeout", "1.3.6.1.4.1.99917.11.63.3.2.7.3.1.6", kInteger, kRW, "1..16711450",
     ""},
    {"IGMP Ctrl Route Timeout", "1.3.6.1.4.1.99917.11.63.3.2.7.3.1.7", kInteger, kRW, "1..16711450",
     ""},
    {"IGMP Ctrl Leave Timer", "1.3.6.1.4.1.99917.11.63.3.2.7.3.1.8", kInteger, kRW, "0..16711450",
     ""},
    // 1 (other) is what the device reports, never what it takes.
    {"IGMP Ctrl Query State", "1.3.6.1.4.1.99917.11.63.3.2.7.3.1.9", kInteger, kRW, "2,3", ""},
    {"IGMP Ctrl Current State", "1.3.6.1.4.1.99917.11.63.3.2.7.3.1.10", kInteger, kRO, "1..3", ""},
    {"IGMP Ctrl State", "1.3.6.1.4.1.99917.11.63.3.2.7.3.1.11", kInteger, kRW, "2,3", ""},
    {"IGMP Ctrl Fast Leave", "1.3.6.1.4.1.99917.11.63.3.2.7.3.1.12", kInteger, kRW, "2,3", ""},
    {"IGMP Query VID", "1.3.6.1.4.1.99917.11.63.3.2.7.4.1.1", kInteger, kNA, "", ""},
    {"IGMP Query Count", "1.3.6.1.4.1.99917.11.63.3.2.7.4.1.2", kInteger, kRO, "", ""},
    {"IGMP TX Query Count", "1.3.6.1.4.1.99917.11.63.3.2.7.4.1.3", kInteger, kRO, "", ""},
    {"IGMP Group VID", "1.3.6.1.4.1.99917.11.63.3.2.7.5.1.1", kInteger, kNA, "", ""},
    {"IGMP Group IP Address", "1.3.6.1.4.1.99917.11.63.3.2.7.5.1.2", kIpAddress, kNA, "", ""},
    {"IGMP Group MAC Address", "1.3.6.1.4.1.99917.11.63.3.2.7.5.1.3", kMacAddress, kRO, "", ""},
    {"IGMP Group Port Map", "1.3.6.1.4.1.99917.11.63.3.2.7.5.1.4", kOctetString, kRO, "4", ""},
    {"IGMP Group Report Count", "1.3.6.1.4.1.99917.11.63.3.2.7.5.1.5", kInteger, kRO, "", ""},
    {"IGMP Access Authentication Port", "1.3.6.1.4.1.99917.11.63.3.2.7.7.1.1", kInteger, kNA, "",
     ""},
    {"IGMP Access Authentication State", "1.3.6.1.4.1.99917.11.63.3.2.7.7.1.2", kInteger, kRW,
     "2,3", ""},

    // CoS: which priority a port's frames get, and the class of each priority.
    {"CoS Priority Port", "1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.1", kInteger, kNA, "", ""},
    {"CoS Priority Port PRI", "1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.2", kInteger, kRW, "2,3", ""},
    {"CoS Priority Ether PRI", "1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.3", kInteger, kRW, "1..3", ""},
    {"CoS Priority IP PRI", "1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.4", kInteger, kRW, "1..3", ""},
    {"CoS Priority None", "1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.5", kInteger, kRW, "1,2", ""},
    {"CoS Port PRI Index", "1.3.6.1.4.1.99917.11.63.3.2.17.3.2.1.1", kInteger, kNA, "", ""},
    {"CoS Port PRI Class", "1.3.6.1.4.1.99917.11.63.3.2.17.3.2.1.2", kInteger, kRW, "0..3", ""},
    {"CoS MAC-Based PRI Index", "1.3.6.1.4.1.99917.11.63.3.2.17.3.3.1.1", kMacAddress, kNA, "", ""},
    {"CoS MAC-Based PRI Class", "1.3.6.1.4.1.99917.11.63.3.2.17.3.3.1.2", kInteger, kRW, "0..3",
     ""},
    {"CoS ToS PRI Index", "1.3.6.1.4.1.99917.11.63.3.2.17.3.4.1.1", kInteger, kNA, "", ""},
    {"CoS ToS PRI Class", "1.3.6.1.4.1.99917.11.63.3.2.17.3.4.1.2", kInteger, kRW, "0..3", ""},
    {"CoS DSCP PRI Index", "1.3.6.1.4.1.99917.11.63.3.2.17.3.5.1.1", kInteger, kNA, "", ""},
    {"CoS DSCP PRI Class", "1.3.6.1.4.1.99917.11.63.3.2.17.3.5.1.2", kInteger, kRW, "0..3", ""},

    // DHCP relay and its options (the option 60 table is the device's own, DeviceSeed.cpp).
    {"DHCP Relay State", "1.3.6.1.4.1.99917.12.42.1.1", kInteger, kRW, "1,2", ""},
    {"DHCP Relay Hop Count", "1.3.6.1.4.1.99917.12.42.1.2", kInteger, kRW, "1..16", ""},
    {"DHCP Relay Time Threshold", "1.3.6.1.4.1.99917.12.42.1.3", kInteger, kRW, "0..65535", ""},
    {"DHCP Relay Option 82 State", "1.3.6.1.4.1.99917.12.42.3.2.1", kInteger, kRW, "1,2", ""},
    {"DHCP Relay Option 82 Check State", "1.3.6.1.4.1.99917.12.42.3.2.2", kInteger, kRW, "1,2", ""},
    {"DHCP Relay Option 82 Policy", "1.3.6.1.4.1.99917.12.42.3.2.3", kInteger, kRW, "1..3", ""},
    {"DHCP Relay Option 60 State", "1.3.6.1.4.1.99917.12.42.3.3.1", kInteger, kRW, "1,2", ""},
    {"DHCP Relay Option 60 Default Mode", "1.3.6.1.4.1.99917.12.42.3.3.2", kInteger, kRW, "1,2",
     ""},
    {"DHCP Relay Option 60 Default Reply IP", "1.3.6.1.4.1.99917.12.42.3.3.3.1.1", kIpAddress, kNA,
     "", ""},
    {"DHCP Relay Option 60 Default Row Status", "1.3.6.1.4.1.99917.12.42.3.3.3.1.2", kInteger, kRW,
     "", ""},
    {"DHCP Relay Option 61 State", "1.3.6.1.4.1.99917.12.42.3.4.1", kInteger, kRW, "1,2", ""},
    {"DHCP Relay Option 61 Default Mode", "1.3.6.1.4.1.99917.12.42.3.4.2", kInteger, kRW, "1,2",
     ""},
    {"DHCP Relay Option 61 Default Reply IP", "1.3.6.1.4.1.99917.12.42.3.4.3", kIpAddress, kRW, "",
     ""},
    {"DHCP Relay Option 61 Client Type", "1.3.6.1.4.1.99917.12.42.3.4.4.1.1", kInteger, kNA, "",
     ""},
    {"DHCP Relay Option 61 Client ID", "1.3.6.1.4.1.99917.12.42.3.4.4.1.2", kDisplayString, kNA,
     "1..64", ""},
    {"DHCP Relay Option 61 Mode", "1.3.6.1.4.1.99917.12.42.3.4.4.1.3", kInteger, kRW, "1,2", "1"},
    {"DHCP Relay Option 61 Reply IP", "1.3.6.1.4.1.99917.12.42.3.4.4.1.4", kIpAddress, kRW, "", ""},
    {"DHCP Relay Option 61 Row Status", "1.3.6.1.4.1.99917.12.42.3.4.4.1.5", kInteger, kRW, "", ""},
};

const SeedValue kSeed[] = {
    // instance, value (in the text form of the object's syntax)

    {"1.3.6.1.4.1.99917.11.63.3.2.3.5.0", "2"},  // weighted fair queueing

    // Six trunk groups of up to eight ports; the first is the LACP group of ports 5 and 6 that
    // the link aggregation tables show. Its active ports and flooding port are derived.
    {"1.3.6.1.4.1.99917.11.63.3.2.4.1.0", "6"},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.2.0", "8"},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.4.0", "4"},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.2.1", "5"},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.3.1", "0C 00 00 00"},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.4.1", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.6.1", "1"},

    // Port 24 receives a copy of what port 1 receives and sends, once mirroring is on.
    {"1.3.6.1.4.1.99917.11.63.3.2.6.2.0", "80 00 00 00"},
    {"1.3.6.1.4.1.99917.11.63.3.2.6.3.0", "80 00 00 00"},
    {"1.3.6.1.4.1.99917.11.63.3.2.6.4.0", "24"},
    {"1.3.6.1.4.1.99917.11.63.3.2.6.5.0", "2"},

    {"1.3.6.1.4.1.99917.12.25.1.2.0", "4"},
    {"1.3.6.1.4.1.99917.11.63.3.2.18.1.1.0", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.18.1.2.0", "10"},
    {"1.3.6.1.4.1.99917.11.63.3.2.18.1.3.0", "60"},

    // IGMP snooping on the VLANs 1 "default" and 20 "lab"; the switch is the querier of VLAN 1
    // and has heard another in VLAN 20. VLAN 30 "guest" has the defaults of a new VLAN (rules).
    {"1.3.6.1.4.1.99917.11.63.3.2.7.1.0", "64"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.2.0", "256"},
    // VLAN 1
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.2.1", "125"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.3.1", "10"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.4.1", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.5.1", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.6.1", "260"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.7.1", "260"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.8.1", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.9.1", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.10.1", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.11.1", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.12.1", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.4.1.2.1", "0"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.4.1.3.1", "214"},
    // VLAN 20
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.2.20", "125"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.3.20", "10"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.4.20", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.5.20", "1"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.6.20", "260"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.7.20", "260"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.8.20", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.9.20", "2"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.10.20", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.11.20", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.12.20", "3"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.4.1.2.20", "57"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.4.1.3.20", "0"},

    // Groups learned, indexed by VLAN and group address, on member ports of their VLAN.
    // VLAN 1, 239.1.1.1 on ports 3 and 7
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.3.1.239.1.1.1", "01:00:5E:01:01:01"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.4.1.239.1.1.1", "22 00 00 00"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.5.1.239.1.1.1", "36"},
    // VLAN 1, 239.255.255.250 on port 2
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.3.1.239.255.255.250", "01:00:5E:7F:FF:FA"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.4.1.239.255.255.250", "40 00 00 00"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.5.1.239.255.255.250", "112"},
    // VLAN 20, 239.20.0.5 on port 5
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.3.20.239.20.0.5", "01:00:5E:14:00:05"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.4.20.239.20.0.5", "08 00 00 00"},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.5.20.239.20.0.5", "9"},

    // CoS by source address, indexed by the address
    // 00:1C:F0:10:20:01, the VoIP gateway bound to 10.0.0.1: the highest class
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.3.1.2.0.28.240.16.32.1", "3"},
    // 00:0E:A6:5B:1C:90
    {"1.3.6.1.4.1.99917.11.63.3.2.17.3.3.1.2.0.14.166.91.28.144", "2"},

    // The relay forwards to the servers of its control table.
    {"1.3.6.1.4.1.99917.12.42.1.1.0", "1"},
    {"1.3.6.1.4.1.99917.12.42.1.2.0", "4"},
    {"1.3.6.1.4.1.99917.12.42.1.3.0", "0"},
    {"1.3.6.1.4.1.99917.12.42.3.2.1.0", "2"},
    {"1.3.6.1.4.1.99917.12.42.3.2.2.0", "2"},
    {"1.3.6.1.4.1.99917.12.42.3.2.3.0", "1"},
    {"1.3.6.1.4.1.99917.12.42.3.3.1.0", "1"},
    {"1.3.6.1.4.1.99917.12.42.3.3.2.0", "1"},
    // Option 60 default servers, indexed by address: 10.1.1.9
    {"1.3.6.1.4.1.99917.12.42.3.3.3.1.2.10.1.1.9", "1"},
    {"1.3.6.1.4.1.99917.12.42.3.4.1.0", "2"},
    {"1.3.6.1.4.1.99917.12.42.3.4.2.0", "1"},
    {"1.3.6.1.4.1.99917.12.42.3.4.3.0", "10.1.1.9"},
    // Option 61 clients, indexed by client type and ID (length first)
    // mac, "00-1C-F0-10-20-01": relayed to 10.1.1.5
    {"1.3.6.1.4.1.99917.12.42.3.4.4.1.3.1.17.48.48.45.49.67.45.70.48.45.49.48.45.50.48.45.48.49",
     "1"},
    {"1.3.6.1.4.1.99917.12.42.3.4.4.1.4.1.17.48.48.45.49.67.45.70.48.45.49.48.45.50.48.45.48.49",
     "10.1.1.5"},
    {"1.3.6.1.4.1.99917.12.42.3.4.4.1.5.1.17.48.48.45.49.67.45.70.48.45.49.48.45.50.48.45.48.49",
     "1"},
    // string, "lab-printer": dropped
    {"1.3.6.1.4.1.99917.12.42.3.4.4.1.3.2.11.108.97.98.45.112.114.105.110.116.101.114", "2"},
    {"1.3.6.1.4.1.99917.12.42.3.4.4.1.4.2.11.108.97.98.45.112.114.105.110.116.101.114", "0.0.0.0"},
    {"1.3.6.1.4.1.99917.12.42.3.4.4.1.5.2.11.108.97.98.45.112.114.105.110.116.101.114", "1"},
};

// Port n is bit n - 1 of a port list, the most significant bit of the first octet first.
bool HasPort(const std::string& list, std::uint32_t port) {
  const std::size_t bit = port - 1;
  return bit / 8 < list.size() &&
         (static_cast<std::uint8_t>(list[bit / 8]) & (0x80u >> (bit % 8))) != 0;
}

std::vector<std::uint32_t> PortsOf(const std::string& list) {
  std::vector<std::uint32_t> ports;
  for (std::uint32_t port = 1; port <= list.size() * 8; ++port)
    if (HasPort(list, port)) ports.push_back(port);
  return ports;
}

std::string ListOf(const std::vector<std::uint32_t>& ports) {
  std::string list(4, '\0');
  for (std::uint32_t port : ports)
    list[(port - 1) / 8] = static_cast<char>(list[(port - 1) / 8] | (0x80u >> ((port - 1) % 8)));
  return list;
}

Oid At(const char* object, const Oid& index) {
  Oid instance = *ParseOid(object);
  instance.insert(instance.end(), index.begin(), index.end());
  return instance;
}

std::optional<std::int64_t> NumberIn(const std::optional<Value>& value) {
  const auto* number = value ? std::get_if<std::int64_t>(&*value) : nullptr;
  return number ? std::optional<std::int64_t>(*number) : std::nullopt;
}

std::string BytesIn(const std::optional<Value>& value) {
  const auto* bytes = value ? std::get_if<std::string>(&*value) : nullptr;
  return bytes ? *bytes : std::string();
}

std::optional<Value> Current(const DeviceModel& model, const Oid& instance) {
  const auto [found, cell] = model.Get(instance);
  return found == DeviceModel::Lookup::kFound ? std::optional<Value>(cell->value) : std::nullopt;
}

// The first varbind that writes one of `objects` at `index`, or the request's last.
std::size_t Blame(std::span<const SetVarbind> varbinds, std::initializer_list<const char*> objects,
                  const Oid& index) {
  for (const char* object : objects)
    for (std::size_t i = 0; i < varbinds.size(); ++i)
      if (varbinds[i].name == At(object, index)) return i;
  return varbinds.empty() ? 0 : varbinds.size() - 1;
}

// A port is up when it is enabled in its control row and has a link partner (ports 1 to 8). A
// disabled port drops its link: the front-panel LED goes dark and the interface table, the port
// information and the port error tables say so.
class PortLinkRule : public ModelRule {
 public:
  void Settle(DeviceModel& model, std::span<const SetVarbind>, SetUndo& undo) const override {
    const Oid leds = At(kFrontPanelLedStatus, {0});
    std::string panel = BytesIn(Current(model, leds));
    for (std::uint32_t port = 1; port <= kPortCount; ++port) {
      const bool enabled = NumberIn(Current(model, At(kPortAdminState, {port}))) == 3;
      const bool up = enabled && port <= kLinkedPorts;
      model.WriteNumber(At(kIfAdminStatus, {port}), enabled ? 1 : 2, undo);
      model.WriteNumber(At(kIfOperStatus, {port}), up ? 1 : 2, undo);
      model.WriteNumber(At(kPortLinkStatus, {port}), up ? 2 : 3, undo);  // link-pass, link-fail
      model.WriteNumber(At(kPortErrorState, {port}), enabled ? 2 : 1, undo);
      const std::size_t led = 2 * port;  // the link LED of a front port
      if (port > kFrontPorts || led >= panel.size()) continue;
      // A port that comes up shows steady green until traffic makes it blink.
      if (!up) panel[led] = 0x00;
      if (up && panel[led] == 0x00) panel[led] = 0x02;
    }
    if (!panel.empty()) model.Write(leds, Value{panel}, undo);
  }
};

// Trunk groups: no more members than the device allows, the master port among them, and no
// port in two groups. The active ports are the members that are up; the master floods unknown
// frames while it is active, else the first active member.
class TrunkGroupRule : public ModelRule {
 public:
  SetCheck Check(const DeviceModel& model, std::span<const SetVarbind> varbinds) const override {
    const Oid portsColumn = *ParseOid(kTrunkPorts);
    const std::vector<Oid> groups = model.IndexesAfter(portsColumn, varbinds);
    for (const Oid& group : groups) {
      if (!Touched(varbinds, group)) continue;
      const std::string ports = BytesIn(model.After(At(kTrunkPorts, group), varbinds));
      const std::vector<std::uint32_t> members = PortsOf(ports);
      if (members.size() > kTrunkMembers)
        return {SetError::kWrongValue, Blame(varbinds, {kTrunkPorts}, group)};
      const auto master = NumberIn(model.After(At(kTrunkMaster, group), varbinds));
      if (master && !std::ranges::count(members, static_cast<std::uint32_t>(*master)))
        return {SetError::kInconsistentValue,
                Blame(varbinds, {kTrunkMaster, kTrunkPorts, kTrunkState}, group)};
      for (const Oid& other : groups) {
        if (other == group) continue;
        const std::string theirs = BytesIn(model.After(At(kTrunkPorts, other), varbinds));
        for (std::uint32_t port : members)
          if (HasPort(theirs, port))
            return {SetError::kInconsistentValue,
                    Blame(varbinds, {kTrunkPorts, kTrunkState}, group)};
      }
    }
    return {};
  }

  void Settle(DeviceModel& model, std::span<const SetVarbind>, SetUndo& undo) const override {
    for (const Oid& group : model.Indexes(*ParseOid(kTrunkPorts))) {
      std::vector<std::uint32_t> active;
      for (std::uint32_t port : PortsOf(BytesIn(Current(model, At(kTrunkPorts, group)))))
        if (NumberIn(Current(model, At(kIfOperStatus, {port}))) == 1) active.push_back(port);
      const auto master = NumberIn(Current(model, At(kTrunkMaster, group)));
      std::int64_t flooding = active.empty() ? 0 : active.front();
      if (master && std::ranges::count(active, static_cast<std::uint32_t>(*master)))
        flooding = *master;
      model.Write(At(kTrunkActive, group), Value{ListOf(active)}, undo);
      model.WriteNumber(At(kTrunkFlooding, group), flooding, undo);
    }
  }

 private:
  static bool Touched(std::span<const SetVarbind> varbinds, const Oid& group) {
    const Oid entry = *ParseOid(kTrunkEntry);
    return std::ranges::any_of(varbinds, [&](const SetVarbind& varbind) {
      return varbind.name.size() == entry.size() + 1 + group.size() &&
             StartsWith(varbind.name, entry) &&
             std::equal(group.begin(), group.end(), varbind.name.end() - std::ssize(group));
    });
  }
};

// The mirror's target port receives the copies; it cannot be one of the ports it watches.
class MirrorTargetRule : public ModelRule {
 public:
  SetCheck Check(const DeviceModel& model, std::span<const SetVarbind> varbinds) const override {
    const Oid scalar = {0};
    const bool touched = std::ranges::any_of(varbinds, [&](const SetVarbind& varbind) {
      return varbind.name == At(kMirrorRx, scalar) || varbind.name == At(kMirrorTx, scalar) ||
             varbind.name == At(kMirrorTarget, scalar);
    });
    if (!touched) return {};
    const auto target = NumberIn(model.After(At(kMirrorTarget, scalar), varbinds));
    if (!target || *target < 1) return {};
    const auto port = static_cast<std::uint32_t>(*target);
    if (HasPort(BytesIn(model.After(At(kMirrorRx, scalar), varbinds)), port) ||
        HasPort(BytesIn(model.After(At(kMirrorTx, scalar), varbinds)), port))
      return {SetError::kInconsistentValue,
              Blame(varbinds, {kMirrorTarget, kMirrorRx, kMirrorTx}, scalar)};
    return {};
  }
};

Oid Column(const char* entry, std::uint32_t column, const Oid& index = {}) {
  Oid suffix = {column};
  suffix.insert(suffix.end(), index.begin(), index.end());
  return At(entry, suffix);
}

// IGMP snooping keeps a control row and query counters for every VLAN of the 802.1Q VLAN table:
// a new VLAN starts with the device's defaults (snooping off), and a VLAN that goes takes its
// rows and the groups snooped in it along.
class IgmpVlanRule : public ModelRule {
 public:
  void Settle(DeviceModel& model, std::span<const SetVarbind>, SetUndo& undo) const override {
    // Query interval 125 s, response 10 s, robustness 2, last member query 1 s, host and router
    // time-outs 260 s, leave timer 2 s; querier off, state other, snooping and fast leave off.
    static constexpr std::pair<std::uint32_t, std::int64_t> kDefaults[] = {
        {2, 125}, {3, 10}, {4, 2},  {5, 1},  {6, 260}, {7, 260},
        {8, 2},   {9, 2},  {10, 1}, {11, 2}, {12, 2}};
    const std::vector<Oid> vlans = model.Indexes(*ParseOid(kVlanRowStatus));
    const auto present = [&](std::uint32_t vlan) {
      return std::ranges::count(vlans, Oid{vlan}) > 0;
    };
    for (const Oid& vlan : vlans) {
      if (Current(model, Column(kIgmpCtrlEntry, 2, vlan))) continue;
      for (const auto& [column, value] : kDefaults)
        model.WriteNumber(Column(kIgmpCtrlEntry, column, vlan), value, undo);
      for (std::uint32_t column : {2u, 3u})
        model.WriteNumber(Column(kIgmpQueryEntry, column, vlan), 0, undo);
    }
    for (const Oid& row : model.Indexes(Column(kIgmpCtrlEntry, 2))) {
      if (present(row.front())) continue;
      for (const auto& [column, value] : kDefaults)
        model.Erase(Column(kIgmpCtrlEntry, column, row), undo);
      for (std::uint32_t column : {2u, 3u}) model.Erase(Column(kIgmpQueryEntry, column, row), undo);
    }
    for (const Oid& group : model.Indexes(Column(kIgmpGroupEntry, 3))) {
      if (present(group.front())) continue;
      for (std::uint32_t column : {3u, 4u, 5u})
        model.Erase(Column(kIgmpGroupEntry, column, group), undo);
    }
  }
};

std::vector<std::shared_ptr<const ModelRule>> Rules() {
  return {
      std::make_shared<PortListRule>(kTrunkPorts, kPortCount),
      std::make_shared<PortListRule>(kMirrorRx, kPortCount),
      std::make_shared<PortListRule>(kMirrorTx, kPortCount),
      std::make_shared<PortListRule>(kSegmentPorts, kPortCount),
      std::make_shared<RowIndexRule>(kTrunkState, 1, kTrunkGroups, std::vector<std::uint32_t>{}),
      // The trunk group's active ports follow the ports' links.
      std::make_shared<PortLinkRule>(),
      std::make_shared<TrunkGroupRule>(),
      std::make_shared<MirrorTargetRule>(),
      std::make_shared<IgmpVlanRule>(),
  };
}

// 802.1p priority to traffic class with four queues, as IEEE 802.1D recommends: 1 and 2 below
// the default 0, 6 and 7 in the highest class.
constexpr std::int64_t kClassOfPriority[8] = {1, 0, 0, 1, 2, 2, 3, 3};

void PortRows(RowWriter& row, std::uint32_t port) {
  const Oid index = {port};
  const bool uplink = port > kFrontPorts;
  const bool linked = port <= kLinkedPorts;
  const bool lacp = port == 5 || port == 6;
  const std::int64_t speed = uplink ? 1000 : 100;

  row.Cell(kBandwidthEntry, 2, index, Integer(speed));  // no limit below the port's speed
  row.Cell(kBandwidthEntry, 3, index, Integer(speed));
  row.Cell(kBandwidthEntry, 4, index, Integer(0));
  row.Cell(kBandwidthEntry, 5, index, Integer(0));
  row.Cell(kDefaultPriorityEntry, 2, index, Integer(0));
  row.Cell(kDefaultPriorityEntry, 3, index, Integer(0));

  row.Cell(kLacpPortEntry, 2, index, Integer(lacp ? 1 : 2));  // active or passive
  row.Cell(kTrunkVlanEntry, 2, index, Integer(2));            // disabled

  // Link status and port state follow the control rows (the rules); the negotiated speed is
  // 100 Mbit/s full duplex without flow control on the linked ports.
  row.Cell(kPortInfoEntry, 5, index, Integer(linked ? 7 : 1));
  // Port 10 was shut by the broadcast storm control below.
  const bool stormShut = port == 10;
  row.Cell(kPortErrorEntry, 3, index, Integer(stormShut ? 2 : 1));
  row.Cell(kPortErrorEntry, 4, index, Integer(stormShut ? 2 : 1));
  row.Cell(kPortErrorEntry, 5, index, Text(stormShut ? "broadcast storm" : ""));

  row.Cell(kSegmentEntry, 2, index, Bytes({0xFF, 0xFF, 0xFF, 0xC0}));  // every port

  row.Cell(kPortSecurityEntry, 2, index, Integer(1));
  row.Cell(kPortSecurityEntry, 3, index, Integer(4));  // deleteOnReset
  row.Cell(kPortSecurityEntry, 4, index, Integer(3));  // disable

  row.Cell(kStormEntry, 2, index, Integer(131072));
  row.Cell(kStormEntry, 3, index, Integer(stormShut ? 2 : 1));
  row.Cell(kStormEntry, 4, index, Integer(1));
  row.Cell(kStormEntry, 5, index, Integer(1));
  row.Cell(kStormEntry, 6, index, Integer(stormShut ? 1 : 2));  // shutdown or drop
  row.Cell(kStormEntry, 7, index, Integer(0));
  row.Cell(kStormEntry, 8, index, Integer(5));
  row.Cell(kStormEntry, 9, index, Integer(2));  // no

  row.Cell(kLoopPortEntry, 2, index, Integer(1));  // enabled
  row.Cell(kLoopPortEntry, 4, index, Integer(1));  // normal

  row.Cell(kIgmpAuthEntry, 2, index, Integer(2));  // disable

  row.Cell(kCosPriorityEntry, 2, index, Integer(2));  // port priority off
  row.Cell(kCosPriorityEntry, 3, index, Integer(2));  // 802.1p tags count
  row.Cell(kCosPriorityEntry, 4, index, Integer(1));  // IP priority off
  row.Cell(kCosPriorityEntry, 5, index, Integer(2));
  row.Cell(kCosPortEntry, 2, index, Integer(0));
}

}  // namespace

DevicePart AdvancedPart() {
  std::vector<std::pair<Oid, Value>> rows;
  RowWriter row(rows);
  for (std::uint32_t port = 1; port <= kPortCount; ++port) PortRows(row, port);
  // Queue weights 1, 2, 4 and 8 for the traffic classes 0 to 3.
  for (std::uint32_t trafficClass = 0; trafficClass < 4; ++trafficClass)
    row.Cell(kSchedulingEntry, 4, {trafficClass}, Integer(std::int64_t{1} << trafficClass));
  // The 802.1p priorities and the IP precedences (the ToS bits) map to classes alike.
  for (std::uint32_t priority = 0; priority < 8; ++priority) {
    row.Cell(kUserPriorityEntry, 2, {priority}, Integer(kClassOfPriority[priority]));
    row.Cell(kCosTosEntry, 2, {priority}, Integer(kClassOfPriority[priority]));
  }
  // A DSCP's class is that of its precedence, its top three bits.
  for (std::uint32_t dscp = 0; dscp < 64; ++dscp)
    row.Cell(kCosDscpEntry, 2, {dscp}, Integer(kClassOfPriority[dscp >> 3]));
  return {kSubtrees, kTables, kObjects, kSeed, {}, std::move(rows), Rules()};
}

}  // namespace nx596
