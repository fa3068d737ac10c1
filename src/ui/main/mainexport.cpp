// "Exporter" of the File menu, enabled while a session is open: the spectra
// as CSV (the very text of "ovra export --csv") and the chart as an image.

#include "ui/main/main.h"

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
    connect(MenuExportCsv, &QAction::triggered, this, &TFormMain::MenuExportCsvClick);
    connect(MenuExportImage, &QAction::triggered, this, &TFormMain::MenuExportImageClick);
}

QString TFormMain::AskExportFileName(const QString& filter, const QString& suffix) {
    FileDialogRequest request;
    request.caption = tr("Exporter");
    request.directory = m_context.LatestDirectory;
    request.filter = filter;
    request.defaultSuffix = suffix;
    request.proposedName = BaseName(m_context.Session.FileName) + QLatin1Char('.') + suffix;
    request.confirmOverwrite = true;
    return m_dialogs.AskSaveFileName(this, request);
}

void TFormMain::MenuExportCsvClick() {
    const QString path = AskExportFileName(tr("Fichier CSV (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const QByteArray csv = SpectraCsv(m_context.Session);
    WriteOutcome written;
    {
        BusyScope busy(*this);
        written = WriteFileChecked(path, csv);
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
