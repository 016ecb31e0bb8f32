#include "ZnEditConstraint.h"

#include "ZnNumList.h"
#include "ZnSNMPMessages.h"
#include "ZnUserNotifier.h"
#include "ZnValueFormat.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QMetaObject>
#include <QRegularExpression>
#include <QStringList>
#include <QVariant>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

struct ZnEditConstraint::Entry {
  EditConstraint_s Constraint;
  QPointer<QLineEdit> Alive;  // null once the edit is gone: the record is then never used on it
  EditHandler ChainedChange;
  EditHandler ChainedExit;
  QMetaObject::Connection Changed;
  QMetaObject::Connection Destroyed;
};

namespace {

// QLineEdit's own default: the limit of an edit whose format sets none.
constexpr char kTagProperty[] = "Tag";
constexpr quint32 kMaxUnsigned32 = std::numeric_limits<quint32>::max();

// Exits being handled, across every constraint of the program. Handing the focus back to a
// refused edit takes it from the control the user was going to; that is no exit from that
// control, and treating it as one would let two refused edits pull the focus to and fro forever.
int gExitsInProgress = 0;

struct ExitInProgress {
  ExitInProgress() { ++gExitsInProgress; }
  ~ExitInProgress() { --gExitsInProgress; }
  ExitInProgress(const ExitInProgress&) = delete;
  ExitInProgress& operator=(const ExitInProgress&) = delete;
};

// The display texts of a value not yet read or absent: neither filtered nor checked.
bool IsValuePlaceholder(const QString& text) {
  return text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)");
}

bool IsDecimalDigit(QChar c) {
  return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsHexDigit(QChar c) {
  return IsDecimalDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
         (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

[[noreturn]] void RaiseBadFormat() {
  throw ZnGeneralError(ZnGeneralText::BadConstraintFormat);
}

// ---------------------------------------------------------------------------------------------
// Format parsing

struct ParsedFormat {
  EditConstraint_s Constraint;
  int Width = 0;
};

void SetDefaultBounds(EditConstraint_s& constraint) {
  switch (constraint.Type) {
    case 'i':
      constraint.Min = std::numeric_limits<qint32>::min();
      constraint.Max = std::numeric_limits<qint32>::max();
      break;
    case 'u':
      constraint.Min = 0.0;
      constraint.Max = kMaxUnsigned32;
      break;
    default:
      // The smallest positive normal double: a decimal number without an n option must be
      // above zero.
      constraint.Min = std::numeric_limits<double>::min();
      constraint.Max = std::numeric_limits<double>::max();
      break;
  }
}

// Reads the options between the braces: `pos` is on the first option, `close` on the closing
// brace.
class OptionReader {
 public:
  OptionReader(const QString& format, qsizetype pos, qsizetype close)
      : format_(format), pos_(pos), close_(close) {}

  bool AtEnd() const { return pos_ >= close_; }
  QChar Next() { return format_[pos_++]; }

  // The longest run of "-0123456789."; a run that is not one decimal number ("1-2", "-", ".")
  // is as bad as a missing one.
  double Number() {
    const QString run = Run([](QChar c) {
      return IsDecimalDigit(c) || c == QLatin1Char('-') || c == QLatin1Char('.');
    });
    const QByteArray latin = run.toLatin1();
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(latin.constData(), latin.constData() + latin.size(), value);
    if (error != std::errc() || end != latin.constData() + latin.size()) RaiseBadFormat();
    return value;
  }

  int Digits() {
    const QString run = Run(IsDecimalDigit);
    bool ok = false;
    const int value = run.toInt(&ok);
    if (!ok) RaiseBadFormat();  // beyond int: no edit is that long or that wide
    return value;
  }

  // Up to three of "a", "f", "n" right after the digits of l.
  quint16 LengthFlags() {
    quint16 flags = 0;
    for (int k = 0; k < 3 && !AtEnd(); ++k) {
      const QChar c = format_[pos_];
      if (c == QLatin1Char('a')) {
        flags |= EditConstraint_s::AdvanceWhenFull;
      } else if (c == QLatin1Char('f')) {
        flags |= EditConstraint_s::FixedLength;
      } else if (c == QLatin1Char('n')) {
        flags |= EditConstraint_s::NotEmpty;
      } else {
        break;
      }
      ++pos_;
    }
    return flags;
  }

  QChar Character() {
    if (AtEnd()) RaiseBadFormat();
    return Next();
  }

 private:
  template <typename Predicate>
  QString Run(Predicate inSet) {
    const qsizetype start = pos_;
    while (!AtEnd() && inSet(format_[pos_])) ++pos_;
    if (pos_ == start) RaiseBadFormat();
    return format_.mid(start, pos_ - start);
  }

  const QString& format_;
  qsizetype pos_;
  const qsizetype close_;
};

// format := "%" type [delimiter] [ "{" option* "}" ]
ParsedFormat ParseFormatPiece(const QString& format) {
  static const QString kTypes = QStringLiteral("fhisun");
  if (format.size() < 2 || format[0] != QLatin1Char('%') || !kTypes.contains(format[1]))
    RaiseBadFormat();

  ParsedFormat parsed;
  EditConstraint_s& constraint = parsed.Constraint;
  constraint.Type = format[1].toLatin1();
  SetDefaultBounds(constraint);
  qsizetype pos = 2;
  if (constraint.Type == 'n') {
    if (format.size() < 3) RaiseBadFormat();
    constraint.Delimiter = format[2];
    pos = 3;
  }
  if (pos == format.size()) return parsed;

  // Nothing may follow the closing brace.
  const qsizetype close = format.size() - 1;
  if (format[pos] != QLatin1Char('{') || close == pos || format[close] != QLatin1Char('}'))
    RaiseBadFormat();

  OptionReader options(format, pos + 1, close);
  while (!options.AtEnd()) {
    switch (options.Next().unicode()) {
      case 'n':
        constraint.Min = options.Number();
        break;
      case 'x':
        constraint.Max = options.Number();
        break;
      case 'l':
        constraint.Length = options.Digits();
        constraint.Flags = options.LengthFlags();
        break;
      case 'w':
        parsed.Width = options.Digits();
        break;
      case 'e':
        constraint.EndChar = options.Character();
        break;
      default:
        RaiseBadFormat();
    }
  }
  return parsed;
}

// A new piece starts at every '%' after the first character.
QStringList SplitFormat(const QString& format) {
  QStringList pieces;
  qsizetype start = 0;
  for (qsizetype k = 1; k < format.size(); ++k) {
    if (format[k] != QLatin1Char('%')) continue;
    pieces << format.mid(start, k - start);
    start = k;
  }
  pieces << format.mid(start);
  return pieces;
}

// ---------------------------------------------------------------------------------------------
// Typing

// Whether `c` may follow the characters already kept. A character's fate depends only on the
// characters before it, so one pass from the left removes exactly what removing the first
// offending character over and over would.
bool TypeAllows(const EditConstraint_s& constraint, QChar c, const QString& kept) {
  switch (constraint.Type) {
    case 'f':
      return IsDecimalDigit(c) || (c == QLatin1Char('-') && kept.isEmpty()) ||
             (c == QLatin1Char('.') && !kept.contains(QLatin1Char('.')));
    case 'h':
      return IsHexDigit(c);
    case 'i':
      return IsDecimalDigit(c) || (c == QLatin1Char('-') && kept.isEmpty());
    case 'u':
      return IsDecimalDigit(c);
    case 'n':
      return IsDecimalDigit(c) ||
             (c == constraint.Delimiter && !kept.isEmpty() && kept.back() != constraint.Delimiter);
    default:
      return true;
  }
}

struct Filtered {
  QString Text;
  int Cursor = 0;
  int Removed = 0;
};

// The text without the characters `allowed` refuses; the cursor stays between the same kept
// characters, so a refused keystroke leaves it where that character was.
template <typename Allowed>
Filtered Filter(const QString& text, int cursor, Allowed allowed) {
  Filtered result;
  result.Cursor = cursor;
  for (qsizetype k = 0; k < text.size(); ++k) {
    if (allowed(text[k], result.Text)) {
      result.Text += text[k];
      continue;
    }
    ++result.Removed;
    if (k < cursor) --result.Cursor;
  }
  return result;
}

// ---------------------------------------------------------------------------------------------
// Exit checks

QString GeneralText(int index) {
  return ZnMessage(ZnMessageTable::General, index);
}

// The value of a text that is one decimal number as far as the filters let it be typed. Anything
// else ("-", ".", or a text set while the filter was not listening) has no value.
std::optional<double> DecimalValue(const QString& text) {
  static const QRegularExpression number(QStringLiteral("^-?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
  if (!number.match(text).hasMatch()) return std::nullopt;
  return ZnLeadingDouble(text);
}

// Truncated toward zero and kept inside 32 unsigned bits: a negative minimum is 0, the default
// maximum of a type-n format is 4294967295 (a plain cast would be undefined for both).
quint32 ToUnsigned32(double bound) {
  const double whole = std::trunc(bound);
  if (!(whole >= 0.0)) return 0;
  if (whole >= kMaxUnsigned32) return kMaxUnsigned32;
  return static_cast<quint32>(whole);
}

// One number of a delimited text as the number list reads it: digits with an optional fraction
// that truncation drops; empty counts as 0. Its whole part must fit 32 bits, because the list
// wraps around and 4294967297 would pass as 1.
bool IsUnsigned32Number(const QString& piece) {
  static const QRegularExpression number(QStringLiteral("^([0-9]*)(?:\\.[0-9]*)?$"));
  const QRegularExpressionMatch match = number.match(piece);
  if (!match.hasMatch()) return false;
  QStringView whole = match.capturedView(1);
  while (whole.size() > 1 && whole.front() == QLatin1Char('0')) whole = whole.mid(1);
  const QString limit = QString::number(kMaxUnsigned32);
  return whole.size() < limit.size() || (whole.size() == limit.size() && whole <= limit);
}

std::optional<QString> NumberListViolation(const EditConstraint_s& constraint,
                                           const QString& text) {
  const auto listText = [&constraint](int index) {
    return GeneralText(index).replace(QLatin1String("[DELIMITER]"), QString(constraint.Delimiter));
  };
  ZnNumList<unsigned> numbers(constraint.Delimiter);
  numbers.Parse(text);
  if (constraint.Length > 0) {
    const QString length = QString::number(constraint.Length);
    if (constraint.Flags & EditConstraint_s::FixedLength) {
      if (numbers.Count() != constraint.Length)
        return listText(ZnGeneralText::NumListCount).replace(QLatin1String("[COUNT]"), length);
    } else if (numbers.Count() > constraint.Length) {
      return listText(ZnGeneralText::NumListMaxCount).replace(QLatin1String("[MAXCOUNT]"), length);
    }
  }
  const quint32 low = ToUnsigned32(constraint.Min);
  const quint32 high = ToUnsigned32(constraint.Max);
  const QStringList pieces = text.split(constraint.Delimiter);
  for (int k = 0; k < numbers.Count(); ++k) {
    const unsigned number = numbers.At(k);
    if (IsUnsigned32Number(pieces[k]) && number >= low && number <= high) continue;
    return listText(ZnGeneralText::NumListRange)
        .replace(QLatin1String("[MIN]"), QString::number(low))
        .replace(QLatin1String("[MAX]"), QString::number(high));
  }
  return std::nullopt;
}

std::optional<QString> StringLengthViolation(const EditConstraint_s& constraint,
                                             const QString& text) {
  if (constraint.Length <= 0) return std::nullopt;
  const bool hex = constraint.Type == 'h';
  const QString length = QString::number(constraint.Length);
  if (constraint.Flags & EditConstraint_s::FixedLength) {
    if (text.size() == constraint.Length) return std::nullopt;
    return GeneralText(hex ? ZnGeneralText::HexLength : ZnGeneralText::StringLength)
        .replace(QLatin1String("[LEN]"), length);
  }
  if (text.size() <= constraint.Length) return std::nullopt;
  return GeneralText(hex ? ZnGeneralText::HexTooLong : ZnGeneralText::StringTooLong)
      .replace(QLatin1String("[MAXLEN]"), length);
}

// The message for a text that breaks the constraint, or none. The text is not empty.
std::optional<QString> Violation(const EditConstraint_s& constraint, const QString& text) {
  switch (constraint.Type) {
    case 'f':
    case 'i':
    case 'u': {
      const std::optional<double> value = DecimalValue(text);
      if (value && *value >= constraint.Min && *value <= constraint.Max) return std::nullopt;
      return GeneralText(ZnGeneralText::NumberRange)
          .replace(QLatin1String("[MIN]"), ZnFormatDouble(constraint.Min))
          .replace(QLatin1String("[MAX]"), ZnFormatDouble(constraint.Max));
    }
    case 'n':
      return NumberListViolation(constraint, text);
    default:
      return StringLengthViolation(constraint, text);
  }
}

bool IsVetoed(const QLineEdit* edit) {
  return edit->property(kTagProperty).toInt() == -1;
}

// The next control in tab order that can take the focus, as the Tab key would choose it.
void FocusNextControl(QLineEdit* edit) {
  for (QWidget* next = edit->nextInFocusChain(); next && next != edit;
       next = next->nextInFocusChain()) {
    if ((next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && next->isVisible() &&
        next->isEnabled()) {
      next->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------------

ZnEditConstraint::ZnEditConstraint(QWidget* form, bool remember)
    : form_(form), remember_(remember) {}

ZnEditConstraint::~ZnEditConstraint() {
  for (const std::unique_ptr<Entry>& entry : entries_) Release(*entry);
}

void ZnEditConstraint::SetForm(QWidget* form) {
  form_ = form;
}

QWidget* ZnEditConstraint::Form() const {
  return form_;
}

void ZnEditConstraint::Attach(const QString& format, QLineEdit* edit) {
  ParsedFormat parsed = ParseFormatPiece(format);
  if (edit) Install(std::move(parsed.Constraint), parsed.Width, edit);
}

void ZnEditConstraint::Attach(const QString& format, const QList<QLineEdit*>& edits) {
  const QStringList pieces = SplitFormat(format);
  if (pieces.size() != edits.size()) RaiseBadFormat();
  std::vector<ParsedFormat> parsed;
  parsed.reserve(static_cast<size_t>(pieces.size()));
  for (const QString& piece : pieces) parsed.push_back(ParseFormatPiece(piece));
  for (qsizetype k = 0; k < edits.size(); ++k) {
    ParsedFormat& one = parsed[static_cast<size_t>(k)];
    if (edits[k]) Install(std::move(one.Constraint), one.Width, edits[k]);
  }
}

void ZnEditConstraint::Detach(QLineEdit* edit) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if ((*it)->Constraint.Edit != edit) continue;
    Release(**it);
    entries_.erase(it);
    return;
  }
}

void ZnEditConstraint::Remember(QLineEdit* edit) {
  if (Entry* entry = Find(edit)) entry->Constraint.LastText = edit->text();
}

void ZnEditConstraint::SetChainedHandlers(QLineEdit* edit, EditHandler onChange,
                                          EditHandler onExit) {
  Entry* entry = Find(edit);
  if (!entry) return;
  entry->ChainedChange = std::move(onChange);
  entry->ChainedExit = std::move(onExit);
}

bool ZnEditConstraint::IsAttached(const QLineEdit* edit) const {
  return Find(edit) != nullptr;
}

const EditConstraint_s* ZnEditConstraint::Constraint(const QLineEdit* edit) const {
  const Entry* entry = Find(edit);
  return entry ? &entry->Constraint : nullptr;
}

ZnTypingLimit::ZnTypingLimit(QLineEdit* edit, int limit)
    : QValidator(edit), limit_(limit), acceptedLength_(edit->text().size()) {
  // Every text the edit takes, typed or set by the program, is the base of the next check.
  connect(edit, &QLineEdit::textChanged, this,
          [this](const QString& text) { acceptedLength_ = text.size(); });
}

QValidator::State ZnTypingLimit::validate(QString& input, int&) const {
  // Only growth beyond the limit is refused: a longer text the program set may be shortened.
  if (input.size() > limit_ && input.size() > acceptedLength_) return Invalid;
  return Acceptable;
}

int ZnTypingLimitOf(const QLineEdit* edit) {
  const auto* limit = qobject_cast<const ZnTypingLimit*>(edit->validator());
  return limit ? limit->Limit() : 0;
}

ZnEditConstraint::Entry* ZnEditConstraint::Find(const QLineEdit* edit) const {
  if (!edit) return nullptr;
  for (const std::unique_ptr<Entry>& entry : entries_)
    if (entry->Constraint.Edit == edit) return entry.get();
  return nullptr;
}

void ZnEditConstraint::Install(EditConstraint_s constraint, int width, QLineEdit* edit) {
  EditHandler chainedChange;
  EditHandler chainedExit;
  if (Entry* previous = Find(edit)) {
    chainedChange = std::move(previous->ChainedChange);
    chainedExit = std::move(previous->ChainedExit);
    Detach(edit);
  }

  if (width > 0) edit->setFixedWidth(width);
  // A limit on typing only: QLineEdit's own maximum length would also cut what the program sets.
  if (qobject_cast<const ZnTypingLimit*>(edit->validator())) delete edit->validator();
  if (constraint.Length > 0) edit->setValidator(new ZnTypingLimit(edit, constraint.Length));

  auto entry = std::make_unique<Entry>();
  entry->Constraint = std::move(constraint);
  entry->Constraint.Edit = edit;
  entry->Alive = edit;
  entry->ChainedChange = std::move(chainedChange);
  entry->ChainedExit = std::move(chainedExit);
  entry->Changed = connect(edit, &QLineEdit::textChanged, this, [this, edit] { OnChange(edit); });
  entry->Destroyed = connect(edit, &QObject::destroyed, this, [this, edit] { Forget(edit); });
  edit->installEventFilter(this);
  entries_.push_back(std::move(entry));
}

void ZnEditConstraint::Release(Entry& entry) {
  disconnect(entry.Changed);
  disconnect(entry.Destroyed);
  if (entry.Alive) {
    entry.Alive->removeEventFilter(this);
    if (qobject_cast<const ZnTypingLimit*>(entry.Alive->validator()))
      delete entry.Alive->validator();
  }
}

// The edit is being destroyed: drop its record without touching it.
void ZnEditConstraint::Forget(const QObject* edit) {
  std::erase_if(entries_, [edit](const std::unique_ptr<Entry>& entry) {
    return entry->Constraint.Edit == edit;
  });
}

bool ZnEditConstraint::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  // A widget being destroyed gives up its focus from QWidget's destructor, when it is no longer
  // a QLineEdit: that is no exit.
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit || !Find(edit) || gExitsInProgress > 0) return false;
  // A message box or popup taking the focus is no exit; otherwise the exit's own message box
  // would start another exit.
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;

  // The edit finishes its own focus-out first, so that when the check hands the focus back the
  // edit is not told afterwards that it lost it (it would hide its cursor).
  QPointer<QLineEdit> alive(edit);
  QPointer<ZnEditConstraint> self(this);
  static_cast<QObject*>(edit)->event(event);
  if (alive && self) {
    ExitInProgress exiting;
    OnExit(edit);
  }
  return true;
}

void ZnEditConstraint::OnChange(QLineEdit* edit) {
  const QString text = edit->text();
  if (IsValuePlaceholder(text)) return;
  const Entry* entry = Find(edit);
  if (!entry || text.isEmpty()) return;
  const EditConstraint_s constraint = entry->Constraint;  // handlers below may drop the record

  // Writing the filtered text back runs this handler again for the new text; only the cursor
  // is put back here, and only when nothing changed the text in between.
  QPointer<QLineEdit> alive(edit);
  QPointer<ZnEditConstraint> self(this);
  // Filtering the user's typing leaves it the user's: setText would mark it the program's.
  const bool typed = edit->isModified();
  const auto writeBack = [&alive, typed](const Filtered& filtered) {
    alive->setText(filtered.Text);
    if (alive) alive->setModified(typed);
    if (alive && alive->text() == filtered.Text) alive->setCursorPosition(filtered.Cursor);
  };

  if (!constraint.EndChar.isNull() && text.contains(constraint.EndChar)) {
    // All of them at once: a pasted text full of end characters must not nest this handler once
    // per character.
    writeBack(Filter(text, edit->cursorPosition(),
                     [&constraint](QChar c, const QString&) { return c != constraint.EndChar; }));
    if (self && alive) RequestNextControl(edit);
    return;
  }

  const qsizetype length = text.size();
  const Filtered filtered = Filter(
      text, edit->cursorPosition(),
      [&constraint](QChar c, const QString& kept) { return TypeAllows(constraint, c, kept); });
  if (filtered.Removed > 0) {
    writeBack(filtered);
    for (int k = 0; k < filtered.Removed; ++k) ZnNotifier().Beep();
    return;
  }

  if (const EditHandler chained = entry->ChainedChange) {
    chained(edit);
    if (!self || !alive) return;
  }
  if (IsVetoed(edit)) return;
  const Entry* current = Find(edit);
  if (!current) return;
  const EditConstraint_s& now = current->Constraint;
  if ((now.Flags & EditConstraint_s::AdvanceWhenFull) && now.Length > 0 && length == now.Length)
    RequestNextControl(edit);
}

void ZnEditConstraint::OnExit(QLineEdit* edit) {
  const QString text = edit->text();
  if (IsValuePlaceholder(text)) return;
  const Entry* entry = Find(edit);
  if (!entry) return;
  // A value the program showed and the user did not touch is the switch's own: passing through
  // the field with Tab must not be refused (a path cost of 0, "automatic", would hold the
  // keyboard in the field until the user typed another value).
  if (!edit->isModified() && !text.isEmpty()) {
    Accept(edit);
    return;
  }
  if (text.isEmpty()) {
    if (entry->Constraint.Flags & EditConstraint_s::NotEmpty)
      Refuse(edit, GeneralText(ZnGeneralText::EmptyNotAllowed));
    return;
  }
  if (const std::optional<QString> message = Violation(entry->Constraint, text)) {
    Refuse(edit, *message);
    return;
  }
  Accept(edit);
}

void ZnEditConstraint::Accept(QLineEdit* edit) {
  QPointer<QLineEdit> alive(edit);
  QPointer<ZnEditConstraint> self(this);
  const Entry* checked = Find(edit);
  if (!checked) return;
  if (const EditHandler chained = checked->ChainedExit) {
    chained(edit);
    if (!self || !alive) return;
  }
  Entry* entry = Find(edit);
  if (!entry) return;
  if (IsVetoed(edit)) {
    Restore(edit, entry->Constraint.LastText);
    return;
  }
  if (remember_) entry->Constraint.LastText = edit->text();
}

void ZnEditConstraint::Refuse(QLineEdit* edit, const QString& message) {
  QPointer<QLineEdit> alive(edit);
  QPointer<ZnEditConstraint> self(this);
  ZnNotifier().Message(form_, ZnProgramFileName(), message);
  if (!self || !alive) return;
  const Entry* entry = Find(edit);
  if (!entry) return;
  Restore(edit, entry->Constraint.LastText);
  if (alive) alive->setFocus();
}

// `text` is a copy: writing it runs the change handlers, which may drop the record it came from.
void ZnEditConstraint::Restore(QLineEdit* edit, QString text) {
  QPointer<ZnEditConstraint> self(this);
  QLineEdit* const outer = restoring_;
  restoring_ = edit;
  edit->setText(text);
  if (self) restoring_ = outer;
}

// The next-control request: queued, so that it runs after the keystroke is done. It only moves
// the focus when the edit still has it: a text the program sets into an edit the user is not in
// must not take the focus from where the user is.
void ZnEditConstraint::RequestNextControl(QLineEdit* edit) {
  if (edit == restoring_) return;
  QMetaObject::invokeMethod(
      this,
      [edit = QPointer<QLineEdit>(edit)] {
        if (edit && edit->hasFocus()) FocusNextControl(edit);
      },
      Qt::QueuedConnection);
}
