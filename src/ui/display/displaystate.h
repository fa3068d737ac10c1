#pragma once

// What the acquisition view shows besides the session itself: the step size,
// the channel span that panning keeps, and the energy window table. One
// instance lives in the AcquisitionView; the printed report reads it there.

#include "analysis/windowbounds.h"

#include <QColor>
#include <QtGlobal>
#include <array>

// The bounds as the session's parameters give them, with what the view shows of them.
struct EnergyWindowTable : WindowBoundsTable {
    std::array<qint32, MaxWindowCount> WindowCounts{};
    std::array<QColor, MaxWindowCount> WindowColours{QColor(Qt::black), QColor(Qt::black),
                                                     QColor(Qt::black), QColor(Qt::black)};
};

struct DisplayState {
    int GroupSize = 1;
    int VisibleChannelSpan = 127;
    EnergyWindowTable Windows;
};
