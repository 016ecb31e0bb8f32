#pragma once

#include "DeviceParts.h"

// The switch's own rule for its trusted host table (defined with the device's objects): at most
// ten management stations, by the indexes 1 to 10.
namespace nx596 {

DevicePart TrustedHostsPart();

}  // namespace nx596
