// The switch's VLANs in the device model: rules that span several objects refuse what a switch
// refuses, keep the derived tables and counters in step, and go back with an undone SET.

#include "DeviceParts.h"
#include "WholeSwitchModel.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

using nx596::DeviceModel;
using nx596::Oid;
using nx596::SetError;
using nx596::SetUndo;
using nx596::SetVarbind;
using nx596::Value;
namespace asn = nx596::asn;
using nx596::test::Bytes;
using nx596::test::Number;
using nx596::test::O;

const std::string kStatic = "1.3.6.1.2.1.17.7.1.4.3.1.";
const std::string kCurrent = "1.3.6.1.2.1.17.7.1.4.2.1.";
const std::string kTagged = "1.3.6.1.4.1.99917.11.63.3.2.19.1.1.7.";
const std::string kGuest = "1.3.6.1.4.1.99917.12.30.1.";
const std::string kNumVlans = "1.3.6.1.2.1.17.7.1.1.4.0";
const std::string kNumDeletes = "1.3.6.1.2.1.17.7.1.4.1.0";
const std::string kNextFree = "1.3.6.1.2.1.17.7.1.4.4.0";

class VlanModelTest : public nx596::test::WholeSwitchModel {};

TEST_F(VlanModelTest, TheStartingVlansAndWhatTheDeviceDerivesFromThem) {
  EXPECT_EQ(Count(kNumVlans), 3u);
  EXPECT_EQ(Count(kNumDeletes), 0u);
  EXPECT_EQ(At(kNextFree), Value{std::int64_t{2}});
  // VLAN 1: every port, the uplinks tagged; VLAN 20 in filtering database 20, all tagged.
  EXPECT_EQ(At(kCurrent + "4.0.1"), Value{std::string("\xFF\xFF\xFF\xC0")});
  EXPECT_EQ(At(kCurrent + "5.0.1"), Value{std::string("\xFF\xFF\xFF\x00", 4)});
  EXPECT_EQ(At(kTagged + "1"), Value{std::string("\x00\x00\x00\xC0", 4)});
  EXPECT_EQ(At(kCurrent + "3.0.20"), Value{std::uint64_t{20}});
  EXPECT_EQ(At(kTagged + "20"), Value{std::string("\x0C\x20\x00\x80", 4)});
  EXPECT_EQ(At(kCurrent + "6.0.30"), Value{std::int64_t{2}});  // permanent
  EXPECT_FALSE(At(kCurrent + "4.0.2"));
}

TEST_F(VlanModelTest, ACreatedVlanIsCurrentAndAnUndoneOneLeavesNoTrace) {
  const auto check = Set({Bytes(kStatic + "1.2", "two"), Bytes(kStatic + "2.2", "\xF0\0\0\0"s),
                          Bytes(kStatic + "4.2", "\x30\0\0\0"s), Number(kStatic + "5.2", 4)});
  ASSERT_EQ(check.error, SetError::kNoError);
  EXPECT_EQ(At(kCurrent + "4.0.2"), Value{"\xF0\0\0\0"s});
  EXPECT_EQ(At(kCurrent + "5.0.2"), Value{"\x30\0\0\0"s});
  EXPECT_EQ(At(kTagged + "2"), Value{"\xC0\0\0\0"s});
  EXPECT_EQ(Count(kNumVlans), 4u);
  EXPECT_EQ(At(kNextFree), Value{std::int64_t{3}});

  model_->Undo(undo_);
  EXPECT_FALSE(At(kCurrent + "4.0.2"));
  EXPECT_FALSE(At(kTagged + "2"));
  EXPECT_EQ(Count(kNumVlans), 3u);
  EXPECT_EQ(At(kNextFree), Value{std::int64_t{2}});
}

// The request that destroys a VLAN may carry its other columns; they go with it.
TEST_F(VlanModelTest, ADestroyedVlanLeavesEveryTableAndIsCounted) {
  const auto check = Set({Bytes(kStatic + "1.20", "lab"), Bytes(kStatic + "2.20", "\x0C\0\0\0"s),
                          Number(kStatic + "5.20", 6)});
  ASSERT_EQ(check.error, SetError::kNoError);
  for (const std::string& gone : {kStatic + "1.20", kStatic + "2.20", kStatic + "5.20",
                                  kCurrent + "4.0.20", kCurrent + "7.0.20", kTagged + "20"})
    EXPECT_FALSE(At(gone)) << gone;
  EXPECT_EQ(Count(kNumDeletes), 1u);
  EXPECT_EQ(Count(kNumVlans), 2u);
  // Destroying a VLAN that is not there deletes nothing.
  ASSERT_EQ(Set({Number(kStatic + "5.20", 6)}).error, SetError::kNoError);
  EXPECT_EQ(Count(kNumDeletes), 1u);
}

TEST_F(VlanModelTest, RequestsTheSwitchRefusesChangeNothing) {
  struct Refusal {
    const char* why;
    std::vector<SetVarbind> varbinds;
    SetError error;
    std::size_t failed;
  };
  const Refusal refusals[] = {
      {"untagged ports that are not egress ports",
       {Bytes(kStatic + "2.40", "\x80\0\0\0"s), Bytes(kStatic + "4.40", "\x40\0\0\0"s),
        Number(kStatic + "5.40", 4)},
       SetError::kInconsistentValue,
       1},
      {"an egress port taken away from under an untagged one",
       {Bytes(kStatic + "2.1", "\x7F\xFF\xFF\xC0"s)},
       SetError::kInconsistentValue,
       0},
      {"port 27", {Bytes(kStatic + "2.20", "\x0C\x20\x00\xA0"s)}, SetError::kWrongValue, 0},
      {"a guest port 32", {Bytes(kGuest + "2.0", "\0\0\0\x01"s)}, SetError::kWrongValue, 0},
      {"the default VLAN destroyed", {Number(kStatic + "5.1", 6)}, SetError::kWrongValue, 0},
      {"VLAN 0", {Number(kStatic + "5.0", 4)}, SetError::kNoCreation, 0},
      {"VLAN 4095", {Number(kStatic + "5.4095", 4)}, SetError::kNoCreation, 0},
      {"a name another VLAN has",
       {Bytes(kStatic + "1.40", "lab"), Number(kStatic + "5.40", 4)},
       SetError::kInconsistentValue,
       0},
      {"a guest VLAN of no VLAN",
       {Bytes(kGuest + "1.0", "visitors")},
       SetError::kInconsistentValue,
       0},
      {"the guest VLAN's VLAN destroyed",
       {Bytes(kStatic + "1.30", "guest"), Number(kStatic + "5.30", 6)},
       SetError::kInconsistentValue,
       0},
      {"the guest VLAN's VLAN renamed",
       {Bytes(kStatic + "1.30", "visitors")},
       SetError::kInconsistentValue,
       0},
      {"guest ports without a guest VLAN",
       {Bytes(kGuest + "1.0", ""), Bytes(kGuest + "2.0", "\x80\0\0\0"s)},
       SetError::kInconsistentValue,
       1},
  };
  for (const Refusal& refusal : refusals) {
    const auto check = Set(refusal.varbinds);
    EXPECT_EQ(check.error, refusal.error) << refusal.why;
    EXPECT_EQ(check.failedIndex, refusal.failed) << refusal.why;
  }
  EXPECT_EQ(Count(kNumVlans), 3u);
  EXPECT_TRUE(At(kStatic + "5.1") && At(kStatic + "5.30"));
  EXPECT_FALSE(At(kStatic + "5.40"));
  // Renamed together with the guest VLAN that names it, VLAN 30 may change its name.
  EXPECT_EQ(Set({Bytes(kStatic + "1.30", "visitors"), Bytes(kGuest + "1.0", "visitors")}).error,
            SetError::kNoError);
}

TEST_F(VlanModelTest, DeletingTheGuestVlanEmptiesItsNameAndPorts) {
  ASSERT_EQ(Set({Number(kGuest + "3.0", 2)}).error, SetError::kNoError);
  EXPECT_EQ(At(kGuest + "1.0"), Value{std::string()});
  EXPECT_EQ(At(kGuest + "2.0"), Value{"\0\0\0\0"s});
  EXPECT_EQ(At(kGuest + "3.0"), Value{std::int64_t{1}});
  // Its VLAN stays and may now go.
  EXPECT_TRUE(At(kStatic + "5.30"));
  EXPECT_EQ(Set({Number(kStatic + "5.30", 6)}).error, SetError::kNoError);
}

}  // namespace
