#pragma once

// Everything of the main window between its menu bar and its progress bar:
// the logo, the spectrum chart box with its track bar, and the right-hand
// column (" Informations ", " Fenêtrage ", " Résultats ", " Echelle ").
// TFormMain owns the session's life; this view shows the session's data.

#include "data/varia.h"
#include "ui/displaystate.h"

#include <QWidget>

class QCheckBox;
class QFrame;
class QGroupBox;
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

    void DisplayInfosWindows();
    void DisplaySpectrumGraph(int step);
    void DisplayROITitle();
    void DisplayInfosRn();
    void DisplayROIValue();

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

    Context& m_context;
    DisplayState m_state;

    QGroupBox* m_chartBox = nullptr;
    SpectrumChart* m_chart = nullptr;
    QSlider* m_trackBar = nullptr;
    QPushButton* m_backward = nullptr;
    QPushButton* m_forward = nullptr;

    QGroupBox* m_infosBox = nullptr;
    QLineEdit* m_positionClock = nullptr;
    QLineEdit* m_methode = nullptr;
    QLineEdit* m_phase = nullptr;

    QGroupBox* m_optionsBox = nullptr;
    QCheckBox* m_windowCheck = nullptr;
    QLineEdit* m_roi1 = nullptr;
    QFrame* m_colorWindow1 = nullptr;

    QGroupBox* m_resultsBox = nullptr;
    QLineEdit* m_volume = nullptr;
    QLineEdit* m_eapv = nullptr;

    QGroupBox* m_scaleBox = nullptr;
};
