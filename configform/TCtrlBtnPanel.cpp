#include "TCtrlBtnPanel.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* parent) : QWidget(parent) {
  setFixedWidth(kWidth);
  counter_ = new QLabel(QStringLiteral("0"), this);
  counter_->setAlignment(Qt::AlignCenter);
  counter_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  samples_ = new QLabel(QStringLiteral("Samples"), this);
  samples_->setAlignment(Qt::AlignCenter);
  refresh_ = MakeButton(QStringLiteral("Refresh"), "Get.bmp");
  edit_ = MakeButton(QStringLiteral("Edit"), "Set.bmp");
  setChecked_ = MakeButton(QStringLiteral("Set Checked"), "SetCheck.bmp");
  add_ = MakeButton(QStringLiteral("Add"), "Add.bmp");
  delete_ = MakeButton(QStringLiteral("Delete"), "Delete.bmp");
  checkAll_ = MakeButton(QStringLiteral("Check All"), "SelectAll.bmp");
  clearChecks_ = MakeButton(QStringLiteral("Clear Checks"), "SelectNone.bmp");
  close_ = MakeButton(QStringLiteral("Close"), "Close.bmp");
  add_->hide();
  delete_->hide();
  order_ = {counter_, samples_, refresh_,  edit_,        setChecked_,
            add_,     delete_,  checkAll_, clearChecks_, close_};
  ArrangeButtons();
}

// A button takes the bitmap of the current directory in place of its caption when there is one.
// Once a bitmap fails to load, the remaining ones are not tried.
QPushButton* TCtrlBtnPanel::MakeButton(const QString& caption, const char* bitmap) {
  auto* button = new QPushButton(caption, this);
  const QString file = QDir::current().filePath(QString::fromLatin1(bitmap));
  if (bitmapsFailed_ || !QFile::exists(file)) return button;
  const QPixmap glyph(file);
  if (glyph.isNull()) {
    bitmapsFailed_ = true;
    return button;
  }
  button->setText(QString());
  button->setIcon(glyph);
  button->setIconSize(glyph.size());
  button->setToolTip(caption);
  button->setAccessibleName(caption);
  return button;
}

void TCtrlBtnPanel::ArrangeButtons() {
  int top = kMargin;
  for (QWidget* control : order_) {
    if (control->isHidden()) continue;
    const int height = control->sizeHint().height();
    control->setGeometry(kMargin, top, kControlWidth, height);
    top += height + kSpacing;
  }
  setMinimumHeight(top + kMargin);
}
