#pragma once

// "download --all -o DIR [--force]": every acquisition of the instrument into
// its own file of DIR, named from its start and method.

#include "commands.h"

#include <QString>
#include <QStringList>

// "2011-03-10_0830_Thomas.ovra" from the directory's start "10/03/2011 08:30"
// and method; a start that is not a date gives "sans-date_<number>_<method>".
// A name already in `taken` gets "-2", "-3", ... before the extension.
QString AcquisitionFileName(const QString& start, const QString& method, const QString& number,
                            const QStringList& taken);

int RunDownloadAll(const CommandLine& line);
