#include "ModelHandler.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace nx596 {

namespace {

Oid ToModelOid(const oid* name, std::size_t length) {
  return Oid(name, name + length);
}

std::vector<oid> ToNetSnmpOid(const Oid& name) {
  return std::vector<oid>(name.begin(), name.end());
}

// The value of a varbind as the model compares it; types the model has no syntax for become a
// number, which the model then refuses as the wrong type.
SetVarbind FromVarbind(const netsnmp_variable_list& varbind) {
  SetVarbind result{ToModelOid(varbind.name, varbind.name_length), varbind.type, std::int64_t{0}};
  switch (varbind.type) {
    case ASN_INTEGER:
      result.value = std::int64_t{*varbind.val.integer};
      break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
      result.value = std::uint64_t{static_cast<u_long>(*varbind.val.integer) & 0xffffffffUL};
      break;
    case ASN_COUNTER64:
      result.value = (std::uint64_t{varbind.val.counter64->high} << 32) |
                     (varbind.val.counter64->low & 0xffffffffUL);
      break;
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
    case ASN_OPAQUE:
      result.value =
          std::string(reinterpret_cast<const char*>(varbind.val.string), varbind.val_len);
      break;
    case ASN_OBJECT_ID:
      result.value = ToModelOid(varbind.val.objid, varbind.val_len / sizeof(oid));
      break;
    default:
      break;
  }
  return result;
}

void SetValue(netsnmp_variable_list* varbind, const DeviceModel::Cell& cell) {
  const u_char type = AsnTypeOf(cell.object->syntax);
  if (const auto* number = std::get_if<std::int64_t>(&cell.value)) {
    long value = static_cast<long>(*number);
    snmp_set_var_typed_value(varbind, type, &value, sizeof value);
  } else if (const auto* unsignedNumber = std::get_if<std::uint64_t>(&cell.value)) {
    if (type == ASN_COUNTER64) {
      counter64 value{static_cast<u_long>(*unsignedNumber >> 32),
                      static_cast<u_long>(*unsignedNumber & 0xffffffffU)};
      snmp_set_var_typed_value(varbind, type, &value, sizeof value);
    } else {
      u_long value = static_cast<u_long>(*unsignedNumber);
      snmp_set_var_typed_value(varbind, type, &value, sizeof value);
    }
  } else if (const auto* bytes = std::get_if<std::string>(&cell.value)) {
    snmp_set_var_typed_value(varbind, type, bytes->data(), bytes->size());
  } else {
    auto objectId = ToNetSnmpOid(std::get<Oid>(cell.value));
    snmp_set_var_typed_value(varbind, type, objectId.data(), objectId.size() * sizeof(oid));
  }
}

// The state of one SET inside one registration, kept by net-snmp with the request until the
// request is done.
// A registration split by another inside it (an object hidden with --without) is called once
// per piece: the pieces' varbinds join one transaction, applied and undone once.
struct SetTransaction {
  std::vector<SetVarbind> varbinds;
  std::vector<netsnmp_request_info*> requests;
  SetUndo undo;
  bool applied = false;
  bool undone = false;
};

void FreeTransaction(void* transaction) {
  delete static_cast<SetTransaction*>(transaction);
}

}  // namespace

ModelHandler::ModelHandler(DeviceModel& model) : model_(model) {}

ModelHandler::~ModelHandler() {
  UnregisterAll();
}

bool ModelHandler::Register(const Oid& subtree, const std::string& context) {
  auto registration = std::make_unique<Registration>();
  registration->owner = this;
  registration->subtree = subtree;
  registration->name = "nx596-" + FormatOid(subtree) + (context.empty() ? "" : "@" + context);
  auto root = ToNetSnmpOid(subtree);
  netsnmp_handler_registration* reginfo =
      netsnmp_create_handler_registration(registration->name.c_str(), &ModelHandler::Handle,
                                          root.data(), root.size(), HANDLER_CAN_RWRITE);
  if (!reginfo) return false;
  reginfo->handler->myvoid = registration.get();
  if (!context.empty()) reginfo->contextName = strdup(context.c_str());
  // On failure net-snmp has already freed the registration.
  if (netsnmp_register_handler(reginfo) != MIB_REGISTERED_OK) return false;
  registration->reginfo = reginfo;
  registrations_.push_back(std::move(registration));
  return true;
}

void ModelHandler::UnregisterAll() {
  for (auto& registration : registrations_) UnregisterHandler(*registration->reginfo);
  registrations_.clear();
}

int ModelHandler::Handle(netsnmp_mib_handler* handler, netsnmp_handler_registration*,
                         netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
  const auto* registration = static_cast<const Registration*>(handler->myvoid);
  ModelHandler& self = *registration->owner;
  switch (reqinfo->mode) {
    case MODE_GET:
      self.Get(reqinfo, requests);
      break;
    case MODE_GETNEXT:
      self.GetNext(*registration, requests);
      break;
    default:
      self.Set(*registration, reqinfo, requests);
      break;
  }
  return SNMP_ERR_NOERROR;
}

void ModelHandler::Get(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
  for (auto* request = requests; request; request = request->next) {
    if (request->processed) continue;
    const auto* varbind = request->requestvb;
    const Oid instance = ToModelOid(varbind->name, varbind->name_length);
    auto [lookup, cell] = model_.Get(instance);
    if (lookup == DeviceModel::Lookup::kFound) {
      Answer(request->requestvb, instance, *cell);
      model_.CountRead(instance);
    } else {
      netsnmp_set_request_error(
          reqinfo, request,
          lookup == DeviceModel::Lookup::kNoSuchObject ? SNMP_NOSUCHOBJECT : SNMP_NOSUCHINSTANCE);
    }
  }
}

void ModelHandler::GetNext(const Registration& registration, netsnmp_request_info* requests) {
  for (auto* request = requests; request; request = request->next) {
    if (request->processed) continue;
    auto* varbind = request->requestvb;
    const auto* next = model_.Next(ToModelOid(varbind->name, varbind->name_length),
                                   request->inclusive != 0, registration.subtree);
    // Past every hidden subtree the answer falls into: on from the OID just after it.
    for (auto hidden = HiddenAbove(next); hidden != hidden_.end(); hidden = HiddenAbove(next)) {
      Oid after = *hidden;
      if (after.back() == UINT32_MAX) {
        next = nullptr;
        break;
      }
      ++after.back();
      next = model_.Next(after, true, registration.subtree);
    }
    // Left unanswered, a request moves on to the next registered subtree.
    if (!next) continue;
    auto name = ToNetSnmpOid(next->first);
    snmp_set_var_objid(varbind, name.data(), name.size());
    Answer(varbind, next->first, next->second);
    model_.CountRead(next->first);
  }
}

std::vector<Oid>::const_iterator ModelHandler::HiddenAbove(
    const std::pair<const Oid, DeviceModel::Cell>* next) const {
  if (!next) return hidden_.end();
  return std::find_if(hidden_.begin(), hidden_.end(),
                      [&](const Oid& hidden) { return StartsWith(next->first, hidden); });
}

void ModelHandler::Answer(netsnmp_variable_list* varbind, const Oid& instance,
                          const DeviceModel::Cell& cell) {
  if (live_) {
    if (std::optional<Value> now = live_(instance)) {
      SetValue(varbind, DeviceModel::Cell{cell.object, std::move(*now)});
      return;
    }
  }
  SetValue(varbind, cell);
}

void ModelHandler::Set(const Registration& registration, netsnmp_agent_request_info* reqinfo,
                       netsnmp_request_info* requests) {
  const char* key = registration.name.c_str();
  switch (reqinfo->mode) {
    case MODE_SET_RESERVE1: {
      auto* joined = static_cast<SetTransaction*>(netsnmp_agent_get_list_data(reqinfo, key));
      std::unique_ptr<SetTransaction> made;
      if (!joined) {
        made = std::make_unique<SetTransaction>();
        joined = made.get();
      }
      for (auto* request = requests; request; request = request->next) {
        joined->varbinds.push_back(FromVarbind(*request->requestvb));
        joined->requests.push_back(request);
      }
      if (made)
        netsnmp_agent_add_list_data(
            reqinfo, netsnmp_create_data_list(key, made.release(), &FreeTransaction));
      SetCheck check = model_.Check(joined->varbinds);
      if (check.error != SetError::kNoError) {
        netsnmp_set_request_error(reqinfo, joined->requests[check.failedIndex],
                                  static_cast<int>(check.error));
      }
      return;
    }
    case MODE_SET_ACTION: {
      auto* transaction = static_cast<SetTransaction*>(netsnmp_agent_get_list_data(reqinfo, key));
      if (!transaction) {
        netsnmp_set_request_error(reqinfo, requests, SNMP_ERR_GENERR);
        return;
      }
      if (transaction->applied) return;
      model_.Apply(transaction->varbinds, transaction->undo);
      transaction->applied = true;
      return;
    }
    case MODE_SET_UNDO: {
      auto* transaction = static_cast<SetTransaction*>(netsnmp_agent_get_list_data(reqinfo, key));
      if (!transaction || !transaction->applied || transaction->undone) return;
      model_.Undo(transaction->undo);
      transaction->undone = true;
      return;
    }
    default:  // RESERVE2, COMMIT and FREE: nothing is held outside the transaction
      return;
  }
}

}  // namespace nx596
