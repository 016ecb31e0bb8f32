#include "THostTableForm.h"

#include "THostTableEditForm.h"
#include "ZnDialogKit.h"
#include "ZnException.h"
#include "ZnLeftOutOfWrite.h"
#include "ZnOptionList.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPVarList.h"
#include "ZnUserNotifier.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr ZnOptionItem kRowStatusItems[] = {
    {1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const ZnOptionList kRowStatus(kRowStatusItems);

constinit const ZnSNMPVarDef kTrustedHosts[] = {
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.1", "Trust Host Index", ZnSyntax::Integer,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.2", "Trust Host IP Address", ZnSyntax::IpAddress,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.3", "Trust Host Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kRowStatus},
    {"1.3.6.1.4.1.99917.12.1.2.10.1.1.4", "Trust Host IP Subnet Mask", ZnSyntax::IpAddress,
     ZnAccess::ReadWrite},
    {},
};

}  // namespace

THostTableForm::THostTableForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Host Table"));
  auto* samples = new QLabel(QStringLiteral("Samples"), this);
  StaticText1 = ZnStaticText(this, QStringLiteral("StaticText1"));
  GetButton = new QPushButton(QStringLiteral("Refresh"), this);
  GetButton->setObjectName(QStringLiteral("GetButton"));
  AddButton = new QPushButton(QStringLiteral("Add"), this);
  AddButton->setObjectName(QStringLiteral("AddButton"));
  DeleteButton = new QPushButton(QStringLiteral("Delete"), this);
  DeleteButton->setObjectName(QStringLiteral("DeleteButton"));
  CloseButton = new QPushButton(QStringLiteral("Close"), this);
  CloseButton->setObjectName(QStringLiteral("CloseButton"));
  for (QPushButton* button : {GetButton, AddButton, DeleteButton, CloseButton})
    button->setAutoDefault(false);
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setTabChangesFocus(true);

  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(ListView1);
  splitter->addWidget(Memo1);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 1);
  splitter->setChildrenCollapsible(false);
  auto* column = new QVBoxLayout;
  column->addWidget(samples);
  column->addWidget(StaticText1);
  column->addSpacing(12);
  column->addWidget(GetButton);
  column->addWidget(AddButton);
  column->addWidget(DeleteButton);
  column->addWidget(CloseButton);
  column->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addLayout(column);
  resize(760, 420);

  connect(GetButton, &QPushButton::clicked, this, &THostTableForm::GetButtonClick);
  connect(AddButton, &QPushButton::clicked, this, &THostTableForm::AddButtonClick);
  connect(DeleteButton, &QPushButton::clicked, this, &THostTableForm::DeleteButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
  QAbstractItemModel* rows = ListView1->model();
  connect(rows, &QAbstractItemModel::rowsInserted, this, &THostTableForm::ListView1Change);
  connect(rows, &QAbstractItemModel::rowsRemoved, this, &THostTableForm::ListView1Change);
  connect(rows, &QAbstractItemModel::modelReset, this, &THostTableForm::ListView1Change);
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this,
          &THostTableForm::ListView1SelectItem);
  FormCreate();
}

THostTableForm::~THostTableForm() {
  // The list view empties itself as it goes, after this part of the form is gone.
  ListView1->model()->disconnect(this);
  ListView1->disconnect(this);
  ZnReleaseBinding(hostBinding_);
  hostEditForm_.reset();
}

void THostTableForm::FormCreate() {
  StaticText1->setText(QStringLiteral("0"));
  hostEditForm_ = std::make_unique<THostTableEditForm>(this);
  hostBinding_ = new ZnSNMPRequest2Edits(this);
  try {
    hostBinding_->VarList() = ZnSNMPVarList(kTrustedHosts, ZnItemType::MVT_UMV, 1);
    hostBinding_->AttachListView(ListView1, true);
    hostBinding_->BindEdits(0, QStringLiteral("%i{n1x10l2}"), {hostEditForm_->IndexEdit});
    hostBinding_->BindEdits(1, QStringLiteral("%s{l16}"), {hostEditForm_->IpEdit});
    hostBinding_->BindComboBox(2, hostEditForm_->StatusComboBox);
    hostBinding_->BindEdits(3, QStringLiteral("%s{l16}"), {hostEditForm_->IPSubnetEdit});
    hostBinding_->SetStatusTarget(Memo1);
    hostBinding_->Refresh();
  } catch (const ZnException& e) {
    AddToMemo(e.Message());
  }
  DeleteButton->setEnabled(false);
}

void THostTableForm::AddToMemo(const QString& line) {
  Memo1->appendPlainText(line);
}

void THostTableForm::GetButtonClick() {
  if (hostBinding_->Busy()) return;
  try {
    hostBinding_->Refresh();
  } catch (const ZnException& e) {
    AddToMemo(e.Message());
  }
  DeleteButton->setEnabled(false);
}

void THostTableForm::ListView1Change() {
  StaticText1->setText(QString::number(ListView1->topLevelItemCount()));
}

void THostTableForm::ListView1SelectItem() {
  DeleteButton->setEnabled(!ListView1->selectedItems().isEmpty());
}

void THostTableForm::AddButtonClick() {
  hostEditForm_->setWindowTitle(windowTitle() + QStringLiteral(" (Add)"));
  // Refusals of the entry fields belong in front of the form they are typed into.
  hostBinding_->SetConstraintWindow(hostEditForm_.get());
  hostEditForm_->exec();
  hostBinding_->SetConstraintWindow(this);
  ListView1->clearSelection();
  DeleteButton->setEnabled(false);
}

void THostTableForm::DeleteButtonClick() {
  if (ListView1->selectedItems().isEmpty()) {
    ZnNotifier().Message(this, ZnProgramFileName(),
                         QStringLiteral("Choose the item first."));
  } else if (hostBinding_->Busy()) {
    ZnNotifier().Message(this, ZnProgramFileName(),
                         QStringLiteral("Get data not complete"));
    return;
  } else {
    hostEditForm_->StatusComboBox->setCurrentIndex(2);  // destroy
    try {
      const ZnLeftOutOfWrite onlyStatus(hostBinding_->VarList(),
                                        {THostTableEditForm::kAddress, THostTableEditForm::kMask});
      // The table is read again once the switch has answered, so that the list shows the
      // table as the destroy left it.
      hostBinding_->Apply(true, true);
    } catch (const ZnException&) {
      // Dropped: the row stays in the list, which says enough.
    }
  }
  ListView1->clearSelection();
  DeleteButton->setEnabled(false);
  if (ListView1->topLevelItemCount() == 0) StaticText1->setText(QStringLiteral("0"));
}

std::unique_ptr<QDialog> CreateTHostTableForm(const QString& deviceAddress, QWidget* parent) {
  auto form = std::make_unique<THostTableForm>(parent);
  form->setWindowTitle(QStringLiteral("Trust Host Table : ") + deviceAddress);
  return form;
}
