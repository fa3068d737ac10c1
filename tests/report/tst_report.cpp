// "ovra report", run as the built program and read back with pdftotext: every
// field of the report with its value, the digest recomputed here, a table
// over several pages, both languages, and the refusals that write nothing.
// Registered twice, under a decimal point and a decimal comma.

#include "samplesessions.h"

#include "data/fichiers.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

struct Run {
    int exitCode = -1;
    QString err;
};

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pages' text, pages ended by a form feed, each line as it is laid out.
QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString Decimal(double value, int decimals) {
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

// A line holding these texts in this order, blanks of any width between them.
QRegularExpression LineOf(const QStringList& texts) {
    QStringList escaped;
    for (const QString& text : texts)
        escaped << QRegularExpression::escape(text);
    return QRegularExpression(QStringLiteral("(^|\\n)[ \\t]*") +
                              escaped.join(QStringLiteral("[ \\t]+")) +
                              QStringLiteral("[ \\t]*(\\n|$)"));
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fields_data();
    void fields();
    void tableOverPages_data();
    void tableOverPages();
    void refusals_data();
    void refusals();

private:
    // ovra with a settings file whose "Langue" is `langue`.
    Run Ovra(const QString& langue, const QStringList& arguments);
    // The sample written with the regional separator of this run.
    QString SampleFile(const QString& name);
    QTemporaryDir m_dir;
};

void TestReport::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::exists(QStringLiteral(OVRA_BINARY_DIR "/ovra")));
}

Run TestReport::Ovra(const QString& langue, const QStringList& arguments) {
    QFile settings(m_dir.filePath(QStringLiteral("ovra.ini")));
    if (settings.open(QIODevice::WriteOnly))
        settings.write(("[LANGUAGE]\r\nLangue=" + langue + "\r\n").toUtf8());
    settings.close();
    QProcess process;
    process.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"),
                  QStringList{QStringLiteral("--program-directory"), m_dir.path()} + arguments);
    Run run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
        run.err = QString::fromUtf8(process.readAllStandardError());
    }
    return run;
}

QString TestReport::SampleFile(const QString& name) {
    const QString path = m_dir.filePath(name + QStringLiteral(".ovra"));
    return WriteMeasurementFile(path, SampleSession(name)).Ok() ? path : QString();
}

void TestReport::fields_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("french");
    for (const char* name : {"rolle3", "thomas5", "unavailable"}) {
        QTest::addRow("%s, Francais", name) << QString::fromLatin1(name) << true;
        QTest::addRow("%s, English", name) << QString::fromLatin1(name) << false;
    }
}

// Every field on its line with its label; the results worked out here from
// the sample's spectra.
void TestReport::fields() {
    QFETCH(QString, name);
    QFETCH(bool, french);
    const QString input = SampleFile(name);
    const QString output = m_dir.filePath(name + QStringLiteral(".pdf"));
    const Run run = Ovra(
        french ? QStringLiteral("Francais") : QStringLiteral("English"),
        {QStringLiteral("report"), input, QStringLiteral("-o"), output, QStringLiteral("--force")});
    QCOMPARE(run.exitCode, 0);
    const QString text = PdfText(output);
    QVERIFY(!text.isEmpty());
    const Session s = SampleSession(name);
    const auto T = [french](const char* fr, const char* en) {
        return QString::fromUtf8(french ? fr : en);
    };
    const QString sha256 =
        QCryptographicHash::hash(FileBytes(input), QCryptographicHash::Sha256).toHex();
    const QList<QStringList> lines{
        {T("Rapport de mesure", "Measurement report")},
        {T("Fichier", "File"), name + QStringLiteral(".ovra")},
        {QStringLiteral("SHA-256"), sha256},
        {T("Programme", "Program"), QStringLiteral("OvraView2 " OVRA_VERSION)},
        {T("Numéro", "Number"), s.Parameters[0]},
        {QStringLiteral("Type"), s.Parameters[1]},
        {T("Version logicielle", "Software version"), s.SoftwareVersion},
        {T("Mise en service", "Launched"), s.Parameters[4], s.Parameters[5]},
        {T("Dernière maintenance", "Last maintenance"), s.Parameters[6]},
        {T("Prochaine maintenance", "Next maintenance"), s.Parameters[8]},
        // The comment's TAB is a line break.
        {T("Commentaire", "Comment"), s.Parameters[63].section(QLatin1Char('\t'), 0, 0)},
        {s.Parameters[63].section(QLatin1Char('\t'), 1)},
        {T("Début", "Start"), s.StartText},
        {T("Méthode", "Method"), s.Method},
        {T("Nombre de mesures", "Number of measurements"), QString::number(s.MeasurementCount)},
        {T("Volume prélevé (l)", "Sampled volume (l)"), Decimal(s.Volume, 2)},
        {T("EAPV calculée par l'instrument", "EAPV computed by the instrument"),
         Decimal(s.Eapv, 3)},
        {QStringLiteral("Spectres"), T("disponibles", "available")},
    };
    for (QStringList line : lines) {
        if (line.first() == QLatin1String("Spectres")) {
            line.first() = T("Spectres", "Spectra");
            if (!s.SpectraAvailable)
                line.last() = T("indisponibles", "unavailable");
        }
        QVERIFY2(text.contains(LineOf(line)), qPrintable(line.join(QLatin1Char('|'))));
    }
    QVERIFY(text.contains(
        QRegularExpression(QStringLiteral("\\d{2}/\\d{2}/\\d{4} \\d{2}:\\d{2}:\\d{2}"))));

    // The whole acquisition and window 1 (channels 40 to 100).
    for (const auto& [series, lo, hi] : {std::tuple{QStringLiteral("Total"), 0, 127},
                                         std::tuple{QStringLiteral("Ch 40-100"), 40, 100}}) {
        if (!s.SpectraAvailable) {
            QVERIFY(!text.contains(series));
            continue;
        }
        qint64 sum = 0;
        qint64 low = -1;
        qint64 high = -1;
        int lowAt = 0;
        int highAt = 0;
        for (int m = 0; m < s.MeasurementCount; ++m) {
            qint64 count = 0;
            for (int c = lo; c <= hi; ++c)
                count += s.SpectrumAt(m)[c];
            sum += count;
            if (low < 0 || count < low)
                std::tie(low, lowAt) = std::pair{count, m + 1};
            if (count > high)
                std::tie(high, highAt) = std::pair{count, m + 1};
        }
        const double root = std::sqrt(double(sum));
        const QStringList row{series,
                              QString::number(sum),
                              Decimal(root, 1),
                              Decimal(100 * root / double(sum), 2),
                              Decimal(double(sum) / s.MeasurementCount, 2),
                              T("%1 (n° %2)", "%1 (no. %2)").arg(low).arg(lowAt),
                              T("%1 (n° %2)", "%1 (no. %2)").arg(high).arg(highAt)};
        QVERIFY2(text.contains(LineOf(row)), qPrintable(row.join(QLatin1Char('|'))));
    }
    // The other language shows nowhere.
    for (const QString& other : {T("Measurement report", "Rapport de mesure"),
                                 T("Sampled volume", "Volume prélevé"), T("Results", "Résultats")})
        QVERIFY2(!text.contains(other), qPrintable(other));
}

void TestReport::tableOverPages_data() {
    QTest::addColumn<QStringList>("limit");
    QTest::addColumn<int>("listed");
    QTest::newRow("every measurement") << QStringList() << 300;
    QTest::newRow("the first 100") << QStringList{"--table-limit", "100"} << 100;
    QTest::newRow("none") << QStringList{"--table-limit", "0"} << 0;
}

// 300 measurements: their table spans pages, its header on each, every page
// numbered "k / n"; a limit lists the first ones and says how many are left.
void TestReport::tableOverPages() {
    QFETCH(QStringList, limit);
    QFETCH(int, listed);
    constexpr int Measurements = 300;
    Session session = SampleSession(QStringLiteral("thomas5"));
    session.MeasurementCount = Measurements;
    for (int m = 5; m < Measurements; ++m)
        session.Spectra.insert(session.Spectra.end(), session.SpectrumAt(m % 5),
                               session.SpectrumAt(m % 5) + ChannelCount);
    const QString input = m_dir.filePath(QStringLiteral("long.ovra"));
    QVERIFY(WriteMeasurementFile(input, session).Ok());
    const QString output = m_dir.filePath(QStringLiteral("long.pdf"));
    const Run run = Ovra(QStringLiteral("English"),
                         QStringList{"report", input, "-o", output, "--force"} + limit);
    QCOMPARE(run.exitCode, 0);
    QStringList pages = PdfText(output).split(QLatin1Char('\f'));
    QCOMPARE(pages.takeLast(), QString()); // after the last form feed
    const int count = int(pages.size());
    int headers = 0;
    int firstHeader = 0; // the page the table begins on
    int rows = 0;
    const QRegularExpression row(
        QStringLiteral("^\\s*(\\d+)\\s+Comptage \\d+\\s+\\d+\\s+\\d+\\s*$"),
        QRegularExpression::MultilineOption);
    for (int k = 1; k <= count; ++k) {
        const QString& page = pages[k - 1];
        const QRegularExpression number(QStringLiteral("%1\\s*/\\s*%2\\s*$").arg(k).arg(count));
        QVERIFY2(page.contains(number), qPrintable(QStringLiteral("page %1").arg(k)));
        if (page.contains(LineOf({"Measurement", "Phase", "Total", "Ch 40-100"})) && ++headers == 1)
            firstHeader = k;
        for (auto it = row.globalMatch(page); it.hasNext(); ++rows)
            QCOMPARE(it.next().captured(1).toInt(), rows + 1); // in order, none twice
    }
    QCOMPARE(rows, listed);
    // From its first page on, every page repeats the header.
    QVERIFY(firstHeader > 1);
    QCOMPARE(headers, count - firstHeader + 1);
    if (listed == Measurements)
        QVERIFY(headers >= 3);
    const QString left = QStringLiteral("%1 of the %2 measurements are not listed")
                             .arg(Measurements - listed)
                             .arg(Measurements);
    QCOMPARE(pages.join(QString()).simplified().contains(left), listed < Measurements);
}

void TestReport::refusals_data() {
    QTest::addColumn<QString>("output"); // "INPUT" for the input itself
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the input") << "INPUT" << true << "is the input file";
    QTest::newRow("an existing file") << "old.pdf" << true << "--force";
    QTest::newRow("a folder") << "folder" << true << "is a folder";
    QTest::newRow("into a missing folder") << "none/new.pdf" << false << "does not exist";
}

// Each is refused before anything is read or written, and leaves the disk
// as it was.
void TestReport::refusals() {
    QFETCH(QString, output);
    QFETCH(bool, exists);
    QFETCH(QString, reason);
    const QString input = SampleFile(QStringLiteral("rolle3"));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder")));
    const QString old = m_dir.filePath(QStringLiteral("old.pdf"));
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("old report");
    file.close();
    const QString target = output == QLatin1String("INPUT") ? input : m_dir.filePath(output);
    const QByteArray before = FileBytes(target);
    const Run run = Ovra(QStringLiteral("English"), {"report", input, "-o", target});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    QCOMPARE(QFileInfo::exists(target), exists);
    QCOMPARE(FileBytes(target), before);
    QCOMPARE(QDir(m_dir.filePath(QStringLiteral("folder"))).entryList(QDir::NoDotAndDotDot).size(),
             0);
    // --force replaces a report, never the input.
    const Run forced = Ovra(QStringLiteral("English"), {"report", input, "-o", target, "--force"});
    QCOMPARE(forced.exitCode, output == QLatin1String("old.pdf") ? 0 : 2);
    QCOMPARE(FileBytes(target).startsWith("%PDF"), output == QLatin1String("old.pdf"));
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
