#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTableView;
class QTreeWidget;
class ZnFoundRowsModel;
class ZnSNMPRequest2Edits;

// The bridge's learned MAC addresses (dot1dTpFdbTable), read-only. The table can be long, so the
// walk waits up to 10 s per request and rows appear while it runs. A find box above the list
// narrows it to the stations an administrator looks for — by MAC address in any notation or its
// leading digits, or by port — with the count of matching rows; the walk goes on underneath and
// new matching rows join the list as they arrive.
class TForwarding_Table : public QDialog {
  Q_OBJECT

 public:
  TForwarding_Table(const QString& deviceAddress, QWidget* parent = nullptr);
  ~TForwarding_Table() override;

  void BT_GetClick();

  ZnSNMPRequest2Edits* FdbBinding() const { return fdbBinding_; }
  ZnFoundRowsModel* FoundRows() const { return found_; }

  // The form's components, by their design names. The binding fills `FdbRows` with every row
  // read; `LV_Forwarding` shows those that match the find box.
  QTreeWidget* FdbRows;
  QTableView* LV_Forwarding;
  QLineEdit* ED_Find;
  QLabel* LB_Matches;
  QPushButton* BT_Get;
  QStatusBar* StatusBar1;
  QLabel* StatusPanel;  // panel 0 of StatusBar1

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate(const QString& deviceAddress);
  void FindTextChanged(const QString& text);
  void ShowMatchCount();

  ZnSNMPRequest2Edits* fdbBinding_ = nullptr;
  ZnFoundRowsModel* found_ = nullptr;
};

// The hand-made dialog factory of the main menu.
std::unique_ptr<QDialog> CreateTForwarding_Table(const QString& deviceAddress, QWidget* parent);
