#pragma once

// Scenario files: what the simulated instrument holds, in a readable text.
//
//   # comment
//   version V2.10a
//   clock 15/03/2011 14:05:00
//   capacity 4000
//   parameter 64 Cave\tMaison        (key 1 to 64 as in .par files; \t is a TAB)
//   acquisition 42 15/03/2011 09:30:00 Rolle 40 volume 10 eapv 630 concentration 1500
//   spectrum 0 0 3 ...               (128 counts: the next measurement of the
//                                     acquisition above; the others are generated)
//
// After "acquisition": number, start date and time (or "invalid"), method
// ("Rolle", "Thomas", "Test" or a code 0 to 255), number of measurements,
// then optional pairs: volume (litres), eapv, concentration (Bq/m3),
// period (seconds per measurement), seed.

#include "memory.h"

#include <QString>

namespace sim {

// Starts from the factory parameters and an empty memory. False with a
// message naming the line when the text is not a scenario.
bool ParseScenario(const QByteArray& text, InstrumentMemory& memory, QString& error);
bool LoadScenario(const QString& path, InstrumentMemory& memory, QString& error);

} // namespace sim
