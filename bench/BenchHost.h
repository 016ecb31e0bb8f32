#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A throwaway host environment for the main window, as the program finds it on an installed
// machine: a registry file naming the program directory and a device profile for 127.0.0.1 whose
// AgentPort is the simulated switch's port. The current directory becomes the host directory
// (the boots counter and the other files of the current directory go there). Returns the
// registry file's path.
inline QString LayOutBenchHost(const QTemporaryDir& host, int agentPort) {
  QDir::setCurrent(host.path());
  QDir(host.path()).mkpath(QStringLiteral("bin"));
  QDir(host.path()).mkpath(QStringLiteral("Conf/MBF"));
  QFile registry(host.filePath(QStringLiteral("registry.ini")));
  registry.open(QIODevice::WriteOnly);
  registry.write(QStringLiteral("[\\SOFTWARE\\Orvane\\Korlin5.1\\ExePath]\nPath=%1/bin/\n")
                     .arg(host.path())
                     .toUtf8());
  registry.close();
  QFile profile(host.filePath(QStringLiteral("Conf/MBF/127.0.0.1.cfg")));
  profile.open(QIODevice::WriteOnly);
  profile.write(QStringLiteral("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=3\n"
                               "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n")
                    .arg(agentPort)
                    .toUtf8());
  profile.close();
  return registry.fileName();
}
