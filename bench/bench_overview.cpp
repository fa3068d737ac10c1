// The overview window's speed: opening it on a 65,535-measurement acquisition
// to a painted window, a resize repaint, a click-to-step round trip (overview
// click, main window painted, marker moved), the same opening on 40
// measurements against one painted step of the main window, and
// "ovra summary --json" against "ovra info --json" on the large file. Each
// line carries the machine's load. With OVRA_SCREENSHOTS=DIR it also leaves
// pictures of the overview there. "Painted" is a full render (grab), the
// most a repaint can cost. Never run as a test.

#include "benchreport.h"

#include "data/fichiers.h"
#include "ui/dialogs/qtdialogservice.h"
#include "ui/display/acquisitionview.h"
#include "ui/display/overview.h"
#include "ui/display/overviewmodel.h"
#include "ui/main/main.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSlider>
#include <QTemporaryDir>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int Rounds = 5;

double LoadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0).toDouble() : -1.0;
}

// A Thomas acquisition whose radon decays over the run, with counting noise:
// the trends have a shape and the map a texture.
Session MakeSession(int measurements) {
    Session session;
    session.SoftwareVersion = QStringLiteral("OV2.07");
    for (int i = 0; i < ParameterCount; ++i)
        session.Parameters[i] = QStringLiteral("0");
    const char* windows[] = {"3", "40", "100", "10", "30", "101", "127"};
    for (int i = 0; i < 7; ++i)
        session.Parameters[29 + i] = QLatin1String(windows[i]);
    session.StartText = QStringLiteral("15/03/2011 14:30");
    session.Method = QStringLiteral("Thomas");
    session.MeasurementCount = measurements;
    session.SpectraAvailable = true;
    session.Spectra.resize(std::size_t(measurements) * ChannelCount);
    std::uint32_t state = 12345;
    for (int m = 0; m < measurements; ++m) {
        const double activity = 50.0 + 400.0 * std::exp(-5.0 * m / measurements);
        for (int c = 0; c < ChannelCount; ++c) {
            state = state * 1664525u + 1013904223u;
            const double peak =
                std::exp(-(c - 70) * (c - 70) / 60.0) + 0.6 * std::exp(-(c - 95) * (c - 95) / 40.0);
            session.Spectra[std::size_t(m) * ChannelCount + c] =
                int(activity * peak + (state >> 8) % 7);
        }
    }
    return session;
}

void Report(const char* figure, double milliseconds, int measurements, QJsonObject details = {}) {
    details.insert(QStringLiteral("measurements"), measurements);
    details.insert(QStringLiteral("load_average"), LoadAverage());
    ReportFigure("overview", figure, "ms", milliseconds, details);
}

double Milliseconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Figures {
    double open = 0;
    double stepPaint = 0;
};

// Opens the session in a fresh main window, then times the overview on it.
Figures MeasureOverview(Context& context, int measurements, const QString& screenshots) {
    QtDialogService dialogs;
    context.Session = MakeSession(measurements);
    TFormMain window(context, dialogs);
    window.resize(1016, 626);
    window.show();
    window.OpenSession();
    window.DisplayAcquisition();
    QCoreApplication::processEvents();
    auto* bar = window.findChild<QSlider*>(QStringLiteral("TrackBarTimePosition"));
    // Placed as the settings place it: the default size, held inside the screen.
    TFormOverview& overview = window.Overview();

    Figures figures;
    // A main window step, painted: what the 40-measurement opening is held to.
    double best = 1e9;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        bar->setValue((round + 1) % std::max(measurements, 1));
        window.grab();
        best = std::min(best, Milliseconds(timer));
    }
    figures.stepPaint = best;

    QElapsedTimer timer;
    timer.start();
    window.findChild<QAction*>(QStringLiteral("MenuOverview"))->trigger();
    overview.grab();
    figures.open = Milliseconds(timer);
    Report("open_painted", figures.open, measurements);

    best = 1e9;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer resize;
        resize.start();
        overview.resize(overview.width() + (round % 2 ? -37 : 37), overview.height());
        overview.grab();
        best = std::min(best, Milliseconds(resize));
    }
    Report("resize_repaint", best, measurements);

    best = 1e9;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer click;
        click.start();
        overview.Model().RequestMeasurement(measurements / 2 + round);
        window.grab();
        overview.grab();
        best = std::min(best, Milliseconds(click));
    }
    Report(
        "click_to_step", best, measurements,
        {{"step_shown", window.View().CurrentStep()}, {"marker", overview.Model().CurrentStep()}});

    if (!screenshots.isEmpty()) {
        overview.Model().Select(measurements / 4, measurements / 2);
        QCoreApplication::processEvents(); // the charts lay out their new axes
        overview.grab().save(
            QStringLiteral("%1/overview-%2.png").arg(screenshots).arg(measurements));
        window.grab().save(QStringLiteral("%1/main-%2.png").arg(screenshots).arg(measurements));
    }
    return figures;
}

// Best wall time of an ovra command, its output thrown away.
double MeasureOvra(const QStringList& arguments) {
    double best = 1e12;
    for (int round = 0; round < 3; ++round) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/ovra"), arguments);
        if (!process.waitForFinished(120000) || process.exitCode() != 0)
            return -1;
        best = std::min(best, Milliseconds(timer));
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // OVRA_SCREENSHOT_MODULE=build/ovraview2.ENG takes the pictures in English.
    QTranslator module;
    if (module.load(qEnvironmentVariable("OVRA_SCREENSHOT_MODULE")))
        QCoreApplication::installTranslator(&module);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    Context context;
    context.ProgramDirectory = dir.path();
    const QString screenshots = qEnvironmentVariable("OVRA_SCREENSHOTS");

    const Figures small = MeasureOverview(context, 40, screenshots);
    Report("open_against_step", small.open, 40,
           {{"step_painted_ms", small.stepPaint},
            {"ratio", small.stepPaint > 0 ? small.open / small.stepPaint : 0.0}});
    MeasureOverview(context, 3, screenshots);
    MeasureOverview(context, 65535, screenshots);

    const QString path = dir.filePath(QStringLiteral("large.ovra"));
    if (!WriteMeasurementFile(path, MakeSession(65535)).Ok())
        return 1;
    const double summary = MeasureOvra({QStringLiteral("summary"), path, QStringLiteral("--json")});
    const double info = MeasureOvra({QStringLiteral("info"), path, QStringLiteral("--json")});
    Report("summary_against_info", summary, 65535,
           {{"info_ms", info}, {"ratio", info > 0 ? summary / info : 0.0}});
    return 0;
}
