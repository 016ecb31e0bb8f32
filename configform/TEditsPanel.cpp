#include "TEditsPanel.h"

#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "ZnException.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnUserNotifier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kTop = 20;
constexpr int kCheckLeft = 20;
constexpr int kCheckWidth = 20;
constexpr int kGap = 5;
constexpr int kMinRowHeight = 21;
constexpr int kBorder = 40;
// How wide a value read from the device may make the value column, and what an edit needs
// around its text (frame and margins).
constexpr int kMaxFittedValueWidth = 300;
constexpr int kEditPadding = 12;

void SetColours(QWidget* widget, const QColor& text, const QColor& background) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Button, background);
  widget->setPalette(palette);
}

}  // namespace

TEditsPanel::TEditsPanel(QWidget* parent, ZnSNMPRequest2Edits* binding)
    : QWidget(parent), binding_(binding) {
  readOnlyBackground_ = palette().color(QPalette::Button);
  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  content_ = new QWidget;
  scroll_->setWidget(content_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);
  if (binding_ == nullptr) return;

  ZnSNMPVarList& list = binding_->VarList();
  for (int i = 0; i < list.Count(); ++i) {
    const ZnSNMPVar& var = list.Item(i);
    const bool writable = list.IsWritable(i);
    const RowKind kind = var.Options ? (writable ? WritableCombo : ReadOnlyLabelEdit)
                                     : (writable ? WritableEdit : ReadOnlyEdit);
    Row row{kind, nullptr, new QCheckBox(content_), new QLabel(var.Caption, content_)};
    row.check->setFocusPolicy(Qt::NoFocus);
    row.check->setFixedWidth(kCheckWidth);
    connect(row.check, &QCheckBox::clicked, this, &TEditsPanel::RowCheckClicked);
    if (kind == WritableCombo) {
      auto* combo = new QComboBox(content_);
      binding_->BindComboBox(i, combo);
      row.value = combo;
    } else {
      auto* edit = new QLineEdit(content_);
      binding_->BindEdits(i, QStringLiteral("%s"), {edit});
      connect(edit, &QLineEdit::textChanged, this, [this, edit] { FitValue(*edit); });
      row.value = edit;
    }
    row.value->setProperty("Tag", i);
    row.caption->setBuddy(row.value);
    rows_.push_back(row);
  }
  ApplyRowStates(false);
  Layout();
  for (int i = 0; i < RowCount(); ++i)
    if (!list.IsWritable(i)) MakeRowReadOnly(i);
  // The binding may outlive the panel while its window is taken down.
  binding_->OnAbsence = [panel = QPointer<TEditsPanel>(this)](int variable, bool absent) {
    if (!panel || variable >= panel->RowCount()) return;
    panel->ShowRowAbsent(variable, absent);
    emit panel->RowAbsenceChanged();
  };
}

void TEditsPanel::ShowRowAbsent(int index, bool absent) {
  QCheckBox* check = rows_[static_cast<size_t>(index)].check;
  if (ZnIsShownAbsent(check) == absent) return;
  if (absent) {
    check->setProperty("znAbsentWasChecked", check->isChecked());
    check->setChecked(false);
  }
  ZnShowAbsent(check, absent);
  ZnShowAbsent(rows_[static_cast<size_t>(index)].caption, absent);
  if (!absent) check->setChecked(check->property("znAbsentWasChecked").toBool());
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel&) {
  if (binding_ == nullptr)
    throw ZnException(QStringLiteral("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!"), 0);
}

bool TEditsPanel::CheckIndex(int index) {
  if (index >= 0 && index < RowCount()) return true;
  // Kept as the device software words it: the count is what may be used.
  ZnNotifier().Message(this, ZnProgramFileName(),
                       QStringLiteral("aIdx is overtop!\n you may define < %1").arg(RowCount()));
  return false;
}

void TEditsPanel::PaintReadOnly(QWidget* value) {
  SetColours(value, readOnlyText_, readOnlyBackground_);
}

void TEditsPanel::MakeRowReadOnly(int index) {
  if (!CheckIndex(index)) return;
  const Row& row = rows_[static_cast<size_t>(index)];
  ZnSetEnabledKeepingAbsence(row.check, false);
  row.check->setVisible(false);
  row.check->setChecked(false);
  row.check->setProperty("znAbsentWasChecked", false);
  if (auto* edit = qobject_cast<QLineEdit*>(row.value)) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
  } else {
    ZnSetEnabledKeepingAbsence(row.value, false);
  }
  PaintReadOnly(row.value);
}

void TEditsPanel::MakeRowEditable(int index) {
  if (!CheckIndex(index)) return;
  const Row& row = rows_[static_cast<size_t>(index)];
  ZnSetEnabledKeepingAbsence(row.check, true);
  row.check->setVisible(!(binding_->VarList().Item(index).Access & ZnAccess::Hidden));
  if (ZnIsShownAbsent(row.check))
    row.check->setProperty("znAbsentWasChecked", checkDefault_);
  else
    row.check->setChecked(checkDefault_);
  if (auto* edit = qobject_cast<QLineEdit*>(row.value)) {
    edit->setReadOnly(false);
    edit->setFocusPolicy(Qt::StrongFocus);
  } else {
    ZnSetEnabledKeepingAbsence(row.value, true);
  }
  SetColours(row.value, Qt::black, Qt::white);
}

void TEditsPanel::ApplyRowStates(bool checkDefault) {
  checkDefault_ = checkDefault;
  const ZnSNMPVarList& list = binding_->VarList();
  for (int i = 0; i < RowCount(); ++i) {
    if (!list.IsWritable(i) || list.IsKey(i))
      MakeRowReadOnly(i);
    else
      MakeRowEditable(i);
  }
}

void TEditsPanel::HideRow(int index) {
  if (!CheckIndex(index)) return;
  const Row& row = rows_[static_cast<size_t>(index)];
  for (QWidget* w :
       {static_cast<QWidget*>(row.check), row.value, static_cast<QWidget*>(row.caption)})
    w->hide();
  binding_->VarList().Item(index).Access |= ZnAccess::Hidden;
  Layout();
}

void TEditsPanel::ShowRow(int index) {
  if (!CheckIndex(index)) return;
  const Row& row = rows_[static_cast<size_t>(index)];
  row.value->show();
  row.caption->show();
  row.check->setVisible(row.check->isEnabled());
  binding_->VarList().Item(index).Access &= ~ZnAccess::Hidden;
  Layout();
}

// A value shown by the program (a date and time, a description) may be longer than the edits are
// wide: it is shown from its start, and the value column grows to hold it, up to a limit. What
// the user types scrolls as usual.
void TEditsPanel::FitValue(QLineEdit& edit) {
  if (edit.hasFocus()) return;
  edit.setCursorPosition(0);
  const int wanted = edit.fontMetrics().horizontalAdvance(edit.text()) + kEditPadding;
  if (wanted <= valueWidth_ || valueWidth_ >= kMaxFittedValueWidth) return;
  valueWidth_ = std::min(wanted, kMaxFittedValueWidth);
  Layout();
  // The dialog grows with the rows, as far as it may, rather than scroll them sideways.
  if (auto* form = qobject_cast<TConfigForm*>(window()); form && isVisible())
    form->GrowWidthBy(content_->width() - scroll_->viewport()->width());
}

void TEditsPanel::SetCompoundRow(int index, QWidget* container) {
  if (!CheckIndex(index)) return;
  Row& row = rows_[static_cast<size_t>(index)];
  container->setParent(content_);
  container->setGeometry(row.value->geometry());
  container->setEnabled(row.value->isEnabled());
  container->setVisible(!row.value->isHidden());
  container->setProperty("Tag", index);
  delete row.value;
  row.value = container;
  row.kind = CompoundRow;
  row.caption->setBuddy(container);
}

void TEditsPanel::SetValueWidth(int width) {
  valueWidth_ = width;
  Layout();
}

void TEditsPanel::ClearValues() {
  binding_->ForgetAbsence();
  for (const Row& row : rows_) {
    if (auto* edit = qobject_cast<QLineEdit*>(row.value)) edit->clear();
    if (auto* combo = qobject_cast<QComboBox*>(row.value)) combo->setCurrentIndex(-1);
  }
  for (int i = 0; i < binding_->VarList().Count(); ++i) binding_->VarList().Item(i).Value.clear();
}

void TEditsPanel::Layout() {
  const ZnSNMPVarList& list = binding_->VarList();
  int labelWidth = 0;
  for (const Row& row : rows_) labelWidth = std::max(labelWidth, row.caption->sizeHint().width());
  const int valueLeft = kCheckLeft + kCheckWidth + kGap + labelWidth + kGap;
  int top = kTop;
  int right = 0, bottom = 0;
  bool first = true;
  for (int i = 0; i < RowCount(); ++i) {
    if (list.Item(i).Access & ZnAccess::Hidden) continue;
    const Row& row = rows_[static_cast<size_t>(i)];
    const int height = std::max(kMinRowHeight, row.value->sizeHint().height());
    if (!first) top += kGap;
    first = false;
    // A list is never narrower than its longest label, or a chosen label would be cut off.
    const int width = qobject_cast<const QComboBox*>(row.value)
                          ? std::max(valueWidth_, row.value->sizeHint().width())
                          : valueWidth_;
    row.value->setGeometry(valueLeft, top, width, height);
    const int checkHeight = row.check->sizeHint().height();
    row.check->setGeometry(kCheckLeft, top + (height - checkHeight) / 2, kCheckWidth, checkHeight);
    const QSize label = row.caption->sizeHint();
    row.caption->setGeometry(kCheckLeft + kCheckWidth + kGap, top + (height - label.height()) / 2,
                             label.width(), label.height());
    right = std::max(right, valueLeft + width);
    bottom = std::max(bottom, top + height);
    top += height;
  }
  content_->resize(right + kBorder, bottom + kBorder);
}

QSize TEditsPanel::ContentSize() const {
  return content_->size();
}
