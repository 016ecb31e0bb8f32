#pragma once

#include <QString>

// Reader of Windows profile (INI) files with the private-profile semantics the device profiles
// were written for: sections and keys compare case-insensitively, the first matching section and
// key win, a value is the text after the first '=' with surrounding blanks and one pair of
// enclosing quotes removed, lines starting with ';' are comments, and a value is cut at 4095
// characters. Commas, '%' and '\' are ordinary characters.
class ZnIni {
 public:
  explicit ZnIni(QString fileName) : fileName_(std::move(fileName)) {}

  const QString& FileName() const { return fileName_; }
  // The value trimmed of blanks when the key exists with a non-empty value, else the default.
  QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;

 private:
  QString fileName_;
};

// Reads the value of `key` in `section` from INI text; false when the key is absent.
bool ZnIniLookup(const QString& text, const QString& section, const QString& key, QString& value);

// The name alone when the directory is empty; otherwise directory and name joined with one
// separator. Both '\' and '/' count as separators, and names written with '\' (such as
// "errmsg\common.err") are turned into this platform's form.
QString JoinPath(const QString& directory, const QString& name);
