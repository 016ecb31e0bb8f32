#include "Nx596Agent.h"

#include "TestProcess.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <chrono>
#include <csignal>

namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr std::chrono::milliseconds kStopGrace{5000};

}  // namespace

Nx596Agent::Nx596Agent(QStringList extraArguments) : extraArguments_(std::move(extraArguments)) {
  QDir(dir_.path()).mkpath(QStringLiteral("state"));
}

Nx596Agent::~Nx596Agent() {
  Stop();
}

QString Nx596Agent::StateDir() const {
  return dir_.filePath(QStringLiteral("state"));
}

bool Nx596Agent::IsRunning() const {
  return process_ && process_->state() != QProcess::NotRunning;
}

void Nx596Agent::Pause() {
  if (IsRunning()) ::kill(static_cast<pid_t>(process_->processId()), SIGSTOP);
}

void Nx596Agent::Resume() {
  if (IsRunning()) ::kill(static_cast<pid_t>(process_->processId()), SIGCONT);
}

bool Nx596Agent::Start() {
  return StartOn(0, true);
}

bool Nx596Agent::Restart() {
  const quint16 previous = port_;
  Stop();
  if (previous != 0 && StartOn(previous, false)) return true;
  return StartOn(0, true);
}

bool Nx596Agent::StartOn(quint16 port, bool reportFailure) {
  if (!dir_.isValid()) {
    ADD_FAILURE() << "nx596-agent: cannot create a temporary directory";
    return false;
  }
  const QString errorFile = dir_.filePath(QStringLiteral("agent.err"));
  QFile::remove(errorFile);
  process_ = std::make_unique<QProcess>();
  // The agent's diagnostics go to a file: a pipe nobody reads could fill up and stall it.
  process_->setStandardErrorFile(errorFile);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), dir_.path());
  process_->setProcessEnvironment(environment);
  QStringList arguments = {QStringLiteral("--port"),      QString::number(port),
                           QStringLiteral("--state-dir"), StateDir(),
                           QStringLiteral("--trace"),     dir_.filePath(QStringLiteral("trace"))};
  arguments += extraArguments_;
  process_->start(QStringLiteral(NX596_AGENT_PATH), arguments);

  QByteArray output;
  QDeadlineTimer deadline(kStartTimeoutMs);
  while (!deadline.hasExpired() && !output.contains('\n')) {
    if (!process_->waitForReadyRead(static_cast<int>(deadline.remainingTime()))) break;
    output += process_->readAllStandardOutput();
  }
  const QByteArray line = output.left(output.indexOf('\n')).trimmed();
  bool ok = false;
  const quint16 bound = line.startsWith("READY ") ? line.mid(6).toUShort(&ok) : 0;
  if (ok && bound != 0) {
    port_ = bound;
    return true;
  }
  nx596::test::StopProcess(*process_, kStopGrace);
  process_.reset();
  if (reportFailure) {
    ADD_FAILURE() << "nx596-agent did not start (" << NX596_AGENT_PATH << " "
                  << arguments.join(' ').toStdString() << "); stdout: \"" << output.toStdString()
                  << "\"; stderr:\n"
                  << nx596::test::TailOfFile(errorFile, 80).toStdString();
  }
  return false;
}

void Nx596Agent::Stop() {
  if (!process_) return;
  const bool clean = nx596::test::StopProcess(*process_, kStopGrace);
  if (!clean) {
    ADD_FAILURE()
        << "nx596-agent did not end cleanly (exit code " << process_->exitCode() << "); stderr:\n"
        << nx596::test::TailOfFile(dir_.filePath(QStringLiteral("agent.err"))).toStdString();
  }
  process_.reset();
}

QStringList Nx596Agent::TraceLines() const {
  QFile file(dir_.filePath(QStringLiteral("trace")));
  if (!file.open(QIODevice::ReadOnly) || !file.seek(traceOffset_)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

void Nx596Agent::ClearTrace() {
  traceOffset_ = QFile(dir_.filePath(QStringLiteral("trace"))).size();
}
