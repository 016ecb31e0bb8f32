// The main window against the simulated switch: its menu, the dispatch of its items, the device
// actions and the RMON logic, with message boxes answered through the recording seam.
#include "AgentSuite.h"
#include "ListViewChecks.h"
#include "QtPrinters.h"
#include "TAboutForm.h"
#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TMainForm.h"
#include "TSNMPEditorPanel.h"
#include "TSNMPListViewPanel.h"
#include "TSNMPPanel.h"
#include "TTrafficForm.h"
#include "UserDriver.h"
#include "WhenModal.h"
#include "ZnCatalogue.h"
#include "ZnMainMenu.h"
#include "ZnRegistry.h"
#include "ZnSNMPRequest.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPSettings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// The menu as the device's form has it: component name, caption (a line feed written "\n"),
// hidden items marked; separators as "- name".
const char* const kExpectedMenu = R"(Configuration1 "Configuration"
  BasicInfo1 "Basic Information"
  MIBCapabilities1 "MIB Capabilities"
  CPUUtilization1 "CPU Utilization"
  PortUtilization1 "Port Utilization"
  IPConfig1 "IP Configuration"
  FDBClearAllState1 "FDB Clear All State\n"
  ARPClearAllState1 "ARP Clear All State"
  - N14
  TrustHostManagement1 "Trust Host Management"
    TrustHostDelAllState1 "Trust Host Delete All State\n"
    TrustHostTable1 "Trust Host Table"
  TimeManagement1 "Time Management"
    SystemTime1 "System Time"
    SNTP1 "SNTP"
    DaylightSavingTimeSummerTime1 "Daylight Saving Time/Summer Time"
  SingleIPManagement1 "Single IP Management"
    SingleIPInformation1 "Single IP Information"
    SingleIPControl1 "Single IP Control"
    SingleIPMSTable1 "Single IP MS Table"
    SingleIPCasTable1 "Single IP Cas Table"
    - N13
    SingleIPGroupTable1 "Single IP Group Table"
    SingleIPNeighborTable1 "Single IP Neighbor Table"
  DeviceControl1 "Device Control"
  BasicConfigure1 "Upload/Download File Configuration"
  ConsoleMode1 "Console Mode Control"
  - N15
  SMTPMangement1 "SMTP Mangement"
    SMTPControlTable1 "SMTP Control Table"
    SMTPInformation1 "SMTP Information"
    SMTPMailReceiverTable1 "SMTP Mail Receiver Table"
  ACLManagement1 "CPU ACL Management "
    ACLControl1 "CPU ACL Control"
    - N10
    CPUEtherTable1 "CPU ACL Ethernet Table"
    CPUIPTabe1 "CPU ACL IP Table"
    CPUPacketControlTable1 "CPU ACL Packet Control Table"
    CPUIPv6Table1 "CPU ACl IPv6 Table" hidden
  IPMACBinding1 "IP MAC Binding Management"
    IPMACBindingPortManagent1 "IP MAC Binding  Management"
    - N11
    IPMACBindingPortTable1 "IP MAC Binding Port Management"
    IPMACBindingTable1 "IP MAC Binding Table"
    IPMACBindingBlockedTable1 "IP MAC Binding Blocked Table"
  Trap1 "Trap Receiver" hidden
  SyslogInformation1 "System Log Information"
    SyslogControl1 "System Log Control"
    SyslogEntry1 "System Log Entry"
    LogSaveControl1 "Log Save Control"
  LinkAggregation1 "Link Aggregation"
    PortList1 "Port List"
    AggregatorTable1 "Aggregator Table"
    AggregationPortTable1 "Aggregation Port Table"
    AggPortStateTable1 "AggPort State Table" hidden
    AggPortDebugTable1 "AggPort Debug Table" hidden
  - N4
  IFMIB1 "IF-MIB"
    GeneralTable1 "General Table"
    IFXTable1 "IfX Table"
    IfStackTable1 "IfStack Table" hidden
  Entity1 "Entity" hidden
    PhysicalTable1 "Physical Table"
    LogicalTable1 "Logical Table"
    Mapping1 "Mapping" hidden
  - N2 hidden
  dot3Statistics1 "dot3 Statistics"
  CableDiagnosticsInformation1 "Cable Diagnostics Information"
  - N3
  SaveChanges1 "Save Changes"
  Reset2 "Reboot"
MIBII1 "MIB II"
  Information3 "Information"
  - N7
  IfTable1 "IF Table"
  IFCounter1 "IF Counters"
  - N8
  IPCounters1 "IP Counters"
  IPRouting1 "IP Routing"
  IPAddressTable1 "IP Address Table"
  - N9
  ICMPCounters1 "ICMP Counters"
  UDPCounters1 "UDP Counters"
  SNMPCounters1 "SNMP Counters"
Bridge1 "Bridge"
  N8021d1 "802.1d "
    Information1 "Information"
    PortTable1 "Port Table"
  SpaningTree1 "Spanning Tree"
    Information2 "Information"
    PortTable2 "Port Table"
    - N17
    STPManagement1 "STP Management"
    STPPortInformation1 "STP Port Information"
  TransparentBridge1 "Transparent Bridge"
    ForwardingTable1 "Forwarding Table"
    StaticTable1 "Static Table" hidden
    PortCounters1 "Port Counters"
VLAN1 "VLAN"
  N8021P1 "802.1P"
    BasicConfigure2 "Basic Configure"
    PriorityInformation1 "Priority Information"
    GMRP1 "GMRP" hidden
    GVRP1 "GARP" hidden
    PortCapbility1 "Port Capability"
  N8021Q1 "802.1Q"
    N8021QBridge1 "802.1Q Bridge"
      BasicConfigure "Basic Configure"
      PortsInfo1 "Ports Information" hidden
    N8021QVLAN1 "Forwarding/Filtering"
    N8021QVLAN2 "802.1Q VLAN"
      StauticTable1 "Static Table "
      CurrentTable1 "Current Table"
    StaticFiltering1 "Static Filtering "
      UnicastStaticFiltering1 "Unicast Static Filtering "
      MulticastStaticFiltering1 "Multicast Static Filtering"
RMON1 "RMON"
  RMONState1 "RMON State"
  - N16
  Statistics1 "Statistics"
  History1 "History"
  AlarmEvent1 "Alarm/Event"
SecurityManagement2 "Security Management"
  AuthenticationModeSetting1 "Authentication Mode Setting"
  N8021X1 "802.1X"
    Configuration2 "Configuration"
    PAESystemConfiguration1 "Configure PAE System Control"
    ConfigureAuthen1 "Configure Authenticator"
    AuthenticationStatsInfo1 "Authentication Stats Info"
    AuthenticationDiagnostics1 "Authentication Diagnostics Table"
    AuthenticationSessionTable1 "Authentication Session Stats Table"
    SuppConfigTable1 "Supp Config Table" hidden
    SuppStatsTable1 "Supp Stats Table" hidden
    FowardEAPOLPDU1 "Foward EAPOL PDU"
    FowardEAPOLPDUOnPort1 "Foward EAPOL PDU On Port"
  RadiusManagement1 "RADIUS Management"
    BasicConfiguration1 "Basic Configuration" hidden
    RadiusServerTable1 "RADIUS Server Table"
    AuthenticationInformation1 "Authentication Information"
    AuthenticationTable1 "Authentication Table"
    AccountingControl2 "Accounting Control" hidden
      BasicInformation2 "Basic Configuration"
      ServiceTable1 "Service Table"
    AccountingControl1 "Accounting Information"
      BasicInformation1 "Basic Information"
      ServerTable1 "Server Table"
    MacAuthBaseStatsInfo1 "MAC Authentication Base Stats Info"
  - N12
  SSH1 "SSH"
    SSHManagement1 "SSH Management"
    AlgorithmControl1 "Algorithm Control"
    AuthenticationMethod1 "Authentication Method"
    SSHUserManagement1 "SSH User Management"
  GuestVLAN1 "Guest VLAN"
VACM1 "SNMP V3"
  snmpEngine1 "SNMP Engine"
  MessageProcessingandDispatching1 "Message Processing and Dispatching"
  SnmpFrameworkMIB1 "Snmp Framework MIB" hidden
  SNMPTargetMIB1 "SNMP Target MIB"
  UserbasedSecurityModel1 "User-based Security Model"
  ViewBaseAccessControlMode1 "View-base Access Control Model"
  Notifications1 "Notifications"
  Community1 "Community"
Layer2Management2 "Advanced Configuration"
  BandWidthManagement1 "QoS Management"
    QOSMechanism1 "QoS Mechanism"
    IngrPortBwControl1 "Bandwidth Management"
    EgressPortBwControl1 "Scheduling Entry"
    N8021pUserPriorityEntry1 "8021p User Priority Entry"
    N8021pDefaultPriorityEntry1 "8021p Default Priority Entry"
  PortManagement1 "Port Management"
    TrunkInformation1 "Trunk Information"
    PortTrunk1 "Port Trunk"
    LACPPortEntry1 "LACP Port Entry"
    TrunkVLANTable1 "Trunk VLAN Table"
    PortMirror1 "Port Mirror"
    - N5
    PortInformation1 "Port Information Table"
    PortControl1 "Port Control Table"
  TrafficControl1 "Traffic Control" hidden
  TrafficSegment1 "Traffic Segment"
  - N6
  PortErrorTable1 "Port Error Table"
  PortLockManagement1 "Port Security Management"
  PacketStormControl1 "Packet Storm Management"
    PacketStormControl2 "Packet Storm Control"
    PacketStorm1 "Packet Storm Control Table"
  LoopDetectionManagement1 "Loop Detection Management"
    LoopDetectionControl1 "Loop Detection Control"
    LoopDetectionPortManagement1 "Loop Detection Port Management"
  - N1
  IGMPManagement1 "IGMP Management"
    IGMPInformation1 "IGMP Information "
    IGMPControlTable1 "IGMP Control Table"
    IGMPQuery1 "IGMP Query Information"
    IGMPTable1 "IGMP Table"
    IGMPRouterPort1 "IGMP Router Port"
    IGMPAccessAuthenticationTable1 "IGMP Access Authentication Table"
  COSManagement2 "CoS Management"
    COSPriorityTable1 "CoS Priority Table"
    COSPortPRITable1 "CoS Port PRI Table"
    COSMACBasePRITable1 "CoS MAC_Based PRI Table\n"
    COSTOSPRITable1 "CoS ToS PRI Table"
    CoSDSCPPRITable1 "CoS DSCP PRI Table"
  DHCP1 "DHCP Relay Management "
    DHCPRelayConfiguration1 "DHCP Relay Configuration"
    DHCPRelayControlTable1 "DHCP Relay Control Table"
    DHCPRelayOption821 "DHCP Relay Option 82"
    DHCPRelayOption601 "DHCP Relay Option 60"
    DHCPRelayOption60DefaultTable1 "DHCP Relay Option 60 Default Table"
    DHCPRelayOption60Table1 "DHCP Relay Option 60 Table"
    DHCPRelayOption611 "DHCP Relay Option 61"
    DHCPRelayOption61Table1 "DHCP Relay Option 61 Table"
About1 "About"
  Help1 "Help"
  About2 "About")";

struct SiblingItem {
  const char* component;
  const char* argument;
};
const SiblingItem kSiblingItems[] = {
    {"GeneralTable1", "/TIFMib_LastChangeTable"},
    {"IFXTable1", "/TIFMib_ifXEntry"},
    {"IfStackTable1", "/TIFMib_ifStackTable"},
    {"PhysicalTable1", "/TEntityMIB_Physical"},
    {"LogicalTable1", "/TEntityMIB_Logical"},
    {"Mapping1", "/TEntityMIB_Maping"},
    {"dot3Statistics1", "/TEthernetLike_dot3StatsTable"},
    {"Information3", "/TMIB_Info"},
    {"IfTable1", "/TMIB_IFTable"},
    {"IFCounter1", "/TMIB_IFCounters"},
    {"IPCounters1", "/TMIB_IPCounters"},
    {"IPRouting1", "/TMIB_IPRouting"},
    {"IPAddressTable1", "/TMIB_IPAddress"},
    {"ICMPCounters1", "/TMIB_ICMPCounters"},
    {"UDPCounters1", "/TMIB_UDPCounters"},
    {"SNMPCounters1", "/TMIB_SNMPCounters"},
    {"StaticTable1", "/TBridge_StaticFilter"},
    {"PortCounters1", "/TBridge_TpPortInfo"},
    {"PriorityInformation1", "/TVLan_8021DPriority"},
    {"GMRP1", "/TVLan_GMRP"},
    {"GVRP1", "/TVLan_GARP"},
    {"PortCapbility1", "/TVLan_PortCapability"},
    {"PortsInfo1", "/TVLan_PortInfo"},
    {"N8021QVLAN1", "/TVLan_TpBridge8021Q"},
    {"Statistics1", "/TRmon_Statistics"},
    {"History1", "/TRmon_History"},
    {"AlarmEvent1", "/TRmon_AlarmEvent"},
};

void Dump(const QList<QAction*>& actions, int depth, QStringList& out) {
  const QString indent(depth * 2, QLatin1Char(' '));
  for (QAction* action : actions) {
    const QString hidden = action->isVisible() ? QString() : QStringLiteral(" hidden");
    if (action->isSeparator()) {
      out << indent + QStringLiteral("- ") + action->objectName() + hidden;
      continue;
    }
    QString caption = action->text();
    caption.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    out << indent + action->objectName() + QStringLiteral(" \"") + caption + QLatin1Char('"') +
               hidden;
    if (action->menu()) Dump(action->menu()->actions(), depth + 1, out);
  }
}

// The values of a page that were not read: a read succeeds even when the switch lacks an object
// (shown as not on this switch) or serves it with another type (the value then reads "(NULL)").
// A table column may be sparse, so only a column that no row has counts; a table without rows
// would hide its columns, so it counts too.
QStringList UnreadValues(const TSNMPPanel& panel, int page) {
  QStringList unread;
  const QString where = QStringLiteral("page %1: ").arg(page);
  const auto unreadText = [](const QString& text) { return text == QLatin1String("(NULL)"); };
  if (const auto* table = qobject_cast<const TSNMPListViewPanel*>(&panel)) {
    const QTreeWidget* view = table->ListPanel()->ListView();
    if (view->topLevelItemCount() == 0) unread << where + QStringLiteral("no rows");
    for (int column = 0; column < view->columnCount(); ++column) {
      bool read = view->topLevelItemCount() == 0;
      for (int row = 0; row < view->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = view->topLevelItem(row);
        read = read || (!unreadText(item->text(column)) && item->toolTip(column) != ZnAbsentToolTip());
      }
      if (!read) unread << where + view->headerItem()->text(column);
    }
    return unread;
  }
  if (const auto* editor = qobject_cast<const TSNMPEditorPanel*>(&panel)) {
    for (int i = 0; i < editor->Editor()->RowCount(); ++i) {
      const TEditsPanel::Row& row = editor->Editor()->RowAt(i);
      const auto* edit = qobject_cast<const QLineEdit*>(row.value);
      const auto* combo = qobject_cast<const QComboBox*>(row.value);
      const QString text = edit ? edit->text() : combo ? combo->currentText() : QString();
      if (unreadText(text) || ZnIsShownAbsent(row.value)) unread << where + row.caption->text();
    }
  }
  return unread;
}

// The values a page shows cut off: a table column narrower than its values, or an edit
// narrower than its text while the value column could still grow.
QStringList ClippedValues(const TSNMPPanel& panel, int page) {
  QStringList clipped;
  const QString where = QStringLiteral("page %1: cut off: ").arg(page);
  if (const auto* table = qobject_cast<const TSNMPListViewPanel*>(&panel)) {
    const QAbstractItemView* view = table->ListPanel()->ListView();
    const QTreeWidget* tree = table->ListPanel()->ListView();
    for (int column = 0; column < tree->columnCount(); ++column)
      if (!tree->isColumnHidden(column) &&
          tree->columnWidth(column) < view->sizeHintForColumn(column))
        clipped << where + tree->headerItem()->text(column);
    return clipped;
  }
  if (const auto* editor = qobject_cast<const TSNMPEditorPanel*>(&panel)) {
    for (int i = 0; i < editor->Editor()->RowCount(); ++i) {
      const auto* edit = qobject_cast<const QLineEdit*>(editor->Editor()->RowAt(i).value);
      if (edit && edit->width() < 300 &&
          edit->width() < edit->fontMetrics().horizontalAdvance(edit->text()) + 8)
        clipped << where + edit->text();
    }
  }
  return clipped;
}

class MainFormTest : public AgentSuite {
 protected:
  void SetUp() override {
    AgentSuite::SetUp();
    ASSERT_TRUE(host_.isValid());
    previousDirectory_ = QDir::currentPath();
    // The boots counter goes to the current directory.
    QDir::setCurrent(host_.path());
    QDir(host_.path()).mkpath(QStringLiteral("bin"));
    QDir(host_.path()).mkpath(QStringLiteral("Conf/MBF"));
    WriteFile(QStringLiteral("registry.ini"),
              QStringLiteral("[\\SOFTWARE\\Orvane\\Korlin5.1\\ExePath]\nPath=%1/bin/\n")
                  .arg(host_.path()));
  }
  void TearDown() override {
    QDir::setCurrent(previousDirectory_);
    AgentSuite::TearDown();
  }

  void WriteFile(const QString& name, const QString& text) {
    QFile file(host_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
  }
  // The device profile of 127.0.0.1: the agent's port, the given version and further keys.
  void WriteProfile(int version, const QString& more = QString()) {
    // The first of two equal keys counts: `more` overrides the defaults after it.
    WriteFile(QStringLiteral("Conf/MBF/127.0.0.1.cfg"),
              QStringLiteral("[Program Information]\n") + more +
                  QStringLiteral("AgentPort=%1\nVersion=%2\nSecurityModel=3\n"
                                 "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n")
                      .arg(agent_->Port())
                      .arg(version));
  }
  std::unique_ptr<TMainForm> Open(const QStringList& parameters = {"/I127.0.0.1", "/Rtamrel",
                                                                   "/Wvosquin"}) {
    auto form = std::make_unique<TMainForm>(
        parameters, ZnRegistry(host_.filePath(QStringLiteral("registry.ini"))));
    form->programDirectory = QStringLiteral("/opt/host/bin/");
    form->launcher = [this](const QString& line) { launched_ << line; };
    form->helpOpener = [this](const QString& file) {
      helpFiles_ << file;
      return false;
    };
    return form;
  }
  void SetRmonState(int state) {
    ZnSNMPRequest request;
    static constexpr ZnSNMPVarDef kRmon[] = {
        {"1.3.6.1.4.1.99917.11.63.3.2.1.2.16", "RMON State", ZnSyntax::Integer,
         ZnAccess::ReadWrite},
        {},
    };
    request.VarList = ZnSNMPVarList(kRmon, ZnItemType::SVT_SV, 0);
    request.VarList.Item(0).Value = QString::number(state);
    request.Set();
  }
  bool RmonViewersEnabled(const TMainForm& form, bool enabled) {
    for (const char* name : {"Statistics1", "History1", "AlarmEvent1"})
      if (form.MenuAction(QString::fromLatin1(name))->isEnabled() != enabled) return false;
    return true;
  }

  QTemporaryDir host_;
  QString previousDirectory_;
  QStringList launched_;
  QStringList helpFiles_;
};

TEST_F(MainFormTest, TheMenuTreeIsTheDevicesMenuComponentByComponent) {
  WriteProfile(1);
  auto form = Open();
  QStringList menu;
  Dump(form->menuBar()->actions(), 0, menu);
  EXPECT_EQ(menu.join(QLatin1Char('\n')), QString::fromUtf8(kExpectedMenu));
  // Only SNMPv3 opens the "SNMP V3" menu.
  EXPECT_FALSE(form->MenuAction(QStringLiteral("VACM1"))->isEnabled());
}

TEST_F(MainFormTest, SiblingItemsStartTheirToolWithTheSameConnection) {
  WriteProfile(1);
  auto form = Open();
  for (const SiblingItem& item : kSiblingItems) {
    launched_.clear();
    form->MenuAction(QString::fromLatin1(item.component))->trigger();
    ASSERT_EQ(launched_.size(), 1) << item.component;
    EXPECT_TRUE(launched_[0].endsWith(QLatin1Char(' ') + QString::fromLatin1(item.argument)))
        << qPrintable(launched_[0]);
  }
  launched_.clear();
  form->MenuAction(QStringLiteral("IfTable1"))->trigger();
  EXPECT_EQ(launched_, QStringList{"/opt/host/bin/MIB /I127.0.0.1 /Rtamrel /Wvosquin "
                                   "/TMIB_IFTable"});
}

TEST_F(MainFormTest, StartUpReadsTheRmonStateAndTheModulesAndReportsFailures) {
  WriteProfile(1);
  auto form = Open();
  EXPECT_FALSE(form->TerminateRequested());
  form->FormCreate();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("127.0.0.1"));
  EXPECT_EQ(form->ST_RmonState()->text(), QStringLiteral("enabled"));
  EXPECT_EQ(form->ST_Module1()->text(), QStringLiteral("none"));
  EXPECT_EQ(form->ST_Module2()->text(), QStringLiteral("none"));
  EXPECT_TRUE(form->StatusPanel()->text().startsWith(QStringLiteral("Get: Ok. Receive at ")));
  EXPECT_TRUE(notifier_.shown.empty());

  // A device that does not answer: the error is in the status bar, not in a message box.
  WriteFile(QStringLiteral("Conf/MBF/127.0.0.1.cfg"),
            QStringLiteral("[Program Information]\nAgentPort=1\nVersion=1\nSecurityModel=3\n"
                           "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n"));
  ZnSNMPDefaultTimeout = 10;
  auto silent = Open();
  silent->FormCreate();
  EXPECT_FALSE(silent->StatusPanel()->text().isEmpty());
  EXPECT_FALSE(silent->StatusPanel()->text().startsWith(QStringLiteral("Get: Ok")));
  EXPECT_TRUE(notifier_.shown.empty());
}

TEST_F(MainFormTest, RmonViewersFollowTheDevicesRmonState) {
  WriteProfile(1);
  auto form = Open();
  form->FormCreate();
  form->FormActivate();
  EXPECT_TRUE(RmonViewersEnabled(*form, true));

  SetRmonState(2);  // disabled
  form->RMON1Click();
  EXPECT_EQ(form->ST_RmonState()->text(), QStringLiteral("disabled"));
  EXPECT_TRUE(RmonViewersEnabled(*form, false));
  // Opening the menu reads the state again.
  SetRmonState(3);
  form->Menu(QStringLiteral("RMON1"))->popup(QPoint(0, 0));
  form->Menu(QStringLiteral("RMON1"))->hide();
  EXPECT_TRUE(RmonViewersEnabled(*form, true));

  // A failed read leaves the items as they were and says why in the status bar.
  SetRmonState(2);
  form->RMON1Click();
  agent_->Stop();
  form->RmonStateBinding()->Request().Timeout = 10;
  form->RMON1Click();
  EXPECT_TRUE(RmonViewersEnabled(*form, false));
  EXPECT_FALSE(form->StatusPanel()->text().startsWith(QStringLiteral("Get: Ok")));
  ASSERT_TRUE(agent_->Restart());
  SetRmonState(3);
}

// The RMON State dialog writes the object the RMON menu reads: RMON switched off in the dialog
// disables the RMON viewers when the menu opens next, switched on enables them again.
TEST_F(MainFormTest, RmonStateSetInItsDialogDecidesTheRmonViewers) {
  WriteProfile(1);
  auto form = Open();
  form->FormCreate();
  form->FormActivate();
  ASSERT_TRUE(RmonViewersEnabled(*form, true));
  // Sets the state through the dialog opened from its menu item, then opens the RMON menu.
  auto setInDialog = [&](const QString& label) {
    QString status;
    WhenModal([&](QWidget* modal) {
      auto* page = modal->findChild<TSNMPEditorPanel*>();
      if (page == nullptr) return true;
      Await([&] { return !page->Binding()->Busy() && !page->Memo()->toPlainText().isEmpty(); });
      const TEditsPanel::Row& row = page->Editor()->RowAt(0);
      auto* state = qobject_cast<QComboBox*>(row.value);
      if (state == nullptr) return true;
      state->setCurrentIndex(state->findText(label));
      if (!row.check->isChecked()) row.check->click();
      page->Buttons()->SetCheckedButton()->click();
      status = page->Memo()->toPlainText().split(QLatin1Char('\n')).last();
      return true;
    });
    agent_->ClearTrace();
    form->MenuAction(QStringLiteral("RMONState1"))->trigger();
    form->Menu(QStringLiteral("RMON1"))->popup(QPoint(0, 0));
    form->Menu(QStringLiteral("RMON1"))->hide();
    return status;
  };

  EXPECT_TRUE(setInDialog(QStringLiteral("disabled")).startsWith(QStringLiteral("Set: Ok.")));
  EXPECT_EQ(Sets(), QStringList{"1.3.6.1.4.1.99917.11.63.3.2.1.2.16.0=INTEGER:2"});
  EXPECT_EQ(form->ST_RmonState()->text(), QStringLiteral("disabled"));
  EXPECT_TRUE(RmonViewersEnabled(*form, false));

  EXPECT_TRUE(setInDialog(QStringLiteral("enabled")).startsWith(QStringLiteral("Set: Ok.")));
  EXPECT_EQ(Sets(), QStringList{"1.3.6.1.4.1.99917.11.63.3.2.1.2.16.0=INTEGER:3"});
  EXPECT_EQ(form->ST_RmonState()->text(), QStringLiteral("enabled"));
  EXPECT_TRUE(RmonViewersEnabled(*form, true));
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
}

TEST_F(MainFormTest, RebootWritesOneWarmStartAndCancelSendsNothing) {
  WriteProfile(1);
  auto form = Open();
  notifier_.answer = false;
  form->MenuAction(QStringLiteral("Reset2"))->trigger();
  ASSERT_EQ(notifier_.shown.size(), 1u);
  EXPECT_EQ(notifier_.shown[0].Caption, QStringLiteral("Device Reboot"));
  EXPECT_EQ(notifier_.shown[0].Text, QStringLiteral("Are you sure?"));
  EXPECT_EQ(notifier_.shown[0].ButtonSet, ZnUserNotifier::Buttons::OkCancel);
  EXPECT_TRUE(agent_->TraceLines().isEmpty());

  notifier_.answer = true;
  form->MenuAction(QStringLiteral("Reset2"))->trigger();
  EXPECT_EQ(Sets(), QStringList{"1.3.6.1.4.1.99917.12.1.2.3.0=INTEGER:3"});
  EXPECT_EQ(agent_->TraceLines().size(), 1);
}

TEST_F(MainFormTest, SaveChangesAsksThenOpensItsDialogWithALongTimeOut) {
  WriteProfile(1);
  auto form = Open();
  notifier_.answer = false;
  form->MenuAction(QStringLiteral("SaveChanges1"))->trigger();
  ASSERT_EQ(notifier_.shown.size(), 1u);
  EXPECT_EQ(notifier_.shown[0].Caption, QStringLiteral("Device Save Changes"));
  EXPECT_EQ(notifier_.shown[0].Text, QStringLiteral("Are you sure?"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  notifier_.answer = true;
  QString caption;
  int timeout = 0;
  WhenModal([&](QWidget* modal) {
    caption = modal->windowTitle();
    if (auto* page = modal->findChild<TSNMPEditorPanel*>())
      timeout = page->Binding()->Request().Timeout;
    return true;
  });
  form->MenuAction(QStringLiteral("SaveChanges1"))->trigger();
  EXPECT_EQ(caption, QStringLiteral("Log Save Control : 127.0.0.1"));
  EXPECT_EQ(timeout, 1200);
  EXPECT_TRUE(form->CurrentTitle().isEmpty());
}

// Every dialog of the catalogue whose menu item passes `wanted`, opened from that item as a user
// would: the caption follows the entry's rule and every page reads without an error, so every
// object the catalogue names is served by the switch with the type the catalogue gives it; every
// list view of it offers Ctrl+C, Copy and Export as CSV. Returns how many dialogs it opened.
int OpenEveryItemAndReadEveryPage(TMainForm& form,
                                  const std::function<bool(QAction* item)>& wanted) {
  int dialogs = 0;
  for (const ZnCatalogueEntry& entry : ZnCatalogue()) {
    SCOPED_TRACE(entry.componentName);
    QAction* item = form.MenuAction(QString::fromUtf8(entry.componentName));
    EXPECT_NE(item, nullptr) << "no menu item opens this dialog";
    if (item == nullptr || !wanted(item)) continue;
    ++dialogs;
    const QString titleBefore = form.CurrentTitle();
    bool opened = false;
    QString caption;
    QStringList statusLines, unread, withoutExport;
    WhenModal([&](QWidget* modal) {
      opened = true;
      caption = modal->windowTitle();
      withoutExport = ListViewsWithoutCopyAndExport(*modal);
      auto* dialog = qobject_cast<TConfigForm*>(modal);
      if (dialog == nullptr) return true;
      const int pages = static_cast<int>(entry.pages.size());
      for (int page = 0; page < pages; ++page) {
        QTabWidget* tabs = dialog->PageControl();
        if (tabs) tabs->setCurrentIndex(page);
        const auto* panel = qobject_cast<const TSNMPPanel*>(
            tabs ? tabs->widget(page) : dialog->findChild<TSNMPPanel*>());
        if (panel == nullptr) break;
        Await([&] { return !panel->Binding()->Busy() && !panel->Memo()->toPlainText().isEmpty(); });
        statusLines << panel->Memo()->toPlainText().split(QLatin1Char('\n')).last();
        QCoreApplication::processEvents();  // the columns fit the values once the rows are in
        unread << UnreadValues(*panel, page) << ClippedValues(*panel, page);
      }
      return true;
    });
    item->trigger();
    EXPECT_TRUE(opened) << "the menu item opened no dialog";
    if (!opened) continue;

    const QString address = QStringLiteral("127.0.0.1");
    if (entry.title) {
      EXPECT_EQ(caption, QString::fromUtf8(entry.title) + QStringLiteral(" : ") + address);
      EXPECT_EQ(form.CurrentTitle(), QString::fromUtf8(entry.title));
    } else {
      EXPECT_EQ(caption, QString::fromUtf8(entry.captionPrefix) + address);
      EXPECT_EQ(form.CurrentTitle(), entry.prefixIsTitle ? caption : titleBefore);
    }
    EXPECT_EQ(statusLines.size(), static_cast<qsizetype>(entry.pages.size()));
    for (qsizetype page = 0; page < statusLines.size(); ++page) {
      EXPECT_TRUE(statusLines[page].startsWith(QStringLiteral("Get: Ok.")))
          << "page " << page << ": " << qPrintable(statusLines[page]);
    }
    EXPECT_TRUE(unread.isEmpty()) << qPrintable(unread.join('\n'));
    EXPECT_TRUE(withoutExport.isEmpty()) << qPrintable(withoutExport.join('\n'));
  }
  return dialogs;
}

bool InSnmpV3Menu(const TMainForm& form, QAction* item) {
  return form.Menu(QStringLiteral("VACM1"))->actions().contains(item);
}

// The "SNMP V3" menu is open only over SNMPv3; the next test opens its dialogs.
TEST_F(MainFormTest, EveryCatalogueItemOpensItsDialogAndEveryPageReads) {
  WriteProfile(1);
  auto form = Open();
  EXPECT_GT(OpenEveryItemAndReadEveryPage(
                *form, [&](QAction* item) { return !InSnmpV3Menu(*form, item); }),
            0);
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
}

// The dialogs of the "SNMP V3" menu as an SNMPv3 administrator with authentication and privacy
// uses them: every request on the wire is that user's.
TEST_F(MainFormTest, EverySnmpV3ItemOpensItsDialogOverAuthPrivAndEveryPageReads) {
  // Profile numbering is the library's minus one: authPriv, HMAC-SHA, AES-128.
  WriteProfile(3, QStringLiteral("SecurityName=nx-aes\nSecurityLevel=2\nAuthProtocol=2\n"
                                 "AuthPassword=nx-aes-auth\nPrivProtocol=3\n"
                                 "PrivPassword=nx-aes-priv\n"));
  // The profile applies before a parameter other than the address, as the host passes one.
  auto form = Open({"/I127.0.0.1", "/Pnx-aes-priv"});
  ASSERT_TRUE(form->MenuAction(QStringLiteral("VACM1"))->isEnabled());
  agent_->ClearTrace();
  EXPECT_EQ(OpenEveryItemAndReadEveryPage(*form,
                                          [&](QAction* item) { return InSnmpV3Menu(*form, item); }),
            7);
  const QStringList trace = agent_->TraceLines();
  EXPECT_FALSE(trace.isEmpty());
  for (const QString& line : trace)
    EXPECT_TRUE(line.contains("\tv3\tnx-aes\t")) << qPrintable(line);
  EXPECT_TRUE(notifier_.shown.empty()) << qPrintable(notifier_.Texts().join('\n'));
}

TEST_F(MainFormTest, ExitIsConfirmedAndHelpFailuresAreToldNotHidden) {
  WriteProfile(1);
  auto form = Open();
  form->show();
  notifier_.answer = false;
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  ASSERT_EQ(notifier_.shown.size(), 1u);
  EXPECT_EQ(notifier_.shown[0].Caption, QStringLiteral("Exit"));
  EXPECT_EQ(notifier_.shown[0].Text, QStringLiteral("Are you sure to exit?"));
  EXPECT_EQ(notifier_.shown[0].ButtonSet, ZnUserNotifier::Buttons::YesNo);

  form->MenuAction(QStringLiteral("Help1"))->trigger();
  EXPECT_EQ(helpFiles_,
            QStringList{QStringLiteral("/opt/host/bin/NX-596 Series R4 Oct 08 Q7korlin.hlp")});
  ASSERT_EQ(notifier_.shown.size(), 2u);
  EXPECT_TRUE(notifier_.shown[1].Text.contains(QStringLiteral("Q7korlin.hlp")));

  // About opens a modeless box each time; the latest is reachable until it closes.
  form->MenuAction(QStringLiteral("About2"))->trigger();
  TAboutForm* first = TAboutForm::Instance;
  form->MenuAction(QStringLiteral("About2"))->trigger();
  ASSERT_NE(TAboutForm::Instance, nullptr);
  EXPECT_NE(TAboutForm::Instance, first);
  EXPECT_FALSE(TAboutForm::Instance->isModal());
  EXPECT_EQ(form->findChildren<TAboutForm*>().size(), 2);
  TAboutForm::Instance->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(TAboutForm::Instance, nullptr);

  notifier_.answer = true;
  EXPECT_TRUE(form->close());
}

TEST_F(MainFormTest, ClosingTheWindowClosesThePortsTrafficWindows) {
  WriteProfile(1);
  auto form = Open();
  form->show();
  ASSERT_TRUE(Await([&] { return form->FrontPanel() != nullptr; }));
  TTrafficForm::Open(3, form->DeviceAddress(), form.get());
  TTrafficForm::Open(26, form->DeviceAddress(), form.get());
  ASSERT_EQ(TTrafficForm::OpenForms().size(), 2);
  notifier_.answer = false;  // exit declined: everything stays
  EXPECT_FALSE(form->close());
  EXPECT_EQ(TTrafficForm::OpenForms().size(), 2);
  notifier_.answer = true;
  EXPECT_TRUE(form->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(TTrafficForm::OpenForms().isEmpty());
}

TEST_F(MainFormTest, WithoutParametersTheUserIsToldAndTheProgramEnds) {
  auto form = Open({});
  EXPECT_TRUE(form->TerminateRequested());
  EXPECT_EQ(notifier_.Texts(), QStringList{"No parameter input"});
}

TEST_F(MainFormTest, SnmpV3OpensItsMenuAndNoPasswordReachesAFile) {
  WriteProfile(3, QStringLiteral("SecurityName=nx-sha\nSecurityLevel=1\nAuthProtocol=2\n"
                                 "AuthPassword=nx-sha-pass\n"));
  auto form = Open({"/I127.0.0.1", "/Pnx-priv-phrase"});
  EXPECT_TRUE(form->MenuAction(QStringLiteral("VACM1"))->isEnabled());
  form->FormCreate();
  EXPECT_EQ(form->ST_RmonState()->text(), QStringLiteral("enabled"))
      << qPrintable(form->StatusPanel()->text());
  form.reset();
  // Whatever the module wrote (the boots counter) holds no pass phrase.
  QDirIterator files(host_.path(), QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString name = files.next();
    if (name.endsWith(QStringLiteral(".cfg"))) continue;  // the host's own profile
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_FALSE(content.contains("nx-sha-pass")) << qPrintable(name);
    EXPECT_FALSE(content.contains("nx-priv-phrase")) << qPrintable(name);
  }
}

}  // namespace

namespace {

// The captions from the menu bar down to each item that opens a dialog.
std::vector<QStringList> DialogMenuPaths() {
  std::vector<QStringList> paths;
  QStringList trail;
  int hiddenBelow = -1;  // the depth of a hidden submenu whose items are skipped
  for (const ZnMenuItem& item : ZnMainMenuItems()) {
    if (hiddenBelow >= 0 && item.depth > hiddenBelow) continue;
    hiddenBelow = -1;
    if (item.kind == ZnMenuKind::Separator) continue;
    if (item.hidden) {
      hiddenBelow = item.depth;
      continue;
    }
    trail.resize(item.depth);
    trail << QString::fromUtf8(item.caption);
    if (item.kind == ZnMenuKind::Catalogue || item.kind == ZnMenuKind::HandMade)
      paths.push_back(trail);
  }
  return paths;
}

// The buttons a person must reach from the keyboard in every dialog.
bool MustBeReached(const QPushButton* button) {
  static const QStringList captions = {"Refresh", "Set", "Set Checked", "Add", "Delete",
                                       "Edit",    "Close"};
  return button->isVisible() && button->isEnabled() &&
         captions.contains(button->text().remove('&'));
}

}  // namespace

// Every dialog of the menu with the keyboard alone: F10 and the arrows down to the item, Enter;
// Tab goes round every control a person may use, never resting on a hidden or disabled one, and
// reaches each of the dialog's buttons; a list's row is chosen with the arrow keys; Space presses
// Refresh; Escape closes the dialog.
TEST_F(MainFormTest, EveryDialogIsOpenedAndWorkedWithTheKeyboardAlone) {
  WriteProfile(1);
  auto form = Open();
  form->show();
  form->activateWindow();
  ASSERT_TRUE(Await([&] { return form->FrontPanel() != nullptr; }));
  int dialogs = 0;
  for (const QStringList& path : DialogMenuPaths()) {
    const std::string name = path.join(" > ").toStdString();
    SCOPED_TRACE(name);
    QAction* item = nullptr;
    for (const ZnMenuItem& m : ZnMainMenuItems())
      if (m.caption && QString::fromUtf8(m.caption) == path.back() && !m.hidden)
        item = form->MenuAction(QString::fromUtf8(m.name));
    if (item && !item->isEnabled()) continue;
    bool menuEnabled = true;  // the "SNMP V3" menu is closed over SNMPv1 and SNMPv2c
    for (QAction* title : form->menuBar()->actions())
      if (title->text().remove('&') == path.front()) menuEnabled = title->isEnabled();
    if (!menuEnabled) continue;
    bool opened = false, closed = false;
    WhenModal([&](QWidget* dialog) {
      opened = true;
      EXPECT_TRUE(AwaitExchangesDone());  // the first reads
      QSet<QWidget*> reached;
      QWidget* first = user::FocusWidget();
      EXPECT_NE(first, nullptr) << "nothing has the focus when the dialog opens";
      for (int steps = 0; steps < 400; ++steps) {
        QWidget* focus = user::FocusWidget();
        if (focus == nullptr) break;
        EXPECT_TRUE(focus->isVisible() && focus->isEnabled())
            << "the focus rests on " << qPrintable(focus->objectName()) << " "
            << focus->metaObject()->className();
        if (reached.contains(focus) && focus == first) break;
        reached.insert(focus);
        if (!user::Tab()) break;
      }
      for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (MustBeReached(button)) {
          EXPECT_TRUE(reached.contains(button)) << qPrintable(button->text()) << " is never reached";
        }
      }
      for (QTreeWidget* list : dialog->findChildren<QTreeWidget*>()) {
        if (!list->isVisible() || list->topLevelItemCount() == 0) continue;
        EXPECT_TRUE(reached.contains(list)) << qPrintable(list->objectName());
        if (!user::TabTo(list)) continue;
        EXPECT_TRUE(user::Key(Qt::Key_Down));
        // A list of one row already has it as its current row: Space chooses it.
        if (list->selectedItems().isEmpty()) {
          EXPECT_TRUE(user::Space());
        }
        EXPECT_EQ(list->selectedItems().size(), 1) << qPrintable(list->objectName());
      }
      for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (!MustBeReached(button) || button->text().remove('&') != "Refresh") continue;
        EXPECT_TRUE(user::TabTo(button));
        EXPECT_TRUE(user::Space());
        EXPECT_TRUE(AwaitExchangesDone());
        break;
      }
      EXPECT_TRUE(user::Escape());
      closed = !dialog->isVisible();
      return !closed;  // a dialog Escape left open is closed for the next one
    });
    EXPECT_TRUE(user::ChooseMenuByKeyboard(form->menuBar(), path));
    EXPECT_TRUE(opened);
    EXPECT_TRUE(closed) << "Escape did not close it";
    ++dialogs;
  }
  EXPECT_GT(dialogs, 100);
}
