#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDeadlineTimer>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

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

// BER of an SNMPv2c GET with NULL values, built here independently of net-snmp so that the
// answers can be counted datagram by datagram (the tools take the first answer and drop a
// repeated one).
QByteArray Tlv(char tag, const QByteArray& content) {
  QByteArray out(1, tag);
  if (content.size() < 0x80) {
    out += static_cast<char>(content.size());
  } else {
    out += '\x82';
    out += static_cast<char>(content.size() >> 8);
    out += static_cast<char>(content.size() & 0xFF);
  }
  return out + content;
}

QByteArray BerInteger(quint32 value) {
  QByteArray bytes;
  do {
    bytes.prepend(static_cast<char>(value & 0xFF));
    value >>= 8;
  } while (value != 0);
  if (static_cast<unsigned char>(bytes.front()) & 0x80) bytes.prepend('\0');
  return Tlv('\x02', bytes);
}

QByteArray BerOid(const QString& dotted) {
  const QStringList arcs = dotted.split('.');
  QByteArray bytes(1, static_cast<char>(arcs[0].toUInt() * 40 + arcs[1].toUInt()));
  for (qsizetype i = 2; i < arcs.size(); ++i) {
    quint32 arc = arcs[i].toUInt();
    QByteArray base128(1, static_cast<char>(arc & 0x7F));
    while ((arc >>= 7) != 0) base128.prepend(static_cast<char>(0x80 | (arc & 0x7F)));
    bytes += base128;
  }
  return Tlv('\x06', bytes);
}

QByteArray GetRequest(const QString& community, quint32 requestId, const QStringList& oids) {
  QByteArray varbinds;
  for (const QString& oid : oids) varbinds += Tlv('\x30', BerOid(oid) + QByteArray("\x05\x00", 2));
  const QByteArray pdu =
      Tlv('\xA0', BerInteger(requestId) + BerInteger(0) + BerInteger(0) + Tlv('\x30', varbinds));
  return Tlv('\x30', BerInteger(1) + Tlv('\x04', community.toUtf8()) + pdu);
}

// Sends one GET to the agent from a socket of its own and counts the datagrams that come back
// within `windowMs`.
int AnswersTo(quint16 port, const QStringList& oids, int windowMs = 1000) {
  static quint32 requestId = 4000;
  const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0) return -1;
  sockaddr_in agent = {};
  agent.sin_family = AF_INET;
  agent.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  agent.sin_port = htons(port);
  const QByteArray request = GetRequest(QStringLiteral("tamrel"), ++requestId, oids);
  int answers = -1;
  if (::sendto(fd, request.constData(), static_cast<size_t>(request.size()), 0,
               reinterpret_cast<const sockaddr*>(&agent), sizeof agent) == request.size()) {
    answers = 0;
    QDeadlineTimer window(windowMs);
    pollfd wait = {fd, POLLIN, 0};
    while (::poll(&wait, 1, static_cast<int>(window.remainingTime())) > 0) {
      char buffer[65536];
      if (::recv(fd, buffer, sizeof buffer, 0) > 0) ++answers;
    }
  }
  ::close(fd);
  return answers;
}

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

// A mode under an OID touches only the answers that carry a varbind under it, wherever in the
// answer that varbind is; an answer without one leaves as it is.
TEST(AgentMisbehave, TwiceUnderAnOidRepeatsOnlyTheAnswersThatCarryIt) {
  Nx596Agent agent({"--misbehave", "twice=1.3.6.1.2.1.1.6"});
  ASSERT_TRUE(agent.Start());
  EXPECT_EQ(AnswersTo(agent.Port(), {kSysLocation}), 2);
  EXPECT_EQ(AnswersTo(agent.Port(), {kSysName, kSysLocation}), 2);  // not the first varbind
  EXPECT_EQ(AnswersTo(agent.Port(), {kSysName}), 1);
  EXPECT_EQ(AnswersTo(agent.Port(), {kSysName, kInOctets1}), 1);
  const ToolRun after = NetSnmpTools(agent.Address()).Run("snmpget", V2c("tamrel"), {kSysName});
  EXPECT_EQ(after.varbinds.size(), 1) << after;
}

// Only an OID of dotted sub-identifiers (each at most 4294967295) is taken as a mode's subtree;
// the rest is refused as a wrong value, and the switch answers on as before.
TEST(AgentMisbehave, ASubtreeThatIsNoOidIsRefusedAndTheSwitchAnswersOn) {
  Nx596Agent agent({"--misbehave", ""});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  const ToolRun truth = tools.Run("snmpget", V2c("tamrel"), {kSysName});
  ASSERT_EQ(truth.varbinds.size(), 1) << truth;
  for (const char* modes : {"wrongtype=1..3", "twice=1.3.", "generr=.", "more=1.3.4294967296",
                            "fewer=1.3.99999999999999999999999", "repeat=1.3.-1"}) {
    SCOPED_TRACE(modes);
    const ToolRun set = tools.Run("snmpset", V2c("vosquin"), {kControl, "s", modes});
    EXPECT_TRUE(set.errors.contains("wrongValue")) << set;
    EXPECT_EQ(tools.Run("snmpget", V2c("tamrel"), {kControl}).Find(kControl).value, "");
    EXPECT_EQ(tools.Run("snmpget", V2c("tamrel"), {kSysName}).Find(kSysName).value,
              truth.Find(kSysName).value);
  }
  // The largest sub-identifier and a leading dot are an OID.
  const ToolRun largest =
      tools.Run("snmpset", V2c("vosquin"), {kControl, "s", "generr=.1.3.4294967295"});
  ASSERT_EQ(largest.exitCode, 0) << largest;
  EXPECT_EQ(tools.Run("snmpget", V2c("tamrel"), {kSysName}).Find(kSysName).value,
            truth.Find(kSysName).value);
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
