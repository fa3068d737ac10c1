#include "virtualclock.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace fuzz {

VirtualClock::VirtualClock() {
    // aboutToBlock: every posted event and ready byte is handled; real time
    // would now pass until the next deadline.
    QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher();
    m_idle = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                              [this] { RunEarliest(); });
}

VirtualClock::~VirtualClock() {
    QObject::disconnect(m_idle);
}

void VirtualClock::RunEarliest() {
    if (m_pending.empty())
        return;
    const auto earliest = m_pending.begin();
    m_now = std::max(m_now, earliest->first.first);
    const Pending pending = std::move(earliest->second);
    m_pending.erase(earliest);
    if (pending.context)
        pending.action();
    // Whatever the action posted or quit is handled before the loop blocks.
    QCoreApplication::eventDispatcher()->wakeUp();
}

VirtualClock::Key VirtualClock::Add(int milliseconds, Pending pending) {
    const Key key{m_now + std::max(milliseconds, 0) * qint64(1'000'000), m_asked++};
    m_pending.emplace(key, std::move(pending));
    return key;
}

void VirtualClock::Run(QEventLoop& loop, QTimer& limit, int milliseconds) {
    if (milliseconds < 0) {
        loop.exec();
        return;
    }
    // QTimer's timeout is a signal only a QTimer may emit, except through its
    // meta-object, which is how the link's connections see it.
    const Key deadline = Add(milliseconds, {&limit, [&limit] {
                                                QMetaObject::invokeMethod(&limit, "timeout");
                                            }});
    loop.exec();
    m_pending.erase(deadline); // the limit lives no longer than this wait
}

void VirtualClock::After(int milliseconds, QObject* context, std::function<void()> action) {
    Add(milliseconds, {context, std::move(action)});
}

} // namespace fuzz
