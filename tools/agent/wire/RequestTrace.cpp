#include "RequestTrace.h"

#include <chrono>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace nx596 {

namespace {

const char kHex[] = "0123456789ABCDEF";

std::string Hex(const u_char* bytes, std::size_t length) {
  std::string text;
  text.reserve(length * 2);
  for (std::size_t i = 0; i < length; ++i) {
    text += kHex[bytes[i] >> 4];
    text += kHex[bytes[i] & 0x0F];
  }
  return text;
}

std::string Dotted(const oid* name, std::size_t length) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    if (i) text += '.';
    text += std::to_string(name[i]);
  }
  return text;
}

std::string FormatValue(const netsnmp_variable_list& varbind) {
  switch (varbind.type) {
    case ASN_INTEGER:
      return "INTEGER:" + std::to_string(*varbind.val.integer);
    case ASN_OCTET_STR:
      return "STRING:" + Hex(varbind.val.string, varbind.val_len);
    case ASN_NULL:
      return "NULL:";
    case ASN_OBJECT_ID:
      return "OID:" + Dotted(varbind.val.objid, varbind.val_len / sizeof(oid));
    case ASN_IPADDRESS:
      if (varbind.val_len != 4) return "IPADDRESS:" + Hex(varbind.val.string, varbind.val_len);
      return "IPADDRESS:" + std::to_string(varbind.val.string[0]) + "." +
             std::to_string(varbind.val.string[1]) + "." + std::to_string(varbind.val.string[2]) +
             "." + std::to_string(varbind.val.string[3]);
    case ASN_COUNTER:
      return "COUNTER:" + std::to_string(static_cast<u_long>(*varbind.val.integer) & 0xffffffffUL);
    case ASN_GAUGE:
      return "GAUGE:" + std::to_string(static_cast<u_long>(*varbind.val.integer) & 0xffffffffUL);
    case ASN_TIMETICKS:
      return "TIMETICKS:" +
             std::to_string(static_cast<u_long>(*varbind.val.integer) & 0xffffffffUL);
    case ASN_COUNTER64:
      return "COUNTER64:" + std::to_string((std::uint64_t{varbind.val.counter64->high} << 32) |
                                           (varbind.val.counter64->low & 0xffffffffUL));
    case ASN_OPAQUE:
      return "OPAQUE:" + Hex(varbind.val.string, varbind.val_len);
    default:
      // Not a type a manager sends; the tag number and the raw bytes keep the line exact.
      return "TYPE" + std::to_string(varbind.type) + ":" + Hex(varbind.val.string, varbind.val_len);
  }
}

std::string Operation(const netsnmp_pdu& pdu) {
  switch (pdu.command) {
    case SNMP_MSG_GET:
      return "GET";
    case SNMP_MSG_GETNEXT:
      return "GETNEXT";
    case SNMP_MSG_SET:
      return "SET";
    case SNMP_MSG_GETBULK:
      // For GETBULK the error fields carry non-repeaters and max-repetitions.
      return "GETBULK:" + std::to_string(pdu.errstat) + ":" + std::to_string(pdu.errindex);
    default:
      return "";
  }
}

const char* Version(const netsnmp_pdu& pdu) {
  switch (pdu.version) {
    case SNMP_VERSION_1:
      return "v1";
    case SNMP_VERSION_2c:
      return "v2c";
    case SNMP_VERSION_3:
      return "v3";
    default:
      return "?";
  }
}

bool IsRequest(const netsnmp_pdu& pdu) {
  return !Operation(pdu).empty();
}

// usmUserCloneFrom, and the length of a usmUserEntry's OID before its index.
const oid kCloneFromColumn[] = {1, 3, 6, 1, 6, 3, 15, 1, 2, 2, 1, 4};
constexpr std::size_t kUserEntryPrefix = 12;

// The user a usmUserTable instance names (index: engine ID length, engine ID, name length,
// name), or none.
const usmUser* UserOfInstance(const oid* name, std::size_t length) {
  if (length < kUserEntryPrefix + 2) return nullptr;
  const oid* index = name + kUserEntryPrefix;
  const std::size_t indexLength = length - kUserEntryPrefix;
  const oid engineLength = index[0];
  if (engineLength + 2 > indexLength) return nullptr;
  const oid nameLength = index[engineLength + 1];
  if (engineLength + nameLength + 2 != indexLength) return nullptr;
  std::vector<u_char> engine;
  for (oid i = 0; i < engineLength; ++i) {
    if (index[1 + i] > 255) return nullptr;
    engine.push_back(static_cast<u_char>(index[1 + i]));
  }
  std::string user;
  for (oid i = 0; i < nameLength; ++i) {
    // A NUL would cut the name short in the lookup by C string; net-snmp finds no row for such
    // an index and never reads the value.
    if (index[engineLength + 2 + i] == 0 || index[engineLength + 2 + i] > 255) return nullptr;
    user += static_cast<char>(index[engineLength + 2 + i]);
  }
  return usm_get_user(engine.data(), engine.size(), user.c_str());
}

}  // namespace

long ShortCloneFrom(netsnmp_pdu& request) {
  if (request.command != SNMP_MSG_SET) return 0;
  long position = 0;
  for (auto* varbind = request.variables; varbind; varbind = varbind->next_variable) {
    ++position;
    if (varbind->name_length <= std::size(kCloneFromColumn) ||
        snmp_oid_compare(varbind->name, std::size(kCloneFromColumn), kCloneFromColumn,
                         std::size(kCloneFromColumn)) != 0) {
      continue;
    }
    // A value of another type or not whole sub-identifiers net-snmp refuses before reading it;
    // one of 12 sub-identifiers or more it reads within itself.
    if (varbind->type != ASN_OBJECT_ID || varbind->val_len % sizeof(oid) != 0 ||
        varbind->val_len / sizeof(oid) >= kUserEntryPrefix) {
      continue;
    }
    const usmUser* row = UserOfInstance(varbind->name, varbind->name_length);
    if (!row || row->cloneFrom) continue;
    size_t nameLength = varbind->name_length;
    if (in_a_view(varbind->name, &nameLength, &request, varbind->type) != VACM_SUCCESS) continue;
    return position;
  }
  return 0;
}

std::string FormatRequest(const netsnmp_pdu& pdu) {
  std::string line = Operation(pdu);
  line += '\t';
  line += Version(pdu);
  line += '\t';
  if (pdu.version == SNMP_VERSION_3) {
    if (pdu.securityName) line.append(pdu.securityName, pdu.securityNameLen);
  } else if (pdu.community) {
    line.append(reinterpret_cast<const char*>(pdu.community), pdu.community_len);
  }
  line += '\t';
  if (pdu.contextName) line.append(pdu.contextName, pdu.contextNameLen);
  for (auto* varbind = pdu.variables; varbind; varbind = varbind->next_variable) {
    line += '\t';
    line += Dotted(varbind->name, varbind->name_length);
    line += '=';
    line += FormatValue(*varbind);
  }
  return line;
}

RequestGate::RequestGate(const GateSettings& settings,
                         std::function<bool(const std::string&)> knownCommunity)
    : traceFile_(settings.traceFile),
      delayMs_(settings.delayMs),
      dropEvery_(settings.dropEvery),
      refuseBulk_(settings.refuseBulk),
      knownCommunity_(std::move(knownCommunity)) {}

RequestGate::~RequestGate() {
  Uninstall();
  if (trace_) std::fclose(trace_);
}

bool RequestGate::OpenTrace(std::string& error) {
  if (traceFile_.empty()) return true;
  trace_ = std::fopen(traceFile_.c_str(), "a");
  if (!trace_) error = "cannot open the trace file " + traceFile_;
  return trace_ != nullptr;
}

bool RequestGate::Install(netsnmp_session* session) {
  if (!session || !session->callback) return false;
  session_ = session;
  forward_ = session->callback;
  forwardMagic_ = session->callback_magic;
  session->callback = &RequestGate::OnPacket;
  session->callback_magic = this;
  return true;
}

void RequestGate::Uninstall() {
  if (!session_) return;
  session_->callback = forward_;
  session_->callback_magic = forwardMagic_;
  session_ = nullptr;
}

bool RequestGate::Authentic(const netsnmp_pdu& pdu) const {
  // SNMPv3 PDUs that fail USM never get here; a v1 or v2c community is checked only later by
  // the agent, and one it does not know is dropped there as an authentication failure.
  if (pdu.version == SNMP_VERSION_3) return true;
  if (!pdu.community) return false;
  return knownCommunity_(
      std::string(reinterpret_cast<const char*>(pdu.community), pdu.community_len));
}

bool RequestGate::Admit(const netsnmp_pdu& pdu) {
  ++received_;
  const bool drop = dropEvery_ != 0 && received_ % dropEvery_ == 0;
  if (trace_) {
    std::string line = (drop ? "DROPPED " : "") + FormatRequest(pdu) + "\n";
    std::fputs(line.c_str(), trace_);
    std::fflush(trace_);
  }
  return !drop;
}

namespace {

// Answers a request with an error status at a varbind and, for tooBig, no bindings. The answer
// is a copy of the request, so it carries the request's ID, address and SNMPv3 security state.
void Refuse(netsnmp_session* session, const netsnmp_pdu& request, std::int32_t status, long index) {
  netsnmp_pdu* answer = snmp_clone_pdu(const_cast<netsnmp_pdu*>(&request));
  if (!answer) return;
  answer->command = SNMP_MSG_RESPONSE;
  answer->errstat = status;  // for GETBULK the same field as non-repeaters
  answer->errindex = status == SNMP_ERR_TOOBIG ? 0 : index;
  if (status == SNMP_ERR_TOOBIG) {
    snmp_free_varbind(answer->variables);
    answer->variables = nullptr;
  }
  if (snmp_send(session, answer) == 0) snmp_free_pdu(answer);
}

}  // namespace

int RequestGate::OnPacket(int operation, netsnmp_session* session, int requestId, netsnmp_pdu* pdu,
                          void* magic) {
  auto* gate = static_cast<RequestGate*>(magic);
  if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu && IsRequest(*pdu) &&
      gate->Authentic(*pdu)) {
    // Returning 1 tells net-snmp the PDU was handled; it frees it and nothing answers.
    if (!gate->Admit(*pdu)) return 1;
    if (gate->watch_) gate->watch_(*pdu);
    if (gate->delayMs_) std::this_thread::sleep_for(std::chrono::milliseconds(gate->delayMs_));
    if (pdu->command == SNMP_MSG_GETBULK && gate->refuseBulk_ != 0) {
      Refuse(session, *pdu, gate->refuseBulk_, 1);
      return 1;
    }
    if (const long position = ShortCloneFrom(*pdu)) {
      Refuse(session, *pdu, SNMP_ERR_INCONSISTENTNAME, position);
      return 1;
    }
  }
  if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && gate->before_) gate->before_();
  return gate->forward_(operation, session, requestId, pdu, gate->forwardMagic_);
}

}  // namespace nx596
