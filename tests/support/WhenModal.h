#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Runs `inspect` on the next modal window once it is open, then closes it (or leaves it to
// `inspect` when it returns false). Gives up after 10 s without a modal window.
inline void WhenModal(std::function<bool(QWidget*)> inspect) {
  auto* timer = new QTimer;
  auto elapsed = std::make_shared<QElapsedTimer>();
  elapsed->start();
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, elapsed, inspect] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal && elapsed->elapsed() < 10000) return;
    timer->stop();
    timer->deleteLater();
    if (modal && inspect(modal)) modal->close();
  });
  timer->start();
}
