#include "TProgressForm.h"

#include "ZnException.h"
#include "ZnSNMPRequest2Controls.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

constexpr int kLastPosition = 20;  // the window closes on the tick after this position

}  // namespace

TProgressForm::TProgressForm(QWidget* host, ZnSNMPRequest2Controls* hostBinding,
                             QLabel* statusPanel)
    : QDialog(host) {
  setWindowTitle(QStringLiteral("Progress"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  prompt_ = new QLabel(this);
  prompt_->setObjectName(QStringLiteral("LB_Prompt"));
  QFont bold = prompt_->font();
  bold.setBold(true);
  prompt_->setFont(bold);
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("ProgressBar"));
  bar_->setRange(0, 76);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addWidget(bar_);
  resize(358, 66);
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &TProgressForm::Tick);
  if (hostBinding == nullptr) return;
  hostBinding_ = hostBinding;
  hostSetDone_ = hostBinding->OnSetDone;
  hostBinding->OnSetDone = [this](ZnSNMPRequest2Controls* sender, const ZnSNMPError& result) {
    if (hostSetDone_) hostSetDone_(sender, result);
    if (result.Code != 0) EndOnFailure();
  };
  try {
    hostBinding->Apply(true, true);
  } catch (const ZnException& e) {
    if (statusPanel) statusPanel->setText(e.Message());
    EndOnFailure();
  }
}

TProgressForm::~TProgressForm() {
  if (hostBinding_) hostBinding_->OnSetDone = hostSetDone_;
}

void TProgressForm::EndOnFailure() {
  writeFailed_ = true;
  if (isVisible()) close();
}

void TProgressForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (writeFailed_) {
    // Closed once the modal loop runs: closing from inside the show would leave it waiting.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    return;
  }
  timer_.start();
}

void TProgressForm::Tick() {
  if (bar_->value() >= kLastPosition) {
    close();
    return;
  }
  bar_->setValue(bar_->value() + 1);
}

void TProgressForm::closeEvent(QCloseEvent* event) {
  timer_.stop();
  QDialog::closeEvent(event);
}
