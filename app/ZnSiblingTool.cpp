#include "ZnSiblingTool.h"

#include <QProcess>

QString ZnSiblingProgramSuffix() {
#ifdef Q_OS_WIN
  return QStringLiteral(".EXE");
#else
  return QString();
#endif
}

QString ZnSiblingCommandLine(const QString& argument, const QString& programDirectory, int version,
                             const ZnLaunchTexts& t, const ZnHandOverFlags& f) {
  const qsizetype underscore = argument.indexOf(QLatin1Char('_'));
  const QString tool = argument.mid(2, underscore < 0 ? -1 : underscore - 2);
  QString line =
      programDirectory + tool + ZnSiblingProgramSuffix() + QStringLiteral(" /I") + t.DeviceAddress;
  if (version == 3) {
    if (f.ProfileFound)
      line += QStringLiteral(" /t") + t.AgentPortText + QStringLiteral(" /v") + t.VersionText +
              QStringLiteral(" /d") + t.ContextEngineID + QStringLiteral(" /m") +
              t.SecurityModelText + QStringLiteral(" /n") + t.SecurityName;
    if (f.ContextNameGiven) line += QStringLiteral(" /c") + t.ContextName;
    if (f.SecurityLevelGiven) line += QStringLiteral(" /l") + t.SecurityLevelText;
    if (f.AuthProtocolGiven) line += QStringLiteral(" /a") + t.AuthProtocolText;
    if (f.AuthPasswordGiven) line += QStringLiteral(" /A") + t.AuthPassword;
    if (f.PrivProtocolGiven) line += QStringLiteral(" /p") + t.PrivProtocolText;
    if (f.PrivPasswordGiven) line += QStringLiteral(" /P") + t.PrivPassword;
  } else {
    line += QStringLiteral(" /R") + t.ReadCommunity + QStringLiteral(" /W") + t.WriteCommunity;
  }
  return line + QLatin1Char(' ') + argument;
}

QStringList ZnSplitCommandLine(const QString& line) {
  return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool ZnLaunchSiblingTool(const QString& line) {
  QStringList parts = ZnSplitCommandLine(line);
  if (parts.isEmpty()) return false;
  const QString program = parts.takeFirst();
  return QProcess::startDetached(program, parts);
}
