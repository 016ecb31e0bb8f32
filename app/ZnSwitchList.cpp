#include "ZnSwitchList.h"

#include "ZnIni.h"
#include "ZnOptionList.h"
#include "ZnSNMPValueCodec.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>

namespace {

const QString kProfileSection = QStringLiteral("Program Information");
// The module directory is the HelpPath value less its last 12 characters: this name's length.
const QString kHelpFileName = QStringLiteral("nx596mod.hlp");
constexpr int kMaxBulkRepetitions = 1000;

bool WriteWholeFile(const QString& fileName, const QByteArray& content, QString& why) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
    why = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(fileName), file.errorString());
    return false;
  }
  return true;
}

QStringList SectionNames(const QString& text) {
  QStringList names;
  for (const QString& raw : text.split(QLatin1Char('\n'))) {
    const QString line = raw.trimmed();
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
      names << line.mid(1, line.size() - 2).trimmed();
  }
  return names;
}

int NumberOr(const QString& text, int fallback) {
  int value = 0;
  return ZnParseInt(text, value) ? value : fallback;
}

// What the host's profile reader would not give back as written: a line break ends the value,
// blanks around it are trimmed and one pair of enclosing quotes is removed.
bool SurvivesProfile(const QString& value) {
  if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'))) return false;
  if (value != value.trimmed()) return false;
  if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
    return false;
  return value.size() < 4096;
}

bool KnownVersion(int version) {
  return version == 0 || version == 1 || version == 3;
}

int ParseVersionText(const QString& text) {
  QString t = text.trimmed().toLower();
  if (t.startsWith(QLatin1String("snmp"))) t = t.mid(4);
  if (t.startsWith(QLatin1Char('v'))) t = t.mid(1);
  if (t == QLatin1String("1")) return 0;
  if (t == QLatin1String("2c") || t == QLatin1String("2")) return 1;
  if (t == QLatin1String("3")) return 3;
  return -1;
}

// The records of an RFC 4180 text: fields split at commas outside double quotes, records at
// line ends outside them, "" inside quotes a double quote. Each record keeps its first line.
struct CsvRecord {
  int line = 0;
  QStringList fields;
};

QList<CsvRecord> ParseCsv(const QString& text) {
  QList<CsvRecord> records;
  CsvRecord record{1, {}};
  QString field;
  bool quoted = false;
  bool any = false;
  int line = 1;
  const auto endRecord = [&] {
    record.fields << field;
    field.clear();
    if (any) records << record;
    record = CsvRecord{line, {}};
    any = false;
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (quoted) {
      if (c == QLatin1Char('"')) {
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
          field += c;
          ++i;
        } else {
          quoted = false;
        }
      } else {
        if (c == QLatin1Char('\n')) ++line;
        field += c;
      }
      continue;
    }
    if (c == QLatin1Char('"')) {
      quoted = any = true;
    } else if (c == QLatin1Char(',')) {
      record.fields << field;
      field.clear();
      any = true;
    } else if (c == QLatin1Char('\n')) {
      ++line;
      endRecord();
    } else if (c != QLatin1Char('\r')) {
      field += c;
      any = true;
    }
  }
  endRecord();
  return records;
}

}  // namespace

QByteArray ZnSwitchSecrets::Pack() const {
  QByteArray packed;
  QDataStream out(&packed, QIODevice::WriteOnly);
  out.setVersion(QDataStream::Qt_6_0);
  out << quint8(1) << ReadCommunity << WriteCommunity << AuthPassword << PrivPassword;
  return packed;
}

bool ZnSwitchSecrets::Unpack(const QByteArray& packed, ZnSwitchSecrets& secrets) {
  QDataStream in(packed);
  in.setVersion(QDataStream::Qt_6_0);
  quint8 format = 0;
  ZnSwitchSecrets read;
  in >> format >> read.ReadCommunity >> read.WriteCommunity >> read.AuthPassword >>
      read.PrivPassword;
  if (format != 1 || in.status() != QDataStream::Ok || !in.atEnd()) return false;
  secrets = read;
  return true;
}

QString ZnNewSwitchId() {
  return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString ZnVersionName(int version) {
  switch (version) {
    case 0:
      return QStringLiteral("SNMPv1");
    case 1:
      return QStringLiteral("SNMPv2c");
    case 3:
      return QStringLiteral("SNMPv3");
    default:
      return QStringLiteral("version %1").arg(version);
  }
}

bool ZnReadSwitchList(const QString& fileName, QList<ZnSwitchEntry>& entries, QString& why) {
  entries.clear();
  QFile file(fileName);
  if (!file.exists()) return true;
  if (!file.open(QIODevice::ReadOnly)) {
    why = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(fileName), file.errorString());
    return false;
  }
  const QString text = QString::fromUtf8(file.readAll());
  for (const QString& section : SectionNames(text)) {
    if (!section.startsWith(QLatin1String("Switch"), Qt::CaseInsensitive)) continue;
    const auto read = [&](const char* key) {
      QString value;
      ZnIniLookup(text, section, QString::fromLatin1(key), value);
      return value;
    };
    ZnSwitchEntry e;
    e.Address = read("Address");
    if (e.Address.isEmpty()) continue;
    e.Id = read("Id");
    if (e.Id.isEmpty()) e.Id = ZnNewSwitchId();
    e.Name = read("Name");
    e.Port = static_cast<std::uint16_t>(std::clamp(NumberOr(read("Port"), 161), 1, 65535));
    e.Version = NumberOr(read("Version"), 1);
    if (!KnownVersion(e.Version)) e.Version = 1;
    e.SecurityName = read("SecurityName");
    e.SecurityLevel = std::clamp(NumberOr(read("SecurityLevel"), 1), 1, 3);
    e.AuthProtocol = NumberOr(read("AuthProtocol"), 1);
    e.PrivProtocol = NumberOr(read("PrivProtocol"), 1);
    e.ContextName = read("ContextName");
    e.ContextEngineID = read("ContextEngineID");
    e.BulkRepetitions = std::clamp(NumberOr(read("BulkRepetitions"), 0), 0, kMaxBulkRepetitions);
    e.SessionOnly = read("SessionOnly") == QLatin1String("1");
    entries << e;
  }
  return true;
}

bool ZnWriteSwitchList(const QString& fileName, const QList<ZnSwitchEntry>& entries, QString& why) {
  QString text = QStringLiteral(
      "; The switches of nx596 --switches, in the order of its list. Communities and pass\n"
      "; phrases are not here: they are kept in the desktop's secret store.\n");
  int n = 0;
  for (const ZnSwitchEntry& e : entries) {
    text += QStringLiteral("\n[Switch%1]\n").arg(++n);
    const auto put = [&](const char* key, const QString& value) {
      text += QString::fromLatin1(key) + QLatin1Char('=') + value + QLatin1Char('\n');
    };
    put("Id", e.Id);
    put("Name", e.Name);
    put("Address", e.Address);
    put("Port", QString::number(e.Port));
    put("Version", QString::number(e.Version));
    put("SecurityName", e.SecurityName);
    put("SecurityLevel", QString::number(e.SecurityLevel));
    put("AuthProtocol", QString::number(e.AuthProtocol));
    put("PrivProtocol", QString::number(e.PrivProtocol));
    put("ContextName", e.ContextName);
    put("ContextEngineID", e.ContextEngineID);
    put("BulkRepetitions", QString::number(e.BulkRepetitions));
    put("SessionOnly", e.SessionOnly ? QStringLiteral("1") : QStringLiteral("0"));
  }
  const QFileInfo info(fileName);
  if (!QDir().mkpath(info.absolutePath())) {
    why = QStringLiteral("%1: the directory cannot be made.")
              .arg(QDir::toNativeSeparators(info.absolutePath()));
    return false;
  }
  return WriteWholeFile(fileName, text.toUtf8(), why);
}

QString ZnSwitchEntryProblem(const ZnSwitchEntry& e) {
  const QString address = e.Address;
  const bool dotted = ZnIsIpAddressText(address);
  bool hostName = !address.isEmpty() && address.size() <= 253;
  for (QChar c : address)
    if (!(c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.'))) hostName = false;
  // "10.1.1" is no host name: the resolver would take it for 10.1.0.1.
  bool numeric = true;
  for (QChar c : address) numeric = numeric && (c.isDigit() || c == QLatin1Char('.'));
  if (numeric) hostName = false;
  if (!dotted && !hostName)
    return QStringLiteral("Address: \"%1\" is neither an IPv4 address nor a host name.")
        .arg(address);
  if (e.Port == 0) return QStringLiteral("Port: 0 is no UDP port.");
  if (!KnownVersion(e.Version))
    return QStringLiteral("Version: %1 is not SNMPv1, SNMPv2c or SNMPv3.").arg(e.Version);
  if (!SurvivesProfile(e.Name))
    return QStringLiteral("Name: no line breaks or blanks at its ends.");
  if (!SurvivesProfile(e.SecurityName) || !SurvivesProfile(e.ContextName) ||
      !SurvivesProfile(e.ContextEngineID))
    return QStringLiteral(
        "User, context name and context engine ID: no line breaks, blanks at their ends or "
        "enclosing quotes.");
  if (e.Version == 3 && e.SecurityName.isEmpty())
    return QStringLiteral("User: an SNMPv3 switch needs a user name.");
  if (e.BulkRepetitions < 0 || e.BulkRepetitions > kMaxBulkRepetitions)
    return QStringLiteral("Bulk repetitions: 0 to %1 rows.").arg(kMaxBulkRepetitions);
  return {};
}

bool ZnPrepareSwitchStart(const ZnSwitchEntry& e, const ZnSwitchSecrets& secrets,
                          const QString& directory, const QString& moduleDirectory,
                          ZnSwitchStart& start, QString& why) {
  why = ZnSwitchEntryProblem(e);
  if (!why.isEmpty()) return false;
  if (!QDir().mkpath(directory)) {
    why = QStringLiteral("%1: the directory cannot be made.")
              .arg(QDir::toNativeSeparators(directory));
    return false;
  }
  const bool v3 = e.Version == 3;
  const int level = v3 ? e.SecurityLevel : 1;
  // A protocol the level does not use is "none", as the switch's user would have it.
  const int auth = level >= 2 ? e.AuthProtocol : 1;
  const int priv = level >= 3 ? e.PrivProtocol : 1;
  // The profile counts levels and protocols from 0 (0 keeps the default); the command line in
  // the library's numbering.
  QString profile = QStringLiteral("[%1]\n").arg(kProfileSection);
  const auto put = [&](const char* key, const QString& value) {
    profile += QString::fromLatin1(key) + QLatin1Char('=') + value + QLatin1Char('\n');
  };
  put("AgentPort", QString::number(e.Port));
  put("Version", QString::number(e.Version));
  put("ContextName", v3 ? e.ContextName : QString());
  put("ContextEngineID", v3 ? e.ContextEngineID : QString());
  put("SecurityModel", QString::number(v3 ? 3 : e.Version + 1));
  put("SecurityLevel", QString::number(level - 1));
  put("SecurityName", v3 ? e.SecurityName : QString());
  put("AuthProtocol", QString::number(auth - 1));
  put("PrivProtocol", QString::number(priv - 1));
  put("AuthPassword", QString());
  put("PrivPassword", QString());
  put("BulkRepetitions", QString::number(e.BulkRepetitions));

  const QString dir = QDir(directory).absolutePath() + QLatin1Char('/');
  const QString registry =
      QStringLiteral(
          "[\\SOFTWARE\\Orvane\\Modules\\HelpPath]\n1.3.6.1.4.1.99917.10.63.3=%1%2\n"
          "[\\SOFTWARE\\Orvane\\Korlin5.1\\MibFile]\nPath=%3\n")
          .arg(moduleDirectory, kHelpFileName, dir);
  start.registryFile = dir + QStringLiteral("registry.ini");
  if (!WriteWholeFile(dir + e.Address + QStringLiteral(".cfg"), profile.toUtf8(), why) ||
      !WriteWholeFile(start.registryFile, registry.toUtf8(), why))
    return false;

  // Only numbers follow the address: every text the profile carries stays out of the host's
  // grammar, where a "/R" inside a user name would be taken for a switch.
  start.parameters = {QStringLiteral("/I") + e.Address,
                      QStringLiteral("/v") + QString::number(e.Version)};
  if (v3)
    start.parameters << QStringLiteral("/t") + QString::number(e.Port)
                     << QStringLiteral("/l") + QString::number(level)
                     << QStringLiteral("/a") + QString::number(auth)
                     << QStringLiteral("/p") + QString::number(priv);
  start.secretParameters = {QStringLiteral("/R") + secrets.ReadCommunity,
                            QStringLiteral("/W") + secrets.WriteCommunity};
  if (level >= 2) start.secretParameters << QStringLiteral("/A") + secrets.AuthPassword;
  if (level >= 3) start.secretParameters << QStringLiteral("/P") + secrets.PrivPassword;
  return true;
}

ZnSNMPTarget ZnSwitchTarget(const ZnSwitchEntry& e, const ZnSwitchSecrets& secrets) {
  ZnSNMPTarget t;
  t.Device = {e.Address, e.Port};
  const bool v3 = e.Version == 3;
  if (v3) t.Scope = {e.ContextEngineID, e.ContextName};
  ZnSNMPSecurity& s = t.Security;
  s.Version = static_cast<std::uint8_t>(e.Version);
  s.ReadCommunity = secrets.ReadCommunity;
  s.WriteCommunity = secrets.WriteCommunity;
  s.SecurityModel = v3 ? 3 : e.Version + 1;
  s.SecurityLevel = v3 ? e.SecurityLevel : 1;
  s.SecurityName = v3 ? e.SecurityName : QString();
  s.AuthProtocol = v3 && e.SecurityLevel >= 2 ? e.AuthProtocol : 1;
  s.PrivProtocol = v3 && e.SecurityLevel >= 3 ? e.PrivProtocol : 1;
  s.AuthPassword = v3 && e.SecurityLevel >= 2 ? secrets.AuthPassword : QString();
  s.PrivPassword = v3 && e.SecurityLevel >= 3 ? secrets.PrivPassword : QString();
  t.Timeout = ZnSNMPDefaultTimeout;
  t.Retries = 1;
  return t;
}

QList<ZnImportedSwitch> ZnImportProfileDirectory(const QString& directory, QStringList& skipped) {
  QList<ZnImportedSwitch> found;
  const QFileInfoList files =
      QDir(directory).entryInfoList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
  for (const QFileInfo& info : files) {
    const ZnIni ini(info.absoluteFilePath());
    const auto read = [&](const char* key) {
      return ini.ReadString(kProfileSection, QString::fromLatin1(key), QString());
    };
    ZnImportedSwitch s;
    ZnSwitchEntry& e = s.entry;
    e.Id = ZnNewSwitchId();
    e.Address = info.completeBaseName();
    e.Name = e.Address;
    e.Version = NumberOr(read("Version"), -1);
    const int port = NumberOr(read("AgentPort"), 161);
    e.Port = port > 0 && port <= 65535 ? static_cast<std::uint16_t>(port) : 161;
    // The profile counts from 0, with 0 keeping the program's default (level 1, protocol 1).
    e.SecurityLevel = std::clamp(NumberOr(read("SecurityLevel"), 0) + 1, 1, 3);
    e.AuthProtocol = NumberOr(read("AuthProtocol"), 0) + 1;
    e.PrivProtocol = NumberOr(read("PrivProtocol"), 0) + 1;
    e.SecurityName = read("SecurityName");
    e.ContextName = read("ContextName");
    e.ContextEngineID = read("ContextEngineID");
    e.BulkRepetitions = std::clamp(NumberOr(read("BulkRepetitions"), 0), 0, kMaxBulkRepetitions);
    s.secrets.AuthPassword = read("AuthPassword");
    s.secrets.PrivPassword = read("PrivPassword");
    if (!ZnSwitchEntryProblem(e).isEmpty()) {
      skipped << info.fileName();
      continue;
    }
    found << s;
  }
  return found;
}

QList<ZnImportedSwitch> ZnImportSwitchCsv(const QString& text, QStringList& skipped) {
  QList<ZnImportedSwitch> found;
  // Spreadsheets put a byte-order mark before the header.
  QList<CsvRecord> records = ParseCsv(text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text);
  if (records.isEmpty()) return found;
  const QStringList header = records.takeFirst().fields;
  const auto column = [&](const QString& caption) {
    for (int i = 0; i < header.size(); ++i)
      if (header.at(i).trimmed().compare(caption, Qt::CaseInsensitive) == 0) return i;
    return -1;
  };
  const int address = column(QStringLiteral("Address"));
  const int name = column(QStringLiteral("Name"));
  const int version = column(QStringLiteral("Version"));
  const int user = column(QStringLiteral("User or community"));
  const int port = column(QStringLiteral("Port"));
  if (address < 0) {
    skipped << QStringLiteral("line 1: no \"Address\" column");
    return found;
  }
  for (const CsvRecord& r : records) {
    const auto field = [&](int i) {
      return i >= 0 && i < r.fields.size() ? r.fields.at(i).trimmed() : QString();
    };
    ZnImportedSwitch s;
    ZnSwitchEntry& e = s.entry;
    e.Id = ZnNewSwitchId();
    e.Address = field(address);
    e.Name = field(name).isEmpty() ? e.Address : field(name);
    e.Version = version >= 0 && !field(version).isEmpty() ? ParseVersionText(field(version)) : 1;
    if (port >= 0 && !field(port).isEmpty()) {
      const int p = NumberOr(field(port), 0);
      e.Port = p > 0 && p <= 65535 ? static_cast<std::uint16_t>(p) : 0;
    }
    if (e.Version == 3) {
      e.SecurityName = field(user);
    } else if (!field(user).isEmpty()) {
      s.secrets.ReadCommunity = field(user);
    }
    if (const QString problem = ZnSwitchEntryProblem(e); !problem.isEmpty()) {
      skipped << QStringLiteral("line %1: %2").arg(r.line).arg(problem);
      continue;
    }
    found << s;
  }
  return found;
}
