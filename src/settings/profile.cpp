#include "settings/profile.h"

#include "data/filenumbers.h"
#include "data/windows1252.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <vector>

namespace {

struct Line {
    qsizetype begin = 0; // first byte of the line
    qsizetype end = 0;   // first byte of its terminator
    qsizetype next = 0;  // first byte of the following line
    bool utf8 = true;    // its bytes are valid UTF-8 (any ASCII line is)
};

struct Profile {
    QByteArray bytes;
    std::vector<Line> lines;
};

bool ValidUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    Q_UNUSED(text);
    return !decoder.hasError();
}

// Lines end at CR LF, LF or CR, as files edited on any system do.
Profile SplitLines(QByteArray bytes) {
    Profile profile;
    profile.bytes = std::move(bytes);
    const char* data = profile.bytes.constData();
    const qsizetype size = profile.bytes.size();
    qsizetype begin = 0;
    while (begin < size) {
        qsizetype end = begin;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < size && data[next++] == '\r' && next < size && data[next] == '\n')
            ++next;
        const QByteArrayView content(data + begin, end - begin);
        profile.lines.push_back({begin, end, next, ValidUtf8(content)});
        begin = next;
    }
    return profile;
}

QByteArrayView Content(const Profile& profile, const Line& line) {
    return QByteArrayView(profile.bytes).sliced(line.begin, line.end - line.begin);
}

// A line is text in the system's own encoding when its bytes are valid
// UTF-8, else Windows-1252 as files written on Windows are: each line is
// decoded on its own, so a file edited on both systems reads whole.
QString DecodeLine(const Line& line, QByteArrayView bytes) {
    return line.utf8 ? QString::fromUtf8(bytes) : DecodeWindows1252(bytes);
}

// Lines written here are in the system's encoding: UTF-8 on Linux, the ANSI
// code page (Windows-1252) on Windows.
QByteArray EncodeLine(const QString& text) {
#ifdef Q_OS_WIN
    return EncodeWindows1252(text);
#else
    return text.toUtf8();
#endif
}

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Blanks and TABs only, on both sides of a comparison: a vertical tab, a form
// feed or a no-break space is part of a name, as for the Windows functions.
QByteArrayView TrimSpaces(QByteArrayView text) {
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

QStringView TrimSpaces(QStringView text) {
    while (!text.isEmpty() && IsBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

bool SameName(const Line& line, QByteArrayView bytes, const QString& name) {
    return QStringView(DecodeLine(line, TrimSpaces(bytes)))
               .compare(TrimSpaces(QStringView(name)), Qt::CaseInsensitive) == 0;
}

// "[name]", blanks allowed around the line and the name.
bool IsSectionHead(QByteArrayView content, QByteArrayView& name) {
    content = TrimSpaces(content);
    if (!content.startsWith('['))
        return false;
    const qsizetype close = content.indexOf(']');
    name = content.sliced(1, (close < 0 ? content.size() : close) - 1);
    return true;
}

// "key=value"; a line whose first character is ";" is a comment.
bool IsKeyLine(QByteArrayView content, QByteArrayView& key, QByteArrayView& value) {
    const QByteArrayView trimmed = TrimSpaces(content);
    const qsizetype equals = trimmed.indexOf('=');
    if (trimmed.startsWith(';') || equals <= 0)
        return false;
    key = TrimSpaces(trimmed.first(equals));
    // Values are raw: only the blanks around "=" and at the end go, a TAB
    // inside or at the end of a value (a comment's line break) stays.
    value = content.sliced(content.indexOf('=') + 1);
    while (value.startsWith(' '))
        value = value.sliced(1);
    while (value.endsWith(' '))
        value.chop(1);
    return !key.isEmpty();
}

struct Found {
    qsizetype sectionLine = -1;
    qsizetype keyLine = -1;
    qsizetype lastFilledLine = -1; // last non-blank line of the section, its head at least
    QByteArrayView key;
    QByteArrayView value;
};

// The first section of that name, and the first key of that name in it.
Found Locate(const Profile& profile, const QString& section, const QString& key) {
    Found found;
    for (qsizetype i = 0; i < qsizetype(profile.lines.size()); ++i) {
        const Line& line = profile.lines[i];
        const QByteArrayView content = Content(profile, line);
        QByteArrayView name;
        if (IsSectionHead(content, name)) {
            if (found.sectionLine >= 0)
                break;
            if (SameName(line, name, section))
                found.sectionLine = found.lastFilledLine = i;
            continue;
        }
        if (found.sectionLine < 0)
            continue;
        if (!TrimSpaces(content).isEmpty())
            found.lastFilledLine = i;
        QByteArrayView lineKey;
        QByteArrayView value;
        if (found.keyLine < 0 && IsKeyLine(content, lineKey, value) &&
            SameName(line, lineKey, key)) {
            found.keyLine = i;
            found.key = lineKey;
            found.value = value;
        }
    }
    return found;
}

bool ReadProfile(const QString& fileName, Profile& profile) {
    QFile file(fileName);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    profile = SplitLines(file.readAll());
    return file.error() == QFileDevice::NoError;
}

// New lines take the terminator the file already uses, CR LF in a new file.
QByteArray LineEnd(const Profile& profile) {
    for (const Line& line : profile.lines) {
        if (line.next > line.end)
            return profile.bytes.mid(line.end, line.next - line.end);
    }
    return QByteArrayLiteral("\r\n");
}

// The terminator of a line inserted after `after`: the file's own, unless a
// lone CR would meet the LF that starts the next line and the two read back
// as one CR LF, swallowing that line; then the terminator of `after`, which
// is known to stand before that LF.
QByteArray NewLineEnd(const Profile& profile, const Line& after, const QByteArray& lineEnd) {
    if (lineEnd == "\r" && after.next < profile.bytes.size() && profile.bytes[after.next] == '\n')
        return profile.bytes.mid(after.end, after.next - after.end);
    return lineEnd;
}

} // namespace

QString ReadProfileString(const QString& fileName, const QString& section, const QString& key,
                          const QString& defaultValue) {
    Profile profile;
    if (!ReadProfile(fileName, profile))
        return defaultValue;
    const Found found = Locate(profile, section, key);
    return found.keyLine >= 0 ? DecodeLine(profile.lines[found.keyLine], found.value)
                              : defaultValue;
}

int ReadProfileInt(const QString& fileName, const QString& section, const QString& key,
                   int defaultValue) {
    const QByteArray text = EncodeWindows1252(ReadProfileString(fileName, section, key, QString()));
    qint32 value = 0;
    return ParseFileInteger(text, value) ? value : defaultValue;
}

namespace {

// The profile's bytes with one key written as WriteProfileString writes it.
QByteArray WithKey(const QByteArray& before, const QString& section, const QString& key,
                   const QString& value) {
    const Profile profile = SplitLines(before);
    const Found found = Locate(profile, section, key);
    const QByteArray lineEnd = LineEnd(profile);
    QByteArray bytes = profile.bytes;
    const QByteArray encodedValue = EncodeLine(value);

    if (found.keyLine >= 0) {
        const Line& line = profile.lines[found.keyLine];
        if (DecodeLine(line, found.value) == value)
            return bytes;
        // The key keeps the spelling the file gives it; the line is written
        // whole in one encoding.
        bytes.replace(line.begin, line.end - line.begin,
                      EncodeLine(DecodeLine(line, found.key)) + '=' + encodedValue);
    } else {
        const QByteArray keyText = EncodeLine(key) + '=' + encodedValue;
        if (found.sectionLine >= 0) {
            const Line& after = profile.lines[found.lastFilledLine];
            QByteArray insertion = keyText;
            if (after.next == after.end) { // the last line of the file had no terminator
                insertion.prepend(lineEnd);
                insertion += lineEnd;
            } else {
                insertion += NewLineEnd(profile, after, lineEnd);
            }
            bytes.insert(after.next, insertion);
        } else {
            if (!profile.lines.empty() && profile.lines.back().next == profile.lines.back().end)
                bytes += lineEnd;
            bytes += '[' + EncodeLine(section) + ']' + lineEnd + keyText + lineEnd;
        }
    }
    return bytes;
}

bool Save(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    file.cancelWriting();
    return false;
}

} // namespace

bool WriteProfileString(const QString& fileName, const QString& section, const QString& key,
                        const QString& value) {
    return WriteProfileStrings(fileName, section, {{key, value}});
}

bool WriteProfileStrings(const QString& fileName, const QString& section,
                         const std::vector<std::pair<QString, QString>>& keyValues) {
    Profile profile;
    if (!ReadProfile(fileName, profile))
        return false;
    QByteArray bytes = profile.bytes;
    for (const auto& [key, value] : keyValues)
        bytes = WithKey(bytes, section, key, value);
    // An unchanged file is not rewritten.
    if (bytes == profile.bytes && (QFile::exists(fileName) || keyValues.empty()))
        return true;
    return Save(fileName, bytes);
}
