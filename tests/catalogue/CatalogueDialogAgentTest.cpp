#include "AgentSuite.h"
#include "Nx596Agent.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "SwitchSnapshot.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TSNMPEditorPanel.h"
#include "TSNMPListViewPanel.h"
#include "TestApplication.h"
#include "UserDriver.h"
#include "WhenModal.h"
#include "ZnCatalogue.h"
#include "ZnCatalogueDialog.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPSettings.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <set>

// Catalogue dialogs built from their recipes and used against the simulated switch: what each
// page writes is read from the agent's trace. (Every dialog opened from its menu item and read
// page by page is a test of the main window.)
namespace {

const QString kAddress = QStringLiteral("127.0.0.1");

// One page of a catalogue dialog, shown and read once.
struct OpenedPage {
  std::unique_ptr<TConfigForm> form;
  TSNMPEditorPanel* panel = nullptr;
  const ZnCataloguePage* recipe = nullptr;

  TEditsPanel& Editor() const { return *panel->Editor(); }
  TSNMPListViewPanel* Table() const { return qobject_cast<TSNMPListViewPanel*>(panel); }
  const ZnSNMPVarDef& Def(int variable) const { return recipe->table[variable]; }
  QString LastStatus() const { return panel->Memo()->toPlainText().split('\n').last(); }
};

QString ValueText(const TEditsPanel::Row& row) {
  if (const auto* combo = qobject_cast<const QComboBox*>(row.value)) return combo->currentText();
  if (const auto* edit = qobject_cast<const QLineEdit*>(row.value)) return edit->text();
  return {};
}

void SetValueText(const TEditsPanel::Row& row, const QString& text) {
  if (auto* combo = qobject_cast<QComboBox*>(row.value))
    combo->setCurrentIndex(combo->findText(text));
  if (auto* edit = qobject_cast<QLineEdit*>(row.value)) edit->setText(text);
}

QStringList RowTexts(const TEditsPanel& editor) {
  QStringList texts;
  for (int i = 0; i < editor.RowCount(); ++i) texts << ValueText(editor.RowAt(i));
  return texts;
}

// A person gives a row a value: picks it from the list, or types it over the edit's text.
::testing::AssertionResult UserSetsValue(const TEditsPanel::Row& row, const QString& text) {
  if (auto* combo = qobject_cast<QComboBox*>(row.value)) return user::Choose(combo, text);
  if (auto* edit = qobject_cast<QLineEdit*>(row.value)) return user::Retype(edit, text);
  return ::testing::AssertionFailure() << "no value control";
}

// Ticks or clears a row's check box as a user's click does (the Set button follows the clicks).
void Tick(const TEditsPanel::Row& row, bool ticked) {
  if (row.check->isChecked() != ticked) row.check->click();
}

bool IsWritableRow(const TEditsPanel::Row& row) {
  return row.kind == TEditsPanel::WritableEdit || row.kind == TEditsPanel::WritableCombo;
}

// The varbinds of one traced request line.
QStringList Varbinds(const QString& traceVarbinds) {
  return traceVarbinds.split('\t', Qt::SkipEmptyParts);
}

// The instance sub-identifiers of an index value, written out here rather than taken from the
// module's own encoder, so that a fault there cannot hide behind a matching one.
QString InstanceOf(const ZnSNMPVarDef& key, const QString& text, bool last) {
  if (key.Syntax == ZnSyntax::Integer && key.Options) return key.Options->LabelToValue(text);
  if (key.Syntax == ZnSyntax::Integer || key.Syntax == ZnSyntax::IpAddress) return text;
  QStringList ids;
  if (key.Syntax == ZnSyntax::MacAddress) {  // six octets, no length
    const QByteArray octets = QByteArray::fromHex(text.toLatin1());
    for (char c : octets) ids << QString::number(static_cast<unsigned char>(c));
    return ids.join('.');
  }
  const bool implied = last && (key.Access & ZnAccess::Implied);
  if (key.Syntax == ZnSyntax::ObjectId)  // the sub-identifiers, after their number
    return implied ? text : QString::number(text.split('.').size()) + '.' + text;
  // Octet strings are shown in hex; display strings are their characters.
  const QByteArray bytes =
      key.Syntax == ZnSyntax::OctetString ? QByteArray::fromHex(text.toLatin1()) : text.toUtf8();
  if (!implied) ids << QString::number(bytes.size());
  for (char c : bytes) ids << QString::number(static_cast<unsigned char>(c));
  return ids.join('.');
}

// The smallest index value of the key column's kind that is not `taken`.
QString FreshKey(const ZnSNMPVarDef& key, const std::set<QString>& taken) {
  for (int n = 1;; ++n) {
    QString candidate;
    if (key.Options && n > key.Options->Count()) return {};
    if (key.Options)
      candidate = key.Options->At(n - 1).Label;
    else if (key.Syntax == ZnSyntax::ObjectId)
      candidate = QStringLiteral("1.3.6.1.4.1.99917.%1").arg(n);
    else if (key.Syntax == ZnSyntax::OctetString)
      candidate = QStringLiteral("nx596-test-%1").arg(n).toLatin1().toHex().toUpper();
    else if (key.Syntax == ZnSyntax::IpAddress)
      candidate = QStringLiteral("10.90.90.%1").arg(n);
    else if (key.Syntax == ZnSyntax::Integer)
      candidate = QString::number(n);
    else
      candidate = QStringLiteral("nx596-test-%1").arg(n);
    if (!taken.count(candidate)) return candidate;
  }
}

// A value of the column's syntax for a table that has no row to copy one from.
QString SampleValue(const ZnSNMPVarDef& def) {
  // A manager's rows are nonVolatile unless it says otherwise (SNMPv2-TC); other, permanent and
  // readOnly rows are the agent's own, and agents refuse them from a manager.
  if (def.Options == &ZnStorageTypeOptions()) return QStringLiteral("nonVolatile");
  if (def.Options) return def.Options->At(0).Label;
  switch (def.Syntax) {
    case ZnSyntax::Integer:
      return QStringLiteral("1");
    case ZnSyntax::IpAddress:
      return QStringLiteral("10.90.90.9");
    case ZnSyntax::MacAddress:
      return QStringLiteral("0050BA112233");
    case ZnSyntax::ObjectId:
      return QStringLiteral("1.3.6.1.6.1.1");
    case ZnSyntax::DisplayString:
      return QStringLiteral("nx596");
    default:  // octet and bit strings: a port list with ports 1 to 8
      return QStringLiteral("FF000000");
  }
}

// What the USM user table demands of a new row (RFC 3414): a user is made as a clone of an
// existing one, named by Clone From with the OID of that user's row, here the first row; and a
// key-change column changes a key only for a manager that knows the key before, so a new user
// leaves them out (empty). Nothing for the columns of other tables.
std::optional<QString> UsmCreationValue(const ZnCataloguePage& page, int column,
                                        const QStringList& firstRow) {
  static const QString usmUserEntry = QStringLiteral("1.3.6.1.6.3.15.1.2.2.1");
  const QString oid = QString::fromUtf8(page.table[column].Oid);
  if (!oid.startsWith(usmUserEntry + '.')) return std::nullopt;
  switch (oid.section('.', -1).toInt()) {
    case 4:  // usmUserCloneFrom: usmUserSecurityName of the first user
      return usmUserEntry + ".3." + InstanceOf(page.table[0], firstRow[0], false) + '.' +
             InstanceOf(page.table[1], firstRow[1], true);
    case 6:  // usmUserAuthKeyChange, usmUserOwnAuthKeyChange and their privacy twins
    case 7:
    case 9:
    case 10:
      return QString();
    default:
      return std::nullopt;
  }
}

// What a new trunk group demands: ports no other group holds, here the two lowest free ones, led
// by the first of them. Nothing for the columns of other tables.
std::optional<QString> TrunkCreationValue(const ZnCataloguePage& page, int column,
                                          const std::vector<QStringList>& rows) {
  static const QString trunkEntry = QStringLiteral("1.3.6.1.4.1.99917.11.63.3.2.4.3.1");
  const QString oid = QString::fromUtf8(page.table[column].Oid);
  if (!oid.startsWith(trunkEntry + '.')) return std::nullopt;
  int portsColumn = 0;
  while (page.table[portsColumn].Oid &&
         QString::fromUtf8(page.table[portsColumn].Oid) != trunkEntry + ".3")
    ++portsColumn;
  QByteArray list(4, '\0'), held(4, '\0');
  for (const QStringList& row : rows) {
    const QByteArray ports = QByteArray::fromHex(row.value(portsColumn).toLatin1());
    for (int k = 0; k < held.size() && k < ports.size(); ++k) held[k] = char(held[k] | ports[k]);
  }
  int first = 0;
  for (int port = 1, taken = 0; port <= 26 && taken < 2; ++port) {
    const int octet = (port - 1) / 8;
    const auto bit = static_cast<char>(0x80 >> ((port - 1) % 8));
    if (held[octet] & bit) continue;
    list[octet] = char(list[octet] | bit);
    if (taken++ == 0) first = port;
  }
  switch (oid.section('.', -1).toInt()) {
    case 2:  // the master port
      return QString::number(first);
    case 3:  // the members
      return QString::fromLatin1(list.toHex().toUpper());
    default:
      return std::nullopt;
  }
}

// The "SNMP V3" menu serves SNMPv3 only: the pages that administer the SNMP engine itself (the
// standard MIBs below snmpModules) are used over SNMPv3 with authentication and privacy, the
// others over SNMPv2c as every test starts.
// The version a test wants for every page (0, 1 or 3; -1: the page's own), over the page's own:
// the SNMP engine's own pages are seen over SNMPv3 only.
int forcedVersion = -1;

void UseSecurityOf(const ZnCataloguePage& page) {
  ZnSNMPSecurity& security = ZnSNMPGlobalSecurity;
  if (!QByteArray(page.table[0].Oid).startsWith("1.3.6.1.6.3.") && forcedVersion != 3) {
    security.Version = forcedVersion >= 0 ? forcedVersion : 1;
    return;
  }
  security.Version = 3;
  security.SecurityModel = 3;
  security.SecurityName = QStringLiteral("nx-aes");
  security.SecurityLevel = 3;
  security.AuthProtocol = 3;  // HMAC-SHA
  security.AuthPassword = QStringLiteral("nx-aes-auth");
  security.PrivProtocol = 4;  // AES-128
  security.PrivPassword = QStringLiteral("nx-aes-priv");
}

// The texts of the responses' error statuses a refused write may carry.
QStringList RefusalTexts() {
  QStringList texts;
  for (int status : {3 /* badValue */, 7 /* wrongType */, 8 /* wrongLength */, 10 /* wrongValue */,
                     12 /* inconsistentValue */})
    texts << ZnSNMPMapError(status).Message;
  return texts;
}

// Objects an unchanged write must leave alone because writing them is not storing a value: the
// write starts an action, or the object never reads back what was written. A person ticking
// every box leaves these unticked; so does the test. Matched as OID prefixes.
struct LeftOutObject {
  const char* oid;
  const char* reason;
};
constexpr LeftOutObject kLeftOutOfUnchangedWrites[] = {
    // SNMP-USER-BASED-SM: a key change is computed from the old key and reads back empty.
    {"1.3.6.1.6.3.15.1.2.2.1.4", "usmUserCloneFrom: copies keys once, reads back 0.0"},
    // RFC 3414 lets an existing user's protocols change only to "none"; net-snmp's USM refuses
    // any other write, even of the protocol the user has.
    {"1.3.6.1.6.3.15.1.2.2.1.5", "usmUserAuthProtocol: only \"none\" may be written"},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "usmUserPrivProtocol: only \"none\" may be written"},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "usmUserAuthKeyChange: changes a key, reads back empty"},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "usmUserOwnAuthKeyChange: changes a key, reads back empty"},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "usmUserPrivKeyChange: changes a key, reads back empty"},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "usmUserOwnPrivKeyChange: changes a key, reads back empty"},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "usmUserPublic: written by key changes"},
    {"1.3.6.1.6.3.15.1.2.2.1.13",
     "usmUserStatus: net-snmp's USM refuses active for a user that is active already"},
};

const LeftOutObject* LeftOut(const QString& oid) {
  for (const LeftOutObject& object : kLeftOutOfUnchangedWrites)
    if (oid == QLatin1String(object.oid) || oid.startsWith(QLatin1String(object.oid) + '.'))
      return &object;
  return nullptr;
}

// Where the snapshot of a page reads: the SNMP engine's own pages over SNMPv3 (the communities
// do not see them), the others with the write community, which sees every object.
QStringList SnapshotCredentials(const ZnCataloguePage& page) {
  if (QByteArray(page.table[0].Oid).startsWith("1.3.6.1.6.3."))
    return nx596::test::V3Priv("nx-aes", "SHA", "nx-aes-auth", "AES", "nx-aes-priv");
  return nx596::test::V2c("vosquin");
}

QStringList PageObjects(const ZnCataloguePage& page) {
  QStringList objects;
  for (const ZnSNMPVarDef* def = page.table; def->Oid; ++def)
    objects << QString::fromUtf8(def->Oid) + (page.itemType == ZnItemType::SVT_SV ? ".0" : "");
  return objects;
}

class CatalogueDialogAgentTest : public AgentSuite {
 protected:
  static bool Idle(const TSNMPPanel& panel) {
    return !panel.Binding()->Busy() && !panel.Memo()->toPlainText().isEmpty();
  }

  // Opens the dialog of `entry` on page `page` and waits for the page's first read. The dialog
  // reads its first page once shown; another page is chosen only after that read, or the first
  // read would start a second one on the chosen page.
  static OpenedPage Open(const ZnCatalogueEntry& entry, int page) {
    OpenedPage opened;
    QString title;
    UseSecurityOf(entry.pages[static_cast<size_t>(page)]);
    opened.form = ZnBuildCatalogueDialog(entry, kAddress, title);
    opened.form->show();
    QTabWidget* tabs = opened.form->PageControl();
    auto panelAt = [&](int k) {
      return qobject_cast<TSNMPEditorPanel*>(tabs ? tabs->widget(k)
                                                  : opened.form->findChild<TSNMPPanel*>());
    };
    if (TSNMPEditorPanel* first = panelAt(0)) Await([&] { return Idle(*first); });
    if (tabs) tabs->setCurrentIndex(page);
    opened.panel = panelAt(page);
    opened.recipe = &entry.pages[static_cast<size_t>(page)];
    if (opened.panel) Await([&] { return Idle(*opened.panel); });
    return opened;
  }

  // Open, stopping the test unless the page's first read succeeded.
  static void OpenRead(const ZnCatalogueEntry& entry, int index, OpenedPage& page) {
    page = Open(entry, index);
    ASSERT_NE(page.panel, nullptr);
    ASSERT_TRUE(page.LastStatus().startsWith("Get: Ok.")) << qPrintable(page.LastStatus());
  }

  static void Reread(const OpenedPage& page) {
    page.panel->Buttons()->RefreshButton()->click();
    Await([&] { return Idle(*page.panel); });
  }

  // Every page of the catalogue that passes `wanted`, named for failure messages.
  template <typename Wanted>
  static std::vector<std::pair<const ZnCatalogueEntry*, int>> Pages(Wanted wanted) {
    std::vector<std::pair<const ZnCatalogueEntry*, int>> pages;
    for (const ZnCatalogueEntry& entry : ZnCatalogue())
      for (size_t k = 0; k < entry.pages.size(); ++k)
        if (wanted(entry.pages[k])) pages.emplace_back(&entry, static_cast<int>(k));
    return pages;
  }
};

// A scalar page writes exactly the ticked row, and a write the switch refuses changes nothing
// and says why in the page's memo.
TEST_F(CatalogueDialogAgentTest, ScalarPagesWriteOnlyTheTickedRowAndARefusalChangesNothing) {
  int pagesWritten = 0, pagesRefused = 0;
  for (auto [entry, index] :
       Pages([](const ZnCataloguePage& p) { return p.kind == ZnPageKind::Editor; })) {
    SCOPED_TRACE(std::string(entry->componentName) + " page " + std::to_string(index));
    OpenedPage page;
    ASSERT_NO_FATAL_FAILURE(OpenRead(*entry, index, page));
    TEditsPanel& editor = page.Editor();
    std::vector<int> writable, lists;
    for (int i = 0; i < editor.RowCount(); ++i) {
      if (!IsWritableRow(editor.RowAt(i))) continue;
      writable.push_back(i);
      if (editor.RowAt(i).kind == TEditsPanel::WritableCombo) lists.push_back(i);
    }
    if (writable.empty()) continue;
    auto tickOnly = [&](std::set<int> ticked) {
      for (int i : writable) Tick(editor.RowAt(i), ticked.count(i) > 0);
    };

    // A choice from a list is valid by definition; an edit is written back as it was read.
    const int chosen = lists.empty() ? writable.front() : lists.front();
    const TEditsPanel::Row& row = editor.RowAt(chosen);
    const ZnSNMPVarDef& def = page.Def(chosen);
    if (auto* combo = qobject_cast<QComboBox*>(row.value))
      combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
    const QString written = ValueText(row);
    tickOnly({chosen});
    agent_->ClearTrace();
    page.panel->Buttons()->SetCheckedButton()->click();
    EXPECT_TRUE(page.LastStatus().startsWith("Set: Ok.")) << qPrintable(page.LastStatus());
    const QStringList sets = Sets();
    ASSERT_EQ(sets.size(), 1);
    const QStringList varbinds = Varbinds(sets[0]);
    ASSERT_EQ(varbinds.size(), 1) << qPrintable(sets[0]);
    const QString value =
        def.Options ? def.Options->LabelToValue(written) : written;  // the label's number
    if (def.Syntax == ZnSyntax::Integer)
      EXPECT_EQ(varbinds[0], QString::fromUtf8(def.Oid) + ".0=INTEGER:" + value);
    else
      EXPECT_TRUE(varbinds[0].startsWith(QString::fromUtf8(def.Oid) + ".0="))
          << qPrintable(sets[0]);
    ++pagesWritten;

    // Only a list can be given a value outside the device's range: the edits' own formats stop
    // such a value before it is sent. The value has no label, so the list shows its number.
    if (lists.empty()) continue;
    Reread(page);
    const QStringList before = RowTexts(editor);
    const int refused = lists.back();
    auto* combo = qobject_cast<QComboBox*>(editor.RowAt(refused).value);
    const ZnOptionList& options = *page.Def(refused).Options;
    combo->addItem(QString::number(options.At(options.Count() - 1).IntValue + 100));
    combo->setCurrentIndex(combo->count() - 1);
    std::set<int> ticked = {refused};
    if (refused != chosen) {
      auto* other = qobject_cast<QComboBox*>(editor.RowAt(chosen).value);
      if (other) other->setCurrentIndex((other->currentIndex() + 1) % other->count());
      ticked.insert(chosen);
    }
    tickOnly(ticked);
    agent_->ClearTrace();
    page.panel->Buttons()->SetCheckedButton()->click();
    ASSERT_EQ(Sets().size(), 1);
    EXPECT_EQ(Varbinds(Sets()[0]).size(), static_cast<qsizetype>(ticked.size()));
    const QString status = page.LastStatus();
    bool named = false;
    for (const QString& text : RefusalTexts()) named = named || status.startsWith("Set: " + text);
    EXPECT_TRUE(named) << qPrintable(status);
    Reread(page);
    EXPECT_EQ(RowTexts(editor), before);
    ++pagesRefused;
  }
  EXPECT_GT(pagesWritten, 0) << "no scalar page has a writable row";
  EXPECT_GT(pagesRefused, 0);
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
}

// A person chooses a row (by mouse) and then presses Add: the new row is created with one
// createAndGo carrying the key in its instance and the ticked columns, whatever row was chosen;
// Delete destroys it with one write of the row status alone. Everything through the user driver.
TEST_F(CatalogueDialogAgentTest, TablePagesCreateAndDestroyARowThroughItsRowStatus) {
  int tables = 0;
  for (auto [entry, index] : Pages([](const ZnCataloguePage& p) {
         return p.kind == ZnPageKind::ListView && p.addVariable >= 0 && p.deleteVariable >= 0;
       })) {
    SCOPED_TRACE(std::string(entry->componentName) + " page " + std::to_string(index));
    OpenedPage page;
    ASSERT_NO_FATAL_FAILURE(OpenRead(*entry, index, page));
    TSNMPListViewPanel* table = page.Table();
    ASSERT_NE(table, nullptr);
    QTreeWidget* view = table->ListPanel()->ListView();
    TEditsPanel& editor = page.Editor();
    const int keyCount = page.recipe->keyCount;
    const int status = page.recipe->addVariable;

    // The rows there are, each read through its selection as the Edit dialog reads it.
    std::vector<QStringList> rows;
    for (int k = 0; k < view->topLevelItemCount(); ++k) {
      view->setCurrentItem(view->topLevelItem(k));
      rows.push_back(RowTexts(editor));
    }
    view->clearSelection();
    // A new key: beside the first key of an existing row where there are several, since the
    // leading key often names a row of another table (a rule's profile).
    QStringList key;
    for (int i = 0; i < keyCount; ++i) {
      std::set<QString> taken;
      for (const QStringList& r : rows)
        if (r.mid(0, i) == key) taken.insert(r[i]);
      const bool reuse = i + 1 < keyCount && !rows.empty();
      key << (reuse ? rows.front()[i] : FreshKey(page.Def(i), taken));
    }
    QString instance;
    for (int i = 0; i < keyCount; ++i)
      instance += '.' + InstanceOf(page.Def(i), key[i], i == keyCount - 1);

    // Every writable column ticked but what a table's MIB rules out: a list with its first label
    // (a storage type with the one a manager creates; a copied one may be readOnly), an edit with
    // the value of an existing row where it has one (the dialog writes no empty value).
    std::vector<int> ticked;
    WhenModal([&](QWidget* dialog) {
      for (int i = 0; i < editor.RowCount(); ++i) {
        const TEditsPanel::Row& row = editor.RowAt(i);
        if (i < keyCount) {
          EXPECT_TRUE(UserSetsValue(row, key[i]));
          continue;
        }
        if (i == status || !row.check->isEnabled()) continue;
        std::optional<QString> demanded =
            rows.empty() ? std::nullopt : UsmCreationValue(*page.recipe, i, rows.front());
        if (!demanded) demanded = TrunkCreationValue(*page.recipe, i, rows);
        if (demanded && demanded->isEmpty()) continue;
        const QString copied = rows.empty() || page.Def(i).Options ? QString() : rows.front()[i];
        EXPECT_TRUE(UserSetsValue(row, demanded           ? *demanded
                                        : copied.isEmpty() ? SampleValue(page.Def(i))
                                                           : copied));
        if (row.check->isVisible()) {
          EXPECT_TRUE(user::Tick(row.check));
        }
        ticked.push_back(i);
      }
      EXPECT_TRUE(user::Click(dialog->findChild<TCtrlBtnPanel*>()->SetCheckedButton()));
      return true;
    });
    if (!rows.empty()) {
      ASSERT_TRUE(user::ClickItem(view, view->topLevelItem(0)));
    }
    agent_->ClearTrace();
    ASSERT_TRUE(user::Click(table->Buttons()->AddButton()));
    Await([&] { return Idle(*page.panel); });
    EXPECT_TRUE(page.LastStatus().startsWith("Get: Ok.")) << qPrintable(page.LastStatus());

    std::set<QString> expected = {QString::fromUtf8(page.Def(status).Oid) + instance};
    for (int i : ticked) expected.insert(QString::fromUtf8(page.Def(i).Oid) + instance);
    QStringList sets = Sets();
    ASSERT_EQ(sets.size(), 1) << qPrintable(page.panel->Memo()->toPlainText())
                              << qPrintable(notifier_.Texts().join('\n'));
    std::set<QString> written;
    for (const QString& varbind : Varbinds(sets[0])) written.insert(varbind.section('=', 0, 0));
    EXPECT_EQ(written, expected) << qPrintable(sets[0]);
    EXPECT_TRUE(Varbinds(sets[0]).contains(QString::fromUtf8(page.Def(status).Oid) + instance +
                                           "=INTEGER:4"))
        << qPrintable(sets[0]);

    QTreeWidgetItem* created = nullptr;
    for (int k = 0; k < view->topLevelItemCount() && !created; ++k) {
      view->setCurrentItem(view->topLevelItem(k));
      if (RowTexts(editor).mid(0, keyCount) == key) created = view->topLevelItem(k);
    }
    ASSERT_NE(created, nullptr) << "the new row is not listed: " << qPrintable(key.join(", "))
                                << "\n" << qPrintable(page.panel->Memo()->toPlainText());
    EXPECT_EQ(view->topLevelItemCount(), static_cast<int>(rows.size()) + 1);

    agent_->ClearTrace();
    ASSERT_TRUE(user::ClickItem(view, created));
    ASSERT_TRUE(user::Click(table->Buttons()->DeleteButton()));
    Await([&] { return Idle(*page.panel); });
    EXPECT_EQ(Sets(),
              QStringList{QString::fromUtf8(page.Def(status).Oid) + instance + "=INTEGER:6"});
    EXPECT_EQ(view->topLevelItemCount(), static_cast<int>(rows.size()));
    ++tables;
  }
  EXPECT_GT(tables, 0) << "no table page offers Add and Delete";
  // Only the question before each Delete.
  EXPECT_EQ(notifier_.Texts(), QStringList(tables, QStringLiteral("Are you sure to delete it?")));
}

// A table page without Add still edits its rows: Edit, Check All and Set write the selected row
// once, with exactly its writable non-key columns at that row's instance and the values the
// dialog shows.
TEST_F(CatalogueDialogAgentTest, TablePagesWithoutAddWriteAnEditedRowsWritableColumns) {
  int tables = 0;
  for (auto [entry, index] : Pages([](const ZnCataloguePage& p) {
         if (p.kind != ZnPageKind::ListView || p.addVariable >= 0) return false;
         const ZnSNMPVarList list(p.table, p.itemType, p.keyCount);
         for (int i = 0; i < list.Count(); ++i)
           if (list.IsWritable(i) && !list.IsKey(i)) return true;
         return false;
       })) {
    SCOPED_TRACE(std::string(entry->componentName) + " page " + std::to_string(index));
    OpenedPage page;
    ASSERT_NO_FATAL_FAILURE(OpenRead(*entry, index, page));
    TSNMPListViewPanel* table = page.Table();
    ASSERT_NE(table, nullptr);
    QTreeWidget* view = table->ListPanel()->ListView();
    ASSERT_GT(view->topLevelItemCount(), 0) << "the switch has no row to edit";
    ASSERT_TRUE(table->Buttons()->EditButton()->isVisible());

    TEditsPanel& editor = page.Editor();
    const int keyCount = page.recipe->keyCount;
    const ZnSNMPVarList list(page.recipe->table, page.recipe->itemType, keyCount);
    // The last row whose writable columns all have an object (a sparse table's row may lack
    // one, which is then never written), so that a write at the first row's instance would show.
    QTreeWidgetItem* chosen = nullptr;
    for (int row = view->topLevelItemCount() - 1; row >= 0 && chosen == nullptr; --row) {
      bool whole = true;
      for (int column = 0; column < view->columnCount(); ++column) {
        const QString caption = view->headerItem()->text(column);
        for (int i = keyCount; i < list.Count(); ++i)
          if (list.IsWritable(i) && list.Item(i).Caption == caption &&
              view->topLevelItem(row)->toolTip(column) == ZnAbsentToolTip())
            whole = false;
      }
      if (whole) chosen = view->topLevelItem(row);
    }
    ASSERT_NE(chosen, nullptr) << "no row has every writable column";
    ASSERT_TRUE(user::ClickItem(view, chosen));
    // Every writable column ticked and written as shown, an empty edit given a value first (the
    // dialog writes no empty value).
    QStringList written;
    WhenModal([&](QWidget* dialog) {
      for (int i = keyCount; i < editor.RowCount(); ++i)
        if (list.IsWritable(i) && ValueText(editor.RowAt(i)).isEmpty())
          SetValueText(editor.RowAt(i), SampleValue(page.Def(i)));
      written = RowTexts(editor);
      // A single editable row comes ticked, without a check box or Check All.
      auto* buttons = dialog->findChild<TCtrlBtnPanel*>();
      if (!buttons->CheckAllButton()->isHidden()) buttons->CheckAllButton()->click();
      buttons->SetCheckedButton()->click();
      return true;
    });
    agent_->ClearTrace();
    table->Buttons()->EditButton()->click();
    Await([&] { return Idle(*page.panel); });
    ASSERT_EQ(written.size(), list.Count()) << "the Edit dialog did not open";

    QString instance;
    for (int i = 0; i < keyCount; ++i)
      instance += '.' + InstanceOf(page.Def(i), written[i], i == keyCount - 1);
    std::set<QString> expected;
    QStringList expectedNumbers;  // integral values as the trace writes them
    for (int i = keyCount; i < list.Count(); ++i) {
      if (!list.IsWritable(i)) continue;
      const ZnSNMPVarDef& def = page.Def(i);
      const QString oid = QString::fromUtf8(def.Oid) + instance;
      expected.insert(oid);
      if (def.Syntax == ZnSyntax::Integer)
        expectedNumbers << oid + "=INTEGER:" +
                               (def.Options ? def.Options->LabelToValue(written[i]) : written[i]);
      if (def.Syntax == ZnSyntax::Gauge) expectedNumbers << oid + "=GAUGE:" + written[i];
    }
    const QStringList sets = Sets();
    ASSERT_EQ(sets.size(), 1) << qPrintable(page.panel->Memo()->toPlainText())
                              << qPrintable(notifier_.Texts().join('\n'));
    std::set<QString> oids;
    for (const QString& varbind : Varbinds(sets[0])) oids.insert(varbind.section('=', 0, 0));
    EXPECT_EQ(oids, expected) << qPrintable(sets[0]);
    for (const QString& number : expectedNumbers)
      EXPECT_TRUE(Varbinds(sets[0]).contains(number)) << qPrintable(number + "\n" + sets[0]);
    const QStringList memo = page.panel->Memo()->toPlainText().split('\n');
    EXPECT_TRUE(std::any_of(memo.begin(), memo.end(), [](const QString& line) {
      return line.startsWith("Set: Ok.");
    })) << qPrintable(memo.join('\n'));
    ++tables;
  }
  EXPECT_GT(tables, 0) << "no table page without Add has a writable column";
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
}

TEST_F(CatalogueDialogAgentTest, IpConfigurationHidesTheAddressRowsUnlessManual) {
  const ZnCatalogueEntry* entry = ZnFindCatalogueEntry("IPConfig1");
  ASSERT_NE(entry, nullptr);
  QString title;
  std::unique_ptr<TConfigForm> form = ZnBuildCatalogueDialog(*entry, "10.1.1.1", title);
  EXPECT_EQ(title, "IP Configuration");
  EXPECT_EQ(form->windowTitle(), "IP Configuration : 10.1.1.1");
  form->show();
  ASSERT_TRUE(Await([&] { return form->Current() && !form->Current()->Busy(); }));
  TEditsPanel* editor = form->findChild<TSNMPEditorPanel*>()->Editor();
  auto* source = qobject_cast<QComboBox*>(editor->RowAt(0).value);
  ASSERT_NE(source, nullptr);
  // Opening shows every row whatever the device's source.
  for (int row = 1; row <= 3; ++row) EXPECT_FALSE(editor->RowAt(row).value->isHidden()) << row;
  // The user picks DHCP: the address rows go; Manual brings them back.
  QTest::keyClick(source, Qt::Key_End);  // the last item, as a user's choice
  EXPECT_EQ(source->currentText(), "DHCP");
  for (int row = 1; row <= 3; ++row) EXPECT_TRUE(editor->RowAt(row).value->isHidden()) << row;
  EXPECT_FALSE(editor->RowAt(4).value->isHidden());
  QTest::keyClick(source, Qt::Key_Home);
  EXPECT_EQ(source->currentText(), "Manual");
  for (int row = 1; row <= 3; ++row) EXPECT_FALSE(editor->RowAt(row).value->isHidden()) << row;
  // A program-made selection is not a user's choice.
  source->setCurrentIndex(2);
  EXPECT_FALSE(editor->RowAt(1).value->isHidden());
}

// A switch that answers every request three seconds late, as a busy one may.
class SlowSwitchTest : public CatalogueDialogAgentTest {
 protected:
  static void SetUpTestSuite() { StartAgent({"--delay", "3000"}); }

  // The bridge port table's dialog as its entry builds it, with a watch on the event loop: the
  // longest time between two ticks of a 5 ms timer is the longest time the window was frozen.
  struct WatchedDialog {
    std::unique_ptr<TConfigForm> form;
    TSNMPListViewPanel* table = nullptr;
    QElapsedTimer clock;
    qint64 lastTick = 0, longestBlockMs = 0;
    QTimer watchdog;

    WatchedDialog() {
      QString title;
      form = ZnBuildCatalogueDialog(*ZnFindCatalogueEntry("PortTable1"), kAddress, title);
      table = form->findChild<TSNMPListViewPanel*>();
      watchdog.setTimerType(Qt::PreciseTimer);
      watchdog.setInterval(5);
      QObject::connect(&watchdog, &QTimer::timeout, [this] {
        longestBlockMs = std::max(longestBlockMs, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
      });
    }
    void Show() {
      clock.start();
      watchdog.start();
      form->show();
    }
    int Rows() const { return table->ListPanel()->ListView()->topLevelItemCount(); }
  };

  // The switch answers the requests it holds one after another; a read sent now is answered once
  // it has worked through them, so that stopping it afterwards does not wait on them.
  static void AwaitIdleSwitch() {
    static constexpr ZnSNMPVarDef kUpTime[] = {
        {"1.3.6.1.2.1.1.3", "Up Time", ZnSyntax::TimeTicks, ZnAccess::ReadOnly},
        {},
    };
    ZnSNMPRequest request;
    request.VarList = ZnSNMPVarList(kUpTime, ZnItemType::SVT_SV, 0);
    request.Timeout = 1000;
    request.Get(true);
  }
};

// Every request of the bridge port table's walk waits five seconds for its answer: a switch
// three seconds late still fills the table, where the default second (two tries) would give up,
// and the window answers the user all the while.
TEST_F(SlowSwitchTest, TheBridgePortTableWaitsLongEnoughAndTheWindowStaysResponsive) {
  {
    WatchedDialog dialog;
    ASSERT_NE(dialog.table, nullptr);
    EXPECT_EQ(dialog.table->Binding()->Request().Timeout, 500);
    dialog.Show();
    // The first row is the first answer; the rest of the walk, another three seconds a row, is
    // not waited for: closing the dialog stops it.
    ASSERT_TRUE(Await([&] { return dialog.Rows() > 0; }, 10000))
        << qPrintable(dialog.table->Memo()->toPlainText());
    EXPECT_LT(dialog.longestBlockMs, 200);
    EXPECT_TRUE(dialog.table->Memo()->toPlainText().isEmpty()) << "the walk ended early";
  }
  // The same dialog with the default time-out gives up before the switch answers.
  WatchedDialog dialog;
  dialog.table->Binding()->Request().Timeout = ZnSNMPDefaultTimeout;
  dialog.Show();
  ASSERT_TRUE(Await([&] { return Idle(*dialog.table); }, 10000));
  EXPECT_EQ(dialog.Rows(), 0);
  EXPECT_TRUE(dialog.table->Memo()->toPlainText().startsWith("Get: " + ZnSNMPMapError(-5).Message))
      << qPrintable(dialog.table->Memo()->toPlainText());
  EXPECT_LT(dialog.longestBlockMs, 200);
  AwaitIdleSwitch();
}

}  // namespace

namespace {

// Ticks, as a person does, every box of the row editor that may be ticked and holds a value, and
// leaves the rest unticked. Returns how many rows will be written.
int TickEveryUsableRow(const OpenedPage& page) {
  TEditsPanel& editor = page.Editor();
  int ticked = 0;
  for (int i = 0; i < editor.RowCount(); ++i) {
    const TEditsPanel::Row& row = editor.RowAt(i);
    const QString oid = QString::fromUtf8(page.Def(i).Oid);
    // An empty value would only stop the write with "Some items are empty!".
    const bool wanted = !LeftOut(oid) && !ValueText(row).isEmpty();
    if (row.check->isVisible() && row.check->isEnabled()) {
      EXPECT_TRUE(user::Tick(row.check, wanted)) << qPrintable(oid);
    }
    if (row.check->isChecked()) ++ticked;
  }
  return ticked;
}

// True when the page's only writable row is one a test must not write: such a page shows a
// bare Set that would write it.
bool OnlyRowIsLeftOut(const OpenedPage& page) {
  const ZnSNMPVarList list(page.recipe->table, page.recipe->itemType, page.recipe->keyCount);
  int writable = 0;
  bool leftOut = false;
  for (int i = 0; i < list.Count(); ++i) {
    if (!list.IsWritable(i) || list.IsKey(i)) continue;
    ++writable;
    leftOut = leftOut || LeftOut(QString::fromUtf8(page.Def(i).Oid));
  }
  return writable == 1 && leftOut;
}

}  // namespace

// The invariant a person relies on most: choosing a row, ticking every box and pressing Set
// without changing a value leaves the switch exactly as it was. Over every scalar and table page
// of every catalogue dialog, by mouse; on tables a second row is chosen with the arrow keys and
// Edit reached with Tab and Space. The agent's trace shows that each written value is the value
// the switch held.
TEST_F(CatalogueDialogAgentTest, AnUnchangedWriteChangesNothingOnAnyPage) {
  int pagesWritten = 0;
  QStringList refused;
  for (auto [entry, index] : Pages([](const ZnCataloguePage& p) {
         return p.kind == ZnPageKind::Editor || p.kind == ZnPageKind::ListView;
       })) {
    const std::string name = std::string(entry->componentName) + " page " + std::to_string(index);
    SCOPED_TRACE(name);
    OpenedPage page;
    ASSERT_NO_FATAL_FAILURE(OpenRead(*entry, index, page));
    if (OnlyRowIsLeftOut(page)) continue;
    const nx596::test::NetSnmpTools tools(agent_->Address());
    const QStringList credentials = SnapshotCredentials(*page.recipe);
    const QStringList objects = PageObjects(*page.recipe);
    const SwitchSnapshot before = SwitchSnapshot::Read(tools, credentials, objects);
    ASSERT_FALSE(before.Failed()) << qPrintable(before.Failure());

    // One write as a person makes it; false when the page offers nothing to write.
    auto writeUnchanged = [&](const std::function<bool()>& openEditor) {
      agent_->ClearTrace();
      const qsizetype linesBefore = page.panel->Memo()->toPlainText().split('\n').size();
      if (!openEditor()) return false;
      Await([&] { return Idle(*page.panel); });
      QStringList sets = Sets();
      sets.removeDuplicates();  // a request sent again when its answer was slow is the same write
      if (sets.isEmpty()) return false;
      EXPECT_EQ(sets.size(), 1) << qPrintable(sets.join('\n'));
      for (const TracedVarbind& written : TracedVarbinds(sets.front())) {
        if (before.Value(written.oid).isNull()) continue;  // a column the walk does not reach
        EXPECT_EQ(written.value, before.Value(written.oid)) << qPrintable(written.oid);
      }
      // A row of storage type readOnly is the agent's own configuration: it may not be changed
      // at all (SNMPv2-TC), and the switch refuses even an unchanged write of it.
      bool readOnlyRow = false;
      for (const TracedVarbind& written : TracedVarbinds(sets.front()))
        for (const ZnSNMPVarDef* def = page.recipe->table; def->Oid; ++def)
          if (def->Options == &ZnStorageTypeOptions() && written.value == "5" &&
              written.oid.startsWith(QString::fromUtf8(def->Oid) + '.'))
            readOnlyRow = true;
      const QStringList memo = page.panel->Memo()->toPlainText().split('\n').mid(linesBefore - 1);
      for (const QString& line : memo)
        if (line.startsWith("Set:") && !line.startsWith("Set: Ok.") && !readOnlyRow)
          refused << QString::fromStdString(name) + ": " + line + "\n  " + sets.front();
      return true;
    };

    if (TSNMPListViewPanel* table = page.Table()) {
      QTreeWidget* view = table->ListPanel()->ListView();
      QPushButton* edit = table->Buttons()->EditButton();
      if (view->topLevelItemCount() == 0 || edit->isHidden()) continue;
      // The row dialog: every usable box ticked, then Set; closed unwritten when nothing is left.
      auto inDialog = [&](QWidget* dialog) {
        auto* buttons = dialog->findChild<TCtrlBtnPanel*>();
        if (TickEveryUsableRow(page) > 0 && buttons->SetCheckedButton()->isVisible()) {
          EXPECT_TRUE(user::Click(buttons->SetCheckedButton()));
        }
        return true;
      };
      writeUnchanged([&] {
        if (!user::ClickItem(view, view->topLevelItem(0))) return false;
        WhenModal(inDialog);
        EXPECT_TRUE(user::Click(edit));
        return true;
      });
      const int second = std::min(1, view->topLevelItemCount() - 1);
      writeUnchanged([&] {
        view->clearFocus();
        EXPECT_TRUE(user::TabTo(view));
        EXPECT_TRUE(user::ChooseRowByKeys(view, second));
        EXPECT_TRUE(user::TabTo(edit));
        WhenModal(inDialog);
        EXPECT_TRUE(user::Space());
        return true;
      });
    } else {
      QPushButton* set = page.panel->Buttons()->SetCheckedButton();
      writeUnchanged([&] {
        if (TickEveryUsableRow(page) == 0 || !set->isVisible() || !set->isEnabled()) return false;
        return static_cast<bool>(user::Click(set));
      });
    }
    const SwitchSnapshot after = SwitchSnapshot::Read(tools, credentials, objects);
    EXPECT_EQ(SwitchSnapshot::Differences(before, after), QStringList{});
    ++pagesWritten;
  }
  EXPECT_GT(pagesWritten, 90);
  EXPECT_EQ(refused, QStringList{});
  EXPECT_EQ(notifier_.Texts(), QStringList{});
}

// An unsigned 32-bit value beyond its range, typed by a person into any page that lets it be
// typed, is refused with the framework's message; nothing reaches the switch (before, it went out
// wrapped: 4294967296 as 0).
TEST_F(CatalogueDialogAgentTest, AnUnsignedValueBeyondItsRangeIsRefusedNotWrapped) {
  int refusals = 0;
  for (auto [entry, index] :
       Pages([](const ZnCataloguePage& p) { return p.kind == ZnPageKind::Editor; })) {
    bool candidate = false;
    for (const ZnSNMPVarDef* def = entry->pages[static_cast<size_t>(index)].table; def->Oid; ++def)
      candidate = candidate || ((def->Syntax == ZnSyntax::Gauge || def->Syntax == ZnSyntax::Counter ||
                                 def->Syntax == ZnSyntax::UInteger) &&
                                (def->Access & ZnAccess::ReadWrite) == ZnAccess::ReadWrite);
    if (!candidate) continue;
    SCOPED_TRACE(std::string(entry->componentName) + " page " + std::to_string(index));
    OpenedPage page;
    ASSERT_NO_FATAL_FAILURE(OpenRead(*entry, index, page));
    TEditsPanel& editor = page.Editor();
    for (int i = 0; i < editor.RowCount(); ++i) {
      const std::uint32_t syntax = page.Def(i).Syntax;
      auto* edit = qobject_cast<QLineEdit*>(editor.RowAt(i).value);
      if (edit == nullptr || edit->isReadOnly() ||
          (syntax != ZnSyntax::Gauge && syntax != ZnSyntax::Counter && syntax != ZnSyntax::UInteger))
        continue;
      TickEveryUsableRow(page);
      for (int k = 0; k < editor.RowCount(); ++k)
        if (k != i && editor.RowAt(k).check->isVisible()) {
          EXPECT_TRUE(user::Tick(editor.RowAt(k).check, false));
        }
      for (const char* typed : {"4294967296", "-1"}) {
        notifier_.shown.clear();
        EXPECT_TRUE(user::Retype(edit, QLatin1String(typed)));
        // An edit whose format refuses the text while it is typed never gets this far.
        if (edit->text() != QLatin1String(typed)) continue;
        agent_->ClearTrace();
        EXPECT_TRUE(user::Click(page.panel->Buttons()->SetCheckedButton()));
        EXPECT_EQ(Sets(), QStringList{}) << typed;
        EXPECT_TRUE(page.LastStatus().startsWith(
            "Set: (ZnSNMP++) Value out of range for the SNMP variable's syntax!"))
            << qPrintable(page.LastStatus());
        ++refusals;
      }
    }
  }
  EXPECT_GT(refusals, 0) << "no page lets an unsigned value be typed";
}

namespace {

// The kinds of value a switch may lack, each hidden at least once.
int SyntaxKind(std::uint32_t syntax) {
  switch (syntax) {
    case ZnSyntax::Counter:
    case ZnSyntax::Counter64:
    case ZnSyntax::Gauge:
    case ZnSyntax::UInteger:
      return 1;
    default:
      return static_cast<int>(syntax);
  }
}

// One object of every table and scalar page of the catalogue, hidden on a second switch as a
// firmware without it would lack it: per page the first readable object that is no key, unless
// another one is of a kind of value not hidden yet; a page sharing its objects with one chosen
// before needs no choice of its own.
QStringList ChooseHiddenObjects() {
  std::set<int> kinds;
  QStringList hidden;
  for (const ZnCatalogueEntry& entry : ZnCatalogue())
    for (const ZnCataloguePage& page : entry.pages) {
      if (page.kind != ZnPageKind::Editor && page.kind != ZnPageKind::ListView) continue;
      const ZnSNMPVarList list(page.table, page.itemType, page.keyCount);
      int chosen = -1;
      bool covered = false;
      for (int i = 0; i < list.Count(); ++i) {
        if (!list.IsReadable(i) || list.IsKey(i)) continue;
        covered = covered || hidden.contains(list.Item(i).Oid);
        if (chosen < 0 || (!kinds.count(SyntaxKind(list.Item(i).Syntax)) &&
                           kinds.count(SyntaxKind(list.Item(chosen).Syntax))))
          chosen = i;
      }
      if (covered || chosen < 0) continue;
      hidden << list.Item(chosen).Oid;
      kinds.insert(SyntaxKind(list.Item(chosen).Syntax));
    }
  return hidden;
}

const QStringList& HiddenObjects() {
  static const QStringList hidden = ChooseHiddenObjects();
  return hidden;
}

// Values that move by themselves between two reads of the same switch, or differ between two
// switches started one after the other: times and counters, and the SNMP engine's time.
bool Moves(const ZnSNMPVar& var) {
  return var.Syntax == ZnSyntax::TimeTicks || var.Syntax == ZnSyntax::Counter ||
         var.Syntax == ZnSyntax::Counter64 || var.Syntax == ZnSyntax::DateTime ||
         var.Oid == QLatin1String("1.3.6.1.6.3.10.2.1.3");
}

// Besides the suite's switch, one that lacks HiddenObjects(); over SNMPv1, v2c or v3.
class AbsentObjectAgentTest : public CatalogueDialogAgentTest {
 protected:
  // Both switches have one engine ID, which their SNMPv3 tables show.
  static void SetUpTestSuite() {
    const QString engineId = QStringLiteral("80001F8880596596596596");
    StartAgent({"--engine-id", engineId});
    lacking_ = new Nx596Agent({"--engine-id", engineId, "--without", HiddenObjects().join(',')});
    ASSERT_TRUE(lacking_->Start());
  }
  static void TearDownTestSuite() {
    delete lacking_;
    lacking_ = nullptr;
    CatalogueDialogAgentTest::TearDownTestSuite();
  }

  // What a person sees of a page: per row of a scalar page its value, per cell of a table its
  // text; a cell or row that says its object is not on this switch as "<absent>".
  static QStringList Seen(const OpenedPage& page) {
    QStringList seen;
    if (TSNMPListViewPanel* table = page.Table()) {
      QTreeWidget* view = table->ListPanel()->ListView();
      for (int row = 0; row < view->topLevelItemCount(); ++row)
        for (int column = 0; column < view->columnCount(); ++column) {
          const QTreeWidgetItem* item = view->topLevelItem(row);
          seen << (item->toolTip(column) == ZnAbsentToolTip() ? QStringLiteral("<absent>")
                                                               : item->text(column));
        }
      return seen;
    }
    for (int i = 0; i < page.Editor().RowCount(); ++i) {
      const TEditsPanel::Row& row = page.Editor().RowAt(i);
      seen << (ZnIsShownAbsent(row.value) ? QStringLiteral("<absent>") : ValueText(row));
    }
    return seen;
  }

  void OverEveryPage(int version);
  void TearDown() override {
    forcedVersion = -1;
    CatalogueDialogAgentTest::TearDown();
  }

  static inline Nx596Agent* lacking_ = nullptr;
};

void AbsentObjectAgentTest::OverEveryPage(int version) {
  const QStringList& hidden = HiddenObjects();
  ASSERT_GT(hidden.size(), 20);
  std::set<int> kindsSeen;
  int pages = 0, rowsWritten = 0;
  for (auto [entry, index] : Pages([](const ZnCataloguePage& p) {
         return p.kind == ZnPageKind::Editor || p.kind == ZnPageKind::ListView;
       })) {
    const ZnCataloguePage& recipe = entry->pages[static_cast<size_t>(index)];
    const std::string name = std::string(entry->componentName) + " page " + std::to_string(index);
    SCOPED_TRACE(name);
    const ZnSNMPVarList list(recipe.table, recipe.itemType, recipe.keyCount);
    std::set<int> absent;  // variables of the page the second switch lacks
    for (int i = 0; i < list.Count(); ++i)
      if (hidden.contains(list.Item(i).Oid) && list.IsReadable(i) && !list.IsKey(i))
        absent.insert(i);

    // The whole switch first, then the one that lacks the objects; their seeds are the same.
    forcedVersion = version;
    ZnSNMPGlobalDevice = {"127.0.0.1", agent_->Port()};
    OpenedPage whole = Open(*entry, index);
    ASSERT_NE(whole.panel, nullptr);
    const QStringList truth = Seen(whole);
    whole.form.reset();
    ZnSNMPGlobalDevice = {"127.0.0.1", lacking_->Port()};
    OpenedPage page = Open(*entry, index);
    ASSERT_NE(page.panel, nullptr);
    ++pages;
    EXPECT_TRUE(page.LastStatus().startsWith("Get: Ok.")) << qPrintable(page.LastStatus());
    const QStringList seen = Seen(page);

    // Every value the second switch has is what the whole one shows; the absent ones say so.
    bool everyColumnAbsent = true;
    for (int i = 0; i < list.Count(); ++i)
      everyColumnAbsent = everyColumnAbsent && (!list.IsReadable(i) || absent.count(i));
    if (page.Table() && everyColumnAbsent) {
      // A table whose only readable column the switch lacks has no rows to show.
      EXPECT_EQ(seen, QStringList{});
      kindsSeen.insert(SyntaxKind(list.Item(*absent.begin()).Syntax));
    } else if (page.Table()) {
      QTreeWidget* view = page.Table()->ListPanel()->ListView();
      ASSERT_EQ(seen.size(), truth.size()) << "rows differ";
      // The list's columns: the variables not shown first (hidden columns), then the shown ones.
      std::vector<int> columns;
      for (int i = 0; i < list.Count(); ++i)
        if (list.IsNotShown(i)) columns.push_back(i);
      for (int i = 0; i < list.Count(); ++i)
        if (list.IsShown(i)) columns.push_back(i);
      ASSERT_EQ(static_cast<int>(columns.size()), view->columnCount());
      for (int k = 0; k < seen.size(); ++k) {
        const int variable = columns[static_cast<size_t>(k % view->columnCount())];
        const QString caption = list.Item(variable).Caption;
        if (absent.count(variable)) {
          EXPECT_EQ(seen[k], "<absent>") << qPrintable(caption);
          kindsSeen.insert(SyntaxKind(list.Item(variable).Syntax));
        } else if (!Moves(list.Item(variable))) {
          EXPECT_EQ(seen[k], truth[k]) << qPrintable(caption);
        }
      }
    } else {
      ASSERT_EQ(seen.size(), list.Count());
      for (int i = 0; i < list.Count(); ++i) {
        SCOPED_TRACE(qPrintable(list.Item(i).Caption));
        const TEditsPanel::Row& row = page.Editor().RowAt(i);
        if (absent.count(i)) {
          EXPECT_EQ(seen[i], "<absent>");
          EXPECT_EQ(ValueText(row), "");
          EXPECT_FALSE(row.value->isEnabled());
          EXPECT_FALSE(row.check->isEnabled()) << "a row of an absent object can be ticked";
          kindsSeen.insert(SyntaxKind(list.Item(i).Syntax));
        } else if (!Moves(list.Item(i))) {
          EXPECT_EQ(seen[i], truth[i]);
        }
      }
    }
    if (OnlyRowIsLeftOut(page) || absent.empty()) continue;

    // Every box a person can tick, then Set: nothing of an absent object goes out, and the
    // switch holds what it held.
    const nx596::test::NetSnmpTools tools(lacking_->Address());
    const QStringList credentials = SnapshotCredentials(recipe);
    QStringList objects;
    for (const QString& object : PageObjects(recipe))
      if (!hidden.contains(object.endsWith(".0") ? object.chopped(2) : object)) objects << object;
    const SwitchSnapshot before = SwitchSnapshot::Read(tools, credentials, objects);
    ASSERT_FALSE(before.Failed()) << qPrintable(before.Failure());
    lacking_->ClearTrace();
    if (TSNMPListViewPanel* table = page.Table()) {
      QTreeWidget* view = table->ListPanel()->ListView();
      QPushButton* edit = table->Buttons()->EditButton();
      if (view->topLevelItemCount() == 0 || edit->isHidden()) continue;
      ASSERT_TRUE(user::ClickItem(view, view->topLevelItem(0)));
      WhenModal([&](QWidget* dialog) {
        for (int i : absent) {
          EXPECT_FALSE(page.Editor().RowAt(i).check->isEnabled()) << "absent row tickable";
        }
        auto* buttons = dialog->findChild<TCtrlBtnPanel*>();
        if (TickEveryUsableRow(page) > 0 && buttons->SetCheckedButton()->isVisible() &&
            buttons->SetCheckedButton()->isEnabled()) {
          EXPECT_TRUE(user::Click(buttons->SetCheckedButton()));
        } else {
          EXPECT_TRUE(user::Escape());
        }
        return true;
      });
      EXPECT_TRUE(user::Click(edit));
    } else {
      QPushButton* set = page.panel->Buttons()->SetCheckedButton();
      if (TickEveryUsableRow(page) == 0 || !set->isVisible() || !set->isEnabled()) continue;
      EXPECT_TRUE(user::Click(set));
    }
    Await([&] { return Idle(*page.panel); });
    for (const QString& line : lacking_->TraceLines()) {
      if (!line.startsWith("SET\t")) continue;
      ++rowsWritten;
      for (const TracedVarbind& written : TracedVarbinds(line.section('\t', 4)))
        for (int i : absent)
          EXPECT_FALSE(written.oid.startsWith(list.Item(i).Oid + '.'))
              << "an absent object was written: " << qPrintable(written.oid);
    }
    const SwitchSnapshot after = SwitchSnapshot::Read(tools, credentials, objects);
    EXPECT_EQ(SwitchSnapshot::Differences(before, after), QStringList{});
  }
  EXPECT_EQ(pages, static_cast<int>(Pages([](const ZnCataloguePage& p) {
                                       return p.kind == ZnPageKind::Editor ||
                                              p.kind == ZnPageKind::ListView;
                                     }).size()));
  EXPECT_GT(rowsWritten, 50);
  // Numbers, display and octet strings, MACs, addresses, bit strings, OIDs: each absent once.
  for (int kind : {SyntaxKind(ZnSyntax::Integer), SyntaxKind(ZnSyntax::Gauge),
                   SyntaxKind(ZnSyntax::DisplayString), SyntaxKind(ZnSyntax::OctetString),
                   SyntaxKind(ZnSyntax::MacAddress), SyntaxKind(ZnSyntax::IpAddress),
                   SyntaxKind(ZnSyntax::ObjectId)})
    EXPECT_TRUE(kindsSeen.count(kind)) << "no absent object of syntax " << kind;
  EXPECT_EQ(notifier_.Texts(), QStringList{});
}

}  // namespace

// A switch whose firmware lacks one object of each page: every page reads "Get: Ok.", shows the
// rest as the whole switch does, marks the missing one and never writes it.
TEST_F(AbsentObjectAgentTest, OverSnmpV1EveryPageReadsAndNeverWritesWhatTheSwitchLacks) {
  OverEveryPage(0);
}
TEST_F(AbsentObjectAgentTest, OverSnmpV2cEveryPageReadsAndNeverWritesWhatTheSwitchLacks) {
  OverEveryPage(1);
}
TEST_F(AbsentObjectAgentTest, OverSnmpV3EveryPageReadsAndNeverWritesWhatTheSwitchLacks) {
  OverEveryPage(3);
}
