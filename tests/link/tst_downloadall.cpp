// "ovra download --all" against ovra-sim: the file names (date, time and
// method, a suffix for a collision, an acquisition without a date), a
// checksum fault on one acquisition told while the others are fetched, a
// second run that fetches only what is missing, and --force.

#include "data/fichiers.h"

#include "simulatorprocess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

struct Run {
    int code = -1;
    QStringList lines; // standard output
    QString err;
};

Run Ovra(const QString& device, const QStringList& arguments) {
    QProcess ovra;
    ovra.setProcessEnvironment(FrenchSettings());
    ovra.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"),
               QStringList{QStringLiteral("--port"), device} + arguments);
    ovra.waitForFinished(90000);
    return {ovra.exitStatus() == QProcess::NormalExit ? ovra.exitCode() : -1,
            QString::fromUtf8(ovra.readAllStandardOutput())
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts),
            QString::fromUtf8(ovra.readAllStandardError())};
}

// Two Thomas acquisitions started the same minute, one without a valid
// start (listed by the instrument as 01/01/2000 00:00), a Rolle of five measurements (the only one
// with a fifth, where the fault is put) and a Test.
const char Scenario[] = "acquisition 11 10/03/2011 08:30:00 Thomas 3\n"
                        "acquisition 12 10/03/2011 08:30:40 Thomas 3\n"
                        "acquisition 77 invalid Rolle 3\n"
                        "acquisition 13 11/03/2011 14:05:00 Rolle 5\n"
                        "acquisition 14 12/03/2011 09:00:00 Test 3\n";

const QStringList Names{"2011-03-10_0830_Thomas.ovra", "2011-03-10_0830_Thomas-2.ovra",
                        "2000-01-01_0000_Rolle.ovra", "2011-03-11_1405_Rolle.ovra",
                        "2011-03-12_0900_Test.ovra"};

} // namespace

class TestDownloadAll : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void skipAndGoOn();
    void usage_data();
    void usage();
    void ctrlCNamesWhatWasNotTried();

private:
    QTemporaryDir m_dir;
    QString m_scenario;
};

void TestDownloadAll::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_scenario = m_dir.filePath(QStringLiteral("season.txt"));
    QFile file(m_scenario);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Scenario);
}

void TestDownloadAll::skipAndGoOn() {
    const QString folder = m_dir.filePath(QStringLiteral("lot/neuf"));
    {
        SimulatorProcess faulty({"--scenario", m_scenario, "--spectrum-checksum-error", "5"});
        QVERIFY(!faulty.device.isEmpty());
        const Run run = Ovra(faulty.device, {"download", "--all", "-o", folder});
        QCOMPARE(run.code, 7); // the checksum error's code
        QCOMPARE(run.lines.size(), 6);
        for (int i = 0; i < 5; ++i) {
            const QString head = QStringLiteral("[%1/5] %2 : ").arg(i + 1).arg(Names[i]);
            QVERIFY2(run.lines[i].startsWith(head), qPrintable(run.lines[i]));
            QCOMPARE(run.lines[i].endsWith(QStringLiteral("ÉCHEC")), i == 3);
            QCOMPARE(QFile::exists(QDir(folder).filePath(Names[i])), i != 3);
        }
        QCOMPARE(run.lines[5], QStringLiteral("4 téléchargée(s), 0 déjà présente(s), 1 en échec"));
        QVERIFY2(run.err.trimmed().endsWith(
                     QStringLiteral("Erreur de communication (Checksum incorrect)")),
                 qPrintable(run.err));
    }
    // Each file is its acquisition: the second Thomas is acquisition 12.
    Session session;
    QVERIFY(ReadMeasurementFile(QDir(folder).filePath(Names[1]), session).Ok());
    QCOMPARE(session.Method, QStringLiteral("Thomas"));
    QCOMPARE(session.MeasurementCount, 3);

    SimulatorProcess healthy({"--scenario", m_scenario});
    QVERIFY(!healthy.device.isEmpty());
    Run again = Ovra(healthy.device, {"download", "--all", "-o", folder});
    QCOMPARE(again.code, 0);
    QCOMPARE(again.lines.size(), 6);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(again.lines[i].section(QStringLiteral(" : "), 1),
                 i == 3 ? QStringLiteral("téléchargée (5 mesures)")
                        : QStringLiteral("déjà téléchargée"));
    QVERIFY(ReadMeasurementFile(QDir(folder).filePath(Names[3]), session).Ok());
    QCOMPARE(session.MeasurementCount, 5);

    again = Ovra(healthy.device, {"download", "--all", "--force", "-o", folder});
    QCOMPARE(again.code, 0);
    QCOMPARE(again.lines.last(),
             QStringLiteral("5 téléchargée(s), 0 déjà présente(s), 0 en échec"));
}

void TestDownloadAll::usage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    const QString usage = QStringLiteral("ovra: download --all demande -o DOSSIER");
    QTest::newRow("no folder") << QStringList{"download", "--all"} << usage;
    QTest::newRow("a row too") << QStringList{"download", "--all", "2", "-o", "x"} << usage;
    QTest::newRow("two folders") << QStringList{"download", "--all", "-o", "x", "-o", "y"} << usage;
    QTest::newRow("unknown option")
        << QStringList{"download", "--all", "--new", "-o", "x"} << usage;
    // No file can be made there, not even by root.
    QTest::newRow("folder not writable")
        << QStringList{"download", "--all", "-o", "/proc/self"}
        << "ovra: le dossier /proc/self n'est pas accessible en écriture";
}

// Wrong usage, and a folder that would refuse every file, are told before
// any connection: the port does not even exist.
void TestDownloadAll::usage() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const Run run = Ovra(QStringLiteral("/dev/no-such-port"), arguments);
    QCOMPARE(run.code, 2);
    QVERIFY2(run.err.startsWith(error), qPrintable(run.err));
}

// After Ctrl-C the summary names every acquisition not tried, whether the
// signal came during one (which then failed) or between two.
void TestDownloadAll::ctrlCNamesWhatWasNotTried() {
#ifdef Q_OS_UNIX
    SimulatorProcess simulator({"--scenario", m_scenario, "--pace"});
    QVERIFY(!simulator.device.isEmpty());
    QProcess ovra;
    ovra.setProcessEnvironment(FrenchSettings());
    ovra.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"),
               {"--port", simulator.device, "download", "--all", "-o",
                m_dir.filePath(QStringLiteral("interrompu"))});
    QByteArray out;
    while (!out.contains('\n') && ovra.waitForReadyRead(30000))
        out += ovra.readAllStandardOutput();
    QVERIFY2(out.startsWith("[1/5] "), out.constData());
    ::kill(pid_t(ovra.processId()), SIGINT);
    QVERIFY(ovra.waitForFinished(30000));
    QCOMPARE(ovra.exitCode(), 8);
    const QStringList lines = QString::fromUtf8(out + ovra.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const int tried = int(lines.filter(QRegularExpression(QStringLiteral("^\\[\\d/5\\] "))).size());
    QVERIFY2(tried >= 1 && tried < 5, qPrintable(lines.join('\n')));
    QCOMPARE(lines.last(), QStringLiteral("non tentée(s) : ") + Names.mid(tried).join(", "));
#else
    QSKIP("Ctrl-C is sent as a POSIX signal here");
#endif
}

QTEST_GUILESS_MAIN(TestDownloadAll)
#include "tst_downloadall.moc"
