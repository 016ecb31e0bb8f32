#include "ValueRules.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace nx596 {

namespace {

constexpr std::int64_t kCreateAndGo = 4;
constexpr std::int64_t kCreateAndWait = 5;
constexpr std::int64_t kDestroy = 6;  // a row the request destroys is gone

Oid ParseRuleOid(const char* text) {
  auto oid = ParseOid(text);
  if (!oid || oid->empty()) throw std::invalid_argument(std::string("bad rule OID ") + text);
  return *oid;
}

// The name an index begins with: its length, then one sub-identifier per character.
std::optional<std::string> LeadingName(const Oid& index) {
  if (index.empty() || index.front() >= index.size()) return std::nullopt;
  std::string name;
  for (std::size_t k = 1; k <= index.front(); ++k) {
    if (index[k] > 255) return std::nullopt;
    name += static_cast<char>(index[k]);
  }
  return name;
}

std::int64_t FieldValue(const std::string& bytes, std::size_t offset, std::size_t width) {
  std::int64_t value = 0;
  for (std::size_t k = 0; k < width; ++k)
    value = value * 256 + static_cast<std::uint8_t>(bytes[offset + k]);
  return value;
}

std::int64_t DaysIn(std::int64_t month) {
  constexpr std::int64_t kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month >= 1 && month <= 12 ? kDays[month - 1] : 0;
}

}  // namespace

NamedIndexRule::NamedIndexRule(const char* rowStatus, std::vector<std::string> names,
                               std::size_t rowsPerName)
    : rowStatus_(ParseRuleOid(rowStatus)), names_(std::move(names)), rowsPerName_(rowsPerName) {}

SetCheck NamedIndexRule::Check(const DeviceModel& model,
                               std::span<const SetVarbind> varbinds) const {
  std::map<std::string, std::size_t> rowsOf;
  bool counted = false;
  for (std::size_t i = 0; i < varbinds.size(); ++i) {
    const SetVarbind& varbind = varbinds[i];
    if (varbind.name.size() <= rowStatus_.size() || !StartsWith(varbind.name, rowStatus_)) continue;
    const auto* status = std::get_if<std::int64_t>(&varbind.value);
    if (!status || (*status != kCreateAndGo && *status != kCreateAndWait)) continue;
    const Oid index(varbind.name.begin() + static_cast<std::ptrdiff_t>(rowStatus_.size()),
                    varbind.name.end());
    const auto name = LeadingName(index);
    if (!name || std::ranges::count(names_, *name) == 0) return {SetError::kWrongValue, i};
    if (!counted) {
      for (const Oid& row : model.IndexesAfter(rowStatus_, varbinds)) {
        Oid status = rowStatus_;
        status.insert(status.end(), row.begin(), row.end());
        if (model.After(status, varbinds) == std::optional<Value>(Value{kDestroy})) continue;
        if (auto rowName = LeadingName(row)) ++rowsOf[*rowName];
      }
      counted = true;
    }
    if (rowsOf[*name] > rowsPerName_) return {SetError::kInconsistentValue, i};
  }
  return {};
}

PackedFieldsRule::PackedFieldsRule(const char* object, std::vector<Field> fields)
    : object_(ParseRuleOid(object)), fields_(std::move(fields)) {}

SetCheck PackedFieldsRule::Check(const DeviceModel&, std::span<const SetVarbind> varbinds) const {
  std::size_t length = 0;
  for (const Field& field : fields_) length = std::max(length, field.offset + field.width);
  for (std::size_t i = 0; i < varbinds.size(); ++i) {
    const SetVarbind& varbind = varbinds[i];
    if (varbind.name.size() <= object_.size() || !StartsWith(varbind.name, object_)) continue;
    const auto* bytes = std::get_if<std::string>(&varbind.value);
    if (!bytes || bytes->size() < length) continue;  // the object's own length check refuses it
    for (const Field& field : fields_) {
      const std::int64_t value = FieldValue(*bytes, field.offset, field.width);
      if (value < field.low || value > field.high) return {SetError::kWrongValue, i};
      if (field.monthAt != kNoMonth && value > DaysIn(FieldValue(*bytes, field.monthAt, 1)))
        return {SetError::kWrongValue, i};
    }
  }
  return {};
}

}  // namespace nx596
