#include "QtPrinters.h"
#include "TestApplication.h"
#include "ZnPictures.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

// The painted pictures of the switch: their sizes at every ratio, and that the places where
// buttons and LEDs sit on them are where the widgets will put them.
namespace {

constexpr ZnModuleKind kKinds[] = {ZnModuleKind::XM71, ZnModuleKind::XM72, ZnModuleKind::XM73};

struct Picture {
  const char* name;
  QSize logical;
  std::function<QPixmap(qreal)> paint;
};

std::vector<Picture> EveryPicture() {
  std::vector<Picture> all = {
      {"front panel", {893, 103}, [](qreal r) { return ZnFrontPanelPicture(r); }},
      {"upper port", {25, 22}, [](qreal r) { return ZnPortGlyph(r, true); }},
      {"lower port", {25, 22}, [](qreal r) { return ZnPortGlyph(r, false); }},
  };
  for (const ZnModuleKind kind : kKinds)
    all.push_back({"module", {128, 78}, [kind](qreal r) { return ZnModulePicture(kind, r); }});
  return all;
}

std::string Text(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4")
      .arg(r.x())
      .arg(r.y())
      .arg(r.width())
      .arg(r.height())
      .toStdString();
}

// The distinct colours inside `area` of `image`, whose pixels are `ratio` times the logical ones.
int ColoursIn(const QImage& image, const QRect& area, qreal ratio) {
  const QRect pixels(area.topLeft() * ratio, area.size() * ratio);
  QList<QRgb> seen;
  for (int y = pixels.top(); y <= pixels.bottom(); ++y)
    for (int x = pixels.left(); x <= pixels.right(); ++x)
      if (!seen.contains(image.pixel(x, y))) seen.append(image.pixel(x, y));
  return static_cast<int>(seen.size());
}

TEST(PicturesTest, EveryPictureHasItsLogicalSizeAndRatioAtOneAndTwoTimes) {
  TestApplication();
  for (const qreal ratio : {1.0, 2.0}) {
    for (const Picture& picture : EveryPicture()) {
      SCOPED_TRACE(std::string(picture.name) + " at " + std::to_string(ratio));
      const QPixmap pixmap = picture.paint(ratio);
      EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
      EXPECT_EQ(pixmap.deviceIndependentSize(), QSizeF(picture.logical));
      EXPECT_EQ(pixmap.size(), picture.logical * ratio);
    }
    for (const ZnModuleKind kind : kKinds) {
      // The icon is framed by its button, so it must be smaller than the button on both axes.
      const QPixmap glyph = ZnModuleGlyph(kind, ratio);
      const QSize button = ZnModuleLayoutOf(kind).Button.size();
      EXPECT_EQ(glyph.devicePixelRatio(), ratio);
      EXPECT_LE(glyph.deviceIndependentSize().width(), button.width() - 4);
      EXPECT_LE(glyph.deviceIndependentSize().height(), button.height() - 4);
    }
  }
  EXPECT_LE(ZnPortGlyph(1.0, true).width(), 29 - 4);
  EXPECT_LE(ZnPortGlyph(1.0, true).height(), 30 - 4);
}

TEST(PicturesTest, ARatioThatIsNotAPositiveNumberPaintsAtOneTime) {
  TestApplication();
  for (const qreal ratio : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN()}) {
    const QPixmap panel = ZnFrontPanelPicture(ratio);
    EXPECT_EQ(panel.size(), QSize(893, 103));
    EXPECT_EQ(panel.devicePixelRatio(), 1.0);
    EXPECT_EQ(ZnModuleGlyph(ZnModuleKind::XM73, ratio).size(), QSize(48, 19));
  }
}

TEST(PicturesTest, FrontPanelLayoutPutsPortsInThreeGroupsOfTwoRows) {
  // Port 17 opens group 3 in the upper row; port 16 closes group 2 in the lower row.
  EXPECT_EQ(ZnFrontPortRect(17), QRect(476, 18, 29, 30));
  EXPECT_EQ(ZnFrontPortRect(16), QRect(338 + 3 * 32, 53, 29, 30));
  EXPECT_EQ(ZnFrontPortRect(1), QRect(202, 18, 29, 30));
  EXPECT_EQ(ZnFrontPortRect(24), QRect(476 + 3 * 32, 53, 29, 30));
  EXPECT_TRUE(ZnFrontPortRect(0).isNull());
  EXPECT_TRUE(ZnFrontPortRect(25).isNull());
  EXPECT_TRUE(ZnLinkStripRect(4).isNull());
  EXPECT_TRUE(ZnSlotRect(3).isNull());

  // Nothing that sits on the panel overlaps anything else or leaves the panel.
  std::vector<QRect> placed = {ZnPowerLedRect(), ZnConsoleLedRect(), ZnSlotRect(1), ZnSlotRect(2)};
  for (int group = 1; group <= 3; ++group) placed.push_back(ZnLinkStripRect(group));
  for (int port = 1; port <= 24; ++port) placed.push_back(ZnFrontPortRect(port));
  const QRect panel(QPoint(0, 0), ZnFrontPanelSize);
  for (std::size_t i = 0; i < placed.size(); ++i) {
    EXPECT_TRUE(panel.contains(placed[i])) << Text(placed[i]);
    for (std::size_t j = i + 1; j < placed.size(); ++j)
      EXPECT_FALSE(placed[i].intersects(placed[j]))
          << Text(placed[i]) << " and " << Text(placed[j]);
  }
}

TEST(PicturesTest, FrontPanelDrawsEverySocketAndKeepsLedAndSlotRecessesFreeOfPrint) {
  TestApplication();
  for (const qreal ratio : {1.0, 2.0}) {
    SCOPED_TRACE(ratio);
    const QImage image = ZnFrontPanelPicture(ratio).toImage();
    for (int port = 1; port <= 24; ++port)
      EXPECT_GT(ColoursIn(image, ZnFrontPortRect(port), ratio), 4) << "port " << port;
    // Inside its one-pixel rim, every LED recess is a single flat colour: no number or caption
    // spilled into a place that an LED widget covers and that would then look cut off.
    std::vector<QRect> recesses = {ZnPowerLedRect(), ZnConsoleLedRect()};
    for (int group = 1; group <= 3; ++group) recesses.push_back(ZnLinkStripRect(group));
    for (const QRect& recess : recesses)
      EXPECT_EQ(ColoursIn(image, recess.adjusted(1, 1, -1, -1), ratio), 1) << Text(recess);
    // The empty slots are dark: a hidden slot panel shows an opening, not chassis.
    for (int slot = 1; slot <= 2; ++slot) {
      const QRect opening = ZnSlotRect(slot);
      EXPECT_LT(qGray(image.pixel(opening.center() * ratio)), 16);
    }
  }
}

// The first and last rows of the socket's black opening, as the width of dark pixels in each.
std::pair<int, int> OpeningEdgeWidths(const QImage& glyph) {
  std::vector<int> widths;
  for (int y = 0; y < glyph.height(); ++y) {
    int left = glyph.width(), right = -1;
    for (int x = 0; x < glyph.width(); ++x)
      if (qAlpha(glyph.pixel(x, y)) == 255 && qGray(glyph.pixel(x, y)) < 24) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
    if (right >= left) widths.push_back(right - left + 1);
  }
  if (widths.empty()) return {0, 0};
  return {widths.front(), widths.back()};
}

TEST(PicturesTest, PortGlyphsHaveTheLatchNotchTowardTheOutsideOfTheirRow) {
  TestApplication();
  for (const qreal ratio : {1.0, 2.0}) {
    SCOPED_TRACE(ratio);
    const auto [upperTop, upperBottom] = OpeningEdgeWidths(ZnPortGlyph(ratio, true).toImage());
    const auto [lowerTop, lowerBottom] = OpeningEdgeWidths(ZnPortGlyph(ratio, false).toImage());
    EXPECT_LT(upperTop, upperBottom);  // narrow notch on top of the wide body
    EXPECT_GT(lowerTop, lowerBottom);  // mounted upside down: the notch below
  }
}

TEST(PicturesTest, ModuleLayoutsFitTheFaceplateWithTheirButtonSizes) {
  const QRect faceplate(QPoint(0, 0), ZnModuleSize);
  const struct {
    ZnModuleKind kind;
    QSize button;
    int leds;
  } expected[] = {{ZnModuleKind::XM71, {34, 36}, 3},
                  {ZnModuleKind::XM72, {30, 27}, 1},
                  {ZnModuleKind::XM73, {54, 25}, 1}};
  for (const auto& module : expected) {
    SCOPED_TRACE(ZnModuleName(module.kind).toStdString());
    const ZnModuleLayout layout = ZnModuleLayoutOf(module.kind);
    EXPECT_EQ(layout.Button.size(), module.button);
    EXPECT_TRUE(faceplate.contains(layout.Button));
    EXPECT_FALSE(layout.LedPort1Act.isNull());  // every module has an activity LED
    std::vector<QRect> placed = {layout.Button};
    for (const QRect& led : {layout.LedPort1Speed, layout.LedPort1Link, layout.LedPort1Act}) {
      if (led.isNull()) continue;
      EXPECT_EQ(led.size(), QSize(7, 7));
      EXPECT_TRUE(faceplate.contains(led)) << Text(led);
      for (const QRect& other : placed)
        EXPECT_FALSE(led.intersects(other)) << Text(led) << " and " << Text(other);
      placed.push_back(led);
    }
    EXPECT_EQ(static_cast<int>(placed.size()) - 1, module.leds);
  }
}

TEST(PicturesTest, ModulePicturesDrawThePortAndLeaveTheLedHoldersPlain) {
  TestApplication();
  for (const qreal ratio : {1.0, 2.0})
    for (const ZnModuleKind kind : kKinds) {
      SCOPED_TRACE(ZnModuleName(kind).toStdString() + " at " + std::to_string(ratio));
      const QImage image = ZnModulePicture(kind, ratio).toImage();
      const ZnModuleLayout layout = ZnModuleLayoutOf(kind);
      EXPECT_GT(ColoursIn(image, layout.Button, ratio), 4);
      for (const QRect& led : {layout.LedPort1Speed, layout.LedPort1Link, layout.LedPort1Act})
        if (!led.isNull()) {
          EXPECT_EQ(ColoursIn(image, led.adjusted(1, 1, -1, -1), ratio), 1);
        }
      // Opaque everywhere: the module covers the black slot opening completely.
      EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255);
      EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 255);
    }
}

TEST(PicturesTest, ModuleKindComesFromTheSlotLabel) {
  EXPECT_EQ(ZnModuleKindOf("moduleType-XM-71"), ZnModuleKind::XM71);
  EXPECT_EQ(ZnModuleKindOf("moduleType-XM-72"), ZnModuleKind::XM72);
  EXPECT_EQ(ZnModuleKindOf("moduleType-XM-73"), ZnModuleKind::XM73);
  for (const char* other : {"none", "moduleType-COMBA", "", "moduleType-XM-7", "XM-71"})
    EXPECT_EQ(ZnModuleKindOf(other), std::nullopt) << other;
}

}  // namespace
