#pragma once

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class TProgressForm;
class ZnSNMPRequest2Edits;
struct ZnSNMPError;

// The switch's mail settings — SMTP on or off, server address and port, the switch's own mail
// address, subject and content of the test mail — and the test mail itself. A test send needs
// SMTP enabled, asks first because sending may take long, and writes all settings together with
// the send request in one set request under the progress window. Every Set that gets that far
// ends with a fresh read, so the dialog shows what the device reports after the write.
class TSMTPControlForm : public QDialog {
  Q_OBJECT

 public:
  TSMTPControlForm(const QString& deviceAddress, QWidget* parent = nullptr);
  ~TSMTPControlForm() override;

  void Btn_RefreshClick();
  void Btn_SetClick();
  void Button1Click();

  ZnSNMPRequest2Edits* SmtpBinding() const { return smtpBinding_; }
  // The progress window while a test mail is being sent, else null.
  TProgressForm* Progress() const { return progress_; }

  // The form's components, by their design names.
  QComboBox* CB_Status;
  QLineEdit* Ed_SourceAddress;
  QLineEdit* Ed_SourcePort;
  QLineEdit* Ed_SelfMailAddress;
  QLineEdit* ED_Subject;
  QLineEdit* Ed_Content;
  QComboBox* CB_SendTest;
  QPushButton* Btn_Refresh;
  QPushButton* Btn_Set;
  QPushButton* Button1;
  QStatusBar* StatusBar1;
  QLabel* StatusPanel;  // the one panel of StatusBar1

 private:
  void FormCreate(const QString& deviceAddress);
  bool CheckServerFields();
  void SendTestMail();
  void ReadBack();
  void Reread();
  void WriteDone(const ZnSNMPError& result);
  void ReadDone();

  ZnSNMPRequest2Edits* smtpBinding_ = nullptr;
  TProgressForm* progress_ = nullptr;
  bool writePending_ = false;       // a write of this dialog has not been answered yet
  bool rereadWhenWritten_ = false;  // the read that ends a Set waits for that answer
  QString writeFailure_;            // the failed write's status line, kept over the read after it
};

// The hand-made dialog factory of the main menu.
std::unique_ptr<QDialog> CreateTSMTPControlForm(const QString& deviceAddress, QWidget* parent);
