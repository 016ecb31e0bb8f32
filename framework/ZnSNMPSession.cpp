#include "ZnSNMPSession.h"

#include "ZnIni.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPValueCodec.h"

// net-snmp's headers must come in this order: configuration, the library, then its parts.
// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/transform_oids.h>
// clang-format on

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/select.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <unordered_map>

ZnSNMPDevice ZnSNMPGlobalDevice;
ZnSNMPScope ZnSNMPGlobalScope;
ZnSNMPSecurity ZnSNMPGlobalSecurity;
std::int32_t ZnSNMPDefaultTimeout = 0;

namespace {

// SNMP++ status numbers used by the adapter.
constexpr int kStatusTimeout = -5;
constexpr int kStatusDropped = -8;
constexpr int kStatusOperationFailed = -1;
constexpr int kStatusInvalidOid = -17;
constexpr int kStatusTransportFailed = -22;
constexpr int kStatusUsmError = 1401;
constexpr int kStatusUsmUnsupportedLevel = 1403;
constexpr int kStatusUsmUnknownName = 1404;
constexpr int kStatusUsmEncryption = 1405;
constexpr int kStatusUsmDecryption = 1406;
constexpr int kStatusUsmAuthenticationError = 1407;
constexpr int kStatusUsmAuthenticationFailure = 1408;
constexpr int kStatusUsmParse = 1409;
constexpr int kStatusUsmUnknownEngine = 1410;
constexpr int kStatusUsmTimeWindow = 1411;
constexpr int kStatusUsmUnsupportedAuth = 1412;
constexpr int kStatusUsmUnsupportedPriv = 1413;
constexpr int kStatusV3UnsupportedModel = -1402;
constexpr int kStatusV3InvalidMessage = -1405;
constexpr int kStatusV3UnknownPduHandlers = -1415;
constexpr int kStatusV3UnavailableContext = -1416;
constexpr int kStatusV3UnknownContext = -1417;

constexpr int kSecurityModelUsm = 3;

// ---------------------------------------------------------------------------------------------
// The library

// A private, empty directory for whatever net-snmp would otherwise look for on disk.
const QString& PrivateDirectory() {
  static QTemporaryDir dir;
  static const QString path = dir.isValid() ? dir.path() : QDir::tempPath();
  // Made in advance, or the library announces on stdout that it made it.
  QDir(path).mkpath(QStringLiteral("cert_indexes"));
  return path;
}

void EnsureLibrary() {
  static bool ready = false;
  if (ready) return;
  ready = true;
  const QByteArray privateDir = QFile::encodeName(PrivateDirectory());
  // No MIB modules, no configuration files, no persistent state: the module writes no files of
  // net-snmp's and reads none of the user's or the system's.
  qputenv("MIBS", "");
  qputenv("MIBDIRS", privateDir);
  qputenv("SNMPCONFPATH", privateDir);
  qputenv("SNMP_PERSISTENT_DIR", privateDir);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
  netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR,
                        privateDir.constData());
  snmp_disable_log();
  init_snmp("nx596");
}

// ---------------------------------------------------------------------------------------------
// Protocols and status adapter

struct ProtocolOid {
  const oid* Oid;
  size_t Length;
};

// Authentication protocols in the command line's numbering; null for "none".
bool AuthProtocol(int number, ProtocolOid& protocol) {
  switch (number) {
    case 1:
      protocol = {nullptr, 0};
      return true;
    case 2:
      protocol = {usmHMACMD5AuthProtocol, OID_LENGTH(usmHMACMD5AuthProtocol)};
      return true;
    case 3:
      protocol = {usmHMACSHA1AuthProtocol, OID_LENGTH(usmHMACSHA1AuthProtocol)};
      return true;
    case 4:
      protocol = {usmHMAC128SHA224AuthProtocol, OID_LENGTH(usmHMAC128SHA224AuthProtocol)};
      return true;
    case 5:
      protocol = {usmHMAC192SHA256AuthProtocol, OID_LENGTH(usmHMAC192SHA256AuthProtocol)};
      return true;
    case 6:
      protocol = {usmHMAC256SHA384AuthProtocol, OID_LENGTH(usmHMAC256SHA384AuthProtocol)};
      return true;
    case 7:
      protocol = {usmHMAC384SHA512AuthProtocol, OID_LENGTH(usmHMAC384SHA512AuthProtocol)};
      return true;
    default:
      return false;  // unknown numbers are refused, never sent unauthenticated
  }
}

bool PrivProtocol(int number, ProtocolOid& protocol) {
  switch (number) {
    case 1:
      protocol = {nullptr, 0};
      return true;
    case 2:
      protocol = {usmDESPrivProtocol, OID_LENGTH(usmDESPrivProtocol)};
      return true;
    case 4:
      protocol = {usmAESPrivProtocol, OID_LENGTH(usmAESPrivProtocol)};
      return true;
    case 20:
      protocol = {usmAES192PrivProtocol, OID_LENGTH(usmAES192PrivProtocol)};
      return true;
    case 21:
      protocol = {usmAES256PrivProtocol, OID_LENGTH(usmAES256PrivProtocol)};
      return true;
    default:
      return false;  // 3DES, IDEA and unknown numbers: not available, refused
  }
}

// A net-snmp error number in the SNMP++ numbering.
int StatusFromLibrary(int error) {
  switch (error) {
    case SNMPERR_SUCCESS:
      return 0;
    case SNMPERR_TIMEOUT:
      return kStatusTimeout;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
      return kStatusUsmUnknownName;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
      return kStatusUsmUnknownEngine;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
      return kStatusUsmAuthenticationFailure;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
      return kStatusUsmDecryption;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
      return kStatusUsmTimeWindow;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
      return kStatusUsmUnsupportedLevel;
    case SNMPERR_USM_ENCRYPTIONERROR:
      return kStatusUsmEncryption;
    case SNMPERR_USM_PARSEERROR:
      return kStatusUsmParse;
    case SNMPERR_USM_GENERICERROR:
      return kStatusUsmError;
    case SNMPERR_UNKNOWN_SEC_MODEL:
      return kStatusV3UnsupportedModel;
    case SNMPERR_INVALID_MSG:
      return kStatusV3InvalidMessage;
    case SNMPERR_UNKNOWN_PDU:
      return kStatusV3UnknownPduHandlers;
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM:
    case SNMPERR_NO_SOCKET:
      return kStatusTransportFailed;
    case SNMPERR_ABORT:
      return kStatusDropped;
    default:
      return kStatusOperationFailed;
  }
}

bool StartsWith(const oid* name, size_t length, std::initializer_list<oid> prefix) {
  if (length < prefix.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), name);
}

// The status of a report PDU, from the counter it carries.
int StatusFromReport(const netsnmp_pdu* pdu) {
  const netsnmp_variable_list* vb = pdu->variables;
  if (vb == nullptr) return kStatusOperationFailed;
  struct Counter {
    std::initializer_list<oid> prefix;
    int status;
  };
  static const Counter counters[] = {
      {{1, 3, 6, 1, 6, 3, 15, 1, 1, 1}, kStatusUsmUnsupportedLevel},
      {{1, 3, 6, 1, 6, 3, 15, 1, 1, 2}, kStatusUsmTimeWindow},
      {{1, 3, 6, 1, 6, 3, 15, 1, 1, 3}, kStatusUsmUnknownName},
      {{1, 3, 6, 1, 6, 3, 15, 1, 1, 4}, kStatusUsmUnknownEngine},
      {{1, 3, 6, 1, 6, 3, 15, 1, 1, 5}, kStatusUsmAuthenticationFailure},
      {{1, 3, 6, 1, 6, 3, 15, 1, 1, 6}, kStatusUsmDecryption},
      {{1, 3, 6, 1, 6, 3, 11, 2, 1, 1}, kStatusV3UnsupportedModel},
      {{1, 3, 6, 1, 6, 3, 11, 2, 1, 2}, kStatusV3InvalidMessage},
      {{1, 3, 6, 1, 6, 3, 11, 2, 1, 3}, kStatusV3UnknownPduHandlers},
      {{1, 3, 6, 1, 6, 3, 12, 1, 4}, kStatusV3UnavailableContext},
      {{1, 3, 6, 1, 6, 3, 12, 1, 5}, kStatusV3UnknownContext},
  };
  for (const Counter& c : counters)
    if (StartsWith(vb->name, vb->name_length, c.prefix)) return c.status;
  return kStatusOperationFailed;
}

[[noreturn]] void RaiseStatus(int status) {
  const ZnMappedError mapped = ZnSNMPMapError(status);
  throw ZnException(mapped.Message, mapped.Code);
}

// ---------------------------------------------------------------------------------------------
// Values between the framework and net-snmp

QString OidText(const oid* name, size_t length) {
  QString text;
  for (size_t k = 0; k < length; ++k) {
    if (k) text += QLatin1Char('.');
    text += QString::number(name[k]);
  }
  return text;
}

ZnSNMPValue ValueFromVariable(const netsnmp_variable_list* vb) {
  switch (vb->type) {
    case ASN_INTEGER:
      return ZnSNMPValue::MakeInteger(static_cast<std::int32_t>(*vb->val.integer));
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
      return ZnSNMPValue::MakeUnsigned(static_cast<ZnSNMPValue::Tag>(vb->type),
                                       static_cast<std::uint32_t>(*vb->val.integer));
    case ASN_COUNTER64:
      return ZnSNMPValue::MakeUnsigned(
          ZnSNMPValue::Counter64,
          (static_cast<std::uint64_t>(vb->val.counter64->high) << 32) | vb->val.counter64->low);
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
    case ASN_OPAQUE:
      return ZnSNMPValue::MakeBytes(static_cast<ZnSNMPValue::Tag>(vb->type),
                                    QByteArray(reinterpret_cast<const char*>(vb->val.string),
                                               static_cast<qsizetype>(vb->val_len)));
    case ASN_OBJECT_ID: {
      std::vector<std::uint32_t> parts(vb->val.objid, vb->val.objid + vb->val_len / sizeof(oid));
      return ZnSNMPValue::MakeOid(std::move(parts));
    }
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW: {
      ZnSNMPValue exception;
      exception.Type = vb->type;
      return exception;
    }
    default:
      return ZnSNMPValue::MakeNull();
  }
}

struct PduDeleter {
  void operator()(netsnmp_pdu* pdu) const { snmp_free_pdu(pdu); }
};
using PduPtr = std::unique_ptr<netsnmp_pdu, PduDeleter>;

void AddVariable(netsnmp_pdu* pdu, const ZnSNMPBinding& binding) {
  std::vector<std::uint32_t> parts;
  if (!ZnParseOid(binding.Oid, parts) || parts.size() > MAX_OID_LEN) RaiseStatus(kStatusInvalidOid);
  std::vector<oid> name(parts.begin(), parts.end());
  const ZnSNMPValue& v = binding.Value;
  switch (v.Type) {
    case ZnSNMPValue::Integer: {
      const long value = static_cast<long>(v.Signed);
      snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &value, sizeof value);
      return;
    }
    case ZnSNMPValue::Counter32:
    case ZnSNMPValue::Gauge32:
    case ZnSNMPValue::TimeTicks:
    case ZnSNMPValue::UInteger32: {
      const u_long value = static_cast<u_long>(v.Unsigned & 0xFFFFFFFFu);
      snmp_pdu_add_variable(pdu, name.data(), name.size(), v.Type, &value, sizeof value);
      return;
    }
    case ZnSNMPValue::Counter64: {
      counter64 value;
      value.high = static_cast<u_long>(v.Unsigned >> 32);
      value.low = static_cast<u_long>(v.Unsigned & 0xFFFFFFFFu);
      snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &value, sizeof value);
      return;
    }
    case ZnSNMPValue::OctetString:
    case ZnSNMPValue::IpAddress:
    case ZnSNMPValue::Opaque:
      snmp_pdu_add_variable(pdu, name.data(), name.size(), v.Type, v.Bytes.constData(),
                            static_cast<size_t>(v.Bytes.size()));
      return;
    case ZnSNMPValue::ObjectId: {
      std::vector<oid> value(v.Oid.begin(), v.Oid.end());
      snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, value.data(),
                            value.size() * sizeof(oid));
      return;
    }
    default:
      snmp_add_null_var(pdu, name.data(), name.size());
  }
}

// ---------------------------------------------------------------------------------------------
// Connections: one net-snmp session per destination and credentials

struct Connection {
  void* Session = nullptr;  // net-snmp single-session handle
  bool Asynchronous = false;
  bool IsV3 = false;
  int Retries = 0;
  QByteArray CredentialDigest;  // which pass phrases the session was opened with
  std::unique_ptr<QSocketNotifier> Notifier;
  netsnmp_session* Info() const { return snmp_sess_session(Session); }
};

// Connections live until the process ends (made once, never destroyed: closing sockets and
// notifiers after the application object is gone would be worse than leaving them to the OS).
std::map<QString, std::unique_ptr<Connection>>& Connections() {
  static auto* connections = new std::map<QString, std::unique_ptr<Connection>>;
  return *connections;
}

// The pass phrases that created each USM user (engine ID + name): net-snmp keeps one user per
// engine and name for the whole process, so a user made with a wrong pass phrase has to be
// replaced when the phrase is corrected.
std::map<QByteArray, QByteArray>& UserCredentials() {
  static std::map<QByteArray, QByteArray> users;
  return users;
}

QString ConnectionKey(const ZnSNMPTarget& t, bool asynchronous) {
  const ZnSNMPSecurity& s = t.Security;
  QStringList parts = {
      t.Device.Address,           QString::number(t.Device.Port),
      QString::number(s.Version), QString::number(t.Timeout),
      QString::number(t.Retries), asynchronous ? QStringLiteral("a") : QStringLiteral("s")};
  if (s.Version == SNMP_VERSION_3)
    parts << s.SecurityName << QString::number(s.SecurityLevel) << QString::number(s.AuthProtocol)
          << QString::number(s.PrivProtocol)
          << QString::fromLatin1(
                 QCryptographicHash::hash((s.AuthPassword + QChar(0) + s.PrivPassword).toUtf8(),
                                          QCryptographicHash::Sha256)
                     .toHex());
  return parts.join(QChar(0x1f));
}

QByteArray CredentialDigest(const ZnSNMPSecurity& s) {
  return QCryptographicHash::hash(
      (QString::number(s.AuthProtocol) + QChar(0) + QString::number(s.PrivProtocol) + QChar(0) +
       s.AuthPassword + QChar(0) + s.PrivPassword)
          .toUtf8(),
      QCryptographicHash::Sha256);
}

QByteArray PeerName(const ZnSNMPDevice& device) {
  const QString host = device.Address.trimmed();
  if (host.contains(QLatin1Char(':')))
    return QStringLiteral("udp6:[%1]:%2").arg(host).arg(device.Port).toUtf8();
  return QStringLiteral("udp:%1:%2").arg(host).arg(device.Port).toUtf8();
}

bool ValidHostText(const QString& host) {
  if (host.isEmpty()) return false;
  for (QChar c : host)
    if (c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char(',')) return false;
  return true;
}

void ClearEngineId(netsnmp_session* s) {
  SNMP_FREE(s->securityEngineID);
  s->securityEngineIDLen = 0;
  SNMP_FREE(s->contextEngineID);
  s->contextEngineIDLen = 0;
}

void CheckSecurity(const ZnSNMPSecurity& s) {
  if (s.Version != SNMP_VERSION_3) return;
  if (s.SecurityModel != kSecurityModelUsm) RaiseStatus(kStatusV3UnsupportedModel);
  if (s.SecurityLevel < SNMP_SEC_LEVEL_NOAUTH || s.SecurityLevel > SNMP_SEC_LEVEL_AUTHPRIV)
    RaiseStatus(kStatusUsmUnsupportedLevel);
  ProtocolOid protocol{};
  if (s.SecurityLevel >= SNMP_SEC_LEVEL_AUTHNOPRIV &&
      (!AuthProtocol(s.AuthProtocol, protocol) || protocol.Oid == nullptr))
    RaiseStatus(kStatusUsmUnsupportedAuth);
  if (s.SecurityLevel == SNMP_SEC_LEVEL_AUTHPRIV &&
      (!PrivProtocol(s.PrivProtocol, protocol) || protocol.Oid == nullptr))
    RaiseStatus(kStatusUsmUnsupportedPriv);
}

// Fills the USM part of a session about to be opened. The keys are derived here from the pass
// phrases; net-snmp localizes them for the agent's engine when the user is created.
void SetUpUsm(netsnmp_session& s, const ZnSNMPSecurity& sec, QByteArray& name) {
  name = sec.SecurityName.toUtf8();
  s.securityName = name.data();
  s.securityNameLen = static_cast<size_t>(name.size());
  s.securityModel = SNMP_SEC_MODEL_USM;
  s.securityLevel = sec.SecurityLevel;
  s.flags |= SNMP_FLAGS_DONT_PROBE;  // discovery is ours, so it never blocks the window
  ProtocolOid auth{};
  AuthProtocol(sec.AuthProtocol, auth);
  if (sec.SecurityLevel >= SNMP_SEC_LEVEL_AUTHNOPRIV) {
    s.securityAuthProto = snmp_duplicate_objid(auth.Oid, auth.Length);
    s.securityAuthProtoLen = auth.Length;
    const QByteArray pass = sec.AuthPassword.toUtf8();
    s.securityAuthKeyLen = USM_AUTH_KU_LEN;
    if (generate_Ku(auth.Oid, static_cast<u_int>(auth.Length),
                    reinterpret_cast<const u_char*>(pass.constData()),
                    static_cast<size_t>(pass.size()), s.securityAuthKey,
                    &s.securityAuthKeyLen) != SNMPERR_SUCCESS)
      RaiseStatus(kStatusUsmAuthenticationError);
  }
  if (sec.SecurityLevel == SNMP_SEC_LEVEL_AUTHPRIV) {
    ProtocolOid priv{};
    PrivProtocol(sec.PrivProtocol, priv);
    s.securityPrivProto = snmp_duplicate_objid(priv.Oid, priv.Length);
    s.securityPrivProtoLen = priv.Length;
    const QByteArray pass = sec.PrivPassword.toUtf8();
    s.securityPrivKeyLen = USM_PRIV_KU_LEN;
    if (generate_Ku(auth.Oid, static_cast<u_int>(auth.Length),
                    reinterpret_cast<const u_char*>(pass.constData()),
                    static_cast<size_t>(pass.size()), s.securityPrivKey,
                    &s.securityPrivKeyLen) != SNMPERR_SUCCESS)
      RaiseStatus(kStatusUsmEncryption);
  }
}

void WatchConnection(Connection& connection);

Connection& OpenConnection(const ZnSNMPTarget& target, bool asynchronous) {
  EnsureLibrary();
  CheckSecurity(target.Security);
  const QString key = ConnectionKey(target, asynchronous);
  auto& connections = Connections();
  if (auto found = connections.find(key); found != connections.end()) return *found->second;

  if (!ValidHostText(target.Device.Address.trimmed()))
    throw ZnFrameworkError(ZnCode::InvalidAddress);
  netsnmp_session s;
  snmp_sess_init(&s);
  QByteArray peer = PeerName(target.Device);
  s.peername = peer.data();
  s.version = target.Security.Version == 3   ? SNMP_VERSION_3
              : target.Security.Version == 1 ? SNMP_VERSION_2c
                                             : SNMP_VERSION_1;
  s.retries = std::max(0, target.Retries);
  s.timeout = static_cast<long>(std::max(1, target.Timeout)) * 10000L;
  QByteArray name;
  if (s.version == SNMP_VERSION_3) {
    try {
      SetUpUsm(s, target.Security, name);
    } catch (...) {
      SNMP_FREE(s.securityAuthProto);
      SNMP_FREE(s.securityPrivProto);
      throw;
    }
  }
  void* session = snmp_sess_open(&s);
  const int openError = s.s_snmp_errno;
  SNMP_FREE(s.securityAuthProto);
  SNMP_FREE(s.securityPrivProto);
  if (session == nullptr) {
    if (openError == SNMPERR_BAD_ADDRESS || openError == SNMPERR_GENERR || openError == 0)
      throw ZnFrameworkError(ZnCode::InvalidAddress);
    RaiseStatus(StatusFromLibrary(openError));
  }
  auto connection = std::make_unique<Connection>();
  connection->Session = session;
  connection->Asynchronous = asynchronous;
  connection->IsV3 = s.version == SNMP_VERSION_3;
  connection->Retries = s.retries;
  connection->CredentialDigest = CredentialDigest(target.Security);
  Connection& result = *connection;
  connections.emplace(key, std::move(connection));
  if (asynchronous) WatchConnection(result);
  return result;
}

// Makes sure the USM user of this connection's engine and name has this connection's keys.
void EnsureUser(Connection& connection) {
  netsnmp_session* s = connection.Info();
  if (!connection.IsV3 || s->securityEngineIDLen == 0) return;
  const QByteArray engine(reinterpret_cast<const char*>(s->securityEngineID),
                          static_cast<qsizetype>(s->securityEngineIDLen));
  const QByteArray userKey =
      engine + '\0' + QByteArray(s->securityName, static_cast<qsizetype>(s->securityNameLen));
  auto& users = UserCredentials();
  const auto known = users.find(userKey);
  if (known != users.end() && known->second == connection.CredentialDigest) return;
  if (usmUser* existing =
          usm_get_user(s->securityEngineID, s->securityEngineIDLen, s->securityName)) {
    usm_remove_user(existing);
    usm_free_user(existing);
  }
  // The library creates a user once per session and never updates an existing one's keys.
  s->flags &= ~SNMP_FLAGS_USER_CREATED;
  if (usm_create_user_from_session(s) == SNMPERR_SUCCESS)
    users[userKey] = connection.CredentialDigest;
  else
    users.erase(userKey);
}

// ---------------------------------------------------------------------------------------------
// Exchanges

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

void RearmPump();

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

// An empty get at security level noAuthNoPriv: the agent answers it with a report that names its
// engine ID.
PduPtr ProbePdu() {
  PduPtr pdu(snmp_pdu_create(SNMP_MSG_GET));
  pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
  // No user name: the answer must not depend on a user this side does not know yet.
  pdu->securityName = static_cast<char*>(calloc(1, 1));
  pdu->securityNameLen = 0;
  return pdu;
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

PduPtr BuildPdu(const ZnSNMPTarget& target, ZnSNMPOperation operation,
                const std::vector<ZnSNMPBinding>& bindings) {
  const int command = operation == ZnSNMPOperation::Get       ? SNMP_MSG_GET
                      : operation == ZnSNMPOperation::GetNext ? SNMP_MSG_GETNEXT
                                                              : SNMP_MSG_SET;
  PduPtr pdu(snmp_pdu_create(command));
  for (const ZnSNMPBinding& binding : bindings) AddVariable(pdu.get(), binding);
  const ZnSNMPSecurity& s = target.Security;
  if (s.Version == 3) {
    pdu->securityLevel = s.SecurityLevel;
    const QByteArray contextName = target.Scope.ContextName.toUtf8();
    pdu->contextName =
        static_cast<char*>(netsnmp_memdup(contextName.constData(), contextName.size() + 1));
    pdu->contextNameLen = static_cast<size_t>(contextName.size());
    const QByteArray engine = target.Scope.ContextEngineID.toLatin1();
    if (!engine.isEmpty()) {
      pdu->contextEngineID =
          static_cast<u_char*>(netsnmp_memdup(engine.constData(), engine.size()));
      pdu->contextEngineIDLen = static_cast<size_t>(engine.size());
    }
  } else {
    const QByteArray community =
        (operation == ZnSNMPOperation::Set ? s.WriteCommunity : s.ReadCommunity).toUtf8();
    pdu->community =
        static_cast<u_char*>(netsnmp_memdup(community.constData(), community.size() + 1));
    pdu->community_len = static_cast<size_t>(community.size());
  }
  return pdu;
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

// Reads and times out one connection's socket until the exchange is done (synchronous use).
// Synchronous connections are never watched by the pump, so nothing else reads this socket.
void WaitFor(Connection& connection, std::uint64_t ticket) {
  auto& exchanges = Exchanges();
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
    const int ready = select(fds, &readable, nullptr, nullptr, block ? nullptr : &timeout);
    if (ready > 0)
      snmp_sess_read(connection.Session, &readable);
    else if (ready == 0)
      snmp_sess_timeout(connection.Session);
    else if (errno != EINTR)
      snmp_sess_timeout(connection.Session);
  }
}

int SocketOf(const Connection& connection) {
  netsnmp_transport* transport = snmp_sess_transport(connection.Session);
  return transport ? transport->sock : -1;
}

}  // namespace

// ---------------------------------------------------------------------------------------------

int ZnSNMPGetBootCounter(const QString& fileName, const QString& engineID, std::uint32_t& boots) {
  QFile file(fileName);
  if (!file.exists()) return -2;
  if (!file.open(QIODevice::ReadOnly)) return -2;
  const QList<QByteArray> lines = file.readAll().split('\n');
  for (const QByteArray& raw : lines) {
    const QByteArray line = raw.trimmed();
    if (line.isEmpty()) continue;
    const qsizetype space = line.lastIndexOf(' ');
    if (space <= 0) return -3;
    bool ok = false;
    const qulonglong value = line.mid(space + 1).toULongLong(&ok);
    if (!ok || value > 0x7FFFFFFF) return -3;
    if (QString::fromUtf8(line.left(space)) == engineID) {
      boots = static_cast<std::uint32_t>(value);
      return 0;
    }
  }
  return -1;
}

int ZnSNMPSaveBootCounter(const QString& fileName, const QString& engineID, std::uint32_t boots) {
  QByteArray content;
  QFile existing(fileName);
  if (existing.open(QIODevice::ReadOnly)) {
    for (const QByteArray& raw : existing.readAll().split('\n')) {
      const QByteArray line = raw.trimmed();
      const qsizetype space = line.lastIndexOf(' ');
      if (line.isEmpty() || space <= 0 || QString::fromUtf8(line.left(space)) == engineID) continue;
      content += line + '\n';
    }
  }
  content += engineID.toUtf8() + ' ' + QByteArray::number(boots) + '\n';
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return -1;
  file.write(content);
  return file.commit() ? 0 : -1;
}

// ---------------------------------------------------------------------------------------------
// The event pump

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

namespace {

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

}  // namespace

// ---------------------------------------------------------------------------------------------
// Public operations

void ZnSNMPOpenSession(const QString& bootCounterDirectory) {
  SnmpEventProcessor& pump = ZnSNMPEventPump();
  pump.Stop();
  EnsureLibrary();
  const QString engineID = QString::fromLatin1(ZnSNMPLocalEngineID);
  const QString fileName =
      JoinPath(bootCounterDirectory, QString::fromLatin1(ZnSNMPBootCounterFile));
  std::uint32_t boots = 0;
  if (ZnSNMPGetBootCounter(fileName, engineID, boots) < -2)
    throw ZnFrameworkError(ZnCode::BootCounterLoad);
  if (ZnSNMPSaveBootCounter(fileName, engineID, boots + 1) != 0)
    throw ZnFrameworkError(ZnCode::BootCounterSave);
  const QByteArray id = engineID.toLatin1();
  set_exact_engineID(reinterpret_cast<const u_char*>(id.constData()),
                     static_cast<size_t>(id.size()));
  // The library counts the boots it is given as the previous run's and adds one.
  QByteArray previousBoots = QByteArray::number(boots);
  engineBoots_conf("engineBoots", previousBoots.data());

  ZnSNMPGlobalDevice = {QStringLiteral("127.0.0.1"), 161};
  ZnSNMPGlobalScope = {QString(), QString()};
  ZnSNMPGlobalSecurity = ZnSNMPSecurity{0,
                                        QStringLiteral("tamrel"),
                                        QStringLiteral("vosquin"),
                                        1,
                                        1,
                                        QString(),
                                        QString(),
                                        QString(),
                                        1,
                                        1};
  ZnSNMPDefaultTimeout = 100;
  pump.Start();
}

void ZnSNMPCheckTarget(const ZnSNMPTarget& target) {
  OpenConnection(target, false);
}

ZnSNMPAnswer ZnSNMPExchange(const ZnSNMPTarget& target, ZnSNMPOperation operation,
                            const std::vector<ZnSNMPBinding>& bindings) {
  Connection& connection = OpenConnection(target, false);
  PduPtr pdu = BuildPdu(target, operation, bindings);
  const std::uint64_t ticket = Start(connection, target, std::move(pdu), ZnSNMPCompletion());
  WaitFor(connection, ticket);
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

void ZnSNMPCancel(std::uint64_t ticket) {
  auto& exchanges = Exchanges();
  if (auto found = exchanges.find(ticket); found != exchanges.end()) {
    found->second.Cancelled = true;
    found->second.Completion = nullptr;
  }
}
