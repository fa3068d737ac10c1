// `ovra initialise` against `ovra-sim` on a pseudo-terminal: the two
// connections, what reaches the instrument, the texts and the exit codes.

#include "settings/profile.h"

#include "ovraprocess.h"
#include "sim/memory.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Run = OvraRun;

int AcquisitionCount(const QString& device) {
    const Run memory = Ovra(device, {"memory"});
    const QString line = memory.out.section(QLatin1Char('\n'), 1, 1);
    return memory.code == 0 ? line.section(QLatin1Char(':'), 1).trimmed().toInt() : -1;
}

} // namespace

class TestInitialiseCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void refusedBeforeAnythingIsSent_data();
    void refusedBeforeAnythingIsSent();
    void fromAFileWithATypedClock();
    void keepsTheClockAndResendsTheInstrumentsSet();
    void readBackInAnotherForm();
    void failures_data();
    void failures();

private:
    QTemporaryDir m_dir;
    QString m_emptyFile;
    QString m_validFile;
};

void TestInitialiseCli::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_emptyFile = m_dir.filePath(QStringLiteral("other.par"));
    QVERIFY(WriteProfileString(m_emptyFile, "Notes", "1", "not a parameter"));
    m_validFile = m_dir.filePath(QStringLiteral("valid.par"));
    const auto factory = sim::FactoryParameters();
    for (int i = 0; i < ParameterCount; ++i)
        QVERIFY(WriteProfileString(m_validFile, "Parameters", QString::number(i + 1),
                                   QString::fromLatin1(factory[std::size_t(i)])));
}

void TestInitialiseCli::refusedBeforeAnythingIsSent_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("error");
    QTest::newRow("without --yes") << QStringList{"initialise"} << 2 << "Ajoutez --yes";
    QTest::newRow("a file without --yes")
        << QStringList{"initialise", "@valid"} << 2 << "Ajoutez --yes";
    QTest::newRow("a file without any parameter")
        << QStringList{"initialise", "@empty", "--yes"} << 4 << "ne contient aucun paramètre";
    QTest::newRow("typed date that does not exist")
        << QStringList{"initialise", "--yes", "--clock", "31/02/2020 10:00"} << 2
        << "31/02/2020 10:00 : cette date n'existe pas";
    QTest::newRow("typed time without its zero")
        << QStringList{"initialise", "--yes", "--clock", "24/12/2012 8:30"} << 2
        << "n'est pas de la forme \"jj/mm/aaaa hh:mm\"";
    QTest::newRow("a year the instrument cannot hold")
        << QStringList{"initialise", "--yes", "--clock", "24/12/2112 08:30"} << 2
        << "années 2000 à 2099";
    QTest::newRow("missing file") << QStringList{"initialise", "/nonexistent/x.par", "--yes"} << 4
                                  << "Impossible de lire le fichier /nonexistent/x.par";
    QTest::newRow("unknown option") << QStringList{"initialise", "--yes", "--force"} << 2
                                    << "ovra: option inconnue --force\nutilisation : ovra";
    QTest::newRow("two files") << QStringList{"initialise", "a.par", "b.par", "--yes"} << 2
                               << "argument inattendu b.par";
}

void TestInitialiseCli::refusedBeforeAnythingIsSent() {
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, error);
    arguments.replaceInStrings(QStringLiteral("@valid"), m_validFile);
    arguments.replaceInStrings(QStringLiteral("@empty"), m_emptyFile);
    const QString transcript = m_dir.filePath(QStringLiteral("refused.log"));
    SimulatorProcess simulator({"--acquisitions", "1", "--transcript", transcript});
    QVERIFY(!simulator.device.isEmpty());
    const Run run = Ovra(simulator.device, arguments);
    QCOMPARE(run.code, code);
    QVERIFY2(run.err.contains(error), qPrintable(run.err));
    QCOMPARE(run.out, QString());
    QCOMPARE(SentChunks(transcript), QStringList());
}

void TestInitialiseCli::fromAFileWithATypedClock() {
    const QString file = m_dir.filePath(QStringLiteral("campaign.par"));
    const auto factory = sim::FactoryParameters();
    for (int i = 0; i < ParameterCount; ++i) {
        if (i != 53)
            QVERIFY(WriteProfileString(file, "Parameters", QString::number(i + 1),
                                       QString::fromLatin1(factory[std::size_t(i)])));
    }
    QVERIFY(WriteProfileString(file, "Parameters", "18", "90"));
    QVERIFY(WriteProfileString(file, "Parameters", "64", QString(31, QLatin1Char('c'))));
    SimulatorProcess simulator({"--acquisitions", "2"});
    const QDate today = QDate::currentDate();

    const Run run = Ovra(simulator.device, {"initialise", file, "--yes", "--allow-missing",
                                            "--clock", "24/12/2012 08:30"});
    QVERIFY2(run.code == 0, qPrintable(run.err));
    QCOMPARE(run.out, QStringLiteral("Initialisation réussie\n"));
    QVERIFY2(run.err.contains(QStringLiteral("envoyées comme \"0\" : 54")), qPrintable(run.err));

    QVERIFY(Ovra(simulator.device, {"clock", "read"}).out.startsWith("24/12/2012 08:3"));
    const QString params = Ovra(simulator.device, {"params", "read", "--table"}).out;
    QVERIFY(params.contains(QStringLiteral("SLEEP_DELAY    90\n")));
    QVERIFY(params.contains(QStringLiteral("COMMENTS       ") + QString(31, QLatin1Char('c'))));
    QVERIFY(params.contains(QStringLiteral("54 RESERVE        0\n")));
    const QString stamp = params.section(QStringLiteral("LAUNCH_DATE    "), 1).left(8);
    QVERIFY2(stamp == today.toString("dd/MM/yy") ||
                 stamp == QDate::currentDate().toString("dd/MM/yy"),
             qPrintable(stamp));
    QCOMPARE(AcquisitionCount(simulator.device), 0);
}

void TestInitialiseCli::keepsTheClockAndResendsTheInstrumentsSet() {
    const QString transcript = m_dir.filePath(QStringLiteral("keep.log"));
    SimulatorProcess simulator({"--acquisitions", "1", "--transcript", transcript});
    const Run run = Ovra(simulator.device, {"initialise", "--yes", "--clock", "keep"});
    QVERIFY2(run.code == 0, qPrintable(run.err));
    const QStringList sent = SentChunks(transcript);
    QVERIFY(!sent.contains(QStringLiteral("ST")) && !sent.contains(QStringLiteral("SD")));
    // Connection 1 reads, connection 2 sends back what was read.
    QCOMPARE(sent.count(QStringLiteral("ID")), 2);
    QCOMPARE(sent.count(QStringLiteral("SL")), 2);
    QVERIFY(sent.contains(QStringLiteral("#DEVICE;OVRA0042;")));
    QVERIFY(sent.contains(QStringLiteral("COEF_TEMP_A3;0.000001;")));
    QCOMPARE(sent.count(QStringLiteral("SM")), 1);
    QCOMPARE(sent.last(), QStringLiteral("SL"));
}

void TestInitialiseCli::readBackInAnotherForm() {
    const QString transcript = m_dir.filePath(QStringLiteral("reformat.log"));
    SimulatorProcess simulator(
        {"--acquisitions", "2", "--reformat-values", "--transcript", transcript});
    const Run run = Ovra(simulator.device, {"initialise", "--yes"});
    QCOMPARE(run.code, 9);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.startsWith(
                 QStringLiteral("ovra: L'initialisation a échoué.\nVeuillez recommencer.\n")),
             qPrintable(run.err));
    QVERIFY(run.err.contains(QStringLiteral("\n12 VOL_MIN : envoyé \"10.00\", relu \"10\"\n")));
    QVERIFY(!SentChunks(transcript).contains(QStringLiteral("SM")));
    QCOMPARE(SentChunks(transcript).last(), QStringLiteral("SL"));
    QCOMPARE(AcquisitionCount(simulator.device), 2);
}

void TestInitialiseCli::failures_data() {
    QTest::addColumn<QStringList>("simulator");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("error");
    QTest::newRow("silent instrument") << QStringList{"--silent"} << 5 << "Connexion impossible !";
    QTest::newRow("another instrument")
        << QStringList{"--identification", "OTHER1"} << 5 << "Connexion impossible !";
    // 10 bytes of identification, then the line dies inside the clock setting.
    QTest::newRow("line dies while the clock is set")
        << QStringList{"--dead-after", "14"} << 6 << "Erreur de communication\n";
    // The clock window's words for a read that failed, then why.
    QTest::newRow("value too long to read back")
        << QStringList{"--value-length", "40:3"} << 6
        << "Erreur de communication (TimeOut)\nle paramètre 3 dépasse 31 caractères\n";
}

void TestInitialiseCli::failures() {
    QFETCH(QStringList, simulator);
    QFETCH(int, code);
    QFETCH(QString, error);
    SimulatorProcess process(simulator + QStringList{"--acquisitions", "1"});
    const Run run = Ovra(process.device, {"initialise", "--yes"});
    QCOMPARE(run.code, code);
    // The message names the device it is about.
    QVERIFY2(run.err.startsWith("ovra: " + process.device + " : " + error), qPrintable(run.err));
    QCOMPARE(run.out, QString());
}

QTEST_GUILESS_MAIN(TestInitialiseCli)
#include "tst_initialisecli.moc"
