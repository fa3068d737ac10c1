// Time to refresh one step of the acquisition display: the chart's line, the
// three info fields and the energy window's count, then the same with the
// chart painted. One JSON line per figure; never run as a test.

#include "benchreport.h"

#include "ui/display/acquisitionview.h"
#include "ui/display/spectrumchart.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QSlider>
#include <cmath>

namespace {

constexpr int Measurements = 200;
constexpr int Rounds = 5;

void FillSession(Session& session) {
    session.Method = QStringLiteral("Thomas");
    session.MeasurementCount = Measurements;
    session.StartText = QStringLiteral("12/03/2021 14:05");
    session.Spectra.resize(std::size_t(Measurements) * ChannelCount);
    for (int m = 0; m < Measurements; ++m)
        for (int c = 0; c < ChannelCount; ++c)
            session.Spectra[std::size_t(m) * ChannelCount + c] =
                int(400 * std::exp(-(c - 60) * (c - 60) / 80.0) + (m * 7 + c) % 13);
    session.Parameters[29] = QStringLiteral("1");
    session.Parameters[30] = QStringLiteral("40");
    session.Parameters[31] = QStringLiteral("100");
}

void Report(const char* figure, qint64 nanoseconds, int steps) {
    ReportFigure("display", figure, "us", double(nanoseconds) / 1000.0 / steps, {{"steps", steps}});
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Context context;
    FillSession(context.Session);
    AcquisitionView view(context);
    view.resize(1016, 560);
    view.show();
    view.OpenSessionDisplay();
    view.DisplayAcquisition();
    view.findChild<QCheckBox*>(QStringLiteral("CheckBoxDisplayWindowRn"))->setChecked(true);
    auto* bar = view.findChild<QSlider*>(QStringLiteral("TrackBarTimePosition"));
    auto* chart = view.findChild<SpectrumChart*>(QStringLiteral("ChartSpectrum"));

    // Every step once forward, several rounds: the track bar's own path.
    QElapsedTimer timer;
    int steps = 0;
    timer.start();
    for (int round = 0; round < Rounds; ++round) {
        bar->setValue(0);
        for (int p = 1; p < Measurements; ++p, ++steps)
            bar->setValue(p);
    }
    Report("step_refresh", timer.nsecsElapsed(), steps);

    // The same with the chart drawn each time, cursor lines included.
    steps = 0;
    timer.restart();
    for (int p = 0; p < Measurements; ++p, ++steps) {
        bar->setValue(p);
        chart->grab();
    }
    Report("step_refresh_painted", timer.nsecsElapsed(), steps);
    return 0;
}
