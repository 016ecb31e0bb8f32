#pragma once

#include "ZnException.h"
#include "ZnSNMPRequest.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QWidget;

// The base of every object that shows SNMP data in controls: it owns one request, reads and
// writes in blocking or asynchronous mode, calls its hooks at fixed points so that subclasses
// move values between the list and their controls, and reports each result to a status target
// (a memo, a status bar or a status-bar panel) or, without one, in a message box.
class ZnSNMPRequest2Controls : public QObject {
 public:
  enum class Mode { Blocking = 0, Asynchronous = 1 };
  enum class Operation { Read = 0, Write = 1 };
  using DoneEvent = std::function<void(ZnSNMPRequest2Controls* sender, const ZnSNMPError& result)>;

  // The binding belongs to its owner window and is deleted with it.
  explicit ZnSNMPRequest2Controls(QWidget* owner);
  ~ZnSNMPRequest2Controls() override;

  ZnSNMPRequest& Request() { return request_; }
  ZnSNMPVarList& VarList() { return request_.VarList; }
  const ZnSNMPVarList& VarList() const { return request_.VarList; }
  QWidget* Owner() const { return owner_; }

  // A memo keeps the last kMemoLines lines.
  void SetStatusTarget(QPlainTextEdit* memo);
  static constexpr int kMemoLines = 1000;
  void SetStatusTarget(QStatusBar* bar);
  // A status-bar panel: a label in a status bar.
  void SetStatusTarget(QLabel* panel);
  void ClearStatusTarget();
  bool HasStatusTarget() const;

  // Reads the list and shows it; a table row by row.
  void Refresh();
  // Writes the list: with `controlsToValues` the controls are read back first; a table is read
  // again after a successful write when `refreshAfterWrite` is set.
  void Apply(bool refreshAfterWrite = true, bool controlsToValues = true,
             const QString& mapping = QString(), const QStringList* valueSource = nullptr);
  // Writes a status line from the template of the last operation to the status target.
  void ReportStatus(const QString& text);

  Mode mode = Mode::Asynchronous;
  DoneEvent OnGetDone;
  DoneEvent OnSetDone;
  bool Busy() const { return busy_; }
  int RowCount() const { return rowCount_; }
  Operation LastOperation() const { return lastOperation_; }
  bool RefreshAfterWrite() const { return refreshAfterWrite_; }

 protected:
  virtual void BeforeGet() {}
  virtual void BeforeSet() {}
  virtual void ShowRow() = 0;
  virtual void ControlsToValues() {}
  virtual void OnGetError(const ZnSNMPError& result);
  virtual void OnSetError(const ZnSNMPError& result);
  virtual void AfterGet() {}
  virtual void AfterSet() {}

  // Reports a failure outside an exchange (a row that cannot be shown) like a failed exchange.
  void ReportFailure(const ZnException& failure, Operation operation);
  // A write is being prepared: a failure reported from now on is the write's ("Set: ...").
  void BeginWrite() { lastOperation_ = Operation::Write; }

  // The owner window is gone: its controls must not be touched again.
  bool OwnerGone() const { return owner_.isNull(); }

 private:
  void ReadCompleted(const ZnSNMPError& result);
  void WriteCompleted(const ZnSNMPError& result);
  void ShowAcceptedRow();
  void FinishRead(const ZnSNMPError& result);
  // Reports an error raised inside a completion: busy is cleared and the error shown.
  void CompletionFailed(const ZnSNMPError& result, const QString& message, int code,
                        Operation operation);
  void ShowError(const ZnSNMPError& result, Operation operation);

  QPointer<QWidget> owner_;
  bool busy_ = false;
  bool destroying_ = false;  // declared before the request: completions during its wait check it
  int rowCount_ = 0;
  Operation lastOperation_ = Operation::Read;
  bool refreshAfterWrite_ = true;
  QPointer<QPlainTextEdit> memo_;
  QPointer<QStatusBar> statusBar_;
  QPointer<QLabel> panel_;
  ZnSNMPRequest request_;
};
