#pragma once

// Profile (INI) files with the observable rules of the Windows profile
// functions: sections and keys match case-insensitively; a write replaces one
// line (or adds it, creating the section or the file) and keeps every other
// byte; values are raw text (a TAB stays a TAB). A line reads as UTF-8 when
// its bytes are valid UTF-8, else as Windows-1252; a written line is in the
// system's encoding (UTF-8 on Linux, the ANSI code page on Windows). A UTF-8
// byte-order mark before the first line is skipped, and kept by a write.

#include "settings/profileindex.h"

#include <QString>

#include <utility>
#include <vector>

using ProfileKeyValues = std::vector<std::pair<QString, QString>>;

// One reading of a profile file for any number of lookups.
class ProfileFile {
public:
    // A missing file reads as an empty one. A file that cannot be read, or
    // that is not a regular file (a device or a pipe may never end), is not
    // Readable: every lookup gives its default and every write is refused.
    static ProfileFile Read(const QString& fileName);

    bool Readable() const { return m_readable; }
    QString String(const QString& section, const QString& key, const QString& defaultValue) const;
    // A value that is not an integer reads as the default.
    int Int(const QString& section, const QString& key, int defaultValue) const;

    // Writes keys of one section, in order, as that many one-key writes
    // would leave the file: all of them or, when the file cannot be written,
    // none (`reason` then says why). The profile then holds what was written.
    bool Write(const QString& section, const ProfileKeyValues& keyValues,
               QString* reason = nullptr);

private:
    QString m_fileName;
    bool m_readable = true;
    QString m_readError;
    bool m_exists = false;
    ProfileIndex m_index;
};

QString ReadProfileString(const QString& fileName, const QString& section, const QString& key,
                          const QString& defaultValue);
// A value that is not an integer reads as the default.
int ReadProfileInt(const QString& fileName, const QString& section, const QString& key,
                   int defaultValue);
// False when the file cannot be written; the file is then unchanged.
bool WriteProfileString(const QString& fileName, const QString& section, const QString& key,
                        const QString& value);
// Several keys of one section in one write (see ProfileFile::Write).
bool WriteProfileStrings(const QString& fileName, const QString& section,
                         const ProfileKeyValues& keyValues, QString* reason = nullptr);
