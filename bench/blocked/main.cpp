// bench_blocked_window: how long the main window is blocked by each action the program runs
// synchronously (a blocking read or write on the GUI thread), first with the simulated switch
// answering and then with it silent (stopped with SIGSTOP, as a switch that is rebooting or
// unplugged), at the default settings: the session's default time-out and the request's
// retries, unless an action sets its own.
//
// The blocked time is the longest gap between two ticks of a 10 ms timer while the action runs,
// which is what a user feels as a frozen window; the action's wall time is printed beside it.
// Modal dialogs are closed by a timer once they have been open for a moment. The actions:
//   creation      the window's creation reads (RMON state, module types)
//   activation    its first activation: the front panel (module types; the LED poll reads
//                 asynchronously) and the RMON menu update
//   RMON menu     the RMON menu's state read
//   Reboot        the reboot write (its own 12 s time-out)
//   port dialog   the per-port dialog of port 1 (a blocking read of the port's row)
//   STP port      the STP port table dialog (a blocking walk when it opens)
//
//   QT_QPA_PLATFORM=offscreen bench_blocked_window
//
// Exits non-zero when an action blocked the window longer than its tries can take (time-out x
// (retries + 1) per blocking exchange, plus a second).
#include "BenchAgent.h"
#include "BenchHost.h"
#include "TMainForm.h"
#include "TNX596PanelForm.h"
#include "ZnRegistry.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPSettings.h"
#include "ZnUserNotifier.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
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
  qint64 wallMs = 0;
  QString outcome;
};

// Runs `action` from the event loop while a 10 ms timer ticks, closes any modal dialog it opens
// after it has been open for 300 ms of event-loop time, and returns the longest gap between ticks.
Measured Measure(const std::function<QString()>& action) {
  QElapsedTimer beat, wall;
  qint64 worst = 0;
  QTimer heartbeat;
  heartbeat.setTimerType(Qt::PreciseTimer);
  heartbeat.setInterval(10);
  QObject::connect(&heartbeat, &QTimer::timeout, [&] { worst = std::max(worst, beat.restart()); });
  QPointer<QWidget> modal;
  QElapsedTimer modalSince;
  QString status;
  QTimer closer;
  closer.setInterval(50);
  QObject::connect(&closer, &QTimer::timeout, [&] {
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
  bool done = false;
  QEventLoop loop;
  QTimer::singleShot(0, [&] {
    wall.start();
    beat.restart();
    measured.outcome = action();
    if (measured.outcome.isEmpty()) measured.outcome = status;
    measured.wallMs = wall.elapsed();
    done = true;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);  // a last tick after the action
  });
  beat.start();
  heartbeat.start();
  closer.start();
  loop.exec();
  (void)done;
  measured.blockedMs = worst;
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

  std::printf("%-12s %-9s %10s %10s  %s\n", "action", "switch", "blocked ms", "wall ms",
              "outcome");
  int failures = 0;
  for (const bool silent : {false, true}) {
    if (silent) ::kill(static_cast<pid_t>(agent.processId()), SIGSTOP);
    for (const Action& action : actions) {
      notifier.last.clear();
      const Measured m = Measure(action.run);
      // The settings as the session has them once the window opened it.
      const ZnSNMPRequest defaults;
      const int perTry = (action.timeout ? action.timeout : defaults.Timeout) * 10;
      const qint64 bound =
          static_cast<qint64>(action.exchanges) * perTry * (defaults.Retries + 1) + 1000;
      const bool tooLong = m.blockedMs > bound;
      failures += tooLong;
      std::printf("%-12s %-9s %10lld %10lld  %s%s\n", action.name,
                  silent ? "silent" : "answering", static_cast<long long>(m.blockedMs),
                  static_cast<long long>(m.wallMs), qPrintable(m.outcome.simplified()),
                  tooLong ? "  [longer than its tries can take]" : "");
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
