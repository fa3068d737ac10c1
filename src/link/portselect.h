#pragma once

// The port the programs give the link: each Open picks, by the port's name,
// the real serial port or the built-in demonstration instrument. The
// simulated instrument lives above this layer, so it is handed in as a maker;
// once made it is kept for the whole run, so that what a connection wrote to
// it (parameters, clock) is there at the next one, as on a real instrument.

#include "link/port.h"

#include <functional>
#include <memory>

// The port name that stands for the built-in demonstration instrument.
inline constexpr char SimulatedPortName[] = "SIMULATEUR";

bool IsSimulatedPortName(const QString& name);

class PortSelector : public SerialPort {
    Q_OBJECT
public:
    using PortMaker = std::function<std::unique_ptr<SerialPort>()>;

    PortSelector(PortMaker makeReal, PortMaker makeSimulated, QObject* parent = nullptr);

    bool Open(const QString& name) override;
    void Close() override;
    bool IsOpen() const override;
    QString OpenErrorText() const override;
    qint64 BytesWaiting() const override;
    void DiscardInput() override;
    QByteArray Read(qint64 maxCount) override;
    bool Write(const QByteArray& bytes) override;
    qint64 BytesToWrite() const override;

    // The port the last Open chose (null before the first).
    SerialPort* Current() const { return m_current; }

private:
    SerialPort* Take(std::unique_ptr<SerialPort> port);

    PortMaker m_makeReal;
    PortMaker m_makeSimulated;
    SerialPort* m_real = nullptr;
    SerialPort* m_simulated = nullptr;
    SerialPort* m_current = nullptr;
    QString m_openError;
};
