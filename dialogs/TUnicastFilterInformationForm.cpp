#include "TUnicastFilterInformationForm.h"

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

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

// The first index carries the OID of dot1qVlanFdbId; the indexes are decoded from the instances,
// never asked.
constinit const ZnSNMPVarDef kStaticUnicast[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "dot1qFdbId", ZnSyntax::Gauge, ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", ZnSyntax::MacAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Unicast Allowed To Go To", ZnSyntax::BitString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kFilterStatusOptions},
    {},
};

const QString kWarning = QStringLiteral("Warning");

}  // namespace

TUnicastFilterInformationForm::TUnicastFilterInformationForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Unicast Filter Information"));
  setObjectName(QStringLiteral("UnicastFilterInformationForm"));

  auto* column = new TButtonColumn(this, QStringLiteral("ST_Count"));
  ST_Count = column->Counter();
  RefreshBtn = column->AddButton(QStringLiteral("Refresh"), QStringLiteral("RefreshBtn"));
  SetBtn = column->AddButton(QStringLiteral("Add"), QStringLiteral("SetBtn"));
  DeleteBtn = column->AddButton(QStringLiteral("Delete"), QStringLiteral("DeleteBtn"));

  LV_dot1qStaticUnicastEntry = new QTreeWidget;
  LV_dot1qStaticUnicastEntry->setObjectName(QStringLiteral("LV_dot1qStaticUnicastEntry"));

  auto* lower = new QWidget;
  // The two blanks in "MAC  Address" are deliberate.
  QGroupBox* entry = ZnFilterEntryGroup(
      lower, QStringLiteral("MAC  Address"), ED_UnicastVID, QStringLiteral("ED_UnicastVID"),
      UnicastAddress, QStringLiteral("UnicastAddress"), UStatus, QStringLiteral("UStatus"));

  AllowGroup = new QGroupBox(QStringLiteral("Allow To Go To Port"), lower);
  AllowGroup->setObjectName(QStringLiteral("AllowGroup"));
  auto* lowerLayout = new QHBoxLayout(lower);
  lowerLayout->setContentsMargins(0, 6, 0, 0);
  lowerLayout->addWidget(entry);
  lowerLayout->addWidget(AllowGroup, 1);

  Memo1 = ZnLayOutTableDialog(this, LV_dot1qStaticUnicastEntry, lower, column, 220, 150);
  resize(800, 500);


  connect(RefreshBtn, &QPushButton::clicked, this, &TUnicastFilterInformationForm::RefreshBtnClick);
  connect(SetBtn, &QPushButton::clicked, this, &TUnicastFilterInformationForm::SetBtnClick);
  connect(DeleteBtn, &QPushButton::clicked, this, &TUnicastFilterInformationForm::DeleteBtnClick);
  FormCreate();
  ZnFitGridHost(AllowGroup, AllowGrid);
  resize(std::max(width(), minimumSizeHint().width()), height());
}

TUnicastFilterInformationForm::~TUnicastFilterInformationForm() {
  FormClose();
  ZnUnwatchList(LV_dot1qStaticUnicastEntry, this);
}

void TUnicastFilterInformationForm::CreatePortGrids() {
  AllowGrid = TPortUitForm::EmbedDeviceGrid(AllowGroup);
}

void TUnicastFilterInformationForm::FormCreate() {
  CreatePortGrids();
  ZnChainTabOrder(
      QList<QWidget*>{LV_dot1qStaticUnicastEntry, ED_UnicastVID, UnicastAddress, UStatus} +
      AllowGrid->TabStops() + QList<QWidget*>{RefreshBtn, SetBtn, DeleteBtn, Memo1});

  connect(LV_dot1qStaticUnicastEntry, &QTreeWidget::itemSelectionChanged, this,
          &TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryClick);
  ZnWatchListClicks(LV_dot1qStaticUnicastEntry, this);
  QAbstractItemModel* rows = LV_dot1qStaticUnicastEntry->model();
  for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(rows, signal, this, &TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryChange);
  connect(rows, &QAbstractItemModel::modelReset, this,
          &TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryChange);

  try {
    FilterBinding = ZnMakeFilterBinding(this, kStaticUnicast, LV_dot1qStaticUnicastEntry,
                                        ED_UnicastVID, UnicastAddress, AllowGrid, UStatus, Memo1);
    // The one status "Add" accepts is there to begin with.
    UStatus->setCurrentIndex(kFilterPermanentEntry);
    FilterBinding->Refresh();
    LV_dot1qStaticUnicastEntryChange();
    DeleteBtn->setEnabled(false);
  } catch (const ZnException& e) {
    LV_dot1qStaticUnicastEntryChange();
    DeleteBtn->setEnabled(false);
    if (FilterBinding) FilterBinding->ReportStatus(e.Message());
  }
}

void TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryChange() {
  ST_Count->setText(QString::number(LV_dot1qStaticUnicastEntry->topLevelItemCount()));
}

void TUnicastFilterInformationForm::ClearEntry() {
  // No row stays selected behind an empty entry area: its receive port would go into the next
  // entry added.
  {
    const QSignalBlocker quiet(LV_dot1qStaticUnicastEntry);
    LV_dot1qStaticUnicastEntry->clearSelection();
  }
  AllowGrid->ClearPorts();
  for (QLineEdit* edit : {ED_UnicastVID, UnicastAddress}) {
    edit->clear();
    edit->setEnabled(true);
    edit->setReadOnly(false);
  }
  SetBtn->setEnabled(true);
  DeleteBtn->setEnabled(false);
  LV_dot1qStaticUnicastEntryChange();
}

void TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryClick() {
  const QList<QTreeWidgetItem*> selected = LV_dot1qStaticUnicastEntry->selectedItems();
  if (selected.isEmpty()) {
    ClearEntry();
    DeleteBtn->setEnabled(false);
    return;
  }
  ED_UnicastVID->setText(selected.front()->text(kFilterVid));
  UnicastAddress->setText(selected.front()->text(kFilterMac));
  DeleteBtn->setEnabled(true);
  ED_UnicastVID->setReadOnly(true);
  UnicastAddress->setReadOnly(true);
}

bool TUnicastFilterInformationForm::eventFilter(QObject* watched, QEvent* event) {
  if (ZnIsListClick(LV_dot1qStaticUnicastEntry, watched, event)) LV_dot1qStaticUnicastEntryClick();
  return QDialog::eventFilter(watched, event);
}

void TUnicastFilterInformationForm::RefreshBtnClick() {
  if (FilterBinding == nullptr) return;  // closed
  try {
    FilterBinding->Refresh();
    ClearEntry();
  } catch (const ZnException& e) {
    FilterBinding->ReportStatus(e.Message());
  }
}

bool TUnicastFilterInformationForm::CheckSinglePort() {
  int ticked = 0;
  for (const QCheckBox* box : AllowGrid->PortBoxes) ticked += box->isChecked();
  if (ticked < 2) return true;
  ZnNotifier().Message(this, ZnProgramFileName(),
                       QStringLiteral("Allow To Go To Port just for one Port."));
  return false;
}

void TUnicastFilterInformationForm::SetBtnClick() {
  if (FilterBinding == nullptr) return;  // closed
  if (!CheckSinglePort()) return;
  if (ED_UnicastVID->text().isEmpty() || UnicastAddress->text().isEmpty()) {
    ZnNotifier().Message(this, kWarning, QStringLiteral("Please fill the empty."),
                         ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Warning);
    return;
  }
  if (UStatus->currentText() != QLatin1String("permanent")) {
    ZnNotifier().Message(this, kWarning, QStringLiteral("Status must be Permanent."),
                         ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Warning);
    return;
  }
  if (FilterBinding->Busy()) {
    ZnNotifier().Message(this, ZnProgramFileName(), QStringLiteral("Get data not complete"));
    return;
  }
  UStatus->setCurrentIndex(kFilterPermanentEntry);
  try {
    ZnPrepareFilterWrite(*FilterBinding, UnicastAddress->text());
    FilterBinding->Apply(true, false);
  } catch (const ZnException& e) {
    Memo1->appendPlainText(e.Message());
  }
  ClearEntry();
}

void TUnicastFilterInformationForm::DeleteBtnClick() {
  if (FilterBinding == nullptr) return;  // closed
  if (ED_UnicastVID->text().isEmpty() || UnicastAddress->text().isEmpty()) {
    ZnNotifier().Message(this, kWarning,
                         QStringLiteral("Please select which entry you want to delete."),
                         ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Warning);
    return;
  }
  try {
    const ZnLeftOutOfWrite onlyStatus(FilterBinding->VarList(), {kFilterPorts});
    UStatus->setCurrentIndex(kFilterInvalidEntry);
    ZnPrepareFilterWrite(*FilterBinding, UnicastAddress->text());
    // The table is read again once the switch has answered; a second read started now would
    // walk the same list as that one.
    FilterBinding->Apply(true, false);
  } catch (const ZnException& e) {
    FilterBinding->ReportStatus(e.Message());
  }
  ClearEntry();
}

void TUnicastFilterInformationForm::FormClose() {
  ZnReleaseBinding(FilterBinding);
}

void TUnicastFilterInformationForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

std::unique_ptr<QDialog> CreateTUnicastFilterInformationForm(const QString& deviceAddress,
                                                             QWidget* parent) {
  auto form = std::make_unique<TUnicastFilterInformationForm>(parent);
  form->setWindowTitle(QStringLiteral("Unicast Filter Information : ") + deviceAddress);
  return form;
}
