#include "StandardSeed.h"

#include <array>
#include <string>

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kNA = Access::kNotAccessible;
constexpr Access kRO = Access::kReadOnly;

const char* const kSubtrees[] = {
    "1.3.6.1.2.1.2",     // interfaces (RFC 1213, RFC 2863)
    "1.3.6.1.2.1.4",     // ip
    "1.3.6.1.2.1.5",     // icmp
    "1.3.6.1.2.1.7",     // udp
    "1.3.6.1.2.1.10.7",  // EtherLike-MIB (dot3)
    "1.3.6.1.2.1.16",    // RMON-MIB
    "1.3.6.1.2.1.31",    // IF-MIB's ifMIBObjects
    "1.3.6.1.2.1.47",    // ENTITY-MIB
                         // BRIDGE-MIB 1.3.6.1.2.1.17 is a subtree of the device's own list already.
};

const TableDefinition kTables[] = {
    // name, entry, index, RowStatus column (0: rows are not created by SETs)
    {"ifTable", "1.3.6.1.2.1.2.2.1", {IndexPart::kInteger}, 0},
    {"ipAddrTable", "1.3.6.1.2.1.4.20.1", {IndexPart::kIpAddress}, 0},
    {"ipRouteTable", "1.3.6.1.2.1.4.21.1", {IndexPart::kIpAddress}, 0},
    {"dot3StatsTable", "1.3.6.1.2.1.10.7.2.1", {IndexPart::kInteger}, 0},
    {"etherStatsTable", "1.3.6.1.2.1.16.1.1.1", {IndexPart::kInteger}, 0},
    {"historyControlTable", "1.3.6.1.2.1.16.2.1.1", {IndexPart::kInteger}, 0},
    {"alarmTable", "1.3.6.1.2.1.16.3.1.1", {IndexPart::kInteger}, 0},
    {"eventTable", "1.3.6.1.2.1.16.9.1.1", {IndexPart::kInteger}, 0},
    {"dot1dTpPortTable", "1.3.6.1.2.1.17.4.4.1", {IndexPart::kInteger}, 0},
    {"dot1dStaticTable", "1.3.6.1.2.1.17.5.1.1", {IndexPart::kMacAddress, IndexPart::kInteger}, 0},
    // The P-BRIDGE and Q-BRIDGE port tables AUGMENT dot1dBasePortEntry: indexed by the port.
    {"dot1dPortCapabilitiesTable", "1.3.6.1.2.1.17.6.1.1.4.1", {IndexPart::kInteger}, 0},
    {"dot1dPortPriorityTable", "1.3.6.1.2.1.17.6.1.2.1.1", {IndexPart::kInteger}, 0},
    {"dot1dTrafficClassTable",
     "1.3.6.1.2.1.17.6.1.2.3.1",
     {IndexPart::kInteger, IndexPart::kInteger},
     0},
    {"dot1dPortGarpTable", "1.3.6.1.2.1.17.6.1.3.1.1", {IndexPart::kInteger}, 0},
    {"dot1dPortGmrpTable", "1.3.6.1.2.1.17.6.1.4.1.1", {IndexPart::kInteger}, 0},
    {"dot1qFdbTable", "1.3.6.1.2.1.17.7.1.2.1.1", {IndexPart::kInteger}, 0},
    {"dot1qTpFdbTable",
     "1.3.6.1.2.1.17.7.1.2.2.1",
     {IndexPart::kInteger, IndexPart::kMacAddress},
     0},
    {"dot1qPortVlanTable", "1.3.6.1.2.1.17.7.1.4.5.1", {IndexPart::kInteger}, 0},
    {"ifXTable", "1.3.6.1.2.1.31.1.1.1", {IndexPart::kInteger}, 0},
    {"ifStackTable", "1.3.6.1.2.1.31.1.2.1", {IndexPart::kInteger, IndexPart::kInteger}, 0},
    {"entPhysicalTable", "1.3.6.1.2.1.47.1.1.1.1", {IndexPart::kInteger}, 0},
    {"entLogicalTable", "1.3.6.1.2.1.47.1.2.1.1", {IndexPart::kInteger}, 0},
    {"entLPMappingTable", "1.3.6.1.2.1.47.1.3.1.1", {IndexPart::kInteger, IndexPart::kInteger}, 0},
};

// The standard objects are read-only here: the device is managed through its own MIB, and the
// viewers of the standard MIBs only look.
const ObjectDefinition kObjects[] = {
    // name, OID, syntax, access, limits, initial value of a created row

    // interfaces
    {"ifNumber", "1.3.6.1.2.1.2.1", kInteger, kRO, "", ""},
    {"ifIndex", "1.3.6.1.2.1.2.2.1.1", kInteger, kRO, "1..2147483647", ""},
    {"ifDescr", "1.3.6.1.2.1.2.2.1.2", kDisplayString, kRO, "", ""},
    {"ifType", "1.3.6.1.2.1.2.2.1.3", kInteger, kRO, "", ""},
    {"ifMtu", "1.3.6.1.2.1.2.2.1.4", kInteger, kRO, "", ""},
    {"ifSpeed", "1.3.6.1.2.1.2.2.1.5", kGauge32, kRO, "", ""},
    {"ifPhysAddress", "1.3.6.1.2.1.2.2.1.6", kOctetString, kRO, "", ""},
    {"ifAdminStatus", "1.3.6.1.2.1.2.2.1.7", kInteger, kRO, "1..3", ""},
    {"ifOperStatus", "1.3.6.1.2.1.2.2.1.8", kInteger, kRO, "1..7", ""},
    {"ifLastChange", "1.3.6.1.2.1.2.2.1.9", kTimeTicks, kRO, "", ""},
    {"ifInOctets", "1.3.6.1.2.1.2.2.1.10", kCounter32, kRO, "", ""},
    {"ifInUcastPkts", "1.3.6.1.2.1.2.2.1.11", kCounter32, kRO, "", ""},
    {"ifInNUcastPkts", "1.3.6.1.2.1.2.2.1.12", kCounter32, kRO, "", ""},
    {"ifInDiscards", "1.3.6.1.2.1.2.2.1.13", kCounter32, kRO, "", ""},
    {"ifInErrors", "1.3.6.1.2.1.2.2.1.14", kCounter32, kRO, "", ""},
    {"ifInUnknownProtos", "1.3.6.1.2.1.2.2.1.15", kCounter32, kRO, "", ""},
    {"ifOutOctets", "1.3.6.1.2.1.2.2.1.16", kCounter32, kRO, "", ""},
    {"ifOutUcastPkts", "1.3.6.1.2.1.2.2.1.17", kCounter32, kRO, "", ""},
    {"ifOutNUcastPkts", "1.3.6.1.2.1.2.2.1.18", kCounter32, kRO, "", ""},
    {"ifOutDiscards", "1.3.6.1.2.1.2.2.1.19", kCounter32, kRO, "", ""},
    {"ifOutErrors", "1.3.6.1.2.1.2.2.1.20", kCounter32, kRO, "", ""},
    {"ifOutQLen", "1.3.6.1.2.1.2.2.1.21", kGauge32, kRO, "", ""},

    // ip group
    {"ipForwarding", "1.3.6.1.2.1.4.1", kInteger, kRO, "1,2", ""},
    {"ipDefaultTTL", "1.3.6.1.2.1.4.2", kInteger, kRO, "1..255", ""},
    {"ipInReceives", "1.3.6.1.2.1.4.3", kCounter32, kRO, "", ""},
    {"ipInHdrErrors", "1.3.6.1.2.1.4.4", kCounter32, kRO, "", ""},
    {"ipInAddrErrors", "1.3.6.1.2.1.4.5", kCounter32, kRO, "", ""},
    {"ipForwDatagrams", "1.3.6.1.2.1.4.6", kCounter32, kRO, "", ""},
    {"ipInUnknownProtos", "1.3.6.1.2.1.4.7", kCounter32, kRO, "", ""},
    {"ipInDiscards", "1.3.6.1.2.1.4.8", kCounter32, kRO, "", ""},
    {"ipInDelivers", "1.3.6.1.2.1.4.9", kCounter32, kRO, "", ""},
    {"ipOutRequests", "1.3.6.1.2.1.4.10", kCounter32, kRO, "", ""},
    {"ipOutDiscards", "1.3.6.1.2.1.4.11", kCounter32, kRO, "", ""},
    {"ipOutNoRoutes", "1.3.6.1.2.1.4.12", kCounter32, kRO, "", ""},
    {"ipReasmTimeout", "1.3.6.1.2.1.4.13", kInteger, kRO, "", ""},
    {"ipReasmReqds", "1.3.6.1.2.1.4.14", kCounter32, kRO, "", ""},
    {"ipReasmOKs", "1.3.6.1.2.1.4.15", kCounter32, kRO, "", ""},
    {"ipReasmFails", "1.3.6.1.2.1.4.16", kCounter32, kRO, "", ""},
    {"ipFragOKs", "1.3.6.1.2.1.4.17", kCounter32, kRO, "", ""},
    {"ipFragFails", "1.3.6.1.2.1.4.18", kCounter32, kRO, "", ""},
    {"ipFragCreates", "1.3.6.1.2.1.4.19", kCounter32, kRO, "", ""},
    {"ipAdEntAddr", "1.3.6.1.2.1.4.20.1.1", kIpAddress, kRO, "", ""},
    {"ipAdEntIfIndex", "1.3.6.1.2.1.4.20.1.2", kInteger, kRO, "", ""},
    {"ipAdEntNetMask", "1.3.6.1.2.1.4.20.1.3", kIpAddress, kRO, "", ""},
    {"ipAdEntBcastAddr", "1.3.6.1.2.1.4.20.1.4", kInteger, kRO, "0,1", ""},
    {"ipAdEntReasmMaxSize", "1.3.6.1.2.1.4.20.1.5", kInteger, kRO, "0..65535", ""},
    {"ipRouteDest", "1.3.6.1.2.1.4.21.1.1", kIpAddress, kRO, "", ""},
    {"ipRouteIfIndex", "1.3.6.1.2.1.4.21.1.2", kInteger, kRO, "", ""},
    {"ipRouteMetric1", "1.3.6.1.2.1.4.21.1.3", kInteger, kRO, "", ""},
    {"ipRouteMetric2", "1.3.6.1.2.1.4.21.1.4", kInteger, kRO, "", ""},
    {"ipRouteMetric3", "1.3.6.1.2.1.4.21.1.5", kInteger, kRO, "", ""},
    {"ipRouteMetric4", "1.3.6.1.2.1.4.21.1.6", kInteger, kRO, "", ""},
    {"ipRouteNextHop", "1.3.6.1.2.1.4.21.1.7", kIpAddress, kRO, "", ""},
    {"ipRouteType", "1.3.6.1.2.1.4.21.1.8", kInteger, kRO, "1..4", ""},
    {"ipRouteProto", "1.3.6.1.2.1.4.21.1.9", kInteger, kRO, "1..14", ""},
    {"ipRouteAge", "1.3.6.1.2.1.4.21.1.10", kInteger, kRO, "", ""},
    {"ipRouteMask", "1.3.6.1.2.1.4.21.1.11", kIpAddress, kRO, "", ""},
    {"ipRouteMetric5", "1.3.6.1.2.1.4.21.1.12", kInteger, kRO, "", ""},
    {"ipRouteInfo", "1.3.6.1.2.1.4.21.1.13", kObjectId, kRO, "", ""},
    {"ipRoutingDiscards", "1.3.6.1.2.1.4.23", kCounter32, kRO, "", ""},

    // icmp group
    {"icmpInMsgs", "1.3.6.1.2.1.5.1", kCounter32, kRO, "", ""},
    {"icmpInErrors", "1.3.6.1.2.1.5.2", kCounter32, kRO, "", ""},
    {"icmpInDestUnreachs", "1.3.6.1.2.1.5.3", kCounter32, kRO, "", ""},
    {"icmpInTimeExcds", "1.3.6.1.2.1.5.4", kCounter32, kRO, "", ""},
    {"icmpInParmProbs", "1.3.6.1.2.1.5.5", kCounter32, kRO, "", ""},
    {"icmpInSrcQuenchs", "1.3.6.1.2.1.5.6", kCounter32, kRO, "", ""},
    {"icmpInRedirects", "1.3.6.1.2.1.5.7", kCounter32, kRO, "", ""},
    {"icmpInEchos", "1.3.6.1.2.1.5.8", kCounter32, kRO, "", ""},
    {"icmpInEchoReps", "1.3.6.1.2.1.5.9", kCounter32, kRO, "", ""},
    {"icmpInTimestamps", "1.3.6.1.2.1.5.10", kCounter32, kRO, "", ""},
    {"icmpInTimestampReps", "1.3.6.1.2.1.5.11", kCounter32, kRO, "", ""},
    {"icmpInAddrMasks", "1.3.6.1.2.1.5.12", kCounter32, kRO, "", ""},
    {"icmpInAddrMaskReps", "1.3.6.1.2.1.5.13", kCounter32, kRO, "", ""},
    {"icmpOutMsgs", "1.3.6.1.2.1.5.14", kCounter32, kRO, "", ""},
    {"icmpOutErrors", "1.3.6.1.2.1.5.15", kCounter32, kRO, "", ""},
    {"icmpOutDestUnreachs", "1.3.6.1.2.1.5.16", kCounter32, kRO, "", ""},
    {"icmpOutTimeExcds", "1.3.6.1.2.1.5.17", kCounter32, kRO, "", ""},
    {"icmpOutParmProbs", "1.3.6.1.2.1.5.18", kCounter32, kRO, "", ""},
    {"icmpOutSrcQuenchs", "1.3.6.1.2.1.5.19", kCounter32, kRO, "", ""},
    {"icmpOutRedirects", "1.3.6.1.2.1.5.20", kCounter32, kRO, "", ""},
    {"icmpOutEchos", "1.3.6.1.2.1.5.21", kCounter32, kRO, "", ""},
    {"icmpOutEchoReps", "1.3.6.1.2.1.5.22", kCounter32, kRO, "", ""},
    {"icmpOutTimestamps", "1.3.6.1.2.1.5.23", kCounter32, kRO, "", ""},
    {"icmpOutTimestampReps", "1.3.6.1.2.1.5.24", kCounter32, kRO, "", ""},
    {"icmpOutAddrMasks", "1.3.6.1.2.1.5.25", kCounter32, kRO, "", ""},
    {"icmpOutAddrMaskReps", "1.3.6.1.2.1.5.26", kCounter32, kRO, "", ""},

    // udp group
    {"udpInDatagrams", "1.3.6.1.2.1.7.1", kCounter32, kRO, "", ""},
    {"udpNoPorts", "1.3.6.1.2.1.7.2", kCounter32, kRO, "", ""},
    {"udpInErrors", "1.3.6.1.2.1.7.3", kCounter32, kRO, "", ""},
    {"udpOutDatagrams", "1.3.6.1.2.1.7.4", kCounter32, kRO, "", ""},

    // EtherLike-MIB dot3StatsTable (columns 12, 14, 15 are not used; 17 is deprecated)
    {"dot3StatsIndex", "1.3.6.1.2.1.10.7.2.1.1", kInteger, kRO, "", ""},
    {"dot3StatsAlignmentErrors", "1.3.6.1.2.1.10.7.2.1.2", kCounter32, kRO, "", ""},
    {"dot3StatsFCSErrors", "1.3.6.1.2.1.10.7.2.1.3", kCounter32, kRO, "", ""},
    {"dot3StatsSingleCollisionFrames", "1.3.6.1.2.1.10.7.2.1.4", kCounter32, kRO, "", ""},
    {"dot3StatsMultipleCollisionFrames", "1.3.6.1.2.1.10.7.2.1.5", kCounter32, kRO, "", ""},
    {"dot3StatsSQETestErrors", "1.3.6.1.2.1.10.7.2.1.6", kCounter32, kRO, "", ""},
    {"dot3StatsDeferredTransmissions", "1.3.6.1.2.1.10.7.2.1.7", kCounter32, kRO, "", ""},
    {"dot3StatsLateCollisions", "1.3.6.1.2.1.10.7.2.1.8", kCounter32, kRO, "", ""},
    {"dot3StatsExcessiveCollisions", "1.3.6.1.2.1.10.7.2.1.9", kCounter32, kRO, "", ""},
    {"dot3StatsInternalMacTransmitErrors", "1.3.6.1.2.1.10.7.2.1.10", kCounter32, kRO, "", ""},
    {"dot3StatsCarrierSenseErrors", "1.3.6.1.2.1.10.7.2.1.11", kCounter32, kRO, "", ""},
    {"dot3StatsFrameTooLongs", "1.3.6.1.2.1.10.7.2.1.13", kCounter32, kRO, "", ""},
    {"dot3StatsInternalMacReceiveErrors", "1.3.6.1.2.1.10.7.2.1.16", kCounter32, kRO, "", ""},
    {"dot3StatsSymbolErrors", "1.3.6.1.2.1.10.7.2.1.18", kCounter32, kRO, "", ""},
    {"dot3StatsDuplexStatus", "1.3.6.1.2.1.10.7.2.1.19", kInteger, kRO, "1..3", ""},
    {"dot3StatsRateControlAbility", "1.3.6.1.2.1.10.7.2.1.20", kInteger, kRO, "1,2", ""},
    {"dot3StatsRateControlStatus", "1.3.6.1.2.1.10.7.2.1.21", kInteger, kRO, "1..3", ""},

    // RMON statistics group
    {"etherStatsIndex", "1.3.6.1.2.1.16.1.1.1.1", kInteger, kRO, "1..65535", ""},
    {"etherStatsDataSource", "1.3.6.1.2.1.16.1.1.1.2", kObjectId, kRO, "", ""},
    {"etherStatsDropEvents", "1.3.6.1.2.1.16.1.1.1.3", kCounter32, kRO, "", ""},
    {"etherStatsOctets", "1.3.6.1.2.1.16.1.1.1.4", kCounter32, kRO, "", ""},
    {"etherStatsPkts", "1.3.6.1.2.1.16.1.1.1.5", kCounter32, kRO, "", ""},
    {"etherStatsBroadcastPkts", "1.3.6.1.2.1.16.1.1.1.6", kCounter32, kRO, "", ""},
    {"etherStatsMulticastPkts", "1.3.6.1.2.1.16.1.1.1.7", kCounter32, kRO, "", ""},
    {"etherStatsCRCAlignErrors", "1.3.6.1.2.1.16.1.1.1.8", kCounter32, kRO, "", ""},
    {"etherStatsUndersizePkts", "1.3.6.1.2.1.16.1.1.1.9", kCounter32, kRO, "", ""},
    {"etherStatsOversizePkts", "1.3.6.1.2.1.16.1.1.1.10", kCounter32, kRO, "", ""},
    {"etherStatsFragments", "1.3.6.1.2.1.16.1.1.1.11", kCounter32, kRO, "", ""},
    {"etherStatsJabbers", "1.3.6.1.2.1.16.1.1.1.12", kCounter32, kRO, "", ""},
    {"etherStatsCollisions", "1.3.6.1.2.1.16.1.1.1.13", kCounter32, kRO, "", ""},
    {"etherStatsPkts64Octets", "1.3.6.1.2.1.16.1.1.1.14", kCounter32, kRO, "", ""},
    {"etherStatsPkts65to127Octets", "1.3.6.1.2.1.16.1.1.1.15", kCounter32, kRO, "", ""},
    {"etherStatsPkts128to255Octets", "1.3.6.1.2.1.16.1.1.1.16", kCounter32, kRO, "", ""},
    {"etherStatsPkts256to511Octets", "1.3.6.1.2.1.16.1.1.1.17", kCounter32, kRO, "", ""},
    {"etherStatsPkts512to1023Octets", "1.3.6.1.2.1.16.1.1.1.18", kCounter32, kRO, "", ""},
    {"etherStatsPkts1024to1518Octets", "1.3.6.1.2.1.16.1.1.1.19", kCounter32, kRO, "", ""},
    {"etherStatsOwner", "1.3.6.1.2.1.16.1.1.1.20", kDisplayString, kRO, "0..127", ""},
    {"etherStatsStatus", "1.3.6.1.2.1.16.1.1.1.21", kInteger, kRO, "1..4", ""},

    // RMON history control
    {"historyControlIndex", "1.3.6.1.2.1.16.2.1.1.1", kInteger, kRO, "1..65535", ""},
    {"historyControlDataSource", "1.3.6.1.2.1.16.2.1.1.2", kObjectId, kRO, "", ""},
    {"historyControlBucketsRequested", "1.3.6.1.2.1.16.2.1.1.3", kInteger, kRO, "1..65535", ""},
    {"historyControlBucketsGranted", "1.3.6.1.2.1.16.2.1.1.4", kInteger, kRO, "1..65535", ""},
    {"historyControlInterval", "1.3.6.1.2.1.16.2.1.1.5", kInteger, kRO, "1..3600", ""},
    {"historyControlOwner", "1.3.6.1.2.1.16.2.1.1.6", kDisplayString, kRO, "0..127", ""},
    {"historyControlStatus", "1.3.6.1.2.1.16.2.1.1.7", kInteger, kRO, "1..4", ""},

    // RMON alarm group
    {"alarmIndex", "1.3.6.1.2.1.16.3.1.1.1", kInteger, kRO, "1..65535", ""},
    {"alarmInterval", "1.3.6.1.2.1.16.3.1.1.2", kInteger, kRO, "", ""},
    {"alarmVariable", "1.3.6.1.2.1.16.3.1.1.3", kObjectId, kRO, "", ""},
    {"alarmSampleType", "1.3.6.1.2.1.16.3.1.1.4", kInteger, kRO, "1,2", ""},
    {"alarmValue", "1.3.6.1.2.1.16.3.1.1.5", kInteger, kRO, "", ""},
    {"alarmStartupAlarm", "1.3.6.1.2.1.16.3.1.1.6", kInteger, kRO, "1..3", ""},
    {"alarmRisingThreshold", "1.3.6.1.2.1.16.3.1.1.7", kInteger, kRO, "", ""},
    {"alarmFallingThreshold", "1.3.6.1.2.1.16.3.1.1.8", kInteger, kRO, "", ""},
    {"alarmRisingEventIndex", "1.3.6.1.2.1.16.3.1.1.9", kInteger, kRO, "0..65535", ""},
    {"alarmFallingEventIndex", "1.3.6.1.2.1.16.3.1.1.10", kInteger, kRO, "0..65535", ""},
    {"alarmOwner", "1.3.6.1.2.1.16.3.1.1.11", kDisplayString, kRO, "0..127", ""},
    {"alarmStatus", "1.3.6.1.2.1.16.3.1.1.12", kInteger, kRO, "1..4", ""},

    // RMON event group
    {"eventIndex", "1.3.6.1.2.1.16.9.1.1.1", kInteger, kRO, "1..65535", ""},
    {"eventDescription", "1.3.6.1.2.1.16.9.1.1.2", kDisplayString, kRO, "0..127", ""},
    {"eventType", "1.3.6.1.2.1.16.9.1.1.3", kInteger, kRO, "1..4", ""},
    {"eventCommunity", "1.3.6.1.2.1.16.9.1.1.4", kDisplayString, kRO, "0..127", ""},
    {"eventLastTimeSent", "1.3.6.1.2.1.16.9.1.1.5", kTimeTicks, kRO, "", ""},
    {"eventOwner", "1.3.6.1.2.1.16.9.1.1.6", kDisplayString, kRO, "0..127", ""},
    {"eventStatus", "1.3.6.1.2.1.16.9.1.1.7", kInteger, kRO, "1..4", ""},

    // BRIDGE-MIB: transparent bridging port counters and the static filtering table
    {"dot1dTpPort", "1.3.6.1.2.1.17.4.4.1.1", kInteger, kRO, "1..65535", ""},
    {"dot1dTpPortMaxInfo", "1.3.6.1.2.1.17.4.4.1.2", kInteger, kRO, "", ""},
    {"dot1dTpPortInFrames", "1.3.6.1.2.1.17.4.4.1.3", kCounter32, kRO, "", ""},
    {"dot1dTpPortOutFrames", "1.3.6.1.2.1.17.4.4.1.4", kCounter32, kRO, "", ""},
    {"dot1dTpPortInDiscards", "1.3.6.1.2.1.17.4.4.1.5", kCounter32, kRO, "", ""},
    {"dot1dStaticAddress", "1.3.6.1.2.1.17.5.1.1.1", kMacAddress, kRO, "", ""},
    {"dot1dStaticReceivePort", "1.3.6.1.2.1.17.5.1.1.2", kInteger, kRO, "0..65535", ""},
    {"dot1dStaticAllowedToGoTo", "1.3.6.1.2.1.17.5.1.1.3", kOctetString, kRO, "0..512", ""},
    {"dot1dStaticStatus", "1.3.6.1.2.1.17.5.1.1.4", kInteger, kRO, "1..5", ""},

    // P-BRIDGE-MIB
    {"dot1dDeviceCapabilities", "1.3.6.1.2.1.17.6.1.1.1", kOctetString, kRO, "", ""},
    {"dot1dTrafficClassesEnabled", "1.3.6.1.2.1.17.6.1.1.2", kInteger, kRO, "1,2", ""},
    {"dot1dGmrpStatus", "1.3.6.1.2.1.17.6.1.1.3", kInteger, kRO, "1,2", ""},
    {"dot1dPortCapabilities", "1.3.6.1.2.1.17.6.1.1.4.1.1", kOctetString, kRO, "", ""},
    {"dot1dPortDefaultUserPriority", "1.3.6.1.2.1.17.6.1.2.1.1.1", kInteger, kRO, "0..7", ""},
    {"dot1dPortNumTrafficClasses", "1.3.6.1.2.1.17.6.1.2.1.1.2", kInteger, kRO, "1..8", ""},
    {"dot1dTrafficClassPriority", "1.3.6.1.2.1.17.6.1.2.3.1.1", kInteger, kNA, "", ""},
    {"dot1dTrafficClass", "1.3.6.1.2.1.17.6.1.2.3.1.2", kInteger, kRO, "0..7", ""},
    {"dot1dPortGarpJoinTime", "1.3.6.1.2.1.17.6.1.3.1.1.1", kInteger, kRO, "", ""},
    {"dot1dPortGarpLeaveTime", "1.3.6.1.2.1.17.6.1.3.1.1.2", kInteger, kRO, "", ""},
    {"dot1dPortGarpLeaveAllTime", "1.3.6.1.2.1.17.6.1.3.1.1.3", kInteger, kRO, "", ""},
    {"dot1dPortGmrpStatus", "1.3.6.1.2.1.17.6.1.4.1.1.1", kInteger, kRO, "1,2", ""},
    {"dot1dPortGmrpFailedRegistrations", "1.3.6.1.2.1.17.6.1.4.1.1.2", kCounter32, kRO, "", ""},
    {"dot1dPortGmrpLastPduOrigin", "1.3.6.1.2.1.17.6.1.4.1.1.3", kMacAddress, kRO, "", ""},
    {"dot1dPortRestrictedGroupRegistration", "1.3.6.1.2.1.17.6.1.4.1.1.4", kInteger, kRO, "1,2",
     ""},

    // Q-BRIDGE-MIB: filtering databases, their learned entries, and the VLAN settings per port
    {"dot1qFdbId", "1.3.6.1.2.1.17.7.1.2.1.1.1", kInteger, kNA, "", ""},
    {"dot1qFdbDynamicCount", "1.3.6.1.2.1.17.7.1.2.1.1.2", kCounter32, kRO, "", ""},
    {"dot1qTpFdbAddress", "1.3.6.1.2.1.17.7.1.2.2.1.1", kMacAddress, kNA, "", ""},
    {"dot1qTpFdbPort", "1.3.6.1.2.1.17.7.1.2.2.1.2", kInteger, kRO, "0..65535", ""},
    {"dot1qTpFdbStatus", "1.3.6.1.2.1.17.7.1.2.2.1.3", kInteger, kRO, "1..5", ""},
    {"dot1qPvid", "1.3.6.1.2.1.17.7.1.4.5.1.1", kGauge32, kRO, "1..4094", ""},
    {"dot1qPortAcceptableFrameTypes", "1.3.6.1.2.1.17.7.1.4.5.1.2", kInteger, kRO, "1,2", ""},
    {"dot1qPortIngressFiltering", "1.3.6.1.2.1.17.7.1.4.5.1.3", kInteger, kRO, "1,2", ""},
    {"dot1qPortGvrpStatus", "1.3.6.1.2.1.17.7.1.4.5.1.4", kInteger, kRO, "1,2", ""},
    {"dot1qPortGvrpFailedRegistrations", "1.3.6.1.2.1.17.7.1.4.5.1.5", kCounter32, kRO, "", ""},
    {"dot1qPortGvrpLastPduOrigin", "1.3.6.1.2.1.17.7.1.4.5.1.6", kMacAddress, kRO, "", ""},
    {"dot1qPortRestrictedVlanRegistration", "1.3.6.1.2.1.17.7.1.4.5.1.7", kInteger, kRO, "1,2", ""},

    // IF-MIB
    {"ifName", "1.3.6.1.2.1.31.1.1.1.1", kDisplayString, kRO, "", ""},
    {"ifInMulticastPkts", "1.3.6.1.2.1.31.1.1.1.2", kCounter32, kRO, "", ""},
    {"ifInBroadcastPkts", "1.3.6.1.2.1.31.1.1.1.3", kCounter32, kRO, "", ""},
    {"ifOutMulticastPkts", "1.3.6.1.2.1.31.1.1.1.4", kCounter32, kRO, "", ""},
    {"ifOutBroadcastPkts", "1.3.6.1.2.1.31.1.1.1.5", kCounter32, kRO, "", ""},
    {"ifHCInOctets", "1.3.6.1.2.1.31.1.1.1.6", kCounter64, kRO, "", ""},
    {"ifHCInUcastPkts", "1.3.6.1.2.1.31.1.1.1.7", kCounter64, kRO, "", ""},
    {"ifHCInMulticastPkts", "1.3.6.1.2.1.31.1.1.1.8", kCounter64, kRO, "", ""},
    {"ifHCInBroadcastPkts", "1.3.6.1.2.1.31.1.1.1.9", kCounter64, kRO, "", ""},
    {"ifHCOutOctets", "1.3.6.1.2.1.31.1.1.1.10", kCounter64, kRO, "", ""},
    {"ifHCOutUcastPkts", "1.3.6.1.2.1.31.1.1.1.11", kCounter64, kRO, "", ""},
    {"ifHCOutMulticastPkts", "1.3.6.1.2.1.31.1.1.1.12", kCounter64, kRO, "", ""},
    {"ifHCOutBroadcastPkts", "1.3.6.1.2.1.31.1.1.1.13", kCounter64, kRO, "", ""},
    {"ifLinkUpDownTrapEnable", "1.3.6.1.2.1.31.1.1.1.14", kInteger, kRO, "1,2", ""},
    {"ifHighSpeed", "1.3.6.1.2.1.31.1.1.1.15", kGauge32, kRO, "", ""},
    {"ifPromiscuousMode", "1.3.6.1.2.1.31.1.1.1.16", kInteger, kRO, "1,2", ""},
    {"ifConnectorPresent", "1.3.6.1.2.1.31.1.1.1.17", kInteger, kRO, "1,2", ""},
    {"ifAlias", "1.3.6.1.2.1.31.1.1.1.18", kDisplayString, kRO, "0..64", ""},
    {"ifCounterDiscontinuityTime", "1.3.6.1.2.1.31.1.1.1.19", kTimeTicks, kRO, "", ""},
    {"ifStackHigherLayer", "1.3.6.1.2.1.31.1.2.1.1", kInteger, kNA, "", ""},
    {"ifStackLowerLayer", "1.3.6.1.2.1.31.1.2.1.2", kInteger, kNA, "", ""},
    {"ifStackStatus", "1.3.6.1.2.1.31.1.2.1.3", kInteger, kRO, "1..6", ""},
    {"ifTableLastChange", "1.3.6.1.2.1.31.1.5", kTimeTicks, kRO, "", ""},
    {"ifStackLastChange", "1.3.6.1.2.1.31.1.6", kTimeTicks, kRO, "", ""},

    // ENTITY-MIB
    {"entPhysicalIndex", "1.3.6.1.2.1.47.1.1.1.1.1", kInteger, kNA, "", ""},
    {"entPhysicalDescr", "1.3.6.1.2.1.47.1.1.1.1.2", kDisplayString, kRO, "", ""},
    {"entPhysicalVendorType", "1.3.6.1.2.1.47.1.1.1.1.3", kObjectId, kRO, "", ""},
    {"entPhysicalContainedIn", "1.3.6.1.2.1.47.1.1.1.1.4", kInteger, kRO, "0..2147483647", ""},
    {"entPhysicalClass", "1.3.6.1.2.1.47.1.1.1.1.5", kInteger, kRO, "1..12", ""},
    {"entPhysicalParentRelPos", "1.3.6.1.2.1.47.1.1.1.1.6", kInteger, kRO, "-1..2147483647", ""},
    {"entPhysicalName", "1.3.6.1.2.1.47.1.1.1.1.7", kDisplayString, kRO, "", ""},
    {"entPhysicalHardwareRev", "1.3.6.1.2.1.47.1.1.1.1.8", kDisplayString, kRO, "", ""},
    {"entPhysicalFirmwareRev", "1.3.6.1.2.1.47.1.1.1.1.9", kDisplayString, kRO, "", ""},
    {"entPhysicalSoftwareRev", "1.3.6.1.2.1.47.1.1.1.1.10", kDisplayString, kRO, "", ""},
    {"entPhysicalSerialNum", "1.3.6.1.2.1.47.1.1.1.1.11", kDisplayString, kRO, "0..32", ""},
    {"entPhysicalMfgName", "1.3.6.1.2.1.47.1.1.1.1.12", kDisplayString, kRO, "", ""},
    {"entPhysicalModelName", "1.3.6.1.2.1.47.1.1.1.1.13", kDisplayString, kRO, "", ""},
    {"entPhysicalAlias", "1.3.6.1.2.1.47.1.1.1.1.14", kDisplayString, kRO, "0..32", ""},
    {"entPhysicalAssetID", "1.3.6.1.2.1.47.1.1.1.1.15", kDisplayString, kRO, "0..32", ""},
    {"entPhysicalIsFRU", "1.3.6.1.2.1.47.1.1.1.1.16", kInteger, kRO, "1,2", ""},
    {"entPhysicalMfgDate", "1.3.6.1.2.1.47.1.1.1.1.17", kOctetString, kRO, "8,11", ""},
    {"entPhysicalUris", "1.3.6.1.2.1.47.1.1.1.1.18", kOctetString, kRO, "", ""},
    {"entLogicalIndex", "1.3.6.1.2.1.47.1.2.1.1.1", kInteger, kNA, "", ""},
    {"entLogicalDescr", "1.3.6.1.2.1.47.1.2.1.1.2", kDisplayString, kRO, "", ""},
    {"entLogicalType", "1.3.6.1.2.1.47.1.2.1.1.3", kObjectId, kRO, "", ""},
    {"entLogicalCommunity", "1.3.6.1.2.1.47.1.2.1.1.4", kOctetString, kRO, "0..255", ""},
    {"entLogicalTAddress", "1.3.6.1.2.1.47.1.2.1.1.5", kOctetString, kRO, "1..255", ""},
    {"entLogicalTDomain", "1.3.6.1.2.1.47.1.2.1.1.6", kObjectId, kRO, "", ""},
    {"entLogicalContextEngineID", "1.3.6.1.2.1.47.1.2.1.1.7", kOctetString, kRO, "0,5..32", ""},
    {"entLogicalContextName", "1.3.6.1.2.1.47.1.2.1.1.8", kDisplayString, kRO, "0..32", ""},
    {"entLPPhysicalIndex", "1.3.6.1.2.1.47.1.3.1.1.1", kInteger, kRO, "1..2147483647", ""},
    {"entLastChangeTime", "1.3.6.1.2.1.47.1.4.1", kTimeTicks, kRO, "", ""},
};

const SeedValue kSeed[] = {
    {"1.3.6.1.2.1.2.1.0", "26"},  // ifNumber: the 24 front ports and two uplinks

    // ip group: a switch that does not route, with the counters of its management traffic
    {"1.3.6.1.2.1.4.1.0", "2"},  // notForwarding
    {"1.3.6.1.2.1.4.2.0", "64"},
    {"1.3.6.1.2.1.4.3.0", "48213"},
    {"1.3.6.1.2.1.4.4.0", "0"},
    {"1.3.6.1.2.1.4.5.0", "12"},
    {"1.3.6.1.2.1.4.6.0", "0"},
    {"1.3.6.1.2.1.4.7.0", "0"},
    {"1.3.6.1.2.1.4.8.0", "3"},
    {"1.3.6.1.2.1.4.9.0", "48198"},
    {"1.3.6.1.2.1.4.10.0", "47960"},
    {"1.3.6.1.2.1.4.11.0", "0"},
    {"1.3.6.1.2.1.4.12.0", "0"},
    {"1.3.6.1.2.1.4.13.0", "60"},
    {"1.3.6.1.2.1.4.14.0", "0"},
    {"1.3.6.1.2.1.4.15.0", "0"},
    {"1.3.6.1.2.1.4.16.0", "0"},
    {"1.3.6.1.2.1.4.17.0", "0"},
    {"1.3.6.1.2.1.4.18.0", "0"},
    {"1.3.6.1.2.1.4.19.0", "0"},
    // ipAddrTable: the management address 10.90.90.90/8
    {"1.3.6.1.2.1.4.20.1.1.10.90.90.90", "10.90.90.90"},
    {"1.3.6.1.2.1.4.20.1.2.10.90.90.90", "1"},
    {"1.3.6.1.2.1.4.20.1.3.10.90.90.90", "255.0.0.0"},
    {"1.3.6.1.2.1.4.20.1.4.10.90.90.90", "1"},
    {"1.3.6.1.2.1.4.20.1.5.10.90.90.90", "65535"},
    // ipRouteTable: the default route through the gateway 10.90.90.254
    {"1.3.6.1.2.1.4.21.1.1.0.0.0.0", "0.0.0.0"},
    {"1.3.6.1.2.1.4.21.1.2.0.0.0.0", "1"},
    {"1.3.6.1.2.1.4.21.1.3.0.0.0.0", "1"},
    {"1.3.6.1.2.1.4.21.1.4.0.0.0.0", "-1"},
    {"1.3.6.1.2.1.4.21.1.5.0.0.0.0", "-1"},
    {"1.3.6.1.2.1.4.21.1.6.0.0.0.0", "-1"},
    {"1.3.6.1.2.1.4.21.1.7.0.0.0.0", "10.90.90.254"},
    {"1.3.6.1.2.1.4.21.1.8.0.0.0.0", "4"},  // indirect
    {"1.3.6.1.2.1.4.21.1.9.0.0.0.0", "3"},  // netmgmt
    {"1.3.6.1.2.1.4.21.1.10.0.0.0.0", "0"},
    {"1.3.6.1.2.1.4.21.1.11.0.0.0.0", "0.0.0.0"},
    {"1.3.6.1.2.1.4.21.1.12.0.0.0.0", "-1"},
    {"1.3.6.1.2.1.4.21.1.13.0.0.0.0", "0.0"},
    // ... and the directly attached network 10.0.0.0/8
    {"1.3.6.1.2.1.4.21.1.1.10.0.0.0", "10.0.0.0"},
    {"1.3.6.1.2.1.4.21.1.2.10.0.0.0", "1"},
    {"1.3.6.1.2.1.4.21.1.3.10.0.0.0", "0"},
    {"1.3.6.1.2.1.4.21.1.4.10.0.0.0", "-1"},
    {"1.3.6.1.2.1.4.21.1.5.10.0.0.0", "-1"},
    {"1.3.6.1.2.1.4.21.1.6.10.0.0.0", "-1"},
    {"1.3.6.1.2.1.4.21.1.7.10.0.0.0", "10.90.90.90"},
    {"1.3.6.1.2.1.4.21.1.8.10.0.0.0", "3"},  // direct
    {"1.3.6.1.2.1.4.21.1.9.10.0.0.0", "2"},  // local
    {"1.3.6.1.2.1.4.21.1.10.10.0.0.0", "0"},
    {"1.3.6.1.2.1.4.21.1.11.10.0.0.0", "255.0.0.0"},
    {"1.3.6.1.2.1.4.21.1.12.10.0.0.0", "-1"},
    {"1.3.6.1.2.1.4.21.1.13.10.0.0.0", "0.0"},
    {"1.3.6.1.2.1.4.23.0", "0"},

    // icmp group: pings from the management station, answered
    {"1.3.6.1.2.1.5.1.0", "312"},
    {"1.3.6.1.2.1.5.2.0", "0"},
    {"1.3.6.1.2.1.5.3.0", "4"},
    {"1.3.6.1.2.1.5.4.0", "0"},
    {"1.3.6.1.2.1.5.5.0", "0"},
    {"1.3.6.1.2.1.5.6.0", "0"},
    {"1.3.6.1.2.1.5.7.0", "0"},
    {"1.3.6.1.2.1.5.8.0", "306"},
    {"1.3.6.1.2.1.5.9.0", "2"},
    {"1.3.6.1.2.1.5.10.0", "0"},
    {"1.3.6.1.2.1.5.11.0", "0"},
    {"1.3.6.1.2.1.5.12.0", "0"},
    {"1.3.6.1.2.1.5.13.0", "0"},
    {"1.3.6.1.2.1.5.14.0", "317"},
    {"1.3.6.1.2.1.5.15.0", "0"},
    {"1.3.6.1.2.1.5.16.0", "9"},
    {"1.3.6.1.2.1.5.17.0", "0"},
    {"1.3.6.1.2.1.5.18.0", "0"},
    {"1.3.6.1.2.1.5.19.0", "0"},
    {"1.3.6.1.2.1.5.20.0", "0"},
    {"1.3.6.1.2.1.5.21.0", "2"},
    {"1.3.6.1.2.1.5.22.0", "306"},
    {"1.3.6.1.2.1.5.23.0", "0"},
    {"1.3.6.1.2.1.5.24.0", "0"},
    {"1.3.6.1.2.1.5.25.0", "0"},
    {"1.3.6.1.2.1.5.26.0", "0"},

    // udp group: SNMP, SNTP and syslog traffic
    {"1.3.6.1.2.1.7.1.0", "46890"},
    {"1.3.6.1.2.1.7.2.0", "37"},
    {"1.3.6.1.2.1.7.3.0", "0"},
    {"1.3.6.1.2.1.7.4.0", "46702"},

    // RMON history control: port 1 sampled every 30 s and every 30 min
    {"1.3.6.1.2.1.16.2.1.1.1.1", "1"},
    {"1.3.6.1.2.1.16.2.1.1.2.1", "1.3.6.1.2.1.2.2.1.1.1"},
    {"1.3.6.1.2.1.16.2.1.1.3.1", "50"},
    {"1.3.6.1.2.1.16.2.1.1.4.1", "50"},
    {"1.3.6.1.2.1.16.2.1.1.5.1", "30"},
    {"1.3.6.1.2.1.16.2.1.1.6.1", "monitor"},
    {"1.3.6.1.2.1.16.2.1.1.7.1", "1"},
    {"1.3.6.1.2.1.16.2.1.1.1.2", "2"},
    {"1.3.6.1.2.1.16.2.1.1.2.2", "1.3.6.1.2.1.2.2.1.1.1"},
    {"1.3.6.1.2.1.16.2.1.1.3.2", "50"},
    {"1.3.6.1.2.1.16.2.1.1.4.2", "50"},
    {"1.3.6.1.2.1.16.2.1.1.5.2", "1800"},
    {"1.3.6.1.2.1.16.2.1.1.6.2", "monitor"},
    {"1.3.6.1.2.1.16.2.1.1.7.2", "1"},

    // RMON alarm: the packet rate of port 1 against events 1 (rising) and 2 (falling)
    {"1.3.6.1.2.1.16.3.1.1.1.1", "1"},
    {"1.3.6.1.2.1.16.3.1.1.2.1", "60"},
    {"1.3.6.1.2.1.16.3.1.1.3.1", "1.3.6.1.2.1.16.1.1.1.5.1"},
    {"1.3.6.1.2.1.16.3.1.1.4.1", "2"},  // deltaValue
    {"1.3.6.1.2.1.16.3.1.1.5.1", "1412"},
    {"1.3.6.1.2.1.16.3.1.1.6.1", "3"},  // risingOrFallingAlarm
    {"1.3.6.1.2.1.16.3.1.1.7.1", "10000"},
    {"1.3.6.1.2.1.16.3.1.1.8.1", "1000"},
    {"1.3.6.1.2.1.16.3.1.1.9.1", "1"},
    {"1.3.6.1.2.1.16.3.1.1.10.1", "2"},
    {"1.3.6.1.2.1.16.3.1.1.11.1", "monitor"},
    {"1.3.6.1.2.1.16.3.1.1.12.1", "1"},

    // RMON events
    {"1.3.6.1.2.1.16.9.1.1.1.1", "1"},
    {"1.3.6.1.2.1.16.9.1.1.2.1", "Port 1 packet rate rising"},
    {"1.3.6.1.2.1.16.9.1.1.3.1", "4"},  // log-and-trap
    {"1.3.6.1.2.1.16.9.1.1.4.1", "tamrel"},
    {"1.3.6.1.2.1.16.9.1.1.5.1", "0"},
    {"1.3.6.1.2.1.16.9.1.1.6.1", "monitor"},
    {"1.3.6.1.2.1.16.9.1.1.7.1", "1"},
    {"1.3.6.1.2.1.16.9.1.1.1.2", "2"},
    {"1.3.6.1.2.1.16.9.1.1.2.2", "Port 1 packet rate back to normal"},
    {"1.3.6.1.2.1.16.9.1.1.3.2", "2"},  // log
    {"1.3.6.1.2.1.16.9.1.1.4.2", ""},
    {"1.3.6.1.2.1.16.9.1.1.5.2", "0"},
    {"1.3.6.1.2.1.16.9.1.1.6.2", "monitor"},
    {"1.3.6.1.2.1.16.9.1.1.7.2", "1"},

    // dot1dStaticTable: two addresses from any port (receive port 0)
    // 00:1C:F0:AA:00:01 to ports 1-4, permanent
    {"1.3.6.1.2.1.17.5.1.1.1.0.28.240.170.0.1.0", "00:1C:F0:AA:00:01"},
    {"1.3.6.1.2.1.17.5.1.1.2.0.28.240.170.0.1.0", "0"},
    {"1.3.6.1.2.1.17.5.1.1.3.0.28.240.170.0.1.0", "F0 00 00 00"},
    {"1.3.6.1.2.1.17.5.1.1.4.0.28.240.170.0.1.0", "3"},
    // 01:80:C2:00:00:0E (link-local multicast) to no port, deleted on reset
    {"1.3.6.1.2.1.17.5.1.1.1.1.128.194.0.0.14.0", "01:80:C2:00:00:0E"},
    {"1.3.6.1.2.1.17.5.1.1.2.1.128.194.0.0.14.0", "0"},
    {"1.3.6.1.2.1.17.5.1.1.3.1.128.194.0.0.14.0", "00 00 00 00"},
    {"1.3.6.1.2.1.17.5.1.1.4.1.128.194.0.0.14.0", "4"},

    // P-BRIDGE device capabilities: traffic classes, individual-port static entries, IVL,
    // configurable PVID tagging (bits 1, 2, 3 and 6)
    {"1.3.6.1.2.1.17.6.1.1.1.0", "72"},
    {"1.3.6.1.2.1.17.6.1.1.2.0", "1"},
    {"1.3.6.1.2.1.17.6.1.1.3.0", "2"},

    // Q-BRIDGE filtering databases 1 and 20 of VLANs 1 and 20 with their learned addresses
    {"1.3.6.1.2.1.17.7.1.2.1.1.2.1", "4"},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2.20", "2"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2.1.0.28.240.16.0.1", "1"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3.1.0.28.240.16.0.1", "3"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2.1.0.28.240.16.0.2", "2"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3.1.0.28.240.16.0.2", "3"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2.1.0.28.240.16.0.3", "3"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3.1.0.28.240.16.0.3", "3"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2.1.0.28.240.16.0.4", "4"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3.1.0.28.240.16.0.4", "3"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2.1.0.28.240.89.96.0", "0"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3.1.0.28.240.89.96.0", "4"},  // self
    {"1.3.6.1.2.1.17.7.1.2.2.1.2.20.0.28.240.32.0.5", "5"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3.20.0.28.240.32.0.5", "3"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2.20.0.28.240.32.0.6", "6"},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3.20.0.28.240.32.0.6", "3"},

    {"1.3.6.1.2.1.31.1.5.0", "0"},
    {"1.3.6.1.2.1.31.1.6.0", "0"},

    // ENTITY-MIB: one logical entity, the bridge, reached at the management address
    {"1.3.6.1.2.1.47.1.2.1.1.2.1", "NX-596 bridge"},
    {"1.3.6.1.2.1.47.1.2.1.1.3.1", "1.3.6.1.2.1.17"},
    {"1.3.6.1.2.1.47.1.2.1.1.4.1", ""},
    {"1.3.6.1.2.1.47.1.2.1.1.5.1", "0A 5A 5A 5A 00 A1"},  // 10.90.90.90 port 161
    {"1.3.6.1.2.1.47.1.2.1.1.6.1", "1.3.6.1.6.1.1"},      // snmpUDPDomain
    {"1.3.6.1.2.1.47.1.2.1.1.7.1", ""},
    {"1.3.6.1.2.1.47.1.2.1.1.8.1", "nx-ctx"},
    // ... supported by the chassis and both uplink slots
    {"1.3.6.1.2.1.47.1.3.1.1.1.1.1", "1"},
    {"1.3.6.1.2.1.47.1.3.1.1.1.1.2", "2"},
    {"1.3.6.1.2.1.47.1.3.1.1.1.1.3", "3"},
    {"1.3.6.1.2.1.47.1.4.1.0", "0"},
};

// The traffic counted on one port since the switch started.
struct PortTraffic {
  bool up = false;
  bool uplink = false;
  std::uint64_t inOctets = 0, outOctets = 0;  // 64-bit: ifHC*, wrapped for the 32-bit columns
  std::uint64_t inUcast = 0, inMulticast = 0, inBroadcast = 0;
  std::uint64_t outUcast = 0, outMulticast = 0, outBroadcast = 0;
  std::uint64_t inDiscards = 0, inErrors = 0;
  std::uint64_t InPackets() const { return inUcast + inMulticast + inBroadcast; }
  std::uint64_t OutPackets() const { return outUcast + outMulticast + outBroadcast; }
};

PortTraffic Traffic(std::uint32_t port) {
  PortTraffic t;
  t.uplink = port > kFrontPorts;
  t.up = port <= kLinkedPorts;
  if (!t.up) return t;
  // Ports 3 and up have passed 2^32 octets: their 32-bit counters have wrapped.
  t.inOctets = 4000000000ULL + 123456789ULL * port;
  t.outOctets = 3000000000ULL + 98765432ULL * port;
  t.inUcast = 50000ULL * port + 1234;
  t.inMulticast = 300ULL * port;
  t.inBroadcast = 700ULL * port;
  t.outUcast = 45000ULL * port + 4321;
  t.outMulticast = 200ULL * port;
  t.outBroadcast = 150ULL * port;
  t.inDiscards = port;
  t.inErrors = port % 3;
  return t;
}

constexpr const char* kIfEntry = "1.3.6.1.2.1.2.2.1";
constexpr const char* kIfXEntry = "1.3.6.1.2.1.31.1.1.1";
constexpr const char* kIfStackEntry = "1.3.6.1.2.1.31.1.2.1";
constexpr const char* kDot3StatsEntry = "1.3.6.1.2.1.10.7.2.1";
constexpr const char* kEtherStatsEntry = "1.3.6.1.2.1.16.1.1.1";
constexpr const char* kTpPortEntry = "1.3.6.1.2.1.17.4.4.1";
constexpr const char* kPortCapabilitiesEntry = "1.3.6.1.2.1.17.6.1.1.4.1";
constexpr const char* kPortPriorityEntry = "1.3.6.1.2.1.17.6.1.2.1.1";
constexpr const char* kTrafficClassEntry = "1.3.6.1.2.1.17.6.1.2.3.1";
constexpr const char* kPortGarpEntry = "1.3.6.1.2.1.17.6.1.3.1.1";
constexpr const char* kPortGmrpEntry = "1.3.6.1.2.1.17.6.1.4.1.1";
constexpr const char* kPortVlanEntry = "1.3.6.1.2.1.17.7.1.4.5.1";
constexpr const char* kEntPhysicalEntry = "1.3.6.1.2.1.47.1.1.1.1";

void InterfaceRows(RowWriter& row, std::uint32_t port) {
  const PortTraffic t = Traffic(port);
  const Oid index = {port};
  row.Cell(kIfEntry, 1, index, Integer(port));
  row.Cell(kIfEntry, 2, index, Text("Port " + std::to_string(port)));
  row.Cell(kIfEntry, 3, index, Integer(6));  // ethernetCsmacd
  row.Cell(kIfEntry, 4, index, Integer(1500));
  row.Cell(kIfEntry, 5, index, Counter(t.uplink ? 1000000000 : 100000000));
  row.Cell(kIfEntry, 6, index,
           Bytes({0x00, 0x1C, 0xF0, 0x59, 0x60, static_cast<std::uint8_t>(port)}));
  row.Cell(kIfEntry, 7, index, Integer(1));             // up
  row.Cell(kIfEntry, 8, index, Integer(t.up ? 1 : 2));  // up or down
  row.Cell(kIfEntry, 9, index, Counter(t.up ? 1200 + 7 * port : 0));
  row.Cell(kIfEntry, 10, index, Counter(t.inOctets));
  row.Cell(kIfEntry, 11, index, Counter(t.inUcast));
  row.Cell(kIfEntry, 12, index, Counter(t.inMulticast + t.inBroadcast));
  row.Cell(kIfEntry, 13, index, Counter(t.inDiscards));
  row.Cell(kIfEntry, 14, index, Counter(t.inErrors));
  row.Cell(kIfEntry, 15, index, Counter(0));
  row.Cell(kIfEntry, 16, index, Counter(t.outOctets));
  row.Cell(kIfEntry, 17, index, Counter(t.outUcast));
  row.Cell(kIfEntry, 18, index, Counter(t.outMulticast + t.outBroadcast));
  row.Cell(kIfEntry, 19, index, Counter(0));
  row.Cell(kIfEntry, 20, index, Counter(0));
  row.Cell(kIfEntry, 21, index, Counter(0));

  row.Cell(kIfXEntry, 1, index, Text("port" + std::to_string(port)));
  row.Cell(kIfXEntry, 2, index, Counter(t.inMulticast));
  row.Cell(kIfXEntry, 3, index, Counter(t.inBroadcast));
  row.Cell(kIfXEntry, 4, index, Counter(t.outMulticast));
  row.Cell(kIfXEntry, 5, index, Counter(t.outBroadcast));
  row.Cell(kIfXEntry, 6, index, Counter64(t.inOctets));
  row.Cell(kIfXEntry, 7, index, Counter64(t.inUcast));
  row.Cell(kIfXEntry, 8, index, Counter64(t.inMulticast));
  row.Cell(kIfXEntry, 9, index, Counter64(t.inBroadcast));
  row.Cell(kIfXEntry, 10, index, Counter64(t.outOctets));
  row.Cell(kIfXEntry, 11, index, Counter64(t.outUcast));
  row.Cell(kIfXEntry, 12, index, Counter64(t.outMulticast));
  row.Cell(kIfXEntry, 13, index, Counter64(t.outBroadcast));
  row.Cell(kIfXEntry, 14, index, Integer(1));  // enabled
  row.Cell(kIfXEntry, 15, index, Counter(t.uplink ? 1000 : 100));
  row.Cell(kIfXEntry, 16, index, Integer(2));  // false
  row.Cell(kIfXEntry, 17, index, Integer(1));  // true
  row.Cell(kIfXEntry, 18, index,
           Text(t.uplink ? "Uplink slot " + std::to_string(port - kFrontPorts) : ""));
  row.Cell(kIfXEntry, 19, index, Counter(0));

  // No layering: every port stands alone, on top of nothing and below nothing.
  row.Cell(kIfStackEntry, 3, {0, port}, Integer(1));  // active
  row.Cell(kIfStackEntry, 3, {port, 0}, Integer(1));
}

void StatisticsRows(RowWriter& row, std::uint32_t port) {
  const PortTraffic t = Traffic(port);
  const Oid index = {port};
  const std::uint64_t packets = t.InPackets();

  row.Cell(kDot3StatsEntry, 1, index, Integer(port));
  for (std::uint32_t column : {2u, 4u, 5u, 6u, 7u, 8u, 9u, 10u, 11u, 13u, 16u, 18u})
    row.Cell(kDot3StatsEntry, column, index, Counter(0));
  row.Cell(kDot3StatsEntry, 3, index, Counter(t.inErrors));     // FCS errors
  row.Cell(kDot3StatsEntry, 19, index, Integer(t.up ? 3 : 1));  // fullDuplex or unknown
  row.Cell(kDot3StatsEntry, 20, index, Integer(2));             // no rate control
  row.Cell(kDot3StatsEntry, 21, index, Integer(t.up ? 1 : 3));  // rateControlOff or unknown

  // One statistics row per port, its data source the port's ifIndex.
  row.Cell(kEtherStatsEntry, 1, index, Integer(port));
  row.Cell(kEtherStatsEntry, 2, index, Value{Oid{1, 3, 6, 1, 2, 1, 2, 2, 1, 1, port}});
  row.Cell(kEtherStatsEntry, 3, index, Counter(0));
  row.Cell(kEtherStatsEntry, 4, index, Counter(t.inOctets));
  row.Cell(kEtherStatsEntry, 5, index, Counter(packets));
  row.Cell(kEtherStatsEntry, 6, index, Counter(t.inBroadcast));
  row.Cell(kEtherStatsEntry, 7, index, Counter(t.inMulticast));
  row.Cell(kEtherStatsEntry, 8, index, Counter(t.inErrors));
  for (std::uint32_t column : {9u, 10u, 11u, 12u, 13u})
    row.Cell(kEtherStatsEntry, column, index, Counter(0));
  // The size buckets add up to the packet count.
  const std::uint64_t buckets[] = {packets * 40 / 100, packets * 25 / 100, packets * 10 / 100,
                                   packets * 8 / 100, packets * 7 / 100};
  std::uint64_t rest = packets;
  for (std::uint32_t k = 0; k < 5; ++k) {
    row.Cell(kEtherStatsEntry, 14 + k, index, Counter(buckets[k]));
    rest -= buckets[k];
  }
  row.Cell(kEtherStatsEntry, 19, index, Counter(rest));
  row.Cell(kEtherStatsEntry, 20, index, Text("monitor"));
  row.Cell(kEtherStatsEntry, 21, index, Integer(1));  // valid
}

void BridgePortRows(RowWriter& row, std::uint32_t port) {
  const PortTraffic t = Traffic(port);
  const Oid index = {port};
  row.Cell(kTpPortEntry, 1, index, Integer(port));
  row.Cell(kTpPortEntry, 2, index, Integer(1500));
  row.Cell(kTpPortEntry, 3, index, Counter(t.InPackets()));
  row.Cell(kTpPortEntry, 4, index, Counter(t.OutPackets()));
  row.Cell(kTpPortEntry, 5, index, Counter(t.inDiscards));

  // Tagging, configurable acceptable frame types and ingress filtering (bits 0-2).
  row.Cell(kPortCapabilitiesEntry, 1, index, Bytes({0xE0}));
  row.Cell(kPortPriorityEntry, 1, index, Integer(0));
  row.Cell(kPortPriorityEntry, 2, index, Integer(4));
  // The IEEE 802.1D mapping of the eight user priorities onto four traffic classes.
  constexpr std::array<std::int64_t, 8> kClassOfPriority = {1, 0, 0, 1, 2, 2, 3, 3};
  for (std::uint32_t priority = 0; priority < 8; ++priority)
    row.Cell(kTrafficClassEntry, 2, {port, priority}, Integer(kClassOfPriority[priority]));
  // GARP timers in centiseconds: the standard's defaults.
  row.Cell(kPortGarpEntry, 1, index, Integer(20));
  row.Cell(kPortGarpEntry, 2, index, Integer(60));
  row.Cell(kPortGarpEntry, 3, index, Integer(1000));
  row.Cell(kPortGmrpEntry, 1, index, Integer(1));  // enabled (GMRP itself is off)
  row.Cell(kPortGmrpEntry, 2, index, Counter(0));
  row.Cell(kPortGmrpEntry, 3, index, Bytes({0, 0, 0, 0, 0, 0}));
  row.Cell(kPortGmrpEntry, 4, index, Integer(2));  // false
  row.Cell(kPortVlanEntry, 1, index, Counter(1));  // PVID 1
  row.Cell(kPortVlanEntry, 2, index, Integer(1));  // admitAll
  row.Cell(kPortVlanEntry, 3, index, Integer(2));  // no ingress filtering
  row.Cell(kPortVlanEntry, 4, index, Integer(2));  // GVRP disabled
  row.Cell(kPortVlanEntry, 5, index, Counter(0));
  row.Cell(kPortVlanEntry, 6, index, Bytes({0, 0, 0, 0, 0, 0}));
  row.Cell(kPortVlanEntry, 7, index, Integer(2));  // false
}

// One physical entity: the chassis, a slot (container) or a port.
struct PhysicalEntity {
  std::uint32_t index;
  std::string description;
  std::int64_t containedIn;
  std::int64_t entityClass;  // chassis 3, container 5, port 10
  std::int64_t relativePosition;
  std::string name;
};

void PhysicalRow(RowWriter& row, const PhysicalEntity& e) {
  const Oid index = {e.index};
  const bool chassis = e.entityClass == 3;
  row.Cell(kEntPhysicalEntry, 2, index, Text(e.description));
  row.Cell(kEntPhysicalEntry, 3, index,
           Value{chassis ? Oid{1, 3, 6, 1, 4, 1, 99917, 1, 596} : Oid{0, 0}});
  row.Cell(kEntPhysicalEntry, 4, index, Integer(e.containedIn));
  row.Cell(kEntPhysicalEntry, 5, index, Integer(e.entityClass));
  row.Cell(kEntPhysicalEntry, 6, index, Integer(e.relativePosition));
  row.Cell(kEntPhysicalEntry, 7, index, Text(e.name));
  row.Cell(kEntPhysicalEntry, 8, index, Text(chassis ? "A1" : ""));
  row.Cell(kEntPhysicalEntry, 9, index, Text(chassis ? "1.02" : ""));
  row.Cell(kEntPhysicalEntry, 10, index, Text(chassis ? "4.00.012" : ""));
  row.Cell(kEntPhysicalEntry, 11, index, Text(chassis ? "NX596A1000123" : ""));
  row.Cell(kEntPhysicalEntry, 12, index, Text(""));
  row.Cell(kEntPhysicalEntry, 13, index, Text(chassis ? "NX-596" : ""));
  row.Cell(kEntPhysicalEntry, 14, index, Text(""));
  row.Cell(kEntPhysicalEntry, 15, index, Text(""));
  row.Cell(kEntPhysicalEntry, 16, index, Integer(2));  // not field-replaceable
  // Eight zero bytes: the date of manufacture is not known.
  row.Cell(kEntPhysicalEntry, 17, index, Bytes({0, 0, 0, 0, 0, 0, 0, 0}));
  row.Cell(kEntPhysicalEntry, 18, index, Text(""));
}

// The chassis (1), the two uplink slots (2, 3), the front ports 1-24 (4-27) and the uplink
// ports 25 and 26 (28, 29), one in each slot.
void EntityRows(RowWriter& row) {
  PhysicalRow(row, {1, "NX-596 24-port managed Ethernet switch", 0, 3, -1, "Chassis"});
  for (std::uint32_t slot = 1; slot <= 2; ++slot) {
    PhysicalRow(
        row, {1 + slot, "Uplink module slot", 1, 5, static_cast<std::int64_t>(kFrontPorts + slot),
              "Slot " + std::to_string(slot)});
  }
  for (std::uint32_t port = 1; port <= kPortCount; ++port) {
    const bool uplink = port > kFrontPorts;
    PhysicalRow(row,
                {3 + port, uplink ? "1000 Mbps uplink port" : "10/100 Mbps Ethernet port",
                 uplink ? static_cast<std::int64_t>(2 + port - kFrontPorts - 1) : 1, 10,
                 uplink ? 1 : static_cast<std::int64_t>(port), "Port " + std::to_string(port)});
  }
}

}  // namespace

std::span<const char* const> StandardSubtrees() {
  return kSubtrees;
}
std::span<const TableDefinition> StandardTables() {
  return kTables;
}
std::span<const ObjectDefinition> StandardObjects() {
  return kObjects;
}
std::span<const SeedValue> StandardSeed() {
  return kSeed;
}

std::vector<std::pair<Oid, Value>> StandardRows() {
  std::vector<std::pair<Oid, Value>> rows;
  RowWriter row(rows);
  for (std::uint32_t port = 1; port <= kPortCount; ++port) {
    InterfaceRows(row, port);
    StatisticsRows(row, port);
    BridgePortRows(row, port);
  }
  EntityRows(row);
  return rows;
}

}  // namespace nx596
