#include "link/portselect.h"

bool IsSimulatedPortName(const QString& name) {
    return name.trimmed().compare(QLatin1String(SimulatedPortName), Qt::CaseInsensitive) == 0;
}

PortSelector::PortSelector(PortMaker makeReal, PortMaker makeSimulated, QObject* parent)
    : SerialPort(parent)
    , m_makeReal(std::move(makeReal))
    , m_makeSimulated(std::move(makeSimulated)) {
}

SerialPort* PortSelector::Take(std::unique_ptr<SerialPort> port) {
    if (!port)
        return nullptr;
    SerialPort* taken = port.release();
    taken->setParent(this);
    // Only the chosen port speaks for this one: a closed one is silent anyway.
    connect(taken, &SerialPort::ReadyRead, this, [this, taken] {
        if (taken == m_current)
            emit ReadyRead();
    });
    connect(taken, &SerialPort::BytesWritten, this, [this, taken] {
        if (taken == m_current)
            emit BytesWritten();
    });
    connect(taken, &SerialPort::PortFailed, this, [this, taken](const QString& reason) {
        if (taken == m_current)
            emit PortFailed(reason);
    });
    return taken;
}

bool PortSelector::Open(const QString& name) {
    if (m_current && m_current->IsOpen())
        return true;
    m_openError.clear();
    SerialPort*& chosen = IsSimulatedPortName(name) && m_makeSimulated ? m_simulated : m_real;
    if (!chosen)
        chosen = Take(&chosen == &m_simulated ? m_makeSimulated() : m_makeReal());
    m_current = chosen;
    if (!m_current) {
        m_openError = tr("Le port %1 n'existe pas.").arg(name);
        return false;
    }
    if (m_current->Open(name))
        return true;
    m_openError = m_current->OpenErrorText();
    return false;
}

void PortSelector::Close() {
    if (m_current)
        m_current->Close();
}

bool PortSelector::IsOpen() const {
    return m_current && m_current->IsOpen();
}

QString PortSelector::OpenErrorText() const {
    return m_openError;
}

qint64 PortSelector::BytesWaiting() const {
    return m_current ? m_current->BytesWaiting() : -1;
}

void PortSelector::DiscardInput() {
    if (m_current)
        m_current->DiscardInput();
}

QByteArray PortSelector::Read(qint64 maxCount) {
    return m_current ? m_current->Read(maxCount) : QByteArray();
}

bool PortSelector::Write(const QByteArray& bytes) {
    return m_current && m_current->Write(bytes);
}

qint64 PortSelector::BytesToWrite() const {
    return m_current ? m_current->BytesToWrite() : 0;
}
