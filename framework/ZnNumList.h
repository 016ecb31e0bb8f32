#pragma once

#include "ZnSNMPMessages.h"

#include <QString>

#include <cmath>
#include <limits>
#include <type_traits>
#include <vector>

// A list of integers read from a delimited text such as "0,2,5". There is no check for digits:
// every character that is neither the delimiter nor '.' adds (c - '0') as the next decimal digit,
// and a '.' starts a fraction that truncation removes again. Arithmetic wraps like the unsigned
// type of T, so no text can overflow.
template <typename T>
class ZnNumList {
  static_assert(std::is_integral_v<T>, "ZnNumList holds integers");

 public:
  explicit ZnNumList(QChar delimiter = QLatin1Char('.')) : delimiter_(delimiter) {}

  void Parse(const QString& text) {
    numbers_.clear();
    if (text.isEmpty()) return;
    numbers_.assign(static_cast<size_t>(text.count(delimiter_)) + 1, T{0});
    size_t entry = 0;
    bool inFraction = false;
    double fractionScale = 0.0;  // may run down to 0 in a very long fraction: adds nothing then
    for (const QChar c : text) {
      if (c == delimiter_) {
        ++entry;
        inFraction = false;
      } else if (c == QLatin1Char('.')) {
        inFraction = true;
        fractionScale = 0.1;
      } else if (inFraction) {
        numbers_[entry] = Truncate(static_cast<double>(numbers_[entry]) +
                                   (static_cast<int>(c.unicode()) - '0') * fractionScale);
        fractionScale /= 10.0;
      } else {
        using U = std::make_unsigned_t<T>;
        numbers_[entry] = static_cast<T>(static_cast<U>(numbers_[entry]) * U{10} +
                                         static_cast<U>(static_cast<int>(c.unicode()) - '0'));
      }
    }
  }

  int Count() const { return static_cast<int>(numbers_.size()); }
  T At(int k) const {
    if (k < 0 || k >= Count()) throw ZnGeneralError(ZnGeneralText::IndexOutOfRange);
    return numbers_[static_cast<size_t>(k)];
  }
  int IndexOf(T number) const {
    for (size_t k = 0; k < numbers_.size(); ++k)
      if (numbers_[k] == number) return static_cast<int>(k);
    return -1;
  }
  QChar Delimiter() const { return delimiter_; }

 private:
  // Truncation toward zero, kept inside T's range.
  static T Truncate(double value) {
    value = std::trunc(value);
    if (!(value >= static_cast<double>(std::numeric_limits<T>::min())))
      return std::numeric_limits<T>::min();
    if (value >= static_cast<double>(std::numeric_limits<T>::max()))
      return std::numeric_limits<T>::max();
    return static_cast<T>(value);
  }

  QChar delimiter_;
  std::vector<T> numbers_;
};
