#include "TNX596PanelForm.h"

#include "TConfigForm.h"
#include "TTrafficForm.h"
#include "ZnCatalogue.h"
#include "ZnException.h"
#include "ZnPortTips.h"
#include "ZnSNMPRequest2Edits.h"
#include "ZnSNMPRequest2Leds.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>

int ZnSelectedPort = 1;

namespace {

// The power, console and link LEDs, and the modules' link, activity and single LEDs: codes 0
// and 1 off (white), 2 and 3 green, 4 blue, 5 red; the top bit makes an LED blink. The XM-71's
// speed LED is green only for code 3 and blinks with bit 2.
const ZnSNMPLedColorMapList& kPanelMap = ZnLedColorMap1;
const ZnSNMPLedColorMapList& kSpeedMap = ZnLedColorMap4;

// The LED status of the whole front panel, one byte per LED: 0 power, 1 console, 2n the link of
// port n, 50-51 uplink slot 1, 52-53 uplink slot 2.
constinit const ZnSNMPVarDef kFrontPanelLeds[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.1.5", "swL2DevInfoFrontPanelLedStatus", ZnSyntax::OctetString,
     ZnAccess::ReadOnly},
    {},
};

constexpr ZnOptionItem kModuleTypeItems[] = {
    {0, "none"},
    {1, "moduleType-XM-71"},
    {2, "moduleType-XM-73"},
    {3, "moduleType-XM-72"},
    {4, "moduleType-COMBA"},
    {0, nullptr},
};
const ZnOptionList kModuleTypeOptions(kModuleTypeItems);
constinit const ZnSNMPVarDef kModuleTypes[] = {
    {"1.3.6.1.4.1.99917.11.63.3.2.1.1.6", "swL2Module-1-Type", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kModuleTypeOptions},
    {"1.3.6.1.4.1.99917.11.63.3.2.1.1.7", "swL2Module-2-Type", ZnSyntax::Integer,
     ZnAccess::ReadOnly, &kModuleTypeOptions},
    {},
};

constexpr int kPollInterval = 300;  // 3 seconds, in units of 10 ms

QFrame* Holder(QWidget* parent, const char* name, const QRect& geometry) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setGeometry(geometry);
  // A dark recess in the picture: the LEDs are painted on it.
  frame->setAutoFillBackground(true);
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, QColor(0x16, 0x18, 0x1a));
  frame->setPalette(palette);
  return frame;
}

int Tag(const QObject* object) {
  return object->property("Tag").toInt();
}

void Select(QPointer<QToolButton>& pressed, QToolButton* button) {
  if (pressed && pressed != button) pressed->setChecked(false);
  pressed = button;
  button->setChecked(true);
  ZnSelectedPort = Tag(button);
}

// Double-click and Enter open the selected port; a filter serves the buttons of both kinds.
bool IsOpenRequest(QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick)
    return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
  }
  return false;
}

void ReportTo(QLabel* statusPanel, const std::exception& error) {
  if (statusPanel) statusPanel->setText(QString::fromUtf8(error.what()));
}

// The context menu of a port or module button (right click or the menu key), for the port the
// button selected. The actions run once the menu has closed.
void PopupPortMenu(QToolButton* button, const QPoint& globalPos, const ZnPanelHost& host) {
  auto* menu = new QMenu(button);
  menu->setObjectName(QStringLiteral("PortMenu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const QPointer<QLabel> status = host.statusPanel;
  const QString address = host.deviceAddress;
  const int port = Tag(button);
  QAction* control = menu->addAction(QStringLiteral("Port Control…"));
  QObject::connect(
      control, &QAction::triggered, button,
      [button, status, address] {
        try {
          ZnOpenPortDialog(button->window(), address);
        } catch (const std::exception& error) {
          ReportTo(status, error);
        }
      },
      Qt::QueuedConnection);
  QAction* traffic = menu->addAction(QStringLiteral("Traffic…"));
  QObject::connect(
      traffic, &QAction::triggered, button,
      [button, address, port] { TTrafficForm::Open(port, address, button->window()); },
      Qt::QueuedConnection);
  menu->popup(globalPos);
}

bool IsMenuRequest(QEvent* event) {
  return event->type() == QEvent::ContextMenu;
}

QPoint MenuPosition(QToolButton* button, QEvent* event) {
  auto* request = static_cast<QContextMenuEvent*>(event);
  // The menu key has no pointer position: the menu opens below the button.
  if (request->reason() == QContextMenuEvent::Keyboard)
    return button->mapToGlobal(QPoint(0, button->height()));
  return request->globalPos();
}

}  // namespace

const ZnSNMPLedColorMapList& ZnPanelColorMap() {
  return kPanelMap;
}
const ZnSNMPLedColorMapList& ZnSpeedColorMap() {
  return kSpeedMap;
}
const ZnSNMPVarDef* ZnModuleTypeDefinitions() {
  return kModuleTypes;
}

void ZnOpenPortDialog(QWidget* parent, const QString& deviceAddress) {
  const ZnCatalogueEntry* entry = ZnFindCatalogueEntry("PortControl1");
  if (!entry || entry->pages.empty())
    throw ZnException(QStringLiteral("The Port Control table is not in the catalogue!"), 0);
  auto form = std::make_unique<TConfigForm>(parent);
  auto* binding = new ZnSNMPRequest2Edits(form.get());
  // One row of the table: the port's instance is appended to every column.
  binding->VarList() = ZnSNMPVarList(entry->pages.front().table, ZnItemType::MVT_SV, 1);
  binding->mode = ZnSNMPRequest2Controls::Mode::Blocking;
  binding->Request().ReloadSettings();
  binding->VarList().AppendInstance(QString::number(ZnSelectedPort));
  form->AddEditor(binding);
  form->setWindowTitle(QStringLiteral("Port Control : ") + deviceAddress);
  form->exec();
}

// Module panels ----------------------------------------------------------------------------------

TModulePanelForm::TModulePanelForm(ZnModuleKind kind, int slot, const ZnPanelHost& host,
                                   QWidget* parent)
    : QWidget(parent), kind_(kind), host_(host) {
  setFixedSize(ZnModuleSize);
  image_ = new QLabel(this);
  image_->setObjectName(QStringLiteral("Image1"));
  image_->setGeometry(QRect(QPoint(0, 0), ZnModuleSize));
  image_->setPixmap(ZnModulePicture(kind, devicePixelRatioF()));

  const ZnModuleLayout layout = ZnModuleLayoutOf(kind);
  button_ = new QToolButton(this);
  button_->setObjectName(QStringLiteral("SpeedButton1"));
  button_->setGeometry(layout.Button);
  button_->setCheckable(true);
  button_->setAutoRaise(true);
  const QPixmap glyph = ZnModuleGlyph(kind, devicePixelRatioF());
  button_->setIcon(glyph);
  button_->setIconSize(glyph.deviceIndependentSize().toSize());
  button_->setProperty("Tag", slot == 1 ? 25 : 26);
  button_->setToolTip(QStringLiteral("%1 in slot %2").arg(ZnModuleName(kind)).arg(slot));
  button_->installEventFilter(this);
  connect(button_, &QToolButton::clicked, this, &TModulePanelForm::SpeedButton1Click);

  // The LEDs of the slot the module sits in: bytes 50 and 51 for slot 1, 52 and 53 for slot 2.
  leds_ = new ZnSNMPRequest2Leds(this);
  leds_->VarList() = ZnSNMPVarList(kFrontPanelLeds, ZnItemType::SVT_SV, 0);
  leds_->Request().Timeout = 100;
  const QString link = QString::number(slot == 1 ? 50 : 52);
  const QString single = QString::number(slot == 1 ? 51 : 53);
  const auto bind = [this](const char* name, const QRect& where, const QString& byte,
                           const ZnSNMPLedColorMapList& map) {
    if (where.isEmpty()) return;
    QFrame* holder = Holder(this, name, where);
    leds_->BindLedRow(0, byte, map, holder, 1, 0, ZnLedShape::Kind::Rectangle, 6, 6);
  };
  if (kind == ZnModuleKind::XM71) {
    bind("LedPort1Speed", layout.LedPort1Speed, single, kSpeedMap);
    bind("LedPort1Link", layout.LedPort1Link, link, kPanelMap);
    bind("LedPort1Act", layout.LedPort1Act, link, kPanelMap);
  } else {
    bind("LedPort1Act", layout.LedPort1Act, single, kPanelMap);
  }
  leds_->SetStatusTarget(host_.statusPanel);
  leds_->Start(kPollInterval);
}

// The binding goes first, while every widget is whole: it may wait for a read still under way,
// and events delivered meanwhile must find a complete window.
TModulePanelForm::~TModulePanelForm() {
  delete leds_;
}

void TModulePanelForm::SpeedButton1Click() {
  QPointer<QToolButton> pressed;  // the module's form has this one button only
  Select(pressed, button_);
}

void TModulePanelForm::SpeedButton1DblClick() {
  ZnOpenPortDialog(window(), host_.deviceAddress);
}

bool TModulePanelForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == button_ && IsMenuRequest(event)) {
    SpeedButton1Click();
    PopupPortMenu(button_, MenuPosition(button_, event), host_);
    return true;
  }
  if (watched == button_ && IsOpenRequest(event)) {
    if (event->type() == QEvent::KeyPress) SpeedButton1Click();
    try {
      SpeedButton1DblClick();
    } catch (const std::exception& error) {
      ReportTo(host_.statusPanel, error);
    }
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

TPanelXM71Form::TPanelXM71Form(int slot, const ZnPanelHost& host, QWidget* parent)
    : TModulePanelForm(ZnModuleKind::XM71, slot, host, parent) {
  setObjectName(QStringLiteral("PanelXM71Form"));
  Instance = this;
}
TPanelXM71Form::~TPanelXM71Form() {
  if (Instance == this) Instance = nullptr;
}
TPanelXM72Form::TPanelXM72Form(int slot, const ZnPanelHost& host, QWidget* parent)
    : TModulePanelForm(ZnModuleKind::XM72, slot, host, parent) {
  setObjectName(QStringLiteral("PanelXM72Form"));
  Instance = this;
}
TPanelXM72Form::~TPanelXM72Form() {
  if (Instance == this) Instance = nullptr;
}
TPanel1XM73Form::TPanel1XM73Form(int slot, const ZnPanelHost& host, QWidget* parent)
    : TModulePanelForm(ZnModuleKind::XM73, slot, host, parent) {
  setObjectName(QStringLiteral("Panel1XM73Form"));
  Instance = this;
}
TPanel1XM73Form::~TPanel1XM73Form() {
  if (Instance == this) Instance = nullptr;
}

// The front panel --------------------------------------------------------------------------------

TNX596PanelForm::TNX596PanelForm(const ZnPanelHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {
  setObjectName(QStringLiteral("NX596PanelForm"));
  setFixedSize(ZnFrontPanelSize);
  mainPanel_ = new QFrame(this);
  mainPanel_->setObjectName(QStringLiteral("MainPanel"));
  mainPanel_->setGeometry(rect());
  image_ = new QLabel(mainPanel_);
  image_->setObjectName(QStringLiteral("Image1"));
  image_->setGeometry(mainPanel_->rect());
  image_->installEventFilter(this);

  for (int port = 1; port <= 24; ++port) {
    auto* button = new QToolButton(mainPanel_);
    button->setObjectName(QStringLiteral("SB_Port%1").arg(port));
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setProperty("Tag", port);
    button->setToolTip(QStringLiteral("Port %1").arg(port));
    button->setFocusPolicy(Qt::StrongFocus);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, [this, button] { SB_Port1Click(button); });
    ports_[static_cast<size_t>(port - 1)] = button;
  }
  tips_ = new ZnPortTips(this);
  for (QToolButton* button : ports_) tips_->Watch(button);
  powerLed_ = Holder(mainPanel_, "PowerLedPanel", ZnPowerLedRect());
  consoleLed_ = Holder(mainPanel_, "ConsoleLedPanel", ZnConsoleLedRect());
  for (int group = 1; group <= 3; ++group)
    linkStrips_[static_cast<size_t>(group - 1)] =
        Holder(mainPanel_, QStringLiteral("OddLinkPanel%1").arg(group).toLatin1().constData(),
               ZnLinkStripRect(group));
  slot1_ = Holder(mainPanel_, "SlotPanel", ZnSlotRect(1));
  slot2_ = Holder(mainPanel_, "SlotPanel2", ZnSlotRect(2));
  for (QFrame* slot : {slot1_, slot2_}) {
    QPalette palette = slot->palette();
    palette.setColor(QPalette::Window, Qt::black);
    slot->setPalette(palette);
  }
  stModule1_ = new QLabel(this);
  stModule1_->setObjectName(QStringLiteral("ST_Module1"));
  stModule1_->hide();
  stModule2_ = new QLabel(this);
  stModule2_->setObjectName(QStringLiteral("ST_Module2"));
  stModule2_->hide();
  PaintPictures();
}

TNX596PanelForm::~TNX596PanelForm() {
  delete module1_;
  delete module2_;
  delete leds_;
  delete moduleTypes_;
}

void TNX596PanelForm::PaintPictures() {
  const qreal ratio = devicePixelRatioF();
  image_->setPixmap(ZnFrontPanelPicture(ratio));
  for (int port = 1; port <= 24; ++port) {
    const QPixmap glyph = ZnPortGlyph(ratio, port % 2 == 1);
    Port(port)->setIcon(glyph);
    Port(port)->setIconSize(glyph.deviceIndependentSize().toSize());
  }
}

void TNX596PanelForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!activated_) FormActivate();
}

void TNX596PanelForm::FormActivate() {
  if (activated_) return;
  activated_ = true;
  // Odd ports in the upper row, even ports below, two ports per column, three groups of eight.
  for (int port = 1; port <= 24; ++port) Port(port)->setGeometry(ZnFrontPortRect(port));
  PaintPictures();
  try {
    leds_ = new ZnSNMPRequest2Leds(this);
    leds_->VarList() = ZnSNMPVarList(kFrontPanelLeds, ZnItemType::SVT_SV, 0);
    leds_->mode = ZnSNMPRequest2Controls::Mode::Blocking;
    leds_->Request().Timeout = 500;
    const auto row = [this](QFrame* panel, const char* bytes, int size, int left) {
      leds_->BindLedRow(0, QString::fromLatin1(bytes), kPanelMap, panel, left, 10,
                        ZnLedShape::Kind::Rectangle, size, size);
    };
    row(powerLed_, "0", 5, 1);
    row(consoleLed_, "1", 5, 1);
    row(linkStrips_[0], "2,4,6,8,10,12,14,16", 6, 7);
    row(linkStrips_[1], "18,20,22,24,26,28,30,32", 6, 7);
    row(linkStrips_[2], "34,36,38,40,42,44,46,48", 6, 7);
    BuildModuleSlots();
    leds_->Start(kPollInterval);
    leds_->SetStatusTarget(host_.statusPanel);
  } catch (const std::exception& error) {
    ReportTo(host_.statusPanel, error);
  }
}

void TNX596PanelForm::BuildModuleSlots() {
  moduleTypes_ = new ZnSNMPRequest2Edits(this);
  moduleTypes_->VarList() = ZnSNMPVarList(kModuleTypes, ZnItemType::SVT_SV, 0);
  moduleTypes_->BindControl(0, stModule1_);
  moduleTypes_->BindControl(1, stModule2_);
  moduleTypes_->mode = ZnSNMPRequest2Controls::Mode::Blocking;
  moduleTypes_->SetStatusTarget(host_.statusPanel);
  try {
    moduleTypes_->Refresh();
  } catch (const std::exception& error) {
    moduleTypes_->ReportStatus(QString::fromUtf8(error.what()));
  }
  module1_ = BuildModule(1, stModule1_, slot1_);
  module2_ = BuildModule(2, stModule2_, slot2_);
}

TModulePanelForm* TNX596PanelForm::BuildModule(int slot, QLabel* type, QFrame* holder) {
  const std::optional<ZnModuleKind> kind = ZnModuleKindOf(type->text());
  if (!kind) {
    holder->hide();
    return nullptr;
  }
  TModulePanelForm* module = nullptr;
  switch (*kind) {
    case ZnModuleKind::XM71:
      module = new TPanelXM71Form(slot, host_, holder);
      break;
    case ZnModuleKind::XM72:
      module = new TPanelXM72Form(slot, host_, holder);
      break;
    case ZnModuleKind::XM73:
      module = new TPanel1XM73Form(slot, host_, holder);
      break;
  }
  module->move(0, 0);
  tips_->Watch(module->SpeedButton1());
  holder->show();
  module->show();
  return module;
}

void TNX596PanelForm::SB_Port1Click(QToolButton* button) {
  Select(pressed_, button);
}

void TNX596PanelForm::SB_Port1DblClick(QToolButton* /*button*/) {
  ZnOpenPortDialog(window(), host_.deviceAddress);
}

void TNX596PanelForm::Image1Click() {
  if (pressed_) pressed_->setChecked(false);
  pressed_.clear();
}

bool TNX596PanelForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == image_ && event->type() == QEvent::MouseButtonPress) {
    Image1Click();
    return false;
  }
  auto* button = qobject_cast<QToolButton*>(watched);
  if (button && IsMenuRequest(event)) {
    SB_Port1Click(button);
    PopupPortMenu(button, MenuPosition(button, event), host_);
    return true;
  }
  if (button && IsOpenRequest(event)) {
    if (event->type() == QEvent::KeyPress) SB_Port1Click(button);
    try {
      SB_Port1DblClick(button);
    } catch (const std::exception& error) {
      ReportTo(host_.statusPanel, error);
    }
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
