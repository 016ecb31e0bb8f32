// The Advanced Configuration dialogs against the simulated switch: every object they show answers
// with its type and its access, settings keep to their limits, trunk groups and the port mirror
// stay consistent, a port disabled in its control row loses its link everywhere, and the
// per-port, priority and VLAN tables have the rows of this switch. The objects are typed here
// from the device's object tables, independently of the program's catalogue and of the agent's
// own definitions, so that a mistake in either shows up.

#include "DialogObjects.h"
#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "ReadOnlyAgentSuite.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <memory>
#include <vector>

namespace {

using namespace nx596::test;

const Page kPages[] = {
    {"QoS Mechanism Control", {{"1.3.6.1.4.1.99917.11.63.3.2.3.5", kInteger, kRW}}},
    {"QoS Bandwidth Control",
     {{"1.3.6.1.4.1.99917.11.63.3.2.3.1.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.3.1.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.3.1.1.4", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.3.1.1.5", kInteger, kRO}}},
    {"QoS Scheduling Entry", {{"1.3.6.1.4.1.99917.11.63.3.2.3.2.1.4", kInteger, kRW}}},
    {"QoS 8021p User Priority Entry", {{"1.3.6.1.4.1.99917.11.63.3.2.3.3.1.2", kInteger, kRW}}},
    {"QoS 8021p Default Priority Entry",
     {{"1.3.6.1.4.1.99917.11.63.3.2.3.4.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.3.4.1.3", kInteger, kRO}}},
    {"Trunk Information",
     {{"1.3.6.1.4.1.99917.11.63.3.2.4.1", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.4.2", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.4.4", kInteger, kRW}}},
    {"Port Trunk Table",
     {{"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.3", kBitStr, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.4", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.5", kBitStr, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.4.3.1.7", kInteger, kRO}}},
    {"LACP Port Entry", {{"1.3.6.1.4.1.99917.11.63.3.2.4.5.1.2", kInteger, kRW}}},
    {"Trunk VLAN Table", {{"1.3.6.1.4.1.99917.11.63.3.2.4.6.1.2", kInteger, kRW}}},
    {"Mirror Management",
     {{"1.3.6.1.4.1.99917.11.63.3.2.6.2", kBitStr, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.6.3", kBitStr, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.6.4", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.6.5", kInteger, kRW}}},
    {"Port Information Table",
     {{"1.3.6.1.4.1.99917.11.63.3.2.2.1.1.4", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.2.1.1.5", kInteger, kRO}}},
    {"Port Control Table",
     {{"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5", kDisplayStr, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.7", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.10", kInteger, kRW}}},
    {"Traffic Segment", {{"1.3.6.1.4.1.99917.11.63.3.2.12.1.1.2", kBitStr, kRW}}},
    {"Port Error Table",
     {{"1.3.6.1.4.1.99917.11.63.3.2.2.3.1.2", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.2.3.1.3", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.2.3.1.4", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.2.3.1.5", kDisplayStr, kRO}}},
    {"Port Security Management",
     {{"1.3.6.1.4.1.99917.11.63.3.2.15.1.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.15.1.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.15.1.1.4", kInteger, kRW}}},
    {"Packet Storm Control", {{"1.3.6.1.4.1.99917.12.25.1.2", kInteger, kRW}}},
    {"Packet Storm Control Table",
     {{"1.3.6.1.4.1.99917.12.25.3.1.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.25.3.1.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.25.3.1.1.4", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.25.3.1.1.5", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.25.3.1.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.25.3.1.1.7", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.25.3.1.1.8", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.25.3.1.1.9", kInteger, kRO}}},
    {"Loop Detection Control",
     {{"1.3.6.1.4.1.99917.11.63.3.2.18.1.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.18.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.18.1.3", kInteger, kRW}}},
    {"Loop Detection Port Management",
     {{"1.3.6.1.4.1.99917.11.63.3.2.18.2.1.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.18.2.1.1.4", kInteger, kRO}}},
    {"IGMP Information",
     {{"1.3.6.1.4.1.99917.11.63.3.2.7.1", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.2", kInteger, kRO}}},
    {"IGMP Control Table",
     {{"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.4", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.5", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.6", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.7", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.8", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.9", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.10", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.11", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.3.1.12", kInteger, kRW}}},
    {"IGMP Query Information",
     {{"1.3.6.1.4.1.99917.11.63.3.2.7.4.1.2", kInteger, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.4.1.3", kInteger, kRO}}},
    {"IGMP Table",
     {{"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.3", kMacAddress, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.4", kBitStr, kRO},
      {"1.3.6.1.4.1.99917.11.63.3.2.7.5.1.5", kInteger, kRO}}},
    {"IGMP Access Authentication Table", {{"1.3.6.1.4.1.99917.11.63.3.2.7.7.1.2", kInteger, kRW}}},
    {"CoS Priority Table",
     {{"1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.4", kInteger, kRW},
      {"1.3.6.1.4.1.99917.11.63.3.2.17.3.1.1.5", kInteger, kRW}}},
    {"CoS Port PRI Table", {{"1.3.6.1.4.1.99917.11.63.3.2.17.3.2.1.2", kInteger, kRW}}},
    {"CoS MAC_Based PRI Table", {{"1.3.6.1.4.1.99917.11.63.3.2.17.3.3.1.2", kInteger, kRW}}},
    {"CoS ToS PRI Table", {{"1.3.6.1.4.1.99917.11.63.3.2.17.3.4.1.2", kInteger, kRW}}},
    {"CoS DSCP PRI Table", {{"1.3.6.1.4.1.99917.11.63.3.2.17.3.5.1.2", kInteger, kRW}}},
    {"DHCP Relay Configuration",
     {{"1.3.6.1.4.1.99917.12.42.1.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.42.1.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.42.1.3", kInteger, kRW}}},
    {"DHCP Relay Option 82",
     {{"1.3.6.1.4.1.99917.12.42.3.2.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.42.3.2.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.42.3.2.3", kInteger, kRW}}},
    {"DHCP Relay Option 60",
     {{"1.3.6.1.4.1.99917.12.42.3.3.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.42.3.3.2", kInteger, kRW}}},
    {"DHCP Relay Option 60 Default Table", {{"1.3.6.1.4.1.99917.12.42.3.3.3.1.2", kInteger, kRW}}},
    {"DHCP Relay Option 60 Table",
     {{"1.3.6.1.4.1.99917.12.42.3.3.4.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.42.3.3.4.1.4", kInteger, kRW}}},
    {"DHCP Relay Option 61",
     {{"1.3.6.1.4.1.99917.12.42.3.4.1", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.42.3.4.2", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.42.3.4.3", kIpAddress, kRW}}},
    {"DHCP Relay Option 61 Table",
     {{"1.3.6.1.4.1.99917.12.42.3.4.4.1.3", kInteger, kRW},
      {"1.3.6.1.4.1.99917.12.42.3.4.4.1.4", kIpAddress, kRW},
      {"1.3.6.1.4.1.99917.12.42.3.4.4.1.5", kInteger, kRW}}},
};

const QString kL2 = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2");
const QString kRelay = QStringLiteral("1.3.6.1.4.1.99917.12.42");
const QString kTrunk = kL2 + QStringLiteral(".4.3.1");
const QString kMirror = kL2 + QStringLiteral(".6");
const QString kLeds = kL2 + QStringLiteral(".1.1.5.0");

class AgentAdvancedRead : public ReadOnlyAgentSuite {
 protected:
  QStringList IndexesOf(const QString& column) const {
    return nx596::test::IndexesOf(*tools_, column);
  }
};

TEST_F(AgentAdvancedRead, EveryObjectOfEveryPageAnswersWithItsType) {
  EXPECT_EQ(ExpectEveryObjectAnswersWithItsType(*tools_, kPages), 99);
}

QStringList Numbers(int from, int to) {
  QStringList numbers;
  for (int n = from; n <= to; ++n) numbers << QString::number(n);
  return numbers;
}

// A row per port for the per-port tables, a row per priority, ToS precedence, DSCP value and
// traffic class for the CoS tables, and IGMP snooping for each VLAN of the 802.1Q VLAN table.
TEST_F(AgentAdvancedRead, TablesHaveARowForEachPortPriorityAndVlan) {
  const QStringList ports = Numbers(1, 26);
  const QStringList vlans = IndexesOf(QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.5"));
  ASSERT_FALSE(vlans.isEmpty());
  const struct {
    QString column;
    QStringList rows;
  } tables[] = {
      {kL2 + ".3.1.1.2", ports},
      {kL2 + ".3.2.1.4", Numbers(0, 3)},
      {kL2 + ".3.3.1.2", Numbers(0, 7)},
      {kL2 + ".3.4.1.2", ports},
      {kL2 + ".4.5.1.2", ports},
      {kL2 + ".4.6.1.2", ports},
      {kL2 + ".2.1.1.4", ports},
      {kL2 + ".2.1.1.5", ports},
      {kL2 + ".2.2.1.2", ports},
      {kL2 + ".2.3.1.2", ports},
      {kL2 + ".2.3.1.5", ports},
      {kL2 + ".12.1.1.2", ports},
      {kL2 + ".15.1.1.4", ports},
      {"1.3.6.1.4.1.99917.12.25.3.1.1.9", ports},
      {kL2 + ".18.2.1.1.4", ports},
      {kL2 + ".7.7.1.2", ports},
      {kL2 + ".17.3.1.1.5", ports},
      {kL2 + ".17.3.2.1.2", ports},
      {kL2 + ".17.3.4.1.2", Numbers(0, 7)},
      {kL2 + ".17.3.5.1.2", Numbers(0, 63)},
      {kL2 + ".7.3.1.12", vlans},
      {kL2 + ".7.4.1.3", vlans},
  };
  for (const auto& table : tables)
    EXPECT_EQ(IndexesOf(table.column), table.rows) << qPrintable(table.column);
}

// A group is snooped in a VLAN the switch has, on ports of that VLAN.
TEST_F(AgentAdvancedRead, SnoopedGroupsLieOnPortsOfTheirVlan) {
  const QString portMap = kL2 + QStringLiteral(".7.5.1.4");
  const QString egress = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.2.");
  const QStringList groups = IndexesOf(portMap);
  ASSERT_FALSE(groups.isEmpty());
  for (const QString& group : groups) {
    const QString vlan = group.section('.', 0, 0);
    ToolRun read = tools_->Run(QStringLiteral("snmpget"), V2c("tamrel"),
                               {portMap + '.' + group, egress + vlan}, {"-Ox"});
    const QStringList ports = read.Find(portMap + '.' + group).value.split(' ');
    const QStringList members = read.Find(egress + vlan).value.split(' ');
    ASSERT_EQ(ports.size(), 4) << qPrintable(group) << "\n" << read;
    ASSERT_EQ(members.size(), 4) << "VLAN " << qPrintable(vlan) << " is not there\n" << read;
    for (int k = 0; k < 4; ++k) {
      const uint bits = ports[k].toUInt(nullptr, 16);
      EXPECT_EQ(bits & members[k].toUInt(nullptr, 16), bits) << qPrintable(group);
    }
  }
}

// Each case gets its own agent: writes change it.
class AgentAdvanced : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(agent_.Start());
    tools_ = std::make_unique<NetSnmpTools>(agent_.Address());
  }
  ToolRun Set(const QStringList& varbinds) {
    return tools_->Run(QStringLiteral("snmpset"), V2c("vosquin"), varbinds);
  }
  QString Value(const QString& oid, const QStringList& options = {}) {
    return tools_->Run(QStringLiteral("snmpget"), V2c("tamrel"), {oid}, options).Find(oid).value;
  }
  bool Absent(const QString& oid) {
    return Value(oid).startsWith(QStringLiteral("No Such Instance"));
  }
  QStringList Walk(const QString& subtree) {
    QStringList oids;
    for (const Varbind& varbind :
         tools_->Run(QStringLiteral("snmpwalk"), V2c("tamrel"), {subtree}).varbinds) {
      if (varbind.oid.startsWith(subtree + '.')) oids << varbind.oid;
    }
    return oids;
  }
  // A write accepted (`error` nullptr) or refused for the reason snmpset reports.
  static void ExpectAnswer(const ToolRun& set, const char* what, const char* error) {
    if (error)
      EXPECT_TRUE(set.errors.contains(QStringLiteral("Reason: ") + error)) << what << "\n" << set;
    else
      EXPECT_EQ(set.exitCode, 0) << what << "\n" << set;
  }
  // The byte of the front-panel LED string at `position`.
  uint Led(int position) {
    const QStringList bytes = Value(kLeds, {"-Ox"}).split(' ', Qt::SkipEmptyParts);
    return position < bytes.size() ? bytes[position].toUInt(nullptr, 16) : 0xFFFF;
  }

  Nx596Agent agent_;
  std::unique_ptr<NetSnmpTools> tools_;
};

TEST_F(AgentAdvanced, EveryObjectTakesOrRefusesItsOwnValueAsItsAccessSays) {
  ExpectEveryObjectTakesOrRefusesItsOwnValue(*tools_, kPages);
}

TEST_F(AgentAdvanced, SettingsTakeWhatTheDeviceAcceptsAndRefuseTheRest) {
  const QString storm = QStringLiteral("1.3.6.1.4.1.99917.12.25.3.1.1.");
  const Write writes[] = {
      {"strict priority queueing", kL2 + ".3.5.0", "i", "1", nullptr},
      {"a queueing mechanism beyond the list", kL2 + ".3.5.0", "i", "4", "wrongValue"},
      {"a gigabit receive limit", kL2 + ".3.1.1.2.25", "i", "1000", nullptr},
      {"a receive limit of 0", kL2 + ".3.1.1.2.3", "i", "0", "wrongValue"},
      {"a send limit beyond a gigabit", kL2 + ".3.1.1.3.3", "i", "1001", "wrongValue"},
      {"the RADIUS-assigned limit", kL2 + ".3.1.1.4.3", "i", "10", "notWritable"},
      {"a queue weight of 255", kL2 + ".3.2.1.4.3", "i", "255", nullptr},
      {"a queue weight of 0", kL2 + ".3.2.1.4.0", "i", "0", "wrongValue"},
      {"priority 7 in class 3", kL2 + ".3.3.1.2.7", "i", "3", nullptr},
      {"a fifth class", kL2 + ".3.3.1.2.7", "i", "4", "wrongValue"},
      {"default priority 7", kL2 + ".3.4.1.2.4", "i", "7", nullptr},
      {"default priority 8", kL2 + ".3.4.1.2.4", "i", "8", "wrongValue"},
      {"the RADIUS priority", kL2 + ".3.4.1.3.4", "i", "1", "notWritable"},
      {"hashing by source address", kL2 + ".4.4.0", "i", "2", nullptr},
      {"a hash beyond the list", kL2 + ".4.4.0", "i", "1", "wrongValue"},
      {"the number of trunk groups", kL2 + ".4.1.0", "i", "8", "notWritable"},
      {"LACP active on port 9", kL2 + ".4.5.1.2.9", "i", "1", nullptr},
      {"LACP state 3", kL2 + ".4.5.1.2.9", "i", "3", "wrongValue"},
      {"VLAN trunking on port 26", kL2 + ".4.6.1.2.26", "i", "1", nullptr},
      {"mirroring to port 20", kMirror + ".4.0", "i", "20", nullptr},
      {"mirroring to port 27", kMirror + ".4.0", "i", "27", "wrongValue"},
      {"mirroring ports 2 and 3", kMirror + ".2.0", "x", "60 00 00 00", nullptr},
      {"mirroring port 27", kMirror + ".2.0", "x", "00000020", "wrongValue"},
      {"a port list of five octets", kMirror + ".3.0", "x", "4000000000", "wrongLength"},
      {"mirror state other", kMirror + ".5.0", "i", "1", "wrongValue"},
      {"a port linked", kL2 + ".2.1.1.4.12", "i", "2", "notWritable"},
      {"a port that forwards to port 1 only", kL2 + ".12.1.1.2.4", "x", "80 00 00 00", nullptr},
      {"forwarding to port 28", kL2 + ".12.1.1.2.4", "x", "00000010", "wrongValue"},
      {"an error cleared by hand", kL2 + ".2.3.1.3.10", "i", "1", "notWritable"},
      {"64 addresses locked", kL2 + ".15.1.1.2.2", "i", "64", nullptr},
      {"65 addresses locked", kL2 + ".15.1.1.2.2", "i", "65", "wrongValue"},
      {"a lock mode 1", kL2 + ".15.1.1.3.2", "i", "1", "wrongValue"},
      {"storm traps 5", "1.3.6.1.4.1.99917.12.25.1.2.0", "i", "5", "wrongValue"},
      {"the highest storm threshold", storm + "2.9", "i", "255000", nullptr},
      {"one above it", storm + "2.9", "i", "255001", "wrongValue"},
      {"a count-down of 3 minutes", storm + "7.9", "i", "3", nullptr},
      {"a count-down of 2 minutes", storm + "7.9", "i", "2", "wrongValue"},
      {"a storm interval of 4 s", storm + "8.9", "i", "4", "wrongValue"},
      {"shutting a port forever", storm + "9.9", "i", "1", "notWritable"},
      {"loop detection on", kL2 + ".18.1.1.0", "i", "1", nullptr},
      {"a loop check every 0 s", kL2 + ".18.1.2.0", "i", "0", "wrongValue"},
      {"a recovery after 59 s", kL2 + ".18.1.3.0", "i", "59", "wrongValue"},
      {"a port's loop status", kL2 + ".18.2.1.1.4.3", "i", "2", "notWritable"},
      {"the VLANs IGMP can snoop", kL2 + ".7.1.0", "i", "32", "notWritable"},
      {"a query every 0 s", kL2 + ".7.3.1.2.1", "i", "0", "wrongValue"},
      {"a response time of 25 s", kL2 + ".7.3.1.3.20", "i", "25", nullptr},
      {"a response time of 26 s", kL2 + ".7.3.1.3.20", "i", "26", "wrongValue"},
      {"querier state other", kL2 + ".7.3.1.9.1", "i", "1", "wrongValue"},
      {"the querier state", kL2 + ".7.3.1.10.1", "i", "3", "notWritable"},
      {"snooping VLAN 30", kL2 + ".7.3.1.11.30", "i", "3", nullptr},
      {"IGMP authentication on port 4", kL2 + ".7.7.1.2.4", "i", "3", nullptr},
      {"IGMP authentication state 1", kL2 + ".7.7.1.2.4", "i", "1", "wrongValue"},
      {"ToS priority on port 3", kL2 + ".17.3.1.1.4.3", "i", "2", nullptr},
      {"an Ethernet priority 4", kL2 + ".17.3.1.1.3.3", "i", "4", "wrongValue"},
      {"DSCP 46 in class 3", kL2 + ".17.3.5.1.2.46", "i", "3", nullptr},
      {"DSCP 46 in class 4", kL2 + ".17.3.5.1.2.46", "i", "4", "wrongValue"},
      {"an address's class 4", kL2 + ".17.3.3.1.2.0.28.240.16.32.1", "i", "4", "wrongValue"},
      {"16 relay hops", kRelay + ".1.2.0", "i", "16", nullptr},
      {"17 relay hops", kRelay + ".1.2.0", "i", "17", "wrongValue"},
      {"option 82 policy keep", kRelay + ".3.2.3.0", "i", "3", nullptr},
      {"option 82 policy 4", kRelay + ".3.2.3.0", "i", "4", "wrongValue"},
      {"option 61 default server", kRelay + ".3.4.3.0", "a", "10.1.1.20", nullptr},
      {"option 61 default server as text", kRelay + ".3.4.3.0", "s", "10.1.1.20", "wrongType"},
  };
  ExpectWritesAnsweredAsTheDeviceWould(*tools_, writes);
}

// Every table whose rows are made through a RowStatus column: a new row needs the columns that
// have no default, an index is never taken twice, and destroy removes the whole row.
TEST_F(AgentAdvanced, RowsAreCreatedWithTheirRequiredColumnsAndDestroyed) {
  const Creatable tables[] = {
      {"Port Trunk Table", kTrunk, 6, "2", "1", {"2", "i", "9", "3", "x", "00 C0 00 00"}},
      {"DHCP Relay Option 60 Default Table", kRelay + ".3.3.3.1", 2, "10.1.1.10", "10.1.1.9", {}},
      {"DHCP Relay Option 61 Table",
       kRelay + ".3.4.4.1",
       5,
       "2.3.97.98.99",  // string "abc"
       "2.11.108.97.98.45.112.114.105.110.116.101.114",
       {}},
  };
  ExpectRowsCreatedWithTheirRequiredColumnsAndDestroyed(*tools_, tables);
}

// Group 1 holds ports 5 and 6 and is led by port 5. A new group must keep to the member limit,
// be led by one of its members and share no port with another group; the cases run in order.
TEST_F(AgentAdvanced, TrunkGroupsShareNoPortAndAreLedByAMember) {
  const QString status = kTrunk + ".6.", master = kTrunk + ".2.", ports = kTrunk + ".3.";
  const struct {
    const char* what;
    QStringList varbinds;
    const char* error;  // nullptr: accepted
  } cases[] = {
      {"ports 6 and 7, one of them in group 1",
       {status + "2", "i", "4", master + "2", "i", "7", ports + "2", "x", "06000000"},
       "inconsistentValue"},
      {"a leader that is no member",
       {status + "2", "i", "4", master + "2", "i", "9", ports + "2", "x", "01000000"},
       "inconsistentValue"},
      {"nine members",
       {status + "2", "i", "4", master + "2", "i", "9", ports + "2", "x", "00FF8000"},
       "wrongValue"},
      {"a port the switch lacks",
       {status + "2", "i", "4", master + "2", "i", "9", ports + "2", "x", "00800020"},
       "wrongValue"},
      {"a seventh group",
       {status + "7", "i", "4", master + "7", "i", "9", ports + "7", "x", "00800000"},
       "noCreation"},
      {"ports 7 and 9, led by 9",
       {status + "2", "i", "4", master + "2", "i", "9", ports + "2", "x", "02800000"},
       nullptr},
      {"group 1 taking port 7 over", {ports + "1", "x", "0E000000"}, "inconsistentValue"},
      {"the leader leaving its group", {ports + "2", "x", "02000000"}, "inconsistentValue"},
      {"port 9 moving from group 2 to group 1",
       {ports + "2", "x", "02000000", master + "2", "i", "7", ports + "1", "x", "0C800000"},
       nullptr},
  };
  for (const auto& step : cases) ExpectAnswer(Set(step.varbinds), step.what, step.error);
  EXPECT_EQ(Value(ports + "1", {"-Ox"}), QStringLiteral("0C 80 00 00"));
  EXPECT_EQ(Value(ports + "2", {"-Ox"}), QStringLiteral("02 00 00 00"));
  EXPECT_TRUE(Absent(status + "7"));
}

// The active ports of a group are its members with a link; the leader floods while it is active,
// else the first active member does.
TEST_F(AgentAdvanced, ATrunkGroupsActivePortsFollowTheirLinks) {
  const QString adminState = kL2 + QStringLiteral(".2.2.1.2.");
  ASSERT_EQ(
      Set({kTrunk + ".6.3", "i", "4", kTrunk + ".2.3", "i", "8", kTrunk + ".3.3", "x", "03800000"})
          .exitCode,
      0);
  const struct {
    const char* what;
    QStringList varbinds;
    const char* active;
    const char* flooding;
  } steps[] = {
      {"ports 7 and 8 linked, 9 not", {}, "03 00 00 00", "8"},
      {"the leader disabled", {adminState + "8", "i", "2"}, "02 00 00 00", "7"},
      {"both linked ports disabled", {adminState + "7", "i", "2"}, "00 00 00 00", "0"},
      {"the leader enabled again", {adminState + "8", "i", "3"}, "01 00 00 00", "8"},
  };
  for (const auto& step : steps) {
    if (!step.varbinds.isEmpty()) {
      ASSERT_EQ(Set(step.varbinds).exitCode, 0) << step.what;
    }
    EXPECT_EQ(Value(kTrunk + ".5.3", {"-Ox"}), step.active) << step.what;
    EXPECT_EQ(Value(kTrunk + ".7.3"), step.flooding) << step.what;
  }
}

// Port 24 mirrors port 1. The target can never be one of the watched ports, whichever object of
// the three a request changes; the cases run in order.
TEST_F(AgentAdvanced, TheMirrorTargetIsNeverAWatchedPort) {
  const QString rx = kMirror + ".2.0", tx = kMirror + ".3.0", target = kMirror + ".4.0";
  const struct {
    const char* what;
    QStringList varbinds;
    const char* error;
  } cases[] = {
      {"the target onto the watched port", {target, "i", "1"}, "inconsistentValue"},
      {"watching the target's receipts", {rx, "x", "80000100"}, "inconsistentValue"},
      {"watching what the target sends", {tx, "x", "00000100"}, "inconsistentValue"},
      {"target and sources moved together",
       {target, "i", "1", rx, "x", "00000100", tx, "x", "00000100"},
       nullptr},
      {"mirroring on", {kMirror + ".5.0", "i", "3"}, nullptr},
  };
  for (const auto& step : cases) ExpectAnswer(Set(step.varbinds), step.what, step.error);
  EXPECT_EQ(Value(target), QStringLiteral("1"));
  EXPECT_EQ(Value(rx, {"-Ox"}), QStringLiteral("00 00 01 00"));
}

// A port disabled in its control row goes down everywhere the switch shows it: its front-panel
// LED, the interface table and the port information and error tables; enabled again, a port with
// a link partner comes back up and one without stays down.
TEST_F(AgentAdvanced, DisablingAPortTakesItsLinkDownEverywhere) {
  const QString ifTable = QStringLiteral("1.3.6.1.2.1.2.2.1.");
  const struct {
    int port;
    bool partner;  // a cable to a live device
  } ports[] = {{7, true}, {3, true}, {13, false}, {20, false}};
  for (const auto& [port, partner] : ports) {
    const QString n = QString::number(port);
    for (const bool enabled : {false, true, false, true}) {
      SCOPED_TRACE(
          QStringLiteral("port %1 %2").arg(n, enabled ? "enabled" : "disabled").toStdString());
      ASSERT_EQ(Set({kL2 + ".2.2.1.2." + n, "i", enabled ? "3" : "2"}).exitCode, 0);
      const bool up = enabled && partner;
      EXPECT_EQ(Value(ifTable + "7." + n), enabled ? "1" : "2");
      EXPECT_EQ(Value(ifTable + "8." + n), up ? "1" : "2");
      EXPECT_EQ(Value(kL2 + ".2.1.1.4." + n), up ? "2" : "3");  // link-pass, link-fail
      EXPECT_EQ(Value(kL2 + ".2.3.1.2." + n), enabled ? "2" : "1");
      const uint led = Led(2 * port);
      if (up)
        EXPECT_EQ(led & 0x7F, 0x02u) << "green";
      else
        EXPECT_EQ(led, 0x00u) << "dark";
    }
  }
}

// IGMP snooping has its settings and query counters for every VLAN: a new VLAN starts with the
// defaults, snooping off; a VLAN that goes takes its settings, counters and snooped groups along.
TEST_F(AgentAdvanced, IgmpSnoopingFollowsTheVlans) {
  const QString vlanStatus = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.5.");
  const QString control = kL2 + ".7.3.1.", query = kL2 + ".7.4.1.", group = kL2 + ".7.5.1.";
  ASSERT_EQ(Set({vlanStatus + "40", "i", "4"}).exitCode, 0);
  const struct {
    const char* column;
    const char* value;
  } defaults[] = {{"2", "125"}, {"3", "10"}, {"4", "2"},  {"5", "1"},  {"6", "260"}, {"7", "260"},
                  {"8", "2"},   {"9", "2"},  {"10", "1"}, {"11", "2"}, {"12", "2"}};
  for (const auto& [column, value] : defaults)
    EXPECT_EQ(Value(control + column + ".40"), value) << "column " << column;
  EXPECT_EQ(Value(query + "2.40"), "0");
  EXPECT_EQ(Value(query + "3.40"), "0");
  // Changed settings stay when the VLANs change again.
  ASSERT_EQ(Set({control + "11.40", "i", "3"}).exitCode, 0);
  ASSERT_EQ(Set({vlanStatus + "20", "i", "6"}).exitCode, 0);
  EXPECT_EQ(Value(control + "11.40"), "3");
  EXPECT_TRUE(Walk(control.chopped(1)).filter(QRegularExpression("\\.20$")).isEmpty());
  EXPECT_TRUE(Walk(query.chopped(1)).filter(QRegularExpression("\\.20$")).isEmpty());
  EXPECT_TRUE(
      Walk(group.chopped(1)).filter(QRegularExpression("\\.7\\.5\\.1\\.\\d+\\.20\\.")).isEmpty());
  EXPECT_FALSE(Absent(group + "3.1.239.1.1.1")) << "the groups of other VLANs stay";
  EXPECT_FALSE(Absent(control + "2.1"));
}

}  // namespace
