#include "THostTableEditForm.h"

#include "THostTableForm.h"
#include "ZnException.h"
#include "ZnLeftOutOfWrite.h"
#include "ZnOptionList.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPValueCodec.h"
#include "ZnUserNotifier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

const QString kInvalidIp = QStringLiteral("Please input a valid ip");
// A misplaced dot has its own message, told apart only by the capitals.
const QString kInvalidIpDot = QStringLiteral("Please input a valid IP");
const QString kInvalidMask = QStringLiteral("Please input a valid subnet mask");

// Only the first 15 characters of an address are examined; a longer text is left to the
// conversion of the value.
constexpr int kExaminedLength = 15;

bool IsDigit(QChar c) {
  return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A group of a dotted quad: 1 to 255, or 0 written without "00" ("0" and "01" pass, "00" and
// "000" do not).
bool GroupInRange(const QString& group) {
  if (group.isEmpty()) return false;
  const qint64 value = group.toLongLong();
  if (value >= 1 && value <= 255) return true;
  return value == 0 && !group.contains(QStringLiteral("00"));
}

}  // namespace

THostTableEditForm::THostTableEditForm(THostTableForm* host) : QDialog(host), host_(host) {
  setWindowTitle(QStringLiteral("Host Table Edit"));
  IpEdit = new QLineEdit(this);
  IPSubnetEdit = new QLineEdit(this);
  IndexEdit = new QLineEdit(this);
  StatusComboBox = new QComboBox(this);
  IPCBox = new QCheckBox(this);
  IPnetCBox = new QCheckBox(this);
  IndexCBox = new QCheckBox(this);
  StatusCBox = new QCheckBox(this);
  SetButton = new QPushButton(QStringLiteral("Set Checked"), this);
  CloseButton = new QPushButton(QStringLiteral("Close"), this);
  CheckAllButton = new QPushButton(QStringLiteral("CheckAll"), this);
  ClearButton = new QPushButton(QStringLiteral("Clear Checked"), this);
  const std::pair<QObject*, const char*> names[] = {
      {IpEdit, "IpEdit"},
      {IPSubnetEdit, "IPSubnetEdit"},
      {IndexEdit, "IndexEdit"},
      {StatusComboBox, "StatusComboBox"},
      {IPCBox, "IPCBox"},
      {IPnetCBox, "IPnetCBox"},
      {IndexCBox, "IndexCBox"},
      {StatusCBox, "StatusCBox"},
      {SetButton, "SetButton"},
      {CloseButton, "CloseButton"},
      {CheckAllButton, "CheckAllButton"},
      {ClearButton, "ClearButton"},
  };
  for (const auto& [object, name] : names) object->setObjectName(QLatin1String(name));

  // The address is tested unless the user unticks it; index and status are always sent.
  IPCBox->setChecked(true);
  IndexCBox->setChecked(true);
  StatusCBox->setChecked(true);
  StatusCBox->setEnabled(false);
  StatusComboBox->setEnabled(false);
  for (QPushButton* button : {SetButton, CloseButton, CheckAllButton, ClearButton})
    button->setAutoDefault(false);

  auto* fields = new QGridLayout;
  const std::tuple<QCheckBox*, const char*, QWidget*> rows[] = {
      {IPCBox, "Trust Host IP Address", IpEdit},
      {IPnetCBox, "Trust Host IP Subnet Mask", IPSubnetEdit},
      {IndexCBox, "Trust Host Index", IndexEdit},
      {StatusCBox, "Trust Host Status", StatusComboBox},
  };
  int row = 0;
  for (const auto& [box, caption, control] : rows) {
    auto* label = new QLabel(QLatin1String(caption), this);
    label->setBuddy(control);
    fields->addWidget(box, row, 0);
    fields->addWidget(label, row, 1);
    fields->addWidget(control, row, 2);
    ++row;
  }
  fields->setColumnStretch(2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(SetButton);
  buttons->addWidget(CloseButton);
  buttons->addWidget(CheckAllButton);
  buttons->addWidget(ClearButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  QWidget* const tabOrder[] = {IPCBox,    IpEdit,    IPnetCBox,   IPSubnetEdit,   IndexCBox,
                               IndexEdit, SetButton, CloseButton, CheckAllButton, ClearButton};
  for (size_t k = 1; k < std::size(tabOrder); ++k) setTabOrder(tabOrder[k - 1], tabOrder[k]);
  resize(420, sizeHint().height());

  connect(SetButton, &QPushButton::clicked, this, &THostTableEditForm::SetButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
  connect(CheckAllButton, &QPushButton::clicked, this, &THostTableEditForm::CheckAllButtonClick);
  connect(ClearButton, &QPushButton::clicked, this, &THostTableEditForm::ClearButtonClick);
}

void THostTableEditForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* shown = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(shown->availableGeometry().center());
    move(frame.topLeft());
  }
  FormActivate();
}

void THostTableEditForm::FormActivate() {
  IpEdit->setEnabled(true);
  IndexCBox->show();
  IPCBox->show();
  StatusCBox->setChecked(true);
  IPnetCBox->setChecked(false);
  IPnetCBox->show();
  StatusComboBox->setEnabled(false);
  StatusComboBox->setCurrentIndex(1);  // createAndGo
  IpEdit->clear();
  IndexEdit->clear();
  IPSubnetEdit->clear();
  IpEdit->setFocus();
}

void THostTableEditForm::CheckAllButtonClick() {
  IPCBox->setChecked(true);
  IPnetCBox->setChecked(true);
}

void THostTableEditForm::ClearButtonClick() {
  IPCBox->setChecked(false);
  IPnetCBox->setChecked(false);
}

void THostTableEditForm::Refuse(const QString& text, QLineEdit* focus) {
  ZnNotifier().Message(this, ZnProgramFileName(), text);
  FocusIfEnabled(focus);
}

void THostTableEditForm::FocusIfEnabled(QLineEdit* edit) {
  if (edit->isEnabled()) edit->setFocus();
}

bool THostTableEditForm::CheckReservedAddress() {
  const QString text = IpEdit->text();
  auto refuse = [this](const QString& message) {
    ZnNotifier().Message(this, ZnProgramFileName(), message);
    return true;
  };
  if (text == QLatin1String("255.255.255.255") || text == QLatin1String("0.0.0.0"))
    return refuse(QStringLiteral("you can't input this ip address"));
  if (text.startsWith(QLatin1String("127")))
    return refuse(QStringLiteral("you can't input ip address like 127.*.*.*"));
  const qsizetype dot = text.indexOf(QLatin1Char('.'));
  if (dot < 0) return refuse(kInvalidIp);
  int first = 0;
  if (!ZnParseInt(text.left(dot), first)) return refuse(kInvalidIp);
  // No host has an address of "this network" (0), loopback (127, above), multicast (224-239)
  // or the reserved and broadcast range (240-255); 1-223 are ordinary unicast networks.
  if (first < 1 || first >= 224) return refuse(kInvalidIp);
  return false;
}

bool THostTableEditForm::CheckAddressSyntax() {
  const QString& text = CheckedAddress;
  const int length = static_cast<int>(std::min<qsizetype>(text.size(), kExaminedLength));
  auto fail = [this](const QString& message) {
    ZnNotifier().Message(this, ZnProgramFileName(), message);
    return false;
  };
  QString group;
  int dots = 0;
  for (int i = 0; i < length; ++i) {
    const QChar c = text.at(i);
    if (IsDigit(c)) {
      group += c;
      continue;
    }
    if (c != QLatin1Char('.')) return fail(kInvalidIp);
    if (i == 0 || i + 1 >= length || !IsDigit(text.at(i + 1))) return fail(kInvalidIpDot);
    if (group.size() > 3 || !GroupInRange(group)) return fail(kInvalidIp);
    ++dots;
    group.clear();
  }
  // The last group may be 0 too, as long as it is not written "00".
  if (group.isEmpty() || group.toLongLong() > 255 ||
      (group.toLongLong() == 0 && group.contains(QStringLiteral("00"))))
    return fail(kInvalidIp);
  if (dots != 3) return fail(kInvalidIp);
  return true;
}

void THostTableEditForm::SetButtonClick() {
  ZnSNMPRequest2Edits* binding = host_->HostBinding();
  if (binding->Busy()) return;
  // The address is part of every new entry, ticked or not: an empty one is never sent.
  if (IpEdit->text().isEmpty()) {
    Refuse(QStringLiteral("IP Address can't be empty"), IpEdit);
    return;
  }
  if (IPCBox->isChecked()) {
    // Both checks show their own message.
    if (CheckReservedAddress()) {
      FocusIfEnabled(IpEdit);
      return;
    }
    CheckedAddress = IpEdit->text();
    if (!CheckAddressSyntax()) {
      FocusIfEnabled(IpEdit);
      return;
    }
  }
  // The checks above look at 15 characters and may be switched off with the box; what is sent
  // must still be an address, or the switch would be given 0.0.0.0, which trusts every station.
  if (!ZnIsIpAddressText(IpEdit->text())) {
    Refuse(kInvalidIp, IpEdit);
    return;
  }
  if (IPnetCBox->isChecked() && IPSubnetEdit->text().isEmpty()) {
    // The device's own wording.
    Refuse(QStringLiteral("you have choosed the Trust Host IP Subnet Mask,it can't be empty"),
           IPSubnetEdit);
    return;
  }
  if (IPnetCBox->isChecked() && !ZnIsIpAddressText(IPSubnetEdit->text())) {
    Refuse(kInvalidMask, IPSubnetEdit);
    return;
  }
  Create();
  close();
}

void THostTableEditForm::Create() {
  ZnSNMPRequest2Edits* binding = host_->HostBinding();
  try {
    ZnLeftOutOfWrite maskLeftOut(
        binding->VarList(), IPnetCBox->isChecked() ? std::vector<int>{} : std::vector<int>{kMask});
    StatusComboBox->setCurrentIndex(1);  // createAndGo
    // The table is read again once the switch has answered the create.
    binding->Apply(true, true);
  } catch (const ZnException& e) {
    host_->Memo1->appendPlainText(e.Message());
  }
}
