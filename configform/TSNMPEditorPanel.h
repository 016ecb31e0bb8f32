#pragma once

#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TSNMPPanel.h"

#include <QPushButton>

// The scalar editor page: a row editor with a check box per writable row; only checked rows are
// written ("Set Checked"). A page with a single editable row shows no check boxes and a "Set"
// button; a read-only page only "Refresh" and "Close".
class TSNMPEditorPanel : public TSNMPPanel {
  Q_OBJECT

 public:
  TSNMPEditorPanel(QWidget* parent, ZnSNMPRequest2Edits* binding,
                   QPlainTextEdit* sharedMemo = nullptr);

  // Replaces the "%s" constraint of an edit row by `format`.
  void SetVarFormat(int variable, const QString& format);
  // Value controls `width` pixels wide; the page grows to match.
  void SetEditWidth(int width);
  TEditsPanel* Editor() const { return editor_; }

  void SetCheckedClick() { SetChecked(Buttons()->SetCheckedButton()); }
  void CheckAllClick() { CheckAll(Buttons()->SetCheckedButton()); }
  void ClearChecksClick() { ClearChecks(Buttons()->SetCheckedButton()); }

 protected:
  // The Set handler for `button` (the page's or a row dialog's): writes the ticked rows; with the
  // button's Tag 1 a complete set closes the button's window.
  void SetChecked(QPushButton* button);
  void CheckAll(QPushButton* setButton);
  void ClearChecks(QPushButton* setButton);
  // Shows the buttons of an editor page, in `buttons`, for the rows the editor has.
  void ArrangeEditorButtons(TCtrlBtnPanel& buttons);
  bool AnyVisibleChecked() const;

  TEditsPanel* editor_;
};
