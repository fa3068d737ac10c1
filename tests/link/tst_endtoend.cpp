// The real serial path at real speed: ovra-sim on a pseudo-terminal, the Qt
// Serial Port backend, the whole road of a download in two connections.

#include "link/rs232.h"
#include "link/wire.h"

#include "memory.h"

#include <QProcess>
#include <QtTest>

namespace {

// Starts ovra-sim and returns its device path; empty when it did not start.
QString StartSimulator(QProcess& simulator, const QStringList& arguments) {
    simulator.setProgram(QStringLiteral(OVRA_BINARY_DIR "/ovra-sim"));
    simulator.setArguments(arguments);
    simulator.start();
    if (!simulator.waitForStarted(5000))
        return {};
    while (!simulator.canReadLine()) {
        if (!simulator.waitForReadyRead(5000))
            return {};
    }
    return QString::fromLocal8Bit(simulator.readLine()).trimmed();
}

void StopSimulator(QProcess& simulator) {
    simulator.terminate(); // SIGTERM to its process id
    if (!simulator.waitForFinished(5000))
        simulator.kill();
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void downloadThroughAPseudoTerminal();
    void pulledCableEndsTheAction();
};

void TestEndToEnd::downloadThroughAPseudoTerminal() {
    QProcess simulator;
    const QString device = StartSimulator(
        simulator, {"--acquisitions", "2", "--measurements", "3", "--seed", "4", "--pace"});
    QVERIFY2(!device.isEmpty(), qPrintable(simulator.readAllStandardError()));
    const sim::InstrumentMemory expected = sim::GeneratedMemory(2, 3, 4);

    Context context;
    TFormRS232 link(context);
    link.SetPortName(device);
    link.SetReadTimeouts(250);

    QVERIFY2(link.Connect(), qPrintable(link.FailureReason()));
    QVERIFY(link.ReadMemoryCounts());
    QCOMPARE(context.StoredAcquisitionCount, 2);
    QCOMPARE(context.StoredMeasurementCount, 6);
    QVERIFY(link.ReadParameters());
    QVERIFY(link.ReadAcquisitionDirectory());
    link.Disconnect();
    QVERIFY(!link.PortOpen());
    QCOMPARE(context.Session.SoftwareVersion, QStringLiteral("V2.10a"));
    for (int i = 0; i < ParameterCount; ++i)
        QCOMPARE(context.Session.Parameters[i], FromWireText(expected.parameters[i]));
    QCOMPARE(context.AcquisitionDirectory.size(), std::size_t(2));
    QCOMPARE(context.AcquisitionDirectory[1].Method, QStringLiteral("Thomas"));

    QVERIFY2(link.Connect(), qPrintable(link.FailureReason()));
    QVERIFY(link.ReadAcquisition(1));
    link.Disconnect();
    QCOMPARE(context.Session.MeasurementCount, 3);
    QCOMPARE(context.Session.SpectrumCount(), 3);
    const auto& stored = expected.acquisitions[1].measurements;
    for (int m = 0; m < 3; ++m) {
        for (int c = 0; c < ChannelCount; ++c)
            QCOMPARE(context.Session.SpectrumAt(m)[c],
                     qint32(stored[std::size_t(m)].spectrum[std::size_t(c)]));
    }
    StopSimulator(simulator);
}

void TestEndToEnd::pulledCableEndsTheAction() {
    QProcess simulator;
    // Identification, counts, then the cable goes in the middle of the
    // parameter records.
    const QString device = StartSimulator(simulator, {"--acquisitions", "1", "--measurements", "1",
                                                      "--dead-after", "200", "--hang-up"});
    QVERIFY2(!device.isEmpty(), qPrintable(simulator.readAllStandardError()));

    Context context;
    TFormRS232 link(context);
    link.SetPortName(device);
    link.SetReadTimeouts(250);
    link.SetTimeScale(0.2); // if the failure went unnoticed, the time-out ends it
    QVERIFY2(link.Connect(), qPrintable(link.FailureReason()));
    QVERIFY(link.ReadMemoryCounts());
    QVERIFY(!link.ReadParameters());
    QVERIFY2(link.CommunicationFailed(), "a pulled cable is a port failure, not a time-out");
    QVERIFY2(link.FailureReason().contains(device), qPrintable(link.FailureReason()));
    QVERIFY(!link.PortOpen());
    link.Disconnect();
    QVERIFY(!link.PortOpen());
    StopSimulator(simulator);
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
