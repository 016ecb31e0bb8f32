#include "HiddenObjects.h"

#include <cstring>

namespace nx596 {

namespace {

// Ahead of every other registration of the same subtree (net-snmp: lower is first).
constexpr int kFirstPriority = 1;

}  // namespace

HiddenObjects::~HiddenObjects() {
  UnhideAll();
}

bool HiddenObjects::Hide(const Oid& object, const std::string& context) {
  auto registration = std::make_unique<Registration>();
  registration->object = object;
  registration->name =
      "nx596-without-" + FormatOid(object) + (context.empty() ? "" : "@" + context);
  std::vector<oid> root(object.begin(), object.end());
  netsnmp_handler_registration* reginfo =
      netsnmp_create_handler_registration(registration->name.c_str(), &HiddenObjects::Handle,
                                          root.data(), root.size(), HANDLER_CAN_RWRITE);
  if (!reginfo) return false;
  reginfo->priority = kFirstPriority;
  reginfo->handler->myvoid = registration.get();
  if (!context.empty()) reginfo->contextName = strdup(context.c_str());
  // On failure net-snmp has already freed the registration.
  if (netsnmp_register_handler(reginfo) != MIB_REGISTERED_OK) return false;
  registration->reginfo = reginfo;
  registrations_.push_back(std::move(registration));
  return true;
}

void HiddenObjects::UnhideAll() {
  for (auto& registration : registrations_) {
    // As for the model's registrations: net-snmp reads the context name after freeing it, so
    // the registration is taken apart from copies of its keys.
    const netsnmp_handler_registration& reginfo = *registration->reginfo;
    std::vector<oid> root(reginfo.rootoid, reginfo.rootoid + reginfo.rootoid_len);
    const std::string context = reginfo.contextName ? reginfo.contextName : "";
    unregister_mib_context(root.data(), root.size(), reginfo.priority, reginfo.range_subid,
                           reginfo.range_ubound, context.c_str());
  }
  registrations_.clear();
}

int HiddenObjects::Handle(netsnmp_mib_handler* handler, netsnmp_handler_registration*,
                          netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
  const auto* registration = static_cast<const Registration*>(handler->myvoid);
  for (auto* request = requests; request; request = request->next) {
    if (request->processed) continue;
    switch (reqinfo->mode) {
      case MODE_GET: {
        // The hidden OID itself is an instance the switch lacks; below it, an object.
        const netsnmp_variable_list& varbind = *request->requestvb;
        const bool instance = varbind.name_length == registration->object.size();
        netsnmp_set_request_error(reqinfo, request,
                                  instance ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
        break;
      }
      case MODE_GETNEXT:
        break;  // unanswered: the walk goes on past the hidden subtree
      case MODE_SET_RESERVE1:
        netsnmp_set_request_error(reqinfo, request, SNMP_ERR_NOTWRITABLE);
        break;
      default:
        break;
    }
  }
  return SNMP_ERR_NOERROR;
}

}  // namespace nx596
