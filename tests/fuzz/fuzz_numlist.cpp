// Delimited number lists ("0,2,5", "1.3.6"): parsed from edit fields and option texts. Any text
// must parse; a field of plain decimal digits (and, with ',' as delimiter, a decimal fraction)
// must give its integer value, wrapped like the unsigned type.

#include "FuzzSupport.h"
#include "ZnNumList.h"

#include <QStringList>

#include <limits>
#include <optional>
#include <type_traits>

namespace {

bool IsAsciiDigit(QChar c) {
  return c.unicode() >= '0' && c.unicode() <= '9';
}

// The value of a field made of decimal digits, optionally followed by '.' and more digits;
// nothing for any other field. A fraction is only modelled when the integer part fits T without
// wrapping: the truncation then gives the integer part back.
template <typename T>
std::optional<T> ExpectedField(const QString& field) {
  using U = std::make_unsigned_t<T>;
  const qsizetype dot = field.indexOf(QLatin1Char('.'));
  const QString whole = dot < 0 ? field : field.left(dot);
  const QString fraction = dot < 0 ? QString() : field.mid(dot + 1);
  for (const QChar c : whole)
    if (!IsAsciiDigit(c)) return std::nullopt;
  for (const QChar c : fraction)
    if (!IsAsciiDigit(c)) return std::nullopt;
  U wrapped = 0;
  bool fits = true;
  unsigned long long exact = 0;
  for (const QChar c : whole) {
    const unsigned digit = c.unicode() - '0';
    wrapped = static_cast<U>(wrapped * U{10} + U(digit));
    if (fits) {
      exact = exact * 10 + digit;
      fits = exact <= static_cast<unsigned long long>(std::numeric_limits<T>::max());
    }
  }
  if (dot >= 0 && !fits) return std::nullopt;
  return static_cast<T>(wrapped);
}

template <typename T>
void CheckList(ZnNumList<T>& list, const QString& text) {
  list.Parse(text);
  const QChar delimiter = list.Delimiter();
  const int expectedCount = text.isEmpty() ? 0 : static_cast<int>(text.count(delimiter)) + 1;
  FUZZ_CHECK(list.Count() == expectedCount,
             QStringLiteral("%1 parsed into %2 numbers").arg(fuzz::Shown(text)).arg(list.Count()));

  const QStringList fields = text.isEmpty() ? QStringList() : text.split(delimiter);
  for (int k = 0; k < list.Count(); ++k) {
    const T value = list.At(k);
    const int first = list.IndexOf(value);
    FUZZ_CHECK(
        first >= 0 && first <= k && list.At(first) == value,
        QStringLiteral("IndexOf(%1) = %2 in %3").arg(value).arg(first).arg(fuzz::Shown(text)));
    if (const std::optional<T> expected = ExpectedField<T>(fields[k])) {
      FUZZ_CHECK(value == *expected, QStringLiteral("field %1 %2 of %3 parsed as %4, expected %5")
                                         .arg(k)
                                         .arg(fuzz::Shown(fields[k]), fuzz::Shown(text))
                                         .arg(value)
                                         .arg(*expected));
    }
  }

  for (const int outside : {-1, list.Count()}) {
    bool raised = false;
    try {
      list.At(outside);
    } catch (const ZnException& e) {
      fuzz::CheckCode(e, {ZnCode::IndexOutOfRange}, "ZnNumList::At", text);
      raised = true;
    }
    FUZZ_CHECK(raised,
               QStringLiteral("At(%1) of %2 numbers did not raise").arg(outside).arg(list.Count()));
  }
}

template <typename T>
void CheckAll(const QString& text) {
  // The same objects parse every text: a new parse must not keep numbers of the previous one.
  static ZnNumList<T> commas(QLatin1Char(','));
  static ZnNumList<T> dots(QLatin1Char('.'));
  CheckList(commas, text);
  CheckList(dots, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray raw = fuzz::Bytes(data, size);
  for (const QString& text : {QString::fromLatin1(raw), QString::fromUtf8(raw)}) {
    CheckAll<int>(text);
    CheckAll<unsigned>(text);
  }
  return 0;
}
