// bench_blocked_window: how long each action the program runs synchronously (a blocking read or
// write on the GUI thread) keeps the user's input from the main window, and how long the
// program's windows go without a repaint meanwhile, first with the simulated switch answering and
// then with it silent (stopped with SIGSTOP, as a switch that is rebooting or unplugged), at the
// default settings: the session's default time-out and the request's retries, unless an action
// sets its own. The program's wait indicator is installed, as nx596 installs it.
//
// A 10 ms timer ticks while the action runs and asks a small visible window to repaint.
//   blocked ms     the longest time between two ticks at which the program took input again:
//                  the time a synchronous call keeps the user waiting (input is dropped while
//                  it waits), or a gap where the event loop did not turn at all
//   no repaint ms  the longest time between two repaints of that window: what a user sees as a
//                  hung window
// The action's wall time is printed beside them. Modal dialogs are closed by a timer once they
// have been open for a moment. The actions:
//   creation      the window's creation reads (RMON state, module types)
//   activation    its first activation: the front panel (module types; the LED poll reads
//                 asynchronously) and the RMON menu update
//   RMON menu     the RMON menu's state read
//   Reboot        the reboot write (its own 12 s time-out)
//   port dialog   the per-port dialog of port 1 (a blocking read of the port's row)
//   STP port      the STP port table dialog (a blocking walk when it opens)
//
//   QT_QPA_PLATFORM=offscreen bench_blocked_window [--no-wait-indicator]
//
// --no-wait-indicator measures the program without its wait indicator: a synchronous call then
// blocks the event loop for as long as it waits, as it did before the indicator existed.
//
// Exits non-zero when an action blocked the window longer than its tries can take (time-out x
// (retries + 1) per blocking exchange, plus a second), or went longer than 100 ms without a
// repaint.
#include "BenchAgent.h"
#include "BenchHost.h"
#include "TMainForm.h"
#include "TNX596PanelForm.h"
#include "ZnRegistry.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPSettings.h"
#include "ZnUserNotifier.h"
#include "ZnWaitIndicator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace {

// Answers every question with OK and remembers the last text, so the bench sees the reports
// that would otherwise wait in a message box.
class Answering : public ZnUserNotifier {
 public:
  bool Message(QWidget*, const QString&, const QString& text, Buttons, Icon) override {
    last = text;
    return true;
  }
  void Beep() override {}
  QString last;
};

// The last status line a dialog shows: its memo's last line or its status panel.
QString StatusOf(QWidget* dialog) {
  for (const QPlainTextEdit* memo : dialog->findChildren<QPlainTextEdit*>()) {
    const QString text = memo->toPlainText().trimmed();
    if (!text.isEmpty()) return text.section(QLatin1Char('\n'), -1);
  }
  for (const QStatusBar* bar : dialog->findChildren<QStatusBar*>()) {
    if (!bar->currentMessage().isEmpty()) return bar->currentMessage();
    for (const QLabel* panel : bar->findChildren<QLabel*>())
      if (!panel->text().isEmpty()) return panel->text();
  }
  return QString();
}

struct Measured {
  qint64 blockedMs = 0;
  qint64 unpaintedMs = 0;
  qint64 wallMs = 0;
  QString outcome;
};

// A small window that notes the longest time between two of its repaints.
class Canary : public QWidget {
 public:
  Canary() { resize(40, 20); }
  void Restart() {
    worst = 0;
    since.start();
  }
  qint64 worst = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (since.isValid()) worst = std::max(worst, since.restart());
  }

 private:
  QElapsedTimer since;
};

// Runs `action` from the event loop while a 10 ms timer ticks and asks the canary to repaint,
// closes any modal dialog it opens after it has been open for 300 ms of event-loop time (never
// in the middle of a synchronous call: that dialog is waiting for it), and returns the longest
// time between two ticks at which input was taken and between two repaints.
Measured Measure(const std::function<QString()>& action, const ZnWaitIndicator* waits,
                 Canary& canary) {
  QElapsedTimer free, wall;
  qint64 worst = 0;
  QTimer heartbeat;
  heartbeat.setTimerType(Qt::PreciseTimer);
  heartbeat.setInterval(10);
  QObject::connect(&heartbeat, &QTimer::timeout, [&] {
    canary.update();
    if (waits && waits->Engaged()) return;  // the user's input would be dropped now
    worst = std::max(worst, free.restart());
  });
  QPointer<QWidget> modal;
  QElapsedTimer modalSince;
  QString status;
  QTimer closer;
  closer.setInterval(50);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (waits && waits->Engaged()) return;
    QWidget* now = QApplication::activeModalWidget();
    if (now != modal) {
      modal = now;
      modalSince.start();
    } else if (modal && modalSince.elapsed() >= 300) {
      status = StatusOf(modal);
      modal->close();
    }
  });
  Measured measured;
  QEventLoop loop;
  QTimer::singleShot(0, [&] {
    wall.start();
    free.restart();
    canary.Restart();
    measured.outcome = action();
    if (measured.outcome.isEmpty()) measured.outcome = status;
    measured.wallMs = wall.elapsed();
    QTimer::singleShot(100, &loop, &QEventLoop::quit);  // a last tick after the action
  });
  free.start();
  heartbeat.start();
  closer.start();
  loop.exec();
  measured.blockedMs = worst;
  measured.unpaintedMs = canary.worst;
  return measured;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir host;
  QProcess agent;
  const int port = StartBenchAgent(agent, {"--slot1", "1", "--slot2", "3", "--leds-live"});
  if (port == 0) {
    std::fprintf(stderr, "nx596-agent did not start\n");
    return 1;
  }
  const QString registry = LayOutBenchHost(host, port);
  Answering notifier;
  ZnSetNotifier(&notifier);
  std::unique_ptr<ZnWaitIndicator> waits;
  if (!QCoreApplication::arguments().contains(QStringLiteral("--no-wait-indicator")))
    waits = std::make_unique<ZnWaitIndicator>();
  Canary canary;
  canary.show();

  struct Action {
    const char* name;
    int exchanges;  // blocking exchanges it makes at most
    int timeout;    // hundredths of a second per try; 0: the default
    std::function<QString()> run;
  };
  std::unique_ptr<TMainForm> form;
  const auto status = [&] { return form ? form->StatusPanel()->text() : QString(); };
  const std::vector<Action> actions = {
      {"creation", 2, 0,
       [&] {
         form.reset();
         form = std::make_unique<TMainForm>(QStringList{"/I127.0.0.1", "/Rtamrel", "/Wvosquin"},
                                            ZnRegistry(registry));
         form->FormCreate();
         return status();
       }},
      {"activation", 2, 0,
       [&] {
         form->show();
         form->FormActivate();  // what the first show triggers, run here to be measured
         return status();
       }},
      {"RMON menu", 1, 0,
       [&] {
         form->RMON1Click();
         return status();
       }},
      {"port dialog", 1, 0,
       [&] {
         ZnSelectedPort = 1;
         try {
           ZnOpenPortDialog(form.get(), QStringLiteral("127.0.0.1"));
         } catch (const std::exception& e) {
           return QString::fromUtf8(e.what());
         }
         return notifier.last;
       }},
      {"STP port", 1, 0,
       [&] {
         form->OpenHandMadeDialog(QStringLiteral("TSTP_Port"));
         return notifier.last;
       }},
      {"Reboot", 1, 1200,
       [&] {
         try {
           form->Reset2Click();
         } catch (const std::exception& e) {
           return QString::fromUtf8(e.what());
         }
         return QStringLiteral("written");
       }},
  };

  constexpr qint64 kRepaintGoalMs = 100;
  std::printf("%-12s %-9s %10s %13s %10s  %s\n", "action", "switch", "blocked ms",
              "no repaint ms", "wall ms", "outcome");
  int failures = 0;
  for (const bool silent : {false, true}) {
    if (silent) ::kill(static_cast<pid_t>(agent.processId()), SIGSTOP);
    for (const Action& action : actions) {
      notifier.last.clear();
      const Measured m = Measure(action.run, waits.get(), canary);
      // The settings as the session has them once the window opened it.
      const ZnSNMPRequest defaults;
      const int perTry = (action.timeout ? action.timeout : defaults.Timeout) * 10;
      const qint64 bound =
          static_cast<qint64>(action.exchanges) * perTry * (defaults.Retries + 1) + 1000;
      const bool tooLong = m.blockedMs > bound;
      const bool unpainted = m.unpaintedMs > kRepaintGoalMs;
      failures += tooLong + unpainted;
      std::printf("%-12s %-9s %10lld %13lld %10lld  %s%s%s\n", action.name,
                  silent ? "silent" : "answering", static_cast<long long>(m.blockedMs),
                  static_cast<long long>(m.unpaintedMs), static_cast<long long>(m.wallMs),
                  qPrintable(m.outcome.simplified()),
                  tooLong ? "  [longer than its tries can take]" : "",
                  unpainted ? "  [no repaint for longer than 100 ms]" : "");
      std::fflush(stdout);
    }
  }
  const ZnSNMPRequest defaults;
  std::printf("settings: time-out %d ms per try, %d retries (Reboot: its own 12 s per try)\n",
              defaults.Timeout * 10, defaults.Retries);
  ::kill(static_cast<pid_t>(agent.processId()), SIGCONT);
  form.reset();
  ZnSetNotifier(nullptr);
  agent.terminate();
  agent.waitForFinished(3000);
  return failures ? 1 : 0;
}
