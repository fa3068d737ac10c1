#include "link/rs232.h"

#include "link/qtserialport.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// The port name the link is created with; the port window replaces it at
// start-up with the stored one.
const char* const CreationPortName = "COM9";
// Read time-outs at creation (interval 100, multiplier 100, constant 1000).
constexpr int CreationReadTimeoutMs = 100;
constexpr qint64 NsPerMs = 1'000'000;

} // namespace

TFormRS232::TFormRS232(Context& context, QObject* parent)
    : TFormRS232(context, std::make_unique<QtSerialPortBackend>(), parent) {
}

TFormRS232::TFormRS232(Context& context, std::unique_ptr<SerialPort> port, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_port(port.release())
    , m_portName(QString::fromLatin1(CreationPortName)) {
    setObjectName(QStringLiteral("TFormRS232"));
    m_port->setParent(this);
    connect(m_port, &SerialPort::PortFailed, this, &TFormRS232::PortFailed);

    TimerDelay = new QTimer(this);
    TimerDelay->setObjectName(QStringLiteral("TimerDelay"));
    TimerDelay->setTimerType(Qt::PreciseTimer);
    TimerDelay->setSingleShot(true);

    TimerTimeOut = new QTimer(this);
    TimerTimeOut->setObjectName(QStringLiteral("TimerTimeOut"));
    TimerTimeOut->setTimerType(Qt::PreciseTimer);
    TimerTimeOut->setSingleShot(true);
    TimerTimeOut->setInterval(Scaled(ReplyTimeout));
    connect(TimerTimeOut, &QTimer::timeout, this, &TFormRS232::TimerTimeOutTimer);

    SetReadTimeouts(CreationReadTimeoutMs);
}

TFormRS232::~TFormRS232() {
    ClosePort();
}

void TFormRS232::SetPortName(const QString& name) {
    m_portName = name;
}

QString TFormRS232::PortName() const {
    return m_portName;
}

void TFormRS232::SetTimeScale(double scale) {
    m_timeScale = scale > 0 ? scale : 1.0;
    TimerTimeOut->setInterval(Scaled(ReplyTimeout));
}

double TFormRS232::TimeScale() const {
    return m_timeScale;
}

void TFormRS232::SetClock(LinkClock& clock) {
    m_clock = &clock;
}

int TFormRS232::Scaled(std::chrono::milliseconds duration) const {
    return Scaled(int(duration.count()));
}

int TFormRS232::Scaled(int milliseconds) const {
    if (milliseconds <= 0)
        return 0;
    return std::max(1, int(std::lround(milliseconds * m_timeScale)));
}

// --- Timers and port events ---------------------------------------------------

void TFormRS232::TimerTimeOutTimer() {
    TimerTimeOut->stop();
    m_context.TimedOut = true;
}

void TFormRS232::PortFailed(const QString& reason) {
    // Noted here and acted upon by the primitive that is waiting (or the next
    // one). The port is closed soon after, not from inside its own error
    // signal: a vanished device left open can keep waking the event loop.
    if (!m_pendingPortFailure.isEmpty())
        return;
    m_pendingPortFailure = reason;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_pendingPortFailure.isEmpty())
                ClosePort();
        },
        Qt::QueuedConnection);
}

// --- Failure state -------------------------------------------------------------

void TFormRS232::Fail(const QString& reason) {
    if (!m_communicationFailed) {
        m_communicationFailed = true;
        m_failureReason = reason;
    }
    ClosePort();
}

void TFormRS232::ClearFailure() {
    m_communicationFailed = false;
    m_failureReason.clear();
    m_pendingPortFailure.clear();
}

bool TFormRS232::Stopped() const {
    return m_context.TimedOut || m_communicationFailed;
}

QString TFormRS232::FailureReason() const {
    return m_failureReason;
}

bool TFormRS232::CommunicationFailed() const {
    return m_communicationFailed;
}

bool TFormRS232::PortUsable() {
    if (m_communicationFailed)
        return false;
    if (!m_pendingPortFailure.isEmpty()) {
        Fail(m_pendingPortFailure);
        return false;
    }
    if (!m_port->IsOpen()) {
        Fail(tr("le port %1 n'est pas ouvert").arg(m_portName));
        return false;
    }
    return true;
}

qint64 TFormRS232::BytesWaiting() {
    const qint64 waiting = m_port->BytesWaiting();
    if (waiting < 0)
        Fail(tr("le port %1 ne répond plus").arg(m_portName));
    return std::max<qint64>(waiting, 0);
}

// --- Port -----------------------------------------------------------------------

bool TFormRS232::OpenPort() {
    if (m_port->IsOpen())
        return true;
    m_pendingPortFailure.clear();
    if (m_port->Open(m_portName))
        return true;
    m_failureReason = m_port->OpenErrorText();
    return false;
}

void TFormRS232::ClosePort() {
    TimerTimeOut->stop();
    m_port->Close();
}

bool TFormRS232::PortOpen() const {
    return m_port->IsOpen();
}

// --- Primitives -------------------------------------------------------------------

void TFormRS232::Delay(int milliseconds) {
    WaitOnTimerDelay(Scaled(milliseconds));
}

void TFormRS232::WaitOnTimerDelay(int milliseconds) {
    TimerDelay->setInterval(milliseconds);
    QEventLoop loop;
    connect(TimerDelay, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_clock->Run(loop, *TimerDelay, milliseconds);
}

void TFormRS232::StartPause(int milliseconds) {
    m_pauseEndsAt = m_clock->NowNs() + qint64(Scaled(milliseconds)) * NsPerMs;
}

void TFormRS232::FinishPause() {
    // The timer waits the whole milliseconds left and the fraction is slept:
    // the pause ends on its time, neither early nor a millisecond late, which
    // on a 50 ms pause per measurement is nearly a percent of the download.
    qint64 left = m_pauseEndsAt - m_clock->NowNs();
    while (left >= NsPerMs) {
        WaitOnTimerDelay(int(left / NsPerMs));
        left = m_pauseEndsAt - m_clock->NowNs();
    }
    if (left > 0)
        m_clock->Sleep(left);
}

void TFormRS232::SetReadTimeouts(int value) {
    m_readTimeouts = {value, value, 10 * value};
}

void TFormRS232::SetReadTimeouts(ReadTimeouts timeouts) {
    m_readTimeouts = timeouts;
}

ReadTimeouts TFormRS232::CurrentReadTimeouts() const {
    return m_readTimeouts;
}

void TFormRS232::PurgeInput() {
    if (!PortUsable())
        return;
    m_port->DiscardInput();
    for (qint64 waiting = BytesWaiting(); waiting > 0 && PortUsable(); waiting = BytesWaiting())
        m_port->Read(waiting);
}

void TFormRS232::SendText(const QByteArray& text) {
    if (!PortUsable())
        return;
    if (!m_port->Write(text)) {
        Fail(tr("écriture impossible sur le port %1").arg(m_portName));
        return;
    }
    if (m_port->BytesToWrite() == 0)
        return;
    // The write is complete when the port has handed every byte to the line;
    // a port that cannot do so within a reply time has failed.
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    QEventLoop loop;
    connect(m_port, &SerialPort::BytesWritten, &loop, [this, &loop] {
        if (m_port->BytesToWrite() == 0)
            loop.quit();
    });
    connect(m_port, &SerialPort::PortFailed, &loop, &QEventLoop::quit);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_clock->Run(loop, limit, Scaled(ReplyTimeout));
    if (!PortUsable())
        return;
    if (m_port->BytesToWrite() > 0)
        Fail(tr("le port %1 n'envoie plus rien").arg(m_portName));
}

bool TFormRS232::TimedOut() const {
    return m_context.TimedOut;
}

void TFormRS232::ReceiveBytes(QByteArray& destination, int count, bool wait) {
    m_context.TimedOut = false;
    if (!PortUsable())
        return;
    if (!wait) {
        destination = ReadUnderTimeouts(count);
        return;
    }
    // The byte is often there already (a spectrum arrives faster than it is
    // read one byte at a time): then no timer is started at all.
    if (BytesWaiting() < count && PortUsable()) {
        QEventLoop loop;
        connect(m_port, &SerialPort::ReadyRead, &loop, [this, &loop, count] {
            if (m_port->BytesWaiting() >= count)
                loop.quit();
        });
        connect(m_port, &SerialPort::PortFailed, &loop, &QEventLoop::quit);
        connect(TimerTimeOut, &QTimer::timeout, &loop, &QEventLoop::quit);
        m_clock->Run(loop, *TimerTimeOut, TimerTimeOut->interval());
    }
    if (m_context.TimedOut || !PortUsable())
        return;
    destination = m_port->Read(count);
}

QByteArray TFormRS232::ReadUnderTimeouts(int count) {
    QByteArray received;
    const ReadTimeouts limits{Scaled(m_readTimeouts.interval), Scaled(m_readTimeouts.multiplier),
                              Scaled(m_readTimeouts.constant)};
    const bool totalLimited = limits.multiplier > 0 || limits.constant > 0;
    const qint64 totalDeadline = qint64(count) * limits.multiplier + limits.constant;
    const qint64 start = m_clock->NowMs();
    qint64 lastByteAt = -1;

    while (received.size() < count && PortUsable()) {
        const qint64 waiting = BytesWaiting();
        if (waiting > 0) {
            received += m_port->Read(std::min<qint64>(waiting, count - received.size()));
            lastByteAt = m_clock->NowMs() - start;
            continue;
        }
        qint64 deadline = -1;
        if (totalLimited)
            deadline = totalDeadline;
        // The interval counts only from the first byte on, as on Windows.
        if (limits.interval > 0 && lastByteAt >= 0) {
            const qint64 intervalDeadline = lastByteAt + limits.interval;
            deadline = deadline < 0 ? intervalDeadline : std::min(deadline, intervalDeadline);
        }
        const qint64 now = m_clock->NowMs() - start;
        if (deadline >= 0 && now >= deadline)
            break;
        WaitForInput(deadline < 0 ? -1 : int(deadline - now));
    }
    return received;
}

void TFormRS232::WaitForInput(int milliseconds) {
    QEventLoop loop;
    QTimer limit;
    connect(m_port, &SerialPort::ReadyRead, &loop, &QEventLoop::quit);
    connect(m_port, &SerialPort::PortFailed, &loop, &QEventLoop::quit);
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_clock->Run(loop, limit, milliseconds);
}

QByteArray TFormRS232::Receive(int count, bool wait) {
    QByteArray bytes;
    ReceiveBytes(bytes, count, wait);
    return bytes;
}

void TFormRS232::EmitProgress(double percent, ProgressBars bars) {
    // The bars show at most their maximum; halves go to the even neighbour.
    const int rounded = int(std::nearbyint(percent));
    emit ProgressChanged(std::clamp(rounded, 0, 100), bars);
}
