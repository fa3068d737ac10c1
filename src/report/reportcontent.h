#pragma once

// The labelled values of the report's first sections, in the program's
// language.

#include "report/measurementreport.h"
#include "report/reportblocks.h"

#include <vector>

std::vector<ReportField> HeadingFields(const ReportRequest& request);
std::vector<ReportField> InstrumentFields(const Session& session);
std::vector<ReportField> AcquisitionFields(const Session& session);

// Decimal numbers with the user's regional separator, without grouping;
// whole numbers in plain digits, as everywhere else in the program.
QString ReportNumber(double value, int decimals);
QString ReportNumber(qint64 value);
