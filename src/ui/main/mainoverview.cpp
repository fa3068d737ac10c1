// The overview window beside the main window: it follows the session and the
// step shown here, and a click in it moves the track bar.

#include "ui/main/main.h"

#include "analysis/measurementtable.h"
#include "ui/display/acquisitionview.h"
#include "ui/display/overview.h"

#include <QAction>

void TFormMain::CreateOverview() {
    m_overview = new TFormOverview(m_context, m_dialogs, this);
    m_overview->LoadPlacement();
    connect(m_view, &AcquisitionView::StepShown, m_overview, &TFormOverview::ShowStep);
    connect(m_overview, &TFormOverview::StepRequested, m_view, &AcquisitionView::GoToStep);
}

void TFormMain::ShowOverviewAcquisition() {
    if (MenuOverview->isEnabled())
        m_overview->ShowAcquisition(m_context.Session, m_view->State().Windows,
                                    m_view->State().GroupSize, m_view->CurrentStep());
    else
        m_overview->CloseAcquisition();
}

void TFormMain::MenuOverviewClick() {
    if (!MenuOverview->isEnabled())
        return;
    m_overview->show();
    m_overview->raise();
    m_overview->activateWindow();
}
