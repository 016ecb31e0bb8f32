#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class THostTableForm;

// The entry form of the trusted host table: a new station's address, optional subnet mask and
// index, created on the switch with one createAndGo request. The address is tested before
// anything is sent: addresses no host can have are refused, and the text must be a strict
// dotted quad. The tick boxes in front of address and mask decide what is tested and whether
// the mask is sent; index and status are always sent.
class THostTableEditForm : public QDialog {
  Q_OBJECT

 public:
  // The variables of the trusted host table, in the order of its definition table.
  static constexpr int kIndex = 0;
  static constexpr int kAddress = 1;
  static constexpr int kRowStatus = 2;
  static constexpr int kMask = 3;

  explicit THostTableEditForm(THostTableForm* host);

  void SetButtonClick();
  void CheckAllButtonClick();
  void ClearButtonClick();

  // True when the text of IpEdit is an address no trusted host can have (the reason shown).
  bool CheckReservedAddress();
  // True when CheckedAddress is a well-formed dotted quad (else the reason shown).
  bool CheckAddressSyntax();

  QString CheckedAddress;

  // The form's components, by their design names.
  QLineEdit* IpEdit;
  QLineEdit* IPSubnetEdit;
  QLineEdit* IndexEdit;
  QComboBox* StatusComboBox;
  QCheckBox* IPCBox;
  QCheckBox* IPnetCBox;
  QCheckBox* IndexCBox;
  QCheckBox* StatusCBox;
  QPushButton* SetButton;
  QPushButton* CloseButton;
  QPushButton* CheckAllButton;
  QPushButton* ClearButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void Refuse(const QString& text, QLineEdit* focus);
  void FocusIfEnabled(QLineEdit* edit);
  void Create();

  THostTableForm* host_;
};
