#pragma once

#include "ZnOptionList.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QString;
class QTreeWidget;
class QWidget;
class TPortUitForm;
class ZnSNMPRequest2Edits;
struct ZnSNMPVarDef;

// What the static unicast and multicast filtering dialogs share: their tables have the same
// shape (VLAN, MAC address and receive port as index, one port list, one status), are shown in
// the same controls and written the same way.

// The variables of both filter tables, in table order.
enum ZnFilterVariable { kFilterVid, kFilterMac, kFilterReceivePort, kFilterPorts, kFilterStatus };

// The status of a static entry: "invalid" deletes it, "permanent" creates or keeps it.
extern const ZnOptionList kFilterStatusOptions;
constexpr int kFilterInvalidEntry = 1;    // of the status combo box
constexpr int kFilterPermanentEntry = 2;  // of the status combo box

// The entry area of a filter dialog: "VID", `macCaption` and "Status" one under the other in a
// group box of `parent`, their two edits and combo box made with the component names given.
QGroupBox* ZnFilterEntryGroup(QWidget* parent, const QString& macCaption, QLineEdit*& vid,
                              const QString& vidName, QLineEdit*& mac, const QString& macName,
                              QComboBox*& status, const QString& statusName);

// Keeps `host` wide enough to show every shown box of `grid` without scrolling.
void ZnFitGridHost(QWidget* host, const TPortUitForm* grid);

// A new binding of `owner` on the table `definitions` (three index variables), asynchronous,
// showing it in `view` and the selected row in the VID and MAC edits, the port grid and the
// status combo box (a drop-down list of the five states); its status lines go to `memo`.
ZnSNMPRequest2Edits* ZnMakeFilterBinding(QWidget* owner, const ZnSNMPVarDef* definitions,
                                         QTreeWidget* view, QLineEdit* vid, QLineEdit* mac,
                                         TPortUitForm* grid, QComboBox* status,
                                         QPlainTextEdit* memo);

// Reads the controls into the binding's list as a write does (the selected row overlaid with
// the controls) and makes the entry's instance sound: a receive port no row gave is 0, any
// port, as IEEE 802.1Q defines it; a MAC address `macText` (as the user typed it) that is not
// six bytes in a usual notation (ZnParseMacText) raises BadInstance instead of being cut or
// padded into the address of another entry. The write that follows must not read the controls
// again.
void ZnPrepareFilterWrite(ZnSNMPRequest2Edits& binding, const QString& macText);
