#include "TSummerTimeForm.h"

#include "TCompoundRowPanel.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TSNMPEditorPanel.h"
#include "ZnException.h"
#include "ZnOptionList.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr ZnOptionItem kStatusItems[] = {
    {0, "disable"}, {1, "repeating"}, {2, "annual"}, {0, nullptr}};
const ZnOptionList kStatusOptions(kStatusItems);

constexpr ZnOptionItem kOffsetItems[] = {
    {30, "30"}, {60, "60"}, {90, "90"}, {120, "120"}, {0, nullptr}};
const ZnOptionList kOffsetOptions(kOffsetItems);

// Week 0 is the last week of the month, listed after the fourth as the device lists it.
constexpr ZnOptionItem kWeekItems[] = {{1, "1st"}, {2, "2nd"},  {3, "3rd"},
                                       {4, "4th"}, {0, "last"}, {0, nullptr}};
const ZnOptionList kWeekOptions(kWeekItems);

constexpr ZnOptionItem kDayItems[] = {{1, "Sun"},  {2, "Mon"}, {3, "Tues"}, {4, "Wed"},
                                      {5, "Thur"}, {6, "Fri"}, {7, "Sat"},  {0, nullptr}};
const ZnOptionList kDayOptions(kDayItems);

constexpr ZnOptionItem kMonthItems[] = {
    {1, "Jan"}, {2, "Feb"}, {3, "Mar"},  {4, "Apr"},  {5, "May"},  {6, "Jun"},  {7, "Jul"},
    {8, "Aug"}, {9, "Sep"}, {10, "Oct"}, {11, "Nov"}, {12, "Dec"}, {0, nullptr}};
const ZnOptionList kMonthOptions(kMonthItems);

constinit const ZnSNMPVarDef kSummerTime[] = {
    {"1.3.6.1.4.1.99917.12.10.12.1", "Summer Time Status", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kStatusOptions},
    {"1.3.6.1.4.1.99917.12.10.12.2", "Summer Time Offset", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kOffsetOptions},
    // Repeating rule: week (0 = last), day of the week as two octets, month, hour, minute.
    {"1.3.6.1.4.1.99917.12.10.12.3", "Repeat Summer Time Start", ZnSyntax::OctetString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.10.12.4", "Repeat Summer Time End", ZnSyntax::OctetString,
     ZnAccess::ReadWrite},
    // Annual rule: day of the month, month, hour, minute.
    {"1.3.6.1.4.1.99917.12.10.12.5", "Annual Summer Time Start", ZnSyntax::OctetString,
     ZnAccess::ReadWrite},
    {"1.3.6.1.4.1.99917.12.10.12.6", "Annual Summer Time End", ZnSyntax::OctetString,
     ZnAccess::ReadWrite},
    {},
};

constexpr int kValueWidth = 240;
// A day, hour or minute is one octet of the value: a larger number would be written as its low
// octet, a different time than the one typed. Whether the time exists is the device's to say.
const QString kOctetFormat = QStringLiteral("%i{n0x255}");
constexpr int kEditInset = 4;  // the gap that sets an edit apart from the field before it
const QString kRepeating = QStringLiteral("repeating");
const QString kAnnual = QStringLiteral("annual");

QLineEdit* FieldEdit() {
  auto* edit = new QLineEdit;
  edit->setAlignment(Qt::AlignRight);
  return edit;
}

// The bold ":" between the hour and the minute.
QLabel* TimeColon() {
  auto* colon = new QLabel(QStringLiteral(":"));
  QFont bold = colon->font();
  bold.setBold(true);
  colon->setFont(bold);
  return colon;
}

}  // namespace

TSummerTimeForm::TSummerTimeForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Summer Time"));
  SummerBinding = new ZnSNMPRequest2Edits(this);
  SummerBinding->VarList() = ZnSNMPVarList(kSummerTime, ZnItemType::SVT_SV, 0);
  SummerBinding->mode = ZnSNMPRequest2Controls::Mode::Blocking;

  SummerPage = new TSNMPEditorPanel(this, SummerBinding);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(SummerPage);
  SummerPage->SetEditWidth(kValueWidth);

  BuildRepeatingRow(kRepeatStart);
  BuildRepeatingRow(kRepeatEnd);
  BuildAnnualRow(kAnnualStart);
  BuildAnnualRow(kAnnualEnd);
  // The platform's lists need more room than the 240 pixels of the device program's; the value
  // column grows until every list of a compound row shows its longest entry.
  int width = kValueWidth;
  for (TCompoundRowPanel* row : RowControls) width = std::max(width, row->WidthForLists());
  if (width > kValueWidth) SummerPage->SetEditWidth(width);

  TCtrlBtnPanel* buttons = SummerPage->Buttons();
  QObject::disconnect(buttons->RefreshButton(), nullptr, SummerPage, nullptr);
  connect(buttons->RefreshButton(), &QPushButton::clicked, this,
          &TSummerTimeForm::RefreshSummerTime);
  SavedSetClick = [page = SummerPage] { page->SetCheckedClick(); };
  QObject::disconnect(buttons->SetCheckedButton(), nullptr, SummerPage, nullptr);
  connect(buttons->SetCheckedButton(), &QPushButton::clicked, this,
          &TSummerTimeForm::SummerSetClick);
  // A choice of the user; values the binding shows are followed by the reads themselves.
  connect(StatusCombo(), &QComboBox::activated, this, &TSummerTimeForm::ShowModeRows);

  resize(SummerPage->size());
  StatusCombo()->setCurrentIndex(kStatusOptions.IndexOfLabel(kRepeating));
  ShowModeRows();
  SummerPage->Editor()->Layout();
  SummerPage->SetClient(SummerPage->Editor());
  resize(SummerPage->size());

  RefreshSummerTime();
}

TSummerTimeForm::~TSummerTimeForm() {
  SummerBinding->Request().Enabled = false;
  // The page goes first: its controls must not reach the binding or this form while they go.
  delete SummerPage;
  delete SummerBinding;
}

TCompoundRowPanel* TSummerTimeForm::CompoundRow(int variable) const {
  return RowControls.at(static_cast<size_t>(variable - kRepeatStart));
}

QComboBox* TSummerTimeForm::StatusCombo() const {
  return qobject_cast<QComboBox*>(SummerPage->Editor()->RowAt(kStatus).value);
}

TCompoundRowPanel* TSummerTimeForm::MakeCompoundRow(int variable, int slotCount) {
  SummerBinding->Unbind(variable);
  auto* row = new TCompoundRowPanel(slotCount);
  SummerPage->Editor()->SetCompoundRow(variable, row);
  RowControls.at(static_cast<size_t>(variable - kRepeatStart)) = row;
  return row;
}

// Month, week and day lists, then the hour and minute edits, in five equal slots.
void TSummerTimeForm::BuildRepeatingRow(int variable) {
  TCompoundRowPanel* row = MakeCompoundRow(variable, 5);
  auto* month = new QComboBox;
  auto* week = new QComboBox;
  auto* day = new QComboBox;
  QLineEdit* hour = FieldEdit();
  QLineEdit* minute = FieldEdit();
  row->AddField(month, 0);
  row->AddField(week, 1);
  row->AddField(day, 2);
  row->AddField(hour, 3, kEditInset, kEditInset);
  row->AddField(minute, 4, kEditInset, kEditInset);
  ZnSNMPRequest2Edits& binding = *SummerBinding;
  binding.BindPartControl(variable, 0, ZnSyntax::UInt8, &kWeekOptions, week);
  binding.BindPartControl(variable, 1, ZnSyntax::UInt16, &kDayOptions, day);
  binding.BindPartControl(variable, 3, ZnSyntax::UInt8, &kMonthOptions, month);
  binding.BindPartEdits(variable, 4, ZnSyntax::UInt8, nullptr, kOctetFormat, {hour});
  binding.BindPartEdits(variable, 5, ZnSyntax::UInt8, nullptr, kOctetFormat, {minute});
  row->AddSeparator(TimeColon(), hour);
}

// Day edit, month list, hour and minute edits, in four equal slots.
void TSummerTimeForm::BuildAnnualRow(int variable) {
  TCompoundRowPanel* row = MakeCompoundRow(variable, 4);
  QLineEdit* day = FieldEdit();
  auto* month = new QComboBox;
  QLineEdit* hour = FieldEdit();
  QLineEdit* minute = FieldEdit();
  row->AddField(day, 0, 0, kEditInset);
  row->AddField(month, 1, 0, kEditInset);
  row->AddField(hour, 2, kEditInset, kEditInset);
  row->AddField(minute, 3, kEditInset, kEditInset);
  ZnSNMPRequest2Edits& binding = *SummerBinding;
  binding.BindPartEdits(variable, 0, ZnSyntax::UInt8, nullptr, kOctetFormat, {day});
  binding.BindPartControl(variable, 1, ZnSyntax::UInt8, &kMonthOptions, month);
  binding.BindPartEdits(variable, 2, ZnSyntax::UInt8, nullptr, kOctetFormat, {hour});
  binding.BindPartEdits(variable, 3, ZnSyntax::UInt8, nullptr, kOctetFormat, {minute});
  row->AddSeparator(TimeColon(), hour);
}

void TSummerTimeForm::ShowModeRows() {
  const QString mode = StatusCombo()->currentText();
  TEditsPanel& editor = *SummerPage->Editor();
  bool anyTicked = false;
  for (int variable = kRepeatStart; variable <= kAnnualEnd; ++variable) {
    const bool shown = variable <= kRepeatEnd ? mode == kRepeating : mode == kAnnual;
    if (shown) {
      editor.ShowRow(variable);
      continue;
    }
    editor.HideRow(variable);
    editor.RowAt(variable).check->setChecked(false);
  }
  for (int i = 0; i < editor.RowCount(); ++i) {
    const QCheckBox* check = editor.RowAt(i).check;
    anyTicked = anyTicked || (!check->isHidden() && check->isChecked());
  }
  SummerPage->Buttons()->SetCheckedButton()->setEnabled(anyTicked);
  editor.Layout();
}

void TSummerTimeForm::TakeIn(std::initializer_list<int> variables) {
  ZnSNMPVarList& list = SummerBinding->VarList();
  for (int i = 0; i < list.Count(); ++i) list.Item(i).Access |= ZnAccess::Invalid;
  for (int i : variables) list.Item(i).Access &= ~ZnAccess::Invalid;
}

void TSummerTimeForm::TakeInOffsetAndModePair() {
  const QString mode = StatusCombo()->currentText();
  if (mode == kRepeating)
    TakeIn({kStatus, kOffset, kRepeatStart, kRepeatEnd});
  else if (mode == kAnnual)
    TakeIn({kStatus, kOffset, kAnnualStart, kAnnualEnd});
  else
    TakeIn({kStatus, kOffset});
}

void TSummerTimeForm::ReadTakenIn() {
  try {
    SummerBinding->Refresh();
  } catch (const ZnException& e) {
    SummerBinding->ReportStatus(e.Message());
    if (e.Code() == ZnCode::PartialIndexOutOfRange) ShowRulesOrClear();
  }
}

// The binding stops showing at the first value it cannot cut into its fields, so a short value
// would leave its row (and the rows after it) with the fields of the previous read, which a
// write would then send as if they were the device's. Each rule row read is shown again on
// its own, and a row whose value is too short is emptied.
void TSummerTimeForm::ShowRulesOrClear() {
  for (int variable = kRepeatStart; variable <= kAnnualEnd; ++variable) {
    if (SummerBinding->VarList().Item(variable).Access & ZnAccess::Invalid) continue;
    TCompoundRowPanel& row = *CompoundRow(variable);
    row.ClearFields();
    try {
      SummerBinding->ShowValues(variable);
    } catch (const ZnException&) {
      row.ClearFields();
    }
  }
}

void TSummerTimeForm::RefreshSummerTime() {
  TakeIn({kStatus});
  ReadTakenIn();
  ShowModeRows();
  TakeInOffsetAndModePair();
  ReadTakenIn();
}

void TSummerTimeForm::MarkCompoundRow(TCompoundRowPanel& row) {
  row.setText(row.AnyFieldEmpty() ? QString() : QStringLiteral("-"));
}

void TSummerTimeForm::WriteTakenIn() {
  const ZnSNMPVarList& list = SummerBinding->VarList();
  const TEditsPanel& editor = *SummerPage->Editor();
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Item(i).Access & ZnAccess::Invalid) continue;
    if (!editor.RowAt(i).check->isChecked()) continue;
    SavedSetClick();
    return;
  }
  // Nothing ticked takes part: no request at all rather than an empty one.
}

void TSummerTimeForm::SummerSetClick() {
  for (TCompoundRowPanel* row : RowControls) MarkCompoundRow(*row);
  TakeIn({kStatus});
  WriteTakenIn();
  TakeInOffsetAndModePair();
  SummerBinding->VarList().Item(kStatus).Access |= ZnAccess::Invalid;
  WriteTakenIn();
}

std::unique_ptr<QDialog> CreateTSummerTimeForm(const QString& deviceAddress, QWidget* parent) {
  auto form = std::make_unique<TSummerTimeForm>(parent);
  form->setWindowTitle(QStringLiteral("Summer Time : ") + deviceAddress);
  return form;
}
