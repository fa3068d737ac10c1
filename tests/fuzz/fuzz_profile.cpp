// The profile reader and writer on any file. The input gives the names of a
// key to write, its value, the names of another key, then the file:
//   byte 0..4  lengths (each modulo 32) of section, key, value, other section, other key
//   then those five texts, then the file's bytes.
// With names and a value the layer can hold, one write must keep its promise:
// the value reads back, every other line of the file is kept byte for byte
// with its terminator, the other key reads the same before and after, and the
// same write again changes nothing.

#include "fuzzsupport.h"

#include "data/windows1252.h"
#include "settings/profile.h"

#include <QList>
#include <QStringDecoder>

namespace {

struct Line {
    QByteArray content;
    QByteArray terminator;
};

// Lines as the profile functions see them: ended by CR LF, LF or CR.
QList<Line> Lines(const QByteArray& bytes) {
    QList<Line> lines;
    qsizetype begin = 0;
    while (begin < bytes.size()) {
        qsizetype end = begin;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < bytes.size() && bytes[next++] == '\r' && next < bytes.size() &&
            bytes[next] == '\n')
            ++next;
        lines.append({bytes.mid(begin, end - begin), bytes.mid(end, next - end)});
        begin = next;
    }
    return lines;
}

bool operator==(const Line& a, const Line& b) {
    return a.content == b.content && a.terminator == b.terminator;
}

// The blanks the Windows profile functions trim around names: spaces and TABs.
QString Trimmed(const QString& name) {
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && (name[begin] == QLatin1Char(' ') || name[begin] == QLatin1Char('\t')))
        ++begin;
    while (end > begin && (name[end - 1] == QLatin1Char(' ') || name[end - 1] == QLatin1Char('\t')))
        --end;
    return name.mid(begin, end - begin);
}

bool SameName(const QString& a, const QString& b) {
    return Trimmed(a).compare(Trimmed(b), Qt::CaseInsensitive) == 0;
}

bool HasLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// What a file line can hold: a section name without "]", a key without "="
// that does not read as a comment or a section head, a value without blanks
// around it (they are not part of a value read back).
bool Writable(const QString& section, const QString& key, const QString& value) {
    const QString trimmedKey = Trimmed(key);
    return !Trimmed(section).isEmpty() && !HasLineBreak(section) &&
           !section.contains(QLatin1Char(']')) && !trimmedKey.isEmpty() && !HasLineBreak(key) &&
           !key.contains(QLatin1Char('=')) && !trimmedKey.startsWith(QLatin1Char(';')) &&
           !trimmedKey.startsWith(QLatin1Char('[')) && !HasLineBreak(value) &&
           !value.startsWith(QLatin1Char(' ')) && !value.endsWith(QLatin1Char(' '));
}

// Every line of `before` is in `after`, with its terminator, except the one
// line the write replaced (same terminator) or the last line gaining the
// terminator it lacked; the lines between are new and whole.
bool OtherLinesKept(const QList<Line>& before, const QList<Line>& after, const QByteArray& value) {
    qsizetype head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const QList<Line> gone = before.mid(head, before.size() - head - tail);
    const QList<Line> come = after.mid(head, after.size() - head - tail);
    const auto whole = [](const QList<Line>& lines) {
        for (const Line& line : lines) {
            if (line.terminator.isEmpty())
                return false;
        }
        return !lines.isEmpty();
    };
    if (gone.isEmpty() && come.isEmpty())
        return true; // the key held that value already
    if (gone.isEmpty())
        return whole(come);
    if (gone.size() != 1 || come.isEmpty())
        return false;
    const Line& old = gone.first();
    if (come.size() == 1 && come.first().terminator == old.terminator)
        return come.first().content.endsWith('=' + value); // the key's line replaced
    // The file's last line had no terminator: it gets one, then the new lines.
    return head + 1 == before.size() && old.terminator.isEmpty() &&
           come.first().content == old.content && whole(come);
}

// A line is read as UTF-8 when it is valid UTF-8, else as Windows-1252;
// names and values are taken from the input the same way.
QString Text(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return decoder.hasError() ? DecodeWindows1252(bytes) : text;
}

// How the layer writes a line: in the system's encoding.
QByteArray SystemBytes(const QString& text) {
#ifdef Q_OS_WIN
    return EncodeWindows1252(text);
#else
    return text.toUtf8();
#endif
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::EnsureApplication();
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    if (input.size() < 5)
        return 0;
    QString texts[5];
    qsizetype at = 5;
    for (int i = 0; i < 5; ++i) {
        const qsizetype length = qMin<qsizetype>(quint8(input[i]) % 32, input.size() - at);
        texts[i] = Text(QByteArrayView(input).sliced(at, length));
        at += length;
    }
    const auto& [section, key, value, otherSection, otherKey] = texts;
    const QByteArray file = input.mid(at);
    const QString path = fuzz::ScratchPath(QStringLiteral("ovra.ini"));
    fuzz::PutFileBytes(path, file);

    const QString missing = QStringLiteral("\x01missing");
    const QString otherBefore = ReadProfileString(path, otherSection, otherKey, missing);
    ReadProfileInt(path, section, key, 0);
    if (!Writable(section, key, value)) {
        // Any names at all must neither crash nor lose the file's bytes.
        ReadProfileString(path, section, key, missing);
        return 0;
    }

    fuzz::Check(WriteProfileString(path, section, key, value), "a write to a scratch file failed");
    const QByteArray written = fuzz::FileBytes(path);
    fuzz::Check(ReadProfileString(path, section, key, missing) == value,
                "the value written does not read back");
    // A byte-order mark before the first line is not part of it: the write
    // keeps it and may put a new section right after it.
    const QByteArray mark("\xEF\xBB\xBF");
    const bool marked = file.startsWith(mark);
    fuzz::Check(!marked || written.startsWith(mark), "a write dropped the byte-order mark");
    const qsizetype skipped = marked ? mark.size() : 0;
    fuzz::Check(OtherLinesKept(Lines(file.mid(skipped)), Lines(written.mid(skipped)),
                               SystemBytes(value)),
                "a write changed another line of the file");
    if (!(SameName(section, otherSection) && SameName(key, otherKey)))
        fuzz::Check(ReadProfileString(path, otherSection, otherKey, missing) == otherBefore,
                    "a write changed what another key reads");
    fuzz::Check(WriteProfileString(path, section, key, value) && fuzz::FileBytes(path) == written,
                "the same write again changed the file");
    return 0;
}
