#include "DeviceParts.h"
#include "DeviceRules.h"
#include "MibValue.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

// The switch's own rules for its spanning tree and its trusted hosts, on the model made of all
// parts as the agent serves it: the 802.1D relation of the three bridge timers, the priority in
// steps of 4096, a protocol migration that reads back false, and at most ten trusted hosts.
namespace {

using nx596::SetError;
using nx596::SetUndo;
using nx596::SetVarbind;

SetVarbind Number(const std::string& instance, std::int64_t value) {
  return {*nx596::ParseOid(instance), nx596::asn::kInteger, value};
}

std::int64_t Read(const nx596::DeviceModel& model, const std::string& instance) {
  auto [lookup, cell] = model.Get(*nx596::ParseOid(instance));
  if (lookup != nx596::DeviceModel::Lookup::kFound) return -1;
  return std::get<std::int64_t>(cell->value);
}

// Checks the request and applies it when the model accepts it.
nx596::SetCheck Set(nx596::DeviceModel& model, const std::vector<SetVarbind>& request) {
  const nx596::SetCheck check = model.Check(request);
  if (check.error == SetError::kNoError) {
    SetUndo undo;
    model.Apply(request, undo);
  }
  return check;
}

struct Step {
  const char* what;
  std::vector<SetVarbind> request;
  SetError error;
  std::size_t failedIndex;
};

void RunSteps(nx596::DeviceModel& model, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    const nx596::SetCheck check = Set(model, step.request);
    EXPECT_EQ(check.error, step.error);
    if (step.error != SetError::kNoError) {
      EXPECT_EQ(check.failedIndex, step.failedIndex);
    }
  }
}

// The relation as a mechanism: judged on what the whole request leaves, only when the request
// writes one of its scalars.
TEST(LinearRelationRuleTest, JudgesTheValuesARequestLeaves) {
  const nx596::ObjectDefinition objects[] = {
      {"a", "1.9.1", nx596::Syntax::kInteger, nx596::Access::kReadWrite, "", ""},
      {"b", "1.9.2", nx596::Syntax::kInteger, nx596::Access::kReadWrite, "", ""},
      {"c", "1.9.3", nx596::Syntax::kInteger, nx596::Access::kReadWrite, "", ""},
  };
  nx596::DeviceModel model({}, objects);
  const nx596::SeedValue seed[] = {{"1.9.1.0", "20"}, {"1.9.2.0", "5"}, {"1.9.3.0", "0"}};
  model.Seed(seed);
  // a - 2b >= 10
  model.AddRule(std::make_shared<nx596::LinearRelationRule>(
      std::vector<nx596::LinearRelationRule::Term>{{1, "1.9.1.0"}, {-2, "1.9.2.0"}}, 10));
  RunSteps(model,
           {
               {"b alone too big", {Number("1.9.2.0", 6)}, SetError::kInconsistentValue, 0},
               {"refused at the first scalar of the relation",
                {Number("1.9.3.0", 1), Number("1.9.2.0", 6)},
                SetError::kInconsistentValue,
                1},
               {"both together, exactly on the bound",
                {Number("1.9.2.0", 10), Number("1.9.1.0", 30)},
                SetError::kNoError,
                0},
               {"an object outside the relation", {Number("1.9.3.0", 7)}, SetError::kNoError, 0},
           });
  EXPECT_EQ(Read(model, "1.9.1.0"), 30);
  EXPECT_EQ(Read(model, "1.9.2.0"), 10);
  EXPECT_THROW(nx596::LinearRelationRule({{1, "1.x"}}, 0), std::invalid_argument);
  EXPECT_THROW(nx596::LinearRelationRule({}, 0), std::invalid_argument);
}

constexpr const char* kMaxAge = "1.3.6.1.2.1.17.2.12.0";
constexpr const char* kHelloTime = "1.3.6.1.2.1.17.2.13.0";
constexpr const char* kForwardDelay = "1.3.6.1.2.1.17.2.14.0";

// The switch starts with max age 2000, hello time 200 and forward delay 1500 (hundredths).
TEST(SpanningTreeRulesTest, TheBridgeTimersKeepTheirRelation) {
  auto model = nx596::ModelOfParts(nx596::DeviceParts());
  RunSteps(*model,
           {
               // 2 * (1000 - 100) = 1800 < 2000
               {"forward delay too short",
                {Number(kForwardDelay, 1000)},
                SetError::kInconsistentValue,
                0},
               // 2000 < 2 * (1000 + 100)
               {"hello time too long", {Number(kHelloTime, 1000)}, SetError::kInconsistentValue, 0},
               // 2 * (1500 - 100) = 2800 < 4000: a longer max age needs a longer forward delay
               {"max age alone", {Number(kMaxAge, 4000)}, SetError::kInconsistentValue, 0},
               {"max age with its forward delay",
                {Number(kMaxAge, 4000), Number(kForwardDelay, 2100)},
                SetError::kNoError,
                0},
               // Now 2 * (2100 - 100) = 4000 >= 4000: the forward delay cannot go back alone; the
               // refusal names the forward delay, not the hello time that breaks nothing.
               {"forward delay back alone",
                {Number(kHelloTime, 200), Number(kForwardDelay, 1500)},
                SetError::kInconsistentValue,
                1},
               {"all three on both bounds",
                {Number(kMaxAge, 2200), Number(kHelloTime, 1000), Number(kForwardDelay, 1200)},
                SetError::kNoError,
                0},
               {"each within its own limits only",
                {Number(kMaxAge, 600)},
                SetError::kInconsistentValue,
                0},
           });
  EXPECT_EQ(Read(*model, kMaxAge), 2200);
  EXPECT_EQ(Read(*model, kHelloTime), 1000);
  EXPECT_EQ(Read(*model, kForwardDelay), 1200);
}

TEST(SpanningTreeRulesTest, PriorityStepsAndProtocolMigration) {
  auto model = nx596::ModelOfParts(nx596::DeviceParts());
  const std::string priority = "1.3.6.1.2.1.17.2.2.0";
  const std::string migration = "1.3.6.1.2.1.17.2.19.1.1.7";
  RunSteps(*model,
           {
               {"a priority between steps", {Number(priority, 1000)}, SetError::kWrongValue, 0},
               {"a step", {Number(priority, 61440)}, SetError::kNoError, 0},
               {"beyond the last step", {Number(priority, 65536)}, SetError::kWrongValue, 0},
               {"a port priority between steps",
                {Number("1.3.6.1.2.1.17.2.15.1.2.3", 100)},
                SetError::kWrongValue,
                0},
               {"a migration check", {Number(migration, 1)}, SetError::kNoError, 0},
           });
  EXPECT_EQ(Read(*model, priority), 61440);
  EXPECT_EQ(Read(*model, migration), 2);
}

// The switch starts with the hosts 1, 2 and 5; a host's index is 1 to 10.
TEST(TrustedHostRulesTest, AtMostTenHosts) {
  auto model = nx596::ModelOfParts(nx596::DeviceParts());
  const std::string column = "1.3.6.1.4.1.99917.12.1.2.10.1.1.";
  auto create = [&](int index) {
    return std::vector<SetVarbind>{{*nx596::ParseOid(column + "2." + std::to_string(index)),
                                    nx596::asn::kIpAddress, std::string("\x0a\x01\x01\x01", 4)},
                                   Number(column + "3." + std::to_string(index), 4)};
  };
  RunSteps(*model, {{"an eleventh index", create(11), SetError::kNoCreation, 1},
                    {"index 0", create(0), SetError::kNoCreation, 1}});
  for (int index : {3, 4, 6, 7, 8, 9, 10})
    RunSteps(*model, {{"a free index", create(index), {}, 0}});
  RunSteps(*model, {{"all ten in use", create(3), SetError::kInconsistentValue, 1}});
}

}  // namespace
