#pragma once

// The numbers a report shows, all from the analysis layer: the window table,
// the per-measurement table and its statistics over the whole acquisition.

#include "analysis/measurementtable.h"
#include "analysis/rangestatistics.h"
#include "analysis/windowbounds.h"

#include <QColor>
#include <QString>

#include <array>
#include <vector>

struct ReportFigures {
    WindowBoundsLoad windows;
    MeasurementTable table;
    // One per series of the table (total, then each window), over every measurement.
    std::vector<RangeStatistics> statistics;
    std::array<qint64, ChannelCount> summedSpectrum{};
};

ReportFigures ComputeReportFigures(const Session& session);

// "Total", then "Ch lo-hi" of each window.
QString SeriesTitle(const ReportFigures& figures, int series);
// The colour of a series in every chart of the report; the first window's is
// the main window's red.
QColor SeriesColour(int series);
