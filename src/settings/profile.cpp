#include "settings/profile.h"

#include "data/checkedwrite.h"
#include "data/filenumbers.h"
#include "data/windows1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

// Lines written here are in the system's encoding: UTF-8 on Linux, the ANSI
// code page (Windows-1252) on Windows.
QByteArray EncodeLine(const QString& text) {
#ifdef Q_OS_WIN
    return EncodeWindows1252(text);
#else
    return text.toUtf8();
#endif
}

// New lines take the terminator the file already uses, CR LF in a new file.
QByteArray LineEnd(const ProfileIndex& profile) {
    for (const ProfileLine& line : profile.Lines()) {
        if (line.next > line.end)
            return profile.Bytes().mid(line.end, line.next - line.end);
    }
    return QByteArrayLiteral("\r\n");
}

// The terminator of a line inserted after `after`: the file's own, unless a
// lone CR would meet the LF that starts the next line and the two read back
// as one CR LF, swallowing that line; then the terminator of `after`, which
// is known to stand before that LF.
QByteArray NewLineEnd(const ProfileIndex& profile, const ProfileLine& after,
                      const QByteArray& lineEnd) {
    const QByteArray& bytes = profile.Bytes();
    if (lineEnd == "\r" && after.next < bytes.size() && bytes[after.next] == '\n')
        return bytes.mid(after.end, after.next - after.end);
    return lineEnd;
}

struct Edit {
    qsizetype begin = 0;
    qsizetype length = 0; // bytes replaced
    QByteArray bytes;
};

// The bytes with keys of one section written against one parse of them: a
// value in place keeping the key's spelling, new keys in a block after the
// section's last line, or a new section at the end. This is what one-key
// writes in a row give when no write changes how the next one parses the
// file (see ChangesLaterParses).
QByteArray WithKeys(const ProfileIndex& profile, const QString& section,
                    const ProfileKeyValues& keyValues) {
    const QByteArray lineEnd = LineEnd(profile);
    const std::vector<ProfileLine>& lines = profile.Lines();
    const int s = profile.FindSection(section);
    std::vector<Edit> edits;
    std::vector<QByteArray> added; // lines of keys not found, terminators below
    for (const auto& [key, value] : keyValues) {
        const ProfileKey found = s >= 0 ? profile.FindKey(s, key) : ProfileKey();
        if (found.line < 0) {
            added.push_back(EncodeLine(key) + '=' + EncodeLine(value));
            continue;
        }
        const ProfileLine& line = lines[found.line];
        if (ProfileIndex::Decode(line, found.value) == value)
            continue;
        // The line is written whole in one encoding.
        edits.push_back(
            {line.begin, line.end - line.begin,
             EncodeLine(ProfileIndex::Decode(line, found.key)) + '=' + EncodeLine(value)});
    }
    const bool openLastLine = !lines.empty() && lines.back().next == lines.back().end;
    const auto block = [&added](QByteArray bytes, const QByteArray& end) {
        for (const QByteArray& line : added)
            bytes += line + end;
        return bytes;
    };
    if (!added.empty() && s >= 0) {
        const ProfileLine& after = lines[profile.LastFilledLine(s)];
        if (after.next == after.end) // the last line of the file had no terminator
            edits.push_back({after.next, 0, block(lineEnd, lineEnd)});
        else
            edits.push_back({after.next, 0, block({}, NewLineEnd(profile, after, lineEnd))});
    } else if (!added.empty()) {
        const QByteArray head = '[' + EncodeLine(section) + ']' + lineEnd;
        edits.push_back(
            {profile.Bytes().size(), 0, block(openLastLine ? lineEnd + head : head, lineEnd)});
    }
    // From the end, so that each edit's place is still where the parse put it.
    std::sort(edits.begin(), edits.end(),
              [](const Edit& a, const Edit& b) { return a.begin > b.begin; });
    QByteArray bytes = profile.Bytes();
    for (const Edit& edit : edits)
        bytes.replace(edit.begin, edit.length, edit.bytes);
    return bytes;
}

bool HasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// True when writing these keys one at a time could make one write change
// how a later one finds its section or key: a line break in any text, a
// key that is not a plain name, a section head that does not read back as
// written, or one key twice.
bool ChangesLaterParses(const QString& section, const ProfileKeyValues& keyValues) {
    if (keyValues.size() < 2)
        return false;
    if (HasLineBreak(section) || section.contains(QLatin1Char(']')))
        return true;
    QSet<QString> names;
    for (const auto& [key, value] : keyValues) {
        const QString name = ProfileIndex::FoldedName(key);
        if (HasLineBreak(key) || HasLineBreak(value) || key.contains(QLatin1Char('=')) ||
            key.startsWith(QLatin1Char(';')) || key.startsWith(QLatin1Char('[')) ||
            name.isEmpty() || name.size() != key.size() || names.contains(name))
            return true;
        names.insert(name);
    }
    return false;
}

} // namespace

ProfileFile ProfileFile::Read(const QString& fileName) {
    ProfileFile profile;
    profile.m_fileName = fileName;
    const QFileInfo info(fileName);
    profile.m_exists = info.exists();
    if (!profile.m_exists)
        return profile;
    if (!info.isFile()) {
        profile.m_readable = false;
        profile.m_readError = QCoreApplication::translate("profile", "ce n'est pas un fichier");
        return profile;
    }
    QFile file(fileName);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    profile.m_readable = file.isOpen() && file.error() == QFileDevice::NoError;
    if (profile.m_readable)
        profile.m_index = ProfileIndex(std::move(bytes));
    else
        profile.m_readError = DeviceErrorText(file);
    return profile;
}

QString ProfileFile::String(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const int s = m_index.FindSection(section);
    const ProfileKey found = s >= 0 ? m_index.FindKey(s, key) : ProfileKey();
    if (found.line < 0)
        return defaultValue;
    return ProfileIndex::Decode(m_index.Lines()[found.line], found.value);
}

int ProfileFile::Int(const QString& section, const QString& key, int defaultValue) const {
    const QByteArray text = EncodeWindows1252(String(section, key, QString()));
    qint32 value = 0;
    return ParseFileInteger(text, value) ? value : defaultValue;
}

bool ProfileFile::Write(const QString& section, const ProfileKeyValues& keyValues,
                        QString* reason) {
    if (!m_readable) {
        if (reason)
            *reason = m_readError;
        return false;
    }
    QByteArray bytes;
    if (ChangesLaterParses(section, keyValues)) {
        ProfileIndex step = m_index;
        for (const auto& keyValue : keyValues)
            step = ProfileIndex(WithKeys(step, section, {keyValue}));
        bytes = step.Bytes();
    } else {
        bytes = WithKeys(m_index, section, keyValues);
    }
    // An unchanged file is not rewritten.
    if (bytes == m_index.Bytes() && (m_exists || keyValues.empty()))
        return true;
    const WriteOutcome written = WriteFileChecked(m_fileName, bytes);
    if (!written.ok) {
        if (reason)
            *reason = written.reason;
        return false;
    }
    m_exists = true;
    m_index = ProfileIndex(std::move(bytes));
    return true;
}

QString ReadProfileString(const QString& fileName, const QString& section, const QString& key,
                          const QString& defaultValue) {
    return ProfileFile::Read(fileName).String(section, key, defaultValue);
}

int ReadProfileInt(const QString& fileName, const QString& section, const QString& key,
                   int defaultValue) {
    return ProfileFile::Read(fileName).Int(section, key, defaultValue);
}

bool WriteProfileString(const QString& fileName, const QString& section, const QString& key,
                        const QString& value) {
    return WriteProfileStrings(fileName, section, {{key, value}});
}

bool WriteProfileStrings(const QString& fileName, const QString& section,
                         const ProfileKeyValues& keyValues, QString* reason) {
    return ProfileFile::Read(fileName).Write(section, keyValues, reason);
}
