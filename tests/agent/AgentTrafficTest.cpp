// The live switch's interface counters read over SNMP: they follow the traffic model at its own
// rates by the agent's sysUpTime, stand still on a port without a link or a disabled one, and,
// started near the wrap, their 32-bit columns wrap while the 64-bit ones count on.

#include "DeviceOids.h"
#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "TrafficModel.h"

#include <gtest/gtest.h>

#include <QThread>

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>

namespace {

using nx596::CounterRate;
using nx596::PortCounter;
using nx596::test::NetSnmpTools;
using nx596::test::TickCount;
using nx596::test::ToolRun;
using nx596::test::V2c;

constexpr std::uint64_t k2To32 = std::uint64_t{1} << 32;
const QString kSysUpTime = QStringLiteral("1.3.6.1.2.1.1.3.0");
const QString kPortAdminState = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2.%1");

QString If(int column, std::uint32_t port) {
  return QStringLiteral("1.3.6.1.2.1.2.2.1.%1.%2").arg(column).arg(port);
}
QString IfX(int column, std::uint32_t port) {
  return QStringLiteral("1.3.6.1.2.1.31.1.1.1.%1.%2").arg(column).arg(port);
}

// One GET: sysUpTime and the instances, all of the same moment.
struct Reading {
  qint64 upTime = -1;
  std::map<QString, std::uint64_t> values;
  std::uint64_t operator[](const QString& oid) const {
    const auto found = values.find(oid);
    return found == values.end() ? 0 : found->second;
  }
};

Reading Read(const NetSnmpTools& tools, const QStringList& oids) {
  const ToolRun run = tools.Run(QStringLiteral("snmpget"), V2c(QStringLiteral("tamrel")),
                                QStringList{kSysUpTime} + oids);
  EXPECT_EQ(run.exitCode, 0) << run;
  Reading reading;
  reading.upTime = TickCount(run.Find(kSysUpTime));
  for (const QString& oid : oids) {
    bool number = false;
    reading.values[oid] = run.Find(oid).value.toULongLong(&number);
    EXPECT_TRUE(number) << oid.toStdString() << run;
  }
  return reading;
}

bool SetAdminState(const NetSnmpTools& tools, std::uint32_t port, int state) {
  const ToolRun run =
      tools.Run(QStringLiteral("snmpset"), V2c(QStringLiteral("vosquin")),
                {kPortAdminState.arg(port), QStringLiteral("i"), QString::number(state)});
  EXPECT_EQ(run.exitCode, 0) << run;
  return run.exitCode == 0;
}

// Between two reads a busy port's 64-bit counters grow by its profile's rate times the
// difference of sysUpTime. The counters and sysUpTime of one request are taken moments apart
// (more on a loaded machine): ten hundredths of a second, and one unit at either end, is the
// tolerance, about 3 % of the rate; a rate in bits instead of octets or by another clock is
// far off.
TEST(AgentTraffic, BusyPortsCountAtTheirRateBySysUpTime) {
  Nx596Agent agent({"--leds-live", "--slot1", "1", "--slot2", "3"});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  struct Watched {
    QString oid;
    std::uint32_t port;
    PortCounter counter;
  };
  std::vector<Watched> watched;
  for (std::uint32_t port : {1u, 2u, 3u, 4u, 25u, 26u}) {
    watched.push_back({IfX(6, port), port, PortCounter::kInOctets});
    watched.push_back({IfX(10, port), port, PortCounter::kOutOctets});
  }
  watched.push_back({IfX(7, 1), 1, PortCounter::kInUcast});
  watched.push_back({IfX(11, 3), 3, PortCounter::kOutUcast});
  QStringList oids;
  for (const Watched& w : watched) oids << w.oid;

  const Reading first = Read(tools, oids);
  QThread::msleep(3000);
  const Reading second = Read(tools, oids);
  const double ticks = static_cast<double>(second.upTime - first.upTime);
  ASSERT_GE(ticks, 300) << "sysUpTime counts the agent's hundredths of a second";
  ASSERT_LE(ticks, 1500);
  for (const Watched& w : watched) {
    const double expected = CounterRate(w.port, w.counter);
    const double rate = static_cast<double>(second[w.oid] - first[w.oid]) * 100 / ticks;
    EXPECT_NEAR(rate, expected, expected * 10 / ticks + 200 / ticks) << w.oid.toStdString();
  }
}

TEST(AgentTraffic, PortsWithoutALinkOrDisabledCountNothing) {
  Nx596Agent agent({"--leds-live"});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  const auto countersOf = [](std::uint32_t port) {
    return QStringList{If(10, port), If(11, port),  If(16, port), If(17, port),
                       IfX(6, port), IfX(10, port), IfX(8, port), If(8, port)};
  };
  const QStringList oids = countersOf(2) + countersOf(22);

  const Reading busy = Read(tools, oids);
  EXPECT_EQ(busy[If(8, 2)], 1u) << "port 2 is up";
  EXPECT_EQ(busy[If(8, 22)], 2u) << "nothing is plugged into port 22";

  ASSERT_TRUE(SetAdminState(tools, 2, 2));  // disabled
  const Reading disabled = Read(tools, oids);
  EXPECT_GT(disabled[IfX(6, 2)], busy[IfX(6, 2)]) << "port 2 carried traffic until disabled";
  EXPECT_EQ(disabled[If(8, 2)], 2u);
  QThread::msleep(1500);
  const Reading later = Read(tools, oids + QStringList{});
  ASSERT_GE(later.upTime - disabled.upTime, 100);
  for (const QString& oid : oids) EXPECT_EQ(later[oid], disabled[oid]) << oid.toStdString();
  // The panel and the interface table of one moment tell the same links, right after a write
  // as well: the device's rules redraw the panel after every write, even one that changes no
  // port's state, like this second disabling.
  ASSERT_TRUE(SetAdminState(tools, 2, 2));
  QStringList panelAndLinks{kLedStatus};
  for (std::uint32_t port = 1; port <= 24; ++port) panelAndLinks << If(8, port);
  const ToolRun panel =
      tools.Run(QStringLiteral("snmpget"), V2c(QStringLiteral("tamrel")), panelAndLinks);
  const QStringList leds = panel.Find(kLedStatus).value.split(' ');
  ASSERT_EQ(leds.size(), 54) << panel;
  for (std::uint32_t port = 1; port <= 24; ++port) {
    EXPECT_EQ(leds[2 * port] != QStringLiteral("00"), panel.Find(If(8, port)).value == "1")
        << "port " << port << panel;
  }
  EXPECT_EQ(leds[4], QStringLiteral("00")) << "the LED of a disabled port is dark";

  ASSERT_TRUE(SetAdminState(tools, 2, 3));  // enabled again
  QThread::msleep(500);
  const Reading enabled = Read(tools, oids);
  EXPECT_EQ(enabled[If(8, 2)], 1u);
  EXPECT_GT(enabled[IfX(6, 2)], later[IfX(6, 2)]);
  EXPECT_EQ(enabled[IfX(6, 22)], busy[IfX(6, 22)]);
}

// Started 8 s of traffic below 2^32, the octet counters of the busy ports wrap within seconds;
// then, for every port, each 32-bit counter is its 64-bit kin modulo 2^32 and the non-unicast
// packets are the multicast and broadcast ones together.
TEST(AgentTraffic, ThirtyTwoBitCountersWrapAndAgreeWithTheirSixtyFourBitKin) {
  Nx596Agent agent({"--leds-live", "--slot1", "2", "--counters-near-wrap=8"});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  QStringList octets;
  for (std::uint32_t port = 1; port <= 4; ++port) octets << If(10, port) << If(16, port);

  const Reading before = Read(tools, octets);
  // Waits until every counter has passed 2^32, by its own rate, and a second more.
  double untilWrap = 0;
  for (std::uint32_t port = 1; port <= 4; ++port) {
    for (const auto& [oid, counter] : {std::pair{If(10, port), PortCounter::kInOctets},
                                       {If(16, port), PortCounter::kOutOctets}}) {
      EXPECT_GT(before[oid], k2To32 - 50'000'000) << oid.toStdString() << " starts near the wrap";
      untilWrap = std::max(untilWrap,
                           static_cast<double>(k2To32 - before[oid]) / CounterRate(port, counter));
    }
  }
  ASSERT_LT(untilWrap, 10.0);
  QThread::msleep(static_cast<unsigned long>(untilWrap * 1000) + 1000);
  const Reading after = Read(tools, octets);
  const double ticks = static_cast<double>(after.upTime - before.upTime);
  for (std::uint32_t port = 1; port <= 4; ++port) {
    const QString in = If(10, port);
    EXPECT_LT(after[in], before[in]) << in.toStdString() << " wrapped";
    const double rate =
        static_cast<double>((after[in] + k2To32 - before[in]) % k2To32) * 100 / ticks;
    const double expected = CounterRate(port, PortCounter::kInOctets);
    EXPECT_NEAR(rate, expected, expected * 10 / ticks + 200 / ticks) << in.toStdString();
  }

  struct Kin {
    int narrowColumn;
    bool narrowInIfX;
    int wideColumn;
  };
  const Kin kin[] = {{10, false, 6}, {11, false, 7}, {16, false, 10}, {17, false, 11},
                     {2, true, 8},   {3, true, 9},   {4, true, 12},   {5, true, 13}};
  for (std::uint32_t first = 1; first <= 26; first += 3) {
    QStringList oids;
    for (std::uint32_t port = first; port < first + 3 && port <= 26; ++port) {
      for (const Kin& k : kin)
        oids << (k.narrowInIfX ? IfX(k.narrowColumn, port) : If(k.narrowColumn, port))
             << IfX(k.wideColumn, port);
      oids << If(12, port) << If(18, port);
    }
    const Reading reading = Read(tools, oids);
    for (std::uint32_t port = first; port < first + 3 && port <= 26; ++port) {
      SCOPED_TRACE("port " + std::to_string(port));
      for (const Kin& k : kin) {
        const QString narrow = k.narrowInIfX ? IfX(k.narrowColumn, port) : If(k.narrowColumn, port);
        EXPECT_EQ(reading[narrow], reading[IfX(k.wideColumn, port)] % k2To32)
            << narrow.toStdString();
      }
      EXPECT_EQ(reading[If(12, port)], (reading[IfX(8, port)] + reading[IfX(9, port)]) % k2To32);
      EXPECT_EQ(reading[If(18, port)], (reading[IfX(12, port)] + reading[IfX(13, port)]) % k2To32);
    }
    if (first == 1) {
      EXPECT_GE(reading[IfX(6, 1)], k2To32) << "the 64-bit octets count on past 2^32";
    }
  }
}

}  // namespace
