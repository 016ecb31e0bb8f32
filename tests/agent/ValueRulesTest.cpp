#include "DeviceParts.h"
#include "MibValue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The switch's own checks of the DHCP relay control table (an interface it has, four servers
// each) and of the packed summer-time rule values (each field in range, a day its month has),
// on the model made of all parts, as the agent serves it.
namespace {

using nx596::SetError;
using nx596::SetUndo;
using nx596::SetVarbind;

const std::string kRelayStatus = "1.3.6.1.4.1.99917.12.42.3.1.1.3.";
const std::string kSystem = "6.83.121.115.116.101.109.";  // "System" with its length
const std::string kIpif2 = "5.105.112.105.102.50.";

SetVarbind RowStatus(const std::string& index, std::int64_t status) {
  return {*nx596::ParseOid(kRelayStatus + index), nx596::asn::kInteger, status};
}

SetVarbind Octets(const std::string& instance, const std::string& hex) {
  return {*nx596::ParseOid(instance), nx596::asn::kOctetString,
          std::get<std::string>(*nx596::ParseValue(nx596::Syntax::kOctetString, hex))};
}

class ValueRulesTest : public ::testing::Test {
 protected:
  // Checks the request and applies it when the switch accepts it.
  nx596::SetCheck Set(const std::vector<SetVarbind>& request) {
    const nx596::SetCheck check = model_->Check(request);
    if (check.error == SetError::kNoError) {
      SetUndo undo;
      model_->Apply(request, undo);
    }
    return check;
  }

  std::unique_ptr<nx596::DeviceModel> model_ = nx596::ModelOfParts(nx596::DeviceParts());
};

// The switch starts with three servers for System and one for ipif2.
TEST_F(ValueRulesTest, RelayRowsNeedAnInterfaceOfTheSwitchAndAtMostFourServersEach) {
  struct Step {
    const char* what;
    std::vector<SetVarbind> request;
    SetError error;
    std::size_t failedIndex;
  };
  const Step steps[] = {
      {"a fourth server", {RowStatus(kSystem + "10.90.90.4", 4)}, SetError::kNoError, 0},
      {"a fifth server", {RowStatus(kSystem + "10.90.90.5", 4)}, SetError::kInconsistentValue, 0},
      {"a fifth, waiting", {RowStatus(kSystem + "10.90.90.5", 5)}, SetError::kInconsistentValue, 0},
      {"a name in other case",
       {RowStatus("6.115.121.115.116.101.109.10.90.90.5", 4)},
       SetError::kWrongValue,
       0},
      {"an interface the switch lacks",
       {RowStatus("5.105.112.105.102.51.10.0.0.1", 4)},
       SetError::kWrongValue,
       0},
      {"no name at all", {RowStatus("0.10.0.0.1", 4)}, SetError::kWrongValue, 0},
      {"four more for ipif2 in one request",
       {RowStatus(kIpif2 + "10.0.0.1", 4), RowStatus(kIpif2 + "10.0.0.2", 4),
        RowStatus(kIpif2 + "10.0.0.3", 4), RowStatus(kIpif2 + "10.0.0.4", 4)},
       SetError::kInconsistentValue,
       0},
      {"three more for ipif2",
       {RowStatus(kIpif2 + "10.0.0.1", 4), RowStatus(kIpif2 + "10.0.0.2", 4),
        RowStatus(kIpif2 + "10.0.0.3", 4)},
       SetError::kNoError,
       0},
      {"one goes, another comes",
       {RowStatus(kSystem + "10.90.90.1", 6), RowStatus(kSystem + "10.90.90.5", 4)},
       SetError::kNoError,
       0},
      {"and no more", {RowStatus(kSystem + "10.90.90.6", 4)}, SetError::kInconsistentValue, 0},
  };
  for (const Step& step : steps) {
    const nx596::SetCheck check = Set(step.request);
    EXPECT_EQ(check.error, step.error) << step.what;
    if (step.error != SetError::kNoError) {
      EXPECT_EQ(check.failedIndex, step.failedIndex) << step.what;
    }
  }
  int system = 0;
  const auto column = *nx596::ParseOid(kRelayStatus + kSystem.substr(0, kSystem.size() - 1));
  for (auto* cell = model_->Next(column, false, column); cell;
       cell = model_->Next(cell->first, false, column))
    ++system;
  EXPECT_EQ(system, 4);
}

TEST_F(ValueRulesTest, SummerTimeRulesAreCheckedFieldByField) {
  const std::string repeatStart = "1.3.6.1.4.1.99917.12.10.12.3.0";
  const std::string repeatEnd = "1.3.6.1.4.1.99917.12.10.12.4.0";
  const std::string annualStart = "1.3.6.1.4.1.99917.12.10.12.5.0";
  const std::string annualEnd = "1.3.6.1.4.1.99917.12.10.12.6.0";
  struct Case {
    const std::string& instance;
    const char* hex;
    SetError error;
  };
  const Case cases[] = {
      // Repeating: week, day of the week (two octets), month, hour, minute.
      {repeatStart, "00 00 01 03 02 00", SetError::kNoError},
      {repeatEnd, "04 00 07 0C 17 3B", SetError::kNoError},
      {repeatStart, "05 00 01 03 02 00", SetError::kWrongValue},
      {repeatStart, "00 00 00 03 02 00", SetError::kWrongValue},
      {repeatStart, "00 00 08 03 02 00", SetError::kWrongValue},
      {repeatStart, "00 01 01 03 02 00", SetError::kWrongValue},  // 257: the high octet counts
      {repeatStart, "00 00 01 00 02 00", SetError::kWrongValue},
      {repeatStart, "00 00 01 0D 02 00", SetError::kWrongValue},
      {repeatStart, "00 00 01 03 18 00", SetError::kWrongValue},
      {repeatEnd, "00 00 01 03 02 3C", SetError::kWrongValue},
      {repeatStart, "00 00 01 03 02", SetError::kWrongLength},
      {repeatStart, "00 00 01 03 02 00 00", SetError::kWrongLength},
      // Annual: day of the month, month, hour, minute.
      {annualStart, "1F 03 02 00", SetError::kNoError},
      {annualEnd, "1D 02 00 00", SetError::kNoError},  // 29 February: the year is not known
      {annualEnd, "1E 02 00 00", SetError::kWrongValue},
      {annualStart, "1F 04 02 00", SetError::kWrongValue},
      {annualStart, "00 03 02 00", SetError::kWrongValue},
      {annualStart, "01 00 02 00", SetError::kWrongValue},
      {annualStart, "01 0D 02 00", SetError::kWrongValue},
      {annualEnd, "1D 0A 19 00", SetError::kWrongValue},
      {annualEnd, "1D 0A 03 3C", SetError::kWrongValue},
      {annualEnd, "1D 0A 03", SetError::kWrongLength},
  };
  for (const Case& c : cases) {
    const nx596::SetCheck check = model_->Check(std::vector{Octets(c.instance, c.hex)});
    EXPECT_EQ(check.error, c.error) << c.instance << " " << c.hex;
  }
  // The refusal names the varbind that carries the wrong rule, not the first one.
  const std::vector request = {Octets(repeatEnd, "00 00 01 0A 03 00"),
                               Octets(repeatStart, "00 00 01 03 19 00")};
  EXPECT_EQ(model_->Check(request).error, SetError::kWrongValue);
  EXPECT_EQ(model_->Check(request).failedIndex, 1u);
}

}  // namespace
