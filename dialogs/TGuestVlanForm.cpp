#include "TGuestVlanForm.h"

#include "TButtonColumn.h"
#include "TPortUitForm.h"
#include "ZnDialogKit.h"
#include "ZnException.h"
#include "ZnOptionList.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPVarList.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constinit const ZnSNMPVarDef kGuestVlan[] = {
    {"1.3.6.1.4.1.99917.12.30.1.1", "Guest VLAN Name", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.30.1.2", "Guest VLAN Port", ZnSyntax::BitString, ZnAccess::ReadWrite},
    {},
};
enum GuestVariable { kName, kPorts };

constinit const ZnSNMPVarDef kGuestVlanName[] = {
    {"1.3.6.1.4.1.99917.12.30.1.1", "Guest VLAN Name", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {},
};

constexpr ZnOptionItem kDeleteStateItems[] = {{1, "none"}, {2, "start"}, {0, nullptr}};
const ZnOptionList kDeleteState(kDeleteStateItems);
constexpr int kStartEntry = 1;

constinit const ZnSNMPVarDef kGuestVlanDelete[] = {
    {"1.3.6.1.4.1.99917.12.30.1.3", "Guest VLAN Delete State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kDeleteState},
    {},
};

constexpr int kTimeout = 300;  // hundredths of a second

ZnSNMPRequest2Edits* MakeBinding(QWidget* owner, const ZnSNMPVarDef* table, QLabel* panel,
                                 ZnSNMPRequest2Edits::Mode mode) {
  auto* binding = new ZnSNMPRequest2Edits(owner);
  binding->VarList() = ZnSNMPVarList(table, ZnItemType::SVT_SV, 0);
  binding->mode = mode;
  binding->Request().Timeout = kTimeout;
  binding->SetStatusTarget(panel);
  return binding;
}

}  // namespace

TGuestVlanForm::TGuestVlanForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Guest VLAN"));
  setObjectName(QStringLiteral("GuestVlanForm"));

  auto* column = new TButtonColumn(this);
  BT_Get = column->AddButton(QStringLiteral("Refresh"), QStringLiteral("BT_Get"));
  SetBtn = column->AddButton(QStringLiteral("Set"), QStringLiteral("SetBtn"));
  BT_Close = column->AddButton(QStringLiteral("Close"), QStringLiteral("BT_Close"));
  DelBtn = column->AddButton(QStringLiteral("Delete"), QStringLiteral("DelBtn"));

  edtName = new QLineEdit(this);
  edtName->setObjectName(QStringLiteral("edtName"));
  cbxDel = new QComboBox(this);
  cbxDel->setObjectName(QStringLiteral("cbxDel"));
  cbxDel->hide();
  Edit1 = new QLineEdit(QStringLiteral("Guest Vlan Name"), this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->hide();
  auto* name = new QHBoxLayout;
  name->addWidget(new QLabel(QStringLiteral("Name"), this));
  name->addWidget(edtName, 1);

  gbStackingPort = new QGroupBox(QStringLiteral("Port"), this);
  gbStackingPort->setObjectName(QStringLiteral("gbStackingPort"));

  StatusPanel = ZnAddStatusBar(this, StatusBar1);

  auto* left = new QVBoxLayout;
  left->addLayout(name);
  left->addWidget(gbStackingPort, 1);
  auto* upper = new QHBoxLayout;
  upper->addLayout(left, 1);
  upper->addWidget(column);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* body = new QWidget(this);
  body->setLayout(upper);
  layout->addWidget(body, 1);
  layout->addWidget(StatusBar1);
  resize(680, 210);

  connect(BT_Get, &QPushButton::clicked, this, &TGuestVlanForm::BT_GetClick);
  connect(SetBtn, &QPushButton::clicked, this, &TGuestVlanForm::SetBtnClick);
  connect(BT_Close, &QPushButton::clicked, this, &TGuestVlanForm::BT_CloseClick);
  connect(DelBtn, &QPushButton::clicked, this, &TGuestVlanForm::DelBtnClick);
  FormCreate();
}

TGuestVlanForm::~TGuestVlanForm() {
  FormClose();
}

template <typename Step>
bool TGuestVlanForm::Reporting(Step step) {
  try {
    step();
    return true;
  } catch (const ZnException& e) {
    StatusPanel->setText(e.Message());
    return false;
  }
}

void TGuestVlanForm::CreatePortGrids() {
  GuestGrid = TPortUitForm::EmbedDeviceGrid(gbStackingPort);
}

void TGuestVlanForm::FormCreate() {
  CreatePortGrids();
  ZnChainTabOrder(QList<QWidget*>{edtName} + GuestGrid->TabStops() +
                  QList<QWidget*>{BT_Get, SetBtn, BT_Close, DelBtn});
  const QString bits = TPortUitForm::PortBitIndexes();
  using Mode = ZnSNMPRequest2Edits::Mode;
  Reporting([&] {
    GuestBinding = MakeBinding(this, kGuestVlan, StatusPanel, Mode::Blocking);
    GuestBinding->BindCheckBoxes(kPorts, bits, GuestGrid->PortBoxes);
    GuestBinding->BindEdits(kName, QStringLiteral("%s"), {edtName});
    CurrentNameBinding = MakeBinding(this, kGuestVlanName, StatusPanel, Mode::Asynchronous);
    CurrentNameBinding->BindEdits(0, QStringLiteral("%s"), {Edit1});
    DeleteBinding = MakeBinding(this, kGuestVlanDelete, StatusPanel, Mode::Blocking);
    DeleteBinding->BindComboBox(0, cbxDel);
  });
  if (CurrentNameBinding)
    CurrentNameBinding->OnGetDone = [this](ZnSNMPRequest2Controls*, const ZnSNMPError&) {
      KeepGuestFailureShown();
    };
  ReadGuest();
  if (CurrentNameBinding) Reporting([&] { CurrentNameBinding->Refresh(); });
}

void TGuestVlanForm::ReadGuest() {
  guestRead_ = false;
  guestFailure_.clear();
  if (GuestBinding) {
    guestRead_ = Reporting([&] { GuestBinding->Refresh(); });
    if (!guestRead_) guestFailure_ = StatusPanel->text();
  }
  // Ports that were never read must not be written: unticked boxes would take every port out
  // of the guest VLAN.
  SetBtn->setEnabled(guestRead_);
}

void TGuestVlanForm::KeepGuestFailureShown() {
  if (!guestRead_ && !guestFailure_.isEmpty()) StatusPanel->setText(guestFailure_);
}

void TGuestVlanForm::BT_GetClick() {
  if (GuestBinding == nullptr || GuestBinding->Busy()) return;
  ReadGuest();
  Reporting([&] { CurrentNameBinding->Refresh(); });
  if (!DeleteBinding->Busy()) Reporting([&] { DeleteBinding->Refresh(); });
  KeepGuestFailureShown();
}

void TGuestVlanForm::SetBtnClick() {
  if (GuestBinding == nullptr || GuestBinding->Busy() || !guestRead_) return;
  ZnSNMPVar& name = GuestBinding->VarList().Item(kName);
  if (!Edit1->text().isEmpty() && edtName->text() == Edit1->text())
    name.Access |= ZnAccess::Invalid;  // unchanged: only the ports are written
  const bool written = Reporting([&] { GuestBinding->Apply(true, true, QString(), nullptr); });
  name.Access &= ~ZnAccess::Invalid;
  if (written) BT_GetClick();
}

void TGuestVlanForm::DelBtnClick() {
  if (DeleteBinding == nullptr || DeleteBinding->Busy()) return;
  cbxDel->setCurrentIndex(kStartEntry);
  if (Reporting([&] { DeleteBinding->Apply(true, true, QString(), nullptr); })) BT_GetClick();
}

void TGuestVlanForm::BT_CloseClick() {
  close();
}

void TGuestVlanForm::FormClose() {
  ZnReleaseBinding(GuestBinding);
  ZnReleaseBinding(CurrentNameBinding);
  ZnReleaseBinding(DeleteBinding);
}

void TGuestVlanForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

std::unique_ptr<QDialog> CreateTGuestVlanForm(const QString& deviceAddress, QWidget* parent) {
  auto form = std::make_unique<TGuestVlanForm>(parent);
  form->setWindowTitle(QStringLiteral("Guest VLAN: ") + deviceAddress);
  return form;
}
