#pragma once

#include <QColor>
#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class TCtrlBtnPanel;
class ZnSNMPRequest2Edits;

// The row editor: one row per variable of a binding's list — a check box, the caption and a value
// control (an edit, or a drop-down list for a writable variable with an option list) — laid out
// in a scroll area. Read-only rows show no check box and a greyed background.
class TEditsPanel : public QWidget {
  Q_OBJECT

 public:
  enum RowKind {
    ReadOnlyEdit = 1,
    WritableEdit = 2,
    WritableCombo = 3,
    ReadOnlyLabelEdit = 4,  // not writable, showing an option label
    CompoundRow = 5,        // a container of controls, each showing one field of the value
  };
  struct Row {
    RowKind kind;
    QWidget* value;
    QCheckBox* check;
    QLabel* caption;
  };

  TEditsPanel(QWidget* parent, ZnSNMPRequest2Edits* binding);

  // Shows and hides the buttons for the page kind; the base has no page kind.
  virtual void ArrangeCtrlBtn(TCtrlBtnPanel& buttons);

  void MakeRowReadOnly(int index);
  void MakeRowEditable(int index);
  // Read-only: rows that are not writable or that are key columns of a table; the others
  // editable with their check boxes set to `checkDefault`.
  void ApplyRowStates(bool checkDefault);
  void HideRow(int index);
  void ShowRow(int index);
  // `container` takes the place, size and enabled state of the row's value control, which is
  // destroyed; the caller binds the controls inside the container. A compound row counts as
  // filled while the container's "text" property is not empty.
  void SetCompoundRow(int index, QWidget* container);
  void SetValueWidth(int width);
  int ValueWidth() const { return valueWidth_; }
  void ClearValues();
  void Layout();

  int RowCount() const { return static_cast<int>(rows_.size()); }
  const Row& RowAt(int index) const { return rows_.at(static_cast<size_t>(index)); }
  ZnSNMPRequest2Edits* Binding() const { return binding_; }
  // The size the rows need (the panel's own natural size).
  QSize ContentSize() const;
  QSize sizeHint() const override { return ContentSize(); }

 signals:
  // A row's check box was clicked by the user.
  void RowCheckClicked();
  // A row's object turned out absent on the switch, or present again: its box changed.
  void RowAbsenceChanged();

 private:
  bool CheckIndex(int index);
  // A row whose object the switch has not cannot be ticked: its box is cleared and locked, and
  // gets back its tick and state once the object is read again.
  void ShowRowAbsent(int index, bool absent);
  void PaintReadOnly(QWidget* value);
  void FitValue(QLineEdit& edit);

  ZnSNMPRequest2Edits* binding_;
  QScrollArea* scroll_;
  QWidget* content_;
  std::vector<Row> rows_;
  int valueWidth_ = 121;
  QColor readOnlyText_ = Qt::black;
  QColor readOnlyBackground_;
  bool checkDefault_ = false;
};
