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
// is painted tick by tick, where a row of LEDs is laid out, and how a shape paints its colour.
namespace {

using namespace ZnLedColors;

const ZnSNMPVarDef kLedStatus[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.1.5", "swL2DevInfoFrontPanelLedStatus", ZnSyntax::OctetString,
     ZnAccess::ReadOnly},
    {}};

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

  // The colours a shape shows over `ticks` paints.
  std::vector<int> Painted(const ZnLedShape* shape, int ticks) {
    std::vector<int> colours;
    for (int k = 0; k < ticks; ++k) {
      binding_->Paint();
      colours.push_back(shape->Colour());
    }
    return colours;
  }

  std::unique_ptr<QWidget> window_;
  LedProbe* binding_ = nullptr;
};

TEST(LedColorMap, LookupComparesCodesAsBytesAndTakesTheFirstMatch) {
  const ZnLedColorItem items[] = {{0x102, Red}, {2, Green}, {7, Blue}, {0, None}, {3, White}};
  const ZnSNMPLedColorMapList map(items, 0x07, 0x80, Black, White);
  // Entries after the terminating pair are not part of the map.
  EXPECT_EQ(map.Count(), 3);
  EXPECT_EQ(map.Lookup(2), Red);
  EXPECT_EQ(map.Lookup(0x302), Red);
  EXPECT_EQ(map.Lookup(7), Blue);
  EXPECT_EQ(map.Lookup(3), Black) << "no entry: black";
  EXPECT_EQ(CodeOf([&] { map.At(3); }), ZnCode::IndexOutOfRange);

  const ZnSNMPLedColorMapList empty(nullptr, 0x07, 0x80, Black, White);
  EXPECT_EQ(empty.Count(), 0);
  EXPECT_EQ(empty.Lookup(0), Black);
}

TEST(LedColorMap, SystemMapsByNumberAndColourValuesAsQColors) {
  EXPECT_EQ(&ZnLedColorMap(1), &ZnLedColorMap1);
  EXPECT_EQ(&ZnLedColorMap(4), &ZnLedColorMap4);
  EXPECT_EQ(CodeOf([] { ZnLedColorMap(0); }), ZnCode::IndexOutOfRange);
  EXPECT_EQ(CodeOf([] { ZnLedColorMap(6); }), ZnCode::IndexOutOfRange);
  for (int number = 1; number <= 5; ++number) {
    const ZnSNMPLedColorMapList& map = ZnLedColorMap(number);
    EXPECT_EQ(map.ValueMask, 0x07) << number;
    EXPECT_EQ(map.InitialColour, Black) << number;
    EXPECT_EQ(map.MissingColour, White) << number;
    EXPECT_EQ(map.Lookup(6), Black) << number;
    EXPECT_EQ(map.Lookup(7), Black) << number;
  }
  // Windows colour values keep red in the low byte.
  EXPECT_EQ(ZnLedColour(Red), QColor(255, 0, 0));
  EXPECT_EQ(ZnLedColour(Blue), QColor(0, 0, 255));
  EXPECT_EQ(ZnLedColour(0x00336699), QColor(0x99, 0x66, 0x33));
}

TEST_F(LedBinding, BytesBecomeColoursAndBlinkingThroughTheirMap) {
  ZnLedShape* power = Bind(0, ZnLedColorMap1);
  Bind(1, ZnLedColorMap1);
  Bind(2, ZnLedColorMap1);
  Bind(3, ZnLedColorMap1);
  Bind(4, ZnLedColorMap1);
  Bind(5, ZnLedColorMap3);
  Bind(5, ZnLedColorMap1);  // the same byte, another blink mask
  Bind(5, ZnLedColorMap4);
  Bind(6, ZnLedColorMap1);  // beyond the value
  EXPECT_EQ(power->Colour(), Black) << "before any data";
  EXPECT_FALSE(power->isHidden());

  binding_->VarList().Item(0).Value = "82 04 05 00 07 0A";
  binding_->ShowRow();
  struct Expected {
    int colour;
    bool blinking;
  };
  const Expected expected[] = {
      {Green, true},  {Blue, false},  {Red, false},   {White, false}, {Black, false},
      {Green, true},  {Green, false}, {White, false},  // map 4: code 2 is white, 0x08 is not its
                                                       // blink bit
      {White, false},
  };
  ASSERT_EQ(binding_->LedCount(), 9);
  for (int k = 0; k < 9; ++k) {
    EXPECT_EQ(binding_->Led(k).Colour, expected[k].colour) << "LED " << k;
    EXPECT_EQ(binding_->Led(k).Blinking, expected[k].blinking) << "LED " << k;
    if (!expected[k].blinking) {
      EXPECT_EQ(binding_->Led(k).Shape->Colour(), expected[k].colour) << "LED " << k;
    }
  }
}

TEST_F(LedBinding, OptionLabelsAreTurnedBackIntoTheirValueFirst) {
  const ZnOptionItem states[] = {{2, "link"}, {5, "fault"}, {0, nullptr}};
  const ZnOptionList stateList(states);
  const ZnSNMPVarDef state[] = {
      {"1.3.6.1.4.1.99917.1", "State", ZnSyntax::Integer, ZnAccess::ReadOnly, &stateList}, {}};
  binding_->VarList() = ZnSNMPVarList(state, ZnItemType::SVT_SV, 0);
  Bind(0, ZnLedColorMap1);
  Bind(1, ZnLedColorMap1);
  Bind(4, ZnLedColorMap1);
  binding_->VarList().Item(0).Value = "fault";
  binding_->ShowRow();
  // An integer's image is four bytes, least significant first.
  EXPECT_EQ(binding_->Led(0).Colour, Red);
  EXPECT_EQ(binding_->Led(1).Colour, White);
  EXPECT_EQ(binding_->Led(2).Colour, White) << "beyond the four bytes";
}

TEST_F(LedBinding, MissingByteIsAnErrorOnlyWhenTheMapSaysSo) {
  const ZnSNMPLedColorMapList strict(nullptr, 0x07, 0x80, Black, None);
  Bind(0, ZnLedColorMap1);
  Bind(1, strict);
  binding_->VarList().Item(0).Value = "04 02";
  binding_->ShowRow();
  EXPECT_EQ(binding_->Led(1).Colour, Black) << "code 2 has no entry in an empty map";

  binding_->VarList().Item(0).Value = "04";
  EXPECT_EQ(CodeOf([&] { binding_->ShowRow(); }), ZnCode::PartialIndexOutOfRange);
  binding_->VarList().Item(0).Value = "(NULL)";
  EXPECT_EQ(CodeOf([&] { binding_->ShowRow(); }), ZnCode::PartialIndexOutOfRange);
}

TEST_F(LedBinding, BlinkingAlternatesAfterEachPollThenStaysLit) {
  ZnLedShape* blinking = Bind(0, ZnLedColorMap1);
  ZnLedShape* steady = Bind(1, ZnLedColorMap1);
  binding_->VarList().Item(0).Value = "82 02";
  binding_->ShowRow();
  // The row's own paint lit the dark LED; every tick up to the limit flips it, then it stays.
  std::vector<int> colours{blinking->Colour()};
  for (int colour : Painted(blinking, 10)) colours.push_back(colour);
  const int limit = binding_->BlinkLimit;
  for (int k = 0; k <= limit; ++k)
    EXPECT_EQ(colours[static_cast<size_t>(k)], k % 2 == 0 ? Green : Black) << "paint " << k;
  for (size_t k = static_cast<size_t>(limit) + 1; k < colours.size(); ++k)
    EXPECT_EQ(colours[k], Green) << "paint " << k;
  EXPECT_EQ(steady->Colour(), Green);

  // The next poll starts blinking again, from the lit state: dark first.
  binding_->ShowRow();
  EXPECT_EQ(binding_->BlinkCounter(), 1);
  EXPECT_EQ(blinking->Colour(), Black);
  EXPECT_EQ(Painted(blinking, 1).front(), Green);

  // A shorter limit shortens the flashing.
  binding_->BlinkLimit = 1;
  binding_->ShowRow();
  EXPECT_EQ(Painted(blinking, 4), (std::vector<int>{Green, Green, Green, Green}));

  binding_->Reset();
  EXPECT_FALSE(binding_->Led(0).Blinking);
  EXPECT_EQ(Painted(blinking, 3), (std::vector<int>{Black, Black, Black}));
  EXPECT_EQ(steady->Colour(), Black);
}

TEST_F(LedBinding, RowOfLedsIsLaidOutInItsPanelWithoutFrame) {
  auto* panel = new QFrame(window_.get());
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  binding_->BindLedRow(0, "2,4,6", ZnLedColorMap1, panel, 7, 4, ZnLedShape::Kind::Ellipse, 6, 5);
  EXPECT_EQ(panel->frameShape(), QFrame::NoFrame);
  ASSERT_EQ(binding_->LedCount(), 3);
  for (int k = 0; k < 3; ++k) {
    const ZnLedRecord& led = binding_->Led(k);
    EXPECT_EQ(led.ByteIndex, 2 + 2 * k);
    EXPECT_EQ(led.Map, &ZnLedColorMap1);
    ASSERT_TRUE(led.Shape);
    EXPECT_EQ(led.Shape->parentWidget(), panel);
    EXPECT_EQ(led.Shape->geometry(), QRect(7 + k * 10, 1, 6, 5)) << "LED " << k;
    EXPECT_EQ(led.Shape->ShapeKind(), ZnLedShape::Kind::Ellipse);
  }
  EXPECT_EQ(CodeOf([&] {
              binding_->BindLedRow(0, "8,-2", ZnLedColorMap1, panel, 0, 0,
                                   ZnLedShape::Kind::Rectangle, 6, 6);
            }),
            ZnCode::PartialIndexOutOfRange);
  EXPECT_EQ(binding_->LedCount(), 3) << "a refused row adds no LED";

  // A shape whose panel is gone is skipped; the others still follow the value.
  delete binding_->Led(1).Shape;
  binding_->VarList().Item(0).Value = "00 00 05 00 05 00 04";
  binding_->ShowRow();
  EXPECT_EQ(binding_->Led(2).Shape->Colour(), Blue);
}

TEST(LedShape, PaintsItsColourEdgeToEdgeOrAsARoundLed) {
  TestApplication();
  ZnLedShape square(ZnLedShape::Kind::Rectangle, 8, 6);
  square.SetColour(Red);
  const QImage squareImage = square.grab().toImage();
  EXPECT_EQ(squareImage.pixelColor(0, 0), QColor(255, 0, 0));
  EXPECT_EQ(squareImage.pixelColor(7, 5), QColor(255, 0, 0));

  QWidget back;
  back.setAutoFillBackground(true);
  back.setPalette(QPalette(Qt::white));
  auto* round = new ZnLedShape(ZnLedShape::Kind::Circle, 20, 12, &back);
  round->SetColour(Blue);
  const QImage roundImage = back.grab(round->geometry()).toImage();
  EXPECT_EQ(roundImage.pixelColor(10, 6), QColor(0, 0, 255));
  // A circle in a wide shape leaves the sides and the corners to the panel.
  EXPECT_EQ(roundImage.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(roundImage.pixelColor(1, 6), QColor(Qt::white));
}

}  // namespace
