#include "analysis/countmap.h"

#include <algorithm>
#include <array>
#include <cmath>

int CountMap::ColumnOf(qint32 measurement) const {
    if (Columns < 1 || measurement < FirstMeasurement.front() ||
        measurement >= FirstMeasurement.back())
        return -1;
    const auto after =
        std::upper_bound(FirstMeasurement.begin(), FirstMeasurement.end(), measurement);
    return int(after - FirstMeasurement.begin()) - 1;
}

CountMap ReduceCountMap(const Session& session, qint32 measurements, int pixelColumns) {
    CountMap map;
    const qint32 count = std::clamp(measurements, qint32(0), session.SpectrumCount());
    if (count < 1 || pixelColumns < 1)
        return map;
    map.Columns = int(std::min<qint64>(count, pixelColumns));
    map.FirstMeasurement.resize(std::size_t(map.Columns) + 1);
    for (int c = 0; c <= map.Columns; ++c)
        map.FirstMeasurement[std::size_t(c)] = qint32(qint64(c) * count / map.Columns);
    map.Cells.assign(std::size_t(map.Columns) * ChannelCount, 0);
    for (int c = 0; c < map.Columns; ++c) {
        qint64* cells = map.Cells.data() + std::size_t(c) * ChannelCount;
        for (qint32 m = map.FirstMeasurement[c]; m < map.FirstMeasurement[c + 1]; ++m) {
            const qint32* spectrum = session.SpectrumAt(m);
            for (int ch = 0; ch < ChannelCount; ++ch)
                cells[ch] += spectrum[ch];
        }
    }
    map.MaximumCell = *std::max_element(map.Cells.begin(), map.Cells.end());
    return map;
}

double LogScalePosition(qint64 count, qint64 maximum) {
    if (count <= 0)
        return -1.0;
    if (maximum <= 1 || count >= maximum)
        return 1.0;
    return std::log(double(count)) / std::log(double(maximum));
}

quint32 ScaleColourAt(double position) {
    if (position < 0.0)
        return 0xFFFFFFFFu;
    // A perceptually even ramp that stays readable in grey when printed.
    static constexpr std::array<std::array<int, 3>, 5> stops{{
        {68, 1, 84},
        {59, 82, 139},
        {33, 145, 140},
        {94, 201, 98},
        {253, 231, 37},
    }};
    const double scaled = std::min(position, 1.0) * double(stops.size() - 1);
    const std::size_t low = std::min(std::size_t(scaled), stops.size() - 2);
    const double fraction = scaled - double(low);
    quint32 colour = 0xFF000000u;
    for (int part = 0; part < 3; ++part) {
        const double value =
            stops[low][part] + (stops[low + 1][part] - stops[low][part]) * fraction;
        colour |= quint32(std::lround(value)) << (16 - 8 * part);
    }
    return colour;
}

quint32 LogScaleColour(qint64 count, qint64 maximum) {
    return ScaleColourAt(LogScalePosition(count, maximum));
}
