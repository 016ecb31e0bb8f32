// Device profiles (INI files): written by people, read at start-up. Any text must be searched
// without fault, and a key of the first section must be found with its value whatever follows.
//
// Input: bytes 0 and 1 are the lengths (0..15) of a section and a key name that follow them,
// byte 2 the length (0..63) of a value after those; the rest is the INI text.

#include "FuzzSupport.h"
#include "ZnIni.h"

#include <QFile>
#include <QTemporaryDir>

#include <utility>

namespace {

constexpr qsizetype kMaxValueLength = 4095;

const QString& FilePath() {
  static const QTemporaryDir directory;
  static const QString path = directory.filePath(QStringLiteral("profile.ini"));
  return path;
}

void WriteFile(const QByteArray& bytes) {
  QFile file(FilePath());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    fuzz::Fail("profile file written", FilePath());
}

// Takes `length` bytes from the front of `input`.
QByteArray Take(QByteArray& input, qsizetype length) {
  const QByteArray taken = input.left(length);
  input.remove(0, taken.size());
  return taken;
}

// A name that the reader takes as written: no line break, no character that ends a section name
// or starts a value, a comment or a section, no blanks around it, and not empty.
QString Name(const QByteArray& bytes, bool asciiOnly, const QString& fallback) {
  QString name;
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u == '\n' || u == '\r' || u == '[' || u == ']' || u == '=' || u == ';') continue;
    name += asciiOnly && u >= 0x80 ? QLatin1Char('x') : QChar(u);
  }
  name = name.trimmed();
  return name.isEmpty() ? fallback : name;
}

// A value on one line.
QString Value(const QByteArray& bytes, bool asciiOnly) {
  QString value;
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u == '\n' || u == '\r') continue;
    value += asciiOnly && u >= 0x80 ? QLatin1Char('x') : QChar(u);
  }
  return value;
}

// What the reader makes of a value written after "key=": blanks around it and one pair of
// enclosing quotes removed, at most 4095 characters.
QString ExpectedValue(const QString& written) {
  QString value = written.trimmed();
  if (value.size() >= 2 &&
      (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
      value.back() == value.front())
    value = value.mid(1, value.size() - 2);
  return value.left(kMaxValueLength);
}

// The same name with ASCII letters in the other case.
QString OtherCase(const QString& name) {
  QString swapped = name;
  for (QChar& c : swapped) {
    const char16_t u = c.unicode();
    if (u >= 'a' && u <= 'z')
      c = QChar(u - 'a' + 'A');
    else if (u >= 'A' && u <= 'Z')
      c = QChar(u - 'A' + 'a');
  }
  return swapped;
}

void Lookup(const QString& text, const QString& section, const QString& key) {
  QString value;
  if (ZnIniLookup(text, section, key, value))
    FUZZ_CHECK(value.size() <= kMaxValueLength,
               QStringLiteral("value of %1 characters").arg(value.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  QByteArray input = fuzz::Bytes(data + 3, size - 3);
  const QByteArray sectionBytes = Take(input, data[0] % 16);
  const QByteArray keyBytes = Take(input, data[1] % 16);
  const QByteArray valueBytes = Take(input, data[2] % 64);
  const QByteArray& iniBytes = input;

  // Arbitrary names in an arbitrary text.
  for (const QString& text : {QString::fromLatin1(iniBytes), QString::fromUtf8(iniBytes)}) {
    Lookup(text, QString::fromLatin1(sectionBytes), QString::fromLatin1(keyBytes));
    Lookup(text, QString::fromUtf8(sectionBytes), QString::fromUtf8(keyBytes));
  }
  WriteFile(iniBytes);
  ZnIni(FilePath())
      .ReadString(QString::fromLatin1(sectionBytes), QString::fromLatin1(keyBytes),
                  QStringLiteral("default"));

  // The same text behind a first section that holds the key: the first section and key win.
  {
    const QString section = Name(sectionBytes, false, QStringLiteral("Program Information"));
    const QString key = Name(keyBytes, false, QStringLiteral("AgentPort"));
    const QString written = Value(valueBytes, false);
    const QString head = QLatin1Char('[') + section + QStringLiteral("]\n") + key +
                         QLatin1Char('=') + written + QLatin1Char('\n');
    const QString text = head + QString::fromLatin1(iniBytes);
    const QString expected = ExpectedValue(written);
    for (const auto& [s, k] :
         {std::pair{section, key}, std::pair{OtherCase(section), OtherCase(key)},
          std::pair{QLatin1Char(' ') + section, key + QLatin1Char('\t')}}) {
      QString value;
      const bool found = ZnIniLookup(text, s, k, value);
      FUZZ_CHECK(found && value == expected,
                 QStringLiteral("[%1] %2 in %3: found %4, value %5, expected %6")
                     .arg(fuzz::Shown(s), fuzz::Shown(k), fuzz::Shown(text))
                     .arg(found)
                     .arg(fuzz::Shown(value), fuzz::Shown(expected)));
    }
  }

  // And in a file, where the text is UTF-8 or one character per byte: ASCII names and value
  // read the same either way.
  {
    const QString section = Name(sectionBytes, true, QStringLiteral("Program Information"));
    const QString key = Name(keyBytes, true, QStringLiteral("AgentPort"));
    const QString written = Value(valueBytes, true);
    WriteFile((QLatin1Char('[') + section + QStringLiteral("]\n") + key + QLatin1Char('=') +
               written + QStringLiteral("\r\n"))
                  .toLatin1() +
              iniBytes);
    const QString fallback = QStringLiteral("161");
    const QString trimmed = ExpectedValue(written).trimmed();
    const QString expected = trimmed.isEmpty() ? fallback : trimmed;
    const QString value = ZnIni(FilePath()).ReadString(section, key, fallback);
    FUZZ_CHECK(value == expected, QStringLiteral("[%1] %2 in the file: %3, expected %4")
                                      .arg(fuzz::Shown(section), fuzz::Shown(key),
                                           fuzz::Shown(value), fuzz::Shown(expected)));
  }
  return 0;
}
