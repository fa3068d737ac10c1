// The overview window beside the main window: it follows the session and the
// step shown here, and a click in it moves the track bar.

#include "ui/main/main.h"

#include "analysis/measurementtable.h"
#include "ui/display/acquisitionview.h"
#include "ui/display/overview.h"

#include <QAction>

TFormOverview& TFormMain::Overview() {
    // Made at its first use, from the session as it is then: the program's
    // first paint does not wait for it.
    if (!m_overview) {
        m_overview = new TFormOverview(m_context, m_dialogs, this);
        m_overview->LoadPlacement();
        connect(m_view, &AcquisitionView::StepShown, m_overview, &TFormOverview::ShowStep);
        connect(m_overview, &TFormOverview::StepRequested, m_view, &AcquisitionView::GoToStep);
        ShowOverviewAcquisition();
    }
    return *m_overview;
}

void TFormMain::ShowOverviewAcquisition() {
    if (!m_overview)
        return;
    if (MenuOverview->isEnabled())
        m_overview->ShowAcquisition(m_context.Session, m_view->State().Windows,
                                    m_view->State().GroupSize, m_view->CurrentStep());
    else
        m_overview->CloseAcquisition();
}

void TFormMain::MenuOverviewClick() {
    if (!MenuOverview->isEnabled())
        return;
    TFormOverview& overview = Overview();
    overview.show();
    overview.raise();
    overview.activateWindow();
}
