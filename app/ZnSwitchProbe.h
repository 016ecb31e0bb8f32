#pragma once

#include "ZnSNMPSession.h"

#include <QString>

#include <cstdint>
#include <functional>

// One asynchronous read of what names a switch: sysDescr, sysUpTime and sysName in one get.
// The Switches window polls every switch with it and its form's Test button reads once.
struct ZnProbeResult {
  bool answered = false;
  QString failure;  // the program's message for the failure ("(SNMPv3USM) Authentication failure!")
  QString sysDescr;
  QString sysName;
  QString upTime;           // as the program shows TimeTicks: "1 day 2:03:04.05"
  qint64 milliseconds = 0;  // from sending to the answer
};

// Sends the get and returns its ticket (for ZnSNMPCancel); the completion runs later from the
// event pump. A target that cannot be sent to (an address that does not resolve, a protocol
// net-snmp lacks) completes at once, before this returns, and gives ticket 0.
std::uint64_t ZnProbeSwitch(const ZnSNMPTarget& target,
                            std::function<void(const ZnProbeResult&)> done);

// One line that says what a probe found, as the Test button reports it.
QString ZnDescribeProbe(const ZnProbeResult& result);
