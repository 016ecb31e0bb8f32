#pragma once

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;

// The button column at the right of every page: a row counter with its "Samples" label and the
// buttons, stacked top-down in a fixed order; hidden controls keep their place in the order and
// take no space.
class TCtrlBtnPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TCtrlBtnPanel(QWidget* parent = nullptr);

  // Stacks every visible control, 5 pixels apart, from the top margin.
  void ArrangeButtons();

  QLabel* Counter() const { return counter_; }
  QLabel* SamplesLabel() const { return samples_; }
  QPushButton* RefreshButton() const { return refresh_; }
  QPushButton* EditButton() const { return edit_; }
  QPushButton* SetCheckedButton() const { return setChecked_; }
  QPushButton* AddButton() const { return add_; }
  QPushButton* DeleteButton() const { return delete_; }
  QPushButton* CheckAllButton() const { return checkAll_; }
  QPushButton* ClearChecksButton() const { return clearChecks_; }
  QPushButton* CloseButton() const { return close_; }

  static constexpr int kWidth = 116;
  static constexpr int kMargin = 10;
  static constexpr int kControlWidth = 96;
  static constexpr int kSpacing = 5;

 private:
  QPushButton* MakeButton(const QString& caption, const char* bitmap);

  QLabel* counter_;
  QLabel* samples_;
  QPushButton* refresh_;
  QPushButton* edit_;
  QPushButton* setChecked_;
  QPushButton* add_;
  QPushButton* delete_;
  QPushButton* checkAll_;
  QPushButton* clearChecks_;
  QPushButton* close_;
  std::vector<QWidget*> order_;
  bool bitmapsFailed_ = false;
};
