#pragma once

#include "ZnSNMPSettings.h"
#include "ZnSNMPValue.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The SNMP session layer on net-snmp: opening the library, the engine-boots bookkeeping, the
// connections to agents, one exchange of a PDU (synchronous or asynchronous) and the pump that
// delivers asynchronous completions on the GUI thread.

// Opens the session layer and sets the default settings. Raises -506, -507 or -508.
void ZnSNMPOpenSession(const QString& bootCounterDirectory);

inline constexpr char ZnSNMPLocalEngineID[] = "ZnSNMP_PP_Application";
inline constexpr char ZnSNMPBootCounterFile[] = "ZnSNMP_PP_BootCounter";

// Reads the boots counter of an engine from the counter file: 0 found, -1 no entry, -2 the file
// cannot be opened, -3 the file is damaged. Saving gives 0 or a negative failure.
int ZnSNMPGetBootCounter(const QString& fileName, const QString& engineID, std::uint32_t& boots);
int ZnSNMPSaveBootCounter(const QString& fileName, const QString& engineID, std::uint32_t boots);

// Everything that decides where and how one exchange goes.
struct ZnSNMPTarget {
  ZnSNMPDevice Device;
  ZnSNMPScope Scope;
  ZnSNMPSecurity Security;
  std::int32_t Timeout = 100;  // hundredths of a second per try
  std::int32_t Retries = 1;
  std::int32_t MaxRepetitions = 0;  // of a GetBulk (non-repeaters are always 0)
};

// GetBulk is for SNMPv2c and SNMPv3 agents only.
enum class ZnSNMPOperation { Get, GetNext, Set, GetBulk };

struct ZnSNMPBinding {
  QString Oid;
  ZnSNMPValue Value;
};

// The outcome of one exchange. Status is in the SNMP++ numbering that ZnSNMPMapError knows:
// 0 success, 1..18 the response's error status, -5 time-out, -8 dropped by the session,
// 1401..1414 USM and -1402..-1418 SNMPv3 results, -1..-23 other library failures.
struct ZnSNMPAnswer {
  int Status = 0;
  int ErrorIndex = 0;
  std::vector<ZnSNMPBinding> Bindings;
  QString AgentAddress;
  std::uint16_t AgentPort = 0;
};

// Checks the target before anything is sent: -509 for an address that is neither dotted nor
// resolvable, the SNMPv3 codes for a security model or protocol that is not available.
void ZnSNMPCheckTarget(const ZnSNMPTarget& target);

// One synchronous exchange: blocks until the answer, the time-out or a failure.
ZnSNMPAnswer ZnSNMPExchange(const ZnSNMPTarget& target, ZnSNMPOperation operation,
                            const std::vector<ZnSNMPBinding>& bindings);

// What a synchronous exchange is waiting for, as its wait observer is told.
struct ZnSNMPWait {
  ZnSNMPOperation Operation = ZnSNMPOperation::Get;
  QString Address;           // the agent's address as the target names it
  int Try = 1;               // the try under way, counted from 1
  int Tries = 1;             // every try the exchange may take: retries + 1
  bool Discovering = false;  // an SNMPv3 exchange still learning the agent's engine ID
};

// Watches the synchronous exchanges of the GUI thread, so that a window can stay alive while one
// waits without the exchange losing its meaning (the caller still gets nothing back before the
// answer or the time-out). WaitBegins and WaitEnds bracket every wait; Waiting is called about
// every ZnSNMPWaitTurnMs once a wait has lasted that long, and may handle events (repaints,
// timers, asynchronous completions; even another synchronous exchange). An answer that comes
// within the first turn is never seen by Waiting.
class ZnSNMPWaitObserver {
 public:
  virtual ~ZnSNMPWaitObserver() = default;
  virtual void WaitBegins(const ZnSNMPWait& wait) = 0;
  virtual void Waiting(const ZnSNMPWait& wait) = 0;
  virtual void WaitEnds() = 0;
};
inline constexpr int ZnSNMPWaitTurnMs = 25;
// Null (the default): synchronous exchanges block in the library's select and call nobody.
void ZnSNMPSetWaitObserver(ZnSNMPWaitObserver* observer);
ZnSNMPWaitObserver* ZnSNMPCurrentWaitObserver();

using ZnSNMPCompletion = std::function<void(const ZnSNMPAnswer&)>;
// Sends asynchronously; the completion runs later from the event pump, exactly once unless the
// exchange is cancelled. Raises when the exchange cannot be sent. Returns its ticket.
std::uint64_t ZnSNMPExchangeAsync(const ZnSNMPTarget& target, ZnSNMPOperation operation,
                                  const std::vector<ZnSNMPBinding>& bindings,
                                  ZnSNMPCompletion completion);
// Delivers an answer that is already known (a row kept from an earlier answer) the way an
// asynchronous exchange's answer is delivered: later, from the event pump, never inside another
// completion, cancellable by its ticket. Answers that become known while such answers are
// delivered go out in the same turn of the event loop, for a few milliseconds at most.
std::uint64_t ZnSNMPCompleteLater(ZnSNMPAnswer answer, ZnSNMPCompletion completion);
// The completion of this ticket will never run (its owner is gone).
void ZnSNMPCancel(std::uint64_t ticket);
// Exchanges sent and not yet answered or timed out (cancelled ones too, until then), and known
// answers still waiting to be delivered: zero when nothing of this program is under way.
int ZnSNMPExchangesUnderWay();

// Delivers asynchronous completions on the GUI thread: a socket notifier per connection handles
// an answer as soon as its datagram arrives, a timer handles time-outs and retransmissions.
// Completions run one at a time and never inside another one: while a completion runs (even one
// that opens a modal box), the pump is paused.
class SnmpEventProcessor : public QObject {
 public:
  SnmpEventProcessor();
  ~SnmpEventProcessor() override;

  void Start();
  void Stop();
  bool IsRunning() const { return running_; }
  bool IsDispatching() const { return dispatching_; }

  // Runs every due read and time-out now (used by waits that cannot return to the event loop).
  void ProcessPendingEvents();

  struct Private;
  std::unique_ptr<Private> d;

 private:
  bool running_ = false;
  bool dispatching_ = false;
  friend struct Private;
};

SnmpEventProcessor& ZnSNMPEventPump();
