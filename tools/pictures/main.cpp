// nx596-pictures: writes every painted picture of the switch and its modules as PNG files at 1×
// and 2×, plus the front panel assembled with real buttons and lit LEDs the way the main window
// puts them together — to look at the pictures before they reach a window.
//
//   nx596-pictures [--out DIR]
//   nx596-pictures --icons DIR
//
// With --icons it writes only the program's icon, the painted model icon, as an icon theme tree:
// DIR/<n>x<n>/apps/nx596.png for the sizes desktops ask for.
//
// The assembled panel is grabbed at the screen's ratio: run with QT_SCALE_FACTOR=2 for 2×.
#include "TAboutForm.h"
#include "ZnPictures.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

#include <cstdio>

namespace {

bool Save(const QPixmap& pixmap, const QDir& dir, const QString& name) {
  const QString ratio = QString::number(pixmap.devicePixelRatio());
  const QString path = dir.filePath(QStringLiteral("%1@%2x.png").arg(name, ratio));
  if (pixmap.save(path)) return true;
  std::fprintf(stderr, "nx596-pictures: cannot write %s\n", qPrintable(path));
  return false;
}

QString FileNameOf(ZnModuleKind kind) {
  return ZnModuleName(kind).toLower().remove('-');
}

// A lit LED on its holder, as the LED bindings show it.
void AddLed(QWidget* parent, const QRect& holder, const QColor& colour) {
  auto* led = new QFrame(parent);
  led->setGeometry(holder.adjusted(1, 1, -1, -1));
  led->setStyleSheet(QStringLiteral("background: %1; border: none;").arg(colour.name()));
}

QToolButton* AddButton(QWidget* parent, const QRect& where, const QPixmap& glyph) {
  auto* button = new QToolButton(parent);
  button->setGeometry(where);
  button->setIcon(QIcon(glyph));
  button->setIconSize(glyph.deviceIndependentSize().toSize());
  button->setCheckable(true);
  return button;
}

void AddModule(QWidget* slot, ZnModuleKind kind, qreal ratio) {
  auto* picture = new QLabel(slot);
  picture->setPixmap(ZnModulePicture(kind, ratio));
  picture->setGeometry(QRect(QPoint(0, 0), ZnModuleSize));
  const ZnModuleLayout layout = ZnModuleLayoutOf(kind);
  AddButton(slot, layout.Button, ZnModuleGlyph(kind, ratio));
  if (!layout.LedPort1Speed.isNull()) AddLed(slot, layout.LedPort1Speed, Qt::blue);
  if (!layout.LedPort1Link.isNull()) AddLed(slot, layout.LedPort1Link, Qt::green);
  AddLed(slot, layout.LedPort1Act, Qt::green);
}

// The front panel put together from its pictures, buttons and LEDs at their places.
QPixmap AssembledPanel() {
  QWidget panel;
  panel.setFixedSize(ZnFrontPanelSize);
  const qreal ratio = panel.devicePixelRatioF();
  auto* picture = new QLabel(&panel);
  picture->setPixmap(ZnFrontPanelPicture(ratio));
  picture->setGeometry(QRect(QPoint(0, 0), ZnFrontPanelSize));
  const QPixmap upper = ZnPortGlyph(ratio, true);
  const QPixmap lower = ZnPortGlyph(ratio, false);
  for (int port = 1; port <= 24; ++port) {
    QToolButton* button = AddButton(&panel, ZnFrontPortRect(port), port % 2 ? upper : lower);
    button->setChecked(port == 5);  // a selected port, to see the pressed look
  }
  AddLed(&panel, ZnPowerLedRect(), Qt::green);
  AddLed(&panel, ZnConsoleLedRect(), Qt::white);
  for (int group = 1; group <= 3; ++group) {
    const QRect strip = ZnLinkStripRect(group);
    for (int led = 0; led < 8; ++led) {
      const bool linked = (group * 8 + led) % 3 != 0;
      const QRect holder(strip.x() + 7 + led * 16 - 1, strip.y(), 7, 7);
      AddLed(&panel, holder.intersected(strip), linked ? Qt::green : Qt::white);
    }
  }
  auto* slot1 = new QWidget(&panel);
  slot1->setGeometry(ZnSlotRect(1));
  AddModule(slot1, ZnModuleKind::XM71, ratio);
  // Slot 2 stays empty in this picture, so the empty bay can be seen too.
  return panel.grab();
}

// The model icon at every size of the icon theme; it is painted 32 × 32, so a size is a ratio.
bool WriteIcons(const QString& root) {
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QPixmap icon = ZnModelIcon(size / 32.0);
    const QDir dir(QStringLiteral("%1/%2x%2/apps").arg(root).arg(size));
    const QString path = dir.filePath(QStringLiteral("nx596.png"));
    if (icon.size() != QSize(size, size) || !QDir().mkpath(dir.path()) || !icon.save(path)) {
      std::fprintf(stderr, "nx596-pictures: cannot write %s\n", qPrintable(path));
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Writes the painted front panel, port glyphs and module pictures as PNG files at 1x and "
      "2x.");
  parser.addHelpOption();
  const QCommandLineOption out("out", "Directory for the pictures (default: pictures).", "dir",
                               "pictures");
  parser.addOption(out);
  const QCommandLineOption icons(
      "icons", "Write only the program's icon, as DIR/<n>x<n>/apps/nx596.png.", "dir");
  parser.addOption(icons);
  parser.process(app);
  if (parser.isSet(icons)) return WriteIcons(parser.value(icons)) ? 0 : 1;
  QDir dir(parser.value(out));
  if (!dir.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "nx596-pictures: cannot create %s\n", qPrintable(dir.path()));
    return 1;
  }
  bool ok = true;
  for (const qreal ratio : {1.0, 2.0}) {
    ok &= Save(ZnFrontPanelPicture(ratio), dir, QStringLiteral("front-panel"));
    ok &= Save(ZnPortGlyph(ratio, true), dir, QStringLiteral("port-upper"));
    ok &= Save(ZnPortGlyph(ratio, false), dir, QStringLiteral("port-lower"));
    for (const ZnModuleKind kind : {ZnModuleKind::XM71, ZnModuleKind::XM72, ZnModuleKind::XM73}) {
      ok &= Save(ZnModulePicture(kind, ratio), dir, QStringLiteral("module-") + FileNameOf(kind));
      ok &= Save(ZnModuleGlyph(kind, ratio), dir, QStringLiteral("glyph-") + FileNameOf(kind));
    }
  }
  ok &= Save(AssembledPanel(), dir, QStringLiteral("assembled"));
  if (ok) std::printf("nx596-pictures: wrote the pictures to %s\n", qPrintable(dir.path()));
  return ok ? 0 : 1;
}
