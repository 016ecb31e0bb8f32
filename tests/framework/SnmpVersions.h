#pragma once

#include "ZnSNMPSettings.h"

// The three protocol versions the agent tests run over, and the program's settings for each:
// the simulated switch's communities, and for SNMPv3 its AES user unless the test names another.
enum class Version { V1, V2c, V3 };

struct Credentials {
  const char* user;
  int level;
  int auth;
  const char* authPass;
  int priv;
  const char* privPass;
};

inline void UseVersion(Version version,
                       const Credentials& v3 = {"nx-aes", 3, 3, "nx-aes-auth", 4, "nx-aes-priv"}) {
  ZnSNMPSecurity& s = ZnSNMPGlobalSecurity;
  s.Version = version == Version::V1 ? 0 : version == Version::V2c ? 1 : 3;
  s.ReadCommunity = "tamrel";
  s.WriteCommunity = "vosquin";
  s.SecurityModel = 3;
  s.SecurityName = v3.user;
  s.SecurityLevel = v3.level;
  s.AuthProtocol = v3.auth;
  s.AuthPassword = v3.authPass;
  s.PrivProtocol = v3.priv;
  s.PrivPassword = v3.privPass;
}
