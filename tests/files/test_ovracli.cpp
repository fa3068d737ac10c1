// "ovra info" and "ovra export", run as the built program: fields, exit codes
// and messages. Registered twice, under a decimal point and a decimal comma.

#include "samplesessions.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Without a settings file in the working directory, ovra speaks English, the
// default language, from the module built beside it.
Run Ovra(const QStringList& arguments, const QString& workingDirectory = QString()) {
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"), arguments);
    Run run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString Sample(const QString& name) {
    return QStringLiteral(OVRA_TEST_DATA "/%1.ovra").arg(name);
}

} // namespace

class TestOvraCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void infoJson_data();
    void infoJson();
    void infoText();
    void exitCodes_data();
    void exitCodes();
    void exportCsv_data();
    void exportCsv();
    void exportToFile();
    void oneLanguage_data();
    void oneLanguage();

private:
    QTemporaryDir m_dir;
    QString WriteFile(const QString& name, const QByteArray& bytes);
};

QString TestOvraCli::WriteFile(const QString& name, const QByteArray& bytes) {
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

void TestOvraCli::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::exists(QStringLiteral(OVRA_BINARY_DIR "/ovra")));
}

void TestOvraCli::infoJson_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : SampleNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestOvraCli::infoJson() {
    QFETCH(QString, name);
    const Run run = Ovra({QStringLiteral("info"), Sample(name), QStringLiteral("--json")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    QVERIFY2(document.isObject(), qPrintable(error.errorString()));
    QCOMPARE(run.out.count('\n'), 1); // exactly one object, on one line

    const Session session = SampleSession(name);
    const QJsonObject object = document.object();
    QCOMPARE(object.size(), 9);
    QCOMPARE(object.value(QStringLiteral("version")).toString(), session.SoftwareVersion);
    const QJsonArray parameters = object.value(QStringLiteral("parameters")).toArray();
    QCOMPARE(parameters.size(), ParameterCount);
    for (int i = 0; i < ParameterCount; ++i)
        QCOMPARE(parameters.at(i).toString(), session.Parameters[i]);
    QCOMPARE(object.value(QStringLiteral("start")).toString(), session.StartText);
    QCOMPARE(object.value(QStringLiteral("method")).toString(), session.Method);
    QVERIFY(object.value(QStringLiteral("count")).isDouble());
    QCOMPARE(object.value(QStringLiteral("count")).toInt(), session.MeasurementCount);
    QCOMPARE(object.value(QStringLiteral("volume")).toDouble(), session.Volume);
    QCOMPARE(object.value(QStringLiteral("eapv")).toDouble(), session.Eapv);
    QCOMPARE(object.value(QStringLiteral("spectra_available")).toBool(), session.SpectraAvailable);

    const QJsonArray spectra = object.value(QStringLiteral("spectra")).toArray();
    QCOMPARE(spectra.size(), session.SpectraAvailable ? session.MeasurementCount : 0);
    for (int m = 0; m < spectra.size(); ++m) {
        const QJsonArray counts = spectra.at(m).toArray();
        QCOMPARE(counts.size(), ChannelCount);
        for (int c = 0; c < ChannelCount; ++c)
            QCOMPARE(counts.at(c).toInt(), session.SpectrumAt(m)[c]);
    }
}

void TestOvraCli::infoText() {
    const Run run = Ovra({QStringLiteral("info"), Sample(QStringLiteral("rolle3"))});
    QCOMPARE(run.exitCode, 0);
    const QString text = QString::fromUtf8(run.out);
    const QString sep = QLocale::system().decimalPoint();
    QVERIFY2(text.contains(QStringLiteral("12") + sep + QStringLiteral("34")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("0") + sep + QStringLiteral("567")));
    QVERIFY(text.contains(QStringLiteral("15/03/2011 14:30")));
    QVERIFY(text.contains(QStringLiteral("Rolle")));
    const Session session = SampleSession(QStringLiteral("rolle3"));
    for (int m = 0; m < session.MeasurementCount; ++m) {
        qint64 total = 0;
        for (int c = 0; c < ChannelCount; ++c)
            total += session.SpectrumAt(m)[c];
        QVERIFY2(text.contains(QString::number(total)), qPrintable(text));
    }
}

void TestOvraCli::exitCodes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("inError"); // texts stderr must hold

    QByteArray sample;
    {
        QFile file(Sample(QStringLiteral("rolle3")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        sample = file.readAll();
    }
    const QString rejected =
        WriteFile(QStringLiteral("rejected.ovra"), sample.left(sample.indexOf("SPECTRES") + 10));
    QByteArray badCount = sample;
    badCount.replace("Nombre\t3\t", "Nombre\ttrois\t");
    // Placeholders in a file name must reach the message as they are.
    const QString conversion = WriteFile(QStringLiteral("conversion %1 %2.ovra"), badCount);
    const QString missing = m_dir.filePath(QStringLiteral("missing.ovra"));
    const QString rolle3 = Sample(QStringLiteral("rolle3"));

    QTest::newRow("no command") << QStringList() << 2 << QStringList{"usage"};
    QTest::newRow("info without file") << QStringList{"info"} << 2 << QStringList{"usage"};
    QTest::newRow("info, unknown option")
        << QStringList{"info", rolle3, "--xml"} << 2 << QStringList{"usage"};
    QTest::newRow("info, two files")
        << QStringList{"info", rolle3, rolle3} << 2 << QStringList{"usage"};
    QTest::newRow("export without --csv")
        << QStringList{"export", rolle3} << 2 << QStringList{"usage"};
    QTest::newRow("export, -o without name")
        << QStringList{"export", rolle3, "--csv", "-o"} << 2 << QStringList{"usage"};
    QTest::newRow("info, rejected")
        << QStringList{"info", rejected, "--json"} << 3 << QStringList{"Incorrect file format"};
    QTest::newRow("export, rejected")
        << QStringList{"export", rejected, "--csv"} << 3 << QStringList{"Incorrect file format"};
    QTest::newRow("info, conversion error")
        << QStringList{"info", conversion} << 4 << QStringList{"conversion %1 %2.ovra", "line 73"};
    QTest::newRow("export, conversion error") << QStringList{"export", conversion, "--csv"} << 4
                                              << QStringList{"conversion %1 %2.ovra", "line 73"};
    QTest::newRow("info, no such file")
        << QStringList{"info", missing} << 4 << QStringList{"missing.ovra"};
    QTest::newRow("export, output not writable")
        << QStringList{"export", rolle3, "--csv", "-o", m_dir.filePath("no/dir/out.csv")} << 4
        << QStringList{"out.csv"};
}

void TestOvraCli::exitCodes() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, inError);
    const Run run = Ovra(arguments);
    QCOMPARE(run.exitCode, exitCode);
    for (const QString& text : inError)
        QVERIFY2(run.err.contains(text), qPrintable(run.err));
    if (exitCode != 0)
        QVERIFY(run.out.isEmpty());
}

void TestOvraCli::exportCsv_data() {
    infoJson_data();
}

void TestOvraCli::exportCsv() {
    QFETCH(QString, name);
    const Run run = Ovra({QStringLiteral("export"), Sample(name), QStringLiteral("--csv")});
    QCOMPARE(run.exitCode, 0);
    QList<QByteArray> rows = run.out.split('\n');
    QCOMPARE(rows.takeLast(), QByteArray()); // the last row ends with its line feed
    QByteArray header = "measurement";
    for (int c = 0; c < ChannelCount; ++c)
        header += ",ch" + QByteArray::number(c);
    QCOMPARE(rows.takeFirst(), header);

    const Session session = SampleSession(name);
    QCOMPARE(rows.size(), session.SpectraAvailable ? session.MeasurementCount : 0);
    for (int m = 0; m < rows.size(); ++m) {
        QByteArray expected = QByteArray::number(m);
        for (int c = 0; c < ChannelCount; ++c)
            expected += ',' + QByteArray::number(session.SpectrumAt(m)[c]);
        QCOMPARE(rows.at(m), expected);
    }
}

void TestOvraCli::exportToFile() {
    const QString out = m_dir.filePath(QStringLiteral("thomas5.csv"));
    const Run run = Ovra({QStringLiteral("export"), Sample(QStringLiteral("thomas5")),
                          QStringLiteral("--csv"), QStringLiteral("-o"), out});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());
    const Run stdoutRun = Ovra(
        {QStringLiteral("export"), Sample(QStringLiteral("thomas5")), QStringLiteral("--csv")});
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), stdoutRun.out);
}

void TestOvraCli::oneLanguage_data() {
    QTest::addColumn<QString>("langue"); // empty: no settings file
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); // the start of the first line
    QTest::addColumn<bool>("french");
    const QString missing = m_dir.filePath(QStringLiteral("missing.ovra"));
    QTest::newRow("no settings, missing file")
        << "" << QStringList{"info", missing} << "Cannot open file" << false;
    QTest::newRow("English, missing file")
        << "English" << QStringList{"info", missing} << "Cannot open file" << false;
    QTest::newRow("Francais, missing file")
        << "Francais" << QStringList{"info", missing} << "Impossible d'ouvrir le fichier" << true;
    QTest::newRow("English, usage") << "English" << QStringList{"info"} << "usage: ovra" << false;
    QTest::newRow("Francais, usage")
        << "Francais" << QStringList{"info"} << "utilisation : ovra" << true;
    QTest::newRow("Anglais, usage")
        << "Anglais" << QStringList{"info"} << "utilisation : ovra" << true;
}

// Every line of a run is in the language of the "Langue" setting, the
// system's reason for a missing file included.
void TestOvraCli::oneLanguage() {
    QFETCH(QString, langue);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QFETCH(bool, french);
    QTemporaryDir directory;
    if (!langue.isEmpty()) {
        QFile settings(directory.filePath(QStringLiteral("ovra.ini")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(("[LANGUAGE]\r\nLangue=" + langue + "\r\n").toUtf8());
    }
    const Run run = Ovra(arguments, directory.path());
    QVERIFY2(run.err.startsWith(expected), qPrintable(run.err));
    // Words only one of the two languages uses.
    const QStringList english{"usage", "No such", "Cannot", "summary", "FILE", "spectra of"};
    const QStringList francais{"utilisation", "Aucun",   "Impossible",
                               "résumé",      "FICHIER", "spectres d"};
    const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 1);
    for (const QString& line : lines) {
        for (const QString& word : french ? english : francais)
            QVERIFY2(!line.contains(word), qPrintable(line));
    }
}

QTEST_GUILESS_MAIN(TestOvraCli)
#include "test_ovracli.moc"
