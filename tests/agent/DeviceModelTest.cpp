// The device model on its own: the seed data loads, malformed data is refused, and a SET that
// is taken back leaves no trace.

#include "DeviceModel.h"
#include "DeviceSeed.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using nx596::DeviceModel;
using nx596::Oid;
using nx596::ParseOid;
using nx596::SetError;
using nx596::SetUndo;
using nx596::SetVarbind;
using nx596::Value;

Oid O(const char* text) {
  return *ParseOid(text);
}

// Everything the model holds, in order, to compare before and after.
std::vector<std::pair<Oid, Value>> Dump(const DeviceModel& model) {
  std::vector<std::pair<Oid, Value>> cells;
  const Oid root = {1};
  for (auto* cell = model.Next({0}, false, root); cell;
       cell = model.Next(cell->first, false, root)) {
    cells.emplace_back(cell->first, cell->second.value);
  }
  return cells;
}

class DeviceSeedTest : public ::testing::Test {
 protected:
  DeviceSeedTest() : model_(nx596::DeviceTables(), nx596::DeviceObjects(), nx596::DeviceActions()) {
    model_.Seed(nx596::DeviceSeed());
    for (auto& [instance, value] : nx596::DeviceRows()) model_.Insert(instance, value);
  }
  DeviceModel model_;
};

TEST_F(DeviceSeedTest, EveryTableHasRowsAndEverySubtreeHasObjects) {
  for (const auto& table : nx596::DeviceTables()) {
    const Oid entry = O(table.entry);
    if (entry == O("1.3.6.1.2.1.17.4.3.1")) continue;  // filled by ForwardingRows
    auto* first = model_.Next(entry, false, entry);
    EXPECT_NE(first, nullptr) << table.name << " has no rows";
  }
  for (const char* subtree : nx596::DeviceSubtrees()) {
    EXPECT_NE(model_.Next(O(subtree), false, O(subtree)), nullptr) << subtree;
  }
}

TEST_F(DeviceSeedTest, ForwardingRowsAreDistinctAndIndexedByTheirAddress) {
  for (auto& [instance, value] : nx596::ForwardingRows(300)) model_.Insert(instance, value);
  const Oid column = O("1.3.6.1.2.1.17.4.3.1.1");
  int rows = 0;
  for (auto* cell = model_.Next(column, false, column); cell;
       cell = model_.Next(cell->first, false, column)) {
    const auto& mac = std::get<std::string>(cell->second.value);
    ASSERT_EQ(mac.size(), 6u);
    // The index is the address itself, byte by byte.
    for (std::size_t i = 0; i < 6; ++i) {
      EXPECT_EQ(cell->first[column.size() + i], static_cast<unsigned char>(mac[i]));
    }
    ++rows;
  }
  EXPECT_EQ(rows, 300);
}

TEST_F(DeviceSeedTest, UndoTakesBackCreationsChangesAndDestructions) {
  const auto before = Dump(model_);
  const std::vector<SetVarbind> request = {
      {O("1.3.6.1.4.1.99917.12.23.4.1.1.3.10.0.0.7"), nx596::asn::kInteger, std::int64_t{4}},
      {O("1.3.6.1.4.1.99917.12.23.4.1.1.2.10.0.0.7"), nx596::asn::kOctetString,
       std::string("\x00\x1c\xf0\x00\x00\x07", 6)},
      {O("1.3.6.1.4.1.99917.12.23.4.1.1.3.10.0.0.2"), nx596::asn::kInteger, std::int64_t{6}},
      {O("1.3.6.1.4.1.99917.12.1.2.3.0"), nx596::asn::kInteger, std::int64_t{1}},
  };
  ASSERT_EQ(model_.Check(request).error, SetError::kNoError);
  EXPECT_EQ(Dump(model_), before) << "Check must not change anything";
  SetUndo undo;
  model_.Apply(request, undo);
  EXPECT_NE(Dump(model_), before);
  model_.Undo(undo);
  EXPECT_EQ(Dump(model_), before);
}

TEST_F(DeviceSeedTest, UndoTakesBackWhatActionsDid) {
  for (auto& [instance, value] : nx596::ForwardingRows(20)) model_.Insert(instance, value);
  const auto before = Dump(model_);
  const std::vector<SetVarbind> request = {
      // FDB clear all, a cable test on port 3 and the upload of the configuration
      {O("1.3.6.1.4.1.99917.12.1.2.11.1.0"), nx596::asn::kInteger, std::int64_t{2}},
      {O("1.3.6.1.4.1.99917.12.58.1.1.1.12.3"), nx596::asn::kInteger, std::int64_t{1}},
      {O("1.3.6.1.4.1.99917.12.1.2.1.1.8.2"), nx596::asn::kInteger, std::int64_t{3}},
  };
  ASSERT_EQ(model_.Check(request).error, SetError::kNoError);
  SetUndo undo;
  model_.Apply(request, undo);
  const Oid fdb = O("1.3.6.1.2.1.17.4.3");
  EXPECT_EQ(model_.Next(fdb, false, fdb), nullptr) << "the forwarding table is empty";
  EXPECT_EQ(std::get<std::int64_t>(model_.Get(O("1.3.6.1.4.1.99917.12.1.1.5.0")).second->value), 7);
  model_.Undo(undo);
  EXPECT_EQ(Dump(model_), before);
}

TEST_F(DeviceSeedTest, CheckNamesTheFirstFailingVarbind) {
  const std::vector<SetVarbind> request = {
      {O("1.3.6.1.4.1.99917.12.1.2.3.0"), nx596::asn::kInteger, std::int64_t{1}},
      {O("1.3.6.1.4.1.99917.11.63.3.2.1.2.2.0"), nx596::asn::kOctetString, std::string("abcd")},
      {O("1.3.6.1.4.1.99917.12.1.2.3.0"), nx596::asn::kInteger, std::int64_t{0}},
  };
  auto check = model_.Check(request);
  EXPECT_EQ(check.error, SetError::kWrongType);
  EXPECT_EQ(check.failedIndex, 1u);
}

TEST(DeviceModelData, MalformedSeedIsRefusedWithItsInstance) {
  const nx596::TableDefinition tables[] = {
      {"table", "1.9.1.1", {nx596::IndexPart::kIpAddress}, 0},
  };
  const nx596::ObjectDefinition objects[] = {
      {"index", "1.9.1.1.1", nx596::Syntax::kIpAddress, nx596::Access::kNotAccessible, "", ""},
      {"mode", "1.9.1.1.2", nx596::Syntax::kInteger, nx596::Access::kReadWrite, "1,2", ""},
      {"scalar", "1.9.2", nx596::Syntax::kMacAddress, nx596::Access::kReadOnly, "", ""},
  };
  struct Bad {
    const char* why;
    nx596::SeedValue seed;
  };
  const Bad cases[] = {
      {"index part above 255", {"1.9.1.1.2.10.0.0.256", "1"}},
      {"index too short", {"1.9.1.1.2.10.0.0", "1"}},
      {"index too long", {"1.9.1.1.2.10.0.0.1.5", "1"}},
      {"a not-accessible column", {"1.9.1.1.1.10.0.0.1", "10.0.0.1"}},
      {"a value outside the enumeration", {"1.9.1.1.2.10.0.0.1", "3"}},
      {"a scalar without .0", {"1.9.2", "00:00:00:00:00:01"}},
      {"a MAC address of five bytes", {"1.9.2.0", "00:00:00:00:01"}},
      {"an unknown object", {"1.9.3.0", "1"}},
      {"a text instance", {"1.9.1.1.2.ten", "1"}},
  };
  for (const Bad& bad : cases) {
    DeviceModel model(tables, objects);
    const nx596::SeedValue seed[] = {bad.seed};
    try {
      model.Seed(seed);
      ADD_FAILURE() << bad.why << " was accepted";
    } catch (const std::invalid_argument& error) {
      EXPECT_NE(std::string(error.what()).find(std::string(bad.seed.instance).substr(0, 6)),
                std::string::npos)
          << bad.why << ": " << error.what();
    }
  }
  DeviceModel twice(tables, objects);
  const nx596::SeedValue seed[] = {{"1.9.2.0", "00:00:00:00:00:01"},
                                   {"1.9.2.0", "00:00:00:00:00:02"}};
  EXPECT_THROW(twice.Seed(seed), std::invalid_argument);
  // Rows made in code are held to the same rule.
  DeviceModel inserted(tables, objects);
  inserted.Insert(O("1.9.1.1.2.10.0.0.1"), Value{std::int64_t{1}});
  EXPECT_THROW(inserted.Insert(O("1.9.1.1.2.10.0.0.1"), Value{std::int64_t{2}}),
               std::invalid_argument);
}

// Mistakes in the definitions stop the agent at start instead of surfacing as odd answers.
TEST(DeviceModelData, MalformedActionsAndRowRulesAreRefused) {
  using nx596::ActionEffect;
  using nx596::IndexPart;
  using nx596::Syntax;
  constexpr auto kRW = nx596::Access::kReadWrite;
  constexpr auto kRO = nx596::Access::kReadOnly;
  const nx596::ObjectDefinition objects[] = {
      {"address", "1.9.1.1.2", Syntax::kIpAddress, kRW, "", ""},
      {"mode", "1.9.1.1.3", Syntax::kInteger, kRW, "1,2", "1"},
      {"status", "1.9.1.1.4", Syntax::kInteger, kRW, "", ""},
      {"result", "1.9.1.1.5", Syntax::kInteger, kRO, "0..3", ""},
      {"clear", "1.9.2", Syntax::kInteger, kRW, "1,2", ""},
      {"state", "1.9.3", Syntax::kInteger, kRO, "1,2", ""},
  };
  const nx596::TableDefinition table = {"table", "1.9.1.1", {IndexPart::kInteger}, 4, {2}};
  struct Bad {
    const char* why;
    std::vector<nx596::TableDefinition> tables;
    std::vector<nx596::ActionDefinition> actions;
  };
  const nx596::ActionDefinition kFine = {"clear", "1.9.2", "2", "", ActionEffect::kClearSubtree,
                                         "1.9.1", "",      1};
  const Bad cases[] = {
      {"a read-only required column", {{"table", "1.9.1.1", {IndexPart::kInteger}, 4, {5}}}, {}},
      {"the RowStatus as its own requirement",
       {{"table", "1.9.1.1", {IndexPart::kInteger}, 4, {4}}},
       {}},
      {"required columns without a RowStatus",
       {{"table", "1.9.1.1", {IndexPart::kInteger}, 0, {2}}},
       {}},
      {"a parent whose index does not lead the child's",
       {table,
        {"rules", "1.9.4.1", {IndexPart::kIpAddress, IndexPart::kInteger}, 0, {}, "1.9.1.1"}},
       {}},
      {"a parent that is no table",
       {table, {"rules", "1.9.4.1", {IndexPart::kInteger, IndexPart::kInteger}, 0, {}, "1.9.5.1"}},
       {}},
      {"a read-only trigger", {table}, {{"x", "1.9.3", "2", "", ActionEffect::kNone, "", "", 1}}},
      {"a start value the trigger refuses",
       {table},
       {{"x", "1.9.2", "3", "", ActionEffect::kNone, "", "", 1}}},
      {"an idle value the trigger refuses",
       {table},
       {{"x", "1.9.2", "2", "", ActionEffect::kNone, "", "", 0}}},
      {"two idle values of one trigger",
       {table},
       {kFine, {"x", "1.9.2", "2", "", ActionEffect::kNone, "", "", 2}}},
      {"a row effect of a scalar",
       {table},
       {{"x", "1.9.2", "2", "", ActionEffect::kSetRow, "", "5=1", 1}}},
      {"a result outside its column's limits",
       {table},
       {{"x", "1.9.1.1.3", "2", "", ActionEffect::kSetRow, "", "5=4", 1}}},
      {"a result in no column",
       {table},
       {{"x", "1.9.1.1.3", "2", "", ActionEffect::kSetRow, "", "9=1", 1}}},
      {"a status of no instance",
       {table},
       {{"x", "1.9.2", "2", "", ActionEffect::kSetInstance, "1.9.3", "1", 1}}},
      {"a condition that is no value of its column",
       {table},
       {{"x", "1.9.1.1.3", "2", "2=none", ActionEffect::kNone, "", "", 1}}},
  };
  for (const Bad& bad : cases) {
    EXPECT_THROW(nx596::DeviceModel(bad.tables, objects, bad.actions), std::invalid_argument)
        << bad.why;
  }
  const nx596::TableDefinition tables[] = {table};
  const nx596::ActionDefinition actions[] = {kFine};
  EXPECT_NO_THROW(nx596::DeviceModel(tables, objects, actions));
  // A created row starts from values the device would accept from a SET.
  nx596::ObjectDefinition badInitial[std::size(objects)];
  std::copy(std::begin(objects), std::end(objects), badInitial);
  badInitial[1].initial = "3";
  EXPECT_THROW(nx596::DeviceModel(tables, badInitial), std::invalid_argument);
}

}  // namespace
