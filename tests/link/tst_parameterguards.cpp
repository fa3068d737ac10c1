// What keeps `ovra params write` and `ovra initialise` from locking the user
// out of the instrument, against `ovra-sim`: values it could not give back
// are refused before a byte is sent, a value it already holds too long is
// replaced, and Ctrl-C stops a write between two records.

#include "data/windows1252.h"
#include "settings/profile.h"

#include "ovraprocess.h"
#include "refusedvalues.h"
#include "sim/memory.h"

#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

// The simulator's factory set with key `key` holding `value` (left out when
// the value is null), as a file.
bool WriteFactoryFile(const QString& path, int key = 0, const QString& value = QString()) {
    const auto factory = sim::FactoryParameters();
    QByteArray bytes = "[Parameters]\r\n";
    for (int k = 1; k <= ParameterCount; ++k) {
        if (k == key && value.isNull())
            continue;
        const QByteArray stored = k == key ? EncodeWindows1252(value) : factory[std::size_t(k - 1)];
        bytes += QByteArray::number(k) + '=' + stored + "\r\n";
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QStringList Writes{"SH", "ST", "SD", "SM"};

} // namespace

class TestParameterGuards : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void unsendableValues_data();
    void unsendableValues();
    void overlongValueReplaced();
    void ctrlCStopsBetweenRecords_data();
    void ctrlCStopsBetweenRecords();

private:
    QTemporaryDir m_dir;
};

void TestParameterGuards::unsendableValues_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reason");
    for (const char* command : {"params", "initialise"}) {
        for (const RefusedValueCase& row : RefusedValueCases())
            QTest::addRow("%s, %s", command, row.name)
                << command << row.key << row.value << row.reason;
        QTest::addRow("%s, key 54 missing", command)
            << command << 54 << QString() << "clés absentes de la section \"Parameters\" : 54.";
    }
}

void TestParameterGuards::unsendableValues() {
    QFETCH(QString, command);
    QFETCH(int, key);
    QFETCH(QString, value);
    QFETCH(QString, reason);
    const QString file = m_dir.filePath(QStringLiteral("unsendable.par"));
    QVERIFY(WriteFactoryFile(file, key, value));
    if (!value.isNull() &&
        ReadProfileString(file, "Parameters", QString::number(key), {}) != value) {
        QSKIP("a parameter file cannot hold this value");
    }
    const QString transcript = m_dir.filePath(QStringLiteral("unsendable.log"));
    SimulatorProcess simulator({"--acquisitions", "1", "--transcript", transcript});
    const QStringList arguments = command == QLatin1String("params")
                                      ? QStringList{"params", "write", file, "--yes"}
                                      : QStringList{"initialise", file, "--yes"};
    const OvraRun run = Ovra(simulator.device, arguments);
    QCOMPARE(run.code, 3);
    QVERIFY2(run.err.startsWith("ovra: " + file + " : "), qPrintable(run.err));
    QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    for (const QString& write : Writes)
        QVERIFY2(!SentChunks(transcript).contains(write), qPrintable(write));
}

// An instrument already holding a value too long to read back: every read
// fails, yet "params write" names the entry and, with --yes, replaces it.
void TestParameterGuards::overlongValueReplaced() {
    SimulatorProcess simulator({"--acquisitions", "1", "--value-length", "40:5"});
    QCOMPARE(Ovra(simulator.device, {"params", "read"}).code, 6);
    const QString file = m_dir.filePath(QStringLiteral("repair.par"));
    QVERIFY(WriteFactoryFile(file));

    const OvraRun listed = Ovra(simulator.device, {"params", "write", file});
    QCOMPARE(listed.code, 2);
    QVERIFY2(listed.err.contains("le paramètre 5 dépasse 31 caractères\nentrées illisibles : 5"),
             qPrintable(listed.err));
    QVERIFY2(listed.out.contains(QRegularExpression("\n +5 LAUNCH_DATE ")), qPrintable(listed.out));

    const OvraRun written = Ovra(simulator.device, {"params", "write", file, "--yes"});
    QVERIFY2(written.code == 0, qPrintable(written.err));
    const OvraRun read = Ovra(simulator.device, {"params", "read", "--table"});
    QCOMPARE(read.code, 0);
    QVERIFY2(read.out.contains(QStringLiteral("LAUNCH_DATE    ") +
                               QString::fromLatin1(sim::FactoryParameters()[4]) + '\n'),
             qPrintable(read.out));
}

void TestParameterGuards::ctrlCStopsBetweenRecords_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("params write") << QStringList{"params", "write", "@file", "--yes"};
    QTest::newRow("initialise") << QStringList{"initialise", "@file", "--yes", "--clock", "keep"};
}

void TestParameterGuards::ctrlCStopsBetweenRecords() {
#ifdef Q_OS_UNIX
    QFETCH(QStringList, arguments);
    const QString file = m_dir.filePath(QStringLiteral("interrupted.par"));
    QVERIFY(WriteFactoryFile(file, 18, QStringLiteral("90")));
    arguments.replaceInStrings(QStringLiteral("@file"), file);
    const QString transcript = m_dir.filePath(QStringLiteral("interrupted.log"));
    // At the real line rate the 64 records take some seconds.
    SimulatorProcess simulator({"--acquisitions", "2", "--pace", "--transcript", transcript});
    QProcess ovra;
    ovra.setProcessEnvironment(FrenchSettings());
    ovra.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"),
               QStringList{"--port", simulator.device} + arguments);
    QVERIFY(ovra.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(SentChunks(transcript).count(QStringLiteral("SH")) >= 3, 30000);
    ::kill(pid_t(ovra.processId()), SIGINT);
    QVERIFY(ovra.waitForFinished(30000));
    QCOMPARE(ovra.exitStatus(), QProcess::NormalExit);
    QCOMPARE(ovra.exitCode(), 8);
    const QString err = QString::fromUtf8(ovra.readAllStandardError());
    QVERIFY2(err.contains("l'instrument garde maintenant un jeu incomplet, que la même commande "
                          "relancée rétablit"),
             qPrintable(err));

    // The last record went whole, then the goodbye; never the erase.
    const QStringList sent = SentChunks(transcript);
    QCOMPARE(sent.last(), QStringLiteral("SL"));
    QVERIFY2(sent.at(sent.size() - 2).endsWith(QLatin1Char(';')), qPrintable(sent.join(' ')));
    QVERIFY(sent.count(QStringLiteral("SH")) < ParameterCount);
    QVERIFY(!sent.contains(QStringLiteral("SM")));
    const QString memory = Ovra(simulator.device, {"memory"}).out;
    QVERIFY2(memory.contains(QRegularExpression("Nombre d'acquisitions : +2\n")),
             qPrintable(memory));
#else
    QSKIP("Ctrl-C is sent as a POSIX signal here");
#endif
}

QTEST_GUILESS_MAIN(TestParameterGuards)
#include "tst_parameterguards.moc"
