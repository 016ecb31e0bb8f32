#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

// The misbehaving switch: each mode, switched on at run time through the control object, makes
// the answers go wrong in its own way on the wire (read with net-snmp's tools), and switching it
// off gives the true answers again.
namespace {

using nx596::test::NetSnmpTools;
using nx596::test::ToolRun;
using nx596::test::V1;
using nx596::test::V2c;

const QString kControl = QStringLiteral("1.3.6.1.4.1.8072.9999.9999.596.1.0");
const QString kSysName = QStringLiteral("1.3.6.1.2.1.1.5.0");
const QString kSysLocation = QStringLiteral("1.3.6.1.2.1.1.6.0");
const QString kInOctets1 = QStringLiteral("1.3.6.1.2.1.2.2.1.10.1");

struct Case {
  const char* modes;
  const char* tool;
  bool v1;
  QStringList oids;
  std::function<void(const ToolRun&)> check;
};

TEST(AgentMisbehave, EachModeSpoilsTheAnswersUntilItIsSwitchedOff) {
  Nx596Agent agent({"--misbehave", ""});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  const ToolRun truth = tools.Run("snmpget", V2c("tamrel"), {kSysName, kSysLocation});
  ASSERT_EQ(truth.varbinds.size(), 2) << truth;

  const Case cases[] = {
      {"wrongtype=1.3.6.1.2.1.1.5", "snmpget", false, {kSysName, kSysLocation},
       [&](const ToolRun& r) {
         EXPECT_EQ(r.Find(kSysName).type, "INTEGER");
         EXPECT_EQ(r.Find(kSysLocation).value, truth.Find(kSysLocation).value);
       }},
      {"wrongtype", "snmpget", false, {kInOctets1},
       [](const ToolRun& r) { EXPECT_EQ(r.Find(kInOctets1).type, "OID"); }},
      {"oversize=1.3.6.1.2.1.1.5", "snmpget", false, {kSysName},
       [](const ToolRun& r) { EXPECT_EQ(r.Find(kSysName).value.size(), 60000); }},
      {"backwards", "snmpgetnext", false, {kSysName},
       [](const ToolRun& r) {
         ASSERT_EQ(r.varbinds.size(), 1) << r;
         EXPECT_EQ(r.varbinds[0].oid, kSysName);
       }},
      {"repeat", "snmpget", false, {kSysName, kSysLocation},
       [](const ToolRun& r) {
         ASSERT_EQ(r.varbinds.size(), 2) << r;
         EXPECT_EQ(r.varbinds[1].oid, kSysName);
       }},
      {"fewer", "snmpget", false, {kSysName, kSysLocation},
       [](const ToolRun& r) { EXPECT_EQ(r.varbinds.size(), 1) << r; }},
      {"more", "snmpget", false, {kSysName},
       [](const ToolRun& r) {
         ASSERT_EQ(r.varbinds.size(), 2) << r;
         EXPECT_EQ(r.varbinds[1].oid, kSysName + ".1");
       }},
      {"generr", "snmpget", false, {kSysName},
       [](const ToolRun& r) { EXPECT_TRUE(r.errors.contains("genError")) << r; }},
      {"toobig=1.3.6.1.2.1.1.6", "snmpget", false, {kSysName, kSysLocation},
       [](const ToolRun& r) {
         EXPECT_TRUE(r.errors.contains("tooBig")) << r;
         EXPECT_TRUE(r.errors.contains(kSysLocation)) << r;  // the error index names it
       }},
      {"endofmib", "snmpgetnext", false, {kSysName},
       [](const ToolRun& r) { EXPECT_TRUE(r.output.contains("No more variables")) << r; }},
      {"nosuchinstance", "snmpget", false, {kSysName},
       [](const ToolRun& r) { EXPECT_TRUE(r.output.contains("No Such Instance")) << r; }},
      {"nosuchinstance", "snmpget", true, {kSysName},
       [](const ToolRun& r) { EXPECT_TRUE(r.errors.contains("noSuchName")) << r; }},
      {"late=2500", "snmpget", false, {kSysName},
       [](const ToolRun& r) { EXPECT_TRUE(r.TimedOut()) << r; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.modes) + (c.v1 ? " over SNMPv1" : ""));
    const ToolRun on = tools.Run("snmpset", V2c("vosquin"), {kControl, "s", c.modes});
    ASSERT_EQ(on.exitCode, 0) << on;
    EXPECT_EQ(tools.Run("snmpget", V2c("tamrel"), {kControl}).Find(kControl).value, c.modes);
    tools.SetTimeout(1, 0);
    c.check(tools.Run(c.tool, c.v1 ? V1("tamrel") : V2c("tamrel"), c.oids));
    tools.SetTimeout(3, 1);
    const ToolRun off = tools.Run("snmpset", V2c("vosquin"), {kControl, "s", ""});
    ASSERT_EQ(off.exitCode, 0) << off;
    const ToolRun after = tools.Run("snmpget", V2c("tamrel"), {kSysName, kSysLocation});
    EXPECT_EQ(after.Find(kSysName).value, truth.Find(kSysName).value) << after;
    EXPECT_EQ(after.Find(kSysLocation).value, truth.Find(kSysLocation).value) << after;
  }
  // A list it does not know is refused and changes nothing.
  const ToolRun bad = tools.Run("snmpset", V2c("vosquin"), {kControl, "s", "sulk"});
  EXPECT_TRUE(bad.errors.contains("wrongValue")) << bad;
  EXPECT_EQ(tools.Run("snmpget", V2c("tamrel"), {kControl}).Find(kControl).value, "");
}

// The modes given on the command line are in force from the first answer; a switch started
// without them has no control object.
TEST(AgentMisbehave, TheCommandLineSetsTheFirstModes) {
  Nx596Agent agent({"--misbehave", "wrongtype=1.3.6.1.2.1.1.5,twice"});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  EXPECT_EQ(tools.Run("snmpget", V2c("tamrel"), {kSysName}).Find(kSysName).type, "INTEGER");
  Nx596Agent plain;
  ASSERT_TRUE(plain.Start());
  const ToolRun control = NetSnmpTools(plain.Address()).Run("snmpget", V2c("tamrel"), {kControl});
  EXPECT_TRUE(control.output.contains("No Such Object")) << control;
}

}  // namespace
