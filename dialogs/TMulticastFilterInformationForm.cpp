#include "TMulticastFilterInformationForm.h"

#include "TButtonColumn.h"
#include "TPortUitForm.h"
#include "ZnDialogKit.h"
#include "ZnException.h"
#include "ZnLeftOutOfWrite.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPVarList.h"
#include "ZnStaticFilterKit.h"
#include "ZnUserNotifier.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

namespace {

// The first index carries the OID of dot1qVlanIndex; the indexes are decoded from the instances,
// never asked.
constinit const ZnSNMPVarDef kStaticMulticast[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "dot1qVlanIndex", ZnSyntax::Gauge, ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "Multicast Address", ZnSyntax::MacAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Multicast Receive Port", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Multicast Static Egress Ports", ZnSyntax::BitString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Multicast Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kFilterStatusOptions},
    {},
};

void RefuseIncomplete(QWidget* parent) {
  ZnNotifier().Message(parent, ZnProgramFileName(), QStringLiteral("Get data not complete"));
}

}  // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Multicast Filter Information"));
  setObjectName(QStringLiteral("MulticastFilterInformationForm"));

  auto* column = new TButtonColumn(this, QStringLiteral("ST_Count"));
  ST_Count = column->Counter();
  RefreshBtn = column->AddButton(QStringLiteral("Refresh"), QStringLiteral("RefreshBtn"));
  SetBtn = column->AddButton(QStringLiteral("Set"), QStringLiteral("SetBtn"));
  btnDelete = column->AddButton(QStringLiteral("Delete"), QStringLiteral("btnDelete"));
  AddBtn = column->AddButton(QStringLiteral("Add"), QStringLiteral("AddBtn"));

  LV_dot1qStaticMulticastEntry = new QTreeWidget;
  LV_dot1qStaticMulticastEntry->setObjectName(QStringLiteral("LV_dot1qStaticMulticastEntry"));

  auto* lower = new QWidget;
  QGroupBox* entry = ZnFilterEntryGroup(
      lower, QStringLiteral("MAC Address"), ED_MulticastVID, QStringLiteral("ED_MulticastVID"),
      ED_MACAddress, QStringLiteral("ED_MACAddress"), Status, QStringLiteral("Status"));

  PortPageControl = new QTabWidget(lower);
  PortPageControl->setObjectName(QStringLiteral("PortPageControl"));
  auto* lowerLayout = new QHBoxLayout(lower);
  lowerLayout->setContentsMargins(0, 6, 0, 0);
  lowerLayout->addWidget(entry);
  lowerLayout->addWidget(PortPageControl, 1);

  Memo1 = ZnLayOutTableDialog(this, LV_dot1qStaticMulticastEntry, lower, column, 220, 170);
  resize(800, 520);


  connect(RefreshBtn, &QPushButton::clicked, this,
          &TMulticastFilterInformationForm::RefreshBtnClick);
  connect(SetBtn, &QPushButton::clicked, this, &TMulticastFilterInformationForm::SetBtnClick);
  connect(btnDelete, &QPushButton::clicked, this, &TMulticastFilterInformationForm::btnDeleteClick);
  connect(AddBtn, &QPushButton::clicked, this, &TMulticastFilterInformationForm::AddBtnClick);
  FormCreate();
  ZnFitGridHost(PortPageControl, EgressGrid);
  resize(std::max(width(), minimumSizeHint().width()), height());
}

TMulticastFilterInformationForm::~TMulticastFilterInformationForm() {
  FormClose();
  ZnUnwatchList(LV_dot1qStaticMulticastEntry, this);
}

void TMulticastFilterInformationForm::CreatePortGrids() {
  EgressGrid = TPortUitForm::EmbedDeviceGrid(
      ZnAddGridPage(PortPageControl, QStringLiteral("Egress Ports"), QStringLiteral("EgressBox")));
  // The forbidden ports have a page in the design that is never shown.
  const int forbidden = PortPageControl->addTab(new QWidget, QStringLiteral("Forbidden Ports"));
  PortPageControl->setTabVisible(forbidden, false);
}

void TMulticastFilterInformationForm::FormCreate() {
  CreatePortGrids();
  ZnChainTabOrder(QList<QWidget*>{LV_dot1qStaticMulticastEntry, ED_MulticastVID, ED_MACAddress,
                                  Status, PortPageControl->tabBar()} +
                  EgressGrid->TabStops() +
                  QList<QWidget*>{RefreshBtn, SetBtn, btnDelete, AddBtn, Memo1});

  connect(LV_dot1qStaticMulticastEntry, &QTreeWidget::itemSelectionChanged, this,
          &TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryClick);
  ZnWatchListClicks(LV_dot1qStaticMulticastEntry, this);
  QAbstractItemModel* rows = LV_dot1qStaticMulticastEntry->model();
  for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(rows, signal, this,
            &TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryChange);
  connect(rows, &QAbstractItemModel::modelReset, this,
          &TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryChange);

  try {
    FilterBinding = ZnMakeFilterBinding(this, kStaticMulticast, LV_dot1qStaticMulticastEntry,
                                        ED_MulticastVID, ED_MACAddress, EgressGrid, Status, Memo1);
    FilterBinding->OnSetDone = [this](ZnSNMPRequest2Controls* sender, const ZnSNMPError& result) {
      FilterWriteDone(sender, result);
    };
    Status->setCurrentIndex(-1);
    FilterBinding->Refresh();
    LV_dot1qStaticMulticastEntryChange();
  } catch (const ZnException& e) {
    LV_dot1qStaticMulticastEntryChange();
    if (FilterBinding) FilterBinding->ReportStatus(e.Message());
  }
  SetBtn->setEnabled(false);
  btnDelete->setEnabled(false);
}

void TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryChange() {
  ST_Count->setText(QString::number(LV_dot1qStaticMulticastEntry->topLevelItemCount()));
}

void TMulticastFilterInformationForm::ClearEntry() {
  // No row stays selected behind an empty entry area: its receive port would go into the next
  // entry added.
  {
    const QSignalBlocker quiet(LV_dot1qStaticMulticastEntry);
    LV_dot1qStaticMulticastEntry->clearSelection();
  }
  EgressGrid->ClearPorts();
  SetBtn->setEnabled(false);
  btnDelete->setEnabled(false);
  ED_MulticastVID->clear();
  ED_MACAddress->clear();
  Status->setCurrentIndex(-1);
}

void TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryClick() {
  if (LV_dot1qStaticMulticastEntry->selectedItems().isEmpty()) {
    ClearEntry();
    return;
  }
  SetBtn->setEnabled(true);
  btnDelete->setEnabled(true);
}

bool TMulticastFilterInformationForm::eventFilter(QObject* watched, QEvent* event) {
  if (ZnIsListClick(LV_dot1qStaticMulticastEntry, watched, event))
    LV_dot1qStaticMulticastEntryClick();
  return QDialog::eventFilter(watched, event);
}

void TMulticastFilterInformationForm::RefreshBtnClick() {
  if (FilterBinding == nullptr) return;  // closed
  try {
    FilterBinding->Refresh();
    ClearEntry();
    LV_dot1qStaticMulticastEntryChange();
  } catch (const ZnException& e) {
    FilterBinding->ReportStatus(e.Message());
  }
}

void TMulticastFilterInformationForm::SetBtnClick() {
  if (FilterBinding == nullptr) return;  // closed
  if (FilterBinding->Busy()) {
    RefuseIncomplete(this);
    return;
  }
  try {
    ZnPrepareFilterWrite(*FilterBinding, ED_MACAddress->text());
    FilterBinding->Apply(true, false);
    LV_dot1qStaticMulticastEntryChange();
  } catch (const ZnException& e) {
    FilterBinding->ReportStatus(e.Message());
  }
  ClearEntry();
}

void TMulticastFilterInformationForm::AddBtnClick() {
  if (FilterBinding == nullptr) return;  // closed
  if (ED_MulticastVID->text().isEmpty() || ED_MACAddress->text().isEmpty()) {
    ZnNotifier().Message(this, ZnProgramFileName(), QStringLiteral("Some Edit is empty!"));
    return;
  }
  // The two requests of an Add follow one another; a read or write still running would
  // interleave with them.
  if (FilterBinding->Busy()) {
    RefuseIncomplete(this);
    return;
  }
  Status->setCurrentIndex(kFilterPermanentEntry);
  try {
    ZnPrepareFilterWrite(*FilterBinding, ED_MACAddress->text());
    addValues_.clear();
    for (int i = 0; i < FilterBinding->VarList().Count(); ++i)
      addValues_ << FilterBinding->VarList().Item(i).Value;
    const ZnLeftOutOfWrite onlyStatus(FilterBinding->VarList(), {kFilterPorts});
    addStep_ = AddStep::kStatus;
    FilterBinding->Apply(false, false);
    LV_dot1qStaticMulticastEntryChange();
  } catch (const ZnException& e) {
    addStep_ = AddStep::kNone;
    FilterBinding->ReportStatus(e.Message());
  }
  ClearEntry();
}

void TMulticastFilterInformationForm::FilterWriteDone(ZnSNMPRequest2Controls*,
                                                      const ZnSNMPError& result) {
  const AddStep step = addStep_;
  addStep_ = AddStep::kNone;
  if (step == AddStep::kStatus && result.Code == 0) {
    // Sent once this completion has ended: inside it, the binding would follow the new write
    // with a read of its own.
    QTimer::singleShot(0, this, &TMulticastFilterInformationForm::WriteAddedPorts);
  } else if (step == AddStep::kPorts && result.Code != 0) {
    ReportHalfCreated();
  }
  // A refused first request created nothing; its status line in the memo says why.
}

void TMulticastFilterInformationForm::WriteAddedPorts() {
  if (FilterBinding == nullptr) return;  // closed
  ZnSNMPVarList& list = FilterBinding->VarList();
  for (int i = 0; i < list.Count() && i < addValues_.size(); ++i)
    list.Item(i).Value = addValues_[i];
  try {
    const ZnLeftOutOfWrite onlyPorts(list, {kFilterStatus});
    addStep_ = AddStep::kPorts;
    FilterBinding->Apply(true, false);
  } catch (const ZnException& e) {
    addStep_ = AddStep::kNone;
    FilterBinding->ReportStatus(e.Message());
    ReportHalfCreated();
  }
}

void TMulticastFilterInformationForm::ReportHalfCreated() {
  Memo1->appendPlainText(
      QStringLiteral("Add: the entry of VID %1, MAC %2 was created without its egress ports.")
          .arg(addValues_.value(kFilterVid), addValues_.value(kFilterMac)));
  // The list shows the entry as the switch keeps it.
  try {
    FilterBinding->Refresh();
  } catch (const ZnException& e) {
    FilterBinding->ReportStatus(e.Message());
  }
}

void TMulticastFilterInformationForm::btnDeleteClick() {
  if (FilterBinding == nullptr) return;  // closed
  Status->setCurrentIndex(kFilterInvalidEntry);
  try {
    const ZnLeftOutOfWrite onlyStatus(FilterBinding->VarList(), {kFilterPorts});
    ZnPrepareFilterWrite(*FilterBinding, ED_MACAddress->text());
    FilterBinding->Apply(true, false);
  } catch (const ZnException&) {
    // Not reported: the list read below still shows the entry.
  }
  while (FilterBinding && FilterBinding->Busy())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  RefreshBtnClick();
}

void TMulticastFilterInformationForm::FormClose() {
  ZnReleaseBinding(FilterBinding);
}

void TMulticastFilterInformationForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

std::unique_ptr<QDialog> CreateTMulticastFilterInformationForm(const QString& deviceAddress,
                                                               QWidget* parent) {
  auto form = std::make_unique<TMulticastFilterInformationForm>(parent);
  form->setWindowTitle(QStringLiteral("Multicast Filter Information : ") + deviceAddress);
  return form;
}
