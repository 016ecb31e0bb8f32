#include "TSwitchesForm.h"

#include "TSwitchEditForm.h"
#include "ZnHandOver.h"
#include "ZnListExport.h"
#include "ZnRegistry.h"
#include "ZnSecretStore.h"
#include "ZnUserNotifier.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kTitle = QStringLiteral("Switches");
const QString kSecretService = QStringLiteral("nx596");
const QString kSimulatedName = QStringLiteral("Simulated NX-596");
// How long one turn of the event loop may spend sending polls: the first poll of an SNMPv3
// switch opens a connection, which derives its keys from the pass phrases (a megabyte of
// hashing each), so a turn ends once this is spent, after one poll at least.
constexpr qint64 kSendingPerTurnMs = 10;

QString SecretKey(const QString& id) {
  return QStringLiteral("switch/") + id;
}

QString WithSeparator(QString path) {
  if (!path.isEmpty() && !path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  return path;
}

// A state may be a long message: the cell shows what fits, the tooltip all of it.
void SetState(QTreeWidgetItem* item, const QString& text) {
  item->setText(TSwitchesForm::State, text);
  item->setToolTip(TSwitchesForm::State, text);
}

QString UserOrCommunityText(const ZnSwitchEntry& e) {
  // A community is a secret like a pass phrase: the list (and what is copied or exported of
  // it) shows that there is one, never what it is.
  return e.Version == 3 ? e.SecurityName : QStringLiteral("community ••••••");
}

}  // namespace

TSwitchesForm::TSwitchesForm(QWidget* parent)
    : QMainWindow(parent),
      pollTimer_(new QTimer(this)),
      sendTimer_(new QTimer(this)),
      secrets_(new ZnSecretStore(kSecretService, this)) {
  setObjectName(QStringLiteral("SwitchesForm"));
  setWindowTitle(QStringLiteral("%1 - %2").arg(kTitle, QCoreApplication::applicationName()));
  program = QCoreApplication::applicationFilePath();
  const QString dir = QCoreApplication::applicationDirPath();
  agentProgram = QStandardPaths::findExecutable(QStringLiteral("nx596-agent"),
                                                {dir, dir + QStringLiteral("/../tools/agent")});
  if (agentProgram.isEmpty())
    agentProgram = QStandardPaths::findExecutable(QStringLiteral("nx596-agent"));

  listFile_ = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
              QStringLiteral("/switches.ini");
  dataDirectory_ = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);

  auto* client = new QWidget(this);
  auto* layout = new QVBoxLayout(client);
  auto* top = new QHBoxLayout;
  BT_Open = Button(QStringLiteral("&Open"), "BT_Open", &TSwitchesForm::OpenSwitch);
  BT_Add = Button(QStringLiteral("&Add…"), "BT_Add", &TSwitchesForm::AddSwitch);
  BT_Edit = Button(QStringLiteral("&Edit…"), "BT_Edit", &TSwitchesForm::EditSwitch);
  BT_Duplicate =
      Button(QStringLiteral("D&uplicate…"), "BT_Duplicate", &TSwitchesForm::DuplicateSwitch);
  BT_Remove = Button(QStringLiteral("&Remove"), "BT_Remove", &TSwitchesForm::RemoveSwitch);
  BT_TrySimulated = Button(QStringLiteral("&Try with the simulated switch"), "BT_TrySimulated",
                           &TSwitchesForm::TrySimulatedSwitch);
  for (QPushButton* b : {BT_Open, BT_Add, BT_Edit, BT_Duplicate, BT_Remove}) top->addWidget(b);
  top->addStretch(1);
  top->addWidget(BT_TrySimulated);
  layout->addLayout(top);

  auto* filterRow = new QHBoxLayout;
  ED_Filter = new QLineEdit(client);
  ED_Filter->setObjectName(QStringLiteral("ED_Filter"));
  ED_Filter->setPlaceholderText(QStringLiteral("Show only the switches that contain…"));
  ED_Filter->setClearButtonEnabled(true);
  auto* filterLabel = new QLabel(QStringLiteral("&Filter:"), client);
  filterLabel->setBuddy(ED_Filter);
  filterRow->addWidget(filterLabel);
  filterRow->addWidget(ED_Filter, 1);
  layout->addLayout(filterRow);

  LV_Switches = new QTreeWidget(client);
  LV_Switches->setObjectName(QStringLiteral("LV_Switches"));
  LV_Switches->setRootIsDecorated(false);
  LV_Switches->setUniformRowHeights(true);
  LV_Switches->setAllColumnsShowFocus(true);
  LV_Switches->setSelectionMode(QAbstractItemView::ExtendedSelection);
  LV_Switches->setHeaderLabels(
      {QStringLiteral("Name"), QStringLiteral("Address"), QStringLiteral("Port"),
       QStringLiteral("Version"), QStringLiteral("User or community"), QStringLiteral("State"),
       QStringLiteral("sysName"), QStringLiteral("Up time"), QStringLiteral("Model")});
  LV_Switches->setSortingEnabled(true);
  LV_Switches->sortByColumn(Name, Qt::AscendingOrder);
  // Each column as wide as a long value of its kind, so that a usual row reads whole.
  const QFontMetrics metrics = fontMetrics();
  const char* const samples[] = {"Simulated NX-596 (copy)",
                                 "255.255.255.255",
                                 "65535",
                                 "SNMPv2c",
                                 "community ••••••",
                                 "(SNMPClass) SNMP request timed out!",
                                 "core-switch-01",
                                 "365 days, 23:59:59.99",
                                 "NX-596 24-port managed Ethernet switch"};
  int total = 0;
  for (int c = 0; c < int(std::size(samples)); ++c) {
    const int width = metrics.horizontalAdvance(QString::fromUtf8(samples[c])) + 24;
    LV_Switches->setColumnWidth(c, width);
    total += width;
  }
  ZnEquipListView(LV_Switches);
  layout->addWidget(LV_Switches, 1);
  setCentralWidget(client);

  StatusPanel = new QLabel(statusBar());
  StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
  StatusPanel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  statusBar()->addWidget(StatusPanel, 1);

  BuildMenu();
  connect(ED_Filter, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
  connect(LV_Switches, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
  // A double click and Enter both activate a row.
  connect(LV_Switches, &QTreeWidget::itemActivated, this, [this] { OpenSwitch(); });
  connect(pollTimer_, &QTimer::timeout, this, [this] { QueueAll(); });
  sendTimer_->setInterval(0);
  connect(sendTimer_, &QTimer::timeout, this, [this] { SendQueued(); });
  UpdateButtons();
  // Every column in view where the screen has room for them; the list scrolls where not.
  int width = total + 40;
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    width = std::min(width, screen->availableGeometry().width() * 9 / 10);
  resize(width, metrics.lineSpacing() * 30);
  LV_Switches->setFocus();
}

TSwitchesForm::~TSwitchesForm() {
  for (auto& [id, s] : switches_) CancelPoll(s);
  // The management windows stay open: their channels close, which they take as the end of
  // the Switches window, not of themselves.
  for (Window& w : windows_) delete w.channel;
  if (simulated_) {
    simulated_->disconnect(this);
    simulated_->terminate();
    if (!simulated_->waitForFinished(5000)) simulated_->kill();
    simulated_->waitForFinished(1000);
  }
}

QPushButton* TSwitchesForm::Button(const QString& caption, const char* name,
                                   void (TSwitchesForm::*action)()) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, action);
  return button;
}

void TSwitchesForm::BuildMenu() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Switch"));
  const auto add = [this](QMenu* menu, const QString& caption, void (TSwitchesForm::*action)(),
                          const QKeySequence& keys = {}) {
    QAction* a = menu->addAction(caption, this, action);
    a->setShortcut(keys);
    return a;
  };
  add(file, QStringLiteral("&Open"), &TSwitchesForm::OpenSwitch);
  add(file, QStringLiteral("&Add…"), &TSwitchesForm::AddSwitch, QKeySequence::New);
  add(file, QStringLiteral("&Edit…"), &TSwitchesForm::EditSwitch);
  add(file, QStringLiteral("D&uplicate…"), &TSwitchesForm::DuplicateSwitch);
  add(file, QStringLiteral("&Remove"), &TSwitchesForm::RemoveSwitch, QKeySequence::Delete);
  file->addSeparator();
  add(file, QStringLiteral("&Try with the simulated switch"), &TSwitchesForm::TrySimulatedSwitch);
  file->addSeparator();
  file->addAction(QStringLiteral("&Close"), QKeySequence::Quit, this, &QWidget::close);
  QMenu* list = menuBar()->addMenu(QStringLiteral("&List"));
  add(list, QStringLiteral("Import a host's &profiles…"), &TSwitchesForm::ImportProfiles);
  add(list, QStringLiteral("Import &CSV…"), &TSwitchesForm::ImportCsv);
  add(list, QStringLiteral("&Export as CSV…"), &TSwitchesForm::ExportCsv);
}

void TSwitchesForm::Start() {
  // The SNMPv3 boots counter of the window's own reads is kept with its data.
  QDir().mkpath(dataDirectory_);
  ZnSNMPOpenSession(dataDirectory_);
  // The failures are named with the module's own catalogue, as its windows name them.
  moduleDirectory_ = ZnFindHostPaths(ZnRegistry()).moduleDirectory;
  ZnLoadMessageCatalogues(moduleDirectory_);

  QList<ZnSwitchEntry> entries;
  QString why;
  if (!ZnReadSwitchList(listFile_, entries, why))
    Say(QStringLiteral("The list cannot be read: %1").arg(why));
  LV_Switches->setSortingEnabled(false);
  for (const ZnSwitchEntry& e : entries) {
    Switch& s = Keep(e, ZnSwitchSecrets{}, false);
    ReadSecrets(s);
  }
  LV_Switches->setSortingEnabled(true);
  if (entries.isEmpty())
    Say(
        QStringLiteral("No switches yet: Add one, import a host's profiles, or try the "
                       "simulated switch."));
  pollTimer_->start(pollIntervalMs);
}

// ---- The list ----------------------------------------------------------------------------

TSwitchesForm::Switch* TSwitchesForm::Find(const QString& id) {
  const auto at = switches_.find(id);
  return at == switches_.end() ? nullptr : &at->second;
}

TSwitchesForm::Switch* TSwitchesForm::Current() {
  QTreeWidgetItem* item = LV_Switches->currentItem();
  if (!item || !item->isSelected() || item->isHidden()) return nullptr;
  return Find(item->data(Name, Qt::UserRole).toString());
}

QList<ZnSwitchEntry> TSwitchesForm::Entries() const {
  QList<ZnSwitchEntry> entries;
  for (const QString& id : order_) entries << switches_.at(id).entry;
  return entries;
}

qint64 TSwitchesForm::WindowProcessId(const QString& id) const {
  return windows_.value(id).pid;
}

qint64 TSwitchesForm::SimulatedSwitchProcessId() const {
  return simulated_ && simulated_->state() == QProcess::Running ? simulated_->processId() : 0;
}

int TSwitchesForm::OutstandingPolls() const {
  int n = 0;
  for (const auto& [id, s] : switches_) n += s.ticket != 0;
  return n;
}

TSwitchesForm::Switch& TSwitchesForm::Keep(const ZnSwitchEntry& entry,
                                           const ZnSwitchSecrets& secrets, bool secretsKnown) {
  Switch& s = switches_[entry.Id];
  CancelPoll(s);
  s.entry = entry;
  s.secrets = secrets;
  s.secretsKnown = secretsKnown;
  if (!order_.contains(entry.Id)) order_ << entry.Id;
  if (!s.item) {
    s.item = new QTreeWidgetItem;
    s.item->setData(Name, Qt::UserRole, entry.Id);
    LV_Switches->addTopLevelItem(s.item);
  }
  ShowRow(s);
  SetState(s.item,
           secretsKnown ? QStringLiteral("Reading…") : QStringLiteral("Reading the secret store…"));
  for (int c : {SysName, UpTime, Model}) s.item->setText(c, QString());
  s.item->setHidden(!Shown(s.item));
  UpdateButtons();
  if (secretsKnown) Queue(s);
  return s;
}

void TSwitchesForm::ShowRow(Switch& s) {
  const ZnSwitchEntry& e = s.entry;
  QTreeWidgetItem* item = s.item;
  item->setText(Name, e.Name);
  item->setText(Address, e.Address);
  // A number, so that the column sorts as numbers do.
  item->setData(Port, Qt::DisplayRole, int(e.Port));
  item->setText(Version, ZnVersionName(e.Version));
  item->setText(UserOrCommunity, UserOrCommunityText(e));
}

void TSwitchesForm::ShowProbe(Switch& s, const ZnProbeResult& r) {
  if (!s.item) return;
  if (!r.answered) {
    SetState(s.item, r.failure);
    return;
  }
  SetState(s.item, QStringLiteral("Answers (%1 ms)").arg(r.milliseconds));
  s.item->setText(SysName, r.sysName);
  s.item->setText(UpTime, r.upTime);
  s.item->setText(Model, r.sysDescr);
  s.item->setToolTip(Model, r.sysDescr);
}

bool TSwitchesForm::Shown(const QTreeWidgetItem* item) const {
  const QString filter = ED_Filter->text().trimmed();
  if (filter.isEmpty()) return true;
  for (int c = 0; c < LV_Switches->columnCount(); ++c)
    if (item->text(c).contains(filter, Qt::CaseInsensitive)) return true;
  return false;
}

void TSwitchesForm::ApplyFilter() {
  for (int i = 0; i < LV_Switches->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = LV_Switches->topLevelItem(i);
    item->setHidden(!Shown(item));
  }
  UpdateButtons();
}

void TSwitchesForm::UpdateButtons() {
  const bool chosen = Current() != nullptr;
  for (QPushButton* b : {BT_Open, BT_Edit, BT_Duplicate, BT_Remove}) b->setEnabled(chosen);
}

void TSwitchesForm::Say(const QString& text) {
  StatusPanel->setText(text);
}

bool TSwitchesForm::SaveList() {
  QString why;
  if (ZnWriteSwitchList(listFile_, Entries(), why)) return true;
  Say(QStringLiteral("The list was not saved: %1").arg(why));
  ZnNotifier().Message(this, kTitle,
                       QStringLiteral("The list of switches was not saved.\n%1").arg(why),
                       ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Critical);
  return false;
}

// ---- Secrets -----------------------------------------------------------------------------

void TSwitchesForm::ReadSecrets(Switch& s) {
  const QString id = s.entry.Id;
  if (s.entry.SessionOnly) {
    SetState(s.item, QStringLiteral("Its communities and pass phrases were kept for one session "
                                    "only: Edit it to give them again."));
    return;
  }
  secrets_->Read(SecretKey(id), this,
                 [this, id](bool found, const QByteArray& data, const QString& failure) {
                   Switch* s = Find(id);
                   if (!s) return;
                   ZnSwitchSecrets secrets;
                   if (found && ZnSwitchSecrets::Unpack(data, secrets)) {
                     s->secrets = secrets;
                     s->secretsKnown = true;
                     SetState(s->item, QStringLiteral("Reading…"));
                     Queue(*s);
                     return;
                   }
                   SetState(s->item, failure.isEmpty()
                                         ? QStringLiteral("No communities or pass phrases stored: "
                                                          "Edit it to give them.")
                                         : QStringLiteral("The secret store cannot be read (%1): "
                                                          "Edit it to give them for this session.")
                                               .arg(failure));
                 });
}

void TSwitchesForm::StoreSecrets(Switch& s) {
  const QString id = s.entry.Id;
  secrets_->Write(SecretKey(id), s.secrets.Pack(), s.entry.SessionOnly, this,
                  [this, id](bool persistent, const QString& failure) {
                    if (persistent || failure.isEmpty() || toldNoStore_) return;
                    toldNoStore_ = true;
                    const Switch* s = Find(id);
                    const QString text =
                        QStringLiteral(
                            "The desktop's secret store did not take the communities and pass "
                            "phrases of \"%1\" (%2). They are remembered for this session only "
                            "and never written to a file; start a secret service (such as the "
                            "desktop's keyring) to keep them.")
                            .arg(s ? s->entry.Name : id, failure);
                    Say(
                        QStringLiteral("Secrets are remembered for this session only: no secret "
                                       "store of the desktop took them."));
                    ZnNotifier().Message(this, kTitle, text, ZnUserNotifier::Buttons::Ok,
                                         ZnUserNotifier::Icon::Warning);
                  });
}

// ---- Actions -----------------------------------------------------------------------------

void TSwitchesForm::EditInForm(const QString& caption, ZnSwitchEntry entry, ZnSwitchSecrets secrets,
                               bool replace) {
  TSwitchEditForm form(caption, entry, secrets, entry.SessionOnly, this);
  if (form.exec() != QDialog::Accepted) return;
  ZnSwitchEntry edited = form.Entry();
  edited.SessionOnly = form.SessionOnly();
  if (!replace) edited.Id = ZnNewSwitchId();
  Switch& s = Keep(edited, form.Secrets(), true);
  StoreSecrets(s);
  SaveList();
  LV_Switches->clearSelection();
  LV_Switches->setCurrentItem(s.item);
  s.item->setSelected(true);
  Say(QStringLiteral("\"%1\" is kept.").arg(edited.Name));
}

void TSwitchesForm::AddSwitch() {
  ZnSwitchEntry e;
  e.Id = ZnNewSwitchId();
  EditInForm(QStringLiteral("Add a switch"), e, ZnSwitchSecrets{}, false);
}

void TSwitchesForm::EditSwitch() {
  Switch* s = Current();
  if (!s) return;
  EditInForm(QStringLiteral("Edit %1").arg(s->entry.Name), s->entry, s->secrets, true);
}

void TSwitchesForm::DuplicateSwitch() {
  Switch* s = Current();
  if (!s) return;
  ZnSwitchEntry copy = s->entry;
  copy.Name = QStringLiteral("%1 (copy)").arg(copy.Name);
  EditInForm(QStringLiteral("Duplicate %1").arg(s->entry.Name), copy, s->secrets, false);
}

void TSwitchesForm::RemoveSwitch() {
  QList<QString> ids;
  for (QTreeWidgetItem* item : LV_Switches->selectedItems())
    if (!item->isHidden()) ids << item->data(Name, Qt::UserRole).toString();
  if (ids.isEmpty()) return;
  const QString what = ids.size() == 1 ? QStringLiteral("\"%1\"").arg(Find(ids.first())->entry.Name)
                                       : QStringLiteral("these %1 switches").arg(ids.size());
  if (!ZnNotifier().Message(this, kTitle,
                            QStringLiteral("Remove %1 from the list, with the communities and "
                                           "pass phrases kept for it?")
                                .arg(what),
                            ZnUserNotifier::Buttons::YesNo, ZnUserNotifier::Icon::Question))
    return;
  for (const QString& id : ids) Forget(id);
  SaveList();
  Say(QStringLiteral("Removed %1.").arg(what));
}

void TSwitchesForm::Forget(const QString& id) {
  Switch* s = Find(id);
  if (!s) return;
  CancelPoll(*s);
  secrets_->Remove(SecretKey(id));
  delete s->item;
  switches_.erase(id);
  order_.removeAll(id);
  queue_.removeAll(id);
  UpdateButtons();
}

int TSwitchesForm::AddSwitches(const QList<ZnImportedSwitch>& switches) {
  // The list is sorted once, after all have come, not once for each.
  LV_Switches->setSortingEnabled(false);
  for (const ZnImportedSwitch& imported : switches) {
    Switch& s = Keep(imported.entry, imported.secrets, true);
    StoreSecrets(s);
  }
  LV_Switches->setSortingEnabled(true);
  if (!switches.isEmpty()) SaveList();
  return int(switches.size());
}

void TSwitchesForm::ImportProfiles() {
  const QString dir = ZnNotifier().OpenName(
      this, QStringLiteral("Import the switches of a host's profile directory"), QString(), true);
  if (dir.isEmpty()) return;
  QStringList skipped;
  const QList<ZnImportedSwitch> found = ZnImportProfileDirectory(dir, skipped);
  ReportImport(dir, AddSwitches(found), skipped);
}

void TSwitchesForm::ReportImport(const QString& from, int added, const QStringList& skipped) {
  Say(QStringLiteral("Imported %1 switches from %2%3.")
          .arg(added)
          .arg(QDir::toNativeSeparators(from),
               skipped.isEmpty() ? QString()
                                 : QStringLiteral("; passed by: %1").arg(skipped.join("; "))));
}

void TSwitchesForm::ImportCsv() {
  const QString path =
      ZnNotifier().OpenName(this, QStringLiteral("Import switches from CSV"),
                            QStringLiteral("CSV files (*.csv);;All files (*)"), false);
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ZnNotifier().Message(this, kTitle,
                         QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()),
                         ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Warning);
    return;
  }
  QStringList skipped;
  const QList<ZnImportedSwitch> found =
      ZnImportSwitchCsv(QString::fromUtf8(file.readAll()), skipped);
  ReportImport(path, AddSwitches(found), skipped);
}

void TSwitchesForm::ExportCsv() {
  ZnExportListAsCsv(*LV_Switches);
}

// ---- Polls -------------------------------------------------------------------------------

void TSwitchesForm::QueueAll() {
  for (const QString& id : order_) Queue(switches_.at(id));
}

void TSwitchesForm::Queue(Switch& s) {
  // A switch whose last read is still under way (a silent one waits out its tries) is not
  // asked again on top of it.
  if (!s.secretsKnown || s.ticket != 0 || s.queued) return;
  s.queued = true;
  queue_ << s.entry.Id;
  if (!sendTimer_->isActive()) sendTimer_->start();
}

void TSwitchesForm::SendQueued() {
  QElapsedTimer spent;
  spent.start();
  for (bool first = true; !queue_.isEmpty() && (first || spent.elapsed() < kSendingPerTurnMs);
       first = false) {
    Switch* s = Find(queue_.takeFirst());
    if (!s) continue;
    s->queued = false;
    const QString id = s->entry.Id;
    const std::uint64_t ticket =
        ZnProbeSwitch(ZnSwitchTarget(s->entry, s->secrets), [this, id](const ZnProbeResult& r) {
          Switch* s = Find(id);
          if (!s) return;
          s->ticket = 0;
          ShowProbe(*s, r);
        });
    s->ticket = ticket;  // 0 when it completed at once
  }
  if (queue_.isEmpty()) sendTimer_->stop();
}

void TSwitchesForm::CancelPoll(Switch& s) {
  if (s.ticket != 0) ZnSNMPCancel(s.ticket);
  s.ticket = 0;
  if (s.queued) queue_.removeAll(s.entry.Id);
  s.queued = false;
}

// ---- Management windows ------------------------------------------------------------------

void TSwitchesForm::OpenSwitch() {
  Switch* s = Current();
  if (!s) return;
  if (!s->secretsKnown) {
    Say(QStringLiteral("The communities and pass phrases of \"%1\" are not known: Edit it to "
                       "give them.")
            .arg(s->entry.Name));
    return;
  }
  if (const Window w = windows_.value(s->entry.Id); w.channel && w.channel->IsOpen()) {
    if (w.channel->Send(kZnRaiseCommand)) {
      Say(QStringLiteral("The window of \"%1\" is open already: bringing it to the front.")
              .arg(s->entry.Name));
      return;
    }
  }
  Launch(*s);
}

void TSwitchesForm::Launch(Switch& s) {
  const QString id = s.entry.Id;
  const QString name = s.entry.Name;
  const QString directory = dataDirectory_ + QStringLiteral("/switches/") + id;
  ZnSwitchStart start;
  QString why;
  int parentEnd = -1;
  int childEnd = -1;
  if (!ZnPrepareSwitchStart(s.entry, s.secrets, directory, WithSeparator(moduleDirectory_), start,
                            why) ||
      !ZnMakeHandOverPair(parentEnd, childEnd, why)) {
    Say(QStringLiteral("\"%1\" cannot be opened: %2").arg(name, why));
    return;
  }
  QProcess process;
  process.setProgram(program);
  process.setArguments(start.parameters);
  process.setWorkingDirectory(directory);  // where its SNMPv3 boots counter is kept
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("NX596_REGISTRY"), start.registryFile);
  environment.insert(QString::fromLatin1(kZnHandOverVariable), QString::number(childEnd));
  process.setProcessEnvironment(environment);
  process.setStandardOutputFile(QProcess::nullDevice());
  // The child's end alone is inherited, and only by this start.
  ::fcntl(childEnd, F_SETFD, 0);
  qint64 pid = 0;
  const bool started = process.startDetached(&pid);
  ::close(childEnd);
  if (!started) {
    ::close(parentEnd);
    Say(QStringLiteral("\"%1\" cannot be opened: %2 does not start (%3).")
            .arg(name, program, process.errorString()));
    return;
  }
  auto* channel = new ZnHandOverChannel(parentEnd, {}, this);
  channel->onMessage = [this, id](const QByteArray& message) { OnWindowMessage(id, message); };
  channel->onClosed = [this, id] { OnWindowClosed(id); };
  delete windows_.value(id).channel;
  windows_.insert(id, Window{pid, channel});
  channel->Write(ZnEncodeHandOver(start.secretParameters));
  Say(QStringLiteral("Opening the window of \"%1\"…").arg(name));
}

void TSwitchesForm::OnWindowMessage(const QString& id, const QByteArray& message) {
  const Switch* s = Find(id);
  if (message == kZnRaisedAnswer && s)
    Say(QStringLiteral("The window of \"%1\" is in front.").arg(s->entry.Name));
}

void TSwitchesForm::OnWindowClosed(const QString& id) {
  const Window w = windows_.take(id);
  if (w.channel) w.channel->deleteLater();
}

// ---- The simulated switch ----------------------------------------------------------------

void TSwitchesForm::TrySimulatedSwitch() {
  if (SimulatedSwitchProcessId() != 0) {
    Say(QStringLiteral("The simulated switch runs already."));
    return;
  }
  if (agentProgram.isEmpty() || !QFileInfo(agentProgram).isExecutable()) {
    Say(
        QStringLiteral("The simulated switch (nx596-agent) is not installed next to this program "
                       "or on the PATH."));
    return;
  }
  const QString state = dataDirectory_ + QStringLiteral("/simulated-switch");
  QDir().mkpath(state);
  delete simulated_;
  simulated_ = new QProcess(this);
  simulatedOutput_.clear();
  simulated_->setProgram(agentProgram);
  simulated_->setArguments({QStringLiteral("--port"), QStringLiteral("0"),
                            QStringLiteral("--state-dir"), state, QStringLiteral("--slot1"),
                            QStringLiteral("1"), QStringLiteral("--slot2"), QStringLiteral("3"),
                            QStringLiteral("--leds-live")});
  simulated_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  connect(simulated_, &QProcess::readyReadStandardOutput, this,
          [this] { OnSimulatedSwitchOutput(); });
  connect(simulated_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError) {
    Say(QStringLiteral("The simulated switch did not start: %1").arg(simulated_->errorString()));
  });
  Say(QStringLiteral("Starting the simulated switch…"));
  simulated_->start();
}

void TSwitchesForm::OnSimulatedSwitchOutput() {
  simulatedOutput_ += simulated_->readAllStandardOutput();
  const qsizetype end = simulatedOutput_.indexOf('\n');
  if (end < 0 || !simulatedOutput_.startsWith("READY ")) return;
  const int port = simulatedOutput_.mid(6, end - 6).trimmed().toInt();
  simulatedOutput_.clear();
  disconnect(simulated_, &QProcess::readyReadStandardOutput, this, nullptr);
  // One row for the simulated switch: it starts on another free port every time.
  ZnSwitchEntry entry;
  for (const QString& id : order_) {
    const ZnSwitchEntry& e = switches_.at(id).entry;
    if (e.Name == kSimulatedName && e.Address == QLatin1String("127.0.0.1")) entry = e;
  }
  if (entry.Id.isEmpty()) {
    entry.Id = ZnNewSwitchId();
    entry.Name = kSimulatedName;
    entry.Address = QStringLiteral("127.0.0.1");
    entry.Version = 1;
  }
  entry.Port = static_cast<std::uint16_t>(port);
  ZnSwitchSecrets secrets;  // the simulated switch's communities are the program's defaults
  if (const Switch* known = Find(entry.Id); known && known->secretsKnown) secrets = known->secrets;
  Switch& s = Keep(entry, secrets, true);
  StoreSecrets(s);
  SaveList();
  LV_Switches->clearSelection();
  LV_Switches->setCurrentItem(s.item);
  s.item->setSelected(true);
  Say(QStringLiteral("The simulated switch answers on 127.0.0.1 port %1: Open it.").arg(port));
}

void TSwitchesForm::closeEvent(QCloseEvent* event) {
  if (SimulatedSwitchProcessId() != 0 && !windows_.isEmpty() &&
      !ZnNotifier().Message(this, kTitle,
                            QStringLiteral("The simulated switch ends with this window, and the "
                                           "windows opened for it lose it. Close?"),
                            ZnUserNotifier::Buttons::YesNo, ZnUserNotifier::Icon::Question)) {
    event->ignore();
    return;
  }
  event->accept();
}
