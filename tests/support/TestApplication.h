#pragma once

#include <QCoreApplication>

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
