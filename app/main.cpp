// nx596: the management module of one NX-596 switch, started by the host with the device's
// address and credentials on its command line; with --switches, the window from which a person
// without a host keeps, tests and opens their switches.
#include "TMainForm.h"
#include "TSwitchesForm.h"
#include "ZnHandOver.h"
#include "ZnRegistry.h"
#include "ZnTerminationSignals.h"
#include "ZnUserNotifier.h"
#include "ZnWaitIndicator.h"

#include <QApplication>

#include <exception>
#include <memory>

namespace {

// A management window started from the Switches window: the secrets arrive through the channel
// it inherited, which then stays open for the window's "raise" commands.
struct HandOver {
  QStringList parameters;
  std::unique_ptr<ZnHandOverChannel> channel;
};

bool ReceiveHandOver(HandOver& handOver) {
  bool numeric = false;
  const int fd = qEnvironmentVariableIntValue(kZnHandOverVariable, &numeric);
  if (!numeric || fd < 0) return true;  // started by a host, or by hand
  QByteArray rest;
  QString why;
  if (!ZnReceiveHandOver(fd, 10000, handOver.parameters, rest, why)) {
    ZnNotifier().Message(nullptr, QCoreApplication::applicationName(),
                         QStringLiteral("The switch's settings did not arrive from the Switches "
                                        "window (%1).")
                             .arg(why),
                         ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Critical);
    return false;
  }
  handOver.channel = std::make_unique<ZnHandOverChannel>(fd, rest);
  return true;
}

void AnswerRaise(ZnHandOverChannel& channel, QWidget& window) {
  channel.onMessage = [&channel, &window](const QByteArray& message) {
    if (message != kZnRaiseCommand) return;
    window.showNormal();
    window.raise();
    window.activateWindow();
    channel.Send(kZnRaisedAnswer);
  };
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("NX-596"));
  // Without a screen (offscreen, minimal) the messages go to the standard error instead of
  // boxes nobody could close, so the program still ends by itself.
  ZnUseConsoleNotifierWithoutScreen();
  ZnQuitOnTerminationSignals();
  // Synchronous reads and writes keep the windows repainting and say what they wait for.
  const ZnWaitIndicator waitIndicator;
  const QStringList parameters = QCoreApplication::arguments().mid(1);
  try {
    if (parameters == QStringList{QStringLiteral("--switches")}) {
      TSwitchesForm switches;
      switches.show();
      switches.Start();
      return QApplication::exec();
    }
    HandOver handOver;
    if (!ReceiveHandOver(handOver)) return 1;
    TMainForm form(parameters, ZnRegistry());
    if (form.TerminateRequested()) return 0;
    form.ApplyHandedOver(handOver.parameters);
    if (handOver.channel) AnswerRaise(*handOver.channel, form);
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
