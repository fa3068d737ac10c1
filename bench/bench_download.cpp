// Downloads a 40-measurement acquisition from ovra-sim paced at the real line
// rate, through the Qt Serial Port backend, and prints as JSON the time it
// took against the floor (the pauses the protocol imposes plus the time the
// line needs for every byte) and the processor time the program used.
//
//   bench_download [--measurements N]

#include "benchreport.h"

#include "link/qtserialport.h"
#include "link/rs232.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <ctime>

namespace {

constexpr double LineBytesPerSecond = 57600.0 / 10; // 8N1: 10 bits a byte

// The real port, counting every byte that crosses it.
class CountingPort : public SerialPort {
    Q_OBJECT
public:
    CountingPort() {
        connect(&m_port, &SerialPort::ReadyRead, this, &SerialPort::ReadyRead);
        connect(&m_port, &SerialPort::BytesWritten, this, &SerialPort::BytesWritten);
        connect(&m_port, &SerialPort::PortFailed, this, &SerialPort::PortFailed);
    }
    bool Open(const QString& name) override { return m_port.Open(name); }
    void Close() override { m_port.Close(); }
    bool IsOpen() const override { return m_port.IsOpen(); }
    QString OpenErrorText() const override { return m_port.OpenErrorText(); }
    qint64 BytesWaiting() const override { return m_port.BytesWaiting(); }
    void DiscardInput() override { m_port.DiscardInput(); }
    QByteArray Read(qint64 maxCount) override {
        const QByteArray bytes = m_port.Read(maxCount);
        received += bytes.size();
        return bytes;
    }
    bool Write(const QByteArray& bytes) override {
        sent += bytes.size();
        return m_port.Write(bytes);
    }
    qint64 BytesToWrite() const override { return m_port.BytesToWrite(); }

    qint64 sent = 0;
    qint64 received = 0;

private:
    QtSerialPortBackend m_port;
};

double CpuMs() {
    return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
}

int Fail(const QString& message) {
    QTextStream(stderr) << "bench_download: " << message << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = int(args.indexOf(QStringLiteral("--measurements")));
    const int measurements = at > 0 ? args.value(at + 1).toInt() : 40;

    QProcess simulator;
    simulator.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/ovra-sim"));
    simulator.setArguments({QStringLiteral("--acquisitions"), QStringLiteral("1"),
                            QStringLiteral("--measurements"), QString::number(measurements),
                            QStringLiteral("--pace")});
    simulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    simulator.start();
    if (!simulator.waitForStarted(5000) || !simulator.waitForReadyRead(5000))
        return Fail(QStringLiteral("ovra-sim did not start"));
    const QString device = QString::fromLocal8Bit(simulator.readLine()).trimmed();

    Context context;
    auto counting = std::make_unique<CountingPort>();
    CountingPort* port = counting.get();
    TFormRS232 link(context, std::move(counting));
    link.SetPortName(device);
    link.SetReadTimeouts(TFormRS232::WorkingReadTimeoutMs);

    // Connection 1 lists the acquisition; it is not what is measured.
    if (!link.Connect() || !link.ReadMemoryCounts() || !link.ReadParameters() ||
        !link.ReadAcquisitionDirectory())
        return Fail(QStringLiteral("no directory: ") + link.FailureReason());
    link.Disconnect();

    port->sent = 0;
    port->received = 0;
    QElapsedTimer clock;
    const double cpuStart = CpuMs();
    clock.start();
    const bool connected = link.Connect();
    const bool downloaded = connected && link.ReadAcquisition(0);
    link.Disconnect();
    const double elapsedMs = double(clock.nsecsElapsed()) / 1e6;
    const double cpuMs = CpuMs() - cpuStart;
    simulator.terminate(); // SIGTERM to its process id
    simulator.waitForFinished(5000);
    if (!downloaded)
        return Fail(QStringLiteral("download failed: ") + link.FailureReason());

    // The pauses of ReadAcquisition (eight of 100 ms, one of 50 ms per
    // measurement) and of Disconnect (50 ms); every byte both ways at the
    // line rate. The few bytes that cross during a pause are counted twice,
    // which raises the floor by well under a millisecond.
    const double pausesMs = 8 * 100.0 + measurements * 50.0 + 50.0;
    const double lineMs = 1000.0 * double(port->sent + port->received) / LineBytesPerSecond;
    const double floorMs = pausesMs + lineMs;

    ReportFigure("download", "download_time", "ms", elapsedMs,
                 {{"measurements", measurements},
                  {"floor_ms", floorMs},
                  {"pauses_ms", pausesMs},
                  {"line_ms", lineMs},
                  {"bytes", double(port->sent + port->received)},
                  {"over_floor_percent", 100.0 * (elapsedMs - floorMs) / floorMs}});
    ReportFigure("download", "cpu_of_one_core", "%", 100.0 * cpuMs / elapsedMs,
                 {{"measurements", measurements}, {"cpu_ms", cpuMs}, {"elapsed_ms", elapsedMs}});
    return 0;
}

#include "bench_download.moc"
