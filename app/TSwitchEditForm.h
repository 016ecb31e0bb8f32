#pragma once

#include "ZnSwitchList.h"

#include <QDialog>

#include <cstdint>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ZnEditConstraint;

// The form of one switch: every setting a host would give it on the command line and in its
// device profile, its communities and pass phrases, and Test, which reads sysDescr, sysName and
// sysUpTime once with the settings as they stand in the form and says what happened.
class TSwitchEditForm : public QDialog {
  Q_OBJECT

 public:
  TSwitchEditForm(const QString& caption, const ZnSwitchEntry& entry,
                  const ZnSwitchSecrets& secrets, bool sessionOnly, QWidget* parent = nullptr);
  ~TSwitchEditForm() override;

  // What the form holds now (the Id is the one it was given).
  ZnSwitchEntry Entry() const;
  ZnSwitchSecrets Secrets() const;
  bool SessionOnly() const;
  // Why the settings cannot be kept, naming the field, or empty.
  QString Problem() const;

  // Takes the form when its settings can be kept; otherwise says why and keeps it open.
  void accept() override;

  QLineEdit* ED_Name;
  QLineEdit* ED_Address;
  QLineEdit* ED_Port;
  QComboBox* CB_Version;
  QLineEdit* ED_ReadCommunity;
  QLineEdit* ED_WriteCommunity;
  QLineEdit* ED_User;
  QComboBox* CB_Level;
  QComboBox* CB_AuthProtocol;
  QLineEdit* ED_AuthPassword;
  QComboBox* CB_PrivProtocol;
  QLineEdit* ED_PrivPassword;
  QLineEdit* ED_ContextName;
  QLineEdit* ED_ContextEngineID;
  QLineEdit* ED_BulkRepetitions;
  QCheckBox* CK_SessionOnly;
  QPushButton* BT_Test;
  QLabel* LB_TestResult;

 private:
  void UpdateEnabled();
  void BT_TestClick();

  QString id_;
  // Before the edits go: it lets go of them while they exist.
  std::unique_ptr<ZnEditConstraint> constraint_;
  std::uint64_t testTicket_ = 0;
};
