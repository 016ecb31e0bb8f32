#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// Starts the build's nx596-agent for a test on a free loopback port and stops it again.
//
//   Nx596Agent agent({"--fdb-rows", "200"});
//   ASSERT_TRUE(agent.Start());   // the test has failed with the agent's own words if not
//   ... talk to 127.0.0.1:agent.Port() ...
//
// Each agent gets a fresh state directory that survives Restart(), so a restarted agent keeps
// its engine ID and counts one more boot, and a trace file that TraceLines() reads.
//
// An agent that ends by itself (a crash, a sanitizer report) fails the test in which that
// happened, by name, whatever the test asserts: an agent the test owns when it is stopped at the
// test's end; one that a suite shares when that test ends, after which it is started again for
// the rest of the suite.
class Nx596Agent {
 public:
  explicit Nx596Agent(QStringList extraArguments = {});
  ~Nx596Agent();
  Nx596Agent(const Nx596Agent&) = delete;
  Nx596Agent& operator=(const Nx596Agent&) = delete;

  // Starts the agent and waits up to 10 s for it to answer; on failure records a test failure
  // that says why and returns false.
  bool Start();
  // Stops the agent and starts it again with the same state directory, on the same port when
  // that port is still free.
  bool Restart();
  // Stops with SIGTERM (SIGKILL after a grace period). An agent that does not end cleanly
  // (a crash, a sanitizer report, a hang) fails the test.
  void Stop();
  bool IsRunning() const;
  // True while the agent runs. One that has ended by itself fails the running test ("nx596-agent
  // crashed (signal 11, ...)" with its standard error) and is started again; every agent still
  // alive is checked so whenever a test ends.
  bool ExpectRunning();
  // The agent's process ID while it runs, 0 otherwise.
  qint64 ProcessId() const;
  // The agent falls silent (SIGSTOP) and answers again (SIGCONT): a switch that stops answering
  // in the middle of an exchange.
  void Pause();
  void Resume();

  quint16 Port() const { return port_; }
  QString Address() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }
  QString StateDir() const;

  // Request lines the agent traced since the last ClearTrace() (or since it first started).
  QStringList TraceLines() const;
  void ClearTrace();

 private:
  bool StartOn(quint16 port, bool reportFailure);

  QStringList extraArguments_;
  QTemporaryDir dir_;
  std::unique_ptr<QProcess> process_;
  quint16 port_ = 0;
  qint64 traceOffset_ = 0;
};
