// The display's arithmetic without widgets: steps, sums, window table,
// cursor columns and the two-decimal format under the user's locale.

#include "displaysession.h"
#include "ui/display/displaysteps.h"
#include "ui/display/energywindows.h"

#include <QLocale>
#include <QTest>
#include <limits>

class TestDisplayLogic : public QObject {
    Q_OBJECT
private slots:
    void formatFixed2_data();
    void formatFixed2();
    void stepSums_data();
    void stepSums();
    void windowTable_data();
    void windowTable();
    void windowSums_data();
    void windowSums();
    void cursorColumn_data();
    void cursorColumn();
};

void TestDisplayLogic::formatFixed2_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("tie rounds up to even") << 12.375 << "12.38";
    QTest::newRow("tie stays even") << 0.125 << "0.12";
    QTest::newRow("just below a tie in binary") << 2.675 << "2.67";
    QTest::newRow("whole number") << 3.0 << "3.00";
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("negative") << -1.5 << "-1.50";
    QTest::newRow("large") << 123456.789 << "123456.79";
}

void TestDisplayLogic::formatFixed2() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    // Run a second time under a French locale: the separator is the user's.
    const QLocale locale = QLocale::system();
    expected.replace(QLatin1Char('.'), locale.decimalPoint());
    expected.replace(QLatin1Char('-'), locale.negativeSign());
    QCOMPARE(FormatFixed2(value), expected);
}

void TestDisplayLogic::stepSums_data() {
    QTest::addColumn<int>("measurements");
    QTest::addColumn<int>("spectra");
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("expectedSteps");
    QTest::addColumn<bool>("available");
    QTest::newRow("single measurement") << 1 << 1 << 1 << 0 << 1 << true;
    QTest::newRow("third of three") << 3 << 3 << 1 << 2 << 3 << true;
    QTest::newRow("past the last") << 3 << 3 << 1 << 3 << 3 << false;
    QTest::newRow("pairs of five") << 5 << 5 << 2 << 1 << 2 << true;
    QTest::newRow("remainder never shown") << 5 << 5 << 2 << 2 << 2 << false;
    QTest::newRow("triples") << 6 << 6 << 3 << 1 << 2 << true;
    QTest::newRow("no measurement") << 0 << 0 << 1 << 0 << 0 << false;
    QTest::newRow("fewer spectra than counted") << 3 << 2 << 1 << 2 << 3 << false;
    QTest::newRow("negative step") << 3 << 3 << 1 << -1 << 3 << false;
}

void TestDisplayLogic::stepSums() {
    QFETCH(int, measurements);
    QFETCH(int, spectra);
    QFETCH(int, groupSize);
    QFETCH(int, step);
    QFETCH(int, expectedSteps);
    QFETCH(bool, available);
    Session session;
    FillSession(session, QStringLiteral("Rolle"), measurements, spectra);

    QCOMPARE(StepCount(session, groupSize), expectedSteps);
    QCOMPARE(StepAvailable(session, step, groupSize), available);
    const QList<QPointF> points = StepPoints(session, step, groupSize);
    if (!available) {
        QVERIFY(points.isEmpty());
        return;
    }
    QCOMPARE(points.size(), ChannelCount - 1);
    for (int c = 0; c < ChannelCount - 1; ++c) {
        qint64 sum = 0;
        for (int i = 0; i < groupSize; ++i)
            sum += SampleCount(step * groupSize + i, c);
        QCOMPARE(points[c], QPointF(c, double(sum)));
    }
}

void TestDisplayLogic::windowTable_data() {
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("bounds");
    QTest::newRow("one window") << QStringList{"1", "40", "100"} << true << 1
                                << QList<int>{40, 100, 7, 7, 7, 7, 7, 7};
    QTest::newRow("bounds limited to the channels")
        << QStringList{"1", "-5", "300"} << true << 1 << QList<int>{0, 127, 7, 7, 7, 7, 7, 7};
    QTest::newRow("count limited to four")
        << QStringList{"9", "1", "2", "3", "4", "5", "6", "7", "8"} << true << 4
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("bounds beyond the count kept")
        << QStringList{"2", "10", "20", "30", "40", "x", "y"} << true << 2
        << QList<int>{10, 20, 30, 40, 7, 7, 7, 7};
    QTest::newRow("blanks around numbers")
        << QStringList{" 1", "40 ", " 100 "} << true << 1 << QList<int>{40, 100, 7, 7, 7, 7, 7, 7};
    QTest::newRow("no window") << QStringList{"0", "40", "100"} << true << 0
                               << QList<int>{7, 7, 7, 7, 7, 7, 7, 7};
    QTest::newRow("negative count")
        << QStringList{"-2", "40", "100"} << true << 0 << QList<int>{7, 7, 7, 7, 7, 7, 7, 7};
    QTest::newRow("count not a number")
        << QStringList{"un", "40", "100"} << false << 0 << QList<int>{7, 7, 7, 7, 7, 7, 7, 7};
    QTest::newRow("count with decimals")
        << QStringList{"1.5", "40", "100"} << false << 0 << QList<int>{7, 7, 7, 7, 7, 7, 7, 7};
    QTest::newRow("empty count") << QStringList{} << false << 0
                                 << QList<int>{7, 7, 7, 7, 7, 7, 7, 7};
    QTest::newRow("later bound not a number: nothing half loaded")
        << QStringList{"2", "40", "100", "4x", "60"} << false << 0
        << QList<int>{7, 7, 7, 7, 7, 7, 7, 7};
}

void TestDisplayLogic::windowTable() {
    QFETCH(QStringList, parameters);
    QFETCH(bool, loaded);
    QFETCH(int, count);
    QFETCH(QList<int>, bounds);
    Session session;
    SetWindowParameters(session, parameters);
    EnergyWindowTable table;
    table.WindowCount = 3;
    table.WindowBounds.fill(7);

    QCOMPARE(LoadCursorPositions(session.Parameters, table), loaded);
    QCOMPARE(table.WindowCount, count);
    QCOMPARE(QList<int>(table.WindowBounds.begin(), table.WindowBounds.end()), bounds);
}

void TestDisplayLogic::windowSums_data() {
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("measurement");
    QTest::addColumn<qint64>("expected");
    auto sum = [](int m, int lo, int hi) {
        qint64 s = 0;
        for (int c = lo; c <= hi; ++c)
            s += SampleCount(m, c);
        return s;
    };
    QTest::newRow("40 to 100 inclusive") << 40 << 100 << 1 << sum(1, 40, 100);
    QTest::newRow("one channel") << 70 << 70 << 2 << qint64(SampleCount(2, 70));
    QTest::newRow("reversed counts nothing") << 100 << 40 << 1 << qint64(0);
    QTest::newRow("whole spectrum") << 0 << 127 << 0 << sum(0, 0, 127);
    QTest::newRow("no such measurement") << 40 << 100 << 3 << qint64(0);
    QTest::newRow("negative measurement") << 40 << 100 << -1 << qint64(0);
}

void TestDisplayLogic::windowSums() {
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(int, measurement);
    QFETCH(qint64, expected);
    Session session;
    FillSession(session, QStringLiteral("Rolle"), 3);
    EnergyWindowTable table;
    table.WindowCount = 2;
    table.WindowBounds = {0, 0, lo, hi, 0, 0, 0, 0};
    QCOMPARE(qint64(CalculROIs(session, table, measurement, 2)), expected);
}

void TestDisplayLogic::cursorColumn_data() {
    QTest::addColumn<double>("channel");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("expected");
    // A plot 254 pixels wide from x = 50: two pixels per channel on 0 … 127.
    QTest::newRow("left edge") << 0.0 << 0.0 << 127.0 << 50;
    QTest::newRow("right edge") << 127.0 << 0.0 << 127.0 << 304;
    QTest::newRow("inside") << 40.0 << 0.0 << 127.0 << 130;
    QTest::newRow("half to even, down") << 1.0 << 0.0 << 508.0 << 50;
    QTest::newRow("half to even, up") << 3.0 << 0.0 << 508.0 << 52;
    QTest::newRow("panned range") << 40.0 << 40.0 << 103.0 << 50;
    QTest::newRow("left of the range") << 10.0 << 40.0 << 103.0 << -71;
}

void TestDisplayLogic::cursorColumn() {
    QFETCH(double, channel);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, expected);
    QCOMPARE(CursorColumn(channel, minimum, maximum, 50, 254), expected);
}

QTEST_GUILESS_MAIN(TestDisplayLogic)
#include "tst_displaylogic.moc"
