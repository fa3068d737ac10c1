#include "simulatedport.h"

namespace sim {

SimulatedPort::SimulatedPort(InstrumentMemory memory, QObject* parent)
    : SerialPort(parent)
    , m_instrument(std::move(memory)) {
    connect(&m_toInstrument, &LineDirection::Delivered, this, [this](const QByteArray& bytes) {
        m_transcript.Record(Transcript::ToInstrument, bytes);
        m_instrument.Receive(bytes);
    });
    connect(&m_instrument, &Instrument::Transmit, &m_fromInstrument, &LineDirection::Push);
    connect(&m_instrument, &Instrument::HungUp, &m_fromInstrument, &LineDirection::PushHangUp);
    connect(&m_fromInstrument, &LineDirection::Delivered, this, &SimulatedPort::FromInstrument);
    connect(&m_fromInstrument, &LineDirection::HungUp, this, &SimulatedPort::CablePulled);
}

void SimulatedPort::SetBaud(int baud) {
    m_toInstrument.SetBaud(baud);
    m_fromInstrument.SetBaud(baud);
}

void SimulatedPort::RefuseOpen(const QString& reason) {
    m_refusal = reason;
}

bool SimulatedPort::Open(const QString& name) {
    if (m_open)
        return true;
    m_lastName = name;
    if (!m_refusal.isEmpty() || m_cablePulled)
        return false;
    m_open = true;
    ++m_openCount;
    m_input.clear();
    m_instrument.ResetLink();
    return true;
}

void SimulatedPort::Close() {
    if (!m_open)
        return;
    m_open = false;
    m_input.clear();
    m_toInstrument.Clear();
    m_instrument.ResetLink();
}

bool SimulatedPort::IsOpen() const {
    return m_open;
}

QString SimulatedPort::OpenErrorText() const {
    return m_cablePulled ? QStringLiteral("le port %1 n'existe pas").arg(m_lastName) : m_refusal;
}

qint64 SimulatedPort::BytesWaiting() const {
    return m_open ? m_input.size() : -1;
}

void SimulatedPort::DiscardInput() {
    m_input.clear();
}

QByteArray SimulatedPort::Read(qint64 maxCount) {
    const QByteArray bytes = m_input.left(int(maxCount));
    m_input.remove(0, bytes.size());
    return bytes;
}

bool SimulatedPort::Write(const QByteArray& bytes) {
    if (!m_open || m_cablePulled)
        return false;
    m_writes.append(bytes);
    m_toInstrument.Push(bytes);
    return true;
}

qint64 SimulatedPort::BytesToWrite() const {
    return 0;
}

QByteArray SimulatedPort::WrittenBytes() const {
    QByteArray all;
    for (const QByteArray& write : m_writes)
        all += write;
    return all;
}

void SimulatedPort::FromInstrument(const QByteArray& bytes) {
    m_transcript.Record(Transcript::FromInstrument, bytes);
    // Bytes that reach a closed port are lost, as on a real line.
    if (!m_open)
        return;
    m_input += bytes;
    emit ReadyRead();
}

void SimulatedPort::CablePulled() {
    m_cablePulled = true;
    if (m_open)
        emit PortFailed(QStringLiteral("le port %1 a disparu (câble débranché ?)").arg(m_lastName));
}

} // namespace sim
