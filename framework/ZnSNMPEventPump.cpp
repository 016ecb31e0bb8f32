// The event pump: delivers asynchronous completions on the GUI thread, one at a time.

#include "ZnSNMPSessionInternal.h"

#include <QTimer>

#include <sys/select.h>

#include <algorithm>

using namespace ZnSNMPSessionDetail;

struct SnmpEventProcessor::Private {
  explicit Private(SnmpEventProcessor* owner) : Owner(owner) {
    Timer.setSingleShot(true);
    QObject::connect(&Timer, &QTimer::timeout, owner, [this] { Dispatch(nullptr); });
  }

  // Handles what is due on one connection (an answer that arrived) or, with null, the
  // time-outs of all connections, with the pump paused so that no completion nests.
  void Dispatch(Connection* readable) {
    if (!Owner->running_) return;
    if (Owner->dispatching_) {
      // A completion is running (perhaps inside a modal box): come back when it returns.
      if (readable && readable->Notifier) readable->Notifier->setEnabled(false);
      DeferredWhileDispatching = true;
      return;
    }
    Owner->dispatching_ = true;
    Pause();
    if (readable) {
      fd_set set;
      FD_ZERO(&set);
      const int fd = SocketOf(*readable);
      if (fd >= 0) {
        FD_SET(fd, &set);
        snmp_sess_read(readable->Session, &set);
      }
    } else {
      for (auto& [key, connection] : Connections())
        if (connection->Asynchronous) snmp_sess_timeout(connection->Session);
      DeliverKnownAnswers();
    }
    Owner->dispatching_ = false;
    Resume();
  }

  void Pause() {
    Timer.stop();
    for (auto& [key, connection] : Connections())
      if (connection->Notifier) connection->Notifier->setEnabled(false);
  }

  void Resume() {
    if (!Owner->running_) return;
    for (auto& [key, connection] : Connections())
      if (connection->Notifier) connection->Notifier->setEnabled(true);
    DeferredWhileDispatching = false;
    Rearm();
  }

  // The timer fires at the earliest retransmission or time-out of any connection.
  void Rearm() {
    if (!Owner->running_ || Owner->dispatching_) return;
    long earliestMs = -1;
    for (auto& [key, connection] : Connections()) {
      if (!connection->Asynchronous) continue;
      int fds = 0;
      int block = 1;
      fd_set set;
      FD_ZERO(&set);
      timeval timeout{};
      snmp_sess_select_info_flags(connection->Session, &fds, &set, &timeout, &block,
                                  NETSNMP_SELECT_NOALARMS);
      if (block) continue;
      const long ms = timeout.tv_sec * 1000 + (timeout.tv_usec + 999) / 1000;
      if (earliestMs < 0 || ms < earliestMs) earliestMs = ms;
    }
    if (HasKnownAnswers()) earliestMs = 0;
    if (earliestMs < 0)
      Timer.stop();
    else
      Timer.start(static_cast<int>(std::min<long>(earliestMs, 24L * 3600 * 1000)));
  }

  SnmpEventProcessor* Owner;
  QTimer Timer;
  bool DeferredWhileDispatching = false;
};

SnmpEventProcessor::SnmpEventProcessor() : d(std::make_unique<Private>(this)) {}

SnmpEventProcessor::~SnmpEventProcessor() = default;

void SnmpEventProcessor::Start() {
  running_ = true;
  d->Resume();
}

void SnmpEventProcessor::Stop() {
  d->Pause();
  running_ = false;
}

void SnmpEventProcessor::ProcessPendingEvents() {
  for (auto& [key, connection] : Connections())
    if (connection->Asynchronous) d->Dispatch(connection.get());
  d->Dispatch(nullptr);
}

SnmpEventProcessor& ZnSNMPEventPump() {
  static SnmpEventProcessor* pump = new SnmpEventProcessor;  // lives until the process ends
  return *pump;
}

namespace ZnSNMPSessionDetail {

int SocketOf(const Connection& connection) {
  netsnmp_transport* transport = snmp_sess_transport(connection.Session);
  return transport ? transport->sock : -1;
}

void WatchConnection(Connection& connection) {
  const int fd = SocketOf(connection);
  if (fd < 0) return;
  connection.Notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  Connection* target = &connection;
  QObject::connect(connection.Notifier.get(), &QSocketNotifier::activated, &ZnSNMPEventPump(),
                   [target] { ZnSNMPEventPump().d->Dispatch(target); });
  SnmpEventProcessor& pump = ZnSNMPEventPump();
  connection.Notifier->setEnabled(pump.IsRunning() && !pump.IsDispatching());
}

void RearmPump() {
  ZnSNMPEventPump().d->Rearm();
}

}  // namespace ZnSNMPSessionDetail
