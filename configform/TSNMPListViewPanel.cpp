#include "TSNMPListViewPanel.h"

#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "ZnException.h"
#include "ZnListExport.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnUserNotifier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QStyle>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

constexpr int kMaxListWidth = 450;
constexpr int kMaxHeaderWidth = 850;
constexpr int kListHeight = 350;
constexpr int kPixelsPerCaptionCharacter = 8;
constexpr qint64 kEditWaitMs = 1000;

[[noreturn]] void Raise(const QString& message) {
  throw ZnException(message, 0);
}

}  // namespace

// ---------------------------------------------------------------------------------------------

TListViewPanel::TListViewPanel(QWidget* parent) : QWidget(parent), view_(new QTreeWidget(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  view_->viewport()->installEventFilter(this);
  view_->setMouseTracking(true);
  // Equipped here as well as by the binding: the list offers copy and export even before a
  // binding is attached.
  ZnEquipListView(view_);
}

// Eight pixels per character of the column captions, at most 450 — but never narrower than the
// visible headers themselves (which grow with the values read), up to 850, so that no caption or
// value of a table of up to six or seven columns is clipped.
QSize TListViewPanel::sizeHint() const {
  int characters = 0, headers = 0;
  for (int k = 0; k < view_->columnCount(); ++k) {
    characters += view_->headerItem()->text(k).size();
    if (!view_->isColumnHidden(k)) headers += view_->header()->sectionSize(k);
  }
  // Room for the vertical scroll bar too, which a long table shows beside the last column.
  const int frame = 2 * view_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int width = std::min(frame + kPixelsPerCaptionCharacter * characters, kMaxListWidth);
  return {std::max(width, std::min(frame + headers, kMaxHeaderWidth)), kListHeight};
}

// Over a row, the hint lists every column: caption, tabs to line the values up, the cell text.
bool TListViewPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view_->viewport() || event->type() != QEvent::ToolTip)
    return QWidget::eventFilter(watched, event);
  auto* help = static_cast<QHelpEvent*>(event);
  const QTreeWidgetItem* item = view_->itemAt(help->pos());
  if (item == nullptr) {
    QToolTip::hideText();
    return true;
  }
  qsizetype longest = 0;
  for (int k = 0; k < view_->columnCount(); ++k)
    longest = std::max(longest, view_->headerItem()->text(k).size());
  QString hint;
  for (int k = 0; k < view_->columnCount(); ++k) {
    const QString caption = view_->headerItem()->text(k);
    // A cell of an object the row has not says so instead of showing an empty value.
    const QString value = item->toolTip(k) == ZnAbsentToolTip()
                              ? QStringLiteral("(not on this switch)")
                              : item->text(k);
    hint += caption + QString(longest - caption.size(), QLatin1Char('\t')) + QStringLiteral("  ") +
            value + QLatin1Char('\n');
  }
  QToolTip::showText(help->globalPos(), hint, view_->viewport());
  return true;
}

// ---------------------------------------------------------------------------------------------

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* parent, ZnSNMPRequest2Edits* binding)
    : TSNMPEditorPanel(parent, binding), list_(new TListViewPanel(this)) {
  editor_->hide();
  binding->AttachListView(list_->ListView(), false);
  QTreeWidget* view = list_->ListView();
  TCtrlBtnPanel* b = Buttons();
  disconnect(b->RefreshButton(), nullptr, this, nullptr);
  connect(b->RefreshButton(), &QPushButton::clicked, this, &TSNMPListViewPanel::RefreshClick);
  connect(b->AddButton(), &QPushButton::clicked, this, &TSNMPListViewPanel::AddClick);
  connect(b->EditButton(), &QPushButton::clicked, this, &TSNMPListViewPanel::EditClick);
  connect(b->DeleteButton(), &QPushButton::clicked, this, &TSNMPListViewPanel::DeleteClick);
  connect(view, &QTreeWidget::itemSelectionChanged, this, &TSNMPListViewPanel::SelectionChanged);
  connect(view, &QTreeWidget::itemDoubleClicked, this, [this] {
    if (doubleClickEdits_ && !list_->ListView()->selectedItems().isEmpty() &&
        Buttons()->EditButton()->isVisible())
      EditClick();
  });
  connect(view->model(), &QAbstractItemModel::rowsInserted, this,
          &TSNMPListViewPanel::UpdateCounter);
  connect(view->model(), &QAbstractItemModel::rowsInserted, this,
          &TSNMPListViewPanel::ScheduleColumnFit);
  connect(view->model(), &QAbstractItemModel::rowsRemoved, this,
          &TSNMPListViewPanel::UpdateCounter);
  connect(view->model(), &QAbstractItemModel::modelReset, this, &TSNMPListViewPanel::UpdateCounter);
  ArrangeListButtons();
  SetClient(list_);
}

TSNMPListViewPanel::~TSNMPListViewPanel() {
  // The list view outlives this part of the page while the widget tree is taken down; its
  // signals must not reach handlers that are already gone.
  list_->ListView()->disconnect(this);
  list_->ListView()->model()->disconnect(this);
}

void TSNMPListViewPanel::ScheduleColumnFit() {
  if (columnFitPending_) return;
  columnFitPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        columnFitPending_ = false;
        FitColumnsToValues();
      },
      Qt::QueuedConnection);
}

// The columns start as wide as their captions, so an address or a description would be cut to a
// few characters. They only grow, so that a refresh with shorter values does not make them jump;
// the dialog grows with them up to its largest width, beyond which the list scrolls.
void TSNMPListViewPanel::FitColumnsToValues() {
  QTreeWidget* view = list_->ListView();
  bool grown = false;
  for (int k = 0; k < view->columnCount(); ++k) {
    if (view->isColumnHidden(k)) continue;
    // Public on the base: the tree view re-declares it protected.
    const int wanted = static_cast<const QAbstractItemView*>(view)->sizeHintForColumn(k);
    if (wanted <= view->columnWidth(k)) continue;
    view->setColumnWidth(k, wanted);
    grown = true;
  }
  if (!grown) return;
  list_->updateGeometry();
  if (auto* form = qobject_cast<TConfigForm*>(window()))
    form->GrowWidthBy(list_->sizeHint().width() - list_->width());
}

void TSNMPListViewPanel::UpdateCounter() {
  Buttons()->Counter()->setText(QString::number(list_->ListView()->topLevelItemCount()));
}

void TSNMPListViewPanel::ArrangeListButtons() {
  TCtrlBtnPanel* b = Buttons();
  b->SamplesLabel()->show();
  b->Counter()->show();
  b->RefreshButton()->show();
  b->EditButton()->show();
  b->EditButton()->setEnabled(false);
  b->DeleteButton()->setEnabled(false);
  b->DeleteButton()->setVisible(list_->deleteIndex >= 0);
  b->AddButton()->setVisible(list_->addIndex >= 0);
  for (QWidget* hidden : {b->SetCheckedButton(), b->CheckAllButton(), b->ClearChecksButton()})
    hidden->hide();
  b->CloseButton()->show();
  bool editable = false;
  for (int i = 0; i < editor_->RowCount(); ++i)
    editable = editable || editor_->RowAt(i).check->isEnabled();
  const ZnSNMPVarList& vars = binding_->VarList();
  for (int i = 0; i < vars.Count() && !editable; ++i)
    editable = vars.IsWritable(i) && !vars.IsKey(i);
  if (!editable) b->EditButton()->hide();
  b->ArrangeButtons();
}

void TSNMPListViewPanel::SetAddStatus(int variable, const QString& value) {
  const auto* combo = variable >= 0 && variable < editor_->RowCount()
                          ? qobject_cast<QComboBox*>(editor_->RowAt(variable).value)
                          : nullptr;
  if (combo == nullptr || combo->findText(value) < 0)
    Raise(QStringLiteral("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:") + value);
  list_->addIndex = variable;
  list_->addValue = value;
  Buttons()->AddButton()->show();
  Buttons()->ArrangeButtons();
}

void TSNMPListViewPanel::SetDeleteStatus(int variable, const QString& value) {
  const auto* combo = variable >= 0 && variable < editor_->RowCount()
                          ? qobject_cast<QComboBox*>(editor_->RowAt(variable).value)
                          : nullptr;
  if (combo == nullptr || combo->findText(value) < 0)
    Raise(QStringLiteral("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:") + value);
  list_->deleteIndex = variable;
  list_->deleteValue = value;
  Buttons()->DeleteButton()->show();
  Buttons()->ArrangeButtons();
}

void TSNMPListViewPanel::SelectionChanged() {
  const bool selected = !list_->ListView()->selectedItems().isEmpty();
  Buttons()->EditButton()->setEnabled(selected);
  Buttons()->DeleteButton()->setEnabled(selected);
  if (!selected) editor_->ClearValues();
}

void TSNMPListViewPanel::RefreshClick() {
  if (binding_->mode == ZnSNMPRequest2Controls::Mode::Asynchronous && binding_->Busy()) return;
  Buttons()->EditButton()->setEnabled(false);
  Buttons()->DeleteButton()->setEnabled(false);
  try {
    binding_->Refresh();
  } catch (const ZnException& e) {
    binding_->ReportStatus(e.Message());
  }
  UpdateCounter();
}

QString TSNMPListViewPanel::HolderCaption() const {
  for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      const int index = tabs->indexOf(const_cast<TSNMPListViewPanel*>(this));
      if (index >= 0) return tabs->tabText(index);
    }
  }
  return window()->windowTitle();
}

void TSNMPListViewPanel::RunRowDialog(const QString& caption, bool startDisabled) {
  QDialog dialog(window());
  dialog.setWindowTitle(caption);
  auto* layout = new QVBoxLayout(&dialog);
  layout->setContentsMargins(0, 0, 0, 0);
  // The dialog's frame shares the page's memo and binding: its status lines appear on the page.
  auto* frame = new TSNMPPanel(&dialog, nullptr, Memo());
  layout->addWidget(frame);
  binding_->SetConstraintWindow(&dialog);
  QPushButton* set = frame->Buttons()->SetCheckedButton();
  set->setProperty("Tag", 1);
  connect(set, &QPushButton::clicked, this, [this, set] { SetChecked(set); });
  connect(frame->Buttons()->CheckAllButton(), &QPushButton::clicked, this,
          [this, set] { CheckAll(set); });
  connect(frame->Buttons()->ClearChecksButton(), &QPushButton::clicked, this,
          [this, set] { ClearChecks(set); });
  const QMetaObject::Connection checks =
      connect(editor_, &TEditsPanel::RowCheckClicked, set,
              [this, set] { set->setEnabled(AnyVisibleChecked()); });
  ArrangeEditorButtons(*frame->Buttons());
  frame->Buttons()->RefreshButton()->hide();
  // Edit starts with nothing ticked, so Set waits for a tick; a single editable row is ticked
  // already and has no check box to tick, so its Set is ready at once.
  if (startDisabled && !frame->Buttons()->CheckAllButton()->isHidden()) set->setEnabled(false);
  frame->Buttons()->ArrangeButtons();
  editor_->Layout();
  frame->SetClient(editor_);
  dialog.resize(frame->size().boundedTo(QSize(800, 550)));

  dialog.exec();

  disconnect(checks);
  editor_->hide();
  editor_->setParent(this);
  binding_->SetConstraintWindow(window());
}

void TSNMPListViewPanel::AddClick() {
  // The list gives up its row first: losing the selection empties the row editor, which must not
  // happen after the new row's status is set below.
  list_->ListView()->clearSelection();
  Buttons()->EditButton()->setEnabled(false);
  Buttons()->DeleteButton()->setEnabled(false);
  editor_->ClearValues();
  const ZnSNMPVarList& vars = binding_->VarList();
  editor_->ApplyRowStates(false);
  // The key columns are always part of the write.
  for (int i = 0; i < vars.KeyCount && i < editor_->RowCount(); ++i) {
    editor_->MakeRowEditable(i);
    QCheckBox* check = editor_->RowAt(i).check;
    check->setChecked(true);
    check->show();
    check->setEnabled(false);
  }
  if (list_->addIndex >= 0) {
    const TEditsPanel::Row& row = editor_->RowAt(list_->addIndex);
    if (auto* combo = qobject_cast<QComboBox*>(row.value))
      combo->setCurrentIndex(combo->findText(list_->addValue));
    row.value->setEnabled(false);
    row.check->setChecked(true);
    row.check->setEnabled(false);
  }
  RunRowDialog(HolderCaption() + QStringLiteral(" (Add)"), false);
  RefreshClick();
}

void TSNMPListViewPanel::EditClick() {
  if (list_->ListView()->selectedItems().isEmpty()) return;
  if (binding_->mode == ZnSNMPRequest2Controls::Mode::Asynchronous) {
    binding_->Request().Enabled = false;
    QElapsedTimer waited;
    waited.start();
    while (binding_->Busy() && waited.elapsed() < kEditWaitMs)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    binding_->Request().Enabled = true;
  }
  editor_->ApplyRowStates(false);
  // The row can be neither created nor destroyed from here; the labels come back afterwards at
  // their places, so that item index and option index still agree.
  struct Removed {
    QComboBox* combo;
    int index;
    QString text;
  };
  std::vector<Removed> removed;
  std::vector<int> hiddenRows;
  for (int statusIndex : {list_->addIndex, list_->deleteIndex}) {
    if (statusIndex < 0) continue;
    auto* combo = qobject_cast<QComboBox*>(editor_->RowAt(statusIndex).value);
    if (combo == nullptr) continue;
    for (const QString& label : {list_->addValue, list_->deleteValue}) {
      const int at = combo->findText(label);
      if (label.isEmpty() || at < 0) continue;
      removed.push_back({combo, at, label});
      combo->removeItem(at);
    }
    if (combo->count() == 0 &&
        std::find(hiddenRows.begin(), hiddenRows.end(), statusIndex) == hiddenRows.end()) {
      editor_->HideRow(statusIndex);
      hiddenRows.push_back(statusIndex);
    }
  }
  RunRowDialog(window()->windowTitle(), true);
  for (auto it = removed.rbegin(); it != removed.rend(); ++it)
    it->combo->insertItem(it->index, it->text);
  for (int row : hiddenRows) editor_->ShowRow(row);
  RefreshClick();
}

void TSNMPListViewPanel::DeleteClick() {
  if (!ZnNotifier().Message(this, ZnProgramFileName(), QStringLiteral("Are you sure to delete it?"),
                            ZnUserNotifier::Buttons::OkCancel, ZnUserNotifier::Icon::Question))
    return;
  const auto savedMode = binding_->mode;
  binding_->mode = ZnSNMPRequest2Controls::Mode::Blocking;
  ZnSNMPVarList& vars = binding_->VarList();
  std::vector<int> excluded;
  for (int i = std::max(0, vars.KeyCount); i < vars.Count(); ++i) {
    if (i == list_->deleteIndex || (vars.Item(i).Access & ZnAccess::Invalid)) continue;
    vars.Item(i).Access |= ZnAccess::Invalid;
    excluded.push_back(i);
  }
  try {
    binding_->ReadControls();
    if (list_->deleteIndex >= 0) vars.Item(list_->deleteIndex).Value = list_->deleteValue;
    binding_->Apply(false, false);
  } catch (const ZnException& e) {
    binding_->ReportStatus(e.Message());
  }
  for (int i : excluded) vars.Item(i).Access &= ~ZnAccess::Invalid;
  RefreshClick();
  binding_->mode = savedMode;
}
