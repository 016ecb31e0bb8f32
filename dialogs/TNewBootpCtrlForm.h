#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class TBOOTCtrlTableForm;

// The small modal form that adds one DHCP/BOOTP relay server for an interface. It belongs to the
// relay dialog, whose binding owns its two edits, and is shown again for every Add.
class TNewBootpCtrlForm : public QDialog {
  Q_OBJECT

 public:
  explicit TNewBootpCtrlForm(TBOOTCtrlTableForm* relayForm);

  QLineEdit* Edit1() const { return Edit1_; }
  QLineEdit* Edit2() const { return Edit2_; }
  // "Set" and "Close" keep the names of the form design.
  QPushButton* DeleteBtn() const { return DeleteBtn_; }
  QPushButton* BitBtn1() const { return BitBtn1_; }

  // The relay dialog counts a new server against this many per interface before it asks the
  // device.
  static constexpr int kServersPerInterface = 4;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void DeleteBtnClick();
  void BitBtn1Click();

  TBOOTCtrlTableForm* relayForm_;
  QLineEdit* Edit1_;
  QLineEdit* Edit2_;
  QPushButton* DeleteBtn_;
  QPushButton* BitBtn1_;
};
