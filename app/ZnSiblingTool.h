#pragma once

#include "ZnLaunch.h"

#include <QString>
#include <QStringList>

// The command line of a sibling viewer tool of the host: the tool's program next to this one,
// the same connection, and the page argument "/T" + tool + "_" + page.

// The file name suffix of the sibling programs on this platform.
QString ZnSiblingProgramSuffix();

// `programDirectory` ends with a separator. Values go in as they are, without quoting.
QString ZnSiblingCommandLine(const QString& argument, const QString& programDirectory, int version,
                             const ZnLaunchTexts& texts, const ZnHandOverFlags& flags);

// Splits a command line on blanks into the program and its arguments (no shell is involved, so
// nothing in a value can start another command).
QStringList ZnSplitCommandLine(const QString& line);

// Starts the tool without waiting for it; false when it could not be started.
bool ZnLaunchSiblingTool(const QString& line);
