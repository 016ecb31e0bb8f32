#include "AgentSuite.h"
#include "DialogShot.h"
#include "QtPrinters.h"
#include "TSTP_Port.h"
#include "UserDriver.h"
#include "ZnHandMadeDialogs.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

// The spanning tree port table against the simulated switch: the two port tables walked as one,
// a port's six settings written in one request, and the position chosen again after the
// table has been read anew.
namespace {

class TSTP_PortAgentTest : public AgentSuite {
 protected:
  void SetUp() override {
    AgentSuite::SetUp();
    // Opened as the main menu opens it, captioned for the device.
    dialog_.reset(dynamic_cast<TSTP_Port*>(
        ZnCreateHandMadeDialog(QStringLiteral("TSTP_Port"), QStringLiteral("127.0.0.1"), nullptr)
            .release()));
    ASSERT_NE(dialog_, nullptr);
    dialog_->show();
    agent_->ClearTrace();
  }
  void TearDown() override {
    dialog_.reset();
    AgentSuite::TearDown();
  }

  QTreeWidget* List() const { return dialog_->LV_STP_Port; }
  QStringList Row(int position) const {
    QStringList texts;
    for (int k = 0; k < List()->columnCount(); ++k)
      texts << List()->topLevelItem(position)->text(k);
    return texts;
  }
  void Choose(int position) {
    ASSERT_TRUE(user::ClickItem(List(), List()->topLevelItem(position)));
  }
  QString Status() const { return dialog_->StatusPanel->text(); }

  std::unique_ptr<TSTP_Port> dialog_;
};

TEST_F(TSTP_PortAgentTest, ListsEveryPortOfBothTablesAndChoosingOneFillsTheSettings) {
  EXPECT_EQ(dialog_->windowTitle(), "STP Port Table :127.0.0.1");
  // The walk is done when the dialog is: the binding is blocking.
  ASSERT_EQ(List()->topLevelItemCount(), 26);
  QStringList captions;
  for (int k = 0; k < List()->columnCount(); ++k) captions << List()->headerItem()->text(k);
  EXPECT_EQ(captions, (QStringList{"Port", "Priority", "Status        ", "State  ", "Migration",
                                   "Edge", "Point To Point", "PathCost"}));
  EXPECT_EQ(Row(0),
            (QStringList{"1", "128", "forwarding", "enabled", "false", "false", "Auto", "0"}));
  EXPECT_EQ(Row(25).first(), "26");
  EXPECT_EQ(Row(25)[2], "disabled");
  EXPECT_FALSE(dialog_->BT_Set->isEnabled());
  EXPECT_TRUE(Status().startsWith("Get: Ok. Receive at ")) << Status().toStdString();

  Choose(9);
  EXPECT_TRUE(dialog_->BT_Set->isEnabled());
  EXPECT_EQ(dialog_->SelectedRow(), 9);
  EXPECT_EQ(dialog_->ET_Priority->text(), "128");
  EXPECT_EQ(dialog_->Combo_Status->currentText(), "enabled");
  EXPECT_EQ(dialog_->Combo_P2P->currentText(), "Auto");
  EXPECT_EQ(dialog_->ET_PathCost->text(), "0");
  ShootDialog(*dialog_, "TSTP_Port");

  // Refresh forgets the choice and empties the two edits; the combo boxes keep their texts.
  ASSERT_TRUE(user::Click(dialog_->BT_Get));
  EXPECT_FALSE(dialog_->BT_Set->isEnabled());
  EXPECT_EQ(dialog_->ET_Priority->text(), "");
  EXPECT_EQ(dialog_->ET_PathCost->text(), "");
  EXPECT_EQ(dialog_->Combo_P2P->currentText(), "Auto");
  EXPECT_EQ(List()->topLevelItemCount(), 26);
}

TEST_F(TSTP_PortAgentTest, SetWritesTheSixSettingsOfThePortAndChoosesThePositionAgain) {
  Choose(4);
  ASSERT_TRUE(user::Retype(dialog_->ET_Priority, "64"));
  ASSERT_TRUE(user::Choose(dialog_->Combo_Status, "disabled"));
  ASSERT_TRUE(user::Choose(dialog_->Combo_Migration, "true"));
  ASSERT_TRUE(user::Choose(dialog_->Combo_Edge, "true"));
  ASSERT_TRUE(user::Choose(dialog_->Combo_P2P, "forceTrue"));
  ASSERT_TRUE(user::Retype(dialog_->ET_PathCost, "200000"));
  ASSERT_TRUE(user::Click(dialog_->BT_Set));

  const QStringList sets = Sets();
  EXPECT_EQ(sets, QStringList{"1.3.6.1.2.1.17.2.15.1.2.5=INTEGER:64"
                              "\t1.3.6.1.2.1.17.2.15.1.4.5=INTEGER:2"
                              "\t1.3.6.1.2.1.17.2.19.1.1.5=INTEGER:1"
                              "\t1.3.6.1.2.1.17.2.19.1.2.5=INTEGER:1"
                              "\t1.3.6.1.2.1.17.2.19.1.4.5=INTEGER:0"
                              "\t1.3.6.1.2.1.17.2.19.1.6.5=GAUGE:200000"});
  // The whole table was read again after the write, and the same position is chosen, without
  // enabling Set.
  EXPECT_TRUE(agent_->TraceLines().last().startsWith("GETNEXT"));
  ASSERT_EQ(List()->topLevelItemCount(), 26);
  ASSERT_EQ(List()->selectedItems().size(), 1);
  EXPECT_EQ(List()->indexOfTopLevelItem(List()->selectedItems().first()), 4);
  EXPECT_FALSE(dialog_->BT_Set->isEnabled());
  // A migration check is started by writing true and always reads false.
  EXPECT_EQ(Row(4), (QStringList{"5", "64", "forwarding", "disabled", "false", "true", "forceTrue",
                                 "200000"}));
  EXPECT_EQ(dialog_->ET_Priority->text(), "64");
  EXPECT_TRUE(Status().startsWith("Get: Ok. Receive at ")) << Status().toStdString();

  // A click on the row still chosen makes Set available again; the port goes back.
  Choose(4);
  EXPECT_TRUE(dialog_->BT_Set->isEnabled());
  ASSERT_TRUE(user::Retype(dialog_->ET_Priority, "128"));
  ASSERT_TRUE(user::Choose(dialog_->Combo_Status, "enabled"));
  ASSERT_TRUE(user::Choose(dialog_->Combo_Edge, "false"));
  ASSERT_TRUE(user::Choose(dialog_->Combo_P2P, "Auto"));
  // The field takes 1-200000000; the cost of 0 (the port's speed decides) is an empty field.
  ASSERT_TRUE(user::Retype(dialog_->ET_PathCost, ""));
  ASSERT_TRUE(user::Click(dialog_->BT_Set));
  EXPECT_EQ(Row(4),
            (QStringList{"5", "128", "forwarding", "enabled", "false", "false", "Auto", "0"}));
}

TEST_F(TSTP_PortAgentTest, AnEmptyPriorityIsRefusedAnEmptyPathCostIsNot) {
  Choose(2);
  ASSERT_TRUE(user::Retype(dialog_->ET_Priority, ""));
  ASSERT_TRUE(user::Click(dialog_->BT_Set));
  EXPECT_EQ(Status(), "Please Input Value!");
  EXPECT_TRUE(Sets().isEmpty());
  EXPECT_TRUE(dialog_->BT_Set->isEnabled());

  // An empty path cost goes out as 0, which lets the port's speed decide its cost.
  ASSERT_TRUE(user::Retype(dialog_->ET_Priority, "128"));
  ASSERT_TRUE(user::Retype(dialog_->ET_PathCost, ""));
  ASSERT_TRUE(user::Click(dialog_->BT_Set));
  ASSERT_EQ(Sets().size(), 1);
  EXPECT_TRUE(Sets()[0].endsWith("1.3.6.1.2.1.17.2.19.1.6.3=GAUGE:0")) << Sets()[0].toStdString();
  EXPECT_TRUE(Status().startsWith("Get: Ok. Receive at ")) << Status().toStdString();
}

// The table read after a write can come back shorter than the position remembered (here the
// walk is ended after a few rows, as when the request is stopped while it runs): nothing is
// chosen then, and nothing is read past the end of the list.
TEST_F(TSTP_PortAgentTest, ATableThatComesBackShorterChoosesNothing) {
  Choose(25);
  // The walk after the write is ended behind the dialog's back, as a stopped request ends it.
  ZnSNMPRequest2Edits* binding = dialog_->PortBinding();
  QTimer stopper;
  stopper.setInterval(0);
  QObject::connect(&stopper, &QTimer::timeout, [&] {
    if (binding->Busy() && binding->LastOperation() == ZnSNMPRequest2Controls::Operation::Read &&
        binding->RowCount() >= 5)
      binding->Request().Enabled = false;
  });
  stopper.start();
  ASSERT_TRUE(user::Click(dialog_->BT_Set));
  stopper.stop();

  EXPECT_EQ(Sets().size(), 1);
  EXPECT_GE(List()->topLevelItemCount(), 5);
  EXPECT_LT(List()->topLevelItemCount(), 26);
  EXPECT_TRUE(List()->selectedItems().isEmpty());
  EXPECT_FALSE(dialog_->BT_Set->isEnabled());
  EXPECT_TRUE(Status().startsWith("Get: Ok. Receive at ")) << Status().toStdString();

  binding->Request().Enabled = true;
  ASSERT_TRUE(user::Click(dialog_->BT_Get));
  EXPECT_EQ(List()->topLevelItemCount(), 26);
}

}  // namespace
