#pragma once

#include <QDialog>

#include <vector>

class QTabWidget;
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class ZnSNMPRequest2Edits;

// The generic configuration dialog: one scalar editor page, or several pages on tabs, each read
// through its own binding. The first read starts when the dialog's event loop runs; only the
// current page's request is enabled, so switching tabs stops the previous page's walk.
class TConfigForm : public QDialog {
  Q_OBJECT

 public:
  enum class FormType { None = 0, Editor = 1, ListView = 2, Pages = 3 };

  explicit TConfigForm(QWidget* parent = nullptr);
  ~TConfigForm() override;

  TSNMPEditorPanel* AddEditor(ZnSNMPRequest2Edits* binding);
  void SetPagesMode();
  TSNMPEditorPanel* AddEditorPage(const QString& caption, ZnSNMPRequest2Edits* binding);
  // A table page; Add and Delete are offered when their labels are given.
  TSNMPListViewPanel* AddListView(ZnSNMPRequest2Edits* binding, int addIndex,
                                  const QString& addValue, int deleteIndex,
                                  const QString& deleteValue);
  TSNMPListViewPanel* AddListViewPage(const QString& caption, ZnSNMPRequest2Edits* binding,
                                      int addIndex, const QString& addValue, int deleteIndex,
                                      const QString& deleteValue);

  // Refreshes the current page: the previous current request is disabled first.
  void RefreshCurrentPage();

  FormType Type() const { return type_; }
  QTabWidget* PageControl() const { return pages_; }
  const std::vector<ZnSNMPRequest2Edits*>& Requests() const { return requests_; }
  ZnSNMPRequest2Edits* Current() const { return current_; }

  // Widens the dialog by `pixels` for a page whose content grew after it was built (values read
  // that are wider than the captions), up to the largest width; never narrows it.
  void GrowWidthBy(int pixels);

  // Within a 1024 x 768 screen, frame included.
  static constexpr int kMaxWidth = 1000;
  static constexpr int kMaxHeight = 550;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Place(QWidget* page, ZnSNMPRequest2Edits* binding);
  void Fit(QWidget* page);
  // Disables every binding, waits until none is busy and deletes them.
  void ReleaseRequests();

  FormType type_ = FormType::None;
  QTabWidget* pages_ = nullptr;
  std::vector<ZnSNMPRequest2Edits*> requests_;
  ZnSNMPRequest2Edits* current_ = nullptr;
  bool fitted_ = false;
};
