#include "NetSnmpTools.h"

#include <QProcess>
#include <QRegularExpression>

namespace nx596::test {

namespace {

constexpr int kToolTimeoutMs = 120000;

// "<oid> = <TYPE>: <value>" per varbind; long hex strings continue on the following lines.
QList<Varbind> ParseVarbinds(const QString& output) {
  QList<Varbind> varbinds;
  for (const QString& line : output.split('\n')) {
    if (line.isEmpty()) continue;
    if (!line.startsWith('.')) {
      if (!varbinds.isEmpty()) varbinds.last().value += ' ' + line.trimmed();
      continue;
    }
    const qsizetype equals = line.indexOf(QStringLiteral(" = "));
    if (equals < 0) continue;
    Varbind varbind;
    varbind.oid = line.mid(1, equals - 1);
    const QString rest = line.mid(equals + 3);
    static const QRegularExpression typed(QStringLiteral("^([A-Za-z0-9-]+): ?(.*)$"));
    const auto match = typed.match(rest);
    if (rest == QStringLiteral("\"\"")) {
      varbind.type = QStringLiteral("STRING");
    } else if (match.hasMatch()) {
      varbind.type = match.captured(1);
      varbind.value = match.captured(2).trimmed();
    } else {
      varbind.value = rest;  // "No Such Instance currently exists at this OID" and the like
    }
    varbinds.append(varbind);
  }
  for (Varbind& varbind : varbinds) {
    if (varbind.type == QStringLiteral("STRING") && varbind.value.size() >= 2 &&
        varbind.value.startsWith('"') && varbind.value.endsWith('"')) {
      varbind.value = varbind.value.mid(1, varbind.value.size() - 2);
    }
    varbind.value = varbind.value.trimmed();
  }
  return varbinds;
}

}  // namespace

Varbind ToolRun::Find(const QString& oid) const {
  for (const Varbind& varbind : varbinds) {
    if (varbind.oid == oid) return varbind;
  }
  return {};
}

std::ostream& operator<<(std::ostream& os, const ToolRun& run) {
  return os << "exit " << run.exitCode << "\nstdout:\n"
            << run.output.toStdString() << "stderr:\n"
            << run.errors.toStdString();
}

QStringList V1(const QString& community) {
  return {QStringLiteral("-v1"), QStringLiteral("-c"), community};
}

QStringList V2c(const QString& community) {
  return {QStringLiteral("-v2c"), QStringLiteral("-c"), community};
}

QStringList V3NoAuth(const QString& user) {
  return {QStringLiteral("-v3"), QStringLiteral("-l"), QStringLiteral("noAuthNoPriv"),
          QStringLiteral("-u"), user};
}

QStringList V3Auth(const QString& user, const QString& protocol, const QString& password) {
  return {QStringLiteral("-v3"),
          QStringLiteral("-l"),
          QStringLiteral("authNoPriv"),
          QStringLiteral("-u"),
          user,
          QStringLiteral("-a"),
          protocol,
          QStringLiteral("-A"),
          password};
}

QStringList V3Priv(const QString& user, const QString& authProtocol, const QString& authPassword,
                   const QString& privProtocol, const QString& privPassword) {
  return {QStringLiteral("-v3"),
          QStringLiteral("-l"),
          QStringLiteral("authPriv"),
          QStringLiteral("-u"),
          user,
          QStringLiteral("-a"),
          authProtocol,
          QStringLiteral("-A"),
          authPassword,
          QStringLiteral("-x"),
          privProtocol,
          QStringLiteral("-X"),
          privPassword};
}

NetSnmpTools::NetSnmpTools(QString agentAddress) : address_(std::move(agentAddress)) {}

void NetSnmpTools::SetTimeout(int seconds, int retries) {
  timeoutSeconds_ = seconds;
  retries_ = retries;
}

ToolRun NetSnmpTools::Run(const QString& tool, const QStringList& credentials,
                          const QStringList& arguments, const QStringList& options) const {
  QProcess process;
  // The tools would read ~/.snmp, /etc/snmp and load MIBs, and save state under
  // /var/lib/snmp; everything points into a directory of this test instead.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), home_.path());
  environment.insert(QStringLiteral("SNMPCONFPATH"), home_.path());
  environment.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), home_.path());
  environment.insert(QStringLiteral("MIBS"), QString());
  process.setProcessEnvironment(environment);
  QStringList all = {QStringLiteral("-M"),  QStringLiteral("/dev/null"),
                     QStringLiteral("-Le"), QStringLiteral("-On"),
                     QStringLiteral("-t"),  QString::number(timeoutSeconds_),
                     QStringLiteral("-r"),  QString::number(retries_)};
  all += credentials;
  all += options;
  all += address_;
  all += arguments;
  process.start(QStringLiteral("/usr/bin/") + tool, all);
  ToolRun run;
  if (!process.waitForFinished(kToolTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    run.errors = QStringLiteral("(%1 did not finish)").arg(tool);
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.output = QString::fromUtf8(process.readAllStandardOutput());
  run.errors = QString::fromUtf8(process.readAllStandardError());
  run.varbinds = ParseVarbinds(run.output);
  return run;
}

qint64 TickCount(const Varbind& varbind) {
  static const QRegularExpression ticks(QStringLiteral("^\\((\\d+)\\)"));
  const auto match = ticks.match(varbind.value);
  return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

}  // namespace nx596::test
