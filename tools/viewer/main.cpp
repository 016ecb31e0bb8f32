// nx596-viewer: the viewer of the standard MIBs, installed under the names of the host's sibling
// tools (MIB, Bridge, IFMib, VLan, Rmon, EthernetLike, EntityMIB). The page comes from the
// "/T" + tool + "_" + page argument, so the name it was started under does not matter.
//
//   MIB /I127.0.0.1 /Rtamrel /Wvosquin /TMIB_IFTable
#include "ZnRegistry.h"
#include "ZnTerminationSignals.h"
#include "ZnUserNotifier.h"
#include "ZnWaitIndicator.h"
#include "ZnViewer.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("NX-596 Viewer"));
  ZnUseConsoleNotifierWithoutScreen();  // messages to the standard error without a screen
  ZnQuitOnTerminationSignals();         // killed, it still removes its private directory
  const ZnWaitIndicator waitIndicator;  // windows stay alive while a read waits
  return ZnRunViewer(QCoreApplication::arguments().mid(1), ZnRegistry());
}
