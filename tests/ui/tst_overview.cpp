// The overview window with the main window: enabled exactly with spectra,
// a click in either view steps the main window through its track bar, a
// step there moves the marker, a drag selects a range whose statistics the
// table shows, Escape clears it, and "Copier" and the CSV export give the
// measurement table.

#include "scripteddialogs.h"
#include "testdirectory.h"

#include "analysis/measurementtable.h"
#include "analysis/rangestatistics.h"
#include "ui/display/acquisitionview.h"
#include "ui/display/overview.h"
#include "ui/display/overviewmap.h"
#include "ui/display/overviewmodel.h"
#include "ui/display/overviewtrends.h"
#include "ui/main/main.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>

class TestOverview : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void enabledWithSpectra_data();
    void enabledWithSpectra();
    void clickSteps_data();
    void clickSteps();
    void dragSelects_data();
    void dragSelects();
    void copyAndExport();
    void mapCellColour();

private:
    TFormOverview& OpenOverview(TFormMain& window, const QString& sample);
    QWidget* View(TFormOverview& overview, const QString& name);
    int XOf(QWidget* view, qint32 measurement);

    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
};

void TestOverview::init() {
    m_directory = std::make_unique<TestDirectory>();
    QVERIFY(m_directory->IsValid());
    m_context = Context();
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
}

void TestOverview::cleanup() {
    m_directory.reset();
}

TFormOverview& TestOverview::OpenOverview(TFormMain& window, const QString& sample) {
    m_dialogs.QueuePath(m_directory->CopySample(sample));
    window.findChild<QAction*>(QStringLiteral("MenuOpen"))->trigger();
    window.findChild<QAction*>(QStringLiteral("MenuOverview"))->trigger();
    return window.Overview();
}

QWidget* TestOverview::View(TFormOverview& overview, const QString& name) {
    return name == QLatin1String("map")
               ? static_cast<QWidget*>(overview.findChild<OverviewMap*>())
               : static_cast<QWidget*>(overview.findChild<OverviewTrends*>()->viewport());
}

int TestOverview::XOf(QWidget* view, qint32 measurement) {
    if (auto* map = qobject_cast<OverviewMap*>(view))
        return map->XOfMeasurement(measurement);
    return qobject_cast<OverviewTrends*>(view->parentWidget())->XOfMeasurement(measurement);
}

void TestOverview::enabledWithSpectra_data() {
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("spectra") << "rolle3" << true;
    QTest::newRow("spectra unavailable") << "unavailable" << false;
    QTest::newRow("no measurement") << "nomeasure" << false;
}

void TestOverview::enabledWithSpectra() {
    QFETCH(QString, sample);
    QFETCH(bool, enabled);
    TFormMain window(m_context, m_dialogs);
    auto* item = window.findChild<QAction*>(QStringLiteral("MenuOverview"));
    auto* exportTable = window.findChild<QAction*>(QStringLiteral("MenuExportTable"));
    QVERIFY(!item->isEnabled());
    TFormOverview& overview = OpenOverview(window, sample);
    QCOMPARE(item->isEnabled(), enabled);
    QCOMPARE(exportTable->isEnabled(), enabled);
    QCOMPARE(overview.isVisible(), enabled);
    window.CloseSession();
    QVERIFY(!item->isEnabled());
    QVERIFY(!overview.isVisible());
}

void TestOverview::clickSteps_data() {
    QTest::addColumn<QString>("view");
    QTest::newRow("map") << "map";
    QTest::newRow("trends") << "trends";
}

void TestOverview::clickSteps() {
    QFETCH(QString, view);
    TFormMain window(m_context, m_dialogs);
    window.show();
    TFormOverview& overview = OpenOverview(window, QStringLiteral("thomas5"));
    QVERIFY(QTest::qWaitForWindowExposed(&overview));
    auto* bar = window.findChild<QSlider*>(QStringLiteral("TrackBarTimePosition"));
    QWidget* target = View(overview, view);
    QTRY_VERIFY(XOf(target, 4) > XOf(target, 3));
    const QPoint at(XOf(target, 3), target->height() / 2);
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
    QCOMPARE(bar->value(), 3);
    QCOMPARE(overview.Model().CurrentStep(), 3);
    QVERIFY(!overview.Model().HasSelection());
    // Stepping in the main window moves the marker.
    window.findChild<QPushButton*>(QStringLiteral("ButtonBackward"))->click();
    QCOMPARE(overview.Model().CurrentStep(), 2);
    // A file opened anew starts the marker at its step 0.
    OpenOverview(window, QStringLiteral("rolle3"));
    QCOMPARE(overview.Model().CurrentStep(), 0);
    QCOMPARE(overview.Model().MeasurementCount(), 3);
}

void TestOverview::dragSelects_data() {
    clickSteps_data();
}

void TestOverview::dragSelects() {
    QFETCH(QString, view);
    TFormMain window(m_context, m_dialogs);
    window.show();
    TFormOverview& overview = OpenOverview(window, QStringLiteral("thomas5"));
    QVERIFY(QTest::qWaitForWindowExposed(&overview));
    QWidget* target = View(overview, view);
    QTRY_VERIFY(XOf(target, 4) > XOf(target, 3));
    const int y = target->height() / 2;
    // Dragged right to left: the range is the same.
    QTest::mousePress(target, Qt::LeftButton, {}, QPoint(XOf(target, 3), y));
    QTest::mouseMove(target, QPoint(XOf(target, 1), y));
    QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(XOf(target, 1), y));
    const OverviewModel& model = overview.Model();
    QCOMPARE(model.SelectionFirst(), 1);
    QCOMPARE(model.SelectionLast(), 3);
    QCOMPARE(window.View().CurrentStep(), 0); // a selection is no click
    auto* table = overview.findChild<QTableWidget*>(QStringLiteral("SelectionTable"));
    QVERIFY(table->isVisibleTo(&overview));
    QCOMPARE(table->rowCount(), model.Table().SeriesCount());
    const RangeStatistics total = ComputeRangeStatistics(model.Table().Series[0], 1, 3);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("3"));
    QCOMPARE(table->item(0, 1)->text(), QString::number(total.Sum));
    QCOMPARE(table->item(0, 5)->text(),
             QStringLiteral("%1 (%2)").arg(total.Maximum).arg(total.MaximumAt + 1));
    QTest::keyClick(&overview, Qt::Key_Escape);
    QVERIFY(!model.HasSelection());
    QVERIFY(!table->isVisibleTo(&overview));
}

void TestOverview::copyAndExport() {
    TFormMain window(m_context, m_dialogs);
    TFormOverview& overview = OpenOverview(window, QStringLiteral("rolle3"));
    overview.findChild<QPushButton*>(QStringLiteral("ButtonCopy"))->click();
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied.section(QLatin1Char('\n'), 0, 1),
             QStringLiteral("measurement\tphase\ttotal\tCh 40-100\n1\tEvaluation 1\t") +
                 QString::number(overview.Model().Table().Series[0][0]) + QLatin1Char('\t') +
                 QString::number(overview.Model().Table().Series[1][0]));
    const QString target = m_directory->FilePath(QStringLiteral("table.csv"));
    m_dialogs.QueuePath(target);
    window.findChild<QAction*>(QStringLiteral("MenuExportTable"))->trigger();
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), QString(copied).replace(QLatin1Char('\t'), ','));
    QVERIFY(m_dialogs.Messages().isEmpty());
}

// The painted map: a known cell in the colour of its count, each column the
// sum of exactly the measurements it covers.
void TestOverview::mapCellColour() {
    TFormMain window(m_context, m_dialogs);
    window.show();
    TFormOverview& overview = OpenOverview(window, QStringLiteral("thomas5"));
    QVERIFY(QTest::qWaitForWindowExposed(&overview));
    auto* map = overview.findChild<OverviewMap*>();
    QTRY_COMPARE(map->Map().Columns, 5);
    const QImage picture = map->grab().toImage();
    const QRect plot = map->PlotRect();
    const Session& session = m_context.Session;
    for (const auto& [measurement, channel] : {std::pair{3, 70}, std::pair{0, 5}}) {
        const qint64 count = session.SpectrumAt(measurement)[channel];
        QCOMPARE(map->Map().Cell(measurement, channel), count);
        // Half a column to the side of the marker, in the middle of the channel's row.
        for (const int side : {-1, 1}) {
            const int x = map->XOfMeasurement(measurement) + side * plot.width() / 20;
            const int y = plot.bottom() - int((channel + 0.5) * plot.height() / ChannelCount);
            QCOMPARE(QString::number(picture.pixel(x, y), 16),
                     QString::number(LogScaleColour(count, map->Map().MaximumCell), 16));
        }
    }
}

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
