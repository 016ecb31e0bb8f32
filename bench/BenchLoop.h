#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>

// The event-loop and CPU measurements the window benchmarks share.

// CPU seconds (user and system) this process has used so far.
inline double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop for `ms` and returns the longest gap between two 10 ms ticks; without
// `watch` there is no ticking timer (it would cost CPU of its own) and the result is 0.
inline qint64 RunWatched(int ms, bool watch = true) {
  QElapsedTimer beat;
  qint64 worst = 0;
  QTimer heartbeat;
  heartbeat.setTimerType(Qt::PreciseTimer);
  heartbeat.setInterval(10);
  QObject::connect(&heartbeat, &QTimer::timeout, [&] { worst = std::max(worst, beat.restart()); });
  beat.start();
  if (watch) heartbeat.start();
  QEventLoop loop;  // sleeps between events, as the program's own loop does
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
  return worst;
}
