#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TPortUitForm;
class ZnSNMPRequest2Edits;

// The current VLAN table (dot1qVlanCurrentTable), read-only: every VLAN the device runs, with
// its egress and untagged ports on port grids, and the number of VLANs deleted so far. Both
// bindings work asynchronously and report to the memo at the bottom.
class TVLanCurrentTableForm : public QDialog {
  Q_OBJECT

 public:
  explicit TVLanCurrentTableForm(QWidget* parent = nullptr);
  ~TVLanCurrentTableForm() override;

  // "Refresh": the deletions counter, then the table; the selection's grids are emptied.
  void RefreshBtnClick();
  // A click on empty list space empties the VLAN index and the grids.
  void LV_dot1qVlanCurrentEntryClick();
  // The list changed: the counter follows its row count.
  void LV_dot1qVlanCurrentEntryChange();

  // Controls, by their names in the form design.
  QLabel* ST_Count2;
  QPushButton* RefreshBtn;
  QPushButton* SetBtn;  // hidden: the table cannot be written
  QTreeWidget* LV_dot1qVlanCurrentEntry;
  QLabel* StaticText1;
  QLabel* VlanNumDeletes;
  QTabWidget* PortPageControl;
  QPlainTextEdit* Memo1;

  TPortUitForm* EgressGrid = nullptr;
  TPortUitForm* UntaggedGrid = nullptr;
  ZnSNMPRequest2Edits* CurrentBinding = nullptr;
  ZnSNMPRequest2Edits* DeletesBinding = nullptr;

 protected:
  void done(int result) override;

 private:
  void FormCreate();
  void CreatePortGrids();
  void ClearEntry();
  void FormClose();
  bool eventFilter(QObject* watched, QEvent* event) override;
};

std::unique_ptr<QDialog> CreateTVLanCurrentTableForm(const QString& deviceAddress, QWidget* parent);
