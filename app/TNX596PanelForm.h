#pragma once

#include "ZnPictures.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QToolButton;
class ZnSNMPLedColorMapList;
struct ZnSNMPVarDef;
class ZnSNMPRequest2Edits;
class ZnSNMPRequest2Leds;
class ZnPortTips;

// The port last clicked on the front panel: 1..24 for the front ports, 25 and 26 for the module
// buttons of uplink slots 1 and 2. Double-clicking opens that port's settings.
extern int ZnSelectedPort;

// The colour maps of the front panel: power, console and link LEDs and the modules' link,
// activity and single LEDs; and the speed LED of the XM-71 module.
const ZnSNMPLedColorMapList& ZnPanelColorMap();
const ZnSNMPLedColorMapList& ZnSpeedColorMap();

// The module types of the two uplink slots ("swL2Module-1-Type", "swL2Module-2-Type") with
// their labels.
const ZnSNMPVarDef* ZnModuleTypeDefinitions();

// Where panel forms report: the first panel of the main window's status bar, and the device's
// address for the captions of the dialogs they open.
struct ZnPanelHost {
  QLabel* statusPanel = nullptr;
  QString deviceAddress;
};

// Opens the "Port Control" dialog of the selected port and waits until it is closed.
void ZnOpenPortDialog(QWidget* parent, const QString& deviceAddress);

// The picture of the module in one uplink slot, with its port button and LEDs, polling the
// LEDs of its slot.
class TModulePanelForm : public QWidget {
  Q_OBJECT

 public:
  // Builds the module of `kind` for slot 1 or 2 (its LED byte positions follow the slot).
  TModulePanelForm(ZnModuleKind kind, int slot, const ZnPanelHost& host, QWidget* parent);
  ~TModulePanelForm() override;

  ZnModuleKind Kind() const { return kind_; }
  QToolButton* SpeedButton1() const { return button_; }
  ZnSNMPRequest2Leds* LedBinding() const { return leds_; }

  void SpeedButton1Click();
  void SpeedButton1DblClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ZnModuleKind kind_;
  ZnPanelHost host_;
  QLabel* image_ = nullptr;
  QToolButton* button_ = nullptr;
  ZnSNMPRequest2Leds* leds_ = nullptr;
};

// The three module kinds under their own names; the latest of each is reachable process-wide.
class TPanelXM71Form : public TModulePanelForm {
  Q_OBJECT
 public:
  TPanelXM71Form(int slot, const ZnPanelHost& host, QWidget* parent);
  ~TPanelXM71Form() override;
  static inline TPanelXM71Form* Instance = nullptr;
};
class TPanelXM72Form : public TModulePanelForm {
  Q_OBJECT
 public:
  TPanelXM72Form(int slot, const ZnPanelHost& host, QWidget* parent);
  ~TPanelXM72Form() override;
  static inline TPanelXM72Form* Instance = nullptr;
};
class TPanel1XM73Form : public TModulePanelForm {
  Q_OBJECT
 public:
  TPanel1XM73Form(int slot, const ZnPanelHost& host, QWidget* parent);
  ~TPanel1XM73Form() override;
  static inline TPanel1XM73Form* Instance = nullptr;
};

// The device's front panel: 24 port buttons over the picture of the switch, the power, console
// and link LEDs read from the device every 3 seconds, and the modules in the two uplink slots.
// Clicking a port selects it; double-clicking (or Enter on a selected port) opens its settings.
// Every port and module button has a tooltip with the port's description, link and current
// rates, read in the background, and a context menu (right click or the menu key) with
// "Port Control…" and "Traffic…", the port's live traffic chart.
class TNX596PanelForm : public QWidget {
  Q_OBJECT

 public:
  TNX596PanelForm(const ZnPanelHost& host, QWidget* parent);
  ~TNX596PanelForm() override;

  // Builds the LEDs and the module slots and starts polling; runs once, the first time the
  // panel is shown. Errors go to the status panel and leave the panel as far as it was built.
  void FormActivate();

  QToolButton* Port(int port) const { return ports_[static_cast<size_t>(port - 1)]; }
  QFrame* SlotPanel(int slot) const { return slot == 1 ? slot1_ : slot2_; }
  TModulePanelForm* Module(int slot) const { return slot == 1 ? module1_ : module2_; }
  QLabel* ST_Module(int slot) const { return slot == 1 ? stModule1_ : stModule2_; }
  ZnSNMPRequest2Leds* LedBinding() const { return leds_; }
  QLabel* Image1() const { return image_; }
  // The live tooltips of the port and module buttons.
  ZnPortTips* Tips() const { return tips_; }

  void SB_Port1Click(QToolButton* button);
  void SB_Port1DblClick(QToolButton* button);
  void Image1Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildModuleSlots();
  TModulePanelForm* BuildModule(int slot, QLabel* type, QFrame* holder);
  void PaintPictures();

  ZnPanelHost host_;
  bool activated_ = false;
  QFrame* mainPanel_ = nullptr;
  QLabel* image_ = nullptr;
  std::array<QToolButton*, 24> ports_{};
  QFrame* powerLed_ = nullptr;
  QFrame* consoleLed_ = nullptr;
  std::array<QFrame*, 3> linkStrips_{};
  QFrame* slot1_ = nullptr;
  QFrame* slot2_ = nullptr;
  QLabel* stModule1_ = nullptr;
  QLabel* stModule2_ = nullptr;
  TModulePanelForm* module1_ = nullptr;
  TModulePanelForm* module2_ = nullptr;
  QPointer<QToolButton> pressed_;
  ZnSNMPRequest2Leds* leds_ = nullptr;
  ZnSNMPRequest2Edits* moduleTypes_ = nullptr;
  ZnPortTips* tips_ = nullptr;
};
