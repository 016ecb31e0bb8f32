// The front panel against the simulated switch: module panels chosen by the fitted modules,
// port selection, the per-port dialog, and LEDs that follow the device and survive its silence.
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TNX596PanelForm.h"
#include "TSNMPEditorPanel.h"
#include "TestApplication.h"
#include "WhenModal.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPRequest2Leds.h"
#include "ZnSNMPSession.h"
#include "ZnSNMPSettings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

class FrontPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    static QTemporaryDir counter;
    ZnSNMPOpenSession(counter.path());
    ZnSetNotifier(&notifier_);
    status_ = std::make_unique<QLabel>();
  }
  void TearDown() override {
    panel_.reset();
    ZnSetNotifier(nullptr);
  }

  // Starts an agent with `arguments` and a shown panel that talks to it.
  void Open(const QStringList& arguments) {
    agent_ = std::make_unique<Nx596Agent>(arguments);
    ASSERT_TRUE(agent_->Start());
    ZnSNMPGlobalDevice = {"127.0.0.1", agent_->Port()};
    ZnSNMPGlobalSecurity.Version = 1;
    ZnSNMPDefaultTimeout = 100;
    panel_ = std::make_unique<TNX596PanelForm>(ZnPanelHost{status_.get(), "127.0.0.1"}, nullptr);
    panel_->show();
  }
  // The bytes the LEDs of a binding show, in binding order.
  static QList<int> Bytes(const ZnSNMPRequest2Leds& leds) {
    QList<int> bytes;
    for (int i = 0; i < leds.LedCount(); ++i) bytes << leds.Led(i).ByteIndex;
    return bytes;
  }
  static bool ShowsColours(const ZnSNMPRequest2Leds& leds, int first, const QList<int>& colours) {
    for (int i = 0; i < colours.size(); ++i)
      if (leds.Led(first + i).Colour != colours[i]) return false;
    return true;
  }
  // What the window system delivers for a double-click: press, release (a click), press,
  // double-click, release; sent straight to the button.
  static void DoubleClick(QWidget* button) {
    const QPointF at = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(at);
    for (QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
      const bool down = type != QEvent::MouseButtonRelease;
      QMouseEvent event(type, at, global, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                        Qt::NoModifier);
      QApplication::sendEvent(button, &event);
    }
  }
  bool TraceHas(const QString& text) const {
    for (const QString& line : agent_->TraceLines())
      if (line.contains(text)) return true;
    return false;
  }

  RecordingNotifier notifier_;
  std::unique_ptr<QLabel> status_;
  std::unique_ptr<Nx596Agent> agent_;
  std::unique_ptr<TNX596PanelForm> panel_;
};

struct SlotCase {
  int slot1, slot2;
  const char* class1;  // null: the slot panel is hidden
  const char* class2;
  QList<int> bytes1, bytes2;  // the LED bytes of each module, in binding order
};

TEST_F(FrontPanelTest, EachSlotShowsThePanelOfItsModuleWithTheSlotsLedsAndTag) {
  const SlotCase cases[] = {
      {1, 0, "TPanelXM71Form", nullptr, {51, 50, 50}, {}},
      {0, 1, nullptr, "TPanelXM71Form", {}, {53, 52, 52}},
      {3, 3, "TPanelXM72Form", "TPanelXM72Form", {51}, {53}},
      {2, 4, "TPanel1XM73Form", nullptr, {51}, {}},
      {4, 2, nullptr, "TPanel1XM73Form", {}, {53}},
  };
  for (const SlotCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "slots " << c.slot1 << " and " << c.slot2);
    Open({"--slot1", QString::number(c.slot1), "--slot2", QString::number(c.slot2)});
    for (int slot : {1, 2}) {
      const char* expected = slot == 1 ? c.class1 : c.class2;
      TModulePanelForm* module = panel_->Module(slot);
      EXPECT_EQ(panel_->SlotPanel(slot)->isVisible(), expected != nullptr) << slot;
      if (!expected) {
        EXPECT_EQ(module, nullptr);
        continue;
      }
      ASSERT_NE(module, nullptr);
      EXPECT_STREQ(module->metaObject()->className(), expected);
      EXPECT_EQ(module->parentWidget(), panel_->SlotPanel(slot));
      EXPECT_EQ(module->SpeedButton1()->property("Tag").toInt(), slot == 1 ? 25 : 26);
      EXPECT_EQ(Bytes(*module->LedBinding()), slot == 1 ? c.bytes1 : c.bytes2);
      if (module->Kind() == ZnModuleKind::XM71) {
        EXPECT_EQ(module->LedBinding()->Led(0).Map, &ZnSpeedColorMap());
      }
    }
    panel_.reset();
    agent_.reset();
  }
  // Two modules of one kind: the latest is the one reachable through its class.
  EXPECT_EQ(TPanelXM72Form::Instance, nullptr);  // both went with their panel
}

TEST_F(FrontPanelTest, PortsSitInThreeGroupsAndOneIsSelectedAtATime) {
  Open({});
  EXPECT_EQ(panel_->Port(17)->geometry(), QRect(476, 18, 29, 30));       // group 3, column 0
  EXPECT_EQ(panel_->Port(16)->geometry(), QRect(338 + 96, 53, 29, 30));  // group 2, column 3
  EXPECT_EQ(Bytes(*panel_->LedBinding()).mid(0, 4), (QList<int>{0, 1, 2, 4}));
  EXPECT_EQ(panel_->LedBinding()->LedCount(), 26);

  QTest::mouseClick(panel_->Port(5), Qt::LeftButton);
  EXPECT_EQ(ZnSelectedPort, 5);
  EXPECT_TRUE(panel_->Port(5)->isChecked());
  QTest::mouseClick(panel_->Port(7), Qt::LeftButton);
  EXPECT_EQ(ZnSelectedPort, 7);
  EXPECT_FALSE(panel_->Port(5)->isChecked());
  EXPECT_TRUE(panel_->Port(7)->isChecked());
  // A click on the picture releases the port but keeps it selected.
  QTest::mouseClick(panel_->Image1(), Qt::LeftButton, {}, QPoint(60, 60));
  EXPECT_FALSE(panel_->Port(7)->isChecked());
  EXPECT_EQ(ZnSelectedPort, 7);
}

TEST_F(FrontPanelTest, DoubleClickReadsThePortControlRowOfThatPort) {
  Open({"--slot2", "3"});
  const auto open = [&](QWidget* button, const QString& instance) {
    agent_->ClearTrace();
    QString caption;
    WhenModal([&](QWidget* modal) {
      caption = modal->windowTitle();
      // The dialog reads as soon as it is shown.
      Await([&] { return TraceHas("1.3.6.1.4.1.99917.11.63.3.2.2.2.1.2." + instance + "="); },
            5000);
      return true;
    });
    DoubleClick(button);
    EXPECT_EQ(caption, QStringLiteral("Port Control : 127.0.0.1")) << qPrintable(status_->text());
    EXPECT_TRUE(TraceHas("1.3.6.1.4.1.99917.11.63.3.2.2.2.1.5." + instance + "="))
        << qPrintable(agent_->TraceLines().join('\n'));
  };
  open(panel_->Port(5), QStringLiteral("5"));
  EXPECT_EQ(ZnSelectedPort, 5);
  ASSERT_NE(panel_->Module(2), nullptr);
  open(panel_->Module(2)->SpeedButton1(), QStringLiteral("26"));
  EXPECT_EQ(ZnSelectedPort, 26);
}

TEST_F(FrontPanelTest, LedsShowTheDevicesColoursGoBlackWhenItIsSilentAndComeBack) {
  using namespace ZnLedColors;
  // Power blinking green, console blue, ports 1-3 red, white, black; nothing for ports 4-24.
  Open({"--leds",
        "82"
        "04"
        "0500"
        "0000"
        "07"});  // bytes 0, 1, 2, 4, 6
  ZnSNMPRequest2Leds& leds = *panel_->LedBinding();
  ASSERT_TRUE(Await([&] {
    return ShowsColours(leds, 0, {Green, Blue, Red, White, Black});
  })) << leds.Led(0).Colour
      << " " << leds.Led(1).Colour << " " << leds.Led(2).Colour << " " << leds.Led(3).Colour << " "
      << leds.Led(4).Colour << " " << qPrintable(status_->text());
  EXPECT_TRUE(leds.Led(0).Blinking);
  EXPECT_FALSE(leds.Led(1).Blinking);
  EXPECT_EQ(leds.Led(25).Colour, White);  // port 24's byte is beyond the value
  EXPECT_TRUE(status_->text().startsWith(QStringLiteral("Get: Ok.")));

  // Poll quickly for the test; the device stops answering.
  leds.Request().Timeout = 20;
  leds.Request().Retries = 0;
  leds.Start(10);
  const quint16 port = agent_->Port();
  agent_->Stop();
  // The window keeps running while the device is silent.
  QElapsedTimer beat;
  qint64 worstGap = 0;
  QTimer heartbeat;
  heartbeat.setInterval(10);
  beat.start();
  QObject::connect(&heartbeat, &QTimer::timeout,
                   [&] { worstGap = std::max(worstGap, beat.restart()); });
  heartbeat.start();
  ASSERT_TRUE(Await([&] { return ShowsColours(leds, 0, {Black, Black, Black, Black, Black}); }));
  EXPECT_TRUE(ShowsColours(leds, 0, QList<int>(26, Black)));
  EXPECT_FALSE(status_->text().startsWith(QStringLiteral("Get: Ok.")));
  EXPECT_FALSE(status_->text().isEmpty());
  QTest::qWait(300);
  EXPECT_LT(worstGap, 500);
  EXPECT_TRUE(notifier_.shown.empty());

  ASSERT_TRUE(agent_->Restart());
  ASSERT_EQ(agent_->Port(), port);
  EXPECT_TRUE(Await([&] { return ShowsColours(leds, 0, {Green, Blue, Red, White, Black}); }));
}

// Port 7 (steady green: linked) disabled in its own dialog goes dark at the next poll and the
// interface table reports it down; enabled again, both come back.
TEST_F(FrontPanelTest, APortDisabledInItsDialogGoesDarkAndDownAndComesBackEnabled) {
  using namespace ZnLedColors;
  Open({});
  ZnSNMPRequest2Leds& leds = *panel_->LedBinding();
  constexpr int kPort7 = 2 + 6;  // after the power and console LEDs, the ports in order
  ASSERT_TRUE(Await([&] { return leds.Led(kPort7).Colour == Green; })) << leds.Led(kPort7).Colour;
  leds.Start(10);  // the next poll comes quickly for the test
  const struct {
    const char* adminState;
    int colour;
    const char* operStatus;  // ifOperStatus: 1 up, 2 down
  } steps[] = {{"disabled", White, "2"}, {"enabled", Green, "1"}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.adminState);
    QString written;
    WhenModal([&](QWidget* modal) {
      auto* page = modal->findChild<TSNMPEditorPanel*>();
      if (!page || !Await([&] { return !page->Memo()->toPlainText().isEmpty(); })) return true;
      const TEditsPanel::Row& admin = page->Editor()->RowAt(1);
      auto* combo = qobject_cast<QComboBox*>(admin.value);
      if (!combo) return true;
      combo->setCurrentIndex(combo->findText(step.adminState));
      if (!admin.check->isChecked()) admin.check->click();
      page->Buttons()->SetCheckedButton()->click();
      written = page->Memo()->toPlainText().split('\n').last();
      return true;
    });
    DoubleClick(panel_->Port(7));
    EXPECT_TRUE(written.startsWith("Set: Ok.")) << qPrintable(written);
    EXPECT_TRUE(Await([&] { return leds.Led(kPort7).Colour == step.colour; }))
        << leds.Led(kPort7).Colour;
    static constexpr ZnSNMPVarDef kOperStatus[] = {
        {"1.3.6.1.2.1.2.2.1.8.7", "ifOperStatus.7", ZnSyntax::Integer, ZnAccess::ReadOnly},
        {},
    };
    ZnSNMPRequest read;
    read.VarList = ZnSNMPVarList(kOperStatus, ZnItemType::MVT_SV, 0);
    read.Get(true);
    EXPECT_EQ(read.VarList.Item(0).Value, step.operStatus);
  }
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
}

}  // namespace
