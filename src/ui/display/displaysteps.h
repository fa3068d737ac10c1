#pragma once

// The arithmetic of stepping through an acquisition, kept apart from the
// widgets so that the view, the printed report and the tests share it.

#include "analysis/measurementtable.h"
#include "data/varia.h"

#include <QList>
#include <QPointF>
#include <QString>

// Measurements per step are added channel by channel; a trailing remainder
// smaller than one step is never shown.
int StepCount(const Session& session, int groupSize);

// True when every measurement of step p has a spectrum in the session. A
// session without measurements, or one whose spectra are shorter than its
// count says, has steps that must not be read.
bool StepAvailable(const Session& session, int step, int groupSize);

// The plotted line of step p: channels 0 … 126 (the last channel is never
// plotted), each the sum of the step's spectra. Empty when the step is not
// available.
QList<QPointF> StepPoints(const Session& session, int step, int groupSize);

// "%.2f" with the regional decimal separator; exact halves go to the even neighbour.
QString FormatFixed2(double value);
