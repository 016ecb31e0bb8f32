#include "ZnHandMadeDialogs.h"

#include "TBOOTCtrlTableForm.h"
#include "TSummerTimeForm.h"

#include "TGuestVlanForm.h"
#include "TVLanCurrentTableForm.h"
#include "TVlanStaticForm.h"

#include "TForwarding_Table.h"
#include "TLogSaveControlForm.h"
#include "TSMTPControlForm.h"

#include "THostTableForm.h"
#include "TSTP_Info.h"
#include "TSTP_Port.h"

#include "TIGMPRouterPortsForm.h"
#include "TMulticastFilterInformationForm.h"
#include "TUnicastFilterInformationForm.h"

#include <QDialog>

namespace {

using Factory = std::unique_ptr<QDialog> (*)(const QString& deviceAddress, QWidget* parent);

struct HandMadeDialog {
  const char* className;
  Factory create;
};

// One row per hand-made dialog, by the class name of its menu item.
const HandMadeDialog kDialogs[] = {
    {"TVlanStaticForm", &CreateTVlanStaticForm},
    {"TVLanCurrentTableForm", &CreateTVLanCurrentTableForm},
    {"TGuestVlanForm", &CreateTGuestVlanForm},
    {"TSummerTimeForm", &CreateTSummerTimeForm},
    {"TBOOTCtrlTableForm", &CreateTBOOTCtrlTableForm},
    {"TSMTPControlForm", &CreateTSMTPControlForm},
    {"TLogSaveControlForm", &CreateTLogSaveControlForm},
    {"TForwarding_Table", &CreateTForwarding_Table},
    {"TSTP_Info", &CreateTSTP_Info},
    {"TSTP_Port", &CreateTSTP_Port},
    {"THostTableForm", &CreateTHostTableForm},
    {"TUnicastFilterInformationForm", &CreateTUnicastFilterInformationForm},
    {"TMulticastFilterInformationForm", &CreateTMulticastFilterInformationForm},
    {"TIGMPRouterPortsForm", &CreateTIGMPRouterPortsForm},
    {nullptr, nullptr},
};

}  // namespace

std::unique_ptr<QDialog> ZnCreateHandMadeDialog(const QString& className,
                                                const QString& deviceAddress, QWidget* parent) {
  for (const HandMadeDialog& dialog : kDialogs)
    if (dialog.className && className == QLatin1String(dialog.className))
      return dialog.create(deviceAddress, parent);
  return nullptr;
}

QStringList ZnHandMadeDialogClasses() {
  QStringList classes;
  for (const HandMadeDialog& dialog : kDialogs)
    if (dialog.className) classes << QLatin1String(dialog.className);
  return classes;
}
