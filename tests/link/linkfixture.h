#pragma once

// A link to the in-process simulated instrument, with every duration scaled
// down so that time-outs take milliseconds.

#include "link/rs232.h"
#include "sim/simulatedport.h"

#include <memory>

// A reply time-out of 150 ms: long enough for a loaded machine, short
// enough for the silent cases.
constexpr double TestTimeScale = 0.05;

struct LinkFixture {
    explicit LinkFixture(sim::InstrumentMemory memory, const sim::InstrumentFaults& faults = {}) {
        auto simulated = std::make_unique<sim::SimulatedPort>(std::move(memory));
        port = simulated.get();
        port->Device().SetFaults(faults);
        port->Device().SetEraseStepMs(1);
        link = std::make_unique<TFormRS232>(context, std::move(simulated));
        link->SetTimeScale(TestTimeScale);
        link->SetPortName(QStringLiteral("/dev/ttyOVRA"));
        link->SetReadTimeouts(250);
    }

    sim::Instrument& device() { return port->Device(); }
    QList<QByteArray> writes() const { return port->Writes(); }

    Context context;
    sim::SimulatedPort* port = nullptr;
    std::unique_ptr<TFormRS232> link;
};
