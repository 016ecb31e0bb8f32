#include "SeedSummerTime.h"

#include "ValueRules.h"

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kRW = Access::kReadWrite;

const char* const kSubtrees[] = {
    "1.3.6.1.4.1.99917",
};

const ObjectDefinition kObjects[] = {
    {"Summer Time Status", "1.3.6.1.4.1.99917.12.10.12.1", kInteger, kRW, "0..2", ""},
    {"Summer Time Offset", "1.3.6.1.4.1.99917.12.10.12.2", kInteger, kRW, "30,60,90,120", ""},
    {"Repeat Summer Time Start", "1.3.6.1.4.1.99917.12.10.12.3", kOctetString, kRW, "6", ""},
    {"Repeat Summer Time End", "1.3.6.1.4.1.99917.12.10.12.4", kOctetString, kRW, "6", ""},
    {"Annual Summer Time Start", "1.3.6.1.4.1.99917.12.10.12.5", kOctetString, kRW, "4", ""},
    {"Annual Summer Time End", "1.3.6.1.4.1.99917.12.10.12.6", kOctetString, kRW, "4", ""},
};

const SeedValue kSeed[] = {
    {"1.3.6.1.4.1.99917.12.10.12.1.0", "1"},
    {"1.3.6.1.4.1.99917.12.10.12.2.0", "90"},
    {"1.3.6.1.4.1.99917.12.10.12.3.0", "02 00 02 04 01 1E"},
    {"1.3.6.1.4.1.99917.12.10.12.4.0", "04 00 07 09 17 3B"},
    {"1.3.6.1.4.1.99917.12.10.12.5.0", "1B 03 02 00"},
    {"1.3.6.1.4.1.99917.12.10.12.6.0", "1D 0A 03 00"},
};

std::vector<std::shared_ptr<const ModelRule>> Rules() {
  using Field = PackedFieldsRule::Field;
  // offset, octets, lowest, highest
  const std::vector<Field> repeating = {
      {0, 1, 0, 4}, {1, 2, 1, 7}, {3, 1, 1, 12}, {4, 1, 0, 23}, {5, 1, 0, 59}};
  // The day of the month is checked against the month at offset 1.
  const std::vector<Field> annual = {{0, 1, 1, 31, 1}, {1, 1, 1, 12}, {2, 1, 0, 23}, {3, 1, 0, 59}};
  return {
      std::make_shared<PackedFieldsRule>("1.3.6.1.4.1.99917.12.10.12.3", repeating),
      std::make_shared<PackedFieldsRule>("1.3.6.1.4.1.99917.12.10.12.4", repeating),
      std::make_shared<PackedFieldsRule>("1.3.6.1.4.1.99917.12.10.12.5", annual),
      std::make_shared<PackedFieldsRule>("1.3.6.1.4.1.99917.12.10.12.6", annual),
  };
}

}  // namespace

DevicePart SummerTimePart() {
  return {kSubtrees, {}, kObjects, kSeed, {}, {}, Rules()};
}

}  // namespace nx596
