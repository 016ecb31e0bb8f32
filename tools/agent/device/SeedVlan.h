#pragma once

#include "DeviceParts.h"

// The switch's IEEE 802.1Q VLANs: the static VLAN table with the maker's tagged-ports column,
// the current VLAN table that follows it, the deletions counter and the next free index, and the
// guest VLAN, which names one of the static VLANs.
namespace nx596 {

DevicePart VlanPart();

}  // namespace nx596
