// Time from the program's start to its main window shown, without a file and
// with a measurement file named on the command line (until that acquisition
// is painted). Each figure is the median of several fresh processes, so that
// it includes loading the program and Qt. One JSON line per figure; never run
// as a test.

#include "benchreport.h"

#include "ui/main/main.h"
#include "ui/dialogs/qtdialogservice.h"
#include "ui/main/startup.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 7;
constexpr std::chrono::seconds ChildTimeout{60};

qint64 NowMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

QString SamplePath() {
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../tests/data/rolle3.ovra");
}

// Ends the wait at the first paint of the main window that shows what the
// run waits for: the window itself, or the acquisition read from the file.
class FirstPaint : public QObject {
public:
    FirstPaint(const Context& context, bool withFile, QEventLoop& loop)
        : m_context(context)
        , m_withFile(withFile)
        , m_loop(loop) {}
    qint64 paintedAt = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && paintedAt == 0 &&
            (!m_withFile || m_context.Session.SessionState == SessionSaved)) {
            paintedAt = NowMicroseconds();
            QTimer::singleShot(0, &m_loop, &QEventLoop::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const Context& m_context;
    bool m_withFile;
    QEventLoop& m_loop;
};

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
    ProgramWindows windows(context, dialogs);
    if (!CheckScreenSize(QGuiApplication::primaryScreen()->geometry().size(), dialogs))
        return 1;

    QEventLoop loop;
    FirstPaint watcher(context, withFile, loop);
    windows.FormMain->installEventFilter(&watcher);
    windows.FormMain->show();
    QTimer::singleShot(ChildTimeout, &loop, &QEventLoop::quit);
    loop.exec();
    if (watcher.paintedAt == 0)
        return 1;
    std::printf("%lld\n", static_cast<long long>(watcher.paintedAt - launchedAt));
    return 0;
}

// Runs the child once; the elapsed microseconds, or -1.
qint64 TimeOneStart(const QString& program, bool withFile) {
    QProcess child;
    QEventLoop loop;
    QObject::connect(&child, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(ChildTimeout, &loop, &QEventLoop::quit);
    child.start(program, {QStringLiteral("--child"), QString::number(NowMicroseconds()),
                          withFile ? QStringLiteral("file") : QStringLiteral("empty")});
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

void Report(const char* figure, std::vector<qint64> samples) {
    std::sort(samples.begin(), samples.end());
    ReportFigure("startup", figure, "ms", samples[samples.size() / 2] / 1000.0,
                 {{"min", samples.front() / 1000.0},
                  {"max", samples.back() / 1000.0},
                  {"runs", int(samples.size())}});
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0)
        return RunChild(argc, argv, QByteArray(argv[2]).toLongLong(),
                        qstrcmp(argv[3], "file") == 0);

    // Without a display, the offscreen platform with a screen large enough
    // for the program; the children inherit it.
    QTemporaryDir configDirectory;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        const QString config = configDirectory.filePath(QStringLiteral("offscreen.json"));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({"screens":[{"name":"bench","x":0,"y":0,"width":1280,"height":1024,)"
                       R"("logicalDpi":96,"dpr":1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    }
    QCoreApplication app(argc, argv);
    const QString program = QCoreApplication::applicationFilePath();
    for (const bool withFile : {false, true}) {
        std::vector<qint64> samples;
        for (int run = 0; run < Runs; ++run) {
            const qint64 elapsed = TimeOneStart(program, withFile);
            if (elapsed < 0) {
                std::fprintf(stderr, "bench_startup: a start failed\n");
                return 1;
            }
            samples.push_back(elapsed);
        }
        Report(withFile ? "start_to_file_shown" : "start_to_window_shown", samples);
    }
    return 0;
}
