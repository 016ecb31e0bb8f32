#pragma once

#include "DeviceModel.h"

#include <memory>
#include <span>
#include <utility>
#include <vector>

// The simulated switch is taught one area at a time: each area (the device's own objects, the
// standard MIBs, the VLANs, ...) is a part with its subtrees, definitions, start values, per-port
// rows and actions, kept in a file of its own (Seed*.cpp). The model serves all parts as one
// switch: one object is defined and seeded by one part only.
namespace nx596 {

struct DevicePart {
  std::span<const char* const> subtrees;  // may repeat another part's subtree
  std::span<const TableDefinition> tables;
  std::span<const ObjectDefinition> objects;
  std::span<const SeedValue> seed;
  std::span<const ActionDefinition> actions;
  std::vector<std::pair<Oid, Value>> rows;  // rows made in code, instances written numerically
  std::vector<std::shared_ptr<const ModelRule>> rules = {};  // rules spanning several objects
};

// Every part, in the order the model takes them.
std::vector<DevicePart> DeviceParts();

// The model of a freshly booted switch made of these parts. A definition or start value given by
// two parts, or one that does not fit its object, stops it with std::invalid_argument.
std::unique_ptr<DeviceModel> ModelOfParts(std::vector<DevicePart> parts);

// What all parts define, joined; subtrees without repeats.
std::vector<const char*> AllSubtrees(const std::vector<DevicePart>& parts);
std::vector<TableDefinition> AllTables(const std::vector<DevicePart>& parts);
std::vector<ObjectDefinition> AllObjects(const std::vector<DevicePart>& parts);
std::vector<ActionDefinition> AllActions(const std::vector<DevicePart>& parts);

}  // namespace nx596
