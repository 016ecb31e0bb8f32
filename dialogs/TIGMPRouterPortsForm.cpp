#include "TIGMPRouterPortsForm.h"

#include "TButtonColumn.h"
#include "TPortUitForm.h"
#include "ZnDialogKit.h"
#include "ZnException.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPVarList.h"
#include "ZnUserNotifier.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

constinit const ZnSNMPVarDef kRouterPorts[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.7.6.1.1", "VLAN ID", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.6.1.2", "VLAN Name", ZnSyntax::DisplayString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.6.1.3", "Static Port List", ZnSyntax::BitString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.7.6.1.4", "Dynamic Port List", ZnSyntax::BitString,
     ZnAccess::ReadOnly},
    {},
};
enum RouterVariable { kVlanId, kVlanName, kStaticPorts, kDynamicPorts };
constexpr int kRouterKeyCount = 1;

}  // namespace

TIGMPRouterPortsForm::TIGMPRouterPortsForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("IGMP Router Ports"));
  setObjectName(QStringLiteral("IGMPRouterPortsForm"));

  auto* column = new TButtonColumn(this);
  btnGet = column->AddButton(QStringLiteral("Refresh"), QStringLiteral("btnGet"));
  btnSet = column->AddButton(QStringLiteral("Set"), QStringLiteral("btnSet"));
  btnStop = column->AddButton(QStringLiteral("Stop"), QStringLiteral("btnStop"));
  btnClose = column->AddButton(QStringLiteral("Close"), QStringLiteral("btnClose"));

  ListView1 = new QTreeWidget;
  ListView1->setObjectName(QStringLiteral("ListView1"));

  auto* entry = new QWidget;
  stVlanID = ZnStaticText(entry, QStringLiteral("stVlanID"));
  stVlanName = ZnStaticText(entry, QStringLiteral("stVlanName"));
  PortPageControl = new QTabWidget(entry);
  PortPageControl->setObjectName(QStringLiteral("PortPageControl"));
  auto* fields = new QGridLayout(entry);
  fields->setContentsMargins(0, 6, 0, 0);
  fields->addWidget(new QLabel(QStringLiteral("VLAN ID"), entry), 0, 0);
  fields->addWidget(stVlanID, 0, 1);
  fields->addWidget(new QLabel(QStringLiteral("VLAN Name"), entry), 0, 2);
  fields->addWidget(stVlanName, 0, 3);
  fields->addWidget(PortPageControl, 1, 0, 1, 4);
  fields->setColumnStretch(1, 1);
  fields->setColumnStretch(3, 2);
  fields->setRowStretch(1, 1);

  Memo1 = ZnLayOutTableDialog(this, ListView1, entry, column, 220, 170);
  resize(680, 520);


  connect(btnGet, &QPushButton::clicked, this, &TIGMPRouterPortsForm::btnGetClick);
  connect(btnSet, &QPushButton::clicked, this, &TIGMPRouterPortsForm::btnSetClick);
  connect(btnStop, &QPushButton::clicked, this, &TIGMPRouterPortsForm::btnStopClick);
  connect(btnClose, &QPushButton::clicked, this, &TIGMPRouterPortsForm::btnCloseClick);
  FormCreate();
}

TIGMPRouterPortsForm::~TIGMPRouterPortsForm() {
  FormClose();
  ZnUnwatchList(ListView1, this);
}

void TIGMPRouterPortsForm::CreatePortGrids() {
  StaticGrid = TPortUitForm::EmbedDeviceGrid(
      ZnAddGridPage(PortPageControl, QStringLiteral("Static Ports"), QStringLiteral("StaticBox")));
  DynamicBox =
      ZnAddGridPage(PortPageControl, QStringLiteral("Dynamic Ports"), QStringLiteral("DynamicBox"));
  DynamicBox->setEnabled(false);
  DynamicGrid = TPortUitForm::EmbedDeviceGrid(DynamicBox);
  // The forbidden ports have a page in the design that is never shown.
  const int forbidden = PortPageControl->addTab(new QWidget, QStringLiteral("Forbidden Ports"));
  PortPageControl->setTabVisible(forbidden, false);
}

void TIGMPRouterPortsForm::FormCreate() {
  CreatePortGrids();
  ZnChainTabOrder(QList<QWidget*>{ListView1, PortPageControl->tabBar()} + StaticGrid->TabStops() +
                  DynamicGrid->TabStops() +
                  QList<QWidget*>{btnGet, btnSet, btnStop, btnClose, Memo1});
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this,
          &TIGMPRouterPortsForm::ListView1Click);
  ZnWatchListClicks(ListView1, this);
  try {
    RouterBinding = new ZnSNMPRequest2Edits(this);
    RouterBinding->VarList() = ZnSNMPVarList(kRouterPorts, ZnItemType::MVT_FMV, kRouterKeyCount);
    RouterBinding->AttachListView(ListView1, true);
    RouterBinding->BindControl(kVlanId, stVlanID);
    RouterBinding->BindControl(kVlanName, stVlanName);
    const QString bits = TPortUitForm::PortBitIndexes();
    RouterBinding->BindCheckBoxes(kStaticPorts, bits, StaticGrid->PortBoxes);
    RouterBinding->BindCheckBoxes(kDynamicPorts, bits, DynamicGrid->PortBoxes);
    RouterBinding->SetStatusTarget(Memo1);
    RouterBinding->OnGetDone = [this](ZnSNMPRequest2Controls* sender, const ZnSNMPError& result) {
      RouterReadDone(sender, result);
    };
    RouterBinding->OnSetDone = [this](ZnSNMPRequest2Controls* sender, const ZnSNMPError& result) {
      RouterWriteDone(sender, result);
    };
    ReadTable();
    btnSet->setEnabled(false);
  } catch (const ZnException& e) {
    DataComplete_ = true;
    Memo1->appendPlainText(e.Message());
  }
}

void TIGMPRouterPortsForm::ReadTable() {
  DataComplete_ = false;
  RouterBinding->Request().Enabled = true;
  RouterBinding->Refresh();
  if (!RouterBinding->Busy()) RouterReadDone(RouterBinding, {});
}

void TIGMPRouterPortsForm::RouterReadDone(ZnSNMPRequest2Controls*, const ZnSNMPError&) {
  DataComplete_ = true;
  // The read left every bound control disabled until a row is selected; the boxes take clicks
  // again (the dynamic ones stay behind their disabled page).
  for (TPortUitForm* grid : {StaticGrid, DynamicGrid})
    for (QCheckBox* box : grid->PortBoxes) box->setEnabled(true);
}

// The table is read again whether the switch took the ports or not, so that the list shows what
// it holds and the chain ends with that read.
void TIGMPRouterPortsForm::RouterWriteDone(ZnSNMPRequest2Controls*, const ZnSNMPError&) {
  if (RouterBinding == nullptr) return;  // closed
  try {
    RouterBinding->Refresh();
    if (!RouterBinding->Busy()) RouterReadDone(RouterBinding, {});
  } catch (const ZnException& e) {
    DataComplete_ = true;
    Memo1->appendPlainText(e.Message());
  }
}

void TIGMPRouterPortsForm::ClearEntry() {
  StaticGrid->ClearPorts();
  DynamicGrid->ClearPorts();
  stVlanName->clear();
  stVlanID->clear();
  btnSet->setEnabled(false);
}

void TIGMPRouterPortsForm::ListView1Click() {
  if (ListView1->selectedItems().isEmpty()) {
    ClearEntry();
    return;
  }
  btnSet->setEnabled(true);
}

bool TIGMPRouterPortsForm::eventFilter(QObject* watched, QEvent* event) {
  if (ZnIsListClick(ListView1, watched, event)) ListView1Click();
  return QDialog::eventFilter(watched, event);
}

void TIGMPRouterPortsForm::btnGetClick() {
  if (!DataComplete_ || RouterBinding == nullptr || RouterBinding->Busy()) return;
  try {
    ReadTable();
    ClearEntry();
  } catch (const ZnException& e) {
    DataComplete_ = true;
    Memo1->appendPlainText(e.Message());
  }
}

void TIGMPRouterPortsForm::btnSetClick() {
  if (ListView1->selectedItems().isEmpty() || RouterBinding == nullptr) return;
  if (!DataComplete_ || RouterBinding->Busy()) {
    ZnNotifier().Message(this, ZnProgramFileName(), QStringLiteral("Get data not complete"));
    return;
  }
  try {
    DataComplete_ = false;
    RouterBinding->Request().Enabled = true;
    RouterBinding->Apply(false, true);
    ClearEntry();
  } catch (const ZnException& e) {
    DataComplete_ = true;
    Memo1->appendPlainText(e.Message());
  }
}

void TIGMPRouterPortsForm::btnStopClick() {
  if (RouterBinding) RouterBinding->Request().Enabled = false;
}

void TIGMPRouterPortsForm::btnCloseClick() {
  close();
}

void TIGMPRouterPortsForm::FormClose() {
  {
    const QSignalBlocker quiet(ListView1);
    ListView1->clearSelection();
  }
  ZnReleaseBinding(RouterBinding);
}

void TIGMPRouterPortsForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

std::unique_ptr<QDialog> CreateTIGMPRouterPortsForm(const QString& deviceAddress, QWidget* parent) {
  auto form = std::make_unique<TIGMPRouterPortsForm>(parent);
  form->setWindowTitle(QStringLiteral("IGMP Snooping Router Ports: ") + deviceAddress);
  return form;
}
