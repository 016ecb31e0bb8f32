#include "AgentSuite.h"
#include "DialogShot.h"
#include "QtPrinters.h"
#include "TSTP_Info.h"
#include "UserDriver.h"
#include "ZnHandMadeDialogs.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

// The bridge-wide spanning tree dialog against the simulated switch: what it reads, the timer
// cross-checks it makes before writing, and the one request that carries all six parameters.
namespace {

constexpr const char* kStp = "1.3.6.1.2.1.17.2.";

struct BridgeInput {
  const char* priority;
  const char* maxAge;
  const char* helloTime;
  const char* forwardDelay;
  const char* holdCount;
};

class TSTP_InfoAgentTest : public AgentSuite {
 protected:
  void SetUp() override {
    AgentSuite::SetUp();
    // Opened as the main menu opens it, captioned for the device.
    dialog_.reset(dynamic_cast<TSTP_Info*>(
        ZnCreateHandMadeDialog(QStringLiteral("TSTP_Info"), QStringLiteral("127.0.0.1"), nullptr)
            .release()));
    ASSERT_NE(dialog_, nullptr);
    dialog_->show();
    ASSERT_TRUE(Await([&] { return !dialog_->InfoBinding()->Busy(); }));
    agent_->ClearTrace();
  }
  void TearDown() override {
    // Puts the switch's parameters back for the next test. Housekeeping, not a person's flow: it
    // fills the controls directly, so that it works whatever a failed test left on screen.
    if (dialog_) {
      dialog_->ET_Priority->setText(QStringLiteral("32768"));
      dialog_->ET_AgingTime->setText(QStringLiteral("2000"));
      dialog_->ET_HelloTime->setText(QStringLiteral("200"));
      dialog_->ET_ForwardDelay->setText(QStringLiteral("1500"));
      dialog_->ED_TxHoldCount->setText(QStringLiteral("3"));
      dialog_->Combo_STPVersion->setCurrentText(QStringLiteral("RSTP"));
      dialog_->BT_Set->click();
      Await([&] { return !dialog_->InfoBinding()->Busy(); });
    }
    dialog_.reset();
    AgentSuite::TearDown();
  }

  void Type(const BridgeInput& input) {
    ASSERT_TRUE(user::Retype(dialog_->ET_Priority, QLatin1String(input.priority)));
    ASSERT_TRUE(user::Retype(dialog_->ET_AgingTime, QLatin1String(input.maxAge)));
    ASSERT_TRUE(user::Retype(dialog_->ET_HelloTime, QLatin1String(input.helloTime)));
    ASSERT_TRUE(user::Retype(dialog_->ET_ForwardDelay, QLatin1String(input.forwardDelay)));
    ASSERT_TRUE(user::Retype(dialog_->ED_TxHoldCount, QLatin1String(input.holdCount)));
  }
  // Clicks Set and waits for the write, if one started.
  void Set() {
    ASSERT_TRUE(user::Click(dialog_->BT_Set));
    ASSERT_TRUE(Await([&] { return !dialog_->InfoBinding()->Busy(); }));
  }
  QString Status() const { return dialog_->StatusPanel->text(); }

  std::unique_ptr<TSTP_Info> dialog_;
};

TEST_F(TSTP_InfoAgentTest, ShowsTheBridgeAsReadAndWritesAllSixParametersInOneRequest) {
  EXPECT_EQ(dialog_->windowTitle(), "Spanning Tree Control : 127.0.0.1");
  QStringList versions;
  for (int k = 0; k < dialog_->Combo_STPVersion->count(); ++k)
    versions << dialog_->Combo_STPVersion->itemText(k);
  EXPECT_EQ(versions, (QStringList{"STP Compatibility", "RSTP"}));
  EXPECT_EQ(dialog_->Combo_STPVersion->currentText(), "RSTP");
  EXPECT_EQ(dialog_->ET_Priority->text(), "32768");
  EXPECT_EQ(dialog_->ET_AgingTime->text(), "2000");
  EXPECT_EQ(dialog_->ET_HelloTime->text(), "200");
  EXPECT_EQ(dialog_->ET_ForwardDelay->text(), "1500");
  EXPECT_EQ(dialog_->ED_TxHoldCount->text(), "3");
  EXPECT_TRUE(Status().startsWith("Get: Ok. Receive at ")) << Status().toStdString();
  ShootDialog(*dialog_, "TSTP_Info");

  // 2 * (1500 - 100) >= 2000 >= 2 * (200 + 100): sent, in the order of the definitions.
  Type({"4096", "2000", "200", "1500", "5"});
  ASSERT_TRUE(user::Choose(dialog_->Combo_STPVersion, "STP Compatibility"));
  Set();
  const QString stp = QLatin1String(kStp);
  EXPECT_EQ(Sets(), QStringList{stp + "16.0=INTEGER:0\t" + stp + "2.0=INTEGER:4096\t" + stp +
                                "12.0=INTEGER:2000\t" + stp + "13.0=INTEGER:200\t" + stp +
                                "14.0=INTEGER:1500\t" + stp + "17.0=INTEGER:5"});
  EXPECT_TRUE(Status().startsWith("Set: Ok. Receive at ")) << Status().toStdString();

  agent_->ClearTrace();
  ASSERT_TRUE(user::Choose(dialog_->Combo_STPVersion, "RSTP"));
  Set();
  ASSERT_EQ(Sets().size(), 1);
  EXPECT_TRUE(Sets()[0].startsWith(stp + "16.0=INTEGER:2\t")) << Sets()[0].toStdString();
  // What the switch keeps is what the dialog reads back.
  ASSERT_TRUE(user::Retype(dialog_->ET_Priority, ""));
  ASSERT_TRUE(user::Click(dialog_->BT_Get));
  ASSERT_TRUE(Await([&] { return !dialog_->InfoBinding()->Busy(); }));
  EXPECT_EQ(dialog_->ET_Priority->text(), "4096");
  EXPECT_EQ(dialog_->ED_TxHoldCount->text(), "5");
}

// Each refusal names the first rule broken and sends nothing; the rules' own boundaries pass.
TEST_F(TSTP_InfoAgentTest, TimerAndPriorityChecksBeforeAnythingIsSent) {
  struct Case {
    BridgeInput input;
    const char* refusal;  // nullptr: the write goes out
    // The priority is put in the field by the program: typed, five digits beyond 61440 are
    // refused by the field itself (below), so Set's own check is reached no other way.
    bool priorityNotTyped = false;
  };
  const Case cases[] = {
      {{"32768", "2000", "200", "1000", "3"}, "Data Error !"},   // 2 * (1000 - 100) < 2000
      {{"32768", "2000", "1000", "1500", "3"}, "Data Error !"},  // 2000 < 2 * (1000 + 100)
      {{"32768", "2000", "200", "1099", "3"}, "Data Error !"},   // one below the first rule
      {{"32768", "2000", "901", "1500", "3"}, "Data Error !"},   // one beyond the second rule
      {{"32768", "2000", "200", "1100", "3"}, nullptr},          // 2 * (1100 - 100) == 2000
      {{"32768", "2000", "900", "1500", "3"}, nullptr},          // 2000 == 2 * (900 + 100)
      {{"32768", "2000", "200", "", "3"}, "Don't Leave Empty Fileds !"},
      {{"", "2000", "200", "1500", "3"}, "Don't Leave Empty Fileds !"},
      {{"32768", "", "200", "1500", "3"}, "Don't Leave Empty Fileds !"},
      {{"32768", "2000", "", "1500", "3"}, "Don't Leave Empty Fileds !"},
      // An empty field comes before a timer that does not fit.
      {{"32768", "2000", "1000", "", "3"}, "Don't Leave Empty Fileds !"},
      {{"65536", "2000", "200", "1500", "3"}, "Priority value is wrong!", true},
      // The timers are checked before the priority.
      {{"65536", "2000", "200", "1000", "3"}, "Data Error !", true},
      {{"61440", "2000", "200", "1500", "3"}, nullptr},
  };
  for (const Case& c : cases) {
    const QStringList typed = {c.input.priority, c.input.maxAge, c.input.helloTime,
                               c.input.forwardDelay};
    SCOPED_TRACE(typed.join('/').toStdString());
    agent_->ClearTrace();
    dialog_->StatusPanel->clear();  // so that only this case's message is read below
    Type(c.input);
    if (c.priorityNotTyped) dialog_->ET_Priority->setText(QLatin1String(c.input.priority));
    Set();
    if (c.refusal) {
      EXPECT_EQ(Status(), c.refusal);
      EXPECT_TRUE(Sets().isEmpty());
      // A refused Set leaves the controls as typed.
      EXPECT_EQ(dialog_->ET_ForwardDelay->text(), c.input.forwardDelay);
    } else {
      EXPECT_EQ(Sets().size(), 1);
      EXPECT_TRUE(Status().startsWith("Set: Ok. Receive at ")) << Status().toStdString();
    }
  }

  // Typed, a priority beyond 61440 is refused as its fifth digit moves the cursor on: the
  // field's message, the value before back in the field, and nothing sent.
  agent_->ClearTrace();
  notifier_.shown.clear();
  const QString before = dialog_->ET_Priority->text();
  ASSERT_TRUE(user::Retype(dialog_->ET_Priority, "65536"));
  EXPECT_EQ(notifier_.Texts(), QStringList{"Please enter a number between 0 and 61440!"});
  EXPECT_EQ(dialog_->ET_Priority->text(), before);
  EXPECT_EQ(user::FocusWidget(), dialog_->ET_Priority);
  EXPECT_TRUE(Sets().isEmpty());
}

// The transmit hold count is not checked by the dialog: an empty one goes out (as 0) and the
// switch refuses it, changing nothing. A text that is no number is reported, not sent.
TEST_F(TSTP_InfoAgentTest, WhatTheDialogDoesNotCheckTheSwitchRefuses) {
  Type({"32768", "2000", "200", "1500", ""});
  Set();
  ASSERT_EQ(Sets().size(), 1);
  EXPECT_TRUE(Sets()[0].endsWith(QLatin1String(kStp) + "17.0=INTEGER:0"))
      << Sets()[0].toStdString();
  EXPECT_TRUE(QRegularExpression("^Set: \\(SNMP\\) .+\\. Receive at ").match(Status()).hasMatch())
      << Status().toStdString();

  // The switch keeps the bridge's own rule too: a priority that is no multiple of 4096 passes
  // the dialog and is refused by the switch.
  agent_->ClearTrace();
  Type({"1000", "2000", "200", "1500", "3"});
  Set();
  EXPECT_EQ(Sets().size(), 1);
  EXPECT_TRUE(Status().startsWith("Set: (SNMP) ")) << Status().toStdString();

  // A text that is no number never leaves the field: leaving it is refused with the field's
  // message, the value before comes back and the cursor stays, and nothing is sent.
  agent_->ClearTrace();
  notifier_.shown.clear();
  const QString before = dialog_->ET_Priority->text();
  ASSERT_TRUE(user::Retype(dialog_->ET_Priority, "-"));
  ASSERT_TRUE(user::Tab());
  EXPECT_EQ(notifier_.Texts(), QStringList{"Please enter a number between 0 and 61440!"});
  EXPECT_EQ(dialog_->ET_Priority->text(), before);
  EXPECT_EQ(user::FocusWidget(), dialog_->ET_Priority);
  EXPECT_TRUE(Sets().isEmpty());

  // Set's own check behind the field's, reached only by a text the program put in the field:
  // the text is reported, not sent.
  agent_->ClearTrace();
  dialog_->ET_Priority->setText(QStringLiteral("-"));
  Set();
  EXPECT_TRUE(Sets().isEmpty());
  EXPECT_TRUE(Status().contains("'-' is not a valid integer value")) << Status().toStdString();
}

}  // namespace
