#pragma once

#include "V3User.h"

// The three protocol versions the agent tests run over, and the program's settings for each:
// the simulated switch's communities, and for SNMPv3 its AES user unless the test names another.
enum class Version { V1, V2c, V3 };

inline void UseVersion(Version version,
                       const V3User& v3 = {"nx-aes", 3, 3, "nx-aes-auth", 4, "nx-aes-priv"}) {
  UseV3(v3, ZnSNMPGlobalScope.ContextName);
  ZnSNMPSecurity& s = ZnSNMPGlobalSecurity;
  s.Version = version == Version::V1 ? 0 : version == Version::V2c ? 1 : 3;
  s.ReadCommunity = "tamrel";
  s.WriteCommunity = "vosquin";
}
