#pragma once

#include "DeviceParts.h"

// The DHCP/BOOTP relay control table: one row per IP interface and server address the switch
// relays DHCP requests of that interface to. The switch has the interfaces "System" and "ipif2";
// it relays to at most four servers per interface.
namespace nx596 {

DevicePart DhcpRelayPart();

}  // namespace nx596
