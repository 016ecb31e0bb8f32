#pragma once

#include <QDialog>

#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TPortUitForm;
class ZnSNMPRequest2Edits;

// The static unicast filtering entries (dot1qStaticUnicastTable): for a MAC address in a
// filtering database, the one port a frame to it may go to. An entry is written with its
// allowed port and the status "permanent" in one request and deleted by the status "invalid"
// alone. A selected entry keeps its key: its VID and MAC edits are read-only, so "Add" rewrites
// that entry. The binding works asynchronously and reports to the memo.
class TUnicastFilterInformationForm : public QDialog {
  Q_OBJECT

 public:
  explicit TUnicastFilterInformationForm(QWidget* parent = nullptr);
  ~TUnicastFilterInformationForm() override;

  // "Refresh": the table again, the entry area emptied.
  void RefreshBtnClick();
  // "Add": writes the entry of the entry area with its allowed port and the status "permanent",
  // after the checks that refuse it with a message.
  void SetBtnClick();
  // "Delete": deletes the entry of the entry area (status "invalid").
  void DeleteBtnClick();
  // A click on the list: a selected row fills the entry area and fixes its key, empty space
  // empties it.
  void LV_dot1qStaticUnicastEntryClick();
  // The list changed: the counter follows its row count.
  void LV_dot1qStaticUnicastEntryChange();

  // Controls, by their names in the form design.
  QLabel* ST_Count;
  QPushButton* RefreshBtn;
  QPushButton* SetBtn;  // captioned "Add"
  QPushButton* DeleteBtn;
  QTreeWidget* LV_dot1qStaticUnicastEntry;
  QLineEdit* ED_UnicastVID;
  QLineEdit* UnicastAddress;
  QComboBox* UStatus;
  QGroupBox* AllowGroup;
  QPlainTextEdit* Memo1;

  TPortUitForm* AllowGrid = nullptr;
  ZnSNMPRequest2Edits* FilterBinding = nullptr;

 protected:
  // Every way of closing stops the binding first.
  void done(int result) override;

 private:
  void FormCreate();
  void CreatePortGrids();
  void ClearEntry();
  // True when at most one box is ticked; otherwise the user is told and false returned.
  bool CheckSinglePort();
  void FormClose();
  bool eventFilter(QObject* watched, QEvent* event) override;
};

std::unique_ptr<QDialog> CreateTUnicastFilterInformationForm(const QString& deviceAddress,
                                                             QWidget* parent);
