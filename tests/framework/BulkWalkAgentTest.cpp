#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "SnmpVersions.h"
#include "TestApplication.h"
#include "ZnSNMPRequest.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

// Table walks with GETBULK against the simulated switch: the rows that reach the list are those
// of a get-next walk, whatever the repetitions, the version, the table's shape, and whether the
// agent refuses GETBULK; the agent's trace shows which operation went out.
namespace {


const ZnSNMPVarDef kForwarding[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "Address", ZnSyntax::MacAddress, ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {},
};

// The blocked table's type and time columns end after its second and first rows.
const ZnSNMPVarDef kBlockedUneven[] = {
    {"1.3.6.1.4.1.99917.12.23.4.2.1.1", "VID", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.2", "MAC", ZnSyntax::MacAddress, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.3", "VLAN Name", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.4", "Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.5", "Type", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.6", "Time", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
    {},
};

// Sparse from the row's point of view: the leading column has a value in the first row only,
// so the later rows take their keys from a column behind it and the leading one keeps asking
// again from its own column.
const ZnSNMPVarDef kBlockedSparseLead[] = {
    {"1.3.6.1.4.1.99917.12.23.4.2.1.1", "VID", ZnSyntax::Integer, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.2", "MAC", ZnSyntax::MacAddress, ZnAccess::NotAccessible},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.6", "Time", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.5", "Type", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.23.4.2.1.4", "Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {},
};

struct Table {
  const char* name;
  const ZnSNMPVarDef* defs;
  int keys;
};
const Table kTables[] = {{"forwarding", kForwarding, 1},
                         {"uneven", kBlockedUneven, 2},
                         {"sparse lead", kBlockedSparseLead, 2}};

constexpr int kFdbRows = 230;  // not a multiple of 50: the last answer runs past the table

// Everything a binding sees of one row: each variable's value text and OID.
QString Image(const ZnSNMPVarList& list) {
  QStringList parts;
  for (int i = 0; i < list.Count(); ++i)
    parts << list.Item(i).Value + QLatin1Char('@') + list.Item(i).CurrentOid;
  return parts.join(QLatin1Char('|'));
}

QStringList WalkSync(ZnSNMPRequest& request) {
  QStringList rows;
  for (bool first = true; request.Get(first); first = false) rows << Image(request.VarList);
  return rows;
}

// Each completion asks for the next row, as the list-view binding does.
QStringList WalkAsync(ZnSNMPRequest& request) {
  QStringList rows;
  QEventLoop loop;
  std::function<void(void*, const ZnSNMPError&, ZnSNMPVarList&)> next;
  next = [&](void*, const ZnSNMPError& result, ZnSNMPVarList& list) {
    if (result.Code != 0) rows << QStringLiteral("failed %1").arg(result.Code);
    if (result.Done) {
      loop.quit();
      return;
    }
    rows << Image(list);
    request.GetAsync(next, nullptr, false);
  };
  request.GetAsync(next, nullptr, true);
  QTimer::singleShot(60000, &loop, &QEventLoop::quit);
  loop.exec();
  return rows;
}

// The operations of the traced requests, in order, runs of one operation counted once.
QStringList Operations(const Nx596Agent& agent) {
  QStringList operations;
  for (const QString& line : agent.TraceLines()) {
    const QString operation = line.section(QLatin1Char(':'), 0, 0).section(QLatin1Char('\t'), 0, 0);
    if (operations.isEmpty() || operations.last() != operation) operations << operation;
  }
  return operations;
}

struct Agents {
  Nx596Agent answering{{"--fdb-rows", QString::number(kFdbRows)}};
  Nx596Agent genErr{{"--fdb-rows", QString::number(kFdbRows), "--refuse-bulk", "genErr"}};
  Nx596Agent tooBig{{"--fdb-rows", QString::number(kFdbRows), "--refuse-bulk", "tooBig"}};
};

class BulkWalkAgentTest : public ::testing::TestWithParam<std::tuple<Version, int>> {
 protected:
  static void SetUpTestSuite() {
    TestApplication();
    static QTemporaryDir counter;
    ZnSNMPOpenSession(counter.path());
    agents_ = std::make_unique<Agents>();
    ASSERT_TRUE(agents_->answering.Start());
    ASSERT_TRUE(agents_->genErr.Start());
    ASSERT_TRUE(agents_->tooBig.Start());
  }
  static void TearDownTestSuite() { agents_.reset(); }
  void SetUp() override {
    ASSERT_NE(agents_, nullptr);
    ZnSNMPDefaultTimeout = 300;
    UseVersion(std::get<0>(GetParam()));
  }

  static void Point(ZnSNMPRequest& request, const Nx596Agent& agent, const Table& table,
                    int repetitions) {
    request.Device = {"127.0.0.1", agent.Port()};
    request.BulkRepetitions = repetitions;
    request.VarList = ZnSNMPVarList(table.defs, ZnItemType::MVT_UMV, table.keys);
  }

  static std::unique_ptr<Agents> agents_;
};

std::unique_ptr<Agents> BulkWalkAgentTest::agents_;

TEST_P(BulkWalkAgentTest, GivesTheRowsOfAGetNextWalk) {
  const auto [version, repetitions] = GetParam();
  const bool bulk = version != Version::V1;
  for (const Table& table : kTables) {
    SCOPED_TRACE(table.name);
    ZnSNMPRequest reference;
    Point(reference, agents_->answering, table, 0);
    agents_->answering.ClearTrace();
    const QStringList expected = WalkSync(reference);
    ASSERT_GE(expected.size(), 3);
    if (table.defs == kForwarding) {
      ASSERT_EQ(expected.size(), kFdbRows);
    }
    EXPECT_EQ(Operations(agents_->answering), QStringList{"GETNEXT"});

    const struct {
      const char* name;
      Nx596Agent& agent;
      QStringList operations;  // what the walk sends
    } agents[] = {
        {"answering", agents_->answering, {bulk ? "GETBULK" : "GETNEXT"}},
        {"genErr", agents_->genErr, bulk ? QStringList{"GETBULK", "GETNEXT"} : QStringList{"GETNEXT"}},
        {"tooBig", agents_->tooBig, bulk ? QStringList{"GETBULK", "GETNEXT"} : QStringList{"GETNEXT"}},
    };
    for (const auto& agent : agents) {
      SCOPED_TRACE(agent.name);
      ZnSNMPRequest request;
      Point(request, agent.agent, table, repetitions);
      agent.agent.ClearTrace();
      EXPECT_EQ(WalkSync(request), expected);
      EXPECT_EQ(Operations(agent.agent), agent.operations);
      // Walked again by the same request: a refusal counts for one walk only.
      agent.agent.ClearTrace();
      EXPECT_EQ(WalkAsync(request), expected);
      EXPECT_EQ(Operations(agent.agent), agent.operations);
    }
  }
}

TEST_P(BulkWalkAgentTest, AnswersCarryUpToTheRepetitionsAskedFor) {
  const auto [version, repetitions] = GetParam();
  if (version == Version::V1) GTEST_SKIP() << "SNMPv1 walks with get-next only";
  ZnSNMPRequest request;
  Point(request, agents_->answering, kTables[0], repetitions);
  agents_->answering.ClearTrace();
  ASSERT_EQ(WalkSync(request).size(), kFdbRows);
  const QStringList lines = agents_->answering.TraceLines();
  // Each GETBULK asks for `repetitions` rows and the rows after the first are answered from it;
  // the end of the table shows in the answer that reaches past it.
  const int requests = kFdbRows / repetitions + 1;
  EXPECT_EQ(lines.size(), requests);
  for (const QString& line : lines)
    EXPECT_TRUE(line.startsWith(QStringLiteral("GETBULK:0:%1\t").arg(repetitions))) << line.toStdString();
}

INSTANTIATE_TEST_SUITE_P(VersionsAndRepetitions, BulkWalkAgentTest,
                         ::testing::Combine(::testing::Values(Version::V1, Version::V2c,
                                                              Version::V3),
                                            ::testing::Values(1, 7, 10, 50)),
                         [](const auto& info) {
                           const Version v = std::get<0>(info.param);
                           return std::string(v == Version::V1    ? "V1"
                                              : v == Version::V2c ? "V2c"
                                                                  : "V3") +
                                  "Repetitions" + std::to_string(std::get<1>(info.param));
                         });

}  // namespace
