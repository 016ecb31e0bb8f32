#pragma once

#include "MibValue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// The traffic of a switch in use: which ports have a link, what they carry and the interface
// counters that follow from it. Time is the agent's uptime in hundredths of a second, the clock
// of sysUpTime (which reports it modulo 2^32; here it does not wrap), and every counter is
// computed from the time it is read at, so the rate a manager derives from two reads and their
// sysUpTime is exactly the rate of the port's profile.
namespace nx596 {

// The counters the model keeps per port, each as a 64-bit total; the 32-bit columns of the
// interface tables are these totals modulo 2^32.
enum class PortCounter : std::size_t {
  kInOctets,
  kInUcast,
  kInMulticast,
  kInBroadcast,
  kInDiscards,
  kInErrors,
  kOutOctets,
  kOutUcast,
  kOutMulticast,
  kOutBroadcast,
  kOutDiscards,
  kOutErrors,
};
inline constexpr std::size_t kPortCounterCount = 12;

enum class LinkPattern {
  kSteady,          // a link partner always there
  kComingAndGoing,  // the partner comes and goes, every four seconds on average
  kAbsent,          // nothing plugged in
};

// What a port carries while its link is up.
struct PortProfile {
  LinkPattern link;
  std::uint64_t inBitsPerSecond;
  std::uint64_t outBitsPerSecond;
  std::uint32_t frameOctets;  // the average frame: frames per second are octets over this
  std::uint32_t blinkOneIn;   // the activity LED is lit in one second out of this many
};

// The profile of port 1..26. An uplink port (25, 26) has its link only with a module fitted.
const PortProfile& TrafficProfile(std::uint32_t port);
// How fast one counter of the port grows while its link is up, per second.
double CounterRate(std::uint32_t port, PortCounter counter);

struct TrafficOptions {
  bool slotFitted[2] = {false, false};
  // 0: every counter starts at 0, counted since the agent started. Otherwise every counter
  // starts this many seconds of its traffic below 2^32, so that the 32-bit columns wrap that
  // soon after the start while the 64-bit ones count on past 2^32.
  std::uint32_t wrapAfterSeconds = 0;
};

class TrafficModel {
 public:
  static constexpr std::uint32_t kPorts = 26;

  TrafficModel(const TrafficOptions& options, std::uint64_t now);

  // Once a second: a link that comes and goes may change, and each linked port decides whether
  // its activity LED is lit. The sequence is pseudo-random from a fixed seed: every run is alike.
  void Step(std::uint64_t now);
  // A disabled port has no link, whatever its partner does.
  void SetEnabled(std::uint32_t port, bool enabled, std::uint64_t now);

  bool LinkUp(std::uint32_t port) const;
  bool Active(std::uint32_t port) const;
  std::uint64_t LastChange(std::uint32_t port) const;  // uptime of the last link change
  std::uint64_t Count(std::uint32_t port, PortCounter counter, std::uint64_t now) const;

  // The value of an instance that follows the traffic: ifOperStatus, ifLastChange and the
  // counters of ifTable and ifXTable; the received traffic in RMON's statistics, the bridge's
  // port frame counts and EtherLike-MIB's FCS errors; the link status and negotiated speed of the
  // device's own port information table. Nullopt for every other instance.
  std::optional<Value> ValueOf(const Oid& instance, std::uint64_t now) const;

 private:
  struct Port {
    bool partner = false;
    bool enabled = true;
    bool active = false;
    std::uint64_t since = 0;  // when `counted` was last brought up to date
    std::uint64_t lastChange = 0;
    std::array<std::uint64_t, kPortCounterCount> counted = {};
  };

  Port& At(std::uint32_t port) { return ports_[port - 1]; }
  const Port& At(std::uint32_t port) const { return ports_[port - 1]; }
  // Brings the counted totals up to `now`, before the link changes.
  void Settle(std::uint32_t port, std::uint64_t now);
  std::uint32_t Next();

  std::array<Port, kPorts> ports_;
  std::uint32_t random_ = 0x2545F491u;
};

}  // namespace nx596
