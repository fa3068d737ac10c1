#pragma once

// The whole window program on the in-process simulated instrument: every
// window created in the start-up order, the link given the simulator instead
// of a serial port, every duration scaled down so that time-outs take
// milliseconds, and the dialogs answered from a script.

#include "findchild.h"
#include "scripteddialogs.h"
#include "sim/simulatedport.h"
#include "sim/spectra.h"
#include "testdirectory.h"

#include "link/rs232.h"
#include "ui/main/main.h"
#include "ui/instrument/memoire.h"
#include "ui/main/startup.h"

#include <QAction>
#include <QTimer>
#include <QtTest>

#include <memory>

// A reply time-out of 150 ms: long enough for a loaded machine, short enough
// for the silent cases.
constexpr double TestTimeScale = 0.05;

// Counts the bytes the program sends while the main window's auto-detection
// timer runs: every exchange must stop it first.
class ObservedPort : public sim::SimulatedPort {
public:
    using sim::SimulatedPort::SimulatedPort;

    bool Write(const QByteArray& bytes) override {
        if (watchedTimer && watchedTimer->isActive())
            ++writesWhileTimerRan;
        return sim::SimulatedPort::Write(bytes);
    }

    QTimer* watchedTimer = nullptr;
    int writesWhileTimerRan = 0;
};

// Three acquisitions: a Rolle of 4 measurements numbered 42, a Thomas of 2
// and a Test of 3.
inline sim::InstrumentMemory ThreeAcquisitions() {
    sim::InstrumentMemory memory;
    memory.parameters = sim::FactoryParameters();
    const std::tuple<quint16, quint8, int> plans[] = {{42, 0, 4}, {7, 1, 2}, {300, 2, 3}};
    quint32 seed = 1;
    for (const auto& [number, method, measurements] : plans) {
        sim::AcquisitionPlan plan;
        plan.number = number;
        plan.start = QDateTime(QDate(2011, 3, 15), QTime(9, 5, 30)).addDays(seed);
        plan.methodCode = method;
        plan.measurements = measurements;
        plan.volume = 10.5f;
        plan.eapv = 630.25f;
        plan.seed = seed++;
        memory.acquisitions.push_back(sim::GenerateAcquisition(plan));
    }
    return memory;
}

class ProgramFixture {
public:
    ProgramFixture(Context& context, ScriptedDialogs& dialogs, sim::InstrumentMemory memory) {
        auto observed = std::make_unique<ObservedPort>(std::move(memory));
        port = observed.get();
        windows = std::make_unique<ProgramWindows>(context, dialogs, std::move(observed));
        windows->FormRS232->SetTimeScale(TestTimeScale);
        port->watchedTimer = Timer();
        windows->FormMain->show();
    }

    TFormMain& Main() { return *windows->FormMain; }
    TFormMemoire& Memoire() { return *windows->FormMemoire; }
    TFormRS232& Link() { return *windows->FormRS232; }
    sim::Instrument& Device() { return port->Device(); }
    QTimer* Timer() { return Main().findChild<QTimer*>(QStringLiteral("LMDHiTimerAutoDetection")); }

    template <typename T> T* InMemoire(const char* name) { return Child<T>(Memoire(), name); }

    // "Lecture" of the Instrument menu.
    void MenuRead() { Child<QAction>(Main(), "MenuRead")->trigger(); }

    std::unique_ptr<ProgramWindows> windows;
    ObservedPort* port = nullptr;
};

// Runs `action` once, the first time `target` receives an event of `type`
// (the memory window shown, for one).
class OnFirstEvent : public QObject {
public:
    OnFirstEvent(QObject* target, QEvent::Type type, std::function<void()> action)
        : m_type(type)
        , m_action(std::move(action)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == m_type && m_action) {
            const auto action = std::move(m_action);
            m_action = nullptr;
            action();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_action;
};
