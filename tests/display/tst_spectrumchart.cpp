// The spectrum chart alone: the plotted line, the four scale buttons and the
// pan clamp, with the mouse where it matters.

#include "displaysession.h"
#include "ui/display/displaysteps.h"
#include "ui/display/spectrumchart.h"

#include <QLineSeries>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QValueAxis>

using Range = QPair<double, double>;

// Qt's object hooks, the ones debugging tools use: every QObject made and
// destroyed passes through them, so a test can count the objects left behind.
extern quintptr Q_CORE_EXPORT qtHookData[];

namespace {

enum HookIndex { AddQObjectHook = 3, RemoveQObjectHook = 4 };
qint64 LiveObjects = 0;

void ObjectAdded(QObject*) {
    ++LiveObjects;
}

void ObjectRemoved(QObject*) {
    --LiveObjects;
}

} // namespace

class TestSpectrumChart : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void plotsChannelsBelow127();
    void channelZoom_data();
    void channelZoom();
    void zoomActsOnTheMaximumAfterPanning();
    void panClamp_data();
    void panClamp();
    void mouseDragPansHorizontallyOnly();
    void countScale_data();
    void countScale();
    void wholeBackgroundWhite();
    void nothingLeftBehind_data();
    void nothingLeftBehind();

private:
    Range ChannelRange() const { return {m_chart->ChannelMinimum(), m_chart->ChannelMaximum()}; }
    void Click(void (SpectrumChart::*button)(), int times);

    DisplayState m_state;
    SpectrumChart* m_chart = nullptr;
};

void TestSpectrumChart::init() {
    m_state = DisplayState();
    m_chart = new SpectrumChart(m_state);
    m_chart->resize(800, 500);
    m_chart->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_chart));
}

void TestSpectrumChart::cleanup() {
    delete m_chart;
    m_chart = nullptr;
}

void TestSpectrumChart::Click(void (SpectrumChart::*button)(), int times) {
    for (int i = 0; i < times; ++i)
        (m_chart->*button)();
}

void TestSpectrumChart::plotsChannelsBelow127() {
    Session session;
    FillSession(session, QStringLiteral("Rolle"), 3);
    m_chart->ShowPoints(StepPoints(session, 2, 1));
    const QList<QPointF> points = m_chart->Series1()->points();
    QCOMPARE(points.size(), 127);
    QCOMPARE(points.first(), QPointF(0, SampleCount(2, 0)));
    QCOMPARE(points.last(), QPointF(126, SampleCount(2, 126)));
    QCOMPARE(m_chart->Series1()->color(), QColor(73, 163, 182));

    // A refill replaces the line; it never grows.
    m_chart->ShowPoints(StepPoints(session, 0, 1));
    QCOMPARE(m_chart->Series1()->count(), 127);
    QCOMPARE(m_chart->Series1()->at(5), QPointF(5, SampleCount(0, 5)));
}

void TestSpectrumChart::channelZoom_data() {
    QTest::addColumn<int>("zoomIn");
    QTest::addColumn<int>("zoomOut");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("span");
    QTest::newRow("once in") << 1 << 0 << 63.0 << 63;
    QTest::newRow("four times in") << 4 << 0 << 7.0 << 7;
    QTest::newRow("fifth refused") << 5 << 0 << 7.0 << 7;
    QTest::newRow("in and out") << 4 << 2 << 31.0 << 31;
    QTest::newRow("back to the whole") << 4 << 4 << 127.0 << 127;
    QTest::newRow("out refused at the whole") << 4 << 5 << 127.0 << 127;
    QTest::newRow("out refused from the start") << 0 << 1 << 127.0 << 127;
}

void TestSpectrumChart::channelZoom() {
    QFETCH(int, zoomIn);
    QFETCH(int, zoomOut);
    QFETCH(double, maximum);
    QFETCH(int, span);
    Click(&SpectrumChart::ButtonScaleRightClick, zoomIn);
    Click(&SpectrumChart::ButtonScaleLeftClick, zoomOut);
    QCOMPARE(ChannelRange(), Range(0.0, maximum));
    QCOMPARE(m_state.VisibleChannelSpan, span);
}

void TestSpectrumChart::zoomActsOnTheMaximumAfterPanning() {
    Click(&SpectrumChart::ButtonScaleRightClick, 1);
    m_chart->PanChannels(40);
    QCOMPARE(ChannelRange(), Range(40, 103));
    Click(&SpectrumChart::ButtonScaleRightClick, 1);
    QCOMPARE(ChannelRange(), Range(40, 51));
    QCOMPARE(m_state.VisibleChannelSpan, 31);
    Click(&SpectrumChart::ButtonScaleLeftClick, 1);
    QCOMPARE(ChannelRange(), Range(40, 103));
    QCOMPARE(m_state.VisibleChannelSpan, 63);
    // From 40 … 51 a further zoom is refused: the minimum would pass the new maximum.
    Click(&SpectrumChart::ButtonScaleRightClick, 1);
    Click(&SpectrumChart::ButtonScaleRightClick, 1);
    QCOMPARE(ChannelRange(), Range(40, 51));
}

void TestSpectrumChart::panClamp_data() {
    QTest::addColumn<int>("zoomIn");
    QTest::addColumn<double>("pan");
    QTest::addColumn<Range>("expected");
    QTest::newRow("past channel 0") << 2 << -10.0 << Range(0, 31);
    QTest::newRow("past channel 127") << 2 << 200.0 << Range(96, 127);
    QTest::newRow("inside the channels") << 2 << 10.0 << Range(10, 41);
    QTest::newRow("exactly to the end") << 2 << 96.0 << Range(96, 127);
    QTest::newRow("whole range cannot move") << 0 << 5.0 << Range(0, 127);
}

void TestSpectrumChart::panClamp() {
    QFETCH(int, zoomIn);
    QFETCH(double, pan);
    QFETCH(Range, expected);
    Click(&SpectrumChart::ButtonScaleRightClick, zoomIn);
    QList<Range> seen;
    connect(m_chart->ChannelAxis(), &QValueAxis::rangeChanged, this, [&seen](qreal min, qreal max) {
        seen.append({min, max});
    });
    m_chart->PanChannels(pan);
    QCOMPARE(ChannelRange(), expected);
    // Every range the axis took keeps the width of a whole span: never a
    // minimum moved without its maximum.
    for (const Range& range : seen)
        QCOMPARE(range.second - range.first, double(m_state.VisibleChannelSpan));
}

void TestSpectrumChart::mouseDragPansHorizontallyOnly() {
    Click(&SpectrumChart::ButtonScaleRightClick, 2);
    const double countMaximum = m_chart->CountMaximum();
    const QRect plot = m_chart->PlotRect();
    QWidget* viewport = m_chart->viewport();
    const QPointF start = plot.center();
    const double pixelsPerChannel = plot.width() / 31.0;

    auto send = [viewport](QEvent::Type type, QPointF at, Qt::MouseButton button,
                           Qt::MouseButtons held) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    // Dragging left by ten channels and down: the channels move, the counts do not.
    send(QEvent::MouseMove, start + QPointF(-10 * pixelsPerChannel, 80), Qt::NoButton,
         Qt::LeftButton);
    QCOMPARE(qRound(m_chart->ChannelMinimum()), 10);
    QCOMPARE(qRound(m_chart->ChannelMaximum()), 41);
    QCOMPARE(m_chart->CountMaximum(), countMaximum);
    // Dragging right past the start snaps back to channel 0.
    send(QEvent::MouseMove, start + QPointF(20 * pixelsPerChannel, 0), Qt::NoButton,
         Qt::LeftButton);
    QCOMPARE(ChannelRange(), Range(0, 31));
    send(QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    // Once released, moving the mouse pans nothing.
    send(QEvent::MouseMove, start + QPointF(-200, 0), Qt::NoButton, Qt::NoButton);
    QCOMPARE(ChannelRange(), Range(0, 31));
}

void TestSpectrumChart::countScale_data() {
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("down");
    QTest::addColumn<double>("maximum");
    QTest::newRow("initial") << 0 << 0 << 1000.0;
    QTest::newRow("three up") << 3 << 0 << 125.0;
    QTest::newRow("three up, one down") << 3 << 1 << 250.0;
    QTest::newRow("no lower limit") << 10 << 0 << 1000.0 / 1024;
    QTest::newRow("no upper limit") << 0 << 6 << 64000.0;
}

void TestSpectrumChart::countScale() {
    QFETCH(int, up);
    QFETCH(int, down);
    QFETCH(double, maximum);
    Click(&SpectrumChart::ButtonScaleUpClick, up);
    Click(&SpectrumChart::ButtonScaleDownClick, down);
    QCOMPARE(m_chart->CountMaximum(), maximum);
    QCOMPARE(m_chart->CountAxis()->min(), 0.0);
}

void TestSpectrumChart::wholeBackgroundWhite() {
    const QImage picture = m_chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect plot = m_chart->PlotRect();
    // Corners, the title's band above the plot and the margin below the axis labels.
    const QPoint outside[] = {{1, 1},
                              {picture.width() - 2, 1},
                              {1, picture.height() - 2},
                              {picture.width() - 2, picture.height() - 2},
                              {plot.left() + 4, 2},
                              {plot.center().x(), picture.height() - 2}};
    for (const QPoint& at : outside)
        QVERIFY2(picture.pixel(at) == qRgb(255, 255, 255),
                 qPrintable(QStringLiteral("(%1, %2) is #%3")
                                .arg(at.x())
                                .arg(at.y())
                                .arg(picture.pixel(at) & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
}

void TestSpectrumChart::nothingLeftBehind_data() {
    QTest::addColumn<bool>("shown");
    QTest::newRow("made and destroyed") << false;
    QTest::newRow("shown, refilled and destroyed") << true;
}

// Every object the chart makes goes with it, the chart the view starts with included.
void TestSpectrumChart::nothingLeftBehind() {
    QFETCH(bool, shown);
    auto cycle = [this, shown] {
        DisplayState state;
        auto* chart = new SpectrumChart(state);
        if (shown) {
            chart->resize(400, 300);
            chart->show();
            QVERIFY(QTest::qWaitForWindowExposed(chart));
            chart->ShowPoints({{0, 1}, {1, 2}});
            chart->SetSpectraUnavailable(true);
        }
        delete chart;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    cycle(); // whatever Qt makes once for the first chart of a program
    const quintptr addBefore = qtHookData[AddQObjectHook];
    const quintptr removeBefore = qtHookData[RemoveQObjectHook];
    qtHookData[AddQObjectHook] = reinterpret_cast<quintptr>(&ObjectAdded);
    qtHookData[RemoveQObjectHook] = reinterpret_cast<quintptr>(&ObjectRemoved);
    LiveObjects = 0;
    cycle();
    qtHookData[AddQObjectHook] = addBefore;
    qtHookData[RemoveQObjectHook] = removeBefore;
    QCOMPARE(LiveObjects, qint64(0));
}

QTEST_MAIN(TestSpectrumChart)
#include "tst_spectrumchart.moc"
