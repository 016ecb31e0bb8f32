#include "AgentSuite.h"
#include "DialogShot.h"
#include "QtPrinters.h"
#include "TProgressForm.h"
#include "TSMTPControlForm.h"
#include "UserDriver.h"
#include "WhenModal.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

// The SMTP dialog against the simulated switch: what Set sends for each choice of the send
// combo, what it refuses to send, the test mail under the progress window, and the read that
// ends every Set.
namespace {

const QString kSmtp = QStringLiteral("1.3.6.1.4.1.99917.12.29.1.");
const QString kSendTestStatus = QStringLiteral("1.3.6.1.4.1.99917.12.29.2.1.0");

QString Text(const QString& value) {
  return QStringLiteral("STRING:") + QString::fromLatin1(value.toUtf8().toHex().toUpper());
}

QStringList Varbinds(const QString& set) {
  return set.split(QLatin1Char('\t'));
}

class TSMTPControlFormAgentTest : public AgentSuite {
 protected:
  std::unique_ptr<TSMTPControlForm> Open() {
    auto form = std::make_unique<TSMTPControlForm>(QStringLiteral("127.0.0.1"));
    form->show();
    EXPECT_TRUE(Await([&] { return !form->SmtpBinding()->Busy(); }));
    EXPECT_TRUE(form->StatusPanel->text().startsWith("Get: Ok."))
        << form->StatusPanel->text().toStdString();
    return form;
  }

  // The settings of a switch that can send: SMTP on, a server, its port.
  static void FillIn(TSMTPControlForm& form, const QString& subject) {
    ASSERT_TRUE(user::Choose(form.CB_Status, "enabled"));
    ASSERT_TRUE(user::Retype(form.Ed_SourceAddress, "10.1.2.3"));
    ASSERT_TRUE(user::Retype(form.Ed_SourcePort, "2525"));
    ASSERT_TRUE(user::Retype(form.Ed_SelfMailAddress, "switch@example.net"));
    ASSERT_TRUE(user::Retype(form.ED_Subject, subject));
    ASSERT_TRUE(user::Retype(form.Ed_Content, "Port 3 is up."));
  }

  // The trace lines of every request since the trace was last cleared, once the form is idle
  // again after `requests` of them.
  QStringList TraceAfter(TSMTPControlForm& form, int requests) {
    EXPECT_TRUE(Await(
        [&] { return !form.SmtpBinding()->Busy() && agent_->TraceLines().size() >= requests; }));
    return agent_->TraceLines();
  }

  // Lets answers that should not come have their chance.
  static void Settle() {
    Await([] { return false; }, 300);
  }

  // Sends a test mail with one set request that also writes the SMTP state and the server.
  static void SendTestMail(const char* state, const char* server) {
    const ZnSNMPVarDef send[] = {
        {"1.3.6.1.4.1.99917.12.29.1.1", "State", ZnSyntax::Integer, ZnAccess::ReadWrite},
        {"1.3.6.1.4.1.99917.12.29.1.2", "Server", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
        {"1.3.6.1.4.1.99917.12.29.1.7", "Send", ZnSyntax::Integer, ZnAccess::ReadWrite},
        {}};
    ZnSNMPRequest request;
    request.VarList = ZnSNMPVarList(send, ZnItemType::SVT_SV, 0);
    request.VarList.Item(0).Value = state;
    request.VarList.Item(1).Value = server;
    request.VarList.Item(2).Value = "1";
    request.Set();
  }

  // The device's own record of the last test mail: 1 success, 2 failed.
  static QString LastTestMail() {
    ZnSNMPRequest request;
    const ZnSNMPVarDef status[] = {
        {"1.3.6.1.4.1.99917.12.29.2.1", "Test Status", ZnSyntax::Integer, ZnAccess::ReadOnly}, {}};
    request.VarList = ZnSNMPVarList(status, ZnItemType::SVT_SV, 0);
    request.Get(true);
    return request.VarList.Item(0).Value;
  }
};

TEST_F(TSMTPControlFormAgentTest, NoActionWritesTheSixSettingsAndReadsAllSevenBack) {
  auto form = Open();
  EXPECT_EQ(form->windowTitle(), "SMTP Control Table : 127.0.0.1");
  ShootDialog(*form, "TSMTPControlForm");
  EXPECT_EQ(form->SmtpBinding()->Request().Timeout, 500);
  FillIn(*form, "Weekly check");
  ASSERT_TRUE(user::Choose(form->CB_SendTest, "noAction"));
  agent_->ClearTrace();
  ASSERT_TRUE(user::Click(form->Btn_Set));
  const QStringList trace = TraceAfter(*form, 2);
  ASSERT_EQ(trace.size(), 2) << trace.join('\n').toStdString();
  ASSERT_TRUE(trace[0].startsWith("SET\t"));
  EXPECT_EQ(
      Varbinds(trace[0].section('\t', 4)),
      (QStringList{kSmtp + "1.0=INTEGER:3", kSmtp + "2.0=IPADDRESS:10.1.2.3",
                   kSmtp + "3.0=INTEGER:2525", kSmtp + "4.0=" + Text("switch@example.net"),
                   kSmtp + "5.0=" + Text("Weekly check"), kSmtp + "6.0=" + Text("Port 3 is up.")}));
  // The read that ends the Set comes after the write's answer and asks for all seven again.
  ASSERT_TRUE(trace[1].startsWith("GET\t"));
  EXPECT_EQ(trace[1].count(kSmtp), 7);
  EXPECT_TRUE(form->StatusPanel->text().startsWith("Get: Ok."))
      << form->StatusPanel->text().toStdString();

  // What was written is what the next dialog shows.
  auto again = Open();
  EXPECT_EQ(again->CB_Status->currentText(), "enabled");
  EXPECT_EQ(again->Ed_SourceAddress->text(), "10.1.2.3");
  EXPECT_EQ(again->Ed_SourcePort->text(), "2525");
  EXPECT_EQ(again->ED_Subject->text(), "Weekly check");
  EXPECT_EQ(again->CB_SendTest->currentText(), "noAction");
}

TEST_F(TSMTPControlFormAgentTest, SetRefusesWithoutServerOrWithSmtpDisabled) {
  auto form = Open();
  // A missing server address or port stops Set, even when only the subject changed.
  for (QLineEdit* emptied : {form->Ed_SourcePort, form->Ed_SourceAddress}) {
    SCOPED_TRACE(emptied->objectName().toStdString());
    FillIn(*form, "Only the subject changed");
    ASSERT_TRUE(user::Retype(emptied, ""));
    form->StatusPanel->clear();  // so that only this Set's message is read below
    agent_->ClearTrace();
    ASSERT_TRUE(user::Click(form->Btn_Set));
    Settle();
    EXPECT_EQ(form->StatusPanel->text(), "Please Input Value!")
        << emptied->objectName().toStdString();
    EXPECT_TRUE(agent_->TraceLines().isEmpty()) << emptied->objectName().toStdString();
  }
  EXPECT_TRUE(notifier_.shown.empty());

  // A test mail with SMTP disabled: told so, nothing sent, nothing read.
  FillIn(*form, "Test");
  ASSERT_TRUE(user::Choose(form->CB_Status, "disabled"));
  ASSERT_TRUE(user::Choose(form->CB_SendTest, "send"));
  agent_->ClearTrace();
  ASSERT_TRUE(user::Click(form->Btn_Set));
  Settle();
  EXPECT_EQ(notifier_.Texts(), QStringList{"Enable SMTP first if you want send a mail"});
  EXPECT_TRUE(agent_->TraceLines().isEmpty()) << agent_->TraceLines().join('\n').toStdString();
}

TEST_F(TSMTPControlFormAgentTest, CancelledTestMailWritesNothingButReadsAgain) {
  auto form = Open();
  FillIn(*form, "Not sent");
  ASSERT_TRUE(user::Choose(form->CB_SendTest, "send"));
  notifier_.answer = false;
  agent_->ClearTrace();
  ASSERT_TRUE(user::Click(form->Btn_Set));
  const QStringList trace = TraceAfter(*form, 1);
  ASSERT_EQ(notifier_.shown.size(), 1u);
  EXPECT_EQ(notifier_.shown[0].Text,
            "To Send the mail may take a long time. Do you want to go on?");
  EXPECT_EQ(notifier_.shown[0].ButtonSet, ZnUserNotifier::Buttons::OkCancel);
  ASSERT_EQ(trace.size(), 1);
  EXPECT_TRUE(trace[0].startsWith("GET\t")) << trace[0].toStdString();
  // The read puts back what the device holds.
  EXPECT_NE(form->ED_Subject->text(), "Not sent");
  EXPECT_EQ(form->CB_SendTest->currentText(), "noAction");
}

// The test mail: every setting and the send request in one set request, in table order, while
// the progress window is up; the device records the outcome and its send object is back to
// noAction when the dialog reads again.
TEST_F(TSMTPControlFormAgentTest, TestMailWritesAllSevenInOneRequestUnderTheProgressWindow) {
  auto form = Open();
  FillIn(*form, "Test from the switch");
  ASSERT_TRUE(user::Choose(form->CB_SendTest, "send"));
  agent_->ClearTrace();
  QString caption, prompt;
  QStringList setsWhileUp;
  WhenModal([&](QWidget* modal) {
    auto* progress = qobject_cast<TProgressForm*>(modal);
    if (!progress) return true;
    EXPECT_EQ(form->Progress(), progress);
    caption = progress->windowTitle();
    ShootDialog(*progress, "TProgressForm-SendTheMail");
    prompt = progress->Prompt()->text();
    EXPECT_TRUE(Await([&] { return !Sets().isEmpty(); }));
    setsWhileUp = Sets();
    return true;  // the window's full time is covered by the window's own test
  });
  ASSERT_TRUE(user::Click(form->Btn_Set));
  EXPECT_EQ(caption, "Send the mail Progress");
  EXPECT_EQ(prompt, "Send the mail is doing...");
  ASSERT_EQ(setsWhileUp.size(), 1);
  EXPECT_EQ(Varbinds(setsWhileUp[0]),
            (QStringList{kSmtp + "1.0=INTEGER:3", kSmtp + "2.0=IPADDRESS:10.1.2.3",
                         kSmtp + "3.0=INTEGER:2525", kSmtp + "4.0=" + Text("switch@example.net"),
                         kSmtp + "5.0=" + Text("Test from the switch"),
                         kSmtp + "6.0=" + Text("Port 3 is up."), kSmtp + "7.0=INTEGER:1"}));
  const QStringList trace = TraceAfter(*form, 2);
  ASSERT_EQ(trace.size(), 2);
  EXPECT_TRUE(trace[1].startsWith("GET\t"));
  EXPECT_EQ(form->CB_SendTest->currentText(), "noAction");
  EXPECT_EQ(form->Progress(), nullptr);
  EXPECT_EQ(LastTestMail(), "1");

  // The device's side: a test mail goes out only with SMTP enabled and a server set, the
  // settings written with the send request included; it is refused nowhere, it fails.
  struct Outcome {
    const char* state;
    const char* server;
    const char* recorded;
  };
  for (const Outcome& o : {Outcome{"2", "10.1.2.3", "2"}, Outcome{"3", "0.0.0.0", "2"},
                           Outcome{"3", "10.1.2.3", "1"}}) {
    SendTestMail(o.state, o.server);
    EXPECT_EQ(LastTestMail(), o.recorded) << o.state << " " << o.server;
  }
}

// A test mail the device refuses (port 0 names no server) ends the progress window at once; the
// refusal stays in the status bar after the read that follows.
TEST_F(TSMTPControlFormAgentTest, RefusedTestMailClosesTheProgressWindowAtOnce) {
  auto form = Open();
  const QString portBefore = form->Ed_SourcePort->text();
  FillIn(*form, "Refused");
  ASSERT_TRUE(user::Retype(form->Ed_SourcePort, "0"));
  ASSERT_TRUE(user::Choose(form->CB_SendTest, "send"));
  agent_->ClearTrace();
  bool closedByTheTest = false;
  // Far less than the window's own 21 s: it must close itself long before. A safeguard, not a
  // person: the test fails when it has to close the window.
  auto* deadline = new QTimer(form.get());
  deadline->setSingleShot(true);
  QObject::connect(deadline, &QTimer::timeout, [&] {
    if (TProgressForm* progress = form->Progress()) {
      closedByTheTest = true;
      progress->close();
    }
  });
  deadline->start(8000);
  ASSERT_TRUE(user::Click(form->Btn_Set));
  deadline->stop();
  EXPECT_FALSE(closedByTheTest);
  const QStringList trace = TraceAfter(*form, 2);
  ASSERT_EQ(trace.size(), 2) << trace.join('\n').toStdString();
  EXPECT_TRUE(trace[0].startsWith("SET\t"));
  EXPECT_TRUE(trace[1].startsWith("GET\t"));
  EXPECT_TRUE(
      form->StatusPanel->text().startsWith("Set: (SNMP) Cannot create/set variable, Wrong Value!"))
      << form->StatusPanel->text().toStdString();
  EXPECT_EQ(form->Ed_SourcePort->text(), portBefore);
  EXPECT_EQ(form->CB_SendTest->currentText(), "noAction");
}

}  // namespace
