#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class TConfigForm;
class ZnRegistry;

// The viewer of the standard MIBs that the main program starts for the menu items of MIB-II,
// the bridge, interfaces, VLAN, RMON, Ethernet and entity MIBs: one program under the seven tool
// names, which shows the page named by its "/T" + tool + "_" + page argument read-only, reached
// with the same connection as the main program (the same switches, the same device profile).

// What the program ends with.
enum ZnViewerExit : int {
  kViewerClosed = 0,         // the page was shown and closed
  kViewerNotStarted = 1,     // the SNMP session or the page's dialog could not be set up
  kViewerBadPage = 2,        // the page argument is missing or names no page
  kViewerBadConnection = 3,  // a connection setting of the command line or the profile is wrong
};

// The command line split into the page argument and the connection parameters.
struct ZnViewerArguments {
  QString pageArgument;  // the last parameter starting with "/T"; empty when there is none
  QString tool;          // its text up to the first "_"
  QString page;          // and after it
  // Every parameter in order; the page argument's place holds an empty parameter, which re-reads
  // the device profile like any parameter other than the address but is no connection switch.
  QStringList connection;
};

ZnViewerArguments ZnSplitViewerArguments(const QStringList& parameters);

struct ZnViewerStart {
  std::unique_ptr<TConfigForm> form;  // null when the viewer cannot start
  int exitCode = kViewerClosed;
};

// With the session open: finds the page, applies the command line and the device profile of
// `profileDirectory` to the connection settings, and builds the page's dialog, captioned with
// the page's title and the device address. A missing or unknown page, or a connection setting
// that is not valid, is told through the message seam and gives no dialog.
ZnViewerStart ZnOpenViewer(const QStringList& parameters, const QString& profileDirectory);

// The whole program once the application object exists: opens the session (its boots counter
// in the current directory, as the main program keeps it), loads the message catalogues from the
// module directory the registry names, opens the viewer and shows it until it is closed.
int ZnRunViewer(const QStringList& parameters, const ZnRegistry& registry);
