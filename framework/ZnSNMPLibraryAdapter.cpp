// The net-snmp adapter: setting the library up, the protocol numbers, statuses and reports in
// the SNMP++ numbering, values between the framework and net-snmp, and request PDUs.

#include "ZnSNMPMessages.h"
#include "ZnSNMPSessionInternal.h"
#include "ZnSNMPValueCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace ZnSNMPSessionDetail {

namespace {

// A private, empty directory for whatever net-snmp would otherwise look for on disk.
const QString& PrivateDirectory() {
  static QTemporaryDir dir;
  static const QString path = dir.isValid() ? dir.path() : QDir::tempPath();
  // Made in advance, or the library announces on stdout that it made it.
  QDir(path).mkpath(QStringLiteral("cert_indexes"));
  return path;
}

bool StartsWith(const oid* name, size_t length, std::initializer_list<oid> prefix) {
  if (length < prefix.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), name);
}

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

}  // namespace

// ---------------------------------------------------------------------------------------------
// The library

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

// ---------------------------------------------------------------------------------------------
// Request PDUs

PduPtr BuildPdu(const ZnSNMPTarget& target, ZnSNMPOperation operation,
                const std::vector<ZnSNMPBinding>& bindings) {
  const int command = operation == ZnSNMPOperation::Get       ? SNMP_MSG_GET
                      : operation == ZnSNMPOperation::GetNext ? SNMP_MSG_GETNEXT
                      : operation == ZnSNMPOperation::GetBulk ? SNMP_MSG_GETBULK
                                                              : SNMP_MSG_SET;
  PduPtr pdu(snmp_pdu_create(command));
  if (command == SNMP_MSG_GETBULK) {
    pdu->non_repeaters = 0;
    pdu->max_repetitions = std::max(1, target.MaxRepetitions);
  }
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

PduPtr ProbePdu() {
  PduPtr pdu(snmp_pdu_create(SNMP_MSG_GET));
  pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
  // No user name: the answer must not depend on a user this side does not know yet.
  pdu->securityName = static_cast<char*>(calloc(1, 1));
  pdu->securityNameLen = 0;
  return pdu;
}

}  // namespace ZnSNMPSessionDetail
