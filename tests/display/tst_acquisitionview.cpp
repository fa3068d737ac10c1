// The acquisition view as the user sees it: the boxes' fields for each step,
// navigation, the energy window's caption and count, and the cursor lines
// checked on the pixels of the picture.

#include "data/fichiers.h"
#include "displaysession.h"
#include "findchild.h"
#include "ui/display/acquisitionview.h"
#include "ui/display/spectrumchart.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <functional>

// Counts a widget's paints.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

class TestAcquisitionView : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void boxesFollowTheSession();
    void phasesAndResults_data();
    void phasesAndResults();
    void missingSpectra_data();
    void missingSpectra();
    void navigationLimits();
    void secondFileStartsOver();
    void chartMadeWhenASessionIsShown();
    void windowCaptionAndCount_data();
    void windowCaptionAndCount();
    void emptyWindowTableKeepsThePrevious();
    void cursorPixels_data();
    void cursorPixels();
    void cursorSurvivesPartialRepaints();
    void sampleFiles_data();
    void sampleFiles();

private:
    template <typename T> T* Find(const char* name) const { return Child<T>(*m_view, name); }
    QString Text(const char* name) const { return Find<QLineEdit>(name)->text(); }
    void Open(const QString& method, int measurements, int spectra = -1);
    QImage PlotPicture(const QImage& viewPicture, QPoint viewOrigin) const;
    QList<int> RedColumns(const QImage& plot) const;
    QList<int> ExpectedColumns(const QList<int>& channels) const;

    Context m_context;
    AcquisitionView* m_view = nullptr;
    SpectrumChart* m_chart = nullptr;
};

void TestAcquisitionView::init() {
    m_context = Context();
    SetWindowParameters(m_context.Session, {"1", "40", "100"});
    m_view = new AcquisitionView(m_context);
    m_view->resize(1016, 560);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
    m_chart = &m_view->Chart();
}

void TestAcquisitionView::cleanup() {
    delete m_view;
    m_view = nullptr;
}

void TestAcquisitionView::Open(const QString& method, int measurements, int spectra) {
    m_view->CloseSessionDisplay();
    FillSession(m_context.Session, method, measurements, spectra);
    m_view->OpenSessionDisplay();
    m_view->DisplayAcquisition();
}

void TestAcquisitionView::boxesFollowTheSession() {
    const char* boxes[] = {"GroupBoxChartSpectrum", "GroupBoxInfos", "GroupBoxOptionsSpec",
                           "GroupBoxResultats", "GroupBoxEchelleSpec"};
    for (const char* box : boxes)
        QVERIFY2(!Find<QGroupBox>(box)->isVisible(), box);
    // Without a session the logo keeps its place in the top right corner.
    const QWidget* logo = Find<QWidget>("ImageLogo");
    const QRect logoArea(logo->mapTo(m_view, QPoint(0, 0)), logo->size());
    QVERIFY2(m_view->width() - logoArea.right() < 20,
             qPrintable(QString::number(logoArea.right())));
    Open(QStringLiteral("Rolle"), 3);
    for (const char* box : boxes)
        QVERIFY2(Find<QGroupBox>(box)->isVisible(), box);
    QVERIFY(Find<QWidget>("ImageLogo")->isVisible());
    Find<QCheckBox>("CheckBoxDisplayWindowRn")->setChecked(true);
    m_view->CloseSessionDisplay();
    for (const char* box : boxes)
        QVERIFY2(!Find<QGroupBox>(box)->isVisible(), box);
    QVERIFY(!Find<QCheckBox>("CheckBoxDisplayWindowRn")->isChecked());
    QCOMPARE(m_view->State().GroupSize, 1);
}

void TestAcquisitionView::phasesAndResults_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QStringList>("phases");
    QTest::addColumn<bool>("navigable");
    QTest::addColumn<bool>("results");
    QTest::newRow("one measurement") << "Rolle" << QStringList{"Evaluation 1"} << false << false;
    QTest::newRow("Rolle, three") << "Rolle"
                                  << QStringList{"Evaluation 1", "Evaluation 2", "Comptage"} << true
                                  << true;
    QTest::newRow("Rolle, four: the fourth keeps the phase before")
        << "Rolle" << QStringList{"Evaluation 1", "Evaluation 2", "Comptage", "Comptage"} << true
        << false;
    QTest::newRow("Test, three") << "Test" << QStringList{"", "", ""} << true << false;
    QTest::newRow("Thomas, five") << "Thomas"
                                  << QStringList{"Comptage 0", "Comptage 1", "Comptage 2",
                                                 "Comptage 3", "Comptage 4"}
                                  << true << false;
    QTest::newRow("method compared with its case")
        << "rolle" << QStringList{"", "", ""} << true << true;
}

void TestAcquisitionView::phasesAndResults() {
    QFETCH(QString, method);
    QFETCH(QStringList, phases);
    QFETCH(bool, navigable);
    QFETCH(bool, results);
    Open(method, int(phases.size()));

    QCOMPARE(Find<QPushButton>("ButtonBackward")->isEnabled(), navigable);
    QCOMPARE(Find<QPushButton>("ButtonForward")->isEnabled(), navigable);
    QCOMPARE(Find<QSlider>("TrackBarTimePosition")->isEnabled(), navigable);
    const QString decimal = QLocale::system().decimalPoint();
    QCOMPARE(Text("EditVolume"), results ? "12" + decimal + "38" : QString());
    QCOMPARE(Text("EditEAPV"), results ? "0" + decimal + "12" : QString());

    for (int step = 0; step < phases.size(); ++step) {
        if (step > 0)
            Find<QPushButton>("ButtonForward")->click();
        QCOMPARE(m_view->CurrentStep(), step);
        QCOMPARE(Text("EditPhase"), phases[step]);
        QCOMPARE(Text("EditPositionClock"), QStringLiteral("12/03/2021 14:05"));
        QCOMPARE(Text("EditMethode"), method);
        // Which measurement is shown, where the phase may not tell.
        const QString position = QStringLiteral("Mesure %1 / %2").arg(step + 1).arg(phases.size());
        QCOMPARE(Find<QLabel>("LabelMeasurePosition")->text(), position);
        QCOMPARE(Find<QSlider>("TrackBarTimePosition")->toolTip(), position);
        QCOMPARE(m_chart->Series1()->count(), 127);
        QCOMPARE(m_chart->Series1()->at(126).y(), double(SampleCount(step, 126)));
    }
}

void TestAcquisitionView::missingSpectra_data() {
    QTest::addColumn<int>("measurements");
    QTest::addColumn<int>("spectra");
    QTest::addColumn<int>("step");
    QTest::newRow("no measurement") << 0 << 0 << 0;
    QTest::newRow("count above the spectra held") << 3 << 2 << 2;
}

void TestAcquisitionView::missingSpectra() {
    QFETCH(int, measurements);
    QFETCH(int, spectra);
    QFETCH(int, step);
    Open(QStringLiteral("Rolle"), measurements, spectra);
    Find<QCheckBox>("CheckBoxDisplayWindowRn")->setChecked(true);
    Find<QSlider>("TrackBarTimePosition")->setValue(step);
    QCOMPARE(m_view->CurrentStep(), step);
    QCOMPARE(m_chart->Series1()->count(), 0);
    for (const char* field : {"EditPositionClock", "EditMethode", "EditPhase"})
        QVERIFY2(Text(field).isEmpty(), field);
    QCOMPARE(Text("EditROI1"), QStringLiteral("0"));
}

void TestAcquisitionView::navigationLimits() {
    Open(QStringLiteral("Rolle"), 3);
    auto* bar = Find<QSlider>("TrackBarTimePosition");
    QSignalSpy moves(bar, &QSlider::valueChanged);
    Find<QPushButton>("ButtonBackward")->click();
    QCOMPARE(m_view->CurrentStep(), 0);
    QCOMPARE(moves.count(), 0);

    // The track bar takes the arrow keys.
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(m_view->CurrentStep(), 1);
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(m_view->CurrentStep(), 2);
    QCOMPARE(Text("EditPhase"), QStringLiteral("Comptage"));
    moves.clear();
    Find<QPushButton>("ButtonForward")->click();
    QCOMPARE(m_view->CurrentStep(), 2);
    QCOMPARE(moves.count(), 0);
    QVERIFY(Find<QPushButton>("ButtonForward")->autoRepeat());
    QVERIFY(Find<QPushButton>("ButtonBackward")->autoRepeat());
}

// The program's first picture does not wait for a chart nobody sees; the
// first session shown gets it, above its track bar.
void TestAcquisitionView::chartMadeWhenASessionIsShown() {
    Context context;
    SetWindowParameters(context.Session, {"1", "40", "100"});
    AcquisitionView view(context);
    view.resize(1016, 560);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(!view.findChild<SpectrumChart*>());
    FillSession(context.Session, QStringLiteral("Rolle"), 3, -1);
    view.OpenSessionDisplay();
    view.DisplayAcquisition();
    auto* chart = view.findChild<SpectrumChart*>(QStringLiteral("ChartSpectrum"));
    QVERIFY(chart);
    QTRY_VERIFY(chart->isVisible());
    QCOMPARE(chart, &view.Chart());
    QVERIFY(chart->geometry().bottom() < Child<QSlider>(view, "TrackBarTimePosition")->y());
    QCOMPARE(chart->Series1()->count(), 127);
}

void TestAcquisitionView::secondFileStartsOver() {
    Open(QStringLiteral("Thomas"), 5);
    Find<QSlider>("TrackBarTimePosition")->setValue(3);
    Find<QPushButton>("ButtonScaleUp")->click();
    Find<QPushButton>("ButtonScaleRight")->click();
    m_chart->PanChannels(20);
    QCOMPARE(m_view->State().VisibleChannelSpan, 63);

    Open(QStringLiteral("Rolle"), 3);
    QCOMPARE(m_view->CurrentStep(), 0);
    QCOMPARE(Text("EditPhase"), QStringLiteral("Evaluation 1"));
    QCOMPARE(m_chart->Series1()->at(10).y(), double(SampleCount(0, 10)));
    QCOMPARE(m_chart->ChannelMinimum(), 0.0);
    QCOMPARE(m_chart->ChannelMaximum(), 127.0);
    QCOMPARE(m_view->State().VisibleChannelSpan, 127);
    QCOMPARE(m_chart->CountMaximum(), 500.0);
}

void TestAcquisitionView::windowCaptionAndCount_data() {
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::newRow("40 to 100") << QStringList{"1", "40", "100"} << "Ch 40-100" << 40 << 100;
    QTest::newRow("one channel") << QStringList{"1", "70", "70"} << "Ch 70-70" << 70 << 70;
    QTest::newRow("reversed") << QStringList{"1", "100", "40"} << "Ch 100-40" << 1 << 0;
    QTest::newRow("limited to the channels")
        << QStringList{"1", "-3", "500"} << "Ch 0-127" << 0 << 127;
}

void TestAcquisitionView::windowCaptionAndCount() {
    QFETCH(QStringList, parameters);
    QFETCH(QString, caption);
    QFETCH(int, lo);
    QFETCH(int, hi);
    SetWindowParameters(m_context.Session, parameters);
    Open(QStringLiteral("Rolle"), 3);
    auto* check = Find<QCheckBox>("CheckBoxDisplayWindowRn");
    QCOMPARE(check->text(), caption);
    QVERIFY(!Find<QLineEdit>("EditROI1")->isVisible());
    QVERIFY(!Find<QFrame>("ColorWindow1")->isVisible());

    auto expected = [lo, hi](int step) {
        qint64 sum = 0;
        for (int c = lo; c <= hi; ++c)
            sum += SampleCount(step, c);
        return QString::number(sum);
    };
    check->setChecked(true);
    QVERIFY(Find<QLineEdit>("EditROI1")->isVisible());
    QVERIFY(Find<QFrame>("ColorWindow1")->isVisible());
    QCOMPARE(Text("EditROI1"), expected(0));
    Find<QPushButton>("ButtonForward")->click();
    QCOMPARE(Text("EditROI1"), expected(1));
    // The count covers the window even when the chart shows other channels.
    for (int i = 0; i < 2; ++i)
        Find<QPushButton>("ButtonScaleRight")->click();
    Find<QPushButton>("ButtonForward")->click();
    QCOMPARE(Text("EditROI1"), expected(2));
    check->setChecked(false);
    QVERIFY(!Find<QLineEdit>("EditROI1")->isVisible());
    QVERIFY(!Find<QFrame>("ColorWindow1")->isVisible());
}

void TestAcquisitionView::emptyWindowTableKeepsThePrevious() {
    QCOMPARE(Find<QCheckBox>("CheckBoxDisplayWindowRn")->text(), QStringLiteral("Canaux (40-100)"));
    Open(QStringLiteral("Rolle"), 3);
    Find<QCheckBox>("CheckBoxDisplayWindowRn")->setChecked(true);
    const QString count = Text("EditROI1");
    for (const QStringList& table : {QStringList{"0"}, QStringList{"1", "4O", "100"}}) {
        SetWindowParameters(m_context.Session, table);
        Open(QStringLiteral("Rolle"), 3);
        QCOMPARE(m_view->State().Windows.WindowCount, 0);
        QCOMPARE(Find<QCheckBox>("CheckBoxDisplayWindowRn")->text(), QStringLiteral("Ch 40-100"));
        Find<QCheckBox>("CheckBoxDisplayWindowRn")->setChecked(true);
        QCOMPARE(Text("EditROI1"), count);
    }
}

void TestAcquisitionView::cursorPixels_data() {
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<int>("zoomIn");
    QTest::addColumn<QList<int>>("lines");
    QTest::newRow("two lines") << QStringList{"1", "41", "99"} << 0 << QList<int>{41, 99};
    QTest::newRow("equal bounds cancel") << QStringList{"1", "50", "50"} << 0 << QList<int>{};
    QTest::newRow("bound on the left edge") << QStringList{"1", "0", "99"} << 0 << QList<int>{99};
    QTest::newRow("bound on the right edge")
        << QStringList{"1", "41", "127"} << 0 << QList<int>{41};
    QTest::newRow("window outside the zoom") << QStringList{"1", "40", "100"} << 2 << QList<int>{};
    QTest::newRow("one bound inside the zoom")
        << QStringList{"1", "13", "100"} << 2 << QList<int>{13};
}

QImage TestAcquisitionView::PlotPicture(const QImage& viewPicture, QPoint viewOrigin) const {
    const QRect plot = m_chart->PlotRect().translated(
        m_chart->viewport()->mapTo(m_view, QPoint(0, 0)) + viewOrigin);
    // Leave out the plot's border rows, where the frame and the axis cross.
    return viewPicture.copy(plot.adjusted(0, 2, 0, -2));
}

// Columns (relative to the plot's left edge) where most pixels are pure red.
QList<int> TestAcquisitionView::RedColumns(const QImage& plot) const {
    QList<int> columns;
    for (int x = 0; x < plot.width(); ++x) {
        int red = 0;
        for (int y = 0; y < plot.height(); ++y)
            red += plot.pixel(x, y) == qRgb(255, 0, 0);
        if (red > 0)
            columns.append(red > plot.height() * 3 / 4 ? x : -x);
    }
    return columns;
}

QList<int> TestAcquisitionView::ExpectedColumns(const QList<int>& channels) const {
    QList<int> columns;
    for (int channel : channels)
        columns.append(m_chart->CursorColumnOf(channel) - m_chart->PlotRect().left());
    return columns;
}

void TestAcquisitionView::cursorPixels() {
    QFETCH(QStringList, parameters);
    QFETCH(int, zoomIn);
    QFETCH(QList<int>, lines);
    SetWindowParameters(m_context.Session, parameters);
    Open(QStringLiteral("Test"), 1);
    // A flat spectrum keeps the line on the plot's bottom edge, out of the way.
    std::fill(m_context.Session.Spectra.begin(), m_context.Session.Spectra.end(), 0);
    m_view->DisplaySpectrumGraph(0);
    for (int i = 0; i < zoomIn; ++i)
        Find<QPushButton>("ButtonScaleRight")->click();
    auto* check = Find<QCheckBox>("CheckBoxDisplayWindowRn");

    check->setChecked(true);
    const QImage ticked = m_view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(RedColumns(PlotPicture(ticked, QPoint())), ExpectedColumns(lines));
    // A second picture paints again: the lines are drawn once per repaint, not toggled.
    const QImage again = m_view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(RedColumns(PlotPicture(again, QPoint())), ExpectedColumns(lines));

    check->setChecked(false);
    const QImage cleared = m_view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(RedColumns(PlotPicture(cleared, QPoint())), QList<int>{});
}

void TestAcquisitionView::cursorSurvivesPartialRepaints() {
    SetWindowParameters(m_context.Session, {"1", "41", "99"});
    Open(QStringLiteral("Thomas"), 3);
    std::fill(m_context.Session.Spectra.begin(), m_context.Session.Spectra.end(), 0);
    m_context.Session.Spectra[ChannelCount + 60] = 400;
    auto* check = Find<QCheckBox>("CheckBoxDisplayWindowRn");
    QScreen* screen = m_view->screen();
    auto screenPlot = [this, screen] {
        const QImage shot =
            screen->grabWindow(m_view->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        return RedColumns(PlotPicture(shot, QPoint()));
    };
    // The screen is read only once the plot has been repainted since the
    // action, and then until the layout that follows has settled: a picture
    // taken before would pass on the previous lines or fail on a half-done
    // layout, by chance.
    PaintCounter plotPaints(m_chart->viewport());
    auto shows = [&](const std::function<void()>& action, const QList<int>& channels) {
        const int before = plotPaints.paints;
        action();
        return QTest::qWaitFor([&] { return plotPaints.paints > before; }) &&
               QTest::qWaitFor([&] { return screenPlot() == ExpectedColumns(channels); });
    };

    QVERIFY(shows([&] { check->setChecked(true); }, {41, 99}));
    // Only the line's neighbourhood is repainted on a step change; the lines
    // elsewhere must neither vanish nor double.
    auto* forward = Find<QPushButton>("ButtonForward");
    QVERIFY(shows([&] { forward->click(); }, {41, 99}));
    QVERIFY(shows(
        [&] {
            forward->click();
            Find<QPushButton>("ButtonScaleUp")->click();
        },
        {41, 99}));

    // The channel axis moves under the lines: each range shows exactly its
    // visible bounds, full height, and nothing of the lines it had before.
    auto* zoomIn = Find<QPushButton>("ButtonScaleRight");
    auto* zoomOut = Find<QPushButton>("ButtonScaleLeft");
    const struct {
        const char* step;
        std::function<void()> act;
        QList<int> visible;
    } moves[] = {
        {"zoom to 0-63", [&] { zoomIn->click(); }, {41}},
        {"pan to 40-103", [&] { m_chart->PanChannels(40); }, {41, 99}},
        {"zoom after the pan, 40-51", [&] { zoomIn->click(); }, {41}},
        {"zoom out again, 40-103", [&] { zoomOut->click(); }, {41, 99}},
        {"pan to the right end, 64-127", [&] { m_chart->PanChannels(100); }, {99}},
        {"pan back, 0-63", [&] { m_chart->PanChannels(-100); }, {41}},
    };
    for (const auto& move : moves)
        QVERIFY2(shows(move.act, move.visible),
                 qPrintable(QStringLiteral("%1: red columns %2")
                                .arg(QLatin1String(move.step))
                                .arg(QString::number(screenPlot().size()))));
    QVERIFY(shows([&] { check->setChecked(false); }, {}));
}

void TestAcquisitionView::sampleFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("lastStep");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("unavailable");
    QTest::newRow("Rolle, three") << "rolle3.ovra" << 2 << 127 << false;
    QTest::newRow("Thomas, five") << "thomas5.ovra" << 4 << 127 << false;
    QTest::newRow("one measurement") << "single.ovra" << 0 << 127 << false;
    QTest::newRow("no measurement") << "nomeasure.ovra" << 0 << 0 << false;
    QTest::newRow("spectra unavailable") << "unavailable.ovra" << 2 << 127 << true;
}

void TestAcquisitionView::sampleFiles() {
    QFETCH(QString, file);
    QFETCH(int, lastStep);
    QFETCH(int, points);
    QFETCH(bool, unavailable);
    m_view->CloseSessionDisplay();
    Session& session = m_context.Session;
    const FileOutcome outcome =
        ReadMeasurementFile(QStringLiteral(OVRA_TEST_DATA "/") + file, session);
    QVERIFY2(outcome.Ok(), qPrintable(outcome.message));
    m_view->OpenSessionDisplay();
    m_view->DisplayAcquisition();
    auto* check = Find<QCheckBox>("CheckBoxDisplayWindowRn");
    QCOMPARE(check->text(), QStringLiteral("Ch 40-100"));
    check->setChecked(true);

    auto* bar = Find<QSlider>("TrackBarTimePosition");
    bar->setValue(lastStep + 1);
    QCOMPARE(bar->value(), lastStep);
    QCOMPARE(m_chart->Series1()->count(), points);
    // Not a silent flat line: the chart says why there is nothing to see.
    QCOMPARE(m_chart->SpectraUnavailableShown(), unavailable);
    qint64 window = 0;
    if (lastStep < session.SpectrumCount())
        for (int c = 40; c <= 100; ++c)
            window += session.SpectrumAt(lastStep)[c];
    QCOMPARE(Text("EditROI1"), QString::number(window));
}

QTEST_MAIN(TestAcquisitionView)
#include "tst_acquisitionview.moc"
