#include "analysis/windowbounds.h"

#include "config/encodings.h"

#include <algorithm>

WindowBoundsLoad LoadWindowBounds(const ParameterSet& parameters,
                                  const WindowBoundsTable& previous) {
    WindowBoundsLoad load;
    load.table = previous;
    load.table.WindowCount = 0;
    const IntegerConversion count = ConvertInteger(parameters[WindowCountParameter]);
    if (!count.ok) {
        load.error = count.error;
        return load;
    }
    const int windows = std::clamp(count.value, 0, MaxWindowCount);
    std::array<int, 2 * MaxWindowCount> bounds = previous.WindowBounds;
    for (int j = 1; j <= 2 * windows; ++j) {
        const IntegerConversion bound = ConvertInteger(parameters[WindowCountParameter + j]);
        if (!bound.ok) {
            load.error = bound.error;
            return load;
        }
        bounds[j - 1] = std::clamp(bound.value, 0, ChannelCount - 1);
    }
    load.ok = true;
    load.table.WindowCount = windows;
    load.table.WindowBounds = bounds;
    return load;
}

QString WindowTitle(const WindowBoundsTable& table, int k) {
    if (k < 1 || k > MaxWindowCount)
        return QString();
    return QStringLiteral("Ch %1-%2")
        .arg(table.WindowBounds[2 * k - 2])
        .arg(table.WindowBounds[2 * k - 1]);
}

qint64 WindowCountOf(const Session& session, const WindowBoundsTable& table, qint32 index, int k) {
    if (k < 1 || k > MaxWindowCount || index < 0 || index >= session.SpectrumCount())
        return 0;
    // A table filled by hand may hold any bound: never read outside the spectrum.
    const int lo = std::max(table.WindowBounds[2 * k - 2], 0);
    const int hi = std::min(table.WindowBounds[2 * k - 1], ChannelCount - 1);
    const qint32* spectrum = session.SpectrumAt(index);
    qint64 sum = 0;
    for (int channel = lo; channel <= hi; ++channel)
        sum += spectrum[channel];
    return sum;
}

qint64 MeasurementTotal(const Session& session, qint32 index) {
    if (index < 0 || index >= session.SpectrumCount())
        return 0;
    const qint32* spectrum = session.SpectrumAt(index);
    qint64 sum = 0;
    for (int channel = 0; channel < ChannelCount; ++channel)
        sum += spectrum[channel];
    return sum;
}
