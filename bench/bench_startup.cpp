// Time from the program's start to its main window shown, without a file and
// with a measurement file named on the command line (until that acquisition
// is painted), beside the same time for a bare Qt main window with a menu bar
// in the same run, and the ratio of the two. Each figure is the median of
// several fresh processes, so that it includes loading the program and Qt.
// One JSON line per figure; never run as a test.

#include "benchreport.h"

#include "ui/dialogs/qtdialogservice.h"
#include "ui/main/main.h"
#include "ui/main/startup.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 15;
constexpr std::chrono::seconds ChildTimeout{60};

qint64 NowMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Named by the build: __FILE__ may be relative to wherever the compiler ran.
QString SamplePath() {
    return QStringLiteral(OVRA_TEST_DATA "/rolle3.ovra");
}

enum class Start { Empty, File, Bare };

// Ends the wait at the first paint of the main window that shows what the
// run waits for: the window itself, or the acquisition read from the file.
class FirstPaint : public QObject {
public:
    FirstPaint(const Context* context, QEventLoop& loop)
        : m_context(context)
        , m_loop(loop) {}
    qint64 paintedAt = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && paintedAt == 0 &&
            (!m_context || m_context->Session.SessionState == SessionSaved)) {
            paintedAt = NowMicroseconds();
            QTimer::singleShot(0, &m_loop, &QEventLoop::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const Context* m_context; // when the run waits for a file
    QEventLoop& m_loop;
};

int WaitForFirstPaint(QWidget& window, const Context* context, qint64 launchedAt) {
    QEventLoop loop;
    FirstPaint watcher(context, loop);
    window.installEventFilter(&watcher);
    window.show();
    QTimer::singleShot(ChildTimeout, &loop, &QEventLoop::quit);
    loop.exec();
    if (watcher.paintedAt == 0)
        return 1;
    std::printf("%lld\n", static_cast<long long>(watcher.paintedAt - launchedAt));
    return 0;
}

// The yardstick: what any Qt program with a main window and a menu bar costs.
int RunBareChild(int argc, char** argv, qint64 launchedAt) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QMainWindow window;
    for (const char* title : {"Fichier", "Instrument", "Paramètres", "?"})
        window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("Action"));
    window.setCentralWidget(new QWidget(&window));
    window.resize(1024, 600);
    return WaitForFirstPaint(window, nullptr, launchedAt);
}

// One start, as the program entry runs it; prints the microseconds elapsed
// since `launchedAt`.
int RunChild(int argc, char** argv, qint64 launchedAt, bool withFile) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QTemporaryDir programDirectory;
    Context context;
    ParameterNames();
    ReadCommandLine(context, withFile ? QStringList{SamplePath()} : QStringList());
    ApplyProgramDirectory(context, {false, programDirectory.path()});
    QApplication::setApplicationName(QStringLiteral("OvraView2"));
    QtDialogService dialogs;
    ProgramWindows windows(context, dialogs, nullptr, QString(),
                           SecondaryWindowsMade::AfterFirstPaint);
    if (!CheckScreenSize(QGuiApplication::primaryScreen()->geometry().size(), dialogs))
        return 1;

    return WaitForFirstPaint(*windows.FormMain, withFile ? &context : nullptr, launchedAt);
}

const char* StartName(Start start) {
    switch (start) {
    case Start::Empty:
        return "empty";
    case Start::File:
        return "file";
    case Start::Bare:
        return "bare";
    }
    return "";
}

// Runs the child once; the elapsed microseconds, or -1.
qint64 TimeOneStart(const QString& program, Start start) {
    QProcess child;
    QEventLoop loop;
    QObject::connect(&child, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(ChildTimeout, &loop, &QEventLoop::quit);
    child.start(program, {QStringLiteral("--child"), QString::number(NowMicroseconds()),
                          QLatin1String(StartName(start))});
    loop.exec();
    if (child.state() != QProcess::NotRunning) {
        child.kill();
        child.waitForFinished();
        return -1;
    }
    bool ok = false;
    const qint64 elapsed = child.readAllStandardOutput().trimmed().toLongLong(&ok);
    return child.exitCode() == 0 && ok ? elapsed : -1;
}

QString PlatformName() {
    const QString platform = QString::fromLocal8Bit(qgetenv("QT_QPA_PLATFORM")).section(':', 0, 0);
    return platform.isEmpty() ? QStringLiteral("xcb") : platform;
}

// The median, in milliseconds.
double Report(const char* figure, std::vector<qint64> samples) {
    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2] / 1000.0;
    ReportFigure("startup", figure, "ms", median,
                 {{"min", samples.front() / 1000.0},
                  {"max", samples.back() / 1000.0},
                  {"runs", int(samples.size())},
                  {"platform", PlatformName()}});
    return median;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0) {
        const qint64 launchedAt = QByteArray(argv[2]).toLongLong();
        if (qstrcmp(argv[3], "bare") == 0)
            return RunBareChild(argc, argv, launchedAt);
        return RunChild(argc, argv, launchedAt, qstrcmp(argv[3], "file") == 0);
    }

    // The offscreen platform (asked for, or for want of a display) runs with
    // the tests' 1280 x 1024 screen: its own default is below the program's
    // minimum. The children inherit it.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform == "offscreen" || (platform.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY")))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" OVRA_OFFSCREEN_CONFIG);
    QCoreApplication app(argc, argv);
    const QString program = QCoreApplication::applicationFilePath();
    struct Run {
        Start start;
        const char* figure;
    };
    double medians[3] = {};
    const Run runs[] = {{Start::Bare, "bare_window_shown"},
                        {Start::Empty, "start_to_window_shown"},
                        {Start::File, "start_to_file_shown"}};
    // Taken in turns, so that a machine that slows down or speeds up during
    // the run weighs on the three figures alike and their ratios hold.
    std::vector<qint64> samples[3];
    for (int i = 0; i < Runs; ++i) {
        for (const Run& run : runs) {
            const qint64 elapsed = TimeOneStart(program, run.start);
            if (elapsed < 0) {
                std::fprintf(stderr, "bench_startup: a start failed (%s)\n", StartName(run.start));
                return 1;
            }
            samples[int(run.start)].push_back(elapsed);
        }
    }
    for (const Run& run : runs)
        medians[int(run.start)] = Report(run.figure, samples[int(run.start)]);
    const double bare = medians[int(Start::Bare)];
    if (bare > 0) {
        ReportFigure("startup", "window_to_bare_ratio", "ratio", medians[int(Start::Empty)] / bare);
        ReportFigure("startup", "file_to_bare_ratio", "ratio", medians[int(Start::File)] / bare);
    }
    return 0;
}
