#include "report/reportaxes.h"

#include "report/reportcontent.h"

#include <QPainter>

#include <cmath>

namespace {

// A round step (1, 2 or 5 times a power of ten) giving about `wanted` ticks;
// counts and measurement numbers are whole, so never below 1.
double RoundStep(double span, int wanted) {
    const double rough = span / std::max(1, wanted);
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * magnitude;
        if (step >= rough)
            break;
    }
    return std::max(step, 1.0);
}

} // namespace

ChartAxis RoundAxis(double low, double high, int wanted) {
    ChartAxis axis;
    axis.low = low;
    if (high <= low)
        high = low + 1;
    const double step = RoundStep(high - low, wanted);
    axis.high = low + std::ceil((high - low) / step) * step;
    for (double tick = low; tick <= axis.high + step / 2; tick += step)
        axis.ticks.push_back(tick);
    return axis;
}

ChartAxis SpanAxis(double low, double high, int wanted) {
    ChartAxis axis;
    axis.low = low;
    axis.high = high > low ? high : low + 1;
    const double step = RoundStep(axis.high - low, wanted);
    const double first = std::ceil(low / step) * step;
    if (first - low > step / 2)
        axis.ticks.push_back(low);
    for (double tick = first; tick <= axis.high + step * 1e-9; tick += step)
        axis.ticks.push_back(tick);
    return axis;
}

QRectF PlotArea(const ReportStyle& style, const QRectF& area, qreal rightRoom) {
    return area.adjusted(style.Mm(16), style.line * 2.4, -rightRoom, -style.Mm(10));
}

void PaintAxes(QPainter& painter, const ReportStyle& style, const QRectF& plot,
               const ChartAxis& across, const ChartAxis& up, const QString& title,
               const QString& acrossTitle, const QString& upTitle) {
    painter.setPen(Qt::black);
    painter.setFont(style.bold);
    painter.drawText(QRectF(plot.left() - style.Mm(16), plot.top() - style.line * 2.4, plot.width(),
                            style.line * 1.2),
                     Qt::AlignLeft | Qt::AlignVCenter, title);

    painter.setFont(style.small);
    const QPen tickPen(Qt::black, style.Mm(0.15));
    const qreal tick = style.Mm(1.2);
    for (const double value : across.ticks) {
        const qreal x = plot.left() + across.Fraction(value) * plot.width();
        painter.setPen(tickPen);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + tick));
        painter.drawText(
            QRectF(x - style.Mm(10), plot.bottom() + tick, style.Mm(20), style.smallLine),
            Qt::AlignHCenter | Qt::AlignTop, ReportNumber(qint64(value)));
    }
    for (const double value : up.ticks) {
        const qreal y = plot.bottom() - up.Fraction(value) * plot.height();
        painter.setPen(tickPen);
        painter.drawLine(QPointF(plot.left() - tick, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(plot.left() - style.Mm(16), y - style.smallLine / 2,
                                style.Mm(16) - tick * 1.5, style.smallLine),
                         Qt::AlignRight | Qt::AlignVCenter, ReportNumber(qint64(value)));
    }
    painter.drawText(
        QRectF(plot.left(), plot.bottom() + tick + style.smallLine, plot.width(), style.smallLine),
        Qt::AlignHCenter | Qt::AlignTop, acrossTitle);
    painter.drawText(
        QRectF(plot.left(), plot.top() - style.smallLine * 1.2, plot.width(), style.smallLine),
        Qt::AlignLeft | Qt::AlignBottom, upTitle);
    painter.setPen(QPen(Qt::black, style.Mm(0.2)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
}
