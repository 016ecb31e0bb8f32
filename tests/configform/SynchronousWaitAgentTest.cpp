#include "AgentSuite.h"
#include "QtPrinters.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TSNMPEditorPanel.h"
#include "TestApplication.h"
#include "UserDriver.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnWaitIndicator.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include <functional>

// A dialog whose reads and writes are synchronous, against a switch that takes 700 ms for every
// answer (under the 1 s time-out of a try): while the call waits, the dialog repaints, the cursor
// is busy and the status line says what it waits for; whatever the user types, clicks or closes
// meanwhile is not acted on, and the call ends as it would have without it.
namespace {

const ZnSNMPVarDef kIpAddresses[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.2", "System IP", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.3", "Subnet Mask", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.4", "Gateway", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {}};

// Counts the repaints of a widget that happen while a wait is engaged.
class PaintsWhileWaiting : public QObject {
 public:
  PaintsWhileWaiting(QWidget* widget, const ZnWaitIndicator& waits) : waits_(waits) {
    widget->installEventFilter(this);
  }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && waits_.Engaged()) ++count;
    return false;
  }

 private:
  const ZnWaitIndicator& waits_;
};

// What was seen, and what the user tried, in the middle of a call.
struct Midway {
  bool engaged = false;
  bool busyCursor = false;
  QString status;
  QString memoLine;
  QStringList tried;  // the driver's complaints, if it could not even try
};

class SynchronousWaitAgentTest : public AgentSuite {
 protected:
  static void SetUpTestSuite() { StartAgent({"--delay", "700"}); }

  // Writes are synchronous on every page; `blockingReads` makes its reads so too, as the
  // hand-made dialogs' reads are.
  TSNMPEditorPanel* Open(bool blockingReads = false) {
    form_ = std::make_unique<TConfigForm>();
    auto* binding = new ZnSNMPRequest2Edits(form_.get());
    binding->VarList() = ZnSNMPVarList(kIpAddresses, ZnItemType::SVT_SV, 0);
    if (blockingReads) binding->mode = ZnSNMPRequest2Controls::Mode::Blocking;
    TSNMPEditorPanel* page = form_->AddEditor(binding);
    form_->show();
    EXPECT_TRUE(Await([&] { return form_->Current() && !binding->Busy(); }));
    agent_->ClearTrace();
    return page;
  }

  // Clicks `button` and, 300 ms into the call it starts, notes what is shown and does `meddle`.
  Midway ClickAndMeddle(QPushButton* button, TSNMPEditorPanel* page,
                        const std::function<void(Midway&)>& meddle) {
    Midway seen;
    QTimer::singleShot(300, [&] {
      seen.engaged = waits_.Engaged();
      seen.busyCursor = QGuiApplication::overrideCursor() &&
                        QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
      seen.status = waits_.Text();
      seen.memoLine = page->Memo()->toPlainText().section('\n', -1);
      meddle(seen);
    });
    EXPECT_TRUE(user::Click(button));
    return seen;
  }

  static void Note(Midway& seen, const ::testing::AssertionResult& result) {
    if (!result) seen.tried << QString::fromStdString(result.message());
  }

  ZnWaitIndicator waits_;
  std::unique_ptr<TConfigForm> form_;
};

TEST_F(SynchronousWaitAgentTest, KeysClicksAndCloseDuringAWriteAreNotActedOnAndTheWriteIsTheSame) {
  TSNMPEditorPanel* page = Open();
  TEditsPanel* editor = page->Editor();
  auto* mask = qobject_cast<QLineEdit*>(editor->RowAt(1).value);
  ASSERT_NE(mask, nullptr);
  ASSERT_TRUE(user::Retype(mask, "255.255.0.0"));
  ASSERT_TRUE(user::Tick(editor->RowAt(1).check));
  QPushButton* set = page->Buttons()->SetCheckedButton();
  PaintsWhileWaiting paints(page->Memo()->viewport(), waits_);

  const Midway seen = ClickAndMeddle(set, page, [&](Midway& seen) {
    Note(seen, user::Click(mask));  // into the field, then type
    Note(seen, user::Type("9"));
    Note(seen, user::Click(editor->RowAt(0).check));
    Note(seen, user::Click(set));  // a second write
    Note(seen, user::Escape());    // would close the dialog
    QCloseEvent close;  // the window manager's close button, as the window system sends it
    QSpontaneKeyEvent::setSpontaneous(&close);
    QCoreApplication::sendEvent(form_->windowHandle(), &close);
  });

  EXPECT_TRUE(seen.engaged);
  EXPECT_TRUE(seen.busyCursor);
  EXPECT_EQ(seen.status, "Set: waiting for 127.0.0.1 to answer, try 1 of 2 (1 more left)...");
  EXPECT_EQ(seen.memoLine, seen.status);
  EXPECT_TRUE(seen.tried.isEmpty()) << seen.tried.join('\n').toStdString();
  EXPECT_GT(paints.count, 0);

  // One write, of what was ticked before the click; nothing typed, ticked or closed meanwhile.
  EXPECT_EQ(Sets(), QStringList{"1.3.6.1.4.1.99917.11.63.3.2.1.2.3.0=IPADDRESS:255.255.0.0"});
  EXPECT_EQ(mask->text(), "255.255.0.0");
  EXPECT_FALSE(editor->RowAt(0).check->isChecked());
  EXPECT_TRUE(form_->isVisible());
  const QStringList lines = page->Memo()->toPlainText().split('\n');
  EXPECT_TRUE(lines.last().startsWith("Set: Ok. Receive at ")) << lines.last().toStdString();
  EXPECT_FALSE(page->Memo()->toPlainText().contains("waiting for"));
  EXPECT_FALSE(waits_.Engaged());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  // Afterwards the dialog takes input again.
  agent_->ClearTrace();
  ASSERT_TRUE(user::Retype(mask, "255.0.0.0"));
  ASSERT_TRUE(user::Click(set));
  EXPECT_EQ(Sets(), QStringList{"1.3.6.1.4.1.99917.11.63.3.2.1.2.3.0=IPADDRESS:255.0.0.0"});
}

TEST_F(SynchronousWaitAgentTest, ARefreshTheUserTypesIntoShowsWhatTheSwitchHolds) {
  TSNMPEditorPanel* page = Open(true);
  TEditsPanel* editor = page->Editor();
  QStringList before;
  for (int i = 0; i < editor->RowCount(); ++i)
    before << qobject_cast<QLineEdit*>(editor->RowAt(i).value)->text();
  auto* gateway = qobject_cast<QLineEdit*>(editor->RowAt(2).value);
  ASSERT_TRUE(user::Retype(gateway, "10.9.9.9"));  // typed, not written

  const Midway seen = ClickAndMeddle(page->Buttons()->RefreshButton(), page, [&](Midway& seen) {
    Note(seen, user::Click(gateway));
    Note(seen, user::Key(Qt::Key_End));
    Note(seen, user::Type("1"));
    Note(seen, user::Click(page->Buttons()->CloseButton()));
  });

  EXPECT_TRUE(seen.engaged);
  EXPECT_EQ(seen.status, "Get: waiting for 127.0.0.1 to answer, try 1 of 2 (1 more left)...");
  EXPECT_TRUE(seen.tried.isEmpty()) << seen.tried.join('\n').toStdString();
  QStringList after;
  for (int i = 0; i < editor->RowCount(); ++i)
    after << qobject_cast<QLineEdit*>(editor->RowAt(i).value)->text();
  EXPECT_EQ(after, before);
  EXPECT_TRUE(Sets().isEmpty());
  EXPECT_TRUE(form_->isVisible());
  EXPECT_TRUE(page->Memo()->toPlainText().section('\n', -1).startsWith("Get: Ok. Receive at "));
}

}  // namespace
