// "ovra info" and "ovra export", run as the built program: fields, exit codes
// and messages; and the command lines of the three programs that are refused
// or answered before anything is done. Registered twice, under a decimal
// point and a decimal comma.

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

Run Program(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(OVRA_BINARY_DIR "/") + program, arguments);
    Run run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Without a settings file in its program directory, ovra speaks English, the
// default language, from the module built beside it.
Run Ovra(const QStringList& arguments) {
    return Program(QStringLiteral("ovra"), arguments);
}

// A program directory whose settings choose `langue`; none for an empty one.
bool WriteLangue(const QTemporaryDir& directory, const QString& langue) {
    if (langue.isEmpty())
        return true;
    QFile settings(directory.filePath(QStringLiteral("ovra.ini")));
    return settings.open(QIODevice::WriteOnly) &&
           settings.write(("[LANGUAGE]\r\nLangue=" + langue + "\r\n").toUtf8()) > 0;
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
    void windowWithoutDisplay_data();
    void windowWithoutDisplay();

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
    QCOMPARE(object.size(), 11);
    QCOMPARE(object.value(QStringLiteral("file")).toString(), Sample(name));
    QCOMPARE(object.value(QStringLiteral("version")).toString(), session.SoftwareVersion);
    const QJsonArray parameters = object.value(QStringLiteral("parameters")).toArray();
    QCOMPARE(parameters.size(), ParameterCount);
    for (int i = 0; i < ParameterCount; ++i)
        QCOMPARE(parameters.at(i).toString(), session.Parameters[i]);
    QCOMPARE(object.value(QStringLiteral("start")).toString(), session.StartText);
    // "dd/mm/yyyy hh:nn" again in ISO 8601.
    const QString iso = object.value(QStringLiteral("start_iso")).toString();
    QCOMPARE(iso.mid(8, 2) + '/' + iso.mid(5, 2) + '/' + iso.left(4) + ' ' + iso.mid(11),
             session.StartText);
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
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stream");    // "out" or "err": where the texts are
    QTest::addColumn<QStringList>("texts"); // texts that stream must hold; the other is empty

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
    const QString input = WriteFile(QStringLiteral("input.ovra"), sample);
    const QString inputLink = m_dir.filePath(QStringLiteral("link to input.ovra"));
    QFile::remove(inputLink);
    QVERIFY(QFile::link(input, inputLink));
    const QString existing = WriteFile(QStringLiteral("existing.csv"), "keep me");
    const QString noFolder = m_dir.filePath(QStringLiteral("no/dir/out.csv"));
    const QString ovra = QStringLiteral("ovra");
    const QString sim = QStringLiteral("ovra-sim");
    const QString window = QStringLiteral("ovraview2");
    using L = QStringList;

    // Help and version: on standard output, exit 0, for every program and command.
    QTest::newRow("ovra --help") << ovra << L{"--help"} << 0 << "out" << L{"usage: ovra", "params"};
    QTest::newRow("ovra -h") << ovra << L{"-h"} << 0 << "out" << L{"exit codes"};
    QTest::newRow("ovra --version")
        << ovra << L{"--version"} << 0 << "out" << L{"ovra " OVRA_VERSION};
    QTest::newRow("download --help")
        << ovra << L{"download", "--help"} << 0 << "out" << L{"download ROW -o FILE", "--force"};
    QTest::newRow("params -h, after other words")
        << ovra << L{"params", "write", "x.par", "-h"} << 0 << "out" << L{"--allow-missing"};
    QTest::newRow("initialise --help")
        << ovra << L{"initialise", "--help"} << 0 << "out" << L{"--clock WHEN", "--yes"};
    QTest::newRow("ovra-sim --help") << sim << L{"--help"} << 0 << "out" << L{"--link", "--force"};
    QTest::newRow("ovra-sim --version") << sim << L{"--version"} << 0 << "out" << L{OVRA_VERSION};
    QTest::newRow("ovraview2 --help")
        << window << L{"--help"} << 0 << "out" << L{"--program-directory", "FILE.ovra"};
    QTest::newRow("ovraview2 --version")
        << window << L{"--version"} << 0 << "out" << L{OVRA_VERSION};
    QTest::newRow("ovra help") << ovra << L{"help"} << 0 << "out" << L{"usage: ovra", "exit codes"};
    QTest::newRow("ovra help COMMAND")
        << ovra << L{"help", "download"} << 0 << "out" << L{"download ROW -o FILE", "--force"};

    // Usage errors: what is wrong first, then the usage, on standard error, exit 2.
    QTest::newRow("no command") << ovra << L() << 2 << "err" << L{"no command given", "usage"};
    QTest::newRow("unknown tool option")
        << ovra << L{"--jsn"} << 2 << "err" << L{"ovra: unknown option --jsn\nusage"};
    QTest::newRow("unknown command")
        << ovra << L{"infos"} << 2 << "err" << L{"unknown command infos"};
    QTest::newRow("--port without device")
        << ovra << L{"--port"} << 2 << "err" << L{"--port needs a value"};
    QTest::newRow("program directory missing")
        << ovra << L{"--program-directory", missing, "memory"} << 2 << "err"
        << L{"missing.ovra: no such directory"};
    QTest::newRow("info without file")
        << ovra << L{"info"} << 2 << "err" << L{"FILE is missing", "usage: ovra"};
    QTest::newRow("info, unknown option") << ovra << L{"info", rolle3, "--jsn"} << 2 << "err"
                                          << L{"unknown option --jsn", "info FILE"};
    QTest::newRow("info, two files")
        << ovra << L{"info", rolle3, rolle3} << 2 << "err" << L{"unexpected argument"};
    QTest::newRow("export without --csv")
        << ovra << L{"export", rolle3} << 2 << "err" << L{"--csv is missing"};
    QTest::newRow("export, -o without name")
        << ovra << L{"export", rolle3, "--csv", "-o"} << 2 << "err" << L{"-o needs a value"};
    QTest::newRow("export, -o twice") << ovra << L{"export", rolle3, "--csv", "-o", "a", "-o", "b"}
                                      << 2 << "err" << L{"-o given twice"};
    QTest::newRow("download, row not a number") << ovra << L{"download", "1x", "-o", "a.ovra"} << 2
                                                << "err" << L{"ROW must be a number from 1 to"};
    QTest::newRow("download, row 0")
        << ovra << L{"download", "0", "-o", "a.ovra"} << 2 << "err" << L{"ROW must be a number"};
    QTest::newRow("download without -o")
        << ovra << L{"download", "1"} << 2 << "err" << L{"-o FILE is missing"};
    QTest::newRow("params alone") << ovra << L{"params"} << 2 << "err"
                                  << L{"read or write is missing"};
    QTest::newRow("params, unknown action")
        << ovra << L{"params", "send"} << 2 << "err" << L{"unknown params action send"};
    QTest::newRow("params read, two formats")
        << ovra << L{"params", "read", "--json", "--table"} << 2 << "err" << L{"give one of"};
    QTest::newRow("params write, no file")
        << ovra << L{"params", "write"} << 2 << "err" << L{"FILE is missing"};
    QTest::newRow("clock alone") << ovra << L{"clock"} << 2 << "err" << L{"read or set is missing"};
    QTest::newRow("memory, unknown option")
        << ovra << L{"memory", "--csv"} << 2 << "err" << L{"unknown option --csv"};
    QTest::newRow("ovra-sim, unknown option")
        << sim << L{"--acquisition", "2"} << 2 << "err" << L{"acquisition"};
    QTest::newRow("ovra-sim, not a number") << sim << L{"--acquisitions", "abc"} << 2 << "err"
                                            << L{"--acquisitions must be a number", "abc"};
    QTest::newRow("ovra-sim, negative")
        << sim << L{"--measurements", "-3"} << 2 << "err" << L{"--measurements must be a number"};
    QTest::newRow("ovra-sim, bad baud") << sim << L{"--baud", "fast"} << 2 << "err" << L{"--baud"};
    QTest::newRow("ovra-sim, bad fault") << sim << L{"--spectrum-checksum-error", "0"} << 2 << "err"
                                         << L{"--spectrum-checksum-error"};
    QTest::newRow("ovra-sim, bad length")
        << sim << L{"--value-length", "x:3"} << 2 << "err" << L{"--value-length"};
    QTest::newRow("ovra-sim, an argument")
        << sim << L{"extra"} << 2 << "err" << L{"unexpected argument extra"};
    QTest::newRow("ovraview2, program directory missing")
        << window << L{"--program-directory", missing} << 2 << "err"
        << L{"missing.ovra: no such directory"};
    QTest::newRow("ovraview2, program directory without value")
        << window << L{"--program-directory"} << 2 << "err" << L{"needs a value"};
    QTest::newRow("ovra help, unknown command")
        << ovra << L{"help", "infos"} << 2 << "err" << L{"ovra: unknown command infos"};
    // Opened as a file, a mistyped option would only say "file not found".
    QTest::newRow("ovraview2, unknown option")
        << window << L{"a.ovra", "--bogus"} << 2 << "err"
        << L{"ovraview2: unknown option --bogus\nTry \"ovraview2 --help\""};

    // Refused before anything is written: the output is the input, exists, or
    // has nowhere to go.
    QTest::newRow("export onto its input")
        << ovra << L{"export", input, "--csv", "-o", input, "--force"} << 2 << "err"
        << L{"is the input file"};
    QTest::newRow("export onto a link to its input")
        << ovra << L{"export", inputLink, "--csv", "-o", input} << 2 << "err"
        << L{"is the input file"};
    QTest::newRow("export onto an existing file")
        << ovra << L{"export", rolle3, "--csv", "-o", existing} << 2 << "err"
        << L{"existing.csv exists", "--force"};
    QTest::newRow("export into a folder")
        << ovra << L{"export", rolle3, "--csv", "-o", m_dir.path()} << 2 << "err"
        << L{"is a folder"};
    QTest::newRow("export, folder missing") << ovra << L{"export", rolle3, "--csv", "-o", noFolder}
                                            << 2 << "err" << L{"does not exist", "out.csv"};
    QTest::newRow("download into a folder, nothing sent")
        << ovra << L{"--port", "/dev/nonexistent-ovra", "download", "1", "-o", m_dir.path()} << 2
        << "err" << L{"is a folder"};
    QTest::newRow("download, folder missing, nothing sent")
        << ovra << L{"--port", "/dev/nonexistent-ovra", "download", "1", "-o", noFolder} << 2
        << "err" << L{"does not exist"};
    QTest::newRow("params read onto an existing file")
        << ovra << L{"--port", "/dev/nonexistent-ovra", "params", "read", "-o", existing} << 2
        << "err" << L{"exists"};

    // Files: every message names its file.
    QTest::newRow("info, rejected") << ovra << L{"info", rejected, "--json"} << 3 << "err"
                                    << L{"rejected.ovra: Incorrect file format"};
    QTest::newRow("export, rejected") << ovra << L{"export", rejected, "--csv"} << 3 << "err"
                                      << L{"rejected.ovra: Incorrect file format"};
    QTest::newRow("info, conversion error")
        << ovra << L{"info", conversion} << 4 << "err" << L{"conversion %1 %2.ovra", "line 73"};
    QTest::newRow("export, conversion error") << ovra << L{"export", conversion, "--csv"} << 4
                                              << "err" << L{"conversion %1 %2.ovra", "line 73"};
    QTest::newRow("info, no such file")
        << ovra << L{"info", missing} << 4 << "err" << L{"missing.ovra"};
    QTest::newRow("export, spectra unavailable")
        << ovra << L{"export", Sample(QStringLiteral("unavailable")), "--csv"} << 3 << "err"
        << L{"unavailable.ovra: spectra unavailable"};
}

void TestOvraCli::exitCodes() {
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, stream);
    QFETCH(QStringList, texts);
    const Run run = Program(program, arguments);
    QCOMPARE(run.exitCode, exitCode);
    const QString out = QString::fromUtf8(run.out);
    const QString& shown = stream == QLatin1String("out") ? out : run.err;
    const QString& quiet = stream == QLatin1String("out") ? run.err : out;
    for (const QString& text : texts)
        QVERIFY2(shown.contains(text), qPrintable(shown));
    QVERIFY2(quiet.isEmpty(), qPrintable(quiet));
    // Nothing refused touched a file.
    QCOMPARE(QFile(m_dir.filePath(QStringLiteral("existing.csv"))).size(), qint64(7));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("no"))));
}

void TestOvraCli::exportCsv_data() {
    infoJson_data();
}

void TestOvraCli::exportCsv() {
    QFETCH(QString, name);
    const Run run = Ovra({QStringLiteral("export"), Sample(name), QStringLiteral("--csv")});
    const Session session = SampleSession(name);
    if (!session.SpectraAvailable) {
        // Nothing to export is said, not printed as an empty table.
        QCOMPARE(run.exitCode, 3);
        QVERIFY(run.out.isEmpty());
        return;
    }
    QCOMPARE(run.exitCode, 0);
    QList<QByteArray> rows = run.out.split('\n');
    QCOMPARE(rows.takeLast(), QByteArray()); // the last row ends with its line feed
    QByteArray header = "measurement";
    for (int c = 0; c < ChannelCount; ++c)
        header += ",ch" + QByteArray::number(c);
    QCOMPARE(rows.takeFirst(), header);
    QCOMPARE(rows.size(), session.MeasurementCount);
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
    QVERIFY2(run.err.contains(out), qPrintable(run.err)); // says what was written where
    // Once it exists, only --force replaces it.
    QCOMPARE(Ovra({"export", Sample("rolle3"), "--csv", "-o", out}).exitCode, 2);
    QCOMPARE(Ovra({"export", Sample("rolle3"), "--csv", "-o", out, "--force"}).exitCode, 0);
    QCOMPARE(Ovra({"export", Sample("thomas5"), "--csv", "-o", out, "--force"}).exitCode, 0);
    const Run stdoutRun = Ovra(
        {QStringLiteral("export"), Sample(QStringLiteral("thomas5")), QStringLiteral("--csv")});
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), stdoutRun.out);
}

void TestOvraCli::oneLanguage_data() {
    QTest::addColumn<QString>("langue"); // empty: no settings file
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); // how the message begins
    QTest::addColumn<bool>("french");
    const QString missing = m_dir.filePath(QStringLiteral("missing.ovra"));
    QTest::newRow("no settings, missing file")
        << "" << QStringList{"info", missing} << "ovra: Cannot open file" << false;
    QTest::newRow("English, missing file")
        << "English" << QStringList{"info", missing} << "ovra: Cannot open file" << false;
    QTest::newRow("Francais, missing file") << "Francais" << QStringList{"info", missing}
                                            << "ovra: Impossible d'ouvrir le fichier" << true;
    QTest::newRow("English, usage")
        << "English" << QStringList{"info"} << "ovra: FILE is missing\nusage: ovra" << false;
    QTest::newRow("Francais, usage") << "Francais" << QStringList{"info"}
                                     << "ovra: FICHIER manquant\nutilisation : ovra" << true;
    QTest::newRow("Francais, unknown option")
        << "Francais" << QStringList{"--jsn"}
        << "ovra: option inconnue --jsn\nutilisation : ovra [--port PERIPHERIQUE]" << true;
    QTest::newRow("English, unknown option")
        << "English" << QStringList{"--jsn"}
        << "ovra: unknown option --jsn\nusage: ovra [--port DEVICE]" << false;
    QTest::newRow("Francais, output exists")
        << "Francais" << QStringList{"export", Sample("rolle3"), "--csv", "-o", Sample("rolle3")}
        << "ovra: " + Sample("rolle3") + " est le fichier d'entrée" << true;
    // The window program answers before its window in the same language.
    QTest::newRow("window, Francais") << "Francais" << QStringList{"ovraview2", "--bogus"}
                                      << "ovraview2: option inconnue --bogus\nEssayez" << true;
    QTest::newRow("window, English") << "English" << QStringList{"ovraview2", "--bogus"}
                                     << "ovraview2: unknown option --bogus\nTry" << false;
    QTest::newRow("Anglais, usage")
        << "Anglais" << QStringList{"info"} << "ovra: FICHIER manquant\nutilisation : ovra" << true;
}

// Every line of a run is in the language of the "Langue" setting, the
// system's reason for a missing file included.
void TestOvraCli::oneLanguage() {
    QFETCH(QString, langue);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QFETCH(bool, french);
    QTemporaryDir directory;
    QVERIFY(WriteLangue(directory, langue));
    const bool window = arguments.value(0) == QLatin1String("ovraview2");
    const Run run = Program(window ? arguments.first() : QStringLiteral("ovra"),
                            QStringList{"--program-directory", directory.path()} +
                                arguments.mid(window ? 1 : 0));
    QVERIFY2(run.err.startsWith(expected), qPrintable(run.err));
    // Words only one of the two languages uses.
    // ("summary" alone is also a command's name, the same in both languages.)
    const QStringList english{"usage", "No such", "Cannot", "summary of", "FILE", "spectra of"};
    const QStringList francais{"utilisation", "Aucun",   "Impossible",
                               "résumé",      "FICHIER", "spectres d"};
    const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 1);
    for (const QString& line : lines) {
        for (const QString& word : french ? english : francais)
            QVERIFY2(!line.contains(word), qPrintable(line));
    }
}

void TestOvraCli::windowWithoutDisplay_data() {
    QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM; empty: not set
    QTest::addColumn<QString>("display");  // DISPLAY; empty: not set
    QTest::addColumn<QString>("langue");   // empty: no settings file
    QTest::addColumn<QString>("expected");
    const QString english = QStringLiteral("ovraview2: no display to open the window on");
    QTest::newRow("nothing set") << ""
                                 << ""
                                 << "" << english;
    QTest::newRow("a display that is not there") << "xcb"
                                                 << ":97"
                                                 << "" << english;
    QTest::newRow("in French") << ""
                               << ""
                               << "Francais"
                               << "ovraview2: pas d'écran où ouvrir la fenêtre";
}

// One line and exit 1, not Qt's abort with its lines of advice.
void TestOvraCli::windowWithoutDisplay() {
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QString, langue);
    QFETCH(QString, expected);
    QTemporaryDir directory;
    QVERIFY(WriteLangue(directory, langue));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    QProcess window;
    window.setProcessEnvironment(environment);
    window.start(QStringLiteral(OVRA_BINARY_DIR "/ovraview2"),
                 {"--program-directory", directory.path()});
    QVERIFY(window.waitForFinished(30000));
    QCOMPARE(window.exitStatus(), QProcess::NormalExit);
    QCOMPARE(window.exitCode(), 1);
    const QString err = QString::fromUtf8(window.readAllStandardError());
    QVERIFY2(err.startsWith(expected) && err.count(QLatin1Char('\n')) == 1, qPrintable(err));
}

QTEST_GUILESS_MAIN(TestOvraCli)
#include "test_ovracli.moc"
