#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The one exception type of the module: a message text and the numeric code that callers
// report with it (0 success, negative codes grouped by source, see ZnSNMPMessages.h).
class ZnException : public std::exception {
 public:
  ZnException(QString message, int code)
      : message_(std::move(message)), code_(code), utf8_(message_.toUtf8()) {}

  const QString& Message() const { return message_; }
  int Code() const { return code_; }
  const char* what() const noexcept override { return utf8_.constData(); }

 private:
  QString message_;
  int code_;
  QByteArray utf8_;
};
