#include "ZnLaunch.h"

#include "ZnException.h"
#include "ZnIni.h"
#include "ZnOptionList.h"
#include "ZnSNMPSettings.h"

#include <QFileInfo>

#include <cstring>

namespace {

const QString kSection = QStringLiteral("Program Information");
// More rows than fit in one datagram gain nothing: the agent cuts the answer short.
constexpr int kMaxBulkRepetitions = 1000;

// A decimal integer, or a clear failure that says where the text came from: a bare "is not a
// valid integer" would leave an administrator guessing which of a dozen values is wrong.
int Number(const QString& text, const QString& where) {
  int value = 0;
  if (!ZnParseInt(text, value))
    throw ZnException(QStringLiteral("%1: \"%2\" is not a decimal number.").arg(where, text), 0);
  return value;
}

std::uint16_t PortNumber(const QString& text, const QString& where) {
  const int value = Number(text, where);
  if (value < 0 || value > 65535)
    throw ZnException(QStringLiteral("%1: \"%2\" is not a UDP port number.").arg(where, text), 0);
  return static_cast<std::uint16_t>(value);
}

QString ProfileKey(const QString& file, const QString& key) {
  return QStringLiteral("Device profile \"%1\", key \"%2\"").arg(file, key);
}

QString Parameter(const QString& parameter) {
  return QStringLiteral("Command-line parameter \"%1\"").arg(parameter);
}

}  // namespace

QString ZnLaunch::ProfilePath() const {
  return profileDirectory_ + texts.DeviceAddress + QStringLiteral(".cfg");
}

bool ZnLaunch::SnmpV3() const {
  return texts.VersionText == QLatin1String("3") || ZnSNMPGlobalSecurity.Version == 3;
}

void ZnLaunch::ProcessParameters(const QStringList& parameters) {
  flags.ContextNameGiven = flags.SecurityLevelGiven = flags.AuthProtocolGiven = false;
  flags.AuthPasswordGiven = flags.PrivProtocolGiven = flags.PrivPasswordGiven = false;
  for (const QString& parameter : parameters) ProcessParameter(parameter);
}

void ZnLaunch::ApplyProfile(const QString& fileName) {
  const ZnIni ini(fileName);
  const auto read = [&](const char* key) {
    return ini.ReadString(kSection, QString::fromLatin1(key), QString());
  };
  const auto where = [&](const char* key) {
    return ProfileKey(fileName, QString::fromLatin1(key));
  };
  ZnSNMPSecurity& security = ZnSNMPGlobalSecurity;

  const std::uint16_t port = PortNumber(read("AgentPort"), where("AgentPort"));
  ZnSNMPGlobalDevice.Port = port;
  texts.AgentPortText = QString::number(port);

  texts.VersionText = read("Version");
  security.Version = static_cast<std::uint8_t>(Number(texts.VersionText, where("Version")));

  if (const QString name = read("ContextName"); !name.isEmpty()) {
    ZnSNMPGlobalScope.ContextName = texts.ContextName = name;
    flags.ContextNameGiven = true;
  }
  ZnSNMPGlobalScope.ContextEngineID = texts.ContextEngineID = read("ContextEngineID");

  security.SecurityModel = Number(read("SecurityModel"), where("SecurityModel"));
  texts.SecurityModelText = QString::number(security.SecurityModel);

  // Levels and protocols are counted from 0 in the profile; 0 keeps the default.
  if (const QString level = read("SecurityLevel"); level != QLatin1String("0")) {
    security.SecurityLevel = Number(level, where("SecurityLevel")) + 1;
    texts.SecurityLevelText = QString::number(security.SecurityLevel);
    flags.SecurityLevelGiven = true;
  }
  security.SecurityName = texts.SecurityName = read("SecurityName");
  if (const QString auth = read("AuthProtocol"); auth != QLatin1String("0")) {
    security.AuthProtocol = Number(auth, where("AuthProtocol")) + 1;
    texts.AuthProtocolText = QString::number(security.AuthProtocol);
    flags.AuthProtocolGiven = true;
  }
  if (const QString priv = read("PrivProtocol"); priv != QLatin1String("0")) {
    security.PrivProtocol = Number(priv, where("PrivProtocol")) + 1;
    texts.PrivProtocolText = QString::number(security.PrivProtocol);
    flags.PrivProtocolGiven = true;
  }
  if (const QString pass = read("AuthPassword"); !pass.isEmpty()) {
    security.AuthPassword = texts.AuthPassword = pass;
    flags.AuthPasswordGiven = true;
  }
  if (const QString pass = read("PrivPassword"); !pass.isEmpty()) {
    security.PrivPassword = texts.PrivPassword = pass;
    flags.PrivPasswordGiven = true;
  }
  // Absent means get-next walks, as before the key existed.
  const QString repetitions = read("BulkRepetitions");
  ZnSNMPBulkRepetitions =
      repetitions.isEmpty() ? 0 : Number(repetitions, where("BulkRepetitions"));
  if (ZnSNMPBulkRepetitions < 0 || ZnSNMPBulkRepetitions > kMaxBulkRepetitions)
    throw ZnException(QStringLiteral("%1: \"%2\" is not 0 to %3 rows.")
                          .arg(where("BulkRepetitions"), repetitions)
                          .arg(kMaxBulkRepetitions),
                      0);
}

void ZnLaunch::ProcessParameter(const QString& parameter) {
  if (const qsizetype at = parameter.indexOf(QLatin1String("/I")); at >= 0) {
    ZnSNMPGlobalDevice.Address = texts.DeviceAddress = parameter.mid(at + 2);
    return;
  }
  const QString profile = ProfilePath();
  flags.ProfileFound = QFileInfo(profile).isFile();
  if (flags.ProfileFound) ApplyProfile(profile);

  // The value of a switch is the text after its first occurrence anywhere in the parameter; the
  // first switch found in this order counts, and the SNMPv3 ones only once the version is 3.
  static const char* const kSwitches[] = {"/R", "/W", "/v", "/t", "/c", "/d", "/m",
                                          "/l", "/n", "/A", "/P", "/a", "/p"};
  for (const char* sw : kSwitches) {
    if (const qsizetype at = parameter.indexOf(QLatin1String(sw)); at >= 0) {
      ApplySwitch(QString::fromLatin1(sw), parameter.mid(at + 2), Parameter(parameter));
      return;
    }
    if (std::strcmp(sw, "/v") == 0 && !SnmpV3()) return;
  }
}

void ZnLaunch::ApplySwitch(const QString& sw, const QString& v, const QString& where) {
  ZnSNMPSecurity& security = ZnSNMPGlobalSecurity;
  const auto is = [&](const char* name) { return sw == QLatin1String(name); };
  if (is("/R")) {
    security.ReadCommunity = texts.ReadCommunity = v;
  } else if (is("/W")) {
    security.WriteCommunity = texts.WriteCommunity = v;
  } else if (is("/v")) {
    security.Version = static_cast<std::uint8_t>(Number(v, where));
  } else if (!SnmpV3()) {
    return;  // the SNMPv3 switches count only once the version is 3
  } else if (is("/t")) {
    ZnSNMPGlobalDevice.Port = PortNumber(v, where);
    texts.AgentPortText = QString::number(ZnSNMPGlobalDevice.Port);
  } else if (is("/c")) {
    ZnSNMPGlobalScope.ContextName = v;
    if (!v.isEmpty()) {
      texts.ContextName = v;
      flags.ContextNameGiven = true;
    }
  } else if (is("/d")) {
    ZnSNMPGlobalScope.ContextEngineID = texts.ContextEngineID = v;
  } else if (is("/m")) {
    security.SecurityModel = Number(v, where);
    texts.SecurityModelText = QString::number(security.SecurityModel);
  } else if (is("/l")) {
    security.SecurityLevel = Number(v, where);
    if (security.SecurityLevel != 0) {
      texts.SecurityLevelText = QString::number(security.SecurityLevel);
      flags.SecurityLevelGiven = true;
    }
  } else if (is("/n")) {
    security.SecurityName = texts.SecurityName = v;
  } else if (is("/A")) {
    security.AuthPassword = v;
    if (!v.isEmpty()) {
      texts.AuthPassword = v;
      flags.AuthPasswordGiven = true;
    }
  } else if (is("/P")) {
    security.PrivPassword = v;
    if (!v.isEmpty()) {
      texts.PrivPassword = v;
      flags.PrivPasswordGiven = true;
    }
  } else if (is("/a")) {
    security.AuthProtocol = Number(v, where);
    if (texts.AuthProtocolText != QLatin1String("0")) {
      texts.AuthProtocolText = QString::number(security.AuthProtocol);
      flags.AuthProtocolGiven = true;
    }
  } else if (is("/p")) {
    security.PrivProtocol = Number(v, where);
    if (texts.PrivProtocolText != QLatin1String("0")) {
      texts.PrivProtocolText = QString::number(security.PrivProtocol);
      flags.PrivProtocolGiven = true;
    }
  }
}
