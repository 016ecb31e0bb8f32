#pragma once

#include <QWidget>

class QPlainTextEdit;
class QSplitter;
class TCtrlBtnPanel;
class ZnSNMPRequest2Edits;

// The frame of a page: the button column at the right, the page's client control, and under it
// the message memo that is the binding's status target (or the memo of another frame, shared).
class TSNMPPanel : public QWidget {
  Q_OBJECT

 public:
  // With `sharedMemo` null the frame has a memo of its own.
  TSNMPPanel(QWidget* parent, ZnSNMPRequest2Edits* binding, QPlainTextEdit* sharedMemo = nullptr);

  void SetClient(QWidget* client);
  QWidget* Client() const { return client_; }
  TCtrlBtnPanel* Buttons() const { return buttons_; }
  QPlainTextEdit* Memo() const { return memo_; }
  ZnSNMPRequest2Edits* Binding() const { return binding_; }

  // Refreshes the binding; a failure is written to the memo.
  void RefreshClick();
  // Closes the window that holds the frame.
  void CloseClick();

  static constexpr int kMemoHeight = 50;

 protected:
  ZnSNMPRequest2Edits* binding_;

 private:
  TCtrlBtnPanel* buttons_;
  QWidget* clientArea_;
  QPlainTextEdit* memo_;
  bool ownMemo_;
  QWidget* client_ = nullptr;
};
