#include "NetSnmpAgent.h"
#include "Nx596Agent.h"
#include "RecordingNotifier.h"
#include "TestApplication.h"
#include "V3User.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPRequest2Leds.h"
#include "ZnUserNotifier.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <functional>
#include <memory>

// SNMPv3 failures reach the administrator with the same code and text on every road a request
// takes: a synchronous get, the asynchronous reads and writes of the bindings, and the LED poll;
// against our simulated switch and against net-snmp's own agent. Afterwards the right credentials
// work again on the same session.
namespace {

using User = V3User;

// The objects every path reads: the system group and the interface table, which both agents
// serve; each agent adds an octet string for the LED poll and an object to write.
const ZnSNMPVarDef kDescription[] = {
    {"1.3.6.1.2.1.1.1", "Description", ZnSyntax::DisplayString, ZnAccess::ReadOnly}, {}};
const ZnSNMPVarDef kInterfaces[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.2.2.1.2", "Description", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
    {}};

// One agent of the matrix, with the users its configuration gives.
class AgentUnderTest {
 public:
  virtual ~AgentUnderTest() = default;
  virtual bool Start() = 0;
  virtual bool Restart() = 0;
  virtual quint16 Port() const = 0;
  User right{};
  User withoutPrivacy{};  // the same engine's user that has no privacy key
  ZnSNMPVarDef ledObject[2] = {};
  ZnSNMPVarDef writable[2] = {};  // and a value it always takes
  const char* writableValue = "";
};

class OurSwitch : public AgentUnderTest {
 public:
  OurSwitch() {
    right = {"nx-aes256", 3, 5, "nx-aes256-auth", 21, "nx-aes256-priv"};
    withoutPrivacy = {"nx-sha", 3, 3, "nx-sha-pass", 4, "nx-sha-privacy"};
    ledObject[0] = {"1.3.6.1.4.1.99917.11.63.3.2.1.1.5", "LEDs", ZnSyntax::OctetString,
                    ZnAccess::ReadOnly};
    writable[0] = {"1.3.6.1.4.1.99917.11.63.3.2.1.2.5", "Management VLAN ID", ZnSyntax::Integer,
                   ZnAccess::ReadWrite};
    writableValue = "1";
  }
  bool Start() override { return agent_.Start(); }
  bool Restart() override { return agent_.Restart(); }
  quint16 Port() const override { return agent_.Port(); }

 private:
  Nx596Agent agent_;
};

class NetSnmpsAgent : public AgentUnderTest {
 public:
  NetSnmpsAgent() {
    right = {"nx-sha", 3, 3, "nx-sha-pass", 4, "nx-sha-privacy"};
    withoutPrivacy = {"nx-auth", 3, 3, "nx-auth-pass", 4, "nx-auth-privacy"};
    ledObject[0] = kDescription[0];  // snmpd has no LEDs; any octet string polls the same way
    writable[0] = {"1.3.6.1.2.1.1.4", "Contact", ZnSyntax::DisplayString, ZnAccess::ReadWrite};
    writableValue = "noc@example.net";
  }
  bool Start() override { return agent_.Start(); }
  bool Restart() override { return agent_.Restart(); }
  quint16 Port() const override { return agent_.Port(); }

 private:
  NetSnmpAgent agent_;
};

// What one path made of the exchange: the code and message, and the status line a binding wrote
// (empty for the synchronous get, which raises instead).
struct Outcome {
  int code = 1;
  QString message;
  QString status;
};

class SecurityFailureAgentTest : public ::testing::TestWithParam<const char*> {
 protected:
  static void SetUpTestSuite() {
    TestApplication();
    static QTemporaryDir counter;
    ZnSNMPOpenSession(counter.path());
  }
  void SetUp() override {
    if (QString(GetParam()) == "snmpd")
      agent_ = std::make_unique<NetSnmpsAgent>();
    else
      agent_ = std::make_unique<OurSwitch>();
    ASSERT_TRUE(agent_->Start());
    ZnSNMPGlobalDevice = {"127.0.0.1", agent_->Port()};
    // Silence is the answer to some failures: keep each try short.
    ZnSNMPDefaultTimeout = 40;
    ZnSetNotifier(&notifier_);
  }
  void TearDown() override {
    ZnSetNotifier(nullptr);
    ZnSNMPGlobalScope.ContextName.clear();
    ZnSNMPGlobalSecurity.Version = 0;
    ZnSNMPDefaultTimeout = 100;
  }

  static Outcome SynchronousGet() {
    ZnSNMPRequest request;
    request.VarList = ZnSNMPVarList(kDescription, ZnItemType::SVT_SV, 0);
    Outcome outcome{0, ZnSNMPMapError(0).Message, {}};
    try {
      request.Get(true);
    } catch (const ZnException& e) {
      outcome = {e.Code(), e.Message(), {}};
    }
    return outcome;
  }

  // Runs a binding's operation and waits for its completion.
  static Outcome ThroughBinding(ZnSNMPRequest2Controls& binding, QPlainTextEdit& memo,
                                const std::function<void()>& start) {
    Outcome outcome;
    bool done = false;
    const auto record = [&](ZnSNMPRequest2Controls*, const ZnSNMPError& result) {
      outcome.code = result.Code;
      outcome.message = result.Message;
      done = true;
    };
    binding.OnGetDone = record;
    binding.OnSetDone = record;
    binding.SetStatusTarget(&memo);
    start();
    if (!Await([&] { return done && !binding.Busy(); }, 15000)) return outcome;
    outcome.status = memo.toPlainText().split('\n').last();
    return outcome;
  }

  Outcome AsynchronousGet() {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto* memo = new QPlainTextEdit(&window);
    auto* binding = new ZnSNMPRequest2Edits(&window);
    binding->VarList() = ZnSNMPVarList(kDescription, ZnItemType::SVT_SV, 0);
    binding->BindEdits(0, "%s", {edit});
    return ThroughBinding(*binding, *memo, [&] { binding->Refresh(); });
  }

  Outcome AsynchronousWalk() {
    QWidget window;
    auto* view = new QTreeWidget(&window);
    auto* memo = new QPlainTextEdit(&window);
    auto* binding = new ZnSNMPRequest2Edits(&window);
    binding->VarList() = ZnSNMPVarList(kInterfaces, ZnItemType::MVT_UMV, 1);
    binding->AttachListView(view, true);
    Outcome outcome = ThroughBinding(*binding, *memo, [&] { binding->Refresh(); });
    if (outcome.code == 0 && view->topLevelItemCount() == 0) outcome.message = "no rows";
    return outcome;
  }

  Outcome AsynchronousSet() {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto* memo = new QPlainTextEdit(&window);
    auto* binding = new ZnSNMPRequest2Edits(&window);
    binding->VarList() = ZnSNMPVarList(agent_->writable, ZnItemType::SVT_SV, 0);
    binding->BindEdits(0, "%s", {edit});
    binding->mode = ZnSNMPRequest2Controls::Mode::Asynchronous;
    edit->setText(agent_->writableValue);
    return ThroughBinding(*binding, *memo, [&] { binding->Apply(false, true); });
  }

  Outcome LedPoll() {
    QWidget window;
    auto* bar = new QStatusBar(&window);
    auto* panel = new QFrame(&window);
    auto* binding = new ZnSNMPRequest2Leds(&window);
    binding->VarList() = ZnSNMPVarList(agent_->ledObject, ZnItemType::SVT_SV, 0);
    binding->BindLedRow(0, "0", ZnLedColorMap1, panel, 1, 1, ZnLedShape::Kind::Rectangle, 6, 6);
    Outcome outcome;
    bool done = false;
    binding->OnGetDone = [&](ZnSNMPRequest2Controls*, const ZnSNMPError& result) {
      outcome.code = result.Code;
      outcome.message = result.Message;
      done = true;
    };
    binding->SetStatusTarget(bar);
    binding->Start(3000);
    const bool finished = Await([&] { return done && !binding->Busy(); }, 15000);
    binding->Stop();
    if (finished) outcome.status = bar->currentMessage();
    return outcome;
  }

  std::unique_ptr<AgentUnderTest> agent_;
  RecordingNotifier notifier_;
};

TEST_P(SecurityFailureAgentTest, EveryPathReportsWhatWentWrongAndRecovers) {
  struct Case {
    const char* name;
    std::function<void()> arrange;  // run before every path
    int status;                     // in the numbering the error catalogue maps
  };
  const User& right = agent_->right;
  const User wrongPassword = {right.name, right.level,   right.auth, "not-the-pass-phrase",
                              right.priv, right.privPass};
  const User wrongPrivacy = {right.name,     right.level, right.auth,
                             right.authPass, right.priv,  "not-the-privacy-phrase"};
  const Case cases[] = {
      {"unknown user",
       [] {
         UseV3({"nobody", 2, 3, "nobody-pass", 1, ""});
       },
       1404},
      {"wrong authentication pass phrase", [&] { UseV3(wrongPassword); }, 1408},
      {"a level the user does not have", [&] { UseV3(agent_->withoutPrivacy); }, 1403},
      // Both agents drop a request they cannot decrypt, and one for a context they do not
      // have: nothing comes back, and a time-out is what the administrator is told.
      {"wrong privacy pass phrase", [&] { UseV3(wrongPrivacy); }, -5},
      {"unknown context", [&] { UseV3(right, "no-such-context"); }, -5},
      // The restarted agent reports the old boots out of its time window; the library learns
      // the new ones and the request goes through.
      {"agent restarted",
       [&] {
         UseV3(right);
         ASSERT_TRUE(agent_->Restart());
         ASSERT_EQ(ZnSNMPGlobalDevice.Port, agent_->Port()) << "the same switch comes back";
       },
       0},
  };
  struct Path {
    const char* name;
    std::function<Outcome()> run;
  };
  const Path paths[] = {
      {"synchronous get", [] { return SynchronousGet(); }},
      {"asynchronous get", [&] { return AsynchronousGet(); }},
      {"asynchronous walk", [&] { return AsynchronousWalk(); }},
      {"asynchronous set", [&] { return AsynchronousSet(); }},
      {"LED poll", [&] { return LedPoll(); }},
  };
  // Before anything fails, every path works with the right user.
  UseV3(right);
  for (const Path& path : paths) ASSERT_EQ(path.run().code, 0) << path.name;

  for (const Case& c : cases) {
    const ZnMappedError expected = ZnSNMPMapError(c.status);
    for (const Path& path : paths) {
      c.arrange();
      const Outcome outcome = path.run();
      EXPECT_EQ(outcome.code, expected.Code)
          << c.name << ", " << path.name << ": " << outcome.message.toStdString();
      EXPECT_EQ(outcome.message, expected.Message) << c.name << ", " << path.name;
      if (&path != &paths[0]) {
        const QString verb = &path == &paths[3] ? "Set: " : "Get: ";
        EXPECT_TRUE(outcome.status.startsWith(verb + expected.Message + ". Receive at "))
            << c.name << ", " << path.name << ": " << outcome.status.toStdString();
      }
    }
    // The right credentials work again on the same session, synchronously and asynchronously.
    UseV3(right);
    EXPECT_EQ(SynchronousGet().code, 0) << "after " << c.name;
    EXPECT_EQ(AsynchronousGet().code, 0) << "after " << c.name;
  }
  EXPECT_TRUE(notifier_.shown.empty()) << "a binding with a status target showed a box";
}

INSTANTIATE_TEST_SUITE_P(BothAgents, SecurityFailureAgentTest,
                         ::testing::Values("nx596-agent", "snmpd"), [](const auto& info) {
                           return std::string(info.param) == "snmpd" ? "NetSnmpsAgent"
                                                                     : "OurSwitch";
                         });

}  // namespace
