#include "TSNMPPanel.h"

#include "TCtrlBtnPanel.h"
#include "ZnException.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnUserNotifier.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

TSNMPPanel::TSNMPPanel(QWidget* parent, ZnSNMPRequest2Edits* binding, QPlainTextEdit* sharedMemo)
    : QWidget(parent), binding_(binding), ownMemo_(sharedMemo == nullptr) {
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* columns = new QSplitter(Qt::Horizontal, this);
  outer->addWidget(columns);
  auto* left = new QSplitter(Qt::Vertical, columns);
  clientArea_ = new QWidget(left);
  auto* clientLayout = new QVBoxLayout(clientArea_);
  clientLayout->setContentsMargins(0, 0, 0, 0);
  if (ownMemo_) {
    memo_ = new QPlainTextEdit(left);
    memo_->setReadOnly(true);
    memo_->setTabChangesFocus(true);  // Tab moves on from the messages
    memo_->setMinimumHeight(kMemoHeight);
    left->setStretchFactor(0, 1);
    left->setStretchFactor(1, 0);
    left->setSizes({400, kMemoHeight});
  } else {
    memo_ = sharedMemo;
  }
  buttons_ = new TCtrlBtnPanel(columns);
  columns->setStretchFactor(0, 1);
  columns->setStretchFactor(1, 0);
  if (binding_ && memo_) binding_->SetStatusTarget(memo_);
  connect(buttons_->RefreshButton(), &QPushButton::clicked, this, &TSNMPPanel::RefreshClick);
  connect(buttons_->CloseButton(), &QPushButton::clicked, this, &TSNMPPanel::CloseClick);
}

void TSNMPPanel::SetClient(QWidget* client) {
  if (client_) client_->hide();
  client_ = client;
  clientArea_->layout()->addWidget(client);
  client->show();
  const QSize size = client->sizeHint();
  const int width = size.width() + TCtrlBtnPanel::kWidth + 3 + 6;
  const int height =
      std::max(size.height() + (ownMemo_ ? kMemoHeight + 6 : 0), buttons_->minimumHeight());
  resize(width, height);
}

void TSNMPPanel::RefreshClick() {
  if (binding_ == nullptr) return;  // a row dialog's frame reads nothing itself
  try {
    binding_->Refresh();
  } catch (const ZnException& e) {
    binding_->ReportStatus(e.Message());
  }
}

void TSNMPPanel::CloseClick() {
  if (QWidget* top = window()) top->close();
}
