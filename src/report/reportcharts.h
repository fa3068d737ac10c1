#pragma once

// The report's pictures: the trends of the total and of each window, the
// time × channel map, and the summed spectrum with the window bounds. Lines
// and text are vectors; the map is an image at the device's resolution.

#include "report/reportfigures.h"
#include "report/reportlayout.h"
#include "report/reportstyle.h"

ReportBlock TrendChartBlock(const ReportStyle& style, const ReportFigures& figures);
ReportBlock CountMapBlock(const ReportStyle& style, const Session& session,
                          const ReportFigures& figures);
ReportBlock SummedSpectrumBlock(const ReportStyle& style, const ReportFigures& figures);
