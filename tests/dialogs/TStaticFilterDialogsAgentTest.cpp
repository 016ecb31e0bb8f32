#include "AgentSuite.h"
#include "PortGridByHand.h"
#include "DialogShot.h"
#include "QtPrinters.h"
#include "TMulticastFilterInformationForm.h"
#include "TPortUitForm.h"
#include "TUnicastFilterInformationForm.h"
#include "UserDriver.h"
#include "ZnHandMadeDialogs.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

// The static filtering dialogs against the simulated switch, which starts with two unicast
// entries (VLAN 1 and 20) and two multicast entries (VLAN 1 and 20); VLAN 20 has the ports 5,
// 6, 11 and 25. Every scenario starts from the switch as it boots.
namespace {

const QString kUnicast = "1.3.6.1.2.1.17.7.1.3.1.1.";
const QString kMulticast = "1.3.6.1.2.1.17.7.1.3.2.1.";
// 00-20-4A-10-00-63 in VLAN 20, any receive port.
const QString kHostMac = "00204A100063";
const QString kHost = "20.0.32.74.16.0.99.0";
// 01-00-5E-00-00-09 in VLAN 20, any receive port.
const QString kGroupMac = "01005E000009";
const QString kGroup = "20.1.0.94.0.0.9.0";
const QString kNotComplete = "Get data not complete";

::testing::AssertionResult Tick(TPortUitForm* grid, std::initializer_list<int> ports) {
  return TickPortsByHand(grid, ports);
}

QList<int> Ticked(const TPortUitForm* grid) {
  QList<int> ports;
  for (int k = 0; k < grid->PortBoxes.size(); ++k)
    if (grid->PortBoxes[k]->isChecked()) ports << k + 1;
  return ports;
}

QTreeWidgetItem* Row(QTreeWidget* view, const QString& vid, const QString& mac) {
  for (int k = 0; k < view->topLevelItemCount(); ++k) {
    QTreeWidgetItem* item = view->topLevelItem(k);
    if (item->text(0) == vid && item->text(1) == mac) return item;
  }
  return nullptr;
}

QString LastLine(const QPlainTextEdit* memo) {
  return memo->toPlainText().split('\n').last();
}

class StaticFilterAgentTest : public AgentSuite {
 protected:
  void SetUp() override {
    ASSERT_TRUE(agent_->Restart());
    AgentSuite::SetUp();
  }

  // The request lines of the trace in order, by operation: "SET", "GETNEXT", ...
  static QStringList Operations() {
    QStringList operations;
    for (const QString& line : agent_->TraceLines()) operations << line.section('\t', 0, 0);
    return operations;
  }

  template <typename Form>
  static bool Settled(const Form& form, QTreeWidget* view, int rows) {
    return !form.FilterBinding->Busy() && view->topLevelItemCount() == rows;
  }
};

TEST_F(StaticFilterAgentTest, TheMenuOpensBothDialogsCaptionedForTheDevice) {
  const std::pair<const char*, const char*> dialogs[] = {
      {"TUnicastFilterInformationForm", "Unicast Filter Information : 10.90.90.90"},
      {"TMulticastFilterInformationForm", "Multicast Filter Information : 10.90.90.90"},
  };
  for (const auto& [name, caption] : dialogs) {
    std::unique_ptr<QDialog> dialog = ZnCreateHandMadeDialog(name, "10.90.90.90", nullptr);
    ASSERT_NE(dialog, nullptr) << name;
    EXPECT_EQ(dialog->windowTitle(), caption);
    dialog->close();
  }
}

// Each check of "Add" answers with its own message, in its order, and nothing is sent.
TEST_F(StaticFilterAgentTest, UnicastAddChecksRefuseInTheirOrderAndSendNothing) {
  TUnicastFilterInformationForm form;
  form.show();
  auto* view = form.LV_dot1qStaticUnicastEntry;
  ASSERT_TRUE(Await([&] { return Settled(form, view, 2); }));
  EXPECT_EQ(form.ST_Count->text(), "2");
  EXPECT_FALSE(form.DeleteBtn->isEnabled());
  EXPECT_EQ(form.UStatus->count(), 5);

  struct Refusal {
    std::initializer_list<int> ports;
    const char* vid;
    const char* mac;
    const char* status;
    const char* message;
  };
  const Refusal refusals[] = {
      {{3, 5}, "", "", "other", "Allow To Go To Port just for one Port."},
      {{3, 5}, "20", "00204A100063", "permanent", "Allow To Go To Port just for one Port."},
      {{5}, "", "00204A100063", "permanent", "Please fill the empty."},
      {{}, "20", "", "permanent", "Please fill the empty."},
      {{5}, "20", "00204A100063", "deleteOnReset", "Status must be Permanent."},
      {{}, "20", "00204A100063", "invalid", "Status must be Permanent."},
  };
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.message);
    notifier_.shown.clear();
    ASSERT_TRUE(Tick(form.AllowGrid, refusal.ports));
    ASSERT_TRUE(user::Retype(form.ED_UnicastVID, refusal.vid));
    ASSERT_TRUE(user::Retype(form.UnicastAddress, refusal.mac));
    ASSERT_TRUE(user::Choose(form.UStatus, refusal.status));
    ASSERT_TRUE(user::Click(form.SetBtn));
    EXPECT_EQ(notifier_.Texts(), QStringList{refusal.message}) << refusal.message;
    EXPECT_EQ(form.UStatus->currentText(), refusal.status) << "the combo keeps its status";
  }
  // A MAC address that is not six octets is not cut or padded into another entry's address.
  ASSERT_TRUE(Tick(form.AllowGrid, {5}));
  ASSERT_TRUE(user::Retype(form.ED_UnicastVID, "20"));
  ASSERT_TRUE(user::Retype(form.UnicastAddress, "00204A10006"));
  ASSERT_TRUE(user::Choose(form.UStatus, "permanent"));
  ASSERT_TRUE(user::Click(form.SetBtn));
  EXPECT_EQ(LastLine(form.Memo1), ZnFrameworkError(ZnCode::BadInstance).Message());
  EXPECT_EQ(Sets(), QStringList{});
}

// An entry added with no row selected is for any receive port (0); selected, it keeps its key
// and "Add" rewrites it; "Delete" sends its status "invalid" alone.
TEST_F(StaticFilterAgentTest, UnicastEntryAddedRewrittenAndDeleted) {
  TUnicastFilterInformationForm form;
  form.show();
  auto* view = form.LV_dot1qStaticUnicastEntry;
  ASSERT_TRUE(Await([&] { return Settled(form, view, 2); }));

  // No port ticked: an all-zero port list. The address typed as many write it, in colons and
  // lower case, is the same station.
  QString colons = QString(kHostMac).toLower();
  for (int k = 10; k > 0; k -= 2) colons.insert(k, ':');
  ASSERT_TRUE(user::Retype(form.ED_UnicastVID, "20"));
  ASSERT_TRUE(user::Retype(form.UnicastAddress, colons));
  ASSERT_EQ(form.UnicastAddress->text(), colons);
  ASSERT_TRUE(user::Click(form.SetBtn));
  EXPECT_TRUE(form.ED_UnicastVID->text().isEmpty() && form.UnicastAddress->text().isEmpty());
  ASSERT_TRUE(Await([&] { return Settled(form, view, 3); }));
  EXPECT_EQ(Sets(), QStringList{kUnicast + "3." + kHost + "=STRING:00000000\t" + kUnicast + "4." +
                                kHost + "=INTEGER:3"});
  EXPECT_EQ(form.ST_Count->text(), "3");

  agent_->ClearTrace();
  ASSERT_TRUE(user::ClickItem(view, Row(view, "20", kHostMac)));
  EXPECT_EQ(form.ED_UnicastVID->text(), "20");
  EXPECT_EQ(form.UnicastAddress->text(), kHostMac);
  EXPECT_TRUE(form.ED_UnicastVID->isReadOnly() && form.UnicastAddress->isReadOnly());
  EXPECT_TRUE(form.DeleteBtn->isEnabled());
  ASSERT_TRUE(Tick(form.AllowGrid, {6}));
  ASSERT_TRUE(user::Click(form.SetBtn));
  ASSERT_TRUE(Await([&] { return Settled(form, view, 3) && !Sets().isEmpty(); }));
  EXPECT_EQ(Sets(), QStringList{kUnicast + "3." + kHost + "=STRING:04000000\t" + kUnicast + "4." +
                                kHost + "=INTEGER:3"});
  ASSERT_TRUE(user::ClickItem(view, Row(view, "20", kHostMac)));
  EXPECT_EQ(Ticked(form.AllowGrid), QList<int>{6});

  // A click beside the rows gives back empty, editable key edits.
  ASSERT_TRUE(user::ClickBelowRows(view));
  EXPECT_TRUE(form.ED_UnicastVID->text().isEmpty() && form.UnicastAddress->text().isEmpty());
  EXPECT_FALSE(form.ED_UnicastVID->isReadOnly() || form.UnicastAddress->isReadOnly());
  EXPECT_FALSE(form.DeleteBtn->isEnabled());
  EXPECT_EQ(Ticked(form.AllowGrid), QList<int>{});

  agent_->ClearTrace();
  ASSERT_TRUE(user::ClickItem(view, Row(view, "20", kHostMac)));
  ASSERT_TRUE(user::Click(form.DeleteBtn));
  ASSERT_TRUE(Await([&] { return Settled(form, view, 2) && !Sets().isEmpty(); }));
  EXPECT_EQ(Sets(), QStringList{kUnicast + "4." + kHost + "=INTEGER:2"});
  EXPECT_EQ(Row(view, "20", kHostMac), nullptr);
  // The ports were left out of that one request only.
  EXPECT_FALSE(form.FilterBinding->VarList().Item(3).Access & ZnAccess::Invalid);
}

// "Add" creates the entry with its status, then gives it its ports once the switch has taken
// it; "Set" writes ports and status of the selected entry; "Delete" waits for the switch, then
// reads the table again.
TEST_F(StaticFilterAgentTest, MulticastEntryAddedInTwoRequestsChangedAndDeleted) {
  TMulticastFilterInformationForm form;
  form.show();
  auto* view = form.LV_dot1qStaticMulticastEntry;
  ASSERT_TRUE(Await([&] { return Settled(form, view, 2); }));
  EXPECT_EQ(form.ST_Count->text(), "2");
  EXPECT_FALSE(form.SetBtn->isEnabled() || form.btnDelete->isEnabled());

  ASSERT_TRUE(user::Click(form.AddBtn));
  EXPECT_EQ(notifier_.Texts(), QStringList{"Some Edit is empty!"});
  ASSERT_TRUE(user::Retype(form.ED_MulticastVID, "20"));
  ASSERT_TRUE(user::Retype(form.ED_MACAddress, kGroupMac));
  ASSERT_TRUE(Tick(form.EgressGrid, {5, 6}));
  ASSERT_TRUE(user::Click(form.AddBtn));
  EXPECT_TRUE(form.ED_MulticastVID->text().isEmpty() && Ticked(form.EgressGrid).isEmpty());
  ASSERT_TRUE(Await([&] { return Settled(form, view, 3) && Sets().size() == 2; }));
  EXPECT_EQ(Sets(), (QStringList{kMulticast + "5." + kGroup + "=INTEGER:3",
                                 kMulticast + "3." + kGroup + "=STRING:0C000000"}));
  EXPECT_FALSE(form.Memo1->toPlainText().contains("without its egress ports"));
  for (int variable : {3, 4})
    EXPECT_FALSE(form.FilterBinding->VarList().Item(variable).Access & ZnAccess::Invalid);

  agent_->ClearTrace();
  ASSERT_TRUE(user::ClickItem(view, Row(view, "20", kGroupMac)));
  EXPECT_TRUE(form.SetBtn->isEnabled() && form.btnDelete->isEnabled());
  EXPECT_EQ(Ticked(form.EgressGrid), (QList<int>{5, 6}));
  EXPECT_EQ(form.Status->currentText(), "permanent");
  ASSERT_TRUE(Tick(form.EgressGrid, {6, 25}));
  ASSERT_TRUE(user::Click(form.SetBtn));
  EXPECT_FALSE(form.SetBtn->isEnabled());
  ASSERT_TRUE(Await([&] { return Settled(form, view, 3) && !Sets().isEmpty(); }));
  EXPECT_EQ(Sets(), QStringList{kMulticast + "3." + kGroup + "=STRING:04000080\t" + kMulticast +
                                "5." + kGroup + "=INTEGER:3"});

  agent_->ClearTrace();
  ASSERT_TRUE(user::ClickItem(view, Row(view, "20", kGroupMac)));
  ASSERT_TRUE(user::Click(form.btnDelete));
  // Back from the click once the switch has answered the delete and the read after it; the
  // table is being read once more.
  EXPECT_EQ(Sets(), QStringList{kMulticast + "5." + kGroup + "=INTEGER:2"});
  EXPECT_EQ(Operations().first(), "SET");
  EXPECT_TRUE(Operations().mid(1).contains("GETNEXT"));
  ASSERT_TRUE(Await([&] { return Settled(form, view, 2); }));
  EXPECT_EQ(Row(view, "20", kGroupMac), nullptr);
  EXPECT_EQ(form.ST_Count->text(), "2");
}

// A first request the switch refuses (VLAN 99 does not exist) creates nothing and is not
// followed by the second; a second request it refuses (port 1 is not in VLAN 20) leaves an
// entry without ports, which the memo and the list tell as it is.
TEST_F(StaticFilterAgentTest, MulticastAddTellsWhatTheSwitchTookAndWhatItRefused) {
  TMulticastFilterInformationForm form;
  form.show();
  auto* view = form.LV_dot1qStaticMulticastEntry;
  ASSERT_TRUE(Await([&] { return Settled(form, view, 2); }));

  ASSERT_TRUE(user::Retype(form.ED_MulticastVID, "99"));
  ASSERT_TRUE(user::Retype(form.ED_MACAddress, kGroupMac));
  ASSERT_TRUE(Tick(form.EgressGrid, {5}));
  ASSERT_TRUE(user::Click(form.AddBtn));
  ASSERT_TRUE(Await([&] { return !form.FilterBinding->Busy() && !Sets().isEmpty(); }));
  QTest::qWait(200);  // time for a second request that must not come
  EXPECT_EQ(Sets(), QStringList{kMulticast + "5.99.1.0.94.0.0.9.0=INTEGER:3"});
  EXPECT_TRUE(LastLine(form.Memo1).startsWith("Set: ") &&
              !LastLine(form.Memo1).startsWith("Set: Ok"))
      << LastLine(form.Memo1).toStdString();
  EXPECT_EQ(view->topLevelItemCount(), 2);

  agent_->ClearTrace();
  ASSERT_TRUE(user::Retype(form.ED_MulticastVID, "20"));
  ASSERT_TRUE(user::Retype(form.ED_MACAddress, kGroupMac));
  ASSERT_TRUE(Tick(form.EgressGrid, {1, 5}));
  ASSERT_TRUE(user::Click(form.AddBtn));
  ASSERT_TRUE(Await([&] { return Settled(form, view, 3); }));
  EXPECT_EQ(Sets(), (QStringList{kMulticast + "5." + kGroup + "=INTEGER:3",
                                 kMulticast + "3." + kGroup + "=STRING:88000000"}));
  EXPECT_TRUE(form.Memo1->toPlainText().contains("Add: the entry of VID 20, MAC " + kGroupMac +
                                                 " was created without its egress ports."));
  // Both answers are in the memo: the entry taken, its ports refused.
  const QStringList lines = form.Memo1->toPlainText().split('\n');
  EXPECT_EQ(lines.filter(QRegularExpression("^Set: Ok")).size(), 1);
  EXPECT_EQ(lines.filter(QRegularExpression("^Set: (?!Ok)")).size(), 2);  // with VLAN 99's
  ASSERT_TRUE(user::ClickItem(view, Row(view, "20", kGroupMac)));
  EXPECT_EQ(Ticked(form.EgressGrid), QList<int>{});
  EXPECT_EQ(form.Status->currentText(), "permanent");
}

// A switch that answers slowly: the walk the dialog starts runs for a while.
class StaticFilterSlowAgentTest : public StaticFilterAgentTest {
 protected:
  static void SetUpTestSuite() { StartAgent({"--delay", "300"}); }
};

TEST_F(StaticFilterSlowAgentTest, MulticastSetDuringAWalkIsRefused) {
  TMulticastFilterInformationForm form;
  form.show();
  auto* view = form.LV_dot1qStaticMulticastEntry;
  ASSERT_TRUE(Await([&] { return view->topLevelItemCount() > 0; }));
  ASSERT_TRUE(form.FilterBinding->Busy());
  ASSERT_TRUE(user::ClickItem(view, view->topLevelItem(0)));
  ASSERT_TRUE(user::Click(form.SetBtn));
  EXPECT_EQ(notifier_.Texts(), QStringList{kNotComplete});
  EXPECT_TRUE(Sets().isEmpty());
  ASSERT_TRUE(Await([&] { return Settled(form, view, 2); }));
  EXPECT_TRUE(Sets().isEmpty());
}

}  // namespace
