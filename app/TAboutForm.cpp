#include "TAboutForm.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

QPixmap ZnModelIcon(qreal devicePixelRatio) {
  QPixmap pixmap(QSize(32, 32) * devicePixelRatio);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // A rack unit seen from the front: dark case, two rows of ports, a green power LED.
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(QColor(70, 75, 85));
  p.drawRoundedRect(QRectF(1.5, 9.5, 29, 13), 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(210, 210, 200));
  for (int column = 0; column < 6; ++column)
    for (int row = 0; row < 2; ++row)
      p.drawRect(QRectF(8 + column * 3.6, 11.5 + row * 5, 2.6, 3.5));
  p.setBrush(QColor(0, 200, 0));
  p.drawEllipse(QPointF(4.5, 13.5), 1.3, 1.3);
  return pixmap;
}

TAboutForm::~TAboutForm() {
  if (Instance == this) Instance = nullptr;
}

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
  setAttribute(Qt::WA_DeleteOnClose);  // each About opens its own box, which frees itself
  setWindowTitle(QStringLiteral("About NX-596 Module"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("ImageNX596"));
  icon->setPixmap(ZnModelIcon(devicePixelRatioF()));
  auto* product = new QLabel(QStringLiteral("Orvane NX-596 Management Module"), this);
  product->setObjectName(QStringLiteral("Label"));
  QFont bold = product->font();
  bold.setBold(true);
  product->setFont(bold);
  versionLabel_ = new QLabel(QStringLiteral("Release Version 4.20"), this);
  versionLabel_->setObjectName(QStringLiteral("VersionLabel"));
  ok_ = new QPushButton(QStringLiteral("Ok"), this);
  ok_->setObjectName(QStringLiteral("BT_Ok"));
  ok_->setDefault(true);
  ok_->installEventFilter(this);
  connect(ok_, &QPushButton::clicked, this, &QDialog::close);
  auto* layout = new QGridLayout(this);
  layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(product, 0, 1);
  layout->addWidget(versionLabel_, 1, 1);
  layout->addWidget(ok_, 2, 1, Qt::AlignRight);
  resize(352, 103);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ok_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F3 && (key->modifiers() & (Qt::ShiftModifier | Qt::AltModifier)) ==
                                        (Qt::ShiftModifier | Qt::AltModifier))
      versionLabel_->setText(QStringLiteral("Release Version 4.20R12(Build 2008/11/10)"));
  }
  return QDialog::eventFilter(watched, event);
}
