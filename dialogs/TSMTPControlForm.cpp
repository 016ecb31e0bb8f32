#include "TSMTPControlForm.h"

#include "TButtonColumn.h"
#include "TProgressForm.h"
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

namespace {

constexpr ZnOptionItem kSmtpStateItems[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kSmtpState(kSmtpStateItems);

constexpr ZnOptionItem kSendTestItems[] = {{1, "send"}, {2, "noAction"}, {0, nullptr}};
const ZnOptionList kSendTest(kSendTestItems);

constinit const ZnSNMPVarDef kSmtpControl[] = {
    {"1.3.6.1.4.1.99917.12.29.1.1", "SMTP Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kSmtpState},
    {"1.3.6.1.4.1.99917.12.29.1.2", "SMTP Srv Addr", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.1.3", "SMTP Srv Port", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.1.4", "SMTP Self Mail Address", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.1.5", "SMTP Test Msg Subject", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.1.6", "SMTP Test Msg Content", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.1.7", "SMTP Send Test Message", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kSendTest},
    {},
};

constexpr int kSendTestVariable = 6;
// Entries of the combo boxes, in option-list order.
constexpr int kDisabledEntry = 0;
constexpr int kSendEntry = 0;
constexpr int kNoActionEntry = 1;

constexpr int kSmtpTimeout = 500;  // hundredths of a second

QLineEdit* NewEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  return edit;
}

QComboBox* NewCombo(const char* name, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QLatin1String(name));
  return combo;
}

}  // namespace

TSMTPControlForm::TSMTPControlForm(const QString& deviceAddress, QWidget* parent)
    : QDialog(parent) {
  CB_Status = NewCombo("CB_Status", this);
  Ed_SourceAddress = NewEdit("Ed_SourceAddress", this);
  Ed_SourcePort = NewEdit("Ed_SourcePort", this);
  Ed_SelfMailAddress = NewEdit("Ed_SelfMailAddress", this);
  ED_Subject = NewEdit("ED_Subject", this);
  Ed_Content = NewEdit("Ed_Content", this);
  CB_SendTest = NewCombo("CB_SendTest", this);
  auto* buttons = new TButtonColumn(this);
  Btn_Refresh = buttons->AddButton(QStringLiteral("Refresh"), QStringLiteral("Btn_Refresh"));
  Btn_Set = buttons->AddButton(QStringLiteral("Set"), QStringLiteral("Btn_Set"));
  Button1 = buttons->AddButton(QStringLiteral("Close"), QStringLiteral("Button1"));
  StatusPanel = ZnAddStatusBar(this, StatusBar1);

  // "Self Mail Address " ends with a blank and "Test message Content" is written so on the
  // device's own form.
  const std::pair<const char*, QWidget*> rows[] = {
      {"SMTP Status", CB_Status},
      {"Source Address", Ed_SourceAddress},
      {"Source Port", Ed_SourcePort},
      {"Self Mail Address ", Ed_SelfMailAddress},
      {"Test Message Subject", ED_Subject},
      {"Test message Content", Ed_Content},
      {"SMTP Send Test Message", CB_SendTest},
  };
  QGridLayout* fields = ZnLabelledRows(this, rows);
  fields->setColumnMinimumWidth(1, 220);
  auto* content = new QHBoxLayout;
  content->addLayout(fields, 1);
  content->addWidget(buttons);
  ZnLayOutOverStatusBar(this, content, StatusBar1);

  connect(Btn_Refresh, &QPushButton::clicked, this, &TSMTPControlForm::Btn_RefreshClick);
  connect(Btn_Set, &QPushButton::clicked, this, &TSMTPControlForm::Btn_SetClick);
  connect(Button1, &QPushButton::clicked, this, &TSMTPControlForm::Button1Click);
  FormCreate(deviceAddress);
  resize(sizeHint().expandedTo(QSize(440, 0)));
}

TSMTPControlForm::~TSMTPControlForm() {
  ZnReleaseBinding(smtpBinding_);
}

void TSMTPControlForm::FormCreate(const QString& deviceAddress) {
  setWindowTitle(QStringLiteral("SMTP Control Table : ") + deviceAddress);
  smtpBinding_ = new ZnSNMPRequest2Edits(this);
  try {
    smtpBinding_->VarList() = ZnSNMPVarList(kSmtpControl, ZnItemType::SVT_SV, 0);
    smtpBinding_->BindComboBox(0, CB_Status);
    smtpBinding_->BindComboBox(kSendTestVariable, CB_SendTest);
    smtpBinding_->BindEdits(1, QStringLiteral("%s"), {Ed_SourceAddress});
    smtpBinding_->BindEdits(2, QStringLiteral("%i{n0x65535l5a}"), {Ed_SourcePort});
    smtpBinding_->BindEdits(3, QStringLiteral("%s"), {Ed_SelfMailAddress});
    smtpBinding_->BindEdits(4, QStringLiteral("%s"), {ED_Subject});
    smtpBinding_->BindEdits(5, QStringLiteral("%s"), {Ed_Content});
    smtpBinding_->Request().Timeout = kSmtpTimeout;
    smtpBinding_->SetStatusTarget(StatusPanel);
    smtpBinding_->OnSetDone = [this](ZnSNMPRequest2Controls*, const ZnSNMPError& result) {
      WriteDone(result);
    };
    smtpBinding_->OnGetDone = [this](ZnSNMPRequest2Controls*, const ZnSNMPError&) { ReadDone(); };
    smtpBinding_->Refresh();
  } catch (const ZnException& e) {
    StatusPanel->setText(e.Message());
  }
}

void TSMTPControlForm::Btn_RefreshClick() {
  writeFailure_.clear();
  Reread();
}

bool TSMTPControlForm::CheckServerFields() {
  if (!Ed_SourceAddress->text().isEmpty() && !Ed_SourcePort->text().isEmpty()) return true;
  StatusPanel->setText(QStringLiteral("Please Input Value!"));
  return false;
}

void TSMTPControlForm::Btn_SetClick() {
  if (!CheckServerFields()) return;
  writeFailure_.clear();
  try {
    if (CB_SendTest->currentIndex() == kSendEntry) {
      if (CB_Status->currentIndex() == kDisabledEntry) {
        ZnNotifier().Message(this, ZnProgramFileName(),
                             QStringLiteral("Enable SMTP first if you want send a mail"));
        return;
      }
      if (ZnNotifier().Message(
              this, ZnProgramFileName(),
              QStringLiteral("To Send the mail may take a long time. Do you want to go on?"),
              ZnUserNotifier::Buttons::OkCancel, ZnUserNotifier::Icon::Question))
        SendTestMail();
    } else if (CB_SendTest->currentIndex() == kNoActionEntry) {
      ZnLeftOutOfWrite withoutSend(smtpBinding_->VarList(), {kSendTestVariable});
      writePending_ = true;
      smtpBinding_->Apply(true, true);
    }
    ReadBack();
  } catch (const ZnException& e) {
    writePending_ = false;
    StatusPanel->setText(e.Message());
  }
}

void TSMTPControlForm::SendTestMail() {
  writePending_ = true;
  // The window writes all seven variables, the send request last, as it is made.
  TProgressForm progress(this, smtpBinding_, StatusPanel);
  if (progress.WriteFailed()) {
    writePending_ = false;
    writeFailure_ = StatusPanel->text();
  }
  progress.setWindowTitle(QStringLiteral("Send the mail Progress"));
  progress.Prompt()->setText(QStringLiteral("Send the mail is doing..."));
  progress_ = &progress;
  progress.exec();
  progress_ = nullptr;
}

// The read that ends every Set. It follows the answer to the write, so that it shows what the
// device made of it and a failed write's status line is not replaced by the read's.
void TSMTPControlForm::ReadBack() {
  if (writePending_) {
    rereadWhenWritten_ = true;
    return;
  }
  Reread();
}

void TSMTPControlForm::Reread() {
  try {
    smtpBinding_->Refresh();
  } catch (const ZnException& e) {
    StatusPanel->setText(e.Message());
  }
}

void TSMTPControlForm::WriteDone(const ZnSNMPError& result) {
  writePending_ = false;
  if (result.Code != 0) writeFailure_ = StatusPanel->text();
  if (!rereadWhenWritten_) return;
  rereadWhenWritten_ = false;
  Reread();
}

void TSMTPControlForm::ReadDone() {
  if (writeFailure_.isEmpty()) return;
  StatusPanel->setText(writeFailure_);
  writeFailure_.clear();
}

void TSMTPControlForm::Button1Click() {
  close();
}

std::unique_ptr<QDialog> CreateTSMTPControlForm(const QString& deviceAddress, QWidget* parent) {
  return std::make_unique<TSMTPControlForm>(deviceAddress, parent);
}
