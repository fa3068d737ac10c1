#pragma once

// The time the link waits in. The instrument's link runs on real time; a
// test line or a fuzz run may give the link a clock of its own, such as one
// that jumps to the next deadline instead of sleeping until it.

#include <QtGlobal>

#include <functional>

class QEventLoop;
class QObject;
class QTimer;

class LinkClock {
public:
    virtual ~LinkClock() = default;

    // Nanoseconds since some fixed moment.
    virtual qint64 NowNs() const = 0;
    qint64 NowMs() const { return NowNs() / 1'000'000; }
    // Runs `loop` until it is quit; when `milliseconds` is not negative and
    // that much time passes first, `limit` times out (which may quit it).
    virtual void Run(QEventLoop& loop, QTimer& limit, int milliseconds) = 0;
    // Calls `action` once, `milliseconds` from now, unless `context` is gone.
    virtual void After(int milliseconds, QObject* context, std::function<void()> action) = 0;
    // Waits without running the event loop: for the fraction of a millisecond
    // that the timers, which count whole ones, cannot wait.
    virtual void Sleep(qint64 nanoseconds) = 0;

    // The real time, shared by every link that was given no other clock.
    static LinkClock& Real();
};
