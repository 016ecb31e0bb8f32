#pragma once

#include <QString>

#include <vector>

// One constant source pair of an option list. Arrays of pairs end with a pair whose label is
// null. Integer lists use the first constructor, string and prefix lists the second.
struct ZnOptionItem {
  constexpr ZnOptionItem(int value, const char* label) : IntValue(value), Label(label) {}
  constexpr ZnOptionItem(const char* value, const char* label) : StringValue(value), Label(label) {}

  int IntValue = 0;
  const char* StringValue = nullptr;
  const char* Label = nullptr;
};

// The two-way dictionary between values on the wire and the labels shown to the user. Items keep
// the order of their source array: it is the search order and the order of combo-box entries, so
// a combo box's item index equals the list index.
class ZnOptionList {
 public:
  enum ValueType : unsigned {
    IntegerValues = 1,  // whole labels, values compared as integers
    StringValues = 2,   // whole labels and whole value strings
    PrefixValues = 3,   // a text matches when it begins with the value (or label)
  };

  struct Item {
    int IntValue = 0;
    QString StringValue;
    QString Label;
  };

  explicit ZnOptionList(const ZnOptionItem* items = nullptr, unsigned valueType = IntegerValues,
                        bool caseSensitivity = false);

  // Appends the pairs up to the terminating pair; a null or empty array changes nothing.
  void Append(const ZnOptionItem* items);

  unsigned ValueType() const { return valueType_; }
  bool CaseSensitivity() const { return caseSensitivity_; }
  int Count() const { return static_cast<int>(items_.size()); }
  const Item& At(int index) const;

  int IndexOfLabel(const QString& text) const;
  int IndexOfValue(const QString& text) const;
  // Both conversions pass a text they do not know through unchanged.
  QString ValueToLabel(const QString& text) const;
  QString LabelToValue(const QString& text) const;

 private:
  bool SameText(const QString& a, const QString& b) const;
  bool HasPrefix(const QString& text, const QString& prefix) const;

  unsigned valueType_;
  bool caseSensitivity_;
  std::vector<Item> items_;
};

// Reads a whole text as a 32-bit decimal integer (optional blanks around it, optional sign).
bool ZnParseInt(const QString& text, int& value);
