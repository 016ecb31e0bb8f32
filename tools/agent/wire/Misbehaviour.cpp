#include "Misbehaviour.h"

#include <algorithm>
#include <cstring>
#include <sstream>

namespace nx596 {

namespace {

struct ModeName {
  const char* name;
  MisbehaveMode::Kind kind;
};

const ModeName kModeNames[] = {
    {"wrongtype", MisbehaveMode::Kind::WrongType},
    {"oversize", MisbehaveMode::Kind::Oversize},
    {"backwards", MisbehaveMode::Kind::Backwards},
    {"repeat", MisbehaveMode::Kind::Repeat},
    {"fewer", MisbehaveMode::Kind::Fewer},
    {"more", MisbehaveMode::Kind::More},
    {"generr", MisbehaveMode::Kind::GenErr},
    {"toobig", MisbehaveMode::Kind::TooBig},
    {"endofmib", MisbehaveMode::Kind::EndOfMib},
    {"nosuchinstance", MisbehaveMode::Kind::NoSuchInstance},
    {"late", MisbehaveMode::Kind::Late},
    {"twice", MisbehaveMode::Kind::Twice},
};

// The budget of all strings of one answer made oversize: a UDP message carries at most 65,507
// bytes and the rest of the answer needs room.
constexpr std::size_t kOversizeBudget = 60000;
constexpr std::size_t kRememberedRequests = 256;

Misbehaviour* gInstance = nullptr;

// Dotted sub-identifiers ("1.3.6.1", a leading dot allowed) as an OID. False for anything else:
// an empty or non-numeric arc, or one beyond the 32 bits an SNMP sub-identifier has.
bool ParseOid(const std::string& text, std::vector<oid>& parts) {
  parts.clear();
  const std::size_t start = !text.empty() && text.front() == '.' ? 1 : 0;
  if (start == text.size()) return false;
  std::uint64_t arc = 0;
  bool digits = false;
  for (std::size_t i = start; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '.') {
      if (!digits) return false;
      parts.push_back(static_cast<oid>(arc));
      arc = 0;
      digits = false;
    } else if (text[i] >= '0' && text[i] <= '9') {
      arc = arc * 10 + static_cast<std::uint64_t>(text[i] - '0');
      if (arc > 0xFFFFFFFFULL) return false;
      digits = true;
    } else {
      return false;
    }
  }
  return true;
}

const std::vector<oid>& ControlOid() {
  static const std::vector<oid> control = [] {
    std::vector<oid> parts;
    ParseOid(kMisbehaveObject, parts);
    return parts;
  }();
  return control;
}

bool Under(const netsnmp_variable_list& vb, const std::vector<oid>& prefix) {
  return vb.name_length >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), vb.name);
}

std::vector<netsnmp_variable_list*> Varbinds(netsnmp_pdu& pdu) {
  std::vector<netsnmp_variable_list*> list;
  for (auto* vb = pdu.variables; vb; vb = vb->next_variable) list.push_back(vb);
  return list;
}

netsnmp_variable_list* CopyOf(const netsnmp_variable_list& vb) {
  netsnmp_variable_list* copy = snmp_clone_varbind(const_cast<netsnmp_variable_list*>(&vb));
  if (copy) {
    snmp_free_varbind(copy->next_variable);
    copy->next_variable = nullptr;
  }
  return copy;
}

void Append(netsnmp_pdu& pdu, netsnmp_variable_list* vb) {
  if (!vb) return;
  if (!pdu.variables) {
    pdu.variables = vb;
    return;
  }
  netsnmp_variable_list* last = pdu.variables;
  while (last->next_variable) last = last->next_variable;
  last->next_variable = vb;
}

void MakeWrongType(netsnmp_variable_list& vb) {
  static const char kText[] = "wrong";
  static const oid kOid[] = {1, 3, 6, 1};
  const long number = 7;
  switch (vb.type) {
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
      snmp_set_var_typed_value(&vb, ASN_INTEGER, &number, sizeof number);
      break;
    case ASN_COUNTER:
    case ASN_COUNTER64:
      snmp_set_var_typed_value(&vb, ASN_OBJECT_ID, kOid, sizeof kOid);
      break;
    case ASN_INTEGER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_OBJECT_ID:
      snmp_set_var_typed_value(&vb, ASN_OCTET_STR, kText, sizeof kText - 1);
      break;
    default:
      break;
  }
}

// Everything a late or repeated answer needs: its bytes and the transport's address record.
struct Held {
  std::vector<u_char> bytes;
  void* opaque = nullptr;
  int opaqueLength = 0;
  unsigned int alarm = 0;
};

std::vector<Held*>& Pending() {
  static std::vector<Held*> pending;
  return pending;
}

void Release(Held* held) {
  auto& pending = Pending();
  pending.erase(std::remove(pending.begin(), pending.end(), held), pending.end());
  SNMP_FREE(held->opaque);
  delete held;
}

}  // namespace

bool ParseMisbehaveModes(const std::string& text, std::vector<MisbehaveMode>& modes,
                         std::string& error) {
  modes.clear();
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    if (item.empty()) continue;
    const auto equals = item.find('=');
    const std::string name = item.substr(0, equals);
    const std::string argument = equals == std::string::npos ? "" : item.substr(equals + 1);
    const auto known = std::find_if(std::begin(kModeNames), std::end(kModeNames),
                                    [&](const ModeName& m) { return name == m.name; });
    if (known == std::end(kModeNames)) {
      error = "unknown misbehave mode '" + name + "'";
      return false;
    }
    MisbehaveMode mode{known->kind, "", {}, 0};
    if (mode.kind == MisbehaveMode::Kind::Late) {
      char* end = nullptr;
      const unsigned long ms = std::strtoul(argument.c_str(), &end, 10);
      if (argument.empty() || *end != '\0' || ms == 0 || ms > 60000) {
        error = "late needs milliseconds, 1 to 60000";
        return false;
      }
      mode.number = static_cast<std::uint32_t>(ms);
    } else if (!argument.empty()) {
      if (!ParseOid(argument, mode.under)) {
        error = "'" + argument + "' is not an OID";
        return false;
      }
      mode.prefix = argument.front() == '.' ? argument.substr(1) : argument;
    }
    modes.push_back(mode);
  }
  return true;
}

Misbehaviour::Misbehaviour(const std::string& modes) {
  std::string error;
  if (ParseMisbehaveModes(modes, modes_, error)) text_ = modes;
}

Misbehaviour::~Misbehaviour() { Uninstall(); }

bool Misbehaviour::SetModes(const std::string& text, std::string& error) {
  std::vector<MisbehaveMode> modes;
  if (!ParseMisbehaveModes(text, modes, error)) return false;
  modes_ = std::move(modes);
  text_ = text;
  return true;
}

bool Misbehaviour::Install(netsnmp_session* session, bool control) {
  transport_ = session ? snmp_sess_transport(snmp_sess_pointer(session)) : nullptr;
  if (!transport_ || gInstance) return false;
  gInstance = this;
  send_ = transport_->f_send;
  transport_->f_send = &Misbehaviour::Send;
  if (!control) return true;

  const std::vector<oid>& name = ControlOid();
  control_ = netsnmp_create_handler_registration("nx596Misbehave", &Misbehaviour::ControlHandler,
                                                 name.data(), name.size(), HANDLER_CAN_RWRITE);
  if (!control_ || netsnmp_register_instance(control_) != MIB_REGISTERED_OK) {
    control_ = nullptr;
    return false;
  }
  return true;
}

void Misbehaviour::Uninstall() {
  if (gInstance != this) return;
  while (!Pending().empty()) {
    Held* held = Pending().back();
    snmp_alarm_unregister(held->alarm);
    Release(held);
  }
  if (control_) netsnmp_unregister_handler(control_);
  control_ = nullptr;
  if (transport_) transport_->f_send = send_;
  transport_ = nullptr;
  gInstance = nullptr;
}

void Misbehaviour::NoteRequest(const netsnmp_pdu& request) {
  if (modes_.empty()) return;
  if (request.command != SNMP_MSG_GETNEXT && request.command != SNMP_MSG_GETBULK) return;
  if (asked_.size() >= kRememberedRequests) asked_.erase(asked_.begin());
  auto& oids = asked_[request.reqid];
  oids.clear();
  for (auto* vb = request.variables; vb; vb = vb->next_variable)
    oids.emplace_back(vb->name, vb->name + vb->name_length);
}

int Misbehaviour::ControlHandler(netsnmp_mib_handler*, netsnmp_handler_registration*,
                                 netsnmp_agent_request_info* info,
                                 netsnmp_request_info* requests) {
  Misbehaviour* self = gInstance;
  for (netsnmp_request_info* r = requests; r && self; r = r->next) {
    netsnmp_variable_list* vb = r->requestvb;
    switch (info->mode) {
      case MODE_GET:
        snmp_set_var_typed_value(vb, ASN_OCTET_STR, self->text_.data(), self->text_.size());
        break;
      case MODE_SET_RESERVE1: {
        if (vb->type != ASN_OCTET_STR) {
          netsnmp_set_request_error(info, r, SNMP_ERR_WRONGTYPE);
          break;
        }
        std::vector<MisbehaveMode> modes;
        std::string error;
        const std::string text(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        if (!ParseMisbehaveModes(text, modes, error))
          netsnmp_set_request_error(info, r, SNMP_ERR_WRONGVALUE);
        break;
      }
      case MODE_SET_COMMIT: {
        std::string error;
        self->SetModes(std::string(reinterpret_cast<const char*>(vb->val.string), vb->val_len),
                       error);
        break;
      }
      default:
        break;
    }
  }
  return SNMP_ERR_NOERROR;
}

int Misbehaviour::Send(netsnmp_transport* transport, const void* data, int size, void** opaque,
                       int* opaqueLength) {
  Misbehaviour* self = gInstance;
  if (!self) return -1;  // never: the send is put back before the instance goes
  if (self->modes_.empty()) return self->send_(transport, data, size, opaque, opaqueLength);
  return self->Misbehave(transport, data, size, opaque, opaqueLength);
}

void Misbehaviour::SendLater(unsigned int, void* clientArgument) {
  auto* held = static_cast<Held*>(clientArgument);
  if (Misbehaviour* self = gInstance; self && self->transport_) {
    self->send_(self->transport_, held->bytes.data(), static_cast<int>(held->bytes.size()),
                &held->opaque, &held->opaqueLength);
  }
  Release(held);
}

int Misbehaviour::Misbehave(netsnmp_transport* transport, const void* data, int size,
                            void** opaque, int* opaqueLength) {
  // Take the message apart with net-snmp's parser; anything that is not a community message
  // (SNMPv3 is signed and encrypted for the manager) leaves as it is.
  std::vector<u_char> message(static_cast<const u_char*>(data),
                              static_cast<const u_char*>(data) + size);
  u_char community[256];
  size_t communityLength = sizeof community;
  long version = 0;
  size_t length = message.size();
  u_char* body =
      snmp_comstr_parse(message.data(), &length, community, &communityLength, &version);
  netsnmp_pdu* answer = body ? snmp_pdu_create(SNMP_MSG_RESPONSE) : nullptr;
  if (answer) answer->version = version;
  if (!answer || snmp_pdu_parse(answer, body, &length) != 0 ||
      answer->command != SNMP_MSG_RESPONSE) {
    if (answer) snmp_free_pdu(answer);
    return send_(transport, data, size, opaque, opaqueLength);
  }
  // The control object's own answers always go out as they are, so a test can end the
  // misbehaviour whatever it is.
  for (auto* vb = answer->variables; vb; vb = vb->next_variable) {
    if (Under(*vb, ControlOid())) {
      snmp_free_pdu(answer);
      return send_(transport, data, size, opaque, opaqueLength);
    }
  }

  Apply(*answer, version);
  std::uint32_t lateMs = 0;
  int copies = 1;
  // One list for the whole search: begin and end must come from the same list.
  const std::vector<netsnmp_variable_list*> varbinds = Varbinds(*answer);
  for (const MisbehaveMode& mode : modes_) {
    const bool touches = std::any_of(varbinds.begin(), varbinds.end(),
                                     [&](const auto* vb) { return Under(*vb, mode.under); });
    if (mode.kind == MisbehaveMode::Kind::Late) lateMs = mode.number;
    if (mode.kind == MisbehaveMode::Kind::Twice && touches) copies = 2;
  }

  netsnmp_session session;
  snmp_sess_init(&session);
  session.version = version;
  session.community = community;
  session.community_len = communityLength;
  answer->community = static_cast<u_char*>(netsnmp_memdup(community, communityLength));
  answer->community_len = communityLength;
  size_t capacity = 2048;
  size_t offset = 0;
  auto* built = static_cast<u_char*>(malloc(capacity));
  const int status = built ? snmp_build(&built, &capacity, &offset, &session, answer) : -1;
  snmp_free_pdu(answer);
  if (status != 0) {
    SNMP_FREE(built);
    return send_(transport, data, size, opaque, opaqueLength);
  }
  const u_char* packet = built + capacity - offset;
  const int packetLength = static_cast<int>(offset);

  int result = packetLength;
  if (lateMs == 0) {
    result = send_(transport, packet, packetLength, opaque, opaqueLength);
    --copies;
  }
  for (int copy = 0; copy < copies; ++copy) {
    auto* held = new Held;
    held->bytes.assign(packet, packet + packetLength);
    held->opaque = netsnmp_memdup(*opaque, static_cast<size_t>(*opaqueLength));
    held->opaqueLength = *opaqueLength;
    const std::uint32_t ms = lateMs + static_cast<std::uint32_t>(copy) * 10;
    timeval after = {static_cast<time_t>(ms / 1000), static_cast<suseconds_t>((ms % 1000) * 1000)};
    held->alarm = snmp_alarm_register_hr(after, 0, &Misbehaviour::SendLater, held);
    Pending().push_back(held);
  }
  free(built);
  return result;
}

void Misbehaviour::Apply(netsnmp_pdu& answer, long version) {
  const auto asked = asked_.find(answer.reqid);
  // Strings are made oversize last, so that no other mode copies one beyond the budget.
  std::vector<MisbehaveMode> ordered = modes_;
  std::stable_partition(ordered.begin(), ordered.end(), [](const MisbehaveMode& mode) {
    return mode.kind != MisbehaveMode::Kind::Oversize;
  });
  for (const MisbehaveMode& mode : ordered) {
    std::vector<netsnmp_variable_list*> vbs = Varbinds(answer);
    std::vector<std::size_t> chosen;
    for (std::size_t i = 0; i < vbs.size(); ++i)
      if (Under(*vbs[i], mode.under)) chosen.push_back(i);
    if (chosen.empty()) continue;
    const std::size_t last = chosen.back();
    switch (mode.kind) {
      case MisbehaveMode::Kind::WrongType:
        for (std::size_t i : chosen) MakeWrongType(*vbs[i]);
        break;
      case MisbehaveMode::Kind::Oversize: {
        std::size_t strings = 0;
        for (std::size_t i : chosen) strings += vbs[i]->type == ASN_OCTET_STR;
        if (strings == 0) break;
        const std::string text(kOversizeBudget / strings, 'X');
        for (std::size_t i : chosen)
          if (vbs[i]->type == ASN_OCTET_STR)
            snmp_set_var_typed_value(vbs[i], ASN_OCTET_STR, text.data(), text.size());
        break;
      }
      case MisbehaveMode::Kind::Backwards:
        if (asked == asked_.end() || asked->second.empty()) break;
        for (std::size_t i = 0; i < vbs.size(); ++i) {
          const std::vector<oid>& name = asked->second[i % asked->second.size()];
          snmp_set_var_objid(vbs[i], name.data(), name.size());
        }
        break;
      case MisbehaveMode::Kind::Repeat:
        if (vbs.size() >= 2) {
          snmp_set_var_objid(vbs[1], vbs[0]->name, vbs[0]->name_length);
        } else {
          Append(answer, CopyOf(*vbs[0]));
        }
        break;
      case MisbehaveMode::Kind::Fewer: {
        netsnmp_variable_list* gone = vbs[last];
        if (last == 0) {
          answer.variables = gone->next_variable;
        } else {
          vbs[last - 1]->next_variable = gone->next_variable;
        }
        gone->next_variable = nullptr;
        snmp_free_varbind(gone);
        break;
      }
      case MisbehaveMode::Kind::More: {
        netsnmp_variable_list* extra = CopyOf(*vbs[last]);
        if (extra) {
          std::vector<oid> name(extra->name, extra->name + extra->name_length);
          name.push_back(1);
          snmp_set_var_objid(extra, name.data(), name.size());
        }
        Append(answer, extra);
        break;
      }
      case MisbehaveMode::Kind::GenErr:
      case MisbehaveMode::Kind::TooBig:
        answer.errstat = mode.kind == MisbehaveMode::Kind::GenErr ? SNMP_ERR_GENERR
                                                                  : SNMP_ERR_TOOBIG;
        answer.errindex = static_cast<long>(last + 1);
        break;
      case MisbehaveMode::Kind::EndOfMib:
      case MisbehaveMode::Kind::NoSuchInstance:
        if (version == SNMP_VERSION_1) {
          answer.errstat = SNMP_ERR_NOSUCHNAME;
          answer.errindex = static_cast<long>(last + 1);
        } else {
          snmp_set_var_typed_value(vbs[last],
                                   mode.kind == MisbehaveMode::Kind::EndOfMib
                                       ? SNMP_ENDOFMIBVIEW
                                       : SNMP_NOSUCHINSTANCE,
                                   nullptr, 0);
        }
        break;
      case MisbehaveMode::Kind::Late:
      case MisbehaveMode::Kind::Twice:
        break;
    }
  }
  if (asked != asked_.end()) asked_.erase(asked);
}

}  // namespace nx596
