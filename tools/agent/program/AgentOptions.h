#pragma once

#include "MibValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The command line of nx596-agent.
namespace nx596 {

struct UserOption {
  std::string name;
  std::string auth;  // net-snmp's token: MD5, SHA, SHA-224 ... or empty for none
  std::string authPassword;
  std::string priv;  // DES, AES, AES-192, AES-256 or empty for none
  std::string privPassword;
};

struct AgentOptions {
  std::uint16_t port = 0;   // 0: the system chooses
  std::string stateDir;     // empty: a temporary directory removed at exit
  std::string engineIdHex;  // empty: net-snmp's own, kept in the state directory
  std::vector<UserOption> users;
  std::string traceFile;
  std::uint32_t delayMs = 0;
  std::uint32_t dropEvery = 0;  // 0: answer everything
  std::uint32_t fdbRows = 50;
  // 0: GETBULK is answered; otherwise the error status every GETBULK is answered with
  // (5 genErr or 1 tooBig), as an agent that cannot do it might.
  std::int32_t refuseBulk = 0;
  std::uint32_t vlans = 3;  // static VLANs; beyond the three it starts with, "VLANn" without ports
  // Module types of the uplink slots (swL2Module-1-Type, -2-Type): 0 none, 1 XM-71, 2 XM-73,
  // 3 XM-72, 4 COMBA.
  std::uint32_t slot1 = 0;
  std::uint32_t slot2 = 0;
  // The front-panel LED value as hexadecimal bytes, of any length; unset: the seeded panel.
  std::optional<std::string> ledsHex;
  // The LED value changes over time: links come and go, linked ports show traffic.
  bool ledsLive = false;
  // With ledsLive: 0, or every counter starts this many seconds of its traffic before 2^32.
  std::uint32_t countersNearWrap = 0;
  // Octet-string instances that report these bytes (hexadecimal) whatever their limits, as a
  // switch with other firmware might: the program must cope with values it cannot take apart.
  std::vector<std::pair<std::string, std::string>> octets;
  // How its answers go wrong (Misbehaviour.h), and whether the run-time control object is there
  // at all: only when --misbehave is given (an empty list: answers go right until it is written).
  std::string misbehave;
  bool misbehaveControl = false;
  // Objects, subtrees or instances the switch does not have, as a firmware that lacks them:
  // gets answer no such object (instance), walks pass them by, sets are refused.
  std::vector<Oid> without;
};

struct ParsedOptions {
  std::optional<AgentOptions> options;
  std::string error;  // why parsing failed; empty with --help
};

ParsedOptions ParseAgentOptions(const std::vector<std::string>& arguments);
const char* AgentUsage();

}  // namespace nx596
