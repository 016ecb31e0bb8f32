#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// The pictures of the switch and its uplink modules, painted with vector shapes so they stay
// crisp at any device pixel ratio. Each function returns a pixmap of the logical size given here
// with its device pixel ratio set; the controls that sit on a picture (port buttons, LED holders,
// module slots) are placed at the rectangles below, which the pictures leave free.

// ---- The front panel ----------------------------------------------------------------------

// Logical size of the front-panel picture and of the panel form that shows it.
inline constexpr QSize ZnFrontPanelSize{893, 103};
inline constexpr QSize ZnPortButtonSize{29, 30};
// The icon on a port button: the button's frame around it still fits in 29 × 30.
inline constexpr QSize ZnPortGlyphSize{25, 22};
inline constexpr QSize ZnLinkStripSize{132, 7};
inline constexpr QSize ZnLedHolderSize{7, 7};
inline constexpr QSize ZnModuleSize{128, 78};

// The button of front port 1..24: three groups of eight, odd ports in the upper row, even ports
// in the lower row, two ports per column. An empty rectangle for any other number.
QRect ZnFrontPortRect(int port);
// The link-LED strip above port group 1..3 (empty for any other group).
QRect ZnLinkStripRect(int group);
// The opening of uplink slot 1 or 2 (empty for any other slot).
QRect ZnSlotRect(int slot);
QRect ZnPowerLedRect();
QRect ZnConsoleLedRect();

// The switch's front panel with rack ears, model label, port groups with their numbers, the
// link-LED recesses, the power and console captions and the two empty uplink slots.
QPixmap ZnFrontPanelPicture(qreal devicePixelRatio = 1.0);

// The face of an RJ-45 socket for a port button. Sockets of the upper row have their latch
// notch at the top; those of the lower row are mounted upside down, notch at the bottom.
QPixmap ZnPortGlyph(qreal devicePixelRatio, bool upperRow);

// ---- Uplink modules -----------------------------------------------------------------------

enum class ZnModuleKind { XM71, XM72, XM73 };

// The module kind for a slot's module-type label ("moduleType-XM-71" …); none for "none",
// "moduleType-COMBA" or any label we have no picture for.
std::optional<ZnModuleKind> ZnModuleKindOf(const QString& label);
// "XM-71", "XM-72", "XM-73".
QString ZnModuleName(ZnModuleKind kind);

// Where a module panel places its controls on the module picture, in the picture's logical
// pixels. XM-71 has speed, link and activity LEDs; XM-72 and XM-73 only the activity LED, their
// other holders are empty rectangles.
struct ZnModuleLayout {
  QRect Button;
  QRect LedPort1Speed;
  QRect LedPort1Link;
  QRect LedPort1Act;
};
ZnModuleLayout ZnModuleLayoutOf(ZnModuleKind kind);

// The module's faceplate, 128 × 78, with its name; the button and LED rectangles are left plain.
QPixmap ZnModulePicture(ZnModuleKind kind, qreal devicePixelRatio = 1.0);
// The icon on the module's button: its socket, a few pixels smaller than the button.
QPixmap ZnModuleGlyph(ZnModuleKind kind, qreal devicePixelRatio = 1.0);
