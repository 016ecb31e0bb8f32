#include "TestApplication.h"
#include "ZnUserNotifier.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <cstdio>
#include <ostream>
#include <string>

// The notifier of a program started without a screen: every message is one line on its stream
// and the answer never agrees to anything the user was asked.
namespace {

std::string Written(std::FILE* file) {
  std::rewind(file);
  std::string text;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, file)) text += buffer;
  return text;
}

struct ConsoleCase {
  const char* name;
  ZnUserNotifier::Buttons buttons;
  bool answer;
};
void PrintTo(const ConsoleCase& c, std::ostream* os) {
  *os << c.name;
}

class ConsoleNotifierTest : public ::testing::TestWithParam<ConsoleCase> {};

TEST_P(ConsoleNotifierTest, WritesOneLineAndDeclinesEveryChoice) {
  std::FILE* out = std::tmpfile();
  ASSERT_NE(out, nullptr);
  ZnConsoleNotifier notifier(out);
  EXPECT_EQ(notifier.Message(nullptr, "nx596", "Reboot the switch?\nAll sessions end.",
                             GetParam().buttons, ZnUserNotifier::Icon::Question),
            GetParam().answer);
  EXPECT_EQ(notifier.Message(nullptr, "", "No parameter input", GetParam().buttons),
            GetParam().answer);
  EXPECT_EQ(Written(out), "nx596: Reboot the switch? All sessions end.\nNo parameter input\n");
  std::fclose(out);
}

// No one could pick a file: the save is cancelled (a file dialog would wait for ever) and says so.
TEST(ConsoleNotifierSave, CancelsAndSaysSo) {
  std::FILE* out = std::tmpfile();
  ASSERT_NE(out, nullptr);
  ZnConsoleNotifier notifier(out);
  EXPECT_EQ(notifier.SaveFileName(nullptr, "Export as CSV", "Hosts.csv", "CSV files (*.csv)"), "");
  EXPECT_EQ(Written(out), "Export as CSV: Hosts.csv not saved: no screen to choose a file on\n");
  std::fclose(out);
}

INSTANTIATE_TEST_SUITE_P(
    EveryButtonSet, ConsoleNotifierTest,
    ::testing::Values(ConsoleCase{"Ok", ZnUserNotifier::Buttons::Ok, true},
                      ConsoleCase{"OkCancel", ZnUserNotifier::Buttons::OkCancel, false},
                      ConsoleCase{"YesNo", ZnUserNotifier::Buttons::YesNo, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConsoleNotifierStart, TakesOverOnTheOffscreenPlatform) {
  TestApplication();
  // The tests run on the offscreen platform, which has no screen anyone could see.
  ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
  EXPECT_TRUE(ZnPlatformHasNoScreen());
  ZnUserNotifier* before = &ZnNotifier();
  EXPECT_TRUE(ZnUseConsoleNotifierWithoutScreen());
  EXPECT_NE(&ZnNotifier(), before);
  EXPECT_NE(dynamic_cast<ZnConsoleNotifier*>(&ZnNotifier()), nullptr);
  ZnSetNotifier(nullptr);
  EXPECT_EQ(dynamic_cast<ZnConsoleNotifier*>(&ZnNotifier()), nullptr);
}

}  // namespace
