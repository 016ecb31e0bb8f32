// TimeTicks texts ("2 days, 3:04:05.06"): TextToTicks reads typed and stored texts, TicksToText
// writes received values. Any text must read to some count, and every count must read back from
// its own text, since a timeticks key travels through its text when a row is written back.

#include "FuzzSupport.h"
#include "ZnValueFormat.h"

namespace {

void CheckRoundTrip(std::uint32_t ticks) {
  const QString text = TicksToText(ticks);
  const std::uint32_t back = TextToTicks(text);
  FUZZ_CHECK(back == ticks, QStringLiteral("TextToTicks(TicksToText(%1)) = %2 via %3")
                                .arg(ticks)
                                .arg(back)
                                .arg(fuzz::Shown(text)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray raw = fuzz::Bytes(data, size);

  // Whatever a text reads as must itself be written and read back unchanged.
  CheckRoundTrip(TextToTicks(QString::fromLatin1(raw)));
  CheckRoundTrip(TextToTicks(QString::fromUtf8(raw)));

  std::uint32_t ticks = 0;
  for (std::size_t k = 0; k < 4 && k < size; ++k)
    ticks |= static_cast<std::uint32_t>(data[k]) << (8 * k);
  CheckRoundTrip(ticks);
  return 0;
}
