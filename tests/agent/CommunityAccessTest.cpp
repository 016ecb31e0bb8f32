// The communities the simulated switch accepts are the active rows of its community table
// (SNMP-COMMUNITY-MIB): the model tells the agent of every change, and a community created,
// taken out of service or destroyed over SNMP is accepted or refused from the next request on.

#include "CommunityTable.h"
#include "DeviceModel.h"
#include "DeviceParts.h"
#include "DeviceSeed.h"
#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using nx596::ActiveCommunities;
using nx596::CommunityMapping;
using nx596::DeviceModel;
using nx596::Oid;
using nx596::ParseOid;
using nx596::SetError;
using nx596::SetUndo;
using nx596::SetVarbind;
using nx596::Value;
using nx596::test::NetSnmpTools;
using nx596::test::ToolRun;
using nx596::test::V1;
using nx596::test::V3Priv;

// The engine the seed data's rows name until the agent knows its own.
const std::string kSeededEngine("\x80\x00\x1F\x88\x04nx596", 10);
// Row "kestrel" of snmpCommunityTable: an IMPLIED index, the name's bytes without a length.
const char* const kKestrel = "107.101.115.116.114.101.108";
const char* const kTamrel = "116.97.109.114.101.108";

Oid Column(int column, const char* row) {
  // Appended piece by piece: GCC 12 at -O2 warns falsely about a chain of + on std::string.
  std::string text(nx596::kCommunityEntry);
  text += '.';
  text += std::to_string(column);
  text += '.';
  text += row;
  return *ParseOid(text);
}

SetVarbind Integer(int column, const char* row, std::int64_t value) {
  return {Column(column, row), 0x02, Value{value}};
}

SetVarbind Text(int column, const char* row, const std::string& value) {
  return {Column(column, row), 0x04, Value{value}};
}

class CommunityTableTest : public ::testing::Test {
 protected:
  CommunityTableTest() : model_(nx596::ModelOfParts(nx596::DeviceParts())) {}

  // A SET as the agent runs it: checked whole, then applied.
  SetError Set(const std::vector<SetVarbind>& varbinds, SetUndo& undo) {
    const nx596::SetCheck check = model_->Check(varbinds);
    if (check.error == SetError::kNoError) model_->Apply(varbinds, undo);
    return check.error;
  }
  SetError Set(const std::vector<SetVarbind>& varbinds) {
    SetUndo undo;
    return Set(varbinds, undo);
  }
  std::vector<CommunityMapping> Communities(const std::string& engine = kSeededEngine) const {
    return ActiveCommunities(*model_, engine);
  }

  std::unique_ptr<DeviceModel> model_;
};

TEST_F(CommunityTableTest, SeededRowsNameTheirCommunityAsSecurityName) {
  EXPECT_EQ(Communities(),
            (std::vector<CommunityMapping>{{"tamrel", "tamrel", ""}, {"vosquin", "vosquin", ""}}));
  // Rows that name another engine are for that engine, not this one.
  EXPECT_TRUE(Communities("another engine").empty());
}

TEST_F(CommunityTableTest, AWatcherLearnsOfEveryChangeToItsTableAndOfItsUndo) {
  int changes = 0;
  const std::size_t watch =
      model_->Watch(*ParseOid(nx596::kCommunityEntry), [&changes] { ++changes; });

  SetUndo creation;
  ASSERT_EQ(
      Set({Integer(8, kKestrel, 4), Text(2, kKestrel, "kestrel-ro"), Text(3, kKestrel, "tamrel")},
          creation),
      SetError::kNoError);
  EXPECT_EQ(changes, 1);
  // In the table's order: "kestrel" sorts before "tamrel".
  EXPECT_EQ(Communities(), (std::vector<CommunityMapping>{{"kestrel-ro", "tamrel", ""},
                                                          {"tamrel", "tamrel", ""},
                                                          {"vosquin", "vosquin", ""}}));
  model_->Undo(creation);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Communities().size(), 2u);

  // A write elsewhere is none of the watcher's business.
  ASSERT_EQ(Set({{*ParseOid("1.3.6.1.4.1.99917.11.63.3.2.1.2.16.0"), 0x02, Value{2}}}),
            SetError::kNoError);
  EXPECT_EQ(changes, 2);

  model_->Unwatch(watch);
  ASSERT_EQ(Set({Integer(8, kTamrel, 2)}), SetError::kNoError);
  EXPECT_EQ(changes, 2);
}

TEST_F(CommunityTableTest, OnlyActiveRowsWithoutATransportTagAreAccepted) {
  const std::vector<CommunityMapping> onlyVosquin = {{"vosquin", "vosquin", ""}};
  ASSERT_EQ(Set({Integer(8, kTamrel, 2)}), SetError::kNoError);  // notInService
  EXPECT_EQ(Communities(), onlyVosquin);
  ASSERT_EQ(Set({Integer(8, kTamrel, 1)}), SetError::kNoError);
  EXPECT_EQ(Communities().size(), 2u);
  // A tag restricts the sources; the agent cannot tell which, so it accepts none.
  ASSERT_EQ(Set({Text(6, kTamrel, "nxTraps")}), SetError::kNoError);
  EXPECT_EQ(Communities(), onlyVosquin);
  ASSERT_EQ(Set({Text(6, kTamrel, "")}), SetError::kNoError);
  // The context goes with the community.
  ASSERT_EQ(Set({Text(5, kTamrel, "nx-ctx")}), SetError::kNoError);
  EXPECT_EQ(Communities().front(), (CommunityMapping{"tamrel", "tamrel", "nx-ctx"}));
  ASSERT_EQ(Set({Integer(8, kTamrel, 6)}), SetError::kNoError);
  EXPECT_EQ(Communities(), onlyVosquin);
}

TEST_F(CommunityTableTest, ANewRowNamesTheEngineTheAgentStartedWith) {
  const std::string engine("\x80\x00\x1F\x88\x80\x12\x34\x56\x78", 9);
  ASSERT_TRUE(model_->SetInitial(*ParseOid("1.3.6.1.6.3.18.1.1.1.4"), Value{engine}));
  ASSERT_EQ(Set({Integer(8, kKestrel, 4), Text(2, kKestrel, "kestrel-ro")}), SetError::kNoError);
  // The seeded rows still name the seed's engine; the new one names this agent's.
  EXPECT_EQ(Communities(engine), (std::vector<CommunityMapping>{{"kestrel-ro", "nobody", ""}}));
  // Only a column of a table can take an initial value, and only of its own syntax.
  EXPECT_FALSE(model_->SetInitial(*ParseOid("1.3.6.1.4.1.99917.11.63.3.2.1.2.16"), Value{1}));
  EXPECT_FALSE(model_->SetInitial(*ParseOid("1.3.6.1.6.3.18.1.1.1.4"), Value{std::int64_t{1}}));
}

// Against the running agent: an administrator adds a community over SNMPv3 and a manager uses
// it over SNMPv1.
class CommunityAccessAgentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(agent_.Start());
    tools_ = std::make_unique<NetSnmpTools>(agent_.Address());
    // A refused community gets no answer at all; one try of a second is enough to see that.
    tools_->SetTimeout(1, 0);
  }
  ToolRun Administer(const QStringList& varbinds) {
    return tools_->Run(QStringLiteral("snmpset"),
                       V3Priv("nx-aes", "SHA", "nx-aes-auth", "AES", "nx-aes-priv"), varbinds);
  }
  ToolRun GetSysDescr(const QString& community) {
    return tools_->Run(QStringLiteral("snmpget"), V1(community), {kSysDescr});
  }
  static QString Row(int column, const char* row) {
    return QStringLiteral("%1.%2.%3").arg(nx596::kCommunityEntry).arg(column).arg(row);
  }

  const QString kSysDescr = QStringLiteral("1.3.6.1.2.1.1.1.0");
  Nx596Agent agent_;
  std::unique_ptr<NetSnmpTools> tools_;
};

TEST_F(CommunityAccessAgentTest, ACreatedCommunityAnswersAndADestroyedOneIsRefused) {
  EXPECT_TRUE(GetSysDescr("kestrel-ro").TimedOut());

  ToolRun create = Administer({Row(8, kKestrel), "i", "4", Row(2, kKestrel), "s", "kestrel-ro",
                               Row(3, kKestrel), "s", "tamrel"});
  ASSERT_EQ(create.exitCode, 0) << create;
  agent_.ClearTrace();
  ToolRun get = GetSysDescr("kestrel-ro");
  EXPECT_TRUE(get.Find(kSysDescr).value.startsWith("NX-596")) << get;
  // The trace sees the new community like the built-in ones.
  ASSERT_EQ(agent_.TraceLines().size(), 1);
  EXPECT_TRUE(agent_.TraceLines()[0].startsWith("GET\tv1\tkestrel-ro\t"))
      << qPrintable(agent_.TraceLines()[0]);
  // It has the rights of its security name: tamrel reads and does not write.
  ToolRun write = tools_->Run(QStringLiteral("snmpset"), V1("kestrel-ro"),
                              {QStringLiteral("1.3.6.1.2.1.1.5.0"), "s", "renamed"});
  EXPECT_NE(write.exitCode, 0) << write;
  EXPECT_FALSE(write.TimedOut()) << write;

  ASSERT_EQ(Administer({Row(8, kKestrel), "i", "2"}).exitCode, 0);  // notInService
  EXPECT_TRUE(GetSysDescr("kestrel-ro").TimedOut());
  ASSERT_EQ(Administer({Row(8, kKestrel), "i", "1"}).exitCode, 0);
  EXPECT_FALSE(GetSysDescr("kestrel-ro").TimedOut());

  ASSERT_EQ(Administer({Row(8, kKestrel), "i", "6"}).exitCode, 0);
  EXPECT_TRUE(GetSysDescr("kestrel-ro").TimedOut());
  EXPECT_FALSE(GetSysDescr("tamrel").TimedOut());
}

TEST_F(CommunityAccessAgentTest, TheBuiltInCommunitiesAreRowsOfTheTableToo) {
  ASSERT_EQ(Administer({Row(8, kTamrel), "i", "6"}).exitCode, 0);
  EXPECT_TRUE(GetSysDescr("tamrel").TimedOut());
  EXPECT_FALSE(GetSysDescr("vosquin").TimedOut());
  // A refused SET changes no community.
  ToolRun refused = Administer({Row(8, kKestrel), "i", "4", Row(2, kKestrel), "s", "kestrel-ro",
                                Row(7, kKestrel), "i", "9"});
  EXPECT_NE(refused.exitCode, 0) << refused;
  EXPECT_TRUE(GetSysDescr("kestrel-ro").TimedOut());
}

}  // namespace
