// The traffic chart on its own: the unit and the round top of its value axis follow the largest
// kept rate, missing readings break lines into segments, points older than ten minutes go; and
// the texts the tooltips and the traffic window make of rates, links and speeds.
#include "QtPrinters.h"
#include "TestApplication.h"
#include "ZnPortReader.h"
#include "ZnRateChart.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDateTimeAxis>
#include <QValueAxis>

namespace {

constexpr qint64 kStart = 1'800'000'000'000;  // milliseconds since the epoch, on a whole minute

std::unique_ptr<ZnRateChart> Chart(ZnRateChart::Scale scale) {
  TestApplication();
  return std::make_unique<ZnRateChart>(
      QStringLiteral("Test"), scale,
      QList<ZnRateChart::Line>{{QStringLiteral("A"), Qt::blue}, {QStringLiteral("B"), Qt::red}});
}

struct AxisCase {
  ZnRateChart::Scale scale;
  double largest;  // bits or frames per second
  const char* unit;
  double top;  // in the unit
  int ticks;
  const char* format;
};

TEST(RateChartTest, TheValueAxisTakesTheUnitAndRoundTopOfTheLargestRate) {
  using enum ZnRateChart::Scale;
  const AxisCase cases[] = {
      {Bits, 0, "kbit/s", 1, 6, "%.1f"},  // a silent port: not in bits
      {Bits, 950, "kbit/s", 1, 6, "%.1f"},
      {Bits, 6e6, "Mbit/s", 10, 6, "%.0f"},  // 0, 2, ..., 10: no tick at 2.5 rounded away
      {Bits, 12e6, "Mbit/s", 20, 5, "%.0f"},
      {Bits, 2.2e6, "Mbit/s", 2.5, 6, "%.1f"},
      {Bits, 40e6, "Mbit/s", 50, 6, "%.0f"},
      {Bits, 900e6, "Mbit/s", 1000, 6, "%.0f"},
      {Bits, 1.2e9, "Gbit/s", 2, 5, "%.1f"},
      {Frames, 0.09, "frames/s", 0.1, 6, "%.2f"},
      {Frames, 0.7, "frames/s", 1, 6, "%.1f"},
      {Frames, 3, "frames/s", 5, 6, "%.0f"},
  };
  for (const AxisCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.largest << " " << c.unit);
    auto chart = Chart(c.scale);
    chart->Append(kStart, {c.largest / 2, c.largest});
    chart->Append(kStart + 3000, {c.largest / 3, c.largest / 4});
    EXPECT_EQ(chart->UnitText(), QString::fromLatin1(c.unit));
    EXPECT_DOUBLE_EQ(chart->ValueAxis()->max(), c.top);
    EXPECT_EQ(chart->ValueAxis()->min(), 0);
    EXPECT_EQ(chart->ValueAxis()->tickCount(), c.ticks);
    EXPECT_EQ(chart->ValueAxis()->labelFormat(), QString::fromLatin1(c.format));
    // Whatever the unit, the points keep their rates.
    EXPECT_EQ(chart->Points(1), (QList<QPointF>{{double(kStart), c.largest},
                                                {double(kStart + 3000), c.largest / 4}}));
  }
}

TEST(RateChartTest, AUnitChangeRescalesKeptPointsAndANegativeRateDrawsAsZero) {
  auto chart = Chart(ZnRateChart::Scale::Bits);
  chart->Append(kStart, {800.0, -5.0});
  EXPECT_EQ(chart->UnitText(), QStringLiteral("kbit/s"));
  chart->Append(kStart + 3000, {3e9, 1e6});
  EXPECT_EQ(chart->UnitText(), QStringLiteral("Gbit/s"));
  EXPECT_EQ(chart->Points(0),
            (QList<QPointF>{{double(kStart), 800.0}, {double(kStart + 3000), 3e9}}));
  EXPECT_EQ(chart->Points(1), (QList<QPointF>{{double(kStart), 0}, {double(kStart + 3000), 1e6}}));
  // The large rate ages out: the axis comes back down.
  chart->Advance(kStart + 3000 + ZnRateChart::kKeptMs + 1);
  EXPECT_EQ(chart->Points(0).size(), 0);
  EXPECT_EQ(chart->UnitText(), QStringLiteral("kbit/s"));
}

TEST(RateChartTest, MissingReadingsBreakLinesAndOldPointsGo) {
  auto chart = Chart(ZnRateChart::Scale::Frames);
  qint64 t = kStart;
  const auto next = [&] { return t += 3000; };
  chart->Append(next(), {1.0, 2.0});
  chart->Append(next(), {1.0, 2.0});
  chart->Append(next(), {std::nullopt, 2.0});  // line A has no rate here
  chart->Append(next(), {1.0, 2.0});
  chart->Append(next(), {1.0, 2.0});
  EXPECT_EQ(chart->Segments(0), 2);
  EXPECT_EQ(chart->Segments(1), 1);
  EXPECT_EQ(chart->Points(0).size(), 4);
  chart->Break();  // the switch fell silent
  chart->Append(next(), {1.0, 2.0});
  EXPECT_EQ(chart->Segments(0), 3);
  EXPECT_EQ(chart->Segments(1), 2);

  // Ten minutes after the fourth point only the last two remain; the emptied segments go.
  chart->Advance(kStart + 4 * 3000 + ZnRateChart::kKeptMs + 1);
  EXPECT_EQ(chart->Points(0),
            (QList<QPointF>{{double(kStart + 15000), 1.0}, {double(kStart + 18000), 1.0}}));
  EXPECT_EQ(chart->Segments(0), 2);
  EXPECT_EQ(chart->Segments(1), 2);
  // The time axis shows whole minutes, from before the oldest kept point to after now.
  const qint64 now = kStart + 4 * 3000 + ZnRateChart::kKeptMs + 1;
  EXPECT_EQ(chart->TimeAxis()->min().toMSecsSinceEpoch(), kStart);
  EXPECT_EQ(chart->TimeAxis()->max().toMSecsSinceEpoch(), kStart + 11 * 60000);
  EXPECT_LT(chart->TimeAxis()->max().toMSecsSinceEpoch() - now, 60000);
}

TEST(RateChartTest, RatesLinksAndSpeedsReadAsText) {
  const std::pair<double, const char*> rates[] = {
      {0, "0 bit/s"},         {-3, "0 bit/s"},       {950, "950 bit/s"},
      {999.6, "1.00 kbit/s"}, {5983, "5.98 kbit/s"}, {12'000'000, "12.0 Mbit/s"},
      {6e6, "6.00 Mbit/s"},   {999e6, "999 Mbit/s"}, {1.25e9, "1.25 Gbit/s"},
  };
  for (const auto& [bits, text] : rates) EXPECT_EQ(ZnBitRateText(bits), text) << bits;
  EXPECT_EQ(ZnLinkText("link-pass"), "link up");
  EXPECT_EQ(ZnLinkText("link-fail"), "link down");
  EXPECT_EQ(ZnSpeedText("full-100Mbps-none"), "100 Mbit/s full duplex");
  EXPECT_EQ(ZnSpeedText("half-10Mbps-backp"), "10 Mbit/s half duplex");
  EXPECT_EQ(ZnSpeedText("full-1Gigabps-8023x"), "1 Gbit/s full duplex");
  EXPECT_EQ(ZnSpeedText("auto"), "");
}

}  // namespace
