#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QValidator>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

class QEvent;
class QLineEdit;
class QWidget;

// The constraint of one edit, as read from its format: "%i{n30x99999}" is an integer from 30 to
// 99999, "%s{l16}" a string of at most 16 characters, "%n.{n0x255l4f}" exactly four numbers
// separated by '.'.
struct EditConstraint_s {
  enum Flag : quint16 {
    AdvanceWhenFull = 1,  // "a" after l: a full edit moves the focus on
    FixedLength = 2,      // "f" after l: the length (type n: the count) must be exactly l
    NotEmpty = 4,         // "n" after l: leaving the edit empty is refused
  };

  QLineEdit* Edit = nullptr;
  char Type = 's';  // f, h, i, s, u or n
  QChar Delimiter;  // type n only
  double Min = 0.0;
  double Max = 0.0;
  int Length = 0;  // maximum (or exact) length, for type n the count of numbers; 0 = no limit
  quint16 Flags = 0;
  QChar EndChar;     // typing it moves the focus on; null = none
  QString LastText;  // put back after a refused exit
};

// Limits what the user types into an edit to a number of characters, like the length limit of a
// native edit: text the program sets is never cut (a device value longer than the limit is shown
// whole, and a "(NOTDONE)" placeholder stays intact), and a text that is already too long may
// still be shortened.
class ZnTypingLimit : public QValidator {
  Q_OBJECT

 public:
  ZnTypingLimit(QLineEdit* edit, int limit);
  int Limit() const { return limit_; }
  State validate(QString& input, int& position) const override;

 private:
  int limit_;
  qsizetype acceptedLength_;  // length of the edit's text before the change being checked
};

// The typing limit of an edit, 0 for none.
int ZnTypingLimitOf(const QLineEdit* edit);

// Keeps the text of line edits valid: while the user types (or the program sets a text) it
// filters characters for the value type and moves the focus on at an end character or when the
// edit is full; when the focus leaves an edit it checks emptiness, length, range and count, and on
// a violation tells the user, puts back the last accepted text and gives the edit the focus again.
//
// Handlers an owner wants to run in the constraint's sequence are set per edit with
// SetChainedHandlers. A chained handler vetoes by setting the edit's "Tag" property to -1: in the
// change handler that suppresses the advance of a full edit, in the exit handler it puts back the
// last accepted text without a message.
class ZnEditConstraint : public QObject {
  Q_OBJECT

 public:
  using EditHandler = std::function<void(QLineEdit*)>;

  // `form` owns the message boxes; with `remember`, every accepted exit stores the text as the
  // edit's last accepted text.
  ZnEditConstraint(QWidget* form, bool remember);
  // Releases the edits that still exist (handlers and event filter); their texts, lengths and
  // widths stay as they are.
  ~ZnEditConstraint() override;

  // The window for later message boxes; may change at any time (a row dialog borrows the
  // constraint while it is open).
  void SetForm(QWidget* form);
  QWidget* Form() const;

  // Parses one format ("%" type, options) and constrains the edit with it. A bad format raises
  // ZnException with code -2 and leaves the edit untouched. An edit that already has a constraint
  // gets the new one (its chained handlers stay, its last accepted text starts empty again).
  void Attach(const QString& format, QLineEdit* edit);
  // Cuts the format into pieces (a new one starts at every '%' after the first character) and
  // attaches piece k to edit k. Every piece is parsed before any edit is touched; a bad one, or a
  // count of pieces different from the count of edits, raises as above.
  void Attach(const QString& format, const QList<QLineEdit*>& edits);
  // Removes the constraint and the chained handlers of the edit; nothing for an edit without one.
  void Detach(QLineEdit* edit);
  // Stores the edit's current text as its last accepted text.
  void Remember(QLineEdit* edit);
  // Handlers run after the constraint's own checks of a change or an accepted exit; either may
  // be empty. Ignored for an edit without a constraint.
  void SetChainedHandlers(QLineEdit* edit, EditHandler onChange, EditHandler onExit);

  bool IsAttached(const QLineEdit* edit) const;
  // The constraint of the edit, or null; valid until the edit is detached or re-attached.
  const EditConstraint_s* Constraint(const QLineEdit* edit) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry;

  Entry* Find(const QLineEdit* edit) const;
  void Install(EditConstraint_s constraint, int width, QLineEdit* edit);
  void Release(Entry& entry);
  void Forget(const QObject* edit);

  void OnChange(QLineEdit* edit);
  void OnExit(QLineEdit* edit);
  void Accept(QLineEdit* edit);
  void Refuse(QLineEdit* edit, const QString& message);
  void Restore(QLineEdit* edit, QString text);
  void RequestNextControl(QLineEdit* edit);

  QPointer<QWidget> form_;
  bool remember_;
  std::vector<std::unique_ptr<Entry>> entries_;
  // The edit whose last accepted text is being written back: that write must not move the
  // focus on, or the edit would lose the focus it is about to get back.
  QLineEdit* restoring_ = nullptr;
};
