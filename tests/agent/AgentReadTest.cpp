// Reading the simulated switch: seed values with their types, every kind of table index,
// lexicographic order inside and across subtrees, the end of the MIB view, and a large
// forwarding table.

#include "AgentOptions.h"
#include "DeviceOids.h"
#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "ReadOnlyAgentSuite.h"

#include <gtest/gtest.h>


#include <algorithm>
#include <memory>

namespace {

using nx596::test::NetSnmpTools;
using nx596::test::ToolRun;
using nx596::test::V1;
using nx596::test::V2c;
using nx596::test::V3NoAuth;
using nx596::test::Varbind;


// Numeric comparison of dotted OIDs, the order an agent must answer in.
bool OidLess(const QString& a, const QString& b) {
  const QStringList left = a.split('.');
  const QStringList right = b.split('.');
  for (qsizetype i = 0; i < std::min(left.size(), right.size()); ++i) {
    const qulonglong x = left[i].toULongLong();
    const qulonglong y = right[i].toULongLong();
    if (x != y) return x < y;
  }
  return left.size() < right.size();
}

QStringList Oids(const ToolRun& run) {
  QStringList oids;
  for (const Varbind& varbind : run.varbinds) oids.append(varbind.oid);
  return oids;
}

int CountWithPrefix(const QStringList& oids, const QString& prefix) {
  return static_cast<int>(std::count_if(
      oids.begin(), oids.end(), [&](const QString& oid) { return oid.startsWith(prefix + '.'); }));
}

// One agent serves every read-only case: none of them changes it.
class AgentRead : public ReadOnlyAgentSuite {
 protected:
  ToolRun Get(const QStringList& oids, const QStringList& credentials = V2c("tamrel")) {
    return tools_->Run(QStringLiteral("snmpget"), credentials, oids);
  }
};

TEST_F(AgentRead, FrontPanelLedsShowLinksOnPortsOneToEight) {
  ToolRun run = Get({kLedStatus});
  ASSERT_EQ(run.exitCode, 0) << run;
  Varbind leds = run.Find(kLedStatus);
  EXPECT_EQ(leds.type, QStringLiteral("Hex-STRING"));
  const QStringList bytes = leds.value.split(' ', Qt::SkipEmptyParts);
  ASSERT_EQ(bytes.size(), 54) << leds.value.toStdString();
  EXPECT_EQ(bytes[0], QStringLiteral("02")) << "power LED green";
  for (int port = 1; port <= 24; ++port) {
    const int code = bytes[2 * port].toInt(nullptr, 16);
    // The low three bits are the colour, 0x80 the blinking flag.
    if (port <= 8) {
      EXPECT_EQ(code & 0x07, 0x02) << "port " << port << " should show a green link";
    } else {
      EXPECT_EQ(code, 0) << "port " << port << " should be dark";
    }
  }
  const auto blinking = std::count_if(bytes.begin(), bytes.end(), [](const QString& byte) {
    return byte.toInt(nullptr, 16) & 0x80;
  });
  EXPECT_GT(blinking, 0) << "some ports carry traffic";
}

TEST_F(AgentRead, ScalarsKeepTheirSyntaxOnTheWire) {
  struct Expected {
    const char* oid;
    const char* type;
    const char* value;
  };
  const Expected expected[] = {
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.16.0", "INTEGER", "3"},             // RMON enabled
      {"1.3.6.1.4.1.99917.12.1.2.3.0", "INTEGER", "4"},                     // agentSystemReset
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.2.0", "IpAddress", "10.90.90.90"},  // System IP
      {"1.3.6.1.4.1.99917.11.63.3.2.1.2.3.0", "IpAddress", "255.0.0.0"},    // Subnet Mask
      {"1.3.6.1.4.1.99917.12.10.10.4.0", "INTEGER", "60"},                  // time zone
      {"1.3.6.1.4.1.99917.12.10.10.1.0", "STRING", "2024/03/15 10:42:07"},
      {"1.3.6.1.4.1.99917.12.10.11.5.0", "INTEGER", "720"},         // SNTP poll
      {"1.3.6.1.2.1.17.1.1.0", "Hex-STRING", "00 1C F0 59 60 00"},  // bridge address
      {"1.3.6.1.2.1.17.4.1.0", "Counter32", "17"},
      {"1.3.6.1.2.1.17.7.1.1.3.0", "Gauge32", "256"},
      {"1.3.6.1.2.1.67.1.2.1.1.2.0", "STRING", "NX-596"},
  };
  QStringList oids;
  for (const auto& e : expected) oids.append(QString::fromLatin1(e.oid));
  ToolRun run = Get(oids);
  ASSERT_EQ(run.exitCode, 0) << run;
  for (const auto& e : expected) {
    Varbind varbind = run.Find(QString::fromLatin1(e.oid));
    EXPECT_EQ(varbind.type, QString::fromLatin1(e.type)) << e.oid;
    EXPECT_EQ(varbind.value, QString::fromLatin1(e.value)) << e.oid;
  }
}

TEST_F(AgentRead, CountersAndTimeTicksSurviveTheirWholeRange) {
  // 2^32 needs the high word of a Counter64, 2^64-1 all of it.
  const QString octetsPort2 = QStringLiteral("1.0.8802.1.1.1.1.2.4.1.1.2");
  const QString octetsPort5 = QStringLiteral("1.0.8802.1.1.1.1.2.4.1.1.5");
  const QString privateOctets = QStringLiteral("1.3.6.1.4.1.99917.12.3.6.4.1.3.0.28.240.170.0.2.9");
  const QString sessionTime = QStringLiteral("1.0.8802.1.1.1.1.2.4.1.7.1");
  ToolRun run = Get({octetsPort2, octetsPort5, privateOctets, sessionTime});
  ASSERT_EQ(run.exitCode, 0) << run;
  EXPECT_EQ(run.Find(octetsPort2).type, QStringLiteral("Counter64"));
  EXPECT_EQ(run.Find(octetsPort2).value, QStringLiteral("4294967296"));
  EXPECT_EQ(run.Find(octetsPort5).value, QStringLiteral("18446744073709551615"));
  EXPECT_EQ(run.Find(privateOctets).value, QStringLiteral("5000000000"));
  EXPECT_EQ(run.Find(sessionTime).type, QStringLiteral("Timeticks"));
  EXPECT_EQ(nx596::test::TickCount(run.Find(sessionTime)), 360000);
}

TEST_F(AgentRead, RowsAnswerAtTheirNumericIndexOfEveryKind) {
  struct Expected {
    const char* what;
    const char* oid;
    const char* value;
  };
  const Expected expected[] = {
      {"integer (uplink slot 2)", "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.26", "uplink slot 2"},
      {"MAC address", "1.3.6.1.4.1.99917.12.8.1.5.1.2.2.80.186.17.34.51", "Annex"},
      {"integer and MAC address", "1.3.6.1.4.1.99917.12.8.1.6.1.3.7.2.80.186.17.34.52", "2"},
      {"string with length and IP address",
       "1.3.6.1.4.1.99917.12.42.3.3.4.1.3.9.80.88.69.67.108.105.101.110.116.10.1.1.6", "2"},
      {"IP address", "1.3.6.1.4.1.99917.12.23.4.1.1.2.192.168.1.10", "00 0E A6 5B 1C 90"},
      {"string with length", "1.3.6.1.4.1.99917.12.6.4.1.1.3.3.111.112.115", "nms.example.net"},
      {"IMPLIED string", "1.3.6.1.6.3.18.1.1.1.2.118.111.115.113.117.105.110", "vosquin"},
  };
  for (const auto& e : expected) {
    ToolRun run = Get({QString::fromLatin1(e.oid)});
    EXPECT_EQ(run.exitCode, 0) << e.what << "\n" << run;
    EXPECT_EQ(run.Find(QString::fromLatin1(e.oid)).value, QString::fromLatin1(e.value)) << e.what;
  }
}

TEST_F(AgentRead, MissingInstanceAndMissingObjectAreTold) {
  const QString missingRow = QStringLiteral("1.3.6.1.4.1.99917.12.23.4.1.1.2.10.0.0.99");
  const QString indexColumn = QStringLiteral("1.3.6.1.4.1.99917.12.23.4.1.1.1.10.0.0.1");
  const QString notAScalar = QStringLiteral("1.3.6.1.4.1.99917.12.1.2.3.1");
  ToolRun v2 = Get({missingRow, indexColumn, notAScalar});
  EXPECT_EQ(v2.Find(missingRow).value,
            QStringLiteral("No Such Instance currently exists at this OID"));
  // An index column is not-accessible: there is no such object to read.
  EXPECT_EQ(v2.Find(indexColumn).value,
            QStringLiteral("No Such Object available on this agent at this OID"));
  EXPECT_EQ(v2.Find(notAScalar).value,
            QStringLiteral("No Such Instance currently exists at this OID"));

  ToolRun v1 = Get({missingRow}, V1(QStringLiteral("tamrel")));
  EXPECT_NE(v1.exitCode, 0);
  EXPECT_TRUE(v1.errors.contains(QStringLiteral("noSuchName"))) << v1;
}

TEST_F(AgentRead, SparseTableColumnsEndAtDifferentRows) {
  ToolRun run = tools_->Run(QStringLiteral("snmpwalk"), V2c(QStringLiteral("tamrel")),
                            {QStringLiteral("1.3.6.1.4.1.99917.12.23.4.2.1")});
  ASSERT_EQ(run.exitCode, 0) << run;
  const QStringList oids = Oids(run);
  const QString entry = QStringLiteral("1.3.6.1.4.1.99917.12.23.4.2.1");
  EXPECT_EQ(CountWithPrefix(oids, entry + ".3"), 3);
  EXPECT_EQ(CountWithPrefix(oids, entry + ".4"), 3);
  EXPECT_EQ(CountWithPrefix(oids, entry + ".5"), 2);
  EXPECT_EQ(CountWithPrefix(oids, entry + ".6"), 1);
  EXPECT_EQ(oids.size(), 9);
  EXPECT_TRUE(std::is_sorted(oids.begin(), oids.end(), OidLess));
}

TEST_F(AgentRead, GetNextMovesOnToTheNextRegisteredSubtree) {
  struct Step {
    const char* from;
    const char* to;
  };
  const Step steps[] = {
      // the last 802.1X instance, then net-snmp's system group
      {"1.0.8802.1.1.1.1.2.4.1.9.5", "1.3.6.1.2.1.1.1.0"},
      // the last ENTITY-MIB scalar, then the first RADIUS scalar
      {"1.3.6.1.2.1.47.1.4.1.0", "1.3.6.1.2.1.67.1.2.1.1.1.0"},
      // the last RADIUS instance, then the first private object
      {"1.3.6.1.2.1.67.2.2.1.1.3.1.13.3", "1.3.6.1.4.1.99917.11.63.3.2.1.1.5.0"},
      // between the columns of a table
      {"1.3.6.1.4.1.99917.12.23.4.1.1.2.192.168.1.10", "1.3.6.1.4.1.99917.12.23.4.1.1.3.10.0.0.1"},
      // from an object of no instance into the table below it
      {"1.3.6.1.2.1.17.4.3", "1.3.6.1.2.1.17.4.3.1.1.0.28.0.0.0.1"},
  };
  for (const auto& step : steps) {
    ToolRun run = tools_->Run(QStringLiteral("snmpgetnext"), V2c(QStringLiteral("tamrel")),
                              {QString::fromLatin1(step.from)});
    ASSERT_EQ(run.varbinds.size(), 1) << run;
    EXPECT_EQ(run.varbinds[0].oid, QString::fromLatin1(step.to)) << "after " << step.from;
  }
  // After the private subtree comes one of net-snmp's SNMPv3 modules, whatever it is.
  ToolRun run = tools_->Run(QStringLiteral("snmpgetnext"), V2c(QStringLiteral("tamrel")),
                            {QStringLiteral("1.3.6.1.4.1.99917.99")});
  ASSERT_EQ(run.varbinds.size(), 1) << run;
  EXPECT_TRUE(run.varbinds[0].oid.startsWith(QStringLiteral("1.3.6.1.6.3."))) << run;
}

TEST_F(AgentRead, WholeMibWalksInOrderThroughOursAndNetSnmpsModules) {
  ToolRun run = tools_->Run(QStringLiteral("snmpbulkwalk"), V2c(QStringLiteral("tamrel")),
                            {QStringLiteral("1")}, {QStringLiteral("-Cr25")});
  ASSERT_EQ(run.exitCode, 0) << run;
  // The walk runs to the end of the MIB, which the tool shows on the last OID once more.
  ASSERT_FALSE(run.varbinds.isEmpty());
  EXPECT_TRUE(run.varbinds.last().value.startsWith(QStringLiteral("No more variables left")));
  run.varbinds.removeLast();
  const QStringList oids = Oids(run);
  EXPECT_TRUE(std::is_sorted(oids.begin(), oids.end(), OidLess));
  EXPECT_EQ(std::adjacent_find(oids.begin(), oids.end()), oids.end()) << "an OID came twice";
  for (const char* subtree : {"1.0.8802.1.1.1", "1.3.6.1.2.1.17", "1.3.6.1.2.1.67",
                              "1.3.6.1.4.1.99917", "1.3.6.1.6.3.18", "1.3.6.1.2.1.1"}) {
    EXPECT_GT(CountWithPrefix(oids, QString::fromLatin1(subtree)), 0) << subtree;
  }
  // net-snmp's own SNMPv3 tables, filled from the agent's configuration.
  EXPECT_EQ(CountWithPrefix(oids, QStringLiteral("1.3.6.1.6.3.15.1.2.2.1.3")), 7)
      << "usmUserSecurityName of the built-in users";
  EXPECT_GE(CountWithPrefix(oids, QStringLiteral("1.3.6.1.6.3.16.1.4.1.4")), 5)
      << "vacmAccessContextMatch of the configured groups";
  EXPECT_EQ(CountWithPrefix(oids, QStringLiteral("1.3.6.1.6.3.12.1.2.1.3")), 2)
      << "snmpTargetAddrTAddress";
  EXPECT_EQ(CountWithPrefix(oids, QStringLiteral("1.3.6.1.6.3.12.1.3.1.4")), 2)
      << "snmpTargetParamsSecurityName";
}

TEST_F(AgentRead, EndOfTheMibViewIsEndOfMibViewInV2cAndNoSuchNameInV1) {
  // The last instance of the whole MIB: snmpTargetAddrMMS of "nmsPrimary".
  const QString last =
      QStringLiteral("1.3.6.1.6.3.18.1.2.1.2.110.109.115.80.114.105.109.97.114.121");
  ToolRun v2 = tools_->Run(QStringLiteral("snmpgetnext"), V2c(QStringLiteral("tamrel")), {last});
  ASSERT_EQ(v2.varbinds.size(), 1) << v2;
  EXPECT_EQ(v2.varbinds[0].oid, last);
  EXPECT_TRUE(v2.varbinds[0].value.startsWith(QStringLiteral("No more variables left"))) << v2;

  // -Cf: the tool must not retry without the failed varbind.
  ToolRun v1 = tools_->Run(QStringLiteral("snmpgetnext"), V1(QStringLiteral("tamrel")), {last},
                           {QStringLiteral("-Cf")});
  EXPECT_NE(v1.exitCode, 0);
  EXPECT_TRUE(v1.errors.contains(QStringLiteral("noSuchName"))) << v1;
  EXPECT_TRUE(v1.errors.contains(QStringLiteral("Failed object: .") + last)) << v1;
}

TEST_F(AgentRead, DeviceContextServesTheDeviceModel) {
  QStringList credentials = V3NoAuth(QStringLiteral("nx-noauth"));
  ToolRun inContext = tools_->Run(
      QStringLiteral("snmpget"), credentials + QStringList{"-n", "nx-ctx"},
      {QStringLiteral("1.3.6.1.4.1.99917.12.1.2.3.0"), QStringLiteral("1.3.6.1.2.1.1.1.0")});
  ASSERT_EQ(inContext.exitCode, 0) << inContext;
  EXPECT_EQ(inContext.Find(QStringLiteral("1.3.6.1.4.1.99917.12.1.2.3.0")).value,
            QStringLiteral("4"));
  // net-snmp's own modules live in the default context only.
  EXPECT_TRUE(inContext.Find(QStringLiteral("1.3.6.1.2.1.1.1.0"))
                  .value.startsWith(QStringLiteral("No Such Object")))
      << inContext;

  // An unknown context is counted and not answered (RFC 3413, section 3.2).
  tools_->SetTimeout(1, 0);
  ToolRun unknown =
      tools_->Run(QStringLiteral("snmpget"), credentials + QStringList{"-n", "nx-none"},
                  {QStringLiteral("1.3.6.1.4.1.99917.12.1.2.3.0")});
  EXPECT_TRUE(unknown.TimedOut()) << unknown;
}

// How fast such a walk goes is measured by bench/walk, not here.
TEST(AgentForwardingTable, TenThousandRowsWalkCompletelyInOrder) {
  Nx596Agent agent({QStringLiteral("--fdb-rows"), QStringLiteral("10000")});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  ToolRun run = tools.Run(QStringLiteral("snmpbulkwalk"), V2c(QStringLiteral("tamrel")),
                          {QStringLiteral("1.3.6.1.2.1.17.4.3.1.2")}, {QStringLiteral("-Cr50")});
  ASSERT_EQ(run.exitCode, 0) << run;
  ASSERT_EQ(run.varbinds.size(), 10000);

  const QString column = QStringLiteral("1.3.6.1.2.1.17.4.3.1.2.");
  EXPECT_EQ(run.varbinds.first().oid, column + "0.28.0.0.0.1");
  EXPECT_EQ(run.varbinds.last().oid, column + "0.28.0.0.39.16");  // 10000 = 0x2710
  const QStringList oids = Oids(run);
  EXPECT_TRUE(std::is_sorted(oids.begin(), oids.end(), OidLess));
  for (qsizetype row = 0; row < run.varbinds.size(); row += 997) {
    EXPECT_EQ(run.varbinds[row].value.toInt(), 1 + row % 24) << "row " << row;
  }
}

}  // namespace

namespace {

using nx596::test::V3Priv;

// A switch started without some objects, as a firmware that lacks them: sysServices (served by
// net-snmp's own system group), the SMTP self mail address (a scalar of the device model), a
// column of the static unicast table, one cell of the port description column, a USM and a VACM
// column (net-snmp's own tables, the second of a module that answers past its range).
const char* const kSysServices = "1.3.6.1.2.1.1.7";
const char* const kSelfMail = "1.3.6.1.4.1.99917.12.29.1.4";
const char* const kAllowedToGoTo = "1.3.6.1.2.1.17.7.1.3.1.1.3";
const char* const kPortThreeDescription = "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.3";
const char* const kUsmAuthProtocol = "1.3.6.1.6.3.15.1.2.2.1.5";
const char* const kVacmGroupName = "1.3.6.1.6.3.16.1.2.1.3";

TEST(AgentWithout, HiddenObjectsAreAbsentForEveryRequestAndVersion) {
  Nx596Agent agent({"--without", QStringList{kSysServices, kSelfMail, kAllowedToGoTo,
                                             kPortThreeDescription, kUsmAuthProtocol,
                                             kVacmGroupName}
                                     .join(',')});
  ASSERT_TRUE(agent.Start());
  const NetSnmpTools tools(agent.Address());
  const QString selfMail = QString(kSelfMail) + ".0";
  const QString sysName = QStringLiteral("1.3.6.1.2.1.1.5.0");
  const QString portTwo = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.2");
  const QStringList v3 = V3Priv("nx-aes", "SHA", "nx-aes-auth", "AES", "nx-aes-priv");
  for (const QStringList& credentials : {V2c("vosquin"), v3}) {
    // A get: the rest of the request is answered.
    const ToolRun get = tools.Run("snmpget", credentials,
                                  {QString(kSysServices) + ".0", selfMail, sysName,
                                   kPortThreeDescription, portTwo});
    ASSERT_EQ(get.exitCode, 0) << get;
    EXPECT_EQ(get.Find(QString(kSysServices) + ".0").value,
              "No Such Object available on this agent at this OID");
    EXPECT_EQ(get.Find(selfMail).value, "No Such Object available on this agent at this OID");
    EXPECT_EQ(get.Find(kPortThreeDescription).value,
              "No Such Instance currently exists at this OID");
    EXPECT_EQ(get.Find(sysName).value, "nx596");
    EXPECT_EQ(get.Find(portTwo).value, "file server");
    // Walks, one object at a time and in bulk, pass them by.
    for (const char* walker : {"snmpwalk", "snmpbulkwalk"})
      for (const char* subtree : {"1.3.6.1.2.1.1", "1.3.6.1.4.1.99917.12.29",
                                  "1.3.6.1.2.1.17.7.1.3.1", "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5",
                                  "1.3.6.1.6.3.15.1.2.2.1", "1.3.6.1.6.3.16.1.2.1"}) {
        const ToolRun walk = tools.Run(walker, credentials, {subtree});
        ASSERT_EQ(walk.exitCode, 0) << walk;
        const QStringList oids = Oids(walk);
        EXPECT_GT(oids.size(), 1) << walker << " " << subtree;
        for (const char* hidden :
             {kSysServices, kSelfMail, kAllowedToGoTo, kPortThreeDescription, kUsmAuthProtocol,
              kVacmGroupName})
          EXPECT_EQ(CountWithPrefix(oids, hidden) + oids.count(hidden), 0)
              << walker << " " << subtree << " shows " << hidden;
        EXPECT_TRUE(std::is_sorted(oids.begin(), oids.end(), OidLess));
      }
    // A set is refused and changes nothing.
    const ToolRun set = tools.Run("snmpset", credentials, {selfMail, "s", "nobody@example.net"});
    EXPECT_NE(set.exitCode, 0) << set;
    EXPECT_TRUE(set.errors.contains("notWritable")) << set;
  }
  // SNMPv1 says noSuchName for a get or set of a hidden object.
  const ToolRun v1 = tools.Run("snmpget", V1("tamrel"), {sysName, selfMail});
  EXPECT_TRUE(v1.errors.contains("noSuchName")) << v1;
  EXPECT_TRUE(v1.errors.contains(selfMail)) << v1;
  const ToolRun v1Set = tools.Run("snmpset", V1("vosquin"), {selfMail, "s", "x"});
  EXPECT_TRUE(v1Set.errors.contains("noSuchName")) << v1Set;
  EXPECT_EQ(tools.Run("snmpget", V2c("tamrel"), {"1.3.6.1.4.1.99917.12.29.1.5.0"}).exitCode, 0);
}

TEST(AgentWithout, MalformedOidsAreRefused) {
  for (const char* value : {"", "1.3.x", "1.3.6.1,", ",1.3.6", "1", "1..3"}) {
    const nx596::ParsedOptions parsed = nx596::ParseAgentOptions({"--without", value});
    EXPECT_FALSE(parsed.options) << value;
    EXPECT_NE(parsed.error.find("--without"), std::string::npos) << parsed.error;
  }
  const nx596::ParsedOptions parsed =
      nx596::ParseAgentOptions({"--without=.1.3.6.1.2.1.1.7,1.3.6.1.4.1.99917.12.29.1.4.0"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  EXPECT_EQ(parsed.options->without,
            (std::vector<nx596::Oid>{{1, 3, 6, 1, 2, 1, 1, 7},
                                     {1, 3, 6, 1, 4, 1, 99917, 12, 29, 1, 4, 0}}));
}

}  // namespace
