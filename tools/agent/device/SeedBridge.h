#pragma once

#include "DeviceParts.h"

// The bridge as the device's own spanning tree pages show it: dot1dBasePortTable with one row
// per port, and the private spanning tree settings of the switch and of every port (BPDU
// forwarding, port roles and link states) beside the standard ones of SeedSpanningTree.
namespace nx596 {

DevicePart BridgePart();

}  // namespace nx596
