#include "SeedSpanningTree.h"

#include "DeviceRules.h"
#include "SeedRows.h"

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kNA = Access::kNotAccessible;
constexpr Access kRO = Access::kReadOnly;
constexpr Access kRW = Access::kReadWrite;

constexpr const char* kPortEntry = "1.3.6.1.2.1.17.2.15.1";
constexpr const char* kExtPortEntry = "1.3.6.1.2.1.17.2.19.1";

const char* const kSubtrees[] = {
    "1.3.6.1.2.1.17",  // BRIDGE-MIB, with RSTP-MIB's objects inside dot1dStp
};

const TableDefinition kTables[] = {
    {"dot1dStpPortTable", kPortEntry, {IndexPart::kInteger}, 0},
    {"dot1dStpExtPortTable", kExtPortEntry, {IndexPart::kInteger}, 0},
};

// Timers are in hundredths of a second. A rapid spanning tree bridge takes its priority in steps
// of 4096, because the low twelve bits of the bridge identifier carry the system ID extension.
const ObjectDefinition kObjects[] = {
    {"dot1dStpProtocolSpecification", "1.3.6.1.2.1.17.2.1", kInteger, kRO, "1..3", ""},
    {"dot1dStpPriority", "1.3.6.1.2.1.17.2.2", kInteger, kRW,
     "0,4096,8192,12288,16384,20480,24576,28672,32768,36864,40960,45056,49152,53248,57344,61440",
     ""},
    {"dot1dStpTimeSinceTopologyChange", "1.3.6.1.2.1.17.2.3", kTimeTicks, kRO, "", ""},
    {"dot1dStpTopChanges", "1.3.6.1.2.1.17.2.4", kCounter32, kRO, "", ""},
    {"dot1dStpDesignatedRoot", "1.3.6.1.2.1.17.2.5", kOctetString, kRO, "8", ""},
    {"dot1dStpRootCost", "1.3.6.1.2.1.17.2.6", kInteger, kRO, "", ""},
    {"dot1dStpRootPort", "1.3.6.1.2.1.17.2.7", kInteger, kRO, "", ""},
    {"dot1dStpMaxAge", "1.3.6.1.2.1.17.2.8", kInteger, kRO, "", ""},
    {"dot1dStpHelloTime", "1.3.6.1.2.1.17.2.9", kInteger, kRO, "", ""},
    {"dot1dStpHoldTime", "1.3.6.1.2.1.17.2.10", kInteger, kRO, "", ""},
    {"dot1dStpForwardDelay", "1.3.6.1.2.1.17.2.11", kInteger, kRO, "", ""},
    {"dot1dStpBridgeMaxAge", "1.3.6.1.2.1.17.2.12", kInteger, kRW, "600..4000", ""},
    {"dot1dStpBridgeHelloTime", "1.3.6.1.2.1.17.2.13", kInteger, kRW, "100..1000", ""},
    {"dot1dStpBridgeForwardDelay", "1.3.6.1.2.1.17.2.14", kInteger, kRW, "400..3000", ""},
    // 0 stpCompatible, 2 rstp.
    {"dot1dStpVersion", "1.3.6.1.2.1.17.2.16", kInteger, kRW, "0,2", ""},
    {"dot1dStpTxHoldCount", "1.3.6.1.2.1.17.2.17", kInteger, kRW, "1..10", ""},
    // 1 stp8021d1998, 2 stp8021t2001.
    {"dot1dStpPathCostDefault", "1.3.6.1.2.1.17.2.18", kInteger, kRW, "1,2", ""},

    {"dot1dStpPort", "1.3.6.1.2.1.17.2.15.1.1", kInteger, kRO, "1..65535", ""},
    // A rapid spanning tree port takes its priority in steps of 16, as its private twin does.
    {"dot1dStpPortPriority", "1.3.6.1.2.1.17.2.15.1.2", kInteger, kRW,
     "0,16,32,48,64,80,96,112,128,144,160,176,192,208,224,240", ""},
    // 1 disabled, 2 blocking, 3 listening, 4 learning, 5 forwarding, 6 broken.
    {"dot1dStpPortState", "1.3.6.1.2.1.17.2.15.1.3", kInteger, kRO, "1..6", ""},
    {"dot1dStpPortEnable", "1.3.6.1.2.1.17.2.15.1.4", kInteger, kRW, "1,2", ""},
    {"dot1dStpPortPathCost", "1.3.6.1.2.1.17.2.15.1.5", kInteger, kRW, "1..65535", ""},
    {"dot1dStpPortDesignatedRoot", "1.3.6.1.2.1.17.2.15.1.6", kOctetString, kRO, "8", ""},
    {"dot1dStpPortDesignatedCost", "1.3.6.1.2.1.17.2.15.1.7", kInteger, kRO, "", ""},
    {"dot1dStpPortDesignatedBridge", "1.3.6.1.2.1.17.2.15.1.8", kOctetString, kRO, "8", ""},
    {"dot1dStpPortDesignatedPort", "1.3.6.1.2.1.17.2.15.1.9", kOctetString, kRO, "2", ""},
    {"dot1dStpPortForwardTransitions", "1.3.6.1.2.1.17.2.15.1.10", kCounter32, kRO, "", ""},
    {"dot1dStpPortPathCost32", "1.3.6.1.2.1.17.2.15.1.11", kInteger, kRW, "1..200000000", ""},

    // Truth values: 1 true, 2 false.
    {"dot1dStpPortProtocolMigration", "1.3.6.1.2.1.17.2.19.1.1", kInteger, kRW, "1,2", ""},
    {"dot1dStpPortAdminEdgePort", "1.3.6.1.2.1.17.2.19.1.2", kInteger, kRW, "1,2", ""},
    {"dot1dStpPortOperEdgePort", "1.3.6.1.2.1.17.2.19.1.3", kInteger, kRO, "1,2", ""},
    // 0 forceTrue, 1 forceFalse, 2 auto.
    {"dot1dStpPortAdminPointToPoint", "1.3.6.1.2.1.17.2.19.1.4", kInteger, kRW, "0..2", ""},
    {"dot1dStpPortOperPointToPoint", "1.3.6.1.2.1.17.2.19.1.5", kInteger, kRO, "1,2", ""},
    // The device serves the administrative path cost as a Gauge32; 0 lets the port's speed
    // decide.
    {"dot1dStpPortAdminPathCost", "1.3.6.1.2.1.17.2.19.1.6", kGauge32, kRW, "0..200000000", ""},
};

// The bridge 00:1C:F0:59:60:00 with priority 32768 is the root, with the standard's timers.
const SeedValue kSeed[] = {
    {"1.3.6.1.2.1.17.2.1.0", "3"},  // ieee8021d
    {"1.3.6.1.2.1.17.2.2.0", "32768"}, {"1.3.6.1.2.1.17.2.3.0", "1234500"},
    {"1.3.6.1.2.1.17.2.4.0", "4"},     {"1.3.6.1.2.1.17.2.5.0", "80 00 00 1C F0 59 60 00"},
    {"1.3.6.1.2.1.17.2.6.0", "0"},     {"1.3.6.1.2.1.17.2.7.0", "0"},
    {"1.3.6.1.2.1.17.2.8.0", "2000"},  {"1.3.6.1.2.1.17.2.9.0", "200"},
    {"1.3.6.1.2.1.17.2.10.0", "100"},  {"1.3.6.1.2.1.17.2.11.0", "1500"},
    {"1.3.6.1.2.1.17.2.12.0", "2000"}, {"1.3.6.1.2.1.17.2.13.0", "200"},
    {"1.3.6.1.2.1.17.2.14.0", "1500"}, {"1.3.6.1.2.1.17.2.16.0", "2"},
    {"1.3.6.1.2.1.17.2.17.0", "3"},    {"1.3.6.1.2.1.17.2.18.0", "2"},
};

// Writing true starts a migration check on the port; the object always reads false.
const ActionDefinition kActions[] = {
    {"Protocol Migration", "1.3.6.1.2.1.17.2.19.1.1", "1", "", ActionEffect::kNone, "", "", 2},
};

// An 802.1D bridge keeps 2 * (forward delay - 1 s) >= max age >= 2 * (hello time + 1 s); a
// write that would break it is refused with inconsistentValue.
std::vector<std::shared_ptr<const ModelRule>> TimerRules() {
  using Term = LinearRelationRule::Term;
  constexpr const char* kMaxAge = "1.3.6.1.2.1.17.2.12.0";
  constexpr const char* kHelloTime = "1.3.6.1.2.1.17.2.13.0";
  constexpr const char* kForwardDelay = "1.3.6.1.2.1.17.2.14.0";
  return {
      std::make_shared<LinearRelationRule>(std::vector<Term>{{2, kForwardDelay}, {-1, kMaxAge}},
                                           200),
      std::make_shared<LinearRelationRule>(std::vector<Term>{{1, kMaxAge}, {-2, kHelloTime}}, 200),
  };
}

void PortRows(RowWriter& row, std::uint32_t port) {
  const Oid index = {port};
  const bool linked = port <= kLinkedPorts;
  const bool uplink = port > kFrontPorts;
  // 802.1t costs: 200000 for the 100 Mb/s front ports, 20000 for the gigabit uplinks; the
  // 16-bit column reports its maximum when the cost does not fit.
  const std::int64_t cost = uplink ? 20000 : 200000;
  const Value bridge = Bytes({0x80, 0x00, 0x00, 0x1C, 0xF0, 0x59, 0x60, 0x00});
  row.Cell(kPortEntry, 1, index, Integer(port));
  row.Cell(kPortEntry, 2, index, Integer(128));
  row.Cell(kPortEntry, 3, index, Integer(linked ? 5 : 1));
  row.Cell(kPortEntry, 4, index, Integer(1));
  row.Cell(kPortEntry, 5, index, Integer(cost > 65535 ? 65535 : cost));
  row.Cell(kPortEntry, 6, index, bridge);
  row.Cell(kPortEntry, 7, index, Integer(0));
  row.Cell(kPortEntry, 8, index, bridge);
  row.Cell(kPortEntry, 9, index, Bytes({0x80, static_cast<std::uint8_t>(port)}));
  row.Cell(kPortEntry, 10, index, Counter(linked ? 1 : 0));
  row.Cell(kPortEntry, 11, index, Integer(cost));

  row.Cell(kExtPortEntry, 1, index, Integer(2));
  row.Cell(kExtPortEntry, 2, index, Integer(2));
  row.Cell(kExtPortEntry, 3, index, Integer(2));
  row.Cell(kExtPortEntry, 4, index, Integer(2));
  row.Cell(kExtPortEntry, 5, index, Integer(linked ? 1 : 2));
  row.Cell(kExtPortEntry, 6, index, Value{std::uint64_t{0}});
}

}  // namespace

DevicePart SpanningTreePart() {
  std::vector<std::pair<Oid, Value>> rows;
  RowWriter row(rows);
  for (std::uint32_t port = 1; port <= kPortCount; ++port) PortRows(row, port);
  return {kSubtrees, kTables, kObjects, kSeed, kActions, std::move(rows), TimerRules()};
}

}  // namespace nx596
