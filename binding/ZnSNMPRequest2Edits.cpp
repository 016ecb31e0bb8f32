#include "ZnSNMPRequest2Edits.h"

#include "ZnDateTime.h"
#include "ZnEditConstraint.h"
#include "ZnListExport.h"
#include "ZnNumList.h"
#include "ZnOptionControls.h"
#include "ZnOptionList.h"
#include "ZnRadioGroup.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPValueCodec.h"
#include "ZnValueFormat.h"
#include "ZnValueImage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>

namespace {

const QString kNull = QStringLiteral("(NULL)");

bool IsBooleanSyntax(std::uint32_t syntax) {
  return syntax == ZnSyntax::Boolean || syntax == ZnSyntax::Bool8 || syntax == ZnSyntax::Bool16;
}

QString HexByte(unsigned char byte) {
  return QString::asprintf("%02X", byte);
}

// The edits of a binding, all of them: several controls are only ever edits.
std::vector<QLineEdit*> Edits(const std::vector<QPointer<QWidget>>& controls) {
  std::vector<QLineEdit*> edits;
  for (const QPointer<QWidget>& control : controls)
    edits.push_back(qobject_cast<QLineEdit*>(control.data()));
  return edits;
}

void NeedEdits(const std::vector<QLineEdit*>& edits, size_t count) {
  if (edits.size() < count) throw ZnFrameworkError(ZnCode::NotEnoughControls);
  for (size_t k = 0; k < count; ++k)
    if (edits[k] == nullptr) throw ZnFrameworkError(ZnCode::NotEnoughControls);
}

int EditNumber(const QLineEdit* edit) {
  return static_cast<int>(ZnLeadingInt64(edit->text()));
}

// Shows a value spread over several edits.
void ShowInEdits(const std::vector<QLineEdit*>& edits, std::uint32_t syntax, const QString& text,
                 const QByteArray& image) {
  const bool null = text == kNull;
  switch (syntax) {
    case ZnSyntax::BitString:
    case ZnSyntax::OctetString:
    case ZnSyntax::Opaque:
      NeedEdits(edits, static_cast<size_t>(image.size()));
      for (size_t k = 0; k < edits.size(); ++k)
        if (edits[k])
          edits[k]->setText(k < static_cast<size_t>(image.size())
                                ? HexByte(static_cast<unsigned char>(image[static_cast<int>(k)]))
                                : QString());
      return;
    case ZnSyntax::ObjectId: {
      std::vector<std::uint32_t> oid;
      ZnParseOid(text, oid);
      NeedEdits(edits, oid.size());
      for (size_t k = 0; k < edits.size(); ++k)
        if (edits[k]) edits[k]->setText(k < oid.size() ? QString::number(oid[k]) : QString());
      return;
    }
    case ZnSyntax::IpAddress:
    case ZnSyntax::NsapAddress:
      NeedEdits(edits, 4);
      if (null) return;
      for (int k = 0; k < 4; ++k)
        edits[static_cast<size_t>(k)]->setText(
            QString::number(k < image.size() ? static_cast<unsigned char>(image[k]) : 0));
      return;
    case ZnSyntax::TimeTicks: {
      NeedEdits(edits, 5);
      if (null) return;
      const std::uint32_t t = TextToTicks(text);
      const std::uint32_t parts[] = {t / 8640000, t % 8640000 / 360000, t % 360000 / 6000,
                                     t % 6000 / 100, t % 100};
      for (int k = 0; k < 5; ++k) edits[static_cast<size_t>(k)]->setText(QString::number(parts[k]));
      return;
    }
    case ZnSyntax::MacAddress:
    case ZnSyntax::Ipv6Address: {
      const int count = syntax == ZnSyntax::MacAddress ? 6 : 16;
      NeedEdits(edits, static_cast<size_t>(count));
      if (null) return;
      for (int k = 0; k < count; ++k)
        edits[static_cast<size_t>(k)]->setText(
            HexByte(k < image.size() ? static_cast<unsigned char>(image[k]) : 0));
      return;
    }
    case ZnSyntax::DateTime: {
      NeedEdits(edits, 10);
      if (null) return;
      const ZnDateTime dt = ZnDateTime::FromBytes(image);
      const QString fields[] = {
          QString::number(dt.Year),         QString::number(dt.Month),
          QString::number(dt.Day),          QString::number(dt.Hour),
          QString::number(dt.Minutes),      QString::number(dt.Seconds),
          QString::number(dt.DeciSeconds),  QString(QLatin1Char(dt.Direction ? dt.Direction : '+')),
          QString::number(dt.HoursFromUtc), QString::number(dt.MinutesFromUtc)};
      for (int k = 0; k < 10; ++k) edits[static_cast<size_t>(k)]->setText(fields[k]);
      return;
    }
    case ZnSyntax::BcDateTime: {
      NeedEdits(edits, 7);
      if (null) return;
      // A day count outside the calendar shows as zeros rather than as a made-up date.
      const QDateTime when = ZnDaysToDateTime(ZnBytesToDouble(image));
      int fields[7] = {};
      if (when.isValid()) {
        const QDate d = when.date();
        const QTime t = when.time();
        const int parts[] = {d.year(),   d.month(),  d.day(), t.hour(),
                             t.minute(), t.second(), t.msec()};
        std::copy(std::begin(parts), std::end(parts), fields);
      }
      for (int k = 0; k < 7; ++k)
        edits[static_cast<size_t>(k)]->setText(QString::number(fields[k]));
      return;
    }
    default:
      NeedEdits(edits, 1);
      edits[0]->setText(text);
  }
}

// Reads a value spread over several edits back into its text.
QString ReadFromEdits(const std::vector<QLineEdit*>& edits, std::uint32_t syntax) {
  switch (syntax) {
    case ZnSyntax::BitString:
    case ZnSyntax::OctetString:
    case ZnSyntax::Opaque:
    case ZnSyntax::MacAddress:
    case ZnSyntax::Ipv6Address: {
      const size_t count = syntax == ZnSyntax::MacAddress    ? 6
                           : syntax == ZnSyntax::Ipv6Address ? 16
                                                             : edits.size();
      NeedEdits(edits, count);
      QString hex;
      for (size_t k = 0; k < count; ++k) {
        const QString digits = edits[k]->text().trimmed();
        hex += digits.isEmpty()     ? QStringLiteral("00")
               : digits.size() == 1 ? QLatin1Char('0') + digits
                                    : digits.left(2);
      }
      return hex;
    }
    case ZnSyntax::ObjectId: {
      NeedEdits(edits, edits.size());
      QStringList parts;
      for (const QLineEdit* edit : edits) parts << QString::number(ZnLeadingUInt64(edit->text()));
      return parts.join(QLatin1Char('.'));
    }
    case ZnSyntax::IpAddress:
    case ZnSyntax::NsapAddress: {
      NeedEdits(edits, 4);
      QStringList parts;
      for (int k = 0; k < 4; ++k)
        parts << QString::number(EditNumber(edits[static_cast<size_t>(k)]));
      return parts.join(QLatin1Char('.'));
    }
    case ZnSyntax::TimeTicks: {
      NeedEdits(edits, 5);
      const std::uint64_t ticks =
          static_cast<std::uint64_t>(std::max(0, EditNumber(edits[0]))) * 8640000 +
          static_cast<std::uint64_t>(std::max(0, EditNumber(edits[1]))) * 360000 +
          static_cast<std::uint64_t>(std::max(0, EditNumber(edits[2]))) * 6000 +
          static_cast<std::uint64_t>(std::max(0, EditNumber(edits[3]))) * 100 +
          static_cast<std::uint64_t>(std::max(0, EditNumber(edits[4])));
      return TicksToText(static_cast<std::uint32_t>(std::min<std::uint64_t>(ticks, 0xFFFFFFFFu)));
    }
    case ZnSyntax::DateTime: {
      NeedEdits(edits, 10);
      const QString direction = edits[7]->text().left(1);
      return QStringLiteral("%1-%2-%3,%4:%5:%6.%7,%8%9:%10")
          .arg(EditNumber(edits[0]))
          .arg(EditNumber(edits[1]))
          .arg(EditNumber(edits[2]))
          .arg(EditNumber(edits[3]))
          .arg(EditNumber(edits[4]))
          .arg(EditNumber(edits[5]))
          .arg(EditNumber(edits[6]))
          .arg(direction.isEmpty() ? QStringLiteral("+") : direction)
          .arg(EditNumber(edits[8]))
          .arg(EditNumber(edits[9]));
    }
    case ZnSyntax::BcDateTime: {
      NeedEdits(edits, 7);
      const QDate date(EditNumber(edits[0]), EditNumber(edits[1]), EditNumber(edits[2]));
      const QTime time(EditNumber(edits[3]), EditNumber(edits[4]), EditNumber(edits[5]),
                       EditNumber(edits[6]));
      if (!date.isValid() || !time.isValid()) return ZnDaysToCalendarText(0.0);
      return ZnDaysToCalendarText(ZnDateTimeToDays(QDateTime(date, time)));
    }
    default:
      NeedEdits(edits, 1);
      return edits[0]->text();
  }
}

// A MAC address as typed, in any usual notation. One that is not six bytes is refused as its
// write would be: read as hexadecimal with its separators as zeros, "00:1c:2e:00" would make six
// bytes of another station. Nothing typed stays nothing.
QByteArray MacImage(const QString& text) {
  if (text.trimmed().isEmpty() || text == kNull) return {};
  QByteArray mac;
  if (!ZnParseMacText(text, mac)) throw ZnFrameworkError(ZnCode::ValueOutOfRange);
  return mac;
}

bool TestBit(const QByteArray& image, int bit) {
  return static_cast<unsigned char>(image[bit / 8]) & (0x80 >> (bit % 8));
}

// A list cell of an object the row has not shows empty; the variable's text stays in this role.
constexpr int kAbsentValueRole = Qt::UserRole + 1;

const char* const kAbsentProperty = "znAbsent";
const char* const kAbsentWasEnabled = "znAbsentWasEnabled";
const char* const kAbsentToolTip = "znAbsentToolTip";

void EmptyControl(QWidget* control) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->clear();
  else if (auto* box = qobject_cast<QCheckBox*>(control)) box->setChecked(false);
  else if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setCurrentIndex(-1);
  else if (auto* label = qobject_cast<QLabel*>(control)) label->clear();
  else if (auto* group = qobject_cast<ZnRadioGroup*>(control)) group->SetItemIndex(-1);
}

}  // namespace

namespace {

// Keeps a control marked absent disabled when a dialog enables it for its own reasons (a method
// that uses the field was chosen): the wish is kept and granted once the object is read again.
class AbsenceGuard : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::EnabledChange) return false;
    auto* control = qobject_cast<QWidget*>(watched);
    if (control && ZnIsShownAbsent(control) && control->isEnabled()) {
      control->setProperty(kAbsentWasEnabled, true);
      control->setEnabled(false);
    }
    return false;
  }
};

AbsenceGuard& Guard() {
  static AbsenceGuard* guard = new AbsenceGuard;  // lives as long as any control it watches
  return *guard;
}

}  // namespace

QString ZnAbsentToolTip() {
  return QStringLiteral("Not on this switch: it has no such object.");
}

bool ZnIsShownAbsent(const QWidget* control) {
  return control && control->property(kAbsentProperty).toBool();
}

void ZnShowAbsent(QWidget* control, bool absent) {
  if (control == nullptr || ZnIsShownAbsent(control) == absent) return;
  if (absent) {
    control->setProperty(kAbsentWasEnabled, control->isEnabled());
    control->setProperty(kAbsentToolTip, control->toolTip());
    control->setProperty(kAbsentProperty, true);
    control->setEnabled(false);
    control->setToolTip(ZnAbsentToolTip());
    control->installEventFilter(&Guard());
    return;
  }
  control->removeEventFilter(&Guard());
  control->setProperty(kAbsentProperty, QVariant());
  control->setEnabled(control->property(kAbsentWasEnabled).toBool());
  control->setToolTip(control->property(kAbsentToolTip).toString());
}

void ZnSetEnabledKeepingAbsence(QWidget* control, bool enabled) {
  if (control == nullptr) return;
  if (ZnIsShownAbsent(control))
    control->setProperty(kAbsentWasEnabled, enabled);
  else
    control->setEnabled(enabled);
}

ZnSNMPRequest2Edits::ZnSNMPRequest2Edits(QWidget* owner)
    : ZnSNMPRequest2Controls(owner), constraint_(std::make_unique<ZnEditConstraint>(owner, true)) {
  flushTimer_.setInterval(kFlushIntervalMs);
  QObject::connect(&flushTimer_, &QTimer::timeout, this, [this] { FlushRows(); });
}

ZnSNMPRequest2Edits::~ZnSNMPRequest2Edits() {
  qDeleteAll(pendingRows_);
}

// ---------------------------------------------------------------------------------------------
// Binding controls

void ZnSNMPRequest2Edits::Bind(int variable, int offset, std::uint32_t syntax,
                               const ZnOptionList* options, std::vector<QPointer<QWidget>> controls,
                               std::vector<int> bits) {
  VarList().Item(variable);  // refuses a variable that is not in the list
  Binding binding{variable, offset, syntax, options, std::move(controls), std::move(bits)};
  QWidget* first = binding.controls.empty() ? nullptr : binding.controls.front().data();
  auto* combo = qobject_cast<QComboBox*>(first);
  auto* group = qobject_cast<ZnRadioGroup*>(first);
  if (combo || group) {
    const ZnOptionList* list = OptionsOf(binding);
    if (list == nullptr) throw ZnFrameworkError(ZnCode::NoPartialOptionList);
    // The rest of a prefix value would need a second control.
    if (list->ValueType() == ZnOptionList::PrefixValues)
      throw ZnFrameworkError(ZnCode::NotEnoughControls);
    if (combo) ZnFillComboBox(*list, *combo);
    if (group) ZnFillRadioGroup(*list, *group);
  }
  bindings_.push_back(std::move(binding));
}

void ZnSNMPRequest2Edits::BindControl(int variable, QWidget* control) {
  Bind(variable, 0, VarList().Item(variable).Syntax, nullptr, {control});
}

void ZnSNMPRequest2Edits::BindComboBox(int variable, QComboBox* combo) {
  combo->setEditable(false);
  BindControl(variable, combo);
}

void ZnSNMPRequest2Edits::BindEdits(int variable, const QString& format,
                                    const QList<QLineEdit*>& edits) {
  BindPartEdits(variable, 0, VarList().Item(variable).Syntax, nullptr, format, edits);
}

void ZnSNMPRequest2Edits::BindPartEdits(int variable, int offset, std::uint32_t syntax,
                                        const ZnOptionList* options, const QString& format,
                                        const QList<QLineEdit*>& edits) {
  static const QString kTypes = QStringLiteral("shiufn");
  qsizetype specifiers = 0;
  for (qsizetype k = 0; k + 1 < format.size(); ++k)
    if (format[k] == QLatin1Char('%') && kTypes.contains(format[k + 1])) ++specifiers;
  if (specifiers == 0) throw ZnGeneralError(ZnGeneralText::BadConstraintFormat);
  if (edits.size() < specifiers) throw ZnFrameworkError(ZnCode::NotEnoughControls);
  const QList<QLineEdit*> used = edits.mid(0, specifiers);
  VarList().Item(variable);
  constraint_->Attach(format, used);
  std::vector<QPointer<QWidget>> controls(used.begin(), used.end());
  Bind(variable, offset, syntax, options, std::move(controls));
}

void ZnSNMPRequest2Edits::BindPartControl(int variable, int offset, std::uint32_t syntax,
                                          const ZnOptionList* options, QWidget* control) {
  if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setEditable(false);
  Bind(variable, offset, syntax, options, {control});
}

void ZnSNMPRequest2Edits::BindCheckBoxes(int variable, const QString& bits,
                                         const QList<QCheckBox*>& boxes) {
  ZnNumList<int> numbers(QLatin1Char(','));
  numbers.Parse(bits);
  if (boxes.size() < numbers.Count()) throw ZnFrameworkError(ZnCode::NotEnoughControls);
  std::vector<int> bitNumbers;
  std::vector<QPointer<QWidget>> controls;
  for (int k = 0; k < numbers.Count(); ++k) {
    if (numbers.At(k) < 0) throw ZnFrameworkError(ZnCode::PartialIndexOutOfRange);
    bitNumbers.push_back(numbers.At(k));
    controls.emplace_back(boxes[k]);
  }
  Bind(variable, 0, VarList().Item(variable).Syntax, nullptr, std::move(controls),
       std::move(bitNumbers));
}

void ZnSNMPRequest2Edits::Unbind(int variable) {
  for (auto it = bindings_.begin(); it != bindings_.end();) {
    if (it->variable != variable) {
      ++it;
      continue;
    }
    for (const QPointer<QWidget>& control : it->controls)
      if (auto* edit = qobject_cast<QLineEdit*>(control.data())) constraint_->Detach(edit);
    it = bindings_.erase(it);
  }
}

void ZnSNMPRequest2Edits::SetConstraintWindow(QWidget* window) {
  constraint_->SetForm(window);
}

void ZnSNMPRequest2Edits::ClearControls() {
  for (const Binding& binding : bindings_)
    for (const QPointer<QWidget>& control : binding.controls)
      if (control) EmptyControl(control);
}

void ZnSNMPRequest2Edits::EnableControls(bool enabled) {
  for (const Binding& binding : bindings_)
    for (const QPointer<QWidget>& control : binding.controls)
      ZnSetEnabledKeepingAbsence(control, enabled);
}

void ZnSNMPRequest2Edits::ForgetAbsence() {
  for (int i = 0; i < VarList().Count(); ++i) VarList().Item(i).Absent = false;
  for (const Binding& binding : bindings_)
    for (const QPointer<QWidget>& control : binding.controls) ZnShowAbsent(control, false);
  if (OnAbsence)
    for (int i = 0; i < VarList().Count(); ++i) OnAbsence(i, false);
}

bool ZnSNMPRequest2Edits::IsPart(const Binding& binding) const {
  return binding.offset != 0 || binding.syntax != VarList().Item(binding.variable).Syntax;
}

const ZnOptionList* ZnSNMPRequest2Edits::OptionsOf(const Binding& binding) const {
  if (binding.options || IsPart(binding)) return binding.options;
  return VarList().Item(binding.variable).Options;
}

// ---------------------------------------------------------------------------------------------
// Values into controls and back

void ZnSNMPRequest2Edits::ShowValues(int variable) {
  // Every control learns first whether its object is there, so that a failure to show one
  // value leaves none marked for the row or read shown before.
  std::vector<int> shown;
  for (const Binding& binding : bindings_) {
    if (variable >= 0 && binding.variable != variable) continue;
    const ZnSNMPVar& var = VarList().Item(binding.variable);
    if (var.Access & ZnAccess::Invalid) continue;
    for (const QPointer<QWidget>& control : binding.controls) {
      if (!control) continue;
      if (var.Absent) EmptyControl(control);
      ZnShowAbsent(control, var.Absent);
    }
    if (std::find(shown.begin(), shown.end(), binding.variable) == shown.end())
      shown.push_back(binding.variable);
  }
  if (OnAbsence)
    for (int i : shown) OnAbsence(i, VarList().Item(i).Absent);
  for (const Binding& binding : bindings_) {
    if (variable >= 0 && binding.variable != variable) continue;
    const ZnSNMPVar& var = VarList().Item(binding.variable);
    if ((var.Access & ZnAccess::Invalid) || var.Absent) continue;
    ShowBinding(binding);
  }
}

void ZnSNMPRequest2Edits::ShowBinding(const Binding& binding) {
  const ZnSNMPVar& var = VarList().Item(binding.variable);
  QString text = var.Options ? var.Options->LabelToValue(var.Value) : var.Value;
  QByteArray image = ZnTextToImage(text, var.Syntax);
  if (IsPart(binding)) {
    image = ZnExtractPart(image, binding.offset, binding.syntax);
    text = ZnImageToText(image, binding.syntax);
  }
  const ZnOptionList* options = OptionsOf(binding);
  if (options) text = options->ValueToLabel(text);

  if (binding.controls.empty() || binding.controls.front().isNull()) return;  // control gone
  QWidget* first = binding.controls.front();
  if (auto* label = qobject_cast<QLabel*>(first)) {
    label->setText(text);
  } else if (auto* box = qobject_cast<QCheckBox*>(first); box && !binding.bits.empty()) {
    // A value too short for some box shows in none: ticks of the value shown before, or of
    // the part that was there, would pass for the device's.
    const bool fits = std::all_of(binding.bits.begin(), binding.bits.end(),
                                  [&](int bit) { return bit / 8 < image.size(); });
    for (size_t k = 0; k < binding.bits.size(); ++k)
      if (auto* each = qobject_cast<QCheckBox*>(binding.controls[k].data()))
        each->setChecked(fits && TestBit(image, binding.bits[k]));
    if (!fits) throw ZnFrameworkError(ZnCode::PartialIndexOutOfRange);
  } else if (box) {
    if (options) {
      int index = options->IndexOfLabel(text);
      if (index < 0) index = options->IndexOfValue(text);
      box->setChecked(index > 0);  // item 0 is the unchecked state
    } else if (IsBooleanSyntax(binding.syntax)) {
      box->setChecked(text == QLatin1String("true"));
    } else {
      throw ZnFrameworkError(ZnCode::BadPartialSyntax);
    }
  } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
    if (options) ZnSelectInComboBox(*options, *combo, text);
  } else if (auto* group = qobject_cast<ZnRadioGroup*>(first)) {
    if (options) ZnSelectInRadioGroup(*options, *group, text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(first)) {
    if (binding.controls.size() == 1)
      edit->setText(text);
    else
      ShowInEdits(Edits(binding.controls), binding.syntax, text, image);
  } else {
    throw ZnFrameworkError(ZnCode::BadControlType);
  }
}

QByteArray ZnSNMPRequest2Edits::ReadBinding(const Binding& binding, bool& fromBits) {
  fromBits = false;
  QWidget* first = binding.controls.empty() ? nullptr : binding.controls.front().data();
  if (first == nullptr) throw ZnFrameworkError(ZnCode::NotEnoughControls);
  const ZnOptionList* options = OptionsOf(binding);
  QString text;
  if (auto* label = qobject_cast<QLabel*>(first)) {
    text = label->text();
  } else if (auto* box = qobject_cast<QCheckBox*>(first); box && !binding.bits.empty()) {
    fromBits = true;
    QByteArray image;
    for (size_t k = 0; k < binding.bits.size(); ++k) {
      const int bit = binding.bits[k];
      while (image.size() <= bit / 8) image.append('\0');
      auto* each = qobject_cast<QCheckBox*>(binding.controls[k].data());
      const unsigned char mask = static_cast<unsigned char>(0x80 >> (bit % 8));
      unsigned char byte = static_cast<unsigned char>(image[bit / 8]);
      byte = each && each->isChecked() ? byte | mask : byte & ~mask;
      image[bit / 8] = static_cast<char>(byte);
    }
    return image;
  } else if (box) {
    if (options)
      text = options->At(box->isChecked() ? 1 : 0).Label;
    else if (IsBooleanSyntax(binding.syntax))
      text = box->isChecked() ? QStringLiteral("true") : QStringLiteral("false");
    else
      throw ZnFrameworkError(ZnCode::BadPartialSyntax);
  } else if (auto* combo = qobject_cast<QComboBox*>(first)) {
    text = combo->currentIndex() < 0 ? QString() : combo->currentText();
  } else if (auto* group = qobject_cast<ZnRadioGroup*>(first)) {
    text = group->SelectedText();
  } else if (auto* edit = qobject_cast<QLineEdit*>(first)) {
    text = binding.controls.size() == 1 ? edit->text()
                                        : ReadFromEdits(Edits(binding.controls), binding.syntax);
  } else {
    throw ZnFrameworkError(ZnCode::BadControlType);
  }
  if (options) text = options->LabelToValue(text);
  if (binding.syntax == ZnSyntax::MacAddress) return MacImage(text);
  return ZnTextToImage(text, binding.syntax);
}

void ZnSNMPRequest2Edits::ReadValues(int variable) {
  for (int i = 0; i < VarList().Count(); ++i) {
    if (variable >= 0 && i != variable) continue;
    if (!VarList().IsWritable(i)) continue;
    ZnSNMPVar& var = VarList().Item(i);
    if (var.Absent) continue;  // an empty, locked control is no value of the switch's
    QByteArray image =
        ZnTextToImage(var.Options ? var.Options->LabelToValue(var.Value) : var.Value, var.Syntax);
    bool bound = false;
    for (const Binding& binding : bindings_) {
      if (binding.variable != i) continue;
      // A display string is built only from its bound parts.
      if (!bound && var.Syntax == ZnSyntax::DisplayString) image.clear();
      bound = true;
      bool fromBits = false;
      const QByteArray part = ReadBinding(binding, fromBits);
      if (!IsPart(binding) && !fromBits) {
        image = part;  // a whole value replaces the old one, shorter or not
        continue;
      }
      const qsizetype end = binding.offset + part.size();
      while (image.size() < end) image.append('\0');
      image.replace(binding.offset, part.size(), part);
    }
    if (!bound) continue;
    const QString text = ZnImageToText(image, var.Syntax);
    var.Value = var.Options ? var.Options->ValueToLabel(text) : text;
  }
}

// ---------------------------------------------------------------------------------------------
// The list view

void ZnSNMPRequest2Edits::AttachListView(QTreeWidget* view, bool autoEnable) {
  listView_ = view;
  autoEnable_ = autoEnable;
  view->setRootIsDecorated(false);
  view->setUniformRowHeights(true);  // keeps long walks cheap to lay out
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setAllColumnsShowFocus(true);
  // An item rule of a style sheet takes the selection colours with it: they are given back.
  view->setStyleSheet(
      QStringLiteral("QTreeView::item { border-right: 1px solid palette(midlight);"
                     " border-bottom: 1px solid palette(midlight); }"
                     " QTreeView::item:selected { background: palette(highlight);"
                     " color: palette(highlighted-text); }"));
  ZnEquipListView(view);
  QObject::connect(view, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (!listView_) return;
    const QList<QTreeWidgetItem*> selected = listView_->selectedItems();
    if (selected.isEmpty()) return;
    // Nothing may leave a signal handler: a failure to show the row is reported instead.
    try {
      OnSelectItem(selected.front());
    } catch (const ZnException& e) {
      ReportFailure(e, Operation::Read);
    }
  });
  BuildColumns();
}

void ZnSNMPRequest2Edits::BuildColumns() {
  if (!listView_) return;
  std::vector<int> order;
  for (int i = 0; i < VarList().Count(); ++i)
    if (VarList().IsNotShown(i)) order.push_back(i);
  for (int i = 0; i < VarList().Count(); ++i)
    if (VarList().IsShown(i)) order.push_back(i);
  if (listView_->columnCount() >= static_cast<int>(order.size()) && order == columnVariables_)
    return;
  columnVariables_ = order;
  listView_->clear();
  listView_->setColumnCount(static_cast<int>(order.size()));
  QStringList captions;
  for (int i : order) captions << VarList().Item(i).Caption;
  listView_->setHeaderLabels(captions);
  const QFontMetrics metrics = listView_->header()->fontMetrics();
  for (size_t k = 0; k < order.size(); ++k) {
    const int column = static_cast<int>(k);
    // Not-shown variables keep a column of their own, invisible: a row still carries them.
    listView_->setColumnHidden(column, VarList().IsNotShown(order[k]));
    listView_->header()->resizeSection(column, metrics.horizontalAdvance(captions[column]) + 24);
  }
}

void ZnSNMPRequest2Edits::AddRow() {
  auto* item = new QTreeWidgetItem;
  for (size_t k = 0; k < columnVariables_.size(); ++k) {
    const ZnSNMPVar& var = VarList().Item(columnVariables_[k]);
    if (var.Absent) {
      item->setData(static_cast<int>(k), kAbsentValueRole, var.Value);
      item->setToolTip(static_cast<int>(k), ZnAbsentToolTip());
    } else
      item->setText(static_cast<int>(k), var.Value);
  }
  pendingRows_.append(item);
  if (!flushTimer_.isActive()) flushTimer_.start();
}

void ZnSNMPRequest2Edits::RowToValues(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  for (size_t k = 0; k < columnVariables_.size(); ++k) {
    ZnSNMPVar& var = VarList().Item(columnVariables_[k]);
    const QVariant absent = item->data(static_cast<int>(k), kAbsentValueRole);
    var.Absent = absent.isValid();
    var.Value = var.Absent ? absent.toString() : item->text(static_cast<int>(k));
  }
}

// ---------------------------------------------------------------------------------------------
// Hooks

void ZnSNMPRequest2Edits::BeforeGet() {
  if (!listView_) return;
  BuildColumns();
  listView_->clear();
}

// Rows collected during a walk go into the list view a few times a second: inserting each row
// at once makes the view lay out all its rows again for every new one, which for a long table
// costs far more than the walk itself.
void ZnSNMPRequest2Edits::FlushRows() {
  if (pendingRows_.isEmpty()) return;
  if (listView_)
    listView_->addTopLevelItems(pendingRows_);
  else
    qDeleteAll(pendingRows_);
  pendingRows_.clear();
}

void ZnSNMPRequest2Edits::EndRows() {
  flushTimer_.stop();
  FlushRows();
}

void ZnSNMPRequest2Edits::OnGetError(const ZnSNMPError& result) {
  EndRows();
  ZnSNMPRequest2Controls::OnGetError(result);
}

void ZnSNMPRequest2Edits::ShowRow() {
  if (!listView_) {
    ShowValues(-1);
    return;
  }
  AddRow();
  // A blocking walk still lets the list grow visibly.
  if (mode == Mode::Blocking) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ZnSNMPRequest2Edits::AfterGet() {
  EndRows();
  if (listView_ && autoEnable_ && VarList().ItemType == ZnItemType::MVT_FMV) EnableControls(false);
}

void ZnSNMPRequest2Edits::ControlsToValues() {
  // A table's chosen row says which of its objects are absent; a new row has all of them.
  for (int i = 0; i < VarList().Count(); ++i) {
    VarList().Item(i).Value.clear();
    if (listView_) VarList().Item(i).Absent = false;
  }
  if (listView_) {
    const QList<QTreeWidgetItem*> selected = listView_->selectedItems();
    if (!selected.isEmpty()) RowToValues(selected.front());
  }
  ReadValues(-1);
}

void ZnSNMPRequest2Edits::OnSelectItem(QTreeWidgetItem* item) {
  if (autoEnable_) EnableControls(true);
  RowToValues(item);
  try {
    ShowValues(-1);
  } catch (const ZnException&) {
    // The controls shown before the failure hold this row, the others the row chosen before:
    // none may be taken for the chosen row's values, so all are emptied.
    ClearControls();
    throw;
  }
}
