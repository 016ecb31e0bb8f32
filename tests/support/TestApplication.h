#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#ifdef QT_WIDGETS_LIB
#include <QApplication>

// Fontconfig, which Qt's font database loads for any widget, keeps a few hundred bytes it never
// frees; the leak checker of the sanitizer build would fail every widget program on them. Weak,
// so that several files of a program may carry it.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif

#include <functional>

// The one application object of a test program, made on first use: timers, socket notifiers
// and child processes need it, widgets need the widget kind. Shared by every file of the program
// (one inline function; a program links Qt Widgets in all its files or in none).
inline QCoreApplication& TestApplication() {
  static int argc = 1;
  static char name[] = "nx596-test";
  static char* argv[] = {name, nullptr};
#ifdef QT_WIDGETS_LIB
  using Application = QApplication;
#else
  using Application = QCoreApplication;
#endif
  static QCoreApplication* app =
      QCoreApplication::instance() ? QCoreApplication::instance() : new Application(argc, argv);
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
