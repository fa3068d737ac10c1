#include "settings/profileindex.h"

#include "data/windows1252.h"

#include <QStringDecoder>

namespace {

// Written by editors on Windows before the first line; not part of it.
constexpr QByteArrayView Utf8ByteOrderMark("\xEF\xBB\xBF");

bool ValidUtf8(QByteArrayView bytes) {
    bool ascii = true;
    for (const char c : bytes)
        ascii = ascii && (uchar(c) < 0x80);
    if (ascii)
        return true;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    Q_UNUSED(text);
    return !decoder.hasError();
}

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView TrimSpaces(QStringView text) {
    while (!text.isEmpty() && IsBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
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

} // namespace

QByteArrayView TrimSpaces(QByteArrayView text) {
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

bool IsSectionHead(QByteArrayView content, QByteArrayView& name) {
    content = TrimSpaces(content);
    if (!content.startsWith('['))
        return false;
    const qsizetype close = content.indexOf(']');
    name = content.sliced(1, (close < 0 ? content.size() : close) - 1);
    return true;
}

QString ProfileIndex::FoldedName(QStringView name) {
    // Code point by code point, as QString::compare(CaseInsensitive) folds.
    QList<uint> codePoints = TrimSpaces(name).toUcs4();
    for (uint& c : codePoints)
        c = QChar::toCaseFolded(c);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()),
                             codePoints.size());
}

QString ProfileIndex::Decode(const ProfileLine& line, QByteArrayView bytes) {
    if (!line.utf8)
        return DecodeWindows1252(bytes);
    // QString::fromUtf8 drops a byte-order mark that starts the bytes, but a
    // name or a value may begin with that character: it means something only
    // before the file's first line.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QByteArrayView ProfileIndex::Content(const ProfileLine& line) const {
    return QByteArrayView(m_bytes).sliced(line.begin, line.end - line.begin);
}

// Lines end at CR LF, LF or CR, as files edited on any system do.
ProfileIndex::ProfileIndex(QByteArray bytes)
    : m_bytes(std::move(bytes)) {
    const char* data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    qsizetype begin =
        QByteArrayView(m_bytes).startsWith(Utf8ByteOrderMark) ? Utf8ByteOrderMark.size() : 0;
    while (begin < size) {
        qsizetype end = begin;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < size && data[next++] == '\r' && next < size && data[next] == '\n')
            ++next;
        const QByteArrayView content(data + begin, end - begin);
        const ProfileLine line{begin, end, next, ValidUtf8(content)};
        QByteArrayView name;
        if (IsSectionHead(content, name)) {
            if (!m_sections.empty())
                m_sections.back().endLine = qsizetype(m_lines.size());
            const qsizetype head = qsizetype(m_lines.size());
            Section section;
            section.head = section.endLine = section.lastFilledLine = head;
            m_sections.push_back(std::move(section));
            const QString folded = FoldedName(Decode(line, TrimSpaces(name)));
            if (!m_sectionByName.contains(folded)) // the first of a name is the one read
                m_sectionByName.insert(folded, int(m_sections.size()) - 1);
        } else if (!m_sections.empty() && !TrimSpaces(content).isEmpty()) {
            m_sections.back().lastFilledLine = qsizetype(m_lines.size());
        }
        m_lines.push_back(line);
        begin = next;
    }
    if (!m_sections.empty())
        m_sections.back().endLine = qsizetype(m_lines.size());
}

int ProfileIndex::FindSection(const QString& section) const {
    return m_sectionByName.value(FoldedName(section), -1);
}

void ProfileIndex::IndexKeys(const Section& section) const {
    section.keysIndexed = true;
    for (qsizetype i = section.head + 1; i < section.endLine; ++i) {
        QByteArrayView key;
        QByteArrayView value;
        if (!IsKeyLine(Content(m_lines[i]), key, value))
            continue;
        const QString folded = FoldedName(Decode(m_lines[i], key));
        if (!section.keys.contains(folded))
            section.keys.insert(folded, {i, key, value});
    }
}

ProfileKey ProfileIndex::FindKey(int s, const QString& key) const {
    const Section& section = m_sections[s];
    if (!section.keysIndexed)
        IndexKeys(section);
    return section.keys.value(FoldedName(key));
}
