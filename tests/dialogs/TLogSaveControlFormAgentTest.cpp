#include "AgentSuite.h"
#include "DialogShot.h"
#include "QtPrinters.h"
#include "TLogSaveControlForm.h"
#include "UserDriver.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The log save dialog against the simulated switch: the interval travels only with its own
// method, and what is missing or out of range is refused before anything is sent.
namespace {

const QString kMethod = QStringLiteral("1.3.6.1.4.1.99917.12.12.3.1.0");
const QString kInterval = QStringLiteral("1.3.6.1.4.1.99917.12.12.3.2.0");

class TLogSaveControlFormAgentTest : public AgentSuite {
 protected:
  std::unique_ptr<TLogSaveControlForm> Open() {
    auto form = std::make_unique<TLogSaveControlForm>(QStringLiteral("127.0.0.1"));
    form->show();
    QApplication::setActiveWindow(form.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(form->StatusPanel->text().startsWith("Get: Ok."))
        << form->StatusPanel->text().toStdString();
    return form;
  }
};

TEST_F(TLogSaveControlFormAgentTest, TheIntervalTravelsOnlyWithTheIntervalMethod) {
  auto form = Open();
  EXPECT_EQ(form->windowTitle(), "Log Save Control: 127.0.0.1");
  ShootDialog(*form, "TLogSaveControlForm");
  EXPECT_EQ(form->LogSaveBinding()->mode, ZnSNMPRequest2Controls::Mode::Blocking);

  ASSERT_TRUE(user::Choose(form->cbxLogSaveMethod, "on-demand"));
  EXPECT_FALSE(form->EdLogSavetimeInterval->isEnabled());
  EXPECT_FALSE(user::Retype(form->EdLogSavetimeInterval, "77"));
  // Not the user's to give for this method; the program may still hold a text there.
  form->EdLogSavetimeInterval->setText("77");
  agent_->ClearTrace();
  ASSERT_TRUE(user::Click(form->btnSet));
  EXPECT_EQ(Sets(), QStringList{kMethod + "=INTEGER:2"});
  EXPECT_TRUE(form->StatusPanel->text().startsWith("Set: Ok."))
      << form->StatusPanel->text().toStdString();

  ASSERT_TRUE(user::Choose(form->cbxLogSaveMethod, "time-interval"));
  EXPECT_TRUE(form->EdLogSavetimeInterval->isEnabled());
  ASSERT_TRUE(user::Retype(form->EdLogSavetimeInterval, "45"));
  agent_->ClearTrace();
  ASSERT_TRUE(user::Click(form->btnSet));
  EXPECT_EQ(Sets(), QStringList{kMethod + "=INTEGER:1\t" + kInterval + "=INTEGER:45"});

  // The interval was left out of one write only: reads include it again.
  ASSERT_TRUE(user::Retype(form->EdLogSavetimeInterval, ""));
  agent_->ClearTrace();
  ASSERT_TRUE(user::Click(form->btnRefresh));
  EXPECT_EQ(form->EdLogSavetimeInterval->text(), "45");
  EXPECT_EQ(agent_->TraceLines().size(), 1);
  EXPECT_TRUE(agent_->TraceLines().value(0).contains(kInterval));
  ASSERT_TRUE(user::Choose(form->cbxLogSaveMethod, "log-trigger"));
  EXPECT_FALSE(form->EdLogSavetimeInterval->isEnabled());
  ASSERT_TRUE(user::Click(form->btnRefresh));
  EXPECT_EQ(form->cbxLogSaveMethod->currentText(), "time-interval");
  EXPECT_TRUE(form->EdLogSavetimeInterval->isEnabled());
}

TEST_F(TLogSaveControlFormAgentTest, MissingInputIsAskedForWithTheFocusOnIt) {
  struct Case {
    const char* what;
    int method;  // combo entry, -1 none
    QString interval;
    QString message;
    const char* focused;
  };
  const Case cases[] = {
      {"no method", -1, "30", "You should choose Log Save Method.", "cbxLogSaveMethod"},
      {"no interval", 0, "", "You should fill in Log Savetime Interval.", "EdLogSavetimeInterval"},
  };
  auto form = Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    notifier_.shown.clear();
    if (c.method < 0) {
      // A combo showing no method (as after a read that brought none) with an interval the
      // program left in the edit, which no method disables: no person can choose or type that.
      form->cbxLogSaveMethod->setCurrentIndex(-1);
      form->EdLogSavetimeInterval->setText(c.interval);
    } else {
      ASSERT_TRUE(user::Choose(form->cbxLogSaveMethod, form->cbxLogSaveMethod->itemText(c.method)));
      ASSERT_TRUE(user::Retype(form->EdLogSavetimeInterval, c.interval));
    }
    agent_->ClearTrace();
    ASSERT_TRUE(user::Click(form->btnSet));
    EXPECT_EQ(notifier_.Texts(), QStringList{c.message}) << c.what;
    ASSERT_NE(QApplication::focusWidget(), nullptr) << c.what;
    EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focused) << c.what;
    EXPECT_TRUE(agent_->TraceLines().isEmpty()) << c.what;
  }
}

TEST_F(TLogSaveControlFormAgentTest, AnIntervalBeyondItsRangeIsRefusedBeforeAnythingIsSent) {
  auto form = Open();
  ASSERT_TRUE(user::Choose(form->cbxLogSaveMethod, "time-interval"));
  agent_->ClearTrace();
  // Five digits fill the edit and move the focus on: the way out checks the range.
  ASSERT_TRUE(user::Retype(form->EdLogSavetimeInterval, "65536"));
  Await([&] { return !notifier_.shown.empty(); }, 2000);
  EXPECT_EQ(notifier_.Texts(), QStringList{"Please enter a number between 1 and 65535!"});
  // The refused text is gone: the edit holds its last accepted text (none yet: a value read
  // from the device is no text the user gave).
  EXPECT_EQ(form->EdLogSavetimeInterval->text(), "");
  EXPECT_TRUE(form->EdLogSavetimeInterval->hasFocus());
  EXPECT_TRUE(agent_->TraceLines().isEmpty());
}

}  // namespace
