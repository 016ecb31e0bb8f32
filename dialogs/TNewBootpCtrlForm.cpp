#include "TNewBootpCtrlForm.h"

#include "TBOOTCtrlTableForm.h"
#include "ZnUserNotifier.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNewBootpCtrlForm::TNewBootpCtrlForm(TBOOTCtrlTableForm* relayForm)
    : QDialog(relayForm), relayForm_(relayForm) {
  setWindowTitle(QStringLiteral("New DHCP Ctrl Entry"));
  Edit1_ = new QLineEdit(this);
  Edit1_->setObjectName(QStringLiteral("Edit1"));
  Edit2_ = new QLineEdit(this);
  Edit2_->setObjectName(QStringLiteral("Edit2"));
  DeleteBtn_ = new QPushButton(QStringLiteral("Set"), this);
  DeleteBtn_->setObjectName(QStringLiteral("DeleteBtn"));
  BitBtn1_ = new QPushButton(QStringLiteral("Close"), this);
  BitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
  for (QPushButton* button : {DeleteBtn_, BitBtn1_}) button->setAutoDefault(false);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Interface Name"), Edit1_);
  fields->addRow(QStringLiteral("DHCP Server IP"), Edit2_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(DeleteBtn_);
  buttons->addWidget(BitBtn1_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  Edit1_->setMinimumWidth(160);

  connect(DeleteBtn_, &QPushButton::clicked, this, &TNewBootpCtrlForm::DeleteBtnClick);
  connect(BitBtn1_, &QPushButton::clicked, this, &TNewBootpCtrlForm::BitBtn1Click);
}

void TNewBootpCtrlForm::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

// A read of the table disables the bound edits until a row is chosen; here they take new input.
void TNewBootpCtrlForm::FormActivate() {
  for (QLineEdit* edit : {Edit1_, Edit2_}) {
    edit->setEnabled(true);
    edit->clear();
  }
  Edit1_->setFocus();
}

void TNewBootpCtrlForm::DeleteBtnClick() {
  if (relayForm_->ServersOf(Edit1_->text(), kServersPerInterface) >= kServersPerInterface) {
    ZnNotifier().Message(this, ZnProgramFileName(),
                         QStringLiteral("One interface can support four bootp servers at most."),
                         ZnUserNotifier::Buttons::Ok, ZnUserNotifier::Icon::Warning);
    return;
  }
  if (!relayForm_->CreateEntry()) return;
  Edit1_->clear();
  Edit2_->clear();
  accept();
}

void TNewBootpCtrlForm::BitBtn1Click() {
  reject();
}
