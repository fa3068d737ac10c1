#pragma once

// Plausible acquisitions for the simulator: alpha spectra of the radon
// progeny collected on a filter (the polonium-218 peak at 6.00 MeV and the
// polonium-214 peak at 7.69 MeV, each with its low-energy tail), growing
// during sampling and decaying after it, with counting noise.

#include "memory.h"

namespace sim {

struct AcquisitionPlan {
    quint16 number = 1;
    QDateTime start;
    quint8 methodCode = 0;
    int measurements = 10;
    float volume = 0;            // litres; 0 = from the flow and sampling time
    float eapv = 0;              // 0 = derived from the concentration
    double concentration = 1500; // radon progeny in the air, Bq/m3
    int periodSeconds = 300;     // counting time of one measurement
    quint32 seed = 1;
};

StoredAcquisition GenerateAcquisition(const AcquisitionPlan& plan);

// The 64-byte header of measurement `index` (0-based) of an acquisition.
QByteArray MeasurementHeader(const StoredAcquisition& acquisition, int index,
                             const ChannelCounts& spectrum, int periodSeconds);

// Channels of the two peaks (128 channels over 0 to 10 MeV).
constexpr double Po218Channel = 76.8;
constexpr double Po214Channel = 98.4;

} // namespace sim
