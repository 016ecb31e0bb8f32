#include "AgentSuite.h"
#include "ErrorCode.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TSNMPEditorPanel.h"
#include "TestApplication.h"
#include "UserDriver.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

// The scalar editor page in a configuration dialog against the simulated switch: what the user
// sees (rows, check boxes, buttons) and exactly what a Set sends (the agent's trace).
namespace {

const ZnSNMPVarDef kAddresses[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.2", "System IP", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.3", "Subnet Mask", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.4", "Gateway", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {}};
const ZnSNMPVarDef kOneWritable[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.2", "System IP", ZnSyntax::IpAddress, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.5", "Management VLAN ID", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.3", "Subnet Mask", ZnSyntax::IpAddress, ZnAccess::ReadOnly},
    {}};

class EditorPageAgentTest : public AgentSuite {
 protected:
  // A shown dialog with one editor page over `table`, read once.
  TSNMPEditorPanel* Open(const ZnSNMPVarDef* table) {
    form_ = std::make_unique<TConfigForm>();
    auto* binding = new ZnSNMPRequest2Edits(form_.get());
    binding->VarList() = ZnSNMPVarList(table, ZnItemType::SVT_SV, 0);
    TSNMPEditorPanel* page = form_->AddEditor(binding);
    form_->show();
    EXPECT_TRUE(Await([&] { return form_->Current() && !binding->Busy(); }));
    agent_->ClearTrace();
    return page;
  }
  static bool Shown(QWidget* w) { return !w->isHidden(); }

  std::unique_ptr<TConfigForm> form_;
};

TEST_F(EditorPageAgentTest, OnlyTheTickedRowIsWritten) {
  TSNMPEditorPanel* page = Open(kAddresses);
  TEditsPanel* editor = page->Editor();
  ASSERT_EQ(editor->RowCount(), 3);
  auto* mask = qobject_cast<QLineEdit*>(editor->RowAt(1).value);
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(mask->text(), "255.0.0.0");
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(Shown(editor->RowAt(i).check)) << i;
  QPushButton* set = page->Buttons()->SetCheckedButton();
  EXPECT_FALSE(set->isEnabled());
  EXPECT_EQ(set->text(), "Set Checked");
  ASSERT_TRUE(user::Retype(mask, "255.255.0.0"));
  ASSERT_TRUE(user::Tick(editor->RowAt(1).check));
  EXPECT_TRUE(set->isEnabled());
  ASSERT_TRUE(user::Click(set));
  EXPECT_EQ(Sets(), QStringList{"1.3.6.1.4.1.99917.11.63.3.2.1.2.3.0=IPADDRESS:255.255.0.0"});
  EXPECT_TRUE(page->Memo()->toPlainText().split('\n').last().startsWith("Set: Ok. Receive at "));
  // The access bits are as before: the next read reads every row again.
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(page->Binding()->VarList().Item(i).Access, ZnAccess::ReadWrite) << i;

  // An empty ticked row stops the whole write.
  agent_->ClearTrace();
  ASSERT_TRUE(user::Retype(mask, "255.0.0.0"));
  ASSERT_TRUE(user::Tick(editor->RowAt(0).check));
  ASSERT_TRUE(user::Retype(qobject_cast<QLineEdit*>(editor->RowAt(0).value), ""));
  ASSERT_TRUE(user::Click(set));
  EXPECT_EQ(notifier_.Texts(), QStringList{"Some items are empty!"});
  EXPECT_TRUE(Sets().isEmpty());
  EXPECT_TRUE(editor->RowAt(0).check->isChecked());
  ASSERT_TRUE(user::Tick(editor->RowAt(0).check, false));  // untick the empty row
  ASSERT_TRUE(user::Click(set));
  EXPECT_EQ(Sets(), QStringList{"1.3.6.1.4.1.99917.11.63.3.2.1.2.3.0=IPADDRESS:255.0.0.0"});

  // Check All and Clear Checks.
  ASSERT_TRUE(user::Click(page->Buttons()->ClearChecksButton()));
  EXPECT_FALSE(set->isEnabled());
  ASSERT_TRUE(user::Click(page->Buttons()->CheckAllButton()));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(editor->RowAt(i).check->isChecked()) << i;
}

TEST_F(EditorPageAgentTest, ASingleWritableRowShowsSetAndNoCheckBoxes) {
  TSNMPEditorPanel* page = Open(kOneWritable);
  TEditsPanel* editor = page->Editor();
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(Shown(editor->RowAt(i).check)) << i;
  QPushButton* set = page->Buttons()->SetCheckedButton();
  EXPECT_EQ(set->text(), "Set");
  EXPECT_TRUE(set->isEnabled());
  EXPECT_FALSE(Shown(page->Buttons()->CheckAllButton()));
  auto* vlan = qobject_cast<QLineEdit*>(editor->RowAt(1).value);
  const QString old = vlan->text();
  ASSERT_TRUE(user::Retype(vlan, "7"));
  ASSERT_TRUE(user::Click(set));
  EXPECT_EQ(Sets(), QStringList{"1.3.6.1.4.1.99917.11.63.3.2.1.2.5.0=INTEGER:7"});
  ASSERT_TRUE(user::Retype(vlan, old));
  ASSERT_TRUE(user::Click(set));
  // Read-only rows cannot be typed into.
  EXPECT_TRUE(qobject_cast<QLineEdit*>(editor->RowAt(0).value)->isReadOnly());
}

TEST_F(EditorPageAgentTest, AReadOnlyPageOffersRefreshAndCloseOnly) {
  const ZnSNMPVarDef readOnly[] = {
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.2", "System IP", ZnSyntax::IpAddress, ZnAccess::ReadOnly},
      {}};
  TSNMPEditorPanel* page = Open(readOnly);
  TCtrlBtnPanel* b = page->Buttons();
  EXPECT_TRUE(Shown(b->RefreshButton()));
  EXPECT_TRUE(Shown(b->CloseButton()));
  for (QWidget* hidden :
       {static_cast<QWidget*>(b->SetCheckedButton()), static_cast<QWidget*>(b->CheckAllButton()),
        static_cast<QWidget*>(b->ClearChecksButton()), static_cast<QWidget*>(b->EditButton()),
        static_cast<QWidget*>(b->AddButton()), static_cast<QWidget*>(b->DeleteButton())})
    EXPECT_FALSE(Shown(hidden));
  // Buttons stack in order without gaps for the hidden ones.
  EXPECT_LT(b->RefreshButton()->geometry().bottom(), b->CloseButton()->geometry().top());
  EXPECT_LE(b->CloseButton()->geometry().top() - b->RefreshButton()->geometry().bottom(), 6);
  ASSERT_TRUE(user::Click(b->RefreshButton()));
  EXPECT_TRUE(Await([&] { return !page->Binding()->Busy(); }));
  EXPECT_EQ(page->Memo()->toPlainText().count("Get: Ok."), 2);
}

TEST_F(EditorPageAgentTest, RowStatusLabelsMustBeOfferedByTheRow) {
  const ZnSNMPVarDef table[] = {
      {"1.3.6.1.4.1.99917.12.23.4.1.1.1", "IP Index", ZnSyntax::IpAddress, ZnAccess::NotAccessible},
      {"1.3.6.1.4.1.99917.12.23.4.1.1.2", "MAC Address", ZnSyntax::MacAddress, ZnAccess::ReadWrite},
      {}};
  TConfigForm form;
  auto* binding = new ZnSNMPRequest2Edits(&form);
  binding->VarList() = ZnSNMPVarList(table, ZnItemType::MVT_UMV, 1);
  try {
    form.AddListView(binding, 1, "createAndGo", -1, QString());
    FAIL() << "an edit row took a row-status label";
  } catch (const ZnException& e) {
    EXPECT_EQ(e.Message(), "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGo");
  }
}

TEST_F(EditorPageAgentTest, BuildingErrorsHaveTheirTexts) {
  TConfigForm form;
  auto* binding = new ZnSNMPRequest2Edits(&form);
  binding->VarList() = ZnSNMPVarList(kAddresses, ZnItemType::SVT_SV, 0);
  TSNMPEditorPanel* page = form.AddEditor(binding);
  try {
    form.AddEditor(binding);
    FAIL() << "a second page kind was accepted";
  } catch (const ZnException& e) {
    EXPECT_EQ(e.Message(), "Can not change Type of a Config Form!");
  }
  try {
    form.AddEditorPage("x", binding);
    FAIL();
  } catch (const ZnException& e) {
    EXPECT_EQ(e.Message(), "Can not add editor page to a none-page pannel!");
  }
  try {
    form.AddListView(binding, 0, "createAndGo", -1, QString());
    FAIL();
  } catch (const ZnException& e) {
    EXPECT_EQ(e.Message(), "Can not change Type of a Config Form!");
  }
  // A row index beyond the rows is refused with the device software's own words.
  page->Editor()->MakeRowReadOnly(7);
  EXPECT_EQ(notifier_.Texts(), QStringList{"aIdx is overtop!\n you may define < 3"});
  page->SetVarFormat(0, "%u{n0x255}");
  EXPECT_EQ(CodeOf([&] { page->SetVarFormat(0, "%q"); }), -2);
}

}  // namespace
