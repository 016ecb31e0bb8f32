#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>

class QComboBox;
class TCompoundRowPanel;
class TSNMPEditorPanel;
class ZnSNMPRequest2Edits;

// Daylight saving time: the mode (disabled, a rule that repeats every year such as the last
// Sunday of March at 02:00, or an annual rule with fixed dates), the offset in minutes and the
// start and end of the rule, on the scalar editor page. The device keeps each start and end as
// one short octet string of packed fields; each is shown as a compound row with one list or edit
// per field, and only the pair of rows of the chosen mode is shown. Reads and writes come in two
// steps: the mode first, then the offset and the pair of the mode.
class TSummerTimeForm : public QDialog {
  Q_OBJECT

 public:
  enum Variable {
    kStatus = 0,
    kOffset = 1,
    kRepeatStart = 2,
    kRepeatEnd = 3,
    kAnnualStart = 4,
    kAnnualEnd = 5,
  };

  explicit TSummerTimeForm(QWidget* parent = nullptr);
  ~TSummerTimeForm() override;

  ZnSNMPRequest2Edits* Binding() const { return SummerBinding; }
  TSNMPEditorPanel* Page() const { return SummerPage; }
  // The compound row of a rule variable (kRepeatStart to kAnnualEnd); its fields left to right.
  TCompoundRowPanel* CompoundRow(int variable) const;
  QComboBox* StatusCombo() const;

 private:
  void BuildRepeatingRow(int variable);
  void BuildAnnualRow(int variable);
  TCompoundRowPanel* MakeCompoundRow(int variable, int slotCount);

  void RefreshSummerTime();
  void SummerSetClick();
  void ShowModeRows();
  void MarkCompoundRow(TCompoundRowPanel& row);

  // Exactly these variables take part in the next request; the others are left out.
  void TakeIn(std::initializer_list<int> variables);
  // The offset and the pair of the mode the status row shows.
  void TakeInOffsetAndModePair();
  // One blocking read of the variables taken in; a failure goes to the page's memo.
  void ReadTakenIn();
  // After a rule value could not be shown, every rule row read shows what it can: its fields
  // from a value of full length, nothing from a short one.
  void ShowRulesOrClear();
  // The page's own Set handler, when a row taken in is ticked.
  void WriteTakenIn();

  ZnSNMPRequest2Edits* SummerBinding;
  TSNMPEditorPanel* SummerPage;
  std::array<TCompoundRowPanel*, 4> RowControls{};  // kRepeatStart to kAnnualEnd
  std::function<void()> SavedSetClick;
};

// The dialog of the main menu's item, captioned for the device.
std::unique_ptr<QDialog> CreateTSummerTimeForm(const QString& deviceAddress, QWidget* parent);
