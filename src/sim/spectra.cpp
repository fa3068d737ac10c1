#include "spectra.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <random>

namespace sim {

namespace {

// Decay constants per second: polonium-218 (3.05 min), lead-214 (26.8 min),
// bismuth-214 (19.9 min); polonium-214 follows bismuth-214 at once.
const double Lambda218 = std::log(2.0) / (3.05 * 60);
const double Lambda214Pb = std::log(2.0) / (26.8 * 60);
const double Lambda214Bi = std::log(2.0) / (19.9 * 60);

constexpr double FlowLitresPerMinute = 2.0;
constexpr double CountingEfficiency = 0.3;
constexpr double PeakSigmaChannels = 1.6;
// Alphas lose energy in the dust of the filter: a tail towards low energies.
constexpr double TailChannels = 4.0;
constexpr double TailFraction = 0.35;
constexpr double BackgroundPerChannel = 0.05;

// Share of one peak's counts in each channel.
std::array<double, ChannelCount> PeakShape(double centre) {
    std::array<double, ChannelCount> shape{};
    double total = 0;
    for (int c = 0; c < ChannelCount; ++c) {
        const double d = c - centre;
        const double gauss = std::exp(-0.5 * d * d / (PeakSigmaChannels * PeakSigmaChannels));
        const double tail = d < 0 ? std::exp(d / TailChannels) : gauss;
        shape[c] = (1 - TailFraction) * gauss + TailFraction * tail;
        total += shape[c];
    }
    for (double& share : shape)
        share /= total;
    return shape;
}

// Counts of the two polonium peaks in each counting period, from the progeny
// collected while the pump runs, during the first period of every method.
struct PeakCounts {
    double po218 = 0;
    double po214 = 0;
};

std::vector<PeakCounts> DecayCounts(const AcquisitionPlan& plan) {
    const double flowM3PerSecond = FlowLitresPerMinute / 1000.0 / 60.0;
    // Activity concentrations of the progeny in the air, out of equilibrium.
    const double c218 = plan.concentration;
    const double c214Pb = 0.7 * plan.concentration;
    const double c214Bi = 0.5 * plan.concentration;
    double n218 = 0, n214Pb = 0, n214Bi = 0; // atoms on the filter
    std::vector<PeakCounts> counts(std::size_t(std::max(plan.measurements, 0)));
    for (std::size_t m = 0; m < counts.size(); ++m) {
        const bool pumping = m == 0;
        for (int s = 0; s < plan.periodSeconds; ++s) {
            const double d218 = Lambda218 * n218;
            const double d214Pb = Lambda214Pb * n214Pb;
            const double d214Bi = Lambda214Bi * n214Bi;
            counts[m].po218 += CountingEfficiency * d218;
            counts[m].po214 += CountingEfficiency * d214Bi;
            // Atoms collected per second: the air's atoms (activity over the
            // decay constant) times the flow.
            const double r218 = pumping ? c218 * flowM3PerSecond / Lambda218 : 0.0;
            const double r214Pb = pumping ? c214Pb * flowM3PerSecond / Lambda214Pb : 0.0;
            const double r214Bi = pumping ? c214Bi * flowM3PerSecond / Lambda214Bi : 0.0;
            n218 += r218 - d218;
            n214Pb += r214Pb + d218 - d214Pb;
            n214Bi += r214Bi + d214Pb - d214Bi;
        }
    }
    return counts;
}

void PutBigEndian16(QByteArray& bytes, int offset, quint16 value) {
    qToBigEndian(value, bytes.data() + offset);
}

void PutBigEndian32(QByteArray& bytes, int offset, quint32 value) {
    qToBigEndian(value, bytes.data() + offset);
}

quint32 WindowSum(const ChannelCounts& spectrum, int first, int last) {
    quint32 sum = 0;
    for (int c = first; c <= last; ++c)
        sum += spectrum[c];
    return sum;
}

} // namespace

QByteArray MeasurementHeader(const StoredAcquisition& acquisition, int index,
                             const ChannelCounts& spectrum, int periodSeconds) {
    QByteArray header(64, '\0');
    PutBigEndian16(header, 0, quint16(index + 1));
    PutBigEndian16(header, 2, acquisition.number);
    PutBigEndian16(header, 4, quint16(periodSeconds));
    const QDateTime taken = acquisition.start.isValid()
                                ? acquisition.start.addSecs(qint64(index + 1) * periodSeconds)
                                : QDateTime(QDate(2000, 1, 1), QTime(0, 0));
    header[6] = char(taken.date().day());
    header[7] = char(taken.date().month());
    header[8] = char(taken.date().year() - 2000);
    header[9] = char(taken.time().hour());
    header[10] = char(taken.time().minute());
    header[11] = char(taken.time().second());
    PutBigEndian16(header, 12, quint16(215 + index % 7)); // temperature, tenths of a degree
    header[14] = char(acquisition.methodCode);
    header[15] = char(index == 0 ? 1 : 2); // phase: sampling, then counting
    header[16] = char(87 - index / 10);    // battery, percent
    header[17] = char(16);                 // backlight, sixteenths
    header[18] = char(2);                  // energy windows
    PutBigEndian32(header, 21, WindowSum(spectrum, 68, 80));
    PutBigEndian32(header, 25, WindowSum(spectrum, 88, 102));
    PutBigEndian32(header, 29, WindowSum(spectrum, 0, ChannelCount - 1));
    PutBigEndian32(header, 33, quint32(acquisition.volume * 1000));
    PutBigEndian32(header, 37, quint32(periodSeconds * 1000));
    PutBigEndian16(header, 41, 1013); // atmospheric pressure, mbar
    PutBigEndian16(header, 43, 42);   // differential pressure, Pa
    PutBigEndian16(header, 45, 7400); // battery, mV
    header[47] = char(1);
    return header;
}

StoredAcquisition GenerateAcquisition(const AcquisitionPlan& plan) {
    StoredAcquisition acquisition;
    acquisition.number = plan.number;
    acquisition.start = plan.start;
    acquisition.methodCode = plan.methodCode;
    // Every method pumps during its first period; only the sampling methods
    // compute an EAPV.
    const bool computesEapv = plan.methodCode == 0 || plan.methodCode == 1;
    acquisition.volume =
        plan.volume > 0 ? plan.volume : float(FlowLitresPerMinute * plan.periodSeconds / 60.0);
    acquisition.eapv = plan.eapv > 0  ? plan.eapv
                       : computesEapv ? float(plan.concentration * 0.42)
                                      : 0.0f;

    const std::array<double, ChannelCount> shape218 = PeakShape(Po218Channel);
    const std::array<double, ChannelCount> shape214 = PeakShape(Po214Channel);
    const std::vector<PeakCounts> peaks = DecayCounts(plan);
    std::mt19937 random(plan.seed * 7919u + plan.number);
    for (int m = 0; m < plan.measurements; ++m) {
        StoredMeasurement measurement;
        for (int c = 0; c < ChannelCount; ++c) {
            const double expected = peaks[m].po218 * shape218[c] + peaks[m].po214 * shape214[c] +
                                    BackgroundPerChannel * plan.periodSeconds / 60.0;
            std::poisson_distribution<int> noise(std::max(expected, 1e-9));
            measurement.spectrum[c] = quint16(std::min(noise(random), 65535));
        }
        measurement.header =
            MeasurementHeader(acquisition, m, measurement.spectrum, plan.periodSeconds);
        acquisition.measurements.push_back(measurement);
    }
    return acquisition;
}

} // namespace sim
