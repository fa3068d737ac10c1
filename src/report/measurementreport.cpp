#include "report/measurementreport.h"

#include "data/checkedwrite.h"
#include "data/fichiers.h"
#include "report/reportblocks.h"
#include "report/reportcharts.h"
#include "report/reportcontent.h"
#include "report/reportfigures.h"
#include "report/reportlayout.h"
#include "report/reportstyle.h"
#include "report/reporttables.h"
#include "report/reporttexts.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

// Enough for the map to be printed sharp; the text and lines are vectors.
constexpr int ReportDotsPerInch = 300;

void AddSections(ReportLayout& layout, const ReportStyle& style, const QPaintDevice& device,
                 const ReportRequest& request) {
    const Session& session = *request.session;
    layout.AddBlock(TitleBlock(style, Report::tr("Rapport de mesure")));
    layout.AddBlock(FieldsBlock(style, device, Report::tr("Provenance"), HeadingFields(request)));
    layout.AddBlock(
        FieldsBlock(style, device, Report::tr("Instrument"), InstrumentFields(session)));
    layout.AddBlock(
        FieldsBlock(style, device, Report::tr("Acquisition"), AcquisitionFields(session)));
    layout.AddBlock(SectionHeadingBlock(style, Report::tr("Résultats")));
}

// The results, the pictures and the table: all drawn from the spectra.
void AddSpectralSections(ReportLayout& layout, const ReportStyle& style, const QPaintDevice& device,
                         const ReportRequest& request, const ReportFigures& figures) {
    if (!figures.windows.ok)
        layout.AddBlock(
            ParagraphBlock(style, device,
                           Report::tr("Les fenêtres d'énergie ne sont pas comptées : %1")
                               .arg(figures.windows.error)));
    layout.AddTable(ResultsTable(style, figures));
    layout.AddBlock(ParagraphBlock(
        style, device,
        Report::tr(
            "N est la somme des comptages de toutes les mesures ; son incertitude est celle de "
            "Poisson, √N. Les mesures sont numérotées à partir de 1.")));
    layout.PageBreak();
    layout.AddBlock(TrendChartBlock(style, figures));
    layout.AddBlock(CountMapBlock(style, *request.session, figures));
    layout.AddBlock(SummedSpectrumBlock(style, figures));
    const qint32 count = figures.table.MeasurementCount();
    const qint32 listed =
        request.tableLimit < 0 ? count : qint32(std::min<qint64>(request.tableLimit, count));
    ReportTable measurements = MeasurementsTable(style, figures, listed);
    // The heading stays with the header and the first few rows.
    const qreal firstRows = measurements.headerHeight + 3 * measurements.rowHeight + style.line;
    layout.AddBlock(SectionHeadingBlock(style, Report::tr("Mesures")), firstRows);
    layout.AddTable(std::move(measurements));
    if (listed < count)
        layout.AddBlock(ParagraphBlock(
            style, device,
            Report::tr(
                "%1 mesures sur %2 ne sont pas listées (le tableau est limité aux %3 premières).")
                .arg(count - listed)
                .arg(count)
                .arg(listed)));
}

void PaintFooter(QPainter& painter, const ReportStyle& style, const QString& name, int page,
                 int pageCount) {
    painter.setFont(style.small);
    painter.setPen(Qt::black);
    painter.drawText(style.footer, Qt::AlignLeft | Qt::AlignVCenter,
                     Report::tr("Rapport de mesure — %1").arg(name));
    painter.drawText(style.footer, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("%1 / %2").arg(page).arg(pageCount));
}

// The one place a report reaches the disk: replaced only once every byte is
// written, so a failure leaves any earlier file whole.
QString WriteReportFile(const QString& path, const QByteArray& bytes) {
    const WriteOutcome written = WriteFileChecked(path, bytes);
    if (written.ok)
        return QString();
    return Report::tr("Impossible d'écrire le fichier %1 : %2")
        .arg(QDir::toNativeSeparators(path), written.reason);
}

} // namespace

QByteArray MeasurementReportPdf(const ReportRequest& request) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(ReportDotsPerInch);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                     QPageLayout::Millimeter));
    writer.setTitle(Report::tr("Rapport de mesure"));
    writer.setCreator(QStringLiteral("OvraView2 " OVRA_VERSION));

    const ReportStyle style(writer);
    ReportLayout layout(style.body, style.line);
    AddSections(layout, style, writer, request);
    const Session& session = *request.session;
    const ReportFigures figures = ComputeReportFigures(session);
    if (!session.SpectraAvailable)
        layout.AddBlock(ParagraphBlock(
            style, writer,
            Report::tr(
                "Les spectres de cette acquisition sont indisponibles : le rapport ne contient "
                "ni résultats, ni graphiques, ni tableau des mesures.")));
    else if (figures.table.MeasurementCount() == 0)
        layout.AddBlock(
            ParagraphBlock(style, writer, Report::tr("L'acquisition ne contient aucune mesure.")));
    else
        AddSpectralSections(layout, style, writer, request, figures);

    const QString name =
        request.source.saved ? request.source.fileName : Report::tr("session non enregistrée");
    QPainter painter(&writer);
    layout.Paint(writer, painter, [&style, &name](QPainter& p, int page, int count) {
        PaintFooter(p, style, name, page, count);
    });
    painter.end();
    return bytes;
}

QString WriteMeasurementReport(const Session& session, const QString& path, qint64 tableLimit) {
    const QFileInfo target(path);
    if (session.SessionState == SessionSaved && target.exists() &&
        target.canonicalFilePath() == QFileInfo(session.FileName).canonicalFilePath())
        return Report::tr("%1 est le fichier de mesures du rapport ; choisissez un autre nom")
            .arg(QDir::toNativeSeparators(path));
    ReportRequest request;
    request.session = &session;
    request.madeAt = QDateTime::currentDateTime();
    request.tableLimit = tableLimit;
    QString error;
    if (!DescribeReportSource(session, request.source, error))
        return error;
    return WriteReportFile(path, MeasurementReportPdf(request));
}
