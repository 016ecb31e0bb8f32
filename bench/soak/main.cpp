// bench_soak: the main window with its front panel and live LEDs against a simulated switch that
// drops every 10th request, while a driver opens a generic table dialog, waits for its read,
// refreshes it, waits again and closes it, then does the same with a hand-made dialog (the IGMP
// router ports dialog), cycle after cycle. Prints
//   1. resident memory after 100 cycles and after the last one (goal: within 10 %);
//   2. open file descriptors and sockets after the first cycle (which opens the connections the
//      session keeps for the dialogs' settings) and after the last (goal: unchanged);
//   3. how many reads ended in a failure (the dropped requests that used up their retries) and
//      that the LEDs were still polled at the end.
// Under the sanitizer build LeakSanitizer checks the whole run at exit.
//
// The dialogs' requests use a short time-out (default 100 ms per try, one retry) so that the
// dropped requests cost little time; the main window and its LED poll keep their own settings.
//
//   QT_QPA_PLATFORM=offscreen bench_soak [cycles, 1000] [dialog time-out in ms, 100]
//
// Exits non-zero when a goal is missed, a dialog never finished its read, or the LEDs stopped.
#include "BenchAgent.h"
#include "BenchHost.h"
#include "TConfigForm.h"
#include "TIGMPRouterPortsForm.h"
#include "TMainForm.h"
#include "TNX596PanelForm.h"
#include "ZnCatalogue.h"
#include "ZnCatalogueDialog.h"
#include "ZnHandMadeDialogs.h"
#include "ZnRegistry.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPRequest2Leds.h"
#include "ZnSNMPSettings.h"
#include "ZnUserNotifier.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

// Fontconfig, which Qt's font database loads for any widget, keeps a few hundred bytes it never
// frees; LeakSanitizer is to report this program's own leaks.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

namespace {

constexpr qint64 kReadDeadlineMs = 60000;

// Resident memory in KiB, from the kernel's view of this process.
long ResidentKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
  return -1;
}

struct Descriptors {
  int files = 0;
  int sockets = 0;
};

Descriptors OpenDescriptors() {
  Descriptors count;
  const QDir fds(QStringLiteral("/proc/self/fd"));
  for (const QString& name : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
    const QString target = QFileInfo(fds.filePath(name)).symLinkTarget();
    if (target.isEmpty()) continue;  // the directory listing's own descriptor, gone already
    ++count.files;
    if (QFileInfo(target).fileName().startsWith(QLatin1String("socket:"))) ++count.sockets;
  }
  return count;
}

// Runs the event loop until `done` holds or the deadline passes; false on the deadline.
bool RunUntil(const std::function<bool()>& done, qint64 deadlineMs = kReadDeadlineMs) {
  QElapsedTimer waited;
  waited.start();
  while (!done()) {
    if (waited.elapsed() > deadlineMs) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  }
  return true;
}

// Reports failures in status lines; a message box would stop the run, so none may come.
class Counting : public ZnUserNotifier {
 public:
  bool Message(QWidget*, const QString&, const QString& text, Buttons, Icon) override {
    ++messages;
    last = text;
    return true;
  }
  void Beep() override {}
  int messages = 0;
  QString last;
};

// The first catalogue entry that is one table page: a generic table dialog.
const ZnCatalogueEntry* TableEntry() {
  for (const ZnCatalogueEntry& entry : ZnCatalogue())
    if (!entry.pagesMode && entry.pages.size() == 1 && entry.pages[0].kind == ZnPageKind::ListView)
      return &entry;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int cycles = argc > 1 ? std::max(100, std::atoi(argv[1])) : 1000;
  const int dialogTimeoutMs = argc > 2 ? std::max(10, std::atoi(argv[2])) : 100;

  QTemporaryDir host;
  QProcess agent;
  const int port = StartBenchAgent(
      agent, {"--slot1", "1", "--slot2", "3", "--leds-live", "--drop", "10"});
  if (port == 0) {
    std::fprintf(stderr, "nx596-agent did not start\n");
    return 1;
  }
  const QString registry = LayOutBenchHost(host, port);
  Counting notifier;
  ZnSetNotifier(&notifier);

  const ZnCatalogueEntry* tableEntry = TableEntry();
  if (!tableEntry) {
    std::fprintf(stderr, "no generic table dialog in the catalogue\n");
    return 1;
  }
  int failures = 0, failedReads = 0;
  {
    TMainForm form({"/I127.0.0.1", "/Rtamrel", "/Wvosquin"}, ZnRegistry(registry));
    form.FormCreate();
    form.show();
    RunUntil([&] { return form.FrontPanel() && form.FrontPanel()->LedBinding(); }, 30000);
    TNX596PanelForm* panel = form.FrontPanel();
    if (!panel || !panel->LedBinding()) {
      std::fprintf(stderr, "the front panel was not built: %s\n",
                   qPrintable(form.StatusPanel()->text()));
      return 1;
    }
    int polls = 0;
    panel->LedBinding()->OnGetDone = [&](ZnSNMPRequest2Controls*, const ZnSNMPError&) { ++polls; };
    // From here on, requests made by the dialogs take the short time-out.
    ZnSNMPDefaultTimeout = dialogTimeoutMs / 10;
    std::printf("soak: %d cycles of '%s' and TIGMPRouterPortsForm (open, read, refresh, close), "
                "switch dropping every 10th request, dialog time-out %d ms\n",
                cycles, tableEntry->componentName, dialogTimeoutMs);

    const auto readEnded = [&](ZnSNMPRequest2Edits* binding) {
      if (!binding) return false;
      return RunUntil([&] { return !binding->Busy(); });
    };
    const auto cycle = [&]() -> bool {
      // The generic table dialog: its first read starts when it is shown.
      {
        QString title = form.windowTitle();
        std::unique_ptr<TConfigForm> dialog =
            ZnBuildCatalogueDialog(*tableEntry, QStringLiteral("127.0.0.1"), title, &form);
        dialog->show();
        if (!RunUntil([&] { return dialog->Current() != nullptr; })) return false;
        if (!readEnded(dialog->Current())) return false;
        failedReads += dialog->Current()->RowCount() == 0;
        dialog->RefreshCurrentPage();
        if (!readEnded(dialog->Current())) return false;
        dialog->close();
      }
      // The hand-made dialog: it reads when it opens, Get reads again.
      {
        std::unique_ptr<QDialog> made = ZnCreateHandMadeDialog(
            QStringLiteral("TIGMPRouterPortsForm"), QStringLiteral("127.0.0.1"), &form);
        auto* igmp = dynamic_cast<TIGMPRouterPortsForm*>(made.get());
        if (!igmp) return false;
        igmp->show();
        if (!RunUntil([&] { return igmp->DataComplete(); })) return false;
        igmp->btnGetClick();
        if (!RunUntil([&] { return igmp->DataComplete(); })) return false;
        igmp->close();
      }
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      return true;
    };

    // The first cycle opens the connections the session keeps for the dialogs' settings (one
    // per distinct target and time-out, for the rest of the run); what is open after it is the
    // level that must not grow.
    const Descriptors atStart = OpenDescriptors();
    Descriptors before;
    long residentAt100 = 0;
    QElapsedTimer wall;
    wall.start();
    for (int c = 1; c <= cycles; ++c) {
      if (!cycle()) {
        std::printf("cycle %d: a dialog never finished its read\n", c);
        ++failures;
        break;
      }
      if (c == 1) before = OpenDescriptors();
      if (c == 100) residentAt100 = ResidentKiB();
      if (c % 100 == 0) {
        std::printf("  cycle %4d: %.0f s, resident %ld KiB, %lld widgets, %lld objects under the "
                    "main window\n",
                    c, wall.elapsed() / 1000.0, ResidentKiB(),
                    static_cast<long long>(QApplication::allWidgets().size()),
                    static_cast<long long>(form.findChildren<QObject*>().size()));
        std::fflush(stdout);
      }
    }
    // Let the LED poll run on, then count what is open. The LEDs kept polling when their reads
    // kept completing: at least half the polls of a 3 s interval, and one more at the end (within
    // 11 s: a dropped poll waits out the panel's 5 s time-out before its retry).
    const int pollsBefore = polls;
    RunUntil([&] { return polls > pollsBefore; }, 11000);
    const int expectedPolls = static_cast<int>(wall.elapsed() / 3000);
    const bool ledsPolled = polls > pollsBefore && polls >= expectedPolls / 2;
    const long residentAtEnd = ResidentKiB();
    const Descriptors after = OpenDescriptors();

    const double growth =
        residentAt100 > 0 ? 100.0 * (residentAtEnd - residentAt100) / residentAt100 : 0.0;
    const bool memoryMet = residentAt100 > 0 && growth <= 10.0;
    const bool descriptorsMet = after.files == before.files && after.sockets == before.sockets;
    std::printf("resident memory: %ld KiB after 100 cycles, %ld KiB after %d: %+.1f %% (goal "
                "within 10 %%) %s\n",
                residentAt100, residentAtEnd, cycles, growth, memoryMet ? "met" : "missed");
    std::printf("open descriptors: %d after the first cycle, %d after the last; sockets: %d "
                "after the first, %d after the last (goal unchanged) %s; before the first cycle: "
                "%d descriptors, %d sockets\n",
                before.files, after.files, before.sockets, after.sockets,
                descriptorsMet ? "met" : "missed", atStart.files, atStart.sockets);
    std::printf("table reads that ended without a row: %d; message boxes: %d%s%s\n", failedReads,
                notifier.messages, notifier.messages ? ", last: " : "",
                qPrintable(notifier.last));
    std::printf("LED polls completed: %d (at least %d expected) %s; main window status: %s; %.0f s "
                "in all\n",
                polls, expectedPolls / 2, ledsPolled ? "polling" : "STOPPED",
                qPrintable(form.StatusPanel()->text()), wall.elapsed() / 1000.0);
    failures += !memoryMet + !descriptorsMet + !ledsPolled;
    form.hide();
  }
  ZnSetNotifier(nullptr);
  agent.terminate();
  agent.waitForFinished(3000);
  return failures ? 1 : 0;
}
