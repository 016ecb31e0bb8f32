#include "TSNMPEditorPanel.h"

#include "TCtrlBtnPanel.h"
#include "ZnException.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnUserNotifier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* parent, ZnSNMPRequest2Edits* binding,
                                   QPlainTextEdit* sharedMemo)
    : TSNMPPanel(parent, binding, sharedMemo), editor_(new TEditsPanel(this, binding)) {
  TCtrlBtnPanel* buttons = Buttons();
  buttons->SetCheckedButton()->setEnabled(false);
  connect(buttons->SetCheckedButton(), &QPushButton::clicked, this,
          &TSNMPEditorPanel::SetCheckedClick);
  connect(buttons->CheckAllButton(), &QPushButton::clicked, this, &TSNMPEditorPanel::CheckAllClick);
  connect(buttons->ClearChecksButton(), &QPushButton::clicked, this,
          &TSNMPEditorPanel::ClearChecksClick);
  connect(editor_, &TEditsPanel::RowCheckClicked, this,
          [this] { Buttons()->SetCheckedButton()->setEnabled(AnyVisibleChecked()); });
  // A page whose only row has no object on the switch has nothing to set.
  connect(editor_, &TEditsPanel::RowAbsenceChanged, this, [this] {
    bool ticked = false;
    for (int i = 0; i < editor_->RowCount(); ++i)
      ticked = ticked || editor_->RowAt(i).check->isChecked();
    Buttons()->SetCheckedButton()->setEnabled(ticked);
  });
  ArrangeEditorButtons(*buttons);
  SetClient(editor_);
}

bool TSNMPEditorPanel::AnyVisibleChecked() const {
  for (int i = 0; i < editor_->RowCount(); ++i) {
    const QCheckBox* check = editor_->RowAt(i).check;
    if (!check->isHidden() && check->isChecked()) return true;
  }
  return false;
}

void TSNMPEditorPanel::ArrangeEditorButtons(TCtrlBtnPanel& buttons) {
  editor_->ArrangeCtrlBtn(buttons);
  TCtrlBtnPanel* b = &buttons;
  b->SamplesLabel()->hide();
  b->Counter()->hide();
  for (QWidget* shown : {b->RefreshButton(), b->SetCheckedButton(), b->CheckAllButton(),
                         b->ClearChecksButton(), b->CloseButton()})
    shown->show();
  for (QWidget* hidden : {b->EditButton(), b->AddButton(), b->DeleteButton()}) hidden->hide();

  std::vector<QCheckBox*> usable;
  // Rows ticked for the user and locked so: the key columns and the status of a row being added.
  // They are written even when no box is left to tick, so the dialog still needs its Set.
  bool locked = false;
  for (int i = 0; i < editor_->RowCount(); ++i) {
    QCheckBox* check = editor_->RowAt(i).check;
    if (!check->isHidden() && check->isEnabled()) usable.push_back(check);
    locked = locked || (check->isChecked() && !check->isEnabled());
  }
  if (usable.empty() && !locked) {
    b->SetCheckedButton()->hide();
    b->CheckAllButton()->hide();
    b->ClearChecksButton()->hide();
  } else if (usable.size() <= 1) {
    b->CheckAllButton()->hide();
    b->ClearChecksButton()->hide();
    b->SetCheckedButton()->setText(b->SetCheckedButton()->icon().isNull() ? QStringLiteral("Set")
                                                                          : QString());
    b->SetCheckedButton()->setEnabled(true);
    if (!usable.empty()) {
      usable.front()->setChecked(true);
      // A single checked row needs no check box at all.
      for (int i = 0; i < editor_->RowCount(); ++i) editor_->RowAt(i).check->hide();
    }
  }
  b->ArrangeButtons();
}

void TSNMPEditorPanel::CheckAll(QPushButton* setButton) {
  for (int i = 0; i < editor_->RowCount(); ++i) {
    QCheckBox* check = editor_->RowAt(i).check;
    if (check->isEnabled()) check->setChecked(true);
  }
  setButton->setEnabled(AnyVisibleChecked());
}

void TSNMPEditorPanel::ClearChecks(QPushButton* setButton) {
  for (int i = 0; i < editor_->RowCount(); ++i) {
    QCheckBox* check = editor_->RowAt(i).check;
    if (check->isEnabled()) check->setChecked(false);
  }
  if (!AnyVisibleChecked()) setButton->setEnabled(false);
}

void TSNMPEditorPanel::SetChecked(QPushButton* button) {
  ZnSNMPRequest2Edits& binding = *binding_;
  const auto savedMode = binding.mode;
  binding.mode = ZnSNMPRequest2Controls::Mode::Blocking;
  ZnSNMPVarList& list = binding.VarList();
  bool incomplete = false;
  std::vector<int> excluded;
  // Rows that are not ticked are left out before the controls are read, and an empty ticked row
  // is found before any conversion: an empty address would otherwise fail as a bad value
  // instead of being reported as empty, and an empty unticked row would block the others.
  for (int i = 0; i < editor_->RowCount(); ++i) {
    const TEditsPanel::Row& row = editor_->RowAt(i);
    if (!row.check->isChecked()) {
      list.Item(i).Access |= ZnAccess::Invalid;
      excluded.push_back(i);
      continue;
    }
    if (list.Item(i).Access & ZnAccess::Invalid) continue;  // left out by the caller
    const auto* edit = qobject_cast<const QLineEdit*>(row.value);
    const auto* combo = qobject_cast<const QComboBox*>(row.value);
    const bool compoundEmpty =
        row.kind == TEditsPanel::CompoundRow && row.value->property("text").toString().isEmpty();
    // A string index part may be empty: its length 0 is all of it, as in the default context
    // prefix of an access entry. Only the last part of an IMPLIED index cannot be.
    const bool emptyIndexPart =
        list.IsKey(i) && !list.IsImplied(i) &&
        (list.Item(i).Syntax == ZnSyntax::DisplayString ||
         list.Item(i).Syntax == ZnSyntax::OctetString);
    if (((edit && edit->text().isEmpty()) || (combo && combo->currentText().isEmpty()) ||
         compoundEmpty) &&
        !emptyIndexPart)
      incomplete = true;
  }
  bool written = false;
  try {
    if (incomplete) {
      ZnNotifier().Message(this, ZnProgramFileName(), QStringLiteral("Some items are empty!"),
                           ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Warning);
    } else {
      binding.ReadControls();
      binding.Apply(false, false);
      written = true;
    }
  } catch (const ZnException& e) {
    binding.ReportStatus(e.Message());
  }
  for (int i : excluded) list.Item(i).Access &= ~ZnAccess::Invalid;
  binding.mode = savedMode;
  // A row dialog closes once its write went through. A refused or unconvertible write leaves it
  // open with what was typed, the reason in the memo, so the entry can be corrected and sent
  // again instead of typed anew.
  if (written && button->property("Tag").toInt() == 1)
    if (QWidget* dialog = button->window()) dialog->close();
}

void TSNMPEditorPanel::SetVarFormat(int variable, const QString& format) {
  if (variable < 0 || variable >= editor_->RowCount())
    throw ZnGeneralError(ZnGeneralText::IndexOutOfRange);
  const TEditsPanel::Row& row = editor_->RowAt(variable);
  binding_->Unbind(variable);
  auto* edit = qobject_cast<QLineEdit*>(row.value);
  if (row.kind == TEditsPanel::WritableCombo)
    throw ZnException(QStringLiteral("Can not set Var format to a ComboBox!"), 0);
  if (edit == nullptr) throw ZnException(QStringLiteral("Unknow UI Control type!"), 0);
  binding_->BindEdits(variable, format, {edit});
}

void TSNMPEditorPanel::SetEditWidth(int width) {
  editor_->SetValueWidth(width);
  SetClient(editor_);
}
