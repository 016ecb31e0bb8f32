#include "ZnRadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

ZnRadioGroup::ZnRadioGroup(QWidget* parent) : QGroupBox(parent) {
  new QVBoxLayout(this);
}

void ZnRadioGroup::SetItems(const QStringList& items) {
  for (QRadioButton* button : buttons_) delete button;
  buttons_.clear();
  for (const QString& item : items) {
    auto* button = new QRadioButton(item, this);
    // Exclusive by hand, so that "no item selected" stays possible.
    button->setAutoExclusive(false);
    connect(button, &QRadioButton::clicked, this, [this, button] {
      for (QRadioButton* other : buttons_) other->setChecked(other == button);
      emit Clicked();
    });
    layout()->addWidget(button);
    buttons_.push_back(button);
  }
}

QStringList ZnRadioGroup::Items() const {
  QStringList items;
  for (const QRadioButton* button : buttons_) items << button->text();
  return items;
}

int ZnRadioGroup::ItemIndex() const {
  for (size_t k = 0; k < buttons_.size(); ++k)
    if (buttons_[k]->isChecked()) return static_cast<int>(k);
  return -1;
}

void ZnRadioGroup::SetItemIndex(int index) {
  for (size_t k = 0; k < buttons_.size(); ++k)
    buttons_[k]->setChecked(static_cast<int>(k) == index);
}

QString ZnRadioGroup::SelectedText() const {
  const int index = ItemIndex();
  return index < 0 ? QString() : buttons_[static_cast<size_t>(index)]->text();
}
