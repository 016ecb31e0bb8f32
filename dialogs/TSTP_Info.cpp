#include "TSTP_Info.h"

#include "ZnDialogKit.h"
#include "ZnException.h"
#include "ZnOptionList.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPVarList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr ZnOptionItem kStpVersionItems[] = {{0, "STP Compatibility"}, {2, "RSTP"}, {0, nullptr}};
const ZnOptionList kStpVersion(kStpVersionItems);

constinit const ZnSNMPVarDef kBridgeParameters[] = {
    {"1.3.6.1.2.1.17.2.16", "STP Version", ZnSyntax::Integer, ZnAccess::ReadWrite, &kStpVersion},
    {"1.3.6.1.2.1.17.2.2", "Priority[0-61440]", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.2.12", "Max Age[600-4000]", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.2.13", "Hello Time[100-1000]", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.2.14", "Forward Delay[400-3000]", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.2.17", "TX Hold Count[1-10]", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {},
};

constexpr int kInfoTimeout = 300;  // hundredths of a second

// The whole text as a whole number, or the conversion error a refused text raises.
qint64 WholeNumber(const QString& text) {
  int value = 0;
  if (!ZnParseInt(text, value))
    throw ZnException(QStringLiteral("'%1' is not a valid integer value").arg(text), 0);
  return value;
}

QLineEdit* NewEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  return edit;
}

}  // namespace

TSTP_Info::TSTP_Info(const QString& deviceAddress, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Spanning Tree Information"));
  Combo_STPVersion = new QComboBox(this);
  Combo_STPVersion->setObjectName(QStringLiteral("Combo_STPVersion"));
  ET_Priority = NewEdit("ET_Priority", this);
  ET_AgingTime = NewEdit("ET_AgingTime", this);
  ET_HelloTime = NewEdit("ET_HelloTime", this);
  ET_ForwardDelay = NewEdit("ET_ForwardDelay", this);
  ED_TxHoldCount = NewEdit("ED_TxHoldCount", this);
  BT_Get = new QPushButton(QStringLiteral("Refresh"), this);
  BT_Get->setObjectName(QStringLiteral("BT_Get"));
  BT_Set = new QPushButton(QStringLiteral("Set"), this);
  BT_Set->setObjectName(QStringLiteral("BT_Set"));
  BT_Set->setAutoDefault(false);
  BT_Get->setAutoDefault(false);
  StatusPanel = ZnAddStatusBar(this, StatusBar1);

  auto* fields = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {
      {"STP Version", Combo_STPVersion},
      {"Priority (0-61440)", ET_Priority},
      {"Max Age (600-4000)", ET_AgingTime},
      {"Hello Time(100-1000)", ET_HelloTime},
      {"Forward Delay(400-3000)", ET_ForwardDelay},
      {"TX Hold Count (1-10)", ED_TxHoldCount},
  };
  int row = 0;
  for (const auto& [caption, control] : rows) {
    auto* label = new QLabel(QLatin1String(caption), this);
    label->setBuddy(control);
    fields->addWidget(label, row, 0);
    fields->addWidget(control, row, 1);
    ++row;
  }
  fields->setColumnStretch(1, 1);
  auto* notes = new QVBoxLayout;
  notes->addWidget(new QLabel(QStringLiteral("Max Age>= 2*(Hello Time + 100)"), this));
  notes->addWidget(new QLabel(QStringLiteral("Notes : 2*(Forward Delay - 100) >= Max Age"), this));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BT_Get);
  buttons->addWidget(BT_Set);
  auto* content = new QVBoxLayout;
  content->addLayout(fields);
  content->addLayout(notes);
  content->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* margins = new QWidget(this);
  margins->setLayout(content);
  layout->addWidget(margins);
  layout->addWidget(StatusBar1);
  setFixedSize(360, sizeHint().height());

  connect(BT_Get, &QPushButton::clicked, this, &TSTP_Info::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &TSTP_Info::BT_SetClick);
  FormCreate(deviceAddress);
}

TSTP_Info::~TSTP_Info() {
  ZnReleaseBinding(infoBinding_);
}

void TSTP_Info::FormCreate(const QString& deviceAddress) {
  setWindowTitle(QStringLiteral("Spanning Tree Control : ") + deviceAddress);
  infoBinding_ = new ZnSNMPRequest2Edits(this);
  try {
    infoBinding_->VarList() = ZnSNMPVarList(kBridgeParameters, ZnItemType::SVT_SV, 0);
    infoBinding_->Request().Timeout = kInfoTimeout;
    infoBinding_->BindComboBox(0, Combo_STPVersion);
    infoBinding_->BindEdits(1, QStringLiteral("%i{n0x61440l5a}"), {ET_Priority});
    infoBinding_->BindEdits(2, QStringLiteral("%i{n600x4000l4a}"), {ET_AgingTime});
    infoBinding_->BindEdits(3, QStringLiteral("%i{n100x1000l4a}"), {ET_HelloTime});
    infoBinding_->BindEdits(4, QStringLiteral("%i{n400x3000l4a}"), {ET_ForwardDelay});
    infoBinding_->BindEdits(5, QStringLiteral("%i{n1x10l2a}"), {ED_TxHoldCount});
    infoBinding_->SetStatusTarget(StatusPanel);
    infoBinding_->Refresh();
  } catch (const ZnException& e) {
    infoBinding_->ReportStatus(e.Message());
  }
}

void TSTP_Info::BT_GetClick() {
  try {
    infoBinding_->Refresh();
  } catch (const ZnException& e) {
    infoBinding_->ReportStatus(e.Message());
  }
}

void TSTP_Info::ShowRefusal(const QString& text) {
  StatusPanel->setText(text);
}

void TSTP_Info::BT_SetClick() {
  if (ET_Priority->text().isEmpty() || ET_AgingTime->text().isEmpty() ||
      ET_HelloTime->text().isEmpty() || ET_ForwardDelay->text().isEmpty()) {
    ShowRefusal(QStringLiteral("Don't Leave Empty Fileds !"));  // the device's own spelling
    return;
  }
  try {
    const qint64 priority = WholeNumber(ET_Priority->text());
    const qint64 maxAge = WholeNumber(ET_AgingTime->text());
    const qint64 helloTime = WholeNumber(ET_HelloTime->text());
    const qint64 forwardDelay = WholeNumber(ET_ForwardDelay->text());
    // 2 * (forward delay - 1 s) >= max age >= 2 * (hello time + 1 s), in hundredths.
    if (2 * forwardDelay - 200 < maxAge || maxAge < 2 * helloTime + 200) {
      ShowRefusal(QStringLiteral("Data Error !"));
      return;
    }
    if (priority >= 65536) {
      ShowRefusal(QStringLiteral("Priority value is wrong!"));
      return;
    }
    infoBinding_->Apply(true, true);
  } catch (const ZnException& e) {
    infoBinding_->ReportStatus(e.Message());
  }
}

std::unique_ptr<QDialog> CreateTSTP_Info(const QString& deviceAddress, QWidget* parent) {
  return std::make_unique<TSTP_Info>(deviceAddress, parent);
}
