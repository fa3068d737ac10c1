#pragma once

// TFormOverview, "Vue d'ensemble": the whole acquisition at a glance beside
// the main window. Trends, the time × channel map and the selection's
// statistics, all read from one OverviewModel. The main window tells it what
// it shows (ShowAcquisition, ShowStep) and listens to StepRequested; nothing
// here reaches into the main window.

#include "analysis/windowbounds.h"
#include "data/varia.h"

#include <QWidget>

class DialogService;
class OverviewMap;
class OverviewModel;
class OverviewSelection;
class OverviewTrends;
class QCheckBox;
class QPushButton;

class TFormOverview : public QWidget {
    Q_OBJECT
public:
    TFormOverview(Context& context, DialogService& dialogs, QWidget* parent = nullptr);

    // The session just displayed by the main window; read now when the window
    // is shown, else when it is next shown.
    void ShowAcquisition(const Session& session, const WindowBoundsTable& windows, int groupSize,
                         int step);
    // The session is closed: the window empties and hides.
    void CloseAcquisition();
    // The main window moved to a step.
    void ShowStep(int step);

    OverviewModel& Model() { return *m_model; }
    // "Copier": the per-measurement table on the clipboard, TAB-separated.
    void ButtonCopyClick();

    // Size and place from the settings file ("OVERVIEW" section), and back.
    void LoadPlacement();
    void SavePlacement();

signals:
    // A click in the trends or the map: the main window is asked for this step.
    void StepRequested(int step);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadPending();

    Context& m_context;
    DialogService& m_dialogs;
    OverviewModel* m_model = nullptr;
    OverviewTrends* m_trends = nullptr;
    OverviewMap* m_map = nullptr;
    OverviewSelection* m_selection = nullptr;
    QCheckBox* m_logarithmic = nullptr;
    QPushButton* m_copy = nullptr;

    struct Pending {
        const Session* session = nullptr;
        WindowBoundsTable windows;
        int groupSize = 1;
        int step = 0;
    };
    Pending m_pending;
};
