// bench_walk: walks the forwarding table of the simulated switch (10,000 rows by default) with
// the request engine, asynchronously, three columns per get-next, and the same table with
// net-snmp's snmpwalk and snmpbulkwalk, all against one agent in one run. Prints requests per
// second for each and the ratio engine / snmpwalk; then the engine's bulk walks (GETBULK of 10
// and 50 repetitions) against snmpbulkwalk -Cr10 / -Cr50, in values per second, and their
// ratios, with the CPU time the agent spent on each (what is left is the client's and the
// network's).
//
//   bench_walk [rows] [runs]
#include "ZnSNMPRequest.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <unistd.h>

namespace {

const ZnSNMPVarDef kForwardingColumns[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "MAC Address", ZnSyntax::MacAddress, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {},
};
const char kTable[] = "1.3.6.1.2.1.17.4.3.1";

struct Agent {
  QProcess process;
  int port = 0;

  bool Start(int rows) {
    process.setProgram(QStringLiteral(NX596_AGENT_PATH));
    process.setArguments({"--port", "0", "--fdb-rows", QString::number(rows)});
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start();
    if (!process.waitForStarted(5000)) return false;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 30000) {
      if (process.canReadLine() || process.waitForReadyRead(200)) {
        const QByteArray line = process.readLine().trimmed();
        if (line.startsWith("READY ")) {
          port = line.mid(6).toInt();
          return port > 0;
        }
      }
      if (process.state() != QProcess::Running) return false;
    }
    return false;
  }
  // CPU seconds (user + system) the agent has used so far, from /proc.
  double CpuSeconds() const {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(process.processId()));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return 0;
    return (fields[11].toDouble() + fields[12].toDouble()) / sysconf(_SC_CLK_TCK);
  }
  ~Agent() {
    process.terminate();
    if (!process.waitForFinished(3000)) process.kill();
  }
};

// Seconds the engine takes to walk the table; `rows` receives the rows seen.
double WalkWithEngine(QCoreApplication& app, int& rows, int repetitions = 0) {
  ZnSNMPRequest request;
  request.BulkRepetitions = repetitions;
  request.VarList = ZnSNMPVarList(kForwardingColumns, ZnItemType::MVT_FMV, 1);
  request.Timeout = 500;
  rows = 0;
  bool done = false;
  int code = 0;
  ZnSNMPCallback next = [&](void*, const ZnSNMPError& result, ZnSNMPVarList&) {
    if (!result.Done) {
      ++rows;
      request.GetAsync(next, nullptr, false);
      return;
    }
    code = result.Code;
    done = true;
  };
  QElapsedTimer timer;
  timer.start();
  request.GetAsync(next, nullptr, true);
  while (!done) app.processEvents(QEventLoop::WaitForMoreEvents);
  const double seconds = timer.nsecsElapsed() / 1e9;
  if (code != 0) std::fprintf(stderr, "engine walk ended with code %d\n", code);
  return seconds;
}

// Seconds a net-snmp tool takes; `lines` receives the number of values it printed.
double RunTool(const char* tool, const QStringList& extra, int port, int& lines) {
  QProcess process;
  QStringList args = {"-v2c", "-c", "tamrel", "-On", "-m", "", "-M", "/dev/null", "-Le"};
  args << extra << QStringLiteral("127.0.0.1:%1").arg(port) << kTable;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  static QTemporaryDir home;
  env.insert("HOME", home.path());
  process.setProcessEnvironment(env);
  QElapsedTimer timer;
  timer.start();
  process.start(QString::fromLatin1(tool), args);
  process.waitForFinished(-1);
  const double seconds = timer.nsecsElapsed() / 1e9;
  lines = process.readAllStandardOutput().count('\n');
  return seconds;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int rows = argc > 1 ? std::atoi(argv[1]) : 10000;
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  QTemporaryDir state;
  ZnSNMPOpenSession(state.path());
  Agent agent;
  if (!agent.Start(rows)) {
    std::fprintf(stderr, "nx596-agent did not start\n");
    return 1;
  }
  ZnSNMPGlobalDevice.Port = static_cast<std::uint16_t>(agent.port);
  ZnSNMPGlobalSecurity.Version = 1;

  std::vector<double> engine, walk, bulk;
  int engineRows = 0, walkLines = 0, bulkLines = 0;
  for (int run = 0; run < runs; ++run) {
    engine.push_back(WalkWithEngine(app, engineRows));
    walk.push_back(RunTool("snmpwalk", {}, agent.port, walkLines));
    bulk.push_back(RunTool("snmpbulkwalk", {"-Cr10"}, agent.port, bulkLines));
  }
  if (engineRows != rows || walkLines != 3 * rows || bulkLines != 3 * rows) {
    std::fprintf(stderr, "walks disagree: engine %d rows, snmpwalk %d values, snmpbulkwalk %d\n",
                 engineRows, walkLines, bulkLines);
    return 1;
  }
  // Requests: the engine sends one get-next per row (three varbinds), snmpwalk one per value,
  // snmpbulkwalk one per ten values; each sends one more to see the end.
  const double engineRate = (rows + 1) / Median(engine);
  const double walkRate = (3.0 * rows + 1) / Median(walk);
  const double bulkRate = (3.0 * rows / 10 + 1) / Median(bulk);
  std::printf("forwarding table: %d rows, median of %d runs\n", rows, runs);
  std::printf("engine (async, 3 varbinds/request): %8.3f s %9.0f requests/s %9.0f values/s\n",
              Median(engine), engineRate, 3 * rows / Median(engine));
  std::printf("snmpwalk (1 varbind/request):       %8.3f s %9.0f requests/s %9.0f values/s\n",
              Median(walk), walkRate, 3 * rows / Median(walk));
  std::printf("snmpbulkwalk (10 per request):      %8.3f s %9.0f requests/s %9.0f values/s\n",
              Median(bulk), bulkRate, 3 * rows / Median(bulk));
  std::printf("ratio engine/snmpwalk (requests/s): %.2f\n", engineRate / walkRate);

  // Bulk walks: the same rows, GETBULK with 10 and 50 repetitions on both sides.
  bool goalMet = true;
  for (const int repetitions : {10, 50}) {
    std::vector<double> engineBulk, tool;
    double engineAgentCpu = 0, toolAgentCpu = 0;
    int bulkRows = 0, toolLines = 0;
    const QString cr = QStringLiteral("-Cr%1").arg(repetitions);
    for (int run = 0; run < runs; ++run) {
      double before = agent.CpuSeconds();
      engineBulk.push_back(WalkWithEngine(app, bulkRows, repetitions));
      engineAgentCpu += agent.CpuSeconds() - before;
      before = agent.CpuSeconds();
      tool.push_back(RunTool("snmpbulkwalk", {cr}, agent.port, toolLines));
      toolAgentCpu += agent.CpuSeconds() - before;
    }
    if (bulkRows != rows || toolLines != 3 * rows) {
      std::fprintf(stderr, "bulk walks disagree: engine %d rows, snmpbulkwalk %s %d values\n",
                   bulkRows, qPrintable(cr), toolLines);
      return 1;
    }
    const double engineValues = 3.0 * rows / Median(engineBulk);
    const double toolValues = 3.0 * rows / Median(tool);
    std::printf("engine GETBULK %2d:                  %8.3f s %9.0f values/s  agent CPU %.3f s\n",
                repetitions, Median(engineBulk), engineValues, engineAgentCpu / runs);
    std::printf("snmpbulkwalk %-5s                   %8.3f s %9.0f values/s  agent CPU %.3f s\n",
                qPrintable(cr), Median(tool), toolValues, toolAgentCpu / runs);
    const double ratio = engineValues / toolValues;
    std::printf("ratio engine/snmpbulkwalk at %2d (values/s): %.2f (goal >= 0.80)\n", repetitions,
                ratio);
    goalMet = goalMet && ratio >= 0.8;
  }
  return goalMet ? 0 : 2;
}
