#include "LiveTraffic.h"

#include "FrontPanel.h"
#include "NetSnmp.h"
#include "SeedRows.h"

#include <string>
#include <utility>

namespace nx596 {

namespace {

const char* const kIfAdminStatus = "1.3.6.1.2.1.2.2.1.7";

constexpr std::uint8_t kGreen = 0x02;
constexpr std::uint8_t kSpeedGreen = 0x03;  // code 3: the XM-71's speed LED map
constexpr std::uint8_t kBlink = 0x80;
constexpr std::uint32_t kXm71 = 1;

// The agent's uptime in hundredths of a second: what sysUpTime reports modulo 2^32.
std::uint64_t Uptime() {
  return netsnmp_get_agent_uptime();
}

TrafficOptions TrafficOptionsOf(const LiveTrafficSettings& settings) {
  TrafficOptions traffic;
  traffic.slotFitted[0] = settings.slotTypes[0] != 0;
  traffic.slotFitted[1] = settings.slotTypes[1] != 0;
  traffic.wrapAfterSeconds = settings.countersNearWrap;
  return traffic;
}

}  // namespace

LiveTraffic::LiveTraffic(DeviceModel& model, const LiveTrafficSettings& settings)
    : model_(model),
      ledInstance_(*ParseOid(kFrontPanelLedStatusInstance)),
      slots_{settings.slotTypes[0], settings.slotTypes[1]},
      requestTime_(Uptime()),
      traffic_(TrafficOptionsOf(settings), requestTime_) {
  FollowAdminStatus();
  watches_[0] = model_.Watch(*ParseOid(kIfAdminStatus), [this] { FollowAdminStatus(); });
  // The device's rules redraw the panel after every write as the switch without traffic shows
  // it; the links of the traffic are drawn again over that at once.
  watches_[1] = model_.Watch(ledInstance_, [this] { ShowLeds(); });
  alarm_ = snmp_alarm_register(1, SA_REPEAT, &LiveTraffic::OnAlarm, this);
}

LiveTraffic::~LiveTraffic() {
  if (alarm_ != 0) snmp_alarm_unregister(alarm_);
  for (std::size_t watch : watches_) model_.Unwatch(watch);
}

void LiveTraffic::BeginRequest() {
  requestTime_ = Uptime();
}

std::optional<Value> LiveTraffic::ValueOf(const Oid& instance) const {
  return traffic_.ValueOf(instance, requestTime_);
}

void LiveTraffic::OnAlarm(unsigned int, void* self) {
  static_cast<LiveTraffic*>(self)->Step();
}

void LiveTraffic::Step() {
  traffic_.Step(Uptime());
  ShowLeds();
}

// The control rows of the ports keep ifAdminStatus in step (a rule of the device); a change
// arrives within a SET, which reads at the request's moment.
void LiveTraffic::FollowAdminStatus() {
  const Oid column = *ParseOid(kIfAdminStatus);
  for (std::uint32_t port = 1; port <= TrafficModel::kPorts; ++port) {
    Oid instance = column;
    instance.push_back(port);
    const auto [lookup, cell] = model_.Get(instance);
    const auto* status =
        lookup == DeviceModel::Lookup::kFound ? std::get_if<std::int64_t>(&cell->value) : nullptr;
    traffic_.SetEnabled(port, !status || *status == 1, requestTime_);
  }
  ShowLeds();
}

void LiveTraffic::ShowLeds() {
  const auto link = [this](std::uint32_t port) -> std::uint8_t {
    if (!traffic_.LinkUp(port)) return 0;
    return traffic_.Active(port) ? kGreen | kBlink : kGreen;
  };
  std::string leds(54, '\0');
  leds[0] = static_cast<char>(kGreen);  // power
  leds[1] = static_cast<char>(kGreen);  // console
  for (std::uint32_t port = 1; port <= kFrontPorts; ++port)
    leds[2 * port] = static_cast<char>(link(port));
  for (std::uint32_t slot = 0; slot < 2; ++slot) {
    if (slots_[slot] == 0) continue;
    const std::size_t at = 50 + 2 * slot;
    const std::uint8_t byte = link(kFrontPorts + 1 + slot);
    leds[at] = static_cast<char>(byte);
    leds[at + 1] = static_cast<char>(slots_[slot] != kXm71 ? byte : byte ? kSpeedGreen : 0);
  }
  model_.Assign(ledInstance_, std::move(leds));
}

}  // namespace nx596
