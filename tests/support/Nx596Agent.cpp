#include "Nx596Agent.h"

#include "TestProcess.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr std::chrono::milliseconds kStopGrace{5000};

// Every agent object that exists, for the check at the end of each test.
std::vector<Nx596Agent*>& Agents() {
  static std::vector<Nx596Agent*> agents;
  return agents;
}

// When a test ends, every agent that outlives it (one a suite shares) must still be running; an
// agent the test owned has been stopped, and checked, by then. Listeners hear of a test's end in
// reverse order, so this one's failure is in the result before the printer reports the test.
class AgentWatch : public ::testing::EmptyTestEventListener {
 public:
  void OnTestEnd(const ::testing::TestInfo&) override {
    for (Nx596Agent* agent : Agents()) agent->ExpectRunning();
  }
};

void WatchAgents() {
  static const bool installed = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new AgentWatch);
    return true;
  }();
  (void)installed;
}

// How a process that is no longer running ended, for failure messages.
std::string HowItEnded(const QProcess& process) {
  if (process.exitStatus() == QProcess::CrashExit) {
    const int signal = process.exitCode();
    const char* name = strsignal(signal);
    return "crashed (signal " + std::to_string(signal) + (name ? std::string(", ") + name : "") +
           ")";
  }
  return "ended with exit code " + std::to_string(process.exitCode());
}

bool EndedCleanly(const QProcess& process) {
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace

Nx596Agent::Nx596Agent(QStringList extraArguments) : extraArguments_(std::move(extraArguments)) {
  QDir(dir_.path()).mkpath(QStringLiteral("state"));
  WatchAgents();
  Agents().push_back(this);
}

Nx596Agent::~Nx596Agent() {
  Stop();
  auto& agents = Agents();
  agents.erase(std::remove(agents.begin(), agents.end(), this), agents.end());
}

QString Nx596Agent::StateDir() const {
  return dir_.filePath(QStringLiteral("state"));
}

bool Nx596Agent::IsRunning() const {
  return process_ && process_->state() != QProcess::NotRunning;
}

qint64 Nx596Agent::ProcessId() const {
  return IsRunning() ? process_->processId() : 0;
}

bool Nx596Agent::ExpectRunning() {
  if (!process_) return false;   // not started, or stopped on purpose
  process_->waitForFinished(0);  // takes in an end that has happened since the last look
  if (process_->state() != QProcess::NotRunning) return true;
  ADD_FAILURE()
      << "nx596-agent " << HowItEnded(*process_) << " during this test; stderr:\n"
      << nx596::test::TailOfFile(dir_.filePath(QStringLiteral("agent.err"))).toStdString();
  // The rest of a suite that shares the agent gets a running one, on the same port if it can.
  process_.reset();
  if (!StartOn(port_, false)) StartOn(0, true);
  return false;
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
  process_->waitForFinished(0);  // takes in an end that has happened since the last look
  std::string failure;
  if (process_->state() == QProcess::NotRunning) {
    if (!EndedCleanly(*process_)) failure = HowItEnded(*process_) + " before it was stopped";
  } else {
    process_->terminate();
    if (!process_->waitForFinished(static_cast<int>(kStopGrace.count()))) {
      process_->kill();
      process_->waitForFinished(5000);
      failure = "did not end within " + std::to_string(kStopGrace.count()) +
                " ms of SIGTERM and was killed";
    } else if (!EndedCleanly(*process_)) {
      failure = HowItEnded(*process_) + " when it was stopped";
    }
  }
  // net-snmp counts what its modules hold and says so when a count is off at the end: a module
  // shut down twice, or one left running.
  const QString errors = nx596::test::TailOfFile(dir_.filePath(QStringLiteral("agent.err")));
  if (failure.empty() && errors.contains(QStringLiteral("after shutdown")))
    failure = "ended with net-snmp's modules out of step";
  if (!failure.empty()) {
    ADD_FAILURE()
        << "nx596-agent " << failure << "; stderr:\n" << errors.toStdString();
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
