#pragma once

// The measurement files opened or saved lately, most recent first, kept in
// the settings file in a section of their own ("RecentFiles", keys "File1"
// to "File8") so that no other section changes.

#include "data/varia.h"

#include <QString>
#include <QStringList>

inline constexpr int RecentFileLimit = 8;

// `path` moved or added to the front, once, the list cut to the limit.
QStringList AddRecentFile(const QStringList& files, const QString& path);
QStringList RemoveRecentFile(const QStringList& files, const QString& path);

// The stored list, without empty or repeated entries, at most the limit.
QStringList ReadRecentFiles(const Context& context);
// Writes every key, emptying those beyond the list. A path the settings
// file cannot hold (a character outside its Windows-1252 text) is left out
// rather than stored wrong. False when the file refused a write.
bool WriteRecentFiles(const Context& context, const QStringList& files);
