#pragma once

#include "AgentOptions.h"

#include <string>
#include <vector>

// The configuration of the simulated switch's SNMP engine, in net-snmp's configuration
// language, built from code so that no file of the user or the system is involved.
namespace nx596 {

// The communities the device starts with: rows of its community table, which decides what the
// agent accepts (CommunityAccess); any other community fails authentication.
inline constexpr const char* kReadCommunity = "tamrel";
inline constexpr const char* kWriteCommunity = "vosquin";
// A context besides the default one; the device model answers in both.
inline constexpr const char* kDeviceContext = "nx-ctx";

std::vector<UserOption> BuiltInUsers();
std::vector<std::string> AgentConfigLines(const AgentOptions& options);

}  // namespace nx596
