#include "FilteringRules.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace nx596 {

namespace {

Oid Parse(const char* text) {
  auto oid = ParseOid(text);
  if (!oid || oid->empty()) throw std::invalid_argument(std::string("bad rule OID ") + text);
  return *oid;
}

Oid Join(const Oid& head, const Oid& tail) {
  Oid joined = head;
  joined.insert(joined.end(), tail.begin(), tail.end());
  return joined;
}

std::optional<Oid> SuffixOf(const Oid& name, const Oid& object) {
  if (name.size() <= object.size() || !StartsWith(name, object)) return std::nullopt;
  return Oid(name.begin() + static_cast<std::ptrdiff_t>(object.size()), name.end());
}

// The port list `bytes` without the ports that `allowed` (the VLAN's, absent when the VLAN is
// gone) does not have.
std::string Within(std::string bytes, const std::string* allowed) {
  for (std::size_t k = 0; k < bytes.size(); ++k)
    bytes[k] = static_cast<char>(bytes[k] & (allowed && k < allowed->size() ? (*allowed)[k] : 0));
  return bytes;
}

}  // namespace

VlanMemberPortsRule::VlanMemberPortsRule(const char* column, const char* vlanPorts)
    : column_(Parse(column)), vlanPorts_(Parse(vlanPorts)) {}

SetCheck VlanMemberPortsRule::Check(const DeviceModel& model,
                                    std::span<const SetVarbind> varbinds) const {
  for (std::size_t i = 0; i < varbinds.size(); ++i) {
    const auto index = SuffixOf(varbinds[i].name, column_);
    const auto* bytes = std::get_if<std::string>(&varbinds[i].value);
    if (!index || !bytes) continue;
    const auto vlan = model.After(Join(vlanPorts_, {index->front()}), varbinds);
    const auto* allowed = vlan ? std::get_if<std::string>(&*vlan) : nullptr;
    if (Within(*bytes, allowed) != *bytes) return {SetError::kInconsistentValue, i};
  }
  return {};
}

void VlanMemberPortsRule::Settle(DeviceModel& model, std::span<const SetVarbind>,
                                 SetUndo& undo) const {
  for (const Oid& index : model.Indexes(column_)) {
    const Oid instance = Join(column_, index);
    const auto [found, cell] = model.Get(instance);
    const auto* bytes =
        found == DeviceModel::Lookup::kFound ? std::get_if<std::string>(&cell->value) : nullptr;
    if (!bytes) continue;
    const auto [vlanFound, vlan] = model.Get(Join(vlanPorts_, {index.front()}));
    const auto* allowed =
        vlanFound == DeviceModel::Lookup::kFound ? std::get_if<std::string>(&vlan->value) : nullptr;
    if (std::string kept = Within(*bytes, allowed); kept != *bytes)
      model.Write(instance, Value{std::move(kept)}, undo);
  }
}

FollowingColumnsRule::FollowingColumnsRule(const char* sourceColumn,
                                           std::vector<std::pair<const char*, Value>> columns)
    : sourceColumn_(Parse(sourceColumn)) {
  if (columns.empty()) throw std::invalid_argument("following columns without columns");
  for (auto& [column, start] : columns) columns_.emplace_back(Parse(column), std::move(start));
}

void FollowingColumnsRule::Settle(DeviceModel& model, std::span<const SetVarbind>,
                                  SetUndo& undo) const {
  const std::vector<Oid> sources = model.Indexes(sourceColumn_);
  for (const auto& [column, start] : columns_) {
    for (const Oid& index : model.Indexes(column))
      if (!std::binary_search(sources.begin(), sources.end(), index))
        model.Erase(Join(column, index), undo);
    for (const Oid& index : sources) {
      const Oid instance = Join(column, index);
      if (model.Get(instance).first != DeviceModel::Lookup::kFound)
        model.Write(instance, start, undo);
    }
  }
}

}  // namespace nx596
