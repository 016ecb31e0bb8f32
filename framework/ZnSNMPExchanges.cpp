// Exchanges: one request and its answer, synchronous or asynchronous, with the SNMPv3 engine
// discovery that comes before the first one, and every signal of the library turned into the
// framework's status.

#include "ZnSNMPSessionInternal.h"

#include <QElapsedTimer>

#include <sys/select.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <unordered_map>
#include <utility>
#include <vector>

using namespace ZnSNMPSessionDetail;

namespace {

struct Exchange {
  ZnSNMPCompletion Completion;
  Connection* Owner = nullptr;
  ZnSNMPDevice Device;
  bool Cancelled = false;
  bool Done = false;
  ZnSNMPAnswer Answer;  // kept for synchronous waits
  int TimeWindowReports = 0;
  // An exchange that waits for the engine discovery of its connection: the PDU to send then.
  PduPtr Pending;
  bool IsProbe = false;
  std::uint64_t FollowUp = 0;  // the exchange a probe runs for
};

std::uint64_t gNextTicket = 1;

std::unordered_map<std::uint64_t, Exchange>& Exchanges() {
  static std::unordered_map<std::uint64_t, Exchange> exchanges;
  return exchanges;
}

// Exchanges whose answer is already known, waiting for the pump, with their answers.
std::vector<std::pair<std::uint64_t, ZnSNMPAnswer>>& KnownAnswers() {
  static std::vector<std::pair<std::uint64_t, ZnSNMPAnswer>> known;
  return known;
}

void Finish(std::uint64_t ticket, ZnSNMPAnswer answer);

int OnLibraryEvent(int operation, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic);

bool SendPdu(Connection& connection, PduPtr pdu, std::uint64_t ticket, int& error) {
  netsnmp_pdu* raw = pdu.release();
  const int sent = snmp_sess_async_send(connection.Session, raw, OnLibraryEvent,
                                        reinterpret_cast<void*>(static_cast<uintptr_t>(ticket)));
  if (sent == 0) {
    error = connection.Info()->s_snmp_errno;
    snmp_free_pdu(raw);
    return false;
  }
  return true;
}

void SendOrFinish(std::uint64_t ticket) {
  Exchange& exchange = Exchanges().at(ticket);
  Connection& connection = *exchange.Owner;
  EnsureUser(connection);
  int error = 0;
  if (!SendPdu(connection, std::move(exchange.Pending), ticket, error)) {
    ZnSNMPAnswer answer;
    answer.Status = StatusFromLibrary(error);
    Finish(ticket, answer);
  }
}

void Finish(std::uint64_t ticket, ZnSNMPAnswer answer) {
  auto& exchanges = Exchanges();
  auto found = exchanges.find(ticket);
  if (found == exchanges.end()) return;
  Exchange& exchange = found->second;
  answer.AgentAddress = exchange.Device.Address;
  answer.AgentPort = exchange.Device.Port;
  if (exchange.IsProbe) {
    const std::uint64_t followUp = exchange.FollowUp;
    const bool known = exchange.Owner->Info()->securityEngineIDLen > 0;
    exchanges.erase(found);
    if (exchanges.count(followUp) == 0) return;
    if (known) {
      SendOrFinish(followUp);
    } else {
      Finish(followUp,
             answer.Status == 0 ? ZnSNMPAnswer{kStatusUsmUnknownEngine, 0, {}, {}, 0} : answer);
    }
    return;
  }
  if (exchange.Cancelled) {
    exchanges.erase(found);
    return;
  }
  if (!exchange.Completion) {  // a synchronous wait picks the answer up
    exchange.Answer = std::move(answer);
    exchange.Done = true;
    return;
  }
  ZnSNMPCompletion completion = std::move(exchange.Completion);
  exchanges.erase(found);
  completion(answer);
}

// What a report says, for the exchange it answers. False when the library goes on with the
// exchange itself: it sends the request again once it has learnt the agent's boots and time from a
// report that the request was out of the time window (the agent restarted or time moved).
bool ReadReport(Exchange& exchange, netsnmp_session* session, const netsnmp_pdu* pdu,
                bool resendFollows, ZnSNMPAnswer& answer) {
  answer.Status = StatusFromReport(pdu);
  if (exchange.IsProbe) {
    // The report of a probe carries the engine ID that everything else needs.
    if (session->securityEngineIDLen == 0 && pdu->securityEngineIDLen > 0) {
      session->securityEngineID =
          static_cast<u_char*>(netsnmp_memdup(pdu->securityEngineID, pdu->securityEngineIDLen));
      session->securityEngineIDLen = pdu->securityEngineIDLen;
      if (session->contextEngineIDLen == 0) {
        session->contextEngineID =
            static_cast<u_char*>(netsnmp_memdup(pdu->securityEngineID, pdu->securityEngineIDLen));
        session->contextEngineIDLen = pdu->securityEngineIDLen;
      }
    }
    answer.Status = 0;
    return true;
  }
  if (answer.Status == kStatusUsmTimeWindow) {
    // The library resends only when the report itself is delivered; a security signal that
    // comes first is not counted, or each report would use up two of the allowed resends.
    if (!resendFollows) return false;
    if (exchange.TimeWindowReports++ < exchange.Owner->Retries + 1) return false;
  }
  if (answer.Status == kStatusUsmUnknownEngine) ClearEngineId(session);  // rediscover
  return true;
}

// Turns every signal of the library about an exchange into the framework's status, in one place
// for synchronous and asynchronous exchanges alike. The library signals a security error for a
// report (unknown user, wrong authentication, unsupported level, ...) before it delivers the
// report itself; the first of the two ends the exchange with the report's meaning, the second
// finds it finished. A security error without a report keeps the library's own reason.
int OnLibraryEvent(int operation, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic) {
  const auto ticket = static_cast<std::uint64_t>(reinterpret_cast<uintptr_t>(magic));
  auto& exchanges = Exchanges();
  const auto found = exchanges.find(ticket);
  if (found == exchanges.end() || found->second.Done) return 1;
  Exchange& exchange = found->second;
  const bool isReport = pdu != nullptr && pdu->command == SNMP_MSG_REPORT;
  ZnSNMPAnswer answer;
  switch (operation) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
      if (isReport) {
        if (!ReadReport(exchange, session, pdu, true, answer)) return 1;
        break;
      }
      answer.Status = static_cast<int>(pdu->errstat);
      answer.ErrorIndex = static_cast<int>(pdu->errindex);
      for (netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable)
        answer.Bindings.push_back({OidText(vb->name, vb->name_length), ValueFromVariable(vb)});
      break;
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
      if (isReport) {
        if (!ReadReport(exchange, session, pdu, false, answer)) return 1;
        break;
      }
      [[fallthrough]];
    case NETSNMP_CALLBACK_OP_SEND_FAILED:
      answer.Status = StatusFromLibrary(session->s_snmp_errno);
      if (answer.Status == 0) answer.Status = kStatusOperationFailed;
      break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
      answer.Status = kStatusTimeout;
      break;
    case NETSNMP_CALLBACK_OP_DISCONNECT:
      answer.Status = kStatusDropped;
      break;
    default:
      return 1;  // resends and connects are not completions
  }
  Finish(ticket, std::move(answer));
  return 1;
}
// Starts an exchange: sends it, or first discovers the agent's engine for SNMPv3.
std::uint64_t Start(Connection& connection, const ZnSNMPTarget& target, PduPtr pdu,
                    ZnSNMPCompletion completion) {
  const std::uint64_t ticket = gNextTicket++;
  Exchange& exchange = Exchanges()[ticket];
  exchange.Completion = std::move(completion);
  exchange.Owner = &connection;
  exchange.Device = target.Device;
  exchange.Pending = std::move(pdu);
  if (connection.IsV3 && connection.Info()->securityEngineIDLen == 0) {
    const std::uint64_t probeTicket = gNextTicket++;
    Exchange& probe = Exchanges()[probeTicket];
    probe.Owner = &connection;
    probe.Device = target.Device;
    probe.IsProbe = true;
    probe.FollowUp = ticket;
    int error = 0;
    if (!SendPdu(connection, ProbePdu(), probeTicket, error)) {
      Exchanges().erase(probeTicket);
      Exchanges().erase(ticket);
      RaiseStatus(StatusFromLibrary(error));
    }
    return ticket;
  }
  EnsureUser(connection);
  int error = 0;
  if (!SendPdu(connection, std::move(Exchanges().at(ticket).Pending), ticket, error)) {
    Exchanges().erase(ticket);
    RaiseStatus(StatusFromLibrary(error));
  }
  return ticket;
}

ZnSNMPWaitObserver* gWaitObserver = nullptr;

// Tells the observer that a wait ends, however it ends.
struct WaitEnding {
  ZnSNMPWaitObserver* Observer;
  ~WaitEnding() {
    if (Observer) Observer->WaitEnds();
  }
};

// Reads and times out one connection's socket until the exchange is done (synchronous use).
// Synchronous connections are never watched by the pump, so nothing else reads this socket but
// a synchronous exchange that the observer's events start meanwhile; whichever wait reads an
// answer finishes its exchange, and each wait looks at its own.
void WaitFor(Connection& connection, std::uint64_t ticket, const ZnSNMPTarget& target,
             ZnSNMPOperation operation) {
  auto& exchanges = Exchanges();
  ZnSNMPWaitObserver* const observer = gWaitObserver;
  ZnSNMPWait wait;
  wait.Operation = operation;
  wait.Address = target.Device.Address;
  wait.Tries = std::max(1, target.Retries + 1);
  const qint64 perTryMs = std::max<qint64>(1, qint64{target.Timeout} * 10);
  QElapsedTimer sinceTry, sinceTurn;
  sinceTry.start();
  sinceTurn.start();
  if (observer) {
    wait.Discovering = exchanges.at(ticket).Pending != nullptr;
    observer->WaitBegins(wait);
  }
  const WaitEnding ending{observer};
  for (;;) {
    const auto found = exchanges.find(ticket);
    if (found == exchanges.end() || found->second.Done) return;
    int fds = 0;
    int block = 1;
    fd_set readable;
    FD_ZERO(&readable);
    timeval timeout{};
    snmp_sess_select_info_flags(connection.Session, &fds, &readable, &timeout, &block,
                                NETSNMP_SELECT_NOALARMS);
    if (observer) {
      // Never sleep past the next turn: the library's own time-outs are checked below, and
      // checking one before it is due does nothing.
      const timeval turn{0, ZnSNMPWaitTurnMs * 1000};
      if (block || timercmp(&timeout, &turn, >)) timeout = turn;
      block = 0;
    }
    const int ready = select(fds, &readable, nullptr, nullptr, block ? nullptr : &timeout);
    if (ready > 0)
      snmp_sess_read(connection.Session, &readable);
    else if (ready == 0)
      snmp_sess_timeout(connection.Session);
    else if (errno != EINTR)
      snmp_sess_timeout(connection.Session);
    if (!observer || sinceTurn.elapsed() < ZnSNMPWaitTurnMs) continue;
    const auto still = exchanges.find(ticket);
    if (still == exchanges.end() || still->second.Done) return;
    const bool discovering = still->second.Pending != nullptr;
    if (wait.Discovering && !discovering) sinceTry.restart();  // the request itself goes now
    wait.Discovering = discovering;
    wait.Try = static_cast<int>(std::min<qint64>(wait.Tries, 1 + sinceTry.elapsed() / perTryMs));
    observer->Waiting(wait);
    sinceTurn.restart();
  }
}

}  // namespace

namespace ZnSNMPSessionDetail {

bool HasKnownAnswers() {
  return !KnownAnswers().empty();
}

void DeliverKnownAnswers() {
  // Answers that become known while these are delivered (the next rows of a walk that a bulk
  // answer already holds) go out in the same turn, for a few milliseconds at most, so that the
  // window still handles its own events between them.
  constexpr qint64 kTurnNs = 5'000'000;
  QElapsedTimer turn;
  turn.start();
  do {
    std::vector<std::pair<std::uint64_t, ZnSNMPAnswer>> due;
    due.swap(KnownAnswers());
    for (auto& [ticket, answer] : due) Finish(ticket, std::move(answer));
  } while (HasKnownAnswers() && turn.nsecsElapsed() < kTurnNs);
}

}  // namespace ZnSNMPSessionDetail

void ZnSNMPCheckTarget(const ZnSNMPTarget& target) {
  OpenConnection(target, false);
}

ZnSNMPAnswer ZnSNMPExchange(const ZnSNMPTarget& target, ZnSNMPOperation operation,
                            const std::vector<ZnSNMPBinding>& bindings) {
  Connection& connection = OpenConnection(target, false);
  PduPtr pdu = BuildPdu(target, operation, bindings);
  const std::uint64_t ticket = Start(connection, target, std::move(pdu), ZnSNMPCompletion());
  WaitFor(connection, ticket, target, operation);
  auto& exchanges = Exchanges();
  const auto found = exchanges.find(ticket);
  ZnSNMPAnswer answer = std::move(found->second.Answer);
  exchanges.erase(found);
  return answer;
}

std::uint64_t ZnSNMPExchangeAsync(const ZnSNMPTarget& target, ZnSNMPOperation operation,
                                  const std::vector<ZnSNMPBinding>& bindings,
                                  ZnSNMPCompletion completion) {
  Connection& connection = OpenConnection(target, true);
  PduPtr pdu = BuildPdu(target, operation, bindings);
  const std::uint64_t ticket = Start(connection, target, std::move(pdu), std::move(completion));
  RearmPump();
  return ticket;
}

std::uint64_t ZnSNMPCompleteLater(ZnSNMPAnswer answer, ZnSNMPCompletion completion) {
  const std::uint64_t ticket = gNextTicket++;
  Exchange& exchange = Exchanges()[ticket];
  exchange.Completion = std::move(completion);
  exchange.Device = {answer.AgentAddress, answer.AgentPort};
  KnownAnswers().emplace_back(ticket, std::move(answer));
  RearmPump();
  return ticket;
}

void ZnSNMPSetWaitObserver(ZnSNMPWaitObserver* observer) {
  gWaitObserver = observer;
}

ZnSNMPWaitObserver* ZnSNMPCurrentWaitObserver() {
  return gWaitObserver;
}

int ZnSNMPExchangesUnderWay() {
  return static_cast<int>(Exchanges().size() + KnownAnswers().size());
}

void ZnSNMPCancel(std::uint64_t ticket) {
  auto& exchanges = Exchanges();
  if (auto found = exchanges.find(ticket); found != exchanges.end()) {
    found->second.Cancelled = true;
    found->second.Completion = nullptr;
  }
}
