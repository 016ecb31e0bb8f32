#include "AgentSuite.h"
#include "QtPrinters.h"
#include "TIGMPRouterPortsForm.h"
#include "TPortUitForm.h"
#include "UserDriver.h"
#include "ZnHandMadeDialogs.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>

// The IGMP router ports dialog against the simulated switch, whose VLANs 1 "default", 20 "lab"
// and 30 "guest" have their router ports: VLAN 1 port 24 configured and port 25 learned, VLAN 20
// port 11 learned.
namespace {

const QString kStatic = "1.3.6.1.4.1.99917.11.63.3.2.7.6.1.3.";
const QString kNotComplete = "Get data not complete";

QList<int> Ticked(const TPortUitForm* grid) {
  QList<int> ports;
  for (int k = 0; k < grid->PortBoxes.size(); ++k)
    if (grid->PortBoxes[k]->isChecked()) ports << k + 1;
  return ports;
}

QTreeWidgetItem* Row(QTreeWidget* view, const QString& vlan) {
  for (int k = 0; k < view->topLevelItemCount(); ++k)
    if (view->topLevelItem(k)->text(0) == vlan) return view->topLevelItem(k);
  return nullptr;
}

class IGMPRouterPortsAgentTest : public AgentSuite {
 protected:
  void SetUp() override {
    ASSERT_TRUE(agent_->Restart());
    AgentSuite::SetUp();
  }

  // How many walks of the table the switch was asked for: each starts with the columns alone.
  static int Walks() {
    int walks = 0;
    for (const QString& line : agent_->TraceLines())
      walks += line.startsWith("GETNEXT\t") &&
               line.section('\t', 4).startsWith("1.3.6.1.4.1.99917.11.63.3.2.7.6.1.2=NULL");
    return walks;
  }
};

TEST_F(IGMPRouterPortsAgentTest, RouterPortsShownAndOnlyTheStaticListWritten) {
  std::unique_ptr<QDialog> dialog =
      ZnCreateHandMadeDialog("TIGMPRouterPortsForm", "10.90.90.90", nullptr);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "IGMP Snooping Router Ports: 10.90.90.90");
  auto& form = static_cast<TIGMPRouterPortsForm&>(*dialog);
  form.show();
  ASSERT_TRUE(Await([&] { return form.DataComplete(); }));
  EXPECT_EQ(form.ListView1->topLevelItemCount(), 3);
  EXPECT_FALSE(form.btnSet->isEnabled());

  ASSERT_TRUE(user::ClickItem(form.ListView1, Row(form.ListView1, "1")));
  EXPECT_TRUE(form.btnSet->isEnabled());
  EXPECT_EQ(form.stVlanID->text(), "1");
  EXPECT_EQ(form.stVlanName->text(), "default");
  EXPECT_EQ(Ticked(form.StaticGrid), QList<int>{24});
  EXPECT_EQ(Ticked(form.DynamicGrid), QList<int>{25});

  // The learned ports cannot be clicked; the static ones can.
  ASSERT_TRUE(user::ClickTab(form.PortPageControl, "Dynamic Ports"));
  QCheckBox* learned = form.DynamicGrid->PortBoxes[0];
  EXPECT_FALSE(user::Click(learned));
  EXPECT_FALSE(learned->isChecked());
  EXPECT_FALSE(learned->isEnabled());
  ASSERT_TRUE(user::ClickTab(form.PortPageControl, "Static Ports"));
  ASSERT_TRUE(user::Click(form.StaticGrid->PortBoxes[0]));
  EXPECT_EQ(Ticked(form.StaticGrid), (QList<int>{1, 24}));

  ASSERT_TRUE(user::Click(form.btnSet));
  EXPECT_FALSE(form.DataComplete());
  EXPECT_FALSE(form.btnSet->isEnabled());
  EXPECT_EQ(Ticked(form.StaticGrid), QList<int>{});
  ASSERT_TRUE(Await([&] { return form.DataComplete(); }));
  EXPECT_EQ(Sets(), QStringList{kStatic + "1=STRING:80000100"});
  EXPECT_EQ(Walks(), 2);
  ASSERT_TRUE(user::ClickItem(form.ListView1, Row(form.ListView1, "1")));
  EXPECT_EQ(Ticked(form.StaticGrid), (QList<int>{1, 24}));
  EXPECT_EQ(Ticked(form.DynamicGrid), QList<int>{25});

  // A port outside the VLAN is the switch's to refuse; the list shows what it keeps.
  agent_->ClearTrace();
  ASSERT_TRUE(user::ClickItem(form.ListView1, Row(form.ListView1, "20")));
  ASSERT_TRUE(user::Tick(form.StaticGrid->PortBoxes[0]));
  ASSERT_TRUE(user::Click(form.btnSet));
  ASSERT_TRUE(Await([&] { return form.DataComplete() && Walks() == 1; }));
  EXPECT_EQ(Sets(), QStringList{kStatic + "20=STRING:80000000"});
  EXPECT_TRUE(form.Memo1->toPlainText().contains("Set: ") &&
              form.Memo1->toPlainText().split('\n').last().startsWith("Get: Ok"));
  ASSERT_TRUE(user::ClickItem(form.ListView1, Row(form.ListView1, "20")));
  EXPECT_EQ(Ticked(form.StaticGrid), QList<int>{});

  // A click beside the rows empties the entry.
  ASSERT_TRUE(user::ClickBelowRows(form.ListView1));
  EXPECT_EQ(form.stVlanID->text(), "");
  EXPECT_EQ(form.stVlanName->text(), "");
  EXPECT_EQ(Ticked(form.DynamicGrid), QList<int>{});
  EXPECT_FALSE(form.btnSet->isEnabled());
  ASSERT_TRUE(user::Click(form.btnClose));
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.RouterBinding, nullptr);
  EXPECT_TRUE(notifier_.shown.empty());
}

// A switch that answers slowly: the walk the dialog starts runs for a while.
class IGMPRouterPortsSlowAgentTest : public IGMPRouterPortsAgentTest {
 protected:
  static void SetUpTestSuite() { StartAgent({"--delay", "300"}); }
};

TEST_F(IGMPRouterPortsSlowAgentTest, RefreshIgnoredSetRefusedAndStopKeepsTheRowsRead) {
  TIGMPRouterPortsForm form;
  form.show();
  ASSERT_TRUE(Await([&] { return form.ListView1->topLevelItemCount() > 0; }));
  ASSERT_FALSE(form.DataComplete());
  ASSERT_TRUE(user::Click(form.btnGet));
  ASSERT_TRUE(user::ClickItem(form.ListView1, form.ListView1->topLevelItem(0)));
  ASSERT_TRUE(user::Click(form.btnSet));
  EXPECT_EQ(notifier_.Texts(), QStringList{kNotComplete});

  ASSERT_TRUE(user::Click(form.btnStop));
  ASSERT_TRUE(Await([&] { return form.DataComplete(); }));
  const int kept = form.ListView1->topLevelItemCount();
  EXPECT_GE(kept, 1);
  EXPECT_LT(kept, 3);
  EXPECT_EQ(Walks(), 1);
  EXPECT_TRUE(Sets().isEmpty());
  // The boxes take clicks again and the buttons work again.
  EXPECT_TRUE(form.StaticGrid->PortBoxes[0]->isEnabled());
  ASSERT_TRUE(user::Click(form.btnGet));
  EXPECT_FALSE(form.DataComplete());
  ASSERT_TRUE(Await([&] { return form.DataComplete(); }));
  EXPECT_EQ(form.ListView1->topLevelItemCount(), 3);
  EXPECT_EQ(Walks(), 2);
  EXPECT_EQ(notifier_.Texts(), QStringList{kNotComplete});
}

}  // namespace
