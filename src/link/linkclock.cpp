#include "link/linkclock.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <thread>

namespace {

class RealClock : public LinkClock {
public:
    RealClock() { m_start.start(); }

    qint64 NowNs() const override { return m_start.nsecsElapsed(); }

    void Run(QEventLoop& loop, QTimer& limit, int milliseconds) override {
        if (milliseconds >= 0)
            limit.start(milliseconds);
        loop.exec();
        limit.stop();
    }

    void After(int milliseconds, QObject* context, std::function<void()> action) override {
        QTimer::singleShot(milliseconds, Qt::PreciseTimer, context, std::move(action));
    }

    void Sleep(qint64 nanoseconds) override {
        std::this_thread::sleep_for(std::chrono::nanoseconds(nanoseconds));
    }

private:
    QElapsedTimer m_start;
};

} // namespace

LinkClock& LinkClock::Real() {
    static RealClock clock;
    return clock;
}
