#include "QtPrinters.h"
#include "ZnDateTime.h"
#include "ZnNumList.h"
#include "ZnValueFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(HexTest, BothDirections) {
  EXPECT_EQ(ToHex(QByteArray("\x00\xAB", 2)), "00AB");
  EXPECT_EQ(ToHex(QByteArray()), "");
  EXPECT_EQ(FromHex("0 ab"), QByteArray("\x00\xAB", 2));
  EXPECT_EQ(FromHex("ABC"), QByteArray("\x0A\xBC", 2));
  EXPECT_EQ(FromHex(""), QByteArray());
  EXPECT_EQ(FromHex("zz1G"), QByteArray("\x00\x10", 2));  // non-digits count as 0
  EXPECT_EQ(FromHex("8 0 0 0 0 0 4 0"), QByteArray("\x80\x00\x00\x40", 4));
}

TEST(TicksTest, TextOfEachRange) {
  EXPECT_EQ(TicksToText(0), "0:00:00.00");
  EXPECT_EQ(TicksToText(8640000), "1 day 0:00:00.00");
  EXPECT_EQ(TicksToText(17280001), "2 days, 0:00:00.01");
  EXPECT_EQ(TicksToText(18384506), "2 days, 3:04:05.06");
  EXPECT_EQ(TicksToText(0xFFFFFFFFu), "497 days, 2:27:52.95");
}

TEST(TicksTest, ReadingBack) {
  EXPECT_EQ(TextToTicks("2 days, 3:04:05.06"), 18384506u);
  EXPECT_EQ(TextToTicks("1 day 0:00:00.00"), 8640000u);
  EXPECT_EQ(TextToTicks("3:04:05"), 1104000u);  // no seconds without "."
  EXPECT_EQ(TextToTicks("12345"), 0u);
  EXPECT_EQ(TextToTicks(""), 0u);
  EXPECT_EQ(TextToTicks("497 days, 2:27:52.95"), 0xFFFFFFFFu);
  // Beyond 32 bits the count saturates instead of wrapping to a small time.
  EXPECT_EQ(TextToTicks("99999999999 days, 0:00:00.00"), 0xFFFFFFFFu);
  EXPECT_EQ(TextToTicks("-5:00:00.00"), 0u);
  for (std::uint32_t n : {0u, 1u, 99u, 6000u, 360001u, 8639999u, 8640000u, 123456789u})
    EXPECT_EQ(TextToTicks(TicksToText(n)), n) << n;
}

TEST(DateTimeTest, TextWithAndWithoutZone) {
  const ZnDateTime plain(QStringLiteral("2005-3-7,13:5:9.0"));
  EXPECT_EQ(plain.Direction, '+');
  EXPECT_EQ(plain.HoursFromUtc, 0);
  EXPECT_EQ(plain.ToText(), "2005-3-7,13:5:9.0");
  EXPECT_EQ(plain.ToBytes().left(2), QByteArray("\x07\xD5", 2));

  const ZnDateTime west(QStringLiteral("2005-3-7,13:5:9.0,-5:30"));
  EXPECT_EQ(west.Direction, '-');
  EXPECT_EQ(west.HoursFromUtc, 5);
  EXPECT_EQ(west.MinutesFromUtc, 30);
  EXPECT_EQ(west.ToText(), "2005-3-7,13:5:9.0,-5:30");
  EXPECT_EQ(ZnDateTime::FromBytes(west.ToBytes()).ToText(), "2005-3-7,13:5:9.0,-5:30");
  EXPECT_EQ(west.ToBytes().size(), 11);

  // A zone of 0:00 prints without the zone; a partial text leaves the rest 0.
  EXPECT_EQ(ZnDateTime(QStringLiteral("2005-3-7,13:5:9.0,+0:0")).ToText(), "2005-3-7,13:5:9.0");
  EXPECT_EQ(ZnDateTime(QStringLiteral("2005-3")).ToText(), "2005-3-0,0:0:0.0");
  EXPECT_EQ(ZnDateTime(QStringLiteral("garbage")).ToText(), "0-0-0,0:0:0.0");
  // Numbers are cut to the field width.
  EXPECT_EQ(ZnDateTime(QStringLiteral("70000-300-7,0:0:0.0")).ToText(), "4464-44-7,0:0:0.0");
}

TEST(DateTimeTest, ShortWireValuesReadAsZero) {
  EXPECT_EQ(ZnDateTime::FromBytes(QByteArray("\x07\xD5\x03", 3)).ToText(), "2005-3-0,0:0:0.0");
  EXPECT_EQ(ZnDateTime::FromBytes(QByteArray()).ToText(), "0-0-0,0:0:0.0");
  // A direction byte that is neither '+' nor '-' hides the zone.
  EXPECT_EQ(ZnDateTime::FromBytes(QByteArray("\x07\xD5\x03\x07\x0d\x05\x09\x00\x00\x05\x1e", 11))
                .ToText(),
            "2005-3-7,13:5:9.0");
}

TEST(NumListTest, ParsesDelimitedNumbers) {
  ZnNumList<int> list(QLatin1Char(','));
  list.Parse("0,2,5");
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.IndexOf(2), 1);
  EXPECT_EQ(list.IndexOf(3), -1);
  EXPECT_EQ(list.At(2), 5);
  EXPECT_THROW(list.At(3), ZnException);
  list.Parse("");
  EXPECT_EQ(list.Count(), 0);
  list.Parse("1,,3,");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.At(1), 0);
  EXPECT_EQ(list.At(3), 0);
  list.Parse("12.97,4");
  EXPECT_EQ(list.At(0), 12);  // the fraction is truncated away
  list.Parse("1." + QString(400, QLatin1Char('0')) + "5,2");
  EXPECT_EQ(list.At(0), 1);  // however long the fraction is

  ZnNumList<unsigned> dotted;
  dotted.Parse("192.168.1.254");
  ASSERT_EQ(dotted.Count(), 4);
  EXPECT_EQ(dotted.At(3), 254u);

  // No digit check and no overflow trap: the arithmetic wraps instead of misbehaving.
  ZnNumList<int> huge(QLatin1Char(','));
  huge.Parse("99999999999999999999,7");
  EXPECT_EQ(huge.At(1), 7);
}

TEST(NumberTextTest, LeadingNumbersAndGeneralForm) {
  EXPECT_EQ(ZnLeadingInt64("  -42abc"), -42);
  EXPECT_EQ(ZnLeadingInt64("abc"), 0);
  EXPECT_EQ(ZnLeadingInt64("99999999999999999999999"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(ZnLeadingUInt64("18446744073709551615"), 18446744073709551615ull);
  EXPECT_EQ(ZnLeadingUInt64("18446744073709551616"), 18446744073709551615ull);
  EXPECT_DOUBLE_EQ(ZnLeadingDouble(" 2.5e3x"), 2500.0);
  EXPECT_DOUBLE_EQ(ZnLeadingDouble(".5"), 0.5);
  EXPECT_DOUBLE_EQ(ZnLeadingDouble("inf"), 0.0);
  EXPECT_DOUBLE_EQ(ZnLeadingDouble("0x10"), 0.0);
  EXPECT_TRUE(std::isinf(ZnLeadingDouble("1e999")));
  // Out of range either way gives what strtod gives: 0 when too small, infinity when too large.
  EXPECT_EQ(ZnLeadingDouble("0." + QString(330, QLatin1Char('0')) + "1"), 0.0);
  EXPECT_EQ(ZnLeadingDouble("1e-400"), 0.0);
  EXPECT_EQ(ZnLeadingDouble("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isinf(ZnLeadingDouble("1" + QString(400, QLatin1Char('0')))));
  EXPECT_EQ(ZnLeadingDouble("0.0001e-400"), 0.0);
  EXPECT_EQ(ZnPlainDouble(1e-5), "0.00001");
  EXPECT_EQ(ZnPlainDouble(-2.5), "-2.5");
  EXPECT_EQ(ZnFormatDouble(0.1), "0.1");
  EXPECT_EQ(ZnFormatDouble(11.0), "11");
  EXPECT_EQ(ZnFormatDouble(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(ZnBytesToDouble(ZnDoubleToBytes(-1234.5)), -1234.5);
  EXPECT_EQ(ZnDoubleToBytes(1.0), QByteArray("\0\0\0\0\0\0\xF0\x3F", 8));
  EXPECT_EQ(ZnBytesToDouble(QByteArray("\x01", 1)),
            ZnBytesToDouble(QByteArray("\x01\0\0\0\0\0\0\0", 8)));
}

TEST(CalendarTextTest, DaysSince1899BothWays) {
  EXPECT_EQ(ZnDaysToCalendarText(0.0), "1899/12/30 12:00:00 am");
  EXPECT_EQ(ZnDaysToCalendarText(38418.5), "2005/03/07 12:00:00 pm");
  EXPECT_EQ(ZnDaysToCalendarText(38418.75), "2005/03/07 06:00:00 pm");
  EXPECT_DOUBLE_EQ(ZnCalendarTextToDays("2005/03/07 06:00:00 pm"), 38418.75);
  EXPECT_DOUBLE_EQ(ZnCalendarTextToDays("2005/03/07 12:00:00 am"), 38418.0);
  EXPECT_DOUBLE_EQ(ZnCalendarTextToDays("2005/03/07"), 38418.0);
  // Before the epoch the day count is negative and the time still counts forward.
  EXPECT_EQ(ZnDaysToCalendarText(-1.25), "1899/12/29 06:00:00 am");
  EXPECT_DOUBLE_EQ(ZnCalendarTextToDays("1899/12/29 06:00:00 am"), -1.25);
  EXPECT_DOUBLE_EQ(ZnCalendarTextToDays("2005/02/30 01:00:00 am"), 0.0);
  EXPECT_DOUBLE_EQ(ZnCalendarTextToDays("13:00:00 pm 2005/03/07"), 0.0);
  EXPECT_EQ(ZnDaysToCalendarText(1e300), "1e+300");
  EXPECT_EQ(ZnDaysToCalendarText(std::nan("")), "nan");
  // The shared conversion behind the text and the date-time edits.
  EXPECT_EQ(ZnDaysToDateTime(38418.75), QDateTime(QDate(2005, 3, 7), QTime(18, 0)));
  EXPECT_FALSE(ZnDaysToDateTime(std::nan("")).isValid());
  EXPECT_FALSE(ZnDaysToDateTime(3e6).isValid());
}

}  // namespace
