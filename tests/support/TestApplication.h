#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

// The one application object of a test program, made on first use: timers, socket notifiers
// and child processes need it. Shared by every file of the program (one inline function).
inline QCoreApplication& TestApplication() {
  static int argc = 1;
  static char name[] = "nx596-test";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app =
      QCoreApplication::instance() ? QCoreApplication::instance() : new QCoreApplication(argc, argv);
  return *app;
}

// Runs the event loop until `done` holds or `ms` milliseconds pass; returns `done()`.
inline bool Await(const std::function<bool()>& done, int ms = 15000) {
  TestApplication();
  QElapsedTimer waited;
  waited.start();
  while (!done() && waited.elapsed() < ms)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  return done();
}
