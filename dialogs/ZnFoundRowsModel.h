#pragma once

#include <QAbstractTableModel>
#include <QPointer>

#include <functional>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// The rows of a list view that pass a test, as a table model of their own, so that a second
// view shows only those while a binding goes on filling the list view. Rows that arrive later
// are tested as they come; a new test looks at every row once. Hiding the other rows in the list
// view itself would cost far more: it keeps one persistent index per hidden row and moves them
// all on every batch of new rows.
class ZnFoundRowsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using RowTest = std::function<bool(const QTreeWidgetItem& row)>;

  // Shows every row of `source` (not owned) until a test is set.
  explicit ZnFoundRowsModel(QTreeWidget* source, QObject* parent = nullptr);

  // A null test lets every row through.
  void SetTest(RowTest test);
  // The row of the list view that row `row` of this model shows.
  QTreeWidgetItem* SourceItem(int row) const;
  int SourceRowCount() const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  bool Passes(int sourceRow) const;
  void SourceRowsInserted(const QModelIndex& parent, int first, int last);
  void Rebuild();

  QPointer<QTreeWidget> source_;
  RowTest test_;
  std::vector<int> rows_;  // source rows shown, in source order
  int sourceRows_ = 0;     // source rows already looked at
};
