#include "TButtonColumn.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TButtonColumn::TButtonColumn(QWidget* parent, const QString& counterName) : QWidget(parent) {
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(10, 10, 10, 10);
  layout_->setSpacing(5);
  layout_->addStretch();
  if (counterName.isEmpty()) return;
  counter_ = new QLabel(QStringLiteral("0"), this);
  counter_->setObjectName(counterName);
  counter_->setAlignment(Qt::AlignCenter);
  counter_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  counter_->setFixedWidth(kButtonWidth);
  auto* samples = new QLabel(QStringLiteral("Samples"), this);
  samples->setAlignment(Qt::AlignCenter);
  samples->setFixedWidth(kButtonWidth);
  layout_->insertWidget(layout_->count() - 1, counter_);
  layout_->insertWidget(layout_->count() - 1, samples);
}

QPushButton* TButtonColumn::AddButton(const QString& caption, const QString& name) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setFixedWidth(kButtonWidth);
  button->setAutoDefault(false);
  layout_->insertWidget(layout_->count() - 1, button);
  return button;
}
