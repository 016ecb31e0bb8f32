#pragma once

#include "NetSnmp.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Sees every request PDU the agent receives, once, before it is answered: writes the trace
// line, drops every N-th request, delays the answer, refuses GETBULK if asked to, and refuses a
// write that net-snmp's own modules would mishandle (ShortCloneFrom). It sits in front of
// net-snmp's own packet handler on the agent's listening session, so a PDU reaches it only after
// net-snmp has decoded it and, for SNMPv3, authenticated and decrypted it.
namespace nx596 {

// The trace line of a request: OP, version, security name (the community for v1 and v2c),
// context and the varbinds, separated by tabs.
std::string FormatRequest(const netsnmp_pdu& pdu);

// net-snmp's usmUserCloneFrom takes the first 12 sub-identifiers of the value written to it as
// the usmUserEntry prefix without checking that the value has them, and reads the user's index
// beyond a shorter value (zeroDotZero, which a read of the column gives, or the table's own OID):
// the agent then reads what lies behind the value and may crash. Such a value names no user, so
// the answer is inconsistentName, as net-snmp gives for any value that names none. Left to
// net-snmp are a row already cloned (every write to it succeeds and does nothing, decided before
// the value is read), a row that does not exist, a value of the wrong type or length, and a
// varbind the requester may not write. Returns the position (from 1) of the first varbind of a
// SET to be refused so, 0 for none.
long ShortCloneFrom(netsnmp_pdu& request);

// What the gate does to the requests it lets through, as the command line asks.
struct GateSettings {
  std::string traceFile;  // empty: no trace
  std::uint32_t delayMs = 0;
  std::uint32_t dropEvery = 0;  // 0: answer everything
  // 0: GETBULK is answered; otherwise the error status every GETBULK is answered with.
  std::int32_t refuseBulk = 0;
};

class RequestGate {
 public:
  // `knownCommunity` tells whether the agent accepts a community: a request it will refuse
  // without an answer is not traced.
  RequestGate(const GateSettings& settings,
              std::function<bool(const std::string&)> knownCommunity);
  ~RequestGate();
  RequestGate(const RequestGate&) = delete;
  RequestGate& operator=(const RequestGate&) = delete;

  // False with a reason when the trace file cannot be opened.
  bool OpenTrace(std::string& error);
  // Puts the gate in front of the listening session; false when there is none.
  bool Install(netsnmp_session* session);
  void Uninstall();
  // Runs just before net-snmp answers each request it receives, which it does at once: the
  // moment a request reads the live counters at.
  void BeforeEachRequest(std::function<void()> before) { before_ = std::move(before); }
  // Sees each request that will be answered, after the trace line is written.
  void WatchRequests(std::function<void(const netsnmp_pdu&)> watch) { watch_ = std::move(watch); }

 private:
  static int OnPacket(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu,
                      void* gate);
  bool Authentic(const netsnmp_pdu& pdu) const;
  // True when the request is to be dropped.
  bool Admit(const netsnmp_pdu& pdu);

  std::string traceFile_;
  std::uint32_t delayMs_;
  std::uint32_t dropEvery_;
  std::int32_t refuseBulk_;
  std::function<bool(const std::string&)> knownCommunity_;
  std::function<void()> before_;
  std::function<void(const netsnmp_pdu&)> watch_;
  std::FILE* trace_ = nullptr;
  std::uint64_t received_ = 0;
  netsnmp_session* session_ = nullptr;
  netsnmp_callback forward_ = nullptr;
  void* forwardMagic_ = nullptr;
};

}  // namespace nx596
