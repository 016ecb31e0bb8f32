#include "AgentSuite.h"
#include "ErrorCode.h"
#include "Nx596Agent.h"
#include "TestApplication.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Leds.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <memory>

// The LED binding polling the simulated switch: the colours of a given LED value, the status
// line, a switch that falls silent and comes back, and reads that are slower than the poll
// interval.
namespace {

using namespace ZnLedColors;

const QString kLedOid = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.1.1.5.0");
// Power blinking green, console blue, port 1 red, then white, black and, for map 3, blinking
// green.
const QString kLeds = QStringLiteral("82040500070A");

const ZnSNMPVarDef kLedStatus[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.1.5", "swL2DevInfoFrontPanelLedStatus", ZnSyntax::OctetString,
     ZnAccess::ReadOnly},
    {}};

QString TimeoutText() {
  return ZnSNMPMapError(-5).Message;
}

// Counts how late a 10 ms timer fires at worst while the event loop is meant to run: a window
// that waits for the device shows up as one long gap.
class Heartbeat {
 public:
  Heartbeat() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout,
                     [this] { worstMs_ = std::max(worstMs_, sinceLast_.restart()); });
    sinceLast_.start();
    timer_.start();
  }
  qint64 WorstGapMs() const { return std::max(worstMs_, sinceLast_.elapsed()); }

 private:
  QTimer timer_;
  QElapsedTimer sinceLast_;
  qint64 worstMs_ = 0;
};

class LedAgentTest : public AgentSuite {
 protected:
  static void SetUpTestSuite() { StartAgent({"--leds", kLeds}); }

  void SetUp() override {
    AgentSuite::SetUp();
    window_ = std::make_unique<QWidget>();
    status_ = new QStatusBar(window_.get());
    binding_ = new ZnSNMPRequest2Leds(window_.get());
    binding_->VarList() = ZnSNMPVarList(kLedStatus, ZnItemType::SVT_SV, 0);
    binding_->SetStatusTarget(status_);
    panel_ = new QFrame(window_.get());
    binding_->BindLedRow(0, "0,1,2,3,4", ZnLedColorMap1, panel_, 1, 4, ZnLedShape::Kind::Rectangle,
                         6, 6);
    binding_->BindLedRow(0, "5", ZnLedColorMap3, panel_, 60, 4, ZnLedShape::Kind::Rectangle, 6, 6);
    binding_->BindLedRow(0, "60", ZnLedColorMap1, panel_, 80, 4, ZnLedShape::Kind::Rectangle, 6, 6);
  }

  // What the shapes show once blinking has settled.
  std::vector<int> Shown() const {
    std::vector<int> colours;
    for (int k = 0; k < binding_->LedCount(); ++k)
      colours.push_back(binding_->Led(k).Shape->Colour());
    return colours;
  }
  static std::vector<int> Lit() { return {Green, Blue, Red, White, Black, Green, White}; }
  static std::vector<int> Dark() { return std::vector<int>(7, Black); }

  bool AwaitSettled(const std::vector<int>& colours, int ms = 5000) {
    return Await(
        [&] { return binding_->BlinkCounter() > binding_->BlinkLimit && Shown() == colours; }, ms);
  }

  QStringList LedReads() const {
    return agent_->TraceLines().filter(QRegularExpression("^GET\t.*\t" + kLedOid + "="));
  }

  std::unique_ptr<QWidget> window_;
  QStatusBar* status_ = nullptr;
  QFrame* panel_ = nullptr;
  ZnSNMPRequest2Leds* binding_ = nullptr;
};

TEST_F(LedAgentTest, PollShowsTheDeviceColoursUntilStopped) {
  binding_->Start(300);
  EXPECT_TRUE(binding_->Polling());
  EXPECT_EQ(binding_->PollIntervalMs(), 3000);
  EXPECT_TRUE(binding_->Busy()) << "the first read starts at once";
  ASSERT_TRUE(Await([&] { return !binding_->Busy(); }));
  EXPECT_TRUE(binding_->Led(0).Blinking);
  EXPECT_TRUE(binding_->Led(5).Blinking);
  EXPECT_FALSE(binding_->Led(1).Blinking);
  ASSERT_TRUE(AwaitSettled(Lit()));
  EXPECT_TRUE(status_->currentMessage().startsWith("Get: Ok. Receive at "))
      << status_->currentMessage().toStdString();
  EXPECT_EQ(LedReads().size(), 1) << agent_->TraceLines().join('\n').toStdString();
  EXPECT_TRUE(notifier_.shown.empty());

  binding_->Stop();
  EXPECT_FALSE(binding_->Polling());
  EXPECT_FALSE(binding_->BlinkTimerActive());
  EXPECT_EQ(Shown(), Dark());
}

// A switch that stops answering (rebooting, unplugged) leaves the window responsive: each read
// times out in the background, the LEDs go dark and the status bar says why. The front panel
// asks for blocking mode and a long time-out; neither may hold the event loop.
TEST_F(LedAgentTest, SilentSwitchDarkensTheLedsWithoutHoldingTheWindowAndComesBack) {
  Nx596Agent agent({"--leds", kLeds});
  ASSERT_TRUE(agent.Start());
  binding_->Request().Device.Port = agent.Port();
  binding_->mode = ZnSNMPRequest2Controls::Mode::Blocking;
  binding_->Request().Timeout = 150;
  binding_->Request().Retries = 0;
  binding_->Start(100);  // a poll a second: blinking settles in between
  ASSERT_TRUE(AwaitSettled(Lit()));

  agent.Stop();
  Heartbeat heartbeat;
  ASSERT_TRUE(Await([&] { return status_->currentMessage().contains(TimeoutText()); }, 8000))
      << status_->currentMessage().toStdString();
  EXPECT_TRUE(status_->currentMessage().startsWith("Get: " + TimeoutText() + ". Receive at "))
      << status_->currentMessage().toStdString();
  EXPECT_EQ(Shown(), Dark());
  for (int k = 0; k < binding_->LedCount(); ++k) EXPECT_FALSE(binding_->Led(k).Blinking);
  // A blocking read would have held the loop for the whole 1.5 s time-out.
  EXPECT_LT(heartbeat.WorstGapMs(), 1000);
  EXPECT_GT(binding_->SkippedPolls(), 0) << "ticks during the time-out send nothing";
  EXPECT_EQ(binding_->mode, ZnSNMPRequest2Controls::Mode::Blocking) << "the caller's mode stays";
  EXPECT_TRUE(notifier_.shown.empty()) << "no message box for a poll";

  ASSERT_TRUE(agent.Restart());
  binding_->Request().Device.Port = agent.Port();
  ASSERT_TRUE(AwaitSettled(Lit(), 8000));
  EXPECT_TRUE(status_->currentMessage().startsWith("Get: Ok. "))
      << status_->currentMessage().toStdString();
}

// An answer slower than the poll interval: the ticks in between send nothing, and Stop makes
// sure an answer still on its way does not light the LEDs again. Deleting the binding while a
// read is outstanding is safe.
TEST_F(LedAgentTest, ReadsSlowerThanThePollIntervalAreNeverStacked) {
  Nx596Agent slow({"--leds", kLeds, "--delay", "700"});
  ASSERT_TRUE(slow.Start());
  binding_->Request().Device.Port = slow.Port();
  binding_->Request().Timeout = 300;
  binding_->Request().Retries = 0;
  binding_->Start(10);
  ASSERT_TRUE(Await([&] { return binding_->Led(2).Colour == Red; }));
  binding_->Stop();
  // A second request would be traced as soon as the agent had answered the first.
  Await([] { return false; }, 400);
  const auto reads = [&] {
    return slow.TraceLines().filter(QRegularExpression("^GET\t.*\t" + kLedOid + "=")).size();
  };
  EXPECT_EQ(reads(), 1) << slow.TraceLines().join('\n').toStdString();
  EXPECT_GE(binding_->SkippedPolls(), 3);

  slow.ClearTrace();
  binding_->Start(300);
  ASSERT_TRUE(binding_->Busy());
  binding_->Stop();
  ASSERT_TRUE(Await([&] { return !binding_->Busy(); }));
  EXPECT_EQ(reads(), 1);
  EXPECT_EQ(Shown(), Dark()) << "the answer came after Stop";
  EXPECT_TRUE(status_->currentMessage().startsWith("Get: Ok. "));

  binding_->Start(10);
  ASSERT_TRUE(binding_->Busy());
  QPointer<ZnLedShape> shape = binding_->Led(0).Shape;
  delete binding_;
  binding_ = nullptr;
  Await([] { return false; }, 300);
  ASSERT_TRUE(shape);
  EXPECT_EQ(shape->Colour(), Black);
}

TEST_F(LedAgentTest, ReadThatCannotStartDarkensTheLedsAndNothingEscapesATick) {
  binding_->Start(300);
  ASSERT_TRUE(AwaitSettled(Lit()));
  binding_->Stop();
  binding_->Request().Device.Address = "";
  EXPECT_EQ(CodeOf([&] { binding_->Start(10); }), ZnCode::InvalidAddress);
  EXPECT_EQ(Shown(), Dark());
  EXPECT_TRUE(binding_->Polling());
  // Every tick fails the same way; it is reported, never raised out of the timer.
  status_->clearMessage();
  ASSERT_TRUE(Await([&] { return !status_->currentMessage().isEmpty(); }, 2000));
  EXPECT_TRUE(status_->currentMessage().startsWith(
      "Get: " + ZnFrameworkError(ZnCode::InvalidAddress).Message()))
      << status_->currentMessage().toStdString();
  EXPECT_TRUE(notifier_.shown.empty());
}

// A map that treats a missing byte as an error: the value is too short, so the read fails as a
// whole, the LEDs go dark and the error is reported like a failed read.
TEST_F(LedAgentTest, MissingByteOfAStrictMapFailsTheReadAsAWhole) {
  auto* label = new QLabel(window_.get());
  binding_->SetStatusTarget(label);
  const ZnSNMPLedColorMapList strict(nullptr, 0x07, 0x80, Black, None);
  binding_->BindLed(0, 60, strict, new ZnLedShape(ZnLedShape::Kind::Circle, 6, 6, panel_));
  binding_->Start(300);
  ASSERT_TRUE(Await([&] { return !binding_->Busy(); }));
  EXPECT_EQ(label->text().section(". Receive at ", 0, 0),
            "Get: " + ZnFrameworkError(ZnCode::PartialIndexOutOfRange).Message())
      << label->text().toStdString();
  Await([] { return false; }, 200);
  for (int k = 0; k < binding_->LedCount(); ++k) EXPECT_EQ(binding_->Led(k).Shape->Colour(), Black);
  EXPECT_TRUE(notifier_.shown.empty());
}

}  // namespace
