// The printed report of what the main window shows.

#include "ui/main/main.h"

#include "ui/dialogs/print.h"
#include "ui/display/acquisitionview.h"
#include "ui/main/blankhint.h"

#include <QLayout>
#include <QProgressBar>

namespace {

constexpr int ReportScalePercent = 80;
constexpr char PrintJobName[] = "OvraView2";

} // namespace

void TFormMain::MenuPrintClick() {
    TFormPrint* form = Windows().FormPrint;
    if (form && form->exec() == QDialog::Accepted) {
        // Landscape is offered first; the sheet is landscape whatever the
        // dialog's choice, which the printer keeps for the next time.
        form->Printer().setPageOrientation(QPageLayout::Landscape);
        if (m_view->ChartBoxVisible())
            m_view->RepaintChart();
        if (m_dialogs.ChoosePrinter(this, form->Printer())) {
            HideControls();
            form->Printer().setDocName(QLatin1String(PrintJobName));
            const bool printed =
                form->FicheImprime(*this, ReportScalePercent, form->PrintTitle(), windowTitle());
            ShowControls();
            repaint();
            if (!printed)
                m_dialogs.ShowError(this, tr("L'impression sur « %1 » a échoué : la page n'a pas "
                                             "pu être imprimée en entier.")
                                              .arg(form->Printer().printerName().isEmpty()
                                                       ? form->Printer().outputFileName()
                                                       : form->Printer().printerName()));
        }
    }
    if (m_view->ChartBoxVisible())
        m_view->RepaintChart();
}

void TFormMain::HideControls() {
    m_backgroundFill = false;
    LMDProgressBar->hide();
    m_blankHint->hide();
    m_view->SetRightColumnOpaque(true);
    // The view takes the progress bar's room now, not at the next event
    // loop pass, so that the picture shows the window as it stands.
    centralWidget()->layout()->activate();
}

void TFormMain::ShowControls() {
    m_backgroundFill = true;
    LMDProgressBar->show();
    m_blankHint->setVisible(m_context.Session.SessionState == SessionEmpty);
    m_view->SetRightColumnOpaque(false);
    centralWidget()->layout()->activate();
}
