// bench_listview_walk: fills a list view from the simulated switch's forwarding table (10,000
// rows by default) with an asynchronous binding walk, while a 1 ms timer watches the event loop.
// Prints the total time and the longest time the event loop was blocked (the longest gap between
// two timer ticks), which is what a user feels as a frozen window.
//
//   QT_QPA_PLATFORM=offscreen bench_listview_walk [rows] [runs]
#include "BenchAgent.h"
#include "ZnSNMPRequest2Edits.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>

namespace {

const ZnSNMPVarDef kForwarding[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "MAC Address", ZnSyntax::MacAddress, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {},
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int rows = argc > 1 ? std::atoi(argv[1]) : 10000;
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  QTemporaryDir state;
  ZnSNMPOpenSession(state.path());
  QProcess agent;
  const int port = StartBenchAgent(agent, {"--fdb-rows", QString::number(rows)});
  if (port == 0) {
    std::fprintf(stderr, "nx596-agent did not start\n");
    return 1;
  }
  ZnSNMPGlobalDevice.Port = static_cast<std::uint16_t>(port);
  ZnSNMPGlobalSecurity.Version = 1;

  std::printf("forwarding table: %d rows into a list view, asynchronous walk\n", rows);
  int failures = 0;
  for (int run = 0; run < runs; ++run) {
    QWidget window;
    auto* view = new QTreeWidget(&window);
    window.resize(800, 500);
    window.show();
    auto* binding = new ZnSNMPRequest2Edits(&window);
    binding->VarList() = ZnSNMPVarList(kForwarding, ZnItemType::MVT_FMV, 1);
    binding->AttachListView(view, true);

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
    clock.start();
    watchdog.start();
    binding->Refresh();
    while (binding->Busy()) app.processEvents(QEventLoop::WaitForMoreEvents);
    const double total = clock.nsecsElapsed() / 1e9;
    watchdog.stop();
    const int shown = view->topLevelItemCount();
    std::printf("run %d: %d rows in %.3f s (%.0f rows/s), longest event-loop block %.1f ms\n",
                run + 1, shown, total, shown / total, longestGap / 1e6);
    if (shown != rows) ++failures;
  }
  agent.terminate();
  agent.waitForFinished(3000);
  return failures ? 1 : 0;
}
