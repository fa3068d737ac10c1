// The ovra-sim executable: scenario file, symbolic link, transcript, and
// a clean end on SIGTERM.

#include "link/rs232.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestSimExecutable : public QObject {
    Q_OBJECT
private slots:
    void servesAScenarioThroughItsLink();
    void refusesABadScenario();
    void leavesAnotherSimulatorsLinkAlone();
};

namespace {

// A simulator on `link`; empty device when it did not start serving.
struct LinkedSimulator {
    QProcess process;
    QString device;
    explicit LinkedSimulator(const QStringList& arguments) {
        process.start(QStringLiteral(OVRA_BINARY_DIR "/ovra-sim"), arguments);
        if (process.waitForReadyRead(5000))
            device = QString::fromLocal8Bit(process.readLine()).trimmed();
    }
    ~LinkedSimulator() {
        if (process.state() != QProcess::NotRunning) {
            process.terminate(); // SIGTERM to its process id
            process.waitForFinished(5000);
        }
    }
};

} // namespace

void TestSimExecutable::servesAScenarioThroughItsLink() {
    QTemporaryDir dir;
    const QString scenario = dir.filePath(QStringLiteral("campaign.txt"));
    QFile file(scenario);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("version V3.00b\n"
               "acquisition 42 15/03/2011 09:30:00 Rolle 3\n"
               "acquisition 43 invalid Test 2\n");
    file.close();
    const QString link = dir.filePath(QStringLiteral("ttyOVRA"));
    const QString transcript = dir.filePath(QStringLiteral("transcript.txt"));

    QProcess simulator;
    simulator.start(QStringLiteral(OVRA_BINARY_DIR "/ovra-sim"),
                    {"--scenario", scenario, "--link", link, "--transcript", transcript});
    QVERIFY(simulator.waitForStarted());
    QVERIFY(simulator.waitForReadyRead(5000));
    const QString device = QString::fromLocal8Bit(simulator.readLine()).trimmed();
    QCOMPARE(QFile::symLinkTarget(link), device);

    Context context;
    TFormRS232 rs232(context);
    rs232.SetPortName(link);
    rs232.SetReadTimeouts(250);
    QVERIFY2(rs232.Connect(), qPrintable(rs232.FailureReason()));
    QVERIFY(rs232.ReadMemoryCounts());
    rs232.Disconnect();
    QCOMPARE(context.StoredAcquisitionCount, 2);
    QCOMPARE(context.StoredMeasurementCount, 5);

    simulator.terminate(); // SIGTERM to its process id
    QVERIFY(simulator.waitForFinished(5000));
    QCOMPARE(simulator.exitStatus(), QProcess::NormalExit);
    QVERIFY2(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink(),
             "the link goes with the simulator");
    QFile log(transcript);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    QVERIFY(text.contains("prog>inst 49 44 |ID|"));
    QVERIFY(text.contains("inst>prog 52 4e 0d 0a 35 0d 0a 32 0d 0a"));
    QVERIFY(text.contains("prog>inst 53 4c |SL|"));
}

void TestSimExecutable::refusesABadScenario() {
    QTemporaryDir dir;
    const QString scenario = dir.filePath(QStringLiteral("bad.txt"));
    QFile file(scenario);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("version V1\nacquisition 1 invalid Radon 3\n");
    file.close();
    QProcess simulator;
    simulator.start(QStringLiteral(OVRA_BINARY_DIR "/ovra-sim"), {"--scenario", scenario});
    QVERIFY(simulator.waitForFinished(5000));
    QCOMPARE(simulator.exitCode(), 2);
    QVERIFY(simulator.readAllStandardError().contains("line 2"));
}

void TestSimExecutable::leavesAnotherSimulatorsLinkAlone() {
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyOVRA"));
    LinkedSimulator first({"--link", link});
    QVERIFY(!first.device.isEmpty());

    // A second one may not take the link over...
    QProcess refused;
    refused.start(QStringLiteral(OVRA_BINARY_DIR "/ovra-sim"), {"--link", link});
    QVERIFY(refused.waitForFinished(5000));
    QCOMPARE(refused.exitCode(), 2);
    QVERIFY(refused.readAllStandardError().contains("exists; give --force"));
    QCOMPARE(QFile::symLinkTarget(link), first.device);

    // ...unless told to; then the first one, leaving, does not remove it.
    LinkedSimulator second({"--link", link, "--force"});
    QVERIFY(!second.device.isEmpty() && second.device != first.device);
    QCOMPARE(QFile::symLinkTarget(link), second.device);
    first.process.terminate();
    QVERIFY(first.process.waitForFinished(5000));
    QCOMPARE(QFile::symLinkTarget(link), second.device);
    second.process.terminate();
    QVERIFY(second.process.waitForFinished(5000));
    QVERIFY(!QFileInfo(link).isSymLink());

    // A file or a folder that is not a link is never taken, even with --force.
    QFile plain(link);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    QCOMPARE(plain.write("data"), qint64(4));
    plain.close();
    const QString folder = dir.filePath(QStringLiteral("folder"));
    QVERIFY(QDir().mkdir(folder));
    for (const QString& path : {link, folder}) {
        for (const QStringList& extra : {QStringList(), QStringList{"--force"}}) {
            QProcess onFile;
            onFile.start(QStringLiteral(OVRA_BINARY_DIR "/ovra-sim"),
                         QStringList{"--link", path} + extra);
            QVERIFY(onFile.waitForFinished(5000));
            QCOMPARE(onFile.exitCode(), 2);
            QVERIFY(onFile.readAllStandardError().contains("not a symbolic link"));
        }
    }
    QCOMPARE(QFileInfo(link).size(), qint64(4));
    QVERIFY(QFileInfo(folder).isDir());
}

QTEST_GUILESS_MAIN(TestSimExecutable)
#include "tst_simexecutable.moc"
