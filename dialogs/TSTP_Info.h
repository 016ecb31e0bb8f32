#pragma once

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class ZnSNMPRequest2Edits;

// The bridge-wide spanning tree parameters: protocol version, bridge priority, the three bridge
// timers and the transmit hold count. Before anything is written the timers are checked against
// each other the way an 802.1D bridge relates them, so that a refused combination is explained
// in the status bar instead of coming back as a bare device error.
class TSTP_Info : public QDialog {
  Q_OBJECT

 public:
  TSTP_Info(const QString& deviceAddress, QWidget* parent = nullptr);
  ~TSTP_Info() override;

  void BT_GetClick();
  void BT_SetClick();

  ZnSNMPRequest2Edits* InfoBinding() const { return infoBinding_; }

  // The form's components, by their design names.
  QComboBox* Combo_STPVersion;
  QLineEdit* ET_Priority;
  QLineEdit* ET_AgingTime;
  QLineEdit* ET_HelloTime;
  QLineEdit* ET_ForwardDelay;
  QLineEdit* ED_TxHoldCount;
  QPushButton* BT_Get;
  QPushButton* BT_Set;
  QStatusBar* StatusBar1;
  QLabel* StatusPanel;  // panel 0 of StatusBar1

 private:
  void FormCreate(const QString& deviceAddress);
  void ShowRefusal(const QString& text);

  ZnSNMPRequest2Edits* infoBinding_ = nullptr;
};

// The hand-made dialog factory of the main menu.
std::unique_ptr<QDialog> CreateTSTP_Info(const QString& deviceAddress, QWidget* parent);
