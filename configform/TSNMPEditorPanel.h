#pragma once

#include "TEditsPanel.h"
#include "TSNMPPanel.h"

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

  void SetCheckedClick();
  void CheckAllClick();
  void ClearChecksClick();

 protected:
  // Shows the buttons of an editor page for the rows it has.
  void ArrangeButtons();
  bool AnyVisibleChecked() const;

  TEditsPanel* editor_;
};
