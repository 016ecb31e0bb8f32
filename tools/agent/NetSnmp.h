#pragma once

// net-snmp's agent headers in the order they need (the configuration first), each in a block of
// its own so that include sorting keeps that order; every file of the agent includes them here.
#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <net-snmp/agent/net-snmp-agent-includes.h>
