#include "SeedSmtp.h"

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

// A test mail records its outcome in the send test status, and the send object reads noAction
// again.
constexpr const char* kSendTestStatus = "1.3.6.1.4.1.99917.12.29.2.1.0";  // 1 success, 2 failed
const ActionDefinition kActions[] = {
    {"SMTP Test Mail", "1.3.6.1.4.1.99917.12.29.1.7", "1", "", ActionEffect::kSetInstance,
     kSendTestStatus, "1", 2},
};

}  // namespace

DevicePart SmtpPart() {
  return {kSubtrees, {}, kObjects, kSeed, kActions, {}};
}

}  // namespace nx596
