#include "SeedSmtp.h"

#include <algorithm>
#include <memory>
#include <string>

namespace nx596 {

namespace {

using enum Syntax;
constexpr Access kRW = Access::kReadWrite;

const char* const kSubtrees[] = {
    "1.3.6.1.4.1.99917",
};

// A TCP port 0 names no server, so the device refuses it; the texts fit the device's buffers.
const ObjectDefinition kObjects[] = {
    // 2 disabled, 3 enabled.
    {"SMTP Status", "1.3.6.1.4.1.99917.12.29.1.1", kInteger, kRW, "2,3", ""},
    {"SMTP Server Address", "1.3.6.1.4.1.99917.12.29.1.2", kIpAddress, kRW, "", ""},
    {"SMTP Server Port", "1.3.6.1.4.1.99917.12.29.1.3", kInteger, kRW, "1..65535", ""},
    {"SMTP Self Mail Address", "1.3.6.1.4.1.99917.12.29.1.4", kDisplayString, kRW, "0..64", ""},
    {"SMTP Test Message Subject", "1.3.6.1.4.1.99917.12.29.1.5", kDisplayString, kRW, "0..64", ""},
    {"SMTP Test Message Content", "1.3.6.1.4.1.99917.12.29.1.6", kDisplayString, kRW, "0..128", ""},
    // 1 send, 2 noAction.
    {"SMTP Send Test Message", "1.3.6.1.4.1.99917.12.29.1.7", kInteger, kRW, "1,2", ""},
};

const SeedValue kSeed[] = {
    {"1.3.6.1.4.1.99917.12.29.1.1.0", "3"},
    {"1.3.6.1.4.1.99917.12.29.1.2.0", "10.90.90.25"},
    {"1.3.6.1.4.1.99917.12.29.1.3.0", "25"},
    {"1.3.6.1.4.1.99917.12.29.1.4.0", "nx596@example.net"},
    {"1.3.6.1.4.1.99917.12.29.1.5.0", "NX-596 test mail"},
    {"1.3.6.1.4.1.99917.12.29.1.6.0", "Mail from the switch reaches you."},
    {"1.3.6.1.4.1.99917.12.29.1.7.0", "2"},
};

// Once the mail is out the send object reads noAction again.
const ActionDefinition kActions[] = {
    {"SMTP Test Mail", "1.3.6.1.4.1.99917.12.29.1.7", "1", "", ActionEffect::kNone, "", "", 2},
};

// A test mail goes out only when SMTP is enabled and a server is set, the settings written in
// the same request included; the send test status (1 success, 2 failed) tells how the last one
// went.
class TestMailRule : public ModelRule {
 public:
  void Settle(DeviceModel& model, std::span<const SetVarbind> varbinds,
              SetUndo& undo) const override {
    const bool sent = std::ranges::any_of(varbinds, [&](const SetVarbind& varbind) {
      return varbind.name == send_ && varbind.value == Value{std::int64_t{1}};
    });
    if (!sent) return;
    const bool enabled = Holds(model, state_, Value{std::int64_t{3}});
    const bool noServer = Holds(model, server_, Value{std::string(4, '\0')});
    model.WriteNumber(outcome_, enabled && !noServer ? 1 : 2, undo);
  }

 private:
  static bool Holds(const DeviceModel& model, const Oid& instance, const Value& value) {
    const auto [lookup, cell] = model.Get(instance);
    return cell && cell->value == value;
  }

  const Oid state_ = *ParseOid("1.3.6.1.4.1.99917.12.29.1.1.0");
  const Oid server_ = *ParseOid("1.3.6.1.4.1.99917.12.29.1.2.0");
  const Oid send_ = *ParseOid("1.3.6.1.4.1.99917.12.29.1.7.0");
  const Oid outcome_ = *ParseOid("1.3.6.1.4.1.99917.12.29.2.1.0");
};

}  // namespace

DevicePart SmtpPart() {
  return {kSubtrees, {}, kObjects, kSeed, kActions, {}, {std::make_shared<TestMailRule>()}};
}

}  // namespace nx596
