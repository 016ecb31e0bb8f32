#include "DeviceModel.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <stdexcept>

namespace nx596 {

namespace {

constexpr std::int64_t kRowActive = 1;
constexpr std::int64_t kRowNotInService = 2;
constexpr std::int64_t kRowNotReady = 3;
constexpr std::int64_t kRowCreateAndGo = 4;
constexpr std::int64_t kRowCreateAndWait = 5;
constexpr std::int64_t kRowDestroy = 6;

bool IsStringSyntax(Syntax syntax) {
  return syntax == Syntax::kDisplayString || syntax == Syntax::kOctetString ||
         syntax == Syntax::kMacAddress || syntax == Syntax::kIpAddress;
}

std::int64_t ParseLimit(std::string_view text, std::string_view owner) {
  std::int64_t number = 0;
  auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || ptr != text.data() + text.size()) {
    throw std::invalid_argument("bad limit \"" + std::string(text) + "\" of " + std::string(owner));
  }
  return number;
}

// "2,3" or "1..4" or "0..255,300": a list of values and ranges.
std::vector<std::pair<std::int64_t, std::int64_t>> ParseLimits(std::string_view text,
                                                               std::string_view owner) {
  std::vector<std::pair<std::int64_t, std::int64_t>> limits;
  while (!text.empty()) {
    auto comma = text.find(',');
    auto item = text.substr(0, comma);
    auto dots = item.find("..");
    if (dots == std::string_view::npos) {
      auto value = ParseLimit(item, owner);
      limits.emplace_back(value, value);
    } else {
      limits.emplace_back(ParseLimit(item.substr(0, dots), owner),
                          ParseLimit(item.substr(dots + 2), owner));
    }
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return limits;
}

bool WithinLimits(const std::vector<std::pair<std::int64_t, std::int64_t>>& limits,
                  std::int64_t value) {
  if (limits.empty()) return true;
  for (auto [low, high] : limits) {
    if (value >= low && value <= high) return true;
  }
  return false;
}

bool ValidIndex(const std::vector<IndexPart>& parts, const Oid& index) {
  std::size_t at = 0;
  auto octets = [&](std::size_t count) {
    if (index.size() - at < count) return false;
    for (std::size_t i = 0; i < count; ++i) {
      if (index[at + i] > 255) return false;
    }
    at += count;
    return true;
  };
  for (auto part : parts) {
    switch (part) {
      case IndexPart::kInteger:
        if (at >= index.size() || index[at] > 0x7fffffff) return false;
        ++at;
        break;
      case IndexPart::kIpAddress:
        if (!octets(4)) return false;
        break;
      case IndexPart::kMacAddress:
        if (!octets(6)) return false;
        break;
      case IndexPart::kString: {
        if (at >= index.size()) return false;
        auto length = index[at++];
        if (!octets(length)) return false;
        break;
      }
      case IndexPart::kImpliedString:
        if (at >= index.size() || !octets(index.size() - at)) return false;
        break;
    }
  }
  return at == index.size();
}

}  // namespace

bool DeviceModel::Object::IsRowStatus() const {
  return table && table->rowStatusColumn != 0 && table->rowStatusColumn == column;
}

DeviceModel::DeviceModel(std::span<const TableDefinition> tables,
                         std::span<const ObjectDefinition> objects,
                         std::span<const ActionDefinition> actions) {
  std::map<Oid, Table*> tablesByEntry;
  for (const auto& definition : tables) {
    auto entry = ParseOid(definition.entry);
    if (!entry) throw std::invalid_argument(std::string("bad entry OID of ") + definition.name);
    auto table = std::make_unique<Table>();
    table->name = definition.name;
    table->entry = *entry;
    table->index = definition.index;
    table->rowStatusColumn = definition.rowStatusColumn;
    table->columnsWithDestroy = definition.columnsWithDestroy;
    table->deletingStatus = definition.deletingStatus;
    if (!definition.required.empty() && definition.rowStatusColumn == 0) {
      throw std::invalid_argument("required columns of " + table->name +
                                  ", which has no rows to create");
    }
    tablesByEntry[*entry] = table.get();
    tables_.push_back(std::move(table));
  }
  for (const auto& definition : objects) {
    auto oid = ParseOid(definition.oid);
    if (!oid) throw std::invalid_argument(std::string("bad OID of ") + definition.name);
    Object object{definition.name,
                  *oid,
                  definition.syntax,
                  definition.access,
                  ParseLimits(definition.limits, definition.name),
                  ZeroValue(definition.syntax)};
    if (object.limits.empty() && definition.syntax == Syntax::kDisplayString) {
      object.limits = {{0, 255}};
    }
    if (definition.growthPerRead != 0) {
      if ((definition.syntax != Syntax::kCounter32 && definition.syntax != Syntax::kCounter64) ||
          definition.access != Access::kReadOnly) {
        throw std::invalid_argument(std::string("growth of no read-only counter: ") +
                                    definition.name);
      }
      object.growthPerRead = definition.growthPerRead;
    }
    if (*definition.initial) {
      auto initial = ParseValue(definition.syntax, definition.initial);
      if (!initial)
        throw std::invalid_argument(std::string("bad initial value of ") + definition.name);
      object.initial = *initial;
    }
    Oid parent(oid->begin(), oid->end() - 1);
    if (auto found = tablesByEntry.find(parent); found != tablesByEntry.end()) {
      object.table = found->second;
      object.column = oid->back();
    }
    auto [where, added] = objects_.emplace(*oid, std::move(object));
    if (!added)
      throw std::invalid_argument(std::string("object defined twice: ") + definition.name);
  }
  for (const auto& [oid, object] : objects_) {
    if (object.table && object.access != Access::kNotAccessible) {
      tablesByEntry.at(object.table->entry)->columns.push_back(&object);
    }
  }
  for (std::size_t t = 0; t < tables_.size(); ++t) {
    Table& table = *tables_[t];
    if (table.rowStatusColumn == 0) continue;
    auto column = [&](std::uint32_t number) -> Object* {
      Oid oid = table.entry;
      oid.push_back(number);
      auto found = objects_.find(oid);
      return found == objects_.end() ? nullptr : &found->second;
    };
    const Object* status = column(table.rowStatusColumn);
    if (!status || status->syntax != Syntax::kInteger || status->access != Access::kReadWrite) {
      throw std::invalid_argument("RowStatus column of " + table.name + " is not defined");
    }
    for (std::uint32_t number : tables[t].required) {
      const Object* required = column(number);
      if (!required || required->access != Access::kReadWrite || required == status) {
        throw std::invalid_argument("required column " + std::to_string(number) + " of " +
                                    table.name + " is no writable column");
      }
      table.required.push_back(required);
    }
    // A created row must hold only values the device would accept from a SET.
    for (const Object* object : table.columns) {
      if (object == status || std::ranges::count(table.required, object)) continue;
      const SetVarbind initial{object->oid, AsnTypeOf(object->syntax), object->initial};
      if (CheckValue(*object, initial) != SetError::kNoError) {
        throw std::invalid_argument("initial value of " + object->name + " is outside its limits");
      }
    }
  }
  for (std::size_t t = 0; t < tables_.size(); ++t) {
    if (!*tables[t].parent) continue;
    Table& table = *tables_[t];
    auto parent = ParseOid(tables[t].parent);
    auto found = parent ? tablesByEntry.find(*parent) : tablesByEntry.end();
    if (found == tablesByEntry.end())
      throw std::invalid_argument("no parent table of " + table.name);
    table.parent = found->second;
    const auto& parts = table.parent->index;
    if (parts.size() >= table.index.size() ||
        !std::equal(parts.begin(), parts.end(), table.index.begin())) {
      throw std::invalid_argument("the index of " + table.name +
                                  " does not begin with its parent's");
    }
    for (auto part : parts) {
      if (part != IndexPart::kInteger && part != IndexPart::kIpAddress) {
        throw std::invalid_argument("the parent index of " + table.name + " has no fixed length");
      }
      table.parentIndexLength += part == IndexPart::kInteger ? 1 : 4;
    }
  }
  for (const auto& definition : actions) AddAction(definition);
}

void DeviceModel::AddAction(const ActionDefinition& definition) {
  const std::string name = definition.name;
  auto fail = [&](const std::string& why) {
    throw std::invalid_argument("action " + name + ": " + why);
  };
  auto oid = [&](const char* text) {
    auto parsed = ParseOid(text);
    if (!parsed) fail(std::string("bad OID ") + text);
    return *parsed;
  };
  auto valueOf = [&](const Object& object, std::string_view text) {
    auto value = ParseValue(object.syntax, text);
    if (!value) fail("\"" + std::string(text) + "\" is no " + SyntaxName(object.syntax));
    if (CheckValue(object, {object.oid, AsnTypeOf(object.syntax), *value}) != SetError::kNoError)
      fail("\"" + std::string(text) + "\" is outside the limits of " + object.name);
    return *value;
  };
  auto written = [&](const Object& object, std::int64_t number) {
    return CheckValue(object, {object.oid, asn::kInteger, Value{number}}) == SetError::kNoError;
  };

  auto trigger = objects_.find(oid(definition.trigger));
  if (trigger == objects_.end() || trigger->second.syntax != Syntax::kInteger ||
      trigger->second.access != Access::kReadWrite || trigger->second.IsRowStatus()) {
    fail("the trigger is no writable integer");
  }
  Action action{name,
                &trigger->second,
                ParseLimits(definition.start, name),
                nullptr,
                {},
                definition.effect,
                {},
                {},
                {},
                definition.idle};
  const Object& object = *action.trigger;
  for (auto [low, high] : action.start) {
    if (!written(object, low) || !written(object, high)) fail("a start value the trigger refuses");
  }
  if (!written(object, action.idle)) fail("an idle value the trigger refuses");
  for (const Action& other : actions_) {
    if (other.trigger == action.trigger && other.idle != action.idle) fail("a second idle value");
  }
  // "column=value" pairs of the trigger's own row.
  auto rowValues = [&](std::string_view text) {
    if (!object.table) fail("a row effect on a scalar");
    std::vector<std::pair<const Object*, Value>> values;
    while (!text.empty()) {
      auto comma = text.find(',');
      auto item = text.substr(0, comma);
      auto equals = item.find('=');
      if (equals == std::string_view::npos)
        fail("\"" + std::string(item) + "\" is no column=value");
      Oid column = object.table->entry;
      column.push_back(static_cast<std::uint32_t>(ParseLimit(item.substr(0, equals), name)));
      auto found = objects_.find(column);
      if (found == objects_.end() || found->second.access == Access::kNotAccessible)
        fail("no column " + std::string(item.substr(0, equals)));
      values.emplace_back(&found->second, valueOf(found->second, item.substr(equals + 1)));
      if (comma == std::string_view::npos) break;
      text.remove_prefix(comma + 1);
    }
    return values;
  };
  if (*definition.when) {
    auto when = rowValues(definition.when);
    if (when.size() != 1) fail("a condition on more than one column");
    action.whenColumn = when[0].first;
    action.whenValue = std::move(when[0].second);
  }
  switch (definition.effect) {
    case ActionEffect::kNone:
      break;
    case ActionEffect::kClearSubtree:
      action.target = oid(definition.target);
      break;
    case ActionEffect::kSetInstance: {
      action.target = oid(definition.target);
      const Object* target = FindObject(action.target);
      if (!target || target->access == Access::kNotAccessible ||
          !ValidInstance(*target, action.target)) {
        fail("no instance " + std::string(definition.target));
      }
      action.value = valueOf(*target, definition.values);
      break;
    }
    case ActionEffect::kSetRow:
      action.row = rowValues(definition.values);
      break;
    case ActionEffect::kFillColumn: {
      action.target = oid(definition.target);
      auto column = objects_.find(action.target);
      if (column == objects_.end() || !column->second.table ||
          column->second.syntax != Syntax::kInteger) {
        fail("the target is no integer column");
      }
      for (auto [low, high] : action.start) {
        if (!written(column->second, low) || !written(column->second, high))
          fail("a start value the column refuses");
      }
      break;
    }
  }
  actions_.push_back(std::move(action));
}

DeviceModel::~DeviceModel() = default;

const std::optional<Value>* SetUndo::ValueBefore(const Oid& name) const {
  if (!saved_.count(name)) return nullptr;
  for (const auto& before : before_)
    if (before.name == name) return &before.value;
  return nullptr;
}

void DeviceModel::AddRule(std::shared_ptr<const ModelRule> rule) {
  rules_.push_back(std::move(rule));
}

void DeviceModel::SettleRules() {
  SetUndo unused;
  for (const auto& rule : rules_) rule->Settle(*this, {}, unused);
}

std::optional<Value> DeviceModel::After(const Oid& instance,
                                        std::span<const SetVarbind> varbinds) const {
  const Object* object = FindObject(instance);
  const auto actions = RowActions(varbinds);
  auto action = actions.end();
  if (object && object->table) {
    const Oid index(instance.begin() + static_cast<std::ptrdiff_t>(object->oid.size()),
                    instance.end());
    action = actions.find({object->table, index});
    if (action != actions.end() && action->second == RowAction::kDestroy) return std::nullopt;
  }
  for (auto varbind = varbinds.rbegin(); varbind != varbinds.rend(); ++varbind)
    if (varbind->name == instance) return varbind->value;
  if (auto cell = cells_.find(instance); cell != cells_.end()) return cell->second.value;
  if (!object || !object->table) return std::nullopt;
  const bool created = action != actions.end() && (action->second == RowAction::kCreateAndGo ||
                                                   action->second == RowAction::kCreateAndWait);
  if (!created || std::ranges::count(object->table->required, object)) return std::nullopt;
  if (object->IsRowStatus())
    return Value{action->second == RowAction::kCreateAndGo ? kRowActive : kRowNotInService};
  return object->initial;
}

std::vector<Oid> DeviceModel::Indexes(const Oid& column) const {
  std::vector<Oid> indexes;
  for (auto cell = cells_.upper_bound(column);
       cell != cells_.end() && StartsWith(cell->first, column); ++cell) {
    indexes.emplace_back(cell->first.begin() + static_cast<std::ptrdiff_t>(column.size()),
                         cell->first.end());
  }
  return indexes;
}

std::vector<Oid> DeviceModel::IndexesAfter(const Oid& column,
                                           std::span<const SetVarbind> varbinds) const {
  std::set<Oid> candidates;
  for (const Oid& index : Indexes(column)) candidates.insert(index);
  const Object* object = objects_.count(column) ? &objects_.at(column) : nullptr;
  if (object && object->table) {
    for (const auto& varbind : varbinds) {
      const Object* written = FindObject(varbind.name);
      if (!written || written->table != object->table) continue;
      candidates.emplace(varbind.name.begin() + static_cast<std::ptrdiff_t>(written->oid.size()),
                         varbind.name.end());
    }
  }
  std::vector<Oid> indexes;
  for (const Oid& index : candidates) {
    Oid instance = column;
    instance.insert(instance.end(), index.begin(), index.end());
    if (After(instance, varbinds)) indexes.push_back(index);
  }
  return indexes;
}

void DeviceModel::Write(const Oid& instance, Value value, SetUndo& undo) {
  const Object* object = FindObject(instance);
  if (!object || object->access == Access::kNotAccessible || !ValidInstance(*object, instance) ||
      value.index() != ZeroValue(object->syntax).index()) {
    throw std::logic_error("a rule writes what " + FormatOid(instance) + " cannot hold");
  }
  auto cell = cells_.find(instance);
  if (cell != cells_.end() && cell->second.value == value) return;
  Put(instance, *object, std::move(value), undo);
}

void DeviceModel::WriteNumber(const Oid& instance, std::int64_t number, SetUndo& undo) {
  const Object* object = FindObject(instance);
  if (object && std::holds_alternative<std::uint64_t>(ZeroValue(object->syntax))) {
    Write(instance, Value{static_cast<std::uint64_t>(number)}, undo);
    return;
  }
  Write(instance, Value{number}, undo);
}

void DeviceModel::Erase(const Oid& instance, SetUndo& undo) {
  if (!cells_.count(instance)) return;
  Save(undo, instance);
  cells_.erase(instance);
}

const DeviceModel::Object* DeviceModel::FindObject(const Oid& instance) const {
  // Objects never lie below one another, so the greatest object OID not after the instance is
  // the only one that can be its prefix.
  auto after = objects_.upper_bound(instance);
  if (after == objects_.begin()) return nullptr;
  const auto& [oid, object] = *std::prev(after);
  return StartsWith(instance, oid) && instance.size() > oid.size() ? &object : nullptr;
}

bool DeviceModel::ValidInstance(const Object& object, const Oid& instance) const {
  Oid suffix(instance.begin() + static_cast<std::ptrdiff_t>(object.oid.size()), instance.end());
  if (!object.table) return suffix == Oid{0};
  return ValidIndex(object.table->index, suffix);
}

void DeviceModel::Seed(std::span<const SeedValue> values) {
  for (const auto& seed : values) {
    auto instance = ParseOid(seed.instance);
    if (!instance) throw std::invalid_argument(std::string("bad seed OID ") + seed.instance);
    const Object* object = FindObject(*instance);
    if (!object) throw std::invalid_argument(std::string("seed of no object: ") + seed.instance);
    auto value = ParseValue(object->syntax, seed.value);
    if (!value) {
      throw std::invalid_argument(std::string("seed value \"") + seed.value + "\" of " +
                                  seed.instance + " is no " + SyntaxName(object->syntax));
    }
    Insert(*instance, std::move(*value));
  }
}

void DeviceModel::Insert(const Oid& instance, Value value) {
  const Object* object = FindObject(instance);
  const std::string name = FormatOid(instance);
  if (!object || object->access == Access::kNotAccessible) {
    throw std::invalid_argument("no accessible object for " + name);
  }
  if (!ValidInstance(*object, instance)) {
    throw std::invalid_argument("instance " + name + " does not fit the index of " + object->name);
  }
  // One switch: a value comes from one place of the seed data only.
  if (cells_.count(instance)) throw std::invalid_argument("value given twice: " + name);
  if (value.index() != ZeroValue(object->syntax).index()) {
    throw std::invalid_argument("value of " + name + " is no " + SyntaxName(object->syntax));
  }
  const SetVarbind asWritten{instance, AsnTypeOf(object->syntax), value};
  if (CheckValue(*object, asWritten) != SetError::kNoError) {
    throw std::invalid_argument("value of " + name + " is outside the limits of " + object->name);
  }
  cells_[instance] = Cell{object, std::move(value)};
}

bool DeviceModel::Assign(const Oid& instance, Value value) {
  auto cell = cells_.find(instance);
  if (cell == cells_.end() || value.index() != cell->second.value.index()) return false;
  cell->second.value = std::move(value);
  return true;
}

std::pair<DeviceModel::Lookup, const DeviceModel::Cell*> DeviceModel::Get(
    const Oid& instance) const {
  if (auto cell = cells_.find(instance); cell != cells_.end()) {
    return {Lookup::kFound, &cell->second};
  }
  const Object* object = FindObject(instance);
  if (!object || object->access == Access::kNotAccessible) return {Lookup::kNoSuchObject, nullptr};
  return {Lookup::kNoSuchInstance, nullptr};
}

void DeviceModel::CountRead(const Oid& instance) {
  auto cell = cells_.find(instance);
  if (cell == cells_.end() || cell->second.object->growthPerRead == 0) return;
  auto& count = std::get<std::uint64_t>(cell->second.value);
  if (count == 0) return;
  // Counter32 wraps at 2^32, Counter64 at 2^64 (unsigned arithmetic).
  count += cell->second.object->growthPerRead;
  if (cell->second.object->syntax == Syntax::kCounter32) count &= 0xFFFFFFFFULL;
}

const std::pair<const Oid, DeviceModel::Cell>* DeviceModel::Next(const Oid& from, bool inclusive,
                                                                 const Oid& subtree) const {
  auto next = inclusive ? cells_.lower_bound(from) : cells_.upper_bound(from);
  if (next == cells_.end() || !StartsWith(next->first, subtree)) return nullptr;
  return &*next;
}

bool DeviceModel::RowExists(const Table& table, const Oid& index) const {
  Oid name = table.entry;
  name.push_back(0);
  name.insert(name.end(), index.begin(), index.end());
  for (const Object* column : table.columns) {
    name[table.entry.size()] = column->column;
    if (cells_.count(name)) return true;
  }
  return false;
}

SetError DeviceModel::CheckValue(const Object& object, const SetVarbind& varbind) const {
  if (varbind.asnType != AsnTypeOf(object.syntax) ||
      varbind.value.index() != ZeroValue(object.syntax).index()) {
    return SetError::kWrongType;
  }
  if (IsStringSyntax(object.syntax)) {
    auto length = static_cast<std::int64_t>(OctetLength(varbind.value));
    if (object.syntax == Syntax::kMacAddress && length != 6) return SetError::kWrongLength;
    if (object.syntax == Syntax::kIpAddress && length != 4) return SetError::kWrongLength;
    return WithinLimits(object.limits, length) ? SetError::kNoError : SetError::kWrongLength;
  }
  if (object.syntax == Syntax::kInteger) {
    auto number = std::get<std::int64_t>(varbind.value);
    if (object.IsRowStatus() && object.table->deletingStatus == 0 &&
        (number < kRowActive || number > kRowDestroy || number == kRowNotReady)) {
      return SetError::kWrongValue;
    }
    return WithinLimits(object.limits, number) ? SetError::kNoError : SetError::kWrongValue;
  }
  // Unsigned numbers (a Gauge32 setting) are held to their limits as integers are.
  if (const auto* number = std::get_if<std::uint64_t>(&varbind.value);
      number && !object.limits.empty()) {
    const bool fits =
        *number <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) &&
        WithinLimits(object.limits, static_cast<std::int64_t>(*number));
    return fits ? SetError::kNoError : SetError::kWrongValue;
  }
  return SetError::kNoError;
}

std::map<DeviceModel::RowKey, DeviceModel::RowAction> DeviceModel::RowActions(
    std::span<const SetVarbind> varbinds) const {
  std::map<RowKey, RowAction> actions;
  for (const auto& varbind : varbinds) {
    const Object* object = FindObject(varbind.name);
    if (!object || !object->IsRowStatus()) continue;
    const auto* number = std::get_if<std::int64_t>(&varbind.value);
    if (!number) continue;
    const std::int64_t deleting = object->table->deletingStatus;
    RowAction action = *number == deleting ? RowAction::kDestroy : RowAction::kCreateAndGo;
    if (deleting == 0) switch (*number) {
      case kRowActive:
        action = RowAction::kActivate;
        break;
      case kRowNotInService:
        action = RowAction::kDeactivate;
        break;
      case kRowCreateAndGo:
        action = RowAction::kCreateAndGo;
        break;
      case kRowCreateAndWait:
        action = RowAction::kCreateAndWait;
        break;
      case kRowDestroy:
        action = RowAction::kDestroy;
        break;
      default:
        continue;
    }
    RowKey row{object->table,
               Oid(varbind.name.begin() + static_cast<std::ptrdiff_t>(object->oid.size()),
                   varbind.name.end())};
    auto [where, added] = actions.emplace(row, action);
    if (!added) where->second = RowAction::kClash;
  }
  return actions;
}

SetCheck DeviceModel::Check(std::span<const SetVarbind> varbinds) const {
  const auto actions = RowActions(varbinds);
  for (std::size_t i = 0; i < varbinds.size(); ++i) {
    const auto& varbind = varbinds[i];
    auto fail = [i](SetError error) { return SetCheck{error, i}; };
    const Object* object = FindObject(varbind.name);
    if (!object) return fail(SetError::kNoCreation);
    if (object->access == Access::kNotAccessible) return fail(SetError::kNoAccess);
    if (object->access == Access::kReadOnly) return fail(SetError::kNotWritable);
    if (!ValidInstance(*object, varbind.name)) return fail(SetError::kNoCreation);
    if (auto error = CheckValue(*object, varbind); error != SetError::kNoError) return fail(error);
    if (!object->table) continue;

    RowKey row{object->table,
               Oid(varbind.name.begin() + static_cast<std::ptrdiff_t>(object->oid.size()),
                   varbind.name.end())};
    auto action = actions.find(row);
    const bool exists = RowExists(*object->table, row.index);
    if (action != actions.end() && action->second == RowAction::kClash) {
      return fail(SetError::kInconsistentValue);
    }
    if (object->IsRowStatus() && object->table->deletingStatus != 0) {
      const bool creates = std::get<std::int64_t>(varbind.value) != object->table->deletingStatus;
      if (creates && !exists && !ParentExists(*object->table, row.index, actions)) {
        return fail(SetError::kInconsistentValue);
      }
      continue;
    }
    if (object->IsRowStatus()) {
      auto status = std::get<std::int64_t>(varbind.value);
      bool creates = status == kRowCreateAndGo || status == kRowCreateAndWait;
      bool changes = status == kRowActive || status == kRowNotInService;
      if ((creates && exists) || (changes && !exists)) return fail(SetError::kInconsistentValue);
      if (creates && !ParentExists(*object->table, row.index, actions)) {
        return fail(SetError::kInconsistentValue);
      }
      // A row goes into service only with every required column; createAndWait may wait.
      if ((status == kRowCreateAndGo || changes) &&
          !RequiredPresent(*object->table, row.index, varbinds)) {
        return fail(SetError::kInconsistentValue);
      }
      continue;
    }
    if (exists) {
      if (action != actions.end() && action->second == RowAction::kDestroy &&
          !object->table->columnsWithDestroy) {
        return fail(SetError::kInconsistentValue);
      }
      continue;
    }
    if (object->table->rowStatusColumn == 0) return fail(SetError::kNoCreation);
    bool created = action != actions.end() && (action->second == RowAction::kCreateAndGo ||
                                               action->second == RowAction::kCreateAndWait);
    if (!created) return fail(SetError::kInconsistentName);
  }
  for (const auto& rule : rules_) {
    if (SetCheck check = rule->Check(*this, varbinds); check.error != SetError::kNoError)
      return check;
  }
  return {};
}

void DeviceModel::Save(SetUndo& undo, const Oid& name) const {
  if (!undo.saved_.insert(name).second) return;
  auto cell = cells_.find(name);
  undo.before_.push_back(
      {name, cell == cells_.end() ? std::nullopt : std::optional<Value>(cell->second.value)});
}

bool DeviceModel::RequiredPresent(const Table& table, const Oid& index,
                                  std::span<const SetVarbind> varbinds) const {
  return std::ranges::all_of(table.required, [&](const Object* column) {
    Oid name = column->oid;
    name.insert(name.end(), index.begin(), index.end());
    return cells_.count(name) ||
           std::ranges::any_of(varbinds, [&](const SetVarbind& v) { return v.name == name; });
  });
}

bool DeviceModel::ParentExists(const Table& table, const Oid& index,
                               const std::map<RowKey, RowAction>& actions) const {
  if (!table.parent) return true;
  const Oid parentIndex(index.begin(),
                        index.begin() + static_cast<std::ptrdiff_t>(table.parentIndexLength));
  if (RowExists(*table.parent, parentIndex)) return true;
  auto action = actions.find({table.parent, parentIndex});
  return action != actions.end() &&
         (action->second == RowAction::kCreateAndGo || action->second == RowAction::kCreateAndWait);
}

void DeviceModel::Put(const Oid& name, const Object& object, Value value, SetUndo& undo) {
  Save(undo, name);
  cells_[name] = Cell{&object, std::move(value)};
}

void DeviceModel::CreateRow(const Table& table, const Oid& index, std::int64_t status,
                            SetUndo& undo) {
  for (const Object* column : table.columns) {
    // Required columns stay absent until written, as in a notReady row.
    if (std::ranges::count(table.required, column)) continue;
    Oid name = column->oid;
    name.insert(name.end(), index.begin(), index.end());
    Save(undo, name);
    cells_[name] = Cell{column, column->IsRowStatus() ? Value{status} : column->initial};
  }
}

void DeviceModel::DestroyRow(const Table& table, const Oid& index, SetUndo& undo) {
  for (const Object* column : table.columns) {
    Oid name = column->oid;
    name.insert(name.end(), index.begin(), index.end());
    Save(undo, name);
    cells_.erase(name);
  }
}

void DeviceModel::Apply(std::span<const SetVarbind> varbinds, SetUndo& undo) {
  // Rows come into being first, so that the columns written in the same request land on them
  // instead of being overwritten by the initial values.
  const auto rowActions = RowActions(varbinds);
  for (const auto& [row, action] : rowActions) {
    if (RowExists(*row.table, row.index)) continue;
    if (action == RowAction::kCreateAndGo) CreateRow(*row.table, row.index, kRowActive, undo);
    if (action == RowAction::kCreateAndWait) {
      const bool ready = RequiredPresent(*row.table, row.index, varbinds);
      CreateRow(*row.table, row.index, ready ? kRowNotInService : kRowNotReady, undo);
    }
  }
  for (const auto& varbind : varbinds) {
    const Object* object = FindObject(varbind.name);
    if (!object) continue;  // Check refused such a request
    if (object->IsRowStatus()) {
      auto status = std::get<std::int64_t>(varbind.value);
      Oid index(varbind.name.begin() + static_cast<std::ptrdiff_t>(object->oid.size()),
                varbind.name.end());
      const std::int64_t deleting = object->table->deletingStatus;
      if (status == (deleting != 0 ? deleting : kRowDestroy)) {
        DestroyRow(*object->table, index, undo);
      } else if (deleting != 0 || status == kRowActive || status == kRowNotInService) {
        Save(undo, varbind.name);
        cells_[varbind.name] = Cell{object, Value{status}};
      }
      continue;
    }
    if (object->table) {  // a column of a row destroyed by the same request goes with it
      const Oid index(varbind.name.begin() + static_cast<std::ptrdiff_t>(object->oid.size()),
                      varbind.name.end());
      auto row = rowActions.find({object->table, index});
      if (row != rowActions.end() && row->second == RowAction::kDestroy) continue;
    }
    Put(varbind.name, *object, varbind.value, undo);
  }
  // Actions run once every value of the request is in place, so that they see the row as the
  // request leaves it (a transfer started together with its server address).
  for (const auto& varbind : varbinds) {
    if (const Object* object = FindObject(varbind.name)) RunActions(varbind, *object, undo);
  }
  // A notReady row whose last required column has just been written is ready to go into
  // service.
  for (const auto& varbind : varbinds) {
    const Object* object = FindObject(varbind.name);
    if (!object || !object->table || object->table->required.empty()) continue;
    const Table& table = *object->table;
    const Oid index(varbind.name.begin() + static_cast<std::ptrdiff_t>(object->oid.size()),
                    varbind.name.end());
    Oid status = table.entry;
    status.push_back(table.rowStatusColumn);
    status.insert(status.end(), index.begin(), index.end());
    auto cell = cells_.find(status);
    if (cell != cells_.end() && cell->second.value == Value{kRowNotReady} &&
        RequiredPresent(table, index, {})) {
      Put(status, *cell->second.object, Value{kRowNotInService}, undo);
    }
  }
  for (const auto& rule : rules_) rule->Settle(*this, varbinds, undo);
  NotifyWatchers(undo);
}

void DeviceModel::RunActions(const SetVarbind& varbind, const Object& object, SetUndo& undo) {
  const auto* written = std::get_if<std::int64_t>(&varbind.value);
  if (!written) return;
  const Oid index(varbind.name.begin() + static_cast<std::ptrdiff_t>(object.oid.size()),
                  varbind.name.end());
  auto inRow = [&](const Object& column) {
    Oid name = column.oid;
    name.insert(name.end(), index.begin(), index.end());
    return name;
  };
  const Action* idleOf = nullptr;
  for (const Action& action : actions_) {
    if (action.trigger != &object || !WithinLimits(action.start, *written)) continue;
    idleOf = &action;
    if (action.whenColumn) {
      auto cell = cells_.find(inRow(*action.whenColumn));
      if (cell == cells_.end() || cell->second.value != action.whenValue) continue;
    }
    switch (action.effect) {
      case ActionEffect::kNone:
        break;
      case ActionEffect::kClearSubtree: {
        std::vector<Oid> gone;
        for (auto cell = cells_.lower_bound(action.target);
             cell != cells_.end() && StartsWith(cell->first, action.target); ++cell) {
          gone.push_back(cell->first);
        }
        for (const Oid& name : gone) {
          Save(undo, name);
          cells_.erase(name);
        }
        break;
      }
      case ActionEffect::kSetInstance:
        Put(action.target, *FindObject(action.target), action.value, undo);
        break;
      case ActionEffect::kSetRow:
        for (const auto& [column, value] : action.row) Put(inRow(*column), *column, value, undo);
        break;
      case ActionEffect::kFillColumn:
        for (auto cell = cells_.lower_bound(action.target);
             cell != cells_.end() && StartsWith(cell->first, action.target); ++cell) {
          Save(undo, cell->first);
          cell->second.value = Value{*written};
        }
        break;
    }
    break;
  }
  if (idleOf) Put(varbind.name, object, Value{idleOf->idle}, undo);
}

void DeviceModel::Undo(const SetUndo& undo) {
  for (auto before = undo.before_.rbegin(); before != undo.before_.rend(); ++before) {
    if (!before->value) {
      cells_.erase(before->name);
      continue;
    }
    const Object* object = FindObject(before->name);
    cells_[before->name] = Cell{object, *before->value};
  }
  NotifyWatchers(undo);
}

std::size_t DeviceModel::Watch(const Oid& subtree, std::function<void()> changed) {
  watchers_.emplace(++nextWatch_, std::make_pair(subtree, std::move(changed)));
  return nextWatch_;
}

void DeviceModel::Unwatch(std::size_t watch) {
  watchers_.erase(watch);
}

void DeviceModel::NotifyWatchers(const SetUndo& undo) const {
  for (const auto& [number, watcher] : watchers_) {
    const auto& [subtree, changed] = watcher;
    if (std::ranges::any_of(undo.before_, [&](const SetUndo::Before& before) {
          return StartsWith(before.name, subtree);
        })) {
      changed();
    }
  }
}

bool DeviceModel::SetInitial(const Oid& column, Value value) {
  auto object = objects_.find(column);
  if (object == objects_.end() || !object->second.table ||
      value.index() != object->second.initial.index()) {
    return false;
  }
  object->second.initial = std::move(value);
  return true;
}

}  // namespace nx596
