// Writes and reads a 10,000-measurement file and prints one JSON line for
// each, with its time and throughput (best of a few runs, so a busy machine
// disturbs the figure less).

#include "benchreport.h"

#include "data/fichiers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int Measurements = 10000;
constexpr int Runs = 5;

Session LargeSession() {
    Session session;
    session.SoftwareVersion = QStringLiteral("OV2.07");
    for (int i = 0; i < ParameterCount; ++i)
        session.Parameters[i] = QString::number(i);
    session.StartText = QStringLiteral("15/03/2011 14:30");
    session.Method = QStringLiteral("Thomas");
    session.MeasurementCount = Measurements;
    session.Volume = 12.34;
    session.Eapv = 0.567;
    session.SpectraAvailable = true;
    session.Spectra.resize(std::size_t(Measurements) * ChannelCount);
    std::uint32_t state = 12345;
    for (qint32& count : session.Spectra) {
        state = state * 1664525u + 1013904223u;
        count = qint32((state >> 8) % 2000); // counts of one to four digits, as spectra have
    }
    return session;
}

double MegabytesPerSecond(qint64 bytes, qint64 nanoseconds) {
    return nanoseconds > 0 ? (double(bytes) / 1e6) / (double(nanoseconds) / 1e9) : 0.0;
}

// One line for the pair, so that the write and the read of the same file
// are always read side by side.
void Report(qint64 writeNanoseconds, qint64 readNanoseconds, qint64 bytes) {
    ReportFigure("files", "write_and_read", "ms", double(writeNanoseconds + readNanoseconds) / 1e6,
                 {{"write_ms", double(writeNanoseconds) / 1e6},
                  {"write_mb_s", MegabytesPerSecond(bytes, writeNanoseconds)},
                  {"read_ms", double(readNanoseconds) / 1e6},
                  {"read_mb_s", MegabytesPerSecond(bytes, readNanoseconds)},
                  {"measurements", Measurements},
                  {"bytes", double(bytes)}});
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString path = dir.filePath(QStringLiteral("bench.ovra"));
    const Session session = LargeSession();

    qint64 bestWrite = std::numeric_limits<qint64>::max();
    qint64 bestRead = std::numeric_limits<qint64>::max();
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!WriteMeasurementFile(path, session).Ok())
            return 1;
        bestWrite = std::min(bestWrite, timer.nsecsElapsed());

        Session read;
        timer.restart();
        if (!ReadMeasurementFile(path, read).Ok() || read.Spectra != session.Spectra)
            return 1;
        bestRead = std::min(bestRead, timer.nsecsElapsed());
    }
    const qint64 bytes = QFileInfo(path).size();
    Report(bestWrite, bestRead, bytes);
    return 0;
}
