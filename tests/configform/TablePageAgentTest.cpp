#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TSNMPListViewPanel.h"
#include "TestApplication.h"
#include "UserDriver.h"
#include "WhenModal.h"
#include "ZnOptionList.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

// The table page against the simulated switch: the list, and the Add, Edit and Delete row
// dialogs with exactly what each sends (the agent's trace).
namespace {

const ZnOptionItem kRowStatus[] = {{1, "active"},      {2, "notInService"},  {3, "notReady"},
                                   {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
                                   {0, nullptr}};
const ZnOptionList kRowStatusList(kRowStatus);

// The IP-MAC binding table: an IP address key, a MAC, a row status and a port list.
const ZnSNMPVarDef kBindings[] = {
    {"1.3.6.1.4.1.99917.12.23.4.1.1.1", "IP Index", ZnSyntax::IpAddress, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.23.4.1.1.2", "MAC Address", ZnSyntax::MacAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.23.4.1.1.3", "Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kRowStatusList},
    {"1.3.6.1.4.1.99917.12.23.4.1.1.4", "Ports", ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {}};

class TablePageAgentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TestApplication();
    static QTemporaryDir counter;
    ZnSNMPOpenSession(counter.path());
  }
  void SetUp() override {
    agent_ = std::make_unique<Nx596Agent>();
    ASSERT_TRUE(agent_->Start());
    ZnSNMPGlobalDevice = {"127.0.0.1", agent_->Port()};
    ZnSNMPGlobalSecurity.Version = 1;
    ZnSNMPDefaultTimeout = 100;
    ZnSetNotifier(&notifier_);
  }
  void TearDown() override { ZnSetNotifier(nullptr); }

  TSNMPListViewPanel* Open(bool addAndDelete) {
    form_ = std::make_unique<TConfigForm>();
    form_->setWindowTitle("IP MAC Binding Table : 127.0.0.1");
    auto* binding = new ZnSNMPRequest2Edits(form_.get());
    binding->VarList() = ZnSNMPVarList(kBindings, ZnItemType::MVT_UMV, 1);
    TSNMPListViewPanel* page = addAndDelete
                                   ? form_->AddListView(binding, 2, "createAndGo", 2, "destroy")
                                   : form_->AddListView(binding, -1, QString(), -1, QString());
    form_->show();
    EXPECT_TRUE(Await([&] { return form_->Current() && !binding->Busy(); }));
    agent_->ClearTrace();
    return page;
  }
  QStringList Sets() const {
    QStringList sets;
    for (const QString& line : agent_->TraceLines())
      if (line.startsWith("SET\t")) sets << line.section('\t', 4);
    return sets;
  }
  // Runs `inside` once the row dialog is open. A dialog that `inside` left open is closed then,
  // so that a Set that failed to close it fails the test instead of hanging it.
  static void WithDialog(const std::function<void(QWidget*)>& inside) {
    WhenModal([inside](QWidget* dialog) {
      inside(dialog);
      return dialog->isVisible();
    });
  }
  static QLineEdit* Edit(TEditsPanel* editor, int row) {
    return qobject_cast<QLineEdit*>(editor->RowAt(row).value);
  }
  static QPushButton* Button(QWidget* dialog, const QString& text) {
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
      if (b->text() == text && !b->isHidden()) return b;
    return nullptr;
  }

  std::unique_ptr<Nx596Agent> agent_;
  RecordingNotifier notifier_;
  std::unique_ptr<TConfigForm> form_;
};

TEST_F(TablePageAgentTest, WithoutAddAndDeleteTheListOffersRefreshEditAndClose) {
  TSNMPListViewPanel* page = Open(false);
  TCtrlBtnPanel* b = page->Buttons();
  EXPECT_EQ(page->ListPanel()->ListView()->topLevelItemCount(), 3);
  EXPECT_EQ(b->Counter()->text(), "3");
  EXPECT_FALSE(b->SamplesLabel()->isHidden());
  EXPECT_FALSE(b->RefreshButton()->isHidden());
  EXPECT_FALSE(b->EditButton()->isHidden());
  EXPECT_FALSE(b->EditButton()->isEnabled());
  EXPECT_TRUE(b->AddButton()->isHidden());
  EXPECT_TRUE(b->DeleteButton()->isHidden());
  EXPECT_TRUE(b->SetCheckedButton()->isHidden());
  ASSERT_TRUE(user::ClickItem(page->ListPanel()->ListView(),
                              page->ListPanel()->ListView()->topLevelItem(0)));
  EXPECT_TRUE(b->EditButton()->isEnabled());
}

TEST_F(TablePageAgentTest, AddWritesTheKeysTheCreateValueAndTheTickedRows) {
  TSNMPListViewPanel* page = Open(true);
  TEditsPanel* editor = page->Editor();
  WithDialog([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "IP MAC Binding Table : 127.0.0.1 (Add)");
    // The key and the row status are always written; their check boxes cannot be unticked.
    EXPECT_TRUE(editor->RowAt(0).check->isChecked());
    EXPECT_FALSE(editor->RowAt(0).check->isEnabled());
    EXPECT_EQ(qobject_cast<QComboBox*>(editor->RowAt(2).value)->currentText(), "createAndGo");
    EXPECT_TRUE(user::Retype(Edit(editor, 0), "10.0.0.9"));
    EXPECT_TRUE(user::Retype(Edit(editor, 1), "001CF0102009"));
    EXPECT_TRUE(user::Tick(editor->RowAt(1).check));
    QPushButton* set = Button(dialog, "Set Checked");
    ASSERT_NE(set, nullptr);
    EXPECT_TRUE(user::Click(set));  // a complete set closes the dialog
    EXPECT_FALSE(dialog->isVisible());
  });
  ASSERT_TRUE(user::Click(page->Buttons()->AddButton()));
  EXPECT_EQ(Sets(), QStringList{"1.3.6.1.4.1.99917.12.23.4.1.1.2.10.0.0.9=STRING:001CF0102009\t"
                                "1.3.6.1.4.1.99917.12.23.4.1.1.3.10.0.0.9=INTEGER:4"});
  ASSERT_TRUE(Await([&] { return !page->Binding()->Busy(); }));
  EXPECT_EQ(page->ListPanel()->ListView()->topLevelItemCount(), 4);
  EXPECT_TRUE(editor->isHidden());
}

// A write the switch refuses keeps the row dialog open with what was typed and the reason in the
// memo; correcting the entry and setting again creates the row and closes it.
TEST_F(TablePageAgentTest, ARefusedAddKeepsTheDialogAndWhatWasTypedUntilTheWriteGoesThrough) {
  TSNMPListViewPanel* page = Open(true);
  TEditsPanel* editor = page->Editor();
  bool openAfterRefusal = false;
  QString typedAfterRefusal;
  QString memoAfterRefusal;
  WithDialog([&](QWidget* dialog) {
    auto* ip = qobject_cast<QLineEdit*>(editor->RowAt(0).value);
    auto* mac = qobject_cast<QLineEdit*>(editor->RowAt(1).value);
    // That row exists: the switch refuses to create it again.
    EXPECT_TRUE(user::Retype(ip, "10.0.0.2"));
    EXPECT_TRUE(user::Retype(mac, "001CF0102009"));
    EXPECT_TRUE(user::Tick(editor->RowAt(1).check));
    EXPECT_TRUE(user::Click(Button(dialog, "Set Checked")));
    openAfterRefusal = dialog->isVisible();
    typedAfterRefusal = ip->text() + ' ' + mac->text();
    memoAfterRefusal = page->Memo()->toPlainText();
    if (!openAfterRefusal) return;
    EXPECT_TRUE(user::Retype(ip, "10.0.0.9"));
    EXPECT_TRUE(user::Click(Button(dialog, "Set Checked")));
  });
  ASSERT_TRUE(user::Click(page->Buttons()->AddButton()));
  EXPECT_TRUE(openAfterRefusal);
  EXPECT_EQ(typedAfterRefusal, "10.0.0.2 001CF0102009");
  EXPECT_TRUE(memoAfterRefusal.contains("Set: ")) << qPrintable(memoAfterRefusal);
  ASSERT_EQ(Sets().size(), 2);
  EXPECT_TRUE(Sets()[1].startsWith("1.3.6.1.4.1.99917.12.23.4.1.1.2.10.0.0.9=")) << qPrintable(Sets()[1]);
  ASSERT_TRUE(Await([&] { return !page->Binding()->Busy(); }));
  EXPECT_EQ(page->ListPanel()->ListView()->topLevelItemCount(), 4);
}

TEST_F(TablePageAgentTest, EditCanNeitherCreateNorDestroyAndPutsTheLabelsBack) {
  TSNMPListViewPanel* page = Open(true);
  TEditsPanel* editor = page->Editor();
  auto* status = qobject_cast<QComboBox*>(editor->RowAt(2).value);
  QStringList before;
  for (int k = 0; k < status->count(); ++k) before << status->itemText(k);
  QTreeWidget* view = page->ListPanel()->ListView();
  ASSERT_TRUE(user::ClickItem(view, view->topLevelItem(1)));  // 10.0.0.2
  WithDialog([&](QWidget* dialog) {
    QStringList during;
    for (int k = 0; k < status->count(); ++k) during << status->itemText(k);
    EXPECT_FALSE(during.contains("createAndGo"));
    EXPECT_FALSE(during.contains("destroy"));
    EXPECT_TRUE(editor->RowAt(0).check->isHidden());  // the key is read-only here
    EXPECT_TRUE(user::Retype(Edit(editor, 3), "FF000000"));
    EXPECT_TRUE(user::Tick(editor->RowAt(3).check));
    EXPECT_TRUE(user::Click(Button(dialog, "Set Checked")));
  });
  ASSERT_TRUE(user::Click(page->Buttons()->EditButton()));
  EXPECT_EQ(Sets(), QStringList{"1.3.6.1.4.1.99917.12.23.4.1.1.4.10.0.0.2=STRING:FF000000"});
  QStringList after;
  for (int k = 0; k < status->count(); ++k) after << status->itemText(k);
  EXPECT_EQ(after, before);
}

TEST_F(TablePageAgentTest, DeleteAsksAndSendsTheKeysAndTheDestroyValueOnly) {
  TSNMPListViewPanel* page = Open(true);
  QTreeWidget* view = page->ListPanel()->ListView();
  ASSERT_TRUE(user::ClickItem(view, view->topLevelItem(2)));  // 192.168.1.10
  notifier_.answer = false;
  ASSERT_TRUE(user::Click(page->Buttons()->DeleteButton()));
  EXPECT_EQ(notifier_.Texts(), QStringList{"Are you sure to delete it?"});
  EXPECT_TRUE(Sets().isEmpty());
  notifier_.answer = true;
  ASSERT_TRUE(user::ClickItem(view, view->topLevelItem(2)));
  ASSERT_TRUE(user::Click(page->Buttons()->DeleteButton()));
  EXPECT_EQ(Sets(), QStringList{"1.3.6.1.4.1.99917.12.23.4.1.1.3.192.168.1.10=INTEGER:6"});
  EXPECT_EQ(view->topLevelItemCount(), 2);
  // The other variables take part in reads again.
  EXPECT_EQ(page->Binding()->VarList().Item(1).Access, ZnAccess::ReadWrite);
}

}  // namespace
