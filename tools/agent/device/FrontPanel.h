#pragma once

// The device's own objects that make its front panel: the LED status (one octet string, two
// octets per LED) and the module type of each uplink slot (0 when the slot is empty).
namespace nx596 {

inline constexpr const char* kFrontPanelLedStatus = "1.3.6.1.4.1.99917.11.63.3.2.1.1.5";
inline constexpr const char* kFrontPanelLedStatusInstance = "1.3.6.1.4.1.99917.11.63.3.2.1.1.5.0";
inline constexpr const char* kSlotTypeInstances[] = {"1.3.6.1.4.1.99917.11.63.3.2.1.1.6.0",
                                                     "1.3.6.1.4.1.99917.11.63.3.2.1.1.7.0"};

}  // namespace nx596
