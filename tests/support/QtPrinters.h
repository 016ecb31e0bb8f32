#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

// Readable GoogleTest failure messages for Qt's string types.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
  *os << "bytes " << bytes.toHex(' ').toStdString();
}
QT_END_NAMESPACE
