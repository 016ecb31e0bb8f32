#pragma once

#include "DeviceModel.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Rules on what a request's values and new rows may hold, beyond the limits of single objects.
// OIDs are numeric text; a malformed one stops the model with std::invalid_argument.
namespace nx596 {

// A table whose index begins with a name (a string with its length, such as an interface name):
// a new row must name one of `names` (wrongValue otherwise), and at most `rowsPerName` rows may
// share a name (a request that leaves more is refused with inconsistentValue).
class NamedIndexRule : public ModelRule {
 public:
  NamedIndexRule(const char* rowStatus, std::vector<std::string> names, std::size_t rowsPerName);
  SetCheck Check(const DeviceModel& model, std::span<const SetVarbind> varbinds) const override;

 private:
  Oid rowStatus_;
  std::vector<std::string> names_;
  std::size_t rowsPerName_;
};

// An octet string of packed fields (a date rule): every field of a value of full length lies
// within its range, and a day of the month exists in the month given by another field (29
// February does, the year being unknown); anything else is refused with wrongValue. The length
// itself is the object's limit (wrongLength).
class PackedFieldsRule : public ModelRule {
 public:
  struct Field {
    std::size_t offset;
    std::size_t width;  // octets, most significant first
    std::int64_t low;
    std::int64_t high;
    // For a day of the month: the offset of the field that holds its month (1 to 12).
    std::size_t monthAt = kNoMonth;
  };
  static constexpr std::size_t kNoMonth = static_cast<std::size_t>(-1);

  PackedFieldsRule(const char* object, std::vector<Field> fields);
  SetCheck Check(const DeviceModel& model, std::span<const SetVarbind> varbinds) const override;

 private:
  Oid object_;
  std::vector<Field> fields_;
};

}  // namespace nx596
