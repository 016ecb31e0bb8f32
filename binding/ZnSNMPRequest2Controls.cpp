#include "ZnSNMPRequest2Controls.h"

#include "ZnSNMPMessages.h"
#include "ZnUserNotifier.h"
#include "ZnWaitIndicator.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTime>

namespace {

QString OkText() {
  return ZnSNMPMapError(0).Message;
}

ZnSNMPError ErrorOf(const ZnSNMPError& from, const QString& message, int code) {
  ZnSNMPError error = from;
  error.Code = code;
  error.Message = message;
  error.Done = true;
  return error;
}

}  // namespace

ZnSNMPRequest2Controls::ZnSNMPRequest2Controls(QWidget* owner) : QObject(owner), owner_(owner) {}

ZnSNMPRequest2Controls::~ZnSNMPRequest2Controls() {
  busy_ = false;
  destroying_ = true;
  request_.Enabled = false;
  // The request's destructor waits for its outstanding exchanges; their completions see
  // `destroying_` and touch nothing of what is already gone.
}

void ZnSNMPRequest2Controls::SetStatusTarget(QPlainTextEdit* memo) {
  ClearStatusTarget();
  memo_ = memo;
  // A line per read: a dialog left open on a polled page would grow its memo without end.
  if (memo) memo->setMaximumBlockCount(kMemoLines);
}

void ZnSNMPRequest2Controls::SetStatusTarget(QStatusBar* bar) {
  ClearStatusTarget();
  statusBar_ = bar;
}

void ZnSNMPRequest2Controls::SetStatusTarget(QLabel* panel) {
  ClearStatusTarget();
  panel_ = panel;
}

void ZnSNMPRequest2Controls::ClearStatusTarget() {
  memo_.clear();
  statusBar_.clear();
  panel_.clear();
}

bool ZnSNMPRequest2Controls::HasStatusTarget() const {
  return !memo_.isNull() || !statusBar_.isNull() || !panel_.isNull();
}

void ZnSNMPRequest2Controls::ReportStatus(const QString& text) {
  if (!HasStatusTarget()) return;
  QString line =
      ZnMessage(ZnMessageTable::StatusTemplates, lastOperation_ == Operation::Read ? 0 : 1);
  const QString& description = request_.VarList.Description;
  if (description.isEmpty()) {
    const QLatin1String error("[ERROR]"), list("[VARLIST]");
    const qsizetype from = line.indexOf(error);
    const qsizetype to = from < 0 ? -1 : line.indexOf(list, from);
    if (to >= 0) line.remove(from + error.size(), to + list.size() - from - error.size());
  } else {
    line.replace(QLatin1String("[VARLIST]"), description);
  }
  line.replace(QLatin1String("[ERROR]"), text);
  line.replace(QLatin1String("[TIME]"),
               QTime::currentTime().toString(QStringLiteral("hh:mm:ss AP")));
  if (memo_)
    memo_->appendPlainText(line);
  else if (statusBar_)
    statusBar_->showMessage(line);
  else if (panel_)
    panel_->setText(line);
}

void ZnSNMPRequest2Controls::ShowError(const ZnSNMPError& result, Operation operation) {
  lastOperation_ = operation;
  if (HasStatusTarget()) {
    ReportStatus(result.Message);
    return;
  }
  ZnNotifier().Message(owner_, ZnProgramFileName(), result.Message);
}

void ZnSNMPRequest2Controls::ReportFailure(const ZnException& failure, Operation operation) {
  ZnSNMPError error;
  error.Code = failure.Code();
  error.Message = failure.Message();
  error.Done = true;
  ShowError(error, operation);
}

void ZnSNMPRequest2Controls::OnGetError(const ZnSNMPError& result) {
  ShowError(result, Operation::Read);
}

void ZnSNMPRequest2Controls::OnSetError(const ZnSNMPError& result) {
  ShowError(result, Operation::Write);
}

// ---------------------------------------------------------------------------------------------
// Reads

void ZnSNMPRequest2Controls::ShowAcceptedRow() {
  if (!request_.CheckCondition(QString())) return;
  ShowRow();
  ++rowCount_;
}

void ZnSNMPRequest2Controls::Refresh() {
  lastOperation_ = Operation::Read;
  BeforeGet();
  rowCount_ = 0;
  busy_ = true;
  if (mode == Mode::Blocking) {
    const ZnWaitStatusScope waitStatus(memo_, statusBar_, panel_);
    try {
      if (request_.VarList.IsTable()) {
        for (bool first = true; request_.Get(first); first = false) ShowAcceptedRow();
      } else {
        request_.Get(true);
        ShowAcceptedRow();
      }
      AfterGet();
    } catch (...) {
      busy_ = false;
      throw;
    }
    busy_ = false;
    ReportStatus(OkText());
    return;
  }
  if (!request_.Enabled) {
    busy_ = false;
    return;
  }
  try {
    request_.GetAsync(
        [this](void*, const ZnSNMPError& result, ZnSNMPVarList&) { ReadCompleted(result); }, this,
        true);
  } catch (...) {
    busy_ = false;
    throw;
  }
}

void ZnSNMPRequest2Controls::ReadCompleted(const ZnSNMPError& result) {
  if (destroying_) return;
  try {
    if (result.Code != 0) {
      busy_ = false;
      OnGetError(result);
      if (OnGetDone) OnGetDone(this, result);
      return;
    }
    if (OwnerGone()) {  // nothing left to show into
      busy_ = false;
      return;
    }
    if (!request_.VarList.IsTable()) {
      ShowAcceptedRow();
      FinishRead(result);
      return;
    }
    if (result.Done) {
      FinishRead(result);
      return;
    }
    ShowAcceptedRow();
    if (!request_.Enabled) {
      FinishRead(result);
      return;
    }
    request_.GetAsync(
        [this](void*, const ZnSNMPError& next, ZnSNMPVarList&) { ReadCompleted(next); }, this,
        false);
  } catch (const ZnException& e) {
    CompletionFailed(result, e.Message(), e.Code(), Operation::Read);
  } catch (const std::exception& e) {
    CompletionFailed(result, QString::fromLocal8Bit(e.what()), ZnCode::UnknownError,
                     Operation::Read);
  }
}

void ZnSNMPRequest2Controls::FinishRead(const ZnSNMPError& result) {
  AfterGet();
  busy_ = false;
  if (!HasStatusTarget()) return;
  lastOperation_ = Operation::Read;
  ReportStatus(OkText());
  if (OnGetDone) OnGetDone(this, result);
}

void ZnSNMPRequest2Controls::CompletionFailed(const ZnSNMPError& result, const QString& message,
                                              int code, Operation operation) {
  busy_ = false;
  const ZnSNMPError error = ErrorOf(result, message, code);
  try {
    if (operation == Operation::Read) {
      OnGetError(error);
      if (OnGetDone) OnGetDone(this, error);
    } else {
      OnSetError(error);
      if (OnSetDone) OnSetDone(this, error);
    }
  } catch (const std::exception&) {
    // The report itself failed (a hook raised again): busy is already cleared, nothing more
    // can be shown.
  }
}

// ---------------------------------------------------------------------------------------------
// Writes

void ZnSNMPRequest2Controls::Apply(bool refreshAfterWrite, bool controlsToValues,
                                   const QString& mapping, const QStringList* valueSource) {
  lastOperation_ = Operation::Write;
  refreshAfterWrite_ = refreshAfterWrite;
  BeforeSet();
  if (controlsToValues) ControlsToValues();
  busy_ = true;
  if (mode == Mode::Blocking) {
    const ZnWaitStatusScope waitStatus(memo_, statusBar_, panel_);
    try {
      request_.Set(mapping, valueSource);
      AfterSet();
    } catch (...) {
      busy_ = false;
      throw;
    }
    busy_ = false;
    ReportStatus(OkText());
    if (request_.VarList.IsTable() && refreshAfterWrite_) Refresh();
    return;
  }
  if (!request_.Enabled) {
    busy_ = false;
    return;
  }
  try {
    request_.SetAsync(
        [this](void*, const ZnSNMPError& result, ZnSNMPVarList&) { WriteCompleted(result); }, this,
        mapping, valueSource);
  } catch (...) {
    busy_ = false;
    throw;
  }
}

void ZnSNMPRequest2Controls::WriteCompleted(const ZnSNMPError& result) {
  if (destroying_) return;
  try {
    if (result.Code != 0) {
      busy_ = false;
      OnSetError(result);
      if (OnSetDone) OnSetDone(this, result);
      return;
    }
    AfterSet();
    busy_ = false;
    lastOperation_ = Operation::Write;
    ReportStatus(OkText());
    if (OnSetDone) OnSetDone(this, result);
    if (request_.VarList.IsTable() && refreshAfterWrite_ && !OwnerGone()) Refresh();
  } catch (const ZnException& e) {
    CompletionFailed(result, e.Message(), e.Code(), Operation::Write);
  } catch (const std::exception& e) {
    CompletionFailed(result, QString::fromLocal8Bit(e.what()), ZnCode::UnknownError,
                     Operation::Write);
  }
}
