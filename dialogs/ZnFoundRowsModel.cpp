#include "ZnFoundRowsModel.h"

#include <QTreeWidget>

ZnFoundRowsModel::ZnFoundRowsModel(QTreeWidget* source, std::vector<int> keyColumns,
                                   QObject* parent)
    : QAbstractTableModel(parent), source_(source), keyColumns_(std::move(keyColumns)) {
  QAbstractItemModel* model = source->model();
  connect(model, &QAbstractItemModel::rowsInserted, this, &ZnFoundRowsModel::SourceRowsInserted);
  // Anything but rows added at the end (a new walk clears the list) is rare: look again at all.
  connect(model, &QAbstractItemModel::rowsRemoved, this, &ZnFoundRowsModel::SourceChanged);
  connect(model, &QAbstractItemModel::rowsMoved, this, &ZnFoundRowsModel::SourceChanged);
  connect(model, &QAbstractItemModel::columnsInserted, this, &ZnFoundRowsModel::SourceChanged);
  connect(model, &QAbstractItemModel::columnsRemoved, this, &ZnFoundRowsModel::SourceChanged);
  connect(model, &QAbstractItemModel::modelReset, this, &ZnFoundRowsModel::SourceChanged);
  connect(model, &QAbstractItemModel::layoutChanged, this, &ZnFoundRowsModel::SourceChanged);
  connect(model, &QAbstractItemModel::dataChanged, this, &ZnFoundRowsModel::SourceChanged);
  connect(model, &QAbstractItemModel::headerDataChanged, this,
          [this](Qt::Orientation orientation, int first, int last) {
            emit headerDataChanged(orientation, first, last);
          });
  SourceChanged();
}

void ZnFoundRowsModel::SetTest(RowTest test) {
  test_ = std::move(test);
  Refilter();
}

QTreeWidgetItem* ZnFoundRowsModel::SourceItem(int row) const {
  if (!source_ || row < 0 || row >= static_cast<int>(rows_.size())) return nullptr;
  return source_->topLevelItem(rows_[static_cast<size_t>(row)]);
}

int ZnFoundRowsModel::SourceRowCount() const {
  return sourceRows_;
}

bool ZnFoundRowsModel::Passes(int sourceRow) const {
  if (!test_) return true;
  const size_t width = keyColumns_.size();
  return test_(
      std::span<const QString>(keys_).subspan(static_cast<size_t>(sourceRow) * width, width));
}

void ZnFoundRowsModel::KeepKeys(int first, int last) {
  for (int row = first; row <= last; ++row) {
    const QTreeWidgetItem* item = source_->topLevelItem(row);
    for (int column : keyColumns_) keys_.push_back(item ? item->text(column) : QString());
  }
}

void ZnFoundRowsModel::SourceRowsInserted(const QModelIndex& parent, int first, int last) {
  if (parent.isValid()) return;  // the list views of bindings are flat
  if (!source_ || first != sourceRows_) {
    SourceChanged();
    return;
  }
  KeepKeys(first, last);
  std::vector<int> passed;
  for (int row = first; row <= last; ++row)
    if (Passes(row)) passed.push_back(row);
  sourceRows_ = last + 1;
  if (passed.empty()) return;
  const int at = static_cast<int>(rows_.size());
  beginInsertRows(QModelIndex(), at, at + static_cast<int>(passed.size()) - 1);
  rows_.insert(rows_.end(), passed.begin(), passed.end());
  endInsertRows();
}

void ZnFoundRowsModel::SourceChanged() {
  keys_.clear();
  sourceRows_ = source_ ? source_->topLevelItemCount() : 0;
  if (sourceRows_ > 0) KeepKeys(0, sourceRows_ - 1);
  Refilter();
}

void ZnFoundRowsModel::Refilter() {
  beginResetModel();
  rows_.clear();
  rows_.reserve(static_cast<size_t>(sourceRows_));
  for (int row = 0; row < sourceRows_; ++row)
    if (Passes(row)) rows_.push_back(row);
  endResetModel();
}

int ZnFoundRowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ZnFoundRowsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !source_ ? 0 : source_->columnCount();
}

QVariant ZnFoundRowsModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return QVariant();
  const QTreeWidgetItem* item = SourceItem(index.row());
  return item ? QVariant(item->text(index.column())) : QVariant();
}

QVariant ZnFoundRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !source_)
    return QAbstractTableModel::headerData(section, orientation, role);
  return source_->headerItem()->text(section);
}
