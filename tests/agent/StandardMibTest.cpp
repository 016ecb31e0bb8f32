// The standard MIBs of the simulated switch: the definitions and rows load into a model that also
// holds the device's own MIBs, every table is whole, and net-snmp's tools read the new subtrees
// in order, with values that agree with each other.

#include "DeviceModel.h"
#include "DeviceSeed.h"
#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "ReadOnlyAgentSuite.h"
#include "StandardSeed.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

namespace {

using nx596::DeviceModel;
using nx596::Oid;
using nx596::ParseOid;
using nx596::test::NetSnmpTools;
using nx596::test::ToolRun;
using nx596::test::V1;
using nx596::test::V2c;
using nx596::test::Varbind;

Oid O(const char* text) {
  return *ParseOid(text);
}

std::unique_ptr<DeviceModel> FullModel() {
  auto model = std::make_unique<DeviceModel>(
      nx596::Joined(nx596::DeviceTables(), nx596::StandardTables()),
      nx596::Joined(nx596::DeviceObjects(), nx596::StandardObjects()));
  model->Seed(nx596::DeviceSeed());
  model->Seed(nx596::StandardSeed());
  for (auto& [instance, value] : nx596::StandardRows()) model->Insert(instance, std::move(value));
  return model;
}

// The row indexes each column of a table holds.
std::map<std::uint32_t, std::set<Oid>> RowsByColumn(const DeviceModel& model, const Oid& entry) {
  std::map<std::uint32_t, std::set<Oid>> rows;
  for (auto* cell = model.Next(entry, false, entry); cell;
       cell = model.Next(cell->first, false, entry)) {
    const Oid& instance = cell->first;
    rows[instance[entry.size()]].insert(Oid(instance.begin() + entry.size() + 1, instance.end()));
  }
  return rows;
}

// A viewer reads a table column by column; a column that misses a row shows a hole there.
TEST(StandardSeed, EveryTableHasRowsInEveryAccessibleColumn) {
  std::unique_ptr<DeviceModel> model = FullModel();  // a bad instance or value throws here
  std::map<Oid, int> accessibleColumns;
  for (const auto& object : nx596::StandardObjects()) {
    if (object.access == nx596::Access::kNotAccessible) continue;
    Oid oid = O(object.oid);
    oid.pop_back();
    ++accessibleColumns[oid];
  }
  for (const auto& table : nx596::StandardTables()) {
    const Oid entry = O(table.entry);
    const auto rows = RowsByColumn(*model, entry);
    ASSERT_FALSE(rows.empty()) << table.name << " has no rows";
    EXPECT_EQ(static_cast<int>(rows.size()), accessibleColumns[entry]) << table.name;
    for (const auto& [column, indexes] : rows)
      EXPECT_EQ(indexes, rows.begin()->second) << table.name << " column " << column;
  }
}

TEST(StandardSeed, PerPortTablesHaveOneRowForEachOfTheTwentySixPorts) {
  std::unique_ptr<DeviceModel> model = FullModel();
  std::set<Oid> ports;
  for (std::uint32_t port = 1; port <= 26; ++port) ports.insert({port});
  for (const char* entry :
       {"1.3.6.1.2.1.2.2.1", "1.3.6.1.2.1.31.1.1.1", "1.3.6.1.2.1.10.7.2.1", "1.3.6.1.2.1.16.1.1.1",
        "1.3.6.1.2.1.17.4.4.1", "1.3.6.1.2.1.17.6.1.1.4.1", "1.3.6.1.2.1.17.6.1.2.1.1",
        "1.3.6.1.2.1.17.6.1.3.1.1", "1.3.6.1.2.1.17.6.1.4.1.1", "1.3.6.1.2.1.17.7.1.4.5.1"}) {
    const auto rows = RowsByColumn(*model, O(entry));
    ASSERT_FALSE(rows.empty()) << entry;
    EXPECT_EQ(rows.begin()->second, ports) << entry;
  }
}

class StandardMibRead : public ReadOnlyAgentSuite {
 protected:
  ToolRun Walk(const QString& oid, const QStringList& credentials = V2c("tamrel")) {
    return tools_->Run(QStringLiteral("snmpwalk"), credentials, {oid});
  }
  // The values of a walked column by row index.
  std::map<QString, Varbind> Column(const QString& column) {
    ToolRun run = Walk(column);
    EXPECT_EQ(run.exitCode, 0) << run;
    std::map<QString, Varbind> cells;
    for (const Varbind& varbind : run.varbinds)
      if (varbind.oid.startsWith(column + '.')) cells[varbind.oid.mid(column.size() + 1)] = varbind;
    return cells;
  }
};

TEST_F(StandardMibRead, InterfacesAreTheTwentySixPortsByName) {
  ToolRun number = tools_->Run(QStringLiteral("snmpget"), V1("tamrel"), {"1.3.6.1.2.1.2.1.0"});
  ASSERT_EQ(number.exitCode, 0) << number;
  EXPECT_EQ(number.varbinds.value(0).value, QStringLiteral("26"));
  const auto descriptions = Column(QStringLiteral("1.3.6.1.2.1.2.2.1.2"));
  ASSERT_EQ(descriptions.size(), 26u);
  for (int port = 1; port <= 26; ++port)
    EXPECT_EQ(descriptions.at(QString::number(port)).value, QStringLiteral("Port %1").arg(port));
  const auto speeds = Column(QStringLiteral("1.3.6.1.2.1.2.2.1.5"));
  EXPECT_EQ(speeds.at("1").type, QStringLiteral("Gauge32"));
  EXPECT_EQ(speeds.at("1").value, QStringLiteral("100000000"));
  EXPECT_EQ(speeds.at("26").value, QStringLiteral("1000000000"));
}

// The 32-bit octet counters are the low half of the 64-bit ones, and the ports with most
// traffic have wrapped, so both travel through their whole range.
TEST_F(StandardMibRead, ThirtyTwoBitCountersAreTheLowHalfOfTheHighCapacityOnes) {
  const auto octets = Column(QStringLiteral("1.3.6.1.2.1.2.2.1.10"));
  const auto hcOctets = Column(QStringLiteral("1.3.6.1.2.1.31.1.1.1.6"));
  ASSERT_EQ(hcOctets.size(), 26u);
  bool wrapped = false;
  for (const auto& [index, hc] : hcOctets) {
    EXPECT_EQ(hc.type, QStringLiteral("Counter64")) << index.toStdString();
    const qulonglong wide = hc.value.toULongLong();
    EXPECT_EQ(octets.at(index).value.toULongLong(), wide & 0xFFFFFFFFULL) << index.toStdString();
    wrapped = wrapped || wide > 0xFFFFFFFFULL;
  }
  EXPECT_TRUE(wrapped);
}

TEST_F(StandardMibRead, RmonSizeBucketsAddUpToThePacketCountOfTheirPort) {
  const QString entry = QStringLiteral("1.3.6.1.2.1.16.1.1.1");
  const auto packets = Column(entry + ".5");
  const auto sources = Column(entry + ".2");
  ASSERT_EQ(packets.size(), 26u);
  std::map<QString, qulonglong> sums;
  for (int column = 14; column <= 19; ++column)
    for (const auto& [index, cell] : Column(entry + '.' + QString::number(column)))
      sums[index] += cell.value.toULongLong();
  for (const auto& [index, cell] : packets) {
    EXPECT_EQ(sums[index], cell.value.toULongLong()) << index.toStdString();
    EXPECT_EQ(sources.at(index).value, ".1.3.6.1.2.1.2.2.1.1." + index);
  }
  EXPECT_GT(packets.at("1").value.toULongLong(), 0u);
}

TEST_F(StandardMibRead, IpAddressTableHoldsTheManagementAddressOverSnmpV1) {
  ToolRun run = Walk(QStringLiteral("1.3.6.1.2.1.4.20.1"), V1("tamrel"));
  ASSERT_EQ(run.exitCode, 0) << run;
  ASSERT_EQ(run.varbinds.size(), 5) << run;
  EXPECT_EQ(run.Find("1.3.6.1.2.1.4.20.1.1.10.90.90.90").value, QStringLiteral("10.90.90.90"));
  EXPECT_EQ(run.Find("1.3.6.1.2.1.4.20.1.3.10.90.90.90").value, QStringLiteral("255.0.0.0"));
  // The device's own "System IP" says the same.
  ToolRun own = tools_->Run(QStringLiteral("snmpget"), V2c("tamrel"),
                            {"1.3.6.1.4.1.99917.11.63.3.2.1.2.2.0"});
  EXPECT_EQ(own.varbinds.value(0).value, QStringLiteral("10.90.90.90"));
}

TEST_F(StandardMibRead, PhysicalEntitiesAreContainedInEntitiesThatExist) {
  const auto containedIn = Column(QStringLiteral("1.3.6.1.2.1.47.1.1.1.1.4"));
  const auto classes = Column(QStringLiteral("1.3.6.1.2.1.47.1.1.1.1.5"));
  ASSERT_EQ(containedIn.size(), 29u);  // chassis, two slots, 26 ports
  int ports = 0;
  for (const auto& [index, cell] : containedIn) {
    if (cell.value != QStringLiteral("0")) {
      EXPECT_TRUE(containedIn.count(cell.value))
          << index.toStdString() << " in " << cell.value.toStdString();
    }
    ports += classes.at(index).value == QStringLiteral("10");
  }
  EXPECT_EQ(ports, 26);
  EXPECT_EQ(containedIn.at("1").value, QStringLiteral("0"));  // the chassis is the root
}

// GETNEXT leaves each new subtree for the next registered one, in numeric order.
TEST_F(StandardMibRead, GetNextCrossesFromSubtreeToSubtree) {
  const struct {
    const char* from;
    const char* to;
  } steps[] = {
      {"1.3.6.1.2.1.2.99", "1.3.6.1.2.1.4.1.0"},            // interfaces -> ip
      {"1.3.6.1.2.1.4.99", "1.3.6.1.2.1.5.1.0"},            // ip -> icmp
      {"1.3.6.1.2.1.5.99", "1.3.6.1.2.1.7.1.0"},            // icmp -> udp
      {"1.3.6.1.2.1.7.99", "1.3.6.1.2.1.10.7.2.1.1.1"},     // udp -> EtherLike
      {"1.3.6.1.2.1.10.7.99", "1.3.6.1.2.1.11.1.0"},        // EtherLike -> net-snmp's snmp
      {"1.3.6.1.2.1.11.99", "1.3.6.1.2.1.16.1.1.1.1.1"},    // snmp -> RMON
      {"1.3.6.1.2.1.16.99", "1.3.6.1.2.1.17.1.1.0"},        // RMON -> BRIDGE-MIB
      {"1.3.6.1.2.1.17.99", "1.3.6.1.2.1.31.1.1.1.1.1"},    // BRIDGE-MIB -> IF-MIB
      {"1.3.6.1.2.1.31.99", "1.3.6.1.2.1.47.1.1.1.1.2.1"},  // IF-MIB -> ENTITY-MIB
  };
  for (const auto& step : steps) {
    ToolRun run = tools_->Run(QStringLiteral("snmpgetnext"), V2c("tamrel"), {step.from});
    ASSERT_EQ(run.varbinds.size(), 1) << run;
    EXPECT_EQ(run.varbinds[0].oid, QString::fromLatin1(step.to)) << "after " << step.from;
  }
}

TEST_F(StandardMibRead, StandardObjectsAreReadOnly) {
  ToolRun run = tools_->Run(QStringLiteral("snmpset"), V2c("vosquin"),
                            {"1.3.6.1.2.1.31.1.1.1.18.1", "s", "renamed"});
  EXPECT_NE(run.exitCode, 0);
  EXPECT_TRUE(run.errors.contains(QStringLiteral("notWritable"))) << run;
}

}  // namespace
