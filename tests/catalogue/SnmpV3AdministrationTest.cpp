// An administrator sets up a read-only monitoring account through the dialogs of the "SNMP V3"
// menu alone, over SNMPv3 with authentication and privacy, against the simulated switch whose
// SNMPv3 tables are net-snmp's own: a view of the system group, an access entry that reads it, a
// group for the new user and the user itself, cloned from an existing one. The new user then reads
// what the view holds and nothing else; deleting the entries takes that away again.
#include "AgentSuite.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TSNMPListViewPanel.h"
#include "TestApplication.h"
#include "WhenModal.h"
#include "ZnCatalogue.h"
#include "ZnCatalogueDialog.h"
#include "ZnException.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPSettings.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <map>
#include <memory>

namespace {

struct Credentials {
  const char* user;
  const char* authPassword;
  const char* privPassword;
};

// The administrator, and the user the new account is cloned from: HMAC-SHA and AES-128.
const Credentials kAdministrator = {"nx-aes", "nx-aes-auth", "nx-aes-priv"};
// A clone has the keys of its original, so it logs in with the original's pass phrases.
const Credentials kMonitor = {"monitor", "nx-aes-auth", "nx-aes-priv"};

void UseAuthPriv(const Credentials& who) {
  ZnSNMPSecurity& security = ZnSNMPGlobalSecurity;
  security.Version = 3;
  security.SecurityModel = 3;
  security.SecurityName = QString::fromUtf8(who.user);
  security.SecurityLevel = 3;
  security.AuthProtocol = 3;  // HMAC-SHA
  security.AuthPassword = QString::fromUtf8(who.authPassword);
  security.PrivProtocol = 4;  // AES-128
  security.PrivPassword = QString::fromUtf8(who.privPassword);
}

bool Idle(const TSNMPPanel& panel) {
  return !panel.Binding()->Busy() && !panel.Memo()->toPlainText().isEmpty();
}

QString TextOf(const TEditsPanel::Row& row) {
  if (const auto* combo = qobject_cast<const QComboBox*>(row.value)) return combo->currentText();
  if (const auto* edit = qobject_cast<const QLineEdit*>(row.value)) return edit->text();
  return {};
}

// One dialog of the "SNMP V3" menu, opened as its menu item opens it, on the page of a tab.
class AdministrationDialog {
 public:
  AdministrationDialog(const char* component, const QString& tab) {
    const ZnCatalogueEntry* entry = ZnFindCatalogueEntry(component);
    EXPECT_NE(entry, nullptr) << component;
    if (entry == nullptr) return;
    QString title;
    form_ = ZnBuildCatalogueDialog(*entry, QStringLiteral("127.0.0.1"), title);
    form_->show();
    // The first page reads once shown; the page wanted is chosen after that read.
    QTabWidget* tabs = form_->PageControl();
    auto* first =
        qobject_cast<TSNMPEditorPanel*>(tabs ? tabs->widget(0) : form_->findChild<TSNMPPanel*>());
    Await([&] { return Idle(*first); });
    page_ = first;
    for (int k = 0; tabs && k < tabs->count(); ++k) {
      if (tabs->tabText(k) != tab) continue;
      tabs->setCurrentIndex(k);
      page_ = qobject_cast<TSNMPEditorPanel*>(tabs->widget(k));
      Await([&] { return Idle(*page_); });
    }
  }

  TSNMPEditorPanel& Page() const { return *page_; }
  QString LastStatus() const { return page_->Memo()->toPlainText().split('\n').last(); }

  // The shown value of the row captioned `caption`.
  QString Value(const QString& caption) const {
    const TEditsPanel& editor = *page_->Editor();
    for (int i = 0; i < editor.RowCount(); ++i)
      if (editor.RowAt(i).caption->text() == caption) return TextOf(editor.RowAt(i));
    ADD_FAILURE() << "no row " << qPrintable(caption);
    return {};
  }

  // The table's rows as the row editor shows them, each as caption -> value.
  std::vector<std::map<QString, QString>> Rows() const {
    QTreeWidget* view = Table().ListPanel()->ListView();
    std::vector<std::map<QString, QString>> rows;
    for (int k = 0; k < view->topLevelItemCount(); ++k) {
      view->setCurrentItem(view->topLevelItem(k));
      std::map<QString, QString> row;
      const TEditsPanel& editor = *page_->Editor();
      for (int i = 0; i < editor.RowCount(); ++i)
        row[editor.RowAt(i).caption->text()] = TextOf(editor.RowAt(i));
      rows.push_back(row);
    }
    return rows;
  }

  // Adds a row through the Add dialog: the key columns and the given columns, each ticked.
  void Add(const std::map<QString, QString>& values) {
    WhenModal([&](QWidget* dialog) {
      const TEditsPanel& editor = *page_->Editor();
      for (int i = 0; i < editor.RowCount(); ++i) {
        const TEditsPanel::Row& row = editor.RowAt(i);
        const auto value = values.find(row.caption->text());
        if (value == values.end()) continue;
        if (auto* combo = qobject_cast<QComboBox*>(row.value))
          combo->setCurrentIndex(combo->findText(value->second));
        if (auto* edit = qobject_cast<QLineEdit*>(row.value)) edit->setText(value->second);
        if (row.check->isEnabled() && !row.check->isChecked()) row.check->click();
      }
      dialog->findChild<TCtrlBtnPanel*>()->SetCheckedButton()->click();
      return true;
    });
    Table().Buttons()->AddButton()->click();
    Await([&] { return Idle(*page_); });
  }

  // Deletes the row whose values include `key` through the Delete button; false when no row has
  // them.
  bool Delete(const std::map<QString, QString>& key) {
    QTreeWidget* view = Table().ListPanel()->ListView();
    const std::vector<std::map<QString, QString>> rows = Rows();
    for (std::size_t k = 0; k < rows.size(); ++k) {
      bool matches = true;
      for (const auto& [caption, value] : key) matches = matches && rows[k].at(caption) == value;
      if (!matches) continue;
      view->setCurrentItem(view->topLevelItem(static_cast<int>(k)));
      Table().Buttons()->DeleteButton()->click();
      Await([&] { return Idle(*page_); });
      return true;
    }
    return false;
  }

  bool HasRow(const std::map<QString, QString>& key) const {
    for (const auto& row : Rows()) {
      bool matches = true;
      for (const auto& [caption, value] : key) matches = matches && row.at(caption) == value;
      if (matches) return true;
    }
    return false;
  }

 private:
  TSNMPListViewPanel& Table() const { return *qobject_cast<TSNMPListViewPanel*>(page_); }

  std::unique_ptr<TConfigForm> form_;
  TSNMPEditorPanel* page_ = nullptr;
};

const ZnSNMPVarDef kSysDescr[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", ZnSyntax::DisplayString, ZnAccess::ReadOnly},
    {},
};
// The forwarding table's first columns, walked row by row.
const ZnSNMPVarDef kForwardingTable[] = {
    {"1.3.6.1.2.1.17.4.3.1.1", "Address", ZnSyntax::MacAddress, ZnAccess::NotAccessible},
    {"1.3.6.1.2.1.17.4.3.1.2", "Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {"1.3.6.1.2.1.17.4.3.1.3", "Status", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {},
};

// The port of the first learned address, 00:1C:00:00:00:01, read as one instance.
const ZnSNMPVarDef kFirstForwardingPort[] = {
    {"1.3.6.1.2.1.17.4.3.1.2.0.28.0.0.0.1", "Port", ZnSyntax::Integer, ZnAccess::ReadOnly},
    {},
};

QString ReadSysDescr() {
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(kSysDescr, ZnItemType::SVT_SV, 0);
  request.Get(true);
  return request.VarList.Item(0).Value;
}

// The rows of the forwarding table the current user can read.
int ForwardingRows() {
  ZnSNMPRequest request;
  request.VarList = ZnSNMPVarList(kForwardingTable, ZnItemType::MVT_FMV, 1);
  int rows = 0;
  for (bool more = request.Get(true); more; more = request.Get(false)) ++rows;
  return rows;
}

// What the current user gets for sysDescr: its value, or the catalogue text of the failure.
QString SysDescrOrFailure() {
  try {
    return ReadSysDescr();
  } catch (const ZnException& failure) {
    return failure.Message();
  }
}

// The instance sub-identifiers of an engine ID shown in hex: its length, then its bytes.
QString EngineInstance(const QString& hex) {
  const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
  QStringList ids = {QString::number(bytes.size())};
  for (char c : bytes) ids << QString::number(static_cast<unsigned char>(c));
  return ids.join('.');
}

class SnmpV3AdministrationTest : public AgentSuite {
 protected:
  void SetUp() override {
    AgentSuite::SetUp();
    UseAuthPriv(kAdministrator);
  }
};

TEST_F(SnmpV3AdministrationTest, AMonitoringAccountMadeInTheDialogsReadsOnlyItsView) {
  const std::map<QString, QString> view = {{"VACM View Tree Family View Name", "monitorView"},
                                           {"VACM View Tree Family Subtree", "1.3.6.1.2.1.1"}};
  const std::map<QString, QString> access = {{"Group Name", "monitorGroup"},
                                             {"Access Context Prefix", ""},
                                             {"Access Security Model", "3"},
                                             {"Access Security Level", "authPriv"}};
  const std::map<QString, QString> group = {{"Security Model", "3"}, {"Security Name", "monitor"}};
  const QString engineId = AdministrationDialog("snmpEngine1", {}).Value("Engine ID");
  ASSERT_FALSE(engineId.isEmpty());
  const std::map<QString, QString> user = {{"Engine ID", engineId}, {"User Name", "monitor"}};
  const QString sysDescr = ReadSysDescr();
  ASSERT_TRUE(sysDescr.startsWith("NX-596")) << qPrintable(sysDescr);
  ASSERT_GT(ForwardingRows(), 0) << "the administrator reads the whole forwarding table";
  UseAuthPriv(kMonitor);
  ASSERT_EQ(SysDescrOrFailure(), ZnSNMPMapError(1404).Message) << "no such user yet";

  // The view, its access, the group and the user, each in its own dialog page.
  UseAuthPriv(kAdministrator);
  {
    AdministrationDialog vacm("ViewBaseAccessControlMode1", "View MIB Tree Table");
    std::map<QString, QString> values = view;
    values["VACM View Tree Family Type"] = "included";
    vacm.Add(values);
    EXPECT_TRUE(vacm.LastStatus().startsWith("Get: Ok.")) << qPrintable(vacm.LastStatus());
    EXPECT_TRUE(vacm.HasRow(view));
  }
  {
    AdministrationDialog vacm("ViewBaseAccessControlMode1", "Access Table");
    std::map<QString, QString> values = access;
    values["Access Context Match"] = "exact";
    values["Access Read View Name"] = "monitorView";
    vacm.Add(values);
    EXPECT_TRUE(vacm.HasRow(access)) << qPrintable(vacm.Page().Memo()->toPlainText());
  }
  {
    AdministrationDialog vacm("ViewBaseAccessControlMode1", "Security Group Table");
    std::map<QString, QString> values = group;
    values["Group Name"] = "monitorGroup";
    vacm.Add(values);
    EXPECT_TRUE(vacm.HasRow(group)) << qPrintable(vacm.Page().Memo()->toPlainText());
  }
  {
    AdministrationDialog usm("UserbasedSecurityModel1", "User Table");
    std::map<QString, QString> values = user;
    // The row to clone is named by an OID of its own: usmUserSecurityName of nx-aes.
    values["Clone From"] =
        "1.3.6.1.6.3.15.1.2.2.1.3." + EngineInstance(engineId) + ".6.110.120.45.97.101.115";
    usm.Add(values);
    EXPECT_TRUE(usm.HasRow(user)) << qPrintable(usm.Page().Memo()->toPlainText());
    // The clone took its original's protocols.
    for (const auto& row : usm.Rows()) {
      if (row.at("User Name") != "monitor") continue;
      EXPECT_EQ(row.at("Authentication Protocol"), "1.3.6.1.6.3.10.1.1.3");  // HMAC-SHA
      EXPECT_EQ(row.at("Privacy Protocol"), "1.3.6.1.6.3.10.1.2.4");         // AES-128
    }
  }

  // The new user reads the system group and nothing of the forwarding table.
  UseAuthPriv(kMonitor);
  EXPECT_EQ(SysDescrOrFailure(), sysDescr);
  EXPECT_EQ(ForwardingRows(), 0);
  ZnSNMPRequest fdb;
  fdb.VarList = ZnSNMPVarList(kFirstForwardingPort, ZnItemType::MVT_SV, 0);
  fdb.Get(true);
  EXPECT_TRUE(fdb.VarList.Item(0).Absent) << "outside the view: noSuchObject";
  EXPECT_EQ(fdb.VarList.Item(0).Value, "");

  // Without its access entry the user is refused with an authorization error.
  UseAuthPriv(kAdministrator);
  {
    AdministrationDialog vacm("ViewBaseAccessControlMode1", "Access Table");
    ASSERT_TRUE(vacm.Delete(access));
    EXPECT_FALSE(vacm.HasRow(access));
  }
  UseAuthPriv(kMonitor);
  EXPECT_EQ(SysDescrOrFailure(), ZnSNMPMapError(16).Message);

  // The rest goes too; the user is unknown again.
  UseAuthPriv(kAdministrator);
  {
    AdministrationDialog vacm("ViewBaseAccessControlMode1", "Security Group Table");
    ASSERT_TRUE(vacm.Delete(group));
  }
  {
    AdministrationDialog vacm("ViewBaseAccessControlMode1", "View MIB Tree Table");
    ASSERT_TRUE(vacm.Delete(view));
  }
  {
    AdministrationDialog usm("UserbasedSecurityModel1", "User Table");
    ASSERT_TRUE(usm.Delete(user));
    EXPECT_FALSE(usm.HasRow(user));
  }
  UseAuthPriv(kMonitor);
  EXPECT_EQ(SysDescrOrFailure(), ZnSNMPMapError(1404).Message);

  // Every request of the administration went on the wire over SNMPv3 as the administrator or
  // the new user, and the dialogs wrote the tables with createAndGo and destroy only.
  QStringList statuses;
  for (const QString& line : agent_->TraceLines()) {
    EXPECT_TRUE(line.contains("\tv3\tnx-aes\t") || line.contains("\tv3\tmonitor\t"))
        << qPrintable(line);
    for (const QString& varbind : line.section('\t', 4).split('\t', Qt::SkipEmptyParts))
      if (line.startsWith("SET\t") && varbind.endsWith("=INTEGER:4"))
        statuses << "created";
      else if (line.startsWith("SET\t") && varbind.endsWith("=INTEGER:6"))
        statuses << "destroyed";
  }
  EXPECT_EQ(statuses, (QStringList{"created", "created", "created", "created", "destroyed",
                                   "destroyed", "destroyed", "destroyed"}));
  EXPECT_EQ(notifier_.Texts(), QStringList(4, QStringLiteral("Are you sure to delete it?")));
}

// The access entry above has an empty context prefix, a length-prefixed index part of length 0;
// the last part of an IMPLIED index has no length, so an empty one is no index at all and the
// Add dialog refuses it as a forgotten value.
TEST_F(SnmpV3AdministrationTest, AnEmptyImpliedIndexIsRefusedBeforeAnythingIsSent) {
  AdministrationDialog notifications("Notifications1", "Notify Table");
  agent_->ClearTrace();
  notifications.Add({{"Name", ""}, {"Tag", "nxTraps"}});
  EXPECT_EQ(notifier_.Texts(), QStringList{"Some items are empty!"});
  EXPECT_TRUE(Sets().isEmpty()) << qPrintable(Sets().join('\n'));
}

}  // namespace
