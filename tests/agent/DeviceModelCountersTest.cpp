// The device model's counters that grow as they are read, and its limits on unsigned settings.

#include "DeviceModel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

namespace {

using nx596::Access;
using nx596::DeviceModel;
using nx596::ObjectDefinition;
using nx596::Oid;
using nx596::ParseOid;
using nx596::SetError;
using nx596::SetVarbind;
using nx596::Syntax;
using nx596::TableDefinition;
using nx596::Value;

Oid O(const char* text) {
  return *ParseOid(text);
}

const TableDefinition kTables[] = {
    {"ports", "1.3.6.99.2.1", {nx596::IndexPart::kInteger}, 0},
};

const ObjectDefinition kObjects[] = {
    {"frames", "1.3.6.99.2.1.1", Syntax::kCounter32, Access::kReadOnly, "", "", 3},
    {"octets", "1.3.6.99.2.1.2", Syntax::kCounter64, Access::kReadOnly, "", "", 1000},
    {"errors", "1.3.6.99.2.1.3", Syntax::kCounter32, Access::kReadOnly, "", ""},
    {"cost", "1.3.6.99.1", Syntax::kGauge32, Access::kReadWrite, "0,60..86400", ""},
    {"speed", "1.3.6.99.3", Syntax::kGauge32, Access::kReadWrite, "", ""},
};

class DeviceModelCounters : public ::testing::Test {
 protected:
  DeviceModelCounters() : model_(kTables, kObjects) {
    model_.Insert(O("1.3.6.99.2.1.1.1"), Value{std::uint64_t{10}});
    model_.Insert(O("1.3.6.99.2.1.1.2"), Value{std::uint64_t{0}});  // a port without traffic
    model_.Insert(O("1.3.6.99.2.1.1.3"), Value{std::uint64_t{0xFFFFFFFEULL}});
    model_.Insert(O("1.3.6.99.2.1.2.1"), Value{std::uint64_t{0xFFFFFFFFFFFFFC18ULL}});
    model_.Insert(O("1.3.6.99.2.1.3.1"), Value{std::uint64_t{5}});
    model_.Insert(O("1.3.6.99.1.0"), Value{std::uint64_t{600}});
    model_.Insert(O("1.3.6.99.3.0"), Value{std::uint64_t{100}});
  }
  std::uint64_t Read(const char* instance) {
    auto [lookup, cell] = model_.Get(O(instance));
    EXPECT_EQ(lookup, DeviceModel::Lookup::kFound) << instance;
    const std::uint64_t value = cell ? std::get<std::uint64_t>(cell->value) : 0;
    model_.CountRead(O(instance));
    return value;
  }
  SetError Write(const char* instance, std::uint64_t value) {
    const SetVarbind varbind{O(instance), nx596::asn::kGauge32, Value{value}};
    return model_.Check({&varbind, 1}).error;
  }
  DeviceModel model_;
};

TEST_F(DeviceModelCounters, ACounterGrowsByItsStepEachTimeItIsRead) {
  EXPECT_EQ(Read("1.3.6.99.2.1.1.1"), 10u);
  EXPECT_EQ(Read("1.3.6.99.2.1.1.1"), 13u);
  EXPECT_EQ(Read("1.3.6.99.2.1.1.1"), 16u);
  // A read of another instance or object moves nothing else.
  EXPECT_EQ(Read("1.3.6.99.2.1.3.1"), 5u);
  EXPECT_EQ(Read("1.3.6.99.2.1.3.1"), 5u) << "a counter without growth";
  EXPECT_EQ(Read("1.3.6.99.2.1.1.1"), 19u);
}

TEST_F(DeviceModelCounters, ACounterAtZeroHasNoTrafficAndStays) {
  EXPECT_EQ(Read("1.3.6.99.2.1.1.2"), 0u);
  EXPECT_EQ(Read("1.3.6.99.2.1.1.2"), 0u);
}

TEST_F(DeviceModelCounters, CountersWrapAtTheirWidth) {
  EXPECT_EQ(Read("1.3.6.99.2.1.1.3"), 0xFFFFFFFEULL);
  EXPECT_EQ(Read("1.3.6.99.2.1.1.3"), 1u) << "Counter32 wraps at 2^32";
  EXPECT_EQ(Read("1.3.6.99.2.1.2.1"), 0xFFFFFFFFFFFFFC18ULL);
  EXPECT_EQ(Read("1.3.6.99.2.1.2.1"), 0u) << "Counter64 wraps at 2^64";
}

TEST_F(DeviceModelCounters, OnlyReadOnlyCountersGrow) {
  const TableDefinition noTables[] = {{"none", "1.3.6.98.9", {nx596::IndexPart::kInteger}, 0}};
  const ObjectDefinition gauge[] = {
      {"load", "1.3.6.98.1", Syntax::kGauge32, Access::kReadOnly, "", "", 1}};
  const ObjectDefinition writable[] = {
      {"count", "1.3.6.98.1", Syntax::kCounter32, Access::kReadWrite, "", "", 1}};
  const ObjectDefinition integer[] = {
      {"level", "1.3.6.98.1", Syntax::kInteger, Access::kReadOnly, "", "", 1}};
  EXPECT_THROW(DeviceModel(noTables, gauge), std::invalid_argument);
  EXPECT_THROW(DeviceModel(noTables, writable), std::invalid_argument);
  EXPECT_THROW(DeviceModel(noTables, integer), std::invalid_argument);
}

TEST_F(DeviceModelCounters, AnUnsignedSettingKeepsToItsLimits) {
  EXPECT_EQ(Write("1.3.6.99.1.0", 0), SetError::kNoError);
  EXPECT_EQ(Write("1.3.6.99.1.0", 59), SetError::kWrongValue);
  EXPECT_EQ(Write("1.3.6.99.1.0", 60), SetError::kNoError);
  EXPECT_EQ(Write("1.3.6.99.1.0", 86400), SetError::kNoError);
  EXPECT_EQ(Write("1.3.6.99.1.0", 86401), SetError::kWrongValue);
  EXPECT_EQ(Write("1.3.6.99.1.0", 0xFFFFFFFFULL), SetError::kWrongValue);
  // Without limits any Gauge32 is taken.
  EXPECT_EQ(Write("1.3.6.99.3.0", 0xFFFFFFFFULL), SetError::kNoError);
}

TEST(DeviceModelLimits, AnUnsignedStartValueOutsideTheLimitsIsRefused) {
  DeviceModel fresh(kTables, kObjects);
  EXPECT_THROW(fresh.Insert(O("1.3.6.99.1.0"), Value{std::uint64_t{30}}), std::invalid_argument);
}

}  // namespace
