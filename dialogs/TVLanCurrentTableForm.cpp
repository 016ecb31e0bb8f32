#include "TVLanCurrentTableForm.h"

#include "TButtonColumn.h"
#include "TPortUitForm.h"
#include "ZnDialogKit.h"
#include "ZnException.h"
#include "ZnOptionList.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPVarList.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

constexpr ZnOptionItem kCurrentStatusItems[] = {
    {1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {0, nullptr}};
const ZnOptionList kCurrentStatus(kCurrentStatusItems);

// Indexed by time mark and VLAN: both decoded from the instances, never asked.
constinit const ZnSNMPVarDef kVlanCurrent[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLANTimeMark", ZnSyntax::TimeTicks, ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLANIndex", ZnSyntax::Gauge, ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FdbId", ZnSyntax::Gauge, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "CurrentEgressPorts", ZnSyntax::OctetString, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "CurrentUntaggedPorts", ZnSyntax::OctetString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLANStatus", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kCurrentStatus},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "CreationTime", ZnSyntax::TimeTicks, ZnAccess::ReadOnly},
    {},
};
enum CurrentVariable { kVlanIndex = 1, kEgress = 3, kUntagged = 4 };

constinit const ZnSNMPVarDef kVlanNumDeletes[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLANNumDeletes", ZnSyntax::Counter, ZnAccess::ReadOnly},
    {},
};

}  // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("VLAN Current Table"));
  setObjectName(QStringLiteral("VLanCurrentTableForm"));

  auto* column = new TButtonColumn(this, QStringLiteral("ST_Count2"));
  ST_Count2 = column->Counter();
  RefreshBtn = column->AddButton(QStringLiteral("Refresh"), QStringLiteral("RefreshBtn"));
  SetBtn = column->AddButton(QStringLiteral("Set"), QStringLiteral("SetBtn"));
  SetBtn->hide();

  LV_dot1qVlanCurrentEntry = new QTreeWidget;
  LV_dot1qVlanCurrentEntry->setObjectName(QStringLiteral("LV_dot1qVlanCurrentEntry"));

  auto* entry = new QGroupBox;
  StaticText1 = ZnStaticText(entry, QStringLiteral("StaticText1"));
  VlanNumDeletes = ZnStaticText(entry, QStringLiteral("VlanNumDeletes"));
  PortPageControl = new QTabWidget(entry);
  PortPageControl->setObjectName(QStringLiteral("PortPageControl"));
  auto* fields = new QGridLayout(entry);
  fields->addWidget(new QLabel(QStringLiteral("VLAN Index"), entry), 0, 0);
  fields->addWidget(StaticText1, 0, 1);
  fields->addWidget(new QLabel(QStringLiteral("VLAN Delete Numbers"), entry), 0, 2);
  fields->addWidget(VlanNumDeletes, 0, 3);
  fields->addWidget(PortPageControl, 1, 0, 1, 4);
  fields->setColumnStretch(1, 1);
  fields->setColumnStretch(3, 1);
  fields->setRowStretch(1, 1);

  Memo1 = ZnLayOutTableDialog(this, LV_dot1qVlanCurrentEntry, entry, column, 230, 160);
  resize(720, 520);

  connect(RefreshBtn, &QPushButton::clicked, this, &TVLanCurrentTableForm::RefreshBtnClick);
  FormCreate();
}

TVLanCurrentTableForm::~TVLanCurrentTableForm() {
  FormClose();
  ZnUnwatchList(LV_dot1qVlanCurrentEntry, this);
}

void TVLanCurrentTableForm::CreatePortGrids() {
  EgressGrid = TPortUitForm::EmbedDeviceGrid(
      ZnAddGridPage(PortPageControl, QStringLiteral("Egress Port"), QStringLiteral("EgressBox")));
  UntaggedGrid = TPortUitForm::EmbedDeviceGrid(ZnAddGridPage(
      PortPageControl, QStringLiteral("Untagged Port"), QStringLiteral("UntaggedBox")));
}

void TVLanCurrentTableForm::FormCreate() {
  CreatePortGrids();
  ZnChainTabOrder(QList<QWidget*>{LV_dot1qVlanCurrentEntry, PortPageControl->tabBar()} +
                  EgressGrid->TabStops() + UntaggedGrid->TabStops() +
                  QList<QWidget*>{RefreshBtn, Memo1});
  const QString bits = TPortUitForm::PortBitIndexes();

  DeletesBinding = new ZnSNMPRequest2Edits(this);
  try {
    DeletesBinding->VarList() = ZnSNMPVarList(kVlanNumDeletes, ZnItemType::SVT_SV, 0);
    DeletesBinding->BindControl(0, VlanNumDeletes);
    DeletesBinding->SetStatusTarget(Memo1);
    DeletesBinding->Refresh();
  } catch (const ZnException& e) {
    DeletesBinding->ReportStatus(e.Message());
  }

  connect(LV_dot1qVlanCurrentEntry, &QTreeWidget::itemSelectionChanged, this,
          &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick);
  ZnWatchListClicks(LV_dot1qVlanCurrentEntry, this);
  QAbstractItemModel* rows = LV_dot1qVlanCurrentEntry->model();
  connect(rows, &QAbstractItemModel::rowsInserted, this,
          &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange);
  connect(rows, &QAbstractItemModel::rowsRemoved, this,
          &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange);
  connect(rows, &QAbstractItemModel::modelReset, this,
          &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange);

  CurrentBinding = new ZnSNMPRequest2Edits(this);
  try {
    CurrentBinding->VarList() = ZnSNMPVarList(kVlanCurrent, ZnItemType::MVT_UMV, 2);
    CurrentBinding->AttachListView(LV_dot1qVlanCurrentEntry, true);
    CurrentBinding->BindControl(kVlanIndex, StaticText1);
    CurrentBinding->BindCheckBoxes(kEgress, bits, EgressGrid->PortBoxes);
    CurrentBinding->BindCheckBoxes(kUntagged, bits, UntaggedGrid->PortBoxes);
    CurrentBinding->SetStatusTarget(Memo1);
    CurrentBinding->Refresh();
    LV_dot1qVlanCurrentEntryChange();
  } catch (const ZnException& e) {
    CurrentBinding->ReportStatus(e.Message());
  }
}

void TVLanCurrentTableForm::ClearEntry() {
  EgressGrid->ClearPorts();
  UntaggedGrid->ClearPorts();
  StaticText1->clear();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick() {
  if (LV_dot1qVlanCurrentEntry->selectedItems().isEmpty()) ClearEntry();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryChange() {
  ST_Count2->setText(QString::number(LV_dot1qVlanCurrentEntry->topLevelItemCount()));
}

bool TVLanCurrentTableForm::eventFilter(QObject* watched, QEvent* event) {
  if (ZnIsListClick(LV_dot1qVlanCurrentEntry, watched, event)) LV_dot1qVlanCurrentEntryClick();
  return QDialog::eventFilter(watched, event);
}

void TVLanCurrentTableForm::RefreshBtnClick() {
  if (CurrentBinding == nullptr) return;  // closed
  try {
    DeletesBinding->Refresh();
  } catch (const ZnException& e) {
    DeletesBinding->ReportStatus(e.Message());
  }
  try {
    CurrentBinding->Refresh();
  } catch (const ZnException& e) {
    CurrentBinding->ReportStatus(e.Message());
  }
  LV_dot1qVlanCurrentEntryChange();
  ClearEntry();
}

void TVLanCurrentTableForm::FormClose() {
  ZnReleaseBinding(CurrentBinding);
  ZnReleaseBinding(DeletesBinding);
}

void TVLanCurrentTableForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

std::unique_ptr<QDialog> CreateTVLanCurrentTableForm(const QString& deviceAddress,
                                                     QWidget* parent) {
  auto form = std::make_unique<TVLanCurrentTableForm>(parent);
  form->setWindowTitle(QStringLiteral("VLAN Current Table: ") + deviceAddress);
  return form;
}
