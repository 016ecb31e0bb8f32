#include "ErrorCode.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "SnmpVersions.h"
#include "TestApplication.h"
#include "ZnOptionList.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPValueCodec.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

// The request engine against the simulated switch, over SNMPv1, SNMPv2c and SNMPv3: what goes
// on the wire (the agent's trace), what comes back into the list, and every way it can fail.
namespace {


const ZnOptionItem kStateItems[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kStates(kStateItems);
const ZnOptionItem kIpSourceItems[] = {{2, "Manual"}, {3, "BOOTP"}, {4, "DHCP"}, {0, nullptr}};
const ZnOptionList kIpSources(kIpSourceItems);

const ZnSNMPVarDef kIpConfiguration[] = {
    {"1.3.6.1.4.1.99917.12.1.3.3", "Get IP From", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kIpSources},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.2", "System IP", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.3", "Subnet Mask", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.4", "Gateway", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.5", "Management VLAN ID", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {},
};

const ZnSNMPVarDef kPortControl[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1", "Port Index", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2", "Admin State", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kStates},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4", "Flow Control State", ZnSyntax::Integer,
     ZnAccess::ReadWrite, &kStates},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5", "Description", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {},
};

class RequestAgentTest : public ::testing::TestWithParam<Version> {
 protected:
  static void SetUpTestSuite() {
    TestApplication();
    static QTemporaryDir counter;
    ZnSNMPOpenSession(counter.path());
    agent_ = new Nx596Agent();
    ASSERT_TRUE(agent_->Start());
  }
  static void TearDownTestSuite() {
    delete agent_;
    agent_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(agent_, nullptr);
    ZnSNMPGlobalDevice = {"127.0.0.1", agent_->Port()};
    ZnSNMPDefaultTimeout = 100;
    UseVersion(GetParam());
    agent_->ClearTrace();
  }

  // The trace lines of the requests that went out, without version and security columns.
  static QStringList Sent() {
    QStringList lines;
    for (const QString& line : agent_->TraceLines()) {
      QStringList fields = line.split(QLatin1Char('\t'));
      if (fields.size() < 4) continue;
      fields.remove(1, 3);
      lines << fields.join(QLatin1Char('\t'));
    }
    return lines;
  }

  // Walks a table synchronously; returns one text per row: the chosen variables' values.
  static QStringList Walk(ZnSNMPRequest& request, std::initializer_list<int> shown) {
    QStringList rows;
    for (bool first = true; request.Get(first); first = false) {
      QStringList values;
      for (int i : shown) values << request.VarList.Item(i).Value;
      rows << values.join(QLatin1Char('|'));
      if (rows.size() > 10000) break;
    }
    return rows;
  }

  static Nx596Agent* agent_;
};

Nx596Agent* RequestAgentTest::agent_ = nullptr;

TEST_P(RequestAgentTest, ScalarsAreReadWithOneGetAndWrittenWithOneSet) {
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(kIpConfiguration, ZnItemType::SVT_SV, 0);
  EXPECT_FALSE(request.Get(true));  // a scalar read never reports a row
  EXPECT_EQ(request.VarList.Item(0).Value, "Manual");
  EXPECT_EQ(request.VarList.Item(1).Value, "10.90.90.90");
  EXPECT_EQ(request.VarList.Item(2).Value, "255.0.0.0");
  EXPECT_EQ(request.VarList.Item(4).Value, "1");
  EXPECT_EQ(request.VarList.Item(1).CurrentOid, "1.3.6.1.4.1.99917.11.63.3.2.1.2.2.0");
  EXPECT_EQ(Sent(), QStringList{"GET\t1.3.6.1.4.1.99917.12.1.3.3.0=NULL:\t"
                                "1.3.6.1.4.1.99917.11.63.3.2.1.2.2.0=NULL:\t"
                                "1.3.6.1.4.1.99917.11.63.3.2.1.2.3.0=NULL:\t"
                                "1.3.6.1.4.1.99917.11.63.3.2.1.2.4.0=NULL:\t"
                                "1.3.6.1.4.1.99917.11.63.3.2.1.2.5.0=NULL:"});

  // Only the gateway, with a value from the source; the list keeps its own values.
  agent_->ClearTrace();
  const QStringList source = {"10.90.90.1"};
  request.Set("3", &source);
  EXPECT_EQ(Sent(), QStringList{"SET\t1.3.6.1.4.1.99917.11.63.3.2.1.2.4.0=IPADDRESS:10.90.90.1"});
  EXPECT_EQ(request.VarList.Item(3).Value, "10.90.90.254");
  EXPECT_EQ(request.VarList.Item(0).Access, ZnAccess::ReadWrite);
  request.Get(true);
  EXPECT_EQ(request.VarList.Item(3).Value, "10.90.90.1");
  const QStringList back = {"10.90.90.254"};
  request.Set("3", &back);
}

TEST_P(RequestAgentTest, WritesFollowTheMappingAndTheValueSource) {
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(kPortControl, ZnItemType::MVT_UMV, 1);
  ASSERT_TRUE(request.Get(true));
  ASSERT_TRUE(request.Get(false));
  EXPECT_EQ(request.VarList.Item(0).Value, "2");
  request.VarList.Item(1).Value = "disabled";
  request.VarList.Item(2).Value = "enabled";
  request.VarList.Item(3).Value = "uplink to core";
  agent_->ClearTrace();
  // Variables 3 and 1 go, in table order; 3 takes the source's first string, 1 its second.
  const QStringList source = {"trunk", "enabled"};
  request.Set("3,1", &source);
  EXPECT_EQ(Sent(), QStringList{"SET\t1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.2=INTEGER:3\t"
                                "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.2=STRING:7472756E6B"});
  EXPECT_EQ(request.VarList.Item(1).Value, "disabled");
  EXPECT_EQ(request.VarList.Item(3).Value, "uplink to core");
  // Without a mapping every writable non-key variable goes, with its own value.
  agent_->ClearTrace();
  request.Set();
  EXPECT_EQ(
      Sent(),
      QStringList{"SET\t1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.2=INTEGER:2\t"
                  "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.4.2=INTEGER:3\t"
                  "1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.2=STRING:75706C696E6B20746F20636F7265"});
  request.VarList.Item(1).Value = "enabled";
  request.VarList.Item(2).Value = "disabled";
  request.VarList.Item(3).Value = "";
  request.Set();
}

TEST_P(RequestAgentTest, AFailedWriteRaisesAndLeavesTheListUnchanged) {
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(kIpConfiguration, ZnItemType::SVT_SV, 0);
  request.Get(true);
  const ZnSNMPVarList before = request.VarList;
  // 7 is no source of an address the switch knows: the agent refuses the whole set.
  const QStringList source = {"7", "10.1.1.1"};
  const int code = CodeOf([&] { request.Set("0,1", &source); });
  EXPECT_EQ(code, GetParam() == Version::V1 ? -103 : -110);
  for (int i = 0; i < before.Count(); ++i) {
    EXPECT_EQ(request.VarList.Item(i).Value, before.Item(i).Value);
    EXPECT_EQ(request.VarList.Item(i).Access, before.Item(i).Access);
  }
  request.Get(true);
  EXPECT_EQ(request.VarList.Item(1).Value, "10.90.90.90");  // atomic: nothing was written
}

TEST_P(RequestAgentTest, AgentErrorStatusesGiveTheirCodesAndTexts) {
  ZnSNMPRequest request;
  const ZnSNMPVarDef readOnly[] = {{"1.3.6.1.4.1.99917.12.8.1.5.1.2.0.28.240.89.96.0", "Group Name",
                                    ZnSyntax::DisplayString, ZnAccess::ReadWrite},
                                   {}};
  request.VarList = ZnSNMPVarList(readOnly, ZnItemType::MVT_SV, 0);
  request.VarList.Item(0).Value = "renamed";
  try {
    request.Set();
    FAIL() << "a read-only object was written";
  } catch (const ZnException& e) {
    if (GetParam() == Version::V1) {
      EXPECT_EQ(e.Code(), -102);
      EXPECT_EQ(e.Message(), "(SNMP) Variable does not exist!");
    } else {
      EXPECT_EQ(e.Code(), -117);
      EXPECT_EQ(e.Message(), "(SNMP) Cannot create/set variable, Not Writable!");
    }
  }
  const ZnSNMPVarDef wrongType[] = {{"1.3.6.1.4.1.99917.11.63.3.2.1.2.5", "Management VLAN ID",
                                     ZnSyntax::DisplayString, ZnAccess::ReadWrite},
                                    {}};
  request.VarList = ZnSNMPVarList(wrongType, ZnItemType::SVT_SV, 0);
  request.VarList.Item(0).Value = "one";
  EXPECT_EQ(CodeOf([&] { request.Set(); }), GetParam() == Version::V1 ? -103 : -107);
}

// A table of several columns walked row by row: keys come from the instance, and a column
// that ends before the others reads "(NOTDONE)".
TEST_P(RequestAgentTest, TableWalkDecodesKeysAndMarksEndedColumns) {
  const ZnSNMPVarDef blocked[] = {
      {"1.3.6.1.4.1.99917.12.23.4.2.1.1", "Blocked VID", ZnSyntax::Integer,
       ZnAccess::NotAccessible},
      {"1.3.6.1.4.1.99917.12.23.4.2.1.2", "Blocked MAC", ZnSyntax::MacAddress,
       ZnAccess::NotAccessible},
      {"1.3.6.1.4.1.99917.12.23.4.2.1.3", "VLAN Name", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
      {"1.3.6.1.4.1.99917.12.23.4.2.1.5", "Type", ZnSyntax::Integer, ZnAccess::ReadWrite},
      {"1.3.6.1.4.1.99917.12.23.4.2.1.6", "Time", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
      {},
  };
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(blocked, ZnItemType::MVT_UMV, 2);
  EXPECT_EQ(Walk(request, {0, 1, 2, 3, 4}),
            (QStringList{"1|000C293E5B01|default|2|2024-03-14 08:15:02",
                         "1|000C293E5B02|default|2|(NOTDONE)",
                         "20|005056C00008|lab|(NOTDONE)|(NOTDONE)"}));
  // The row after the last leaves the last row's values in the list.
  EXPECT_EQ(request.VarList.Item(2).Value, "lab");
  const QStringList sent = Sent();
  ASSERT_EQ(sent.size(), 4);
  EXPECT_EQ(sent[0],
            "GETNEXT\t1.3.6.1.4.1.99917.12.23.4.2.1.3=NULL:\t1.3.6.1.4.1.99917.12.23.4.2.1.5=NULL:"
            "\t1.3.6.1.4.1.99917.12.23.4.2.1.6=NULL:");
  // An ended column asks again from its own column with the keys it last saw.
  EXPECT_EQ(sent[3],
            "GETNEXT\t1.3.6.1.4.1.99917.12.23.4.2.1.3.20.0.80.86.192.0.8=NULL:"
            "\t1.3.6.1.4.1.99917.12.23.4.2.1.5.1.0.12.41.62.91.2=NULL:"
            "\t1.3.6.1.4.1.99917.12.23.4.2.1.6.1.0.12.41.62.91.2=NULL:");
}

TEST_P(RequestAgentTest, EveryIndexKindDecodes) {
  struct Case {
    const char* name;
    std::vector<ZnSNMPVarDef> table;
    int keys;
    QStringList rows;
  };
  const std::vector<Case> cases = {
      {"integer",
       {{"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2", "Admin", ZnSyntax::Integer, ZnAccess::ReadOnly},
        {}},
       0,
       {}},
      {"MAC address",
       {{"1.3.6.1.4.1.99917.12.8.1.5.1.1", "MAC", ZnSyntax::MacAddress, ZnAccess::NotAccessible},
        {"1.3.6.1.4.1.99917.12.8.1.5.1.2", "Name", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
        {}},
       1,
       {"001CF0596000|Floor2", "001CF07A0122|Lab", "0250BA112233|Annex"}},
      {"integer and MAC address",
       {{"1.3.6.1.4.1.99917.12.8.1.6.1.1", "Port", ZnSyntax::Integer, ZnAccess::NotAccessible},
        {"1.3.6.1.4.1.99917.12.8.1.6.1.2", "MAC", ZnSyntax::MacAddress, ZnAccess::NotAccessible},
        {"1.3.6.1.4.1.99917.12.8.1.6.1.3", "Role", ZnSyntax::Integer, ZnAccess::ReadOnly},
        {}},
       2,
       {"3|001CF07A0122|3", "7|0250BA112233|2", "7|0250BA112234|2"}},
      {"IP address",
       {{"1.3.6.1.4.1.99917.12.23.4.1.1.1", "IP", ZnSyntax::IpAddress, ZnAccess::NotAccessible},
        {"1.3.6.1.4.1.99917.12.23.4.1.1.2", "MAC", ZnSyntax::MacAddress, ZnAccess::ReadWrite},
        {}},
       1,
       {"10.0.0.1|001CF0102001", "10.0.0.2|001CF0102002", "192.168.1.10|000EA65B1C90"}},
      {"length-prefixed string",
       {{"1.3.6.1.4.1.99917.12.6.4.1.1.1", "User", ZnSyntax::DisplayString,
         ZnAccess::NotAccessible},
        {"1.3.6.1.4.1.99917.12.6.4.1.1.2", "Mode", ZnSyntax::Integer, ZnAccess::ReadWrite},
        {}},
       1,
       {"ops|1", "admin|2", "backup|3"}},
      {"string and IP address",
       {{"1.3.6.1.4.1.99917.12.42.3.3.4.1.1", "String", ZnSyntax::DisplayString,
         ZnAccess::NotAccessible},
        {"1.3.6.1.4.1.99917.12.42.3.3.4.1.2", "Reply IP", ZnSyntax::IpAddress,
         ZnAccess::NotAccessible},
        {"1.3.6.1.4.1.99917.12.42.3.3.4.1.3", "Match", ZnSyntax::Integer, ZnAccess::ReadWrite},
        {}},
       2,
       {"udhcp|192.168.10.1|1", "MSFT 5.0|10.1.1.5|1", "PXEClient|10.1.1.6|2"}},
      {"IMPLIED string",
       {{"1.3.6.1.6.3.18.1.1.1.1", "Index", ZnSyntax::DisplayString,
         ZnAccess::NotAccessible | ZnAccess::Implied},
        {"1.3.6.1.6.3.18.1.1.1.2", "Name", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
        {}},
       1,
       {"tamrel|tamrel", "vosquin|vosquin"}},
  };
  for (const Case& c : cases) {
    ZnSNMPRequest request;
    request.VarList = ZnSNMPVarList(c.table.data(), ZnItemType::MVT_UMV, c.keys);
    std::vector<int> shown;
    for (int i = 0; i < request.VarList.Count(); ++i) shown.push_back(i);
    QStringList rows;
    for (bool first = true; request.Get(first); first = false) {
      QStringList values;
      for (int i : shown) values << request.VarList.Item(i).Value;
      rows << values.join(QLatin1Char('|'));
      // The keys read back must address the same row.
      const ZnSNMPVar& last = request.VarList.Item(request.VarList.Count() - 1);
      if (c.keys > 0) {
        EXPECT_EQ(last.CurrentOid, last.Oid + "." + ZnEncodeInstance(request.VarList)) << c.name;
      }
    }
    if (c.keys == 0)
      EXPECT_EQ(rows.size(), 26) << c.name;
    else
      EXPECT_EQ(rows, c.rows) << c.name;
  }
}

// SNMPv1 says "end of table" with noSuchName for the OID asked, SNMPv2c with endOfMibView.
TEST_P(RequestAgentTest, EndOfTheAgentsViewEndsTheWalk) {
  // snmpTargetAddrExtTable is the last table the agent serves; its last column ends the view.
  const ZnSNMPVarDef lastColumn[] = {
      {"1.3.6.1.6.3.12.1.2.1.1", "Name", ZnSyntax::DisplayString,
       ZnAccess::NotAccessible | ZnAccess::Implied},
      {"1.3.6.1.6.3.18.1.2.1.2", "MMS", ZnSyntax::Integer, ZnAccess::ReadOnly},
      {}};
  const ZnSNMPVarDef status[] = {
      {"1.3.6.1.6.3.12.1.2.1.1", "Name", ZnSyntax::DisplayString,
       ZnAccess::NotAccessible | ZnAccess::Implied},
      {"1.3.6.1.6.3.18.1.2.1.3", "Beyond", ZnSyntax::Integer, ZnAccess::ReadOnly},
      {}};
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(lastColumn, ZnItemType::MVT_FMV, 1);
  EXPECT_EQ(Walk(request, {0, 1}), (QStringList{"nmsBackup|484", "nmsPrimary|484"}));
  EXPECT_EQ(request.VarList.Item(0).Value, "nmsPrimary");

  // A first read beyond everything: the agent's answer names another OID than the one the
  // engine remembers asking (none yet), which SNMPv1 reports as a failure.
  request.VarList = ZnSNMPVarList(status, ZnItemType::MVT_FMV, 1);
  if (GetParam() == Version::V1) {
    try {
      request.Get(true);
      FAIL() << "no error";
    } catch (const ZnException& e) {
      EXPECT_EQ(e.Code(), -102);
      EXPECT_EQ(e.Message(), "(SNMP) Variable does not exist!");
    }
  } else {
    EXPECT_FALSE(request.Get(true));
  }

  // The same two answers asynchronously.
  request.VarList = ZnSNMPVarList(lastColumn, ZnItemType::MVT_FMV, 1);
  std::vector<ZnSNMPError> results;
  ZnSNMPCallback next = [&](void*, const ZnSNMPError& result, ZnSNMPVarList&) {
    results.push_back(result);
    if (!result.Done) request.GetAsync(next, nullptr, false);
  };
  request.GetAsync(next, nullptr, true);
  ASSERT_TRUE(Await([&] { return !results.empty() && results.back().Done; }));
  ASSERT_EQ(results.size(), 3u);
  EXPECT_EQ(results[2].Code, 0);
  EXPECT_EQ(results[2].Message, "Ok");
  EXPECT_EQ(results[2].AgentAddress, "127.0.0.1");
  EXPECT_EQ(results[2].AgentPort, agent_->Port());

  results.clear();
  request.VarList = ZnSNMPVarList(status, ZnItemType::MVT_FMV, 1);
  request.GetAsync(next, nullptr, true);
  ASSERT_TRUE(Await([&] { return !results.empty() && results.back().Done; }));
  EXPECT_EQ(results.back().Code, GetParam() == Version::V1 ? -102 : 0);
}

TEST_P(RequestAgentTest, InstanceWithFewerPartsThanKeysRaises) {
  ZnSNMPRequest request;
  // The port table has one key; calling it two makes the instance too short.
  request.VarList = ZnSNMPVarList(kPortControl, ZnItemType::MVT_UMV, 2);
  EXPECT_EQ(CodeOf([&] { request.Get(true); }), -514);
}

TEST_P(RequestAgentTest, AsynchronousWritesReportWithoutChangingTheList) {
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(kIpConfiguration, ZnItemType::SVT_SV, 0);
  request.VarList.Item(4).Value = "4094";
  std::vector<ZnSNMPError> results;
  ZnSNMPCallback record = [&](void* owner, const ZnSNMPError& result, ZnSNMPVarList&) {
    EXPECT_EQ(owner, &results);
    results.push_back(result);
  };
  request.SetAsync(record, &results, "4");
  EXPECT_EQ(request.Outstanding, 1);
  ASSERT_TRUE(Await([&] { return results.size() == 1; }));
  EXPECT_EQ(request.Outstanding, 0);
  EXPECT_EQ(results[0].Code, 0);
  EXPECT_TRUE(results[0].Done);
  EXPECT_EQ(request.VarList.Item(4).Value, "4094");
  EXPECT_EQ(request.VarList.Item(0).Access, ZnAccess::ReadWrite);

  request.VarList.Item(4).Value = "1";
  request.VarList.Item(0).Value = "unknown";  // not a source: sent as 0, refused
  request.SetAsync(record, &results, "0,4");
  ASSERT_TRUE(Await([&] { return results.size() == 2; }));
  EXPECT_EQ(results[1].Code, GetParam() == Version::V1 ? -103 : -110);
  EXPECT_EQ(results[1].ErrorIndex, 1);
  request.SetAsync(record, &results, "4");
  ASSERT_TRUE(Await([&] { return results.size() == 3; }));
}

// Completions run one at a time: one that opens a modal loop holds back the next.
TEST_P(RequestAgentTest, CompletionsNeverNest) {
  ZnSNMPRequest a, b;
  a.VarList = ZnSNMPVarList(kIpConfiguration, ZnItemType::SVT_SV, 0);
  b.VarList = ZnSNMPVarList(kIpConfiguration, ZnItemType::SVT_SV, 0);
  int running = 0, maxRunning = 0, finished = 0;
  ZnSNMPCallback modal = [&](void*, const ZnSNMPError&, ZnSNMPVarList&) {
    maxRunning = std::max(maxRunning, ++running);
    QEventLoop loop;  // what a message box does
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
    --running;
    ++finished;
  };
  a.GetAsync(modal, nullptr, true);
  b.GetAsync(modal, nullptr, true);
  ASSERT_TRUE(Await([&] { return finished == 2; }));
  EXPECT_EQ(maxRunning, 1);
}

INSTANTIATE_TEST_SUITE_P(Versions, RequestAgentTest,
                         ::testing::Values(Version::V1, Version::V2c, Version::V3),
                         [](const ::testing::TestParamInfo<Version>& info) {
                           return std::string(info.param == Version::V1    ? "v1"
                                              : info.param == Version::V2c ? "v2c"
                                                                           : "v3");
                         });

}  // namespace

namespace {

// Twenty scalars of four groups; the switch below lacks three of them.
const ZnSNMPVarDef kTwentyScalars[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.1.2", "sysObjectID", ZnSyntax::ObjectId, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.1.3", "sysUpTime", ZnSyntax::TimeTicks, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.1.4", "sysContact", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.2.1.1.5", "sysName", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.2.1.1.6", "sysLocation", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.1.3.3", "Get IP From", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.2", "System IP", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.3", "Subnet Mask", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.4", "Gateway", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.2.5", "Management VLAN", ZnSyntax::Integer,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.1.1", "SMTP Status", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.1.2", "SMTP Server", ZnSyntax::IpAddress, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.1.3", "SMTP Port", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.1.4", "Self Mail", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.1.5", "Subject", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.1.6", "Content", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.29.1.7", "Send Test", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.12.3.1", "Log Save Method", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.12.3.2", "Log Save Interval", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {},
};

}  // namespace

// The figure of a page of twenty objects of which the switch lacks three: over SNMPv1 (where the
// agent names one object per answer) at most four requests, over SNMPv2c and v3 one; the page
// has every other value as a switch with all of them shows it, and a write of the whole page
// carries none of the three.
TEST_P(RequestAgentTest, ATwentyObjectPageWithThreeAbsentCostsAtMostFourRequests) {
  const QStringList lacked = {"1.3.6.1.2.1.1.4", "1.3.6.1.4.1.99917.12.29.1.4",
                              "1.3.6.1.4.1.99917.12.12.3.2"};
  Nx596Agent lacking({"--without", lacked.join(',')});
  ASSERT_TRUE(lacking.Start());
  ZnSNMPRequest whole;
  whole.VarList = ZnSNMPVarList(kTwentyScalars, ZnItemType::SVT_SV, 0);
  whole.Get(true);
  for (const bool asynchronous : {false, true}) {
    SCOPED_TRACE(asynchronous ? "asynchronous" : "blocking");
    ZnSNMPRequest request;
    request.Device.Port = lacking.Port();
    request.VarList = ZnSNMPVarList(kTwentyScalars, ZnItemType::SVT_SV, 0);
    lacking.ClearTrace();
    if (asynchronous) {
      bool done = false;
      int code = -1;
      request.GetAsync(
          [&](void*, const ZnSNMPError& result, ZnSNMPVarList&) {
            done = result.Done;
            code = result.Code;
          },
          nullptr, true);
      ASSERT_TRUE(Await([&] { return done; }));
      EXPECT_EQ(code, 0);
    } else {
      ASSERT_NO_THROW(request.Get(true));
    }
    const qsizetype requests = lacking.TraceLines().size();
    if (GetParam() == Version::V1) {
      EXPECT_LE(requests, 4);
    } else {
      EXPECT_EQ(requests, 1);
    }
    std::printf("[ figure ] %s %s: 20 objects, 3 absent: %lld requests\n",
                GetParam() == Version::V1 ? "SNMPv1" : "SNMPv2c/v3",
                asynchronous ? "asynchronous" : "blocking", static_cast<long long>(requests));
    for (int i = 0; i < request.VarList.Count(); ++i) {
      const ZnSNMPVar& var = request.VarList.Item(i);
      SCOPED_TRACE(qPrintable(var.Caption));
      EXPECT_EQ(var.Absent, lacked.contains(var.Oid));
      if (!var.Absent && var.Syntax != ZnSyntax::TimeTicks) {
        EXPECT_EQ(var.Value, whole.VarList.Item(i).Value);
      }
    }
    // A write naming three present and the three absent objects sends the three present.
    lacking.ClearTrace();
    request.Set("3,11,13,14,15,19");
    QStringList sets;
    for (const QString& line : lacking.TraceLines())
      if (line.startsWith("SET\t")) sets << line;
    ASSERT_EQ(sets.size(), 1);
    EXPECT_EQ(sets[0].count('='), 3) << qPrintable(sets[0]);
    for (const QString& oid : lacked)
      EXPECT_FALSE(sets[0].contains(oid + ".0=")) << qPrintable(oid);
  }
}

// The first read of an SNMPv3 switch discovers its engine asynchronously, so a switch that is
// silent when the read is sent holds nothing: the read goes out and completes once the switch
// answers again within the read's tries. (net-snmp's own discovery would wait out its tries
// inside the send and then fail it.)
TEST(RequestDiscoveryAgentTest, AFirstSnmpV3ReadOfASilentSwitchIsSentAndCompletesWhenItAnswers) {
  TestApplication();
  static QTemporaryDir counter;
  ZnSNMPOpenSession(counter.path());
  Nx596Agent agent;  // a switch of its own: no connection to it knows its engine yet
  ASSERT_TRUE(agent.Start());
  ZnSNMPGlobalDevice = {"127.0.0.1", agent.Port()};
  ZnSNMPDefaultTimeout = 100;
  UseVersion(Version::V3);

  ZnSNMPRequest request;
  request.Retries = 2;  // three tries of 1 s: the switch is back within them
  request.VarList = ZnSNMPVarList(kIpConfiguration, ZnItemType::SVT_SV, 0);
  agent.Pause();
  bool done = false;
  ZnSNMPError result;
  ASSERT_NO_THROW(request.GetAsync(
      [&](void*, const ZnSNMPError& r, ZnSNMPVarList&) {
        result = r;
        done = true;
      },
      nullptr, true));
  EXPECT_FALSE(done);
  agent.Resume();
  ASSERT_TRUE(Await([&] { return done; }, 10000));
  EXPECT_EQ(result.Code, 0) << qPrintable(result.Message);
  EXPECT_EQ(request.VarList.Item(1).Value, "10.90.90.90")
      << qPrintable(request.VarList.Item(1).Value);
}
