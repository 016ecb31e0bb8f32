#pragma once

#include <cstdint>
#include <optional>
#include <string>
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
};

struct ParsedOptions {
  std::optional<AgentOptions> options;
  std::string error;  // why parsing failed; empty with --help
};

ParsedOptions ParseAgentOptions(const std::vector<std::string>& arguments);
const char* AgentUsage();

}  // namespace nx596
