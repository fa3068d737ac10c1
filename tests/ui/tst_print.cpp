// The printed report: the placement rules of the sheet, and a real report of
// an opened file printed to a PDF file, rendered back and measured.

#include "findchild.h"
#include "scripteddialogs.h"
#include "testdirectory.h"

#include "ui/dialogs/print.h"
#include "ui/dialogs/reportsheet.h"
#include "ui/main/main.h"
#include "ui/main/startup.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void rounding_data();
    void rounding();
    void fitting_data();
    void fitting();
    void textLines_data();
    void textLines();
    void reportSheet_data();
    void reportSheet();
    void failedPrintIsTold();
    void nothingPrinted_data();
    void nothingPrinted();
    void cursorLinesInPicture();

private:
    // Answers the print window the next time it opens: the title typed and
    // the button pressed.
    void AnswerPrintWindow(TFormPrint& form, const QString& title, bool print);
    void OpenSample(ProgramWindows& windows, ScriptedDialogs& dialogs, const TestDirectory& dir);
};

void TestPrint::rounding_data() {
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<int>("even");
    QTest::addColumn<int>("away");
    QTest::newRow("exact") << qint64(10) << qint64(2) << 5 << 5;
    QTest::newRow("half below an even") << qint64(5) << qint64(2) << 2 << 3;
    QTest::newRow("half below an odd") << qint64(7) << qint64(2) << 4 << 4;
    QTest::newRow("negative half") << qint64(-5) << qint64(2) << -2 << -3;
    QTest::newRow("negative denominator") << qint64(5) << qint64(-2) << -2 << -3;
    QTest::newRow("one third") << qint64(7) << qint64(3) << 2 << 2;
    QTest::newRow("two thirds") << qint64(8) << qint64(3) << 3 << 3;
    QTest::newRow("zero denominator") << qint64(8) << qint64(0) << 0 << 0;
}

void TestPrint::rounding() {
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(int, even);
    QFETCH(int, away);
    QCOMPARE(RoundQuotientHalfEven(numerator, denominator), even);
    QCOMPARE(RoundQuotientHalfAway(numerator, denominator), away);
}

void TestPrint::fitting_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("page");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QRect>("expected");
    // A wide picture takes the page's width and is centred vertically; a tall
    // one its height, centred horizontally.
    QTest::newRow("wide") << QSize(1000, 500) << QSize(1100, 800) << 80
                          << QRect(110, 180, 880, 440);
    QTest::newRow("tall") << QSize(500, 1000) << QSize(1100, 800) << 80 << QRect(390, 80, 320, 640);
    QTest::newRow("same proportions")
        << QSize(200, 100) << QSize(400, 200) << 80 << QRect(40, 20, 320, 160);
    // 101 x 1000 / 400 = 252.5: the fitting rounds away from zero (253), and
    // the centring (1000 - 253) / 2 = 373.5 to the even 374.
    QTest::newRow("wide, fitting half away")
        << QSize(400, 101) << QSize(1000, 1000) << 100 << QRect(0, 374, 1000, 253);
    QTest::newRow("tall, fitting half away")
        << QSize(101, 400) << QSize(1000, 1000) << 100 << QRect(374, 0, 253, 1000);
    // 50 x 1001 / 100 = 500.5 reduces to the even 500, then (1001 - 500) / 2
    // = 250.5 centres at the even 250.
    QTest::newRow("reduction and centring half even")
        << QSize(1001, 100) << QSize(1001, 1000) << 50 << QRect(250, 475, 500, 50);
    QTest::newRow("reduction half even, upwards")
        << QSize(1003, 100) << QSize(1003, 1000) << 50 << QRect(250, 475, 502, 50);
    QTest::newRow("A4 landscape at 1200 dpi, the main window")
        << QSize(1016, 603) << QSize(13628, 9448) << 80 << QRect(1363, 1489, 10902, 6470);
    QTest::newRow("empty picture") << QSize(0, 0) << QSize(1000, 1000) << 80 << QRect();
}

void TestPrint::fitting() {
    QFETCH(QSize, picture);
    QFETCH(QSize, page);
    QFETCH(int, percent);
    QFETCH(QRect, expected);
    QCOMPARE(FitReportPicture(picture, page, percent), expected);
}

void TestPrint::textLines_data() {
    QTest::addColumn<QSize>("page");
    QTest::addColumn<int>("titleWidth");
    QTest::addColumn<QPoint>("title");
    QTest::addColumn<QPoint>("footer");
    QTest::newRow("A4 at 300 dpi")
        << QSize(3300, 2550) << 1000 << QPoint(1150, 51) << QPoint(66, 2397);
    // H / 50 = 51.5 rounds to 52 before it is tripled: 2575 - 156.
    QTest::newRow("halves to even")
        << QSize(3301, 2575) << 1000 << QPoint(1150, 52) << QPoint(66, 2419);
    QTest::newRow("empty title") << QSize(3300, 2550) << 0 << QPoint(1650, 51) << QPoint(66, 2397);
}

void TestPrint::textLines() {
    QFETCH(QSize, page);
    QFETCH(int, titleWidth);
    QFETCH(QPoint, title);
    QFETCH(QPoint, footer);
    QCOMPARE(ReportTitlePosition(page, titleWidth), title);
    QCOMPARE(ReportFooterPosition(page), footer);
}

void TestPrint::AnswerPrintWindow(TFormPrint& form, const QString& title, bool print) {
    QTimer::singleShot(0, &form, [&form, title, print] {
        QVERIFY(form.isVisible());
        auto* edit = Child<QLineEdit>(form, "PrintTitleEdit");
        edit->setText(title);
        Child<QPushButton>(form, print ? "PrintButton" : "CancelButton")->click();
    });
}

void TestPrint::OpenSample(ProgramWindows& windows, ScriptedDialogs& dialogs,
                           const TestDirectory& dir) {
    windows.FormMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(windows.FormMain.get()));
    dialogs.QueuePath(dir.CopySample(QStringLiteral("rolle3")));
    windows.FormMain->MenuOpenClick();
    QCOMPARE(windows.FormMain->windowTitle().endsWith(QLatin1String("rolle3.ovra")), true);
    // The energy window on: its two cursor lines belong in the picture.
    Child<QCheckBox>(*windows.FormMain, "CheckBoxDisplayWindowRn")->setChecked(true);
}

namespace {

// Bounding box of the pixels that `match` accepts, within `area`.
template <typename Match> QRect PixelBounds(const QImage& image, const QRect& area, Match match) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (match(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool Ink(QRgb pixel) {
    return qGray(pixel) < 128;
}

} // namespace

void TestPrint::reportSheet_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("chosenOrientation");
    QTest::addColumn<QString>("title");
    QTest::newRow("wide window, landscape chosen")
        << QSize(1100, 660) << int(QPageLayout::Landscape) << QStringLiteral("Cave nord, 12 mars");
    QTest::newRow("tall window, portrait chosen")
        << QSize(1024, 1000) << int(QPageLayout::Portrait) << QStringLiteral("Mesure de contrôle");
}

// The whole road: the print window, the print dialog, the sheet in a PDF file,
// rendered by poppler and measured against the placement rules.
void TestPrint::reportSheet() {
    QFETCH(QSize, window);
    QFETCH(int, chosenOrientation);
    QFETCH(QString, title);
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");

    TestDirectory dir;
    Context context;
    dir.Prepare(context);
    ScriptedDialogs dialogs;
    ProgramWindows windows(context, dialogs);
    windows.FormMain->resize(window);
    OpenSample(windows, dialogs, dir);
    TFormPrint& form = *windows.FormPrint;
    form.Printer().setPageOrientation(QPageLayout::Portrait);

    const QString pdf = dir.FilePath(QStringLiteral("report.pdf"));
    dialogs.QueuePath(pdf);
    dialogs.QueueOrientation(QPageLayout::Orientation(chosenOrientation));
    AnswerPrintWindow(form, title, true);
    windows.FormMain->HideControls();
    const QImage picture = TakeClientPicture(*windows.FormMain);
    windows.FormMain->ShowControls();
    windows.FormMain->MenuPrintClick();

    QCOMPARE(form.PrintTitle(), title);
    QCOMPARE(dialogs.Dialogs().size(), 2);
    const ScriptedDialogs::Dialog& print = dialogs.Dialogs().last();
    QCOMPARE(print.kind, ScriptedDialogs::DialogKind::Print);
    QCOMPARE(print.orientation, QPageLayout::Landscape); // offered before the dialog
    QCOMPARE(int(form.Printer().pageLayout().orientation()), chosenOrientation); // restored
    QCOMPARE(form.Printer().docName(), QStringLiteral("OvraView2"));
    QVERIFY(Child<QProgressBar>(*windows.FormMain, "LMDProgressBar")->isVisible());
    QVERIFY(QFileInfo(pdf).size() > 0);

    // The sheet at 50 dots per inch, one pixel per 24 printer pixels.
    constexpr int Dpi = 50;
    QProcess render;
    render.start(pdftoppm,
                 {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, dir.FilePath(QStringLiteral("sheet"))});
    QVERIFY(render.waitForFinished(30000));
    QCOMPARE(render.exitCode(), 0);
    QImage sheet(dir.FilePath(QStringLiteral("sheet.png")));
    QVERIFY(!sheet.isNull());
    QVERIFY(sheet.width() > sheet.height()); // landscape whatever was chosen

    // The page as the printer sees it: its printable area inside the margins.
    QPrinter& printer = form.Printer();
    printer.setPageOrientation(QPageLayout::Landscape);
    const QPageLayout layout = printer.pageLayout();
    const double scale = double(Dpi) / printer.resolution();
    const QRect paint = layout.paintRectPixels(printer.resolution());
    const QSize page = paint.size();
    const auto onSheet = [&](const QRect& r) {
        return QRectF((paint.left() + r.left()) * scale, (paint.top() + r.top()) * scale,
                      r.width() * scale, r.height() * scale);
    };

    // The picture's ground is the paper's white, not the style's grey; what
    // is drawn on it lands where the picture's placement puts it.
    QCOMPARE(picture.pixel(2, picture.height() - 2), qRgb(255, 255, 255));
    const auto drawn = [](QRgb p) {
        return qGray(p) < 250;
    };
    const QRect content = PixelBounds(picture, picture.rect(), drawn);
    const QRectF fitted = onSheet(FitReportPicture(picture.size(), page, 80));
    const double across = fitted.width() / picture.width();
    const double down = fitted.height() / picture.height();
    const QRectF expected(fitted.left() + content.left() * across,
                          fitted.top() + content.top() * down, content.width() * across,
                          content.height() * down);
    const int band = int(paint.height() * scale * 0.07);
    const QRect middle(0, int(paint.top() * scale) + band, sheet.width(),
                       int(paint.height() * scale) - 2 * band);
    const QRect found = PixelBounds(sheet, middle, drawn);
    QVERIFY2(qAbs(found.left() - expected.left()) <= 2 && qAbs(found.top() - expected.top()) <= 2 &&
                 qAbs(found.right() + 1 - expected.right()) <= 2 &&
                 qAbs(found.bottom() + 1 - expected.bottom()) <= 2,
             qPrintable(QStringLiteral("picture at %1,%2 %3x%4, expected %5,%6 %7x%8")
                            .arg(found.x())
                            .arg(found.y())
                            .arg(found.width())
                            .arg(found.height())
                            .arg(expected.x())
                            .arg(expected.y())
                            .arg(expected.width())
                            .arg(expected.height())));

    // The title centred in the top band, the caption at the bottom left.
    const QRect top(0, int(paint.top() * scale), sheet.width(), band);
    const QRect titleInk = PixelBounds(sheet, top, Ink);
    QVERIFY(titleInk.isValid());
    const double centre = (paint.left() + paint.width() / 2.0) * scale;
    QVERIFY2(qAbs(titleInk.center().x() - centre) <= 3, "title not centred");
    QVERIFY(titleInk.top() >= int((paint.top() + page.height() / 50) * scale) - 1);
    const QRect bottom(0, int((paint.bottom() - paint.height() * 0.06) * scale) - 2, sheet.width(),
                       band);
    const QRect footerInk = PixelBounds(sheet, bottom, Ink);
    QVERIFY(footerInk.isValid());
    // The caption begins with a blank: its ink starts a little to the right.
    const double footerLeft = (paint.left() + page.width() / 50) * scale;
    QVERIFY(footerInk.left() >= footerLeft - 2 && footerInk.left() <= footerLeft + 8);
    QVERIFY(footerInk.width() > titleInk.width()); // the caption is the longer line here
}

// A printer that refuses the job is told, not passed over in silence.
void TestPrint::failedPrintIsTold() {
    TestDirectory dir;
    Context context;
    dir.Prepare(context);
    ScriptedDialogs dialogs;
    ProgramWindows windows(context, dialogs);
    OpenSample(windows, dialogs, dir);
    dialogs.Clear();
    const QString unwritable = dir.FilePath(QStringLiteral("no/such/folder/report.pdf"));
    dialogs.QueuePath(unwritable);
    AnswerPrintWindow(*windows.FormPrint, QStringLiteral("Cave"), true);
    windows.FormMain->MenuPrintClick();
    QCOMPARE(dialogs.Messages().size(), 1);
    QVERIFY2(dialogs.Messages().first().text.contains(QStringLiteral("a échoué")) &&
                 dialogs.Messages().first().text.contains(unwritable),
             qPrintable(dialogs.Messages().first().text));
    QVERIFY(Child<QProgressBar>(*windows.FormMain, "LMDProgressBar")->isVisible());
}

void TestPrint::nothingPrinted_data() {
    QTest::addColumn<bool>("printWindow"); // "Imprimer" rather than "Annuler"
    QTest::addColumn<int>("printDialogs");
    QTest::newRow("print window cancelled") << false << 0;
    QTest::newRow("print dialog cancelled") << true << 1;
}

// Nothing is printed, and the title typed is offered again next time only
// when "Imprimer" was pressed.
void TestPrint::nothingPrinted() {
    QFETCH(bool, printWindow);
    QFETCH(int, printDialogs);
    TestDirectory dir;
    Context context;
    dir.Prepare(context);
    ScriptedDialogs dialogs;
    ProgramWindows windows(context, dialogs);
    OpenSample(windows, dialogs, dir);
    dialogs.Clear();
    TFormPrint& form = *windows.FormPrint;
    form.Printer().setPageOrientation(QPageLayout::Portrait);
    const QString title(300, QLatin1Char('t'));
    AnswerPrintWindow(form, title, printWindow);
    if (printDialogs)
        dialogs.QueuePath(QString());
    windows.FormMain->MenuPrintClick();
    QCOMPARE(dialogs.Dialogs().size(), printDialogs);
    QCOMPARE(dialogs.PendingAnswers(), 0);
    QCOMPARE(form.PrintTitle(), printWindow ? title.left(256) : QString());
    // A cancelled print dialog leaves the printer in landscape.
    QCOMPARE(form.Printer().pageLayout().orientation(),
             printDialogs ? QPageLayout::Landscape : QPageLayout::Portrait);
    QVERIFY(QDir(dir.Path()).entryList({QStringLiteral("*.pdf")}).isEmpty());
    QTimer::singleShot(0, &form, [&form] {
        QCOMPARE(Child<QLineEdit>(form, "PrintTitleEdit")->text().size(), 256);
        form.reject();
    });
    windows.FormMain->MenuPrintClick();
}

// The energy window's two lines, drawn in exclusive-or over the white plot,
// are red in the picture at the columns of channels 40 and 100.
void TestPrint::cursorLinesInPicture() {
    TestDirectory dir;
    Context context;
    dir.Prepare(context);
    ScriptedDialogs dialogs;
    ProgramWindows windows(context, dialogs);
    OpenSample(windows, dialogs, dir);
    windows.FormMain->HideControls();
    const QImage picture =
        TakeClientPicture(*windows.FormMain).convertToFormat(QImage::Format_RGB32);
    windows.FormMain->ShowControls();
    QList<int> redColumns;
    for (int x = 0; x < picture.width(); ++x) {
        int red = 0;
        for (int y = 0; y < picture.height(); ++y)
            red += picture.pixel(x, y) == qRgb(255, 0, 0);
        if (red > 100)
            redColumns << x;
    }
    QCOMPARE(redColumns.size(), 2);
    // Below the menu bar: the picture is the client area only.
    QCOMPARE(picture.height(), windows.FormMain->centralWidget()->height());
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
