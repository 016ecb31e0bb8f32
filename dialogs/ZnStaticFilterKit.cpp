#include "ZnStaticFilterKit.h"

#include "TPortUitForm.h"
#include "ZnException.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPVarList.h"

#include <QComboBox>
#include <QRegularExpression>

namespace {

constexpr ZnOptionItem kFilterStatusItems[] = {{1, "other"},           {2, "invalid"},
                                               {3, "permanent"},       {4, "deleteOnReset"},
                                               {5, "deleteOnTimeout"}, {0, nullptr}};

constexpr int kFilterKeyCount = 3;

}  // namespace

const ZnOptionList kFilterStatusOptions(kFilterStatusItems);

ZnSNMPRequest2Edits* ZnMakeFilterBinding(QWidget* owner, const ZnSNMPVarDef* definitions,
                                         QTreeWidget* view, QLineEdit* vid, QLineEdit* mac,
                                         TPortUitForm* grid, QComboBox* status,
                                         QPlainTextEdit* memo) {
  auto* binding = new ZnSNMPRequest2Edits(owner);
  binding->VarList() = ZnSNMPVarList(definitions, ZnItemType::MVT_UMV, kFilterKeyCount);
  binding->AttachListView(view, true);
  binding->BindEdits(kFilterVid, QStringLiteral("%i{n1x4094}"), {vid});
  binding->BindEdits(kFilterMac, QStringLiteral("%h"), {mac});
  binding->BindCheckBoxes(kFilterPorts, TPortUitForm::PortBitIndexes(), grid->PortBoxes);
  binding->BindComboBox(kFilterStatus, status);
  binding->SetStatusTarget(memo);
  return binding;
}

void ZnPrepareFilterWrite(ZnSNMPRequest2Edits& binding, const QString& macText) {
  static const QRegularExpression kSixOctets(QStringLiteral("^[0-9A-Fa-f]{12}$"));
  if (!kSixOctets.match(QString(macText).remove(QLatin1Char(' '))).hasMatch())
    throw ZnFrameworkError(ZnCode::BadInstance);
  binding.ReadControls();
  QString& receivePort = binding.VarList().Item(kFilterReceivePort).Value;
  if (receivePort.isEmpty()) receivePort = QStringLiteral("0");
}
