// What the agent's trace shows of each request, and the agent's deliberate misbehaviour for
// tests of the manager: dropped and delayed answers.

#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace {

using nx596::test::NetSnmpTools;
using nx596::test::ToolRun;
using nx596::test::V1;
using nx596::test::V2c;
using nx596::test::V3Priv;

const QString kSystemReset = QStringLiteral("1.3.6.1.4.1.99917.12.1.2.3.0");
const QString kSystemIp = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.1.2.2.0");

class AgentTrace : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(agent_.Start());
    tools_ = std::make_unique<NetSnmpTools>(agent_.Address());
  }
  Nx596Agent agent_;
  std::unique_ptr<NetSnmpTools> tools_;
};

TEST_F(AgentTrace, GetGetNextAndSetAreTracedExactly) {
  agent_.ClearTrace();
  tools_->Run(QStringLiteral("snmpget"), V2c("tamrel"), {kSystemReset, kSystemIp});
  tools_->Run(QStringLiteral("snmpgetnext"), V1("tamrel"),
              {QStringLiteral("1.3.6.1.4.1.99917.12.23.4.1.1.2.10.0.0.1")});
  tools_->Run(QStringLiteral("snmpset"), V2c("vosquin"),
              {kSystemReset, "i", "-3", kSystemIp, "a", "192.0.2.1",
               "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.1", "s", "Uplink \"A\"",
               "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.2", "s", ""});
  EXPECT_EQ(agent_.TraceLines(),
            (QStringList{
                "GET\tv2c\ttamrel\t\t1.3.6.1.4.1.99917.12.1.2.3.0=NULL:\t"
                "1.3.6.1.4.1.99917.11.63.3.2.1.2.2.0=NULL:",
                "GETNEXT\tv1\ttamrel\t\t1.3.6.1.4.1.99917.12.23.4.1.1.2.10.0.0.1=NULL:",
                "SET\tv2c\tvosquin\t\t1.3.6.1.4.1.99917.12.1.2.3.0=INTEGER:-3\t"
                "1.3.6.1.4.1.99917.11.63.3.2.1.2.2.0=IPADDRESS:192.0.2.1\t"
                "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.1=STRING:55706C696E6B20224122\t"
                "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.2=STRING:",
            }));
}

TEST_F(AgentTrace, EveryValueTypeHasItsTraceForm) {
  agent_.ClearTrace();
  // The agent refuses most of these types for this object; the trace shows them as sent.
  // (snmpset cannot send Counter32 or Counter64; RequestTraceTest covers those.)
  tools_->Run(
      QStringLiteral("snmpset"), V2c("vosquin"),
      {kSystemReset, "o", ".1.3.6.1.4.1.99917", kSystemReset, "u", "4294967295", kSystemReset, "t",
       "360000", kSystemReset, "x", "00FF", kSystemReset, "i", "-2147483648"});
  const QStringList lines = agent_.TraceLines();
  ASSERT_EQ(lines.size(), 1);
  const QString prefix = kSystemReset + "=";
  EXPECT_EQ(lines[0].split('\t').mid(4),
            (QStringList{prefix + "OID:1.3.6.1.4.1.99917", prefix + "GAUGE:4294967295",
                         prefix + "TIMETICKS:360000", prefix + "STRING:00FF",
                         prefix + "INTEGER:-2147483648"}));
}

TEST_F(AgentTrace, BulkAndSnmpV3RequestsShowTheirParameters) {
  agent_.ClearTrace();
  tools_->Run(QStringLiteral("snmpbulkget"), V2c("tamrel"),
              {QStringLiteral("1.3.6.1.2.1.1.3"), QStringLiteral("1.3.6.1.4.1.99917.12.10.11")},
              {QStringLiteral("-Cn1"), QStringLiteral("-Cr3")});
  tools_->Run(
      QStringLiteral("snmpget"),
      V3Priv("nx-aes", "SHA", "nx-aes-auth", "AES", "nx-aes-priv") + QStringList{"-n", "nx-ctx"},
      {kSystemReset});
  EXPECT_EQ(agent_.TraceLines(),
            (QStringList{"GETBULK:1:3\tv2c\ttamrel\t\t1.3.6.1.2.1.1.3=NULL:\t"
                         "1.3.6.1.4.1.99917.12.10.11=NULL:",
                         "GET\tv3\tnx-aes\tnx-ctx\t1.3.6.1.4.1.99917.12.1.2.3.0=NULL:"}));
}

TEST_F(AgentTrace, RequestsThatFailAuthenticationAreNotTraced) {
  tools_->SetTimeout(1, 0);
  agent_.ClearTrace();
  tools_->Run(QStringLiteral("snmpget"), V2c("public"), {kSystemReset});
  tools_->Run(QStringLiteral("snmpget"),
              V3Priv("nx-aes", "SHA", "wrong-password", "AES", "nx-aes-priv"), {kSystemReset});
  EXPECT_EQ(agent_.TraceLines(), QStringList());
}

TEST(AgentMisbehaviour, DropOneAnswersNothingButTracesEveryRequest) {
  Nx596Agent agent({"--drop", "1"});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  tools.SetTimeout(1, 1);
  ToolRun run = tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), {kSystemReset});
  EXPECT_TRUE(run.TimedOut()) << run;
  // The first try and one retry, both read and thrown away.
  const QString line = "DROPPED GET\tv2c\ttamrel\t\t" + kSystemReset + "=NULL:";
  EXPECT_EQ(agent.TraceLines(), (QStringList{line, line}));
}

TEST(AgentMisbehaviour, DropTwoAnswersEveryOtherRequest) {
  Nx596Agent agent({"--drop", "2"});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  tools.SetTimeout(1, 0);
  EXPECT_EQ(tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), {kSystemReset}).exitCode, 0);
  EXPECT_TRUE(tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), {kSystemReset}).TimedOut());
  EXPECT_EQ(tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), {kSystemReset}).exitCode, 0);
  const QStringList lines = agent.TraceLines();
  ASSERT_EQ(lines.size(), 3);
  EXPECT_FALSE(lines[0].startsWith(QStringLiteral("DROPPED")));
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("DROPPED GET\t")));
  EXPECT_FALSE(lines[2].startsWith(QStringLiteral("DROPPED")));
}

TEST(AgentMisbehaviour, DelayHoldsEveryAnswerBack) {
  Nx596Agent agent({"--delay", "1500"});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  tools.SetTimeout(1, 0);
  ToolRun impatient = tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), {kSystemReset});
  EXPECT_TRUE(impatient.TimedOut()) << "answered before the delay\n" << impatient;

  tools.SetTimeout(10, 0);
  QElapsedTimer clock;
  clock.start();
  ToolRun patient = tools.Run(QStringLiteral("snmpget"), V2c("tamrel"), {kSystemReset});
  EXPECT_EQ(patient.Find(kSystemReset).value, QStringLiteral("4")) << patient;
  // The agent serves one request at a time: the impatient request's delay may still run.
  EXPECT_GE(clock.elapsed(), 1500);
}

}  // namespace
