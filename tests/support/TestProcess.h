#pragma once

#include <QProcess>
#include <QString>

#include <chrono>

// Small pieces shared by the agent fixtures.
namespace nx596::test {

// Ends a child process the way a user would: SIGTERM, then SIGKILL when it does not finish in
// time. Returns true when it ended by itself with exit code 0.
bool StopProcess(QProcess& process, std::chrono::milliseconds grace);

// A UDP port on 127.0.0.1 that was free a moment ago (bound to port 0, then released).
quint16 FreeUdpPort();

// The last lines of a text file, for failure messages.
QString TailOfFile(const QString& path, int maxLines = 30);

}  // namespace nx596::test
