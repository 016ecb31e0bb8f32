// The engine-boots counter file: one line "engine-ID boots" per engine.

#include "ZnSNMPSession.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

int ZnSNMPGetBootCounter(const QString& fileName, const QString& engineID, std::uint32_t& boots) {
  QFile file(fileName);
  if (!file.exists()) return -2;
  if (!file.open(QIODevice::ReadOnly)) return -2;
  const QList<QByteArray> lines = file.readAll().split('\n');
  for (const QByteArray& raw : lines) {
    const QByteArray line = raw.trimmed();
    if (line.isEmpty()) continue;
    const qsizetype space = line.lastIndexOf(' ');
    if (space <= 0) return -3;
    bool ok = false;
    const qulonglong value = line.mid(space + 1).toULongLong(&ok);
    if (!ok || value > 0x7FFFFFFF) return -3;
    if (QString::fromUtf8(line.left(space)) == engineID) {
      boots = static_cast<std::uint32_t>(value);
      return 0;
    }
  }
  return -1;
}

int ZnSNMPSaveBootCounter(const QString& fileName, const QString& engineID, std::uint32_t boots) {
  QByteArray content;
  QFile existing(fileName);
  if (existing.open(QIODevice::ReadOnly)) {
    for (const QByteArray& raw : existing.readAll().split('\n')) {
      const QByteArray line = raw.trimmed();
      const qsizetype space = line.lastIndexOf(' ');
      if (line.isEmpty() || space <= 0 || QString::fromUtf8(line.left(space)) == engineID) continue;
      content += line + '\n';
    }
  }
  content += engineID.toUtf8() + ' ' + QByteArray::number(boots) + '\n';
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return -1;
  file.write(content);
  return file.commit() ? 0 : -1;
}
