#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "TestApplication.h"
#include "ZnException.h"
#include "ZnOptionList.h"
#include "ZnSNMPRequest.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

// The request engine against a switch whose answers go wrong: whatever the switch sends, a read
// either fails with an error code or gives exactly the values the switch really holds; nothing it
// did not send ends up in the list as read, and the next read after the switch mends its ways
// works.
namespace {

const ZnOptionItem kAdminStateItems[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kAdminStates(kAdminStateItems);

const ZnSNMPVarDef kSystem[] = {
    {"1.3.6.1.2.1.1.5", "Name", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.2.1.1.3", "Up Time", ZnSyntax::TimeTicks, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.1.6", "Location", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {},
};

const ZnSNMPVarDef kPortAdmin[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1", "Port Index", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2", "Admin State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kAdminStates},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5", "Description", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {},
};

// A value the switch said it has not got (empty or "(NULL)" for an instance it has not, "(NOTDONE)"
// for a column that ended) is honest; anything else must be the true value.
bool Honest(const QStringList& got, const QStringList& truth) {
  if (got.size() > truth.size()) return false;
  for (qsizetype i = 0; i < got.size(); ++i) {
    const QStringList parts = got[i].split('|');
    const QStringList real = truth[i].split('|');
    if (parts.size() != real.size()) return false;
    for (qsizetype k = 0; k < parts.size(); ++k)
      if (parts[k] != real[k] && !parts[k].isEmpty() && parts[k] != "(NULL)" &&
          parts[k] != "(NOTDONE)")
        return false;
  }
  return true;
}

struct Outcome {
  int code = 0;
  QStringList values;  // scalars: name and location; tables: one line per row
};

Outcome ReadSystem() {
  Outcome outcome;
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(kSystem, ZnItemType::SVT_SV, 0);
  try {
    request.Get(true);
  } catch (const ZnException& e) {
    outcome.code = e.Code();
  }
  outcome.values << request.VarList.Item(0).Value << request.VarList.Item(2).Value;
  return outcome;
}

// `repetitions` above 0 walks with GETBULK (over SNMPv2c).
Outcome WalkPortsWith(int repetitions) {
  Outcome outcome;
  ZnSNMPRequest request;
  request.BulkRepetitions = repetitions;
  request.VarList = ZnSNMPVarList(kPortAdmin, ZnItemType::MVT_UMV, 1);
  try {
    for (bool first = true; request.Get(first) && outcome.values.size() < 100; first = false) {
      outcome.values << request.VarList.Item(0).Value + '|' + request.VarList.Item(1).Value +
                            '|' + request.VarList.Item(2).Value;
    }
  } catch (const ZnException& e) {
    outcome.code = e.Code();
  }
  return outcome;
}

enum class Walk { V1, V2c, V2cBulk };

class MisbehaveAgentTest : public ::testing::TestWithParam<Walk> {
 protected:
  static void SetUpTestSuite() {
    TestApplication();
    static QTemporaryDir counter;
    ZnSNMPOpenSession(counter.path());
  }
  void SetUp() override {
    ASSERT_TRUE(agent_.Start());
    ZnSNMPGlobalDevice = {"127.0.0.1", agent_.Port()};
    ZnSNMPGlobalSecurity.Version = GetParam() == Walk::V1 ? 0 : 1;
    repetitions_ = GetParam() == Walk::V2cBulk ? 10 : 0;
    ZnSNMPGlobalSecurity.ReadCommunity = "tamrel";
    ZnSNMPGlobalSecurity.WriteCommunity = "vosquin";
    ZnSNMPDefaultTimeout = 50;
  }
  void Misbehave(const QString& modes) {
    const int status = QProcess::execute(
        "snmpset", {"-v2c", "-c", "vosquin", "-On", "-Ln", "-t", "3", "-r", "1",
                    "127.0.0.1:" + QString::number(agent_.Port()),
                    "1.3.6.1.4.1.8072.9999.9999.596.1.0", "s", modes});
    ASSERT_EQ(status, 0) << qPrintable(modes);
  }
  Outcome WalkPorts() const { return WalkPortsWith(repetitions_); }

  Nx596Agent agent_{{"--misbehave", ""}};
  int repetitions_ = 0;
};

// Modes under the table's Description column, the system group's name, or everywhere.
const char* const kModes[] = {
    "wrongtype=1.3.6.1.2.1.1.5",
    "wrongtype=1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5",
    "wrongtype=1.3.6.1.2.1.1.3",
    "oversize=1.3.6.1.2.1.1.5",
    "oversize=1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5",
    "backwards",
    "repeat",
    "fewer",
    "more",
    "generr",
    "toobig",
    "endofmib=1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5",
    "endofmib=1.3.6.1.2.1.1.6",
    "nosuchinstance=1.3.6.1.2.1.1.6",
    "nosuchinstance=1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2",
    "late=1500",
    "twice",
};

TEST_P(MisbehaveAgentTest, AReadFailsOrGivesTheTrueValuesAndTheNextReadWorks) {
  const Outcome trueSystem = ReadSystem();
  const Outcome truePorts = WalkPorts();
  ASSERT_EQ(trueSystem.code, 0);
  ASSERT_EQ(truePorts.code, 0);
  ASSERT_EQ(truePorts.values.size(), 26);
  for (const char* modes : kModes) {
    SCOPED_TRACE(modes);
    Misbehave(modes);
    const Outcome system = ReadSystem();
    if (system.code == 0) {
      EXPECT_TRUE(Honest(system.values, trueSystem.values)) << qPrintable(system.values.join(' '));
    }
    const Outcome ports = WalkPorts();
    // A walk that ends without a fault has every row; one that fails keeps the rows before the
    // fault, each true, in order.
    if (ports.code == 0) {
      EXPECT_EQ(ports.values.size(), truePorts.values.size());
    }
    EXPECT_TRUE(Honest(ports.values, truePorts.values))
        << qPrintable(ports.values.join(' ').left(4000)) << "\ntruth: " << qPrintable(truePorts.values.join(' '));
    Misbehave("");
    EXPECT_EQ(ReadSystem().values, trueSystem.values);
    EXPECT_EQ(WalkPorts().values, truePorts.values);
  }
}

INSTANTIATE_TEST_SUITE_P(Versions, MisbehaveAgentTest,
                         ::testing::Values(Walk::V1, Walk::V2c, Walk::V2cBulk),
                         [](const auto& info) {
                           switch (info.param) {
                             case Walk::V1:
                               return "V1";
                             case Walk::V2c:
                               return "V2c";
                             default:
                               return "V2cBulk";
                           }
                         });

}  // namespace
