// bench_switches_window: the longest time the Switches window's event loop is held while it
// polls a long list, 200 switches of which 50 are silent (a simulated switch stopped with
// SIGSTOP, as one that is rebooting or unplugged), over SNMPv1, SNMPv2c and every SNMPv3 user
// of the simulated switch, so that the polls run over many connections.
//
// The held time is the longest gap between two ticks of a 10 ms timer over three rounds of
// polls (one every 3 s instead of 30 s, so that the rounds overlap the silent switches' tries),
// which is what a person feels as a frozen window. It starts once the window has painted and
// the 200 switches were added in one import, whose own time is printed beside it.
//
//   QT_QPA_PLATFORM=offscreen bench_switches_window
//
// Exits non-zero when the loop was held 50 ms or longer, or when a switch was named wrongly
// (an answering one not answering, a silent one not timed out).
#include "BenchAgent.h"
#include "BenchLoop.h"
#include "TSwitchesForm.h"
#include "ZnUserNotifier.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <csignal>
#include <cstdio>

namespace {

class Answering : public ZnUserNotifier {
 public:
  bool Message(QWidget*, const QString&, const QString&, Buttons, Icon) override { return true; }
  void Beep() override {}
};

struct User {
  const char* name;
  int level, auth;
  const char* authPass;
  int priv;
  const char* privPass;
};
constexpr User kUsers[] = {
    {"nx-noauth", 1, 1, "", 1, ""},
    {"nx-md5", 2, 2, "nx-md5-pass", 1, ""},
    {"nx-sha", 2, 3, "nx-sha-pass", 1, ""},
    {"nx-sha256", 2, 5, "nx-sha256-pass", 1, ""},
    {"nx-des", 3, 2, "nx-des-auth", 2, "nx-des-priv"},
    {"nx-aes", 3, 3, "nx-aes-auth", 4, "nx-aes-priv"},
    {"nx-aes256", 3, 5, "nx-aes256-auth", 21, "nx-aes256-priv"},
};

ZnImportedSwitch Switch(int n, int port) {
  ZnImportedSwitch s;
  ZnSwitchEntry& e = s.entry;
  e.Id = ZnNewSwitchId();
  e.Name = QStringLiteral("switch %1").arg(n, 3, 10, QLatin1Char('0'));
  e.Address = QStringLiteral("127.0.0.1");
  e.Port = static_cast<std::uint16_t>(port);
  const int kind = n % 9;
  if (kind < 2) {
    e.Version = kind;
    return s;
  }
  const User& u = kUsers[kind - 2];
  e.Version = 3;
  e.SecurityName = QString::fromLatin1(u.name);
  e.SecurityLevel = u.level;
  e.AuthProtocol = u.auth;
  e.PrivProtocol = u.priv;
  s.secrets.AuthPassword = QString::fromLatin1(u.authPass);
  s.secrets.PrivPassword = QString::fromLatin1(u.privPass);
  return s;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
  qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
  qunsetenv("DBUS_SESSION_BUS_ADDRESS");  // the secrets stay in this run's memory
  Answering answering;
  ZnSetNotifier(&answering);

  QProcess answeringAgent, silentAgent;
  const int port = StartBenchAgent(answeringAgent, {});
  const int silentPort = StartBenchAgent(silentAgent, {});
  if (port == 0 || silentPort == 0) {
    std::fprintf(stderr, "nx596-agent did not start\n");
    return 2;
  }
  ::kill(pid_t(silentAgent.processId()), SIGSTOP);

  TSwitchesForm form;
  form.pollIntervalMs = 3000;
  form.show();
  form.Start();
  // The window's first paint (fonts, style) comes before the list is filled, as when a person
  // starts the program and then imports; what is measured is the polling.
  RunWatched(500, false);
  QList<ZnImportedSwitch> switches;
  for (int n = 0; n < 200; ++n) switches << Switch(n, n % 4 == 3 ? silentPort : port);
  QElapsedTimer importing;
  importing.start();
  form.AddSwitches(switches);
  const qint64 importMs = importing.elapsed();
  const qint64 worst = RunWatched(9500);

  int answered = 0, timedOut = 0, wrong = 0;
  for (int i = 0; i < form.LV_Switches->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = form.LV_Switches->topLevelItem(i);
    const bool silent = row->text(TSwitchesForm::Port).toInt() == silentPort;
    const QString state = row->text(TSwitchesForm::State);
    if (!silent && state.startsWith(QLatin1String("Answers")))
      ++answered;
    else if (silent && state.contains(QLatin1String("timed out")))
      ++timedOut;
    else {
      ++wrong;
      std::fprintf(stderr, "%s: %s\n", qPrintable(row->text(TSwitchesForm::Name)),
                   qPrintable(state));
    }
  }
  ::kill(pid_t(silentAgent.processId()), SIGCONT);
  std::printf("switches: 200 (150 answering, 50 silent), polled every 3 s for 9.5 s\n");
  std::printf("answering shown as answering: %d of 150; silent shown as timed out: %d of 50\n",
              answered, timedOut);
  std::printf("adding the 200 switches to the list (one import): %lld ms\n",
              static_cast<long long>(importMs));
  std::printf("longest event-loop block while polling: %lld ms (goal: under 50 ms)\n",
              static_cast<long long>(worst));
  return worst < 50 && wrong == 0 ? 0 : 1;
}
