#include "ZnTextCodec.h"

QString ZnTextFromBytes(const QByteArray& bytes) {
  // A whole-buffer check: a decoder would drop an unfinished sequence at the end silently.
  if (!bytes.isValidUtf8()) return QString::fromLatin1(bytes);
  QString text = QString::fromUtf8(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  return text;
}
