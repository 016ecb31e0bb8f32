#include "TBOOTCtrlTableForm.h"

#include "TNewBootpCtrlForm.h"
#include "ZnException.h"
#include "ZnOptionList.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnUserNotifier.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr ZnOptionItem kRowStatusItems[] = {
    {1, "active"},        {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
    {5, "createAndWait"}, {6, "destroy"},      {0, nullptr}};
const ZnOptionList kRowStatus(kRowStatusItems);

// Indexed by interface name and server address.
constinit const ZnSNMPVarDef kRelayControl[] = {
    {"1.3.6.1.4.1.99917.12.42.3.1.1.1", "DHCP Relay Control Interface Name",
     ZnSyntax::DisplayString, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.42.3.1.1.2", "DHCP Relay Control Server", ZnSyntax::IpAddress,
     ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.42.3.1.1.3", "DHCP Relay Control Row Status", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kRowStatus},
    {},
};
constexpr int kKeyCount = 2;
constexpr int kCreateAndGoEntry = 3;
constexpr int kDestroyEntry = 5;

constexpr int kButtonWidth = 96;
constexpr int kMinimumWidth = 600;
constexpr int kHeight = 400;
constexpr int kMargins = 40;  // the dialog's edges and the gap between the list and the buttons

// Four numbers 0 to 255 and nothing else: the index encoder would turn "10.1.1" into 10.1.1.0
// and write a server nobody asked for.
bool IsDottedAddress(const QString& text) {
  const QStringList parts = text.split(QLatin1Char('.'));
  if (parts.size() != 4) return false;
  for (const QString& part : parts) {
    bool ok = false;
    const int number = part.toInt(&ok);
    if (!ok || part.isEmpty() || part.size() > 3 || number < 0 || number > 255) return false;
    for (QChar c : part)
      if (!c.isDigit()) return false;
  }
  return true;
}

}  // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(const QString& deviceAddress, QWidget* parent)
    : QDialog(parent), deviceAddress_(deviceAddress) {
  setWindowTitle(QStringLiteral("DHCP Relay Control Table: ") + deviceAddress);
  ListView1_ = new QTreeWidget(this);
  ListView1_->setObjectName(QStringLiteral("ListView1"));
  Memo1_ = new QPlainTextEdit(this);
  Memo1_->setObjectName(QStringLiteral("Memo1"));
  Memo1_->setReadOnly(true);
  Memo1_->setTabChangesFocus(true);
  Memo1_->setFixedHeight(60);
  auto makeButton = [this](const char* caption, const char* name) {
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedWidth(kButtonWidth);
    button->setAutoDefault(false);
    return button;
  };
  RefreshBtn_ = makeButton("Refresh", "RefreshBtn");
  DeleteBtn_ = makeButton("Delete", "DeleteBtn");
  AddBtn_ = makeButton("Add", "AddBtn");
  CloseBtn_ = makeButton("Close", "CloseBtn");
  btnStop_ = makeButton("Stop", "btnStop");
  ComboBox1_ = new QComboBox(this);
  ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1_->hide();

  // The keyboard goes from the table to its buttons before the messages under it.
  QWidget* previous = ListView1_;
  for (QWidget* next : std::initializer_list<QWidget*>{RefreshBtn_, DeleteBtn_, AddBtn_, CloseBtn_,
                                                       btnStop_, Memo1_}) {
    QWidget::setTabOrder(previous, next);
    previous = next;
  }

  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {RefreshBtn_, DeleteBtn_, AddBtn_, CloseBtn_, btnStop_})
    buttons->addWidget(button);
  buttons->addStretch();
  auto* table = new QHBoxLayout;
  table->addWidget(ListView1_, 1);
  table->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(table, 1);
  layout->addWidget(Memo1_);

  connect(RefreshBtn_, &QPushButton::clicked, this, &TBOOTCtrlTableForm::RefreshBtnClick);
  connect(DeleteBtn_, &QPushButton::clicked, this, &TBOOTCtrlTableForm::DeleteBtnClick);
  connect(AddBtn_, &QPushButton::clicked, this, &TBOOTCtrlTableForm::AddBtnClick);
  connect(CloseBtn_, &QPushButton::clicked, this, &TBOOTCtrlTableForm::CloseBtnClick);
  connect(btnStop_, &QPushButton::clicked, this, &TBOOTCtrlTableForm::btnStopClick);
  connect(ListView1_, &QTreeWidget::itemSelectionChanged, this,
          &TBOOTCtrlTableForm::ListView1SelectItem);
  FormCreate();
  // Wide enough for every column of the table, whose captions are long.
  const int listWidth = ListView1_->header()->length() + 2 * ListView1_->frameWidth() +
                        ListView1_->verticalScrollBar()->sizeHint().width();
  resize(std::max(kMinimumWidth, listWidth + kButtonWidth + kMargins), kHeight);
}

TBOOTCtrlTableForm::~TBOOTCtrlTableForm() {
  if (RelayBinding == nullptr) return;
  RelayBinding->Request().Enabled = false;
  // A write's answer may still be on its way after the read that followed it has ended.
  while (RelayBinding->Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  delete RelayBinding;
}

void TBOOTCtrlTableForm::FormCreate() {
  NewEntryForm_ = new TNewBootpCtrlForm(this);
  try {
    RelayBinding = new ZnSNMPRequest2Edits(this);
    RelayBinding->VarList() = ZnSNMPVarList(kRelayControl, ZnItemType::MVT_FMV, kKeyCount);
    RelayBinding->AttachListView(ListView1_, true);
    RelayBinding->BindEdits(0, QStringLiteral("%s"), {NewEntryForm_->Edit1()});
    RelayBinding->BindEdits(1, QStringLiteral("%s"), {NewEntryForm_->Edit2()});
    RelayBinding->BindComboBox(2, ComboBox1_);
    RelayBinding->OnGetDone = [this](ZnSNMPRequest2Controls* sender, const ZnSNMPError& result) {
      RelayReadDone(sender, result);
    };
    RelayBinding->SetStatusTarget(Memo1_);
    ReadTable();
  } catch (const ZnException& e) {
    DataComplete_ = true;
    Memo1_->appendPlainText(e.Message());
  }
}

void TBOOTCtrlTableForm::ReadTable() {
  DataComplete_ = false;
  RelayBinding->Request().Enabled = true;
  RelayBinding->Refresh();
  DeleteBtn_->setEnabled(false);
  // A read that did not start has nothing to wait for.
  if (!RelayBinding->Busy()) DataComplete_ = true;
}

void TBOOTCtrlTableForm::RelayReadDone(ZnSNMPRequest2Controls*, const ZnSNMPError&) {
  DataComplete_ = true;
}

void TBOOTCtrlTableForm::RefuseIncomplete() {
  ZnNotifier().Message(this, ZnProgramFileName(), QStringLiteral("Get data not complete"));
}

void TBOOTCtrlTableForm::RefreshBtnClick() {
  if (!DataComplete_ || RelayBinding == nullptr || RelayBinding->Busy()) return;
  try {
    ReadTable();
  } catch (const ZnException& e) {
    DataComplete_ = true;
    Memo1_->appendPlainText(e.Message());
  }
}

void TBOOTCtrlTableForm::btnStopClick() {
  if (RelayBinding) RelayBinding->Request().Enabled = false;
}

void TBOOTCtrlTableForm::ListView1SelectItem() {
  DeleteBtn_->setEnabled(!ListView1_->selectedItems().isEmpty());
}

void TBOOTCtrlTableForm::DeleteBtnClick() {
  const QList<QTreeWidgetItem*> selected = ListView1_->selectedItems();
  if (selected.isEmpty() || RelayBinding == nullptr) return;
  if (!DataComplete_) {
    RefuseIncomplete();
    return;
  }
  ComboBox1_->setCurrentIndex(kDestroyEntry);
  if (RelayBinding->Busy()) {
    RefuseIncomplete();
    return;
  }
  // The index travels in the new-entry form's edits, which that form empties whenever it is
  // shown: taken from the row again, the destroy names the row that is selected, not an empty
  // interface and address.
  NewEntryForm_->Edit1()->setText(selected.front()->text(0));
  NewEntryForm_->Edit2()->setText(selected.front()->text(1));
  try {
    RelayBinding->Request().Enabled = true;
    RelayBinding->Apply(false, true);
    ReadTable();
  } catch (const ZnException& e) {
    DataComplete_ = true;
    Memo1_->appendPlainText(e.Message());
  }
}

void TBOOTCtrlTableForm::AddBtnClick() {
  if (!DataComplete_) {
    RefuseIncomplete();
    return;
  }
  NewEntryForm_->setWindowTitle(QStringLiteral("New DHCP Control: ") + deviceAddress_);
  if (RelayBinding && RelayBinding->Busy()) {
    RefuseIncomplete();
    return;
  }
  NewEntryForm_->exec();
}

int TBOOTCtrlTableForm::ServersOf(const QString& interfaceName, int limit) const {
  int count = 0;
  for (int i = 0; i < ListView1_->topLevelItemCount() && count < limit; ++i)
    if (ListView1_->topLevelItem(i)->text(0) == interfaceName) ++count;
  return count;
}

bool TBOOTCtrlTableForm::CreateEntry() {
  if (RelayBinding == nullptr) return false;
  try {
    if (!IsDottedAddress(NewEntryForm_->Edit2()->text()))
      throw ZnFrameworkError(ZnCode::BadInstance);
    ComboBox1_->setCurrentIndex(kCreateAndGoEntry);
    RelayBinding->Request().Enabled = true;
    RelayBinding->Apply(false, true);
    ReadTable();
    return true;
  } catch (const ZnException& e) {
    DataComplete_ = true;
    Memo1_->appendPlainText(e.Message());
    return false;
  }
}

void TBOOTCtrlTableForm::CloseBtnClick() {
  close();
}

bool TBOOTCtrlTableForm::FormCloseQuery() {
  if (DataComplete_) return true;
  RefuseIncomplete();
  return false;
}

void TBOOTCtrlTableForm::reject() {
  if (FormCloseQuery()) QDialog::reject();
}

std::unique_ptr<QDialog> CreateTBOOTCtrlTableForm(const QString& deviceAddress, QWidget* parent) {
  return std::make_unique<TBOOTCtrlTableForm>(deviceAddress, parent);
}
