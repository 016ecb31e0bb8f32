#pragma once

#include "DeviceModel.h"

#include <span>
#include <utility>
#include <vector>

// What the simulated NX-596 knows and starts with, as plain tables: the subtrees the device
// model serves, the definition of every object in them, and the values of a freshly booted
// switch. Extend the tables, not the code, to teach the device more.
namespace nx596 {

std::span<const char* const> DeviceSubtrees();
std::span<const TableDefinition> DeviceTables();
std::span<const ObjectDefinition> DeviceObjects();
std::span<const SeedValue> DeviceSeed();
// The objects whose writing starts something: clear-alls, file transfers, saves, cable tests.
std::span<const ActionDefinition> DeviceActions();
// One row per port of the per-port tables (port utilisation, IP-MAC binding ports, cable
// diagnostics, LACP ports) and one per link aggregation group, written numerically in code.
std::vector<std::pair<Oid, Value>> DeviceRows();

// The column of the community table whose rows name the agent's own engine, filled in at start.
inline constexpr const char* kCommunityContextEngineIdColumn = "1.3.6.1.6.3.18.1.1.1.4";

// The rows of dot1dTpFdbTable: `count` learned addresses 00:1C:xx:xx:xx:xx, numbered upwards,
// spread over ports 1..24. Each entry is an instance and its value; the instances are built
// from the address bytes, the way the table's index is defined.
std::vector<std::pair<Oid, Value>> ForwardingRows(std::uint32_t count);

}  // namespace nx596
