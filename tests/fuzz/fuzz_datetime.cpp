// DateAndTime values: the text form "y-m-d,h:m:s.d[,+h:m]" is read from user input and stored
// texts, the eleven bytes come from the wire and from instance OIDs.

#include "FuzzSupport.h"
#include "ZnDateTime.h"

namespace {

void CheckText(const QString& text) {
  const QString written = ZnDateTime(text).ToText();
  // What the class writes it must read as the same value.
  const QString rewritten = ZnDateTime(written).ToText();
  FUZZ_CHECK(rewritten == written,
             QStringLiteral("%1 reads as %2, which reads as %3")
                 .arg(fuzz::Shown(text), fuzz::Shown(written), fuzz::Shown(rewritten)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray raw = fuzz::Bytes(data, size);
  CheckText(QString::fromLatin1(raw));
  CheckText(QString::fromUtf8(raw));

  // The bytes form keeps every field: the first eleven bytes, missing ones as 0.
  QByteArray eleven = raw.left(11);
  eleven.append(QByteArray(11 - eleven.size(), '\0'));
  const ZnDateTime fromBytes = ZnDateTime::FromBytes(raw);
  FUZZ_CHECK(fromBytes.ToBytes() == eleven,
             QStringLiteral("FromBytes(%1).ToBytes() = %2")
                 .arg(fuzz::Shown(raw), fuzz::Shown(fromBytes.ToBytes())));

  // The text of the bytes reads back to the same bytes, except that the zone is only written
  // when it has a direction of '+' or '-' and is not 0:0; without it the text means "+0:0".
  const QString text = fromBytes.ToText();
  const bool zoned = (eleven[8] == '+' || eleven[8] == '-') && (eleven[9] != 0 || eleven[10] != 0);
  QByteArray expected = eleven;
  if (!zoned) {
    expected[8] = '+';
    expected[9] = 0;
    expected[10] = 0;
  }
  const QByteArray back = ZnDateTime(text).ToBytes();
  FUZZ_CHECK(back == expected, QStringLiteral("bytes %1 as text %2 read back as %3, expected %4")
                                   .arg(fuzz::Shown(eleven), fuzz::Shown(text), fuzz::Shown(back),
                                        fuzz::Shown(expected)));
  return 0;
}
