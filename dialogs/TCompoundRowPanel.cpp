#include "TCompoundRowPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>

namespace {

QString FieldText(const QWidget* field) {
  if (const auto* combo = qobject_cast<const QComboBox*>(field)) return combo->currentText();
  if (const auto* edit = qobject_cast<const QLineEdit*>(field)) return edit->text();
  return QStringLiteral("-");  // not an input
}

}  // namespace

TCompoundRowPanel::TCompoundRowPanel(int slotCount, QWidget* parent)
    : QWidget(parent), slotCount_(slotCount) {}

void TCompoundRowPanel::AddField(QWidget* control, int slot, int shift, int narrower) {
  control->setParent(this);
  fields_.push_back(control);
  places_.push_back({slot, shift, narrower});
  Arrange();
}

void TCompoundRowPanel::AddSeparator(QLabel* label, QWidget* field) {
  label->setParent(this);
  label->adjustSize();
  separators_.emplace_back(label, field);
  Arrange();
}

bool TCompoundRowPanel::AnyFieldEmpty() const {
  for (const QWidget* field : fields_)
    if (FieldText(field).isEmpty()) return true;
  return false;
}

void TCompoundRowPanel::ClearFields() {
  for (QWidget* field : fields_) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) combo->setCurrentIndex(-1);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->clear();
  }
}

int TCompoundRowPanel::WidthForLists() const {
  int width = 0;
  for (size_t k = 0; k < fields_.size(); ++k)
    if (qobject_cast<const QComboBox*>(fields_[k]))
      width = std::max(width, (fields_[k]->sizeHint().width() + places_[k].narrower) * slotCount_);
  return width;
}

QSize TCompoundRowPanel::sizeHint() const {
  int tallest = 0;
  for (const QWidget* field : fields_) tallest = std::max(tallest, field->sizeHint().height());
  return {width(), tallest};
}

void TCompoundRowPanel::resizeEvent(QResizeEvent* event) {
  Arrange();
  QWidget::resizeEvent(event);
}

void TCompoundRowPanel::Arrange() {
  const int slotWidth = width() / slotCount_;
  for (size_t k = 0; k < fields_.size(); ++k) {
    const Slot& place = places_[k];
    fields_[k]->setGeometry(place.slot * width() / slotCount_ + place.shift, 0,
                            slotWidth - place.narrower, height());
  }
  for (const auto& [label, field] : separators_) label->move(field->x() + field->width(), 2);
}
