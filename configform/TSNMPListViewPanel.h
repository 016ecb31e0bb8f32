#pragma once

#include "TSNMPEditorPanel.h"

#include <QTreeWidget>

class QDialog;

// The holder of a table page's list view: its natural size follows the column captions.
class TListViewPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TListViewPanel(QWidget* parent);
  QTreeWidget* ListView() const { return view_; }
  QSize sizeHint() const override;

  int addIndex = -1;
  QString addValue;
  int deleteIndex = -1;
  QString deleteValue;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTreeWidget* view_;
};

// The table page: the table in a list view, and modal row dialogs that reuse the row editor —
// Add creates a row by writing the row-status variable's create value with the key columns and
// the ticked rows, Edit writes the ticked columns of the selected row, Delete writes the key
// columns and the destroy value.
class TSNMPListViewPanel : public TSNMPEditorPanel {
  Q_OBJECT

 public:
  TSNMPListViewPanel(QWidget* parent, ZnSNMPRequest2Edits* binding);
  ~TSNMPListViewPanel() override;

  // The row of `variable` must be a drop-down list offering `value`; otherwise raises.
  void SetAddStatus(int variable, const QString& value);
  void SetDeleteStatus(int variable, const QString& value);
  TListViewPanel* ListPanel() const { return list_; }
  // Double-clicking a row opens the Edit dialog unless switched off.
  void SetDoubleClickEditing(bool on) { doubleClickEdits_ = on; }

  void RefreshClick();
  void AddClick();
  void EditClick();
  void DeleteClick();

 private:
  void ArrangeListButtons();
  // Widens the columns to the values read, once per burst of rows.
  void ScheduleColumnFit();
  void FitColumnsToValues();
  void SelectionChanged();
  void UpdateCounter();
  // A modal dialog around the row editor; `caption` its title. Returns after it closed.
  void RunRowDialog(const QString& caption, bool startDisabled);
  // The caption of what holds the page: its tab, else its window.
  QString HolderCaption() const;

  TListViewPanel* list_;
  bool doubleClickEdits_ = true;
  bool columnFitPending_ = false;
};
