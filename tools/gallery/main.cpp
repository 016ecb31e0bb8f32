// nx596-gallery: opens every catalogue dialog against an agent, waits for its first read, and
// saves a picture of each as <component>.png, then every hand-made dialog as <class>.png — to
// look at layouts the way a user sees them.
//
//   nx596-gallery --port PORT [--address ADDR] [--out DIR] [--version 0|1]
#include "TConfigForm.h"
#include "ZnCatalogue.h"
#include "ZnCatalogueDialog.h"
#include "ZnHandMadeDialogs.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnUserNotifier.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
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
  parser.addOptions({port, address, out, version});
  parser.process(app);
  if (!parser.isSet(port)) {
    std::fprintf(stderr, "nx596-gallery: --port is required\n");
    return 2;
  }
  QTemporaryDir counter;
  ZnSNMPOpenSession(counter.path());
  ZnSNMPGlobalDevice = {parser.value(address),
                        static_cast<std::uint16_t>(parser.value(port).toUInt())};
  ZnSNMPGlobalSecurity.Version = static_cast<std::uint8_t>(parser.value(version).toUInt());
  QDir().mkpath(parser.value(out));

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
