#include "CommunityAccess.h"

#include "NetSnmp.h"

#include <net-snmp/library/snmpUDPDomain.h>

#include <netinet/in.h>

#include <algorithm>
#include <iostream>

namespace nx596 {

CommunityAccess::CommunityAccess(DeviceModel& model, std::string engineId)
    : model_(model), engineId_(std::move(engineId)) {
  Synchronise();
  watch_ = model_.Watch(*ParseOid(kCommunityEntry), [this] { Synchronise(); });
}

CommunityAccess::~CommunityAccess() {
  model_.Unwatch(watch_);
  for (auto& [mapping, entry] : installed_) {
    netsnmp_udp_com2SecList_remove(entry);
    netsnmp_udp_com2Sec_free(entry);
  }
}

bool CommunityAccess::Accepts(const std::string& community) const {
  return std::ranges::any_of(
      installed_, [&](const auto& installed) { return installed.first.community == community; });
}

// net-snmp matches a community against its entries in order and takes the first, like the
// table's order: the list is rebuilt whole whenever it differs, which keeps that order.
void CommunityAccess::Synchronise() {
  const std::vector<CommunityMapping> wanted = ActiveCommunities(model_, engineId_);
  if (std::ranges::equal(wanted, installed_, {}, {}, [](const auto& i) { return i.first; })) return;
  for (auto& [mapping, entry] : installed_) {
    netsnmp_udp_com2SecList_remove(entry);
    netsnmp_udp_com2Sec_free(entry);
  }
  installed_.clear();
  // Any source address, as the table's rows carry no transport tag (see ActiveCommunities).
  in_addr anyNetwork = {}, anyMask = {};
  for (const CommunityMapping& mapping : wanted) {
    com2SecEntry_s* entry = nullptr;
    const int status = netsnmp_udp_com2SecEntry_create(
        &entry, mapping.community.c_str(), mapping.securityName.c_str(),
        mapping.contextName.c_str(), &anyNetwork, &anyMask, 0);
    if (status != C2SE_ERR_SUCCESS || entry == nullptr) {
      // A name net-snmp cannot hold (longer than it allows) is refused, never half accepted.
      std::cerr << "nx596-agent: community table: cannot accept \"" << mapping.community << "\" ("
                << status << ")\n";
      continue;
    }
    installed_.emplace_back(mapping, entry);
  }
}

}  // namespace nx596
