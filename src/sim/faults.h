#pragma once

// The ways the simulated instrument can misbehave, to try the program's
// handling of each. Measurement numbers are 1-based, as a user counts them.

#include <QByteArray>

namespace sim {

struct InstrumentFaults {
    bool silent = false;                  // never answers
    QByteArray identification = "TARVEL"; // sent after the "ID" echo
    int spectrumChecksumErrorAt = 0;      // measurement whose spectrum checksum is wrong
    int headerChecksumErrorAt = 0;        // measurement whose header checksum is wrong
    int lostEchoAt = 0;                   // measurement whose "RP" requests go unanswered ...
    int lostEchoCount = 1;                // ... this many times
    qint64 deadAfterBytes = -1;           // the line dies after sending this many bytes
    bool deadLineHangsUp = false;         // a dead line is a pulled cable, not just silence
    // Values written with "SH" are stored as the instrument's firmware prints
    // numbers back ("007" becomes "7", "1.50" becomes "1.5").
    bool reformatValues = false;
    // Values written with "SH" are stored in lower case ("OVRA0042" becomes
    // "ovra0042").
    bool lowerCaseValues = false;
    // Sent after "RD" in place of the clock's "dd/mm/yy" when not empty.
    QByteArray dateReply;
};

} // namespace sim
