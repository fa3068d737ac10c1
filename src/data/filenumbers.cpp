#include "data/filenumbers.h"

#include <charconv>

namespace {

QByteArrayView TrimBlanks(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return text.sliced(begin, end - begin);
}

// from_chars takes no leading "+"; one is accepted in front of a number, not in front of a sign.
QByteArrayView WithoutPlusSign(QByteArrayView text) {
    if (text.isEmpty() || text[0] != '+')
        return text;
    text = text.sliced(1);
    if (!text.isEmpty() && (text[0] == '+' || text[0] == '-'))
        return {};
    return text;
}

} // namespace

bool ParseFileInteger(QByteArrayView text, qint32& value) {
    text = WithoutPlusSign(TrimBlanks(text));
    if (text.isEmpty())
        return false;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool ParseFileDecimal(QByteArrayView text, double& value) {
    text = WithoutPlusSign(TrimBlanks(text));
    if (text.isEmpty() || text.count(',') + text.count('.') > 1)
        return false;
    QByteArray number = text.toByteArray();
    number.replace(',', '.');
    const char* end = number.constData() + number.size();
    const auto [ptr, ec] =
        std::from_chars(number.constData(), end, value, std::chars_format::general);
    return ec == std::errc() && ptr == end;
}

void AppendInteger(QByteArray& out, qint64 value) {
    char buffer[24];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, ptr - buffer);
}

void AppendFixed(QByteArray& out, double value, int decimals, QByteArrayView separator) {
    // Wide enough for the largest double in fixed notation.
    char buffer[400];
    const auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) {
        out.append("?");
        return;
    }
    for (const char* p = buffer; p != ptr; ++p) {
        if (*p == '.')
            out.append(separator);
        else
            out.append(*p);
    }
}
