#include "AgentSuite.h"
#include "DialogShot.h"
#include "QtPrinters.h"
#include "TBOOTCtrlTableForm.h"
#include "TNewBootpCtrlForm.h"
#include "UserDriver.h"
#include "WhenModal.h"
#include "ZnHandMadeDialogs.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>

// The DHCP relay control table against the simulated switch, which starts with three servers
// for the interface System and one for ipif2: the four-servers rule, add and delete through the
// row status, and the data-complete flag that holds Add, Delete and Close while a chain of
// requests runs and lets go once it has ended, also when the switch went silent.
namespace {

const QString kStatusColumn = "1.3.6.1.4.1.99917.12.42.3.1.1.3.";
const QString kSystem = "6.83.121.115.116.101.109.";  // "System" with its length
const QString kIpif2 = "5.105.112.105.102.50.";
const QString kNotComplete = "Get data not complete";
const QString kFourAtMost = "One interface can support four bootp servers at most.";

class TBOOTCtrlTableFormAgentTest : public AgentSuite {
 protected:
  // Every scenario starts from the switch as it boots: rows made by one test are not there for
  // the next.
  void SetUp() override {
    ASSERT_TRUE(agent_->Restart());
    AgentSuite::SetUp();
  }

  std::unique_ptr<TBOOTCtrlTableForm> OpenRead() {
    auto form = std::make_unique<TBOOTCtrlTableForm>(agent_->Address());
    form->show();
    EXPECT_TRUE(Await([&] { return form->DataComplete(); }));
    return form;
  }

  static QStringList Interfaces(const TBOOTCtrlTableForm& form) {
    QStringList rows;
    for (int i = 0; i < form.ListView1()->topLevelItemCount(); ++i)
      rows << form.ListView1()->topLevelItem(i)->text(0) + " " +
                  form.ListView1()->topLevelItem(i)->text(1);
    return rows;
  }

  // Types into the new-entry form and presses "Set"; true when the form closed.
  static bool EnterServer(TNewBootpCtrlForm& entry, const QString& interfaceName,
                          const QString& server) {
    EXPECT_TRUE(user::Retype(entry.Edit1(), interfaceName));
    EXPECT_TRUE(user::Retype(entry.Edit2(), server));
    EXPECT_TRUE(user::Click(entry.DeleteBtn()));
    return !entry.isVisible();
  }
};

TEST_F(TBOOTCtrlTableFormAgentTest, AFifthServerForAnInterfaceIsRefusedBeforeTheSwitchIsAsked) {
  auto form = OpenRead();
  // In index order: the shorter name first.
  ASSERT_EQ(Interfaces(*form), QStringList({"ipif2 192.168.20.1", "System 10.90.90.1",
                                            "System 10.90.90.2", "System 10.90.90.3"}));
  EXPECT_EQ(form->ListView1()->headerItem()->text(2), "DHCP Relay Control Row Status");
  EXPECT_EQ(form->ListView1()->topLevelItem(3)->text(2), "active");
  ShootDialog(*form, "TBOOTCtrlTableForm");

  // The fourth server of System is the switch's to accept.
  bool closed = false;
  WhenModal([&](QWidget* modal) {
    auto* entry = qobject_cast<TNewBootpCtrlForm*>(modal);
    EXPECT_NE(entry, nullptr);
    if (!entry) return true;
    EXPECT_EQ(entry->windowTitle(), "New DHCP Control: " + agent_->Address());
    // Emptied and usable although the last read disabled the bound edits.
    EXPECT_TRUE(entry->Edit1()->isEnabled());
    EXPECT_TRUE(entry->Edit2()->text().isEmpty());
    ShootDialog(*entry, "TNewBootpCtrlForm");
    closed = EnterServer(*entry, "System", "10.90.90.4");
    return !closed;
  });
  ASSERT_TRUE(user::Click(form->AddBtn()));
  EXPECT_TRUE(closed);
  ASSERT_TRUE(Await([&] { return form->DataComplete(); }));
  EXPECT_EQ(Sets(), QStringList{kStatusColumn + kSystem + "10.90.90.4=INTEGER:4"});
  EXPECT_EQ(Interfaces(*form).filter(QRegularExpression("^System ")).size(), 4);

  // A fifth is refused by the dialog and nothing is sent; an address that is no address is not
  // turned into another one; the name is compared exactly, so "system" goes to the switch, which
  // has no such interface; ipif2 still takes a server.
  agent_->ClearTrace();
  notifier_.shown.clear();
  QStringList afterFifth, afterBadAddress, afterOtherCase;
  WhenModal([&](QWidget* modal) {
    auto* entry = qobject_cast<TNewBootpCtrlForm*>(modal);
    if (!entry) return true;
    EXPECT_FALSE(EnterServer(*entry, "System", "10.90.90.5"));
    afterFifth = Sets();
    EXPECT_EQ(notifier_.Texts(), QStringList{kFourAtMost});
    EXPECT_EQ(notifier_.shown.front().ButtonSet, ZnUserNotifier::Buttons::Ok);

    EXPECT_FALSE(EnterServer(*entry, "ipif2", "10.1.1"));
    afterBadAddress = Sets();
    EXPECT_TRUE(
        form->Memo1()->toPlainText().endsWith("(ZnSNMP++) Bad instance of a SNMP table row!"));

    EXPECT_TRUE(EnterServer(*entry, "system", "10.90.90.5"));
    return false;
  });
  ASSERT_TRUE(user::Click(form->AddBtn()));
  ASSERT_TRUE(Await([&] { return form->DataComplete(); }));
  EXPECT_TRUE(afterFifth.isEmpty());
  EXPECT_TRUE(afterBadAddress.isEmpty());
  EXPECT_EQ(Sets(), QStringList{kStatusColumn + "6.115.121.115.116.101.109.10.90.90.5=INTEGER:4"});
  EXPECT_TRUE(
      form->Memo1()->toPlainText().contains("Set: (SNMP) Cannot create/set variable, Wrong Value!"))
      << form->Memo1()->toPlainText().toStdString();

  agent_->ClearTrace();
  WhenModal([&](QWidget* modal) {
    auto* entry = qobject_cast<TNewBootpCtrlForm*>(modal);
    if (entry) {
      EXPECT_TRUE(EnterServer(*entry, "ipif2", "192.168.20.2"));
    }
    return false;
  });
  ASSERT_TRUE(user::Click(form->AddBtn()));
  ASSERT_TRUE(Await([&] { return form->DataComplete(); }));
  EXPECT_EQ(Sets(), QStringList{kStatusColumn + kIpif2 + "192.168.20.2=INTEGER:4"});
  EXPECT_TRUE(Interfaces(*form).contains("ipif2 192.168.20.2"));
}

TEST_F(TBOOTCtrlTableFormAgentTest, TheMenuItemOpensTheTableCaptionedForTheDevice) {
  const std::unique_ptr<QDialog> dialog =
      ZnCreateHandMadeDialog("TBOOTCtrlTableForm", agent_->Address(), nullptr);
  auto* form = qobject_cast<TBOOTCtrlTableForm*>(dialog.get());
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "DHCP Relay Control Table: " + agent_->Address());
  EXPECT_EQ(form->NewEntryForm()->windowTitle(), "New DHCP Ctrl Entry");
  ASSERT_TRUE(Await([&] { return form->DataComplete(); }));
  EXPECT_EQ(form->ListView1()->topLevelItemCount(), 4);
}

// The destroy names the selected row by its two-part index, also after the new-entry form was
// opened and closed, which empties the edits the index travels in.
TEST_F(TBOOTCtrlTableFormAgentTest, DeleteDestroysTheSelectedRow) {
  auto form = OpenRead();
  // Nothing selected: Delete cannot be pressed, nothing is said.
  EXPECT_FALSE(form->DeleteBtn()->isEnabled());
  EXPECT_FALSE(user::Click(form->DeleteBtn()));
  EXPECT_TRUE(notifier_.shown.empty());
  EXPECT_TRUE(Sets().isEmpty());

  ASSERT_TRUE(user::ClickItem(form->ListView1(), form->ListView1()->topLevelItem(0)));
  EXPECT_TRUE(form->DeleteBtn()->isEnabled());
  WhenModal([](QWidget* modal) {
    auto* entry = qobject_cast<TNewBootpCtrlForm*>(modal);
    if (!entry) return true;
    EXPECT_TRUE(user::Click(entry->BitBtn1()));
    return false;
  });
  ASSERT_TRUE(user::Click(form->AddBtn()));
  EXPECT_FALSE(form->NewEntryForm()->isVisible());

  ASSERT_TRUE(user::Click(form->DeleteBtn()));
  ASSERT_TRUE(Await([&] { return form->DataComplete(); }));
  EXPECT_EQ(Sets(), QStringList{kStatusColumn + kIpif2 + "192.168.20.1=INTEGER:6"});
  EXPECT_EQ(Interfaces(*form),
            QStringList({"System 10.90.90.1", "System 10.90.90.2", "System 10.90.90.3"}));
  EXPECT_FALSE(form->DeleteBtn()->isEnabled());
  EXPECT_TRUE(notifier_.shown.empty());
}

// A switch that answers slowly: the walk the dialog starts runs for a while.
class TBOOTCtrlTableFormSlowAgentTest : public TBOOTCtrlTableFormAgentTest {
 protected:
  static void SetUpTestSuite() { StartAgent({"--delay", "300"}); }
};

TEST_F(TBOOTCtrlTableFormSlowAgentTest, AddDeleteAndCloseWaitForTheRunningWalk) {
  TBOOTCtrlTableForm form(agent_->Address());
  form.show();
  ASSERT_TRUE(Await([&] { return form.ListView1()->topLevelItemCount() > 0; }));
  ASSERT_FALSE(form.DataComplete());
  ASSERT_TRUE(user::ClickItem(form.ListView1(), form.ListView1()->topLevelItem(0)));
  ASSERT_TRUE(user::Click(form.AddBtn()));
  ASSERT_TRUE(user::Click(form.DeleteBtn()));
  ASSERT_TRUE(user::Click(form.CloseBtn()));
  EXPECT_EQ(notifier_.Texts(), QStringList({kNotComplete, kNotComplete, kNotComplete}));
  EXPECT_TRUE(form.isVisible());
  EXPECT_FALSE(form.NewEntryForm()->isVisible());
  EXPECT_TRUE(Sets().isEmpty());

  // Stop ends the walk as if it were complete; then the dialog closes.
  ASSERT_TRUE(user::Click(form.btnStop()));
  ASSERT_TRUE(Await([&] { return form.DataComplete(); }));
  EXPECT_LT(form.ListView1()->topLevelItemCount(), 4);
  ASSERT_TRUE(user::Click(form.CloseBtn()));
  EXPECT_FALSE(form.isVisible());
}

// A switch that stops answering must not keep the dialog open: once the read has timed out,
// the dialog can be closed.
TEST_F(TBOOTCtrlTableFormAgentTest, ASilentSwitchReleasesTheDialogOnceTheReadTimedOut) {
  auto form = OpenRead();
  agent_->Pause();
  ASSERT_TRUE(user::Click(form->RefreshBtn()));
  EXPECT_FALSE(form->DataComplete());
  ASSERT_TRUE(user::Click(form->CloseBtn()));
  EXPECT_EQ(notifier_.Texts(), QStringList{kNotComplete});
  EXPECT_TRUE(form->isVisible());

  const bool released = Await([&] { return form->DataComplete(); });
  agent_->Resume();
  ASSERT_TRUE(released);
  EXPECT_TRUE(form->Memo1()->toPlainText().split('\n').last().startsWith("Get: "));
  EXPECT_FALSE(form->Memo1()->toPlainText().split('\n').last().startsWith("Get: Ok"));
  ASSERT_TRUE(user::Click(form->CloseBtn()));
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(notifier_.Texts(), QStringList{kNotComplete});
}

}  // namespace
