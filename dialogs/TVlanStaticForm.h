#pragma once

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TPortUitForm;
class ZnSNMPRequest2Edits;

// The static VLAN table (dot1qVlanStaticTable): every VLAN with its name and its egress, tagged
// and untagged ports, each port list on a port grid. A VLAN is created, changed and destroyed
// with one set request carrying its name, egress ports, untagged ports and row status; the
// tagged ports are the device's own read-only column and are never written. Both bindings work
// asynchronously and report to the memo at the bottom.
class TVlanStaticForm : public QDialog {
  Q_OBJECT

 public:
  explicit TVlanStaticForm(QWidget* parent = nullptr);
  ~TVlanStaticForm() override;

  // "Refresh": the next free index, then the table; the entry area is emptied.
  void RefreshBtnClick();
  // "Set": writes the selected VLAN as the entry area shows it.
  void SetBtnClick();
  // "Add": creates the VLAN of the entry area (createAndGo) in one request.
  void AddBtnClick();
  // "Delete": destroys the VLAN of the entry area.
  void DeleteBtnClick();
  // A click on the list: a selected row enables Set and Delete, empty space empties the entry.
  void LV_dot1qVlanStaticEntryClick();
  // The list changed: the counter follows its row count.
  void LV_dot1qVlanStaticEntryChange();

  // Controls, by their names in the form design.
  QLabel* ST_Count2;
  QPushButton* RefreshBtn;
  QPushButton* SetBtn;
  QPushButton* AddBtn;
  QPushButton* DeleteBtn;
  QTreeWidget* LV_dot1qVlanStaticEntry;
  QLineEdit* ED_VLANID;
  QComboBox* Status;
  QLineEdit* ED_VLANName;
  QLabel* NextFreeLocalVlanIndex;
  QTabWidget* PortPageControl;
  QPlainTextEdit* Memo1;

  TPortUitForm* EgressGrid = nullptr;
  TPortUitForm* TaggedGrid = nullptr;
  TPortUitForm* UntaggedGrid = nullptr;
  ZnSNMPRequest2Edits* StaticBinding = nullptr;
  ZnSNMPRequest2Edits* NextIndexBinding = nullptr;

 protected:
  // Every way of closing (the window's close box, Esc, the opener) stops the bindings first.
  void done(int result) override;

 private:
  void FormCreate();
  void CreatePortGrids();
  void ClearEntry();
  void FormClose();
  // The list loses its selection, the entry area is emptied and only "Add" stays enabled.
  void ShowNoSelection();
  void ShowButtons(bool rowSelected);
  void WriteEntry();
  bool eventFilter(QObject* watched, QEvent* event) override;
};

std::unique_ptr<QDialog> CreateTVlanStaticForm(const QString& deviceAddress, QWidget* parent);
