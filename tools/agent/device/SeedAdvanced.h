#pragma once

#include "DeviceParts.h"

// The switch's layer 2 features: QoS and bandwidth limits, 802.1p priorities, trunk groups and
// LACP, port mirroring, port information, control and errors, traffic segmentation, port
// security, storm control, loop detection, IGMP snooping per VLAN, the CoS priority tables and
// the DHCP relay with its options 82, 60 and 61. Its rules keep the ports in step: a port
// disabled through its control row goes down on the front panel and in the interface table,
// trunk groups never share a port, and the mirror's target port is never one of its sources.
namespace nx596 {

DevicePart AdvancedPart();

}  // namespace nx596
