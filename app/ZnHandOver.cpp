#include "ZnHandOver.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Far more than four pass phrases need: a sender that never ends its block is cut off.
constexpr qsizetype kMaxBlock = 1 << 16;

QString SystemError() {
  return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace

bool ZnMakeHandOverPair(int& parentEnd, int& childEnd, QString& why) {
  int fds[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) {
    why = SystemError();
    return false;
  }
  parentEnd = fds[0];
  childEnd = fds[1];
  return true;
}

QByteArray ZnEncodeHandOver(const QStringList& parameters) {
  QByteArray block;
  for (const QString& p : parameters) block += p.toUtf8() + '\0';
  return block + '\0';
}

bool ZnDecodeHandOver(QByteArray& buffer, QStringList& parameters) {
  QStringList found;
  qsizetype start = 0;
  while (true) {
    const qsizetype end = buffer.indexOf('\0', start);
    if (end < 0) return false;
    if (end == start) {
      buffer.remove(0, end + 1);
      parameters = found;
      return true;
    }
    found << QString::fromUtf8(buffer.mid(start, end - start));
    start = end + 1;
  }
}

bool ZnReceiveHandOver(int fd, int timeoutMs, QStringList& parameters, QByteArray& rest,
                       QString& why) {
  QByteArray buffer;
  QElapsedTimer waited;
  waited.start();
  while (!ZnDecodeHandOver(buffer, parameters)) {
    if (buffer.size() > kMaxBlock) {
      why = QStringLiteral("the settings handed over are too long");
      return false;
    }
    const qint64 left = timeoutMs - waited.elapsed();
    pollfd p{fd, POLLIN, 0};
    const int ready = left > 0 ? ::poll(&p, 1, static_cast<int>(left)) : 0;
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0) {
      why = SystemError();
      return false;
    }
    if (ready == 0) {
      why = QStringLiteral("no settings arrived within %1 s").arg(timeoutMs / 1000);
      return false;
    }
    char chunk[4096];
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      why = n == 0 ? QStringLiteral("the Switches window closed the channel") : SystemError();
      return false;
    }
    buffer.append(chunk, n);
  }
  rest = buffer;
  ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  qunsetenv(kZnHandOverVariable);
  return true;
}

ZnHandOverChannel::ZnHandOverChannel(int fd, QByteArray pending, QObject* parent)
    : QObject(parent), fd_(fd), pending_(std::move(pending)) {
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
  notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { ReadAvailable(); });
  // Messages that came with the secrets are handed on once the owner has set its handlers.
  if (!pending_.isEmpty()) QTimer::singleShot(0, this, [this] { DeliverPending(); });
}

ZnHandOverChannel::~ZnHandOverChannel() {
  if (fd_ >= 0) ::close(fd_);
}

bool ZnHandOverChannel::Send(const QByteArray& message) {
  return Write(message + '\0');
}

bool ZnHandOverChannel::Write(const QByteArray& data) {
  if (fd_ < 0) return false;
  qsizetype sent = 0;
  while (sent < data.size()) {
    // MSG_NOSIGNAL: a side that has gone is an answer, not a reason to end the program.
    const ssize_t n = ::send(fd_, data.constData() + sent, data.size() - sent, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      pollfd p{fd_, POLLOUT, 0};
      if (::poll(&p, 1, 1000) <= 0) return false;
      continue;
    }
    if (n <= 0) {
      Close();
      return false;
    }
    sent += n;
  }
  return true;
}

void ZnHandOverChannel::ReadAvailable() {
  char chunk[4096];
  while (fd_ >= 0) {
    const ssize_t n = ::read(fd_, chunk, sizeof chunk);
    if (n > 0) {
      pending_.append(chunk, n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
    DeliverPending();
    Close();
    return;
  }
  DeliverPending();
}

void ZnHandOverChannel::DeliverPending() {
  qsizetype end;
  while ((end = pending_.indexOf('\0')) >= 0) {
    const QByteArray message = pending_.left(end);
    pending_.remove(0, end + 1);
    if (onMessage) onMessage(message);
  }
}

void ZnHandOverChannel::Close() {
  if (fd_ < 0) return;
  notifier_->setEnabled(false);
  ::close(fd_);
  fd_ = -1;
  if (onClosed) onClosed();
}
