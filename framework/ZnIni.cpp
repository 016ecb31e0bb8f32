#include "ZnIni.h"

#include "ZnTextCodec.h"

#include <QDir>
#include <QFile>

namespace {

// What the platform's reader returns at most with the 4096-character buffer.
constexpr qsizetype kMaxValueLength = 4095;
// A profile is a few hundred bytes; anything far larger is not one and is not read whole.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

QString Unquoted(const QString& value) {
  if (value.size() >= 2) {
    const QChar first = value.front();
    if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
      return value.mid(1, value.size() - 2);
  }
  return value;
}

bool SameName(QStringView a, const QString& b) {
  return a.trimmed().compare(QStringView(b).trimmed(), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool ZnIniLookup(const QString& text, const QString& section, const QString& key, QString& value) {
  bool inSection = false;
  bool sectionSeen = false;
  for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    line = line.trimmed();
    if (line.isEmpty() || line.front() == QLatin1Char(';')) continue;
    if (line.front() == QLatin1Char('[')) {
      // Only the first section of a name is searched.
      if (inSection) return false;
      const qsizetype close = line.indexOf(QLatin1Char(']'));
      const QStringView name = close < 0 ? line.mid(1) : line.mid(1, close - 1);
      inSection = !sectionSeen && SameName(name, section);
      sectionSeen = sectionSeen || inSection;
      continue;
    }
    if (!inSection) continue;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    const QStringView name = equals < 0 ? line : line.left(equals);
    if (!SameName(name, key)) continue;
    value = equals < 0 ? QString() : Unquoted(line.mid(equals + 1).trimmed().toString());
    value.truncate(kMaxValueLength);
    return true;
  }
  return false;
}

QString ZnIni::ReadString(const QString& section, const QString& key,
                          const QString& defaultValue) const {
  QFile file(fileName_);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize) return defaultValue;
  QString value;
  if (!ZnIniLookup(ZnTextFromBytes(file.readAll()), section, key, value)) return defaultValue;
  value = value.trimmed();
  return value.isEmpty() ? defaultValue : value;
}

QString JoinPath(const QString& directory, const QString& name) {
#ifdef Q_OS_WIN
  const QString nativeName = name;
#else
  QString nativeName = name;
  nativeName.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
  if (directory.isEmpty()) return nativeName;
  if (directory.endsWith(QLatin1Char('\\')) || directory.endsWith(QLatin1Char('/')))
    return directory + nativeName;
  return directory + QDir::separator() + nativeName;
}
