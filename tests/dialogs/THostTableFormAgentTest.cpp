#include "AgentSuite.h"
#include "DialogShot.h"
#include "QtPrinters.h"
#include "THostTableEditForm.h"
#include "THostTableForm.h"
#include "UserDriver.h"
#include "WhenModal.h"
#include "ZnHandMadeDialogs.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPRequest2Edits.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

// The trusted host table against the simulated switch: the address checks made before anything
// is sent, the one createAndGo request of Add, the destroy of Delete and the switch's own limit
// of ten entries. The switch starts with the hosts 1, 2 and 5.
namespace {

constexpr const char* kColumn = "1.3.6.1.4.1.99917.12.1.2.10.1.1.";

QString Cell(int column, int index) {
  return QLatin1String(kColumn) + QString::number(column) + '.' + QString::number(index);
}

class THostTableFormAgentTest : public AgentSuite {
 protected:
  void SetUp() override {
    AgentSuite::SetUp();
    // Opened as the main menu opens it, captioned for the device.
    dialog_.reset(
        dynamic_cast<THostTableForm*>(ZnCreateHandMadeDialog(QStringLiteral("THostTableForm"),
                                                             QStringLiteral("127.0.0.1"), nullptr)
                                          .release()));
    ASSERT_NE(dialog_, nullptr);
    ASSERT_TRUE(AwaitIdle());
    agent_->ClearTrace();
  }
  void TearDown() override {
    dialog_.reset();
    AgentSuite::TearDown();
  }

  bool AwaitIdle() {
    return Await([&] { return !dialog_->HostBinding()->Busy(); });
  }
  THostTableEditForm* Edit() const { return dialog_->HostEditForm(); }
  int PositionOf(int index) const {
    for (int k = 0; k < dialog_->ListView1->topLevelItemCount(); ++k)
      if (dialog_->ListView1->topLevelItem(k)->text(0) == QString::number(index)) return k;
    return -1;
  }
  // Types an entry into the edit form while Add shows it, and presses "Set Checked".
  void AddThroughTheForm(const QString& address, const QString& index, const QString& mask) {
    WhenModal([&](QWidget* modal) {
      EXPECT_EQ(modal, Edit());
      EXPECT_EQ(Edit()->StatusComboBox->currentText(), "createAndGo");
      EXPECT_FALSE(Edit()->IPnetCBox->isChecked());
      Edit()->IpEdit->setText(address);
      Edit()->IndexEdit->setText(index);
      Edit()->IPnetCBox->setChecked(!mask.isEmpty());
      Edit()->IPSubnetEdit->setText(mask);
      ShootDialog(*Edit(), "THostTableEditForm");
      Edit()->SetButton->click();
      return false;
    });
    dialog_->AddButton->click();
    ASSERT_TRUE(AwaitIdle());
  }
  // Removes a row behind the dialog's back, so that every test starts from the switch's own.
  static void Destroy(int index) {
    const QByteArray oid = Cell(3, index).toLatin1();
    const ZnSNMPVarDef status[] = {{oid.constData(), "", ZnSyntax::Integer, ZnAccess::ReadWrite},
                                   {}};
    ZnSNMPRequest request;
    request.VarList = ZnSNMPVarList(status, ZnItemType::MVT_SV, 0);
    request.VarList.Item(0).Value = QStringLiteral("6");
    request.Set();
  }
  static void Create(int index, const char* address) {
    const QByteArray addressOid = Cell(2, index).toLatin1();
    const QByteArray statusOid = Cell(3, index).toLatin1();
    const ZnSNMPVarDef row[] = {
        {addressOid.constData(), "", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
        {statusOid.constData(), "", ZnSyntax::Integer, ZnAccess::ReadWrite},
        {}};
    ZnSNMPRequest request;
    request.VarList = ZnSNMPVarList(row, ZnItemType::MVT_SV, 0);
    request.VarList.Item(0).Value = QLatin1String(address);
    request.VarList.Item(1).Value = QStringLiteral("4");
    request.Set();
  }

  std::unique_ptr<THostTableForm> dialog_;
};

// Every rule of both checks and their boundaries, in the order the form applies them: an
// address the first check refuses never reaches the second.
TEST_F(THostTableFormAgentTest, AddressChecksRefuseWithTheirOwnMessage) {
  const QString thisAddress = "you can't input this ip address";
  const QString loopback = "you can't input ip address like 127.*.*.*";
  const QString invalid = "Please input a valid ip";
  const QString misplacedDot = "Please input a valid IP";
  struct Case {
    const char* address;
    QString message;  // empty: accepted
  };
  const Case cases[] = {
      {"255.255.255.255", thisAddress},
      {"0.0.0.0", thisAddress},
      {"127.0.0.1", loopback},
      {"127.1.2.3", loopback},
      {"1270.0.0.1", loopback},
      {"10", invalid},  // no dot
      {"a.1.1.1", invalid},
      {".1.1.1", invalid},  // the first part is empty
      // First octets no host can have: 0, multicast 224-239 and 240-255.
      {"0.1.2.3", invalid},
      {"1.2.3.4", {}},
      {"222.1.1.1", {}},
      {"223.1.1.1", {}},
      {"224.0.0.1", invalid},
      {"239.255.255.250", invalid},
      {"247.1.1.1", invalid},
      {"248.1.1.1", invalid},
      {"255.1.1.1", invalid},
      {"256.1.1.1", invalid},
      // Groups: 0 passes, "00" and "000" do not, "01" is 1, 256 is too big.
      {"10.0.0.0", {}},
      {"10.00.0.1", invalid},
      {"10.000.0.1", invalid},
      {"10.0.0.00", invalid},
      {"010.1.01.1", {}},
      {"10.256.1.1", invalid},
      {"10.1.1.256", invalid},
      {"10.1000.1.1", invalid},
      // Only fifteen characters are looked at.
      {"111.111.111.111x", {}},
      {"111.111.111.11x", invalid},
      // Exactly three dots, none first, last or next to another.
      {"1.1.1", invalid},
      {"1.1.1.1.1", invalid},
      {"1..1.1", misplacedDot},
      {"1.1.1.1.", misplacedDot},
      {"1.1.1.1a", invalid},
      {"1.1.-1.1", misplacedDot},
      {" 1.1.1.1", invalid},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    notifier_.shown.clear();
    Edit()->IpEdit->setText(QLatin1String(c.address));
    bool accepted = !Edit()->CheckReservedAddress();
    if (accepted) {
      Edit()->CheckedAddress = Edit()->IpEdit->text();
      accepted = Edit()->CheckAddressSyntax();
    }
    EXPECT_EQ(accepted, c.message.isEmpty());
    EXPECT_EQ(notifier_.Texts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
    // Captioned as every message box of the program without a caption of its own.
    for (const QString& caption : notifier_.Captions()) EXPECT_EQ(caption, ZnProgramFileName());
  }
}

TEST_F(THostTableFormAgentTest, AddCreatesTheRowInOneRequestAndDeleteSendsOnlyDestroy) {
  EXPECT_EQ(dialog_->windowTitle(), "Trust Host Table : 127.0.0.1");
  EXPECT_EQ(dialog_->StaticText1->text(), "3");
  EXPECT_FALSE(dialog_->DeleteButton->isEnabled());
  ASSERT_EQ(dialog_->ListView1->topLevelItemCount(), 3);
  EXPECT_EQ(dialog_->ListView1->topLevelItem(1)->text(1), "192.168.1.0");
  EXPECT_EQ(dialog_->ListView1->topLevelItem(1)->text(3), "255.255.255.0");

  // Without the mask's tick the mask is not sent (the switch gives the host alone).
  AddThroughTheForm("192.168.10.7", "7", "");
  EXPECT_EQ(Sets(),
            QStringList{Cell(2, 7) + "=IPADDRESS:192.168.10.7\t" + Cell(3, 7) + "=INTEGER:4"});
  EXPECT_TRUE(notifier_.shown.empty()) << notifier_.Texts().join('|').toStdString();
  ASSERT_TRUE(Await([&] { return dialog_->StaticText1->text() == "4"; }));
  EXPECT_EQ(dialog_->ListView1->topLevelItem(PositionOf(7))->text(3), "255.255.255.255");
  // The edit form's caption follows the dialog's.
  EXPECT_EQ(Edit()->windowTitle(), dialog_->windowTitle() + " (Add)");

  // With it, the mask follows the row status, in the order of the definitions.
  agent_->ClearTrace();
  AddThroughTheForm("10.1.0.0", "8", "255.255.0.0");
  EXPECT_EQ(Sets(), QStringList{Cell(2, 8) + "=IPADDRESS:10.1.0.0\t" + Cell(3, 8) + "=INTEGER:4\t" +
                                Cell(4, 8) + "=IPADDRESS:255.255.0.0"});
  ASSERT_TRUE(Await([&] { return dialog_->StaticText1->text() == "5"; }));
  EXPECT_EQ(dialog_->ListView1->topLevelItem(PositionOf(8))->text(3), "255.255.0.0");
  ShootDialog(*dialog_, "THostTableForm");
  EXPECT_TRUE(dialog_->ListView1->selectedItems().isEmpty());

  for (int index : {7, 8}) {
    agent_->ClearTrace();
    dialog_->ListView1->setCurrentItem(dialog_->ListView1->topLevelItem(PositionOf(index)));
    EXPECT_TRUE(dialog_->DeleteButton->isEnabled());
    dialog_->DeleteButton->click();
    EXPECT_FALSE(dialog_->DeleteButton->isEnabled());
    ASSERT_TRUE(AwaitIdle());
    EXPECT_EQ(Sets(), QStringList{Cell(3, index) + "=INTEGER:6"});
    EXPECT_EQ(PositionOf(index), -1);
  }
  EXPECT_EQ(dialog_->StaticText1->text(), "3");
  // Delete's refusals leave the address and mask in the list for the next write.
  EXPECT_FALSE(dialog_->HostBinding()->VarList().Item(1).Access & ZnAccess::Invalid);
  EXPECT_FALSE(dialog_->HostBinding()->VarList().Item(3).Access & ZnAccess::Invalid);
}

TEST_F(THostTableFormAgentTest, RefusalsOfTheFormsSendNothing) {
  // The button is disabled without a row; its handler still refuses.
  dialog_->DeleteButtonClick();
  EXPECT_EQ(notifier_.Texts(), QStringList{"Choose the item first."});

  // While the binding is still waiting for the switch, Delete waits too.
  notifier_.shown.clear();
  dialog_->ListView1->setCurrentItem(dialog_->ListView1->topLevelItem(0));
  dialog_->HostBinding()->Apply(false, true);
  ASSERT_TRUE(dialog_->HostBinding()->Busy());
  dialog_->DeleteButton->click();
  EXPECT_EQ(notifier_.Texts(), QStringList{"Get data not complete"});
  ASSERT_TRUE(AwaitIdle());
  agent_->ClearTrace();

  // The edit form refuses and stays open with the entry as typed.
  struct Case {
    const char* address;
    bool testAddress;
    const char* mask;
    bool sendMask;
    QString message;
  };
  const Case cases[] = {
      {"", true, "", false, "IP Address can't be empty"},
      {"224.1.1.1", true, "", false, "Please input a valid ip"},
      {"1..1.1", true, "", false, "Please input a valid IP"},
      {"10.1.1.1", true, "", true,
       "you have choosed the Trust Host IP Subnet Mask,it can't be empty"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    notifier_.shown.clear();
    WhenModal([&](QWidget*) {
      Edit()->IPCBox->setChecked(c.testAddress);
      Edit()->IpEdit->setText(QLatin1String(c.address));
      Edit()->IndexEdit->setText(QStringLiteral("9"));
      Edit()->IPnetCBox->setChecked(c.sendMask);
      Edit()->IPSubnetEdit->setText(QLatin1String(c.mask));
      Edit()->SetButton->click();
      EXPECT_TRUE(Edit()->isVisible());
      EXPECT_EQ(Edit()->IpEdit->text(), c.address);
      return true;
    });
    dialog_->AddButton->click();
    EXPECT_EQ(notifier_.Texts(), QStringList{c.message});
  }
  EXPECT_TRUE(Sets().isEmpty());
  Edit()->IPCBox->setChecked(true);
}

// The switch keeps at most ten hosts, with the indexes 1 to 10: once all are in use, a further
// create can only name an index in use, and the switch's refusal is the memo's last line.
TEST_F(THostTableFormAgentTest, TheSwitchRefusesAnEleventhHost) {
  const std::vector<int> added = {3, 4, 6, 7, 8, 9, 10};
  for (int index : added) Create(index, "10.20.30.40");
  dialog_->GetButton->click();
  ASSERT_TRUE(AwaitIdle());
  EXPECT_EQ(dialog_->StaticText1->text(), "10");

  agent_->ClearTrace();
  AddThroughTheForm("10.20.30.41", "3", "");
  EXPECT_EQ(Sets().size(), 1);
  const QStringList lines = dialog_->Memo1->toPlainText().split('\n');
  EXPECT_TRUE(lines.last().startsWith(
      "Set: (SNMP) Cannot create/set variable, Inconsistent Value!. Receive at "))
      << lines.last().toStdString();
  EXPECT_EQ(dialog_->StaticText1->text(), "10");
  for (int index : added) Destroy(index);
}

}  // namespace

// What a person types into the edit form is never sent as an address it is not: a typo of the
// address or the mask, a 16th character, or an address left empty with its box unticked would
// reach the switch as 0.0.0.0, a trusted host of every station. Each is refused with the form's
// message, the cursor on the field to mend, and nothing is sent.
TEST_F(THostTableFormAgentTest, AnAddressOrMaskThatIsNoAddressIsRefusedWithTheCursorOnIt) {
  dialog_->show();
  struct Case {
    const char* address;
    bool addressTicked;
    const char* mask;  // null: the mask's box unticked
    const char* message;
    bool cursorOnMask;
  };
  const Case cases[] = {
      {"10.1.1", true, nullptr, "Please input a valid ip", false},
      {"111.111.111.111x", true, nullptr, "Please input a valid ip", false},
      {"10.1.1.9", true, "255.255.0", "Please input a valid subnet mask", true},
      {"10.1.1.9", true, "255.255.255.0x", "Please input a valid subnet mask", true},
      {"", false, nullptr, "IP Address can't be empty", false},
      {"10.1.1", false, nullptr, "Please input a valid ip", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.address) + " / " + (c.mask ? c.mask : "(no mask)"));
    notifier_.shown.clear();
    agent_->ClearTrace();
    bool stillOpen = false;
    QWidget* cursor = nullptr;
    WhenModal([&](QWidget*) {
      THostTableEditForm* form = Edit();
      EXPECT_TRUE(user::Retype(form->IpEdit, QLatin1String(c.address)));
      EXPECT_TRUE(user::Retype(form->IndexEdit, "9"));
      EXPECT_TRUE(user::Tick(form->IPCBox, c.addressTicked));
      EXPECT_TRUE(user::Tick(form->IPnetCBox, c.mask != nullptr));
      if (c.mask) {
        EXPECT_TRUE(user::Retype(form->IPSubnetEdit, QLatin1String(c.mask)));
      }
      EXPECT_TRUE(user::Click(form->SetButton));
      stillOpen = form->isVisible();
      cursor = user::FocusWidget();
      return true;
    });
    ASSERT_TRUE(user::Click(dialog_->AddButton));
    EXPECT_EQ(notifier_.Texts(), QStringList{QLatin1String(c.message)});
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(cursor, c.cursorOnMask ? static_cast<QWidget*>(Edit()->IPSubnetEdit)
                                     : static_cast<QWidget*>(Edit()->IpEdit));
    EXPECT_EQ(Sets(), QStringList{});
  }
}
