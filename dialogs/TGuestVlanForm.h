#pragma once

#include <QDialog>

#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class TPortUitForm;
class ZnSNMPRequest2Edits;

// The device's one guest VLAN: its name and its ports on a port grid, written together, and a
// delete trigger. A hidden edit keeps the name as last read, so that an unchanged name is not
// written again with the ports. Every message goes to the status bar's panel.
class TGuestVlanForm : public QDialog {
  Q_OBJECT

 public:
  explicit TGuestVlanForm(QWidget* parent = nullptr);
  ~TGuestVlanForm() override;

  // "Refresh": name and ports, the name alone, then the delete state.
  void BT_GetClick();
  // "Set": the ports, with the name unless it is the one last read; then Refresh. A refused
  // write is not followed by Refresh, whose "Ok" would hide the refusal from the user.
  void SetBtnClick();
  // "Delete": starts the deletion of the guest VLAN; then Refresh, unless it was refused.
  void DelBtnClick();
  void BT_CloseClick();

  // Controls, by their names in the form design.
  QPushButton* BT_Get;
  QPushButton* SetBtn;
  QPushButton* BT_Close;
  QPushButton* DelBtn;
  QLineEdit* edtName;
  QComboBox* cbxDel;  // hidden
  QLineEdit* Edit1;   // hidden: the name as last read
  QGroupBox* gbStackingPort;
  QStatusBar* StatusBar1;
  QLabel* StatusPanel;  // the status bar's one panel

  TPortUitForm* GuestGrid = nullptr;
  ZnSNMPRequest2Edits* GuestBinding = nullptr;
  ZnSNMPRequest2Edits* CurrentNameBinding = nullptr;
  ZnSNMPRequest2Edits* DeleteBinding = nullptr;

 protected:
  void done(int result) override;

 private:
  void FormCreate();
  void CreatePortGrids();
  void FormClose();
  // Runs `step`; a failure's message goes to the status panel. False after a failure.
  template <typename Step>
  bool Reporting(Step step);
  // Reads the guest ports and name; Set is offered only once they were read.
  void ReadGuest();
  // A failed read of the guest ports stays on the status line over the other reads' "Ok".
  void KeepGuestFailureShown();

  bool guestRead_ = false;
  QString guestFailure_;
};

std::unique_ptr<QDialog> CreateTGuestVlanForm(const QString& deviceAddress, QWidget* parent);
