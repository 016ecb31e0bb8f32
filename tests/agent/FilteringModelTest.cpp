// The static filtering database and the IGMP router ports in the device model: entries kept by
// their 802.1Q entry status, ports that stay within their VLAN, and router-port rows that come
// and go with the VLANs.

#include "DeviceParts.h"
#include "SeedFiltering.h"
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

const std::string kUnicast = "1.3.6.1.2.1.17.7.1.3.1.1.";
const std::string kMulticast = "1.3.6.1.2.1.17.7.1.3.2.1.";
const std::string kVlan = "1.3.6.1.2.1.17.7.1.4.3.1.";
const std::string kRouter = "1.3.6.1.4.1.99917.11.63.3.2.7.6.1.";
// 00-20-4A-10-00-63, receive port 0 (any), in filtering database 20 / VLAN 20.
const std::string kHost = "20.0.32.74.16.0.99.0";
// 01-00-5E-00-00-09 in VLAN 20, received on port 5.
const std::string kGroup = "20.1.0.94.0.0.9.5";

class FilteringModelTest : public nx596::test::WholeSwitchModel {};

// VLAN 20 has ports 5, 6, 11 and 25.
TEST_F(FilteringModelTest, EntriesComeWithTheirStatusAndGoWithInvalid) {
  EXPECT_EQ(Rows(kUnicast + "4"), 2u);
  EXPECT_EQ(Rows(kMulticast + "5"), 2u);

  // Created with its port and "permanent" in one request; kept by a later "permanent".
  ASSERT_EQ(Set({Bytes(kUnicast + "3." + kHost, "\x08\0\0\0"s), Number(kUnicast + "4." + kHost, 3)})
                .error,
            SetError::kNoError);
  EXPECT_EQ(At(kUnicast + "3." + kHost), Value{"\x08\0\0\0"s});
  ASSERT_EQ(Set({Number(kUnicast + "4." + kHost, 4)}).error, SetError::kNoError);
  EXPECT_EQ(At(kUnicast + "4." + kHost), Value{std::int64_t{4}});
  EXPECT_EQ(At(kUnicast + "3." + kHost), Value{"\x08\0\0\0"s});

  // A multicast entry created by its status alone starts without ports, then takes them.
  ASSERT_EQ(Set({Number(kMulticast + "5." + kGroup, 3)}).error, SetError::kNoError);
  EXPECT_EQ(At(kMulticast + "3." + kGroup), Value{std::string(4, '\0')});
  EXPECT_EQ(At(kMulticast + "4." + kGroup), Value{std::string(4, '\0')});
  ASSERT_EQ(Set({Bytes(kMulticast + "3." + kGroup, "\x0C\0\0\0"s)}).error, SetError::kNoError);

  // "invalid" deletes the whole entry; an undo brings it back.
  ASSERT_EQ(Set({Number(kMulticast + "5." + kGroup, 2)}).error, SetError::kNoError);
  EXPECT_FALSE(At(kMulticast + "3." + kGroup));
  EXPECT_FALSE(At(kMulticast + "5." + kGroup));
  model_->Undo(undo_);
  EXPECT_EQ(At(kMulticast + "3." + kGroup), Value{"\x0C\0\0\0"s});
  ASSERT_EQ(Set({Number(kUnicast + "4." + kHost, 2)}).error, SetError::kNoError);
  EXPECT_FALSE(At(kUnicast + "3." + kHost));
  EXPECT_EQ(Rows(kUnicast + "4"), 2u);
}

TEST_F(FilteringModelTest, TheSwitchRefusesEntriesItCannotKeep) {
  struct Refusal {
    const char* why;
    std::vector<SetVarbind> request;
    SetError error;
  };
  const Refusal refusals[] = {
      {"a port outside the VLAN",
       {Bytes(kUnicast + "3." + kHost, "\x80\0\0\0"s), Number(kUnicast + "4." + kHost, 3)},
       SetError::kInconsistentValue},
      {"a port beyond the 26th",
       {Bytes(kMulticast + "3." + kGroup, "\0\0\0\x20"s), Number(kMulticast + "5." + kGroup, 3)},
       SetError::kWrongValue},
      {"a VLAN the switch does not have",
       {Number(kUnicast + "4.99.0.32.74.16.0.99.0", 3)},
       SetError::kInconsistentValue},
      {"the status the switch keeps for itself",
       {Number(kUnicast + "4." + kHost, 1)},
       SetError::kWrongValue},
      {"ports for an entry that is not there",
       {Bytes(kMulticast + "3." + kGroup, "\x08\0\0\0"s)},
       SetError::kInconsistentName},
      {"an instance without its receive port",
       {Number(kUnicast + "4.20.0.32.74.16.0.0", 3)},
       SetError::kNoCreation},
  };
  for (const Refusal& refusal : refusals) {
    EXPECT_EQ(Set(refusal.request).error, refusal.error) << refusal.why;
    EXPECT_EQ(Rows(kUnicast + "4"), 2u) << refusal.why;
    EXPECT_EQ(Rows(kMulticast + "5"), 2u) << refusal.why;
  }
}

TEST_F(FilteringModelTest, EveryVlanHasItsRouterPortsWithinItsMembers) {
  EXPECT_EQ(model_->Indexes(O(kRouter + "2")), (std::vector<Oid>{{1}, {20}, {30}}));
  EXPECT_EQ(At(kRouter + "2.20"), Value{"lab"s});
  EXPECT_EQ(At(kRouter + "3.1"), Value{"\0\0\x01\0"s});
  EXPECT_EQ(At(kRouter + "4.20"), Value{"\0\x20\0\0"s});
  EXPECT_EQ(At(kRouter + "3.30"), Value{std::string(4, '\0')});

  // Static router ports are members of their VLAN; the learned ones cannot be written.
  EXPECT_EQ(Set({Bytes(kRouter + "3.20", "\x80\0\0\0"s)}).error, SetError::kInconsistentValue);
  EXPECT_EQ(Set({Bytes(kRouter + "4.20", "\x08\0\0\0"s)}).error, SetError::kNotWritable);
  EXPECT_EQ(Set({Bytes(kRouter + "3.40", "\x08\0\0\0"s)}).error, SetError::kNoCreation);
  ASSERT_EQ(Set({Bytes(kRouter + "3.20", "\x0C\0\0\x80"s)}).error, SetError::kNoError);

  // A port that leaves the VLAN stops being its router port and leaves its static entries.
  ASSERT_EQ(Set({Bytes(kVlan + "2.20", "\x08\x20\0\x80"s)}).error, SetError::kNoError);
  EXPECT_EQ(At(kRouter + "3.20"), Value{"\x08\0\0\x80"s});
  EXPECT_EQ(At(kMulticast + "3.20.1.0.94.127.0.10.0"), Value{"\x08\0\0\0"s});

  // A new VLAN brings its row, empty and named; a destroyed one takes it along.
  ASSERT_EQ(Set({Bytes(kVlan + "1.40", "office"s), Bytes(kVlan + "2.40", "\xF0\0\0\0"s),
                 Number(kVlan + "5.40", 4)})
                .error,
            SetError::kNoError);
  EXPECT_EQ(At(kRouter + "2.40"), Value{"office"s});
  EXPECT_EQ(At(kRouter + "3.40"), Value{std::string(4, '\0')});
  ASSERT_EQ(Set({Bytes(kRouter + "3.40", "\x10\0\0\0"s)}).error, SetError::kNoError);
  ASSERT_EQ(Set({Number(kVlan + "5.40", 6)}).error, SetError::kNoError);
  EXPECT_FALSE(At(kRouter + "2.40"));
  EXPECT_FALSE(At(kRouter + "3.40"));
  EXPECT_FALSE(At(kRouter + "4.40"));
}

TEST_F(FilteringModelTest, AddedVlansHaveRouterPortRowsToo) {
  for (auto& [instance, value] : nx596::ExtraVlanRows(400)) model_->Insert(instance, value);
  model_->SettleRules();
  EXPECT_EQ(Rows(kVlan + "5"), 400u);
  EXPECT_EQ(Rows(kRouter + "3"), 400u);
  EXPECT_EQ(At(kRouter + "2.400"), Value{"VLAN400"s});
}

}  // namespace
