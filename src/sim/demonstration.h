#pragma once

// The built-in demonstration instrument: what it holds, and the port the
// programs give their link, on which the port name "SIMULATEUR" reaches this
// instrument in the same process, at the real line rate, and every other
// name the real serial port.

#include "memory.h"

#include <QDate>

#include <memory>

class SerialPort;

namespace sim {

// A season of measurements ending on `today`: Rolle and Thomas acquisitions
// of three measurements (volume and EAPV computed) and longer runs of each
// method, with peaks of hundreds to thousands of counts, the factory
// parameters and the computer's clock.
InstrumentMemory DemonstrationMemory(const QDate& today);

// The real serial port, or the demonstration instrument for "SIMULATEUR".
std::unique_ptr<SerialPort> MakeInstrumentPort();

} // namespace sim
