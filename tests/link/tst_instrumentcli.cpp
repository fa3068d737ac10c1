// The instrument subcommands of `ovra` against `ovra-sim` on a
// pseudo-terminal: what they print, the files they write, and their exit
// codes and messages.

#include "data/fichiers.h"
#include "link/wire.h"
#include "settings/profile.h"
#include "settings/settings.h"

#include "ovraprocess.h"
#include "sim/memory.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

using Run = OvraRun;

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// The instrument's value of key (1 to 64), through "params read --json".
QString InstrumentValue(const QString& device, int key) {
    const Run run = Ovra(device, {"params", "read", "--json"});
    const QJsonArray parameters =
        QJsonDocument::fromJson(run.out.toUtf8()).object().value("parameters").toArray();
    return parameters.at(key - 1).toObject().value("value").toString();
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
    void parameterRoundTripChangesNothing();
    void refusedParameterFiles_data();
    void refusedParameterFiles();
    void writeListsTheChangesAndNeedsYes();
    void allowMissingSendsZeros();
    void clockYears_data();
    void clockYears();
    void portFromTheWindowsSettings();

private:
    QTemporaryDir m_dir;
};

void TestInstrumentCli::initTestCase() {
    QVERIFY(m_dir.isValid());
    // No settings store gives "Path" here: the program directory is the
    // user's data folder, this test's own (set before any settings store is read).
    QVERIFY(QDir().mkpath(m_dir.filePath("xdg")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_dir.filePath("xdg")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath("data")));
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
    // Numbers are numbers; the date keeps its text and adds ISO 8601.
    QCOMPARE(second.value("number").toVariant(), QVariant(2.0));
    QCOMPARE(second.value("method").toString(), QStringLiteral("Thomas"));
    QCOMPARE(second.value("count").toVariant(), QVariant(4.0));
    QCOMPARE(second.value("start").toString(), QStringLiteral("16/03/2011 09:47"));
    QCOMPARE(second.value("start_iso").toString(), QStringLiteral("2011-03-16T09:47"));
    QVERIFY(second.value("volume").isDouble() && second.value("eapv").isDouble());
    QVERIFY(second.value("volume").toDouble() > 0);
    QCOMPARE(json.value("device").toString(), simulator.device);
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
    // The file exists: only --force writes into it, keeping its other lines.
    QCOMPARE(Ovra(simulator.device, {"params", "read", "-o", file}).code, 2);
    QCOMPARE(Ovra(simulator.device, {"params", "read", "-o", file, "--force"}).code, 0);
    QCOMPARE(ReadProfileString(file, "Parameters", "1", {}), QStringLiteral("OVRA0042"));
    QCOMPARE(ReadProfileString(file, "Parameters", "64", {}), QStringLiteral("Cave\tMaison"));
    QCOMPARE(ReadProfileString(file, "Notes", "who", {}), QStringLiteral("me"));

    QVERIFY(WriteProfileString(file, "Parameters", "64", QStringLiteral("Grenier\tété")));
    QVERIFY(WriteProfileString(file, "Parameters", "18", QStringLiteral("90")));
    QCOMPARE(Ovra(simulator.device, {"params", "write", file, "--yes"}).code, 0);

    const Run read = Ovra(simulator.device, {"params", "read", "--table"});
    QCOMPARE(read.code, 0);
    QVERIFY(read.out.contains(QStringLiteral("COMMENTS       Grenier\\tété")));
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
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    // Every message says which device it is about.
    QVERIFY2(run.err.startsWith("ovra: " + sim.device + " : ") || run.code == 2,
             qPrintable(run.err));
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
    ovra.setProcessEnvironment(FrenchSettings());
    ovra.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"),
               {"--port", simulator.device, "download", "1", "-o", file});
    QVERIFY(ovra.waitForStarted());
    QTest::qWait(3500);
    QCOMPARE(ovra.state(), QProcess::Running);
    ::kill(pid_t(ovra.processId()), SIGINT);
    QVERIFY(ovra.waitForFinished(10000));
    QCOMPARE(ovra.exitStatus(), QProcess::NormalExit);
    QCOMPARE(ovra.exitCode(), 8);
    // Not a terminal: no progress line, only the result.
    QCOMPARE(QString::fromUtf8(ovra.readAllStandardError()),
             QStringLiteral("ovra: ") + simulator.device + QStringLiteral(" : Lecture annulée\n"));
    QVERIFY(!QFile::exists(file));
#else
    QSKIP("Ctrl-C is sent as a POSIX signal here");
#endif
}

void TestInstrumentCli::parameterRoundTripChangesNothing() {
    const QString transcript = m_dir.filePath(QStringLiteral("roundtrip.txt"));
    SimulatorProcess simulator({"--acquisitions", "0", "--transcript", transcript});
    QProcess read;
    const QString file = m_dir.filePath(QStringLiteral("roundtrip.par"));
    read.setStandardOutputFile(file);
    read.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"),
               {"--port", simulator.device, "params", "read"});
    QVERIFY(read.waitForFinished(30000));
    QCOMPARE(read.exitCode(), 0);
    // Standard output is the parameter file, byte for byte as -o writes it.
    const QString written = m_dir.filePath(QStringLiteral("written.par"));
    QCOMPARE(Ovra(simulator.device, {"params", "read", "-o", written}).code, 0);
    QCOMPARE(FileBytes(file), FileBytes(written));
    QCOMPARE(ReadProfileString(file, "Parameters", "64", {}), QStringLiteral("Cave\tMaison"));

    const Run run = Ovra(simulator.device, {"params", "write", file, "--yes"});
    QCOMPARE(run.code, 0);
    QVERIFY2(run.out.contains(QStringLiteral("Rien à changer")), qPrintable(run.out));
    QVERIFY2(!SentChunks(transcript).contains(QStringLiteral("SH")), "nothing was written");
    QVERIFY(SentChunks(transcript).contains(QStringLiteral("RH")));
}

void TestInstrumentCli::refusedParameterFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");

    QByteArray complete = "[Parameters]\r\n";
    for (int key = 1; key <= ParameterCount; ++key)
        complete += QByteArray::number(key) + "=1\r\n";
    QByteArray binary;
    for (int b = 0; b < 256; ++b)
        binary += char(b);
    QFile sample(QStringLiteral(OVRA_TEST_DATA "/rolle3.ovra"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QStringList none;
    const QStringList allow{"--allow-missing", "--yes"};

    QTest::newRow("empty file") << QByteArray() << none << "aucune clé 1 à 64";
    QTest::newRow("binary file") << binary << allow << "aucune clé 1 à 64";
    QTest::newRow("measurement file") << sample.readAll() << allow << "aucune clé 1 à 64";
    QTest::newRow("the table of --table")
        << QByteArray("Version logicielle: V2.10a\n 1 #DEVICE        OVRA0042\n") << allow
        << "aucune clé 1 à 64";
    QTest::newRow("other section")
        << QByteArray(complete).replace("[Parameters]", "[Params]") << allow << "aucune clé 1 à 64";
    QTest::newRow("key 5 missing")
        << QByteArray(complete).replace("\r\n5=1\r\n", "\r\n") << QStringList{"--yes"}
        << "absentes de la section \"Parameters\" : 5.";
    QTest::newRow("first and last missing")
        << QByteArray(complete).replace("\r\n1=1\r\n", "\r\n").replace("\r\n64=1\r\n", "\r\n")
        << none << ": 1, 64.";
}

void TestInstrumentCli::refusedParameterFiles() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    const QString transcript = m_dir.filePath(QStringLiteral("refused.txt"));
    SimulatorProcess simulator({"--acquisitions", "0", "--transcript", transcript});
    const QString file = m_dir.filePath(QStringLiteral("refused.par"));
    QVERIFY(WriteFileBytes(file, content));
    const Run run = Ovra(simulator.device, QStringList{"params", "write", file} + options);
    QCOMPARE(run.code, 3);
    QVERIFY2(run.err.startsWith("ovra: " + file + " : "), qPrintable(run.err));
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QCOMPARE(SentChunks(transcript), QStringList()); // not even a connection
}

void TestInstrumentCli::writeListsTheChangesAndNeedsYes() {
    const QString transcript = m_dir.filePath(QStringLiteral("changes.txt"));
    SimulatorProcess simulator({"--acquisitions", "0", "--transcript", transcript});
    const QString file = m_dir.filePath(QStringLiteral("changes.par"));
    QCOMPARE(Ovra(simulator.device, {"params", "read", "-o", file}).code, 0);
    QVERIFY(WriteProfileString(file, "Parameters", "18", QStringLiteral("90")));
    // One change is a change: it needs --yes as well.
    QCOMPARE(Ovra(simulator.device, {"params", "write", file}).code, 2);
    QVERIFY(WriteProfileString(file, "Parameters", "64", QStringLiteral("Grenier\tété")));

    const Run listed = Ovra(simulator.device, {"params", "write", file});
    QCOMPARE(listed.code, 2);
    const QStringList lines = listed.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3); // the heading and the two entries, in key order
    QVERIFY2(lines.at(1).contains(QRegularExpression("^ 18 SLEEP_DELAY +120 +90$")),
             qPrintable(lines.at(1)));
    QVERIFY2(lines.at(2).contains(
                 QRegularExpression("^ 64 COMMENTS +Cave\\\\tMaison +Grenier\\\\tété$")),
             qPrintable(lines.at(2)));
    QVERIFY2(listed.err.contains("--yes"), qPrintable(listed.err));
    QVERIFY(SentChunks(transcript).contains(QStringLiteral("RH")));
    QVERIFY2(!SentChunks(transcript).contains(QStringLiteral("SH")), "no write without --yes");
    QCOMPARE(InstrumentValue(simulator.device, 18), QStringLiteral("120"));

    const Run written = Ovra(simulator.device, {"params", "write", file, "--yes"});
    QCOMPARE(written.code, 0);
    QVERIFY(SentChunks(transcript).contains(QStringLiteral("SH")));
    QCOMPARE(InstrumentValue(simulator.device, 18), QStringLiteral("90"));
    QCOMPARE(InstrumentValue(simulator.device, 64), QStringLiteral("Grenier\tété"));
    QCOMPARE(InstrumentValue(simulator.device, 1), QStringLiteral("OVRA0042"));
}

void TestInstrumentCli::allowMissingSendsZeros() {
    SimulatorProcess simulator({"--acquisitions", "0"});
    const QString file = m_dir.filePath(QStringLiteral("partial.par"));
    QCOMPARE(Ovra(simulator.device, {"params", "read", "-o", file}).code, 0);
    QByteArray bytes = FileBytes(file);
    bytes.replace("\r\n17=30\r\n", "\r\n");
    QVERIFY(WriteFileBytes(file, bytes));
    QCOMPARE(Ovra(simulator.device, {"params", "write", file, "--yes"}).code, 3);
    QCOMPARE(InstrumentValue(simulator.device, 17), QStringLiteral("30"));
    const Run run = Ovra(simulator.device, {"params", "write", file, "--yes", "--allow-missing"});
    QCOMPARE(run.code, 0);
    QVERIFY2(run.err.contains("17"), qPrintable(run.err));
    QCOMPARE(InstrumentValue(simulator.device, 17), QStringLiteral("0"));
}

void TestInstrumentCli::clockYears_data() {
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("reason"); // empty: accepted, and read back as it was set
    QTest::newRow("1899") << "01/02/1899 10:20"
                          << "années 2000 à 2099";
    QTest::newRow("2124") << "01/02/2124 10:20"
                          << "années 2000 à 2099";
    QTest::newRow("1999, last minute") << "31/12/1999 23:59"
                                       << "années 2000 à 2099";
    QTest::newRow("2100, first minute") << "01/01/2100 00:00"
                                        << "années 2000 à 2099";
    QTest::newRow("29 February 2023") << "29/02/2023 10:00"
                                      << "cette date n'existe pas";
    QTest::newRow("month 13") << "01/13/2020 10:00"
                              << "cette date n'existe pas";
    QTest::newRow("hour 24") << "01/02/2020 24:00"
                             << "cette heure n'existe pas";
    QTest::newRow("minute 60") << "01/02/2020 10:60"
                               << "cette heure n'existe pas";
    QTest::newRow("two-digit year") << "01/02/20 10:00"
                                    << "n'est pas de la forme \"jj/mm/aaaa hh:mm\"";
    QTest::newRow("first minute of 2000") << "01/01/2000 00:01"
                                          << "";
    QTest::newRow("last minute of 2099") << "31/12/2099 23:59"
                                         << "";
    QTest::newRow("29 February 2024") << "29/02/2024 06:07"
                                      << "";
}

void TestInstrumentCli::clockYears() {
    QFETCH(QString, when);
    QFETCH(QString, reason);
    const QString transcript = m_dir.filePath(QStringLiteral("clock.txt"));
    SimulatorProcess simulator({"--acquisitions", "0", "--transcript", transcript});
    const Run run = Ovra(simulator.device, {"clock", "set", when});
    if (!reason.isEmpty()) {
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(when) && run.err.contains(reason), qPrintable(run.err));
        QCOMPARE(SentChunks(transcript), QStringList());
        return;
    }
    QCOMPARE(run.code, 0);
    QCOMPARE(Ovra(simulator.device, {"clock", "read"}).out, when + '\n');
}

void TestInstrumentCli::portFromTheWindowsSettings() {
    SimulatorProcess simulator({"--acquisitions", "1", "--measurements", "3"});
    // Where the window program keeps its settings when no store gives "Path";
    // the port window's "OK" writes the port there.
    const ProgramDirectoryLookup lookup = FindProgramDirectory();
    QVERIFY(lookup.dataFolder && !lookup.fromStore);
    QCOMPARE(QDir(lookup.directory), QDir(m_dir.filePath("data/Tarvel/OvraView2")));
    QVERIFY(QDir().mkpath(lookup.directory));
    Context window;
    window.ProgramDirectory = lookup.directory;
    QVERIFY(WriteSetting(window, SettingKeys::ComNumberSerial, simulator.device));

    // Started elsewhere, from a folder it may not write, without --port.
    const QString elsewhere = m_dir.filePath(QStringLiteral("read-only"));
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY(QFile::setPermissions(elsewhere, QFile::ReadOwner | QFile::ExeOwner));
    const Run run = Ovra(QString(), {"memory", "--json"}, elsewhere);
    QVERIFY2(run.code == 0, qPrintable(run.err));
    QCOMPARE(QJsonDocument::fromJson(run.out.toUtf8()).object().value("device").toString(),
             simulator.device);
    QVERIFY(QDir(elsewhere).isEmpty());

    // --program-directory takes another settings file.
    const QString other = m_dir.filePath(QStringLiteral("other"));
    QVERIFY(QDir().mkpath(other));
    Context otherContext;
    otherContext.ProgramDirectory = other;
    QVERIFY(WriteSetting(otherContext, SettingKeys::ComNumberSerial, "/dev/nonexistent-ovra"));
    QVERIFY(WriteSetting(otherContext, SettingKeys::Langue, "Francais"));
    const Run moved = Ovra(QString(), {"--program-directory", other, "memory"}, elsewhere);
    QCOMPARE(moved.code, 5);
    QVERIFY2(moved.err.startsWith("ovra: /dev/nonexistent-ovra : Connexion impossible !"),
             qPrintable(moved.err));
    QVERIFY2(moved.err.contains("--port SIMULATEUR") && !moved.err.contains("Aucun port"),
             qPrintable(moved.err));

    // With no port chosen anywhere, the message says which one was tried and why.
    const QString bare = m_dir.filePath(QStringLiteral("bare"));
    QVERIFY(QDir().mkpath(bare));
    Context bareContext;
    bareContext.ProgramDirectory = bare;
    QVERIFY(WriteSetting(bareContext, SettingKeys::Langue, "Francais"));
    const Run guessed = Ovra(QString(), {"--program-directory", bare, "memory"}, elsewhere);
    QCOMPARE(guessed.code, 5);
    for (const char* text : {"ovra: /dev/ttyUSB0 : Connexion impossible !", "--port SIMULATEUR",
                             "Aucun port choisi", "ovra.ini) : /dev/ttyUSB0 est le port"})
        QVERIFY2(guessed.err.contains(QLatin1String(text)), qPrintable(guessed.err));
    QFile::setPermissions(elsewhere, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_GUILESS_MAIN(TestInstrumentCli)
#include "tst_instrumentcli.moc"
