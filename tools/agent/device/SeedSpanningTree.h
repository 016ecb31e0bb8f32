#pragma once

#include "DeviceParts.h"

// The switch's spanning tree as BRIDGE-MIB and RSTP-MIB publish it: the bridge-wide parameters
// (dot1dStp scalars), dot1dStpPortTable and dot1dStpExtPortTable with one row per port. The
// bridge is the root of its tree; ports with a link forward, the others are disabled.
namespace nx596 {

DevicePart SpanningTreePart();

}  // namespace nx596
