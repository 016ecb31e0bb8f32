#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

// Starts the build's nx596-agent on a free loopback port with `arguments` and returns the port
// it answers on, or 0 when it did not start within 30 s.
inline int StartBenchAgent(QProcess& agent, const QStringList& arguments) {
  agent.setProgram(QStringLiteral(NX596_AGENT_PATH));
  agent.setArguments(QStringList{"--port", "0"} + arguments);
  agent.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  agent.start();
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 30000 && agent.state() != QProcess::NotRunning) {
    if (agent.canReadLine() || agent.waitForReadyRead(200)) {
      const QByteArray line = agent.readLine().trimmed();
      if (line.startsWith("READY ")) return line.mid(6).toInt();
    }
  }
  return 0;
}
