#include "link/wire.h"

#include "data/windows1252.h"

#include <QCoreApplication>
#include <QDate>
#include <QTime>

#include <cmath>
#include <cstring>

QByteArray ToWireText(const QString& text) {
    return EncodeWindows1252(text);
}

QString FromWireText(const QByteArray& bytes) {
    return DecodeWindows1252(bytes);
}

quint16 BigEndian16(const QByteArray& bytes, int offset) {
    return quint16((quint8(bytes.at(offset)) << 8) | quint8(bytes.at(offset + 1)));
}

quint16 SpectrumChecksum(const Spectrum& counts) {
    quint32 sum = 0;
    for (const qint32 count : counts)
        sum += quint32(count);
    return quint16(sum & 0xFFFF);
}

quint16 HeaderChecksum(const QByteArray& header) {
    quint32 sum = 0;
    for (const char byte : header)
        sum += quint8(byte);
    return quint16(sum & 0xFFFF);
}

Spectrum DecodeSpectrumBlock(const QByteArray& block) {
    Spectrum counts{};
    for (int channel = 0; channel < ChannelCount && 2 * channel + 1 < block.size(); ++channel)
        counts[channel] = BigEndian16(block, 2 * channel);
    return counts;
}

QLocale DirectoryLocale() {
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString MethodName(quint8 code) {
    switch (code) {
    case 0:
        return QStringLiteral("Rolle");
    case 1:
        return QStringLiteral("Thomas");
    default:
        return QStringLiteral("Test");
    }
}

namespace {

float BigEndianFloat(const QByteArray& bytes, int offset) {
    const quint32 bits =
        (quint32(BigEndian16(bytes, offset)) << 16) | BigEndian16(bytes, offset + 2);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

AcquisitionDirectoryEntry DecodeDirectoryEntry(const QByteArray& entry, const QLocale& locale) {
    AcquisitionDirectoryEntry decoded;
    if (entry.size() < DirectoryEntryBytes)
        return decoded;
    const auto byteAt = [&entry](int offset) {
        return int(quint8(entry.at(offset)));
    };
    decoded.Number = QString::number(BigEndian16(entry, 2));
    const QDate date(2000 + byteAt(6), byteAt(5), byteAt(4));
    const QTime time(byteAt(7), byteAt(8), byteAt(9));
    decoded.Start = date.isValid() && time.isValid()
                        ? date.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ') +
                              time.toString(QStringLiteral("HH:mm"))
                        : QStringLiteral("01/01/2000 00:00");
    decoded.Method = MethodName(quint8(byteAt(10)));
    decoded.Count = QString::number(BigEndian16(entry, 12));
    decoded.Volume = locale.toString(double(BigEndianFloat(entry, 14)), 'f', 3);
    decoded.Eapv = locale.toString(double(BigEndianFloat(entry, 18)), 'f', 2);
    return decoded;
}

QString RemainingTimeText(qint64 elapsedMs, int done, int total) {
    const double remainingMs = done > 0 ? double(elapsedMs) * (total - done) / done : 0.0;
    const qint64 seconds = qint64(std::nearbyint(remainingMs / 1000.0));
    QString text = QCoreApplication::translate("TFormRS232", "Temps restant estimé : ");
    if (seconds >= 60)
        text += QString::number(seconds / 60) + QStringLiteral(" mn ");
    text += QString::number(seconds % 60) + QStringLiteral(" s");
    return text;
}

bool ParseWireNumber(const QByteArray& text, int& value) {
    const QByteArray trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    for (const char c : trimmed) {
        if (c < '0' || c > '9')
            return false;
    }
    bool ok = false;
    value = trimmed.toInt(&ok);
    return ok;
}
