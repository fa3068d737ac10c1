#pragma once

// Where the parts of the printed report go on the sheet, in printer pixels.
// Kept apart from the printing itself so that the rules can be checked
// without a printer.

#include <QPoint>
#include <QRect>
#include <QSize>

// Rounding of a quotient of integers: the picture's proportional fitting
// rounds halves away from zero, every other placement to the even neighbour.
int RoundQuotientHalfAway(qint64 numerator, qint64 denominator);
int RoundQuotientHalfEven(qint64 numerator, qint64 denominator);

// The picture fitted into the page keeping its proportions, reduced to
// `percent` of that size and centred.
QRect FitReportPicture(const QSize& picture, const QSize& page, int percent);

// The top-left corner of the title (centred at the top) and of the footer
// (bottom left), for a title `titleWidth` pixels wide.
QPoint ReportTitlePosition(const QSize& page, int titleWidth);
QPoint ReportFooterPosition(const QSize& page);
