#include "ui/display/displaysteps.h"

#include <QLocale>
#include <charconv>

int StepCount(const Session& session, int groupSize) {
    if (groupSize < 1 || session.MeasurementCount < 1)
        return 0;
    return session.MeasurementCount / groupSize;
}

bool StepAvailable(const Session& session, int step, int groupSize) {
    if (step < 0 || groupSize < 1)
        return false;
    const qint64 last = qint64(step + 1) * groupSize;
    return last <= session.MeasurementCount && last <= session.SpectrumCount();
}

QList<QPointF> StepPoints(const Session& session, int step, int groupSize) {
    QList<QPointF> points;
    if (!StepAvailable(session, step, groupSize))
        return points;
    points.reserve(ChannelCount - 1);
    const qint32* first = session.SpectrumAt(step * groupSize);
    for (int channel = 0; channel < ChannelCount - 1; ++channel) {
        // Counts read from a file may be any 32-bit value: add in 64 bits.
        qint64 sum = 0;
        for (int i = 0; i < groupSize; ++i)
            sum += first[std::size_t(i) * ChannelCount + channel];
        points.append(QPointF(channel, double(sum)));
    }
    return points;
}

QString FormatFixed2(double value) {
    // to_chars rounds the exact binary value, ties to even, and ignores the C
    // locale that QApplication installs; the separator is the user's.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (result.ec != std::errc())
        return QString();
    const QLocale locale = QLocale::system();
    QString text = QString::fromLatin1(buffer, int(result.ptr - buffer));
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, locale.negativeSign());
    return text;
}
