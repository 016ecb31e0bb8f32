#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

// The right-hand column of a hand-made dialog: optionally a row counter over the label
// "Samples", then the dialog's buttons, top-down, 96 pixels wide.
class TButtonColumn : public QWidget {
  Q_OBJECT

 public:
  // With `counterName` (the counter's component name, "ST_Count2") the column starts with the
  // counter, text "0", and its "Samples" label.
  explicit TButtonColumn(QWidget* parent, const QString& counterName = QString());

  QPushButton* AddButton(const QString& caption, const QString& name);
  QLabel* Counter() const { return counter_; }

  static constexpr int kButtonWidth = 96;

 private:
  QVBoxLayout* layout_;
  QLabel* counter_ = nullptr;
};
