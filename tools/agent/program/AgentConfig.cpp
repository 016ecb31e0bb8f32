#include "AgentConfig.h"

namespace nx596 {

namespace {

std::string CreateUserLine(const UserOption& user) {
  std::string line = "createUser " + user.name;
  if (!user.auth.empty()) line += " " + user.auth + " " + user.authPassword;
  if (!user.priv.empty()) line += " " + user.priv + " " + user.privPassword;
  return line;
}

// VACM groups by the lowest security level their members may use; every user reads and writes
// the whole MIB at its own level.
const char* UsmGroup(const UserOption& user) {
  if (user.auth.empty()) return "nxUsmNoAuth";
  if (user.priv.empty()) return "nxUsmAuth";
  return "nxUsmPriv";
}

}  // namespace

std::vector<UserOption> BuiltInUsers() {
  return {
      {"nx-noauth", "", "", "", ""},
      {"nx-md5", "MD5", "nx-md5-pass", "", ""},
      {"nx-sha", "SHA", "nx-sha-pass", "", ""},
      {"nx-sha256", "SHA-256", "nx-sha256-pass", "", ""},
      {"nx-des", "MD5", "nx-des-auth", "DES", "nx-des-priv"},
      {"nx-aes", "SHA", "nx-aes-auth", "AES", "nx-aes-priv"},
      {"nx-aes256", "SHA-256", "nx-aes256-auth", "AES-256", "nx-aes256-priv"},
  };
}

std::vector<std::string> AgentConfigLines(const AgentOptions& options) {
  std::vector<std::string> lines = {
      "sysDescr NX-596 24-port managed Ethernet switch (simulated)",
      "sysObjectID .1.3.6.1.4.1.99917.1.596",
      "sysContact network operations",
      "sysName nx596",
      "sysLocation lab rack 1",
      "sysServices 2",

      "view nxAll included .0",
      "view nxAll included .1",
      "view nxAll included .2",

      // Communities come from the community table (CommunityAccess), whose rows name the
      // community itself as the security name of these groups.
      std::string("group nxReadOnly v1 ") + kReadCommunity,
      std::string("group nxReadOnly v2c ") + kReadCommunity,
      std::string("group nxReadWrite v1 ") + kWriteCommunity,
      std::string("group nxReadWrite v2c ") + kWriteCommunity,
      "access nxReadOnly \"\" any noauth prefix nxAll none none",
      "access nxReadWrite \"\" any noauth prefix nxAll nxAll none",

      // An empty context prefix matches every context, the device's own included.
      "access nxUsmNoAuth \"\" usm noauth prefix nxAll nxAll nxAll",
      "access nxUsmAuth \"\" usm auth prefix nxAll nxAll nxAll",
      "access nxUsmPriv \"\" usm priv prefix nxAll nxAll nxAll",

      // Notification targets, so that the target MIB has rows. Read-only storage keeps them out
      // of the persistent state (they come from here at every start).
      "targetParams nxParamsV2c 1 2 tamrel 1 5 1",
      "targetParams nxParamsV3 3 3 nx-sha 2 5 1",
      // 10.90.90.2 and 10.90.90.3, port 162
      "targetAddr nmsPrimary .1.3.6.1.6.1.1 0x0A5A5A0200A2 1500 3 \"nxTraps\" nxParamsV2c 5 1",
      "targetAddr nmsBackup .1.3.6.1.6.1.1 0x0A5A5A0300A2 3000 2 \"nxTraps\" nxParamsV3 5 1",
      // The notification MIB's tables in net-snmp's own storage format: notifications go to the
      // targets tagged nxTraps, and nxParamsV3 filters them through the profile nxFilter, which
      // includes the standard traps (index: the length-prefixed profile name, then the IMPLIED
      // subtree 1.3.6.1.6.3.1.1.5). All read-only, like the targets.
      "snmpNotifyTable nxNotify nxTraps 1 5 1",
      "snmpNotifyFilterProfileTable nxParamsV3 nxFilter 5 1",
      "snmpNotifyFilterTable .8.110.120.70.105.108.116.101.114.1.3.6.1.6.3.1.1.5 "
      "2:\"\" 3:1 4:5 5:1 $",
  };
  if (!options.engineIdHex.empty()) lines.push_back("exactEngineID 0x" + options.engineIdHex);
  std::vector<UserOption> users = BuiltInUsers();
  users.insert(users.end(), options.users.begin(), options.users.end());
  for (const auto& user : users) {
    lines.push_back(CreateUserLine(user));
    lines.push_back(std::string("group ") + UsmGroup(user) + " usm " + user.name);
  }
  return lines;
}

}  // namespace nx596
