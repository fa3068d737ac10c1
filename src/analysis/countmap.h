#pragma once

// The time × channel map: measurements across, channels up. A wide acquisition
// is reduced to at most one column per pixel by adding up the measurements
// that share a column, so 65,535 measurements cost no more to draw than 40.

#include "data/varia.h"

#include <QtGlobal>
#include <vector>

struct CountMap {
    int Columns = 0;
    // Column c holds measurements FirstMeasurement[c] … FirstMeasurement[c + 1] − 1
    // (0-based); Columns + 1 entries.
    std::vector<qint32> FirstMeasurement;
    // Count of column c at channel ch is Cells[c × ChannelCount + ch].
    std::vector<qint64> Cells;
    qint64 MaximumCell = 0;

    qint64 Cell(int column, int channel) const {
        return Cells[std::size_t(column) * ChannelCount + std::size_t(channel)];
    }
    // The column holding a measurement, -1 outside the map.
    int ColumnOf(qint32 measurement) const;
};

// The first `measurements` spectra of the session on at most `pixelColumns`
// columns (one per measurement when they fit).
CountMap ReduceCountMap(const Session& session, qint32 measurements, int pixelColumns);

// Where a count falls on the logarithmic scale from 1 to `maximum`: 0 … 1, or
// a negative number for a count ≤ 0 (nothing counted).
double LogScalePosition(qint64 count, qint64 maximum);

// The colour of a scale position 0 … 1 as 0xAARRGGBB: dark violet through
// blue and green to yellow; white for a negative position.
quint32 ScaleColourAt(double position);

// The colour of a count on the map's logarithmic scale.
quint32 LogScaleColour(qint64 count, qint64 maximum);
