#pragma once

#include "DeviceParts.h"

// The switch's mail settings: SMTP on or off, the server and its port, the switch's own mail
// address and the subject and content of the test mail, and the object that sends the test
// mail. A test send reports "success" in the send test status only when SMTP is enabled and a
// server is set, and the send object returns to noAction.
namespace nx596 {

DevicePart SmtpPart();

}  // namespace nx596
