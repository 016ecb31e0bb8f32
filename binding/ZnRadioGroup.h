#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QRadioButton;

// A titled group of radio buttons with one selected item (or none), addressed by item index:
// the radio group of the dialogs.
class ZnRadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  explicit ZnRadioGroup(QWidget* parent = nullptr);

  void SetItems(const QStringList& items);
  QStringList Items() const;
  int ItemIndex() const;  // -1 when none is selected
  void SetItemIndex(int index);
  QString SelectedText() const;  // "" when none is selected

 signals:
  // The user clicked an item (not emitted for SetItemIndex).
  void Clicked();

 private:
  std::vector<QRadioButton*> buttons_;
};
