#pragma once

// Helpers shared by the fuzz targets: the input as bytes and texts, and a loud stop when a
// property of the code under test does not hold (libFuzzer then keeps the input as a crash).

#include "ZnException.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace fuzz {

inline QByteArray Bytes(const std::uint8_t* data, std::size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A text with every character outside printable ASCII written as \x{...}, for failure reports.
inline QString Shown(const QString& text) {
  QString shown = QStringLiteral("\"");
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u >= 0x20 && u < 0x7f && u != '\\' && u != '"')
      shown += c;
    else
      shown += QStringLiteral("\\x{%1}").arg(static_cast<unsigned>(u), 0, 16);
  }
  return shown + QLatin1Char('"');
}

inline QString Shown(const QByteArray& bytes) {
  return QString::fromLatin1(bytes.toHex(' ')).prepend(QStringLiteral("bytes[")) + QLatin1Char(']');
}

[[noreturn]] inline void Fail(const char* property, const QString& detail) {
  std::fprintf(stderr, "\n==== PROPERTY FAILED: %s\n%s\n", property, qUtf8Printable(detail));
  std::fflush(stderr);
  std::abort();
}

// A ZnException is a defined answer only with one of the codes the function documents.
inline void CheckCode(const ZnException& e, std::initializer_list<int> allowed, const char* call,
                      const QString& input) {
  for (const int code : allowed)
    if (e.Code() == code) return;
  Fail("exception code documented for the call", QStringLiteral("%1 raised %2 (%3) for %4")
                                                     .arg(QString::fromLatin1(call))
                                                     .arg(e.Code())
                                                     .arg(e.Message(), Shown(input)));
}

}  // namespace fuzz

// Checks a property; the detail expression is only evaluated when the property fails.
#define FUZZ_CHECK(condition, detail)                     \
  do {                                                    \
    if (!(condition)) ::fuzz::Fail(#condition, (detail)); \
  } while (false)
