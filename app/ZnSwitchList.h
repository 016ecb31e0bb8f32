#pragma once

#include "ZnSNMPSession.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// The switches a person keeps without a management host: what the host would have put on the
// command line and into the device profile, less the secrets. Levels and protocols are in the
// numbering of the command line (level 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv; auth 1 none,
// 2 MD5, 3 SHA, 4-7 SHA-224...SHA-512; priv 1 none, 2 DES, 4 AES-128, 20 AES-192, 21 AES-256).
struct ZnSwitchEntry {
  QString Id;  // stable key of the switch: its keyring entry and its profile directory
  QString Name;
  QString Address;
  std::uint16_t Port = 161;
  int Version = 1;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
  QString SecurityName;
  int SecurityLevel = 1;
  int AuthProtocol = 1;
  int PrivProtocol = 1;
  QString ContextName;
  QString ContextEngineID;
  int BulkRepetitions = 0;
  // Its communities and pass phrases were kept for one session only, not in the secret store.
  bool SessionOnly = false;

  bool operator==(const ZnSwitchEntry&) const = default;
};

// What is never written to a file: the communities and the pass phrases.
struct ZnSwitchSecrets {
  QString ReadCommunity = QStringLiteral("tamrel");
  QString WriteCommunity = QStringLiteral("vosquin");
  QString AuthPassword;
  QString PrivPassword;

  bool operator==(const ZnSwitchSecrets&) const = default;
  // One text for the secret store, and back; false for a text that is not one.
  QByteArray Pack() const;
  static bool Unpack(const QByteArray& packed, ZnSwitchSecrets& secrets);
};

// A new, unique Id.
QString ZnNewSwitchId();
// "SNMPv1", "SNMPv2c", "SNMPv3".
QString ZnVersionName(int version);

// The list file: one section per switch, in list order. A missing file is an empty list; a
// section without an address is passed by. Reading fails (false, `why`) only when the file exists
// and cannot be read.
bool ZnReadSwitchList(const QString& fileName, QList<ZnSwitchEntry>& entries, QString& why);
// Writes the whole list through a save file, so that a failed write leaves the old list whole.
bool ZnWriteSwitchList(const QString& fileName, const QList<ZnSwitchEntry>& entries, QString& why);

// Why an entry cannot be kept or opened (one sentence naming the field), or empty: a value a
// file of the host's format could not carry (a line break, a leading or trailing blank that its
// reader trims) or that the program would refuse at start-up.
QString ZnSwitchEntryProblem(const ZnSwitchEntry& entry);

// Where and how the management window of a switch is started: the host's command line (without
// the secrets), and the files a host keeps for it, laid out in `directory`: a device profile
// "<address>.cfg" of the host's format without pass phrases and a registry file naming
// `directory` as the profile directory and `moduleDirectory` (ending with a separator) as the
// module directory. The secret parameters ("/R", "/W", "/A", "/P") travel apart.
struct ZnSwitchStart {
  QStringList parameters;
  QStringList secretParameters;
  QString registryFile;
};
bool ZnPrepareSwitchStart(const ZnSwitchEntry& entry, const ZnSwitchSecrets& secrets,
                          const QString& directory, const QString& moduleDirectory,
                          ZnSwitchStart& start, QString& why);

// The target of a read of the switch, with the default time-out of the program.
ZnSNMPTarget ZnSwitchTarget(const ZnSwitchEntry& entry, const ZnSwitchSecrets& secrets);

// Switches found in a host's profile directory: one per "<address>.cfg". The pass phrases a
// host keeps in plain text there come along as secrets; the communities are not in a profile and
// keep their defaults. Files that are no profile (no Version, a Version other than 0, 1 or 3)
// are named in `skipped`.
struct ZnImportedSwitch {
  ZnSwitchEntry entry;
  ZnSwitchSecrets secrets;
};
QList<ZnImportedSwitch> ZnImportProfileDirectory(const QString& directory, QStringList& skipped);
// Switches of a CSV text (RFC 4180): a header line naming the columns ("Address", "Name",
// "Version", "User or community", "Port"; any order, case-insensitive, the address required),
// then one switch per record. Version is "1", "2c", "3", "v2c", "SNMPv3"... A v1/v2c switch's
// "User or community" is its read community, an SNMPv3 switch's its user name. Records that
// cannot be taken are named by line in `skipped`.
QList<ZnImportedSwitch> ZnImportSwitchCsv(const QString& text, QStringList& skipped);
