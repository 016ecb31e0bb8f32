#include "AgentSuite.h"
#include "PortGridByHand.h"
#include "QtPrinters.h"
#include "TGuestVlanForm.h"
#include "TPortUitForm.h"
#include "TVLanCurrentTableForm.h"
#include "TVlanStaticForm.h"
#include "UserDriver.h"
#include "ZnHandMadeDialogs.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>

// The VLAN dialogs against the simulated switch, which starts with VLAN 1 "default", VLAN 20
// "lab" and VLAN 30 "guest", the guest VLAN on ports 21-24.
namespace {

const QString kStatic = "1.3.6.1.2.1.17.7.1.4.3.1.";
const QString kGuest = "1.3.6.1.4.1.99917.12.30.1.";

QList<int> Ticked(const TPortUitForm* grid) {
  QList<int> ports;
  for (int k = 0; k < grid->PortBoxes.size(); ++k)
    if (grid->PortBoxes[k]->isChecked()) ports << k + 1;
  return ports;
}

::testing::AssertionResult Tick(TPortUitForm* grid, std::initializer_list<int> ports) {
  return TickPortsByHand(grid, ports);
}

QStringList Column(const QTreeWidget* view, int column) {
  QStringList texts;
  for (int k = 0; k < view->topLevelItemCount(); ++k) texts << view->topLevelItem(k)->text(column);
  return texts;
}

QTreeWidgetItem* Row(QTreeWidget* view, int column, const QString& text) {
  for (int k = 0; k < view->topLevelItemCount(); ++k)
    if (view->topLevelItem(k)->text(column) == text) return view->topLevelItem(k);
  return nullptr;
}

QString LastLine(const QPlainTextEdit* memo) {
  return memo->toPlainText().split('\n').last();
}

// Which of Set, Delete and Add are enabled, in that order.
std::string Buttons(const TVlanStaticForm& form) {
  return std::string(form.SetBtn->isEnabled() ? "S" : "-") +
         (form.DeleteBtn->isEnabled() ? "D" : "-") + (form.AddBtn->isEnabled() ? "A" : "-");
}

class VlanDialogsAgentTest : public AgentSuite {
 protected:
  // Both bindings have answered and the table has `rows` rows.
  static bool Settled(const TVlanStaticForm& form, int rows) {
    return !form.StaticBinding->Busy() && !form.NextIndexBinding->Busy() &&
           form.LV_dot1qVlanStaticEntry->topLevelItemCount() == rows;
  }
  static bool Settled(const TVLanCurrentTableForm& form, int rows) {
    return !form.CurrentBinding->Busy() && !form.DeletesBinding->Busy() &&
           form.LV_dot1qVlanCurrentEntry->topLevelItemCount() == rows;
  }
  static void Select(TVlanStaticForm& form, const QString& vlan) {
    QTreeWidgetItem* row = Row(form.LV_dot1qVlanStaticEntry, 0, vlan);
    ASSERT_NE(row, nullptr) << vlan.toStdString();
    ASSERT_TRUE(user::ClickItem(form.LV_dot1qVlanStaticEntry, row));
  }
  // The page of the port grid `caption`, then its boxes.
  static void TickOnPage(TVlanStaticForm& form, const QString& caption, TPortUitForm* grid,
                         std::initializer_list<int> ports) {
    ASSERT_TRUE(user::ClickTab(form.PortPageControl, caption));
    ASSERT_TRUE(Tick(grid, ports));
  }
};

TEST_F(VlanDialogsAgentTest, TheMenuOpensEachDialogCaptionedForTheDevice) {
  const std::pair<const char*, const char*> dialogs[] = {
      {"TVlanStaticForm", "VLAN Static: 10.90.90.90"},
      {"TVLanCurrentTableForm", "VLAN Current Table: 10.90.90.90"},
      {"TGuestVlanForm", "Guest VLAN: 10.90.90.90"},
  };
  for (const auto& [name, caption] : dialogs) {
    std::unique_ptr<QDialog> dialog = ZnCreateHandMadeDialog(name, "10.90.90.90", nullptr);
    ASSERT_NE(dialog, nullptr) << name;
    EXPECT_EQ(dialog->windowTitle(), caption);
    dialog->close();
  }
}

// A VLAN's whole life through the static dialog, seen in the current table dialog and on the
// wire: every write is one request carrying name, egress ports, untagged ports and status.
TEST_F(VlanDialogsAgentTest, StaticVlanCreatedChangedAndDeleted) {
  TVlanStaticForm form;
  form.show();
  ASSERT_TRUE(Await([&] { return Settled(form, 3); }));
  EXPECT_EQ(Column(form.LV_dot1qVlanStaticEntry, 0), (QStringList{"1", "20", "30"}));
  EXPECT_EQ(Column(form.LV_dot1qVlanStaticEntry, 1), (QStringList{"default", "lab", "guest"}));
  EXPECT_EQ(form.ST_Count2->text(), "3");
  EXPECT_EQ(form.NextFreeLocalVlanIndex->text(), "2");
  EXPECT_EQ(Buttons(form), "--A");

  // Missing input is refused before anything is sent.
  ASSERT_TRUE(user::Retype(form.ED_VLANID, "40"));
  ASSERT_TRUE(user::Click(form.AddBtn));
  ASSERT_TRUE(user::Retype(form.ED_VLANID, ""));
  ASSERT_TRUE(user::Retype(form.ED_VLANName, "office"));
  EXPECT_FALSE(form.DeleteBtn->isEnabled());
  EXPECT_FALSE(user::Click(form.DeleteBtn));
  // Delete's own check, behind the disabled button: the handler refuses an empty entry too.
  form.DeleteBtnClick();
  EXPECT_EQ(notifier_.Texts(), (QStringList{"Please fill the empty.",
                                            "Please select which entry you want to delete."}));
  EXPECT_EQ(notifier_.Captions(), (QStringList{"Warning", "Warning"}));
  EXPECT_EQ(Sets(), QStringList{});
  EXPECT_EQ(Buttons(form), "--A");

  // Created in one request; its tagged ports are the egress ports that are not untagged.
  ASSERT_TRUE(user::Retype(form.ED_VLANID, "40"));
  TickOnPage(form, "Egress ports", form.EgressGrid, {1, 2, 3, 4});
  TickOnPage(form, "Untagged Ports", form.UntaggedGrid, {3, 4});
  ASSERT_TRUE(user::Click(form.AddBtn));
  EXPECT_TRUE(form.ED_VLANID->text().isEmpty() && form.ED_VLANName->text().isEmpty());
  EXPECT_EQ(Ticked(form.EgressGrid), QList<int>{});
  EXPECT_EQ(Buttons(form), "--A");
  ASSERT_TRUE(Await([&] { return Settled(form, 4); }));
  EXPECT_EQ(Sets(), QStringList{kStatic + "1.40=STRING:6F6666696365\t" + kStatic +
                                "2.40=STRING:F0000000\t" + kStatic + "4.40=STRING:30000000\t" +
                                kStatic + "5.40=INTEGER:4"});
  EXPECT_TRUE(LastLine(form.Memo1).startsWith("Get: Ok. Receive at "))
      << LastLine(form.Memo1).toStdString();
  Select(form, "40");
  EXPECT_EQ(Buttons(form), "SD-");
  EXPECT_EQ(form.ED_VLANName->text(), "office");
  EXPECT_EQ(form.Status->currentText(), "Active");
  EXPECT_EQ(Ticked(form.EgressGrid), (QList<int>{1, 2, 3, 4}));
  EXPECT_EQ(Ticked(form.TaggedGrid), (QList<int>{1, 2}));
  EXPECT_EQ(Ticked(form.UntaggedGrid), (QList<int>{3, 4}));

  {
    TVLanCurrentTableForm current;
    current.show();
    ASSERT_TRUE(Await([&] { return Settled(current, 4); }));
    EXPECT_EQ(Column(current.LV_dot1qVlanCurrentEntry, 1), (QStringList{"1", "20", "30", "40"}));
    EXPECT_EQ(current.ST_Count2->text(), "4");
    ASSERT_TRUE(user::ClickItem(current.LV_dot1qVlanCurrentEntry,
                                Row(current.LV_dot1qVlanCurrentEntry, 1, "40")));
    EXPECT_EQ(current.StaticText1->text(), "40");
    EXPECT_EQ(Ticked(current.EgressGrid), (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(Ticked(current.UntaggedGrid), (QList<int>{3, 4}));
    // A click beside the rows empties the selection's fields.
    ASSERT_TRUE(user::ClickBelowRows(current.LV_dot1qVlanCurrentEntry));
    EXPECT_EQ(current.StaticText1->text(), "");
    EXPECT_EQ(Ticked(current.EgressGrid), QList<int>{});
  }

  // Changed: port 1 leaves the VLAN.
  agent_->ClearTrace();
  ASSERT_TRUE(user::ClickTab(form.PortPageControl, "Egress ports"));
  ASSERT_TRUE(user::Tick(form.EgressGrid->PortBoxes[0], false));
  ASSERT_TRUE(user::Click(form.SetBtn));
  EXPECT_EQ(Buttons(form), "--A");
  EXPECT_TRUE(form.ED_VLANID->text().isEmpty());
  ASSERT_TRUE(Await([&] { return Settled(form, 4) && !Sets().isEmpty(); }));
  EXPECT_EQ(Sets(), QStringList{kStatic + "1.40=STRING:6F6666696365\t" + kStatic +
                                "2.40=STRING:70000000\t" + kStatic + "4.40=STRING:30000000\t" +
                                kStatic + "5.40=INTEGER:1"});
  Select(form, "40");
  EXPECT_EQ(Ticked(form.EgressGrid), (QList<int>{2, 3, 4}));
  EXPECT_EQ(Ticked(form.TaggedGrid), (QList<int>{2}));

  // Deleted: the row goes, the deletions counter grows by one.
  QString deletesBefore;
  {
    TVLanCurrentTableForm current;
    ASSERT_TRUE(Await([&] { return Settled(current, 4); }));
    deletesBefore = current.VlanNumDeletes->text();
  }
  agent_->ClearTrace();
  ASSERT_TRUE(user::Click(form.DeleteBtn));
  EXPECT_EQ(Buttons(form), "--A");
  ASSERT_TRUE(Await([&] { return Settled(form, 3) && !Sets().isEmpty(); }));
  ASSERT_EQ(Sets().size(), 1);
  EXPECT_TRUE(Sets()[0].endsWith(kStatic + "5.40=INTEGER:6")) << Sets()[0].toStdString();
  EXPECT_EQ(Column(form.LV_dot1qVlanStaticEntry, 0), (QStringList{"1", "20", "30"}));
  TVLanCurrentTableForm current;
  ASSERT_TRUE(Await([&] { return Settled(current, 3); }));
  EXPECT_EQ(current.VlanNumDeletes->text().toInt(), deletesBefore.toInt() + 1);
}

// What the switch refuses shows in the memo as its own error; the entry area is emptied and the
// table stays as it was.
TEST_F(VlanDialogsAgentTest, RefusedWritesShowTheDevicesErrorInTheMemo) {
  TVlanStaticForm form;
  form.show();
  ASSERT_TRUE(Await([&] { return Settled(form, 3); }));
  struct Refusal {
    const char* why;
    const char* vlan;
    const char* name;
    std::initializer_list<int> egress, untagged;
    const char* error;
  };
  const Refusal refusals[] = {
      {"untagged ports not egress", "41", "bad", {1}, {2}, "Inconsistent Value!"},
      {"a name another VLAN has", "42", "lab", {1}, {}, "Inconsistent Value!"},
      {"a VLAN ID beyond 4094", "4095", "far", {1}, {}, "Creation Not Allowed!"},
  };
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.why);
    ASSERT_TRUE(user::Retype(form.ED_VLANID, refusal.vlan));
    ASSERT_TRUE(user::Retype(form.ED_VLANName, refusal.name));
    TickOnPage(form, "Egress ports", form.EgressGrid, refusal.egress);
    TickOnPage(form, "Untagged Ports", form.UntaggedGrid, refusal.untagged);
    const int lines = form.Memo1->blockCount();
    ASSERT_TRUE(user::Click(form.AddBtn));
    EXPECT_TRUE(form.ED_VLANID->text().isEmpty() && Ticked(form.EgressGrid).isEmpty());
    ASSERT_TRUE(Await([&] { return !form.StaticBinding->Busy(); }));
    EXPECT_EQ(form.Memo1->blockCount(), lines + 1) << refusal.why;
    EXPECT_TRUE(LastLine(form.Memo1).startsWith("Set: (SNMP) Cannot create")) << refusal.why;
    EXPECT_TRUE(LastLine(form.Memo1).contains(refusal.error))
        << refusal.why << ": " << LastLine(form.Memo1).toStdString();
  }
  // The default VLAN cannot be deleted, nor the guest VLAN's.
  for (const char* vlan : {"1", "30"}) {
    Select(form, vlan);
    ASSERT_TRUE(user::Click(form.DeleteBtn));
    ASSERT_TRUE(Await([&] { return !form.StaticBinding->Busy(); }));
    EXPECT_TRUE(LastLine(form.Memo1).startsWith("Set: (SNMP) "))
        << LastLine(form.Memo1).toStdString();
  }
  ASSERT_TRUE(user::Click(form.RefreshBtn));
  ASSERT_TRUE(Await([&] { return Settled(form, 3); }));
  EXPECT_EQ(Column(form.LV_dot1qVlanStaticEntry, 0), (QStringList{"1", "20", "30"}));
}

// A port list the switch returns shorter than four octets shows as the binding's error and in
// no box, not as the ticks of the row selected before.
TEST_F(VlanDialogsAgentTest, AShortPortListShowsTheErrorAndNoTicks) {
  const ZnSNMPVarDef egressOfVlan20[] = {
      {"1.3.6.1.2.1.17.7.1.4.3.1.2.20", "Egress", ZnSyntax::OctetString, ZnAccess::ReadWrite}, {}};
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(egressOfVlan20, ZnItemType::MVT_SV, 0);
  request.VarList.Item(0).Value = "0C20";
  request.Set();

  TVlanStaticForm form;
  form.show();
  ASSERT_TRUE(Await([&] { return Settled(form, 3); }));
  Select(form, "1");
  EXPECT_EQ(Ticked(form.EgressGrid).size(), 26);
  const int lines = form.Memo1->blockCount();
  Select(form, "20");
  EXPECT_EQ(form.Memo1->blockCount(), lines + 1);
  EXPECT_TRUE(LastLine(form.Memo1).startsWith("Get: (ZnSNMP++) Out of range"))
      << LastLine(form.Memo1).toStdString();
  for (const TPortUitForm* grid : {form.EgressGrid, form.TaggedGrid, form.UntaggedGrid})
    EXPECT_EQ(Ticked(grid), QList<int>{});

  request.VarList.Item(0).Value = "0C200080";
  request.Set();
}

// The guest VLAN: name and ports written together, an unchanged name left out, and deleted.
TEST_F(VlanDialogsAgentTest, GuestVlanNameAndPortsAndDelete) {
  TGuestVlanForm form;
  form.show();
  ASSERT_TRUE(Await([&] { return !form.CurrentNameBinding->Busy(); }));
  EXPECT_EQ(form.edtName->text(), "guest");
  EXPECT_EQ(form.Edit1->text(), "guest");
  EXPECT_EQ(Ticked(form.GuestGrid), (QList<int>{21, 22, 23, 24}));
  EXPECT_TRUE(form.StatusPanel->text().startsWith("Get: Ok. Receive at "))
      << form.StatusPanel->text().toStdString();

  ASSERT_TRUE(Tick(form.GuestGrid, {23, 24}));
  ASSERT_TRUE(user::Click(form.SetBtn));
  EXPECT_EQ(Sets(), QStringList{kGuest + "2.0=STRING:00000300"});
  EXPECT_EQ(Ticked(form.GuestGrid), (QList<int>{23, 24}));

  // A name of no VLAN is refused; the name of VLAN 20 is taken, written before the ports.
  agent_->ClearTrace();
  ASSERT_TRUE(user::Retype(form.edtName, "nowhere"));
  ASSERT_TRUE(user::Click(form.SetBtn));
  EXPECT_TRUE(form.StatusPanel->text().contains("Inconsistent Value!"))
      << form.StatusPanel->text().toStdString();
  ASSERT_TRUE(user::Retype(form.edtName, "lab"));
  ASSERT_TRUE(user::Click(form.SetBtn));
  ASSERT_TRUE(Await([&] { return !form.CurrentNameBinding->Busy(); }));
  EXPECT_EQ(Sets(),
            (QStringList{kGuest + "1.0=STRING:6E6F7768657265\t" + kGuest + "2.0=STRING:00000300",
                         kGuest + "1.0=STRING:6C6162\t" + kGuest + "2.0=STRING:00000300"}));
  EXPECT_EQ(form.Edit1->text(), "lab");

  agent_->ClearTrace();
  ASSERT_TRUE(user::Click(form.DelBtn));
  ASSERT_TRUE(Await([&] { return !form.CurrentNameBinding->Busy(); }));
  EXPECT_EQ(Sets(), QStringList{kGuest + "3.0=INTEGER:2"});
  EXPECT_EQ(form.edtName->text(), "");
  EXPECT_EQ(form.Edit1->text(), "");
  EXPECT_EQ(Ticked(form.GuestGrid), QList<int>{});
  EXPECT_EQ(form.cbxDel->currentText(), "none");

  // Back as the switch started: with no name read, the name is always written.
  agent_->ClearTrace();
  ASSERT_TRUE(user::Retype(form.edtName, "guest"));
  ASSERT_TRUE(Tick(form.GuestGrid, {21, 22, 23, 24}));
  ASSERT_TRUE(user::Click(form.SetBtn));
  EXPECT_EQ(Sets(),
            QStringList{kGuest + "1.0=STRING:6775657374\t" + kGuest + "2.0=STRING:00000F00"});
}

// A dialog closed while its walk runs returns once the answer under way is in, and nothing is
// sent after it.
class VlanDialogsSlowAgentTest : public AgentSuite {
 protected:
  static void SetUpTestSuite() { StartAgent({"--delay", "150"}); }
};

TEST_F(VlanDialogsSlowAgentTest, ClosingDuringTheWalkSendsNothingMore) {
  for (const char* name : {"TVlanStaticForm", "TVLanCurrentTableForm"}) {
    agent_->ClearTrace();
    std::unique_ptr<QDialog> dialog = ZnCreateHandMadeDialog(name, "127.0.0.1", nullptr);
    dialog->show();
    ASSERT_TRUE(Await([&] { return agent_->TraceLines().size() >= 2; }));
    dialog->close();  // the window's close box, which the window manager presses
    const int sent = agent_->TraceLines().size();
    dialog.reset();
    Await([] { return false; }, 600);
    EXPECT_EQ(agent_->TraceLines().size(), sent) << name;
    // Four rows would take a get-next each and one more to end.
    EXPECT_LT(sent, 5) << name;
  }
}

}  // namespace

// With NX596_SHOTS naming a directory, each dialog with a VLAN selected is saved there as a
// picture to look at.
TEST_F(VlanDialogsAgentTest, Pictures) {
  const QString shots = qEnvironmentVariable("NX596_SHOTS");
  if (shots.isEmpty()) GTEST_SKIP() << "NX596_SHOTS is not set";
  QDir().mkpath(shots);
  TVlanStaticForm staticForm;
  staticForm.setWindowTitle("VLAN Static: 127.0.0.1");
  staticForm.show();
  staticForm.activateWindow();
  ASSERT_TRUE(Await([&] { return Settled(staticForm, 3); }));
  Select(staticForm, "1");
  EXPECT_TRUE(staticForm.grab().save(shots + "/TVlanStaticForm.png"));
  ASSERT_TRUE(user::ClickTab(staticForm.PortPageControl, "Tagged Ports"));
  EXPECT_TRUE(staticForm.grab().save(shots + "/TVlanStaticForm-tagged.png"));

  TVLanCurrentTableForm current;
  current.setWindowTitle("VLAN Current Table: 127.0.0.1");
  current.show();
  ASSERT_TRUE(Await([&] { return Settled(current, 3); }));
  ASSERT_TRUE(
      user::ClickItem(current.LV_dot1qVlanCurrentEntry, Row(current.LV_dot1qVlanCurrentEntry, 1, "20")));
  EXPECT_TRUE(current.grab().save(shots + "/TVLanCurrentTableForm.png"));

  TGuestVlanForm guest;
  guest.setWindowTitle("Guest VLAN: 127.0.0.1");
  guest.show();
  ASSERT_TRUE(Await([&] { return !guest.CurrentNameBinding->Busy(); }));
  EXPECT_TRUE(guest.grab().save(shots + "/TGuestVlanForm.png"));
}
