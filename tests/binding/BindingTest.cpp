#include "ErrorCode.h"
#include "QtPrinters.h"
#include "RecordingNotifier.h"
#include "TestApplication.h"
#include "ZnOptionList.h"
#include "ZnRadioGroup.h"
#include "ZnSNMPMessages.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnUserNotifier.h"
#include "ZnValueImage.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>

// The binding's two directions on real widgets, without an agent: values shown in controls and
// read back from them, for every kind of control and every way a value is spread over them.
namespace {

// A binding whose list is given by the test; blocking, so nothing goes on the wire unless read.
class TestBinding : public ZnSNMPRequest2Edits {
 public:
  explicit TestBinding(QWidget* owner) : ZnSNMPRequest2Edits(owner) {}
  using ZnSNMPRequest2Controls::ReportStatus;
};

const ZnOptionItem kTrueFalse[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const ZnOptionList kTrueFalseList(kTrueFalse);
const ZnOptionItem kStates[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const ZnOptionList kStateList(kStates);

class BindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    ZnSetNotifier(&notifier_);
    window_ = std::make_unique<QWidget>();
    binding_ = new TestBinding(window_.get());
  }
  void TearDown() override { ZnSetNotifier(nullptr); }

  // Makes the list: one variable per (syntax, access) pair.
  void Variables(std::initializer_list<std::pair<std::uint32_t, const ZnOptionList*>> vars) {
    defs_.clear();
    int n = 0;
    for (const auto& [syntax, options] : vars) {
      oids_.push_back(QStringLiteral("1.3.6.1.4.1.99917.1.%1").arg(++n).toUtf8());
      defs_.push_back({oids_.back().constData(), "v", syntax, ZnAccess::ReadWrite, options});
    }
    defs_.push_back({});
    binding_->VarList() = ZnSNMPVarList(defs_.data(), ZnItemType::SVT_SV, 0);
  }
  QString& Value(int i) { return binding_->VarList().Item(i).Value; }
  template <typename T>
  T* Make() {
    return new T(window_.get());
  }
  QList<QLineEdit*> Edits(int count) {
    QList<QLineEdit*> edits;
    for (int k = 0; k < count; ++k) edits << Make<QLineEdit>();
    return edits;
  }

  RecordingNotifier notifier_;
  std::unique_ptr<QWidget> window_;
  TestBinding* binding_ = nullptr;  // owned by the window
  std::vector<ZnSNMPVarDef> defs_;
  std::list<QByteArray> oids_;
};

TEST_F(BindingTest, PortListBitsInCheckBoxesBothWays) {
  Variables({{ZnSyntax::OctetString, nullptr}});
  QList<QCheckBox*> ports;
  QStringList bits;
  for (int k = 0; k < 26; ++k) {
    ports << Make<QCheckBox>();
    bits << QString::number(k);
  }
  binding_->BindCheckBoxes(0, bits.join(','), ports);
  Value(0) = "80000040";  // ports 1 and 26
  binding_->ShowValues();
  for (int k = 0; k < 26; ++k) EXPECT_EQ(ports[k]->isChecked(), k == 0 || k == 25) << k;
  ports[0]->setChecked(false);
  ports[9]->setChecked(true);
  binding_->ReadValues();
  EXPECT_EQ(Value(0), "00400040");

  // A bit beyond the value cannot be shown; reading back grows the value to hold it, and the
  // bits of the covered bytes that no check box covers become 0.
  binding_->Unbind(0);
  QCheckBox* far = Make<QCheckBox>();
  binding_->BindCheckBoxes(0, "20", {far});
  Value(0) = "FFFF";
  EXPECT_EQ(CodeOf([&] { binding_->ShowValues(); }), -519);
  far->setChecked(true);
  binding_->ReadValues();
  EXPECT_EQ(Value(0), "000008");
}

TEST_F(BindingTest, SingleCheckBoxesFollowBooleansOrTheirOptionList) {
  Variables({{ZnSyntax::Boolean, nullptr},
             {ZnSyntax::Integer, &kTrueFalseList},
             {ZnSyntax::Integer, nullptr}});
  QCheckBox* plain = Make<QCheckBox>();
  QCheckBox* listed = Make<QCheckBox>();
  binding_->BindControl(0, plain);
  binding_->BindControl(1, listed);
  for (const char* text : {"true", "false", "(NULL)"}) {
    Value(0) = text;
    binding_->ShowValues(0);
    EXPECT_EQ(plain->isChecked(), QString(text) == "true") << text;
  }
  plain->setChecked(true);
  binding_->ReadValues(0);
  EXPECT_EQ(Value(0), "true");
  // Item 0 is the unchecked state: with (1 true, 2 false) the value 2 checks the box.
  Value(1) = "false";
  binding_->ShowValues(1);
  EXPECT_TRUE(listed->isChecked());
  Value(1) = "true";
  binding_->ShowValues(1);
  EXPECT_FALSE(listed->isChecked());
  listed->setChecked(true);
  binding_->ReadValues(1);
  EXPECT_EQ(Value(1), "false");
  // A plain integer has no checked state.
  QCheckBox* wrong = Make<QCheckBox>();
  binding_->BindControl(2, wrong);
  Value(2) = "1";
  EXPECT_EQ(CodeOf([&] { binding_->ShowValues(2); }), -517);
}

TEST_F(BindingTest, CombosAndRadioGroupsNeedAnOptionList) {
  Variables({{ZnSyntax::Integer, &kStateList},
             {ZnSyntax::Integer, nullptr},
             {ZnSyntax::Integer, &kStateList}});
  QComboBox* combo = Make<QComboBox>();
  combo->setEditable(true);
  binding_->BindComboBox(0, combo);
  EXPECT_FALSE(combo->isEditable());
  EXPECT_EQ(combo->count(), 2);
  Value(0) = "enabled";
  binding_->ShowValues(0);
  EXPECT_EQ(combo->currentIndex(), 1);
  Value(0) = "7";  // unknown: no selection, and nothing selected reads back as empty
  binding_->ShowValues(0);
  EXPECT_EQ(combo->currentIndex(), -1);
  combo->setCurrentIndex(0);
  binding_->ReadValues(0);
  EXPECT_EQ(Value(0), "disabled");

  EXPECT_EQ(CodeOf([&] { binding_->BindComboBox(1, Make<QComboBox>()); }), -520);
  EXPECT_EQ(CodeOf([&] { binding_->BindControl(1, Make<ZnRadioGroup>()); }), -520);

  ZnRadioGroup* group = Make<ZnRadioGroup>();
  binding_->BindControl(2, group);
  EXPECT_EQ(group->Items(), (QStringList{"disabled", "enabled"}));
  Value(2) = "3";  // a value selects as well as a label
  binding_->ShowValues(2);
  EXPECT_EQ(group->ItemIndex(), 1);

  const ZnOptionItem prefixes[] = {{"ab", "X"}, {0, nullptr}};
  const ZnOptionList prefixList(prefixes, ZnOptionList::PrefixValues);
  EXPECT_EQ(CodeOf([&] {
              binding_->BindPartControl(1, 0, ZnSyntax::Integer, &prefixList, Make<QComboBox>());
            }),
            -522);
  QLabel* label = Make<QLabel>();
  binding_->BindControl(1, label);
  Value(1) = "42";
  binding_->ShowValues(1);
  EXPECT_EQ(label->text(), "42");
}

TEST_F(BindingTest, OneValueOverSeveralEdits) {
  Variables({{ZnSyntax::IpAddress, nullptr},
             {ZnSyntax::TimeTicks, nullptr},
             {ZnSyntax::DateTime, nullptr},
             {ZnSyntax::BcDateTime, nullptr},
             {ZnSyntax::MacAddress, nullptr},
             {ZnSyntax::IpAddress, nullptr}});
  const QList<QLineEdit*> ip = Edits(4), ticks = Edits(5), when = Edits(10), day = Edits(7),
                          mac = Edits(6), shortIp = Edits(3);
  binding_->BindEdits(0, "%u{n0x255l3a}%u{n0x255l3a}%u{n0x255l3a}%u{n0x255l3a}", ip);
  binding_->BindEdits(1, "%u%u%u%u%u", ticks);
  binding_->BindEdits(2, "%u%u%u%u%u%u%u%s%u%u", when);
  binding_->BindEdits(3, "%u%u%u%u%u%u%u", day);
  binding_->BindEdits(4, "%h%h%h%h%h%h", mac);
  Value(0) = "192.168.1.254";
  Value(1) = "2 days, 3:04:05.06";
  Value(2) = "2005-3-7,13:5:9.0,-5:30";
  Value(3) = "2005/03/07 06:00:00 pm";
  Value(4) = "001C0A0B0C0D";
  binding_->ShowValues();
  const auto texts = [](const QList<QLineEdit*>& edits) {
    QStringList t;
    for (const QLineEdit* e : edits) t << e->text();
    return t.join(' ');
  };
  EXPECT_EQ(texts(ip), "192 168 1 254");
  EXPECT_EQ(texts(ticks), "2 3 4 5 6");
  EXPECT_EQ(texts(when), "2005 3 7 13 5 9 0 - 5 30");
  EXPECT_EQ(texts(day), "2005 3 7 18 0 0 0");
  EXPECT_EQ(texts(mac), "00 1C 0A 0B 0C 0D");

  ip[3]->setText("1");
  ticks[0]->setText("0");
  when[7]->setText("+");
  day[3]->setText("6");
  mac[5]->setText("e");
  binding_->ReadValues();
  EXPECT_EQ(Value(0), "192.168.1.1");
  EXPECT_EQ(Value(1), "3:04:05.06");
  EXPECT_EQ(Value(2), "2005-3-7,13:5:9.0,+5:30");
  EXPECT_EQ(Value(3), "2005/03/07 06:00:00 am");
  EXPECT_EQ(Value(4), "001C0A0B0C0E");

  // An address needs four edits: three are refused when shown.
  binding_->BindEdits(5, "%u%u%u", shortIp);
  Value(5) = "10.0.0.1";
  EXPECT_EQ(CodeOf([&] { binding_->ShowValues(5); }), -522);
}

// A MAC address typed into one edit is read in any usual notation as the switch's twelve digits.
// One that is not six bytes is refused with the value left as it was: read as hexadecimal with
// its separators as zeros, "00:1c:2e:00" used to make six bytes of another station.
TEST_F(BindingTest, AMacTypedInOneEditIsTakenInAnyNotationOrRefused) {
  Variables({{ZnSyntax::MacAddress, nullptr}});
  QLineEdit* edit = Make<QLineEdit>();
  binding_->BindEdits(0, "%s", {edit});
  for (const char* typed : {"00:1c:2e:00:00:01", "00-1C-2E-00-00-01", " 001c.2e00.0001 "}) {
    Value(0) = "AABBCCDDEEFF";
    edit->setText(typed);
    binding_->ReadValues(0);
    EXPECT_EQ(Value(0), "001C2E000001") << typed;
  }
  for (const char* typed : {"00:1c:2e:00", "001C2E0000", "00:1c:2e:00:00:01:02", "00:1c-2e"}) {
    Value(0) = "AABBCCDDEEFF";
    edit->setText(typed);
    EXPECT_EQ(CodeOf([&] { binding_->ReadValues(0); }), ZnCode::ValueOutOfRange) << typed;
    EXPECT_EQ(Value(0), "AABBCCDDEEFF") << typed;
  }
}

TEST_F(BindingTest, PartsOfAValueAndWholeValuesThatShrink) {
  Variables({{ZnSyntax::OctetString, nullptr}, {ZnSyntax::OctetString, nullptr}});
  QLineEdit* high = Make<QLineEdit>();
  QComboBox* state = Make<QComboBox>();
  // Bytes 1-2 as a 16-bit number, byte 3 through an option list.
  binding_->BindPartEdits(0, 1, ZnSyntax::UInt16, nullptr, "%u", {high});
  binding_->BindPartControl(0, 3, ZnSyntax::UInt8, &kStateList, state);
  Value(0) = "00010203";
  binding_->ShowValues(0);
  EXPECT_EQ(high->text(), "258");
  EXPECT_EQ(state->currentText(), "enabled");
  high->setText("65535");
  state->setCurrentIndex(0);
  binding_->ReadValues(0);
  EXPECT_EQ(Value(0), "00FFFF02");

  // An edited whole value replaces the old one even when it is shorter.
  QLineEdit* whole = Make<QLineEdit>();
  binding_->BindEdits(1, "%h", {whole});
  Value(1) = "AABBCC";
  binding_->ShowValues(1);
  whole->setText("11");
  binding_->ReadValues(1);
  EXPECT_EQ(Value(1), "11");
}

TEST_F(BindingTest, StatusLinesTakeTheTemplateAndTheTime) {
  Variables({{ZnSyntax::Integer, nullptr}});
  const QRegularExpression time("^Get: Ok\\. Receive at \\d\\d:\\d\\d:\\d\\d (AM|PM)\\.$");
  QPlainTextEdit* memo = Make<QPlainTextEdit>();
  binding_->SetStatusTarget(memo);
  binding_->ReportStatus("Ok");
  binding_->ReportStatus("Ok");
  const QStringList lines = memo->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(time.match(lines[0]).hasMatch()) << lines[0].toStdString();
  // A page left open keeps the last thousand lines, the newest last.
  for (int k = 0; k < 1005; ++k) binding_->ReportStatus(QStringLiteral("line %1").arg(k));
  const QStringList kept = memo->toPlainText().split('\n');
  ASSERT_EQ(kept.size(), 1000);
  EXPECT_TRUE(kept.front().startsWith("Get: line 5.")) << kept.front().toStdString();
  EXPECT_TRUE(kept.back().startsWith("Get: line 1004.")) << kept.back().toStdString();

  QStatusBar* bar = Make<QStatusBar>();
  binding_->SetStatusTarget(bar);
  binding_->ReportStatus("Ok");
  EXPECT_TRUE(time.match(bar->currentMessage()).hasMatch()) << bar->currentMessage().toStdString();

  QLabel* panel = Make<QLabel>();
  binding_->SetStatusTarget(panel);
  binding_->VarList().Description = "IP Configuration";
  binding_->ReportStatus("(SNMP) Variable does not exist!");
  EXPECT_TRUE(
      QRegularExpression("^Get: \\(SNMP\\) Variable does not exist! "
                         "Request:IP Configuration\\. Receive at \\d\\d:\\d\\d:\\d\\d (AM|PM)\\.$")
          .match(panel->text())
          .hasMatch())
      << panel->text().toStdString();
  // Without a target nothing is written anywhere.
  binding_->ClearStatusTarget();
  binding_->ReportStatus("Ok");
  EXPECT_TRUE(notifier_.shown.empty());
}

TEST_F(BindingTest, ListViewColumnsCarryEveryVariableAndRowsGoBackIntoTheList) {
  const ZnSNMPVarDef table[] = {
      {"1.3.6.1.4.1.99917.2.1.1", "Secret", ZnSyntax::DisplayString, ZnAccess::WriteOnly},
      {"1.3.6.1.4.1.99917.2.1.2", "Index", ZnSyntax::Integer, ZnAccess::NotAccessible},
      {"1.3.6.1.4.1.99917.2.1.3", "State", ZnSyntax::Integer, ZnAccess::ReadWrite, &kStateList},
      {}};
  binding_->VarList() = ZnSNMPVarList(table, ZnItemType::MVT_UMV, 0);
  auto* view = Make<QTreeWidget>();
  QComboBox* state = Make<QComboBox>();
  binding_->BindComboBox(2, state);
  binding_->AttachListView(view, true);
  // The write-only variable has a column of its own, present but not visible, first.
  ASSERT_EQ(view->columnCount(), 3);
  EXPECT_TRUE(view->isColumnHidden(0));
  EXPECT_EQ(view->headerItem()->text(0), "Secret");
  EXPECT_FALSE(view->isColumnHidden(1));
  auto* row = new QTreeWidgetItem(QStringList{"s3cr3t", "7", "enabled"});
  view->addTopLevelItem(row);
  view->setCurrentItem(row);
  EXPECT_EQ(Value(0), "s3cr3t");
  EXPECT_EQ(Value(1), "7");
  EXPECT_EQ(state->currentText(), "enabled");
  EXPECT_TRUE(state->isEnabled());
}

TEST_F(BindingTest, DisabledRequestReadsNothing) {
  Variables({{ZnSyntax::Integer, nullptr}});
  binding_->Request().Enabled = false;
  binding_->Refresh();
  EXPECT_FALSE(binding_->Busy());
  EXPECT_EQ(binding_->RowCount(), 0);
}

TEST(ValueImageTest, ImagesOfEverySyntaxAndTheirLimits) {
  EXPECT_EQ(ZnTextToImage("-2", ZnSyntax::Integer), QByteArray("\xFE\xFF\xFF\xFF", 4));
  EXPECT_EQ(ZnImageToText(QByteArray("\xFE\xFF\xFF\xFF", 4), ZnSyntax::Integer), "-2");
  EXPECT_EQ(ZnImageToText(QByteArray("\xFE\xFF\xFF\xFF", 4), ZnSyntax::Gauge), "4294967294");
  EXPECT_EQ(ZnTextToImage("(NULL)", ZnSyntax::Boolean), QByteArray());
  EXPECT_EQ(ZnTextToImage("True", ZnSyntax::Boolean), QByteArray(4, '\0'));
  EXPECT_EQ(ZnImageToText({}, ZnSyntax::Integer), "(NULL)");
  EXPECT_EQ(ZnImageToText({}, ZnSyntax::DisplayString), "");
  EXPECT_EQ(CodeOf([] { ZnImageToText(QByteArray(3, '\1'), ZnSyntax::Integer); }), -518);
  EXPECT_EQ(ZnTextToImage("10.0.0.1", ZnSyntax::IpAddress), QByteArray("\x0A\0\0\x01", 4));
  EXPECT_EQ(ZnTextToImage("4294967297", ZnSyntax::Counter64),
            QByteArray("\x01\0\0\0\x01\0\0\0", 8));
  EXPECT_EQ(ZnImageToText(QByteArray("\x01\0\0\0\x01\0\0\0", 8), ZnSyntax::Counter64),
            "4294967297");
  EXPECT_EQ(ZnTextToImage("258", ZnSyntax::UInt16), QByteArray("\x01\x02", 2));
  EXPECT_EQ(ZnImageToText(QByteArray("\xFF\xFE", 2), ZnSyntax::Int16), "65534");
  EXPECT_EQ(ZnImageToText(QByteArray("\xFF", 1), ZnSyntax::Int8), "-1");
  EXPECT_EQ(ZnTextToImage("1.3.6", ZnSyntax::ObjectId).size(), 12);
  EXPECT_EQ(ZnImageToText(ZnTextToImage("1.3.6", ZnSyntax::ObjectId), ZnSyntax::ObjectId), "1.3.6");
  EXPECT_EQ(CodeOf([] { ZnTextToImage("1", 0x07); }), -511);

  const QByteArray three("\x01\x02\x03", 3);
  EXPECT_EQ(CodeOf([&] { ZnExtractPart(three, 2, ZnSyntax::UInt16); }), -519);
  EXPECT_EQ(ZnExtractPart(three, 1, ZnSyntax::UInt16), QByteArray("\x02\x03", 2));
  EXPECT_EQ(ZnExtractPart(three, 1, ZnSyntax::OctetString), QByteArray("\x02\x03", 2));
  EXPECT_EQ(ZnExtractPart({}, 5, ZnSyntax::UInt16), QByteArray());
  EXPECT_EQ(CodeOf([&] { ZnExtractPart(three, 4, ZnSyntax::OctetString); }), -519);
}

}  // namespace
