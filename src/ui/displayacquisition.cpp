// The acquisition view's display: what each box shows for the current step,
// and how the track bar, the step buttons and the energy window change it.

#include "ui/acquisitionview.h"

#include "ui/displaysteps.h"
#include "ui/energywindows.h"
#include "ui/spectrumchart.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

void AcquisitionView::OpenSessionDisplay() {
    m_chart->ResetChannelAxis();
    LoadCursorPositions(m_context.Session.Parameters, m_state.Windows);
    LoadCursorColors();
    m_state.GroupSize = 1;
    SetSessionBoxesVisible(true);
}

void AcquisitionView::CloseSessionDisplay() {
    SetSessionBoxesVisible(false);
    m_state.GroupSize = 1;
    m_windowCheck->setChecked(false);
    DisplayCursors();
}

void AcquisitionView::DisplayAcquisition() {
    const int steps = StepCount(m_context.Session, m_state.GroupSize);
    const bool navigable = steps > 1;
    m_backward->setEnabled(navigable);
    m_forward->setEnabled(navigable);
    m_trackBar->setEnabled(navigable);
    {
        // Step 0 is drawn once below, not again by the track bar's own signal.
        const QSignalBlocker blocker(m_trackBar);
        m_trackBar->setRange(0, qMax(0, steps - 1));
        m_trackBar->setValue(0);
    }
    DisplayInfosRn();
    DisplayInfosWindows();
    DisplayROITitle();
    DisplaySpectrumGraph(0);
    if (m_windowCheck->isChecked())
        DisplayROIValue();
    m_state.VisibleChannelSpan = ChannelCount - 1;
}

int AcquisitionView::CurrentStep() const {
    return m_trackBar->value();
}

void AcquisitionView::DisplayInfosWindows() {
    const Session& session = m_context.Session;
    // The instrument computes volume and EAPV only for a complete three-step
    // measurement; anything else has no result to show, not a zero.
    if (session.Method == QLatin1String("Test") || session.MeasurementCount != 3) {
        m_volume->clear();
        m_eapv->clear();
        return;
    }
    m_volume->setText(FormatFixed2(session.Volume));
    m_eapv->setText(FormatFixed2(session.Eapv));
}

void AcquisitionView::DisplaySpectrumGraph(int step) {
    const Session& session = m_context.Session;
    m_chart->ShowPoints(StepPoints(session, step, m_state.GroupSize));
    if (!StepAvailable(session, step, m_state.GroupSize)) {
        m_positionClock->clear();
        m_methode->clear();
        m_phase->clear();
        return;
    }
    m_positionClock->setText(session.StartText);
    m_methode->setText(session.Method);
    m_phase->setText(PhaseText(session.Method, step, m_phase->text()));
    // Narrow fields show the beginning of their text, not its end.
    for (QLineEdit* field : {m_positionClock, m_methode, m_phase})
        field->setCursorPosition(0);
}

void AcquisitionView::DisplayROITitle() {
    m_windowCheck->setText(RoiTitle(m_state.Windows));
}

void AcquisitionView::DisplayInfosRn() {
    const bool shown = m_windowCheck->isChecked();
    m_colorWindow1->setVisible(shown);
    m_roi1->setVisible(shown);
}

void AcquisitionView::DisplayROIValue() {
    CalculStepROIs(m_context.Session, m_state.Windows, CurrentStep(), m_state.GroupSize);
    if (m_windowCheck->isChecked())
        m_roi1->setText(QString::number(m_state.Windows.WindowCounts[0]));
}

void AcquisitionView::LoadCursorColors() {
    m_state.Windows.WindowColours[0] = m_colorWindow1->palette().color(QPalette::Window);
}

// The lines are part of the chart's repaint: asking for one draws them when
// the box is ticked and leaves them out when it is not.
void AcquisitionView::DisplayCursors() {
    std::vector<SpectrumChart::Cursor> cursors;
    if (m_windowCheck->isChecked()) {
        const EnergyWindowTable& windows = m_state.Windows;
        cursors.push_back({windows.WindowBounds[0], windows.WindowColours[0]});
        cursors.push_back({windows.WindowBounds[1], windows.WindowColours[0]});
    }
    m_chart->SetCursors(cursors);
}

void AcquisitionView::TrackBarTimePositionChange(int position) {
    DisplaySpectrumGraph(position);
    if (m_windowCheck->isChecked())
        DisplayROIValue();
}

void AcquisitionView::ButtonBackwardClick() {
    m_trackBar->setValue(m_trackBar->value() - 1);
}

void AcquisitionView::ButtonForwardClick() {
    m_trackBar->setValue(m_trackBar->value() + 1);
}

void AcquisitionView::CheckBoxDisplayWindowRnChange() {
    DisplayCursors();
    DisplayInfosRn();
    if (m_windowCheck->isChecked())
        DisplayROIValue();
}
