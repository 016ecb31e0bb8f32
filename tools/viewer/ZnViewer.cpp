#include "ZnViewer.h"

#include "TConfigForm.h"
#include "ZnCatalogueDialog.h"
#include "ZnException.h"
#include "ZnLaunch.h"
#include "ZnRegistry.h"
#include "ZnSNMPSession.h"
#include "ZnUserNotifier.h"
#include "ZnViewerPages.h"

namespace {

void Tell(const QString& caption, const QString& text) {
  ZnNotifier().Message(nullptr, caption, text, ZnUserNotifier::Buttons::Ok,
                       ZnUserNotifier::Icon::Critical);
}

// Names what can be asked for, so that a wrong page argument says how to put it right.
QString UnknownPageText(const ZnViewerArguments& arguments) {
  const QString known =
      ZnViewerTools().contains(arguments.tool)
          ? QStringLiteral("The pages of %1 are: %2.")
                .arg(arguments.tool, ZnViewerPageNames(arguments.tool).join(QStringLiteral(", ")))
          : QStringLiteral("The viewers are: %1.").arg(ZnViewerTools().join(QStringLiteral(", ")));
  return QStringLiteral("Unknown viewer page \"%1\".\n%2").arg(arguments.pageArgument, known);
}

}  // namespace

ZnViewerArguments ZnSplitViewerArguments(const QStringList& parameters) {
  ZnViewerArguments arguments;
  arguments.connection = parameters;
  qsizetype at = -1;
  for (qsizetype i = 0; i < parameters.size(); ++i)
    if (parameters[i].startsWith(QLatin1String("/T"))) at = i;
  if (at < 0) return arguments;
  arguments.pageArgument = parameters[at];
  arguments.connection[at].clear();
  const QString name = arguments.pageArgument.mid(2);
  const qsizetype underscore = name.indexOf(QLatin1Char('_'));
  arguments.tool = underscore < 0 ? name : name.left(underscore);
  arguments.page = underscore < 0 ? QString() : name.mid(underscore + 1);
  return arguments;
}

ZnViewerStart ZnOpenViewer(const QStringList& parameters, const QString& profileDirectory) {
  ZnViewerStart start;
  const ZnViewerArguments arguments = ZnSplitViewerArguments(parameters);
  if (arguments.pageArgument.isEmpty()) {
    Tell(ZnProgramFileName(),
         QStringLiteral("No viewer page given.\nStart the viewer with /T<tool>_<page>, for "
                        "example /TMIB_Info."));
    start.exitCode = kViewerBadPage;
    return start;
  }
  const ZnViewerPage* page = ZnFindViewerPage(arguments.tool, arguments.page);
  const QString caption = page ? arguments.tool : ZnProgramFileName();
  if (!page) {
    Tell(caption, UnknownPageText(arguments));
    start.exitCode = kViewerBadPage;
    return start;
  }

  ZnLaunch launch(profileDirectory);
  try {
    launch.ProcessParameters(arguments.connection);
  } catch (const ZnException& error) {
    Tell(caption, error.Message());
    start.exitCode = kViewerBadConnection;
    return start;
  }

  try {
    QString title;
    // The address the viewer talks to, also when no /I was given (then the session's default).
    start.form = ZnBuildCatalogueDialog(page->dialog, ZnSNMPGlobalDevice.Address, title);
  } catch (const ZnException& error) {
    Tell(caption, error.Message());
    start.exitCode = kViewerNotStarted;
  }
  return start;
}

int ZnRunViewer(const QStringList& parameters, const ZnRegistry& registry) {
  try {
    ZnSNMPOpenSession(QString());
  } catch (const ZnException& error) {
    Tell(ZnProgramFileName(), error.Message());
    return kViewerNotStarted;
  }
  const ZnHostPaths paths = ZnFindHostPaths(registry);
  ZnLoadMessageCatalogues(paths.moduleDirectory);
  ZnViewerStart start = ZnOpenViewer(parameters, paths.profileDirectory);
  if (!start.form) return start.exitCode;
  start.form->exec();
  return kViewerClosed;
}
