#include "ZnCounterRate.h"

namespace {

// Only the low 32 bits of a 32-bit counter count; anything above them is not part of its value.
std::uint64_t Mask(std::uint64_t value, int width) {
  return width == 32 ? value & 0xFFFFFFFFu : value;
}

bool StartsNewSeries(const ZnCounterSample& before, const ZnCounterSample& after) {
  return after.UpTime <= before.UpTime || after.Discontinuity != before.Discontinuity ||
         (after.Width == 32) != (before.Width == 32);
}

}  // namespace

std::uint64_t ZnCounterRate::Increase(std::uint64_t before, std::uint64_t after, int width) {
  // Unsigned subtraction is modulo 2^64; masking the result brings it to modulo 2^32.
  return Mask(Mask(after, width) - Mask(before, width), width);
}

std::optional<double> ZnCounterRate::Add(const ZnCounterSample& sample) {
  const std::optional<ZnCounterSample> previous = previous_;
  previous_ = sample;
  if (!previous || StartsNewSeries(*previous, sample)) return std::nullopt;
  const double seconds = static_cast<double>(sample.UpTime - previous->UpTime) / 100.0;
  return static_cast<double>(Increase(previous->Value, sample.Value, sample.Width)) / seconds;
}
