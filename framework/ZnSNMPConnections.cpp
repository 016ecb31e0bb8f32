// Connections: one net-snmp session per destination and credentials, and the USM users that
// hold their keys.

#include "ZnSNMPMessages.h"
#include "ZnSNMPSessionInternal.h"

#include <QCryptographicHash>
#include <QStringList>

#include <algorithm>

namespace ZnSNMPSessionDetail {

namespace {

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

}  // namespace

// Connections live until the process ends (made once, never destroyed: closing sockets and
// notifiers after the application object is gone would be worse than leaving them to the OS).
std::map<QString, std::unique_ptr<Connection>>& Connections() {
  static auto* connections = new std::map<QString, std::unique_ptr<Connection>>;
  return *connections;
}

void ClearEngineId(netsnmp_session* s) {
  SNMP_FREE(s->securityEngineID);
  s->securityEngineIDLen = 0;
  SNMP_FREE(s->contextEngineID);
  s->contextEngineIDLen = 0;
}

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
  // net-snmp honours "don't probe" only while it opens the session and then clears the flag,
  // after which the first send of a session without an engine ID probes synchronously: an
  // asynchronous read of a silent SNMPv3 agent would hold the window for all the probe's
  // tries. Discovery is ours (an asynchronous probe), so the flag stays.
  if (s.version == SNMP_VERSION_3) snmp_sess_session(session)->flags |= SNMP_FLAGS_DONT_PROBE;
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

}  // namespace ZnSNMPSessionDetail
