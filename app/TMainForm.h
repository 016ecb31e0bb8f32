#pragma once

#include "ZnLaunch.h"
#include "ZnMainMenu.h"

#include <QHash>
#include <QMainWindow>

#include <functional>

class QLabel;
class QMenu;
class QScrollArea;
struct ZnCatalogueEntry;
class TNX596PanelForm;
class ZnRegistry;
class ZnSNMPRequest2Edits;

// The program's main window: the device's front panel in a scroll box, the whole management
// function in its menu, a status bar for start-up and polling messages. It is built from the
// command line and the host's registry, so one window manages one device.
class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Opens the SNMP session, loads the message catalogues from the module directory the registry
  // names and applies the parameters (with the device profile) to the global settings. Raises
  // what opening the session or reading the profile and parameters raises.
  TMainForm(const QStringList& parameters, const ZnRegistry& registry, QWidget* parent = nullptr);
  ~TMainForm() override;

  // No parameters were given: the user was told and the program is to end.
  bool TerminateRequested() const { return terminate_; }

  // Applies the settings the Switches window handed over apart from the command line ("/R",
  // "/W", "/A", "/P" and their values), as those parameters would at the end of it. Before
  // FormCreate, so that the first read uses them. Raises as a parameter with a bad value does.
  void ApplyHandedOver(const QStringList& parameters);
  // Reads the RMON state and the module types once; errors go to the first status panel.
  void FormCreate();
  // The first activation embeds the front panel and updates the RMON menu.
  void FormActivate();

  // Refreshes the RMON state and enables or disables the RMON viewer items by it.
  void UpdateRmonMenu();
  void RMON1Click();
  void SaveChanges1Click();
  void Reset2Click();
  void Help2Click();
  void About1Click();

  // Runs the action of a menu row (what a click on its item does).
  void Dispatch(const ZnMenuItem& item);
  void OpenCatalogueDialog(const ZnCatalogueEntry& entry);
  void OpenHandMadeDialog(const QString& className);
  QString BuildSiblingCommandLine(const QString& argument) const;
  void LaunchSiblingTool(const QString& argument);

  // The menu item, separator or submenu action with this component name, or null.
  QAction* MenuAction(const QString& name) const { return actions_.value(name); }
  QMenu* Menu(const QString& name) const { return menus_.value(name); }

  QScrollArea* ScrollBox1() const { return scrollBox_; }
  // The status bar's one panel.
  QLabel* StatusPanel() const { return statusPanel_; }
  QLabel* ST_RmonState() const { return rmonState_; }
  QLabel* ST_Module1() const { return module1_; }
  QLabel* ST_Module2() const { return module2_; }
  ZnSNMPRequest2Edits* RmonStateBinding() const { return rmonStateBinding_; }
  // The device's front panel, once the window was first activated.
  TNX596PanelForm* FrontPanel() const { return frontPanel_; }

  const ZnLaunch& Launch() const { return launch_; }
  const QString& CurrentTitle() const { return launch_.texts.CurrentTitle; }
  const QString& DeviceAddress() const { return launch_.texts.DeviceAddress; }

  // Where sibling tools and the help file are looked for; the program's own directory.
  QString programDirectory;
  // Starts a sibling tool's command line; tests replace it to see the line.
  std::function<void(const QString& line)> launcher;
  // Opens the help file; tests replace it. False when it could not be opened.
  std::function<bool(const QString& fileName)> helpOpener;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenu();
  void ShowError(const std::exception& error);
  void EmbedFrontPanel();

  ZnLaunch launch_;
  bool terminate_ = false;
  bool activated_ = false;
  QScrollArea* scrollBox_ = nullptr;
  QLabel* statusPanel_ = nullptr;
  QLabel* rmonState_ = nullptr;
  QLabel* module1_ = nullptr;
  QLabel* module2_ = nullptr;
  ZnSNMPRequest2Edits* rmonStateBinding_ = nullptr;
  ZnSNMPRequest2Edits* moduleTypeBinding_ = nullptr;
  TNX596PanelForm* frontPanel_ = nullptr;
  QHash<QString, QAction*> actions_;
  QHash<QString, QMenu*> menus_;
};

// The help file of the module, in the program's directory.
inline constexpr const char* kZnHelpFileName = "NX-596 Series R4 Oct 08 Q7korlin.hlp";
