#include "ZnUserNotifier.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdio>

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
ZnConsoleNotifier gConsole;
ZnUserNotifier* gNotifier = nullptr;

}  // namespace

QString ZnUserNotifier::SaveFileName(QWidget* parent, const QString& caption,
                                     const QString& suggestedName, const QString& filter) {
  QFileDialog dialog(parent, caption, suggestedName, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // A name typed without an extension gets the one of the suggested name.
  dialog.setDefaultSuffix(QFileInfo(suggestedName).suffix());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString ZnUserNotifier::OpenName(QWidget* parent, const QString& caption, const QString& filter,
                                 bool directory) {
  QFileDialog dialog(parent, caption, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(directory ? QFileDialog::Directory : QFileDialog::ExistingFile);
  if (directory) dialog.setOption(QFileDialog::ShowDirsOnly);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

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

bool ZnConsoleNotifier::Message(QWidget*, const QString& caption, const QString& text,
                                Buttons buttons, Icon) {
  // One line per message, whatever line feeds the text has, so a log reads one entry a line.
  QString line = caption.isEmpty() ? text : caption + QStringLiteral(": ") + text;
  line.replace(QLatin1Char('\n'), QLatin1Char(' '));
  std::fprintf(out_, "%s\n", line.toLocal8Bit().constData());
  std::fflush(out_);
  return buttons == Buttons::Ok;
}

QString ZnConsoleNotifier::SaveFileName(QWidget*, const QString& caption,
                                        const QString& suggestedName, const QString&) {
  std::fprintf(out_, "%s: %s not saved: no screen to choose a file on\n",
               caption.toLocal8Bit().constData(), suggestedName.toLocal8Bit().constData());
  std::fflush(out_);
  return {};
}

QString ZnConsoleNotifier::OpenName(QWidget*, const QString& caption, const QString&, bool) {
  std::fprintf(out_, "%s: nothing opened: no screen to choose a file on\n",
               caption.toLocal8Bit().constData());
  std::fflush(out_);
  return {};
}

bool ZnPlatformHasNoScreen() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

bool ZnUseConsoleNotifierWithoutScreen() {
  if (!ZnPlatformHasNoScreen()) return false;
  ZnSetNotifier(&gConsole);
  return true;
}
