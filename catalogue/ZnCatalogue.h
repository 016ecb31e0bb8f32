#pragma once

#include "ZnOptionList.h"
#include "ZnSNMPVarList.h"

#include <cstdint>
#include <span>

// The MIB catalogue: the definition tables, option lists and recipes of the generic dialogs.
// Everything here is constant data; one function turns a recipe into a dialog, so adding a dialog
// is a matter of adding data.

enum class ZnPageKind {
  Editor,    // a scalar editor page: one row per variable
  ListView,  // a table page: a list view with Add, Edit and Delete
};

// An adjustment made after the pages are built and before the dialog is shown.
struct ZnCatalogueTuning {
  enum class Kind {
    EditConstraint,   // variable `variable` of page `page` gets the constraint format `text`
    ValueWidth,       // the editor page's value controls are `number` pixels wide
    FormWidth,        // the dialog's outer width becomes `number` pixels
    FormHeight,       // the dialog's outer height becomes `number` pixels
    WidenAfterBuild,  // the dialog's outer width grows by `number` pixels after building
    HideEditButton,   // the Edit button is hidden and double-click editing switched off
    ChangeHandler,    // the named handler `text` watches the control of variable `variable`
    RequestTimeout,   // the page binding's request time-out becomes `number` hundredths of a second
  };
  Kind kind = Kind::EditConstraint;
  int page = 0;  // index of the page it applies to (0 for single-page dialogs)
  int variable = -1;
  const char* text = nullptr;
  int number = 0;
};

struct ZnCataloguePage {
  ZnPageKind kind = ZnPageKind::Editor;
  const char* tabCaption = nullptr;  // pages mode only; null otherwise
  const ZnSNMPVarDef* table = nullptr;
  std::uint8_t itemType = ZnItemType::SVT_SV;
  int keyCount = 0;
  // Table pages: Add writes `addLabel` into variable `addVariable`, Delete writes `deleteLabel`
  // into `deleteVariable`; -1 and null when the page offers neither.
  int addVariable = -1;
  const char* addLabel = nullptr;
  int deleteVariable = -1;
  const char* deleteLabel = nullptr;
};

struct ZnCatalogueEntry {
  const char* componentName = nullptr;  // the menu item's component, e.g. "IPConfig1"
  // Title rule: the caption is title + " : " + address and the title becomes the current title.
  const char* title = nullptr;
  // Prefix rule (when title is null): the caption is prefix + address.
  const char* captionPrefix = nullptr;
  bool prefixIsTitle = false;  // the prefixed text is also stored as the current title
  bool pagesMode = false;      // tabs, one per page
  std::span<const ZnCataloguePage> pages = {};
  std::span<const ZnCatalogueTuning> tuning = {};  // empty: none
};

// Every entry, in menu order.
std::span<const ZnCatalogueEntry> ZnCatalogue();
// The entry of a menu component, or null.
const ZnCatalogueEntry* ZnFindCatalogueEntry(const char* componentName);
// The rows of a definition table before its terminating row (none for a null table).
std::span<const ZnSNMPVarDef> ZnTableRows(const ZnSNMPVarDef* table);

// The recurring option lists of the catalogue (the RowStatus, StorageType and TruthValue
// conventions of SNMPv2-TC). Like every option list of the catalogue they are built during static
// initialisation, so they exist once main() runs; the definition tables are constant data.
const ZnOptionList& ZnRowStatusOptions();
const ZnOptionList& ZnStorageTypeOptions();
const ZnOptionList& ZnTruthValueOptions();
