#pragma once

// Everything of the main window between its menu bar and its progress bar:
// the logo, the spectrum chart box with its track bar, and the right-hand
// column (" Informations ", " Fenêtrage ", " Résultats ", " Echelle ").
// TFormMain owns the session's life; this view shows the session's data.

#include "data/varia.h"

#include <QWidget>

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

private:
    Context& m_context;
};
