#pragma once

#include <QString>

// What the find box of the forwarding table asks for. A whole number of up to five digits
// without a leading zero is a port: the stations learned there. Anything else made of
// hexadecimal digits and separators is the start of a MAC address in any usual notation —
// "00:1C:F0", "00-1c-f0", "001c.f059", "001CF0" — so an OUI finds every station of its maker.
// Groups written short before a separator ("0:1c:f0") count as if padded with zeros; the group
// being typed is the start of its digits. The notations are read by ZnMacDigits, as a write reads
// a whole address: one kind of separator, no group longer than its notation's.
class ZnForwardingQuery {
 public:
  enum class Kind {
    All,      // nothing typed
    Port,     // one port number
    Address,  // the leading digits of a MAC address
    Nothing,  // a text no address or port can match
  };

  explicit ZnForwardingQuery(const QString& text = QString());

  Kind kind() const { return kind_; }
  // The address digits asked for, upper case, without separators.
  const QString& Digits() const { return digits_; }
  // `address` as the list shows it, twelve upper-case hexadecimal digits; `port` a bridge port
  // number.
  bool Matches(const QString& address, const QString& port) const;

 private:
  Kind kind_ = Kind::All;
  QString digits_;
  QString port_;
};
