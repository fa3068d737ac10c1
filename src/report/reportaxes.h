#pragma once

// Axes of the report's charts: round tick values, and the frame with its
// labels around a plot.

#include "report/reportstyle.h"

#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

// Values from `low` to `high` mapped onto a span of device pixels.
struct ChartAxis {
    double low = 0;
    double high = 1;
    std::vector<double> ticks;

    double Fraction(double value) const { return (value - low) / (high - low); }
};

// An axis from `low` to at least `high`, ending on a round tick, with about
// `wanted` ticks; `low` stays where it is.
ChartAxis RoundAxis(double low, double high, int wanted);
// An axis over exactly `low` … `high`, its ticks on the round values inside,
// and on `low` when no round value is near it.
ChartAxis SpanAxis(double low, double high, int wanted);

// The plot's room inside a chart's area, leaving space for the title above,
// the tick labels at the left and below, and `rightRoom` at the right.
QRectF PlotArea(const ReportStyle& style, const QRectF& area, qreal rightRoom = 0);

// The frame, ticks and labels of both axes, the axis titles and the chart's title.
void PaintAxes(QPainter& painter, const ReportStyle& style, const QRectF& plot,
               const ChartAxis& across, const ChartAxis& up, const QString& title,
               const QString& acrossTitle, const QString& upTitle);
