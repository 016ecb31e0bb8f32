#include "ZnStaticFilterKit.h"

#include "TPortUitForm.h"
#include "ZnException.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPVarList.h"
#include "ZnValueFormat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr ZnOptionItem kFilterStatusItems[] = {{1, "other"},           {2, "invalid"},
                                               {3, "permanent"},       {4, "deleteOnReset"},
                                               {5, "deleteOnTimeout"}, {0, nullptr}};

constexpr int kFilterKeyCount = 3;

}  // namespace

const ZnOptionList kFilterStatusOptions(kFilterStatusItems);

QGroupBox* ZnFilterEntryGroup(QWidget* parent, const QString& macCaption, QLineEdit*& vid,
                              const QString& vidName, QLineEdit*& mac, const QString& macName,
                              QComboBox*& status, const QString& statusName) {
  auto* group = new QGroupBox(parent);
  vid = new QLineEdit(group);
  vid->setObjectName(vidName);
  mac = new QLineEdit(group);
  mac->setObjectName(macName);
  status = new QComboBox(group);
  status->setObjectName(statusName);
  // Wide enough for a whole MAC address and the longest state, "deleteOnTimeout".
  mac->setMinimumWidth(mac->fontMetrics().horizontalAdvance(QStringLiteral("DDDDDDDDDDDDDD")));
  status->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  auto* fields = new QGridLayout(group);
  fields->addWidget(new QLabel(QStringLiteral("VID"), group), 0, 0);
  fields->addWidget(vid, 0, 1);
  fields->addWidget(new QLabel(macCaption, group), 1, 0);
  fields->addWidget(mac, 1, 1);
  fields->addWidget(new QLabel(QStringLiteral("Status"), group), 2, 0);
  fields->addWidget(status, 2, 1);
  fields->setRowStretch(3, 1);
  return group;
}

void ZnFitGridHost(QWidget* host, const TPortUitForm* grid) {
  // The room a frame, a tab page and the grid's own margins take around the boxes.
  constexpr int kSurroundings = 48;
  int right = 0;
  for (const QCheckBox* box : grid->PortBoxes)
    if (!box->isHidden()) right = std::max(right, box->geometry().right());
  host->setMinimumWidth(right + kSurroundings);
}

ZnSNMPRequest2Edits* ZnMakeFilterBinding(QWidget* owner, const ZnSNMPVarDef* definitions,
                                         QTreeWidget* view, QLineEdit* vid, QLineEdit* mac,
                                         TPortUitForm* grid, QComboBox* status,
                                         QPlainTextEdit* memo) {
  auto* binding = new ZnSNMPRequest2Edits(owner);
  binding->VarList() = ZnSNMPVarList(definitions, ZnItemType::MVT_UMV, kFilterKeyCount);
  binding->AttachListView(view, true);
  binding->BindEdits(kFilterVid, QStringLiteral("%i{n1x4094}"), {vid});
  // Any usual notation of a MAC address may be typed ("00:1c:2e:00:00:01", "001c.2e00.0001").
  binding->BindEdits(kFilterMac, QStringLiteral("%s"), {mac});
  binding->BindCheckBoxes(kFilterPorts, TPortUitForm::PortBitIndexes(), grid->PortBoxes);
  binding->BindComboBox(kFilterStatus, status);
  binding->SetStatusTarget(memo);
  return binding;
}

void ZnPrepareFilterWrite(ZnSNMPRequest2Edits& binding, const QString& macText) {
  QByteArray mac;
  if (!ZnParseMacText(macText, mac)) throw ZnFrameworkError(ZnCode::BadInstance);
  binding.ReadControls();
  QString& receivePort = binding.VarList().Item(kFilterReceivePort).Value;
  if (receivePort.isEmpty()) receivePort = QStringLiteral("0");
}
