#pragma once

// One direction of the serial line between the program and the instrument:
// bytes pushed in come out no faster than the line carries them (10 bits a
// byte at the baud rate), or on the next turn of the event loop when the line
// is not paced. And the transcript of every byte that crossed, with its time.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <memory>

class QIODevice;

namespace sim {

class LineDirection : public QObject {
    Q_OBJECT
public:
    // baud 0: no pacing.
    explicit LineDirection(int baud = 0, QObject* parent = nullptr);
    void SetBaud(int baud);
    // The timers count whole milliseconds, so the end of a burst would come
    // up to one late: sleep its last fraction instead. Only for a thread that
    // has nothing else to do meanwhile, as the pseudo-terminal simulator's.
    void SetSleepsLastFraction(bool sleeps);

    void Push(const QByteArray& bytes);
    // After the bytes pushed so far have crossed, the line is cut.
    void PushHangUp();
    void Clear();

signals:
    void Delivered(const QByteArray& bytes);
    void HungUp();

private:
    struct Pending {
        qint64 dueNs; // when the last bit of the byte has crossed
        char byte;
        bool hangUp;
    };
    void Deliver();
    void Schedule();
    qint64 ByteNs() const;

    int m_baud = 0;
    bool m_sleepsLastFraction = false;
    QElapsedTimer m_clock;
    qint64 m_lineFreeNs = 0;
    std::deque<Pending> m_queue;
    QTimer m_timer;
};

class Transcript {
public:
    enum Direction { ToInstrument, FromInstrument };
    Transcript();
    // Writes each crossing as one line: seconds since the start, direction,
    // the bytes in hexadecimal and as text.
    void SetOutput(QIODevice* device);
    void Record(Direction direction, const QByteArray& bytes);
    QString Text() const;
    QByteArray Bytes(Direction direction) const;

private:
    QElapsedTimer m_clock;
    QIODevice* m_output = nullptr;
    QString m_text;
    QByteArray m_toInstrument;
    QByteArray m_fromInstrument;
};

} // namespace sim
