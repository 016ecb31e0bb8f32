#include "ZnRegistry.h"

#include "ZnIni.h"
#include "ZnSNMPMessages.h"
#include "ZnTextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

namespace {

const QString kHelpPathKey = QStringLiteral("\\SOFTWARE\\Orvane\\Modules\\HelpPath");
const QString kModuleIdentifier = QStringLiteral("1.3.6.1.4.1.99917.10.63.3");
const QString kExePathKey = QStringLiteral("\\SOFTWARE\\Orvane\\Korlin5.1\\ExePath");
const QString kMibFileKey = QStringLiteral("\\SOFTWARE\\Orvane\\Korlin5.1\\MibFile");
// The length of the help file's own name at the end of the HelpPath value.
constexpr qsizetype kHelpFileNameLength = 12;

QString RegistryText(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return ZnTextFromBytes(file.readAll());
}

bool SectionExists(const QString& text, const QString& key) {
  for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
    line = line.trimmed();
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')) &&
        line.mid(1, line.size() - 2).trimmed().compare(key, Qt::CaseInsensitive) == 0)
      return true;
  }
  return false;
}

// A Windows path the host wrote, in this platform's form.
QString NativeDirectory(QString path) {
#ifndef Q_OS_WIN
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
  return path;
}

}  // namespace

ZnRegistry::ZnRegistry() {
#ifndef Q_OS_WIN
  const QByteArray fromEnvironment = qgetenv("NX596_REGISTRY");
  fileName_ = fromEnvironment.isEmpty()
                  ? QDir(QCoreApplication::applicationDirPath()).filePath("nx596-registry.ini")
                  : QString::fromLocal8Bit(fromEnvironment);
#endif
}

ZnRegistry::ZnRegistry(QString fileName) : fileName_(std::move(fileName)) {}

bool ZnRegistry::KeyExists(const QString& key) const {
  if (fileName_.isEmpty()) {
    QSettings native(QStringLiteral("HKEY_LOCAL_MACHINE") + key, QSettings::NativeFormat);
    return !native.childKeys().isEmpty() || !native.childGroups().isEmpty();
  }
  return SectionExists(RegistryText(fileName_), key);
}

QString ZnRegistry::Value(const QString& key, const QString& name) const {
  if (fileName_.isEmpty()) {
    QSettings native(QStringLiteral("HKEY_LOCAL_MACHINE") + key, QSettings::NativeFormat);
    return native.contains(name) ? native.value(name).toString() : QString();
  }
  QString value;
  if (!ZnIniLookup(RegistryText(fileName_), key, name, value)) return QString();
  return value;
}

ZnHostPaths ZnFindHostPaths(const ZnRegistry& registry) {
  ZnHostPaths paths;
  const QString help = registry.Value(kHelpPathKey, kModuleIdentifier);
  if (help.size() > kHelpFileNameLength)
    paths.moduleDirectory = NativeDirectory(help.left(help.size() - kHelpFileNameLength));
  if (registry.KeyExists(kExePathKey))
    paths.profileDirectory = NativeDirectory(registry.Value(kExePathKey, QStringLiteral("Path")) +
                                             QStringLiteral("..\\Conf\\MBF\\"));
  if (registry.KeyExists(kMibFileKey))
    paths.profileDirectory = NativeDirectory(registry.Value(kMibFileKey, QStringLiteral("Path")));
  return paths;
}

void ZnLoadMessageCatalogues(const QString& moduleDirectory) {
  for (int t = 0; t < ZnMessageTableCount; ++t) {
    const auto table = static_cast<ZnMessageTable>(t);
    ZnSNMPLoadMessages(table, JoinPath(moduleDirectory, ZnMessageFileName(table)));
  }
}
