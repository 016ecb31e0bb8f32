#include "TMainForm.h"

#include "TAboutForm.h"
#include "TConfigForm.h"
#include "TNX596PanelForm.h"
#include "TTrafficForm.h"
#include "ZnCatalogue.h"
#include "ZnCatalogueDialog.h"
#include "ZnException.h"
#include "ZnHandMadeDialogs.h"
#include "ZnRegistry.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPSession.h"
#include "ZnSNMPSettings.h"
#include "ZnSiblingTool.h"
#include "ZnUserNotifier.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

// The device's RMON state, read to enable the RMON viewers.
constexpr ZnOptionItem kRmonStateItems[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kRmonStateOptions(kRmonStateItems);
constinit const ZnSNMPVarDef kRmonState[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.16", "RMON State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kRmonStateOptions},
    {},
};

// Save Changes: what the device writes to its flash, in a dialog of its own with a long time-out
// (saving takes the device several seconds).
constexpr ZnOptionItem kSaveCfgItems[] = {
    {1, "other"}, {3, "cfg"}, {4, "log"}, {5, "all"}, {0, nullptr}};
const ZnOptionList kSaveCfgOptions(kSaveCfgItems);
constinit const ZnSNMPVarDef kSaveCfg[] = {
    {"1.3.6.1.4.1.99917.12.1.2.6", "agentSaveCfg", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kSaveCfgOptions},
    {},
};
constinit const ZnCataloguePage kSaveCfgPages[] = {
    {.kind = ZnPageKind::Editor, .table = kSaveCfg, .itemType = ZnItemType::SVT_SV},
};
constinit const ZnCatalogueTuning kSaveCfgTuning[] = {
    {.kind = ZnCatalogueTuning::Kind::RequestTimeout, .number = 1200},
};
constinit const ZnCatalogueEntry kSaveChangesDialog = {
    .componentName = "SaveChanges1",
    .captionPrefix = "Log Save Control : ",
    .pages = kSaveCfgPages,
    .tuning = kSaveCfgTuning,
};

// Reboot: one write, no dialog.
constexpr ZnOptionItem kSystemResetItems[] = {
    {1, "other"}, {2, "cold-start"}, {3, "warm-start"}, {4, "no-reset"}, {0, nullptr}};
const ZnOptionList kSystemResetOptions(kSystemResetItems);
constinit const ZnSNMPVarDef kSystemReset[] = {
    {"1.3.6.1.4.1.99917.12.1.2.3", "agentSystemReset", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kSystemResetOptions},
    {},
};

QString Text(const char* text) {
  return text ? QString::fromUtf8(text) : QString();
}

QString WithSeparator(QString directory) {
  if (!directory.isEmpty() && !directory.endsWith(QLatin1Char('/'))) directory += QLatin1Char('/');
  return directory;
}

}  // namespace

TMainForm::TMainForm(const QStringList& parameters, const ZnRegistry& registry, QWidget* parent)
    : QMainWindow(parent), launch_(QString()) {
  setObjectName(QStringLiteral("MainForm"));
  // A fixed frame with the system menu and minimise only; the front panel decides the size.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  programDirectory = WithSeparator(QCoreApplication::applicationDirPath());
  launcher = [](const QString& line) { ZnLaunchSiblingTool(line); };
  helpOpener = [](const QString& fileName) {
    return QFileInfo(fileName).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
  };

  auto* client = new QWidget(this);
  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(0, 0, 0, 0);
  scrollBox_ = new QScrollArea(client);
  scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
  scrollBox_->setFrameShape(QFrame::NoFrame);
  layout->addWidget(scrollBox_);
  setCentralWidget(client);
  // The three static texts carry values for the window's logic; they are never seen.
  const auto hidden = [client](const char* name) {
    auto* label = new QLabel(client);
    label->setObjectName(QString::fromLatin1(name));
    label->hide();
    return label;
  };
  rmonState_ = hidden("ST_RmonState");
  module1_ = hidden("ST_Module1");
  module2_ = hidden("ST_Module2");

  // One panel that takes the whole width: start-up errors and polling status are read here.
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->setSizeGripEnabled(false);
  statusPanel_ = new QLabel(statusBar());
  statusPanel_->setObjectName(QStringLiteral("StatusPanel"));
  statusPanel_->setMinimumWidth(50);
  statusPanel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  statusBar()->addWidget(statusPanel_, 1);

  BuildMenu();
  // 690 x 133 of client area below the menu, wide enough for every top-level item.
  resize(std::max(690, menuBar()->sizeHint().width()), 133 + menuBar()->sizeHint().height());

  ZnSNMPOpenSession(QString());
  const ZnHostPaths paths = ZnFindHostPaths(registry);
  ZnLoadMessageCatalogues(paths.moduleDirectory);
  launch_ = ZnLaunch(paths.profileDirectory);

  if (parameters.isEmpty()) {
    ZnNotifier().Message(this, ZnProgramFileName(),
                         QStringLiteral("No parameter input"));
    // The program ends without entering its event loop. (Asking the application to quit
    // before its loop runs would leave a flag that ends the first modal loop at once.)
    terminate_ = true;
  } else {
    launch_.ProcessParameters(parameters);
  }
  if (QAction* v3 = MenuAction(QStringLiteral("VACM1")))
    v3->setEnabled(ZnSNMPGlobalSecurity.Version == 3);
}

void TMainForm::ApplyHandedOver(const QStringList& parameters) {
  for (const QString& p : parameters)
    launch_.ApplySwitch(p.left(2), p.mid(2), QStringLiteral("A setting handed over"));
}

// The panel and the bindings go first, while the window is whole: a binding may wait for a read
// still under way, and events delivered meanwhile must find a complete window.
TMainForm::~TMainForm() {
  delete frontPanel_;
  delete rmonStateBinding_;
  delete moduleTypeBinding_;
}

void TMainForm::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  // Parents by depth: [0] is the bar's level, [d] the submenu that takes items of depth d.
  std::vector<QMenu*> parents(1, nullptr);
  for (const ZnMenuItem& item : ZnMainMenuItems()) {
    parents.resize(static_cast<size_t>(item.depth) + 1);
    QMenu* parentMenu = parents[static_cast<size_t>(item.depth)];
    const QString name = Text(item.name);
    QAction* action = nullptr;
    if (item.kind == ZnMenuKind::Submenu) {
      QMenu* menu =
          parentMenu ? parentMenu->addMenu(Text(item.caption)) : bar->addMenu(Text(item.caption));
      menu->setObjectName(name);
      menus_.insert(name, menu);
      parents.push_back(menu);
      action = menu->menuAction();
    } else if (item.kind == ZnMenuKind::Separator) {
      action = parentMenu ? parentMenu->addSeparator() : bar->addSeparator();
    } else {
      action = parentMenu ? parentMenu->addAction(Text(item.caption))
                          : bar->addAction(Text(item.caption));
      connect(action, &QAction::triggered, this, [this, &item] { Dispatch(item); });
    }
    action->setObjectName(name);
    if (item.hidden) action->setVisible(false);
    actions_.insert(name, action);
  }
  if (QMenu* rmon = Menu(QStringLiteral("RMON1")))
    connect(rmon, &QMenu::aboutToShow, this, &TMainForm::RMON1Click);
  // The menu is reached from the keyboard with F10 as well as with Alt.
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(f10, &QShortcut::activated, this, [bar] {
    const QList<QAction*> top = bar->actions();
    if (!top.isEmpty()) {
      bar->setFocus(Qt::ShortcutFocusReason);
      bar->setActiveAction(top.first());
    }
  });
}

void TMainForm::Dispatch(const ZnMenuItem& item) {
  try {
    switch (item.kind) {
      case ZnMenuKind::Catalogue:
        if (const ZnCatalogueEntry* entry = ZnFindCatalogueEntry(item.name))
          OpenCatalogueDialog(*entry);
        break;
      case ZnMenuKind::Sibling:
        LaunchSiblingTool(Text(item.argument));
        break;
      case ZnMenuKind::SaveChanges:
        SaveChanges1Click();
        break;
      case ZnMenuKind::Reboot:
        Reset2Click();
        break;
      case ZnMenuKind::Help:
        Help2Click();
        break;
      case ZnMenuKind::About:
        About1Click();
        break;
      case ZnMenuKind::HandMade:
        OpenHandMadeDialog(Text(item.argument));
        break;
      case ZnMenuKind::Nothing:
      case ZnMenuKind::Submenu:
      case ZnMenuKind::Separator:
        break;
    }
  } catch (const std::exception& error) {
    ShowError(error);
  }
}

void TMainForm::ShowError(const std::exception& error) {
  // The application's own display of an exception that escaped a handler.
  ZnNotifier().Message(this, QCoreApplication::applicationName(), QString::fromUtf8(error.what()),
                       ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Critical);
}

void TMainForm::OpenCatalogueDialog(const ZnCatalogueEntry& entry) {
  std::unique_ptr<TConfigForm> form =
      ZnBuildCatalogueDialog(entry, DeviceAddress(), launch_.texts.CurrentTitle, this);
  form->exec();
}

void TMainForm::OpenHandMadeDialog(const QString& className) {
  if (std::unique_ptr<QDialog> dialog = ZnCreateHandMadeDialog(className, DeviceAddress(), this))
    dialog->exec();
}

QString TMainForm::BuildSiblingCommandLine(const QString& argument) const {
  return ZnSiblingCommandLine(argument, programDirectory, ZnSNMPGlobalSecurity.Version,
                              launch_.texts, launch_.flags);
}

void TMainForm::LaunchSiblingTool(const QString& argument) {
  // A tool that is missing or cannot be started says nothing, like the host's own launcher.
  if (launcher) launcher(BuildSiblingCommandLine(argument));
}

void TMainForm::FormCreate() {
  setWindowTitle(DeviceAddress());
  try {
    rmonStateBinding_ = new ZnSNMPRequest2Edits(this);
    rmonStateBinding_->VarList() = ZnSNMPVarList(kRmonState, ZnItemType::SVT_SV, 0);
    rmonStateBinding_->BindControl(0, rmonState_);
    rmonStateBinding_->mode = ZnSNMPRequest2Controls::Mode::Blocking;
    rmonStateBinding_->Refresh();

    moduleTypeBinding_ = new ZnSNMPRequest2Edits(this);
    moduleTypeBinding_->VarList() = ZnSNMPVarList(ZnModuleTypeDefinitions(), ZnItemType::SVT_SV, 0);
    moduleTypeBinding_->BindControl(0, module1_);
    moduleTypeBinding_->BindControl(1, module2_);
    moduleTypeBinding_->mode = ZnSNMPRequest2Controls::Mode::Blocking;
    moduleTypeBinding_->SetStatusTarget(statusPanel_);
    moduleTypeBinding_->Refresh();
  } catch (const std::exception& error) {
    statusPanel_->setText(QString::fromUtf8(error.what()));
  }
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (activated_) return;
  if (const QScreen* screen = this->screen())  // centred on the screen
    move(screen->availableGeometry().center() - rect().center());
  // Activation follows the first show; the panel is built once the window is on screen.
  QTimer::singleShot(0, this, &TMainForm::FormActivate);
}

void TMainForm::FormActivate() {
  if (activated_) return;
  activated_ = true;
  EmbedFrontPanel();
  UpdateRmonMenu();
}

void TMainForm::EmbedFrontPanel() {
  auto* panel = new TNX596PanelForm({statusPanel_, DeviceAddress()}, scrollBox_);
  const QSize size = panel->size();
  scrollBox_->setWidget(panel);
  scrollBox_->setWidgetResizable(false);
  scrollBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scrollBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The window takes the panel's size plus a small margin; the frame stays fixed.
  const int width = std::max(size.width() + 3, menuBar()->sizeHint().width());
  const int height =
      menuBar()->sizeHint().height() + size.height() + 3 + statusBar()->sizeHint().height();
  setFixedSize(width, height);
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
  panel->show();
  frontPanel_ = panel;
}

void TMainForm::UpdateRmonMenu() {
  try {
    if (!rmonStateBinding_) return;
    rmonStateBinding_->Refresh();
    const QString state = rmonState_->text();
    for (const char* name : {"Statistics1", "History1", "AlarmEvent1"}) {
      QAction* action = MenuAction(QString::fromLatin1(name));
      if (state == QLatin1String("disabled"))
        action->setEnabled(false);
      else if (state == QLatin1String("enabled"))
        action->setEnabled(true);
    }
  } catch (const std::exception& error) {
    statusPanel_->setText(QString::fromUtf8(error.what()));
  }
}

void TMainForm::RMON1Click() {
  UpdateRmonMenu();
}

void TMainForm::SaveChanges1Click() {
  if (!ZnNotifier().Message(this, QStringLiteral("Device Save Changes"),
                            QStringLiteral("Are you sure?"), ZnUserNotifier::Buttons::OkCancel,
                            ZnUserNotifier::Icon::Information))
    return;
  QString unchangedTitle = launch_.texts.CurrentTitle;
  std::unique_ptr<TConfigForm> form =
      ZnBuildCatalogueDialog(kSaveChangesDialog, DeviceAddress(), unchangedTitle, this);
  form->exec();
}

void TMainForm::Reset2Click() {
  if (!ZnNotifier().Message(this, QStringLiteral("Device Reboot"), QStringLiteral("Are you sure?"),
                            ZnUserNotifier::Buttons::OkCancel, ZnUserNotifier::Icon::Information))
    return;
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(kSystemReset, ZnItemType::SVT_SV, 0);
  request.Timeout = 1200;
  request.VarList.Item(0).Value = QStringLiteral("3");
  request.Set();
}

void TMainForm::Help2Click() {
  const QString fileName = programDirectory + QString::fromLatin1(kZnHelpFileName);
  if (helpOpener && !helpOpener(fileName))
    ZnNotifier().Message(
        this, ZnProgramFileName(),
        QStringLiteral("Cannot open the help file \"%1\".").arg(QDir::toNativeSeparators(fileName)),
        ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Warning);
}

void TMainForm::About1Click() {
  // Modeless, and it frees itself when closed; each click opens another.
  TAboutForm::Instance = new TAboutForm(this);
  TAboutForm::Instance->show();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (ZnNotifier().Message(this, QStringLiteral("Exit"), QStringLiteral("Are you sure to exit?"),
                           ZnUserNotifier::Buttons::YesNo, ZnUserNotifier::Icon::Question)) {
    // The ports' traffic windows go with the window they were opened from.
    TTrafficForm::CloseAll();
    event->accept();
  }
  else
    event->ignore();
}
