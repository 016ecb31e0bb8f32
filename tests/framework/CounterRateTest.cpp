#include "ZnCounterRate.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr std::uint64_t k2To32 = std::uint64_t{1} << 32;
constexpr std::uint64_t kMax64 = ~std::uint64_t{0};

// One sample fed to the computation and the rate it must give back (none: a new series).
struct Step {
  ZnCounterSample Sample;
  std::optional<double> Rate;
};

ZnCounterSample At(std::uint32_t upTime, std::uint64_t value, int width = 64,
                   std::uint32_t discontinuity = 0) {
  return {upTime, value, width, discontinuity};
}

struct Series {
  const char* Name;
  std::vector<Step> Steps;
};

// Each series runs on a fresh computation; the first step of every one gives no value.
const std::vector<Series> kSeries = {
    {"first sample and a steady rate",
     {{At(100, 5000), std::nullopt}, {At(400, 8000), 1000.0}, {At(433, 8033), 100.0}}},
    {"unchanged counter gives zero, not a new series",
     {{At(100, 77), std::nullopt}, {At(400, 77), 0.0}, {At(700, 377), 100.0}}},
    {"32-bit wrap is one increase",
     {{At(100, k2To32 - 1000, 32), std::nullopt}, {At(200, 500, 32), 1500.0}}},
    {"32-bit counter ignores bits above its width",
     {{At(100, k2To32 + 10, 32), std::nullopt}, {At(200, 2 * k2To32 + 30, 32), 20.0}}},
    {"64-bit wrap is one increase", {{At(100, kMax64 - 9), std::nullopt}, {At(200, 90), 100.0}}},
    {"64-bit counter does not wrap at 32 bits",
     {{At(100, k2To32 - 1000), std::nullopt}, {At(200, k2To32 + 500), 1500.0}}},
    // The 600 octets of the 3 s after the first sample were followed by 6000 in the next 6 s,
    // two polls apart: the average over the longer interval, not a spike.
    {"missed poll averages over the longer interval",
     {{At(300, 0), std::nullopt}, {At(600, 600), 200.0}, {At(1200, 6600), 1000.0}}},
    {"restart: sysUpTime going backwards starts a new series",
     {{At(100000, 5000), std::nullopt},
      {At(100300, 8000), 1000.0},
      {At(50, 100), std::nullopt},
      {At(150, 600), 500.0}}},
    {"restart with a 32-bit counter that is lower is not taken for a wrap",
     {{At(100000, 4000000000, 32), std::nullopt},
      {At(200, 10, 32), std::nullopt},
      {At(300, 110, 32), 100.0}}},
    {"discontinuity change starts a new series",
     {{At(100, 0, 64, 0), std::nullopt},
      {At(200, 1000, 64, 0), 1000.0},
      {At(300, 10, 64, 250), std::nullopt},
      {At(400, 110, 64, 250), 100.0}}},
    {"zero interval starts a new series from the later sample",
     {{At(100, 0), std::nullopt}, {At(100, 500), std::nullopt}, {At(200, 600), 100.0}}},
    {"sysUpTime wrapping at 2^32 starts a new series",
     {{At(0xFFFFFF00u, 0), std::nullopt}, {At(0x10, 1000), std::nullopt}, {At(0x74, 1100), 100.0}}},
    {"a change of width starts a new series",
     {{At(100, 500, 32), std::nullopt}, {At(200, 600, 64), std::nullopt}, {At(300, 700), 100.0}}},
};

TEST(CounterRateTest, SeriesGiveTheirRates) {
  for (const Series& series : kSeries) {
    SCOPED_TRACE(series.Name);
    ZnCounterRate rate;
    for (size_t k = 0; k < series.Steps.size(); ++k) {
      SCOPED_TRACE(k);
      const Step& step = series.Steps[k];
      const std::optional<double> got = rate.Add(step.Sample);
      ASSERT_EQ(got.has_value(), step.Rate.has_value());
      if (got) {
        EXPECT_DOUBLE_EQ(*got, *step.Rate);
      }
    }
  }
}

TEST(CounterRateTest, ResetStartsANewSeries) {
  ZnCounterRate rate;
  EXPECT_FALSE(rate.HasPrevious());
  rate.Add(At(100, 0));
  EXPECT_TRUE(rate.HasPrevious());
  rate.Reset();
  EXPECT_FALSE(rate.HasPrevious());
  EXPECT_FALSE(rate.Add(At(200, 1000)).has_value());
  EXPECT_DOUBLE_EQ(rate.Add(At(300, 1100)).value_or(-1), 100.0);
}

TEST(CounterRateTest, IncreaseAcrossOneWrapAtEachWidth) {
  struct Row {
    std::uint64_t Before, After;
    int Width;
    std::uint64_t Increase;
  };
  const Row rows[] = {
      {0, 0, 32, 0},
      {0xFFFFFFFFu, 0, 32, 1},
      {0xFFFFFFFFu, 0xFFFFFFFEu, 32, 0xFFFFFFFFu},  // the largest increase one wrap allows
      {5, 3, 32, k2To32 - 2},
      {kMax64, 0, 64, 1},
      {5, 3, 64, kMax64 - 1},
      {0xFFFFFFFFu, k2To32, 64, 1},
  };
  for (const Row& row : rows)
    EXPECT_EQ(ZnCounterRate::Increase(row.Before, row.After, row.Width), row.Increase)
        << row.Before << " -> " << row.After << " at " << row.Width;
}

}  // namespace
