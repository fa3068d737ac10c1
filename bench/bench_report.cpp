// "ovra report" on a 40-measurement and a 65,535-measurement acquisition, run
// as the built program: the time to a written PDF and the processor time it
// took (the figure to read on a busy machine), its pages and size, and the
// process's peak memory. One JSON line per file, with the machine's load.
//   bench_report [--table-limit N]   passed on to ovra report

#include "benchreport.h"

#include "data/fichiers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>
#include <cstdint>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

// Two peaks with their tails, growing then decaying, and counting noise.
Session AcquisitionOf(qint32 measurements) {
    Session session;
    session.SoftwareVersion = QStringLiteral("OV2.07");
    for (int i = 0; i < ParameterCount; ++i)
        session.Parameters[i] = QString::number(i);
    session.Parameters[29] = QStringLiteral("2");
    session.Parameters[30] = QStringLiteral("68");
    session.Parameters[31] = QStringLiteral("80");
    session.Parameters[32] = QStringLiteral("88");
    session.Parameters[33] = QStringLiteral("102");
    session.StartText = QStringLiteral("15/03/2011 14:30");
    session.Method = QStringLiteral("Thomas");
    session.MeasurementCount = measurements;
    session.SpectraAvailable = true;
    session.Spectra.resize(std::size_t(measurements) * ChannelCount);
    std::uint32_t state = 12345;
    for (qint32 m = 0; m < measurements; ++m) {
        const double activity = 1.0 + 0.5 * std::sin(m / 500.0);
        for (int c = 0; c < ChannelCount; ++c) {
            state = state * 1664525u + 1013904223u;
            const double peaks = 300 * std::exp(-(c - 77) * (c - 77) / 8.0) +
                                 250 * std::exp(-(c - 98) * (c - 98) / 8.0);
            session.Spectra[std::size_t(m) * ChannelCount + c] =
                qint32(activity * peaks) + qint32((state >> 8) % 5);
        }
    }
    return session;
}

double LoadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return file.readAll().split(' ').value(0).toDouble();
}

struct ChildrenUsage {
    double cpuMs = -1;         // user and system time of the children waited for so far
    double peakMegabytes = -1; // the largest resident size among them
};

ChildrenUsage ChildrenSoFar() {
    ChildrenUsage children;
#ifdef Q_OS_UNIX
    rusage usage{};
    if (getrusage(RUSAGE_CHILDREN, &usage) == 0) {
        const auto ms = [](const timeval& t) {
            return t.tv_sec * 1000.0 + t.tv_usec / 1000.0;
        };
        children.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
        children.peakMegabytes = double(usage.ru_maxrss) / 1024.0;
    }
#endif
    return children;
}

int PageCount(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(60000))
        return -1;
    for (const QByteArray& line : info.readAllStandardOutput().split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

int Fail(const QString& message) {
    QTextStream(stderr) << "bench_report: " << message << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--table-limit"));
    const QString tableLimit = at > 0 ? args.value(at + 1) : QString();
    QTemporaryDir dir;
    if (!dir.isValid())
        return Fail(QStringLiteral("no temporary folder"));
    const QString ovra = QCoreApplication::applicationDirPath() + QStringLiteral("/ovra");

    // Smallest first: the children's peak memory is the largest one so far.
    for (const qint32 measurements : {40, 65535}) {
        const QString input = dir.filePath(QStringLiteral("acquisition%1.ovra").arg(measurements));
        const QString output = dir.filePath(QStringLiteral("report%1.pdf").arg(measurements));
        if (!WriteMeasurementFile(input, AcquisitionOf(measurements)).Ok())
            return Fail(QStringLiteral("cannot write ") + input);
        QStringList arguments{QStringLiteral("report"), input, QStringLiteral("-o"), output};
        if (!tableLimit.isEmpty())
            arguments << QStringLiteral("--table-limit") << tableLimit;
        QProcess report;
        report.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const ChildrenUsage before = ChildrenSoFar();
        QElapsedTimer clock;
        clock.start();
        report.start(ovra, arguments);
        if (!report.waitForFinished(300000) || report.exitCode() != 0)
            return Fail(QStringLiteral("ovra report failed on ") + input);
        const double elapsedMs = double(clock.nsecsElapsed()) / 1e6;
        const ChildrenUsage after = ChildrenSoFar();
        ReportFigure("report", "ovra_report_time", "ms", elapsedMs,
                     {{"measurements", measurements},
                      {"table_limit", tableLimit.isEmpty() ? QStringLiteral("all") : tableLimit},
                      {"pages", PageCount(output)},
                      {"pdf_bytes", double(QFileInfo(output).size())},
                      {"cpu_ms", after.cpuMs - before.cpuMs},
                      {"peak_memory_mb", after.peakMegabytes},
                      {"load_average_1min", LoadAverage()}});
    }
    return 0;
}
