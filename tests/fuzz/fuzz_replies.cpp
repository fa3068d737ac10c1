// The decoding of the instrument's replies on any bytes: a directory entry,
// a spectrum block and its checksum, a measurement header's checksum, a
// number sent as text and the remaining-time text of a download.
//   bytes 0..31    a directory entry (shorter when the input is)
//   bytes 32..287  a spectrum block, then its checksum
//   then 64 bytes of header, 16 bytes of download progress, a number text

#include "fuzzsupport.h"

#include "link/rs232.h"
#include "link/wire.h"

#include <QDateTime>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

QByteArray Take(const QByteArray& input, qsizetype& at, qsizetype count) {
    const QByteArray part = input.mid(at, count);
    at += part.size();
    return part;
}

bool InShortRange(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 && value <= 0xFFFF;
}

void CheckDirectoryEntry(const QByteArray& entry) {
    const QLocale locale = DirectoryLocale();
    const AcquisitionDirectoryEntry decoded = DecodeDirectoryEntry(entry, locale);
    if (entry.size() < DirectoryEntryBytes) {
        fuzz::Check(decoded.Number.isEmpty() && decoded.Count.isEmpty(),
                    "a short entry decoded to something");
        return;
    }
    fuzz::Check(InShortRange(decoded.Number) && InShortRange(decoded.Count),
                "an entry's number or count out of 16 bits", decoded.Number + ' ' + decoded.Count);
    fuzz::Check(
        QDateTime::fromString(decoded.Start, QLatin1String(TFormRS232::ClockTextFormat)).isValid(),
        "an entry's start is not a date", decoded.Start);
    fuzz::Check(decoded.Method == QLatin1String("Rolle") ||
                    decoded.Method == QLatin1String("Thomas") ||
                    decoded.Method == QLatin1String("Test"),
                "an entry's method has no name", decoded.Method);
    // The download converts the texts back; a finite value must survive.
    const QString texts[2] = {decoded.Volume, decoded.Eapv};
    const double decimals[2] = {0.0005, 0.005};
    for (int i = 0; i < 2; ++i) {
        const quint32 bits =
            (quint32(BigEndian16(entry, 14 + 4 * i)) << 16) | BigEndian16(entry, 16 + 4 * i);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        bool ok = false;
        const double back = locale.toDouble(texts[i], &ok);
        fuzz::Check(ok && std::fabs(back - double(value)) <=
                              decimals[i] * (1 + 1e-6) + std::fabs(double(value)) * 1e-15,
                    "an entry's decimal does not read back", texts[i]);
    }
}

void CheckSpectrum(const QByteArray& block, const QByteArray& sum) {
    const Spectrum counts = DecodeSpectrumBlock(block);
    QByteArray encoded;
    for (int channel = 0; channel < ChannelCount; ++channel) {
        fuzz::Check(counts[channel] >= 0 && counts[channel] <= 0xFFFF, "a count outside 16 bits");
        encoded.append(char(counts[channel] >> 8)).append(char(counts[channel] & 0xFF));
    }
    // A short block leaves its missing channels at zero.
    const QByteArray whole = block.left(block.size() & ~qsizetype(1));
    fuzz::Check(encoded.startsWith(whole) &&
                    encoded.mid(whole.size()).count('\0') == encoded.size() - whole.size(),
                "a spectrum block decodes to other counts");
    // The link compares the sum with the two bytes that follow the block.
    if (sum.size() == 2)
        (void)(SpectrumChecksum(counts) == BigEndian16(sum, 0));
}

void CheckNumber(const QByteArray& text) {
    int value = -1;
    const bool parsed = ParseWireNumber(text, value);
    const QByteArray trimmed = text.trimmed();
    qint64 expected = 0;
    bool number = !trimmed.isEmpty();
    for (const char c : trimmed) {
        number = number && c >= '0' && c <= '9';
        if (number)
            expected = std::min<qint64>(expected * 10 + (c - '0'), qint64(1) << 40);
    }
    const bool fits = number && expected <= std::numeric_limits<int>::max();
    fuzz::Check(parsed == fits, "a number text parsed wrongly", QString::fromLatin1(text.toHex()));
    if (parsed)
        fuzz::Check(value == expected, "a number text gave another value");
}

void CheckRemainingTime(const QByteArray& progress) {
    if (progress.size() < 16)
        return;
    const auto word = [&progress](int offset) {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | quint8(progress[offset + i]);
        return value;
    };
    // A download lasts at most days and counts at most 65535 measurements.
    const auto elapsedMs = qint64((quint64(word(0)) << 32 | word(4)) % (quint64(1) << 40));
    const int total = int(word(8) % 65536);
    const int done = total == 0 ? 0 : int(word(12) % (total + 1));
    const QString text = RemainingTimeText(elapsedMs, done, total);
    static const QRegularExpression shape(
        QStringLiteral("^Temps restant estimé : (?:(\\d+) mn )?(\\d{1,2}) s$"));
    const QRegularExpressionMatch match = shape.match(text);
    fuzz::Check(match.hasMatch(), "a remaining time of another shape", text);
    const qint64 seconds = match.captured(1).toLongLong() * 60 + match.captured(2).toLongLong();
    const double expected = done > 0 ? double(elapsedMs) * (total - done) / done / 1000.0 : 0.0;
    fuzz::Check(match.captured(2).toInt() < 60 && std::fabs(double(seconds) - expected) <= 1.0,
                "a remaining time far from the estimate", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::EnsureApplication();
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    qsizetype at = 0;
    CheckDirectoryEntry(Take(input, at, DirectoryEntryBytes));
    const QByteArray block = Take(input, at, SpectrumBlockBytes);
    CheckSpectrum(block, Take(input, at, 2));
    const QByteArray header = Take(input, at, MeasurementHeaderBytes);
    quint32 bytes = 0;
    for (const char c : header)
        bytes += quint8(c);
    fuzz::Check(HeaderChecksum(header) == quint16(bytes), "a header checksum is not its byte sum");
    CheckRemainingTime(Take(input, at, 16));
    CheckNumber(input.mid(at));
    return 0;
}
