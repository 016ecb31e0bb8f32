// The simulated switch's front panel as the command line sets it up: the modules in the uplink
// slots, a fixed LED value of any length, and LEDs that change while the agent runs.

#include "DeviceOids.h"
#include "NetSnmpTools.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

namespace {

using nx596::test::NetSnmpTools;
using nx596::test::ToolRun;
using nx596::test::V2c;

const QString kSlot1 = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.1.1.6.0");
const QString kSlot2 = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.1.1.7.0");

ToolRun ReadPanel(const NetSnmpTools& tools) {
  return tools.Run(QStringLiteral("snmpget"), V2c(QStringLiteral("tamrel")),
                   {kLedStatus, kSlot1, kSlot2});
}

std::vector<int> Bytes(const ToolRun& run) {
  std::vector<int> bytes;
  for (const QString& hex : run.Find(kLedStatus).value.split(' ', Qt::SkipEmptyParts))
    bytes.push_back(hex.toInt(nullptr, 16));
  return bytes;
}

TEST(AgentFrontPanel, SlotModulesAndLedValueComeFromTheCommandLine) {
  // Three bytes only, shorter than the real panel: a reader must cope with LEDs beyond the end.
  Nx596Agent agent({"--slot1", "3", "--slot2", "1", "--leds", "82 04:0A"});
  ASSERT_TRUE(agent.Start());
  ToolRun run = ReadPanel(NetSnmpTools(agent.Address()));
  ASSERT_EQ(run.exitCode, 0) << run;
  EXPECT_EQ(run.Find(kSlot1).value, "3");
  EXPECT_EQ(run.Find(kSlot2).value, "1");
  EXPECT_EQ(Bytes(run), (std::vector<int>{0x82, 0x04, 0x0A})) << run;
}

// Every sample must read like a real panel; within a few seconds links must come and go.
TEST(AgentFrontPanel, LiveLedsChangeAndKeepTheirMeaning) {
  Nx596Agent agent({"--leds-live", "--slot2", "1"});
  ASSERT_TRUE(agent.Start());
  NetSnmpTools tools(agent.Address());
  const auto isLink = [](int led) { return led == 0 || led == 0x02 || led == 0x82; };
  std::vector<int> first;
  bool linkChanged = false;
  QElapsedTimer clock;
  clock.start();
  while (!linkChanged && clock.elapsed() < 8000) {
    const std::vector<int> bytes = Bytes(ReadPanel(tools));
    ASSERT_EQ(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 0x02) << "power steady green";
    EXPECT_EQ(bytes[1], 0x02) << "console steady green";
    for (int at = 2; at < 50; ++at) EXPECT_TRUE(at % 2 ? bytes[at] == 0 : isLink(bytes[at])) << at;
    EXPECT_EQ(bytes[50] + bytes[51], 0) << "no module in slot 1";
    // An XM-71: link and activity at 52, its speed LED (code 3) at 53 while linked.
    EXPECT_TRUE(isLink(bytes[52])) << bytes[52];
    EXPECT_EQ(bytes[53], bytes[52] ? 0x03 : 0) << bytes[52];
    if (first.empty()) first = bytes;
    for (int port = 1; port <= 24; ++port)
      linkChanged = linkChanged || (first[2 * port] != 0) != (bytes[2 * port] != 0);
    QThread::msleep(300);
  }
  EXPECT_TRUE(linkChanged);
}

}  // namespace
