#include "TConfigForm.h"

#include "TSNMPEditorPanel.h"
#include "TSNMPListViewPanel.h"
#include "ZnException.h"
#include "ZnSNMPRequest2Edits.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

[[noreturn]] void Raise(const char* message) {
  throw ZnException(QString::fromLatin1(message), 0);
}

}  // namespace

TConfigForm::TConfigForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ConfigForm"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  // The first read starts once the dialog's own event loop runs.
  QMetaObject::invokeMethod(this, &TConfigForm::RefreshCurrentPage, Qt::QueuedConnection);
}

TConfigForm::~TConfigForm() {
  ReleaseRequests();
}

void TConfigForm::Place(QWidget* page, ZnSNMPRequest2Edits* binding) {
  requests_.push_back(binding);
  if (pages_) return;
  layout()->addWidget(page);
  Fit(page);
}

// The dialog grows to hold the page, up to 1000 × 550; beyond that the page scrolls inside.
void TConfigForm::Fit(QWidget* page) {
  QSize wanted = page->size().expandedTo(page->sizeHint());
  if (pages_) wanted += QSize(8, pages_->tabBar()->sizeHint().height() + 8);
  // The first page sets the size; later pages only make it grow.
  if (fitted_) wanted = wanted.expandedTo(size());
  fitted_ = true;
  resize(std::min(wanted.width(), kMaxWidth), std::min(wanted.height(), kMaxHeight));
}

void TConfigForm::GrowWidthBy(int pixels) {
  if (pixels <= 0 || width() >= kMaxWidth) return;
  resize(std::min(width() + pixels, kMaxWidth), height());
}

TSNMPEditorPanel* TConfigForm::AddEditor(ZnSNMPRequest2Edits* binding) {
  if (type_ != FormType::None) Raise("Can not change Type of a Config Form!");
  type_ = FormType::Editor;
  auto* page = new TSNMPEditorPanel(this, binding);
  Place(page, binding);
  return page;
}

void TConfigForm::SetPagesMode() {
  if (type_ != FormType::None) Raise("Can not change Type of a Config Form!");
  type_ = FormType::Pages;
  pages_ = new QTabWidget(this);
  // Without scroll buttons every tab stays in sight: a crowded bar shortens the captions rather
  // than scrolling some tabs away (Qt's tab bar has one row).
  pages_->setUsesScrollButtons(false);
  layout()->addWidget(pages_);
  connect(pages_, &QTabWidget::currentChanged, this, [this] { RefreshCurrentPage(); });
}

TSNMPEditorPanel* TConfigForm::AddEditorPage(const QString& caption, ZnSNMPRequest2Edits* binding) {
  if (type_ != FormType::Pages) Raise("Can not add editor page to a none-page pannel!");
  auto* page = new TSNMPEditorPanel(nullptr, binding);
  page->setProperty("Tag", static_cast<int>(requests_.size()));
  Place(page, binding);
  const QSignalBlocker quiet(pages_);  // adding the first tab must not read before the loop runs
  pages_->addTab(page, caption);
  Fit(page);
  return page;
}

namespace {

void SetRowStatusButtons(TSNMPListViewPanel* page, int addIndex, const QString& addValue,
                         int deleteIndex, const QString& deleteValue) {
  if (!addValue.isEmpty()) page->SetAddStatus(addIndex, addValue);
  if (!deleteValue.isEmpty()) page->SetDeleteStatus(deleteIndex, deleteValue);
}

}  // namespace

TSNMPListViewPanel* TConfigForm::AddListView(ZnSNMPRequest2Edits* binding, int addIndex,
                                             const QString& addValue, int deleteIndex,
                                             const QString& deleteValue) {
  if (type_ != FormType::None) Raise("Can not change Type of a Config Form!");
  type_ = FormType::ListView;
  auto* page = new TSNMPListViewPanel(this, binding);
  SetRowStatusButtons(page, addIndex, addValue, deleteIndex, deleteValue);
  Place(page, binding);
  return page;
}

TSNMPListViewPanel* TConfigForm::AddListViewPage(const QString& caption,
                                                 ZnSNMPRequest2Edits* binding, int addIndex,
                                                 const QString& addValue, int deleteIndex,
                                                 const QString& deleteValue) {
  if (type_ != FormType::Pages) Raise("Can not add listview page to a none-page pannel!");
  auto* page = new TSNMPListViewPanel(nullptr, binding);
  SetRowStatusButtons(page, addIndex, addValue, deleteIndex, deleteValue);
  page->setProperty("Tag", static_cast<int>(requests_.size()));
  Place(page, binding);
  const QSignalBlocker quiet(pages_);
  pages_->addTab(page, caption);
  Fit(page);
  return page;
}

void TConfigForm::RefreshCurrentPage() {
  int index = 0;
  switch (type_) {
    case FormType::None:
      return;
    case FormType::Editor:
    case FormType::ListView:
      break;
    case FormType::Pages:
      if (pages_->count() == 0) return;
      index = pages_->currentWidget()->property("Tag").toInt();
      break;
  }
  if (index < 0 || index >= static_cast<int>(requests_.size())) return;
  if (current_) current_->Request().Enabled = false;
  current_ = requests_[static_cast<size_t>(index)];
  current_->Request().Enabled = true;
  try {
    current_->Refresh();
  } catch (const ZnException& e) {
    current_->ReportStatus(e.Message());
  }
}

void TConfigForm::ReleaseRequests() {
  for (ZnSNMPRequest2Edits* binding : requests_) {
    binding->Request().Enabled = false;
    while (binding->Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    delete binding;
  }
  requests_.clear();
  current_ = nullptr;
}

void TConfigForm::closeEvent(QCloseEvent* event) {
  ReleaseRequests();
  QDialog::closeEvent(event);
}
