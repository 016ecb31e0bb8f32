#include "TSTP_Port.h"

#include "ZnDialogKit.h"
#include "ZnException.h"
#include "ZnOptionList.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPVarList.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr ZnOptionItem kPortStateItems[] = {{1, "disabled"}, {2, "blocking"},   {3, "listening"},
                                            {4, "learning"}, {5, "forwarding"}, {6, "broken"},
                                            {0, nullptr}};
const ZnOptionList kPortState(kPortStateItems);

constexpr ZnOptionItem kPortEnableItems[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const ZnOptionList kPortEnable(kPortEnableItems);

constexpr ZnOptionItem kTruthItems[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const ZnOptionList kTruth(kTruthItems);

constexpr ZnOptionItem kPointToPointItems[] = {
    {0, "forceTrue"}, {1, "forceFalse"}, {2, "Auto"}, {0, nullptr}};
const ZnOptionList kPointToPoint(kPointToPointItems);

// The readable port column is the key: each row's value names the port a write addresses. The
// trailing blanks of two captions widen their columns.
constinit const ZnSNMPVarDef kPortTable[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", ZnSyntax::Integer, ZnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", ZnSyntax::Integer, ZnAccess::ReadOnly,
     &kPortState},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", ZnSyntax::Integer, ZnAccess::ReadWrite, &kPortEnable},
    {"1.3.6.1.2.1.17.2.19.1.1", "Migration", ZnSyntax::Integer, ZnAccess::ReadWrite, &kTruth},
    {"1.3.6.1.2.1.17.2.19.1.2", "Edge", ZnSyntax::Integer, ZnAccess::ReadWrite, &kTruth},
    {"1.3.6.1.2.1.17.2.19.1.4", "Point To Point", ZnSyntax::Integer, ZnAccess::ReadWrite,
     &kPointToPoint},
    {"1.3.6.1.2.1.17.2.19.1.6", "PathCost", ZnSyntax::Gauge, ZnAccess::ReadWrite},
    {},
};

template <typename Control>
Control* Named(Control* control, const char* name) {
  control->setObjectName(QLatin1String(name));
  return control;
}

}  // namespace

TSTP_Port::TSTP_Port(const QString& deviceAddress, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("STP Port Table"));
  LV_STP_Port = Named(new QTreeWidget(this), "LV_STP_Port");
  ET_Priority = Named(new QLineEdit(this), "ET_Priority");
  Combo_Status = Named(new QComboBox(this), "Combo_Status");
  ET_PathCost = Named(new QLineEdit(this), "ET_PathCost");
  Combo_Migration = Named(new QComboBox(this), "Combo_Migration");
  Combo_Edge = Named(new QComboBox(this), "Combo_Edge");
  Combo_P2P = Named(new QComboBox(this), "Combo_P2P");
  BT_Get = Named(new QPushButton(QStringLiteral("Refresh"), this), "BT_Get");
  BT_Set = Named(new QPushButton(QStringLiteral("Set"), this), "BT_Set");
  BT_Get->setAutoDefault(false);
  BT_Set->setAutoDefault(false);
  StatusPanel = ZnAddStatusBar(this, StatusBar1);

  auto* fields = new QGridLayout;
  const std::pair<const char*, QWidget*> controls[] = {
      {"Priority (0-255)", ET_Priority},
      {"State", Combo_Status},
      {"Path Cost (1-200000000)", ET_PathCost},
      {"Migration", Combo_Migration},
      {"Edge", Combo_Edge},
      {"P2P", Combo_P2P},
  };
  for (int k = 0; k < 6; ++k) {
    auto* label = new QLabel(QLatin1String(controls[k].first), this);
    label->setBuddy(controls[k].second);
    const int row = k / 3;
    const int column = (k % 3) * 2;
    fields->addWidget(label, row, column);
    fields->addWidget(controls[k].second, row, column + 1);
    fields->setColumnStretch(column + 1, 1);
  }
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(BT_Get);
  buttons->addWidget(BT_Set);
  auto* lower = new QHBoxLayout;
  lower->addLayout(fields, 1);
  lower->addSpacing(12);
  lower->addLayout(buttons);
  auto* content = new QVBoxLayout;
  content->addWidget(LV_STP_Port, 1);
  content->addLayout(lower);
  auto* margins = new QWidget(this);
  margins->setLayout(content);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(margins, 1);
  layout->addWidget(StatusBar1);
  QWidget* const tabOrder[] = {LV_STP_Port, ET_Priority, Combo_Status, ET_PathCost, Combo_Migration,
                               Combo_Edge,  Combo_P2P,   BT_Get,       BT_Set};
  for (size_t k = 1; k < std::size(tabOrder); ++k) setTabOrder(tabOrder[k - 1], tabOrder[k]);
  resize(720, 520);

  connect(BT_Get, &QPushButton::clicked, this, &TSTP_Port::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &TSTP_Port::BT_SetClick);
  // A click on a row (also on the row already chosen) and a choice made with the keyboard.
  connect(LV_STP_Port, &QTreeWidget::itemClicked, this, &TSTP_Port::LV_STP_PortClick);
  connect(LV_STP_Port, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (!selectingAgain_) LV_STP_PortClick();
  });
  FormCreate(deviceAddress);
}

TSTP_Port::~TSTP_Port() {
  // The list view empties itself as it goes, after this part of the form is gone.
  LV_STP_Port->disconnect(this);
  ZnReleaseBinding(portBinding_);
}

void TSTP_Port::FormCreate(const QString& deviceAddress) {
  setWindowTitle(QStringLiteral("STP Port Table :") + deviceAddress);
  portBinding_ = new ZnSNMPRequest2Edits(this);
  try {
    portBinding_->VarList() = ZnSNMPVarList(kPortTable, ZnItemType::MVT_UMV, 1);
    portBinding_->mode = ZnSNMPRequest2Controls::Mode::Blocking;
    portBinding_->AttachListView(LV_STP_Port);
    portBinding_->BindEdits(1, QStringLiteral("%i{n0x255l3a}"), {ET_Priority});
    portBinding_->BindComboBox(3, Combo_Status);
    portBinding_->BindComboBox(4, Combo_Migration);
    portBinding_->BindComboBox(5, Combo_Edge);
    portBinding_->BindComboBox(6, Combo_P2P);
    portBinding_->BindEdits(7, QStringLiteral("%i{n1x200000000}"), {ET_PathCost});
    portBinding_->SetStatusTarget(StatusPanel);
    portBinding_->Refresh();
    BT_Set->setEnabled(false);
  } catch (const ZnException& e) {
    portBinding_->ReportStatus(e.Message());
  }
}

void TSTP_Port::LV_STP_PortClick() {
  QTreeWidgetItem* item = LV_STP_Port->currentItem();
  if (item == nullptr || !item->isSelected()) {
    BT_Set->setEnabled(false);
    return;
  }
  selectedRow_ = LV_STP_Port->indexOfTopLevelItem(item);
  BT_Set->setEnabled(true);
}

void TSTP_Port::BT_GetClick() {
  try {
    portBinding_->Refresh();
    BT_Set->setEnabled(false);
    ET_Priority->clear();
    ET_PathCost->clear();
  } catch (const ZnException& e) {
    portBinding_->ReportStatus(e.Message());
  }
}

void TSTP_Port::BT_SetClick() {
  if (ET_Priority->text().isEmpty()) {
    StatusPanel->setText(QStringLiteral("Please Input Value!"));
    return;
  }
  try {
    portBinding_->Apply(true, true);
    BT_Set->setEnabled(false);
    SelectAgain();
  } catch (const ZnException& e) {
    portBinding_->ReportStatus(e.Message());
  }
}

// The table read after a write may have fewer rows than before (a port that went away): then the
// remembered position names no row, and nothing is chosen.
void TSTP_Port::SelectAgain() {
  if (selectedRow_ < 0 || selectedRow_ >= LV_STP_Port->topLevelItemCount()) {
    LV_STP_Port->clearSelection();
    return;
  }
  QTreeWidgetItem* item = LV_STP_Port->topLevelItem(selectedRow_);
  selectingAgain_ = true;
  LV_STP_Port->setCurrentItem(item);
  selectingAgain_ = false;
  LV_STP_Port->scrollToItem(item);
}

std::unique_ptr<QDialog> CreateTSTP_Port(const QString& deviceAddress, QWidget* parent) {
  return std::make_unique<TSTP_Port>(deviceAddress, parent);
}
