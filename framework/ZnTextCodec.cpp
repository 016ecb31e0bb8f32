#include "ZnTextCodec.h"

#include <QStringDecoder>

QString ZnTextFromBytes(const QByteArray& bytes) {
  QStringDecoder utf8(QStringConverter::Utf8);
  QString text = utf8(bytes);
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(bytes);
}
