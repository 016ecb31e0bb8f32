#pragma once

#include <QString>

// The host's registry under HKEY_LOCAL_MACHINE, read-only. On Windows it is the real registry;
// elsewhere a file of the same keys and values: one section per key path, one "name=value" line
// per value, e.g.
//
//   [\SOFTWARE\Orvane\Korlin5.1\ExePath]
//   Path=/opt/host/bin/
//
// The file is named by the environment variable NX596_REGISTRY, by default "nx596-registry.ini"
// in the program's directory. Key paths and value names compare case-insensitively.
class ZnRegistry {
 public:
  ZnRegistry();                           // the default registry of this platform
  explicit ZnRegistry(QString fileName);  // a registry file (any platform)

  bool KeyExists(const QString& key) const;
  // The value, or a null string when the key or the value is missing.
  QString Value(const QString& key, const QString& name) const;

  const QString& FileName() const { return fileName_; }

 private:
  QString fileName_;  // empty: the native registry
};

// Where the module finds its data: the directory of its message catalogues and the directory of
// the device profiles, both ending with a separator or empty (then the current directory).
struct ZnHostPaths {
  QString moduleDirectory;
  QString profileDirectory;
};

ZnHostPaths ZnFindHostPaths(const ZnRegistry& registry);

// Loads the seven message catalogues from the module directory; missing files are tolerated.
void ZnLoadMessageCatalogues(const QString& moduleDirectory);
