#include "TVlanStaticForm.h"

#include "TButtonColumn.h"
#include "TPortUitForm.h"
#include "ZnDialogKit.h"
#include "ZnException.h"
#include "ZnOptionList.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPVarList.h"
#include "ZnUserNotifier.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

// The states a static VLAN is given here: Add takes the second, Delete the third.
constexpr ZnOptionItem kStaticStatusItems[] = {
    {1, "Active"}, {4, "CreateAndGo"}, {6, "Destroy"}, {0, nullptr}};
const ZnOptionList kStaticStatus(kStaticStatusItems);
constexpr int kCreateAndGoEntry = 1;
constexpr int kDestroyEntry = 2;

// The index carries the OID of dot1qVlanIndex; it is decoded from the instances, never asked.
constinit const ZnSNMPVarDef kVlanStatic[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", ZnSyntax::Gauge, ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.19.1.1.7", "Tagged Ports", ZnSyntax::OctetString,
     ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", ZnSyntax::OctetString, ZnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kStaticStatus},
    {},
};
enum StaticVariable { kVlanId, kVlanName, kEgress, kTagged, kUntagged, kStatus };

constinit const ZnSNMPVarDef kNextFreeIndex[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "VLAN Index", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {},
};

const QString kWarning = QStringLiteral("Warning");

}  // namespace

TVlanStaticForm::TVlanStaticForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("VLAN Static Form"));
  setObjectName(QStringLiteral("VlanStaticForm"));

  auto* column = new TButtonColumn(this, QStringLiteral("ST_Count2"));
  ST_Count2 = column->Counter();
  RefreshBtn = column->AddButton(QStringLiteral("Refresh"), QStringLiteral("RefreshBtn"));
  SetBtn = column->AddButton(QStringLiteral("Set"), QStringLiteral("SetBtn"));
  AddBtn = column->AddButton(QStringLiteral("Add"), QStringLiteral("AddBtn"));
  DeleteBtn = column->AddButton(QStringLiteral("Delete"), QStringLiteral("DeleteBtn"));

  LV_dot1qVlanStaticEntry = new QTreeWidget;
  LV_dot1qVlanStaticEntry->setObjectName(QStringLiteral("LV_dot1qVlanStaticEntry"));

  auto* entry = new QWidget;
  ED_VLANID = new QLineEdit(entry);
  ED_VLANID->setObjectName(QStringLiteral("ED_VLANID"));
  Status = new QComboBox(entry);
  Status->setObjectName(QStringLiteral("Status"));
  ED_VLANName = new QLineEdit(entry);
  ED_VLANName->setObjectName(QStringLiteral("ED_VLANName"));
  NextFreeLocalVlanIndex = ZnStaticText(entry, QStringLiteral("NextFreeLocalVlanIndex"));
  PortPageControl = new QTabWidget(entry);
  PortPageControl->setObjectName(QStringLiteral("PortPageControl"));
  auto* fields = new QGridLayout(entry);
  fields->setContentsMargins(0, 6, 0, 0);
  fields->addWidget(new QLabel(QStringLiteral("VLAN ID"), entry), 0, 0);
  fields->addWidget(ED_VLANID, 0, 1);
  fields->addWidget(new QLabel(QStringLiteral("Status"), entry), 0, 2);
  fields->addWidget(Status, 0, 3);
  fields->addWidget(new QLabel(QStringLiteral("VLAN Name"), entry), 1, 0);
  fields->addWidget(ED_VLANName, 1, 1);
  fields->addWidget(new QLabel(QStringLiteral("Next Free Local VLAN Index"), entry), 1, 2);
  fields->addWidget(NextFreeLocalVlanIndex, 1, 3);
  fields->addWidget(PortPageControl, 2, 0, 1, 4);
  fields->setColumnStretch(1, 1);
  fields->setColumnStretch(3, 1);
  fields->setRowStretch(2, 1);

  Memo1 = ZnLayOutTableDialog(this, LV_dot1qVlanStaticEntry, entry, column, 240, 190);
  resize(720, 560);

  connect(RefreshBtn, &QPushButton::clicked, this, &TVlanStaticForm::RefreshBtnClick);
  connect(SetBtn, &QPushButton::clicked, this, &TVlanStaticForm::SetBtnClick);
  connect(AddBtn, &QPushButton::clicked, this, &TVlanStaticForm::AddBtnClick);
  connect(DeleteBtn, &QPushButton::clicked, this, &TVlanStaticForm::DeleteBtnClick);
  FormCreate();
}

TVlanStaticForm::~TVlanStaticForm() {
  FormClose();
  ZnUnwatchList(LV_dot1qVlanStaticEntry, this);
}

void TVlanStaticForm::CreatePortGrids() {
  EgressGrid = TPortUitForm::EmbedDeviceGrid(
      ZnAddGridPage(PortPageControl, QStringLiteral("Egress ports"), QStringLiteral("EgressBox")));
  TaggedGrid = TPortUitForm::EmbedDeviceGrid(
      ZnAddGridPage(PortPageControl, QStringLiteral("Tagged Ports"), QStringLiteral("TaggedBox")));
  UntaggedGrid = TPortUitForm::EmbedDeviceGrid(ZnAddGridPage(
      PortPageControl, QStringLiteral("Untagged Ports"), QStringLiteral("UntaggedBox")));
}

void TVlanStaticForm::FormCreate() {
  CreatePortGrids();
  ZnChainTabOrder(QList<QWidget*>{LV_dot1qVlanStaticEntry, ED_VLANID, Status, ED_VLANName,
                                  PortPageControl->tabBar()} +
                  EgressGrid->TabStops() + TaggedGrid->TabStops() + UntaggedGrid->TabStops() +
                  QList<QWidget*>{RefreshBtn, SetBtn, AddBtn, DeleteBtn, Memo1});
  const QString bits = TPortUitForm::PortBitIndexes();

  connect(LV_dot1qVlanStaticEntry, &QTreeWidget::itemSelectionChanged, this,
          &TVlanStaticForm::LV_dot1qVlanStaticEntryClick);
  ZnWatchListClicks(LV_dot1qVlanStaticEntry, this);
  QAbstractItemModel* rows = LV_dot1qVlanStaticEntry->model();
  connect(rows, &QAbstractItemModel::rowsInserted, this,
          &TVlanStaticForm::LV_dot1qVlanStaticEntryChange);
  connect(rows, &QAbstractItemModel::rowsRemoved, this,
          &TVlanStaticForm::LV_dot1qVlanStaticEntryChange);
  connect(rows, &QAbstractItemModel::modelReset, this,
          &TVlanStaticForm::LV_dot1qVlanStaticEntryChange);

  StaticBinding = new ZnSNMPRequest2Edits(this);
  try {
    StaticBinding->VarList() = ZnSNMPVarList(kVlanStatic, ZnItemType::MVT_UMV, 1);
    StaticBinding->AttachListView(LV_dot1qVlanStaticEntry, true);
    StaticBinding->BindEdits(kVlanId, QStringLiteral("%s"), {ED_VLANID});
    StaticBinding->BindEdits(kVlanName, QStringLiteral("%s"), {ED_VLANName});
    StaticBinding->BindCheckBoxes(kEgress, bits, EgressGrid->PortBoxes);
    StaticBinding->BindCheckBoxes(kTagged, bits, TaggedGrid->PortBoxes);
    StaticBinding->BindCheckBoxes(kUntagged, bits, UntaggedGrid->PortBoxes);
    StaticBinding->BindComboBox(kStatus, Status);
    StaticBinding->SetStatusTarget(Memo1);
    StaticBinding->Refresh();
    LV_dot1qVlanStaticEntryChange();
  } catch (const ZnException& e) {
    StaticBinding->ReportStatus(e.Message());
  }

  NextIndexBinding = new ZnSNMPRequest2Edits(this);
  try {
    NextIndexBinding->VarList() = ZnSNMPVarList(kNextFreeIndex, ZnItemType::SVT_SV, 0);
    NextIndexBinding->BindControl(0, NextFreeLocalVlanIndex);
    NextIndexBinding->SetStatusTarget(Memo1);
    NextIndexBinding->Refresh();
  } catch (const ZnException& e) {
    NextIndexBinding->ReportStatus(e.Message());
  }
  Status->setCurrentIndex(-1);
  ShowButtons(false);
}

void TVlanStaticForm::ShowButtons(bool rowSelected) {
  SetBtn->setEnabled(rowSelected);
  DeleteBtn->setEnabled(rowSelected);
  AddBtn->setEnabled(!rowSelected);
}

void TVlanStaticForm::ClearEntry() {
  for (TPortUitForm* grid : {EgressGrid, TaggedGrid, UntaggedGrid}) grid->ClearPorts();
  ED_VLANID->clear();
  ED_VLANName->clear();
  Status->setCurrentIndex(-1);
}

void TVlanStaticForm::ShowNoSelection() {
  LV_dot1qVlanStaticEntry->clearSelection();
  ClearEntry();
  ShowButtons(false);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick() {
  if (LV_dot1qVlanStaticEntry->selectedItems().isEmpty()) {
    ClearEntry();
    ShowButtons(false);
    return;
  }
  ShowButtons(true);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryChange() {
  ST_Count2->setText(QString::number(LV_dot1qVlanStaticEntry->topLevelItemCount()));
}

bool TVlanStaticForm::eventFilter(QObject* watched, QEvent* event) {
  if (ZnIsListClick(LV_dot1qVlanStaticEntry, watched, event)) LV_dot1qVlanStaticEntryClick();
  return QDialog::eventFilter(watched, event);
}

void TVlanStaticForm::RefreshBtnClick() {
  if (StaticBinding == nullptr) return;  // closed
  try {
    NextIndexBinding->Refresh();
  } catch (const ZnException& e) {
    NextIndexBinding->ReportStatus(e.Message());
  }
  try {
    StaticBinding->Refresh();
  } catch (const ZnException& e) {
    StaticBinding->ReportStatus(e.Message());
  }
  LV_dot1qVlanStaticEntryChange();
  ShowNoSelection();
}

// One set request for the VLAN of ED_VLANID: name, egress ports, untagged ports and the status
// shown, in that order; the table is read again once the device accepted it.
void TVlanStaticForm::WriteEntry() {
  if (StaticBinding == nullptr) return;  // closed
  try {
    StaticBinding->Apply(true, true, QString(), nullptr);
  } catch (const ZnException& e) {
    StaticBinding->ReportStatus(e.Message());
  }
}

void TVlanStaticForm::SetBtnClick() {
  WriteEntry();
  ShowNoSelection();
}

void TVlanStaticForm::AddBtnClick() {
  if (ED_VLANID->text().isEmpty() || ED_VLANName->text().isEmpty()) {
    ZnNotifier().Message(this, kWarning, QStringLiteral("Please fill the empty."),
                         ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Warning);
    return;
  }
  Status->setCurrentIndex(kCreateAndGoEntry);
  WriteEntry();
  ClearEntry();
}

void TVlanStaticForm::DeleteBtnClick() {
  if (ED_VLANID->text().isEmpty() || ED_VLANName->text().isEmpty()) {
    ZnNotifier().Message(this, kWarning,
                         QStringLiteral("Please select which entry you want to delete."),
                         ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Warning);
    return;
  }
  Status->setCurrentIndex(kDestroyEntry);
  WriteEntry();
  ShowNoSelection();
}

void TVlanStaticForm::FormClose() {
  ZnReleaseBinding(StaticBinding);
  ZnReleaseBinding(NextIndexBinding);
}

void TVlanStaticForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

std::unique_ptr<QDialog> CreateTVlanStaticForm(const QString& deviceAddress, QWidget* parent) {
  auto form = std::make_unique<TVlanStaticForm>(parent);
  form->setWindowTitle(QStringLiteral("VLAN Static: ") + deviceAddress);
  return form;
}
