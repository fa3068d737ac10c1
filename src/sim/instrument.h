#pragma once

// The instrument's side of the serial protocol: it takes the bytes the
// program sends and answers exactly as the instrument does, command by
// command, from its memory of parameters, clock and acquisitions. It knows
// nothing of ports: bytes come in through Receive and leave through Transmit.

#include "faults.h"
#include "memory.h"

#include <QObject>
#include <QTimer>

namespace sim {

class Instrument : public QObject {
    Q_OBJECT
public:
    explicit Instrument(InstrumentMemory memory, QObject* parent = nullptr);

    void SetFaults(const InstrumentFaults& faults);
    const InstrumentFaults& Faults() const { return m_faults; }
    // Time between two erase progress packets (the memory erase is slow).
    void SetEraseStepMs(int milliseconds);

    // Bytes from the program.
    void Receive(const QByteArray& bytes);
    // The program opened or closed the port: a half-received command is dropped.
    void ResetLink();

    const InstrumentMemory& Memory() const { return m_memory; }
    InstrumentMemory& Memory() { return m_memory; }
    QDateTime Clock() const;
    bool LineDead() const { return m_dead; }
    qint64 BytesSent() const { return m_bytesSent; }

signals:
    void Transmit(const QByteArray& bytes);
    // The line died with the fault "hang up": the program's port must fail.
    void HungUp();

private:
    enum class State {
        Command,     // waiting for a two-letter command
        ReadIndex,   // "RH": index
        WriteIndex,  // "SH": index
        WriteRecord, // "SH": name;value;
        TimeHour,    // "ST"
        TimeMinute,
        DateDay, // "SD"
        DateMonth,
        DateYear,
        DirectoryStart, // "RI"
        SelectNumber,   // "SP": five digits
        SpectraWanted,  // "SS"
    };

    void Handle(char byte);
    void Command(const QByteArray& command);
    void Send(const QByteArray& bytes);
    void Expect(State state, int bytes);
    void SendRecord(int index);
    void SendDirectory();
    void SendMeasurement();
    void StoreValue(int index, const QByteArray& value);
    void SetClock(const QDateTime& when);
    void EraseStep();

    InstrumentMemory m_memory;
    InstrumentFaults m_faults;
    State m_state = State::Command;
    int m_expected = 2;
    QByteArray m_input;

    // In milliseconds: whole seconds would lose the part of a second the set
    // came in, and a clock set to hh:nn:00 would read back a minute early.
    qint64 m_clockOffsetMs = 0;
    int m_pendingHour = 0;
    int m_pendingDay = 1;
    int m_pendingMonth = 1;
    int m_writeIndex = -1;

    int m_selected = -1; // acquisition selected by "SP"
    int m_nextMeasurement = 0;
    bool m_spectraWanted = true;
    int m_lostEchoesLeft = 0;

    QTimer m_eraseTimer;
    int m_erasePosition = 0;

    qint64 m_bytesSent = 0;
    bool m_dead = false;
};

} // namespace sim
