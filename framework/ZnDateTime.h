#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The DateAndTime of RFC 2579: eleven bytes on the wire and in an instance, the year first and
// most significant byte first.
class ZnDateTime {
 public:
  ZnDateTime() = default;
  // Parses "y-m-d,h:m:s.d,+h:m", "y-m-d,h:m:s.d,-h:m" or "y-m-d,h:m:s.d" (direction '+', zone
  // 0). Fields that are not read stay 0; numbers are cut to the field width.
  explicit ZnDateTime(const QString& text);
  // The first eleven bytes; missing bytes count as 0.
  static ZnDateTime FromBytes(const QByteArray& bytes);

  QString ToText() const;
  QByteArray ToBytes() const;

  std::uint16_t Year = 0;
  std::uint8_t Month = 0;
  std::uint8_t Day = 0;
  std::uint8_t Hour = 0;
  std::uint8_t Minutes = 0;
  std::uint8_t Seconds = 0;
  std::uint8_t DeciSeconds = 0;
  char Direction = 0;
  std::uint8_t HoursFromUtc = 0;
  std::uint8_t MinutesFromUtc = 0;
};
