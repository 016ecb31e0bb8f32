#include "DeviceRules.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>

namespace nx596 {

namespace {

constexpr std::int64_t kCreateAndGo = 4;
constexpr std::int64_t kCreateAndWait = 5;
constexpr std::int64_t kDestroy = 6;

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

// The instance part of `name` below `object`, or nothing when `name` is not an instance of it.
std::optional<Oid> SuffixOf(const Oid& name, const Oid& object) {
  if (name.size() <= object.size() || !StartsWith(name, object)) return std::nullopt;
  return Oid(name.begin() + static_cast<std::ptrdiff_t>(object.size()), name.end());
}

const std::string* BytesOf(const std::optional<Value>& value) {
  return value ? std::get_if<std::string>(&*value) : nullptr;
}

bool BitSet(const std::string& bytes, std::size_t bit) {
  return bit / 8 < bytes.size() &&
         (static_cast<std::uint8_t>(bytes[bit / 8]) & (0x80u >> (bit % 8))) != 0;
}

bool AnyBit(const std::string* bytes) {
  return bytes && std::ranges::any_of(*bytes, [](char byte) { return byte != 0; });
}

SetCheck Refuse(SetError error, std::size_t index) {
  return {error, index};
}

// The first varbind that writes an instance of `object` with the given index; `fallback` if
// there is none.
std::size_t VarbindOf(std::span<const SetVarbind> varbinds, const Oid& object, const Oid& index,
                      std::size_t fallback) {
  for (std::size_t i = 0; i < varbinds.size(); ++i)
    if (varbinds[i].name == Join(object, index)) return i;
  return fallback;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

PortListRule::PortListRule(const char* object, std::uint32_t ports)
    : object_(Parse(object)), ports_(ports) {}

SetCheck PortListRule::Check(const DeviceModel&, std::span<const SetVarbind> varbinds) const {
  for (std::size_t i = 0; i < varbinds.size(); ++i) {
    if (!SuffixOf(varbinds[i].name, object_)) continue;
    const auto* bytes = std::get_if<std::string>(&varbinds[i].value);
    if (!bytes) continue;
    for (std::size_t bit = ports_; bit < bytes->size() * 8; ++bit)
      if (BitSet(*bytes, bit)) return Refuse(SetError::kWrongValue, i);
  }
  return {};
}

// ---------------------------------------------------------------------------------------------

PortsWithinRule::PortsWithinRule(const char* column, const char* within)
    : column_(Parse(column)), within_(Parse(within)) {}

SetCheck PortsWithinRule::Check(const DeviceModel& model,
                                std::span<const SetVarbind> varbinds) const {
  std::set<Oid> rows;
  for (const SetVarbind& varbind : varbinds) {
    if (auto index = SuffixOf(varbind.name, column_)) rows.insert(*index);
    if (auto index = SuffixOf(varbind.name, within_)) rows.insert(*index);
  }
  for (const Oid& index : rows) {
    const auto ports = model.After(Join(column_, index), varbinds);
    const std::string* bytes = BytesOf(ports);
    if (!bytes) continue;  // the row goes away
    const auto within = model.After(Join(within_, index), varbinds);  // `allowed` points into it
    const std::string* allowed = BytesOf(within);
    for (std::size_t bit = 0; bit < bytes->size() * 8; ++bit) {
      if (!BitSet(*bytes, bit) || (allowed && BitSet(*allowed, bit))) continue;
      const std::size_t at = VarbindOf(varbinds, column_, index,
                                       VarbindOf(varbinds, within_, index, varbinds.size() - 1));
      return Refuse(SetError::kInconsistentValue, at);
    }
  }
  return {};
}

// ---------------------------------------------------------------------------------------------

RowIndexRule::RowIndexRule(const char* rowStatus, std::int64_t low, std::int64_t high,
                           std::vector<std::uint32_t> kept)
    : rowStatus_(Parse(rowStatus)), low_(low), high_(high), kept_(std::move(kept)) {}

SetCheck RowIndexRule::Check(const DeviceModel&, std::span<const SetVarbind> varbinds) const {
  for (std::size_t i = 0; i < varbinds.size(); ++i) {
    const auto index = SuffixOf(varbinds[i].name, rowStatus_);
    const auto* status = std::get_if<std::int64_t>(&varbinds[i].value);
    if (!index || !status || index->size() != 1) continue;
    const auto number = static_cast<std::int64_t>(index->front());
    const bool creates = *status == kCreateAndGo || *status == kCreateAndWait;
    if (creates && (number < low_ || number > high_)) return Refuse(SetError::kNoCreation, i);
    if (*status == kDestroy && std::ranges::count(kept_, index->front()))
      return Refuse(SetError::kWrongValue, i);
  }
  return {};
}

// ---------------------------------------------------------------------------------------------

UniqueColumnRule::UniqueColumnRule(const char* column) : column_(Parse(column)) {}

SetCheck UniqueColumnRule::Check(const DeviceModel& model,
                                 std::span<const SetVarbind> varbinds) const {
  for (std::size_t i = 0; i < varbinds.size(); ++i) {
    const auto index = SuffixOf(varbinds[i].name, column_);
    if (!index) continue;
    const auto value = model.After(varbinds[i].name, varbinds);
    const std::string* name = BytesOf(value);
    if (!name || name->empty()) continue;
    for (const Oid& other : model.IndexesAfter(column_, varbinds)) {
      if (other != *index && model.After(Join(column_, other), varbinds) == value)
        return Refuse(SetError::kInconsistentValue, i);
    }
  }
  return {};
}

// ---------------------------------------------------------------------------------------------

NamedRowRule::NamedRowRule(const char* scalar, const char* column, const char* ports)
    : scalar_(Parse(scalar)), column_(Parse(column)), ports_(Parse(ports)) {}

SetCheck NamedRowRule::Check(const DeviceModel& model, std::span<const SetVarbind> varbinds) const {
  const Oid instance = Join(scalar_, {0});
  const auto name = model.After(instance, varbinds);
  const std::string* text = BytesOf(name);
  if (!text || text->empty()) {
    const Oid ports = Join(ports_, {0});
    for (std::size_t i = 0; i < varbinds.size(); ++i)
      if (varbinds[i].name == ports && AnyBit(BytesOf(model.After(ports, varbinds))))
        return Refuse(SetError::kInconsistentValue, i);
    return {};
  }
  for (const Oid& index : model.IndexesAfter(column_, varbinds))
    if (model.After(Join(column_, index), varbinds) == name) return {};
  // Refused where the name was written, or where its row was renamed or destroyed.
  for (std::size_t i = 0; i < varbinds.size(); ++i)
    if (varbinds[i].name == instance) return Refuse(SetError::kInconsistentValue, i);
  const Oid entry(column_.begin(), column_.end() - 1);
  for (const Oid& index : model.Indexes(column_)) {
    const auto [found, cell] = model.Get(Join(column_, index));
    if (found != DeviceModel::Lookup::kFound || cell->value != *name) continue;
    for (std::size_t i = 0; i < varbinds.size(); ++i) {
      const auto suffix = SuffixOf(varbinds[i].name, entry);
      if (suffix && Oid(suffix->begin() + 1, suffix->end()) == index)
        return Refuse(SetError::kInconsistentValue, i);
    }
  }
  return Refuse(SetError::kInconsistentValue, 0);
}

void NamedRowRule::Settle(DeviceModel& model, std::span<const SetVarbind>, SetUndo& undo) const {
  const auto [found, name] = model.Get(Join(scalar_, {0}));
  if (found != DeviceModel::Lookup::kFound) return;
  const std::string* text = std::get_if<std::string>(&name->value);
  const Oid ports = Join(ports_, {0});
  const auto [present, list] = model.Get(ports);
  if (!text || !text->empty() || present != DeviceModel::Lookup::kFound) return;
  const std::string* bytes = std::get_if<std::string>(&list->value);
  if (AnyBit(bytes)) model.Write(ports, Value{std::string(bytes->size(), '\0')}, undo);
}

// ---------------------------------------------------------------------------------------------

TableTallyRule::TableTallyRule(const char* scalar, const char* column, Tally tally,
                               std::int64_t low, std::int64_t high)
    : scalar_(Parse(scalar)), column_(Parse(column)), tally_(tally), low_(low), high_(high) {}

void TableTallyRule::Settle(DeviceModel& model, std::span<const SetVarbind> varbinds,
                            SetUndo& undo) const {
  const Oid instance = Join(scalar_, {0});
  const std::vector<Oid> rows = model.Indexes(column_);
  switch (tally_) {
    case Tally::kRows:
      model.WriteNumber(instance, static_cast<std::int64_t>(rows.size()), undo);
      return;
    case Tally::kDestroyed: {
      std::int64_t destroyed = 0;
      for (const SetVarbind& varbind : varbinds) {
        if (!SuffixOf(varbind.name, column_)) continue;
        const std::optional<Value>* before = undo.ValueBefore(varbind.name);
        const bool existed = before && before->has_value();
        destroyed += existed && model.Get(varbind.name).first != DeviceModel::Lookup::kFound;
      }
      if (destroyed == 0) return;
      const auto [found, cell] = model.Get(instance);
      const auto* count =
          found == DeviceModel::Lookup::kFound ? std::get_if<std::uint64_t>(&cell->value) : nullptr;
      // A Counter32 wraps.
      model.WriteNumber(
          instance, static_cast<std::int64_t>(((count ? *count : 0) + destroyed) & 0xFFFFFFFFULL),
          undo);
      return;
    }
    case Tally::kLowestFree: {
      std::int64_t free = low_;
      for (const Oid& index : rows)  // in ascending order
        if (index.size() == 1 && static_cast<std::int64_t>(index[0]) == free) ++free;
      model.WriteNumber(instance, free > high_ ? 0 : free, undo);
      return;
    }
  }
}

// ---------------------------------------------------------------------------------------------

MirrorTableRule::MirrorTableRule(const char* sourceColumn, const char* targetEntry, Oid prefix,
                                 std::vector<Column> columns)
    : sourceColumn_(Parse(sourceColumn)),
      sourceEntry_(sourceColumn_.begin(), sourceColumn_.end() - 1),
      targetEntry_(Parse(targetEntry)),
      prefix_(std::move(prefix)),
      columns_(std::move(columns)) {
  if (columns_.empty()) throw std::invalid_argument("a mirror table without columns");
}

void MirrorTableRule::Settle(DeviceModel& model, std::span<const SetVarbind>, SetUndo& undo) const {
  const std::vector<Oid> sources = model.Indexes(sourceColumn_);
  const std::set<Oid> wanted = [&] {
    std::set<Oid> indexes;
    for (const Oid& index : sources) indexes.insert(Join(prefix_, index));
    return indexes;
  }();
  const Oid anyColumn = Join(targetEntry_, {columns_.front().target});
  for (const Oid& index : model.Indexes(anyColumn)) {
    if (wanted.count(index)) continue;
    for (const Column& column : columns_)
      model.Erase(Join(Join(targetEntry_, {column.target}), index), undo);
  }
  const auto sourceValue = [&](std::uint32_t column, const Oid& index) -> std::optional<Value> {
    const auto [found, cell] = model.Get(Join(Join(sourceEntry_, {column}), index));
    if (found != DeviceModel::Lookup::kFound) return std::nullopt;
    return cell->value;
  };
  for (const Oid& index : sources) {
    for (const Column& column : columns_) {
      const Oid instance = Join(Join(targetEntry_, {column.target}), Join(prefix_, index));
      const bool exists = model.Get(instance).first == DeviceModel::Lookup::kFound;
      switch (column.from) {
        case Column::From::kCopy:
          if (auto value = sourceValue(column.a, index)) model.Write(instance, *value, undo);
          break;
        case Column::From::kWithout: {
          const auto all = sourceValue(column.a, index);
          const auto minus = sourceValue(column.b, index);
          std::string bytes = BytesOf(all) ? *BytesOf(all) : std::string();
          const std::string* removed = BytesOf(minus);
          for (std::size_t k = 0; removed && k < bytes.size() && k < removed->size(); ++k)
            bytes[k] = static_cast<char>(bytes[k] & ~(*removed)[k]);
          model.Write(instance, Value{bytes}, undo);
          break;
        }
        case Column::From::kIndex:
          model.WriteNumber(instance, static_cast<std::int64_t>(index.back()), undo);
          break;
        case Column::From::kConstant:
          model.WriteNumber(instance, column.constant, undo);
          break;
        case Column::From::kCreationTime:
          if (!exists) {
            const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - start_);
            model.WriteNumber(instance, elapsed.count() / 10 & 0xFFFFFFFF, undo);
          }
          break;
      }
    }
  }
}

LinearRelationRule::LinearRelationRule(std::vector<Term> terms, std::int64_t least)
    : least_(least) {
  if (terms.empty()) throw std::invalid_argument("a relation without terms");
  for (const Term& term : terms) terms_.emplace_back(term.coefficient, Parse(term.scalar));
}

SetCheck LinearRelationRule::Check(const DeviceModel& model,
                                   std::span<const SetVarbind> varbinds) const {
  const auto written = std::ranges::find_if(varbinds, [&](const SetVarbind& varbind) {
    return std::ranges::any_of(terms_,
                               [&](const auto& term) { return term.second == varbind.name; });
  });
  if (written == varbinds.end()) return {};
  std::int64_t sum = 0;
  for (const auto& [coefficient, scalar] : terms_) {
    const std::optional<Value> value = model.After(scalar, varbinds);
    const auto* number = value ? std::get_if<std::int64_t>(&*value) : nullptr;
    if (!number) return {};  // a scalar the device does not hold yet binds nothing
    sum += coefficient * *number;
  }
  if (sum >= least_) return {};
  return Refuse(SetError::kInconsistentValue, static_cast<std::size_t>(written - varbinds.begin()));
}

// ---------------------------------------------------------------------------------------------

namespace {

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

// ---------------------------------------------------------------------------------------------

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
