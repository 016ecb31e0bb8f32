#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QCheckBox;
class QTabWidget;

// The port grid the hand-made dialogs share: numbered check boxes, one per port of a switch
// unit, a ticked box meaning that the port belongs to the list shown (VLAN members, allowed or
// router ports).
//
// The grid embeds itself in a host container of the dialog (a scroll area, a tab page or a group
// box) and fills it. Every unit is one page of `UnitPageControl`, whose tabs stay hidden. A
// dialog makes one unit of 32 boxes and shows as many as its model has ports; the hidden boxes
// still exist and take part in the port list, so the list always covers 32 bits.
//
// A port list is bound to the boxes with `ZnSNMPRequest2Edits::BindCheckBoxes` and the text
// `PortBitIndexes()`: box k shows bit index k, and bit index n is bit 7 - n mod 8 of octet n div 8
// (port 1 is 0x80 of the first octet, port 26 is 0x40 of the fourth): the IEEE 802.1Q PortList
// order.
//
//   TPortUitForm* grid = TPortUitForm::EmbedDeviceGrid(EgressScrollBox);
//   binding->BindCheckBoxes(2, TPortUitForm::PortBitIndexes(), grid->PortBoxes);
class TPortUitForm : public QWidget {
  Q_OBJECT

 public:
  // Embeds an empty grid (no unit yet) in `host`.
  explicit TPortUitForm(QWidget* host);

  // The grid every dialog of this device uses: embedded in `host`, unit 1 of 32 boxes in rows of
  // 12 (of 10 with "DeviceInfo.ini" in the current directory), the NX596's 26 ports shown.
  static TPortUitForm* EmbedDeviceGrid(QWidget* host);

  // Adds a unit page captioned `caption` with `portCount` hidden boxes captioned from `firstPort`
  // on, laid out in rows of `columns` (10 when "DeviceInfo.ini" exists in the current
  // directory). The page's tab is hidden unless `singlePage` asks for a grid that shows it.
  void AddUnit(const QString& caption, int firstPort, int portCount, int columns,
               bool singlePage = false);
  // Unit `unitNumber` (from 1) becomes "<caption> <modelName>" and shows its first `shownPorts`
  // boxes.
  void ShowUnit(int unitNumber, const QString& modelName, int shownPorts);
  // Unticks every box, shown or hidden.
  void ClearPorts();
  // The port boxes in the keyboard's order, for the dialog's tab order.
  QList<QWidget*> TabStops() const;

  // The front ports of a switch model, by its exact name; 0 for a model not known.
  static int PortCountOfModel(const QString& modelName);
  // "0,1,...,31": the bit index of every box of a unit, for BindCheckBoxes.
  static QString PortBitIndexes();

  static constexpr int kBoxesPerUnit = 32;
  static constexpr int kColumns = 12;
  static constexpr int kColumnsWithDeviceInfo = 10;
  // The grid keeps the 8-point font of the dialogs' design: box positions are measured in it.
  static constexpr int kFontPoints = 8;

  QTabWidget* UnitPageControl;
  QList<QCheckBox*> PortBoxes;  // box k stands for port k + 1 of its unit
  QList<QWidget*> UnitSheets;   // one page of UnitPageControl per unit
};

// The model every dialog of this program shows: the NX-596.
inline const QString kPortGridModel = QStringLiteral("NX596");
