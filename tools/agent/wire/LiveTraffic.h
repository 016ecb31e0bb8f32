#pragma once

#include "DeviceModel.h"
#include "TrafficModel.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// A switch in use, to watch the front panel and the interface counters come alive (the traffic
// of each port is TrafficModel's): power and console steady green; once a second the links that
// come and go may change and a linked port blinks (bit 0x80) while it carries traffic; a fitted
// uplink module behaves like a port. The interface counters (IF-MIB, and RMON's statistics,
// the bridge's port frames and EtherLike-MIB's FCS errors) follow the same traffic, computed
// for the moment of each request from the agent's uptime, the clock sysUpTime reports. A port
// disabled through its control row (ifAdminStatus down) has no link and counts nothing.
namespace nx596 {

// What the command line says about the live switch.
struct LiveTrafficSettings {
  // Module types of the uplink slots (as swL2Module-1-Type, -2-Type): 0 none, 1 XM-71, ...
  std::uint32_t slotTypes[2] = {0, 0};
  // 0, or every counter starts this many seconds of its traffic before 2^32.
  std::uint32_t countersNearWrap = 0;
};

class LiveTraffic {
 public:
  LiveTraffic(DeviceModel& model, const LiveTrafficSettings& settings);
  ~LiveTraffic();
  LiveTraffic(const LiveTraffic&) = delete;
  LiveTraffic& operator=(const LiveTraffic&) = delete;

  // Fixes the moment the next request reads: every value of one request is of one moment, so
  // a 32-bit counter and its 64-bit kin read together always agree.
  void BeginRequest();
  // The value of an instance that follows the traffic at that moment; nullopt for the others.
  std::optional<Value> ValueOf(const Oid& instance) const;

 private:
  static void OnAlarm(unsigned int, void* self);
  void Step();
  void FollowAdminStatus();
  void ShowLeds();

  DeviceModel& model_;
  Oid ledInstance_;
  std::uint32_t slots_[2];
  std::uint64_t requestTime_;
  TrafficModel traffic_;
  std::size_t watches_[2] = {};
  unsigned int alarm_ = 0;
};

}  // namespace nx596
