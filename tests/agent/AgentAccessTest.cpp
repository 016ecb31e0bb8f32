// Who may talk to the simulated switch: the built-in SNMPv3 users at every security level, users
// added on the command line, wrong credentials, and the engine's identity across restarts. Also
// the plain net-snmp agent that tests use when they need an agent that is not ours, and how a
// crash of the simulated switch fails the test in which it happened.

#include "NetSnmpAgent.h"
#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <sys/wait.h>

#include <csignal>
#include <memory>
#include <string>

namespace {

using nx596::test::NetSnmpTools;
using nx596::test::ToolRun;
using nx596::test::V2c;
using nx596::test::V3Auth;
using nx596::test::V3NoAuth;
using nx596::test::V3Priv;

const QString kSystemReset = QStringLiteral("1.3.6.1.4.1.99917.12.1.2.3.0");
const QString kEngineId = QStringLiteral("1.3.6.1.6.3.10.2.1.1.0");
const QString kEngineBoots = QStringLiteral("1.3.6.1.6.3.10.2.1.2.0");

struct User {
  const char* name;
  QStringList credentials;
};

TEST(AgentAccess, EveryBuiltInUserReadsAndWritesAtItsSecurityLevel) {
  Nx596Agent agent;
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  const User users[] = {
      {"nx-noauth", V3NoAuth("nx-noauth")},
      {"nx-md5", V3Auth("nx-md5", "MD5", "nx-md5-pass")},
      {"nx-sha", V3Auth("nx-sha", "SHA", "nx-sha-pass")},
      {"nx-sha256", V3Auth("nx-sha256", "SHA-256", "nx-sha256-pass")},
      {"nx-des", V3Priv("nx-des", "MD5", "nx-des-auth", "DES", "nx-des-priv")},
      {"nx-aes", V3Priv("nx-aes", "SHA", "nx-aes-auth", "AES", "nx-aes-priv")},
      {"nx-aes256", V3Priv("nx-aes256", "SHA-256", "nx-aes256-auth", "AES-256", "nx-aes256-priv")},
  };
  // Each user writes a value different from the one before, so a write that silently did
  // nothing shows.
  int value = 1;
  for (const User& user : users) {
    value = value % 4 + 1;
    ToolRun set = tools.Run(QStringLiteral("snmpset"), user.credentials,
                            {kSystemReset, "i", QString::number(value)});
    EXPECT_EQ(set.exitCode, 0) << user.name << "\n" << set;
    ToolRun get = tools.Run(QStringLiteral("snmpget"), user.credentials, {kSystemReset});
    EXPECT_EQ(get.Find(kSystemReset).value, QString::number(value)) << user.name << "\n" << get;
  }
}

TEST(AgentAccess, UserBelowItsSecurityLevelIsRefused) {
  Nx596Agent agent;
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  // nx-aes may only use authPriv; without privacy VACM has no access for it.
  ToolRun get =
      tools.Run(QStringLiteral("snmpget"), V3Auth("nx-aes", "SHA", "nx-aes-auth"), {kSystemReset});
  EXPECT_TRUE(get.errors.contains(QStringLiteral("Reason: authorizationError"))) << get;
  EXPECT_TRUE(get.varbinds.isEmpty()) << get;
}

TEST(AgentAccess, WrongCredentialsGetNoAnswerWithData) {
  Nx596Agent agent;
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  tools.SetTimeout(1, 0);

  ToolRun wrongAuth = tools.Run(QStringLiteral("snmpget"),
                                V3Auth("nx-sha", "SHA", "not-the-password"), {kSystemReset});
  EXPECT_NE(wrongAuth.exitCode, 0);
  EXPECT_TRUE(wrongAuth.errors.contains(QStringLiteral("Authentication failure"))) << wrongAuth;

  ToolRun wrongPriv =
      tools.Run(QStringLiteral("snmpget"),
                V3Priv("nx-aes", "SHA", "nx-aes-auth", "AES", "not-the-privacy"), {kSystemReset});
  // The agent cannot decrypt the request and so has nothing to answer.
  EXPECT_TRUE(wrongPriv.TimedOut()) << wrongPriv;
  EXPECT_TRUE(wrongPriv.varbinds.isEmpty()) << wrongPriv;

  ToolRun unknownUser = tools.Run(QStringLiteral("snmpget"),
                                  V3Auth("nx-nobody", "SHA", "nx-sha-pass"), {kSystemReset});
  EXPECT_TRUE(unknownUser.errors.contains(QStringLiteral("Unknown user name"))) << unknownUser;

  // An unknown community is dropped without an answer.
  ToolRun community = tools.Run(QStringLiteral("snmpget"), V2c("public"), {kSystemReset});
  EXPECT_TRUE(community.TimedOut()) << community;
}

TEST(AgentAccess, UserFromTheCommandLineGetsReadWriteAccess) {
  Nx596Agent agent(
      {"--user", "ops:SHA-512:ops-auth-pass:AES-192:ops-priv-pass", "--user", "guest:none::none:"});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  const QStringList ops = V3Priv("ops", "SHA-512", "ops-auth-pass", "AES-192", "ops-priv-pass");
  ToolRun set = tools.Run(QStringLiteral("snmpset"), ops, {kSystemReset, "i", "2"});
  ASSERT_EQ(set.exitCode, 0) << set;
  ToolRun get = tools.Run(QStringLiteral("snmpget"), V3NoAuth("guest"), {kSystemReset});
  EXPECT_EQ(get.Find(kSystemReset).value, QStringLiteral("2")) << get;
}

TEST(AgentAccess, BadCommandLinesAreRefusedBeforeStarting) {
  for (const QStringList& arguments :
       {QStringList{"--user", "ops:SHA:short:none:"},
        QStringList{"--user", "ops:SHA-1:password1:none:"},
        QStringList{"--user", "ops:none::AES:privacy-pass"}, QStringList{"--engine-id", "8000"},
        QStringList{"--drop", "0"}, QStringList{"--fdb-rows", "ten"},
        QStringList{"--colour", "blue"}, QStringList{"--slot1", "5"},
        QStringList{"--slot2", "XM-71"}, QStringList{"--leds", "8"}, QStringList{"--leds", "0G"},
        QStringList{"--leds", "8 2"}, QStringList{"--leds-live=yes"},
        QStringList{"--leds", "02", "--leds-live"}, QStringList{"--counters-near-wrap"},
        QStringList{"--leds-live", "--counters-near-wrap=0"},
        QStringList{"--leds-live", "--counters-near-wrap=soon"},
        QStringList{"--misbehave", "late=0"}, QStringList{"--misbehave", "sulk"},
        QStringList{"--misbehave", "wrongtype=1.3.x"},
        QStringList{"--misbehave", "wrongtype=1..3"},
        QStringList{"--misbehave", "twice=1.3.4294967296"}}) {
    Nx596Agent agent(arguments);
    ::testing::TestPartResultArray failures;
    {
      ::testing::ScopedFakeTestPartResultReporter reporter(
          ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
      EXPECT_FALSE(agent.Start()) << arguments.join(' ').toStdString();
    }
    // The fixture reports the refusal with the agent's own explanation.
    ASSERT_EQ(failures.size(), 1);
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("nx596-agent:"),
              std::string::npos)
        << failures.GetTestPartResult(0).message();
  }
}

TEST(AgentAccess, RestartKeepsTheEngineIdAndCountsOneMoreBoot) {
  Nx596Agent agent;
  ASSERT_TRUE(agent.Start());
  auto read = [&] {
    NetSnmpTools tools(agent.Address());
    return tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), {kEngineId, kEngineBoots});
  };
  ToolRun first = read();
  ASSERT_EQ(first.exitCode, 0) << first;
  ASSERT_TRUE(agent.Restart());
  ToolRun second = read();
  ASSERT_EQ(second.exitCode, 0) << second;
  EXPECT_EQ(second.Find(kEngineBoots).value.toInt(), first.Find(kEngineBoots).value.toInt() + 1);
  EXPECT_EQ(second.Find(kEngineId).value, first.Find(kEngineId).value);
  EXPECT_FALSE(first.Find(kEngineId).value.isEmpty());
  // The SNMPv3 users still work after the restart, with keys localized to the same engine.
  NetSnmpTools tools(agent.Address());
  ToolRun v3 =
      tools.Run(QStringLiteral("snmpget"),
                V3Priv("nx-aes", "SHA", "nx-aes-auth", "AES", "nx-aes-priv"), {kEngineBoots});
  EXPECT_EQ(v3.Find(kEngineBoots).value, second.Find(kEngineBoots).value) << v3;
}

TEST(AgentAccess, FixedEngineIdIsTheAgentsEngineId) {
  Nx596Agent agent({"--engine-id", "0x800063A203001CF0596000"});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  ToolRun run = tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), {kEngineId});
  EXPECT_EQ(run.Find(kEngineId).value, QStringLiteral("80 00 63 A2 03 00 1C F0 59 60 00")) << run;
  // The community table names the engine that serves its communities: this one.
  const QString engineOfTamrel = QStringLiteral("1.3.6.1.6.3.18.1.1.1.4.116.97.109.114.101.108");
  ToolRun community = tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), {engineOfTamrel});
  EXPECT_EQ(community.Find(engineOfTamrel).value, run.Find(kEngineId).value) << community;
}

// usmUserCloneFrom takes only a pointer to a user's row: a value too short to be one (the
// zeroDotZero a read gives, the table's own OIDs) names no user and is refused, every time, and
// the switch answers on. What lies behind such a value in the agent's memory differs from start
// to start, so several switches are asked. A row made by cloning takes any value as a write that
// does nothing, and a community that may not write gets no further than the access check.
TEST(AgentAccess, ACloneFromThatNamesNoUserIsRefusedAndTheSwitchAnswersOn) {
  const QString cloneFrom = QStringLiteral("1.3.6.1.6.3.15.1.2.2.1.4");
  const QString securityName = QStringLiteral("1.3.6.1.6.3.15.1.2.2.1.3");
  const QString status = QStringLiteral("1.3.6.1.6.3.15.1.2.2.1.13");
  const QStringList shortValues = {"1.3.6.1.6.3.15.1.2.2.1", "0.0", "1.3.6.1.6.3.15.1.2.2.1.3",
                                   "1.3", "1.3.6.1.6.3.15.1.2.2.1"};
  for (int start = 0; start < 8; ++start) {
    SCOPED_TRACE("switch " + std::to_string(start));
    Nx596Agent agent;
    ASSERT_TRUE(agent.Start());
    NetSnmpTools tools(agent.Address());
    const ToolRun rows = tools.Run(QStringLiteral("snmpwalk"), V2c("tamrel"), {securityName});
    ASSERT_EQ(rows.varbinds.size(), 7) << rows;
    const QString index = rows.varbinds[start % 7].oid.mid(securityName.size() + 1);
    for (const QString& value : shortValues) {
      SCOPED_TRACE(value.toStdString());
      const ToolRun set = tools.Run(QStringLiteral("snmpset"), V2c("vosquin"),
                                    {cloneFrom + '.' + index, "o", value});
      EXPECT_TRUE(set.errors.contains("inconsistentName")) << set;
    }
    const ToolRun v3 =
        tools.Run(QStringLiteral("snmpget"),
                  V3Priv("nx-aes", "SHA", "nx-aes-auth", "AES", "nx-aes-priv"), {kSystemReset});
    EXPECT_EQ(v3.exitCode, 0) << v3;
    if (start > 0) continue;

    const ToolRun readOnly =
        tools.Run(QStringLiteral("snmpset"), V2c("tamrel"), {cloneFrom + '.' + index, "o", "0.0"});
    EXPECT_TRUE(readOnly.errors.contains("noAccess")) << readOnly;
    // A user "tst" of the same engine, made by cloning this one.
    const QString engine = index.section('.', 0, index.section('.', 0, 0).toInt());
    const QString made = engine + ".3.116.115.116";
    ASSERT_EQ(tools.Run(QStringLiteral("snmpset"), V2c("vosquin"), {status + '.' + made, "i", "5"})
                  .exitCode,
              0);
    const ToolRun cloned = tools.Run(QStringLiteral("snmpset"), V2c("vosquin"),
                                     {cloneFrom + '.' + made, "o", securityName + '.' + index});
    ASSERT_EQ(cloned.exitCode, 0) << cloned;
    const ToolRun again =
        tools.Run(QStringLiteral("snmpset"), V2c("vosquin"), {cloneFrom + '.' + made, "o", "0.0"});
    EXPECT_EQ(again.exitCode, 0) << again;
  }
}

TEST(NetSnmpReferenceAgent, AnswersWithItsOwnMibAndCredentials) {
  NetSnmpAgent agent;
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  const QString sysDescr = QStringLiteral("1.3.6.1.2.1.1.1.0");
  ToolRun v2 = tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), {sysDescr, kSystemReset});
  ASSERT_EQ(v2.exitCode, 0) << v2;
  EXPECT_EQ(v2.Find(sysDescr).value, QStringLiteral("net-snmp reference agent"));
  EXPECT_TRUE(v2.Find(kSystemReset).value.startsWith(QStringLiteral("No Such Object")))
      << "the device's private MIB is not there";
  ToolRun v3 =
      tools.Run(QStringLiteral("snmpget"), V3Auth("nx-sha", "SHA", "nx-sha-pass"), {sysDescr});
  EXPECT_EQ(v3.Find(sysDescr).value, QStringLiteral("net-snmp reference agent")) << v3;
}

// Ends the agent the way a crash does, with a signal (SIGKILL: no handler of a sanitizer build
// turns it into an exit code, and it leaves no core file), and waits until it has.
void Crash(const Nx596Agent& agent) {
  const auto pid = static_cast<pid_t>(agent.ProcessId());
  ASSERT_NE(pid, 0);
  ASSERT_EQ(::kill(pid, SIGKILL), 0);
  siginfo_t info = {};
  waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT);  // leaves it to QProcess
}

// The tests of a run that the crash test below starts: each lets its switch crash and asserts
// nothing more. They exist only in a run with this variable set, so never on their own.
constexpr char kCrashRun[] = "NX596_AGENT_CRASH_RUN";

class SharedSwitch : public ::testing::Test {
 public:
  static void SetUpTestSuite() {
    agent_ = std::make_unique<Nx596Agent>();
    ASSERT_TRUE(agent_->Start());
  }
  static void TearDownTestSuite() { agent_.reset(); }

 protected:
  static inline std::unique_ptr<Nx596Agent> agent_;
};

class CrashesTheSharedSwitch : public SharedSwitch {
  void TestBody() override { Crash(*agent_); }
};

class AsksTheSharedSwitchAfterwards : public SharedSwitch {
  void TestBody() override {
    const ToolRun run =
        NetSnmpTools(agent_->Address()).Run("snmpget", V2c("tamrel"), {kSystemReset});
    EXPECT_EQ(run.exitCode, 0) << run;
  }
};

class OwnSwitch : public ::testing::Test {};

class CrashesItsOwnSwitch : public OwnSwitch {
  void TestBody() override {
    Nx596Agent agent;
    ASSERT_TRUE(agent.Start());
    Crash(agent);
  }
};

[[maybe_unused]] const bool kCrashRunRegistered = [] {
  if (!qEnvironmentVariableIsSet(kCrashRun)) return false;
  ::testing::RegisterTest("SharedSwitch", "CrashesTheSharedSwitch", nullptr, nullptr, __FILE__,
                          __LINE__, []() -> SharedSwitch* { return new CrashesTheSharedSwitch; });
  ::testing::RegisterTest("SharedSwitch", "AsksTheSharedSwitchAfterwards", nullptr, nullptr,
                          __FILE__, __LINE__,
                          []() -> SharedSwitch* { return new AsksTheSharedSwitchAfterwards; });
  ::testing::RegisterTest("OwnSwitch", "CrashesItsOwnSwitch", nullptr, nullptr, __FILE__, __LINE__,
                          []() -> OwnSwitch* { return new CrashesItsOwnSwitch; });
  return true;
}();

// A switch that crashes fails the test in which it crashed, by name and signal, though the test
// asserts nothing: a switch of the test's own when the test ends, one a suite shares as soon as
// the test ends, and the suite's next test meets a running switch again.
TEST(AgentCrash, FailsTheTestItHappenedInWhateverTheTestAsserts) {
  QProcess run;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(kCrashRun, "1");
  run.setProcessEnvironment(environment);
  run.setProcessChannelMode(QProcess::MergedChannels);
  run.start(QStringLiteral("/proc/self/exe"),
            {QStringLiteral("--gtest_filter=SharedSwitch.*:OwnSwitch.*")});
  ASSERT_TRUE(run.waitForFinished(120000));
  const QString output = QString::fromUtf8(run.readAll());
  const std::string text = output.toStdString();
  EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << text;
  EXPECT_EQ(run.exitCode(), 1) << text;
  EXPECT_TRUE(output.contains("[  FAILED  ] SharedSwitch.CrashesTheSharedSwitch (")) << text;
  EXPECT_TRUE(output.contains("[       OK ] SharedSwitch.AsksTheSharedSwitchAfterwards (")) << text;
  EXPECT_TRUE(output.contains("[  FAILED  ] OwnSwitch.CrashesItsOwnSwitch (")) << text;
  EXPECT_EQ(output.count("nx596-agent crashed (signal 9, Killed) during this test"), 1) << text;
  EXPECT_EQ(output.count("nx596-agent crashed (signal 9, Killed) before it was stopped"), 1)
      << text;
  EXPECT_TRUE(output.contains("[  FAILED  ] 2 tests")) << text;
}

}  // namespace
