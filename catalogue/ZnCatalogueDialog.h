#pragma once

#include "ZnCatalogue.h"

#include <QString>

#include <memory>

class QWidget;
class TConfigForm;
class TEditsPanel;

// Turns a catalogue entry into its configuration dialog: caption, one binding per page with the
// page's list, the pages, and the entry's tuning. `currentTitle` is the main window's title of
// the dialog being opened; entries with a title (or a prefix marked as title) set it. The caller
// shows the dialog modally and deletes it.
std::unique_ptr<TConfigForm> ZnBuildCatalogueDialog(const ZnCatalogueEntry& entry,
                                                    const QString& deviceAddress,
                                                    QString& currentTitle,
                                                    QWidget* parent = nullptr);

// The "Get IP From" handler of the IP Configuration dialog: any source but the first ("Manual")
// hides the rows of the address, mask and gateway; "Manual" shows them again.
void OnIpSourceChange(TEditsPanel& editor, int selectedIndex);
