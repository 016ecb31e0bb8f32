#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

// With NX596_SHOTS set to a directory, saves the picture of a window there for a person to look
// at; without it, nothing.
inline void ShootDialog(QWidget& window, const QString& name) {
  const QString dir = qEnvironmentVariable("NX596_SHOTS");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  window.show();  // lays the window out as a person would see it
  window.grab().save(QDir(dir).filePath(name + ".png"));
}
