#pragma once

#include "DeviceModel.h"

#include <string>
#include <vector>

// What the SNMP-COMMUNITY-MIB rows of the device model say about the communities the switch
// accepts for SNMPv1 and SNMPv2c (RFC 3584): each row maps a community to the security name and
// context a request that carries it is handled with.
namespace nx596 {

inline constexpr const char* kCommunityEntry = "1.3.6.1.6.3.18.1.1.1";

struct CommunityMapping {
  std::string community;
  std::string securityName;
  std::string contextName;
  bool operator==(const CommunityMapping&) const = default;
};

// The mappings of the rows the agent honours, in the table's order: rows that are active and
// name this engine as their context engine. A row with a transport tag is left out: the agent
// cannot tell which sources the tag admits, and accepting the community from everywhere would
// open what the row restricts.
std::vector<CommunityMapping> ActiveCommunities(const DeviceModel& model,
                                                const std::string& engineId);

}  // namespace nx596
