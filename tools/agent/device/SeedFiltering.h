#pragma once

#include "DeviceParts.h"

#include <cstdint>
#include <utility>
#include <vector>

// The switch's static filtering database of IEEE 802.1Q (the static unicast and multicast
// entries, kept by an entry status: "invalid" deletes an entry, "permanent" creates or keeps it;
// receive port 0 means any port) and the IGMP snooping router ports of every VLAN, static and
// learned. Entries and router ports keep to the ports of their VLAN.
namespace nx596 {

DevicePart FilteringPart();

// Static VLANs 2, 3, ... named "VLANn", without members, up to `total` VLANs with those the
// switch starts with: a switch with a long VLAN table. Their router ports follow once the
// model's rules settle again.
std::vector<std::pair<Oid, Value>> ExtraVlanRows(std::uint32_t total);

}  // namespace nx596
