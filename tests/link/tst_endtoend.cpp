// The real serial path at real speed: ovra-sim on a pseudo-terminal, the Qt
// Serial Port backend, the whole road of a download in two connections, the
// protocol's pauses read on the simulator's timed transcript, and a purge of
// bytes the system still holds.

#include "link/rs232.h"
#include "link/wire.h"

#include "sim/memory.h"
#include "simulatorprocess.h"

#include <QtTest>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct WireByte {
    double seconds = 0;
    bool fromProgram = false;
};

// The transcript's lines, "<seconds> prog>inst|inst>prog <hex bytes> |<text>|",
// as one entry per byte, and the program's bytes as one text.
bool ReadTranscript(const QString& path, std::vector<WireByte>& bytes, QByteArray& sent) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        const qsizetype bar = line.indexOf('|');
        const QList<QByteArray> fields = line.left(bar).simplified().split(' ');
        if (fields.size() < 3)
            continue;
        const double seconds = fields[0].toDouble();
        const bool fromProgram = fields[1] == "prog>inst";
        for (qsizetype i = 2; i < fields.size(); ++i) {
            bytes.push_back({seconds, fromProgram});
            if (fromProgram)
                sent += QByteArray::fromHex(fields[i]);
        }
    }
    return true;
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void downloadThroughAPseudoTerminal();
    void pulledCableEndsTheAction();
    void pausesBeforeCommands();
    void purgeDropsWhatTheSystemStillHolds();
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

// Each pause is checked as the quiet time on the line before the command's
// first byte: nothing from either side may come between the end of the
// previous exchange and the command. Lower bounds only, with a little slack:
// the simulator stamps a byte when it gets its turn, so a byte of the
// program's stamped late shortens the gap that follows it. The pauses'
// exact lengths are checked on the virtual clock.
void TestEndToEnd::pausesBeforeCommands() {
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString transcript = directory.filePath(QStringLiteral("transcript.txt"));
    {
        SimulatorProcess simulator({"--acquisitions", "1", "--measurements", "3", "--seed", "2",
                                    "--pace", "--transcript", transcript});
        QVERIFY2(!simulator.device.isEmpty(), simulator.Errors().constData());
        Context context;
        TFormRS232 link(context);
        link.SetPortName(simulator.device);
        link.SetReadTimeouts(250);
        QVERIFY2(link.Connect(), qPrintable(link.FailureReason()));
        QVERIFY(link.ReadMemoryCounts());
        QVERIFY(link.ReadParameters());
        QVERIFY(link.ReadAcquisitionDirectory());
        link.Disconnect();
        QVERIFY2(link.Connect(), qPrintable(link.FailureReason()));
        QVERIFY(link.ReadAcquisition(0));
        link.Disconnect();
    }
    std::vector<WireByte> bytes;
    QByteArray sent;
    QVERIFY(ReadTranscript(transcript, bytes, sent));

    // Index in `bytes` of the program's n-th byte.
    std::vector<std::size_t> sentAt;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i].fromProgram)
            sentAt.push_back(i);
    QCOMPARE(qsizetype(sentAt.size()), sent.size());

    const qsizetype select = sent.indexOf("SP00001");
    const qsizetype spectra = sent.indexOf("SS1", select);
    QVERIFY2(select > 0 && spectra > 0, sent.constData());
    struct Pause {
        const char* what;
        qsizetype at; // the command's first byte among the program's
        int ms;
    };
    std::vector<Pause> pauses = {
        {"RN after the identification", sent.indexOf("RN"), 500},
        {"RI after the parameter records", sent.indexOf("RI"), 70},
        {"first digits of the number", select + 2, 100},
        {"third and fourth digits", select + 4, 100},
        {"fifth digit", select + 6, 100},
        {"SS after the selection", spectra, 100},
        {"spectra wanted", spectra + 2, 100},
    };
    for (qsizetype rp = sent.indexOf("RP", spectra); rp >= 0; rp = sent.indexOf("RP", rp + 2))
        pauses.push_back({"RP", rp, 50});
    QCOMPARE(sent.count("RP"), 3);

    constexpr double SlackMs = 10;
    for (const Pause& pause : pauses) {
        QVERIFY2(pause.at >= 0 && pause.at < sent.size(), pause.what);
        const std::size_t at = sentAt[std::size_t(pause.at)];
        QVERIFY2(at > 0, pause.what);
        const double gapMs = (bytes[at].seconds - bytes[at - 1].seconds) * 1000;
        QVERIFY2(gapMs >= pause.ms - SlackMs,
                 qPrintable(QStringLiteral("%1: %2 ms of quiet, %3 ms wanted")
                                .arg(QLatin1String(pause.what))
                                .arg(gapMs)
                                .arg(pause.ms)));
    }
}

// Bytes already in the system's queue, which Qt has not taken in yet for
// want of a turn of the event loop, are dropped by a purge all the same.
void TestEndToEnd::purgeDropsWhatTheSystemStillHolds() {
    const int line = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(line >= 0);
    QVERIFY(::grantpt(line) == 0 && ::unlockpt(line) == 0);
    const QString device = QString::fromLocal8Bit(::ptsname(line));

    Context context;
    TFormRS232 link(context);
    link.SetPortName(device);
    link.SetReadTimeouts(250);
    link.SetTimeScale(0.2);
    QVERIFY(link.OpenPort());
    QCOMPARE(::write(line, "stray", 5), ssize_t(5));
    // Into the terminal's queue, not through the event loop.
    QThread::msleep(100);
    link.PurgeInput();
    link.SendText("RV");
    QCOMPARE(::write(line, "RV", 2), ssize_t(2));
    QByteArray reply;
    link.ReceiveBytes(reply, 2, true);
    link.ClosePort();
    ::close(line);
    QVERIFY(!link.TimedOut());
    QCOMPARE(reply, QByteArray("RV"));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
