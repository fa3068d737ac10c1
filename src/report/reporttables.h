#pragma once

// The report's two tables: the results of the whole acquisition, and the
// measurements one per row over as many pages as they need.

#include "report/reportfigures.h"
#include "report/reportlayout.h"
#include "report/reportstyle.h"

// Per series: total count ± √N and the relative uncertainty, the mean per
// measurement, the minimum and maximum with the measurement they were met in.
ReportTable ResultsTable(const ReportStyle& style, const ReportFigures& figures);

// Number, phase, total and each window, for the first `rows` measurements.
ReportTable MeasurementsTable(const ReportStyle& style, const ReportFigures& figures, qint32 rows);
