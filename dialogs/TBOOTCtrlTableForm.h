#pragma once

#include <QDialog>

#include <memory>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TNewBootpCtrlForm;
class ZnSNMPRequest2Controls;
class ZnSNMPRequest2Edits;
struct ZnSNMPError;

// The DHCP/BOOTP relay control table: one row per interface name and server address. Rows are
// added through the new-entry form and deleted by writing their RowStatus. While a walk or a
// write the dialog started is still running, adding, deleting and closing are refused with
// "Get data not complete"; the flag is released when that chain has ended, also when it failed
// or timed out, so a silent switch never keeps the dialog open.
class TBOOTCtrlTableForm : public QDialog {
  Q_OBJECT

 public:
  explicit TBOOTCtrlTableForm(const QString& deviceAddress, QWidget* parent = nullptr);
  ~TBOOTCtrlTableForm() override;

  bool DataComplete() const { return DataComplete_; }
  ZnSNMPRequest2Edits* Binding() const { return RelayBinding; }
  TNewBootpCtrlForm* NewEntryForm() const { return NewEntryForm_; }
  QTreeWidget* ListView1() const { return ListView1_; }
  QPlainTextEdit* Memo1() const { return Memo1_; }
  QComboBox* ComboBox1() const { return ComboBox1_; }
  QPushButton* RefreshBtn() const { return RefreshBtn_; }
  QPushButton* DeleteBtn() const { return DeleteBtn_; }
  QPushButton* AddBtn() const { return AddBtn_; }
  QPushButton* CloseBtn() const { return CloseBtn_; }
  QPushButton* btnStop() const { return btnStop_; }

  // The rows shown for the interface, counted from the top up to `limit` (case-sensitive).
  int ServersOf(const QString& interfaceName, int limit) const;
  // Writes a new row for the new-entry form's interface and server with createAndGo and reads
  // the table again. False when the write could not start (a server that is no dotted address
  // is refused before anything is sent); the reason is added to the memo.
  bool CreateEntry();

 protected:
  // Every way of closing (the Close button, the window's own close, Escape) asks FormCloseQuery.
  void reject() override;

 private:
  void FormCreate();
  bool FormCloseQuery();
  void RefreshBtnClick();
  void DeleteBtnClick();
  void AddBtnClick();
  void CloseBtnClick();
  void btnStopClick();
  void ListView1SelectItem();
  void RelayReadDone(ZnSNMPRequest2Controls* sender, const ZnSNMPError& result);
  // Starts a read of the table: the request is enabled, Delete waits for a new selection.
  void ReadTable();
  void RefuseIncomplete();

  QString deviceAddress_;
  ZnSNMPRequest2Edits* RelayBinding = nullptr;
  bool DataComplete_ = false;
  TNewBootpCtrlForm* NewEntryForm_ = nullptr;
  QTreeWidget* ListView1_;
  QPlainTextEdit* Memo1_;
  QComboBox* ComboBox1_;
  QPushButton* RefreshBtn_;
  QPushButton* DeleteBtn_;
  QPushButton* AddBtn_;
  QPushButton* CloseBtn_;
  QPushButton* btnStop_;
};

// The dialog of the main menu's item, captioned for the device.
std::unique_ptr<QDialog> CreateTBOOTCtrlTableForm(const QString& deviceAddress, QWidget* parent);
