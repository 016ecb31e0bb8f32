#pragma once

#include <span>

// The main window's menu as data: one row per item in menu order, children after their parent
// one level deeper. The window builds its menu bar from these rows and dispatches each leaf by
// its kind, so the menu and its behaviour are read in one place.

enum class ZnMenuKind {
  Submenu,      // has children
  Separator,    // a separator line (it keeps its component name)
  Catalogue,    // opens the generic dialog of the catalogue entry with the same component name
  HandMade,     // opens the hand-made dialog of class `argument`
  Sibling,      // starts the sibling viewer with the page argument `argument`
  SaveChanges,  // asks, then opens the save dialog
  Reboot,       // asks, then restarts the device
  Help,         // opens the help file
  About,        // opens an about box
  Nothing,      // an item without action
};

struct ZnMenuItem {
  int depth = 0;  // 0 for the menu bar's own items
  ZnMenuKind kind = ZnMenuKind::Catalogue;
  const char* caption = nullptr;  // null for separators
  const char* name = nullptr;     // the component name, e.g. "IPConfig1"
  const char* argument = nullptr;
  bool hidden = false;  // part of the menu, never shown
};

std::span<const ZnMenuItem> ZnMainMenuItems();
