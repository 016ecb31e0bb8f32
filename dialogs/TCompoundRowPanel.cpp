#include "TCompoundRowPanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QResizeEvent>

namespace {

QString FieldText(const QWidget* field) {
  if (const auto* combo = qobject_cast<const QComboBox*>(field)) return combo->currentText();
  if (const auto* edit = qobject_cast<const QLineEdit*>(field)) return edit->text();
  return QStringLiteral("-");  // not an input
}

}  // namespace

TCompoundRowPanel::TCompoundRowPanel(QWidget* parent) : QWidget(parent) {}

void TCompoundRowPanel::AddField(QWidget* control, int left, int width) {
  control->setParent(this);
  control->setGeometry(left, 0, width, height());
  fields_.push_back(control);
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

QSize TCompoundRowPanel::sizeHint() const {
  int tallest = 0;
  for (const QWidget* field : fields_) tallest = std::max(tallest, field->sizeHint().height());
  return {width(), tallest};
}

void TCompoundRowPanel::resizeEvent(QResizeEvent* event) {
  for (QWidget* field : fields_) field->setGeometry(field->x(), 0, field->width(), height());
  QWidget::resizeEvent(event);
}
