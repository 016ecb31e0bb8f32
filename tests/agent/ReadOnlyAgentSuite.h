#pragma once

#include "NetSnmpTools.h"
#include "Nx596Agent.h"

#include <gtest/gtest.h>

#include <memory>

// A suite whose cases only read: one agent serves them all, and each case gets net-snmp's
// command-line tools pointed at it.
class ReadOnlyAgentSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    agent_ = std::make_unique<Nx596Agent>();
    started_ = agent_->Start();
  }
  static void TearDownTestSuite() { agent_.reset(); }
  void SetUp() override {
    ASSERT_TRUE(started_);
    tools_ = std::make_unique<nx596::test::NetSnmpTools>(agent_->Address());
  }

  static inline std::unique_ptr<Nx596Agent> agent_;
  static inline bool started_ = false;
  std::unique_ptr<nx596::test::NetSnmpTools> tools_;
};
