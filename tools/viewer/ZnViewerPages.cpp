#include "ZnViewerPages.h"

#include "ZnOptionList.h"

// The tables follow the standard MIBs: RFC 1213 (MIB-II), RFC 2863 (IF-MIB), RFC 4188
// (BRIDGE-MIB), RFC 4363 (P-BRIDGE-MIB and Q-BRIDGE-MIB), RFC 2819 (RMON-MIB), RFC 3635
// (EtherLike-MIB) and RFC 4133 (ENTITY-MIB). The viewers only look, so every column is read-only;
// index columns come first, in INDEX order, and are decoded from the instance ("notaccess").
// A table that AUGMENTS another is indexed by the other's index object, which names its key.

namespace {

// Enumerations -------------------------------------------------------------------------------

constexpr ZnOptionItem kTruthValueItems[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const ZnOptionList kTruthValue(kTruthValueItems);

constexpr ZnOptionItem kEnabledStatusItems[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const ZnOptionList kEnabledStatus(kEnabledStatusItems);

// EntryStatus of RMON-MIB.
constexpr ZnOptionItem kEntryStatusItems[] = {
    {1, "valid"}, {2, "createRequest"}, {3, "underCreation"}, {4, "invalid"}, {0, nullptr},
};
const ZnOptionList kEntryStatus(kEntryStatusItems);

// The interface types a switch of this kind reports (IANAifType).
constexpr ZnOptionItem kIfTypeItems[] = {
    {1, "other"},
    {6, "ethernetCsmacd"},
    {24, "softwareLoopback"},
    {53, "propVirtual"},
    {117, "gigabitEthernet"},
    {135, "l2vlan"},
    {161, "ieee8023adLag"},
    {0, nullptr},
};
const ZnOptionList kIfType(kIfTypeItems);

constexpr ZnOptionItem kIfAdminStatusItems[] = {
    {1, "up"},
    {2, "down"},
    {3, "testing"},
    {0, nullptr},
};
const ZnOptionList kIfAdminStatus(kIfAdminStatusItems);

constexpr ZnOptionItem kIfOperStatusItems[] = {
    {1, "up"},      {2, "down"},       {3, "testing"},        {4, "unknown"},
    {5, "dormant"}, {6, "notPresent"}, {7, "lowerLayerDown"}, {0, nullptr},
};
const ZnOptionList kIfOperStatus(kIfOperStatusItems);

constexpr ZnOptionItem kIpForwardingItems[] = {
    {1, "forwarding"},
    {2, "notForwarding"},
    {0, nullptr},
};
const ZnOptionList kIpForwarding(kIpForwardingItems);

constexpr ZnOptionItem kIpRouteTypeItems[] = {
    {1, "other"}, {2, "invalid"}, {3, "direct"}, {4, "indirect"}, {0, nullptr},
};
const ZnOptionList kIpRouteType(kIpRouteTypeItems);

constexpr ZnOptionItem kIpRouteProtoItems[] = {
    {1, "other"}, {2, "local"},   {3, "netmgmt"}, {4, "icmp"},  {5, "egp"},
    {6, "ggp"},   {7, "hello"},   {8, "rip"},     {9, "is-is"}, {10, "es-is"},
    {11, "igrp"}, {12, "spfIgp"}, {13, "ospf"},   {14, "bgp"},  {0, nullptr},
};
const ZnOptionList kIpRouteProto(kIpRouteProtoItems);

constexpr ZnOptionItem kStaticStatusItems[] = {
    {1, "other"},         {2, "invalid"},         {3, "permanent"},
    {4, "deleteOnReset"}, {5, "deleteOnTimeout"}, {0, nullptr},
};
const ZnOptionList kStaticStatus(kStaticStatusItems);

constexpr ZnOptionItem kFdbStatusItems[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr},
};
const ZnOptionList kFdbStatus(kFdbStatusItems);

constexpr ZnOptionItem kAcceptableFrameTypesItems[] = {
    {1, "admitAll"},
    {2, "admitOnlyVlanTagged"},
    {0, nullptr},
};
const ZnOptionList kAcceptableFrameTypes(kAcceptableFrameTypesItems);

// RowStatus of SNMPv2-TC, as ifStackStatus uses it.
constexpr ZnOptionItem kRowStatusItems[] = {
    {1, "active"},        {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
    {5, "createAndWait"}, {6, "destroy"},      {0, nullptr},
};
const ZnOptionList kRowStatus(kRowStatusItems);

constexpr ZnOptionItem kSampleTypeItems[] = {
    {1, "absoluteValue"},
    {2, "deltaValue"},
    {0, nullptr},
};
const ZnOptionList kSampleType(kSampleTypeItems);

constexpr ZnOptionItem kStartupAlarmItems[] = {
    {1, "risingAlarm"},
    {2, "fallingAlarm"},
    {3, "risingOrFallingAlarm"},
    {0, nullptr},
};
const ZnOptionList kStartupAlarm(kStartupAlarmItems);

constexpr ZnOptionItem kEventTypeItems[] = {
    {1, "none"}, {2, "log"}, {3, "snmp-trap"}, {4, "log-and-trap"}, {0, nullptr},
};
const ZnOptionList kEventType(kEventTypeItems);

constexpr ZnOptionItem kDuplexStatusItems[] = {
    {1, "unknown"},
    {2, "halfDuplex"},
    {3, "fullDuplex"},
    {0, nullptr},
};
const ZnOptionList kDuplexStatus(kDuplexStatusItems);

constexpr ZnOptionItem kRateControlStatusItems[] = {
    {1, "rateControlOff"},
    {2, "rateControlOn"},
    {3, "unknown"},
    {0, nullptr},
};
const ZnOptionList kRateControlStatus(kRateControlStatusItems);

constexpr ZnOptionItem kPhysicalClassItems[] = {
    {1, "other"},       {2, "unknown"}, {3, "chassis"}, {4, "backplane"}, {5, "container"},
    {6, "powerSupply"}, {7, "fan"},     {8, "sensor"},  {9, "module"},    {10, "port"},
    {11, "stack"},      {12, "cpu"},    {0, nullptr},
};
const ZnOptionList kPhysicalClass(kPhysicalClassItems);

constexpr std::uint32_t kKey = ZnAccess::NotAccessible;
constexpr std::uint32_t kRO = ZnAccess::ReadOnly;

// MIB: MIB-II groups ---------------------------------------------------------------------------

constinit const ZnSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.1", "Description", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.1.2", "Object ID", ZnSyntax::ObjectId, kRO},
    {"1.3.6.1.2.1.1.3", "Up Time", ZnSyntax::TimeTicks, kRO},
    {"1.3.6.1.2.1.1.4", "Contact", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.1.5", "Name", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.1.6", "Location", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.1.7", "Services", ZnSyntax::Integer, kRO},
    {},
};

constinit const ZnSNMPVarDef kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.2.2.1.2", "Description", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.2.2.1.3", "Type", ZnSyntax::Integer, kRO, &kIfType},
    {"1.3.6.1.2.1.2.2.1.4", "MTU", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.2.2.1.5", "Speed", ZnSyntax::Gauge, kRO},
    {"1.3.6.1.2.1.2.2.1.6", "Physical Address", ZnSyntax::OctetString, kRO},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", ZnSyntax::Integer, kRO, &kIfAdminStatus},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", ZnSyntax::Integer, kRO, &kIfOperStatus},
    {"1.3.6.1.2.1.2.2.1.9", "Last Change", ZnSyntax::TimeTicks, kRO},
    {},
};

constinit const ZnSNMPVarDef kIfCounters[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.2.2.1.10", "In Octets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.2.2.1.11", "In Unicast Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.2.2.1.12", "In Non-Unicast Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.2.2.1.13", "In Discards", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.2.2.1.14", "In Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.2.2.1.15", "In Unknown Protocols", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.2.2.1.16", "Out Octets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.2.2.1.17", "Out Unicast Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.2.2.1.18", "Out Non-Unicast Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.2.2.1.19", "Out Discards", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.2.2.1.20", "Out Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.2.2.1.21", "Out Queue Length", ZnSyntax::Gauge, kRO},
    {},
};

constinit const ZnSNMPVarDef kIpCounters[] = {
    {"1.3.6.1.2.1.4.1", "Forwarding", ZnSyntax::Integer, kRO, &kIpForwarding},
    {"1.3.6.1.2.1.4.2", "Default TTL", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.4.3", "In Receives", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.4", "In Header Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.5", "In Address Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.6", "Forwarded Datagrams", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.7", "In Unknown Protocols", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.8", "In Discards", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.9", "In Delivers", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.10", "Out Requests", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.11", "Out Discards", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.12", "Out No Routes", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.13", "Reassembly Timeout", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.4.14", "Reassembly Required", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.15", "Reassembly OK", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.16", "Reassembly Failures", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.17", "Fragmentation OK", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.18", "Fragmentation Failures", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.19", "Fragments Created", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.4.23", "Routing Discards", ZnSyntax::Counter, kRO},
    {},
};

constinit const ZnSNMPVarDef kIpRouting[] = {
    {"1.3.6.1.2.1.4.21.1.1", "Destination", ZnSyntax::IpAddress, kKey},
    {"1.3.6.1.2.1.4.21.1.2", "Interface", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.4.21.1.3", "Metric 1", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.4.21.1.4", "Metric 2", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.4.21.1.5", "Metric 3", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.4.21.1.6", "Metric 4", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.4.21.1.7", "Next Hop", ZnSyntax::IpAddress, kRO},
    {"1.3.6.1.2.1.4.21.1.8", "Type", ZnSyntax::Integer, kRO, &kIpRouteType},
    {"1.3.6.1.2.1.4.21.1.9", "Protocol", ZnSyntax::Integer, kRO, &kIpRouteProto},
    {"1.3.6.1.2.1.4.21.1.10", "Age", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.4.21.1.11", "Mask", ZnSyntax::IpAddress, kRO},
    {"1.3.6.1.2.1.4.21.1.12", "Metric 5", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.4.21.1.13", "Info", ZnSyntax::ObjectId, kRO},
    {},
};

constinit const ZnSNMPVarDef kIpAddress[] = {
    {"1.3.6.1.2.1.4.20.1.1", "Address", ZnSyntax::IpAddress, kKey},
    {"1.3.6.1.2.1.4.20.1.2", "Interface", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.4.20.1.3", "Net Mask", ZnSyntax::IpAddress, kRO},
    {"1.3.6.1.2.1.4.20.1.4", "Broadcast Address", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.4.20.1.5", "Reassembly Max Size", ZnSyntax::Integer, kRO},
    {},
};

constinit const ZnSNMPVarDef kIcmpCounters[] = {
    {"1.3.6.1.2.1.5.1", "In Messages", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.2", "In Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.3", "In Destination Unreachables", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.4", "In Time Exceeded", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.5", "In Parameter Problems", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.6", "In Source Quenches", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.7", "In Redirects", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.8", "In Echos", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.9", "In Echo Replies", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.10", "In Timestamps", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.11", "In Timestamp Replies", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.12", "In Address Masks", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.13", "In Address Mask Replies", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.14", "Out Messages", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.15", "Out Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.16", "Out Destination Unreachables", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.17", "Out Time Exceeded", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.18", "Out Parameter Problems", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.19", "Out Source Quenches", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.20", "Out Redirects", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.21", "Out Echos", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.22", "Out Echo Replies", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.23", "Out Timestamps", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.24", "Out Timestamp Replies", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.25", "Out Address Masks", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.5.26", "Out Address Mask Replies", ZnSyntax::Counter, kRO},
    {},
};

constinit const ZnSNMPVarDef kUdpCounters[] = {
    {"1.3.6.1.2.1.7.1", "In Datagrams", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.7.2", "No Ports", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.7.3", "In Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.7.4", "Out Datagrams", ZnSyntax::Counter, kRO},
    {},
};

// The snmp group of SNMPv2-MIB (sub-identifiers 7 and 23 are not used).
constinit const ZnSNMPVarDef kSnmpCounters[] = {
    {"1.3.6.1.2.1.11.1", "In Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.2", "Out Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.3", "In Bad Versions", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.4", "In Bad Community Names", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.5", "In Bad Community Uses", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.6", "In ASN.1 Parse Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.8", "In Too Bigs", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.9", "In No Such Names", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.10", "In Bad Values", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.11", "In Read Onlys", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.12", "In General Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.13", "In Total Request Variables", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.14", "In Total Set Variables", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.15", "In Get Requests", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.16", "In Get Nexts", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.17", "In Set Requests", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.18", "In Get Responses", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.19", "In Traps", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.20", "Out Too Bigs", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.21", "Out No Such Names", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.22", "Out Bad Values", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.24", "Out General Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.25", "Out Get Requests", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.26", "Out Get Nexts", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.27", "Out Set Requests", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.28", "Out Get Responses", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.29", "Out Traps", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.30", "Authentication Traps", ZnSyntax::Integer, kRO, &kEnabledStatus},
    {"1.3.6.1.2.1.11.31", "Silent Drops", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.11.32", "Proxy Drops", ZnSyntax::Counter, kRO},
    {},
};

// Bridge: BRIDGE-MIB ---------------------------------------------------------------------------

constinit const ZnSNMPVarDef kStaticFilter[] = {
    {"1.3.6.1.2.1.17.5.1.1.1", "Address", ZnSyntax::MacAddress, kKey},
    {"1.3.6.1.2.1.17.5.1.1.2", "Receive Port", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.17.5.1.1.3", "Allowed To Go To", ZnSyntax::OctetString, kRO},
    {"1.3.6.1.2.1.17.5.1.1.4", "Status", ZnSyntax::Integer, kRO, &kStaticStatus},
    {},
};

constinit const ZnSNMPVarDef kTpPortInfo[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", "Port", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.17.4.4.1.2", "Max Info", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.17.4.4.1.3", "In Frames", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.17.4.4.1.4", "Out Frames", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.17.4.4.1.5", "In Discards", ZnSyntax::Counter, kRO},
    {},
};

// IFMib: IF-MIB ------------------------------------------------------------------------------

constinit const ZnSNMPVarDef kIfGeneral[] = {
    {"1.3.6.1.2.1.2.1", "Number of Interfaces", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.31.1.5", "Interface Table Last Change", ZnSyntax::TimeTicks, kRO},
    {"1.3.6.1.2.1.31.1.6", "Stack Table Last Change", ZnSyntax::TimeTicks, kRO},
    {},
};

// ifXEntry AUGMENTS ifEntry: its index is ifIndex.
constinit const ZnSNMPVarDef kIfXTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.31.1.1.1.2", "In Multicast Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.31.1.1.1.3", "In Broadcast Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.31.1.1.1.4", "Out Multicast Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.31.1.1.1.5", "Out Broadcast Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", ZnSyntax::Counter64, kRO},
    {"1.3.6.1.2.1.31.1.1.1.7", "HC In Unicast Packets", ZnSyntax::Counter64, kRO},
    {"1.3.6.1.2.1.31.1.1.1.8", "HC In Multicast Packets", ZnSyntax::Counter64, kRO},
    {"1.3.6.1.2.1.31.1.1.1.9", "HC In Broadcast Packets", ZnSyntax::Counter64, kRO},
    {"1.3.6.1.2.1.31.1.1.1.10", "HC Out Octets", ZnSyntax::Counter64, kRO},
    {"1.3.6.1.2.1.31.1.1.1.11", "HC Out Unicast Packets", ZnSyntax::Counter64, kRO},
    {"1.3.6.1.2.1.31.1.1.1.12", "HC Out Multicast Packets", ZnSyntax::Counter64, kRO},
    {"1.3.6.1.2.1.31.1.1.1.13", "HC Out Broadcast Packets", ZnSyntax::Counter64, kRO},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up/Down Trap", ZnSyntax::Integer, kRO, &kEnabledStatus},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed (Mb/s)", ZnSyntax::Gauge, kRO},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", ZnSyntax::Integer, kRO, &kTruthValue},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", ZnSyntax::Integer, kRO, &kTruthValue},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.31.1.1.1.19", "Counter Discontinuity Time", ZnSyntax::TimeTicks, kRO},
    {},
};

constinit const ZnSNMPVarDef kIfStackTable[] = {
    {"1.3.6.1.2.1.31.1.2.1.1", "Higher Layer", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.31.1.2.1.2", "Lower Layer", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.31.1.2.1.3", "Status", ZnSyntax::Integer, kRO, &kRowStatus},
    {},
};

// VLan: P-BRIDGE-MIB and Q-BRIDGE-MIB --------------------------------------------------------
// The port tables AUGMENT dot1dBasePortEntry: their index is dot1dBasePort.

constexpr const char* kBasePort = "1.3.6.1.2.1.17.1.4.1.1";

constinit const ZnSNMPVarDef kPortPriority[] = {
    {kBasePort, "Port", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Traffic Classes", ZnSyntax::Integer, kRO},
    {},
};

constinit const ZnSNMPVarDef kTrafficClass[] = {
    {kBasePort, "Port", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Priority", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Traffic Class", ZnSyntax::Integer, kRO},
    {},
};

constinit const ZnSNMPVarDef kPortGmrp[] = {
    {kBasePort, "Port", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.17.6.1.4.1.1.1", "GMRP Status", ZnSyntax::Integer, kRO, &kEnabledStatus},
    {"1.3.6.1.2.1.17.6.1.4.1.1.2", "Failed Registrations", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.17.6.1.4.1.1.3", "Last PDU Origin", ZnSyntax::MacAddress, kRO},
    {"1.3.6.1.2.1.17.6.1.4.1.1.4", "Restricted Group Registration", ZnSyntax::Integer, kRO,
     &kTruthValue},
    {},
};

// GARP timers, in centiseconds.
constinit const ZnSNMPVarDef kPortGarp[] = {
    {kBasePort, "Port", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "Join Time", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "Leave Time", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "Leave All Time", ZnSyntax::Integer, kRO},
    {},
};

// BITS travel as octet strings: shown as their bytes.
constinit const ZnSNMPVarDef kDeviceCapabilities[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", ZnSyntax::OctetString, kRO},
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", ZnSyntax::Integer, kRO, &kTruthValue},
    {"1.3.6.1.2.1.17.6.1.1.3", "GMRP Status", ZnSyntax::Integer, kRO, &kEnabledStatus},
    {},
};

constinit const ZnSNMPVarDef kPortCapabilities[] = {
    {kBasePort, "Port", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Capabilities", ZnSyntax::OctetString, kRO},
    {},
};

constinit const ZnSNMPVarDef kPortVlan[] = {
    {kBasePort, "Port", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PVID", ZnSyntax::Gauge, kRO},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", ZnSyntax::Integer, kRO,
     &kAcceptableFrameTypes},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering", ZnSyntax::Integer, kRO, &kTruthValue},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRP Status", ZnSyntax::Integer, kRO, &kEnabledStatus},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRP Failed Registrations", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRP Last PDU Origin", ZnSyntax::MacAddress, kRO},
    {"1.3.6.1.2.1.17.7.1.4.5.1.7", "Restricted VLAN Registration", ZnSyntax::Integer, kRO,
     &kTruthValue},
    {},
};

constinit const ZnSNMPVarDef kFdbTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Database", ZnSyntax::Gauge, kKey},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "Dynamic Entries", ZnSyntax::Counter, kRO},
    {},
};

constinit const ZnSNMPVarDef kTpFdbTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Database", ZnSyntax::Gauge, kKey},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", ZnSyntax::MacAddress, kKey},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", ZnSyntax::Integer, kRO, &kFdbStatus},
    {},
};

// Rmon: RMON-MIB -----------------------------------------------------------------------------

constinit const ZnSNMPVarDef kEtherStats[] = {
    {"1.3.6.1.2.1.16.1.1.1.1", "Index", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.16.1.1.1.2", "Data Source", ZnSyntax::ObjectId, kRO},
    {"1.3.6.1.2.1.16.1.1.1.3", "Drop Events", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.4", "Octets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.5", "Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.6", "Broadcast Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.7", "Multicast Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.8", "CRC Align Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.9", "Undersize Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.10", "Oversize Packets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.11", "Fragments", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.12", "Jabbers", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.13", "Collisions", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.14", "64 Octets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.15", "65-127 Octets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.16", "128-255 Octets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.17", "256-511 Octets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.18", "512-1023 Octets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.19", "1024-1518 Octets", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.16.1.1.1.20", "Owner", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.16.1.1.1.21", "Status", ZnSyntax::Integer, kRO, &kEntryStatus},
    {},
};

constinit const ZnSNMPVarDef kHistoryControl[] = {
    {"1.3.6.1.2.1.16.2.1.1.1", "Index", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.16.2.1.1.2", "Data Source", ZnSyntax::ObjectId, kRO},
    {"1.3.6.1.2.1.16.2.1.1.3", "Buckets Requested", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.16.2.1.1.4", "Buckets Granted", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.16.2.1.1.5", "Interval (s)", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.16.2.1.1.6", "Owner", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.16.2.1.1.7", "Status", ZnSyntax::Integer, kRO, &kEntryStatus},
    {},
};

constinit const ZnSNMPVarDef kAlarms[] = {
    {"1.3.6.1.2.1.16.3.1.1.1", "Index", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.16.3.1.1.2", "Interval (s)", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.16.3.1.1.3", "Variable", ZnSyntax::ObjectId, kRO},
    {"1.3.6.1.2.1.16.3.1.1.4", "Sample Type", ZnSyntax::Integer, kRO, &kSampleType},
    {"1.3.6.1.2.1.16.3.1.1.5", "Value", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.16.3.1.1.6", "Startup Alarm", ZnSyntax::Integer, kRO, &kStartupAlarm},
    {"1.3.6.1.2.1.16.3.1.1.7", "Rising Threshold", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.16.3.1.1.8", "Falling Threshold", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.16.3.1.1.9", "Rising Event", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.16.3.1.1.10", "Falling Event", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.16.3.1.1.11", "Owner", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.16.3.1.1.12", "Status", ZnSyntax::Integer, kRO, &kEntryStatus},
    {},
};

constinit const ZnSNMPVarDef kEvents[] = {
    {"1.3.6.1.2.1.16.9.1.1.1", "Index", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.16.9.1.1.2", "Description", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.16.9.1.1.3", "Type", ZnSyntax::Integer, kRO, &kEventType},
    {"1.3.6.1.2.1.16.9.1.1.4", "Community", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.16.9.1.1.5", "Last Time Sent", ZnSyntax::TimeTicks, kRO},
    {"1.3.6.1.2.1.16.9.1.1.6", "Owner", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.16.9.1.1.7", "Status", ZnSyntax::Integer, kRO, &kEntryStatus},
    {},
};

// EthernetLike: EtherLike-MIB ------------------------------------------------------------------

constinit const ZnSNMPVarDef kDot3Stats[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.10.7.2.1.2", "Alignment Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.3", "FCS Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.4", "Single Collision Frames", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.5", "Multiple Collision Frames", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.6", "SQE Test Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.7", "Deferred Transmissions", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.8", "Late Collisions", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.9", "Excessive Collisions", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.10", "Internal MAC Transmit Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.11", "Carrier Sense Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.13", "Frame Too Longs", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.16", "Internal MAC Receive Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.18", "Symbol Errors", ZnSyntax::Counter, kRO},
    {"1.3.6.1.2.1.10.7.2.1.19", "Duplex Status", ZnSyntax::Integer, kRO, &kDuplexStatus},
    {"1.3.6.1.2.1.10.7.2.1.20", "Rate Control Ability", ZnSyntax::Integer, kRO, &kTruthValue},
    {"1.3.6.1.2.1.10.7.2.1.21", "Rate Control Status", ZnSyntax::Integer, kRO, &kRateControlStatus},
    {},
};

// EntityMIB: ENTITY-MIB ----------------------------------------------------------------------

constinit const ZnSNMPVarDef kPhysical[] = {
    {"1.3.6.1.2.1.47.1.1.1.1.1", "Index", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.47.1.1.1.1.2", "Description", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.3", "Vendor Type", ZnSyntax::ObjectId, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.4", "Contained In", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.5", "Class", ZnSyntax::Integer, kRO, &kPhysicalClass},
    {"1.3.6.1.2.1.47.1.1.1.1.6", "Relative Position", ZnSyntax::Integer, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.7", "Name", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.8", "Hardware Revision", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.9", "Firmware Revision", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.10", "Software Revision", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.11", "Serial Number", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.12", "Manufacturer", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.13", "Model", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.14", "Alias", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.15", "Asset ID", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.16", "Field Replaceable", ZnSyntax::Integer, kRO, &kTruthValue},
    {"1.3.6.1.2.1.47.1.1.1.1.17", "Manufacturing Date", ZnSyntax::DateTime, kRO},
    {"1.3.6.1.2.1.47.1.1.1.1.18", "URIs", ZnSyntax::DisplayString, kRO},
    {},
};

constinit const ZnSNMPVarDef kLogical[] = {
    {"1.3.6.1.2.1.47.1.2.1.1.1", "Index", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.47.1.2.1.1.2", "Description", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.47.1.2.1.1.3", "Type", ZnSyntax::ObjectId, kRO},
    {"1.3.6.1.2.1.47.1.2.1.1.4", "Community", ZnSyntax::DisplayString, kRO},
    {"1.3.6.1.2.1.47.1.2.1.1.5", "Transport Address", ZnSyntax::OctetString, kRO},
    {"1.3.6.1.2.1.47.1.2.1.1.6", "Transport Domain", ZnSyntax::ObjectId, kRO},
    {"1.3.6.1.2.1.47.1.2.1.1.7", "Context Engine ID", ZnSyntax::OctetString, kRO},
    {"1.3.6.1.2.1.47.1.2.1.1.8", "Context Name", ZnSyntax::DisplayString, kRO},
    {},
};

// The mapping's only column is its second index; it is read as a column and decoded as a key.
constinit const ZnSNMPVarDef kMapping[] = {
    {"1.3.6.1.2.1.47.1.2.1.1.1", "Logical Index", ZnSyntax::Integer, kKey},
    {"1.3.6.1.2.1.47.1.3.1.1.1", "Physical Index", ZnSyntax::Integer, kRO},
    {},
};

// Recipes ------------------------------------------------------------------------------------

constexpr std::uint8_t kScalars = ZnItemType::SVT_SV;
constexpr std::uint8_t kTable = ZnItemType::MVT_FMV;

constexpr ZnCataloguePage Scalars(const ZnSNMPVarDef* table, const char* tab = nullptr) {
  return {.kind = ZnPageKind::Editor, .tabCaption = tab, .table = table, .itemType = kScalars};
}
constexpr ZnCataloguePage Table(const ZnSNMPVarDef* table, int keys, const char* tab = nullptr) {
  return {.kind = ZnPageKind::ListView,
          .tabCaption = tab,
          .table = table,
          .itemType = kTable,
          .keyCount = keys};
}

constinit const ZnCataloguePage kSystemPages[] = {Scalars(kSystem)};
constinit const ZnCataloguePage kIfTablePages[] = {Table(kIfTable, 1)};
constinit const ZnCataloguePage kIfCountersPages[] = {Table(kIfCounters, 1)};
constinit const ZnCataloguePage kIpCountersPages[] = {Scalars(kIpCounters)};
constinit const ZnCataloguePage kIpRoutingPages[] = {Table(kIpRouting, 1)};
constinit const ZnCataloguePage kIpAddressPages[] = {Table(kIpAddress, 1)};
constinit const ZnCataloguePage kIcmpCountersPages[] = {Scalars(kIcmpCounters)};
constinit const ZnCataloguePage kUdpCountersPages[] = {Scalars(kUdpCounters)};
constinit const ZnCataloguePage kSnmpCountersPages[] = {Scalars(kSnmpCounters)};
constinit const ZnCataloguePage kStaticFilterPages[] = {Table(kStaticFilter, 2)};
constinit const ZnCataloguePage kTpPortInfoPages[] = {Table(kTpPortInfo, 1)};
constinit const ZnCataloguePage kIfGeneralPages[] = {Scalars(kIfGeneral)};
constinit const ZnCataloguePage kIfXTablePages[] = {Table(kIfXTable, 1)};
constinit const ZnCataloguePage kIfStackPages[] = {Table(kIfStackTable, 2)};
constinit const ZnCataloguePage kPriorityPages[] = {
    Table(kPortPriority, 1, "Port Priority"),
    Table(kTrafficClass, 2, "Traffic Classes"),
};
constinit const ZnCataloguePage kGmrpPages[] = {Table(kPortGmrp, 1)};
constinit const ZnCataloguePage kGarpPages[] = {Table(kPortGarp, 1)};
constinit const ZnCataloguePage kCapabilityPages[] = {
    Scalars(kDeviceCapabilities, "Device"),
    Table(kPortCapabilities, 1, "Ports"),
};
constinit const ZnCataloguePage kPortVlanPages[] = {Table(kPortVlan, 1)};
constinit const ZnCataloguePage kTpBridgePages[] = {
    Table(kFdbTable, 1, "Filtering Databases"),
    Table(kTpFdbTable, 2, "Learned Addresses"),
};
constinit const ZnCataloguePage kEtherStatsPages[] = {Table(kEtherStats, 1)};
constinit const ZnCataloguePage kHistoryPages[] = {Table(kHistoryControl, 1)};
constinit const ZnCataloguePage kAlarmEventPages[] = {
    Table(kAlarms, 1, "Alarms"),
    Table(kEvents, 1, "Events"),
};
constinit const ZnCataloguePage kDot3StatsPages[] = {Table(kDot3Stats, 1)};
constinit const ZnCataloguePage kPhysicalPages[] = {Table(kPhysical, 1)};
constinit const ZnCataloguePage kLogicalPages[] = {Table(kLogical, 1)};
constinit const ZnCataloguePage kMappingPages[] = {Table(kMapping, 2)};

constexpr ZnCatalogueEntry Dialog(const char* title, std::span<const ZnCataloguePage> pages) {
  return {.title = title, .pagesMode = pages.size() > 1, .pages = pages};
}

// "Maping" is the page name the main program passes; it is kept as it is on purpose.
constinit const ZnViewerPage kPages[] = {
    {"MIB", "Info", Dialog("System Information", kSystemPages)},
    {"MIB", "IFTable", Dialog("Interface Table", kIfTablePages)},
    {"MIB", "IFCounters", Dialog("Interface Counters", kIfCountersPages)},
    {"MIB", "IPCounters", Dialog("IP Counters", kIpCountersPages)},
    {"MIB", "IPRouting", Dialog("IP Routing Table", kIpRoutingPages)},
    {"MIB", "IPAddress", Dialog("IP Address Table", kIpAddressPages)},
    {"MIB", "ICMPCounters", Dialog("ICMP Counters", kIcmpCountersPages)},
    {"MIB", "UDPCounters", Dialog("UDP Counters", kUdpCountersPages)},
    {"MIB", "SNMPCounters", Dialog("SNMP Counters", kSnmpCountersPages)},
    {"Bridge", "StaticFilter", Dialog("Static Filtering Table", kStaticFilterPages)},
    {"Bridge", "TpPortInfo", Dialog("Bridge Port Counters", kTpPortInfoPages)},
    {"IFMib", "LastChangeTable", Dialog("Interface General Information", kIfGeneralPages)},
    {"IFMib", "ifXEntry", Dialog("Extended Interface Table", kIfXTablePages)},
    {"IFMib", "ifStackTable", Dialog("Interface Stack Table", kIfStackPages)},
    {"VLan", "8021DPriority", Dialog("802.1D Priority", kPriorityPages)},
    {"VLan", "GMRP", Dialog("GMRP Port Table", kGmrpPages)},
    {"VLan", "GARP", Dialog("GARP Port Timers", kGarpPages)},
    {"VLan", "PortCapability", Dialog("Port Capabilities", kCapabilityPages)},
    {"VLan", "PortInfo", Dialog("VLAN Port Information", kPortVlanPages)},
    {"VLan", "TpBridge8021Q", Dialog("802.1Q Filtering Databases", kTpBridgePages)},
    {"Rmon", "Statistics", Dialog("RMON Ethernet Statistics", kEtherStatsPages)},
    {"Rmon", "History", Dialog("RMON History Control", kHistoryPages)},
    {"Rmon", "AlarmEvent", Dialog("RMON Alarms and Events", kAlarmEventPages)},
    {"EthernetLike", "dot3StatsTable", Dialog("Ethernet Statistics", kDot3StatsPages)},
    {"EntityMIB", "Physical", Dialog("Physical Entity Table", kPhysicalPages)},
    {"EntityMIB", "Logical", Dialog("Logical Entity Table", kLogicalPages)},
    {"EntityMIB", "Maping", Dialog("Logical to Physical Mapping", kMappingPages)},
};

}  // namespace

std::span<const ZnViewerPage> ZnViewerPages() {
  return kPages;
}

const ZnViewerPage* ZnFindViewerPage(QStringView tool, QStringView page) {
  for (const ZnViewerPage& candidate : kPages)
    if (tool == QLatin1String(candidate.tool) && page == QLatin1String(candidate.page))
      return &candidate;
  return nullptr;
}

QStringList ZnViewerTools() {
  QStringList tools;
  for (const ZnViewerPage& page : kPages)
    if (!tools.contains(QLatin1String(page.tool))) tools << QString::fromLatin1(page.tool);
  return tools;
}

QStringList ZnViewerPageNames(QStringView tool) {
  QStringList names;
  for (const ZnViewerPage& page : kPages)
    if (tool == QLatin1String(page.tool)) names << QString::fromLatin1(page.page);
  return names;
}
