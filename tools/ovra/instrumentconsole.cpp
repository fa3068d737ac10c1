#include "instrumentconsole.h"

#include <QTextStream>

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

DownloadConsole::DownloadConsole(TFormRS232& link, Context& context)
    : m_context(context)
    , m_terminal(StandardErrorIsTerminal()) {
    s_interrupted = 0;
    std::signal(SIGINT, OnInterrupt);
    m_interruptCheck.setInterval(InterruptCheckMs);
    connect(&m_interruptCheck, &QTimer::timeout, this, &DownloadConsole::CheckInterrupt);
    m_interruptCheck.start();
    if (!m_terminal)
        return;
    connect(&link, &TFormRS232::ProgressChanged, this, [this](int percent, ProgressBars bars) {
        if (!(bars & MemoryBar))
            return;
        m_percent = percent;
        Show();
    });
    connect(&link, &TFormRS232::RemainingTimeChanged, this, [this](const QString& text) {
        m_remaining = text;
        Show();
    });
}

DownloadConsole::~DownloadConsole() {
    std::signal(SIGINT, SIG_DFL);
    if (m_shown)
        QTextStream(stderr) << '\n';
}

bool DownloadConsole::Interrupted() const {
    return s_interrupted != 0;
}

void DownloadConsole::CheckInterrupt() {
    // Set again on every tick: an operation that starts clears the request.
    if (s_interrupted)
        m_context.CancelRequested = true;
}

void DownloadConsole::Show() {
    if (m_percent == 0 && m_remaining.isEmpty()) {
        // The end of a stage: the line goes, the next stage starts afresh.
        if (m_shown)
            QTextStream(stderr) << '\r' << QString(50, QLatin1Char(' ')) << '\r' << Qt::flush;
        m_shown = false;
        return;
    }
    QString line = QStringLiteral("\r%1 %").arg(m_percent, 3);
    if (!m_remaining.isEmpty())
        line += QStringLiteral("  ") + m_remaining;
    QTextStream(stderr) << line.leftJustified(50) << Qt::flush;
    m_shown = true;
}
