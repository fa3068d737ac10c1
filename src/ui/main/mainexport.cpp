// "Exporter" of the File menu, enabled while a session is open: the spectra
// as CSV (the very text of "ovra export --csv"), the chart as an image, and
// the per-measurement table (that of "ovra summary --csv").

#include "ui/main/main.h"

#include "analysis/measurementtable.h"
#include "data/checkedwrite.h"
#include "data/spectracsv.h"
#include "ui/dialogs/busyscope.h"
#include "ui/display/acquisitionview.h"
#include "ui/display/chartexport.h"
#include "ui/display/spectrumchart.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

// The chart's image is offered at twice its size on screen, sharp enough to print.
constexpr int OfferedImageScale = 2;

// "rolle3.ovra" gives "rolle3"; a download not yet saved, "mesures".
QString BaseName(const QString& fileName) {
    return fileName.isEmpty() ? QStringLiteral("mesures") : QFileInfo(fileName).completeBaseName();
}

} // namespace

void TFormMain::CreateExportMenu() {
    MenuExport = MenuFile->addMenu(tr("E&xporter"));
    MenuExport->setObjectName(QStringLiteral("MenuExport"));
    MenuExportCsv = MenuExport->addAction(tr("&Spectres (CSV)…"));
    MenuExportCsv->setObjectName(QStringLiteral("MenuExportCsv"));
    MenuExportImage = MenuExport->addAction(tr("&Image du graphique (PNG, SVG)…"));
    MenuExportImage->setObjectName(QStringLiteral("MenuExportImage"));
    MenuExportTable = MenuExport->addAction(tr("&Tableau des mesures (CSV)…"));
    MenuExportTable->setObjectName(QStringLiteral("MenuExportTable"));
    connect(MenuExportTable, &QAction::triggered, this, &TFormMain::MenuExportTableClick);
    connect(MenuExportCsv, &QAction::triggered, this, &TFormMain::MenuExportCsvClick);
    connect(MenuExportImage, &QAction::triggered, this, &TFormMain::MenuExportImageClick);
}

QString TFormMain::AskExportFileName(const QString& filter, const QString& suffix,
                                     const QString& caption) {
    FileDialogRequest request;
    request.caption = caption.isEmpty() ? tr("Exporter") : caption;
    request.directory = m_context.LatestDirectory;
    request.filter = filter;
    request.defaultSuffix = suffix;
    request.proposedName = BaseName(m_context.Session.FileName) + QLatin1Char('.') + suffix;
    request.confirmOverwrite = true;
    return m_dialogs.AskSaveFileName(this, request);
}

void TFormMain::MenuExportCsvClick() {
    const QString path = AskExportFileName(tr("Fichier CSV (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty())
        WriteExportFile(path, SpectraCsv(m_context.Session));
}

void TFormMain::MenuExportTableClick() {
    const QString path = AskExportFileName(tr("Fichier CSV (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty())
        WriteExportFile(
            path, MeasurementTableText(
                      BuildMeasurementTable(m_context.Session, m_view->State().Windows), ','));
}

void TFormMain::WriteExportFile(const QString& path, const QByteArray& bytes) {
    WriteOutcome written;
    {
        BusyScope busy(*this);
        written = WriteFileChecked(path, bytes);
    }
    if (!written.ok)
        m_dialogs.ShowError(this, tr("Impossible d'écrire le fichier %1 : %2")
                                      .arg(QDir::toNativeSeparators(path), written.reason));
}

void TFormMain::MenuExportImageClick() {
    auto* chart = m_view->findChild<SpectrumChart*>(QStringLiteral("ChartSpectrum"));
    if (!chart)
        return;
    const QString path =
        AskExportFileName(tr("Image PNG (*.png);;Image SVG (*.svg)"), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    QSize size = chart->size() * OfferedImageScale;
    if (!m_dialogs.ChooseImageSize(this, size))
        return;
    QString error;
    bool written = false;
    {
        BusyScope busy(*this);
        written = ExportChartImage(*chart, path, size, error);
    }
    if (!written)
        m_dialogs.ShowError(this, tr("Impossible d'écrire le fichier %1 : %2")
                                      .arg(QDir::toNativeSeparators(path), error));
}
