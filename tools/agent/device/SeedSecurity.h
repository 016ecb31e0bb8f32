#pragma once

#include "DeviceParts.h"

// The switch's access security: IEEE 802.1X (the PAE system, the authenticator's configuration,
// statistics, diagnostics and sessions per port), the RADIUS authentication and accounting
// clients with their servers, MAC-based authentication, the authentication mode, EAPOL
// forwarding, and the SSH server with its algorithms, methods and users.
namespace nx596 {

DevicePart SecurityPart();

}  // namespace nx596
