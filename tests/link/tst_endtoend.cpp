// The real serial path at real speed: ovra-sim on a pseudo-terminal, the Qt
// Serial Port backend, the whole road of a download in two connections.

#include "link/rs232.h"
#include "link/wire.h"

#include "memory.h"
#include "simulatorprocess.h"

#include <QtTest>

class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void downloadThroughAPseudoTerminal();
    void pulledCableEndsTheAction();
};

void TestEndToEnd::downloadThroughAPseudoTerminal() {
    SimulatorProcess simulator(
        {"--acquisitions", "2", "--measurements", "3", "--seed", "4", "--pace"});
    const QString device = simulator.device;
    QVERIFY2(!device.isEmpty(), simulator.Errors().constData());
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
}

void TestEndToEnd::pulledCableEndsTheAction() {
    // Identification, counts, then the cable goes in the middle of the
    // parameter records.
    SimulatorProcess simulator(
        {"--acquisitions", "1", "--measurements", "1", "--dead-after", "200", "--hang-up"});
    const QString device = simulator.device;
    QVERIFY2(!device.isEmpty(), simulator.Errors().constData());

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
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
