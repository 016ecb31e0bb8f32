#pragma once

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class ZnSNMPRequest2Edits;

// How the switch saves its log — at a time interval, on demand or on each log event — and the
// interval. The interval is asked for, and written, only for the interval method: its edit is
// enabled exactly while "time-interval" is chosen, and a write for another method carries the
// method alone.
class TLogSaveControlForm : public QDialog {
  Q_OBJECT

 public:
  TLogSaveControlForm(const QString& deviceAddress, QWidget* parent = nullptr);
  ~TLogSaveControlForm() override;

  void btnRefreshClick();
  void btnSetClick();
  void cbxLogSaveMethodChange();

  ZnSNMPRequest2Edits* LogSaveBinding() const { return logSaveBinding_; }

  // The form's components, by their design names.
  QComboBox* cbxLogSaveMethod;
  QLineEdit* EdLogSavetimeInterval;
  QPushButton* btnRefresh;
  QPushButton* btnSet;
  QStatusBar* StatusBar1;
  QLabel* StatusPanel;  // panel 0 of StatusBar1

 private:
  void FormCreate(const QString& deviceAddress);
  bool CheckLogSaveInput();
  bool IntervalMethod() const;

  ZnSNMPRequest2Edits* logSaveBinding_ = nullptr;
};

// The hand-made dialog factory of the main menu.
std::unique_ptr<QDialog> CreateTLogSaveControlForm(const QString& deviceAddress, QWidget* parent);
