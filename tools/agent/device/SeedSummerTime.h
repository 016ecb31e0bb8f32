#pragma once

#include "DeviceParts.h"

// Daylight saving time: the mode (0 disabled, 1 a rule that repeats every year, 2 an annual
// rule with fixed dates), the offset in minutes, and the start and end of both rules as packed
// octet strings. A repeating value is six octets: week (1 to 4, 0 the last), day of the week as
// two octets most significant first (1 Sunday to 7 Saturday), month, hour, minute. An annual
// value is four octets: day of the month, month, hour, minute. The switch sets a rule on with
// this configuration: the repeating rule from the second Monday of April 01:30 to the fourth
// Saturday of September 23:59, offset 90.
namespace nx596 {

DevicePart SummerTimePart();

}  // namespace nx596
