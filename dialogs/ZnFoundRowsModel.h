#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QString>

#include <functional>
#include <span>
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
  // Sees the texts of the key columns of one row, in the order they were given.
  using RowTest = std::function<bool(std::span<const QString> keys)>;

  // Shows every row of `source` (not owned) until a test is set. The texts of `keyColumns` are
  // kept aside as rows arrive, so that a new test runs over tens of thousands of rows between
  // two keystrokes.
  ZnFoundRowsModel(QTreeWidget* source, std::vector<int> keyColumns, QObject* parent = nullptr);

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
  void KeepKeys(int first, int last);
  void SourceRowsInserted(const QModelIndex& parent, int first, int last);
  void SourceChanged();
  void Refilter();

  QPointer<QTreeWidget> source_;
  std::vector<int> keyColumns_;
  std::vector<QString> keys_;  // the key texts of every source row, row after row
  RowTest test_;
  std::vector<int> rows_;  // source rows shown, in source order
  int sourceRows_ = 0;     // source rows already looked at
};
