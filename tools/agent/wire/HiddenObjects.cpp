#include "HiddenObjects.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

namespace nx596 {

namespace {

// Ahead of every other registration of the same subtree (net-snmp: lower is first).
constexpr int kFirstPriority = 1;

// What a filter knows: whose hidden objects it keeps out, and whether they are still hidden.
using FilterData = std::pair<HiddenObjects*, std::shared_ptr<bool>>;

}  // namespace

HiddenObjects::~HiddenObjects() {
  UnhideAll();
}

bool HiddenObjects::Hide(const Oid& object, const std::string& context) {
  FilterServerOf(object, context);
  hidden_.push_back(object);
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

void HiddenObjects::FilterServerOf(const Oid& object, const std::string& context) {
  std::vector<oid> name(object.begin(), object.end());
  netsnmp_subtree* served = netsnmp_subtree_find(name.data(), name.size(), nullptr,
                                                 context.empty() ? nullptr : context.c_str());
  if (served == nullptr || served->reginfo == nullptr) return;  // nobody serves it anyway
  netsnmp_handler_registration* reginfo = served->reginfo;
  for (const netsnmp_handler_registration* done : filtered_)
    if (done == reginfo) return;
  netsnmp_mib_handler* filter = netsnmp_create_handler("nx596-without-filter", &HiddenObjects::Filter);
  if (filter == nullptr) return;
  // The handler lives in the module's chain until net-snmp frees it; it holds its own share of
  // the flag, so that it passes everything once the objects are shown again.
  // net-snmp copies a handler with each piece when a registration is split.
  filter->myvoid = new FilterData(this, active_);
  filter->data_clone = [](void* data) -> void* {
    return new FilterData(*static_cast<FilterData*>(data));
  };
  filter->data_free = [](void* data) { delete static_cast<FilterData*>(data); };
  if (netsnmp_inject_handler(reginfo, filter) != SNMPERR_SUCCESS) {
    netsnmp_handler_free(filter);
    return;
  }
  filtered_.push_back(reginfo);
}

bool HiddenObjects::IsHidden(const oid* name, std::size_t length, Oid& hidden) const {
  for (const Oid& object : hidden_)
    if (length >= object.size() && std::equal(object.begin(), object.end(), name)) {
      hidden = object;
      return true;
    }
  return false;
}

int HiddenObjects::Filter(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
                          netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests) {
  const auto* owner = static_cast<const FilterData*>(handler->myvoid);
  if (reqinfo->mode != MODE_GETNEXT || !*owner->second)
    return netsnmp_call_next_handler(handler, reginfo, reqinfo, requests);
  std::vector<std::vector<oid>> asked;
  for (auto* request = requests; request; request = request->next)
    asked.emplace_back(request->requestvb->name,
                       request->requestvb->name + request->requestvb->name_length);
  const int status = netsnmp_call_next_handler(handler, reginfo, reqinfo, requests);
  std::size_t k = 0;
  for (auto* request = requests; request; request = request->next, ++k) {
    netsnmp_variable_list* varbind = request->requestvb;
    Oid hidden;
    if (varbind->type == ASN_PRIV_RETRY ||
        !owner->first->IsHidden(varbind->name, varbind->name_length, hidden))
      continue;
    // An answer inside a hidden subtree is asked again from past its objects: first from two
    // sub-identifiers of the largest value beyond it (which no index of the device starts
    // with); a module that cannot take that OID apart and answers inside again is asked from
    // the OID that follows the subtree. Asked from there already, it is left as it is.
    std::vector<oid> past(hidden.begin(), hidden.end());
    past.insert(past.end(), 2, std::numeric_limits<std::uint32_t>::max());
    std::vector<oid> after(hidden.begin(), hidden.end());
    if (after.back() == std::numeric_limits<std::uint32_t>::max()) continue;
    ++after.back();
    const std::vector<oid>& from = asked[k];
    const auto before = [&](const std::vector<oid>& bound) {
      return snmp_oid_compare(from.data(), from.size(), bound.data(), bound.size()) < 0;
    };
    const std::vector<oid>* next = before(past) ? &past : before(after) ? &after : nullptr;
    if (next == nullptr) continue;
    snmp_set_var_objid(varbind, next->data(), next->size());
    varbind->type = ASN_PRIV_RETRY;
  }
  return status;
}

void HiddenObjects::UnhideAll() {
  *active_ = false;
  hidden_.clear();
  filtered_.clear();
  for (auto& registration : registrations_) UnregisterHandler(*registration->reginfo);
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
