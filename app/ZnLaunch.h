#pragma once

#include <QString>
#include <QStringList>

// What the module was launched with: the command line and the device profile, applied to the
// global connection settings in the host's order, plus the texts and flags the main window keeps
// to name the device and to hand the same connection on to sibling tools.

struct ZnLaunchTexts {
  QString DeviceAddress;
  QString ReadCommunity;
  QString WriteCommunity;
  QString AgentPortText;
  QString VersionText;  // the profile's Version, as read (never from /v)
  QString SecurityName;
  QString AuthPassword;
  QString PrivPassword;
  QString AuthProtocolText;
  QString PrivProtocolText;
  QString ContextEngineID;
  QString SecurityLevelText;
  QString ContextName;
  QString SecurityModelText;
  QString CurrentTitle;
};

// Which SNMPv3 settings were supplied, so that sibling tools get exactly those.
struct ZnHandOverFlags {
  bool ProfileFound = false;
  bool ContextNameGiven = false;
  bool SecurityLevelGiven = false;
  bool AuthProtocolGiven = false;
  bool AuthPasswordGiven = false;
  bool PrivProtocolGiven = false;
  bool PrivPasswordGiven = false;
};

class ZnLaunch {
 public:
  // Profiles are looked for as `profileDirectory` + address + ".cfg".
  explicit ZnLaunch(QString profileDirectory) : profileDirectory_(std::move(profileDirectory)) {}

  // Clears the hand-over flags (all but ProfileFound) and processes every parameter in order.
  // A value that must be a number and is not raises a ZnException whose message names where it
  // came from (the profile file and key, or the parameter) and the value.
  void ProcessParameters(const QStringList& parameters);
  void ProcessParameter(const QString& parameter);
  // The effect of one switch ("/R", "/v", ...) with its whole value, as a parameter carrying it
  // has once the profile is read: what the Switches window hands over apart from the command
  // line goes through here, so that a "/I" or "/R" inside a pass phrase is never taken for a
  // switch. `where` names the value's origin in the failure of a value that must be a number.
  void ApplySwitch(const QString& sw, const QString& value, const QString& where);
  // Applies one device profile file to the global settings.
  void ApplyProfile(const QString& fileName);

  QString ProfilePath() const;
  bool SnmpV3() const;

  ZnLaunchTexts texts;
  ZnHandOverFlags flags;

 private:
  QString profileDirectory_;
};
