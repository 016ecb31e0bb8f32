#pragma once

#include <cstdint>
#include <optional>

// One reading of an interface counter together with the switch's own clock at that moment.
struct ZnCounterSample {
  std::uint32_t UpTime = 0;         // the switch's sysUpTime, hundredths of a second
  std::uint64_t Value = 0;          // the counter as read
  int Width = 64;                   // 32 or 64: the counter's width (any other value counts as 64)
  std::uint32_t Discontinuity = 0;  // ifCounterDiscontinuityTime (0 when unknown / SNMPv1)
};

// Turns successive readings of one counter into increases per second.
//
// The divisor is the difference of the switch's sysUpTime, never the desktop clock: a reply that
// was delayed on the way, or a poll that was skipped, changes neither the counted increase nor the
// time it took, so the average stays right. A counter lower than before has wrapped once at its
// width (2^32 or 2^64) and the increase is counted across the wrap.
//
// A new series starts (no value) when the previous reading cannot be compared with this one:
// there is none, sysUpTime went backwards (the switch restarted), the discontinuity time changed
// (the agent says its counters were reset), no time passed, or the counter's width changed. A
// sysUpTime that wraps at 2^32 (after 497 days) cannot be told from a restart, so it starts a new
// series too: one missing point instead of a risk of a spike.
class ZnCounterRate {
 public:
  // Feeds one sample. Returns the counter's increase per second since the previous sample, or no
  // value when a new series starts here.
  std::optional<double> Add(const ZnCounterSample& sample);
  // The next sample starts a new series (a missed poll does not need one).
  void Reset() { previous_.reset(); }
  // Whether a sample is held that the next one is compared with.
  bool HasPrevious() const { return previous_.has_value(); }

  // The increase from `before` to `after` of a counter of `width` bits, across one wrap.
  static std::uint64_t Increase(std::uint64_t before, std::uint64_t after, int width);

 private:
  std::optional<ZnCounterSample> previous_;
};
