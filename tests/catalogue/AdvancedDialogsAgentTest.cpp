#include "AgentSuite.h"
#include "QtPrinters.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TSNMPEditorPanel.h"
#include "TSNMPListViewPanel.h"
#include "TestApplication.h"
#include "WhenModal.h"
#include "ZnCatalogue.h"
#include "ZnCatalogueDialog.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

// The Advanced Configuration dialogs where the switch keeps its ports consistent: what it
// refuses shows in the dialog's memo, with the reason the switch gave, and nothing changes.
namespace {

constexpr int kInconsistentValue = 12;

class AdvancedDialogsAgentTest : public AgentSuite {
 protected:
  // The dialog of a menu component, shown, with its page read once.
  struct Dialog {
    std::unique_ptr<TConfigForm> form;
    TSNMPEditorPanel* page = nullptr;

    TEditsPanel& Editor() const { return *page->Editor(); }
    QString LastStatus() const { return page->Memo()->toPlainText().split('\n').last(); }
    bool Idle() const { return !page->Binding()->Busy() && !page->Memo()->toPlainText().isEmpty(); }
  };

  static Dialog Open(const char* component) {
    Dialog dialog;
    QString title;
    dialog.form = ZnBuildCatalogueDialog(*ZnFindCatalogueEntry(component), "127.0.0.1", title);
    dialog.form->show();
    dialog.page = dialog.form->findChild<TSNMPEditorPanel*>();
    if (dialog.page) Await([&] { return dialog.Idle(); });
    return dialog;
  }

  static void Fill(const TEditsPanel::Row& row, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(row.value))
      combo->setCurrentIndex(combo->findText(text));
    if (auto* edit = qobject_cast<QLineEdit*>(row.value)) edit->setText(text);
    if (row.check->isEnabled() && !row.check->isChecked()) row.check->click();
  }

  static QString Shown(const TEditsPanel::Row& row) {
    if (auto* combo = qobject_cast<QComboBox*>(row.value)) return combo->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(row.value)) return edit->text();
    return {};
  }

  static QString Refusal(int status) {
    return QStringLiteral("Set: ") + ZnSNMPMapError(status).Message;
  }
};

// Group 1 holds ports 5 and 6. A new group of ports 6 and 7 is refused, the memo says why, and
// the table keeps its one group; ports 7 and 8 make a group.
TEST_F(AdvancedDialogsAgentTest, ATrunkGroupOverlappingAnotherIsRefusedInTheMemo) {
  Dialog dialog = Open("PortTrunk1");
  ASSERT_NE(dialog.page, nullptr);
  ASSERT_TRUE(dialog.LastStatus().startsWith("Get: Ok.")) << qPrintable(dialog.LastStatus());
  auto* table = qobject_cast<TSNMPListViewPanel*>(dialog.page);
  ASSERT_NE(table, nullptr);
  QTreeWidget* view = table->ListPanel()->ListView();
  ASSERT_EQ(view->topLevelItemCount(), 1);

  const struct {
    const char* members;
    const char* master;
    bool refused;
  } groups[] = {{"06000000", "6", true}, {"03000000", "7", false}};
  for (const auto& group : groups) {
    SCOPED_TRACE(group.members);
    WhenModal([&](QWidget* add) {
      TEditsPanel& editor = dialog.Editor();
      Fill(editor.RowAt(0), "2");
      Fill(editor.RowAt(1), group.master);
      Fill(editor.RowAt(2), group.members);
      Fill(editor.RowAt(3), "static");
      add->findChild<TCtrlBtnPanel*>()->SetCheckedButton()->click();
      return true;
    });
    agent_->ClearTrace();
    table->Buttons()->AddButton()->click();
    Await([&] { return dialog.Idle(); });
    ASSERT_EQ(Sets().size(), 1);
    const QStringList memo = dialog.page->Memo()->toPlainText().split('\n');
    const bool told = std::any_of(memo.begin(), memo.end(), [](const QString& line) {
      return line.startsWith(Refusal(kInconsistentValue));
    });
    EXPECT_EQ(told, group.refused) << qPrintable(memo.join('\n'));
    EXPECT_EQ(view->topLevelItemCount(), group.refused ? 1 : 2);
    dialog.page->Memo()->clear();
  }
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
}

// Port 24 mirrors port 1: making port 1 the target is refused and the memo says why; the target
// shows port 24 again after a read. Port 20 is taken.
TEST_F(AdvancedDialogsAgentTest, AMirrorTargetAmongItsSourcesIsRefusedInTheMemo) {
  Dialog dialog = Open("PortMirror1");
  ASSERT_NE(dialog.page, nullptr);
  ASSERT_TRUE(dialog.LastStatus().startsWith("Get: Ok.")) << qPrintable(dialog.LastStatus());
  const TEditsPanel::Row& target = dialog.Editor().RowAt(2);
  const QString before = Shown(target);
  ASSERT_EQ(before, "24");

  const struct {
    const char* port;
    bool refused;
  } targets[] = {{"1", true}, {"20", false}};
  for (const auto& step : targets) {
    SCOPED_TRACE(step.port);
    Fill(target, step.port);
    dialog.page->Buttons()->SetCheckedButton()->click();
    Await([&] { return !dialog.page->Binding()->Busy(); });
    EXPECT_TRUE(dialog.LastStatus().startsWith(step.refused ? Refusal(kInconsistentValue)
                                                            : QStringLiteral("Set: Ok.")))
        << qPrintable(dialog.LastStatus());
    dialog.page->Buttons()->RefreshButton()->click();
    Await([&] { return !dialog.page->Binding()->Busy(); });
    EXPECT_EQ(Shown(dialog.Editor().RowAt(2)), step.refused ? before : QString(step.port));
  }
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
}

}  // namespace
