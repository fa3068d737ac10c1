#include "data/windows1252.h"

#include <array>

namespace {

// Bytes 0x80-0x9F. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so that any byte
// read from a file is written back unchanged.
constexpr std::array<char16_t, 32> HighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

char EncodeCharacter(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < HighTable.size(); ++i) {
        if (HighTable[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

bool HasWindows1252Byte(QChar c) {
    return c == QLatin1Char('?') || EncodeCharacter(c.unicode()) != '?';
}

QString DecodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? HighTable[b - 0x80] : char16_t(b));
    }
    return text;
}

void AppendWindows1252(QByteArray& out, QStringView text) {
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* p = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character outside the code page, one "?"
        *p++ = EncodeCharacter(c.unicode());
    }
    out.resize(p - out.constData());
}

QByteArray EncodeWindows1252(QStringView text) {
    QByteArray out;
    AppendWindows1252(out, text);
    return out;
}
