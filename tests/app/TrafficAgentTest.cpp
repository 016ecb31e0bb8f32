// The front panel's port tooltips, its context menu and the traffic window against a simulated
// switch whose counters move with its traffic (--leds-live): ports 1-4 busy, 21-24 unplugged.
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TNX596PanelForm.h"
#include "TTrafficForm.h"
#include "TestApplication.h"
#include "WhenModal.h"
#include "ZnPortReader.h"
#include "ZnPortTips.h"
#include "ZnRateChart.h"
#include "ZnSNMPSession.h"
#include "ZnSNMPSettings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include <memory>

namespace {

// What the traffic model gives the ports these tests look at, in bits per second.
constexpr double kPort1In = 6e6, kPort1Out = 2e6;
constexpr double kPort3In = 12e6, kPort3Out = 5e6;

class TrafficAgentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    static QTemporaryDir counter;
    ZnSNMPOpenSession(counter.path());
    ZnSetNotifier(&notifier_);
    status_ = std::make_unique<QLabel>();
  }
  void TearDown() override {
    for (TTrafficForm* form : TTrafficForm::OpenForms()) delete form;
    panel_.reset();
    ZnSetNotifier(nullptr);
  }

  // Starts a live switch with `arguments` over `version` (0 SNMPv1, 1 SNMPv2c), and the panel.
  void Open(const QStringList& arguments, int version = 1) {
    agent_ = std::make_unique<Nx596Agent>(QStringList{"--leds-live"} + arguments);
    ASSERT_TRUE(agent_->Start());
    ZnSNMPGlobalDevice = {"127.0.0.1", agent_->Port()};
    ZnSNMPGlobalSecurity.Version = static_cast<std::uint8_t>(version);
    ZnSNMPDefaultTimeout = 100;
    panel_ = std::make_unique<TNX596PanelForm>(ZnPanelHost{status_.get(), "127.0.0.1"}, nullptr);
    panel_->show();
  }
  // A traffic window of `port` that polls quickly for the test.
  TTrafficForm* Traffic(int port, int pollMs = 300) {
    TTrafficForm* form = TTrafficForm::Open(port, QStringLiteral("127.0.0.1"), panel_.get());
    form->SetPollInterval(pollMs);
    return form;
  }
  // Right click (or the menu key) on `button`: the menu it opens.
  static QMenu* ContextMenu(QWidget* button, QContextMenuEvent::Reason reason) {
    const QPoint at = button->rect().center();
    QContextMenuEvent event(reason, at, button->mapToGlobal(at));
    QApplication::sendEvent(button, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }
  static QStringList Texts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text();
    return texts;
  }
  // Picks the menu's entry `text`; the menu closes and the entry acts.
  static void Pick(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions())
      if (action->text() == text) {
        menu->close();
        action->trigger();
        return;
      }
    ADD_FAILURE() << "no entry " << qPrintable(text);
  }
  bool TraceHas(const QString& text) const {
    for (const QString& line : agent_->TraceLines())
      if (line.contains(text)) return true;
    return false;
  }
  static bool Within(double value, double expected, double share = 0.1) {
    return value >= expected * (1 - share) && value <= expected * (1 + share);
  }

  RecordingNotifier notifier_;
  std::unique_ptr<QLabel> status_;
  std::unique_ptr<Nx596Agent> agent_;
  std::unique_ptr<TNX596PanelForm> panel_;
};

TEST_F(TrafficAgentTest, TheContextMenuOpensPortControlAndOneTrafficWindowPerPort) {
  Open({"--slot2", "3"});
  QMenu* menu = ContextMenu(panel_->Port(5), QContextMenuEvent::Mouse);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Texts(menu), (QStringList{"Port Control…", "Traffic…"}));
  EXPECT_EQ(ZnSelectedPort, 5);  // the menu is about the port it was opened on
  Pick(menu, "Traffic…");
  ASSERT_TRUE(Await([] { return TTrafficForm::Find(5) && TTrafficForm::Find(5)->isVisible(); }));
  TTrafficForm* five = TTrafficForm::Find(5);
  EXPECT_EQ(five->windowTitle(), QStringLiteral("Traffic : Port 5 : 127.0.0.1"));
  EXPECT_TRUE(five->isWindow());

  // Asking again for port 5 raises its window; the module of slot 2, by the menu key, opens its
  // own.
  Pick(ContextMenu(panel_->Port(5), QContextMenuEvent::Mouse), "Traffic…");
  ASSERT_NE(panel_->Module(2), nullptr);
  QMenu* moduleMenu = ContextMenu(panel_->Module(2)->SpeedButton1(), QContextMenuEvent::Keyboard);
  ASSERT_NE(moduleMenu, nullptr);
  EXPECT_EQ(Texts(moduleMenu), (QStringList{"Port Control…", "Traffic…"}));
  Pick(moduleMenu, "Traffic…");
  ASSERT_TRUE(Await([] { return TTrafficForm::Find(26) != nullptr; }));
  QTest::qWait(50);
  EXPECT_EQ(TTrafficForm::Find(5), five);
  EXPECT_EQ(TTrafficForm::OpenForms().size(), 2);

  // Port Control… is the double-click's dialog of that port.
  agent_->ClearTrace();
  QString caption;
  WhenModal([&](QWidget* modal) {
    caption = modal->windowTitle();
    Await([&] { return TraceHas("1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.7="); }, 5000);
    return true;
  });
  Pick(ContextMenu(panel_->Port(7), QContextMenuEvent::Mouse), "Port Control…");
  ASSERT_TRUE(Await([&] { return !caption.isEmpty(); }));
  EXPECT_EQ(caption, QStringLiteral("Port Control : 127.0.0.1"));
  EXPECT_TRUE(TraceHas("1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5.7="))
      << qPrintable(agent_->TraceLines().join('\n'));
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
}

// Port 3 carries 12 Mbit/s in and 5 out; port 22 has nothing plugged in. Over SNMPv2c the
// window reads the 64-bit counters.
TEST_F(TrafficAgentTest, TheWindowDrawsABusyPortsRatesAndZeroForAPortThatIsDown) {
  Open({});
  TTrafficForm* busy = Traffic(3);
  TTrafficForm* down = Traffic(22);
  ASSERT_TRUE(Await([&] {
    return busy->RateChart()->Points(0).size() >= 3 && down->RateChart()->Points(0).size() >= 3 &&
           down->ErrorChart()->Points(1).size() >= 3;
  })) << qPrintable(busy->StatusLine()->text());
  for (const auto& [line, expected] : {std::pair{0, kPort3In}, std::pair{1, kPort3Out}})
    for (const QPointF& point : busy->RateChart()->Points(line))
      EXPECT_TRUE(Within(point.y(), expected)) << line << ": " << point.y();
  EXPECT_EQ(busy->RateChart()->UnitText(), QStringLiteral("Mbit/s"));
  // About one received frame in 2,000 is dropped: less than one per second, never a negative
  // number, and some of them show once a few reads have passed.
  ASSERT_TRUE(Await([&] {
    for (const QPointF& point : busy->ErrorChart()->Points(1))
      if (point.y() > 0) return true;
    return false;
  }));
  for (const QPointF& point : busy->ErrorChart()->Points(1))
    EXPECT_TRUE(point.y() >= 0 && point.y() < 50) << point.y();
  EXPECT_TRUE(busy->PortLine()->text().contains(QStringLiteral("link up, 100 Mbit/s full duplex")))
      << qPrintable(busy->PortLine()->text());
  // The status line gives the latest rate in words: the rate within the same tenth as the chart.
  const QRegularExpressionMatch said =
      QRegularExpression(QStringLiteral("receive (\\d+\\.\\d) Mbit/s"))
          .match(busy->StatusLine()->text());
  ASSERT_TRUE(said.hasMatch()) << qPrintable(busy->StatusLine()->text());
  EXPECT_TRUE(Within(said.captured(1).toDouble() * 1e6, kPort3In))
      << qPrintable(busy->StatusLine()->text());

  for (ZnRateChart* chart : {down->RateChart(), down->ErrorChart()})
    for (int line : {0, 1})
      for (const QPointF& point : chart->Points(line)) EXPECT_EQ(point.y(), 0) << line;
  EXPECT_TRUE(down->PortLine()->text().contains(QStringLiteral("link down")))
      << qPrintable(down->PortLine()->text());

  // Paused, the window reads nothing; resumed, the lines go on as new segments.
  busy->PauseButton()->click();
  EXPECT_TRUE(busy->Paused());
  EXPECT_EQ(busy->PauseButton()->text(), QStringLiteral("&Resume"));
  const qsizetype pausedAt = busy->RateChart()->Points(0).size();
  QTest::qWait(900);
  EXPECT_EQ(busy->RateChart()->Points(0).size(), pausedAt);
  busy->PauseButton()->click();
  ASSERT_TRUE(Await([&] { return busy->RateChart()->Segments(0) == 2; }));
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
}

TEST_F(TrafficAgentTest, ASilentSwitchLeavesAGapWhileTheWindowRunsOn) {
  Open({});
  TTrafficForm* form = Traffic(1);
  form->Reader().SetTimeout(20, 0);
  ASSERT_TRUE(Await([&] { return form->RateChart()->Points(0).size() >= 3; }));
  ASSERT_EQ(form->RateChart()->Segments(0), 1);

  agent_->Pause();
  QElapsedTimer beat;
  qint64 worstGap = 0;
  QTimer heartbeat;
  heartbeat.setInterval(10);
  QObject::connect(&heartbeat, &QTimer::timeout,
                   [&] { worstGap = std::max(worstGap, beat.restart()); });
  beat.start();
  heartbeat.start();
  ASSERT_TRUE(Await([&] { return form->StatusLine()->text().startsWith("No answer since"); }));
  const qsizetype beforeSilence = form->RateChart()->Points(0).size();
  QTest::qWait(1000);  // several ticks without an answer
  EXPECT_EQ(form->RateChart()->Points(0).size(), beforeSilence);
  // A key press is handled while the switch is silent: the window is not frozen.
  QTest::keyClick(form->PauseButton(), Qt::Key_Space);
  EXPECT_TRUE(form->Paused());
  QTest::keyClick(form->PauseButton(), Qt::Key_Space);
  EXPECT_FALSE(form->Paused());
  heartbeat.stop();
  EXPECT_LT(worstGap, 500);

  agent_->Resume();
  ASSERT_TRUE(Await([&] {
    return form->RateChart()->Segments(0) == 2 &&
           form->RateChart()->Points(0).size() >= beforeSilence + 2;
  })) << qPrintable(form->StatusLine()->text());
  const QList<QPointF> points = form->RateChart()->Points(0);
  qreal widest = 0;
  for (qsizetype i = 1; i < points.size(); ++i)
    widest = std::max(widest, points[i].x() - points[i - 1].x());
  EXPECT_GE(widest, 1000);  // the silence lies between the two segments
  for (const QPointF& point : points) EXPECT_TRUE(Within(point.y(), kPort1In)) << point.y();
  EXPECT_TRUE(form->StatusLine()->text().startsWith("Read at"));
}

// Every counter starts 4 seconds of its traffic below 2^32. SNMPv1 reads the 32-bit ifTable
// counters, which wrap while the window watches; the rates across the wrap stay the port's.
TEST_F(TrafficAgentTest, CountersWrappingAt32BitsOverSnmpV1GiveNoNegativeOrGiantRate) {
  Open({"--counters-near-wrap=4"}, 0);
  TTrafficForm* form = Traffic(3, 500);
  std::uint64_t previous = 0;
  int wraps = 0, afterWrap = 0;
  QObject::connect(&form->Reader(), &ZnPortReader::Reading, [&](const ZnPortReading& reading) {
    if (!reading.Ok()) return;
    EXPECT_EQ(reading.OctetWidth, 32);
    if (reading.InOctets < previous) ++wraps;
    if (wraps > 0) ++afterWrap;
    previous = reading.InOctets;
  });
  ASSERT_TRUE(Await([&] { return afterWrap >= 3; }, 20000))
      << qPrintable(form->StatusLine()->text());
  EXPECT_EQ(wraps, 1);
  const QList<QPointF> in = form->RateChart()->Points(0);
  ASSERT_GE(in.size(), 4);
  for (const QPointF& point : in) EXPECT_TRUE(Within(point.y(), kPort3In)) << point.y();
  for (const QPointF& point : form->RateChart()->Points(1))
    EXPECT_TRUE(Within(point.y(), kPort3Out)) << point.y();
  EXPECT_EQ(form->RateChart()->Segments(0), 1);  // the wrap did not break the line
}

TEST_F(TrafficAgentTest, ATooltipTellsThePortItsLinkAndThenItsRate) {
  Open({"--slot2", "3"});
  panel_->Tips()->SetPollInterval(300);
  // A tooltip hides when its window is activated; the pointer comes to rest after that.
  ASSERT_TRUE(QTest::qWaitForWindowActive(panel_.get()));
  QTest::qWait(200);
  const auto hover = [](QWidget* button) {
    const QPoint at = button->rect().center();
    QHelpEvent event(QEvent::ToolTip, at, button->mapToGlobal(at));
    QApplication::sendEvent(button, &event);
  };
  hover(panel_->Port(1));
  // At once, without waiting for the switch: what is known and "…" for the rest.
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), QStringLiteral("Port 1: …\nLink: …\nReceive …, transmit …"));
  ASSERT_TRUE(Await([] {
    return QToolTip::text().startsWith(
        QStringLiteral("Port 1: core router\nLink up, 100 Mbit/s full duplex\n"));
  })) << qPrintable(QToolTip::text());
  ASSERT_TRUE(Await([] { return !QToolTip::text().contains(QStringLiteral("…")); }))
      << qPrintable(QToolTip::text());
  const QString rates = QToolTip::text().section('\n', 2, 2);
  const QRegularExpression pattern(
      QStringLiteral("^Receive ([\\d.]+) Mbit/s, transmit ([\\d.]+) Mbit/s$"));
  const QRegularExpressionMatch match = pattern.match(rates);
  ASSERT_TRUE(match.hasMatch()) << qPrintable(rates);
  EXPECT_TRUE(Within(match.captured(1).toDouble() * 1e6, kPort1In)) << qPrintable(rates);
  EXPECT_TRUE(Within(match.captured(2).toDouble() * 1e6, kPort1Out)) << qPrintable(rates);
  EXPECT_EQ(panel_->Port(1)->toolTip(), QToolTip::text());

  QToolTip::hideText();
  hover(panel_->Port(22));
  ASSERT_TRUE(Await([] {
    return QToolTip::text() ==
           QStringLiteral("Port 22\nLink down\nReceive 0 bit/s, transmit 0 bit/s");
  })) << qPrintable(QToolTip::text());

  QToolTip::hideText();
  ASSERT_NE(panel_->Module(2), nullptr);
  hover(panel_->Module(2)->SpeedButton1());
  EXPECT_TRUE(QToolTip::text().startsWith(QStringLiteral("Port 26 (XM-72 in slot 2): …")))
      << qPrintable(QToolTip::text());
  ASSERT_TRUE(Await([] {
    return QToolTip::text().startsWith(
        QStringLiteral("Port 26 (XM-72 in slot 2): uplink slot 2\nLink up, 1 Gbit/s full duplex"));
  })) << qPrintable(QToolTip::text());
  QToolTip::hideText();
}

}  // namespace
