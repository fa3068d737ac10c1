// The mouse conveniences over the chart: the wheel takes the buttons' steps,
// a double-click fits the count scale on the ladder of those steps, and
// hovering names the channel and count under the pointer.

#include "ui/display/chartconveniences.h"
#include "ui/display/spectrumchart.h"

#include <QLineSeries>
#include <QTest>
#include <QWheelEvent>

class TestChartConveniences : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void wheelTakesTheButtonsSteps_data();
    void wheelTakesTheButtonsSteps();
    void doubleClickFits_data();
    void doubleClickFits();
    void hoverNamesChannelAndCount();

private:
    QPoint PlotPoint(double channel) const;
    ChartConveniences* Helper() const { return m_chart->findChild<ChartConveniences*>(); }

    DisplayState m_state;
    SpectrumChart* m_chart = nullptr;
};

void TestChartConveniences::init() {
    m_state = DisplayState();
    m_chart = new SpectrumChart(m_state);
    m_chart->resize(800, 500);
    m_chart->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_chart));
    QVERIFY(Helper());
}

void TestChartConveniences::cleanup() {
    delete m_chart;
    m_chart = nullptr;
}

QPoint TestChartConveniences::PlotPoint(double channel) const {
    const QRect plot = m_chart->PlotRect();
    return QPoint(m_chart->CursorColumnOf(channel), plot.center().y());
}

void TestChartConveniences::wheelTakesTheButtonsSteps_data() {
    QTest::addColumn<QList<int>>("deltas"); // eighths of a degree, one event each
    QTest::addColumn<int>("ups");           // "+" presses giving the same scale
    QTest::addColumn<int>("downs");
    QTest::addColumn<bool>("overPlot");
    QTest::newRow("one notch up") << QList<int>{120} << 1 << 0 << true;
    QTest::newRow("three notches up") << QList<int>{120, 120, 120} << 3 << 0 << true;
    QTest::newRow("two notches down") << QList<int>{-120, -120} << 0 << 2 << true;
    QTest::newRow("two notches in one event") << QList<int>{240} << 2 << 0 << true;
    QTest::newRow("half notches add up") << QList<int>{60, 60, 60} << 1 << 0 << true;
    QTest::newRow("back and forth") << QList<int>{120, -120, -120} << 0 << 1 << true;
    QTest::newRow("far beyond the start") << QList<int>(12, 120) << 12 << 0 << true;
    QTest::newRow("outside the plot") << QList<int>{120, 120} << 0 << 0 << false;
}

void TestChartConveniences::wheelTakesTheButtonsSteps() {
    QFETCH(QList<int>, deltas);
    QFETCH(int, ups);
    QFETCH(int, downs);
    QFETCH(bool, overPlot);
    const QPoint at = overPlot ? PlotPoint(60) : QPoint(2, 2);
    for (int delta : deltas) {
        QWheelEvent wheel(at, m_chart->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(m_chart->viewport(), &wheel);
    }
    DisplayState state;
    SpectrumChart buttons(state);
    for (int i = 0; i < ups; ++i)
        buttons.ButtonScaleUpClick();
    for (int i = 0; i < downs; ++i)
        buttons.ButtonScaleDownClick();
    QCOMPARE(m_chart->CountMaximum(), buttons.CountMaximum());
    QCOMPARE(m_chart->CountMaximum() * double(1 << ups) / double(1 << downs), 1000.0);
}

void TestChartConveniences::doubleClickFits_data() {
    QTest::addColumn<int>("startUps"); // "+" presses before: the ladder's rung
    QTest::addColumn<int>("highest");  // highest count plotted, at channel 77
    QTest::addColumn<double>("fitted");
    QTest::newRow("small peak") << 0 << 391 << 500.0;
    QTest::newRow("high peak") << 0 << 4645 << 8000.0;
    QTest::newRow("exactly the scale") << 0 << 1000 << 1000.0;
    QTest::newRow("one above") << 0 << 1001 << 2000.0;
    QTest::newRow("half exactly") << 0 << 500 << 500.0;
    QTest::newRow("below a hundred") << 0 << 60 << 62.5;
    QTest::newRow("from a zoomed-in scale") << 3 << 6537 << 8000.0;
    QTest::newRow("a single count") << 0 << 1 << 1.953125;
    QTest::newRow("nothing counted: unchanged") << 2 << 0 << 250.0;
}

void TestChartConveniences::doubleClickFits() {
    QFETCH(int, startUps);
    QFETCH(int, highest);
    QFETCH(double, fitted);
    for (int i = 0; i < startUps; ++i)
        m_chart->ButtonScaleUpClick();
    QList<QPointF> points;
    for (int ch = 0; ch < 127; ++ch)
        points << QPointF(ch, ch == 77 ? highest : highest / 3);
    m_chart->ShowPoints(points);
    QTest::mouseDClick(m_chart->viewport(), Qt::LeftButton, Qt::NoModifier, PlotPoint(30));
    QCOMPARE(m_chart->CountMaximum(), fitted);
    // The channels stay where they were.
    QCOMPARE(m_chart->ChannelMinimum(), 0.0);
    QCOMPARE(m_chart->ChannelMaximum(), 127.0);
}

void TestChartConveniences::hoverNamesChannelAndCount() {
    QList<QPointF> points;
    for (int ch = 0; ch < 127; ++ch)
        points << QPointF(ch, ch * 10 + 3);
    m_chart->ShowPoints(points);
    QCOMPARE(Helper()->HoverText(PlotPoint(40)), QStringLiteral("Canal 40 : 403 coups"));
    QCOMPARE(Helper()->HoverText(PlotPoint(0)), QStringLiteral("Canal 0 : 3 coups"));
    QCOMPARE(Helper()->HoverText(PlotPoint(127)), QString()); // never plotted
    QCOMPARE(Helper()->HoverText(QPoint(1, 1)), QString());
    m_chart->ButtonScaleRightClick(); // 0 ... 63: columns are wider
    QCOMPARE(Helper()->HoverText(PlotPoint(21)), QStringLiteral("Canal 21 : 213 coups"));
}

QTEST_MAIN(TestChartConveniences)
#include "tst_chartconveniences.moc"
