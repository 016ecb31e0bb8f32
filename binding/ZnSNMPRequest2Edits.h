#pragma once

#include "ZnSNMPRequest2Controls.h"

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTreeWidgetItem;
class ZnEditConstraint;
class ZnOptionList;

// Shows on a control that its value is not on this switch: emptied by the caller, disabled, with
// a tooltip saying so; `absent` false gives the control back the state and tooltip it had. While
// marked, ZnSetEnabledKeepingAbsence keeps the state to give back instead of enabling it.
void ZnShowAbsent(QWidget* control, bool absent);
bool ZnIsShownAbsent(const QWidget* control);
void ZnSetEnabledKeepingAbsence(QWidget* control, bool enabled);
// The tooltip of a control whose object the switch has not.
QString ZnAbsentToolTip();

// Binds one variable list to ordinary controls — edits, combo boxes, radio groups, check boxes,
// labels — and optionally to one list view that shows a table, one row per table row. Values
// travel both ways: read values are shown in the controls and the list view; before a write the
// controls are read back into the list. A binding may cover a whole value, a part of its byte
// image (a byte, a 16-bit field), the bits of a port list (check boxes), or spread one value over
// several edits (an IP address over four).
class ZnSNMPRequest2Edits : public ZnSNMPRequest2Controls {
 public:
  explicit ZnSNMPRequest2Edits(QWidget* owner);
  ~ZnSNMPRequest2Edits() override;

  // The list view shows the table: read-only, whole rows selected, grid lines, Ctrl+C and the
  // context menu's Copy and Export as CSV (ZnEquipListView); with
  // `autoEnable` the bound controls are disabled after a read of an MVT_FMV list until a row is
  // selected.
  void AttachListView(QTreeWidget* view, bool autoEnable = true);
  QTreeWidget* ListView() const { return listView_; }

  // A whole value in a label, check box, combo box, radio group or edit. Combo boxes and radio
  // groups are filled from the variable's option list (-520 without one).
  void BindControl(int variable, QWidget* control);
  void BindComboBox(int variable, QComboBox* combo);
  // A whole value in one or more edits with a constraint format: every "%" followed by one of
  // "shiufn" stands for the next edit.
  void BindEdits(int variable, const QString& format, const QList<QLineEdit*>& edits);
  void BindPartEdits(int variable, int offset, std::uint32_t syntax, const ZnOptionList* options,
                     const QString& format, const QList<QLineEdit*>& edits);
  void BindPartControl(int variable, int offset, std::uint32_t syntax, const ZnOptionList* options,
                       QWidget* control);
  // Check box k shows bit k of the comma-separated bit numbers ("0,1,2"); bit 0 is 0x80 of the
  // first byte, the order of an SNMP port list.
  void BindCheckBoxes(int variable, const QString& bits, const QList<QCheckBox*>& boxes);
  void Unbind(int variable);

  void SetConstraintWindow(QWidget* window);
  ZnEditConstraint& Constraint() { return *constraint_; }
  void EnableControls(bool enabled);
  // Empties every bound control: edits, labels and combo boxes show nothing, boxes are unticked.
  void ClearControls();

  // Moves values of one variable (or all for -1) into its controls, or back from them. A
  // variable the switch has not shows empty and marked absent (ZnShowAbsent) and is never read
  // back: no write carries it.
  void ShowValues(int variable = -1);
  void ReadValues(int variable = -1);
  // Takes every variable for present again, as for a new table row nothing was read for.
  void ForgetAbsence();
  // Told for each variable shown whether the switch has it (a row editor locks its check box).
  std::function<void(int variable, bool absent)> OnAbsence;

  bool AutoEnable() const { return autoEnable_; }
  // Reads the controls (and the selected list-view row) back into the list, as before a write; a
  // value that cannot be sent (an address that is none, a number beyond its syntax) is reported
  // as the write's failure.
  void ReadControls() {
    BeginWrite();
    ControlsToValues();
  }

 protected:
  void BeforeGet() override;
  void ShowRow() override;
  void ControlsToValues() override;
  void AfterGet() override;
  void OnGetError(const ZnSNMPError& result) override;
  // A row of the list view became selected: its values go into the bound controls.
  virtual void OnSelectItem(QTreeWidgetItem* item);

 private:
  struct Binding {
    int variable = 0;
    int offset = 0;
    std::uint32_t syntax = 0;
    const ZnOptionList* options = nullptr;
    std::vector<QPointer<QWidget>> controls;
    std::vector<int> bits;
  };

  void Bind(int variable, int offset, std::uint32_t syntax, const ZnOptionList* options,
            std::vector<QPointer<QWidget>> controls, std::vector<int> bits = {});
  bool IsPart(const Binding& binding) const;
  const ZnOptionList* OptionsOf(const Binding& binding) const;
  void ShowBinding(const Binding& binding);
  QByteArray ReadBinding(const Binding& binding, bool& fromBits);
  void BuildColumns();
  void AddRow();
  void RowToValues(QTreeWidgetItem* item);
  void FlushRows();
  void EndRows();

  static constexpr int kFlushIntervalMs = 100;

  QPointer<QTreeWidget> listView_;
  bool autoEnable_ = true;
  std::vector<int> columnVariables_;  // column k shows this variable
  std::vector<Binding> bindings_;
  std::unique_ptr<ZnEditConstraint> constraint_;
  QList<QTreeWidgetItem*> pendingRows_;  // read, not yet in the list view
  QTimer flushTimer_;
};
