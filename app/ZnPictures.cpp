#include "ZnPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <utility>

namespace {

// ---- Geometry of the front panel -----------------------------------------------------------

constexpr int kPortsPerGroup = 8;
constexpr int kColumnPitch = 32;
constexpr int kUpperRowY = 18;
constexpr int kLowerRowY = 53;
constexpr int kGroupX[] = {202, 338, 476};
constexpr int kStripX[] = {197, 337, 474};
constexpr int kStripY = 4;
constexpr QPoint kSlotOrigin[] = {{615, 15}, {759, 15}};
constexpr int kEarWidth = 6;  // the last slot ends 6 px before the panel's right edge

// ---- Colours -------------------------------------------------------------------------------

const QColor kChassisTop(84, 88, 95);
const QColor kChassisMiddle(62, 65, 71);
const QColor kChassisBottom(46, 48, 53);
const QColor kHighlight(132, 137, 145);
const QColor kShadow(18, 19, 21);
const QColor kHole(10, 10, 12);
const QColor kPrint(226, 228, 232);     // screen print on the dark chassis
const QColor kPrintDim(178, 182, 190);  // the smaller lines of screen print
const QColor kModuleInk(24, 26, 30);    // print on the lighter module faceplates

// A pixmap of `logical` size for painting at `devicePixelRatio`; a ratio that is not a positive
// number (a caller's zero, a NaN) or beyond any screen (above 16) paints at 1× instead of
// producing an empty or huge pixmap.
QPixmap CanvasOf(QSize logical, qreal devicePixelRatio) {
  const qreal ratio = devicePixelRatio > 0 && devicePixelRatio <= 16 ? devicePixelRatio : 1.0;
  QPixmap pixmap(logical * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void PrepareForVectors(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont PrintFont(int pixelSize, bool bold = false) {
  QFont font;
  font.setFamilies(
      {QStringLiteral("DejaVu Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  // Full hinting puts the stems of small print on whole pixels: crisp at 1×.
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

// A one-pixel line rectangle whose strokes fall exactly on the pixels of `r`'s border.
QRectF HairlineRect(const QRect& r) {
  return QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
}

// A pressed-in rectangle: dark fill, shadow on the top and left edges, light on the bottom and
// right, as light from above falls on a recess.
void PaintRecess(QPainter& p, const QRect& r, const QColor& fill) {
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRect(r);
  const QRectF line = HairlineRect(r);
  p.setPen(QPen(kShadow, 1));
  p.drawLine(line.topLeft(), line.topRight());
  p.drawLine(line.topLeft(), line.bottomLeft());
  p.setPen(QPen(kHighlight.darker(115), 1));
  p.drawLine(line.bottomLeft(), line.bottomRight());
  p.drawLine(line.topRight(), line.bottomRight());
}

// A raised rim: light on top and left, dark on bottom and right.
void PaintBevel(QPainter& p, const QRect& r, const QColor& light, const QColor& dark) {
  const QRectF line = HairlineRect(r);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(light, 1));
  p.drawLine(line.topLeft(), line.topRight());
  p.drawLine(line.topLeft(), line.bottomLeft());
  p.setPen(QPen(dark, 1));
  p.drawLine(line.bottomLeft(), line.bottomRight());
  p.drawLine(line.topRight(), line.bottomRight());
}

// A Phillips screw head seen from the front.
void PaintScrew(QPainter& p, QPointF centre, qreal radius) {
  QRadialGradient metal(centre - QPointF(radius / 3, radius / 3), radius * 1.6);
  metal.setColorAt(0, QColor(226, 228, 232));
  metal.setColorAt(1, QColor(120, 124, 130));
  p.setPen(QPen(QColor(34, 35, 38), 0.8));
  p.setBrush(metal);
  p.drawEllipse(centre, radius, radius);
  p.setPen(QPen(QColor(60, 62, 66), radius > 3 ? 1.2 : 0.9, Qt::SolidLine, Qt::RoundCap));
  const qreal arm = radius * 0.55;
  p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
  p.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

// The face of an RJ-45 socket filling `r`: a steel shield around a black opening whose latch
// notch points up (or down for a socket mounted upside down), with the eight gold contacts on
// the side away from the latch. Integer geometry, so the contacts stay separate at 1×.
void PaintRj45(QPainter& p, const QRect& r, bool notchUp) {
  const int w = r.width();
  const int h = r.height();
  QLinearGradient steel(r.topLeft(), r.bottomLeft());
  steel.setColorAt(0, QColor(214, 217, 222));
  steel.setColorAt(0.5, QColor(178, 182, 188));
  steel.setColorAt(1, QColor(138, 142, 148));
  p.setPen(QPen(QColor(72, 74, 78), 1));
  p.setBrush(steel);
  p.drawRoundedRect(HairlineRect(r), 1.5, 1.5);

  const int side = (w * 12 + 50) / 100;  // steel on either side of the opening
  const int bodyWidth = w - 2 * side;
  int notchWidth = (w * 40 + 50) / 100;
  if ((bodyWidth - notchWidth) % 2 != 0) ++notchWidth;  // keep the notch centred on a pixel
  const int notchHeight = std::max(2, (h * 18 + 50) / 100);
  const int bodyHeight = (h * 55 + 50) / 100;
  const int top = r.y() + (h - notchHeight - bodyHeight + 1) / 2;
  const int bodyY = notchUp ? top + notchHeight : top;
  const int notchY = notchUp ? top : top + bodyHeight;
  const QRect body(r.x() + side, bodyY, bodyWidth, bodyHeight);
  const QRect notch(r.x() + (w - notchWidth) / 2, notchY, notchWidth, notchHeight);
  QPainterPath opening;
  opening.addRect(body);
  opening.addRect(notch);
  p.setPen(Qt::NoPen);
  p.setBrush(kHole);
  p.drawPath(opening.simplified());
  // A thin shadow line inside the top edge gives the opening depth.
  p.setPen(QPen(QColor(0, 0, 0), 1));
  const QRect lit = notchUp ? notch : body;
  p.drawLine(QPointF(lit.left() + 0.5, lit.top() + 0.5),
             QPointF(lit.right() + 0.5, lit.top() + 0.5));

  const int pitch = std::max(2, (bodyWidth - 2) / 8);
  const int span = pitch * 7 + 1;
  const int contactHeight = std::max(2, bodyHeight / 3);
  const int firstX = body.x() + (bodyWidth - span) / 2;
  const int contactY = notchUp ? body.bottom() - contactHeight : body.top() + 1;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(212, 172, 58));
  for (int contact = 0; contact < 8; ++contact)
    p.drawRect(QRect(firstX + contact * pitch, contactY, 1, contactHeight));
}

// ---- Module faceplates ----------------------------------------------------------------------

struct ModuleText {
  const char* name;
  const char* medium;
};

ModuleText TextOf(ZnModuleKind kind) {
  switch (kind) {
    case ZnModuleKind::XM71:
      return {"XM-71", "10/100/1000 Copper"};
    case ZnModuleKind::XM72:
      return {"XM-72", "SFP Fibre"};
    case ZnModuleKind::XM73:
      return {"XM-73", "SC Duplex Fibre"};
  }
  return {"", ""};
}

QSize GlyphSizeOf(ZnModuleKind kind) {
  switch (kind) {
    case ZnModuleKind::XM71:
      return {27, 24};  // button 34 × 36
    case ZnModuleKind::XM72:
      return {24, 21};  // button 30 × 27
    case ZnModuleKind::XM73:
      return {48, 19};  // button 54 × 25
  }
  return {};
}

// An SFP cage with a transceiver in it, seen from the front: the steel cage, the transceiver's
// nose with its two LC receptacles and the bail handle below them.
void PaintSfp(QPainter& p, const QRect& r) {
  QLinearGradient steel(r.topLeft(), r.bottomLeft());
  steel.setColorAt(0, QColor(210, 213, 218));
  steel.setColorAt(1, QColor(140, 144, 150));
  p.setPen(QPen(QColor(72, 74, 78), 1));
  p.setBrush(steel);
  p.drawRect(HairlineRect(r));
  const QRect mouth = r.adjusted(2, 2, -2, -2);
  p.setPen(Qt::NoPen);
  p.setBrush(kHole);
  p.drawRect(mouth);
  const QRect nose = mouth.adjusted(1, 1, -1, -1);
  p.setBrush(QColor(70, 73, 79));
  p.drawRect(nose);
  const int portWidth = (nose.width() - 3) / 2;
  const int portHeight = nose.height() * 6 / 10;
  for (int port = 0; port < 2; ++port) {
    const QRect lc(nose.x() + 1 + port * (portWidth + 1), nose.y() + 1, portWidth, portHeight);
    p.setBrush(kHole);
    p.drawRect(lc);
    p.setBrush(QColor(236, 232, 218));  // the ceramic ferrule
    p.drawEllipse(QRectF(lc).center(), 1.4, 1.4);
  }
  // The bail: a wire loop across the bottom of the nose.
  p.setPen(QPen(QColor(196, 200, 206), 1));
  p.setBrush(Qt::NoBrush);
  const qreal bailY = nose.bottom() - 1.5;
  p.drawLine(QPointF(nose.left() + 1.5, bailY), QPointF(nose.right() - 0.5, bailY));
}

// A duplex SC transceiver face: two square receptacles side by side, each with its key slot on
// top and the ferrule in the middle.
void PaintScDuplex(QPainter& p, const QRect& r) {
  QLinearGradient housing(r.topLeft(), r.bottomLeft());
  housing.setColorAt(0, QColor(96, 100, 108));
  housing.setColorAt(1, QColor(56, 59, 65));
  p.setPen(QPen(QColor(28, 29, 32), 1));
  p.setBrush(housing);
  p.drawRoundedRect(HairlineRect(r), 2, 2);
  const int gap = 4;
  const int portWidth = (r.width() - 4 - gap) / 2;
  const int portHeight = r.height() - 4;
  for (int port = 0; port < 2; ++port) {
    const QRect sc(r.x() + 2 + port * (portWidth + gap), r.y() + 2, portWidth, portHeight);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(42, 92, 168));  // single-mode blue receptacle
    p.drawRect(sc);
    const QRect bore = sc.adjusted(2, 2, -2, -2);
    p.setBrush(kHole);
    p.drawRect(bore);
    p.drawRect(QRect(sc.center().x() - 1, sc.y(), 3, 2));  // key slot
    const QPointF centre = QRectF(bore).center();
    p.setBrush(QColor(236, 232, 218));
    p.drawEllipse(centre, 3.0, 3.0);
    p.setBrush(QColor(150, 146, 134));
    p.drawEllipse(centre, 1.0, 1.0);
  }
}

void PaintModulePort(QPainter& p, ZnModuleKind kind, const QRect& r) {
  switch (kind) {
    case ZnModuleKind::XM71:
      PaintRj45(p, r, true);
      return;
    case ZnModuleKind::XM72:
      PaintSfp(p, r);
      return;
    case ZnModuleKind::XM73:
      PaintScDuplex(p, r);
      return;
  }
}

QRect CentredIn(const QRect& outer, QSize size) {
  return QRect(outer.x() + (outer.width() - size.width()) / 2,
               outer.y() + (outer.height() - size.height()) / 2, size.width(), size.height());
}

void PaintLedCaption(QPainter& p, const QRect& led, const QString& text) {
  p.drawText(QRect(led.right() + 3, led.y() - 3, 30, led.height() + 6),
             Qt::AlignLeft | Qt::AlignVCenter, text);
}

}  // namespace

// ---- Front panel ---------------------------------------------------------------------------

QRect ZnFrontPortRect(int port) {
  if (port < 1 || port > 24) return {};
  const int group = (port - 1) / kPortsPerGroup;
  const int first = group * kPortsPerGroup + 1;
  const int column = (port - first) / 2;
  const bool upper = (port % 2) == 1;
  return QRect(QPoint(kGroupX[group] + column * kColumnPitch, upper ? kUpperRowY : kLowerRowY),
               ZnPortButtonSize);
}

QRect ZnLinkStripRect(int group) {
  if (group < 1 || group > 3) return {};
  return QRect(QPoint(kStripX[group - 1], kStripY), ZnLinkStripSize);
}

QRect ZnSlotRect(int slot) {
  if (slot < 1 || slot > 2) return {};
  return QRect(kSlotOrigin[slot - 1], ZnModuleSize);
}

QRect ZnPowerLedRect() {
  return QRect(QPoint(188, 64), ZnLedHolderSize);
}
QRect ZnConsoleLedRect() {
  return QRect(QPoint(188, 77), ZnLedHolderSize);
}

QPixmap ZnFrontPanelPicture(qreal devicePixelRatio) {
  QPixmap pixmap = CanvasOf(ZnFrontPanelSize, devicePixelRatio);
  QPainter p(&pixmap);
  PrepareForVectors(p);
  const QRect all(QPoint(0, 0), ZnFrontPanelSize);

  // Chassis: brushed dark steel, lit from above, with a bevelled rim.
  QLinearGradient steel(0, 0, 0, all.height());
  steel.setColorAt(0, kChassisTop);
  steel.setColorAt(0.45, kChassisMiddle);
  steel.setColorAt(1, kChassisBottom);
  p.setPen(Qt::NoPen);
  p.setBrush(steel);
  p.drawRect(all);
  p.setPen(QPen(QColor(255, 255, 255, 7), 1));  // faint brushing, too fine to see as lines
  for (int y = 3; y < all.height() - 2; y += 3)
    p.drawLine(QPointF(0, y + 0.5), QPointF(all.width(), y + 0.5));
  PaintBevel(p, all, kHighlight, kShadow);

  // Rack ears at both ends: a fold line and two slotted holes each.
  for (const int earX : {0, all.width() - kEarWidth}) {
    const QRect ear(earX, 0, kEarWidth, all.height());
    QLinearGradient earSteel(ear.topLeft(), ear.topRight());
    earSteel.setColorAt(0, QColor(92, 96, 103));
    earSteel.setColorAt(1, QColor(70, 73, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(earSteel);
    p.drawRect(ear);
    PaintBevel(p, ear, kHighlight, kShadow);
    const qreal fold = earX == 0 ? ear.right() + 0.5 : ear.left() + 0.5;
    p.setPen(QPen(kShadow, 1));
    p.drawLine(QPointF(fold, 1), QPointF(fold, all.height() - 1));
    for (const int holeY : {14, 78}) {
      const QRectF hole(earX + 1.5, holeY, kEarWidth - 3, 11);
      p.setPen(QPen(QColor(150, 154, 160), 0.8));
      p.setBrush(kHole);
      p.drawRoundedRect(hole, 1.5, 1.5);
    }
  }

  // Model label and the line under it.
  p.setPen(kPrint);
  p.setFont(PrintFont(22, true));
  p.drawText(QRect(18, 10, 160, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("NX-596"));
  p.setPen(kPrintDim);
  p.setFont(PrintFont(9));
  p.drawText(QRect(19, 38, 160, 12), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("24-Port Managed Switch"));
  p.setPen(QPen(QColor(120, 125, 133), 1));
  p.drawLine(QPointF(19, 52.5), QPointF(176, 52.5));

  // Ventilation slots below the label.
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 9; ++column) {
      const QRectF slot(19 + column * 12, 62 + row * 7, 9, 3);
      p.setBrush(kShadow);
      p.drawRoundedRect(slot, 1.5, 1.5);
      p.setBrush(QColor(255, 255, 255, 28));
      p.drawRect(QRectF(slot.left() + 1, slot.bottom(), slot.width() - 2, 1));
    }

  // Power and console: captions to the left of the LED holders, the holders left as recesses.
  p.setFont(PrintFont(9));
  for (const auto& [led, caption] : {std::pair{ZnPowerLedRect(), QStringLiteral("Power")},
                                     std::pair{ZnConsoleLedRect(), QStringLiteral("Console")}}) {
    p.setPen(kPrint);
    p.drawText(QRect(led.left() - 64, led.y() - 3, 61, led.height() + 6),
               Qt::AlignRight | Qt::AlignVCenter, caption);
    PaintRecess(p, led, kHole);
  }

  // Port groups: a recessed bezel holding the link-LED strip, the port numbers and the sockets.
  p.setFont(PrintFont(8));
  for (int group = 1; group <= 3; ++group) {
    const int first = (group - 1) * kPortsPerGroup + 1;
    QRect ports = ZnFrontPortRect(first).united(ZnFrontPortRect(first + kPortsPerGroup - 1));
    const QRect strip = ZnLinkStripRect(group);
    const QRect bezel(
        std::min(ports.left(), strip.left()) - 1, strip.top() - 2,
        std::max(ports.right(), strip.right()) - std::min(ports.left(), strip.left()) + 3,
        ports.bottom() + 13 - strip.top() + 2);
    QLinearGradient bezelShade(bezel.topLeft(), bezel.bottomLeft());
    bezelShade.setColorAt(0, QColor(28, 29, 33));
    bezelShade.setColorAt(1, QColor(40, 42, 47));
    p.setPen(Qt::NoPen);
    p.setBrush(bezelShade);
    p.drawRect(bezel);
    PaintBevel(p, bezel, kShadow, kHighlight.darker(110));
    PaintRecess(p, strip, kHole);
    for (int port = first; port < first + kPortsPerGroup; ++port) {
      const QRect button = ZnFrontPortRect(port);
      const bool upper = port % 2 == 1;
      PaintRecess(p, button, QColor(22, 23, 26));
      PaintRj45(p, CentredIn(button, ZnPortGlyphSize), upper);
      const QRect number = upper ? QRect(button.x(), strip.bottom() + 1, button.width(),
                                         button.top() - strip.bottom() - 1)
                                 : QRect(button.x(), button.bottom() + 1, button.width(), 11);
      p.setPen(kPrint);
      p.drawText(number, Qt::AlignHCenter | Qt::AlignVCenter, QString::number(port));
    }
  }

  // Uplink slots: black openings in a thin frame, captioned above.
  p.setFont(PrintFont(8));
  for (int slot = 1; slot <= 2; ++slot) {
    const QRect opening = ZnSlotRect(slot);
    // One pixel of frame only: right of the second slot it already lies on the rack ear.
    PaintBevel(p, opening.adjusted(-1, -1, 1, 1), kShadow, kHighlight);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(4, 4, 5));
    p.drawRect(opening);
    // Guide rails at top and bottom of the empty bay.
    p.setBrush(QColor(30, 31, 34));
    p.drawRect(QRect(opening.x() + 4, opening.y() + 3, opening.width() - 8, 2));
    p.drawRect(QRect(opening.x() + 4, opening.bottom() - 4, opening.width() - 8, 2));
    p.setPen(kPrint);
    p.drawText(QRect(opening.x(), 2, opening.width(), opening.top() - 4), Qt::AlignCenter,
               QStringLiteral("Slot %1").arg(slot));
  }
  // A chassis screw between the slots.
  PaintScrew(p, QPointF(751, 54), 3.5);
  return pixmap;
}

QPixmap ZnPortGlyph(qreal devicePixelRatio, bool upperRow) {
  QPixmap pixmap = CanvasOf(ZnPortGlyphSize, devicePixelRatio);
  QPainter p(&pixmap);
  PrepareForVectors(p);
  PaintRj45(p, QRect(QPoint(0, 0), ZnPortGlyphSize), upperRow);
  return pixmap;
}

// ---- Modules -------------------------------------------------------------------------------

std::optional<ZnModuleKind> ZnModuleKindOf(const QString& label) {
  if (label == QLatin1String("moduleType-XM-71")) return ZnModuleKind::XM71;
  if (label == QLatin1String("moduleType-XM-72")) return ZnModuleKind::XM72;
  if (label == QLatin1String("moduleType-XM-73")) return ZnModuleKind::XM73;
  return std::nullopt;
}

QString ZnModuleName(ZnModuleKind kind) {
  return QString::fromLatin1(TextOf(kind).name);
}

ZnModuleLayout ZnModuleLayoutOf(ZnModuleKind kind) {
  ZnModuleLayout layout;
  switch (kind) {
    case ZnModuleKind::XM71:
      layout.Button = QRect(30, 24, 34, 36);
      layout.LedPort1Speed = QRect(QPoint(72, 28), ZnLedHolderSize);
      layout.LedPort1Link = QRect(QPoint(72, 39), ZnLedHolderSize);
      layout.LedPort1Act = QRect(QPoint(72, 50), ZnLedHolderSize);
      break;
    case ZnModuleKind::XM72:
      layout.Button = QRect(36, 28, 30, 27);
      layout.LedPort1Act = QRect(QPoint(76, 38), ZnLedHolderSize);
      break;
    case ZnModuleKind::XM73:
      layout.Button = QRect(22, 30, 54, 25);
      layout.LedPort1Act = QRect(QPoint(84, 39), ZnLedHolderSize);
      break;
  }
  return layout;
}

QPixmap ZnModulePicture(ZnModuleKind kind, qreal devicePixelRatio) {
  QPixmap pixmap = CanvasOf(ZnModuleSize, devicePixelRatio);
  QPainter p(&pixmap);
  PrepareForVectors(p);
  const QRect all(QPoint(0, 0), ZnModuleSize);
  const ZnModuleLayout layout = ZnModuleLayoutOf(kind);

  // Faceplate: lighter brushed steel than the chassis, so a fitted module stands out.
  QLinearGradient steel(0, 0, 0, all.height());
  steel.setColorAt(0, QColor(172, 176, 183));
  steel.setColorAt(1, QColor(126, 130, 137));
  p.setPen(Qt::NoPen);
  p.setBrush(steel);
  p.drawRect(all);
  PaintBevel(p, all, QColor(214, 217, 222), QColor(60, 62, 67));
  PaintScrew(p, QPointF(9, all.height() / 2.0), 4.5);
  PaintScrew(p, QPointF(all.width() - 9, all.height() / 2.0), 4.5);

  const ModuleText text = TextOf(kind);
  p.setPen(kModuleInk);
  p.setFont(PrintFont(10, true));
  p.drawText(QRect(18, 4, 92, 13), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromLatin1(text.name));
  p.setFont(PrintFont(8));
  p.drawText(QRect(18, all.height() - 15, 92, 11), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromLatin1(text.medium));

  // The port's cut-out: a recess one pixel wider than the button, the socket inside it so the
  // picture is whole even before the button is placed.
  PaintRecess(p, layout.Button.adjusted(-1, -1, 1, 1), QColor(40, 42, 46));
  PaintModulePort(p, kind, CentredIn(layout.Button, GlyphSizeOf(kind)));

  p.setFont(PrintFont(8));
  for (const auto& [led, caption] : {std::pair{layout.LedPort1Speed, QStringLiteral("Speed")},
                                     std::pair{layout.LedPort1Link, QStringLiteral("Link")},
                                     std::pair{layout.LedPort1Act, QStringLiteral("Act")}}) {
    if (led.isNull()) continue;
    PaintRecess(p, led, kHole);
    p.setPen(kModuleInk);
    PaintLedCaption(p, led, caption);
  }
  return pixmap;
}

QPixmap ZnModuleGlyph(ZnModuleKind kind, qreal devicePixelRatio) {
  QPixmap pixmap = CanvasOf(GlyphSizeOf(kind), devicePixelRatio);
  QPainter p(&pixmap);
  PrepareForVectors(p);
  PaintModulePort(p, kind, QRect(QPoint(0, 0), GlyphSizeOf(kind)));
  return pixmap;
}
