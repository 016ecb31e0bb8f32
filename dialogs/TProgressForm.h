#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;
class ZnSNMPRequest2Controls;

// A modal waiting window with a moving bar: it writes the host dialog's values through the
// host's binding as it is made, then moves one step a second and closes itself after 21 steps.
class TProgressForm : public QDialog {
  Q_OBJECT

 public:
  // A failure of the write goes to `statusPanel` (the host's first status-bar panel) when given.
  TProgressForm(QWidget* host, ZnSNMPRequest2Controls* hostBinding, QLabel* statusPanel);

  QLabel* Prompt() const { return prompt_; }
  QProgressBar* Bar() const { return bar_; }
  QTimer& Timer() { return timer_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Tick();

  QLabel* prompt_;
  QProgressBar* bar_;
  QTimer timer_;
};
