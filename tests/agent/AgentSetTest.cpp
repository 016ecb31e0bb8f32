// Writing to the simulated switch: values of each writable syntax, the SNMP errors and their
// SNMPv1 mappings, all-or-nothing multi-varbind SETs and RowStatus rows.

#include "DeviceOids.h"
#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using nx596::test::NetSnmpTools;
using nx596::test::ToolRun;
using nx596::test::V1;
using nx596::test::V2c;

const QString kRmonState = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.1.2.16.0");
const QString kSystemIp = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.1.2.2.0");
const QString kAgingTime = QStringLiteral("1.3.6.1.2.1.17.4.2.0");
const QString kSystemReset = QStringLiteral("1.3.6.1.4.1.99917.12.1.2.3.0");
const QString kPort3Description = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.3");
const QString kBinding = QStringLiteral("1.3.6.1.4.1.99917.12.23.4.1.1");

// Each case gets its own agent: SETs change it.
class AgentSet : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(agent_.Start());
    tools_ = std::make_unique<NetSnmpTools>(agent_.Address());
  }

  ToolRun Set(const QStringList& varbinds, const QStringList& credentials = V2c("vosquin")) {
    return tools_->Run(QStringLiteral("snmpset"), credentials, varbinds);
  }
  ToolRun Get(const QStringList& oids) {
    return tools_->Run(QStringLiteral("snmpget"), V2c(QStringLiteral("tamrel")), oids);
  }
  QString Value(const QString& oid) { return Get({oid}).Find(oid).value; }

  Nx596Agent agent_;
  std::unique_ptr<NetSnmpTools> tools_;
};

TEST_F(AgentSet, WrittenValuesOfEachSyntaxReadBack) {
  const QString mac = kBinding + ".2.10.0.0.2";
  const QString ports = kBinding + ".4.10.0.0.2";
  ToolRun set = Set({kRmonState, "i", "2", kSystemIp, "a", "192.0.2.7", kPort3Description, "s",
                     "printer room", mac, "x", "02AABBCCDDEE", ports, "x", "00FF0001"});
  ASSERT_EQ(set.exitCode, 0) << set;
  ToolRun get = Get({kRmonState, kSystemIp, kPort3Description, mac, ports});
  EXPECT_EQ(get.Find(kRmonState).value, QStringLiteral("2"));
  EXPECT_EQ(get.Find(kSystemIp).value, QStringLiteral("192.0.2.7"));
  EXPECT_EQ(get.Find(kPort3Description).value, QStringLiteral("printer room"));
  EXPECT_EQ(get.Find(mac).value, QStringLiteral("02 AA BB CC DD EE"));
  EXPECT_EQ(get.Find(ports).value, QStringLiteral("00 FF 00 01"));
}

TEST_F(AgentSet, RefusedWritesNameTheErrorInV2cAndItsMappingInV1) {
  struct Case {
    const char* what;
    QStringList varbind;
    const char* v2Error;
    const char* v1Error;
  };
  const Case cases[] = {
      {"read-only object", {kLedStatus, "x", "00"}, "notWritable", "noSuchName"},
      {"string into an INTEGER", {kSystemReset, "s", "3"}, "wrongType", "badValue"},
      {"value outside the enumeration", {kSystemReset, "i", "9"}, "wrongValue", "badValue"},
      {"value outside the range", {kAgingTime, "i", "5"}, "wrongValue", "badValue"},
      {"five bytes for a MAC address",
       {kBinding + ".2.10.0.0.1", "x", "001CF01020"},
       "wrongLength",
       "badValue"},
      {"description longer than 64",
       {kPort3Description, "s", QString(65, 'x')},
       "wrongLength",
       "badValue"},
      {"instance 1 of a scalar",
       {"1.3.6.1.4.1.99917.12.1.2.3.1", "i", "3"},
       "noCreation",
       "noSuchName"},
      {"a row of a table without RowStatus",
       {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.27", "i", "3"},
       "noCreation",
       "noSuchName"},
      {"an unknown object", {"1.3.6.1.4.1.99917.77.0", "i", "1"}, "noCreation", "noSuchName"},
      {"createAndGo of an existing row",
       {kBinding + ".3.10.0.0.1", "i", "4"},
       "inconsistentValue",
       "badValue"},
      {"a column of a missing row",
       {kBinding + ".2.10.0.0.50", "x", "001CF0102050"},
       "inconsistentName",
       "noSuchName"},
  };
  for (const Case& c : cases) {
    const QString oid = c.varbind[0];
    const QString before = Value(oid);
    ToolRun v2 = Set(c.varbind);
    EXPECT_NE(v2.exitCode, 0) << c.what;
    EXPECT_TRUE(v2.errors.contains(QStringLiteral("Reason: ") + c.v2Error)) << c.what << "\n" << v2;
    ToolRun v1 = Set(c.varbind, V1(QStringLiteral("vosquin")));
    EXPECT_TRUE(v1.errors.contains(QStringLiteral("(%1)").arg(QString::fromLatin1(c.v1Error))))
        << c.what << "\n"
        << v1;
    EXPECT_EQ(Value(oid), before) << c.what << ": a refused write changed the value";
  }
}

TEST_F(AgentSet, ReadOnlyCommunityCannotWrite) {
  ToolRun set = Set({kRmonState, "i", "2"}, V2c(QStringLiteral("tamrel")));
  EXPECT_TRUE(set.errors.contains(QStringLiteral("noAccess"))) << set;
  EXPECT_EQ(Value(kRmonState), QStringLiteral("3"));
}

TEST_F(AgentSet, OneFailingVarbindLeavesEveryValueUnchanged) {
  const QString macOfFirstBinding = kBinding + ".2.10.0.0.1";
  const QString before = Get({kRmonState, kSystemIp, kAgingTime, macOfFirstBinding}).output;
  // The last varbind fails; the ones before it lie in two other subtrees and a table.
  ToolRun set = Set({kRmonState, "i", "2", kSystemIp, "a", "192.0.2.99", macOfFirstBinding, "x",
                     "02FFFFFFFFFF", kAgingTime, "i", "1"});
  EXPECT_TRUE(set.errors.contains(QStringLiteral("Reason: wrongValue"))) << set;
  EXPECT_TRUE(set.errors.contains(QStringLiteral("Failed object: .") + kAgingTime)) << set;
  EXPECT_EQ(Get({kRmonState, kSystemIp, kAgingTime, macOfFirstBinding}).output, before);

  // The same request with a valid last value changes all four.
  ToolRun valid = Set({kRmonState, "i", "2", kSystemIp, "a", "192.0.2.99", macOfFirstBinding, "x",
                       "02FFFFFFFFFF", kAgingTime, "i", "600"});
  ASSERT_EQ(valid.exitCode, 0) << valid;
  ToolRun after = Get({kRmonState, kSystemIp, kAgingTime, macOfFirstBinding});
  EXPECT_EQ(after.Find(kRmonState).value, QStringLiteral("2"));
  EXPECT_EQ(after.Find(kSystemIp).value, QStringLiteral("192.0.2.99"));
  EXPECT_EQ(after.Find(kAgingTime).value, QStringLiteral("600"));
  EXPECT_EQ(after.Find(macOfFirstBinding).value, QStringLiteral("02 FF FF FF FF FF"));
}

TEST_F(AgentSet, CreateAndGoMakesARowWithItsColumnsAndDestroyRemovesIt) {
  const QString status = kBinding + ".3.10.0.0.9";
  const QString mac = kBinding + ".2.10.0.0.9";
  const QString ports = kBinding + ".4.10.0.0.9";
  ToolRun create = Set({status, "i", "4", mac, "x", "001CF0AABBCC", ports, "x", "40000000"});
  ASSERT_EQ(create.exitCode, 0) << create;
  ToolRun row = Get({status, mac, ports});
  EXPECT_EQ(row.Find(status).value, QStringLiteral("1")) << "createAndGo leaves the row active";
  EXPECT_EQ(row.Find(mac).value, QStringLiteral("00 1C F0 AA BB CC"));
  EXPECT_EQ(row.Find(ports).value, QStringLiteral("40 00 00 00"));

  // The new row walks between 10.0.0.2 and 192.168.1.10.
  ToolRun walk =
      tools_->Run(QStringLiteral("snmpwalk"), V2c(QStringLiteral("tamrel")), {kBinding + ".3"});
  QStringList rows;
  for (const auto& varbind : walk.varbinds) rows.append(varbind.oid.mid(kBinding.size() + 3));
  EXPECT_EQ(rows, (QStringList{"10.0.0.1", "10.0.0.2", "10.0.0.9", "192.168.1.10"}));

  ToolRun destroy = Set({status, "i", "6"});
  ASSERT_EQ(destroy.exitCode, 0) << destroy;
  ToolRun gone = Get({status, mac, ports});
  for (const QString& oid : {status, mac, ports}) {
    EXPECT_TRUE(gone.Find(oid).value.startsWith(QStringLiteral("No Such Instance")))
        << oid.toStdString();
  }
}

TEST_F(AgentSet, RowStatusRefusesWhatTheTableDoesNotSupport) {
  // This table knows active, createAndGo and destroy only.
  ToolRun wait = Set({kBinding + ".3.10.0.0.10", "i", "5"});
  EXPECT_TRUE(wait.errors.contains(QStringLiteral("Reason: wrongValue"))) << wait;
  // notReady is never written.
  ToolRun notReady = Set({kBinding + ".3.10.0.0.1", "i", "3"});
  EXPECT_TRUE(notReady.errors.contains(QStringLiteral("Reason: wrongValue"))) << notReady;
  // A row cannot be written and destroyed in one request.
  ToolRun both =
      Set({kBinding + ".3.10.0.0.1", "i", "6", kBinding + ".2.10.0.0.1", "x", "001CF0000001"});
  EXPECT_TRUE(both.errors.contains(QStringLiteral("Reason: inconsistentValue"))) << both;
  EXPECT_EQ(Value(kBinding + ".3.10.0.0.1"), QStringLiteral("1"));
  // A created row needs a valid index: an IP address has four parts of at most 255.
  ToolRun badIndex = Set({kBinding + ".3.10.0.0.300", "i", "4"});
  EXPECT_TRUE(badIndex.errors.contains(QStringLiteral("Reason: noCreation"))) << badIndex;
}

TEST_F(AgentSet, CreateAndWaitRowBecomesActiveLater) {
  // DHCP relay option 60, index "dhcpcd" (length first) and 10.1.1.9.
  const QString row = QStringLiteral("6.100.104.99.112.99.100.10.1.1.9");
  const QString entry = QStringLiteral("1.3.6.1.4.1.99917.12.42.3.3.4.1");
  ToolRun create = Set({entry + ".4." + row, "i", "5"});
  ASSERT_EQ(create.exitCode, 0) << create;
  ToolRun waiting = Get({entry + ".3." + row, entry + ".4." + row});
  EXPECT_EQ(waiting.Find(entry + ".4." + row).value, QStringLiteral("2")) << "notInService";
  EXPECT_EQ(waiting.Find(entry + ".3." + row).value, QStringLiteral("1")) << "initial match type";

  ToolRun activate = Set({entry + ".3." + row, "i", "2", entry + ".4." + row, "i", "1"});
  ASSERT_EQ(activate.exitCode, 0) << activate;
  ToolRun active = Get({entry + ".3." + row, entry + ".4." + row});
  EXPECT_EQ(active.Find(entry + ".4." + row).value, QStringLiteral("1"));
  EXPECT_EQ(active.Find(entry + ".3." + row).value, QStringLiteral("2"));
}

TEST_F(AgentSet, CommunityRowWithImpliedIndexIsCreatedAndDestroyed) {
  // index "ops" without a length (IMPLIED)
  const QString entry = QStringLiteral("1.3.6.1.6.3.18.1.1.1");
  const QString row = QStringLiteral("111.112.115");
  ToolRun create = Set({entry + ".8." + row, "i", "4", entry + ".2." + row, "s", "opsread",
                        entry + ".3." + row, "s", "opsuser"});
  ASSERT_EQ(create.exitCode, 0) << create;
  ToolRun walk =
      tools_->Run(QStringLiteral("snmpwalk"), V2c(QStringLiteral("tamrel")), {entry + ".2"});
  QStringList names;
  for (const auto& varbind : walk.varbinds) names.append(varbind.value);
  // IMPLIED indexes sort by their bytes alone: "ops" < "tamrel" < "vosquin".
  EXPECT_EQ(names, (QStringList{"opsread", "tamrel", "vosquin"}));
  ASSERT_EQ(Set({entry + ".8." + row, "i", "6"}).exitCode, 0);
  EXPECT_TRUE(Value(entry + ".2." + row).startsWith(QStringLiteral("No Such Instance")));
}

}  // namespace
