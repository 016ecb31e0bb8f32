#include "SeedLogSave.h"

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kRW = Access::kReadWrite;

const char* const kSubtrees[] = {
    "1.3.6.1.4.1.99917",
};

const ObjectDefinition kObjects[] = {
    // 1 time-interval, 2 on-demand, 3 log-trigger.
    {"Log Save Method", "1.3.6.1.4.1.99917.12.12.3.1", kInteger, kRW, "1,2,3", ""},
    {"Log Save Time Interval", "1.3.6.1.4.1.99917.12.12.3.2", kInteger, kRW, "1..65535", ""},
};

const SeedValue kSeed[] = {
    {"1.3.6.1.4.1.99917.12.12.3.1.0", "1"},
    {"1.3.6.1.4.1.99917.12.12.3.2.0", "30"},
};

}  // namespace

DevicePart LogSavePart() {
  return {kSubtrees, {}, kObjects, kSeed, {}, {}};
}

}  // namespace nx596
