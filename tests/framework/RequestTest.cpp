#include "ErrorCode.h"
#include "QtPrinters.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPSession.h"
#include "TestApplication.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <vector>

// The request engine's decisions that need no agent: what ends a column, what is refused before
// anything is sent, and that a refused write leaves the list as it was.
namespace {

const ZnSNMPVarDef kPortColumns[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1", "Port Index", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2", "Admin State", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5", "Description", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {},
};

class RequestTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static QTemporaryDir dir;
    ZnSNMPOpenSession(dir.path());
  }
  void SetUp() override { request_.VarList = ZnSNMPVarList(kPortColumns, ZnItemType::MVT_UMV, 1); }
  ZnSNMPRequest request_;
};

TEST_F(RequestTest, EndOfColumnFollowsTheAnswersOid) {
  const QString column = "1.3.6.1.2.1.2.2.1.1";
  // A plain character prefix: 1.10.1 still counts as inside column 1.
  EXPECT_FALSE(request_.IsEndOfColumn(column, "1.3.6.1.2.1.2.2.1.1.9", "1.3.6.1.2.1.2.2.1.10.1"));
  EXPECT_FALSE(request_.IsEndOfColumn(column, "", "1.3.6.1.2.1.2.2.1.1.1"));
  EXPECT_TRUE(request_.IsEndOfColumn(column, "1.3.6.1.2.1.2.2.1.1.3", "1.3.6.1.2.1.2.2.1.2.1"));
  EXPECT_TRUE(request_.IsEndOfColumn(column, "", column));  // not longer than the column
  // endOfMibView comes back with the OID that was asked.
  EXPECT_TRUE(request_.IsEndOfColumn(column, "1.3.6.1.2.1.2.2.1.1.3", "1.3.6.1.2.1.2.2.1.1.3"));
  // An answer that goes backwards would walk the same rows for ever.
  EXPECT_TRUE(request_.IsEndOfColumn(column, "1.3.6.1.2.1.2.2.1.1.30", "1.3.6.1.2.1.2.2.1.1.4"));
  request_.VarList.ItemType = ZnItemType::MVT_SV;
  EXPECT_FALSE(request_.IsEndOfColumn(column, "", "1.3.6.1.2.1.2.2.1.2.1"));
}

TEST_F(RequestTest, RefusedBeforeAnythingIsSent) {
  request_.VarList.ItemType = ZnItemType::SVT_SV;
  EXPECT_EQ(CodeOf([&] { request_.Get(false); }), -510);
  EXPECT_EQ(CodeOf([&] { request_.GetAsync({}, nullptr, false); }), -510);
  request_.VarList.ItemType = ZnItemType::MVT_SV;
  EXPECT_EQ(CodeOf([&] { request_.Get(false); }), -510);
  request_.VarList.ItemType = 7;
  EXPECT_EQ(CodeOf([&] { request_.Get(true); }), -515);
  EXPECT_EQ(CodeOf([&] { request_.Set(); }), -515);

  request_.VarList.ItemType = ZnItemType::SVT_SV;
  request_.Device.Address = "not an address";
  EXPECT_EQ(CodeOf([&] { request_.Get(true); }), -509);
  request_.Device.Address = "";
  EXPECT_EQ(CodeOf([&] { request_.Set(); }), -509);
  EXPECT_EQ(request_.Outstanding, 0);

  request_.Device.Address = "127.0.0.1";
  request_.Security.Version = 3;
  request_.Security.SecurityModel = 3;
  request_.Security.SecurityLevel = 3;
  request_.Security.SecurityName = "nx-aes";
  request_.Security.AuthProtocol = 3;
  request_.Security.AuthPassword = "nx-aes-auth";
  request_.Security.PrivPassword = "nx-aes-priv";
  for (int unavailable : {3, 9, 5}) {  // 3DES, IDEA, and a number nobody defined
    request_.Security.PrivProtocol = unavailable;
    const int code = CodeOf([&] { request_.Get(true); });
    EXPECT_EQ(code, -313) << unavailable;
  }
  request_.Security.PrivProtocol = 4;
  request_.Security.AuthProtocol = 8;
  EXPECT_EQ(CodeOf([&] { request_.Get(true); }), -312);
  request_.Security.AuthProtocol = 3;
  request_.Security.SecurityModel = 1;
  EXPECT_EQ(CodeOf([&] { request_.Get(true); }), -201);
  // A pass phrase shorter than USM allows cannot make a key.
  request_.Security.SecurityModel = 3;
  request_.Security.AuthPassword = "short";
  EXPECT_EQ(CodeOf([&] { request_.Get(true); }), -307);
}

TEST_F(RequestTest, ARefusedWriteLeavesTheListAsItWas) {
  request_.VarList.Item(1).Value = "enabled";
  request_.VarList.Item(2).Value = "uplink";
  const QStringList source = {"x"};
  // The value source is shorter than the mapping.
  EXPECT_EQ(CodeOf([&] { request_.Set("2,1", &source); }), -12);
  request_.VarList.ItemType = 9;
  const QStringList enough = {"x", "y"};
  EXPECT_EQ(CodeOf([&] { request_.Set("2,1", &enough); }), -515);
  EXPECT_EQ(request_.VarList.Item(1).Value, "enabled");
  EXPECT_EQ(request_.VarList.Item(2).Value, "uplink");
  EXPECT_EQ(request_.VarList.Item(0).Access, ZnAccess::ReadOnly);
  EXPECT_EQ(request_.VarList.Item(1).Access, ZnAccess::ReadWrite);
}

TEST_F(RequestTest, SettingsAreCopiedWhenTheRequestIsMade) {
  ZnSNMPGlobalSecurity.ReadCommunity = "first";
  ZnSNMPDefaultTimeout = 250;
  ZnSNMPRequest early;
  ZnSNMPGlobalSecurity.ReadCommunity = "second";
  EXPECT_EQ(early.Security.ReadCommunity, "first");
  EXPECT_EQ(early.Timeout, 250);
  EXPECT_EQ(early.Retries, 1);
  EXPECT_TRUE(early.Enabled);
  early.ReloadSettings();
  EXPECT_EQ(early.Security.ReadCommunity, "second");
  ZnSNMPGlobalSecurity.ReadCommunity = "tamrel";
  ZnSNMPDefaultTimeout = 100;
  // A disabled request does nothing at all, not even refuse.
  early.Enabled = false;
  early.VarList.ItemType = 9;
  EXPECT_FALSE(early.Get(true));
  EXPECT_NO_THROW(early.Set());
}

TEST(SessionTest, DefaultsAndBootsCounterPerRun) {
  QTemporaryDir dir;
  ZnSNMPOpenSession(dir.path());
  std::uint32_t boots = 0;
  const QString file = dir.filePath(ZnSNMPBootCounterFile);
  EXPECT_EQ(ZnSNMPGetBootCounter(file, ZnSNMPLocalEngineID, boots), 0);
  EXPECT_EQ(boots, 1u);
  ZnSNMPOpenSession(dir.path());
  EXPECT_EQ(ZnSNMPGetBootCounter(file, ZnSNMPLocalEngineID, boots), 0);
  EXPECT_EQ(boots, 2u);
  EXPECT_EQ(ZnSNMPGlobalDevice.Address, "127.0.0.1");
  EXPECT_EQ(ZnSNMPGlobalDevice.Port, 161);
  EXPECT_EQ(ZnSNMPGlobalSecurity.Version, 0);
  EXPECT_EQ(ZnSNMPGlobalSecurity.ReadCommunity, "tamrel");
  EXPECT_EQ(ZnSNMPGlobalSecurity.WriteCommunity, "vosquin");
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityModel, 1);
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityLevel, 1);
  EXPECT_EQ(ZnSNMPGlobalSecurity.AuthProtocol, 1);
  EXPECT_EQ(ZnSNMPGlobalSecurity.PrivProtocol, 1);
  EXPECT_EQ(ZnSNMPDefaultTimeout, 100);
  EXPECT_TRUE(ZnSNMPEventPump().IsRunning());

  // Other engines' counters in the same file are kept.
  ASSERT_EQ(ZnSNMPSaveBootCounter(file, "other engine", 41), 0);
  ZnSNMPOpenSession(dir.path());
  EXPECT_EQ(ZnSNMPGetBootCounter(file, "other engine", boots), 0);
  EXPECT_EQ(boots, 41u);
  EXPECT_EQ(ZnSNMPGetBootCounter(file, ZnSNMPLocalEngineID, boots), 0);
  EXPECT_EQ(boots, 3u);
  EXPECT_EQ(ZnSNMPGetBootCounter(dir.filePath("absent"), ZnSNMPLocalEngineID, boots), -2);
}

TEST(SessionTest, DamagedOrUnwritableCounterFileStopsTheStart) {
  QTemporaryDir dir;
  QFile damaged(dir.filePath(ZnSNMPBootCounterFile));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("ZnSNMP_PP_Application many\n");
  damaged.close();
  EXPECT_EQ(CodeOf([&] { ZnSNMPOpenSession(dir.path()); }), -507);
  EXPECT_FALSE(ZnSNMPEventPump().IsRunning());
  EXPECT_EQ(CodeOf([&] { ZnSNMPOpenSession(dir.filePath("no/such/directory")); }), -508);
  QTemporaryDir fresh;
  ZnSNMPOpenSession(fresh.path());  // leave the pump running for the other tests
  EXPECT_TRUE(ZnSNMPEventPump().IsRunning());
}

// Answers already known (a walk's next rows from a bulk answer) go out one after another, never
// one inside another; one cancelled by an earlier completion does not run; and a chain that
// never ends still leaves the event loop its turns.
TEST(SessionTest, KnownAnswersRunInOrderUnnestedCancellableAndNeverHoldTheLoop) {
  TestApplication();
  QTemporaryDir dir;
  ZnSNMPOpenSession(dir.path());
  std::vector<int> ran;
  int depth = 0;
  int deepest = 0;
  std::uint64_t cancelled = 0;
  auto note = [&](int n) {
    return [&, n](const ZnSNMPAnswer&) {
      deepest = std::max(deepest, ++depth);
      ran.push_back(n);
      if (n == 1) ZnSNMPCancel(cancelled);
      if (n == 3) ZnSNMPCompleteLater({}, [&](const ZnSNMPAnswer&) { ran.push_back(4); });
      --depth;
    };
  };
  ZnSNMPCompleteLater({}, note(1));
  cancelled = ZnSNMPCompleteLater({}, note(2));
  ZnSNMPCompleteLater({}, note(3));
  EXPECT_TRUE(ran.empty()) << "a known answer ran before the caller returned";
  ASSERT_TRUE(Await([&] { return ran.size() >= 3; }, 2000));
  EXPECT_EQ(ran, (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(deepest, 1);

  // Each completion queues the next, forever; a timer due now must still fire.
  bool timerFired = false;
  bool stop = false;
  long chained = 0;
  std::function<void(const ZnSNMPAnswer&)> again = [&](const ZnSNMPAnswer&) {
    ++chained;
    if (!stop) ZnSNMPCompleteLater({}, again);
  };
  ZnSNMPCompleteLater({}, again);
  QTimer::singleShot(0, [&] { timerFired = true; });
  EXPECT_TRUE(Await([&] { return timerFired; }, 5000)) << chained << " answers held the loop";
  stop = true;
  Await([] { return false; }, 50);
  EXPECT_GT(chained, 0);
}

}  // namespace
