#pragma once

// net-snmp's agent headers in the order they need (the configuration first), each in a block of
// its own so that include sorting keeps that order; every file of the agent includes them here.
#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <string>
#include <vector>

namespace nx596 {

// Takes a handler registration out of the agent. netsnmp_unregister_handler() reads the context
// name after freeing it together with the registration, so the registration is taken apart here
// from copies of its keys.
inline void UnregisterHandler(const netsnmp_handler_registration& reginfo) {
  std::vector<oid> root(reginfo.rootoid, reginfo.rootoid + reginfo.rootoid_len);
  const std::string context = reginfo.contextName ? reginfo.contextName : "";
  unregister_mib_context(root.data(), root.size(), reginfo.priority, reginfo.range_subid,
                         reginfo.range_ubound, context.c_str());
}

}  // namespace nx596
