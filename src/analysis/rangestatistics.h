#pragma once

// Statistics of a range of measurements, for one series of the measurement
// table (the total or one window), and the spectrum the range adds up to.

#include "data/varia.h"

#include <array>
#include <vector>

struct RangeStatistics {
    qint64 n = 0;
    qint64 Sum = 0; // 64 bits: 65,535 measurements of 128 channels near 2³¹ still fit
    double Mean = 0.0;
    double StandardDeviation = 0.0; // of the sample (n − 1); 0 for a single measurement
    qint64 Minimum = 0;
    qint32 MinimumAt = -1; // 0-based measurement of the first minimum
    qint64 Maximum = 0;
    qint32 MaximumAt = -1;       // 0-based measurement of the first maximum
    double SumUncertainty = 0.0; // √sum, the Poisson uncertainty of the sum (0 when sum ≤ 0)
};

// Over values[first … last], 0-based and inclusive. A range that is empty or
// reaches outside the values gives n = 0 and nothing else.
RangeStatistics ComputeRangeStatistics(const std::vector<qint64>& values, qint32 first,
                                       qint32 last);

// Channel by channel sum of the spectra of measurements first … last (0-based,
// inclusive); measurements without a spectrum add nothing.
std::array<qint64, ChannelCount> SummedSpectrum(const Session& session, qint32 first, qint32 last);
