#include "ZnSNMPRequest2Leds.h"

#include "ZnNumList.h"
#include "ZnOptionList.h"
#include "ZnSNMPMessages.h"
#include "ZnValueImage.h"

#include <QFrame>
#include <QPainter>

#include <algorithm>

namespace {

using namespace ZnLedColors;

const ZnLedColorItem kPanelColours[] = {{0, White}, {1, White}, {2, Green}, {3, Green},
                                        {4, Blue},  {5, Red},   {0, None}};
const ZnLedColorItem kThreeGreenColours[] = {{0, White}, {1, White}, {2, White}, {3, Green},
                                             {4, Blue},  {5, Red},   {0, None}};
const ZnLedColorItem kTwoGreenColours[] = {{0, White}, {1, White}, {2, Green}, {3, White},
                                           {4, Blue},  {5, Red},   {0, None}};

constexpr std::uint8_t kColourCodeMask = 0x07;

}  // namespace

const ZnSNMPLedColorMapList ZnLedColorMap1(kPanelColours, kColourCodeMask, 0x80, Black, White);
const ZnSNMPLedColorMapList ZnLedColorMap2(kThreeGreenColours, kColourCodeMask, 0x80, Black, White);
const ZnSNMPLedColorMapList ZnLedColorMap3(kTwoGreenColours, kColourCodeMask, 0x08, Black, White);
const ZnSNMPLedColorMapList ZnLedColorMap4(kThreeGreenColours, kColourCodeMask, 0x04, Black, White);
const ZnSNMPLedColorMapList ZnLedColorMap5(kPanelColours, kColourCodeMask, 0x80, Black, White);

const ZnSNMPLedColorMapList& ZnLedColorMap(int number) {
  switch (number) {
    case 1:
      return ZnLedColorMap1;
    case 2:
      return ZnLedColorMap2;
    case 3:
      return ZnLedColorMap3;
    case 4:
      return ZnLedColorMap4;
    case 5:
      return ZnLedColorMap5;
    default:
      throw ZnGeneralError(ZnGeneralText::IndexOutOfRange);
  }
}

QColor ZnLedColour(int value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// ---------------------------------------------------------------------------------------------
// Colour maps

ZnSNMPLedColorMapList::ZnSNMPLedColorMapList(const ZnLedColorItem* items, std::uint8_t valueMask,
                                             std::uint8_t blinkMask, int initialColour,
                                             int missingColour)
    : ValueMask(valueMask),
      BlinkMask(blinkMask),
      InitialColour(initialColour),
      MissingColour(missingColour) {
  for (const ZnLedColorItem* item = items; item && item->Colour != None; ++item)
    entries_.push_back(*item);
}

int ZnSNMPLedColorMapList::Lookup(int code) const {
  const auto byte = static_cast<std::uint8_t>(code);
  for (const ZnLedColorItem& entry : entries_)
    if (static_cast<std::uint8_t>(entry.Code) == byte) return entry.Colour;
  return Black;
}

const ZnLedColorItem& ZnSNMPLedColorMapList::At(int index) const {
  if (index < 0 || index >= Count()) throw ZnGeneralError(ZnGeneralText::IndexOutOfRange);
  return entries_[static_cast<size_t>(index)];
}

// ---------------------------------------------------------------------------------------------
// LED shape

ZnLedShape::ZnLedShape(Kind kind, int width, int height, QWidget* parent)
    : QWidget(parent), kind_(kind) {
  setFixedSize(width, height);
  // Painted fully on every repaint where it is opaque; the corners of a round LED show the
  // panel behind.
  setAttribute(Qt::WA_OpaquePaintEvent, kind == Kind::Rectangle);
}

void ZnLedShape::SetColour(int value) {
  if (value == colour_) return;
  colour_ = value;
  update();
}

void ZnLedShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor colour = ZnLedColour(colour_);
  if (kind_ == Kind::Rectangle) {
    painter.fillRect(rect(), colour);
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(colour);
  painter.setBrush(colour);
  QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (kind_ == Kind::Circle) {
    const qreal side = std::min(area.width(), area.height());
    area = QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
  }
  painter.drawEllipse(area);
}

// ---------------------------------------------------------------------------------------------
// The binding

ZnSNMPRequest2Leds::ZnSNMPRequest2Leds(QWidget* owner) : ZnSNMPRequest2Controls(owner) {
  mode = Mode::Asynchronous;
  pollTimer_.setSingleShot(false);
  connect(&pollTimer_, &QTimer::timeout, this, &ZnSNMPRequest2Leds::PollTick);
  blinkTimer_.setInterval(kBlinkIntervalMs);
  connect(&blinkTimer_, &QTimer::timeout, this, &ZnSNMPRequest2Leds::Paint);
  blinkTimer_.start();
}

ZnSNMPRequest2Leds::~ZnSNMPRequest2Leds() {
  // Neither timer may tick into this part of the object once it goes. A read still under way is
  // given up rather than waited for: its answer could only paint LEDs that are going away, and
  // waiting for a silent switch would hold the program for seconds as it closes. The LEDs are
  // left as they are: their panel may be gone.
  pollTimer_.stop();
  blinkTimer_.stop();
  Request().Abandon();
}

const ZnLedRecord& ZnSNMPRequest2Leds::Led(int index) const {
  if (index < 0 || index >= LedCount()) throw ZnGeneralError(ZnGeneralText::IndexOutOfRange);
  return leds_[static_cast<size_t>(index)];
}

void ZnSNMPRequest2Leds::BindLed(int variable, int byteIndex, const ZnSNMPLedColorMapList& map,
                                 ZnLedShape* shape) {
  ZnLedRecord led;
  led.Variable = variable;
  led.ByteIndex = byteIndex;
  led.Map = &map;
  led.Shape = shape;
  led.Colour = map.InitialColour;
  if (shape) {
    shape->SetColour(led.Colour);
    shape->show();
  }
  leds_.push_back(led);
}

void ZnSNMPRequest2Leds::BindLedRow(int variable, const QString& byteList,
                                    const ZnSNMPLedColorMapList& map, QWidget* panel, int left,
                                    int spacing, ZnLedShape::Kind kind, int width, int height) {
  ZnNumList<int> bytes(QLatin1Char(','));
  bytes.Parse(byteList);
  for (int k = 0; k < bytes.Count(); ++k)
    if (bytes.At(k) < 0) throw ZnFrameworkError(ZnCode::PartialIndexOutOfRange);
  for (int k = 0; k < bytes.Count(); ++k) {
    auto* shape = new ZnLedShape(kind, width, height, panel);
    shape->move(left + k * (spacing + width), 1);
    BindLed(variable, bytes.At(k), map, shape);
  }
  if (auto* frame = qobject_cast<QFrame*>(panel)) frame->setFrameShape(QFrame::NoFrame);
}

void ZnSNMPRequest2Leds::Start(int interval) {
  // A zero interval would poll as fast as the event loop turns.
  pollTimer_.setInterval(std::max(interval, 1) * 10);
  pollTimer_.start();
  blinkTimer_.start();
  discardAnswer_ = false;  // an answer still on its way is as fresh as the first poll's
  try {
    Poll();
  } catch (...) {
    Reset();
    throw;
  }
}

void ZnSNMPRequest2Leds::Stop() {
  pollTimer_.stop();
  blinkTimer_.stop();
  discardAnswer_ = Busy();
  Reset();
}

void ZnSNMPRequest2Leds::Reset() {
  for (ZnLedRecord& led : leds_) {
    led.Blinking = false;
    led.Colour = led.Map->InitialColour;
    if (led.Shape) led.Shape->SetColour(led.Colour);
  }
}

void ZnSNMPRequest2Leds::Poll() {
  if (Busy() || Request().Outstanding > 0) {
    ++skippedPolls_;
    return;
  }
  const Mode asked = mode;
  mode = Mode::Asynchronous;
  try {
    Refresh();
  } catch (...) {
    mode = asked;
    throw;
  }
  mode = asked;
}

void ZnSNMPRequest2Leds::PollTick() {
  try {
    Poll();
  } catch (const ZnException& e) {
    Reset();
    ReportStatus(e.Message());
  } catch (const std::exception& e) {
    Reset();
    ReportStatus(QString::fromLocal8Bit(e.what()));
  }
}

void ZnSNMPRequest2Leds::BeforeGet() {
  discardAnswer_ = false;
}

void ZnSNMPRequest2Leds::ShowRow() {
  if (discardAnswer_) return;
  blinkCounter_ = 0;
  for (ZnLedRecord& led : leds_) EvaluateLed(led);
  Paint();
}

void ZnSNMPRequest2Leds::OnGetError(const ZnSNMPError& result) {
  if (discardAnswer_) return;
  Reset();
  ReportStatus(result.Message);
}

void ZnSNMPRequest2Leds::EvaluateLed(ZnLedRecord& led) {
  const ZnSNMPVar& var = VarList().Item(led.Variable);
  // A switch without the LED object has no panel to show: said as SNMPv1 says it (noSuchName).
  if (var.Absent) {
    const ZnMappedError missing = ZnSNMPMapError(2);
    throw ZnException(missing.Message, missing.Code);
  }
  const QString text = var.Options ? var.Options->LabelToValue(var.Value) : var.Value;
  const QByteArray image = ZnTextToImage(text, var.Syntax);
  if (led.ByteIndex >= 0 && led.ByteIndex < image.size()) {
    const auto byte = static_cast<std::uint8_t>(image[led.ByteIndex]);
    led.Colour = led.Map->Lookup(byte & led.Map->ValueMask);
    led.Blinking = (byte & led.Map->BlinkMask) != 0;
    return;
  }
  if (led.Map->MissingColour == ZnLedColors::None)
    throw ZnFrameworkError(ZnCode::PartialIndexOutOfRange);
  led.Colour = led.Map->MissingColour;
  led.Blinking = false;
}

void ZnSNMPRequest2Leds::Paint() {
  bool anyBlinking = false;
  for (ZnLedRecord& led : leds_) {
    if (!led.Shape) continue;
    int shown = led.Colour;
    if (led.Blinking) {
      anyBlinking = true;
      const bool dark = led.Shape->Colour() == led.Map->InitialColour;
      if (!dark && blinkCounter_ <= BlinkLimit) shown = led.Map->InitialColour;
    }
    led.Shape->SetColour(shown);
    if (led.Shape->isHidden()) led.Shape->show();
  }
  // Past the limit the count no longer matters; keeping it there means it never overflows.
  if (anyBlinking && blinkCounter_ <= BlinkLimit) ++blinkCounter_;
}
