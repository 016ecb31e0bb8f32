#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Starts net-snmp's own snmpd for tests that need an agent that is not ours, with a private
// configuration in a temporary directory: communities "tamrel" (read) and "vosquin" (write),
// the SNMPv3 users "nx-sha" (SHA "nx-sha-pass", AES "nx-sha-privacy", read-write) and "nx-auth"
// (SHA "nx-auth-pass", no privacy, read-write), listening on a
// free UDP port of 127.0.0.1. It reads no system configuration and keeps its state in the
// temporary directory.
class NetSnmpAgent {
 public:
  NetSnmpAgent();
  ~NetSnmpAgent();
  NetSnmpAgent(const NetSnmpAgent&) = delete;
  NetSnmpAgent& operator=(const NetSnmpAgent&) = delete;

  // Starts snmpd and waits up to 10 s until it listens; on failure records a test failure that
  // says why and returns false.
  bool Start();
  void Stop();
  // Stops snmpd and starts it again on the same port with the same state, so its engine boots
  // go up by one as a switch's do when it reboots.
  bool Restart();

  quint16 Port() const { return port_; }
  QString Address() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

 private:
  enum class Outcome { kListening, kPortTaken, kFailed };
  Outcome StartOn(quint16 port);

  QTemporaryDir dir_;
  std::unique_ptr<QProcess> process_;
  quint16 port_ = 0;
  QString failure_;
};
