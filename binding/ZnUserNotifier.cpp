#include "ZnUserNotifier.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

class DefaultNotifier : public ZnUserNotifier {
 public:
  bool Message(QWidget* parent, const QString& caption, const QString& text, Buttons buttons,
               Icon icon) override {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
      case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
      case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
      case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
      case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
      case Icon::None:
        break;
    }
    switch (buttons) {
      case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
      case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
      case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    const int answer = box.exec();
    return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
  }
  void Beep() override { QApplication::beep(); }
};

DefaultNotifier gDefault;
ZnUserNotifier* gNotifier = nullptr;

}  // namespace

ZnUserNotifier& ZnNotifier() {
  return gNotifier ? *gNotifier : gDefault;
}

void ZnSetNotifier(ZnUserNotifier* notifier) {
  gNotifier = notifier;
}

QString ZnProgramFileName() {
  const QString path = QCoreApplication::applicationFilePath();
  return path.isEmpty() ? QCoreApplication::applicationName() : QFileInfo(path).fileName();
}
