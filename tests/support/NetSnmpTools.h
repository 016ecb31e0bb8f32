#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

// Runs net-snmp's command-line tools (snmpget, snmpgetnext, snmpwalk, snmpbulkwalk, snmpset)
// against an agent, isolated from every configuration and MIB file of the machine, and reads
// their numeric output back.
namespace nx596::test {

struct Varbind {
  QString oid;    // numeric, without the leading dot
  QString type;   // the tool's word: INTEGER, STRING, Hex-STRING, IpAddress, Counter64, ...
  QString value;  // STRING without quotes, Hex-STRING as "00 1C F0", Timeticks as the number
};

struct ToolRun {
  int exitCode = -1;
  QString output;
  QString errors;
  QList<Varbind> varbinds;
  bool TimedOut() const { return errors.contains(QStringLiteral("Timeout")); }
  // The varbind of the OID, or an empty one when the output has none.
  Varbind Find(const QString& oid) const;
};

std::ostream& operator<<(std::ostream& os, const ToolRun& run);

// Credentials as tool arguments.
QStringList V1(const QString& community);
QStringList V2c(const QString& community);
QStringList V3NoAuth(const QString& user);
QStringList V3Auth(const QString& user, const QString& protocol, const QString& password);
QStringList V3Priv(const QString& user, const QString& authProtocol, const QString& authPassword,
                   const QString& privProtocol, const QString& privPassword);

class NetSnmpTools {
 public:
  explicit NetSnmpTools(QString agentAddress);

  // tool: "snmpget", "snmpset", ...; credentials from the helpers above; the rest are the
  // tool's own arguments after the agent address (OIDs, values, -C options go before).
  ToolRun Run(const QString& tool, const QStringList& credentials, const QStringList& arguments,
              const QStringList& options = {}) const;

  // Time-out of one try in seconds and number of retries, for tests that expect silence.
  void SetTimeout(int seconds, int retries);

 private:
  QString address_;
  QTemporaryDir home_;
  int timeoutSeconds_ = 3;
  int retries_ = 1;
};

// "Timeticks: (360000) 1:00:00.00" as the tool prints it becomes 360000.
qint64 TickCount(const Varbind& varbind);

}  // namespace nx596::test
