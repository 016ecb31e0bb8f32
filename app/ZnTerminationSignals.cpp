#include "ZnTerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler may do almost nothing: it writes one byte, and the event loop reads it.
int gWakeUp[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(gWakeUp[1], &byte, 1);
}

// Ends the event loop. A request that comes while no loop runs yet (a synchronous read of the
// window's creation handles events while it waits) is kept until the loop runs: exit() would do
// nothing then.
void Quit() {
  if (QThread::currentThread()->loopLevel() > 0) {
    QCoreApplication::exit(0);
    return;
  }
  QTimer::singleShot(10, QCoreApplication::instance(), Quit);
}

}  // namespace

void ZnQuitOnTerminationSignals() {
  if (gWakeUp[0] >= 0 || ::pipe2(gWakeUp, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier =
      new QSocketNotifier(gWakeUp[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    char bytes[16];
    while (::read(gWakeUp[0], bytes, sizeof bytes) > 0) {
    }
    Quit();
  });
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}
