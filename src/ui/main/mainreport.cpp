// "Rapport de mesure…" of the File menu: the report "ovra report" writes, of
// the session shown.

#include "ui/main/main.h"

#include "report/measurementreport.h"
#include "ui/dialogs/busyscope.h"

void TFormMain::MenuReportClick() {
    const QString path = AskExportFileName(tr("Document PDF (*.pdf)"), QStringLiteral("pdf"),
                                           tr("Rapport de mesure"));
    if (path.isEmpty())
        return;
    QString error;
    {
        BusyScope busy(*this);
        error = WriteMeasurementReport(m_context.Session, path);
    }
    if (!error.isEmpty())
        m_dialogs.ShowError(this, error);
}
