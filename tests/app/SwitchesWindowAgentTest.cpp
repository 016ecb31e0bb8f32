#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TSwitchEditForm.h"
#include "TSwitchesForm.h"
#include "TestApplication.h"
#include "UserDriver.h"
#include "WhenModal.h"
#include "ZnListExport.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <csignal>
#include <memory>

// The Switches window as a person uses it, against the simulated switch: add a switch in its
// form, Test it, open its management window (a process of its own that reads the switch), open
// it again, and see a silent switch named as timed out while the window goes on answering.
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Settings {
  QString name;
  QString version;  // as the form's combo box says it
  QString community = QStringLiteral("tamrel");
  QString user;
  QString level;
  QString auth;
  QString authPass;
  QString priv;
  QString privPass;
};

class SwitchesWindowAgentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TestApplication();
    home_ = new QTemporaryDir;
    // The desktop's places are the test's own, and no session bus means no secret service: a
    // test must never write into the keyring of the person running it.
    qputenv("XDG_CONFIG_HOME", (home_->path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home_->path() + "/data").toUtf8());
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    agent_ = new Nx596Agent;
    ASSERT_TRUE(agent_->Start());
  }
  static void TearDownTestSuite() {
    delete agent_;
    delete home_;
  }
  void SetUp() override {
    ZnSetNotifier(&notifier_);
    form_ = std::make_unique<TSwitchesForm>();
    QFile::remove(form_->ListFile());  // every test starts with an empty list
    form_->program = QStringLiteral(NX596_PROGRAM_PATH);
    form_->pollIntervalMs = 300;
    form_->show();
    form_->Start();
    agent_->ClearTrace();
  }
  void TearDown() override {
    if (form_)
      for (const ZnSwitchEntry& e : form_->Entries())
        if (const qint64 pid = form_->WindowProcessId(e.Id); pid > 0) ::kill(pid_t(pid), SIGKILL);
    form_.reset();
    ZnSetNotifier(nullptr);
    if (agent_) agent_->Resume();
  }

  // Fills the Add form by mouse and keyboard; `inForm` runs before OK (or instead of it, when
  // it returns false: then the form is left with Escape).
  void Fill(TSwitchEditForm& f, const Settings& s) {
    ASSERT_TRUE(user::Retype(f.ED_Name, s.name));
    ASSERT_TRUE(user::Retype(f.ED_Address, "127.0.0.1"));
    ASSERT_TRUE(user::Retype(f.ED_Port, QString::number(agent_->Port())));
    ASSERT_TRUE(user::Choose(f.CB_Version, s.version));
    if (s.version != "SNMPv3") {
      ASSERT_TRUE(user::Retype(f.ED_ReadCommunity, s.community));
      return;
    }
    ASSERT_TRUE(user::Retype(f.ED_User, s.user));
    ASSERT_TRUE(user::Choose(f.CB_Level, s.level));
    if (!s.auth.isEmpty()) {
      ASSERT_TRUE(user::Choose(f.CB_AuthProtocol, s.auth));
      ASSERT_TRUE(user::Retype(f.ED_AuthPassword, s.authPass));
    }
    if (!s.priv.isEmpty()) {
      ASSERT_TRUE(user::Choose(f.CB_PrivProtocol, s.priv));
      ASSERT_TRUE(user::Retype(f.ED_PrivPassword, s.privPass));
    }
  }
  // Clicks Add, fills the form, clicks Test and returns what it said; OK keeps the switch.
  QString AddThroughForm(const Settings& s, bool keep = true) {
    QString tested;
    WhenModal([&](QWidget* modal) {
      auto* f = qobject_cast<TSwitchEditForm*>(modal);
      if (!f) return true;
      Fill(*f, s);
      EXPECT_TRUE(user::Click(f->BT_Test));
      Await([&] { return f->BT_Test->isEnabled(); });
      tested = f->LB_TestResult->text();
      auto* buttons = f->findChild<QDialogButtonBox*>();
      EXPECT_TRUE(keep ? user::Click(buttons->button(QDialogButtonBox::Ok)) : user::Escape());
      return false;
    });
    EXPECT_TRUE(user::Click(form_->BT_Add));
    return tested;
  }
  QTreeWidgetItem* Row(const QString& name) {
    for (int i = 0; i < form_->LV_Switches->topLevelItemCount(); ++i)
      if (form_->LV_Switches->topLevelItem(i)->text(TSwitchesForm::Name) == name)
        return form_->LV_Switches->topLevelItem(i);
    return nullptr;
  }
  QString IdOf(const QString& name) {
    QTreeWidgetItem* row = Row(name);
    return row ? row->data(TSwitchesForm::Name, Qt::UserRole).toString() : QString();
  }
  bool StateShows(const QString& name, const QString& text, int ms = 15000) {
    return Await(
        [&] {
          QTreeWidgetItem* row = Row(name);
          return row && row->text(TSwitchesForm::State).contains(text);
        },
        ms);
  }
  // Every byte the program wrote into the desktop's places.
  static QByteArray WrittenFiles() {
    QByteArray all;
    QDirIterator it(home_->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) all += ReadAll(it.next());
    return all;
  }

  static inline QTemporaryDir* home_ = nullptr;
  static inline Nx596Agent* agent_ = nullptr;
  RecordingNotifier notifier_;
  std::unique_ptr<TSwitchesForm> form_;
};

Settings V2c(const QString& name) {
  Settings s;
  s.name = name;
  s.version = "SNMPv2c";
  return s;
}

const Settings kAes{"Lab core", "SNMPv3",      {},        "nx-aes",     "authPriv",
                    "SHA",      "nx-aes-auth", "AES-128", "nx-aes-priv"};
constexpr char kLedStatus[] = "1.3.6.1.4.1.99917.11.63.3.2.1.1.5";

TEST_F(SwitchesWindowAgentTest, AnAddedSwitchTestsOpensItsWindowOnceAndKeepsItsSecretsOutOfFiles) {
  const QString tested = AddThroughForm(kAes);
  EXPECT_TRUE(tested.contains("sysName: nx596")) << tested.toStdString();
  ASSERT_NE(Row("Lab core"), nullptr);
  EXPECT_TRUE(StateShows("Lab core", "Answers"));
  EXPECT_EQ(Row("Lab core")->text(TSwitchesForm::SysName), "nx596");
  // No secret service runs here: the user is told the secrets last this session only.
  ASSERT_EQ(notifier_.shown.size(), 1u);
  EXPECT_TRUE(notifier_.shown[0].Text.contains("for this session only"))
      << notifier_.shown[0].Text.toStdString();

  // Open, as a person does: choose the row, then the button.
  ASSERT_TRUE(user::ClickItem(form_->LV_Switches, Row("Lab core")));
  ASSERT_TRUE(user::Click(form_->BT_Open));
  const QString id = IdOf("Lab core");
  const qint64 pid = form_->WindowProcessId(id);
  ASSERT_GT(pid, 0);
  // The management window reads the switch: its front panel's first LED read.
  ASSERT_TRUE(Await([&] { return agent_->TraceLines().join('\n').contains(kLedStatus); }, 30000))
      << agent_->TraceLines().join('\n').toStdString();

  const QByteArray commandLine = ReadAll(QStringLiteral("/proc/%1/cmdline").arg(pid));
  const QByteArray environment = ReadAll(QStringLiteral("/proc/%1/environ").arg(pid));
  EXPECT_TRUE(commandLine.contains("/I127.0.0.1")) << commandLine.toStdString();
  const QByteArray files = WrittenFiles();
  EXPECT_TRUE(files.contains("nx-aes"));  // the user name is no secret
  for (const QByteArray& secret : {QByteArray("nx-aes-auth"), QByteArray("nx-aes-priv")}) {
    EXPECT_FALSE(commandLine.contains(secret)) << secret.toStdString();
    EXPECT_FALSE(environment.contains(secret)) << secret.toStdString();
    EXPECT_FALSE(files.contains(secret)) << secret.toStdString();
  }

  // A second Open (a double click this time) raises the window it has, starting none.
  ASSERT_TRUE(user::DoubleClickItem(form_->LV_Switches, Row("Lab core")));
  EXPECT_TRUE(Await([&] { return form_->StatusPanel->text().contains("is in front"); }))
      << form_->StatusPanel->text().toStdString();
  EXPECT_EQ(form_->WindowProcessId(id), pid);

  // And Enter on the chosen row, as the keyboard opens it.
  form_->StatusPanel->clear();
  ASSERT_TRUE(user::ClickItem(form_->LV_Switches, Row("Lab core")));
  ASSERT_TRUE(user::Enter());
  EXPECT_TRUE(Await([&] { return form_->StatusPanel->text().contains("is in front"); }));
  EXPECT_EQ(form_->WindowProcessId(id), pid);

  // Its window closed, the switch opens anew.
  ::kill(pid_t(pid), SIGTERM);
  EXPECT_TRUE(Await([&] { return form_->WindowProcessId(id) == 0; }));
}

TEST_F(SwitchesWindowAgentTest, AWrongPassPhraseTestsAsAnAuthenticationFailure) {
  Settings wrong = kAes;
  wrong.authPass = "not-the-pass-phrase";
  const QString tested = AddThroughForm(wrong, false);
  EXPECT_TRUE(tested.contains("Authentication failure")) << tested.toStdString();
  EXPECT_EQ(Row("Lab core"), nullptr);  // cancelled: nothing kept
}

TEST_F(SwitchesWindowAgentTest, ASilentSwitchShowsTimedOutWhileTheWindowGoesOnAnswering) {
  AddThroughForm(V2c("Edge"));
  ASSERT_TRUE(StateShows("Edge", "Answers"));
  agent_->Pause();
  // While the poll waits out its tries, the window takes what the person types.
  ASSERT_TRUE(Await([&] { return form_->OutstandingPolls() > 0; }));
  ASSERT_TRUE(user::Click(form_->ED_Filter));
  ASSERT_TRUE(user::Type("no such switch"));
  EXPECT_GT(form_->OutstandingPolls(), 0);
  EXPECT_TRUE(Row("Edge")->isHidden());
  ASSERT_TRUE(user::Retype(form_->ED_Filter, "edg"));
  EXPECT_FALSE(Row("Edge")->isHidden());
  EXPECT_TRUE(StateShows("Edge", "timed out"));
  agent_->Resume();
  EXPECT_TRUE(StateShows("Edge", "Answers"));

  // What is copied or exported of the list names no community.
  const QString csv = ZnListAsCsv(ZnShownRows(*form_->LV_Switches, false));
  EXPECT_TRUE(csv.contains("Edge"));
  EXPECT_FALSE(csv.contains("tamrel")) << csv.toStdString();
}

TEST_F(SwitchesWindowAgentTest, ADuplicateIsASwitchOfItsOwnAndRemovingOneKeepsTheOther) {
  AddThroughForm(V2c("Edge"));
  ASSERT_TRUE(user::ClickItem(form_->LV_Switches, Row("Edge")));
  WhenModal([&](QWidget* modal) {
    auto* f = qobject_cast<TSwitchEditForm*>(modal);
    if (!f) return true;
    EXPECT_EQ(f->ED_Name->text(), "Edge (copy)");
    EXPECT_EQ(f->ED_ReadCommunity->text(), "tamrel");  // the secrets come along
    EXPECT_TRUE(user::Click(f->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)));
    return false;
  });
  ASSERT_TRUE(user::Click(form_->BT_Duplicate));
  ASSERT_NE(Row("Edge (copy)"), nullptr);
  EXPECT_NE(IdOf("Edge (copy)"), IdOf("Edge"));
  EXPECT_TRUE(StateShows("Edge (copy)", "Answers"));

  notifier_.answer = true;
  ASSERT_TRUE(user::ClickItem(form_->LV_Switches, Row("Edge")));
  ASSERT_TRUE(user::Click(form_->BT_Remove));
  EXPECT_EQ(Row("Edge"), nullptr);
  const QString list = QString::fromUtf8(ReadAll(form_->ListFile()));
  EXPECT_TRUE(list.contains("Name=Edge (copy)")) << list.toStdString();
  EXPECT_FALSE(list.contains("Name=Edge\n")) << list.toStdString();
}

// Secrets kept for the session only are gone with it, and the list says so when it comes back:
// nothing of them was written anywhere.
TEST_F(SwitchesWindowAgentTest, SecretsKeptForTheSessionOnlyAreAskedForAgainNextTime) {
  Settings s = kAes;
  s.name = "Visitor";
  WhenModal([&](QWidget* modal) {
    auto* f = qobject_cast<TSwitchEditForm*>(modal);
    if (!f) return true;
    Fill(*f, s);
    EXPECT_TRUE(user::Tick(f->CK_SessionOnly));
    EXPECT_TRUE(user::Click(f->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)));
    return false;
  });
  ASSERT_TRUE(user::Click(form_->BT_Add));
  EXPECT_TRUE(StateShows("Visitor", "Answers"));
  EXPECT_TRUE(notifier_.shown.empty());  // the desktop's store was not asked, so not missed

  form_ = std::make_unique<TSwitchesForm>();  // the next session
  form_->show();
  form_->Start();
  EXPECT_TRUE(StateShows("Visitor", "for one session only"));
  EXPECT_FALSE(WrittenFiles().contains("nx-aes-auth"));
  // Open cannot go on without them, and says why.
  ASSERT_TRUE(user::ClickItem(form_->LV_Switches, Row("Visitor")));
  ASSERT_TRUE(user::Click(form_->BT_Open));
  EXPECT_TRUE(form_->StatusPanel->text().contains("not known"))
      << form_->StatusPanel->text().toStdString();
  EXPECT_EQ(form_->WindowProcessId(IdOf("Visitor")), 0);
}

// Imports from the List menu: a host's profile directory and a CSV file, each switch polled,
// what cannot be taken named by file or line.
TEST_F(SwitchesWindowAgentTest, AHostsProfilesAndACsvFileAreImportedFromTheListMenu) {
  QTemporaryDir host;
  QFile profile(host.path() + "/127.0.0.1.cfg");
  ASSERT_TRUE(profile.open(QIODevice::WriteOnly));
  profile.write(QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=3\nSecurityModel=3\n"
                               "SecurityLevel=1\nSecurityName=nx-md5\nAuthProtocol=1\n"
                               "PrivProtocol=0\nAuthPassword=nx-md5-pass\n")
                    .arg(agent_->Port())
                    .toUtf8());
  profile.close();
  notifier_.openAs = host.path();
  ASSERT_TRUE(user::ChooseMenu(form_->menuBar(), {"List", "Import a host's profiles…"}));
  ASSERT_NE(Row("127.0.0.1"), nullptr);
  EXPECT_TRUE(StateShows("127.0.0.1", "Answers"));  // its pass phrase came along

  QFile csv(host.path() + "/switches.csv");
  ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
  csv.write(QStringLiteral("Name,Address,Port,Version,User or community\r\n"
                           "Access 1,127.0.0.1,%1,2c,tamrel\r\n"
                           "Broken,10.0.0,161,2c,tamrel\r\n")
                .arg(agent_->Port())
                .toUtf8());
  csv.close();
  notifier_.openAs = csv.fileName();
  ASSERT_TRUE(user::ChooseMenu(form_->menuBar(), {"List", "Import CSV…"}));
  EXPECT_TRUE(StateShows("Access 1", "Answers"));
  EXPECT_EQ(Row("Broken"), nullptr);
  EXPECT_TRUE(form_->StatusPanel->text().contains("line 3"))
      << form_->StatusPanel->text().toStdString();
  EXPECT_EQ(form_->Entries().size(), 2);
}

// One step from nothing to a switch in the list that answers; the simulated switch ends with
// the window that started it.
TEST_F(SwitchesWindowAgentTest, TheSimulatedSwitchIsAddedInOneStepAndEndsWithTheWindow) {
  form_->agentProgram = QStringLiteral(NX596_AGENT_PATH);
  ASSERT_TRUE(user::Click(form_->BT_TrySimulated));
  EXPECT_TRUE(StateShows("Simulated NX-596", "Answers"));
  EXPECT_EQ(Row("Simulated NX-596")->text(TSwitchesForm::SysName), "nx596");
  const qint64 pid = form_->SimulatedSwitchProcessId();
  ASSERT_GT(pid, 0);
  // A second try keeps the one that runs.
  ASSERT_TRUE(user::Click(form_->BT_TrySimulated));
  EXPECT_EQ(form_->SimulatedSwitchProcessId(), pid);
  EXPECT_EQ(form_->Entries().size(), 1);
  form_.reset();
  EXPECT_NE(::kill(pid_t(pid), 0), 0);  // gone, not left behind
}

}  // namespace

namespace {

// The program asked to end from outside (a logout, `kill`) leaves through its destructors, so
// that nothing of it stays behind: its private directory for net-snmp is removed.
TEST(ProgramEndTest, ATerminationSignalEndsTheProgramAndLeavesNothingInTheTemporaryDirectory) {
  TestApplication();
  QTemporaryDir temporary;
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("TMPDIR", temporary.path());
  // Leaks of the program's libraries at its end are not what this test is about.
  environment.insert("ASAN_OPTIONS", "detect_leaks=0");
  program.setProcessEnvironment(environment);
  program.setWorkingDirectory(temporary.path());
  program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  program.start(QStringLiteral(NX596_PROGRAM_PATH), {"/I127.0.0.1", "/Rtamrel", "/Wvosquin"});
  ASSERT_TRUE(program.waitForStarted(10000));
  const auto privateDirectories = [&] {
    return QDir(temporary.path()).entryList({"NX-596-*"}, QDir::Dirs | QDir::NoDotAndDotDot);
  };
  ASSERT_TRUE(Await([&] { return !privateDirectories().isEmpty(); }, 20000));

  ::kill(pid_t(program.processId()), SIGTERM);
  ASSERT_TRUE(program.waitForFinished(30000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(privateDirectories(), QStringList());
}

}  // namespace
