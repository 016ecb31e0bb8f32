#include "ErrorCode.h"
#include "QtPrinters.h"
#include "TestApplication.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPSession.h"
#include "ZnSNMPValueCodec.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <vector>

// The request engine's decisions that need no agent: what ends a column, what is refused before
// anything is sent, and that a refused write leaves the list as it was.
namespace {

const ZnSNMPVarDef kPortColumns[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.1", "Port Index", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2", "Admin State", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5", "Description", ZnSyntax::DisplayString,
     ZnAccess::ReadWrite},
    {},
};

class RequestTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static QTemporaryDir dir;
    ZnSNMPOpenSession(dir.path());
  }
  void SetUp() override { request_.VarList = ZnSNMPVarList(kPortColumns, ZnItemType::MVT_UMV, 1); }
  ZnSNMPRequest request_;
};

TEST_F(RequestTest, EndOfColumnFollowsTheAnswersOid) {
  const QString column = "1.3.6.1.2.1.2.2.1.1";
  // A plain character prefix: 1.10.1 still counts as inside column 1.
  EXPECT_FALSE(request_.IsEndOfColumn(column, "1.3.6.1.2.1.2.2.1.1.9", "1.3.6.1.2.1.2.2.1.10.1"));
  EXPECT_FALSE(request_.IsEndOfColumn(column, "", "1.3.6.1.2.1.2.2.1.1.1"));
  EXPECT_TRUE(request_.IsEndOfColumn(column, "1.3.6.1.2.1.2.2.1.1.3", "1.3.6.1.2.1.2.2.1.2.1"));
  EXPECT_TRUE(request_.IsEndOfColumn(column, "", column));  // not longer than the column
  // endOfMibView comes back with the OID that was asked.
  EXPECT_TRUE(request_.IsEndOfColumn(column, "1.3.6.1.2.1.2.2.1.1.3", "1.3.6.1.2.1.2.2.1.1.3"));
  // An answer that goes backwards would walk the same rows for ever.
  EXPECT_TRUE(request_.IsEndOfColumn(column, "1.3.6.1.2.1.2.2.1.1.30", "1.3.6.1.2.1.2.2.1.1.4"));
  request_.VarList.ItemType = ZnItemType::MVT_SV;
  EXPECT_FALSE(request_.IsEndOfColumn(column, "", "1.3.6.1.2.1.2.2.1.2.1"));
}

TEST_F(RequestTest, RefusedBeforeAnythingIsSent) {
  request_.VarList.ItemType = ZnItemType::SVT_SV;
  EXPECT_EQ(CodeOf([&] { request_.Get(false); }), -510);
  EXPECT_EQ(CodeOf([&] { request_.GetAsync({}, nullptr, false); }), -510);
  request_.VarList.ItemType = ZnItemType::MVT_SV;
  EXPECT_EQ(CodeOf([&] { request_.Get(false); }), -510);
  request_.VarList.ItemType = 7;
  EXPECT_EQ(CodeOf([&] { request_.Get(true); }), -515);
  EXPECT_EQ(CodeOf([&] { request_.Set(); }), -515);

  request_.VarList.ItemType = ZnItemType::SVT_SV;
  request_.Device.Address = "not an address";
  EXPECT_EQ(CodeOf([&] { request_.Get(true); }), -509);
  request_.Device.Address = "";
  EXPECT_EQ(CodeOf([&] { request_.Set(); }), -509);
  EXPECT_EQ(request_.Outstanding, 0);

  request_.Device.Address = "127.0.0.1";
  request_.Security.Version = 3;
  request_.Security.SecurityModel = 3;
  request_.Security.SecurityLevel = 3;
  request_.Security.SecurityName = "nx-aes";
  request_.Security.AuthProtocol = 3;
  request_.Security.AuthPassword = "nx-aes-auth";
  request_.Security.PrivPassword = "nx-aes-priv";
  for (int unavailable : {3, 9, 5}) {  // 3DES, IDEA, and a number nobody defined
    request_.Security.PrivProtocol = unavailable;
    const int code = CodeOf([&] { request_.Get(true); });
    EXPECT_EQ(code, -313) << unavailable;
  }
  request_.Security.PrivProtocol = 4;
  request_.Security.AuthProtocol = 8;
  EXPECT_EQ(CodeOf([&] { request_.Get(true); }), -312);
  request_.Security.AuthProtocol = 3;
  request_.Security.SecurityModel = 1;
  EXPECT_EQ(CodeOf([&] { request_.Get(true); }), -201);
  // A pass phrase shorter than USM allows cannot make a key.
  request_.Security.SecurityModel = 3;
  request_.Security.AuthPassword = "short";
  EXPECT_EQ(CodeOf([&] { request_.Get(true); }), -307);
}

TEST_F(RequestTest, ARefusedWriteLeavesTheListAsItWas) {
  request_.VarList.Item(1).Value = "enabled";
  request_.VarList.Item(2).Value = "uplink";
  const QStringList source = {"x"};
  // The value source is shorter than the mapping.
  EXPECT_EQ(CodeOf([&] { request_.Set("2,1", &source); }), -12);
  request_.VarList.ItemType = 9;
  const QStringList enough = {"x", "y"};
  EXPECT_EQ(CodeOf([&] { request_.Set("2,1", &enough); }), -515);
  EXPECT_EQ(request_.VarList.Item(1).Value, "enabled");
  EXPECT_EQ(request_.VarList.Item(2).Value, "uplink");
  EXPECT_EQ(request_.VarList.Item(0).Access, ZnAccess::ReadOnly);
  EXPECT_EQ(request_.VarList.Item(1).Access, ZnAccess::ReadWrite);
}

TEST_F(RequestTest, SettingsAreCopiedWhenTheRequestIsMade) {
  ZnSNMPGlobalSecurity.ReadCommunity = "first";
  ZnSNMPDefaultTimeout = 250;
  ZnSNMPRequest early;
  ZnSNMPGlobalSecurity.ReadCommunity = "second";
  EXPECT_EQ(early.Security.ReadCommunity, "first");
  EXPECT_EQ(early.Timeout, 250);
  EXPECT_EQ(early.Retries, 1);
  EXPECT_TRUE(early.Enabled);
  early.ReloadSettings();
  EXPECT_EQ(early.Security.ReadCommunity, "second");
  ZnSNMPGlobalSecurity.ReadCommunity = "tamrel";
  ZnSNMPDefaultTimeout = 100;
  // A disabled request does nothing at all, not even refuse.
  early.Enabled = false;
  early.VarList.ItemType = 9;
  EXPECT_FALSE(early.Get(true));
  EXPECT_NO_THROW(early.Set());
}

TEST(SessionTest, DefaultsAndBootsCounterPerRun) {
  QTemporaryDir dir;
  ZnSNMPOpenSession(dir.path());
  std::uint32_t boots = 0;
  const QString file = dir.filePath(ZnSNMPBootCounterFile);
  EXPECT_EQ(ZnSNMPGetBootCounter(file, ZnSNMPLocalEngineID, boots), 0);
  EXPECT_EQ(boots, 1u);
  ZnSNMPOpenSession(dir.path());
  EXPECT_EQ(ZnSNMPGetBootCounter(file, ZnSNMPLocalEngineID, boots), 0);
  EXPECT_EQ(boots, 2u);
  EXPECT_EQ(ZnSNMPGlobalDevice.Address, "127.0.0.1");
  EXPECT_EQ(ZnSNMPGlobalDevice.Port, 161);
  EXPECT_EQ(ZnSNMPGlobalSecurity.Version, 0);
  EXPECT_EQ(ZnSNMPGlobalSecurity.ReadCommunity, "tamrel");
  EXPECT_EQ(ZnSNMPGlobalSecurity.WriteCommunity, "vosquin");
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityModel, 1);
  EXPECT_EQ(ZnSNMPGlobalSecurity.SecurityLevel, 1);
  EXPECT_EQ(ZnSNMPGlobalSecurity.AuthProtocol, 1);
  EXPECT_EQ(ZnSNMPGlobalSecurity.PrivProtocol, 1);
  EXPECT_EQ(ZnSNMPDefaultTimeout, 100);
  EXPECT_TRUE(ZnSNMPEventPump().IsRunning());

  // Other engines' counters in the same file are kept.
  ASSERT_EQ(ZnSNMPSaveBootCounter(file, "other engine", 41), 0);
  ZnSNMPOpenSession(dir.path());
  EXPECT_EQ(ZnSNMPGetBootCounter(file, "other engine", boots), 0);
  EXPECT_EQ(boots, 41u);
  EXPECT_EQ(ZnSNMPGetBootCounter(file, ZnSNMPLocalEngineID, boots), 0);
  EXPECT_EQ(boots, 3u);
  EXPECT_EQ(ZnSNMPGetBootCounter(dir.filePath("absent"), ZnSNMPLocalEngineID, boots), -2);
}

TEST(SessionTest, DamagedOrUnwritableCounterFileStopsTheStart) {
  QTemporaryDir dir;
  QFile damaged(dir.filePath(ZnSNMPBootCounterFile));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("ZnSNMP_PP_Application many\n");
  damaged.close();
  EXPECT_EQ(CodeOf([&] { ZnSNMPOpenSession(dir.path()); }), -507);
  EXPECT_FALSE(ZnSNMPEventPump().IsRunning());
  EXPECT_EQ(CodeOf([&] { ZnSNMPOpenSession(dir.filePath("no/such/directory")); }), -508);
  QTemporaryDir fresh;
  ZnSNMPOpenSession(fresh.path());  // leave the pump running for the other tests
  EXPECT_TRUE(ZnSNMPEventPump().IsRunning());
}

// A table kept in memory and answered the way a switch answers get-next and GETBULK, through the
// request's replaceable sender: index, state and name of six rows, where the state has no row 3
// and the name no row 5 (a sparse table); with `indexHole`, the index column has no row 2 either.
class SparseTable {
 public:
  explicit SparseTable(bool indexHole = false) {
    for (std::uint32_t row = 1; row <= 6; ++row) {
      if (!indexHole || row != 2)
        objects_[{1, 3, 6, 1, 4, 1, 99999, 1, 1, 1, row}] = ZnSNMPValue::MakeInteger(int(row));
      if (row != 3)
        objects_[{1, 3, 6, 1, 4, 1, 99999, 1, 1, 2, row}] = ZnSNMPValue::MakeInteger(int(10 * row));
      if (row != 5)
        objects_[{1, 3, 6, 1, 4, 1, 99999, 1, 1, 3, row}] =
            ZnSNMPValue::MakeBytes(ZnSNMPValue::OctetString, "port " + QByteArray::number(row));
    }
  }

  // Walks the table as a table page does; rows as "index|state|name", or the failure's code.
  QStringList Walk(int repetitions, int& code) {
    static const ZnSNMPVarDef kColumns[] = {
        {"1.3.6.1.4.1.99999.1.1.1", "Index", ZnSyntax::Integer, ZnAccess::ReadOnly},
        {"1.3.6.1.4.1.99999.1.1.2", "State", ZnSyntax::Integer, ZnAccess::ReadWrite},
        {"1.3.6.1.4.1.99999.1.1.3", "Name", ZnSyntax::DisplayString, ZnAccess::ReadWrite},
        {},
    };
    ZnSNMPRequest request;
    request.Security.Version = 1;
    request.BulkRepetitions = repetitions;
    request.VarList = ZnSNMPVarList(kColumns, ZnItemType::MVT_UMV, 1);
    request.Send = [this](const ZnSNMPTarget& target, ZnSNMPOperation operation,
                          const std::vector<ZnSNMPBinding>& asked, ZnSNMPCompletion completion) {
      ++exchanges;
      due_.push_back(
          [answer = Answer(target, operation, asked), completion] { completion(answer); });
      return ++ticket_;
    };
    QStringList rows;
    bool done = false;
    code = 0;
    ZnSNMPCallback next = [&](void*, const ZnSNMPError& result, ZnSNMPVarList& list) {
      if (result.Done) {
        code = result.Code;
        done = true;
        return;
      }
      rows << list.Item(0).Value + '|' + list.Item(1).Value + '|' + list.Item(2).Value;
      request.GetAsync(next, nullptr, false);
    };
    request.GetAsync(next, nullptr, true);
    while (!done && rows.size() < 20) {
      if (due_.empty()) {
        QCoreApplication::processEvents();  // rows kept from a bulk answer come from the pump
        continue;
      }
      auto answer = std::move(due_.front());
      due_.pop_front();
      answer();
    }
    return rows;
  }

  int exchanges = 0;
  int extraVarbinds = 0;  // added to every GETBULK answer, as a faulty switch might

 private:
  using Oid = std::vector<std::uint32_t>;

  static Oid Parse(const QString& text) {
    Oid oid;
    for (const QString& part : text.split('.', Qt::SkipEmptyParts)) oid.push_back(part.toUInt());
    return oid;
  }
  static QString Text(const Oid& oid) {
    QStringList parts;
    for (std::uint32_t part : oid) parts << QString::number(part);
    return parts.join('.');
  }

  ZnSNMPAnswer Answer(const ZnSNMPTarget& target, ZnSNMPOperation operation,
                      const std::vector<ZnSNMPBinding>& asked) const {
    ZnSNMPAnswer answer;
    const bool bulk = operation == ZnSNMPOperation::GetBulk;
    std::vector<Oid> at;
    for (const ZnSNMPBinding& binding : asked) at.push_back(Parse(binding.Oid));
    for (int repetition = 0; repetition < (bulk ? target.MaxRepetitions : 1); ++repetition) {
      for (Oid& oid : at) {
        const auto next = objects_.upper_bound(oid);
        if (next == objects_.end()) {
          ZnSNMPValue end;
          end.Type = ZnSNMPValue::EndOfMibView;
          answer.Bindings.push_back({Text(oid), end});
          continue;
        }
        oid = next->first;
        answer.Bindings.push_back({Text(oid), next->second});
      }
    }
    if (bulk)
      for (int k = 0; k < extraVarbinds; ++k) answer.Bindings.push_back(answer.Bindings.back());
    return answer;
  }

  std::map<Oid, ZnSNMPValue> objects_;
  std::deque<std::function<void()>> due_;
  std::uint64_t ticket_ = std::uint64_t{1} << 62;
};

// A column without an object in a row shows none in that row and its next object in its own
// row, whether the rows come one get-next at a time or several to a GETBULK. A row the first
// column lacks is still a row (its index comes from the instance).
TEST_F(RequestTest, ASparseTableKeepsEveryValueInItsOwnRow) {
  TestApplication();
  const QStringList expected = {"1|10|port 1", "2|20|port 2",    "3|(NOTDONE)|port 3",
                                "4|40|port 4", "5|50|(NOTDONE)", "6|60|port 6"};
  for (const int repetitions : {0, 1, 2, 4, 50})
    for (const bool indexHole : {false, true}) {
      SCOPED_TRACE(qPrintable(
          QStringLiteral("repetitions %1, index hole %2").arg(repetitions).arg(indexHole)));
      SparseTable table(indexHole);
      int code = -1;
      EXPECT_EQ(table.Walk(repetitions, code), expected);
      EXPECT_EQ(code, 0);
      if (repetitions >= 4) {
        EXPECT_LT(table.exchanges, 6) << "the rows a bulk answer held were asked again";
      }
    }
}

// A GETBULK answer with more rows than were asked answers some other request: the walk fails
// as for a get-next answer with more varbinds than asked, and shows none of it.
TEST_F(RequestTest, ABulkAnswerWithMoreRowsThanAskedIsRefused) {
  TestApplication();
  SparseTable table;
  table.extraVarbinds = 1;
  int code = 0;
  EXPECT_TRUE(table.Walk(2, code).isEmpty());
  EXPECT_EQ(code, ZnSNMPMapError(-11).Code);
}

// Answers already known (a walk's next rows from a bulk answer) go out one after another, never
// one inside another; one cancelled by an earlier completion does not run; and a chain that
// never ends still leaves the event loop its turns.
TEST(SessionTest, KnownAnswersRunInOrderUnnestedCancellableAndNeverHoldTheLoop) {
  TestApplication();
  QTemporaryDir dir;
  ZnSNMPOpenSession(dir.path());
  std::vector<int> ran;
  int depth = 0;
  int deepest = 0;
  std::uint64_t cancelled = 0;
  auto note = [&](int n) {
    return [&, n](const ZnSNMPAnswer&) {
      deepest = std::max(deepest, ++depth);
      ran.push_back(n);
      if (n == 1) ZnSNMPCancel(cancelled);
      if (n == 3) ZnSNMPCompleteLater({}, [&](const ZnSNMPAnswer&) { ran.push_back(4); });
      --depth;
    };
  };
  ZnSNMPCompleteLater({}, note(1));
  cancelled = ZnSNMPCompleteLater({}, note(2));
  ZnSNMPCompleteLater({}, note(3));
  EXPECT_TRUE(ran.empty()) << "a known answer ran before the caller returned";
  ASSERT_TRUE(Await([&] { return ran.size() >= 3; }, 2000));
  EXPECT_EQ(ran, (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(deepest, 1);

  // Each completion queues the next, forever; a timer due now must still fire.
  bool timerFired = false;
  bool stop = false;
  long chained = 0;
  std::function<void(const ZnSNMPAnswer&)> again = [&](const ZnSNMPAnswer&) {
    ++chained;
    if (!stop) ZnSNMPCompleteLater({}, again);
  };
  ZnSNMPCompleteLater({}, again);
  QTimer::singleShot(0, [&] { timerFired = true; });
  EXPECT_TRUE(Await([&] { return timerFired; }, 5000)) << chained << " answers held the loop";
  stop = true;
  Await([] { return false; }, 50);
  EXPECT_GT(chained, 0);
}

}  // namespace

namespace {

// A switch that lacks some objects, answering gets as an SNMPv1 agent (noSuchName with the index
// of the first object it has not, nothing else answered) or as an SNMPv2c one (noSuchObject in
// the place of each). Writes are recorded, never answered with an error.
class LackingSwitch {
 public:
  LackingSwitch(bool snmpV1, std::set<QString> lacking)
      : snmpV1_(snmpV1), lacking_(std::move(lacking)) {}

  ZnSNMPSender Sender() {
    return [this](const ZnSNMPTarget&, ZnSNMPOperation operation,
                  const std::vector<ZnSNMPBinding>& asked, ZnSNMPCompletion completion) {
      ++exchanges;
      ZnSNMPAnswer answer;
      if (operation == ZnSNMPOperation::Set) {
        for (const ZnSNMPBinding& binding : asked) written << binding.Oid;
        answer.Bindings = asked;
      } else {
        for (size_t k = 0; k < asked.size(); ++k) {
          const QString& oid = asked[k].Oid;
          if (!lacking_.count(oid.chopped(2))) {
            answer.Bindings.push_back({oid, ValueOf(oid)});
            continue;
          }
          if (snmpV1_) {
            answer.Status = 2;  // noSuchName
            answer.ErrorIndex = static_cast<int>(k) + 1;
            answer.Bindings = asked;
            break;
          }
          ZnSNMPValue none;
          none.Type = ZnSNMPValue::NoSuchObject;
          answer.Bindings.push_back({oid, none});
        }
      }
      due_.push_back([answer, completion] { completion(answer); });
      return ++ticket_;
    };
  }

  // Runs the answers until the exchange reports; the result's code.
  int Finish(bool& done, int& code) {
    while (!done) {
      if (due_.empty()) {
        QCoreApplication::processEvents();
        continue;
      }
      auto answer = std::move(due_.front());
      due_.pop_front();
      answer();
    }
    return code;
  }

  // Values of the syntax the object's last sub-identifier names (see kLackingPage).
  static ZnSNMPValue ValueOf(const QString& oid) {
    const int kind = oid.section('.', -2, -2).toInt();
    switch (kind % 5) {
      case 0:
        return ZnSNMPValue::MakeInteger(kind);
      case 1:
        return ZnSNMPValue::MakeBytes(ZnSNMPValue::OctetString, QByteArray("port ") +
                                                                    QByteArray::number(kind));
      case 2:
        return ZnSNMPValue::MakeBytes(ZnSNMPValue::IpAddress, QByteArray("\x0a\x01\x02\x03", 4));
      case 3:
        return ZnSNMPValue::MakeBytes(ZnSNMPValue::OctetString,
                                      QByteArray("\x00\x1c\x2e\x00\x00\x01", 6));
      default:
        return ZnSNMPValue::MakeOid({1, 3, 6, 1, 4, 1, 99917, static_cast<std::uint32_t>(kind)});
    }
  }

  int exchanges = 0;
  QStringList written;

 private:
  bool snmpV1_;
  std::set<QString> lacking_;
  std::deque<std::function<void()>> due_;
  std::uint64_t ticket_ = std::uint64_t{1} << 61;
};

// Twenty writable scalars whose syntax cycles through a number, a display string, an address, a
// MAC and an OID (the kinds a switch may lack).
std::vector<ZnSNMPVarDef> LackingPage() {
  static const std::uint32_t kSyntaxes[] = {ZnSyntax::Integer, ZnSyntax::DisplayString,
                                            ZnSyntax::IpAddress, ZnSyntax::MacAddress,
                                            ZnSyntax::ObjectId};
  static std::vector<QByteArray> oids;
  std::vector<ZnSNMPVarDef> defs;
  oids.clear();
  for (int k = 0; k < 20; ++k) oids.push_back("1.3.6.1.4.1.99999.7." + QByteArray::number(k));
  for (int k = 0; k < 20; ++k) {
    ZnSNMPVarDef def;
    def.Oid = oids[static_cast<size_t>(k)].constData();
    def.Caption = "object";
    def.Syntax = kSyntaxes[k % 5];
    def.Access = ZnAccess::ReadWrite;
    defs.push_back(def);
  }
  defs.push_back({});
  return defs;
}

}  // namespace

// A switch that lacks three of twenty objects: over SNMPv1 the get is sent again without each
// object the agent names (four requests in all), over SNMPv2c once; either way the others are
// read, the three are absent (whatever their syntax: a string-like one is no refused answer),
// and no write carries them, even one that names them.
TEST(AbsentObjectTest, AReadLeavesOutWhatTheSwitchLacksAndNoWriteCarriesIt) {
  TestApplication();
  static QTemporaryDir dir;
  ZnSNMPOpenSession(dir.path());
  const std::set<QString> lacking = {"1.3.6.1.4.1.99999.7.3", "1.3.6.1.4.1.99999.7.11",
                                     "1.3.6.1.4.1.99999.7.19"};
  const std::vector<ZnSNMPVarDef> defs = LackingPage();
  for (const bool snmpV1 : {true, false}) {
    SCOPED_TRACE(snmpV1 ? "SNMPv1" : "SNMPv2c");
    LackingSwitch agent(snmpV1, lacking);
    ZnSNMPRequest request;
    request.Device.Address = "127.0.0.1";
    request.Security.Version = snmpV1 ? 0 : 1;
    request.VarList = ZnSNMPVarList(defs.data(), ZnItemType::SVT_SV, 0);
    request.Send = agent.Sender();
    bool done = false;
    int code = -1;
    request.GetAsync(
        [&](void*, const ZnSNMPError& result, ZnSNMPVarList&) {
          done = result.Done;
          code = result.Code;
        },
        nullptr, true);
    EXPECT_EQ(agent.Finish(done, code), 0);
    EXPECT_EQ(agent.exchanges, snmpV1 ? 4 : 1);
    ZnSNMPVarList expected(defs.data(), ZnItemType::SVT_SV, 0);
    for (int i = 0; i < expected.Count(); ++i) {
      const ZnSNMPVar& var = request.VarList.Item(i);
      SCOPED_TRACE(qPrintable(var.Oid));
      EXPECT_EQ(var.Absent, lacking.count(var.Oid) == 1);
      if (var.Absent) {
        EXPECT_EQ(var.Value, "");
        continue;
      }
      ZnStoreValue(expected, i, LackingSwitch::ValueOf(var.Oid + ".0"));
      EXPECT_EQ(var.Value, expected.Item(i).Value);
    }

    // Every write: the whole list, then one naming only the absent objects.
    for (const QString& mapping : {QString(), QStringLiteral("3,11,19")}) {
      agent.exchanges = 0;
      agent.written.clear();
      done = false;
      request.SetAsync(
          [&](void*, const ZnSNMPError& result, ZnSNMPVarList&) {
            done = result.Done;
            code = result.Code;
          },
          nullptr, mapping);
      EXPECT_EQ(agent.Finish(done, code), 0);
      EXPECT_EQ(agent.written.size(), mapping.isEmpty() ? 17 : 0);
      EXPECT_EQ(agent.exchanges, mapping.isEmpty() ? 1 : 0) << "nothing to write, nothing sent";
      for (const QString& oid : agent.written) EXPECT_FALSE(lacking.count(oid.chopped(2)));
    }
  }
}
