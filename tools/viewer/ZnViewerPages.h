#pragma once

#include "ZnCatalogue.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

// The pages of the standard-MIB viewers: each names its tool and page, the two halves of the
// page argument "/T" + tool + "_" + page, and holds the recipe of its read-only dialog in the
// catalogue's form (title, one definition table per page, item kind and key count).
struct ZnViewerPage {
  const char* tool = nullptr;  // "MIB", "Bridge", ...
  const char* page = nullptr;  // "Info", "IFTable", ...
  ZnCatalogueEntry dialog;
};

// Every page, grouped by tool.
std::span<const ZnViewerPage> ZnViewerPages();
// The page of a tool, or null. Names compare exactly, as the main program writes them.
const ZnViewerPage* ZnFindViewerPage(QStringView tool, QStringView page);
// The tools, in order, and the page names of one tool.
QStringList ZnViewerTools();
QStringList ZnViewerPageNames(QStringView tool);
