#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QDialog;
class QWidget;

// The hand-made dialogs by the class name the main menu gives for them. The dialog comes back
// captioned for the device and ready for a modal run; null for a class that is not built.
std::unique_ptr<QDialog> ZnCreateHandMadeDialog(const QString& className,
                                                const QString& deviceAddress, QWidget* parent);

// The class names of every hand-made dialog that can be made, in menu order of their rows.
QStringList ZnHandMadeDialogClasses();
