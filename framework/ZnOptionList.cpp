#include "ZnOptionList.h"

#include "ZnSNMPMessages.h"

#include <limits>

ZnOptionList::ZnOptionList(const ZnOptionItem* items, unsigned valueType, bool caseSensitivity)
    : valueType_(valueType), caseSensitivity_(caseSensitivity) {
  Append(items);
}

void ZnOptionList::Append(const ZnOptionItem* items) {
  if (items == nullptr) return;
  for (const ZnOptionItem* source = items; source->Label != nullptr; ++source) {
    Item item;
    item.Label = QString::fromUtf8(source->Label);
    if (valueType_ == StringValues || valueType_ == PrefixValues)
      item.StringValue = QString::fromUtf8(source->StringValue);
    else
      item.IntValue = source->IntValue;
    items_.push_back(std::move(item));
  }
}

const ZnOptionList::Item& ZnOptionList::At(int index) const {
  if (index < 0 || index >= Count()) throw ZnGeneralError(ZnGeneralText::IndexOutOfRange);
  return items_[static_cast<size_t>(index)];
}

bool ZnOptionList::SameText(const QString& a, const QString& b) const {
  return a.compare(b, caseSensitivity_ ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

bool ZnOptionList::HasPrefix(const QString& text, const QString& prefix) const {
  if (text.size() < prefix.size()) return false;
  for (qsizetype k = 0; k < prefix.size(); ++k) {
    QChar a = text[k];
    QChar b = prefix[k];
    if (!caseSensitivity_ && a.unicode() < 128 && b.unicode() < 128) {
      a = a.toLower();
      b = b.toLower();
    }
    if (a != b) return false;
  }
  return true;
}

int ZnOptionList::IndexOfLabel(const QString& text) const {
  for (int k = 0; k < Count(); ++k) {
    const QString& label = items_[static_cast<size_t>(k)].Label;
    if (valueType_ == PrefixValues ? HasPrefix(text, label) : SameText(label, text)) return k;
  }
  return -1;
}

int ZnOptionList::IndexOfValue(const QString& text) const {
  switch (valueType_) {
    case IntegerValues: {
      int number = 0;
      if (text == QLatin1String("(NULL)") || !ZnParseInt(text, number)) return -1;
      for (int k = 0; k < Count(); ++k)
        if (items_[static_cast<size_t>(k)].IntValue == number) return k;
      return -1;
    }
    case StringValues:
      for (int k = 0; k < Count(); ++k)
        if (SameText(items_[static_cast<size_t>(k)].StringValue, text)) return k;
      return -1;
    case PrefixValues:
      for (int k = 0; k < Count(); ++k)
        if (HasPrefix(text, items_[static_cast<size_t>(k)].StringValue)) return k;
      return -1;
    default:
      return -1;
  }
}

QString ZnOptionList::ValueToLabel(const QString& text) const {
  const int index = IndexOfValue(text);
  if (index < 0) return text;
  const Item& item = items_[static_cast<size_t>(index)];
  if (valueType_ == PrefixValues) return item.Label + text.mid(item.StringValue.size());
  return item.Label;
}

QString ZnOptionList::LabelToValue(const QString& text) const {
  const int index = IndexOfLabel(text);
  if (index < 0) return text;
  const Item& item = items_[static_cast<size_t>(index)];
  switch (valueType_) {
    case IntegerValues:
      return QString::number(item.IntValue);
    case PrefixValues:
      return item.StringValue + text.mid(item.Label.size());
    default:
      return item.StringValue;
  }
}

bool ZnParseInt(const QString& text, int& value) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return false;
  qsizetype pos = 0;
  bool negative = false;
  if (trimmed[0] == QLatin1Char('+') || trimmed[0] == QLatin1Char('-')) {
    negative = trimmed[0] == QLatin1Char('-');
    pos = 1;
  }
  if (pos == trimmed.size()) return false;
  long long magnitude = 0;
  for (; pos < trimmed.size(); ++pos) {
    const QChar c = trimmed[pos];
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    magnitude = magnitude * 10 + (c.unicode() - '0');
    if (magnitude > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return false;
  }
  const long long signedValue = negative ? -magnitude : magnitude;
  if (signedValue > std::numeric_limits<int>::max()) return false;
  value = static_cast<int>(signedValue);
  return true;
}
