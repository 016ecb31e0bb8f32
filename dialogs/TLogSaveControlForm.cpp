#include "TLogSaveControlForm.h"

#include "TButtonColumn.h"
#include "ZnDialogKit.h"
#include "ZnException.h"
#include "ZnLeftOutOfWrite.h"
#include "ZnOptionList.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPVarList.h"
#include "ZnUserNotifier.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include <optional>

namespace {

constexpr ZnOptionItem kLogSaveMethodItems[] = {
    {1, "time-interval"}, {2, "on-demand"}, {3, "log-trigger"}, {0, nullptr}};
const ZnOptionList kLogSaveMethod(kLogSaveMethodItems);

// "Log Save TimeI nterval" is the caption as the device's definitions spell it.
constinit const ZnSNMPVarDef kLogSave[] = {
    {"1.3.6.1.4.1.99917.12.12.3.1", "Log Save Method", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kLogSaveMethod},
    {"1.3.6.1.4.1.99917.12.12.3.2", "Log Save TimeI nterval", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {},
};

constexpr int kIntervalVariable = 1;
constexpr int kTimeIntervalEntry = 0;  // "time-interval", the first entry of the method list

void Tell(QWidget* parent, const QString& text) {
  ZnNotifier().Message(parent, ZnProgramFileName(), text);
}

}  // namespace

TLogSaveControlForm::TLogSaveControlForm(const QString& deviceAddress, QWidget* parent)
    : QDialog(parent) {
  cbxLogSaveMethod = new QComboBox(this);
  cbxLogSaveMethod->setObjectName(QStringLiteral("cbxLogSaveMethod"));
  EdLogSavetimeInterval = new QLineEdit(this);
  EdLogSavetimeInterval->setObjectName(QStringLiteral("EdLogSavetimeInterval"));
  auto* buttons = new TButtonColumn(this);
  btnRefresh = buttons->AddButton(QStringLiteral("Refresh"), QStringLiteral("btnRefresh"));
  btnSet = buttons->AddButton(QStringLiteral("Set"), QStringLiteral("btnSet"));
  StatusPanel = ZnAddStatusBar(this, StatusBar1);

  // The device's form breaks the interval caption's line at its end.
  const std::pair<const char*, QWidget*> rows[] = {
      {"Log Save Method", cbxLogSaveMethod},
      {"Log SaveTime Interval\n", EdLogSavetimeInterval},
  };
  QGridLayout* fields = ZnLabelledRows(this, rows);
  fields->setColumnMinimumWidth(1, 140);
  fields->setRowStretch(2, 1);
  auto* content = new QHBoxLayout;
  content->addLayout(fields, 1);
  content->addWidget(buttons);
  ZnLayOutOverStatusBar(this, content, StatusBar1);

  connect(btnRefresh, &QPushButton::clicked, this, &TLogSaveControlForm::btnRefreshClick);
  connect(btnSet, &QPushButton::clicked, this, &TLogSaveControlForm::btnSetClick);
  connect(cbxLogSaveMethod, &QComboBox::currentIndexChanged, this,
          &TLogSaveControlForm::cbxLogSaveMethodChange);
  FormCreate(deviceAddress);
  resize(sizeHint().expandedTo(QSize(380, 0)));
}

TLogSaveControlForm::~TLogSaveControlForm() {
  ZnReleaseBinding(logSaveBinding_);
}

void TLogSaveControlForm::FormCreate(const QString& deviceAddress) {
  setWindowTitle(QStringLiteral("Log Save Control: ") + deviceAddress);
  logSaveBinding_ = new ZnSNMPRequest2Edits(this);
  try {
    logSaveBinding_->VarList() = ZnSNMPVarList(kLogSave, ZnItemType::SVT_SV, 0);
    logSaveBinding_->BindComboBox(0, cbxLogSaveMethod);
    logSaveBinding_->BindEdits(kIntervalVariable, QStringLiteral("%i{n1x65535l5a}"),
                               {EdLogSavetimeInterval});
    logSaveBinding_->SetStatusTarget(StatusPanel);
    logSaveBinding_->mode = ZnSNMPRequest2Controls::Mode::Blocking;
    logSaveBinding_->Refresh();
  } catch (const ZnException& e) {
    StatusPanel->setText(e.Message());
  }
  cbxLogSaveMethodChange();
}

bool TLogSaveControlForm::IntervalMethod() const {
  return cbxLogSaveMethod->currentIndex() == kTimeIntervalEntry;
}

void TLogSaveControlForm::cbxLogSaveMethodChange() {
  EdLogSavetimeInterval->setEnabled(IntervalMethod());
}

void TLogSaveControlForm::btnRefreshClick() {
  if (logSaveBinding_->Busy()) return;
  try {
    logSaveBinding_->Refresh();
  } catch (const ZnException& e) {
    StatusPanel->setText(e.Message());
  }
  cbxLogSaveMethodChange();
}

bool TLogSaveControlForm::CheckLogSaveInput() {
  // A field whose object the switch has not is never written: nothing to fill in.
  if (cbxLogSaveMethod->currentIndex() < 0 && !ZnIsShownAbsent(cbxLogSaveMethod)) {
    Tell(this, QStringLiteral("You should choose Log Save Method."));
    cbxLogSaveMethod->setFocus();
    return false;
  }
  if (IntervalMethod() && EdLogSavetimeInterval->text().isEmpty() &&
      !ZnIsShownAbsent(EdLogSavetimeInterval)) {
    Tell(this, QStringLiteral("You should fill in Log Savetime Interval."));
    EdLogSavetimeInterval->setFocus();
    return false;
  }
  return true;
}

void TLogSaveControlForm::btnSetClick() {
  if (logSaveBinding_->Busy() || !CheckLogSaveInput()) return;
  try {
    // For any other method the interval is not the user's to give: the write carries the
    // method alone, and later reads and writes include the interval again.
    std::optional<ZnLeftOutOfWrite> withoutInterval;
    if (!IntervalMethod())
      withoutInterval.emplace(logSaveBinding_->VarList(),
                              std::initializer_list<int>{kIntervalVariable});
    logSaveBinding_->Apply(true, true);
  } catch (const ZnException& e) {
    StatusPanel->setText(e.Message());
  }
}

std::unique_ptr<QDialog> CreateTLogSaveControlForm(const QString& deviceAddress, QWidget* parent) {
  return std::make_unique<TLogSaveControlForm>(deviceAddress, parent);
}
