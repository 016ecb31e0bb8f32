#include "AgentSuite.h"
#include "ErrorCode.h"
#include "Nx596Agent.h"
#include "TestApplication.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Leds.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFrame>
#include <QPointer>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <memory>

// The LED binding polling the simulated switch: the colours of a given LED value, a switch
// that falls silent and comes back, and reads slower than the poll interval.
namespace {

using namespace ZnLedColors;

const QString kLedOid = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.1.1.5.0");
const QString kLeds = QStringLiteral("82040500070A");

const ZnSNMPVarDef kLedStatus[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.1.5", "LEDs", ZnSyntax::OctetString, ZnAccess::ReadOnly}, {}};

class LedAgentTest : public AgentSuite {
 protected:
  static void SetUpTestSuite() { StartAgent({"--leds", kLeds}); }

  void SetUp() override {
    AgentSuite::SetUp();
    status_ = new QStatusBar(&window_);
    binding_ = new ZnSNMPRequest2Leds(&window_);
    binding_->VarList() = ZnSNMPVarList(kLedStatus, ZnItemType::SVT_SV, 0);
    binding_->SetStatusTarget(status_);
    auto* panel = new QFrame(&window_);
    const auto rectangle = ZnLedShape::Kind::Rectangle;
    binding_->BindLedRow(0, "0,1,2,3,4", ZnLedColorMap1, panel, 1, 4, rectangle, 6, 6);
    binding_->BindLedRow(0, "5", ZnLedColorMap3, panel, 60, 4, rectangle, 6, 6);
    binding_->BindLedRow(0, "60", ZnLedColorMap1, panel, 80, 4, rectangle, 6, 6);
  }

  std::vector<int> Shown() const {
    std::vector<int> colours;
    for (int k = 0; k < binding_->LedCount(); ++k)
      colours.push_back(binding_->Led(k).Shape->Colour());
    return colours;
  }
  static std::vector<int> Lit() { return {Green, Blue, Red, White, Black, Green, White}; }
  static std::vector<int> Dark() { return std::vector<int>(7, Black); }
  // Blinking over, the shapes show the value's colours.
  bool AwaitLit(int ms = 5000) {
    return Await(
        [&] { return binding_->BlinkCounter() > binding_->BlinkLimit && Shown() == Lit(); }, ms);
  }
  QString Status() const { return status_->currentMessage(); }
  static qsizetype LedReads(const Nx596Agent& agent) {
    return agent.TraceLines().filter(QRegularExpression("^GET\t.*\t" + kLedOid + "=")).size();
  }

  QWidget window_;
  QStatusBar* status_ = nullptr;
  ZnSNMPRequest2Leds* binding_ = nullptr;
};

TEST_F(LedAgentTest, PollShowsTheColoursUntilStoppedAndReportsWhatCannotBeSent) {
  binding_->Start(300);
  EXPECT_EQ(binding_->PollIntervalMs(), 3000);
  EXPECT_TRUE(binding_->Busy()) << "the first read starts at once";
  ASSERT_TRUE(AwaitLit());
  EXPECT_TRUE(Status().startsWith("Get: Ok. Receive at ")) << Status().toStdString();
  EXPECT_EQ(LedReads(*agent_), 1);
  binding_->Stop();
  EXPECT_FALSE(binding_->Polling());
  EXPECT_FALSE(binding_->BlinkTimerActive());
  EXPECT_EQ(Shown(), Dark());

  // A read that cannot even be sent: Start raises, each later tick reports it instead.
  binding_->Start(300);
  ASSERT_TRUE(AwaitLit());
  binding_->Request().Device.Address = "";
  EXPECT_EQ(CodeOf([&] { binding_->Start(10); }), ZnCode::InvalidAddress);
  EXPECT_EQ(Shown(), Dark());
  status_->clearMessage();
  ASSERT_TRUE(Await([&] { return !Status().isEmpty(); }, 2000));
  EXPECT_TRUE(Status().startsWith("Get: " + ZnFrameworkError(ZnCode::InvalidAddress).Message()));
  EXPECT_TRUE(notifier_.shown.empty());
}

// A switch that stops answering (rebooting, unplugged): each read times out in the background,
// the LEDs go dark and the status bar says why. Blocking mode and a long time-out, as the front
// panel asks for, must not hold the event loop: a 10 ms heartbeat is never late by a second.
TEST_F(LedAgentTest, SilentSwitchDarkensTheLedsWithoutHoldingTheWindowAndComesBack) {
  Nx596Agent agent({"--leds", kLeds});
  ASSERT_TRUE(agent.Start());
  binding_->Request().Device.Port = agent.Port();
  binding_->mode = ZnSNMPRequest2Controls::Mode::Blocking;
  binding_->Request().Timeout = 150;
  binding_->Request().Retries = 0;
  binding_->Start(100);  // a poll a second: blinking settles in between
  ASSERT_TRUE(AwaitLit());

  agent.Stop();
  QElapsedTimer sinceBeat;
  qint64 worstBeat = 0;
  QTimer heartbeat;
  QObject::connect(&heartbeat, &QTimer::timeout,
                   [&] { worstBeat = std::max(worstBeat, sinceBeat.restart()); });
  sinceBeat.start();
  heartbeat.start(10);
  const QString timeout = ZnSNMPMapError(-5).Message;
  ASSERT_TRUE(Await([&] { return Status().contains(timeout); }, 8000)) << Status().toStdString();
  EXPECT_TRUE(Status().startsWith("Get: " + timeout + ". Receive at ")) << Status().toStdString();
  EXPECT_EQ(Shown(), Dark());
  EXPECT_LT(worstBeat, 1000);
  EXPECT_GT(binding_->SkippedPolls(), 0) << "ticks during the time-out send nothing";
  EXPECT_TRUE(notifier_.shown.empty());

  ASSERT_TRUE(agent.Restart());
  binding_->Request().Device.Port = agent.Port();
  ASSERT_TRUE(AwaitLit(8000));
  EXPECT_TRUE(Status().startsWith("Get: Ok. ")) << Status().toStdString();
}

// Answers slower than the poll interval: the ticks in between send nothing; after Stop an
// answer still on its way lights nothing; deleting the binding with a read outstanding is safe.
TEST_F(LedAgentTest, ReadsSlowerThanThePollIntervalAreNeverStacked) {
  Nx596Agent slow({"--leds", kLeds, "--delay", "700"});
  ASSERT_TRUE(slow.Start());
  binding_->Request().Device.Port = slow.Port();
  binding_->Request().Timeout = 300;
  binding_->Request().Retries = 0;
  // Stopped by the first answer: a tick may come right after an answer, and is then no stack.
  binding_->OnGetDone = [&](ZnSNMPRequest2Controls*, const ZnSNMPError&) { binding_->Stop(); };
  binding_->Start(10);
  ASSERT_TRUE(Await([&] { return !binding_->Polling(); }));
  binding_->OnGetDone = nullptr;
  EXPECT_TRUE(Status().startsWith("Get: Ok. ")) << Status().toStdString();
  Await([] { return false; }, 400);  // a second request would be traced by now
  EXPECT_EQ(LedReads(slow), 1) << slow.TraceLines().join('\n').toStdString();
  EXPECT_GE(binding_->SkippedPolls(), 3);

  binding_->Start(300);
  binding_->Stop();
  ASSERT_TRUE(Await([&] { return !binding_->Busy(); }));
  EXPECT_EQ(LedReads(slow), 2);
  EXPECT_EQ(Shown(), Dark()) << "the answer came after Stop";

  binding_->Start(10);
  QPointer<ZnLedShape> shape = binding_->Led(0).Shape;
  // The outstanding read is given up, not waited for (that wait lasts until the answer).
  QElapsedTimer deleting;
  deleting.start();
  delete binding_;
  EXPECT_LT(deleting.elapsed(), 500);
  Await([] { return false; }, 1000);  // the late answer reaches nothing
  ASSERT_TRUE(shape);
  EXPECT_EQ(shape->Colour(), Black);
}

}  // namespace
