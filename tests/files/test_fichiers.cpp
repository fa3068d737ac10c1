// Measurement files: the writer's bytes, the reader's rules and rejections,
// and round trips. Registered three times: under a decimal point, a decimal
// comma, and the Arabic decimal separator, which has no Windows-1252 byte.

#include "samplesessions.h"

#include "data/fichiers.h"
#include "data/linereader.h"
#include "data/windows1252.h"

#include <QBuffer>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray SampleBytes(const QString& name) {
    return FileBytes(QStringLiteral(OVRA_TEST_DATA "/%1.ovra").arg(name));
}

// The separator a file is written with: the regional one when it is "," or
// ".", else "." (a separator the file's code page cannot hold, or that its
// reader would not take back, must not make an unreadable file).
QByteArray RegionalSeparator() {
    return QLocale::system().decimalPoint() == QLatin1String(",") ? QByteArray(",")
                                                                  : QByteArray(".");
}

// Spectrum lines of the given counts, each count followed by TAB, CR LF at the end.
QByteArray CountsLine(int first, int last) {
    QByteArray line;
    for (int v = first; v <= last; ++v)
        line += QByteArray::number(v) + '\t';
    return line + "\r\n";
}

// rolle3.ovra with its n-th line (1-based) replaced; the layout puts "Nombre"
// on line 73, "Volume" on 74, "SPECTRES" on 77 and the spectra on 78 to 80.
QByteArray Rolle3WithLine(int number, const QByteArray& replacement) {
    QList<QByteArray> lines = SampleBytes(QStringLiteral("rolle3")).split('\n');
    lines[number - 1] = replacement + '\r';
    return lines.join('\n');
}

QByteArray Rolle3UpToLine(int number) {
    const QList<QByteArray> lines = SampleBytes(QStringLiteral("rolle3")).split('\n');
    return lines.mid(0, number).join('\n') + '\n';
}

} // namespace

class TestFichiers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windows1252_data();
    void windows1252();
    void windows1252EveryByteRoundTrips();
    void lineEndsAcrossReadChunks_data();
    void lineEndsAcrossReadChunks();
    void writerBytesFollowTheLayout();
    void samplesAreWrittenAgainByteForByte_data();
    void samplesAreWrittenAgainByteForByte();
    void roundTrip_data();
    void roundTrip();
    void readingRules_data();
    void readingRules();
    void sessionReplacedOnlyWhenAccepted();
    void failedWriteKeepsPreviousFile();
    void unopenableFileNamesIt();

private:
    QTemporaryDir m_dir;
};

void TestFichiers::initTestCase() {
    QVERIFY(m_dir.isValid());
    // The decimal-comma and Arabic runs are only worth their names if the
    // separator really changed.
    if (qgetenv("LC_ALL").startsWith("fr_"))
        QCOMPARE(RegionalSeparator(), QByteArray(","));
    if (qgetenv("LC_ALL").startsWith("ar_"))
        QCOMPARE(QLocale::system().decimalPoint(), QString(QChar(0x066B)));
    QVERIFY2(!SampleBytes(QStringLiteral("rolle3")).isEmpty(), OVRA_TEST_DATA);
}

void TestFichiers::windows1252_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("Nombre\t3") << QByteArray("Nombre\t3");
    QTest::newRow("latin") << QStringLiteral("Début école ÿ")
                           << QByteArray("D\xE9"
                                         "but \xE9"
                                         "cole \xFF");
    QTest::newRow("table") << QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ")
                           << QByteArray(
                                  "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                                  "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F");
    QTest::newRow("outside the code page") << QStringLiteral("a中b") << QByteArray("a?b");
    QTest::newRow("one ? per character, not per UTF-16 unit")
        << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
    QTest::newRow("C1 control without a glyph") << QString(QChar(0x80)) << QByteArray("?");
}

void TestFichiers::windows1252() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeWindows1252(text), bytes);
    if (!bytes.contains('?'))
        QCOMPARE(DecodeWindows1252(bytes), text);
}

void TestFichiers::windows1252EveryByteRoundTrips() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    QCOMPARE(EncodeWindows1252(DecodeWindows1252(all)), all);
}

void TestFichiers::lineEndsAcrossReadChunks_data() {
    QTest::addColumn<QByteArray>("end");
    QTest::addColumn<int>("firstLength");
    // The reader takes the file in chunks of 256 KiB: a CR LF split between two
    // chunks must still end one line, not two.
    const int chunk = 256 * 1024;
    for (const char* end : {"\r\n", "\r", "\n"}) {
        for (int shift = -2; shift <= 1; ++shift) {
            const QByteArray name =
                QByteArray(end).toPercentEncoding() + " at " + QByteArray::number(chunk + shift);
            QTest::newRow(name.constData()) << QByteArray(end) << chunk + shift;
        }
    }
}

void TestFichiers::lineEndsAcrossReadChunks() {
    QFETCH(QByteArray, end);
    QFETCH(int, firstLength);
    QByteArray content = QByteArray(firstLength, 'a') + end + "b" + end + end + "c";
    QBuffer buffer(&content);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    LineReader reader(buffer);
    QByteArrayView line;
    QVERIFY(reader.ReadLine(line));
    QCOMPARE(line.size(), firstLength);
    QVERIFY(!reader.AtEnd());
    QVERIFY(reader.ReadLine(line));
    QCOMPARE(line, QByteArrayView("b"));
    QVERIFY(reader.ReadLine(line));
    QCOMPARE(line.size(), 0);
    QCOMPARE(reader.BytesLeft(), 1);
    QVERIFY(reader.ReadLine(line));
    QCOMPARE(line, QByteArrayView("c"));
    QCOMPARE(reader.LineNumber(), 4);
    QVERIFY(reader.AtEnd());
    QVERIFY(!reader.ReadLine(line));
}

// The expected bytes are spelled out from the layout, not produced by the writer.
void TestFichiers::writerBytesFollowTheLayout() {
    Session session;
    session.SoftwareVersion = QStringLiteral("V1.2");
    for (int i = 0; i < ParameterCount; ++i)
        session.Parameters[i] = QString::number(i * 10);
    session.Parameters[63] = QStringLiteral("ligne 1\tligne 2");
    session.StartText = QStringLiteral("01/02/2011 03:04");
    session.Method = QStringLiteral("Thomas");
    session.MeasurementCount = 2;
    session.Volume = 1.005; // binary value just below the half: "%.2f" gives 1.00
    session.Eapv = -0.0625; // an exact half: "%.3f" rounds to even, -0.062
    session.SpectraAvailable = true;
    for (int i = 0; i < 2 * ChannelCount; ++i)
        session.Spectra.push_back(i == 5 ? -2147483647 - 1 : i);

    QByteArray expected = "VERSION\r\nV1.2\r\n\r\nPARAMETRES\r\n";
    for (int i = 0; i < ParameterCount; ++i) {
        expected += ParameterNames()[i].toLatin1() + '\t' +
                    (i == 63 ? QByteArray("ligne 1\tligne 2") : QByteArray::number(i * 10)) +
                    "\t\r\n";
    }
    const QByteArray sep = RegionalSeparator();
    expected += "\r\nMESURES\r\n"
                "D\xE9"
                "but\t01/02/2011 03:04\t\r\n"
                "M\xE9"
                "thode\tThomas\t\r\n"
                "Nombre\t2\t\r\n"
                "Volume\t1" +
                sep +
                "00\t\r\n"
                "Eapv\t-0" +
                sep +
                "062\t\r\n"
                "\r\nSPECTRES\r\n";
    QByteArray spectra = CountsLine(0, 127) + CountsLine(128, 255);
    spectra.replace("\t5\t", "\t-2147483648\t");
    expected += spectra;

    const QString path = m_dir.filePath(QStringLiteral("layout.ovra"));
    QVERIFY(WriteMeasurementFile(path, session).Ok());
    QCOMPARE(FileBytes(path), expected);

    session.SpectraAvailable = false;
    QVERIFY(WriteMeasurementFile(path, session).Ok());
    QVERIFY(FileBytes(path).endsWith("\r\n\r\nSPECTRES\r\nindisponibles\r\n"));
}

void TestFichiers::samplesAreWrittenAgainByteForByte_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : SampleNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestFichiers::samplesAreWrittenAgainByteForByte() {
    QFETCH(QString, name);
    const QString path = m_dir.filePath(name + QStringLiteral(".ovra"));
    QVERIFY(WriteMeasurementFile(path, SampleSession(name)).Ok());
    // The sample keeps the separator it was written with; only the two
    // decimal lines carry one.
    QByteArray sample = SampleBytes(name);
    const QByteArray sep = RegionalSeparator();
    for (const char* key : {"\r\nVolume\t", "\r\nEapv\t"}) {
        const qsizetype at = sample.indexOf(key);
        QVERIFY(at >= 0);
        const qsizetype point = sample.indexOf(SampleDecimalSeparator(name), at);
        sample.replace(point, 1, sep);
    }
    QCOMPARE(FileBytes(path), sample);

    // In memory: the same bytes, and what reads back writes them again.
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::ReadWrite));
    QVERIFY(WriteMeasurementFile(buffer, SampleSession(name)).Ok());
    QCOMPARE(buffer.data(), sample);
    buffer.seek(0);
    Session read;
    QVERIFY(ReadMeasurementFile(buffer, name, read).Ok());
    QBuffer again;
    QVERIFY(again.open(QIODevice::WriteOnly));
    QVERIFY(WriteMeasurementFile(again, read).Ok());
    QCOMPARE(again.data(), sample);
}

void TestFichiers::roundTrip_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("volume");
    QTest::addColumn<double>("eapv");
    QTest::addColumn<double>("volumeRead");
    QTest::addColumn<double>("eapvRead");
    for (const QString& name : SampleNames()) {
        const Session session = SampleSession(name);
        QTest::newRow(qPrintable(name))
            << name << session.Volume << session.Eapv << session.Volume << session.Eapv;
    }
    QTest::newRow("rounded to 2 and 3 decimals") << "rolle3" << 7.125 << 0.12345 << 7.12 << 0.123;
    QTest::newRow("negative") << "single" << -3.456 << -0.0005 << -3.46 << -0.001;
    QTest::newRow("large") << "rolle4" << 123456789.0 << 98765.4321 << 123456789.0 << 98765.432;
    // An instrument may report a result it could not compute (an erased
    // memory reads as all bits set): the file still reads back.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << "rolle3" << nan << -nan << nan << nan;
    QTest::newRow("infinite") << "rolle3" << inf << -inf << inf << -inf;
}

void TestFichiers::roundTrip() {
    QFETCH(QString, name);
    QFETCH(double, volume);
    QFETCH(double, eapv);
    QFETCH(double, volumeRead);
    QFETCH(double, eapvRead);
    Session written = SampleSession(name);
    written.Volume = volume;
    written.Eapv = eapv;
    const QString path = m_dir.filePath(QStringLiteral("trip.ovra"));
    QVERIFY(WriteMeasurementFile(path, written).Ok());

    Session read;
    const FileOutcome outcome = ReadMeasurementFile(path, read);
    QVERIFY2(outcome.Ok(), qPrintable(outcome.message));
    QCOMPARE(read.SoftwareVersion, written.SoftwareVersion);
    QVERIFY(read.Parameters == written.Parameters);
    QCOMPARE(read.StartText, written.StartText);
    QCOMPARE(read.Method, written.Method);
    QCOMPARE(read.MeasurementCount, written.MeasurementCount);
    QCOMPARE(read.Volume, volumeRead);
    QCOMPARE(read.Eapv, eapvRead);
    QCOMPARE(read.SpectraAvailable, written.SpectraAvailable);
    QCOMPARE(read.SpectrumCount(), written.MeasurementCount);
    if (written.SpectraAvailable)
        QVERIFY(read.Spectra == written.Spectra);
}

void TestFichiers::readingRules_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("errorLine"); // for Failed
    QTest::addColumn<int>("count");     // for Accepted
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("channel0");   // measurement 0, for Accepted with spectra
    QTest::addColumn<int>("channel127"); // measurement 0

    const QByteArray rolle3 = SampleBytes(QStringLiteral("rolle3"));
    const Session sample = SampleSession(QStringLiteral("rolle3"));
    const int first = sample.Spectra.front();
    const int last = sample.Spectra[ChannelCount - 1];
    const int accepted = FileOutcome::Accepted;
    const int rejected = FileOutcome::Rejected;
    const int failed = FileOutcome::Failed;
    QByteArray lf = rolle3;
    lf.replace("\r\n", "\n");
    QByteArray cr = rolle3;
    cr.replace("\r\n", "\r");

    QTest::newRow("sample") << rolle3 << accepted << 0 << 3 << true << first << last;
    QTest::newRow("LF line ends") << lf << accepted << 0 << 3 << true << first << last;
    QTest::newRow("CR line ends") << cr << accepted << 0 << 3 << true << first << last;
    QTest::newRow("lines before VERSION skipped")
        << "garbage\r\nVERSIO\r\n" + rolle3 << accepted << 0 << 3 << true << first << last;
    QTest::newRow("head inside a longer line") << Rolle3WithLine(70, "== MESURES du jour ==")
                                               << accepted << 0 << 3 << true << first << last;
    QTest::newRow("keys and names not compared")
        << Rolle3WithLine(71, "Start\tx\t") << accepted << 0 << 3 << true << first << last;
    QTest::newRow("last spectrum line without its line end")
        << rolle3.chopped(2) << accepted << 0 << 3 << true << first << last;
    QTest::newRow("130 counts keep their last 128")
        << Rolle3WithLine(78, CountsLine(1, 130).chopped(2)) << accepted << 0 << 3 << true << 3
        << 130;
    QTest::newRow("first of exactly 128 in channel 0")
        << Rolle3WithLine(78, CountsLine(1, 128).chopped(2)) << accepted << 0 << 3 << true << 1
        << 128;
    QTest::newRow("indisponibles inside the first line")
        << Rolle3WithLine(78, "-- indisponibles --") << accepted << 0 << 3 << false << 0 << 0;
    QTest::newRow("unavailable at the instrument's count")
        << Rolle3WithLine(78, "indisponibles").replace("Nombre\t3\t", "Nombre\t65535\t") << accepted
        << 0 << 65535 << false << 0 << 0;
    QTest::newRow("count 0, spectra lines ignored")
        << Rolle3WithLine(73, "Nombre\t0\t") << accepted << 0 << 0 << true << 0 << 0;
    QTest::newRow("count 0, SPECTRES last line")
        << SampleBytes(QStringLiteral("nomeasure")) << accepted << 0 << 0 << true << 0 << 0;

    QTest::newRow("empty file") << QByteArray() << rejected << 0 << 0 << false << 0 << 0;
    QTest::newRow("lower-case head")
        << Rolle3WithLine(70, "mesures") << rejected << 0 << 0 << false << 0 << 0;
    QTest::newRow("SPECTRES last line")
        << Rolle3UpToLine(77) << rejected << 0 << 0 << false << 0 << 0;
    QTest::newRow("SPECTRES last line without line end")
        << Rolle3UpToLine(77).chopped(2) << rejected << 0 << 0 << false << 0 << 0;
    QTest::newRow("VERSION last line")
        << QByteArray("VERSION\r\n") << rejected << 0 << 0 << false << 0 << 0;
    QTest::newRow("count 1, SPECTRES last line")
        << Rolle3WithLine(73, "Nombre\t1\t").left(rolle3.indexOf("SPECTRES") + 10) << rejected << 0
        << 0 << false << 0 << 0;
    QTest::newRow("heads out of order")
        << Rolle3WithLine(4, "MESURES") << rejected << 0 << 0 << false << 0 << 0;

    QTest::newRow("count not an integer")
        << Rolle3WithLine(73, "Nombre\t3.0\t") << failed << 73 << 0 << false << 0 << 0;
    QTest::newRow("negative count")
        << Rolle3WithLine(73, "Nombre\t-1\t") << failed << 73 << 0 << false << 0 << 0;
    QTest::newRow("count the file cannot hold")
        << Rolle3WithLine(73, "Nombre\t2147483647\t") << failed << 73 << 0 << false << 0 << 0;
    QTest::newRow("unavailable beyond the instrument's count")
        << Rolle3WithLine(78, "indisponibles").replace("Nombre\t3\t", "Nombre\t70000\t") << failed
        << 73 << 0 << false << 0 << 0;
    QTest::newRow("unavailable one above the instrument's count")
        << Rolle3WithLine(78, "indisponibles").replace("Nombre\t3\t", "Nombre\t65536\t") << failed
        << 73 << 0 << false << 0 << 0;
    QTest::newRow("one spectrum line missing")
        << Rolle3WithLine(73, "Nombre\t4\t") << failed << 81 << 0 << false << 0 << 0;
    QTest::newRow("127 counts") << Rolle3WithLine(79, CountsLine(1, 127).chopped(2)) << failed << 79
                                << 0 << false << 0 << 0;
    QTest::newRow("empty spectrum line")
        << Rolle3WithLine(80, "") << failed << 80 << 0 << false << 0 << 0;
    QTest::newRow("count not a number")
        << Rolle3WithLine(78, CountsLine(1, 128).replace("\t64\t", "\t6x4\t").chopped(2)) << failed
        << 78 << 0 << false << 0 << 0;
    QTest::newRow("count beyond 32 bits")
        << Rolle3WithLine(78, CountsLine(1, 128).replace("\t64\t", "\t2147483648\t").chopped(2))
        << failed << 78 << 0 << false << 0 << 0;
    QTest::newRow("volume with a group separator")
        << Rolle3WithLine(74, "Volume\t1.234,5\t") << failed << 74 << 0 << false << 0 << 0;
    QTest::newRow("eapv not a number")
        << Rolle3WithLine(75, "Eapv\tn/a\t") << failed << 75 << 0 << false << 0 << 0;
    QTest::newRow("file ends inside MESURES")
        << Rolle3UpToLine(72) << failed << 73 << 0 << false << 0 << 0;
}

void TestFichiers::readingRules() {
    QFETCH(QByteArray, content);
    QFETCH(int, kind);
    QFETCH(int, errorLine);
    const QString path = m_dir.filePath(QStringLiteral("rules.ovra"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    Session session;
    const FileOutcome outcome = ReadMeasurementFile(path, session);
    QVERIFY2(outcome.kind == kind, qPrintable(outcome.message));
    if (kind == FileOutcome::Failed) {
        QCOMPARE(outcome.line, errorLine);
        QVERIFY2(outcome.message.contains(QStringLiteral("rules.ovra")),
                 qPrintable(outcome.message));
        QVERIFY2(outcome.message.contains(QString::number(errorLine)), qPrintable(outcome.message));
    }
    if (kind != FileOutcome::Accepted)
        return;
    QFETCH(int, count);
    QFETCH(bool, available);
    QFETCH(int, channel0);
    QFETCH(int, channel127);
    QCOMPARE(session.MeasurementCount, count);
    QCOMPARE(session.SpectraAvailable, available);
    QCOMPARE(session.SpectrumCount(), count);
    if (available && count > 0) {
        QCOMPARE(session.SpectrumAt(0)[0], channel0);
        QCOMPARE(session.SpectrumAt(0)[ChannelCount - 1], channel127);
    }
}

void TestFichiers::sessionReplacedOnlyWhenAccepted() {
    Session session = SampleSession(QStringLiteral("thomas5"));
    session.SessionState = SessionSaved;
    session.FileName = QStringLiteral("/somewhere/thomas5.ovra");
    session.SavedParameters[3] = QStringLiteral("kept");
    const Session before = session;

    const QString bad = m_dir.filePath(QStringLiteral("bad.ovra"));
    for (const QByteArray& content : {Rolle3UpToLine(77), Rolle3WithLine(80, "1\t2\t")}) {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        QVERIFY(!ReadMeasurementFile(bad, session).Ok());
        QCOMPARE(session.Method, before.Method);
        QCOMPARE(session.MeasurementCount, before.MeasurementCount);
        QVERIFY(session.Spectra == before.Spectra);
        QVERIFY(session.Parameters == before.Parameters);
    }

    QVERIFY(ReadMeasurementFile(QStringLiteral(OVRA_TEST_DATA "/unavailable.ovra"), session).Ok());
    QCOMPARE(session.SpectraAvailable, false);
    QCOMPARE(session.SpectrumCount(), 3);
    QCOMPARE(session.SessionState, SessionSaved);
    QCOMPARE(session.FileName, before.FileName);
    QVERIFY(session.SavedParameters == before.SavedParameters);
}

void TestFichiers::failedWriteKeepsPreviousFile() {
    const QString path = m_dir.filePath(QStringLiteral("previous.ovra"));
    QVERIFY(WriteMeasurementFile(path, SampleSession(QStringLiteral("rolle3"))).Ok());
    const QByteArray previous = FileBytes(path);

    Session inconsistent = SampleSession(QStringLiteral("rolle3"));
    inconsistent.MeasurementCount = 4; // one spectrum short
    const FileOutcome outcome = WriteMeasurementFile(path, inconsistent);
    QCOMPARE(outcome.kind, FileOutcome::Failed);
    QVERIFY(outcome.message.contains(QStringLiteral("previous.ovra")));
    QCOMPARE(FileBytes(path), previous);

    const QString nowhere = m_dir.filePath(QStringLiteral("missing/dir/x.ovra"));
    const FileOutcome missing =
        WriteMeasurementFile(nowhere, SampleSession(QStringLiteral("single")));
    QCOMPARE(missing.kind, FileOutcome::Failed);
    QVERIFY(missing.message.contains(QStringLiteral("x.ovra")));
}

void TestFichiers::unopenableFileNamesIt() {
    Session session;
    const FileOutcome outcome =
        ReadMeasurementFile(m_dir.filePath(QStringLiteral("none.ovra")), session);
    QCOMPARE(outcome.kind, FileOutcome::Failed);
    QVERIFY(outcome.message.contains(QStringLiteral("none.ovra")));
    QCOMPARE(ReadMeasurementFile(m_dir.path(), session).kind, FileOutcome::Failed);
#ifdef Q_OS_UNIX
    // A device that never ends a line must not be read into memory without end.
    QCOMPARE(ReadMeasurementFile(QStringLiteral("/dev/zero"), session).kind, FileOutcome::Failed);
#endif
}

QTEST_GUILESS_MAIN(TestFichiers)
#include "test_fichiers.moc"
