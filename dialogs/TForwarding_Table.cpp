#include "TForwarding_Table.h"

#include "TButtonColumn.h"
#include "ZnDialogKit.h"
#include "ZnException.h"
#include "ZnForwardingQuery.h"
#include "ZnFoundRowsModel.h"
#include "ZnListExport.h"
#include "ZnOptionList.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPVarList.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr ZnOptionItem kFdbStatusItems[] = {{1, "other"}, {2, "invalid"}, {3, "learned"},
                                            {4, "self"},  {5, "mgmt"},    {0, nullptr}};
const ZnOptionList kFdbStatus(kFdbStatusItems);

constinit const ZnSNMPVarDef kForwarding[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "Address", ZnSyntax::MacAddress, ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", ZnSyntax::Integer, ZnAccess::ReadOnly, &kFdbStatus},
    {},
};

// A large table answers slowly row by row; every request waits this long (hundredths of a
// second) before it counts as lost.
constexpr int kFdbTimeout = 1000;

constexpr int kAddressColumn = 0;
constexpr int kPortColumn = 1;

}  // namespace

TForwarding_Table::TForwarding_Table(const QString& deviceAddress, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Forwarding Table"));
  FdbRows = new QTreeWidget(this);
  FdbRows->setObjectName(QStringLiteral("FdbRows"));
  FdbRows->hide();

  ED_Find = new QLineEdit(this);
  ED_Find->setObjectName(QStringLiteral("ED_Find"));
  ED_Find->setClearButtonEnabled(true);
  ED_Find->setPlaceholderText(QStringLiteral("MAC address, its first digits, or a port"));
  ED_Find->setToolTip(
      QStringLiteral("Shows the stations whose MAC address starts with what you type, in any "
                     "notation (00:1C:F0, 00-1c-f0, 001c.f0, 001CF0), or the stations learned "
                     "on a port (a number such as 12). Ctrl+F comes here; Esc clears it."));
  ED_Find->installEventFilter(this);
  auto* findLabel = new QLabel(QStringLiteral("&Find:"), this);
  findLabel->setBuddy(ED_Find);
  LB_Matches = new QLabel(this);
  LB_Matches->setObjectName(QStringLiteral("LB_Matches"));
  // Wide enough for the longest count, so that the find box keeps its size while typing.
  LB_Matches->setMinimumWidth(
      LB_Matches->fontMetrics().horizontalAdvance(QStringLiteral("00000 of 00000 rows")));
  LB_Matches->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  found_ = new ZnFoundRowsModel(FdbRows, {kAddressColumn, kPortColumn}, this);
  LV_Forwarding = new QTableView(this);
  LV_Forwarding->setObjectName(QStringLiteral("LV_Forwarding"));
  LV_Forwarding->setModel(found_);
  LV_Forwarding->setSelectionBehavior(QAbstractItemView::SelectRows);
  LV_Forwarding->setSelectionMode(QAbstractItemView::SingleSelection);
  LV_Forwarding->setEditTriggers(QAbstractItemView::NoEditTriggers);
  LV_Forwarding->setShowGrid(true);
  LV_Forwarding->setWordWrap(false);
  LV_Forwarding->verticalHeader()->hide();
  // Rows of one fixed height keep a list of tens of thousands of rows cheap to lay out.
  LV_Forwarding->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  LV_Forwarding->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  LV_Forwarding->horizontalHeader()->setHighlightSections(false);
  LV_Forwarding->horizontalHeader()->setStretchLastSection(true);
  LV_Forwarding->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The binding equips the list it fills (FdbRows, never shown); this view shows it.
  ZnEquipListView(LV_Forwarding);

  auto* buttons = new TButtonColumn(this);
  BT_Get = buttons->AddButton(QStringLiteral("Refresh"), QStringLiteral("BT_Get"));
  StatusPanel = ZnAddStatusBar(this, StatusBar1);

  auto* findRow = new QHBoxLayout;
  findRow->addWidget(findLabel);
  findRow->addWidget(ED_Find, 1);
  findRow->addWidget(LB_Matches);
  auto* list = new QVBoxLayout;
  list->addLayout(findRow);
  list->addWidget(LV_Forwarding, 1);
  auto* content = new QHBoxLayout;
  content->addLayout(list, 1);
  content->addWidget(buttons);
  ZnLayOutOverStatusBar(this, content, StatusBar1);
  // Tab leaves the table for the buttons instead of walking its cells.
  LV_Forwarding->setTabKeyNavigation(false);
  setTabOrder(ED_Find, LV_Forwarding);
  setTabOrder(LV_Forwarding, BT_Get);

  auto* find = new QShortcut(QKeySequence::Find, this);
  connect(find, &QShortcut::activated, this, [this] {
    ED_Find->setFocus(Qt::ShortcutFocusReason);
    ED_Find->selectAll();
  });
  connect(ED_Find, &QLineEdit::textChanged, this, &TForwarding_Table::FindTextChanged);
  connect(BT_Get, &QPushButton::clicked, this, &TForwarding_Table::BT_GetClick);
  connect(found_, &QAbstractItemModel::rowsInserted, this, &TForwarding_Table::ShowMatchCount);
  connect(found_, &QAbstractItemModel::modelReset, this, &TForwarding_Table::ShowMatchCount);
  // Rows that do not match still change the total.
  connect(FdbRows->model(), &QAbstractItemModel::rowsInserted, this,
          &TForwarding_Table::ShowMatchCount);

  FormCreate(deviceAddress);

  const QFontMetrics metrics = fontMetrics();
  LV_Forwarding->setColumnWidth(kAddressColumn,
                                metrics.horizontalAdvance(QStringLiteral("0")) * 14 + 16);
  LV_Forwarding->setColumnWidth(kPortColumn,
                                metrics.horizontalAdvance(QStringLiteral("Port")) * 2 + 16);
  resize(520, 480);
  ShowMatchCount();
}

TForwarding_Table::~TForwarding_Table() {
  ZnReleaseBinding(fdbBinding_);
  // The list of found rows goes before the rows it looks at, which empty themselves as they go
  // and would have it report to a dialog that is no more.
  FdbRows->model()->disconnect(this);
  LV_Forwarding->setModel(nullptr);
  delete found_;
}

void TForwarding_Table::FormCreate(const QString& deviceAddress) {
  // The leading blank is the device's own caption.
  setWindowTitle(QStringLiteral(" Transparent Bridge Forwarding Table: ") + deviceAddress);
  fdbBinding_ = new ZnSNMPRequest2Edits(this);
  try {
    fdbBinding_->VarList() = ZnSNMPVarList(kForwarding, ZnItemType::MVT_UMV, 1);
    fdbBinding_->Request().Timeout = kFdbTimeout;
    fdbBinding_->AttachListView(FdbRows, true);
    fdbBinding_->SetStatusTarget(StatusPanel);
    fdbBinding_->Refresh();
  } catch (const ZnException& e) {
    fdbBinding_->ReportStatus(e.Message());
  }
}

void TForwarding_Table::BT_GetClick() {
  // A second walk started beside the running one would interleave its rows with it: every
  // station would be listed twice. The running walk reads the table afresh anyway.
  if (fdbBinding_->Busy()) return;
  try {
    fdbBinding_->Refresh();
  } catch (const ZnException& e) {
    fdbBinding_->ReportStatus(e.Message());
  }
}

void TForwarding_Table::FindTextChanged(const QString& text) {
  const ZnForwardingQuery query(text);
  if (query.kind() == ZnForwardingQuery::Kind::All) {
    found_->SetTest(nullptr);
    return;
  }
  found_->SetTest(
      [query](std::span<const QString> keys) { return query.Matches(keys[0], keys[1]); });
}

void TForwarding_Table::ShowMatchCount() {
  const int total = found_->SourceRowCount();
  const int shown = found_->rowCount();
  const QString rows = total == 1 ? QStringLiteral("row") : QStringLiteral("rows");
  LB_Matches->setText(ED_Find->text().trimmed().isEmpty()
                          ? QStringLiteral("%1 %2").arg(total).arg(rows)
                          : QStringLiteral("%1 of %2 %3").arg(shown).arg(total).arg(rows));
}

bool TForwarding_Table::eventFilter(QObject* watched, QEvent* event) {
  // Esc in a find box with text clears it; the dialog closes on the next Esc only.
  if (watched == ED_Find && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !ED_Find->text().isEmpty()) {
    ED_Find->clear();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

std::unique_ptr<QDialog> CreateTForwarding_Table(const QString& deviceAddress, QWidget* parent) {
  return std::make_unique<TForwarding_Table>(deviceAddress, parent);
}
