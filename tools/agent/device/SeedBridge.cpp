#include "SeedBridge.h"

#include "SeedRows.h"

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kNA = Access::kNotAccessible;
constexpr Access kRO = Access::kReadOnly;
constexpr Access kRW = Access::kReadWrite;

const char* const kSubtrees[] = {
    "1.3.6.1.2.1.17",     // BRIDGE-MIB
    "1.3.6.1.4.1.99917",  // the device's private subtree
};

constexpr const char* kBasePortEntry = "1.3.6.1.2.1.17.1.4.1";
constexpr const char* kStpPortEntry = "1.3.6.1.4.1.99917.11.63.3.2.16.4.1";

const TableDefinition kTables[] = {
    {"dot1dBasePortTable", kBasePortEntry, {IndexPart::kInteger}, 0},
    {"STP Port Table", kStpPortEntry, {IndexPart::kInteger}, 0},
};

const ObjectDefinition kObjects[] = {
    // name, OID, syntax, access, limits, initial value of a created row
    {"dot1dBasePort", "1.3.6.1.2.1.17.1.4.1.1", kInteger, kNA, "1..65535", ""},
    {"dot1dBasePortIfIndex", "1.3.6.1.2.1.17.1.4.1.2", kInteger, kRO, "", ""},
    {"dot1dBasePortCircuit", "1.3.6.1.2.1.17.1.4.1.3", kObjectId, kRO, "", ""},
    {"dot1dBasePortDelayExceededDiscards", "1.3.6.1.2.1.17.1.4.1.4", kCounter32, kRO, "", ""},
    {"dot1dBasePortMtuExceededDiscards", "1.3.6.1.2.1.17.1.4.1.5", kCounter32, kRO, "", ""},

    // The switch's own spanning tree settings: 2 disabled, 3 enabled; truth values 1 true,
    // 2 false.
    {"STP Forward BPDU", "1.3.6.1.4.1.99917.11.63.3.2.16.1", kInteger, kRW, "2,3", ""},
    {"STP Port", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.1", kInteger, kNA, "1..26", ""},
    // 1 other, 2 disabled, 3 discarding, 4 learning, 5 forwarding, 6 broken, 7 no-stp-enabled,
    // 8 err-disabled.
    {"STP Port Status", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.3", kInteger, kRO, "1..8", ""},
    // 1 disabled, 2 alternate, 3 backup, 4 root, 5 designated, 6 nonStp, 7 loopback.
    {"STP Port Role", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.4", kInteger, kRO, "1..7", ""},
    {"STP Port FBPDU", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.5", kInteger, kRW, "2,3", ""},
    // 1 link-down, then half or full duplex at 10, 100 and 1000 Mbps with or without flow
    // control, up to 13 full-1000Mbps-8023x.
    {"STP Port Link State", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.6", kInteger, kRO, "1..13", ""},
    {"STP Port Protocol Migration", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.7", kInteger, kRW, "1,2",
     ""},
    {"STP Port Admin Edge Port", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.8", kInteger, kRW, "1,2", ""},
    {"STP Port Oper Edge Port", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.9", kInteger, kRO, "1,2", ""},
    // 0 forceTrue, 1 forceFalse, 2 auto.
    {"STP Port Admin Point To Point", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.10", kInteger, kRW,
     "0..2", ""},
    {"STP Port Oper Point To Point", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.11", kInteger, kRO, "1,2",
     ""},
    // 0: the port's speed decides.
    {"STP Port Admin Path Cost", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.12", kGauge32, kRW,
     "0..200000000", ""},
    // A rapid spanning tree port priority goes in steps of 16.
    {"STP Port Priority", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.13", kInteger, kRW,
     "0,16,32,48,64,80,96,112,128,144,160,176,192,208,224,240", ""},
    {"STP Port State", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.14", kInteger, kRW, "2,3", ""},
};

const SeedValue kSeed[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.16.1.0", "2"},  // BPDUs are not forwarded
};

// Writing true checks the port for a neighbour that speaks the old protocol; the object then
// reads false again.
const ActionDefinition kActions[] = {
    {"STP Port Protocol Migration", "1.3.6.1.4.1.99917.11.63.3.2.16.4.1.7", "1", "",
     ActionEffect::kNone, "", "", 2},
};

// Every bridge port is the interface of the same number, on no circuit of its own (0.0). Frames
// too long for a port's MTU came only from the jumbo frames of the host on port 3.
void BasePortRow(RowWriter& row, std::uint32_t port) {
  const Oid index = {port};
  row.Cell(kBasePortEntry, 2, index, Integer(port));
  row.Cell(kBasePortEntry, 3, index, Value{Oid{0, 0}});
  row.Cell(kBasePortEntry, 4, index, Counter(0));
  row.Cell(kBasePortEntry, 5, index, Counter(port == 3 ? 27 : 0));
}

// The spanning tree ports as the standard tables show them: the bridge is the root, so every
// port with a link is a designated port that forwards, the others are disabled. The linked
// front ports run at 100 Mbps full duplex without flow control, hence point to point.
void StpPortRow(RowWriter& row, std::uint32_t port) {
  const Oid index = {port};
  const bool linked = port <= kLinkedPorts;
  row.Cell(kStpPortEntry, 3, index, Integer(linked ? 5 : 2));
  row.Cell(kStpPortEntry, 4, index, Integer(linked ? 5 : 1));
  row.Cell(kStpPortEntry, 5, index, Integer(3));
  row.Cell(kStpPortEntry, 6, index, Integer(linked ? 8 : 1));
  row.Cell(kStpPortEntry, 7, index, Integer(2));
  row.Cell(kStpPortEntry, 8, index, Integer(2));
  row.Cell(kStpPortEntry, 9, index, Integer(2));
  row.Cell(kStpPortEntry, 10, index, Integer(2));
  row.Cell(kStpPortEntry, 11, index, Integer(linked ? 1 : 2));
  row.Cell(kStpPortEntry, 12, index, Counter(0));
  row.Cell(kStpPortEntry, 13, index, Integer(128));
  row.Cell(kStpPortEntry, 14, index, Integer(3));
}

}  // namespace

DevicePart BridgePart() {
  std::vector<std::pair<Oid, Value>> rows;
  RowWriter row(rows);
  for (std::uint32_t port = 1; port <= kPortCount; ++port) {
    BasePortRow(row, port);
    StpPortRow(row, port);
  }
  return {kSubtrees, kTables, kObjects, kSeed, kActions, std::move(rows)};
}

}  // namespace nx596
