#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TPortUitForm;
class ZnSNMPRequest2Controls;
class ZnSNMPRequest2Edits;
struct ZnSNMPError;

// The static multicast filtering entries (dot1qStaticMulticastTable): the static egress ports of
// a multicast MAC address in a VLAN. "Add" creates an entry in two requests, the status
// "permanent" first and the egress ports once the switch has created the entry; an entry the
// switch created but whose ports it refused is reported as such and listed as the switch has it.
// "Set" writes the selected entry's ports and status, "Delete" its status "invalid". The binding
// works asynchronously and reports to the memo.
class TMulticastFilterInformationForm : public QDialog {
  Q_OBJECT

 public:
  explicit TMulticastFilterInformationForm(QWidget* parent = nullptr);
  ~TMulticastFilterInformationForm() override;

  // "Refresh": the table again, the entry area emptied.
  void RefreshBtnClick();
  // "Set": writes the egress ports and status of the selected entry.
  void SetBtnClick();
  // "Add": creates the entry of the entry area with its egress ports.
  void AddBtnClick();
  // "Delete": deletes the selected entry, waits for the switch and reads the table again.
  void btnDeleteClick();
  // A click on the list: a selected row enables Set and Delete, empty space empties the entry.
  void LV_dot1qStaticMulticastEntryClick();
  // The list changed: the counter follows its row count.
  void LV_dot1qStaticMulticastEntryChange();

  // Controls, by their names in the form design.
  QLabel* ST_Count;
  QPushButton* RefreshBtn;
  QPushButton* SetBtn;
  QPushButton* btnDelete;
  QPushButton* AddBtn;
  QTreeWidget* LV_dot1qStaticMulticastEntry;
  QLineEdit* ED_MulticastVID;
  QLineEdit* ED_MACAddress;
  QComboBox* Status;
  QTabWidget* PortPageControl;
  QPlainTextEdit* Memo1;

  TPortUitForm* EgressGrid = nullptr;
  ZnSNMPRequest2Edits* FilterBinding = nullptr;

 protected:
  // Every way of closing stops the binding first.
  void done(int result) override;

 private:
  // Where an Add stands: its first request creates the entry, its second writes the ports.
  enum class AddStep { kNone, kStatus, kPorts };

  void FormCreate();
  void CreatePortGrids();
  void ClearEntry();
  void FormClose();
  void FilterWriteDone(ZnSNMPRequest2Controls* sender, const ZnSNMPError& result);
  // The second request of an Add: the ports the user chose, for the entry just created.
  void WriteAddedPorts();
  // The first request of an Add created the entry, the second did not give it its ports.
  void ReportHalfCreated();
  bool eventFilter(QObject* watched, QEvent* event) override;

  AddStep addStep_ = AddStep::kNone;
  QStringList addValues_;  // the values of the entry being added, as the controls gave them
};

std::unique_ptr<QDialog> CreateTMulticastFilterInformationForm(const QString& deviceAddress,
                                                               QWidget* parent);
