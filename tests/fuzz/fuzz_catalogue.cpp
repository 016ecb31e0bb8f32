// Message catalogues: translators edit the files under errmsg/, the module loads them at start-up.
// Any file must load; afterwards every message is the file's entry at its position (non-blank
// lines in order, cut at 1023 bytes, UTF-8 when valid else one character per byte), and the
// built-in texts elsewhere.

#include "FuzzSupport.h"
#include "ZnSNMPMessages.h"

#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <array>

namespace {

constexpr int kReadIndices = 41;
constexpr qsizetype kMaxLineBytes = 1023;

using Texts = std::array<std::array<QString, kReadIndices>, ZnMessageTableCount>;

Texts Current() {
  Texts texts;
  for (int t = 0; t < ZnMessageTableCount; ++t)
    for (int k = 0; k < kReadIndices; ++k)
      texts[t][k] = ZnMessage(static_cast<ZnMessageTable>(t), k);
  return texts;
}

// The texts before any catalogue is loaded.
const Texts& BuiltIn() {
  static const Texts texts = Current();
  return texts;
}

bool IsBlank(const QByteArray& line) {
  for (const char c : line)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

// The text of the first 1023 bytes of a line. When the cut splits a UTF-8 sequence of an
// otherwise valid line, the split character is left out.
QString EntryText(const QByteArray& line) {
  QByteArray kept = line.left(kMaxLineBytes);
  if (line.size() > kMaxLineBytes && !kept.isValidUtf8()) {
    for (qsizetype cut = 1; cut <= 3; ++cut) {
      const QByteArray whole = kept.chopped(cut);
      bool completes = false;
      for (qsizetype length = cut + 1; length <= 4; ++length)
        completes = completes || line.left(kMaxLineBytes - cut + length).isValidUtf8();
      if (whole.isValidUtf8() && completes) {
        kept = whole;
        break;
      }
    }
  }
  return kept.isValidUtf8() ? QString::fromUtf8(kept) : QString::fromLatin1(kept);
}

// The entries a catalogue file holds, read independently of the loader.
QList<QString> Entries(const QByteArray& file) {
  QList<QString> entries;
  qsizetype start = 0;
  while (start < file.size()) {
    qsizetype end = file.indexOf('\n', start);
    end = end < 0 ? file.size() : end + 1;
    QByteArray line = file.mid(start, end - start);
    start = end;
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    if (!IsBlank(line)) entries.append(EntryText(line));
  }
  return entries;
}

const QString& FilePath() {
  static const QTemporaryDir directory;
  static const QString path = directory.filePath(QStringLiteral("catalogue.err"));
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Texts& builtIn = BuiltIn();
  const QByteArray raw = fuzz::Bytes(data, size);
  {
    QFile file(FilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(raw) != raw.size())
      fuzz::Fail("catalogue file written", FilePath());
  }

  for (int t = 0; t < ZnMessageTableCount; ++t)
    ZnSNMPLoadMessages(static_cast<ZnMessageTable>(t), FilePath());
  const Texts loaded = Current();

  const QList<QString> entries = Entries(raw);
  for (int t = 0; t < ZnMessageTableCount; ++t) {
    const auto table = static_cast<ZnMessageTable>(t);
    for (int k = 0; k < kReadIndices; ++k) {
      // Past the loaded entries the built-in text, past both the current "unknown error" text.
      QString expected;
      if (k < entries.size())
        expected = entries[k];
      else if (k < ZnBuiltInMessageCount(table))
        expected = builtIn[t][k];
      else
        expected = loaded[static_cast<int>(ZnMessageTable::Framework)][-ZnCode::UnknownError - 500];
      FUZZ_CHECK(loaded[t][k] == expected,
                 QStringLiteral("table %1 entry %2 is %3, expected %4")
                     .arg(t)
                     .arg(k)
                     .arg(fuzz::Shown(loaded[t][k]), fuzz::Shown(expected)));
    }
  }

  ZnSNMPResetMessages();
  FUZZ_CHECK(Current() == builtIn, QStringLiteral("reset did not restore the built-in texts"));
  return 0;
}
