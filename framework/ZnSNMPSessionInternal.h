#pragma once

// What the files of the session layer share: the net-snmp adapter, the connections and the pump's
// hooks. Private to framework/ (its net-snmp headers are not visible outside it); the public
// interface is ZnSNMPSession.h.

#include "ZnSNMPSession.h"

// net-snmp's headers must come in this order: configuration, the library, then its parts.
// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/transform_oids.h>
// clang-format on

#include <QByteArray>
#include <QSocketNotifier>
#include <QString>

#include <cstddef>
#include <map>
#include <memory>

namespace ZnSNMPSessionDetail {

// SNMP++ status numbers used by the adapter.
inline constexpr int kStatusTimeout = -5;
inline constexpr int kStatusDropped = -8;
inline constexpr int kStatusOperationFailed = -1;
inline constexpr int kStatusInvalidOid = -17;
inline constexpr int kStatusTransportFailed = -22;
inline constexpr int kStatusUsmError = 1401;
inline constexpr int kStatusUsmUnsupportedLevel = 1403;
inline constexpr int kStatusUsmUnknownName = 1404;
inline constexpr int kStatusUsmEncryption = 1405;
inline constexpr int kStatusUsmDecryption = 1406;
inline constexpr int kStatusUsmAuthenticationError = 1407;
inline constexpr int kStatusUsmAuthenticationFailure = 1408;
inline constexpr int kStatusUsmParse = 1409;
inline constexpr int kStatusUsmUnknownEngine = 1410;
inline constexpr int kStatusUsmTimeWindow = 1411;
inline constexpr int kStatusUsmUnsupportedAuth = 1412;
inline constexpr int kStatusUsmUnsupportedPriv = 1413;
inline constexpr int kStatusV3UnsupportedModel = -1402;
inline constexpr int kStatusV3InvalidMessage = -1405;
inline constexpr int kStatusV3UnknownPduHandlers = -1415;
inline constexpr int kStatusV3UnavailableContext = -1416;
inline constexpr int kStatusV3UnknownContext = -1417;

inline constexpr int kSecurityModelUsm = 3;

// ---------------------------------------------------------------------------------------------
// The net-snmp adapter (ZnSNMPLibraryAdapter.cpp)

// Sets the library up once per process, reading and writing none of its files.
void EnsureLibrary();

struct ProtocolOid {
  const oid* Oid;
  size_t Length;
};

// Authentication and privacy protocols in the command line's numbering; null for "none". False
// for numbers that are not available.
bool AuthProtocol(int number, ProtocolOid& protocol);
bool PrivProtocol(int number, ProtocolOid& protocol);

// A net-snmp error number in the SNMP++ numbering.
int StatusFromLibrary(int error);
// The status of a report PDU, from the counter it carries.
int StatusFromReport(const netsnmp_pdu* pdu);
[[noreturn]] void RaiseStatus(int status);

QString OidText(const oid* name, size_t length);
ZnSNMPValue ValueFromVariable(const netsnmp_variable_list* vb);

struct PduDeleter {
  void operator()(netsnmp_pdu* pdu) const { snmp_free_pdu(pdu); }
};
using PduPtr = std::unique_ptr<netsnmp_pdu, PduDeleter>;

// The request PDU of one exchange, with its community or SNMPv3 scope. Raises -17 for an OID
// that cannot be sent.
PduPtr BuildPdu(const ZnSNMPTarget& target, ZnSNMPOperation operation,
                const std::vector<ZnSNMPBinding>& bindings);
// An empty get at security level noAuthNoPriv: the agent answers it with a report that names its
// engine ID.
PduPtr ProbePdu();

// ---------------------------------------------------------------------------------------------
// Connections and USM users (ZnSNMPConnections.cpp)

struct Connection {
  void* Session = nullptr;  // net-snmp single-session handle
  bool Asynchronous = false;
  bool IsV3 = false;
  int Retries = 0;
  QByteArray CredentialDigest;  // which pass phrases the session was opened with
  std::unique_ptr<QSocketNotifier> Notifier;
  netsnmp_session* Info() const { return snmp_sess_session(Session); }
};

// Every open connection by destination and credentials.
std::map<QString, std::unique_ptr<Connection>>& Connections();
// The connection for this target, opened on first use. Raises -509 and the SNMPv3 codes.
Connection& OpenConnection(const ZnSNMPTarget& target, bool asynchronous);
// Makes sure the USM user of this connection's engine and name has this connection's keys.
void EnsureUser(Connection& connection);
// Forgets the agent's engine ID so that the next exchange discovers it again.
void ClearEngineId(netsnmp_session* s);

// ---------------------------------------------------------------------------------------------
// The event pump's hooks (ZnSNMPEventPump.cpp)

int SocketOf(const Connection& connection);
// Lets the pump handle an asynchronous connection's answers as soon as they arrive.
void WatchConnection(Connection& connection);
// Sets the pump's timer to the earliest retransmission or time-out, or to now while answers
// that are already known wait to be delivered.
void RearmPump();

// Answers that are already known (ZnSNMPExchanges.cpp): whether some wait, and delivering those
// that waited when the call began (what their completions post waits for the next round).
bool HasKnownAnswers();
void DeliverKnownAnswers();

}  // namespace ZnSNMPSessionDetail
