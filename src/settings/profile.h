#pragma once

// Profile (INI) files with the observable rules of the Windows profile
// functions: sections and keys match case-insensitively; a write replaces one
// line (or adds it, creating the section or the file) and keeps every other
// byte; values are raw text (a TAB stays a TAB). A line reads as UTF-8 when
// its bytes are valid UTF-8, else as Windows-1252; a written line is in the
// system's encoding (UTF-8 on Linux, the ANSI code page on Windows).

#include <QString>

#include <utility>
#include <vector>

QString ReadProfileString(const QString& fileName, const QString& section, const QString& key,
                          const QString& defaultValue);
// A value that is not an integer reads as the default.
int ReadProfileInt(const QString& fileName, const QString& section, const QString& key,
                   int defaultValue);
// False when the file cannot be written; the file is then unchanged.
bool WriteProfileString(const QString& fileName, const QString& section, const QString& key,
                        const QString& value);
// Several keys of one section in one write, in order, as many
// WriteProfileString calls would leave the file: all of them or, when the
// file cannot be written, none.
bool WriteProfileStrings(const QString& fileName, const QString& section,
                         const std::vector<std::pair<QString, QString>>& keyValues);
