// The statistics layer against hand-worked fixtures: window bounds from the
// parameters, the measurement table, range statistics and the map reduction.

#include "analysis/countmap.h"
#include "analysis/measurementtable.h"
#include "analysis/rangestatistics.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {

constexpr qint32 Big = std::numeric_limits<qint32>::max();

// Measurement m has count (m + 1) × (channel + 1) in every channel, unless `fill` is given.
Session MakeSession(const QString& method, qint32 count, qint32 fill = 0) {
    Session session;
    session.Method = method;
    session.MeasurementCount = count;
    session.SpectraAvailable = true;
    session.Spectra.resize(std::size_t(count) * ChannelCount);
    for (qint32 m = 0; m < count; ++m)
        for (int c = 0; c < ChannelCount; ++c)
            session.Spectra[std::size_t(m) * ChannelCount + c] = fill ? fill : (m + 1) * (c + 1);
    return session;
}

// Σ (m + 1)(c + 1) over channels lo … hi.
qint64 Band(qint32 m, int lo, int hi) {
    return qint64(m + 1) * (qint64(hi + 1) * (hi + 2) / 2 - qint64(lo) * (lo + 1) / 2);
}

} // namespace

class TestAnalysis : public QObject {
    Q_OBJECT
private slots:
    void windowBounds_data();
    void windowBounds();
    void measurementTable();
    void rangeStatistics_data();
    void rangeStatistics();
    void countMap_data();
    void countMap();
    void scaleColour_data();
    void scaleColour();
};

void TestAnalysis::windowBounds_data() {
    QTest::addColumn<QStringList>("parameters"); // 29, 30, …
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("bounds");
    QTest::addColumn<QString>("error");
    QTest::newRow("two windows, the rest kept") << QStringList{"2", " 40", "100 ", "5", "300"} << 2
                                                << QList<int>{40, 100, 5, 127, 9, 9, 9, 9} << "";
    QTest::newRow("count above four held at four")
        << QStringList{"7", "1", "2", "3", "4", "5", "6", "7", "-8"} << 4
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 0} << "";
    QTest::newRow("bound not a number")
        << QStringList{"1", "40", "1e2"} << 0 << QList<int>{9, 9, 9, 9, 9, 9, 9, 9} << "'1e2'";
    QTest::newRow("count not a number")
        << QStringList{""} << 0 << QList<int>{9, 9, 9, 9, 9, 9, 9, 9} << "''";
}

void TestAnalysis::windowBounds() {
    QFETCH(QStringList, parameters);
    QFETCH(int, count);
    QFETCH(QList<int>, bounds);
    QFETCH(QString, error);
    ParameterSet set;
    for (int i = 0; i < parameters.size(); ++i)
        set[WindowCountParameter + i] = parameters[i];
    WindowBoundsTable previous;
    previous.WindowCount = 3;
    previous.WindowBounds.fill(9);
    const WindowBoundsLoad load = LoadWindowBounds(set, previous);
    QCOMPARE(load.ok, error.isEmpty());
    QCOMPARE(load.table.WindowCount, count);
    QCOMPARE(QList<int>(load.table.WindowBounds.begin(), load.table.WindowBounds.end()), bounds);
    // The tool prints this message as it stands: it must name the bad text.
    QVERIFY(error.isEmpty() ? load.error.isEmpty() : load.error.startsWith(error));
}

void TestAnalysis::measurementTable() {
    Session session = MakeSession(QStringLiteral("Rolle"), 4);
    session.MeasurementCount = 5; // a count the spectra do not reach is never read
    WindowBoundsTable windows;
    windows.WindowCount = 3;
    windows.WindowBounds = {40, 100, 70, 70, 100, 40, 0, 0};
    const MeasurementTable table = BuildMeasurementTable(session, windows);
    QCOMPARE(table.SeriesCount(), 4);
    QCOMPARE(table.MeasurementCount(), 4);
    for (qint32 m = 0; m < 4; ++m) {
        QCOMPARE(table.Series[0][m], Band(m, 0, 127));
        QCOMPARE(table.Series[1][m], Band(m, 40, 100));
        QCOMPARE(table.Series[2][m], qint64(m + 1) * 71);
        QCOMPARE(table.Series[3][m], qint64(0)); // hi < lo counts nothing
    }
    QCOMPARE(MeasurementTableText(table, '\t').split('\n').mid(0, 2),
             (QList<QByteArray>{"measurement\tphase\ttotal\tCh 40-100\tCh 70-70\tCh 100-40",
                                "1\tEvaluation 1\t8256\t4331\t71\t0"}));
    QCOMPARE(MeasurementTableText(table, ',').split('\n').at(4), "4,Comptage,33024,17324,284,0");

    session.SpectraAvailable = false;
    QCOMPARE(BuildMeasurementTable(session, windows).MeasurementCount(), 0);

    // 128 channels at the 32-bit limit: the total needs 39 bits.
    const Session full = MakeSession(QStringLiteral("Test"), 2, Big);
    QCOMPARE(BuildMeasurementTable(full, windows).Series[0][1], qint64(Big) * ChannelCount);
    QCOMPARE(MeasurementPhase(QStringLiteral("Thomas"), 7), QStringLiteral("Comptage 7"));
}

void TestAnalysis::rangeStatistics_data() {
    QTest::addColumn<QList<qint64>>("values");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<qint64>("n");
    QTest::addColumn<qint64>("sum");
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("deviation");
    QTest::addColumn<QList<qint64>>(
        "extremes"); // minimum, its measurement, maximum, its measurement
    const QList<qint64> five{4, 9, 1, 9, 1};
    QTest::newRow("range of one") << five << 1 << 1 << qint64(1) << qint64(9) << 9.0 << 0.0
                                  << QList<qint64>{9, 1, 9, 1};
    // Mean 24/5 = 4.8; squares 0.64 + 17.64 + 14.44 + 17.64 + 14.44 = 64.8; 64.8/4 = 16.2.
    QTest::newRow("all, first of equal extremes")
        << five << 0 << 4 << qint64(5) << qint64(24) << 4.8 << std::sqrt(16.2)
        << QList<qint64>{1, 2, 9, 1};
    const qint64 huge = qint64(Big) * ChannelCount;
    QTest::newRow("sums beyond 32 and 39 bits")
        << QList<qint64>{huge, huge, huge - 2} << 0 << 2 << qint64(3) << 3 * huge - 2
        << double(3 * huge - 2) / 3 << std::sqrt(4.0 / 3) << QList<qint64>{huge - 2, 2, huge, 0};
    QTest::newRow("past the end") << five << 3 << 5 << qint64(0) << qint64(0) << 0.0 << 0.0
                                  << QList<qint64>{0, -1, 0, -1};
    QTest::newRow("reversed") << five << 3 << 2 << qint64(0) << qint64(0) << 0.0 << 0.0
                              << QList<qint64>{0, -1, 0, -1};
}

void TestAnalysis::rangeStatistics() {
    QFETCH(QList<qint64>, values);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(qint64, n);
    QFETCH(qint64, sum);
    QFETCH(double, mean);
    QFETCH(double, deviation);
    QFETCH(QList<qint64>, extremes);
    const RangeStatistics stats =
        ComputeRangeStatistics(std::vector<qint64>(values.begin(), values.end()), first, last);
    QCOMPARE(stats.n, n);
    QCOMPARE(stats.Sum, sum);
    QCOMPARE(stats.Mean, mean);
    QVERIFY2(std::abs(stats.StandardDeviation - deviation) < 1e-9,
             qPrintable(QString::number(stats.StandardDeviation)));
    QCOMPARE((QList<qint64>{stats.Minimum, stats.MinimumAt, stats.Maximum, stats.MaximumAt}),
             extremes);
    QCOMPARE(stats.SumUncertainty, std::sqrt(double(sum)));
}

void TestAnalysis::countMap_data() {
    QTest::addColumn<int>("measurements");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QList<int>>("firsts");
    QTest::newRow("one column per measurement") << 3 << 10 << QList<int>{0, 1, 2, 3};
    QTest::newRow("five on two") << 5 << 2 << QList<int>{0, 2, 5};
    QTest::newRow("seven on three") << 7 << 3 << QList<int>{0, 2, 4, 7};
    QTest::newRow("no pixel") << 5 << 0 << QList<int>{};
}

void TestAnalysis::countMap() {
    QFETCH(int, measurements);
    QFETCH(int, pixels);
    QFETCH(QList<int>, firsts);
    const Session session = MakeSession(QStringLiteral("Test"), measurements);
    const CountMap map = ReduceCountMap(session, measurements, pixels);
    QCOMPARE(QList<int>(map.FirstMeasurement.begin(), map.FirstMeasurement.end()), firsts);
    QCOMPARE(map.Columns, std::max(int(firsts.size()) - 1, 0));
    qint64 maximum = 0;
    for (int c = 0; c < map.Columns; ++c) {
        for (int ch : {0, 64, 127}) {
            // Exactly the measurements the column covers, no neighbour.
            qint64 expected = 0;
            for (int m = firsts[c]; m < firsts[c + 1]; ++m)
                expected += qint64(m + 1) * (ch + 1);
            QCOMPARE(map.Cell(c, ch), expected);
            maximum = std::max(maximum, expected);
        }
        for (int m = firsts[c]; m < firsts[c + 1]; ++m)
            QCOMPARE(map.ColumnOf(m), c);
    }
    QCOMPARE(map.MaximumCell, maximum);
    QCOMPARE(map.ColumnOf(measurements), -1);
    QCOMPARE(map.ColumnOf(-1), -1);
}

void TestAnalysis::scaleColour_data() {
    QTest::addColumn<qint64>("count");
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<quint32>("colour");
    QTest::newRow("nothing counted is white") << qint64(0) << qint64(100) << 0xFFFFFFFFu;
    QTest::newRow("negative is white") << qint64(-5) << qint64(100) << 0xFFFFFFFFu;
    QTest::newRow("one count is the darkest") << qint64(1) << qint64(100) << 0xFF440154u;
    QTest::newRow("ten of a hundred is half way") << qint64(10) << qint64(100) << 0xFF21918Cu;
    QTest::newRow("the maximum is the brightest") << qint64(100) << qint64(100) << 0xFFFDE725u;
    QTest::newRow("a lone count") << qint64(1) << qint64(1) << 0xFFFDE725u;
}

void TestAnalysis::scaleColour() {
    QFETCH(qint64, count);
    QFETCH(qint64, maximum);
    QFETCH(quint32, colour);
    QCOMPARE(QString::number(LogScaleColour(count, maximum), 16), QString::number(colour, 16));
}

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
