#pragma once

#include "ZnSNMPSession.h"

#include <QString>

// An SNMPv3 user as the command line gives one (levels and protocols in its numbering), and
// putting it into the process-wide settings that every request copies.
struct V3User {
  const char* name;
  int level;
  int auth;
  const char* authPass;
  int priv;
  const char* privPass;
};

inline void UseV3(const V3User& u, const QString& context = QString()) {
  ZnSNMPSecurity& s = ZnSNMPGlobalSecurity;
  s.Version = 3;
  s.SecurityModel = 3;
  s.SecurityName = u.name;
  s.SecurityLevel = u.level;
  s.AuthProtocol = u.auth;
  s.AuthPassword = u.authPass;
  s.PrivProtocol = u.priv;
  s.PrivPassword = u.privPass;
  ZnSNMPGlobalScope.ContextName = context;
}
