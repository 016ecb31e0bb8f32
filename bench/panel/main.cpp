// bench_panel_idle: the main window with its front panel against the simulated switch with live
// LEDs and a module in each slot. Measures
//   1. the CPU the idle program uses while the panel polls every 3 seconds (user + system time
//      over wall time, start-up excluded);
//   2. the longest time the window is blocked (the longest gap between two ticks of a 10 ms
//      timer) while the switch is silent: the agent is stopped with SIGSTOP, so requests get no
//      answer at all, as with a switch that is rebooting or unplugged;
//   3. that the LEDs went dark while it was silent and came back when it answered again.
//
//   QT_QPA_PLATFORM=offscreen bench_panel_idle [idle seconds, 60] [silent seconds, 30]
#include "BenchAgent.h"
#include "BenchHost.h"
#include "BenchLoop.h"
#include "TMainForm.h"
#include "TNX596PanelForm.h"
#include "ZnRegistry.h"
#include "ZnSNMPRequest2Leds.h"
#include "ZnSNMPSettings.h"

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

bool AllBlack(const ZnSNMPRequest2Leds& leds) {
  for (int i = 0; i < leds.LedCount(); ++i)
    if (leds.Led(i).Colour != ZnLedColors::Black) return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int idleSeconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
  const int silentSeconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;

  QTemporaryDir host;
  QDir::setCurrent(host.path());
  QProcess agent;
  const int port = StartBenchAgent(agent, {"--slot1", "1", "--slot2", "3", "--leds-live"});
  if (port == 0) {
    std::fprintf(stderr, "nx596-agent did not start\n");
    return 1;
  }
  const QString registry = LayOutBenchHost(host, port);

  TMainForm form({"/I127.0.0.1", "/Rtamrel", "/Wvosquin"}, ZnRegistry(registry));
  form.FormCreate();
  form.show();
  RunWatched(1000);  // start-up: the panel is built and the first polls are answered
  TNX596PanelForm* panel = form.FrontPanel();
  if (!panel || !panel->LedBinding()) {
    std::fprintf(stderr, "the front panel was not built: %s\n",
                 qPrintable(form.StatusPanel()->text()));
    return 1;
  }
  const ZnSNMPRequest2Leds& leds = *panel->LedBinding();

  const double cpuBefore = CpuSeconds();
  QElapsedTimer wall;
  wall.start();
  RunWatched(idleSeconds * 1000, false);
  const double cpu = CpuSeconds() - cpuBefore;
  const double seconds = wall.elapsed() / 1000.0;
  std::printf("idle, polling every 3 s for %.0f s: CPU %.3f s = %.2f %% of one core\n", seconds,
              cpu, 100.0 * cpu / seconds);
  std::fflush(stdout);

  ::kill(static_cast<pid_t>(agent.processId()), SIGSTOP);
  const qint64 silentGap = RunWatched(silentSeconds * 1000);
  const bool dark = AllBlack(leds);
  std::printf(
      "switch silent for %d s: longest event-loop block %lld ms; LEDs dark: %s; status "
      "bar: %s\n",
      silentSeconds, static_cast<long long>(silentGap), dark ? "yes" : "no",
      qPrintable(form.StatusPanel()->text()));

  ::kill(static_cast<pid_t>(agent.processId()), SIGCONT);
  QElapsedTimer back;
  back.start();
  QTimer check;
  QEventLoop waiting;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (!AllBlack(leds) || back.elapsed() > 30000) waiting.quit();
  });
  check.start(50);
  waiting.exec();
  const bool recovered = !AllBlack(leds);
  std::printf("switch answering again: LEDs back after %.1f s: %s\n", back.elapsed() / 1000.0,
              recovered ? "yes" : "no");

  agent.terminate();
  agent.waitForFinished(3000);
  form.hide();
  return dark && recovered ? 0 : 1;
}
