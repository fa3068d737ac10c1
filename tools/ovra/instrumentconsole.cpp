#include "instrumentconsole.h"

#include <QTextStream>

#include <algorithm>
#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// A signal handler can only set a flag of this type; the console's timer
// carries it into the Context.
volatile std::sig_atomic_t s_interrupted = 0;

extern "C" void OnInterrupt(int) {
    s_interrupted = 1;
    // A second Ctrl-C ends the tool at once.
    std::signal(SIGINT, SIG_DFL);
}

constexpr int InterruptCheckMs = 100;

} // namespace

bool StandardErrorIsTerminal() {
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return ::isatty(::fileno(stderr)) != 0;
#endif
}

InstrumentConsole::InstrumentConsole(TFormRS232& link, Context& context)
    : m_context(context)
    , m_terminal(StandardErrorIsTerminal()) {
    s_interrupted = 0;
    std::signal(SIGINT, OnInterrupt);
    m_interruptCheck.setInterval(InterruptCheckMs);
    connect(&m_interruptCheck, &QTimer::timeout, this, &InstrumentConsole::CheckInterrupt);
    m_interruptCheck.start();
    if (!m_terminal)
        return;
    connect(&link, &TFormRS232::ProgressChanged, this,
            [this](int percent, ProgressBars) { Progress(percent); });
    connect(&link, &TFormRS232::RemainingTimeChanged, this, [this](const QString& text) {
        m_remaining = text;
        Show();
    });
}

InstrumentConsole::~InstrumentConsole() {
    std::signal(SIGINT, SIG_DFL);
    Clear();
}

void InstrumentConsole::SetPhase(const QString& name, int count) {
    m_phase = name;
    m_count = count;
    m_done = 0;
    m_percent = 0;
    m_remaining.clear();
    if (m_terminal)
        Show();
}

void InstrumentConsole::Clear() {
    if (m_shownWidth > 0)
        QTextStream(stderr) << '\r' << QString(m_shownWidth, QLatin1Char(' ')) << '\r' << Qt::flush;
    m_shownWidth = 0;
}

bool InstrumentConsole::Interrupted() const {
    return s_interrupted != 0;
}

void InstrumentConsole::CheckInterrupt() {
    // Set again on every tick: an operation that starts clears the request.
    if (s_interrupted)
        m_context.CancelRequested = true;
}

void InstrumentConsole::Progress(int percent) {
    // The download reports each measurement once; its last report, 0, ends
    // the stage.
    if (percent > 0 && m_count > 0)
        m_done = std::min(m_done + 1, m_count);
    m_percent = percent;
    Show();
}

void InstrumentConsole::Show() {
    if (m_phase.isEmpty())
        return;
    QString line = m_phase;
    if (m_count > 0)
        line += QStringLiteral(" %1/%2").arg(m_done).arg(m_count);
    if (m_percent > 0)
        line += QStringLiteral("  %1 %").arg(m_percent, 3);
    if (!m_remaining.isEmpty())
        line += QStringLiteral("  ") + m_remaining;
    // Spaces wipe what a longer line left behind.
    const int width = int(line.size());
    QTextStream(stderr) << '\r' << line
                        << QString(std::max(0, m_shownWidth - width), QLatin1Char(' '))
                        << Qt::flush;
    m_shownWidth = std::max(width, m_shownWidth);
}
