// The traffic of the live switch on its own: counters that grow at their port's rate while the
// link is up and stand still while it is down, the IF-MIB values made from them, and counters
// started near the 32-bit wrap.

#include "TrafficModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace {

using nx596::CounterRate;
using nx596::kPortCounterCount;
using nx596::Oid;
using nx596::PortCounter;
using nx596::TrafficModel;
using nx596::TrafficOptions;
using nx596::Value;

constexpr std::uint64_t k2To32 = std::uint64_t{1} << 32;
constexpr std::uint32_t kStart = 1234;  // the agent's uptime when the traffic starts

Oid IfColumn(std::uint32_t column, std::uint32_t port) {
  return {1, 3, 6, 1, 2, 1, 2, 2, 1, column, port};
}
Oid IfXColumn(std::uint32_t column, std::uint32_t port) {
  return {1, 3, 6, 1, 2, 1, 31, 1, 1, 1, column, port};
}

std::uint64_t Number(const std::optional<Value>& value) {
  EXPECT_TRUE(value.has_value());
  return value ? std::get<std::uint64_t>(*value) : 0;
}

TrafficOptions WithModules() {
  TrafficOptions options;
  options.slotFitted[0] = options.slotFitted[1] = true;
  return options;
}

PortCounter CounterAt(std::size_t k) {
  return static_cast<PortCounter>(k);
}

// Ports whose link never changes: what they count over 90.01 s is their rate times the time,
// to the counted unit; a port without a partner (21-24) counts nothing.
TEST(TrafficModel, SteadyPortsCountAtTheirRate) {
  TrafficModel traffic(WithModules(), kStart);
  const std::uint32_t later = kStart + 9001;
  for (std::uint32_t port : {1u, 2u, 3u, 4u, 5u, 8u, 21u, 24u, 25u, 26u}) {
    SCOPED_TRACE("port " + std::to_string(port));
    const bool linked = port < 21 || port > 24;
    EXPECT_EQ(traffic.LinkUp(port), linked);
    for (std::size_t k = 0; k < kPortCounterCount; ++k) {
      SCOPED_TRACE(k);
      const std::uint64_t counted =
          traffic.Count(port, CounterAt(k), later) - traffic.Count(port, CounterAt(k), kStart);
      const double expected = linked ? CounterRate(port, CounterAt(k)) * 90.01 : 0.0;
      EXPECT_LE(std::abs(static_cast<double>(counted) - expected), 1.0);
    }
  }
  // Counting goes on as long as the agent runs, past 2^32 hundredths (497 days) too.
  const std::uint64_t yearsLater = kStart + 5'000'000'000ULL;
  EXPECT_NEAR(static_cast<double>(traffic.Count(1, PortCounter::kInOctets, yearsLater) -
                                  traffic.Count(1, PortCounter::kInOctets, kStart)),
              CounterRate(1, PortCounter::kInOctets) * 5e7, 1.0);
  // The busy ports carry several Mbit/s, the idle ones a few frames a second.
  for (std::uint32_t port : {1u, 2u, 3u, 4u, 25u, 26u})
    EXPECT_GE(CounterRate(port, PortCounter::kInOctets) * 8, 2e6) << port;
  for (std::uint32_t port : {5u, 6u, 7u, 8u})
    EXPECT_LE(CounterRate(port, PortCounter::kInUcast), 10.0) << port;
}

TEST(TrafficModel, UplinksWithoutAModuleHaveNoLink) {
  TrafficModel traffic(TrafficOptions{}, kStart);
  for (std::uint32_t port : {25u, 26u}) {
    EXPECT_FALSE(traffic.LinkUp(port));
    EXPECT_EQ(traffic.Count(port, PortCounter::kOutOctets, kStart + 6000), 0u);
  }
}

TEST(TrafficModel, ADisabledPortKeepsItsTotalsAndResumesWhenEnabled) {
  TrafficModel traffic(TrafficOptions{}, kStart);
  const auto octets = [&](std::uint32_t now) {
    return traffic.Count(2, PortCounter::kOutOctets, now);
  };
  const std::uint64_t atDisable = octets(kStart + 1000);
  traffic.SetEnabled(2, false, kStart + 1000);
  EXPECT_FALSE(traffic.LinkUp(2));
  EXPECT_EQ(traffic.LastChange(2), kStart + 1000);
  EXPECT_EQ(octets(kStart + 1000), atDisable);
  EXPECT_EQ(octets(kStart + 5000), atDisable) << "nothing moves while disabled";
  EXPECT_EQ(traffic.ValueOf(IfColumn(8, 2), kStart + 5000), Value{std::int64_t{2}});

  traffic.SetEnabled(2, true, kStart + 5000);
  EXPECT_TRUE(traffic.LinkUp(2));
  EXPECT_EQ(traffic.LastChange(2), kStart + 5000);
  const double rate = CounterRate(2, PortCounter::kOutOctets);
  EXPECT_NEAR(static_cast<double>(octets(kStart + 5300) - atDisable), rate * 3, 1.0);
}

// Every object that tells a port's link follows it: ifOperStatus, the device's link status and
// negotiated speed, and ifLastChange.
TEST(TrafficModel, LinkObjectsFollowTheLink) {
  TrafficModel traffic(WithModules(), kStart);
  traffic.SetEnabled(3, false, kStart + 700);
  const auto number = [&](const Oid& instance) {
    const std::optional<Value> value = traffic.ValueOf(instance, kStart + 800);
    EXPECT_TRUE(value) << nx596::FormatOid(instance);
    return value ? std::get<std::int64_t>(*value) : -1;
  };
  const auto info = [](std::uint32_t column, std::uint32_t port) {
    return Oid{1, 3, 6, 1, 4, 1, 99917, 11, 63, 3, 2, 2, 1, 1, column, port};
  };
  struct Row {
    std::uint32_t port;
    std::int64_t operStatus, linkStatus, nway;
    std::uint64_t lastChange;
  };
  const Row rows[] = {
      {1, 1, 2, 7, 0},             // up: full duplex at 100 Mbit/s
      {3, 2, 3, 1, kStart + 700},  // disabled
      {22, 2, 3, 1, 0},            // nothing plugged in
      {25, 1, 2, 11, 0},           // a fitted uplink: full duplex at 1 Gbit/s
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("port " + std::to_string(row.port));
    EXPECT_EQ(number(IfColumn(8, row.port)), row.operStatus);
    EXPECT_EQ(number(info(4, row.port)), row.linkStatus);
    EXPECT_EQ(number(info(5, row.port)), row.nway);
    EXPECT_EQ(traffic.ValueOf(IfColumn(9, row.port), kStart + 800), Value{row.lastChange});
  }
  EXPECT_FALSE(traffic.ValueOf(info(6, 1), kStart));
}

// Links that come and go: over two minutes of steps some go down and up again; a port counts
// only while up, and its totals never go back.
TEST(TrafficModel, LinksComeAndGoAndCountOnlyWhileUp) {
  TrafficModel traffic(TrafficOptions{}, kStart);
  int changes = 0;
  for (std::uint32_t second = 1; second <= 120; ++second) {
    const std::uint32_t before = kStart + 100 * (second - 1);
    const std::uint32_t now = kStart + 100 * second;
    for (std::uint32_t port = 9; port <= 20; ++port) {
      const bool wasUp = traffic.LinkUp(port);
      const std::uint64_t start = traffic.Count(port, PortCounter::kInOctets, before);
      const std::uint64_t end = traffic.Count(port, PortCounter::kInOctets, now);
      if (wasUp) {
        EXPECT_NEAR(static_cast<double>(end - start), CounterRate(port, PortCounter::kInOctets),
                    1.0);
      } else {
        EXPECT_EQ(end, start) << "port " << port << " at " << second;
      }
    }
    bool up[21] = {};
    for (std::uint32_t port = 9; port <= 20; ++port) up[port] = traffic.LinkUp(port);
    std::uint64_t totals[21] = {};
    for (std::uint32_t port = 9; port <= 20; ++port)
      totals[port] = traffic.Count(port, PortCounter::kInOctets, now);
    traffic.Step(now);
    for (std::uint32_t port = 9; port <= 20; ++port) {
      EXPECT_EQ(traffic.Count(port, PortCounter::kInOctets, now), totals[port]);
      if (up[port] != traffic.LinkUp(port)) {
        ++changes;
        EXPECT_EQ(traffic.LastChange(port), now);
      }
    }
  }
  EXPECT_GE(changes, 20);
}

// The same total reads as one 64-bit counter and, modulo 2^32, as its 32-bit column; the
// non-unicast columns of ifTable are multicast plus broadcast.
TEST(TrafficModel, InterfaceColumnsAgree) {
  TrafficOptions options = WithModules();
  options.wrapAfterSeconds = 5;
  TrafficModel traffic(options, kStart);
  struct Pair {
    Oid (*table)(std::uint32_t, std::uint32_t);
    std::uint32_t narrow;
    std::uint32_t wide;
  };
  const Pair pairs[] = {
      {IfColumn, 10, 6}, {IfColumn, 11, 7}, {IfColumn, 16, 10}, {IfColumn, 17, 11},
      {IfXColumn, 2, 8}, {IfXColumn, 3, 9}, {IfXColumn, 4, 12}, {IfXColumn, 5, 13},
  };
  for (std::uint32_t now : {kStart, kStart + 499, kStart + 3000}) {
    for (std::uint32_t port = 1; port <= TrafficModel::kPorts; ++port) {
      SCOPED_TRACE("port " + std::to_string(port) + " at " + std::to_string(now));
      for (const Pair& pair : pairs) {
        const std::uint64_t wide = Number(traffic.ValueOf(IfXColumn(pair.wide, port), now));
        EXPECT_EQ(Number(traffic.ValueOf(pair.table(pair.narrow, port), now)), wide % k2To32)
            << pair.narrow;
      }
      const auto sum = [&](std::uint32_t multicast, std::uint32_t broadcast) {
        return (Number(traffic.ValueOf(IfXColumn(multicast, port), now)) +
                Number(traffic.ValueOf(IfXColumn(broadcast, port), now))) %
               k2To32;
      };
      EXPECT_EQ(Number(traffic.ValueOf(IfColumn(12, port), now)), sum(8, 9));
      EXPECT_EQ(Number(traffic.ValueOf(IfColumn(18, port), now)), sum(12, 13));

      // RMON, the bridge and EtherLike-MIB count the same received traffic.
      const auto in = [&](std::uint32_t column) {
        return Number(traffic.ValueOf(IfColumn(column, port), now));
      };
      const auto column = [&](std::initializer_list<std::uint32_t> entry, std::uint32_t c) {
        Oid instance(entry);
        instance.push_back(c);
        instance.push_back(port);
        return Number(traffic.ValueOf(instance, now));
      };
      const auto etherStats = [&](std::uint32_t c) {
        return column({1, 3, 6, 1, 2, 1, 16, 1, 1, 1}, c);
      };
      const auto tpPort = [&](std::uint32_t c) {
        return column({1, 3, 6, 1, 2, 1, 17, 4, 4, 1}, c);
      };
      const std::uint64_t received = (in(11) + in(12)) % k2To32;
      EXPECT_EQ(etherStats(4), in(10));
      EXPECT_EQ(etherStats(5), received);
      EXPECT_EQ(etherStats(6), Number(traffic.ValueOf(IfXColumn(3, port), now)));
      EXPECT_EQ(etherStats(7), Number(traffic.ValueOf(IfXColumn(2, port), now)));
      EXPECT_EQ(etherStats(8), in(14));
      EXPECT_EQ(etherStats(3), in(13));
      std::uint64_t buckets = 0;
      for (std::uint32_t c = 14; c <= 19; ++c) buckets += etherStats(c);
      EXPECT_EQ(buckets % k2To32, received) << "the frame sizes add up to the frames";
      EXPECT_EQ(tpPort(3), received);
      EXPECT_EQ(tpPort(4), (in(17) + in(18)) % k2To32);
      EXPECT_EQ(tpPort(5), in(13));
      EXPECT_EQ(column({1, 3, 6, 1, 2, 1, 10, 7, 2, 1}, 3), in(14));
    }
  }
  // Instances the traffic does not drive keep their stored values.
  EXPECT_FALSE(traffic.ValueOf(IfColumn(2, 1), kStart));    // ifDescr
  EXPECT_FALSE(traffic.ValueOf(IfColumn(10, 27), kStart));  // no such port
  EXPECT_FALSE(traffic.ValueOf(IfXColumn(14, 1), kStart));  // ifLinkUpDownTrapEnable
  EXPECT_FALSE(traffic.ValueOf({1, 3, 6, 1, 2, 1, 2, 2, 1, 10}, kStart));
}

// Started near the wrap, a counter of a busy port passes 2^32 after the given seconds: its
// 32-bit column starts over from a small number, its 64-bit one counts on.
TEST(TrafficModel, CountersStartedNearTheWrapPassItSoon) {
  TrafficOptions options;
  options.wrapAfterSeconds = 30;
  TrafficModel traffic(options, kStart);
  for (std::uint32_t port = 1; port <= 4; ++port) {
    for (std::size_t k = 0; k < kPortCounterCount; ++k) {
      SCOPED_TRACE("port " + std::to_string(port) + " counter " + std::to_string(k));
      const std::uint64_t start = traffic.Count(port, CounterAt(k), kStart);
      EXPECT_LT(start, k2To32);
      const double rate = CounterRate(port, CounterAt(k));
      EXPECT_GE(static_cast<double>(start), static_cast<double>(k2To32) - rate * 30 - 1);
      // Errors too rare to count once in 30 s wrap at their first.
      if (rate * 30 >= 1) {
        EXPECT_GE(traffic.Count(port, CounterAt(k), kStart + 3000), k2To32);
      }
    }
    const std::uint64_t before = Number(traffic.ValueOf(IfColumn(10, port), kStart + 2900));
    const std::uint64_t after = Number(traffic.ValueOf(IfColumn(10, port), kStart + 3100));
    EXPECT_LT(after, before) << "the 32-bit octets of port " << port << " wrapped";
    EXPECT_NEAR(static_cast<double>(after + k2To32 - before),
                CounterRate(port, PortCounter::kInOctets) * 2, 1.0);
    EXPECT_GT(Number(traffic.ValueOf(IfXColumn(6, port), kStart + 3100)), k2To32);
  }
}

}  // namespace
