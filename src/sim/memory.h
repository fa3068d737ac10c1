#pragma once

// What the simulated instrument holds: its version, its 64 parameters, its
// clock and the acquisitions in its measurement memory, in the instrument's
// own forms (big-endian records are built from these when they are sent).

#include "data/varia.h"

#include <QByteArray>
#include <QDateTime>

#include <array>
#include <vector>

namespace sim {

using ChannelCounts = std::array<quint16, ChannelCount>;

struct StoredMeasurement {
    ChannelCounts spectrum{};
    QByteArray header = QByteArray(64, '\0'); // the 64-byte measurement header
};

struct StoredAcquisition {
    quint16 number = 0;
    QDateTime start;       // may be invalid: the directory then holds zeros
    quint8 methodCode = 0; // 0 Rolle, 1 Thomas, anything else Test
    float volume = 0;
    float eapv = 0;
    std::vector<StoredMeasurement> measurements;
};

struct InstrumentMemory {
    QByteArray version = "V2.10a"; // always sent as 6 bytes
    std::array<QByteArray, ParameterCount> parameters;
    // The clock when the simulator starts; invalid means the computer's.
    QDateTime clock;
    std::vector<StoredAcquisition> acquisitions;
    int capacity = 4000; // measurements the memory can hold

    int MeasurementTotal() const;
};

// Values an instrument leaves the factory with.
std::array<QByteArray, ParameterCount> FactoryParameters();

// A memory of `acquisitions` generated acquisitions of `measurements` each,
// on consecutive days, methods in turn Rolle, Thomas, Test.
InstrumentMemory GeneratedMemory(int acquisitions, int measurements, quint32 seed);

} // namespace sim
