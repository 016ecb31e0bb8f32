#pragma once

#include "DeviceModel.h"
#include "SeedRows.h"

#include <span>
#include <utility>
#include <vector>

// The standard MIBs a switch of this kind answers besides its own: interfaces and IF-MIB, the
// IP, ICMP and UDP groups, the bridge port tables of BRIDGE-MIB, P-BRIDGE-MIB and Q-BRIDGE-MIB,
// RMON, EtherLike-MIB and ENTITY-MIB. The system and snmp groups are not here: net-snmp's own
// modules serve them. Like the device's own tables, these are plain data; the per-port rows
// are made in code from one description of the 26 ports.
namespace nx596 {

std::span<const char* const> StandardSubtrees();
std::span<const TableDefinition> StandardTables();
std::span<const ObjectDefinition> StandardObjects();
// Scalars and the short tables, written out.
std::span<const SeedValue> StandardSeed();
// One row per port (or per port and priority) of the per-port tables. The instances are
// written numerically from the port number, never through an index encoder.
std::vector<std::pair<Oid, Value>> StandardRows();

// Both definition lists in one, for a model that serves the device's MIBs and the standard ones.
template <typename T>
std::vector<T> Joined(std::span<const T> first, std::span<const T> second) {
  std::vector<T> all(first.begin(), first.end());
  all.insert(all.end(), second.begin(), second.end());
  return all;
}

}  // namespace nx596
