// The instrument subcommands of `ovra` against `ovra-sim` on a
// pseudo-terminal: what they print, the files they write, and their exit
// codes and messages.

#include "data/fichiers.h"
#include "link/wire.h"
#include "settings/profile.h"

#include "memory.h"
#include "simulatorprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run Ovra(const QString& device, const QStringList& arguments) {
    QProcess ovra;
    QStringList all;
    if (!device.isEmpty())
        all << QStringLiteral("--port") << device;
    ovra.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"), all + arguments);
    ovra.waitForFinished(60000);
    return {ovra.exitStatus() == QProcess::NormalExit ? ovra.exitCode() : -1,
            QString::fromUtf8(ovra.readAllStandardOutput()),
            QString::fromUtf8(ovra.readAllStandardError())};
}

} // namespace

class TestInstrumentCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void memoryAsJson();
    void downloadWritesTheMeasurementFile();
    void parametersThroughAParameterFile();
    void clockSetAndRead();
    void failures_data();
    void failures();
    void usage_data();
    void usage();
    void ctrlCCancelsTheDownload();

private:
    QTemporaryDir m_dir;
};

void TestInstrumentCli::initTestCase() {
    QVERIFY(m_dir.isValid());
}

void TestInstrumentCli::memoryAsJson() {
    SimulatorProcess simulator({"--acquisitions", "3", "--measurements", "4", "--seed", "2"});
    QVERIFY(!simulator.device.isEmpty());
    const Run run = Ovra(simulator.device, {"memory", "--json"});
    QCOMPARE(run.code, 0);
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(json.value("measurements").toInt(), 12);
    QCOMPARE(json.value("acquisitions").toInt(), 3);
    QCOMPARE(json.value("version").toString(), QStringLiteral("V2.10a"));
    const QJsonArray parameters = json.value("parameters").toArray();
    QCOMPARE(parameters.size(), 64);
    QCOMPARE(parameters.at(63).toString(), QStringLiteral("Cave\tMaison"));
    const QJsonArray directory = json.value("directory").toArray();
    QCOMPARE(directory.size(), 3);
    const QJsonObject second = directory.at(1).toObject();
    QCOMPARE(second.value("number").toString(), QStringLiteral("2"));
    QCOMPARE(second.value("method").toString(), QStringLiteral("Thomas"));
    QCOMPARE(second.value("count").toString(), QStringLiteral("4"));
    QCOMPARE(second.value("start").toString(), QStringLiteral("16/03/2011 09:47"));
    QVERIFY(second.contains("volume") && second.contains("eapv"));
}

void TestInstrumentCli::downloadWritesTheMeasurementFile() {
    SimulatorProcess simulator({"--acquisitions", "2", "--measurements", "3", "--seed", "7"});
    const QString file = m_dir.filePath(QStringLiteral("download.ovra"));
    const Run run = Ovra(simulator.device, {"download", "2", "-o", file});
    QVERIFY2(run.code == 0, qPrintable(run.err));

    Session session;
    QVERIFY(ReadMeasurementFile(file, session).Ok());
    const sim::InstrumentMemory expected = sim::GeneratedMemory(2, 3, 7);
    QCOMPARE(session.Method, QStringLiteral("Thomas"));
    QCOMPARE(session.MeasurementCount, 3);
    QCOMPARE(session.StartText, QStringLiteral("16/03/2011 09:47"));
    QVERIFY(session.SpectraAvailable);
    QCOMPARE(session.Parameters[0], QStringLiteral("OVRA0042"));
    for (int m = 0; m < 3; ++m) {
        for (int c = 0; c < ChannelCount; ++c)
            QCOMPARE(session.SpectrumAt(m)[c], qint32(expected.acquisitions[1]
                                                          .measurements[std::size_t(m)]
                                                          .spectrum[std::size_t(c)]));
    }
}

void TestInstrumentCli::parametersThroughAParameterFile() {
    SimulatorProcess simulator({"--acquisitions", "0"});
    const QString file = m_dir.filePath(QStringLiteral("campaign.par"));
    QVERIFY(WriteProfileString(file, QStringLiteral("Notes"), QStringLiteral("who"),
                               QStringLiteral("me")));
    QCOMPARE(Ovra(simulator.device, {"params", "read", "-o", file}).code, 0);
    QCOMPARE(ReadProfileString(file, "Parameters", "1", {}), QStringLiteral("OVRA0042"));
    QCOMPARE(ReadProfileString(file, "Parameters", "64", {}), QStringLiteral("Cave\tMaison"));
    QCOMPARE(ReadProfileString(file, "Notes", "who", {}), QStringLiteral("me"));

    QVERIFY(WriteProfileString(file, "Parameters", "64", QStringLiteral("Grenier\tété")));
    QVERIFY(WriteProfileString(file, "Parameters", "18", QStringLiteral("90")));
    QCOMPARE(Ovra(simulator.device, {"params", "write", file}).code, 0);

    const Run read = Ovra(simulator.device, {"params", "read"});
    QCOMPARE(read.code, 0);
    QVERIFY(read.out.contains(QStringLiteral("COMMENTS       Grenier\tété")));
    QVERIFY(read.out.contains(QStringLiteral("SLEEP_DELAY    90")));
}

void TestInstrumentCli::clockSetAndRead() {
    SimulatorProcess simulator({"--acquisitions", "0"});
    QCOMPARE(Ovra(simulator.device, {"clock", "set", "24/12/2012 08:30"}).code, 0);
    const Run run = Ovra(simulator.device, {"clock", "read"});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, QStringLiteral("24/12/2012 08:30\n"));
}

void TestInstrumentCli::failures_data() {
    QTest::addColumn<QStringList>("simulator");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");

    const QStringList small{"--acquisitions", "1", "--measurements", "3"};
    QTest::newRow("another instrument") << small + QStringList{"--identification", "OTHER!"}
                                        << QStringList{"memory"} << 5 << "Connexion impossible !\n";
    QTest::newRow("spectrum checksum") << small + QStringList{"--spectrum-checksum-error", "2"}
                                       << QStringList{"download", "1", "-o"} << 7
                                       << "Erreur de communication (Checksum incorrect)\n";
    QTest::newRow("header checksum")
        << small + QStringList{"--header-checksum-error", "3"} << QStringList{"download", "1", "-o"}
        << 7 << "Erreur de communication (Checksum incorrect)\n";
    QTest::newRow("cable pulled") << small + QStringList{"--dead-after", "300", "--hang-up"}
                                  << QStringList{"memory"} << 6 << "Erreur de communication\n";
    QTest::newRow("value too long")
        << small + QStringList{"--value-length", "40:1"} << QStringList{"params", "read"} << 6
        << "Erreur de communication\nle paramètre 1";
    QTest::newRow("row beyond the list")
        << small << QStringList{"download", "2", "-o"} << 2 << "Pas d'acquisition au rang 2";
}

void TestInstrumentCli::failures() {
    QFETCH(QStringList, simulator);
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    SimulatorProcess sim(simulator);
    const QString file = m_dir.filePath(QStringLiteral("failed.ovra"));
    if (arguments.last() == QLatin1String("-o"))
        arguments << file;
    const Run run = Ovra(sim.device, arguments);
    QTEST(run.code, "code");
    QVERIFY2(run.err.startsWith(message), qPrintable(run.err));
    QVERIFY2(!QFile::exists(file), "a failed download writes no file");
}

void TestInstrumentCli::usage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("row 0") << QStringList{"download", "0", "-o", "x.ovra"};
    QTest::newRow("no output") << QStringList{"download", "1"};
    QTest::newRow("two rows") << QStringList{"download", "1", "2", "-o", "x.ovra"};
    QTest::newRow("params alone") << QStringList{"params"};
    QTest::newRow("params write without file") << QStringList{"params", "write"};
    QTest::newRow("clock alone") << QStringList{"clock"};
    QTest::newRow("impossible date") << QStringList{"clock", "set", "31/02/2012 10:00"};
    QTest::newRow("seconds") << QStringList{"clock", "set", "24/12/2012 08:30:00"};
    QTest::newRow("memory option") << QStringList{"memory", "--csv"};
}

void TestInstrumentCli::usage() {
    QFETCH(QStringList, arguments);
    // No port is opened for a wrong command line: a missing device is fine.
    const Run run = Ovra(QStringLiteral("/dev/nonexistent-ovra"), arguments);
    QCOMPARE(run.code, 2);
    QVERIFY(!run.err.isEmpty());
}

void TestInstrumentCli::ctrlCCancelsTheDownload() {
#ifdef Q_OS_UNIX
    // At the real line rate the 40 measurements take over 4 s, after about
    // 2 s of counts, parameters, directory and selection.
    SimulatorProcess simulator({"--acquisitions", "1", "--measurements", "40", "--pace"});
    const QString file = m_dir.filePath(QStringLiteral("cancelled.ovra"));
    QProcess ovra;
    ovra.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"),
               {"--port", simulator.device, "download", "1", "-o", file});
    QVERIFY(ovra.waitForStarted());
    QTest::qWait(3500);
    QCOMPARE(ovra.state(), QProcess::Running);
    ::kill(pid_t(ovra.processId()), SIGINT);
    QVERIFY(ovra.waitForFinished(10000));
    QCOMPARE(ovra.exitStatus(), QProcess::NormalExit);
    QCOMPARE(ovra.exitCode(), 8);
    QCOMPARE(QString::fromUtf8(ovra.readAllStandardError()), QStringLiteral("Lecture annulée\n"));
    QVERIFY(!QFile::exists(file));
#else
    QSKIP("Ctrl-C is sent as a POSIX signal here");
#endif
}

QTEST_GUILESS_MAIN(TestInstrumentCli)
#include "tst_instrumentcli.moc"
