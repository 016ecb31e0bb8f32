#include "TrafficModel.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace nx596 {

namespace {

using enum LinkPattern;

struct ProfileRange {
  std::uint32_t first, last;
  PortProfile profile;
};

// link, bits per second in and out, average frame, LED lit one second in N
constexpr ProfileRange kProfiles[] = {
    // Busy front ports (100 Mbit/s each): a few Mbit/s both ways, the LED always blinking.
    {1, 1, {kSteady, 6'000'000, 2'000'000, 800, 1}},
    {2, 2, {kSteady, 2'500'000, 9'000'000, 1000, 1}},
    {3, 3, {kSteady, 12'000'000, 5'000'000, 1200, 1}},
    {4, 4, {kSteady, 4'000'000, 4'000'000, 600, 1}},
    // Linked but nearly idle: a few small frames a second.
    {5, 8, {kSteady, 4'000, 2'000, 125, 4}},
    // Links that come and go, moderately busy while up.
    {9, 20, {kComingAndGoing, 800'000, 400'000, 500, 2}},
    // Nothing plugged in.
    {21, 24, {kAbsent, 0, 0, 64, 1}},
    // The gigabit uplinks, busy, when a module is fitted in their slot.
    {25, 25, {kSteady, 40'000'000, 60'000'000, 1200, 1}},
    {26, 26, {kSteady, 20'000'000, 15'000'000, 900, 1}},
};

// Of every 100 frames 94 are unicast, 4 multicast and 2 broadcast. One received frame in
// 10,000 is bad and one in 2,000 is dropped; one sent frame in 50,000 fails and one in 5,000
// is dropped for want of buffers.
constexpr double kUnicastShare = 0.94;
constexpr double kMulticastShare = 0.04;
constexpr double kBroadcastShare = 0.02;
constexpr double kInErrorsPerFrame = 1.0 / 10'000;
constexpr double kInDiscardsPerFrame = 1.0 / 2'000;
constexpr double kOutErrorsPerFrame = 1.0 / 50'000;
constexpr double kOutDiscardsPerFrame = 1.0 / 5'000;

constexpr std::uint64_t k2To32 = std::uint64_t{1} << 32;

const Oid kIfEntry = {1, 3, 6, 1, 2, 1, 2, 2, 1};
const Oid kIfXEntry = {1, 3, 6, 1, 2, 1, 31, 1, 1, 1};
const Oid kDot3StatsEntry = {1, 3, 6, 1, 2, 1, 10, 7, 2, 1};
const Oid kEtherStatsEntry = {1, 3, 6, 1, 2, 1, 16, 1, 1, 1};
const Oid kTpPortEntry = {1, 3, 6, 1, 2, 1, 17, 4, 4, 1};
const Oid kPortInfoEntry = {1, 3, 6, 1, 4, 1, 99917, 11, 63, 3, 2, 2, 1, 1};

Value Counter32(std::uint64_t total) {
  return Value{total % k2To32};
}
Value Counter64(std::uint64_t total) {
  return Value{total};
}

// The column and port of an instance `entry`.column.port, or nullopt.
std::optional<std::pair<std::uint32_t, std::uint32_t>> ColumnAndPort(const Oid& instance,
                                                                     const Oid& entry) {
  if (instance.size() != entry.size() + 2 || !StartsWith(instance, entry)) return std::nullopt;
  const std::uint32_t port = instance.back();
  if (port < 1 || port > TrafficModel::kPorts) return std::nullopt;
  return std::make_pair(instance[entry.size()], port);
}

}  // namespace

const PortProfile& TrafficProfile(std::uint32_t port) {
  for (const ProfileRange& range : kProfiles)
    if (port >= range.first && port <= range.last) return range.profile;
  throw std::out_of_range("no port " + std::to_string(port));
}

double CounterRate(std::uint32_t port, PortCounter counter) {
  const PortProfile& profile = TrafficProfile(port);
  const double inOctets = static_cast<double>(profile.inBitsPerSecond) / 8;
  const double outOctets = static_cast<double>(profile.outBitsPerSecond) / 8;
  const double inFrames = inOctets / profile.frameOctets;
  const double outFrames = outOctets / profile.frameOctets;
  switch (counter) {
    case PortCounter::kInOctets:
      return inOctets;
    case PortCounter::kInUcast:
      return inFrames * kUnicastShare;
    case PortCounter::kInMulticast:
      return inFrames * kMulticastShare;
    case PortCounter::kInBroadcast:
      return inFrames * kBroadcastShare;
    case PortCounter::kInDiscards:
      return inFrames * kInDiscardsPerFrame;
    case PortCounter::kInErrors:
      return inFrames * kInErrorsPerFrame;
    case PortCounter::kOutOctets:
      return outOctets;
    case PortCounter::kOutUcast:
      return outFrames * kUnicastShare;
    case PortCounter::kOutMulticast:
      return outFrames * kMulticastShare;
    case PortCounter::kOutBroadcast:
      return outFrames * kBroadcastShare;
    case PortCounter::kOutDiscards:
      return outFrames * kOutDiscardsPerFrame;
    case PortCounter::kOutErrors:
      return outFrames * kOutErrorsPerFrame;
  }
  return 0;
}

TrafficModel::TrafficModel(const TrafficOptions& options, std::uint64_t now) {
  for (std::uint32_t port = 1; port <= kPorts; ++port) {
    Port& p = At(port);
    p.since = now;
    switch (TrafficProfile(port).link) {
      case kSteady:
        p.partner = port <= 24 || options.slotFitted[port - 25];
        break;
      case kComingAndGoing:
        p.partner = Next() % 2 == 0;
        break;
      case kAbsent:
        p.partner = false;
        break;
    }
    if (options.wrapAfterSeconds == 0) continue;
    // A counter too slow to count once in that time starts one below the wrap.
    for (std::size_t c = 0; c < kPortCounterCount; ++c) {
      const double lead = CounterRate(port, static_cast<PortCounter>(c)) * options.wrapAfterSeconds;
      p.counted[c] =
          k2To32 - std::clamp<std::uint64_t>(static_cast<std::uint64_t>(lead), 1, k2To32 - 1);
    }
  }
  Step(now);
}

// xorshift32: small, and the same sequence on every platform.
std::uint32_t TrafficModel::Next() {
  random_ ^= random_ << 13;
  random_ ^= random_ >> 17;
  random_ ^= random_ << 5;
  return random_;
}

void TrafficModel::Settle(std::uint32_t port, std::uint64_t now) {
  Port& p = At(port);
  for (std::size_t c = 0; c < kPortCounterCount; ++c)
    p.counted[c] = Count(port, static_cast<PortCounter>(c), now);
  p.since = now;
}

void TrafficModel::Step(std::uint64_t now) {
  for (std::uint32_t port = 1; port <= kPorts; ++port) {
    const PortProfile& profile = TrafficProfile(port);
    Port& p = At(port);
    if (profile.link == kComingAndGoing && Next() % 4 == 0) {
      Settle(port, now);
      p.partner = !p.partner;
      if (p.enabled) p.lastChange = now;
    }
    p.active = LinkUp(port) && Next() % profile.blinkOneIn == 0;
  }
}

void TrafficModel::SetEnabled(std::uint32_t port, bool enabled, std::uint64_t now) {
  Port& p = At(port);
  if (p.enabled == enabled) return;
  Settle(port, now);
  p.enabled = enabled;
  if (p.partner) p.lastChange = now;
  p.active = p.active && LinkUp(port);
}

bool TrafficModel::LinkUp(std::uint32_t port) const {
  return At(port).partner && At(port).enabled;
}

bool TrafficModel::Active(std::uint32_t port) const {
  return At(port).active;
}

std::uint64_t TrafficModel::LastChange(std::uint32_t port) const {
  return At(port).lastChange;
}

std::uint64_t TrafficModel::Count(std::uint32_t port, PortCounter counter,
                                  std::uint64_t now) const {
  const Port& p = At(port);
  const std::uint64_t counted = p.counted[static_cast<std::size_t>(counter)];
  // A time before the last settling (which no caller should pass) adds nothing.
  if (!LinkUp(port) || now <= p.since) return counted;
  return counted + static_cast<std::uint64_t>(CounterRate(port, counter) *
                                              static_cast<double>(now - p.since) / 100);
}

std::optional<Value> TrafficModel::ValueOf(const Oid& instance, std::uint64_t now) const {
  using enum PortCounter;
  if (const auto at = ColumnAndPort(instance, kIfEntry)) {
    const auto [column, port] = *at;
    const auto count = [&](PortCounter counter) { return Count(port, counter, now); };
    switch (column) {
      case 8:
        return Value{std::int64_t{LinkUp(port) ? 1 : 2}};
      case 9:
        return Value{LastChange(port) % k2To32};  // TimeTicks, like sysUpTime
      case 10:
        return Counter32(count(kInOctets));
      case 11:
        return Counter32(count(kInUcast));
      case 12:
        return Counter32(count(kInMulticast) + count(kInBroadcast));
      case 13:
        return Counter32(count(kInDiscards));
      case 14:
        return Counter32(count(kInErrors));
      case 16:
        return Counter32(count(kOutOctets));
      case 17:
        return Counter32(count(kOutUcast));
      case 18:
        return Counter32(count(kOutMulticast) + count(kOutBroadcast));
      case 19:
        return Counter32(count(kOutDiscards));
      case 20:
        return Counter32(count(kOutErrors));
      default:
        return std::nullopt;
    }
  }
  if (const auto at = ColumnAndPort(instance, kIfXEntry)) {
    const auto [column, port] = *at;
    constexpr PortCounter kColumns[] = {kInMulticast, kInBroadcast, kOutMulticast, kOutBroadcast,
                                        kInOctets,    kInUcast,     kInMulticast,  kInBroadcast,
                                        kOutOctets,   kOutUcast,    kOutMulticast, kOutBroadcast};
    // Columns 2-5 are the 32-bit packet counters, 6-13 their 64-bit (high capacity) kin.
    if (column < 2 || column > 13) return std::nullopt;
    const std::uint64_t total = Count(port, kColumns[column - 2], now);
    return column <= 5 ? Counter32(total) : Counter64(total);
  }
  if (const auto at = ColumnAndPort(instance, kEtherStatsEntry)) {
    const auto [column, port] = *at;
    const auto count = [&](PortCounter counter) { return Count(port, counter, now); };
    const std::uint64_t packets = count(kInUcast) + count(kInMulticast) + count(kInBroadcast);
    // The frame sizes split the received frames in fixed shares (hundredths), the largest
    // frames taking the rest, so that the buckets add up to the packets.
    constexpr std::uint64_t kSizeShares[] = {40, 25, 10, 8, 7};
    switch (column) {
      case 3:
        return Counter32(count(kInDiscards));
      case 4:
        return Counter32(count(kInOctets));
      case 5:
        return Counter32(packets);
      case 6:
        return Counter32(count(kInBroadcast));
      case 7:
        return Counter32(count(kInMulticast));
      case 8:
        return Counter32(count(kInErrors));
      case 14:
      case 15:
      case 16:
      case 17:
      case 18:
        return Counter32(packets * kSizeShares[column - 14] / 100);
      case 19: {
        std::uint64_t rest = packets;
        for (std::uint64_t share : kSizeShares) rest -= packets * share / 100;
        return Counter32(rest);
      }
      default:
        return std::nullopt;
    }
  }
  if (const auto at = ColumnAndPort(instance, kTpPortEntry)) {
    const auto [column, port] = *at;
    const auto count = [&](PortCounter counter) { return Count(port, counter, now); };
    switch (column) {
      case 3:
        return Counter32(count(kInUcast) + count(kInMulticast) + count(kInBroadcast));
      case 4:
        return Counter32(count(kOutUcast) + count(kOutMulticast) + count(kOutBroadcast));
      case 5:
        return Counter32(count(kInDiscards));
      default:
        return std::nullopt;
    }
  }
  if (const auto at = ColumnAndPort(instance, kDot3StatsEntry)) {
    const auto [column, port] = *at;
    if (column == 3) return Counter32(Count(port, kInErrors, now));  // FCS errors
    return std::nullopt;
  }
  if (const auto at = ColumnAndPort(instance, kPortInfoEntry)) {
    const auto [column, port] = *at;
    const bool up = LinkUp(port);
    if (column == 4) return Value{std::int64_t{up ? 2 : 3}};  // link-pass, link-fail
    // Negotiated: full duplex without flow control at the port's speed, or auto while down.
    if (column == 5) return Value{std::int64_t{!up ? 1 : port > 24 ? 11 : 7}};
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace nx596
