#pragma once

// Energy windows: channel ranges whose counts are added up. Their number and
// bounds are instrument parameters 29 … 37 of the session, read again at every
// session opening. Shared by the acquisition view, the overview and `ovra`.

#include "data/varia.h"

#include <QString>
#include <array>

constexpr int MaxWindowCount = 4;
constexpr int WindowCountParameter = 29;

// Window k (1 … WindowCount) covers WindowBounds[2k − 2] … WindowBounds[2k − 1],
// both included.
struct WindowBoundsTable {
    int WindowCount = 0;
    std::array<int, 2 * MaxWindowCount> WindowBounds{};
};

struct WindowBoundsLoad {
    bool ok = false;
    WindowBoundsTable table;
    QString error; // the conversion message of the first text that is not a decimal integer
};

// Reads the window table from the parameters, starting from `previous`:
// bounds beyond 2 × WindowCount keep their previous values. The whole table
// is checked before any of it is taken, so a text that does not convert gives
// ok false, WindowCount 0 and the previous bounds. The count is limited to
// 0 … 4 and every bound to 0 … 127, so no sum reads outside a spectrum.
WindowBoundsLoad LoadWindowBounds(const ParameterSet& parameters,
                                  const WindowBoundsTable& previous = {});

// "Ch lo-hi" of window k (1-based): a fixed text, the same in every language.
QString WindowTitle(const WindowBoundsTable& table, int k);

// Total count of window k (1-based) in measurement `index` (0-based); 0 when
// the window is reversed (hi < lo) or the measurement has no spectrum.
qint64 WindowCountOf(const Session& session, const WindowBoundsTable& table, qint32 index, int k);

// Total count of one measurement over all 128 channels; 0 without a spectrum.
qint64 MeasurementTotal(const Session& session, qint32 index);
