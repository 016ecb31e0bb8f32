#include "ErrorCode.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "TestApplication.h"
#include "V3User.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPValueCodec.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// SNMPv3 security, time-outs and the life of asynchronous exchanges, against the simulated
// switch; and the engine's index decoding against net-snmp's own MIB tables and tools.
namespace {

using User = V3User;

const User kAes = {"nx-aes", 3, 3, "nx-aes-auth", 4, "nx-aes-priv"};

const ZnSNMPVarDef kVlan[] = {{"1.3.6.1.4.1.99917.11.63.3.2.1.2.5", "Management VLAN ID",
                               ZnSyntax::Integer, ZnAccess::ReadWrite},
                              {}};

class SecurityAgentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TestApplication();
    static QTemporaryDir counter;
    ZnSNMPOpenSession(counter.path());
  }
  void Use(Nx596Agent& agent) {
    ZnSNMPGlobalDevice = {"127.0.0.1", agent.Port()};
    ZnSNMPDefaultTimeout = 100;
  }
  // Reads the VLAN ID, writes value + 1, reads it back, writes the old value.
  static void ReadAndWrite(const char* who) {
    ZnSNMPRequest request;
    request.VarList = ZnSNMPVarList(kVlan, ZnItemType::SVT_SV, 0);
    request.Get(true);
    const QString old = request.VarList.Item(0).Value;
    ASSERT_FALSE(old.isEmpty()) << who;
    const QStringList next = {QString::number(old.toInt() + 1)};
    request.Set("0", &next);
    request.Get(true);
    EXPECT_EQ(request.VarList.Item(0).Value, next[0]) << who;
    const QStringList back = {old};
    request.Set("0", &back);
  }
};

TEST_F(SecurityAgentTest, EveryLevelAndProtocolReadsAndWrites) {
  Nx596Agent agent({"--user", "nx-sha224:SHA-224:nx-sha224-pass:none:", "--user",
                    "nx-sha384:SHA-384:nx-sha384-pass:AES-192:nx-aes192-priv", "--user",
                    "nx-sha512:SHA-512:nx-sha512-pass:AES:nx-sha512-priv"});
  ASSERT_TRUE(agent.Start());
  Use(agent);
  const User users[] = {
      {"nx-noauth", 1, 1, "", 1, ""},
      {"nx-md5", 2, 2, "nx-md5-pass", 1, ""},
      {"nx-sha", 2, 3, "nx-sha-pass", 1, ""},
      {"nx-sha256", 2, 5, "nx-sha256-pass", 1, ""},
      {"nx-des", 3, 2, "nx-des-auth", 2, "nx-des-priv"},
      {"nx-aes", 3, 3, "nx-aes-auth", 4, "nx-aes-priv"},
      {"nx-aes256", 3, 5, "nx-aes256-auth", 21, "nx-aes256-priv"},
      {"nx-sha224", 2, 4, "nx-sha224-pass", 1, ""},
      {"nx-sha384", 3, 6, "nx-sha384-pass", 20, "nx-aes192-priv"},
      {"nx-sha512", 3, 7, "nx-sha512-pass", 4, "nx-sha512-priv"},
  };
  for (const User& user : users) {
    UseV3(user);
    try {
      ReadAndWrite(user.name);
    } catch (const ZnException& e) {
      ADD_FAILURE() << user.name << ": " << e.Code() << " " << e.Message().toStdString();
    }
  }
  // Every request carries the context of the settings.
  UseV3(kAes);
  ZnSNMPGlobalScope.ContextName = "nx-ctx";
  agent.ClearTrace();
  ReadAndWrite("context");
  ZnSNMPGlobalScope.ContextName.clear();
  const QStringList lines = agent.TraceLines();
  ASSERT_FALSE(lines.isEmpty());
  for (const QString& line : lines)
    EXPECT_TRUE(line.contains("\tv3\tnx-aes\tnx-ctx\t")) << line.toStdString();
}

TEST_F(SecurityAgentTest, SecurityFailuresGiveTheirCodes) {
  Nx596Agent agent;
  ASSERT_TRUE(agent.Start());
  Use(agent);
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(kVlan, ZnItemType::SVT_SV, 0);

  UseV3({"nobody", 2, 3, "nobody-pass", 1, ""});
  request.ReloadSettings();
  EXPECT_EQ(CodeOf([&] { request.Get(true); }), -304);

  // A right pass phrase, a wrong one, the right one again: each gets its own answer, although
  // the library keeps one user per engine and name.
  const User right = {"nx-sha", 2, 3, "nx-sha-pass", 1, ""};
  const User wrong = {"nx-sha", 2, 3, "not-the-pass", 1, ""};
  for (const User& user : {right, wrong, right, wrong}) {
    UseV3(user);
    request.ReloadSettings();
    const int code = CodeOf([&] { request.Get(true); });
    if (&user == &right || user.authPass == right.authPass)
      EXPECT_EQ(code, 0) << user.authPass;
    else
      EXPECT_EQ(code, -308) << user.authPass;
  }
  UseV3(right);
  request.ReloadSettings();
  EXPECT_EQ(CodeOf([&] { request.Get(true); }), 0);

  // A level the user does not have.
  UseV3({"nx-noauth", 2, 3, "nx-noauth-pass", 1, ""});
  request.ReloadSettings();
  const int level = CodeOf([&] { request.Get(true); });
  EXPECT_TRUE(level == -303 || level == -304 || level == -308) << level;
}

TEST_F(SecurityAgentTest, RequestsSurviveAnAgentRestart) {
  Nx596Agent agent;
  ASSERT_TRUE(agent.Start());
  Use(agent);
  UseV3(kAes);
  ReadAndWrite("before");
  ASSERT_TRUE(agent.Restart());
  Use(agent);
  ReadAndWrite("after restart");
  // And asynchronously, on a connection that learnt the old boots and time.
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(kVlan, ZnItemType::SVT_SV, 0);
  std::vector<ZnSNMPError> results;
  ZnSNMPCallback record = [&](void*, const ZnSNMPError& r, ZnSNMPVarList&) {
    results.push_back(r);
  };
  request.GetAsync(record, nullptr, true);
  ASSERT_TRUE(Await([&] { return results.size() == 1; }));
  ASSERT_TRUE(agent.Restart());
  Use(agent);
  request.ReloadSettings();
  request.GetAsync(record, nullptr, true);
  ASSERT_TRUE(Await([&] { return results.size() == 2; }));
  EXPECT_EQ(results[1].Code, 0) << results[1].Message.toStdString();
}

TEST_F(SecurityAgentTest, SilentAgentTimesOutAfterEveryTry) {
  Nx596Agent agent({"--drop", "1"});
  ASSERT_TRUE(agent.Start());
  Use(agent);
  ZnSNMPGlobalSecurity.Version = 1;
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(kVlan, ZnItemType::SVT_SV, 0);
  request.Timeout = 40;
  request.Retries = 1;
  QElapsedTimer timer;
  timer.start();
  try {
    request.Get(true);
    FAIL() << "a silent agent answered";
  } catch (const ZnException& e) {
    EXPECT_EQ(e.Code(), -405);
    EXPECT_EQ(e.Message(), "(SNMPClass) SNMP request timed out!");
  }
  // Two tries of 0.4 s.
  EXPECT_GE(timer.elapsed(), 750);
  EXPECT_LT(timer.elapsed(), 3000);
  EXPECT_EQ(agent.TraceLines().size(), 2);

  std::vector<ZnSNMPError> results;
  request.GetAsync([&](void*, const ZnSNMPError& r, ZnSNMPVarList&) { results.push_back(r); },
                   nullptr, true);
  ASSERT_TRUE(Await([&] { return results.size() == 1; }));
  EXPECT_EQ(results[0].Code, -405);
  EXPECT_TRUE(results[0].Done);
  ZnSNMPGlobalSecurity.Version = 0;
}

// The first SNMPv3 request learns the agent's engine without holding up the window.
TEST_F(SecurityAgentTest, DiscoveryDoesNotBlockAsynchronousRequests) {
  Nx596Agent agent({"--delay", "700"});
  ASSERT_TRUE(agent.Start());
  Use(agent);
  UseV3({"nx-sha256", 2, 5, "nx-sha256-pass", 1, ""});
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(kVlan, ZnItemType::SVT_SV, 0);
  int calls = 0;
  ZnSNMPError last;
  QElapsedTimer timer;
  timer.start();
  request.GetAsync(
      [&](void*, const ZnSNMPError& r, ZnSNMPVarList&) {
        ++calls;
        last = r;
      },
      nullptr, true);
  const qint64 sending = timer.elapsed();
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(request.Outstanding, 1);
  EXPECT_LT(sending, 500) << "sending waited for the agent";
  ASSERT_TRUE(Await([&] { return calls == 1; }));
  EXPECT_EQ(last.Code, 0) << last.Message.toStdString();
  EXPECT_FALSE(request.VarList.Item(0).Value.isEmpty());
}

TEST_F(SecurityAgentTest, ADestroyedRequestWaitsAtMostSixSecondsAndHearsNothing) {
  Nx596Agent agent({"--drop", "1"});
  ASSERT_TRUE(agent.Start());
  Use(agent);
  ZnSNMPGlobalSecurity.Version = 1;
  int calls = 0;
  auto request = std::make_unique<ZnSNMPRequest>();
  request->VarList = ZnSNMPVarList(kVlan, ZnItemType::SVT_SV, 0);
  request->Timeout = 500;  // 10 s in all: longer than the destructor waits
  request->GetAsync([&](void*, const ZnSNMPError&, ZnSNMPVarList&) { ++calls; }, nullptr, true);
  request->GetAsync([&](void*, const ZnSNMPError&, ZnSNMPVarList&) { ++calls; }, nullptr, true);
  QElapsedTimer timer;
  timer.start();
  request.reset();
  EXPECT_GE(timer.elapsed(), 5800);
  EXPECT_LT(timer.elapsed(), 8000);
  Await([] { return false; }, 4500);  // past the exchanges' own time-out
  EXPECT_EQ(calls, 0);
  ZnSNMPGlobalSecurity.Version = 0;
}

// The engine decodes the index of net-snmp's own tables as net-snmp's snmpwalk shows it.
struct ToolOids {
  static QStringList Walk(quint16 port, const QString& column) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    static QTemporaryDir home;
    env.insert("HOME", home.path());
    tool.setProcessEnvironment(env);
    tool.start("snmpwalk", {"-v2c", "-c", "tamrel", "-On", "-m", "", "-M", "/dev/null", "-Le",
                            QStringLiteral("127.0.0.1:%1").arg(port), column});
    tool.waitForFinished(20000);
    QStringList oids;
    for (const QString& line : QString::fromUtf8(tool.readAllStandardOutput()).split('\n')) {
      const qsizetype end = line.indexOf(" = ");
      if (line.startsWith('.') && end > 0) oids << line.mid(1, end - 1);
    }
    return oids;
  }
};

TEST_F(SecurityAgentTest, IndexesOfNetSnmpsOwnTablesMatchSnmpwalk) {
  Nx596Agent agent;
  ASSERT_TRUE(agent.Start());
  Use(agent);
  ZnSNMPGlobalSecurity.Version = 1;
  struct Table {
    const char* name;
    std::vector<ZnSNMPVarDef> defs;
    int keys;
  };
  const std::vector<Table> tables = {
      {"usmUserTable",
       {{"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", ZnSyntax::OctetString, ZnAccess::NotAccessible},
        {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", ZnSyntax::DisplayString, ZnAccess::NotAccessible},
        {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
        {}},
       2},
      {"vacmAccessTable",
       {{"1.3.6.1.6.3.16.1.2.1.3", "Group Name", ZnSyntax::DisplayString, ZnAccess::NotAccessible},
        {"1.3.6.1.6.3.16.1.4.1.1", "Context Prefix", ZnSyntax::DisplayString,
         ZnAccess::NotAccessible},
        {"1.3.6.1.6.3.16.1.4.1.2", "Security Model", ZnSyntax::Integer, ZnAccess::NotAccessible},
        {"1.3.6.1.6.3.16.1.4.1.3", "Security Level", ZnSyntax::Integer, ZnAccess::NotAccessible},
        {"1.3.6.1.6.3.16.1.4.1.5", "Read View", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
        {}},
       4},
      {"snmpTargetAddrTable",
       {{"1.3.6.1.6.3.12.1.2.1.1", "Name", ZnSyntax::DisplayString,
         ZnAccess::NotAccessible | ZnAccess::Implied},
        {"1.3.6.1.6.3.12.1.2.1.3", "Address", ZnSyntax::OctetString, ZnAccess::ReadOnly},
        {}},
       1},
  };
  for (const Table& table : tables) {
    ZnSNMPRequest request;
    request.VarList = ZnSNMPVarList(table.defs.data(), ZnItemType::MVT_UMV, table.keys);
    const ZnSNMPVar& column = request.VarList.Item(request.VarList.Count() - 1);
    QStringList engineOids, reencoded;
    for (bool first = true; request.Get(first); first = false) {
      engineOids << column.CurrentOid;
      // The decoded key values, encoded again, address the same row.
      reencoded << column.Oid + "." + ZnEncodeInstance(request.VarList);
      if (engineOids.size() > 500) break;
    }
    const QStringList toolOids = ToolOids::Walk(agent.Port(), column.Oid);
    EXPECT_GE(toolOids.size(), 2) << table.name;
    EXPECT_EQ(engineOids, toolOids) << table.name;
    EXPECT_EQ(reencoded, toolOids) << table.name;
  }
  ZnSNMPGlobalSecurity.Version = 0;
}

}  // namespace
