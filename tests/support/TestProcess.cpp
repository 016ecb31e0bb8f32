#include "TestProcess.h"

#include <QFile>
#include <QStringList>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace nx596::test {

bool StopProcess(QProcess& process, std::chrono::milliseconds grace) {
  if (process.state() == QProcess::NotRunning) {
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  }
  process.terminate();
  if (!process.waitForFinished(static_cast<int>(grace.count()))) {
    process.kill();
    process.waitForFinished(5000);
    return false;
  }
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

quint16 FreeUdpPort() {
  int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0) return 0;
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  quint16 port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  ::close(fd);
  return port;
}

QString TailOfFile(const QString& path, int maxLines) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("(no output)");
  QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  if (lines.size() > maxLines) lines = lines.mid(lines.size() - maxLines);
  return lines.join('\n');
}

}  // namespace nx596::test
