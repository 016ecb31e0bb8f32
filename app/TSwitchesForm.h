#pragma once

#include "ZnSwitchList.h"
#include "ZnSwitchProbe.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

#include <cstdint>
#include <map>
#include <memory>

class QLabel;
class QLineEdit;
class QProcess;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class ZnHandOverChannel;
class ZnSecretStore;

// The front door for a person without a management host: the switches they keep, each read in
// the background (one asynchronous get of sysDescr, sysUpTime and sysName every 30 s, so that a
// silent switch never holds the window), and the management window of a switch opened as its
// own process with the settings a host would give it.
//
// The list lives in the desktop's configuration directory (switches.ini); the device profiles
// and registry files the management windows read in its data directory, one folder per switch.
// Communities and pass phrases go to the desktop's secret store only and reach a management
// window through the channel it inherits (ZnHandOver.h), never a command line or a file.
class TSwitchesForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TSwitchesForm(QWidget* parent = nullptr);
  ~TSwitchesForm() override;

  // Reads the list and the secrets and starts the polls. Apart from the constructor, so that
  // a test can set the members below first.
  void Start();

  // The management program (this program) and the simulated switch.
  QString program;
  QString agentProgram;
  // Between two reads of every switch.
  int pollIntervalMs = 30000;

  // Actions of the window, as its buttons and menu run them.
  void OpenSwitch();
  void AddSwitch();
  void EditSwitch();
  void DuplicateSwitch();
  void RemoveSwitch();
  void ImportProfiles();
  void ImportCsv();
  void ExportCsv();
  void TrySimulatedSwitch();

  // Adds switches (an import); their secrets go to the secret store. Returns how many.
  int AddSwitches(const QList<ZnImportedSwitch>& switches);

  QTreeWidget* LV_Switches;
  QLineEdit* ED_Filter;
  QPushButton* BT_Open;
  QPushButton* BT_Add;
  QPushButton* BT_Edit;
  QPushButton* BT_Duplicate;
  QPushButton* BT_Remove;
  QPushButton* BT_TrySimulated;
  QLabel* StatusPanel;

  QString ListFile() const { return listFile_; }
  // The process of the management window open for the switch, 0 when none is.
  qint64 WindowProcessId(const QString& id) const;
  // The process of the simulated switch this window started, 0 when none runs.
  qint64 SimulatedSwitchProcessId() const;
  QList<ZnSwitchEntry> Entries() const;
  // Polls whose answer has not come yet.
  int OutstandingPolls() const;

  enum Column { Name, Address, Port, Version, UserOrCommunity, State, SysName, UpTime, Model };

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Switch {
    ZnSwitchEntry entry;
    ZnSwitchSecrets secrets;
    bool secretsKnown = false;
    std::uint64_t ticket = 0;  // the poll under way
    bool queued = false;
    QTreeWidgetItem* item = nullptr;
  };
  struct Window {
    qint64 pid = 0;
    ZnHandOverChannel* channel = nullptr;
  };

  void BuildMenu();
  QPushButton* Button(const QString& caption, const char* name, void (TSwitchesForm::*action)());
  Switch* Current();
  Switch* Find(const QString& id);
  void ShowRow(Switch& s);
  void ShowProbe(Switch& s, const ZnProbeResult& result);
  // Whether the filter lets the row be seen.
  bool Shown(const QTreeWidgetItem* item) const;
  void ApplyFilter();
  void UpdateButtons();
  void Say(const QString& text);
  bool SaveList();
  void StoreSecrets(Switch& s);
  void ReadSecrets(Switch& s);
  // Adds a switch (or replaces the one of the same Id) and polls it.
  Switch& Keep(const ZnSwitchEntry& entry, const ZnSwitchSecrets& secrets, bool secretsKnown);
  void EditInForm(const QString& caption, ZnSwitchEntry entry, ZnSwitchSecrets secrets,
                  bool replace);
  void Forget(const QString& id);
  void ReportImport(const QString& from, int added, const QStringList& skipped);

  // Polls: every switch is queued each interval; a few are sent per turn of the event loop,
  // so that opening two hundred connections never holds the window at once.
  void QueueAll();
  void Queue(Switch& s);
  void SendQueued();
  void CancelPoll(Switch& s);

  void Launch(Switch& s);
  void OnWindowMessage(const QString& id, const QByteArray& message);
  void OnWindowClosed(const QString& id);
  void OnSimulatedSwitchOutput();

  QString listFile_;
  QString dataDirectory_;
  QString moduleDirectory_;
  QStringList order_;
  std::map<QString, Switch> switches_;  // by Id; references stay valid while others come and go
  QHash<QString, Window> windows_;
  QStringList queue_;
  QTimer* pollTimer_;
  QTimer* sendTimer_;
  ZnSecretStore* secrets_;
  bool toldNoStore_ = false;
  QProcess* simulated_ = nullptr;
  QByteArray simulatedOutput_;
};
