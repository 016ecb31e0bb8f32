// bench_traffic: the main window with its front panel against the simulated switch with live
// traffic, then with five traffic windows open (ports 1-4 and the uplink of slot 1). Measures
//   1. the CPU the program uses over the same span without and with the five windows (user +
//      system time over wall time, start-up excluded), each window reading every 3 seconds;
//   2. the longest time the event loop is blocked (the longest gap between two ticks of a 10 ms
//      timer) while the switch answers and then while it is silent (SIGSTOP: no answer at all) and the windows go on
//      polling it;
//   3. that every window said so in its status line and drew on, after a gap, once the switch
//      answered again.
//
//   QT_QPA_PLATFORM=offscreen bench_traffic [seconds per CPU span, 60] [silent seconds, 30]
#include "BenchAgent.h"
#include "BenchLoop.h"
#include "TMainForm.h"
#include "TNX596PanelForm.h"
#include "TTrafficForm.h"
#include "ZnRateChart.h"
#include "ZnRegistry.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <algorithm>
#include <csignal>
#include <cstdio>

namespace {

// CPU share of one core over `seconds` of the running program.
double CpuShare(int seconds) {
  const double before = CpuSeconds();
  QElapsedTimer wall;
  wall.start();
  RunWatched(seconds * 1000, false);
  return 100.0 * (CpuSeconds() - before) / (static_cast<double>(wall.elapsed()) / 1000.0);
}

bool WriteFile(const QString& name, const QString& text) {
  QFile file(name);
  return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int spanSeconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
  const int silentSeconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;

  QTemporaryDir host;
  QDir::setCurrent(host.path());
  QProcess agent;
  const int port = StartBenchAgent(agent, {"--slot1", "1", "--slot2", "3", "--leds-live"});
  if (port == 0) {
    std::fprintf(stderr, "nx596-agent did not start\n");
    return 1;
  }
  QDir(host.path()).mkpath(QStringLiteral("bin"));
  QDir(host.path()).mkpath(QStringLiteral("Conf/MBF"));
  const QString registry = host.filePath(QStringLiteral("registry.ini"));
  WriteFile(registry, QStringLiteral("[\\SOFTWARE\\Orvane\\Korlin5.1\\ExePath]\nPath=%1/bin/\n")
                          .arg(host.path()));
  WriteFile(host.filePath(QStringLiteral("Conf/MBF/127.0.0.1.cfg")),
            QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=3\n"
                           "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n")
                .arg(port));

  TMainForm form({"/I127.0.0.1", "/Rtamrel", "/Wvosquin"}, ZnRegistry(registry));
  form.FormCreate();
  form.show();
  RunWatched(1000);  // start-up: the panel is built and the first polls are answered
  if (!form.FrontPanel() || !form.FrontPanel()->LedBinding()) {
    std::fprintf(stderr, "the front panel was not built: %s\n",
                 qPrintable(form.StatusPanel()->text()));
    return 1;
  }

  const double alone = CpuShare(spanSeconds);
  std::printf("main window alone for %d s: CPU %.2f %% of one core\n", spanSeconds, alone);
  std::fflush(stdout);

  const int ports[] = {1, 2, 3, 4, 25};
  QList<TTrafficForm*> windows;
  for (int p : ports) windows << TTrafficForm::Open(p, form.DeviceAddress(), &form);
  RunWatched(2000);  // the windows are laid out, drawn and have read once
  const double withWindows = CpuShare(spanSeconds);
  int fewest = 1 << 30;
  for (TTrafficForm* window : windows)
    fewest = std::min(fewest, static_cast<int>(window->RateChart()->Points(0).size()));
  std::printf(
      "main window with five traffic windows for %d s: CPU %.2f %% of one core (goal < 2 %%); "
      "%.2f %% more than alone; fewest points in a window: %d\n",
      spanSeconds, withWindows, withWindows - alone, fewest);
  std::fflush(stdout);

  // The same span with the switch answering: what the windows' own drawing blocks, as the
  // baseline of the silent span.
  const qint64 answeringGap = RunWatched(silentSeconds * 1000);
  std::printf("switch answering for %d s with five traffic windows: longest event-loop block %lld "
              "ms\n",
              silentSeconds, static_cast<long long>(answeringGap));
  std::fflush(stdout);

  ::kill(static_cast<pid_t>(agent.processId()), SIGSTOP);
  const qint64 silentGap = RunWatched(silentSeconds * 1000);
  bool allTold = true;
  for (TTrafficForm* window : windows)
    allTold = allTold && window->StatusLine()->text().startsWith(QStringLiteral("No answer"));
  std::printf(
      "switch silent for %d s with five traffic windows: longest event-loop block %lld ms "
      "(goal < 50 ms); every window says so: %s; e.g. \"%s\"\n",
      silentSeconds, static_cast<long long>(silentGap), allTold ? "yes" : "no",
      qPrintable(windows.front()->StatusLine()->text()));
  std::fflush(stdout);

  ::kill(static_cast<pid_t>(agent.processId()), SIGCONT);
  QElapsedTimer back;
  back.start();
  const auto allBack = [&] {
    for (TTrafficForm* window : windows)
      if (window->RateChart()->Segments(0) < 2) return false;
    return true;
  };
  while (!allBack() && back.elapsed() < 30000) RunWatched(100, false);
  const bool recovered = allBack();
  std::printf("switch answering again: every window draws on after a gap within %.1f s: %s\n",
              back.elapsed() / 1000.0, recovered ? "yes" : "no");

  TTrafficForm::CloseAll();
  agent.terminate();
  agent.waitForFinished(3000);
  form.hide();
  return allTold && recovered && fewest >= spanSeconds / 3 - 3 ? 0 : 1;
}
