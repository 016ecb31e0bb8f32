#pragma once

#include <QString>

#include <cstdio>

class QWidget;

// The one seam through which the module talks to the user outside its windows: message boxes,
// beeps and the file dialog of a save. Nothing else calls QMessageBox, QApplication::beep or
// QFileDialog, so tests can replace it and read the exact texts and answers.
class ZnUserNotifier {
 public:
  enum class Buttons { Ok, OkCancel, YesNo };
  enum class Icon { None, Information, Warning, Critical, Question };

  virtual ~ZnUserNotifier() = default;
  // Shows a modal message; true when the user chose OK or Yes.
  virtual bool Message(QWidget* parent, const QString& caption, const QString& text,
                       Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
  // The short warning beep of a rejected keystroke (1000 Hz for 200 ms where the platform can).
  virtual void Beep() = 0;
  // Asks where to save a file: a modal save dialog titled `caption` that starts at
  // `suggestedName`, offering the file types of `filter` (QFileDialog's notation) and confirming
  // an overwrite; a name typed without an extension gets the suggested name's. The chosen path,
  // or empty when the user cancelled. The default is Qt's file dialog; a test's notifier
  // answers instead.
  virtual QString SaveFileName(QWidget* parent, const QString& caption,
                               const QString& suggestedName, const QString& filter);
  // Asks for a file to read (files of `filter`), or with `directory` for a directory: a modal
  // dialog titled `caption`. The chosen path, or empty when the user cancelled.
  virtual QString OpenName(QWidget* parent, const QString& caption, const QString& filter,
                           bool directory);
};

// The notifier in use: message boxes and the platform's beep unless a test installed another.
ZnUserNotifier& ZnNotifier();
// Installs a notifier (not owned); null puts the default back.
void ZnSetNotifier(ZnUserNotifier* notifier);

// The program's file name without directory: the caption of every message box that has no
// caption of its own (a binding's failure, an edit constraint, an input check, a plain message),
// in every window. Boxes with their own caption ("Exit", "Device Reboot", ...) keep it; only the
// program's last-resort display of an exception that escaped its window names the application.
QString ZnProgramFileName();

// The notifier for a platform without a screen (Qt's offscreen and minimal platforms), where no
// one could ever answer a message box and the program would wait for ever: every message goes
// to `out` as "caption: text" on one line, and the answer is the one that changes nothing —
// OK where OK is the only button, Cancel or No where there is a choice; a save or an open is
// cancelled.
class ZnConsoleNotifier : public ZnUserNotifier {
 public:
  explicit ZnConsoleNotifier(std::FILE* out = stderr) : out_(out) {}
  bool Message(QWidget* parent, const QString& caption, const QString& text,
               Buttons buttons = Buttons::Ok, Icon icon = Icon::None) override;
  void Beep() override {}
  QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggestedName,
                       const QString& filter) override;
  QString OpenName(QWidget* parent, const QString& caption, const QString& filter,
                   bool directory) override;

 private:
  std::FILE* out_;
};

// True when the application's platform shows nothing a user could see (offscreen, minimal).
bool ZnPlatformHasNoScreen();
// The program's start: installs a console notifier writing to the standard error when the
// platform has no screen, so that a message box cannot hold the program. True when it did.
bool ZnUseConsoleNotifierWithoutScreen();
