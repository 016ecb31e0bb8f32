#include "TSwitchEditForm.h"

#include "ZnEditConstraint.h"
#include "ZnSwitchProbe.h"
#include "ZnUserNotifier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Captions and the numbers of the command line, in the order a person picks from.
struct Choice {
  const char* caption;
  int value;
};
constexpr Choice kVersions[] = {{"SNMPv1", 0}, {"SNMPv2c", 1}, {"SNMPv3", 3}};
constexpr Choice kLevels[] = {{"noAuthNoPriv", 1}, {"authNoPriv", 2}, {"authPriv", 3}};
constexpr Choice kAuthProtocols[] = {{"MD5", 2},     {"SHA", 3},     {"SHA-224", 4},
                                     {"SHA-256", 5}, {"SHA-384", 6}, {"SHA-512", 7}};
constexpr Choice kPrivProtocols[] = {{"DES", 2}, {"AES-128", 4}, {"AES-192", 20}, {"AES-256", 21}};
// USM derives keys only from pass phrases of at least this length (RFC 3414's advice, which
// net-snmp enforces).
constexpr int kMinPassPhrase = 8;

template <std::size_t N>
QComboBox* Combo(QWidget* parent, const char* name, const Choice (&choices)[N], int value) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  for (const Choice& c : choices) combo->addItem(QString::fromLatin1(c.caption), c.value);
  const int at = combo->findData(value);
  combo->setCurrentIndex(at >= 0 ? at : 0);
  return combo;
}

int Value(const QComboBox* combo) {
  return combo->currentData().toInt();
}

QLineEdit* Edit(QWidget* parent, const char* name, const QString& text, bool secret = false) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(QString::fromLatin1(name));
  if (secret) edit->setEchoMode(QLineEdit::Password);
  return edit;
}

}  // namespace

TSwitchEditForm::TSwitchEditForm(const QString& caption, const ZnSwitchEntry& e,
                                 const ZnSwitchSecrets& secrets, bool sessionOnly, QWidget* parent)
    : QDialog(parent), id_(e.Id), constraint_(std::make_unique<ZnEditConstraint>(this, true)) {
  setObjectName(QStringLiteral("SwitchEditForm"));
  setWindowTitle(caption);

  ED_Name = Edit(this, "ED_Name", e.Name);
  ED_Address = Edit(this, "ED_Address", e.Address);
  ED_Port = Edit(this, "ED_Port", QString::number(e.Port));
  CB_Version = Combo(this, "CB_Version", kVersions, e.Version);
  ED_ReadCommunity = Edit(this, "ED_ReadCommunity", secrets.ReadCommunity, true);
  ED_WriteCommunity = Edit(this, "ED_WriteCommunity", secrets.WriteCommunity, true);
  ED_User = Edit(this, "ED_User", e.SecurityName);
  CB_Level = Combo(this, "CB_Level", kLevels, e.SecurityLevel);
  CB_AuthProtocol = Combo(this, "CB_AuthProtocol", kAuthProtocols, e.AuthProtocol);
  ED_AuthPassword = Edit(this, "ED_AuthPassword", secrets.AuthPassword, true);
  CB_PrivProtocol = Combo(this, "CB_PrivProtocol", kPrivProtocols, e.PrivProtocol);
  ED_PrivPassword = Edit(this, "ED_PrivPassword", secrets.PrivPassword, true);
  ED_ContextName = Edit(this, "ED_ContextName", e.ContextName);
  ED_ContextEngineID = Edit(this, "ED_ContextEngineID", e.ContextEngineID);
  ED_BulkRepetitions = Edit(this, "ED_BulkRepetitions", QString::number(e.BulkRepetitions));
  CK_SessionOnly = new QCheckBox(
      QStringLiteral("Re&member the communities and pass phrases for this session only"), this);
  CK_SessionOnly->setObjectName(QStringLiteral("CK_SessionOnly"));
  CK_SessionOnly->setChecked(sessionOnly);

  // The program's own formats: the port and the repetitions are numbers in their range, the
  // texts as long as the switch takes them.
  constraint_->Attach(QStringLiteral("%s{l64}"), ED_Name);
  constraint_->Attach(QStringLiteral("%s{l253n}"), ED_Address);
  constraint_->Attach(QStringLiteral("%u{n1x65535l5n}"), ED_Port);
  constraint_->Attach(QStringLiteral("%s{l32}"), ED_ReadCommunity);
  constraint_->Attach(QStringLiteral("%s{l32}"), ED_WriteCommunity);
  constraint_->Attach(QStringLiteral("%s{l32}"), ED_User);
  constraint_->Attach(QStringLiteral("%s{l64}"), ED_AuthPassword);
  constraint_->Attach(QStringLiteral("%s{l64}"), ED_PrivPassword);
  constraint_->Attach(QStringLiteral("%s{l32}"), ED_ContextName);
  constraint_->Attach(QStringLiteral("%s{l64}"), ED_ContextEngineID);
  constraint_->Attach(QStringLiteral("%u{n0x1000l4n}"), ED_BulkRepetitions);

  auto* device = new QGroupBox(QStringLiteral("Switch"), this);
  auto* deviceForm = new QFormLayout(device);
  deviceForm->addRow(QStringLiteral("&Name:"), ED_Name);
  deviceForm->addRow(QStringLiteral("&Address:"), ED_Address);
  deviceForm->addRow(QStringLiteral("&Port:"), ED_Port);
  deviceForm->addRow(QStringLiteral("&Version:"), CB_Version);
  deviceForm->addRow(QStringLiteral("&Bulk repetitions:"), ED_BulkRepetitions);

  auto* communities = new QGroupBox(QStringLiteral("SNMPv1 and SNMPv2c"), this);
  communities->setObjectName(QStringLiteral("GB_Communities"));
  auto* communityForm = new QFormLayout(communities);
  communityForm->addRow(QStringLiteral("&Read community:"), ED_ReadCommunity);
  communityForm->addRow(QStringLiteral("&Write community:"), ED_WriteCommunity);

  auto* v3 = new QGroupBox(QStringLiteral("SNMPv3"), this);
  v3->setObjectName(QStringLiteral("GB_V3"));
  auto* v3Form = new QFormLayout(v3);
  v3Form->addRow(QStringLiteral("&User:"), ED_User);
  v3Form->addRow(QStringLiteral("Security &level:"), CB_Level);
  v3Form->addRow(QStringLiteral("Authenti&cation:"), CB_AuthProtocol);
  v3Form->addRow(QStringLiteral("Authentication pass p&hrase:"), ED_AuthPassword);
  v3Form->addRow(QStringLiteral("Pr&ivacy:"), CB_PrivProtocol);
  v3Form->addRow(QStringLiteral("Privac&y pass phrase:"), ED_PrivPassword);
  v3Form->addRow(QStringLiteral("Conte&xt name:"), ED_ContextName);
  v3Form->addRow(QStringLiteral("Context &engine ID:"), ED_ContextEngineID);

  BT_Test = new QPushButton(QStringLiteral("&Test"), this);
  BT_Test->setObjectName(QStringLiteral("BT_Test"));
  BT_Test->setAutoDefault(false);
  LB_TestResult = new QLabel(this);
  LB_TestResult->setObjectName(QStringLiteral("LB_TestResult"));
  LB_TestResult->setWordWrap(true);
  LB_TestResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
  LB_TestResult->setMinimumHeight(fontMetrics().lineSpacing() * 3);
  auto* test = new QHBoxLayout;
  test->addWidget(BT_Test, 0, Qt::AlignTop);
  test->addWidget(LB_TestResult, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName(QStringLiteral("Buttons"));
  connect(buttons, &QDialogButtonBox::accepted, this, &TSwitchEditForm::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TSwitchEditForm::reject);

  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(device);
  left->addWidget(communities);
  left->addStretch(1);
  columns->addLayout(left);
  columns->addWidget(v3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(CK_SessionOnly);
  layout->addLayout(test);
  layout->addWidget(buttons);

  // Tab follows the columns as they are seen, top to bottom, left column first.
  QWidget* const order[] = {ED_Name,
                            ED_Address,
                            ED_Port,
                            CB_Version,
                            ED_BulkRepetitions,
                            ED_ReadCommunity,
                            ED_WriteCommunity,
                            ED_User,
                            CB_Level,
                            CB_AuthProtocol,
                            ED_AuthPassword,
                            CB_PrivProtocol,
                            ED_PrivPassword,
                            ED_ContextName,
                            ED_ContextEngineID,
                            CK_SessionOnly,
                            BT_Test};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  setTabOrder(BT_Test, buttons);

  connect(CB_Version, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabled(); });
  connect(CB_Level, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabled(); });
  connect(BT_Test, &QPushButton::clicked, this, [this] { BT_TestClick(); });
  UpdateEnabled();
  ED_Name->setFocus();
}

TSwitchEditForm::~TSwitchEditForm() {
  if (testTicket_ != 0) ZnSNMPCancel(testTicket_);
}

ZnSwitchEntry TSwitchEditForm::Entry() const {
  ZnSwitchEntry e;
  e.Id = id_;
  e.Name = ED_Name->text();
  e.Address = ED_Address->text().trimmed();
  e.Port = static_cast<std::uint16_t>(std::clamp(ED_Port->text().toInt(), 0, 65535));
  e.Version = Value(CB_Version);
  e.SecurityName = ED_User->text();
  e.SecurityLevel = Value(CB_Level);
  e.AuthProtocol = Value(CB_AuthProtocol);
  e.PrivProtocol = Value(CB_PrivProtocol);
  e.ContextName = ED_ContextName->text();
  e.ContextEngineID = ED_ContextEngineID->text();
  e.BulkRepetitions = ED_BulkRepetitions->text().toInt();
  if (e.Name.trimmed().isEmpty()) e.Name = e.Address;
  return e;
}

ZnSwitchSecrets TSwitchEditForm::Secrets() const {
  return {ED_ReadCommunity->text(), ED_WriteCommunity->text(), ED_AuthPassword->text(),
          ED_PrivPassword->text()};
}

bool TSwitchEditForm::SessionOnly() const {
  return CK_SessionOnly->isChecked();
}

QString TSwitchEditForm::Problem() const {
  const ZnSwitchEntry e = Entry();
  if (QString problem = ZnSwitchEntryProblem(e); !problem.isEmpty()) return problem;
  if (e.Version == 3 && e.SecurityLevel >= 2 && ED_AuthPassword->text().size() < kMinPassPhrase)
    return QStringLiteral("Authentication pass phrase: at least %1 characters.")
        .arg(kMinPassPhrase);
  if (e.Version == 3 && e.SecurityLevel >= 3 && ED_PrivPassword->text().size() < kMinPassPhrase)
    return QStringLiteral("Privacy pass phrase: at least %1 characters.").arg(kMinPassPhrase);
  return {};
}

void TSwitchEditForm::accept() {
  if (const QString problem = Problem(); !problem.isEmpty()) {
    ZnNotifier().Message(this, windowTitle(), problem, ZnUserNotifier::Buttons::Ok,
                         ZnUserNotifier::Icon::Warning);
    return;
  }
  QDialog::accept();
}

void TSwitchEditForm::UpdateEnabled() {
  const bool v3 = Value(CB_Version) == 3;
  const int level = Value(CB_Level);
  ED_ReadCommunity->setEnabled(!v3);
  ED_WriteCommunity->setEnabled(!v3);
  for (QWidget* w :
       {static_cast<QWidget*>(ED_User), static_cast<QWidget*>(CB_Level),
        static_cast<QWidget*>(ED_ContextName), static_cast<QWidget*>(ED_ContextEngineID)})
    w->setEnabled(v3);
  CB_AuthProtocol->setEnabled(v3 && level >= 2);
  ED_AuthPassword->setEnabled(v3 && level >= 2);
  CB_PrivProtocol->setEnabled(v3 && level >= 3);
  ED_PrivPassword->setEnabled(v3 && level >= 3);
}

void TSwitchEditForm::BT_TestClick() {
  if (testTicket_ != 0) return;
  if (const QString problem = Problem(); !problem.isEmpty()) {
    LB_TestResult->setText(problem);
    return;
  }
  BT_Test->setEnabled(false);
  LB_TestResult->setText(
      QStringLiteral("Reading sysDescr, sysName and sysUpTime of %1…").arg(ED_Address->text()));
  // A target that cannot be sent to completes at once and gives ticket 0, as the completion
  // leaves it.
  testTicket_ = ZnProbeSwitch(ZnSwitchTarget(Entry(), Secrets()), [this](const ZnProbeResult& r) {
    testTicket_ = 0;
    LB_TestResult->setText(ZnDescribeProbe(r));
    BT_Test->setEnabled(true);
  });
}
