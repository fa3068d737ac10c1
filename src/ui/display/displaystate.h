#pragma once

// What the acquisition view shows besides the session itself: the step size,
// the channel span that panning keeps, and the energy window table. One
// instance lives in the AcquisitionView; the printed report reads it there.

#include <QColor>
#include <QtGlobal>
#include <array>

constexpr int MaxWindowCount = 4;

struct EnergyWindowTable {
    int WindowCount = 0;
    // Window k (1 … 4) covers WindowBounds[2k − 2] … WindowBounds[2k − 1], both included.
    std::array<int, 2 * MaxWindowCount> WindowBounds{};
    std::array<qint32, MaxWindowCount> WindowCounts{};
    std::array<QColor, MaxWindowCount> WindowColours{QColor(Qt::black), QColor(Qt::black),
                                                     QColor(Qt::black), QColor(Qt::black)};
};

struct DisplayState {
    int GroupSize = 1;
    int VisibleChannelSpan = 127;
    EnergyWindowTable Windows;
};
