#pragma once

#include "ZnSNMPRequest2Controls.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

class QLabel;
class QProgressBar;

// A modal waiting window with a moving bar: it writes the host dialog's values through the
// host's binding as it is made, then moves one step a second and closes itself after 21 steps.
// When that write fails — raised at once or refused by the device later — the window closes at
// once: there is nothing left to wait for, and the failure is in the host's status bar.
class TProgressForm : public QDialog {
  Q_OBJECT

 public:
  // A failure of the write goes to `statusPanel` (the host's first status-bar panel) when given.
  TProgressForm(QWidget* host, ZnSNMPRequest2Controls* hostBinding, QLabel* statusPanel);

  ~TProgressForm() override;

  QLabel* Prompt() const { return prompt_; }
  bool WriteFailed() const { return writeFailed_; }
  QProgressBar* Bar() const { return bar_; }
  QTimer& Timer() { return timer_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Tick();
  void EndOnFailure();

  QLabel* prompt_;
  QProgressBar* bar_;
  QTimer timer_;
  bool writeFailed_ = false;
  QPointer<ZnSNMPRequest2Controls> hostBinding_;
  ZnSNMPRequest2Controls::DoneEvent hostSetDone_;  // the host's own handler, put back at the end
};
