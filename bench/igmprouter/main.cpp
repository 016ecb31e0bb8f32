// bench_igmp_router_ports: the IGMP router ports dialog against a simulated switch with a long
// VLAN table (400 VLANs by default): the dialog's first read and then its Refresh, while a 1 ms
// timer watches the event loop. Prints the rows, the time of each walk and the longest time the
// event loop was blocked (the longest gap between two timer ticks), which is what a user feels
// as a frozen window; the goal is under 50 ms.
//
//   QT_QPA_PLATFORM=offscreen bench_igmp_router_ports [vlans] [runs]
#include "BenchAgent.h"
#include "TIGMPRouterPortsForm.h"
#include "ZnSNMPSession.h"
#include "ZnSNMPSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kGoalMs = 50.0;

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int vlans = argc > 1 ? std::atoi(argv[1]) : 400;
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  QTemporaryDir state;
  ZnSNMPOpenSession(state.path());
  QProcess agent;
  const int port = StartBenchAgent(agent, {"--vlans", QString::number(vlans)});
  if (port == 0) {
    std::fprintf(stderr, "nx596-agent did not start\n");
    return 1;
  }
  ZnSNMPGlobalDevice.Port = static_cast<std::uint16_t>(port);
  ZnSNMPGlobalSecurity.Version = 1;

  std::printf("IGMP router ports: %d VLANs, asynchronous walk in the dialog\n", vlans);
  QElapsedTimer clock;
  qint64 lastTick = 0, longestGap = 0;
  QTimer watchdog;
  watchdog.setTimerType(Qt::PreciseTimer);
  watchdog.setInterval(1);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    longestGap = std::max(longestGap, now - lastTick);
    lastTick = now;
  });

  int failures = 0;
  double worstMs = 0;
  TIGMPRouterPortsForm* form = nullptr;
  for (int run = 0; run < runs; ++run) {
    longestGap = 0;
    lastTick = 0;
    clock.start();
    watchdog.start();
    // The first run opens the dialog, whose opening starts the read; the others press Refresh.
    if (form == nullptr) {
      form = new TIGMPRouterPortsForm;
      form->show();
    } else {
      form->btnGetClick();
    }
    while (!form->DataComplete()) app.processEvents(QEventLoop::WaitForMoreEvents);
    const double total = clock.nsecsElapsed() / 1e9;
    watchdog.stop();
    const int shown = form->ListView1->topLevelItemCount();
    const double blockMs = longestGap / 1e6;
    worstMs = std::max(worstMs, blockMs);
    std::printf("run %d (%s): %d rows in %.3f s (%.0f rows/s), longest event-loop block %.1f ms\n",
                run + 1, run == 0 ? "open" : "Refresh", shown, total, shown / total, blockMs);
    if (shown != vlans) ++failures;
  }
  std::printf("longest block of all runs %.1f ms: goal under %.0f ms %s\n", worstMs, kGoalMs,
              worstMs < kGoalMs ? "met" : "missed");
  delete form;
  agent.terminate();
  agent.waitForFinished(3000);
  return failures ? 1 : 0;
}
