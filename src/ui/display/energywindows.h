#pragma once

// The energy windows as the acquisition view shows them: the table loaded at
// session opening, the count of the displayed step and the cursor lines.

#include "analysis/windowbounds.h"
#include "data/varia.h"
#include "ui/display/displaystate.h"

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

// Fills the table from the parameters (see LoadWindowBounds): a value that is
// not a decimal integer leaves an empty table (WindowCount 0, bounds as they
// were) and returns false.
bool LoadCursorPositions(const ParameterSet& parameters, EnergyWindowTable& table);

// "Ch lo-hi" for window 1: a fixed text, the same in every language.
QString RoiTitle(const EnergyWindowTable& table);

// Total count of window k (1-based) in the spectrum of one measurement;
// 0 when the window is reversed or the measurement has no spectrum.
qint32 CalculROIs(const Session& session, const EnergyWindowTable& table, int index, int k);

// WindowCounts of every loaded window for step p.
void CalculStepROIs(const Session& session, EnergyWindowTable& table, int step, int groupSize);

// The pixel column of a channel on a plot spanning axisMin … axisMax.
int CursorColumn(double channel, double axisMin, double axisMax, int plotLeft, int plotWidth);

// One cursor line in exclusive-or, in the inverted colour so that it shows in
// `colour` over white. Columns on or outside the plot edges are not drawn, so
// drawing a line twice always restores the picture.
void Draw_Cursor(QPainter& painter, const QRect& plot, int x, const QColor& colour);
