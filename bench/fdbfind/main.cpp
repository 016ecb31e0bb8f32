// bench_fdb_find: opens the forwarding table dialog on a simulated switch with 10,000 and 50,000
// learned stations (or the counts given), while a 1 ms timer watches the event loop. For each
// size it prints the time until every row is in the list, the longest time the event loop was
// blocked during the walk, and, once the table is read, the longest time one keystroke in the
// find box took to narrow (or widen) the list, over MAC and port searches typed key by key. Then
// the same walk again with the profile key BulkRepetitions (default 50): the dialog's total time
// with and without GETBULK.
//
//   QT_QPA_PLATFORM=offscreen bench_fdb_find [--bulk N] [rows...]
#include "BenchAgent.h"
#include "TForwarding_Table.h"
#include "ZnFoundRowsModel.h"
#include "ZnSNMPRequest2Edits.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// CPU time of this thread: what the program itself spends, apart from the other programs that
// share the machine and stretch the wall-clock figures.
double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The longest gap between two ticks of a 1 ms timer: what a user feels as a frozen window.
class BlockWatch {
 public:
  BlockWatch() {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
  }
  void Start() {
    clock_.start();
    last_ = 0;
    longest_ = 0;
    timer_.start();
  }
  double LongestMs() const { return longest_ / 1e6; }
  void Stop() { timer_.stop(); }

 private:
  void Tick() {
    const qint64 now = clock_.nsecsElapsed();
    longest_ = std::max(longest_, now - last_);
    last_ = now;
  }
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 last_ = 0;
  qint64 longest_ = 0;
};

struct Typing {
  double longestKeyMs = 0;
  double longestKeyCpuMs = 0;
  std::vector<double> keyMs;
  double longestBlockMs = 0;
  int keys = 0;
};

// Types each search key by key, then takes it back with Backspace; every key is timed from the
// key press until the list is laid out and painted again.
Typing TypeSearches(TForwarding_Table& form, const QStringList& searches) {
  Typing typing;
  BlockWatch watch;
  watch.Start();
  auto key = [&](auto&& press) {
    QElapsedTimer one;
    one.start();
    const double cpu = ThreadCpuMs();
    press();
    QCoreApplication::processEvents();
    const double wall = one.nsecsElapsed() / 1e6;
    typing.keyMs.push_back(wall);
    typing.longestKeyMs = std::max(typing.longestKeyMs, wall);
    typing.longestKeyCpuMs = std::max(typing.longestKeyCpuMs, ThreadCpuMs() - cpu);
    ++typing.keys;
    // The user's pause between keys: the watch sees the event loop run.
    QElapsedTimer pause;
    pause.start();
    while (pause.elapsed() < 20) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  };
  for (const QString& search : searches) {
    for (QChar c : search) key([&] { QTest::keyClick(form.ED_Find, c.toLatin1()); });
    for (qsizetype k = 0; k < search.size(); ++k)
      key([&] { QTest::keyClick(form.ED_Find, Qt::Key_Backspace); });
  }
  watch.Stop();
  typing.longestBlockMs = watch.LongestMs();
  std::sort(typing.keyMs.begin(), typing.keyMs.end());
  return typing;
}

// `repetitions` 0 walks with get-next, as without the profile key; `type` also times the find box.
bool Run(int rows, int repetitions, bool type) {
  QProcess agent;
  const int port = StartBenchAgent(agent, {"--fdb-rows", QString::number(rows)});
  if (port == 0) {
    std::fprintf(stderr, "nx596-agent did not start\n");
    return false;
  }
  ZnSNMPGlobalDevice = {"127.0.0.1", static_cast<std::uint16_t>(port)};
  ZnSNMPGlobalSecurity.Version = 1;
  ZnSNMPBulkRepetitions = repetitions;  // what the profile key sets; the dialog's request copies it

  BlockWatch walkWatch;
  QElapsedTimer clock;
  walkWatch.Start();
  clock.start();
  TForwarding_Table form(QStringLiteral("127.0.0.1"));
  form.resize(640, 700);
  form.show();
  while (form.FdbBinding()->Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::processEvents();
  const double total = clock.nsecsElapsed() / 1e9;
  walkWatch.Stop();
  const int shown = form.FoundRows()->rowCount();
  const QString mode = repetitions ? QStringLiteral("BulkRepetitions=%1").arg(repetitions)
                                    : QStringLiteral("get-next (no key)");
  std::printf(
      "%6d rows, %s: all in the list after %.3f s (%.0f rows/s), longest event-loop block "
      "during the walk %.1f ms\n",
      shown, qPrintable(mode), total, shown / total, walkWatch.LongestMs());
  if (!type) {
    agent.terminate();
    agent.waitForFinished(3000);
    return shown == rows;
  }

  form.ED_Find->setFocus();
  const Typing typing =
      TypeSearches(form, {"00:1c:00:00:a7", "00-1C-00-00-3", "001c.0000.00ff", "7", "19", "zz"});
  std::printf(
      "%6d rows: %d keystrokes in the find box, keystroke median %.1f ms, longest %.1f ms "
      "(CPU %.1f ms), longest event-loop block while typing %.1f ms\n",
      rows, typing.keys, typing.keyMs[typing.keyMs.size() / 2], typing.longestKeyMs,
      typing.longestKeyCpuMs, typing.longestBlockMs);
  agent.terminate();
  agent.waitForFinished(3000);
  return shown == rows;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::vector<int> sizes;
  int repetitions = 50;
  for (int k = 1; k < argc; ++k) {
    if (QByteArray(argv[k]) == "--bulk" && k + 1 < argc)
      repetitions = std::max(1, std::atoi(argv[++k]));
    else
      sizes.push_back(std::max(1, std::atoi(argv[k])));
  }
  if (sizes.empty()) sizes = {10000, 50000};
  QTemporaryDir state;
  ZnSNMPOpenSession(state.path());
  std::printf("forwarding table dialog: asynchronous walk into the list, then the find box\n");
  bool complete = true;
  for (int rows : sizes) {
    complete = Run(rows, 0, true) && complete;
    complete = Run(rows, repetitions, false) && complete;
  }
  return complete ? 0 : 1;
}
