#pragma once

// A clock for the link that never sleeps: when the event loop has nothing
// left to do, time jumps to the earliest deadline and its action runs. A
// fuzz input that waits out a dozen time-outs then costs no more than one
// that is answered at once, and the order of replies and time-outs stays
// that of real time.

#include "link/linkclock.h"

#include <QPointer>

#include <map>

namespace fuzz {

class VirtualClock : public LinkClock {
public:
    VirtualClock();
    ~VirtualClock() override;

    qint64 NowNs() const override { return m_now += m_readingCost; }
    void Run(QEventLoop& loop, QTimer& limit, int milliseconds) override;
    void After(int milliseconds, QObject* context, std::function<void()> action) override;
    void Sleep(qint64 nanoseconds) override { m_now += nanoseconds; }

    // Each reading of the clock then costs this much time, as the program's
    // own work does on a real machine: waits start between milliseconds.
    void SetReadingCost(qint64 nanoseconds) { m_readingCost = nanoseconds; }

    // Forgets every pending action: an input's late replies never reach the next input.
    void Clear() { m_pending.clear(); }

private:
    struct Pending {
        QPointer<QObject> context;
        std::function<void()> action;
    };
    void RunEarliest();

    mutable qint64 m_now = 0; // ns
    qint64 m_readingCost = 0;
    using Key = std::pair<qint64, quint64>; // the deadline (ns), then the order of asking
    Key Add(int milliseconds, Pending pending);

    quint64 m_asked = 0;
    std::map<Key, Pending> m_pending;
    QMetaObject::Connection m_idle;
};

} // namespace fuzz
