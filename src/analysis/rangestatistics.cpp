#include "analysis/rangestatistics.h"

#include <algorithm>
#include <cmath>

RangeStatistics ComputeRangeStatistics(const std::vector<qint64>& values, qint32 first,
                                       qint32 last) {
    RangeStatistics stats;
    if (first < 0 || last < first || std::size_t(last) >= values.size())
        return stats;
    stats.n = qint64(last) - first + 1;
    stats.Minimum = stats.Maximum = values[std::size_t(first)];
    stats.MinimumAt = stats.MaximumAt = first;
    for (qint32 m = first; m <= last; ++m) {
        const qint64 value = values[std::size_t(m)];
        stats.Sum += value;
        if (value < stats.Minimum) {
            stats.Minimum = value;
            stats.MinimumAt = m;
        }
        if (value > stats.Maximum) {
            stats.Maximum = value;
            stats.MaximumAt = m;
        }
    }
    stats.Mean = double(stats.Sum) / double(stats.n);
    // Two passes: the squares of deviations, not of counts near 2³¹, keep the digits.
    if (stats.n > 1) {
        double squares = 0.0;
        for (qint32 m = first; m <= last; ++m) {
            const double deviation = double(values[std::size_t(m)]) - stats.Mean;
            squares += deviation * deviation;
        }
        stats.StandardDeviation = std::sqrt(squares / double(stats.n - 1));
    }
    stats.SumUncertainty = std::sqrt(double(std::max<qint64>(stats.Sum, 0)));
    return stats;
}

std::array<qint64, ChannelCount> SummedSpectrum(const Session& session, qint32 first, qint32 last) {
    std::array<qint64, ChannelCount> sum{};
    const qint32 from = std::max(first, qint32(0));
    const qint32 to = std::min(last, session.SpectrumCount() - 1);
    for (qint32 m = from; m <= to; ++m) {
        const qint32* spectrum = session.SpectrumAt(m);
        for (int c = 0; c < ChannelCount; ++c)
            sum[std::size_t(c)] += spectrum[c];
    }
    return sum;
}
