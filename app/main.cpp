// nx596: the management module of one NX-596 switch, started by the host with the device's
// address and credentials on its command line.
#include "TMainForm.h"
#include "ZnRegistry.h"
#include "ZnUserNotifier.h"

#include <QApplication>

#include <exception>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("NX-596"));
  // Without a screen (offscreen, minimal) the messages go to the standard error instead of
  // boxes nobody could close, so the program still ends by itself.
  ZnUseConsoleNotifierWithoutScreen();
  try {
    TMainForm form(QCoreApplication::arguments().mid(1), ZnRegistry());
    if (form.TerminateRequested()) return 0;
    form.FormCreate();
    form.show();
    QApplication::exec();
  } catch (const std::exception& error) {
    ZnNotifier().Message(nullptr, QCoreApplication::applicationName(),
                         QString::fromUtf8(error.what()), ZnUserNotifier::Buttons::Ok,
                         ZnUserNotifier::Icon::Critical);
  }
  return 0;
}
