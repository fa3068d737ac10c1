// "ovra summary" run as the built program: the per-measurement table in JSON
// and CSV against the sample sessions, the range statistics, and what it
// refuses with nothing on stdout.

#include "samplesessions.h"

#include "analysis/measurementtable.h"
#include "analysis/rangestatistics.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Run Summary(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"), QStringList{"summary"} + arguments);
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

MeasurementTable SampleTable(const QString& name) {
    const Session session = SampleSession(name);
    return BuildMeasurementTable(session, LoadWindowBounds(session.Parameters).table);
}

using L = QStringList;

} // namespace

class TestOvraSummary : public QObject {
    Q_OBJECT
private slots:
    void json_data();
    void json();
    void csv();
    void refusals_data();
    void refusals();

private:
    QTemporaryDir m_dir;
};

void TestOvraSummary::json_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("from"); // 1-based, inclusive
    QTest::addColumn<int>("to");
    QTest::newRow("rolle3, all") << "rolle3" << 1 << 3;
    QTest::newRow("thomas5, one") << "thomas5" << 4 << 4;
    QTest::newRow("single") << "single" << 1 << 1;
    QTest::newRow("test3, last two") << "test3" << 2 << 3;
}

void TestOvraSummary::json() {
    QFETCH(QString, name);
    QFETCH(int, from);
    QFETCH(int, to);
    const Run run = Summary(
        {Sample(name), "--json", "--from", QString::number(from), "--to", QString::number(to)});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    const QJsonObject object = QJsonDocument::fromJson(run.out).object();
    const MeasurementTable table = SampleTable(name);
    QCOMPARE(object["count"].toInt(), table.MeasurementCount());
    const QJsonArray windows = object["windows"].toArray();
    QCOMPARE(windows.size(), table.SeriesCount() - 1);
    QCOMPARE(windows[0].toObject()["lo"].toInt(), 40); // parameters 30 and 31 of the samples
    QCOMPARE(windows[0].toObject()["hi"].toInt(), 100);
    const QJsonArray rows = object["measurements"].toArray();
    QCOMPARE(rows.size(), table.MeasurementCount());
    for (int m = 0; m < rows.size(); ++m) {
        const QJsonObject row = rows[m].toObject();
        QCOMPARE(row["measurement"].toInt(), m + 1);
        QCOMPARE(row["phase"].toString(), MeasurementPhase(table.Method, m));
        QVERIFY(row["total"].isDouble());
        QCOMPARE(qint64(row["total"].toDouble()), table.Series[0][m]);
        QCOMPARE(qint64(row["windows"].toArray()[0].toDouble()), table.Series[1][m]);
    }
    const QJsonObject range = object["range"].toObject();
    QCOMPARE(range["from"].toInt(), from);
    QCOMPARE(range["to"].toInt(), to);
    const QJsonObject total = range["series"].toArray()[0].toObject();
    qint64 sum = 0;
    for (int m = from - 1; m < to; ++m)
        sum += table.Series[0][m];
    QCOMPARE(total["series"].toString(), QStringLiteral("total"));
    QCOMPARE(total["n"].toInt(), to - from + 1);
    QCOMPARE(qint64(total["sum"].toDouble()), sum);
    QCOMPARE(total["mean"].toDouble(), double(sum) / (to - from + 1));
    QCOMPARE(total["sqrt_sum"].toDouble(), std::sqrt(double(sum)));
}

// The table, then the statistics with a decimal point whatever the locale:
// a comma would split the field.
void TestOvraSummary::csv() {
    const Run run = Summary({Sample("thomas5"), "--csv", "--from", "2"});
    QCOMPARE(run.exitCode, 0);
    const MeasurementTable table = SampleTable("thomas5");
    const QList<QByteArray> blocks = run.out.split('\n');
    QCOMPARE(blocks[0], QByteArray("measurement,phase,total,Ch 40-100"));
    QCOMPARE(blocks[1], "1,Comptage 0," + QByteArray::number(table.Series[0][0]) + ',' +
                            QByteArray::number(table.Series[1][0]));
    QCOMPARE(blocks[6], QByteArray());
    QCOMPARE(blocks[7], QByteArray("series,n,sum,mean,standard_deviation,minimum,minimum_at,"
                                   "maximum,maximum_at,sqrt_sum"));
    const RangeStatistics stats = ComputeRangeStatistics(table.Series[0], 1, 4);
    const QList<QByteArray> fields = blocks[8].split(',');
    QCOMPARE(fields.size(), 10);
    QCOMPARE(fields[1], QByteArray("4"));
    QCOMPARE(fields[2].toLongLong(), stats.Sum);
    QCOMPARE(fields[3], QByteArray::number(stats.Mean, 'f', 3));
    QCOMPARE(fields[6].toInt(), stats.MinimumAt + 1);
}

void TestOvraSummary::refusals_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QVERIFY(m_dir.isValid());
    QFile sample(Sample("rolle3"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    QByteArray bytes = sample.readAll();
    bytes.replace("CH_MAX\t100\t", "CH_MAX\t1OO\t");
    const QString badWindow = m_dir.filePath("bad window.ovra");
    QFile out(badWindow);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    out.close();
    const QString rolle3 = Sample("rolle3");
    QTest::newRow("from 0") << L{rolle3, "--from", "0"} << 2 << "--from";
    QTest::newRow("to past the last") << L{rolle3, "--to", "4"} << 2 << "--to";
    QTest::newRow("from after to") << L{rolle3, "--from", "3", "--to", "2"} << 2 << "--from 3";
    QTest::newRow("both formats") << L{rolle3, "--json", "--csv"} << 2 << "--json";
    QTest::newRow("spectra unavailable")
        << L{Sample("unavailable"), "--json"} << 3 << "unavailable.ovra";
    QTest::newRow("window bound not a number") << L{badWindow, "--csv"} << 3 << "'1OO'";
}

void TestOvraSummary::refusals() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const Run run = Summary(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(run.out.isEmpty(), run.out.constData());
}

QTEST_GUILESS_MAIN(TestOvraSummary)
#include "test_ovrasummary.moc"
