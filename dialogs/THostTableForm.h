#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class THostTableEditForm;
class ZnSNMPRequest2Edits;

// The trusted host table: the management stations (an address, optionally with a subnet mask)
// that may manage the switch. The table is listed here and entries are deleted here; a new entry
// is typed, checked and created in the companion edit form, which lives as long as this dialog.
// The binding's controls are split between the two: the list view here, the entry fields there.
class THostTableForm : public QDialog {
  Q_OBJECT

 public:
  explicit THostTableForm(QWidget* parent = nullptr);
  ~THostTableForm() override;

  void GetButtonClick();
  void AddButtonClick();
  void DeleteButtonClick();

  ZnSNMPRequest2Edits* HostBinding() const { return hostBinding_; }
  THostTableEditForm* HostEditForm() const { return hostEditForm_.get(); }

  // The form's components, by their design names.
  QLabel* StaticText1;  // the row count
  QPushButton* GetButton;
  QPushButton* AddButton;
  QPushButton* DeleteButton;
  QPushButton* CloseButton;
  QTreeWidget* ListView1;
  QPlainTextEdit* Memo1;

 private:
  void FormCreate();
  void ListView1Change();
  void ListView1SelectItem();
  void AddToMemo(const QString& line);

  std::unique_ptr<THostTableEditForm> hostEditForm_;
  ZnSNMPRequest2Edits* hostBinding_ = nullptr;
};

// The hand-made dialog factory of the main menu.
std::unique_ptr<QDialog> CreateTHostTableForm(const QString& deviceAddress, QWidget* parent);
