#pragma once

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class ZnSNMPRequest2Edits;

// The spanning tree port table (dot1dStpPortTable and dot1dStpExtPortTable walked together, one
// row per port) with the six writable settings of the selected port below it. The binding is
// blocking: the dialog waits for each walk and write, and after a write it reads the whole table
// again and selects the same position once more.
class TSTP_Port : public QDialog {
  Q_OBJECT

 public:
  TSTP_Port(const QString& deviceAddress, QWidget* parent = nullptr);
  ~TSTP_Port() override;

  void BT_GetClick();
  void BT_SetClick();
  void LV_STP_PortClick();

  ZnSNMPRequest2Edits* PortBinding() const { return portBinding_; }
  // The list position of the row last chosen, -1 before any.
  int SelectedRow() const { return selectedRow_; }

  // The form's components, by their design names.
  QTreeWidget* LV_STP_Port;
  QLineEdit* ET_Priority;
  QComboBox* Combo_Status;
  QLineEdit* ET_PathCost;
  QComboBox* Combo_Migration;
  QComboBox* Combo_Edge;
  QComboBox* Combo_P2P;
  QPushButton* BT_Get;
  QPushButton* BT_Set;
  QStatusBar* StatusBar1;
  QLabel* StatusPanel;  // panel 0 of StatusBar1

 private:
  void FormCreate(const QString& deviceAddress);
  void SelectAgain();

  ZnSNMPRequest2Edits* portBinding_ = nullptr;
  int selectedRow_ = -1;
  bool selectingAgain_ = false;  // the program, not the user, is choosing a row
};

// The hand-made dialog factory of the main menu.
std::unique_ptr<QDialog> CreateTSTP_Port(const QString& deviceAddress, QWidget* parent);
