#pragma once

// The simulated instrument behind the port interface, in the same process:
// what the unit tests give TFormRS232 instead of a serial port. Replies
// arrive through the event loop, as from a real port, optionally paced at a
// line rate; every write and every byte that crossed is kept for the tests.

#include "instrument.h"
#include "line.h"
#include "link/port.h"

#include <QList>

namespace sim {

class SimulatedPort : public SerialPort {
    Q_OBJECT
public:
    explicit SimulatedPort(InstrumentMemory memory, QObject* parent = nullptr);

    Instrument& Device() { return m_instrument; }
    // baud 0: replies come on the next turn of the event loop.
    void SetBaud(int baud);
    // Makes Open fail with this reason (empty: opens).
    void RefuseOpen(const QString& reason);

    bool Open(const QString& name) override;
    void Close() override;
    bool IsOpen() const override;
    QString OpenErrorText() const override;
    qint64 BytesWaiting() const override;
    void DiscardInput() override;
    QByteArray Read(qint64 maxCount) override;
    bool Write(const QByteArray& bytes) override;
    qint64 BytesToWrite() const override;

    // Each Write, in order, since the simulator was made or ClearLog.
    const QList<QByteArray>& Writes() const { return m_writes; }
    QByteArray WrittenBytes() const;
    int OpenCount() const { return m_openCount; }
    QString LastOpenedName() const { return m_lastName; }
    const Transcript& Log() const { return m_transcript; }
    void ClearLog() { m_writes.clear(); }

private:
    void FromInstrument(const QByteArray& bytes);
    void CablePulled();

    Instrument m_instrument;
    LineDirection m_toInstrument;
    LineDirection m_fromInstrument;
    Transcript m_transcript;
    QByteArray m_input;
    QList<QByteArray> m_writes;
    QString m_refusal;
    QString m_lastName;
    int m_openCount = 0;
    bool m_open = false;
    bool m_cablePulled = false;
};

} // namespace sim
