#include "ErrorCode.h"
#include "TestApplication.h"
#include "ZnOptionList.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Leds.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QImage>

#include <memory>

// The LED binding without a device: how bytes become colours and blinking, how a blinking LED
// is painted tick by tick, and where a row of LEDs goes.
namespace {

using namespace ZnLedColors;

const ZnSNMPVarDef kLedStatus[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.1.5", "LEDs", ZnSyntax::OctetString, ZnAccess::ReadOnly}, {}};

// Makes the steps of a received row reachable without an agent.
class LedProbe : public ZnSNMPRequest2Leds {
 public:
  using ZnSNMPRequest2Leds::Paint;
  using ZnSNMPRequest2Leds::ShowRow;
  using ZnSNMPRequest2Leds::ZnSNMPRequest2Leds;
};

class LedBinding : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    window_ = std::make_unique<QWidget>();
    binding_ = new LedProbe(window_.get());
    binding_->VarList() = ZnSNMPVarList(kLedStatus, ZnItemType::SVT_SV, 0);
  }
  ZnLedShape* Bind(int byteIndex, const ZnSNMPLedColorMapList& map) {
    auto* shape = new ZnLedShape(ZnLedShape::Kind::Rectangle, 6, 6, window_.get());
    binding_->BindLed(0, byteIndex, map, shape);
    return shape;
  }
  std::vector<int> Painted(const ZnLedShape* shape, int ticks) {
    std::vector<int> colours;
    for (int k = 0; k < ticks; ++k, binding_->Paint()) colours.push_back(shape->Colour());
    return colours;
  }

  std::unique_ptr<QWidget> window_;
  LedProbe* binding_ = nullptr;
};

TEST(LedColorMap, LookupComparesCodesAsBytesAndColoursAreWindowsValues) {
  const ZnLedColorItem items[] = {{0x102, Red}, {2, Green}, {7, Blue}, {0, None}, {3, White}};
  const ZnSNMPLedColorMapList map(items, 0x07, 0x80, Black, White);
  EXPECT_EQ(map.Count(), 3) << "nothing after the terminating pair";
  EXPECT_EQ(map.Lookup(0x302), Red) << "the first entry with the same low byte";
  EXPECT_EQ(map.Lookup(3), Black) << "no entry";
  EXPECT_EQ(CodeOf([] { ZnLedColorMap(6); }), ZnCode::IndexOutOfRange);
  EXPECT_EQ(ZnLedColour(0x00336699), QColor(0x99, 0x66, 0x33));

  TestApplication();
  ZnLedShape round(ZnLedShape::Kind::Circle, 20, 12);
  round.SetColour(Blue);
  const QImage image = round.grab().toImage();
  EXPECT_EQ(image.pixelColor(10, 6), QColor(0, 0, 255));
  EXPECT_NE(image.pixelColor(1, 6), QColor(0, 0, 255)) << "a circle, not the whole shape";
}

TEST_F(LedBinding, BytesBecomeColoursAndBlinkingThroughTheirMap) {
  const struct {
    int byte;
    const ZnSNMPLedColorMapList& map;
    int colour;
    bool blinking;
  } leds[] = {
      {0, ZnLedColorMap1, Green, true},  {1, ZnLedColorMap1, Blue, false},
      {2, ZnLedColorMap1, Red, false},   {3, ZnLedColorMap1, White, false},
      {4, ZnLedColorMap1, Black, false}, {5, ZnLedColorMap3, Green, true},
      {5, ZnLedColorMap1, Green, false},  // the same byte, another blink bit
      {5, ZnLedColorMap4, White, false},  // and another code table
      {6, ZnLedColorMap1, White, false},  // beyond the value
  };
  for (const auto& led : leds) EXPECT_EQ(Bind(led.byte, led.map)->Colour(), Black);
  binding_->VarList().Item(0).Value = "82 04 05 00 07 0A";
  binding_->ShowRow();
  for (int k = 0; k < binding_->LedCount(); ++k) {
    EXPECT_EQ(binding_->Led(k).Colour, leds[k].colour) << "LED " << k;
    EXPECT_EQ(binding_->Led(k).Blinking, leds[k].blinking) << "LED " << k;
  }

  // A value with an option list is turned back from its label before it is cut into bytes.
  const ZnOptionItem states[] = {{5, "fault"}, {0, nullptr}};
  const ZnOptionList stateList(states);
  binding_->VarList().Item(0).Syntax = ZnSyntax::Integer;
  binding_->VarList().Item(0).Options = &stateList;
  binding_->VarList().Item(0).Value = "fault";
  binding_->ShowRow();
  EXPECT_EQ(binding_->Led(0).Colour, Red);
  EXPECT_EQ(binding_->Led(4).Colour, White) << "an integer has four bytes";
}

TEST_F(LedBinding, MissingByteIsAnErrorOnlyWhenTheMapSaysSo) {
  const ZnSNMPLedColorMapList strict(nullptr, 0x07, 0x80, Black, None);
  Bind(0, ZnLedColorMap1);
  Bind(1, strict);
  binding_->VarList().Item(0).Value = "04 02";
  binding_->ShowRow();
  binding_->VarList().Item(0).Value = "04";
  EXPECT_EQ(CodeOf([&] { binding_->ShowRow(); }), ZnCode::PartialIndexOutOfRange);
}

TEST_F(LedBinding, BlinkingAlternatesAfterEachPollThenStaysLit) {
  ZnLedShape* blinking = Bind(0, ZnLedColorMap1);
  ZnLedShape* steady = Bind(1, ZnLedColorMap1);
  binding_->VarList().Item(0).Value = "82 02";
  binding_->ShowRow();
  // The row's own paint lit the dark LED; each tick up to the limit flips it, then it stays.
  const std::vector<int> colours = Painted(blinking, 10);
  for (size_t k = 0; k < colours.size(); ++k)
    EXPECT_EQ(colours[k], k <= 6 && k % 2 == 1 ? Black : Green) << "paint " << k;
  EXPECT_EQ(steady->Colour(), Green);

  binding_->ShowRow();  // the next poll flashes again, from lit to dark
  EXPECT_EQ(Painted(blinking, 3), (std::vector<int>{Black, Green, Black}));
  binding_->Reset();
  EXPECT_EQ(Painted(blinking, 2), (std::vector<int>{Black, Black}));
  EXPECT_EQ(steady->Colour(), Black);
}

TEST_F(LedBinding, RowOfLedsIsLaidOutInItsPanelWithoutFrame) {
  auto* panel = new QFrame(window_.get());
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  binding_->BindLedRow(0, "2,4,6", ZnLedColorMap1, panel, 7, 4, ZnLedShape::Kind::Ellipse, 6, 5);
  EXPECT_EQ(panel->frameShape(), QFrame::NoFrame);
  ASSERT_EQ(binding_->LedCount(), 3);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(binding_->Led(k).ByteIndex, 2 + 2 * k);
    EXPECT_EQ(binding_->Led(k).Shape->parentWidget(), panel);
    EXPECT_EQ(binding_->Led(k).Shape->geometry(), QRect(7 + k * 10, 1, 6, 5)) << "LED " << k;
  }
  EXPECT_EQ(CodeOf([&] {
              binding_->BindLedRow(0, "8,-2", ZnLedColorMap1, panel, 0, 0,
                                   ZnLedShape::Kind::Rectangle, 6, 6);
            }),
            ZnCode::PartialIndexOutOfRange);
  EXPECT_EQ(binding_->LedCount(), 3) << "a refused row adds no LED";

  // A shape that is gone is skipped; the others still follow the value.
  delete binding_->Led(1).Shape;
  binding_->VarList().Item(0).Value = "00 00 05 00 05 00 04";
  binding_->ShowRow();
  EXPECT_EQ(binding_->Led(2).Shape->Colour(), Blue);
}

}  // namespace
