#include "line.h"

#include <QIODevice>

#include <algorithm>
#include <chrono>
#include <thread>

namespace sim {

namespace {
constexpr int BitsPerByte = 10; // start bit, 8 data bits, stop bit
constexpr qint64 NsPerMs = 1'000'000;
} // namespace

LineDirection::LineDirection(int baud, QObject* parent)
    : QObject(parent)
    , m_baud(baud) {
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &LineDirection::Deliver);
}

void LineDirection::SetBaud(int baud) {
    m_baud = baud;
}

qint64 LineDirection::ByteNs() const {
    return m_baud > 0 ? qint64(BitsPerByte) * 1000000000LL / m_baud : 0;
}

void LineDirection::SetSleepsLastFraction(bool sleeps) {
    m_sleepsLastFraction = sleeps;
}

void LineDirection::Push(const QByteArray& bytes) {
    const qint64 now = m_clock.nsecsElapsed();
    m_lineFreeNs = std::max(m_lineFreeNs, now);
    for (const char byte : bytes) {
        m_lineFreeNs += ByteNs();
        m_queue.push_back({m_lineFreeNs, byte, false});
    }
    Schedule();
}

void LineDirection::PushHangUp() {
    m_queue.push_back({std::max(m_lineFreeNs, m_clock.nsecsElapsed()), '\0', true});
    Schedule();
}

void LineDirection::Clear() {
    m_queue.clear();
    m_timer.stop();
}

void LineDirection::Schedule() {
    if (m_queue.empty() || m_timer.isActive())
        return;
    const qint64 now = m_clock.nsecsElapsed();
    if (m_sleepsLastFraction && m_queue.back().dueNs - now < NsPerMs) {
        m_timer.start(0); // Deliver sleeps until the burst's end
        return;
    }
    const qint64 waitNs = m_queue.front().dueNs - now;
    // Whole milliseconds, rounded up: a byte never arrives before its time,
    // and the bytes that crossed meanwhile arrive together, as from a real
    // adapter.
    m_timer.start(int(std::max<qint64>(0, (waitNs + NsPerMs - 1) / NsPerMs)));
}

void LineDirection::Deliver() {
    if (m_sleepsLastFraction && !m_queue.empty()) {
        const qint64 restNs = m_queue.back().dueNs - m_clock.nsecsElapsed();
        if (restNs > 0 && restNs < NsPerMs)
            std::this_thread::sleep_for(std::chrono::nanoseconds(restNs));
    }
    const qint64 now = m_clock.nsecsElapsed();
    QByteArray bytes;
    bool hangUp = false;
    while (!m_queue.empty() && m_queue.front().dueNs <= now) {
        if (m_queue.front().hangUp) {
            hangUp = true;
            m_queue.clear();
            break;
        }
        bytes.append(m_queue.front().byte);
        m_queue.pop_front();
    }
    if (!bytes.isEmpty())
        emit Delivered(bytes);
    if (hangUp) {
        emit HungUp();
        return;
    }
    Schedule();
}

Transcript::Transcript() {
    m_clock.start();
}

void Transcript::SetOutput(QIODevice* device) {
    m_output = device;
}

void Transcript::Record(Direction direction, const QByteArray& bytes) {
    if (direction == ToInstrument)
        m_toInstrument += bytes;
    else
        m_fromInstrument += bytes;
    QString text;
    for (const char byte : bytes)
        text += byte >= 0x20 && byte < 0x7F ? QChar::fromLatin1(byte) : QLatin1Char('.');
    const QString line = QStringLiteral("%1 %2 %3 |%4|\n")
                             .arg(double(m_clock.nsecsElapsed()) / 1e9, 12, 'f', 6)
                             .arg(direction == ToInstrument ? QLatin1String("prog>inst")
                                                            : QLatin1String("inst>prog"))
                             .arg(QString::fromLatin1(bytes.toHex(' ')))
                             .arg(text);
    if (m_output) {
        m_output->write(line.toUtf8());
        return;
    }
    m_text += line;
}

QString Transcript::Text() const {
    return m_text;
}

QByteArray Transcript::Bytes(Direction direction) const {
    return direction == ToInstrument ? m_toInstrument : m_fromInstrument;
}

} // namespace sim
