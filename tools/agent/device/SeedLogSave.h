#pragma once

#include "DeviceParts.h"

// How the switch saves its log: at a fixed interval, on demand, or on every log event, and the
// interval in minutes.
namespace nx596 {

DevicePart LogSavePart();

}  // namespace nx596
