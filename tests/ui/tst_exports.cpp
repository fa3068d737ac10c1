// "Exporter": the spectra as CSV, the chart as PNG and SVG images read back
// (their size, one red line per cursor bound in view), and a write that fails.

#include "scripteddialogs.h"
#include "testdirectory.h"

#include "ui/display/spectrumchart.h"
#include "ui/main/main.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Columns of the image holding a vertical run of pure red.
int RedColumns(const QImage& image) {
    int columns = 0;
    for (int x = 0; x < image.width(); ++x) {
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            red += image.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
        columns += red > image.height() / 3 ? 1 : 0;
    }
    return columns;
}

// Red strokes of the SVG: each cursor line is one.
int RedStrokes(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    QList<bool> redGroups{false};
    int strokes = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringView stroke = xml.attributes().value(QLatin1String("stroke"));
            const bool red = stroke.isEmpty() ? redGroups.last()
                                              : stroke.compare(QLatin1String("#ff0000"),
                                                               Qt::CaseInsensitive) == 0;
            if (red && xml.name() != QLatin1String("g"))
                ++strokes;
            redGroups << red;
        } else if (xml.isEndElement()) {
            redGroups.removeLast();
        }
    }
    return strokes;
}

} // namespace

class TestExports : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void enabledWithASession();
    void spectraAsCsv();
    void chartImage_data();
    void chartImage();
    void failedWriteTold();

private:
    void OpenSample(TFormMain& window);
    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
};

void TestExports::init() {
    m_directory = std::make_unique<TestDirectory>();
    QVERIFY(m_directory->IsValid());
    m_context = Context();
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
}

void TestExports::cleanup() {
    m_directory.reset();
}

void TestExports::OpenSample(TFormMain& window) {
    m_dialogs.QueuePath(m_directory->CopySample(QStringLiteral("rolle3")));
    window.findChild<QAction*>(QStringLiteral("MenuOpen"))->trigger();
    QCOMPARE(m_context.Session.SessionState, SessionSaved);
}

void TestExports::enabledWithASession() {
    TFormMain window(m_context, m_dialogs);
    QAction* exports = window.findChild<QMenu*>(QStringLiteral("MenuExport"))->menuAction();
    QVERIFY(!exports->isEnabled());
    OpenSample(window);
    QVERIFY(exports->isEnabled());
    window.CloseSession();
    QVERIFY(!exports->isEnabled());
}

// The header, then one line per measurement with its 128 counts.
void TestExports::spectraAsCsv() {
    TFormMain window(m_context, m_dialogs);
    OpenSample(window);
    const QString target = m_directory->FilePath(QStringLiteral("spectres.csv"));
    m_dialogs.QueuePath(target);
    window.findChild<QAction*>(QStringLiteral("MenuExportCsv"))->trigger();
    QCOMPARE(m_dialogs.Dialogs().last().request.proposedName, QStringLiteral("rolle3.csv"));
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), m_context.Session.MeasurementCount + 2); // the last one is empty
    QVERIFY(lines[0].startsWith("measurement,ch0,ch1,"));
    QVERIFY(lines[0].endsWith(",ch127"));
    for (int m = 0; m < m_context.Session.MeasurementCount; ++m) {
        const QList<QByteArray> cells = lines[m + 1].split(',');
        QCOMPARE(cells.size(), ChannelCount + 1);
        QCOMPARE(cells[0].toInt(), m);
        for (int c = 0; c < ChannelCount; ++c)
            QCOMPARE(cells[c + 1].toInt(), m_context.Session.SpectrumAt(m)[c]);
    }
    QVERIFY(m_dialogs.Messages().isEmpty());
}

void TestExports::chartImage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("window");
    QTest::addColumn<int>("zoomIn"); // presses of " > "
    QTest::addColumn<int>("lines");
    // The sample's window 1 spans channels 40 to 100.
    for (const char* name : {"chart.png", "chart.svg"}) {
        const QByteArray tag(name);
        QTest::newRow(tag + ", both bounds") << name << true << 0 << 2;
        QTest::newRow(tag + ", 0-63 shows 40") << name << true << 1 << 1;
        QTest::newRow(tag + ", 0-31 shows none") << name << true << 2 << 0;
        QTest::newRow(tag + ", window off") << name << false << 0 << 0;
    }
}

void TestExports::chartImage() {
    QFETCH(QString, name);
    QFETCH(bool, window);
    QFETCH(int, zoomIn);
    QFETCH(int, lines);
    TFormMain main(m_context, m_dialogs);
    main.show();
    OpenSample(main);
    auto* chart = main.findChild<SpectrumChart*>(QStringLiteral("ChartSpectrum"));
    QVERIFY(chart);
    if (window)
        main.findChild<QCheckBox*>(QStringLiteral("CheckBoxDisplayWindowRn"))->click();
    for (int i = 0; i < zoomIn; ++i)
        chart->ButtonScaleRightClick();
    const QSize onScreen = chart->size();
    const QString target = m_directory->FilePath(name);
    m_dialogs.QueuePath(target);
    main.findChild<QAction*>(QStringLiteral("MenuExportImage"))->trigger();
    QVERIFY(m_dialogs.Messages().isEmpty());
    // Offered at twice the size on screen, and the window's chart left as it was.
    const QSize expected = onScreen * 2;
    QCOMPARE(chart->size(), onScreen);

    if (name.endsWith(QLatin1String(".png"))) {
        const QImage image(target);
        QCOMPARE(image.size(), expected);
        QCOMPARE(RedColumns(image), lines);
    } else {
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox().size(), expected);
        QCOMPARE(RedStrokes(svg), lines);
    }
}

// A target that cannot be written (a folder of that name): told, with the name.
void TestExports::failedWriteTold() {
    TFormMain window(m_context, m_dialogs);
    OpenSample(window);
    const QString folder = m_directory->MakeSubdirectory(QStringLiteral("occupe.png"));
    m_dialogs.QueuePath(folder);
    m_dialogs.QueueAnswer(MessageAnswer::Yes); // replace what is there
    window.findChild<QAction*>(QStringLiteral("MenuExportImage"))->trigger();
    QCOMPARE(m_dialogs.Messages().size(), 2);
    QVERIFY2(m_dialogs.Messages().last().text.startsWith(
        QStringLiteral("Impossible d'écrire le fichier ") + QDir::toNativeSeparators(folder)),
             qPrintable(m_dialogs.Messages().last().text));
    QCOMPARE(m_dialogs.Messages().last().icon, MessageIcon::Error);
}

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
