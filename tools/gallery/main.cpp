// nx596-gallery: opens every catalogue dialog against an agent, waits for its first read, and
// saves a picture of each as <component>.png, then every hand-made dialog as <class>.png — to
// look at layouts the way a user sees them. With --traffic-port it pictures instead the front
// panel with the live tooltip of that port and the port's traffic window after some minutes of
// live traffic (start the agent with --leds-live). With --main-window it pictures the management
// window as a host opens it, its front panel after the first LED reads (the README's picture).
//
//   nx596-gallery --port PORT [--address ADDR] [--out DIR] [--version 0|1]
//   nx596-gallery --port PORT --traffic-port N [--traffic-minutes M] [--out DIR]
//   nx596-gallery --port PORT --main-window FILE
#include "TConfigForm.h"
#include "TMainForm.h"
#include "TNX596PanelForm.h"
#include "TTrafficForm.h"
#include "ZnCatalogue.h"
#include "ZnCatalogueDialog.h"
#include "ZnHandMadeDialogs.h"
#include "ZnPortReader.h"
#include "ZnPortTips.h"
#include "ZnRegistry.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnUserNotifier.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QToolButton>
#include <QToolTip>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Runs the event loop until every page has been read once (or 10 s pass).
void WaitForFirstRead(TConfigForm& form) {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const ZnSNMPRequest2Edits* current = form.Current();
    if (current && !current->Busy() && waited.elapsed() > 300) break;
  }
  QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
}

// A message box would hold the gallery: its text goes to the error output instead.
class PrintingNotifier : public ZnUserNotifier {
 public:
  bool Message(QWidget*, const QString& caption, const QString& text, Buttons, Icon) override {
    std::fprintf(stderr, "message box \"%s\": %s\n", qPrintable(caption), qPrintable(text));
    return false;
  }
  void Beep() override {}
};

// A hand-made dialog reads in the background as it opens; give it time to show its data.
void WaitForHandMadeRead() {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

void RunFor(qint64 ms) {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The front panel with the tooltip of `port` once its rates are known, and the port's traffic
// window after `minutes` of reads. Under a window system the tooltip picture is what the screen
// shows; elsewhere the panel and the tooltip are drawn one above the other.
int TrafficPictures(int port, double minutes, const QDir& out) {
  QLabel status;
  TNX596PanelForm panel(ZnPanelHost{&status, ZnSNMPGlobalDevice.Address}, nullptr);
  panel.move(0, 0);
  panel.show();
  TTrafficForm* traffic =
      TTrafficForm::Open(port, ZnSNMPGlobalDevice.Address, &panel);
  traffic->move(0, panel.frameGeometry().bottom() + 40);
  const qint64 span = static_cast<qint64>(minutes * 60000);
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < span) {
    RunFor(std::min<qint64>(30000, span - waited.elapsed()));
    std::fprintf(stderr, "%.0f s: %s\n", waited.elapsed() / 1000.0,
                 qPrintable(traffic->StatusLine()->text()));
  }
  const QString trafficFile = out.filePath(QStringLiteral("TTrafficForm.png"));
  const bool trafficSaved = traffic->grab().save(trafficFile);
  std::printf("TTrafficForm\t%dx%d\t%s\n", traffic->width(), traffic->height(),
              qPrintable(trafficFile));
  traffic->close();

  QWidget* button = port <= 24 ? static_cast<QWidget*>(panel.Port(port))
                               : panel.Module(port == 25 ? 1 : 2)
                                     ? panel.Module(port == 25 ? 1 : 2)->SpeedButton1()
                                     : nullptr;
  if (!button) return trafficSaved ? 0 : 1;
  panel.activateWindow();
  RunFor(500);
  const QPoint at = button->rect().center();
  QHelpEvent hover(QEvent::ToolTip, at, button->mapToGlobal(at));
  QApplication::sendEvent(button, &hover);
  // Two reads measure the rates; the tooltip follows each answer.
  waited.restart();
  while (waited.elapsed() < 10000 && QToolTip::text().contains(QStringLiteral("…")))
    RunFor(100);
  RunFor(300);
  QWidget* tip = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->inherits("QTipLabel") && widget->isVisible()) tip = widget;
  if (!tip) {
    std::fprintf(stderr, "the tooltip closed before it could be pictured\n");
    return 1;
  }
  const QRect around = panel.frameGeometry().united(tip->frameGeometry()).adjusted(-8, -8, 8, 8);
  QPixmap shot;
  if (QGuiApplication::platformName() == QLatin1String("xcb"))
    shot = panel.screen()->grabWindow(0, around.x(), around.y(), around.width(), around.height());
  if (shot.isNull()) {
    const qreal ratio = panel.devicePixelRatioF();
    shot = QPixmap(around.size() * ratio);
    shot.setDevicePixelRatio(ratio);
    shot.fill(Qt::white);
    QPainter painter(&shot);
    painter.drawPixmap(panel.geometry().topLeft() - around.topLeft(), panel.grab());
    painter.drawPixmap(tip->geometry().topLeft() - around.topLeft(), tip->grab());
  }
  const QString tipFile = out.filePath(QStringLiteral("PortTooltip.png"));
  const bool tipSaved = shot.save(tipFile);
  std::printf("PortTooltip\t%s\t%s\n", qPrintable(QToolTip::text().replace('\n', " | ")),
              qPrintable(tipFile));
  return trafficSaved && tipSaved ? 0 : 1;
}

// The management window as a host opens it (address and communities on its command line, the
// agent's port in the device profile of a throwaway host), pictured once its front panel shows
// the switch's state.
int MainWindowPicture(const QString& address, std::uint16_t port, const QString& file) {
  QTemporaryDir host;
  const QDir dir(host.path());
  dir.mkpath(QStringLiteral("bin"));
  dir.mkpath(QStringLiteral("Conf/MBF"));
  const auto write = [&dir](const QString& name, const QString& text) {
    QFile out(dir.filePath(name));
    return out.open(QIODevice::WriteOnly) && out.write(text.toUtf8()) == text.toUtf8().size();
  };
  const bool written =
      write(QStringLiteral("registry.ini"),
            QStringLiteral("[\\SOFTWARE\\Orvane\\Korlin5.1\\ExePath]\nPath=%1/\n")
                .arg(dir.filePath(QStringLiteral("bin")))) &&
      write(QStringLiteral("Conf/MBF/%1.cfg").arg(address),
            QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=3\n"
                           "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n")
                .arg(port));
  if (!written) {
    std::fprintf(stderr, "could not lay out the host in %s\n", qPrintable(dir.path()));
    return 1;
  }
  // The SNMPv3 boots counter is kept in the current directory: the host's, as a host has it.
  QDir::setCurrent(dir.path());
  TMainForm form({QStringLiteral("/I") + address, QStringLiteral("/Rtamrel"),
                  QStringLiteral("/Wvosquin")},
                 ZnRegistry(dir.filePath(QStringLiteral("registry.ini"))));
  form.FormCreate();
  form.move(0, 0);
  form.show();
  // The LED poll reads every port and both slots; a few rounds show the live state.
  RunFor(4000);
  if (!form.grab().save(file)) {
    std::fprintf(stderr, "could not save %s\n", qPrintable(file));
    return 1;
  }
  std::printf("TMainForm\t%dx%d\t%s\n", form.width(), form.height(), qPrintable(file));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      "Opens every catalogue dialog against an agent and saves a PNG of each after its first "
      "read.");
  parser.addHelpOption();
  const QCommandLineOption port("port", "Agent UDP port.", "port");
  const QCommandLineOption address("address", "Agent address (default 127.0.0.1).", "address",
                                   "127.0.0.1");
  const QCommandLineOption out("out", "Directory for the pictures (default: gallery).", "dir",
                               "gallery");
  const QCommandLineOption version("version", "0 SNMPv1, 1 SNMPv2c (default 1).", "version", "1");
  const QCommandLineOption trafficPort(
      "traffic-port", "Picture the tooltip and traffic window of this port instead.", "port");
  const QCommandLineOption trafficMinutes(
      "traffic-minutes", "Minutes of traffic before the picture (default 3).", "minutes", "3");
  const QCommandLineOption mainWindow(
      "main-window", "Picture the management window into this file instead.", "file");
  parser.addOptions({port, address, out, version, trafficPort, trafficMinutes, mainWindow});
  parser.process(app);
  if (!parser.isSet(port)) {
    std::fprintf(stderr, "nx596-gallery: --port is required\n");
    return 2;
  }
  if (parser.isSet(mainWindow))
    return MainWindowPicture(parser.value(address),
                             static_cast<std::uint16_t>(parser.value(port).toUInt()),
                             parser.value(mainWindow));
  QTemporaryDir counter;
  ZnSNMPOpenSession(counter.path());
  ZnSNMPGlobalDevice = {parser.value(address),
                        static_cast<std::uint16_t>(parser.value(port).toUInt())};
  ZnSNMPGlobalSecurity.Version = static_cast<std::uint8_t>(parser.value(version).toUInt());
  QDir().mkpath(parser.value(out));
  if (parser.isSet(trafficPort))
    return TrafficPictures(parser.value(trafficPort).toInt(),
                           parser.value(trafficMinutes).toDouble(), QDir(parser.value(out)));

  // One picture per dialog, named after its component; the further pages of a dialog with tabs
  // follow as <component>-2.png and so on, each after its own first read.
  int saved = 0, failed = 0;
  QString currentTitle;
  for (const ZnCatalogueEntry& entry : ZnCatalogue()) {
    std::unique_ptr<TConfigForm> form =
        ZnBuildCatalogueDialog(entry, ZnSNMPGlobalDevice.Address, currentTitle);
    form->show();
    QTabWidget* tabs = form->PageControl();
    const int pages = tabs ? tabs->count() : 1;
    for (int page = 0; page < pages; ++page) {
      if (tabs) tabs->setCurrentIndex(page);
      WaitForFirstRead(*form);
      const QString name = QString::fromLatin1(entry.componentName) +
                           (page == 0 ? QString() : QStringLiteral("-%1").arg(page + 1));
      const QString file = QDir(parser.value(out)).filePath(name + QStringLiteral(".png"));
      if (!form->grab().save(file)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(file));
        ++failed;
        continue;
      }
      std::printf("%s\t%dx%d\t%s\n", qPrintable(name), form->width(), form->height(),
                  qPrintable(form->windowTitle()));
    }
    ++saved;
    form->close();
  }
  PrintingNotifier notifier;
  ZnSetNotifier(&notifier);
  const QStringList handMade = ZnHandMadeDialogClasses();
  for (const QString& className : handMade) {
    std::unique_ptr<QDialog> dialog =
        ZnCreateHandMadeDialog(className, ZnSNMPGlobalDevice.Address, nullptr);
    dialog->show();
    WaitForHandMadeRead();
    const QString file = QDir(parser.value(out)).filePath(className + QStringLiteral(".png"));
    if (!dialog->grab().save(file)) {
      std::fprintf(stderr, "could not save %s\n", qPrintable(file));
      ++failed;
      continue;
    }
    std::printf("%s\t%dx%d\t%s\n", qPrintable(className), dialog->width(), dialog->height(),
                qPrintable(dialog->windowTitle()));
    ++saved;
    dialog->close();
  }
  ZnSetNotifier(nullptr);
  const auto expected = static_cast<int>(ZnCatalogue().size()) + static_cast<int>(handMade.size());
  return failed == 0 && saved == expected ? 0 : 1;
}
