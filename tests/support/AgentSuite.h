#pragma once

#include "Nx596Agent.h"
#include "RecordingNotifier.h"
#include "TestApplication.h"
#include "ZnSNMPSession.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>

// Runs the event loop until no exchange of this program has been under way for `quietMs` in a row
// (a window's reads, walks and writes are done, and nothing followed them), at most `ms`; true
// when that happened. What a test waits for instead of a fixed time.
inline bool AwaitExchangesDone(int quietMs = 50, int ms = 15000) {
  TestApplication();
  QElapsedTimer waited, quiet;
  waited.start();
  quiet.start();
  while (waited.elapsed() < ms) {
    if (ZnSNMPExchangesUnderWay() != 0) quiet.restart();
    if (quiet.elapsed() >= quietMs) return true;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  }
  return false;
}

// A suite that talks to one simulated switch, started once for the suite (a suite that needs
// other agent options defines its own SetUpTestSuite calling StartAgent). Every test starts with
// SNMPv2c, the default time-out and the recording message seam in place.
class AgentSuite : public ::testing::Test {
 protected:
  static void StartAgent(const QStringList& arguments) {
    TestApplication();
    static QTemporaryDir counter;
    ZnSNMPOpenSession(counter.path());
    agent_ = new Nx596Agent(arguments);
    ASSERT_TRUE(agent_->Start());
  }
  static void SetUpTestSuite() { StartAgent({}); }
  static void TearDownTestSuite() {
    delete agent_;
    agent_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(agent_, nullptr);
    ZnSNMPGlobalDevice = {"127.0.0.1", agent_->Port()};
    ZnSNMPGlobalSecurity.Version = 1;
    ZnSNMPDefaultTimeout = 100;
    ZnSetNotifier(&notifier_);
    agent_->ClearTrace();
  }
  void TearDown() override { ZnSetNotifier(nullptr); }

  // The varbinds of every SET the agent received since the trace was last cleared.
  static QStringList Sets() {
    QStringList sets;
    for (const QString& line : agent_->TraceLines())
      if (line.startsWith("SET\t")) sets << line.section('\t', 4);
    return sets;
  }

  static inline Nx596Agent* agent_ = nullptr;
  RecordingNotifier notifier_;
};
