#pragma once

#include "ZnPortReader.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class ZnRateChart;

// The live traffic of one port: receive and transmit rate in bits per second above, errors and
// discards per second below, over the last ten minutes, read every 3 seconds.
//
// Reads are asynchronous and one at a time: a tick that finds the previous read outstanding
// sends nothing, so a silent switch costs one read and the window keeps scrolling, with a gap in
// the lines and the reason in the status line. Pause stops reading and scrolling; Resume starts
// new lines (an average over the pause would mislead). One window per port: asking again for a
// port raises its window. The windows belong to the window they were opened from and close with
// it.
class TTrafficForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kPollMs = 3000;

  // The window of `port`, made (and shown) when there is none yet, else raised.
  static TTrafficForm* Open(int port, const QString& deviceAddress, QWidget* owner);
  // The open window of `port`, or null.
  static TTrafficForm* Find(int port);
  static QList<TTrafficForm*> OpenForms();
  // Closes every traffic window (the main window closes).
  static void CloseAll();

  ~TTrafficForm() override;

  int Port() const { return port_; }
  ZnRateChart* RateChart() const { return rates_; }
  ZnRateChart* ErrorChart() const { return errors_; }
  QPushButton* PauseButton() const { return pause_; }
  QLabel* StatusLine() const { return status_; }
  QLabel* PortLine() const { return portLine_; }
  ZnPortReader& Reader() { return reader_; }
  bool Paused() const { return paused_; }
  // Ticks that found the previous read still outstanding.
  int SkippedTicks() const { return skipped_; }
  // Polls every `ms` (tests poll faster than every 3 s).
  void SetPollInterval(int ms);

  void SetPaused(bool paused);

 private:
  TTrafficForm(int port, const QString& deviceAddress, QWidget* owner);

  void Tick();
  void Show(const ZnPortReading& reading);

  int port_;
  ZnPortReader reader_;
  QTimer poll_;
  ZnRateChart* rates_ = nullptr;
  ZnRateChart* errors_ = nullptr;
  QLabel* portLine_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* pause_ = nullptr;
  bool paused_ = false;
  int skipped_ = 0;
  qint64 lastAnswerMs_ = 0;
};
