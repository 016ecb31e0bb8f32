#include "NetSnmpAgent.h"

#include "TestProcess.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <chrono>

namespace {

constexpr const char* kSnmpd = "/usr/sbin/snmpd";
constexpr int kStartTimeoutMs = 10000;
constexpr int kPortAttempts = 5;

QByteArray Configuration(quint16 port) {
  return QStringLiteral(
             "agentaddress udp:127.0.0.1:%1\n"
             "rocommunity tamrel default\n"
             "rwcommunity vosquin default\n"
             "createUser nx-sha SHA nx-sha-pass AES nx-sha-privacy\n"
             "rwuser nx-sha auth\n"
             "createUser nx-auth SHA nx-auth-pass\n"
             "rwuser nx-auth auth\n"
             "sysDescr net-snmp reference agent\n")
      .arg(port)
      .toUtf8();
}

}  // namespace

NetSnmpAgent::NetSnmpAgent() = default;

NetSnmpAgent::~NetSnmpAgent() {
  Stop();
}

bool NetSnmpAgent::Start() {
  if (!dir_.isValid()) {
    ADD_FAILURE() << "snmpd: cannot create a temporary directory";
    return false;
  }
  // A port found free can be taken by someone else before snmpd binds it; then try another.
  for (int attempt = 0; attempt < kPortAttempts; ++attempt) {
    quint16 port = nx596::test::FreeUdpPort();
    switch (StartOn(port)) {
      case Outcome::kListening:
        port_ = port;
        return true;
      case Outcome::kPortTaken:
        continue;
      case Outcome::kFailed:
        ADD_FAILURE() << failure_.toStdString();
        return false;
    }
  }
  ADD_FAILURE() << "snmpd found no free port: " << failure_.toStdString();
  return false;
}

NetSnmpAgent::Outcome NetSnmpAgent::StartOn(quint16 port) {
  const QString config = dir_.filePath(QStringLiteral("snmpd.conf"));
  const QString log = dir_.filePath(QStringLiteral("snmpd.log"));
  const QString state = dir_.filePath(QStringLiteral("state"));
  QDir(dir_.path()).mkpath(QStringLiteral("state"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(Configuration(port)) < 0) {
    failure_ = QStringLiteral("snmpd: cannot write %1").arg(config);
    return Outcome::kFailed;
  }
  file.close();
  QFile::remove(log);

  process_ = std::make_unique<QProcess>();
  process_->setProcessChannelMode(QProcess::MergedChannels);
  process_->setStandardOutputFile(dir_.filePath(QStringLiteral("snmpd.out")));
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), dir_.path());
  environment.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), state);
  environment.insert(QStringLiteral("SNMPCONFPATH"), state);
  environment.insert(QStringLiteral("MIBS"), QString());
  environment.insert(QStringLiteral("MIBDIRS"), state);
  process_->setProcessEnvironment(environment);
  // -f: stay in the foreground; -c: our configuration, besides the persistent state that
  // SNMPCONFPATH alone points to (so no system file is read, and the engine ID and boots
  // survive a restart as a switch's do); -I -smux: no SMUX port; -Lf: log to our file, which
  // also tells when it listens.
  process_->start(QString::fromLatin1(kSnmpd),
                  {QStringLiteral("-f"), QStringLiteral("-c"), config, QStringLiteral("-I"),
                   QStringLiteral("-smux"), QStringLiteral("-Lf"), log});
  if (!process_->waitForStarted(kStartTimeoutMs)) {
    failure_ = QStringLiteral("snmpd: cannot start %1: %2")
                   .arg(QString::fromLatin1(kSnmpd), process_->errorString());
    process_.reset();
    return Outcome::kFailed;
  }
  QDeadlineTimer deadline(kStartTimeoutMs);
  while (!deadline.hasExpired()) {
    const QString text = nx596::test::TailOfFile(log, 1000);
    // snmpd announces its version once it has opened its ports and is about to serve.
    if (text.contains(QStringLiteral("NET-SNMP version"))) return Outcome::kListening;
    if (process_->state() == QProcess::NotRunning || process_->waitForFinished(20)) {
      failure_ = QStringLiteral("snmpd ended at start:\n") + text;
      process_.reset();
      return text.contains(QStringLiteral("Error opening specified endpoint")) ? Outcome::kPortTaken
                                                                               : Outcome::kFailed;
    }
  }
  failure_ =
      QStringLiteral("snmpd did not start listening within 10 s:\n") + nx596::test::TailOfFile(log);
  nx596::test::StopProcess(*process_, std::chrono::milliseconds(2000));
  process_.reset();
  return Outcome::kFailed;
}

bool NetSnmpAgent::Restart() {
  Stop();
  if (port_ != 0 && StartOn(port_) == Outcome::kListening) return true;
  ADD_FAILURE() << "snmpd did not start again: " << failure_.toStdString();
  return false;
}

void NetSnmpAgent::Stop() {
  if (!process_) return;
  nx596::test::StopProcess(*process_, std::chrono::milliseconds(5000));
  process_.reset();
}
