#include "SeedBridge.h"

#include "SeedRows.h"

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kNA = Access::kNotAccessible;
constexpr Access kRO = Access::kReadOnly;

const char* const kSubtrees[] = {
    "1.3.6.1.2.1.17",  // BRIDGE-MIB
};

constexpr const char* kBasePortEntry = "1.3.6.1.2.1.17.1.4.1";

const TableDefinition kTables[] = {
    {"dot1dBasePortTable", kBasePortEntry, {IndexPart::kInteger}, 0},
};

const ObjectDefinition kObjects[] = {
    // name, OID, syntax, access, limits, initial value of a created row
    {"dot1dBasePort", "1.3.6.1.2.1.17.1.4.1.1", kInteger, kNA, "1..65535", ""},
    {"dot1dBasePortIfIndex", "1.3.6.1.2.1.17.1.4.1.2", kInteger, kRO, "", ""},
    {"dot1dBasePortCircuit", "1.3.6.1.2.1.17.1.4.1.3", kObjectId, kRO, "", ""},
    {"dot1dBasePortDelayExceededDiscards", "1.3.6.1.2.1.17.1.4.1.4", kCounter32, kRO, "", ""},
    {"dot1dBasePortMtuExceededDiscards", "1.3.6.1.2.1.17.1.4.1.5", kCounter32, kRO, "", ""},
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

}  // namespace

DevicePart BridgePart() {
  std::vector<std::pair<Oid, Value>> rows;
  RowWriter row(rows);
  for (std::uint32_t port = 1; port <= kPortCount; ++port) BasePortRow(row, port);
  return {kSubtrees, kTables, kObjects, {}, {}, std::move(rows)};
}

}  // namespace nx596
