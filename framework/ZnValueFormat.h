#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>

// Text forms shared by the value conversions, the expressions and the bindings.

// Two upper-case hexadecimal digits per byte, no separators.
QString ToHex(const QByteArray& bytes);
// Blanks are removed; an odd count of digits makes the first digit a byte of its own; a
// character that is not a hexadecimal digit counts as 0.
QByteArray FromHex(const QString& text);

// The hexadecimal digits (upper case, without separators) of a MAC address, or of its start, in
// any usual notation: "001C2E000001", "00:1c:2e:00:00:01", "00-1C-2E-00-00-01",
// "001c.2e00.0001", "00 1C 2E 00 00 01". One kind of separator throughout. A group ended by a
// separator is complete: a dotted group stands for four digits, any other for two, zeros in front
// ("0:1c" is "001C"); a longer or empty one is no notation. The last group is taken as typed. A
// null string for a text that is no such notation or has more than twelve digits.
QString ZnMacDigits(const QString& text);
// The six bytes of a whole MAC address in any of those notations, its last group complete too
// (blanks around it allowed); false for anything else: five or seven bytes, a character that is
// no digit or separator, separators mixed.
bool ZnParseMacText(const QString& text, QByteArray& bytes);

// "h:mm:ss.cc", "1 day h:mm:ss.cc" or "d days, h:mm:ss.cc" of a count of hundredths.
QString TicksToText(std::uint32_t ticks);
// Reads the forms above back; missing parts count as 0, a text without "." has no seconds.
// Values beyond 32 bits saturate.
std::uint32_t TextToTicks(const QString& text);

// Leading decimal integer of a text like C's strtoll: leading blanks, an optional sign, digits;
// the rest is ignored; 0 when there is no number; saturates at the 64-bit limits.
std::int64_t ZnLeadingInt64(const QString& text);
// Leading unsigned decimal integer; a leading '-' wraps as C's strtoull does; saturates.
std::uint64_t ZnLeadingUInt64(const QString& text);
// Leading decimal number like C's strtod in the C locale; 0 when there is none.
double ZnLeadingDouble(const QString& text);
// Shortest general form with up to 15 significant digits ("0.1", "1e+20").
QString ZnFormatDouble(double value);
// The shortest plain decimal text that reads back as the same number, never with an exponent
// ("0.00001", "100000000000000000000"), so that it can stand inside an expression.
QString ZnPlainDouble(double value);

// Date-times as a number of days since 1899-12-30, the fraction being the time of day.
double ZnDateTimeToDays(const QDateTime& dateTime);
double ZnNowDays();
// The date and time of a day count, with milliseconds; invalid outside the years 1..9999 or
// for a count that is not finite.
QDateTime ZnDaysToDateTime(double days);
// Calendar text "yyyy/mm/dd hh:nn:ss am" of a day count; a count outside the years 1..9999 (or
// not finite) is given in general number form instead.
QString ZnDaysToCalendarText(double days);
// Reads "yyyy/mm/dd[ hh:nn[:ss][ am|pm]]" back; anything else gives 0.
double ZnCalendarTextToDays(const QString& text);

// The 8 bytes of an IEEE 754 double, least significant byte first, and back (missing bytes 0).
QByteArray ZnDoubleToBytes(double value);
double ZnBytesToDouble(const QByteArray& bytes);

// Text of an SNMP display string: one character per byte, so that every byte survives a round
// trip (an index string must address the same row when it is written back).
QString ZnDisplayText(const QByteArray& bytes);
QByteArray ZnDisplayBytes(const QString& text);
