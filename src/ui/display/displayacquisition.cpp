// The acquisition view's display: what each box shows for the current step,
// and how the track bar, the step buttons and the energy window change it.

#include "ui/display/acquisitionview.h"

#include "ui/display/displaysteps.h"
#include "ui/display/energywindows.h"
#include "ui/display/spectrumchart.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

void AcquisitionView::OpenSessionDisplay() {
    ChartSpectrum->ResetChannelAxis();
    LoadCursorPositions(m_context.Session.Parameters, m_state.Windows);
    LoadCursorColors();
    m_state.GroupSize = 1;
    SetSessionBoxesVisible(true);
}

void AcquisitionView::CloseSessionDisplay() {
    SetSessionBoxesVisible(false);
    m_state.GroupSize = 1;
    CheckBoxDisplayWindowRn->setChecked(false);
    DisplayCursors();
}

void AcquisitionView::DisplayAcquisition() {
    const int steps = StepCount(m_context.Session, m_state.GroupSize);
    const bool navigable = steps > 1;
    ButtonBackward->setEnabled(navigable);
    ButtonForward->setEnabled(navigable);
    TrackBarTimePosition->setEnabled(navigable);
    {
        // Step 0 is drawn once below, not again by the track bar's own signal.
        const QSignalBlocker blocker(TrackBarTimePosition);
        TrackBarTimePosition->setRange(0, qMax(0, steps - 1));
        TrackBarTimePosition->setValue(0);
    }
    DisplayInfosRn();
    DisplayInfosWindows();
    DisplayROITitle();
    DisplaySpectrumGraph(0);
    if (CheckBoxDisplayWindowRn->isChecked())
        DisplayROIValue();
    m_state.VisibleChannelSpan = ChannelCount - 1;
}

int AcquisitionView::CurrentStep() const {
    return TrackBarTimePosition->value();
}

void AcquisitionView::DisplayInfosWindows() {
    const Session& session = m_context.Session;
    // The instrument computes volume and EAPV only for a complete three-step
    // measurement; anything else has no result to show, not a zero.
    if (session.Method == QLatin1String("Test") || session.MeasurementCount != 3) {
        EditVolume->clear();
        EditEAPV->clear();
        return;
    }
    EditVolume->setText(FormatFixed2(session.Volume));
    EditEAPV->setText(FormatFixed2(session.Eapv));
}

void AcquisitionView::DisplaySpectrumGraph(int step) {
    const Session& session = m_context.Session;
    ChartSpectrum->ShowPoints(StepPoints(session, step, m_state.GroupSize));
    // A file may say its spectra are unavailable: a flat line would look like a count of zero.
    ChartSpectrum->SetSpectraUnavailable(!session.SpectraAvailable && session.MeasurementCount > 0);
    ShowMeasurePosition(step);
    if (!StepAvailable(session, step, m_state.GroupSize)) {
        EditPositionClock->clear();
        EditMethode->clear();
        EditPhase->clear();
        emit StepShown(step);
        return;
    }
    EditPositionClock->setText(session.StartText);
    EditMethode->setText(session.Method);
    EditPhase->setText(PhaseText(session.Method, step, EditPhase->text()));
    // Narrow fields show the beginning of their text, not its end.
    for (QLineEdit* field : {EditPositionClock, EditMethode, EditPhase})
        field->setCursorPosition(0);
    emit StepShown(step);
}

void AcquisitionView::ShowMeasurePosition(int step) {
    const int steps = StepCount(m_context.Session, m_state.GroupSize);
    const QString text =
        step >= 0 && step < steps ? tr("Mesure %1 / %2").arg(step + 1).arg(steps) : QString();
    m_position->setText(text);
    TrackBarTimePosition->setToolTip(text);
}

void AcquisitionView::DisplayROITitle() {
    CheckBoxDisplayWindowRn->setText(RoiTitle(m_state.Windows));
}

void AcquisitionView::DisplayInfosRn() {
    const bool shown = CheckBoxDisplayWindowRn->isChecked();
    ColorWindow1->setVisible(shown);
    EditROI1->setVisible(shown);
}

void AcquisitionView::DisplayROIValue() {
    CalculStepROIs(m_context.Session, m_state.Windows, CurrentStep(), m_state.GroupSize);
    if (CheckBoxDisplayWindowRn->isChecked())
        EditROI1->setText(QString::number(m_state.Windows.WindowCounts[0]));
}

void AcquisitionView::LoadCursorColors() {
    m_state.Windows.WindowColours[0] = ColorWindow1->palette().color(QPalette::Window);
}

// The lines are part of the chart's repaint: asking for one draws them when
// the box is ticked and leaves them out when it is not.
void AcquisitionView::DisplayCursors() {
    std::vector<SpectrumChart::Cursor> cursors;
    if (CheckBoxDisplayWindowRn->isChecked()) {
        const EnergyWindowTable& windows = m_state.Windows;
        cursors.push_back({windows.WindowBounds[0], windows.WindowColours[0]});
        cursors.push_back({windows.WindowBounds[1], windows.WindowColours[0]});
    }
    ChartSpectrum->SetCursors(cursors);
}

void AcquisitionView::TrackBarTimePositionChange(int position) {
    DisplaySpectrumGraph(position);
    if (CheckBoxDisplayWindowRn->isChecked())
        DisplayROIValue();
}

void AcquisitionView::GoToStep(int step) {
    TrackBarTimePosition->setValue(step);
}

void AcquisitionView::ButtonBackwardClick() {
    TrackBarTimePosition->setValue(TrackBarTimePosition->value() - 1);
}

void AcquisitionView::ButtonForwardClick() {
    TrackBarTimePosition->setValue(TrackBarTimePosition->value() + 1);
}

void AcquisitionView::CheckBoxDisplayWindowRnChange() {
    DisplayCursors();
    DisplayInfosRn();
    if (CheckBoxDisplayWindowRn->isChecked())
        DisplayROIValue();
}
