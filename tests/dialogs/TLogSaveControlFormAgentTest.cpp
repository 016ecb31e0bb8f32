#include "AgentSuite.h"
#include "DialogShot.h"
#include "QtPrinters.h"
#include "TLogSaveControlForm.h"
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

  form->cbxLogSaveMethod->setCurrentText("on-demand");
  EXPECT_FALSE(form->EdLogSavetimeInterval->isEnabled());
  form->EdLogSavetimeInterval->setText("77");  // not the user's to give for this method
  agent_->ClearTrace();
  form->btnSet->click();
  EXPECT_EQ(Sets(), QStringList{kMethod + "=INTEGER:2"});
  EXPECT_TRUE(form->StatusPanel->text().startsWith("Set: Ok."))
      << form->StatusPanel->text().toStdString();

  form->cbxLogSaveMethod->setCurrentText("time-interval");
  EXPECT_TRUE(form->EdLogSavetimeInterval->isEnabled());
  form->EdLogSavetimeInterval->setText("45");
  agent_->ClearTrace();
  form->btnSet->click();
  EXPECT_EQ(Sets(), QStringList{kMethod + "=INTEGER:1\t" + kInterval + "=INTEGER:45"});

  // The interval was left out of one write only: reads include it again.
  form->EdLogSavetimeInterval->clear();
  agent_->ClearTrace();
  form->btnRefresh->click();
  EXPECT_EQ(form->EdLogSavetimeInterval->text(), "45");
  EXPECT_EQ(agent_->TraceLines().size(), 1);
  EXPECT_TRUE(agent_->TraceLines().value(0).contains(kInterval));
  form->cbxLogSaveMethod->setCurrentText("log-trigger");
  EXPECT_FALSE(form->EdLogSavetimeInterval->isEnabled());
  form->btnRefresh->click();
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
    notifier_.shown.clear();
    form->btnRefresh->setFocus();
    form->cbxLogSaveMethod->setCurrentIndex(c.method);
    form->EdLogSavetimeInterval->setText(c.interval);
    agent_->ClearTrace();
    form->btnSet->click();
    EXPECT_EQ(notifier_.Texts(), QStringList{c.message}) << c.what;
    ASSERT_NE(QApplication::focusWidget(), nullptr) << c.what;
    EXPECT_EQ(QApplication::focusWidget()->objectName(), c.focused) << c.what;
    EXPECT_TRUE(agent_->TraceLines().isEmpty()) << c.what;
  }
}

TEST_F(TLogSaveControlFormAgentTest, AnIntervalBeyondItsRangeIsRefusedBeforeAnythingIsSent) {
  auto form = Open();
  form->cbxLogSaveMethod->setCurrentText("time-interval");
  form->EdLogSavetimeInterval->setFocus();
  form->EdLogSavetimeInterval->selectAll();
  agent_->ClearTrace();
  // Five digits fill the edit and move the focus on: the way out checks the range.
  QTest::keyClicks(form->EdLogSavetimeInterval, "65536");
  Await([&] { return !notifier_.shown.empty(); }, 2000);
  EXPECT_EQ(notifier_.Texts(), QStringList{"Please enter a number between 1 and 65535!"});
  // The refused text is gone: the edit holds its last accepted text (none yet: a value read
  // from the device is no text the user gave).
  EXPECT_EQ(form->EdLogSavetimeInterval->text(), "");
  EXPECT_TRUE(form->EdLogSavetimeInterval->hasFocus());
  EXPECT_TRUE(agent_->TraceLines().isEmpty());
}

}  // namespace
