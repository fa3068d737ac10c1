#pragma once

// Everything of the main window between its menu bar and its progress bar:
// the logo, the spectrum chart box with its track bar, and the right-hand
// column (" Informations ", " Fenêtrage ", " Résultats ", " Echelle ").
// TFormMain owns the session's life; this view shows the session's data.

#include "data/varia.h"
#include "ui/display/displaystate.h"

#include <QWidget>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class SpectrumChart;

class AcquisitionView : public QWidget {
    Q_OBJECT
public:
    AcquisitionView(Context& context, QWidget* parent = nullptr);

    // The display half of opening a session: channel axis 0 … 127, the energy
    // window table and colour loaded from the parameters, GroupSize 1, and the
    // five group boxes shown.
    void OpenSessionDisplay();
    // The display half of closing it: the five boxes hidden, GroupSize 1, the
    // energy window check box cleared (its cursor lines removed).
    void CloseSessionDisplay();
    // Shows a session that has just been opened, from step 0.
    void DisplayAcquisition();

    // What is on screen besides the session: read by the printed report.
    const DisplayState& State() const { return m_state; }
    // The step shown, 0-based.
    int CurrentStep() const;

    // The four boxes of the right-hand column: transparent over the main
    // window's background on screen, opaque for the printed picture.
    void SetRightColumnOpaque(bool opaque);
    bool ChartBoxVisible() const;
    void RepaintChart();

    void DisplayInfosWindows();
    void DisplaySpectrumGraph(int step);
    void DisplayROITitle();
    void DisplayInfosRn();
    void DisplayROIValue();

    // Moves to a step exactly as the track bar does (the overview's click).
    void GoToStep(int step);

signals:
    // After every step shown: opening a session shows step 0, then each move.
    void StepShown(int step);

private:
    void BuildChartBox();
    void BuildRightColumn();
    void LoadCursorColors();
    void DisplayCursors();
    void TrackBarTimePositionChange(int position);
    void ButtonBackwardClick();
    void ButtonForwardClick();
    void CheckBoxDisplayWindowRnChange();
    void SetSessionBoxesVisible(bool visible);
    void ShowMeasurePosition(int step);

    Context& m_context;
    DisplayState m_state;

    QGroupBox* GroupBoxChartSpectrum = nullptr;
    SpectrumChart* ChartSpectrum = nullptr;
    QSlider* TrackBarTimePosition = nullptr;
    QPushButton* ButtonBackward = nullptr;
    QPushButton* ButtonForward = nullptr;
    QLabel* m_position = nullptr;

    QGroupBox* GroupBoxInfos = nullptr;
    QLineEdit* EditPositionClock = nullptr;
    QLineEdit* EditMethode = nullptr;
    QLineEdit* EditPhase = nullptr;

    QGroupBox* GroupBoxOptionsSpec = nullptr;
    QCheckBox* CheckBoxDisplayWindowRn = nullptr;
    QLineEdit* EditROI1 = nullptr;
    QFrame* ColorWindow1 = nullptr;

    QGroupBox* GroupBoxResultats = nullptr;
    QLineEdit* EditVolume = nullptr;
    QLineEdit* EditEAPV = nullptr;

    QGroupBox* GroupBoxEchelleSpec = nullptr;
};
