#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTreeWidget;
class TPortUitForm;
class ZnSNMPRequest2Controls;
class ZnSNMPRequest2Edits;
struct ZnSNMPError;

// The IGMP snooping router ports of every VLAN: the static ports, which the user sets on a port
// grid, and the ports the switch learned, shown on a second grid that cannot be changed and is
// never written. A read or write chain runs until its walk has ended (`DataComplete`); while it
// runs, Refresh is ignored and Set refused, and Stop ends the walk with the rows read so far.
class TIGMPRouterPortsForm : public QDialog {
  Q_OBJECT

 public:
  explicit TIGMPRouterPortsForm(QWidget* parent = nullptr);
  ~TIGMPRouterPortsForm() override;

  bool DataComplete() const { return DataComplete_; }

  // "Refresh": the table again, unless a chain is running.
  void btnGetClick();
  // "Set": writes the static router ports of the selected VLAN, then reads the table again.
  void btnSetClick();
  // "Stop": the running walk asks for no further row.
  void btnStopClick();
  void btnCloseClick();
  // A click on the list: a selected row enables Set, empty space empties the entry.
  void ListView1Click();

  // Controls, by their names in the form design.
  QPushButton* btnGet;
  QPushButton* btnSet;
  QPushButton* btnStop;
  QPushButton* btnClose;
  QTreeWidget* ListView1;
  QLabel* stVlanID;
  QLabel* stVlanName;
  QTabWidget* PortPageControl;
  QScrollArea* DynamicBox;  // disabled: its boxes cannot be clicked
  QPlainTextEdit* Memo1;

  TPortUitForm* StaticGrid = nullptr;
  TPortUitForm* DynamicGrid = nullptr;
  ZnSNMPRequest2Edits* RouterBinding = nullptr;

 protected:
  // Every way of closing stops the binding first.
  void done(int result) override;

 private:
  void FormCreate();
  void CreatePortGrids();
  void ClearEntry();
  void FormClose();
  // Starts a read of the table; a read that could not start ends the chain at once.
  void ReadTable();
  void RouterReadDone(ZnSNMPRequest2Controls* sender, const ZnSNMPError& result);
  void RouterWriteDone(ZnSNMPRequest2Controls* sender, const ZnSNMPError& result);
  bool eventFilter(QObject* watched, QEvent* event) override;

  bool DataComplete_ = false;
};

std::unique_ptr<QDialog> CreateTIGMPRouterPortsForm(const QString& deviceAddress, QWidget* parent);
