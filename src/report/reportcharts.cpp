#include "report/reportcharts.h"

#include "analysis/countmap.h"
#include "report/reportaxes.h"
#include "report/reportcontent.h"
#include "report/reporttexts.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal ChartHeightMm = 72;
constexpr qreal ColourBarMm = 22; // the map's colour bar and its labels

// Measurement numbers 1 … n across.
ChartAxis MeasurementAxis(qint32 count) {
    return SpanAxis(1, std::max(2, count), 8);
}

// The line of one series: a point per measurement while they are fewer than
// the plot's pixels; beyond, each pixel column's lowest and highest value, so
// that 65,535 measurements draw no slower than the page can show.
QPainterPath SeriesPath(const std::vector<qint64>& values, const QRectF& plot,
                        const ChartAxis& across, const ChartAxis& up) {
    QPainterPath path;
    const auto y = [&](double value) {
        return plot.bottom() - up.Fraction(value) * plot.height();
    };
    const auto x = [&](double measurement) {
        return plot.left() + across.Fraction(measurement) * plot.width();
    };
    const qint64 count = qint64(values.size());
    const int columns = std::max(1, int(plot.width()));
    if (count <= 2 * columns) {
        for (qint64 m = 0; m < count; ++m) {
            const QPointF point(x(double(m + 1)), y(double(values[std::size_t(m)])));
            m == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        // A single measurement still shows, as a dot.
        if (count == 1)
            path.lineTo(path.currentPosition() + QPointF(1, 0));
        return path;
    }
    qint64 first = 0;
    for (int column = 0; column < columns && first < count; ++column) {
        // The measurements whose position falls in this pixel column.
        qint64 end = first;
        const double right = across.low + (across.high - across.low) * (column + 1) / columns;
        while (end < count && double(end + 1) < right)
            ++end;
        end = std::max(end, first + 1);
        const auto [low, high] = std::minmax_element(values.begin() + first, values.begin() + end);
        const qreal at = plot.left() + column + 0.5;
        column == 0 ? path.moveTo(at, y(double(*low))) : path.lineTo(at, y(double(*low)));
        path.lineTo(at, y(double(*high)));
        first = end;
    }
    return path;
}

void PaintLegend(QPainter& painter, const ReportStyle& style, const ReportFigures& figures,
                 const QRectF& plot) {
    painter.setFont(style.small);
    const QFontMetricsF metrics(style.small, painter.device());
    qreal right = plot.right();
    for (int series = figures.table.SeriesCount() - 1; series >= 0; --series) {
        const QString title = SeriesTitle(figures, series);
        const qreal width = metrics.horizontalAdvance(title);
        const qreal top = plot.top() - style.smallLine * 1.2;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(right - width, top, width, style.smallLine),
                         Qt::AlignRight | Qt::AlignBottom, title);
        right -= width + style.Mm(1);
        painter.setPen(QPen(SeriesColour(series), style.Mm(0.6)));
        const qreal middle = top + style.smallLine * 0.6;
        painter.drawLine(QPointF(right - style.Mm(5), middle), QPointF(right, middle));
        right -= style.Mm(8);
    }
}

// The window bounds on a channel axis: vertical lines across a spectrum,
// horizontal ones across the map.
void PaintWindowBounds(QPainter& painter, const ReportStyle& style, const ReportFigures& figures,
                       const QRectF& plot, const ChartAxis& channels, bool vertical) {
    const WindowBoundsTable& windows = figures.windows.table;
    painter.setClipRect(plot);
    for (int k = 1; k <= windows.WindowCount; ++k) {
        QPen pen(SeriesColour(k), style.Mm(0.25));
        pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        // A channel c spans c … c + 1 on the axis: the lines enclose the
        // window's channels, both bounds included.
        for (const int bound :
             {windows.WindowBounds[2 * k - 2], windows.WindowBounds[2 * k - 1] + 1}) {
            const double at = channels.Fraction(bound);
            if (vertical) {
                const qreal x = plot.left() + at * plot.width();
                painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            } else {
                const qreal y = plot.bottom() - at * plot.height();
                painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            }
        }
    }
    painter.setClipping(false);
}

// Channels 0 … 127, each one channel wide, ticked every 16.
ChartAxis ChannelAxis() {
    ChartAxis axis;
    axis.high = ChannelCount;
    for (int channel = 0; channel <= ChannelCount; channel += 16)
        axis.ticks.push_back(channel);
    return axis;
}

} // namespace

ReportBlock TrendChartBlock(const ReportStyle& style, const ReportFigures& figures) {
    ReportBlock block;
    block.height = style.Mm(ChartHeightMm);
    block.paint = [style, &figures](QPainter& painter, const QRectF& area) {
        const MeasurementTable& table = figures.table;
        const QRectF plot = PlotArea(style, area);
        qint64 highest = 0;
        for (const RangeStatistics& statistics : figures.statistics)
            highest = std::max(highest, statistics.Maximum);
        const ChartAxis across = MeasurementAxis(table.MeasurementCount());
        const ChartAxis up = RoundAxis(0, double(highest), 5);
        PaintAxes(painter, style, plot, across, up, Report::tr("Évolution des comptages"),
                  Report::tr("Mesure"), Report::tr("Comptage"));
        PaintLegend(painter, style, figures, plot);
        painter.setClipRect(plot);
        painter.setBrush(Qt::NoBrush);
        for (int series = 0; series < table.SeriesCount(); ++series) {
            painter.setPen(QPen(SeriesColour(series), style.Mm(0.3)));
            painter.drawPath(SeriesPath(table.Series[std::size_t(series)], plot, across, up));
        }
        painter.setClipping(false);
    };
    return block;
}

ReportBlock CountMapBlock(const ReportStyle& style, const Session& session,
                          const ReportFigures& figures) {
    ReportBlock block;
    block.height = style.Mm(ChartHeightMm);
    block.paint = [style, &session, &figures](QPainter& painter, const QRectF& area) {
        const QRectF plot = PlotArea(style, area, style.Mm(ColourBarMm));
        const qint32 count = figures.table.MeasurementCount();
        const QRect pixels = plot.toAlignedRect();
        const CountMap map = ReduceCountMap(session, count, pixels.width());
        // One image pixel per device pixel: measurements across, channels up.
        QImage image(pixels.size(), QImage::Format_RGB32);
        for (int x = 0; x < image.width(); ++x) {
            const int column = int(qint64(x) * map.Columns / image.width());
            for (int y = 0; y < image.height(); ++y) {
                const int channel =
                    ChannelCount - 1 - int(qint64(y) * ChannelCount / image.height());
                image.setPixel(x, y, LogScaleColour(map.Cell(column, channel), map.MaximumCell));
            }
        }
        painter.drawImage(pixels, image);
        // A measurement's column runs from its number to the next one's.
        PaintAxes(painter, style, pixels, SpanAxis(1, count + 1, 8), ChannelAxis(),
                  Report::tr("Carte mesures × canaux"), Report::tr("Mesure"), Report::tr("Canal"));
        PaintWindowBounds(painter, style, figures, pixels, ChannelAxis(), false);

        // The colour bar: the logarithmic scale from 1 to the highest cell.
        const QRectF bar(plot.right() + style.Mm(4), plot.top(), style.Mm(4), plot.height());
        QLinearGradient ramp(bar.bottomLeft(), bar.topLeft());
        for (int stop = 0; stop <= 10; ++stop)
            ramp.setColorAt(stop / 10.0, QColor::fromRgb(ScaleColourAt(stop / 10.0)));
        painter.fillRect(bar, ramp);
        painter.setPen(QPen(Qt::black, style.Mm(0.15)));
        painter.drawRect(bar);
        painter.setFont(style.small);
        for (qint64 decade = 1; decade <= std::max<qint64>(map.MaximumCell, 1); decade *= 10) {
            const qreal y = bar.bottom() - LogScalePosition(decade, map.MaximumCell) * bar.height();
            painter.drawLine(QPointF(bar.right(), y), QPointF(bar.right() + style.Mm(1), y));
            painter.drawText(QRectF(bar.right() + style.Mm(1.5), y - style.smallLine / 2,
                                    style.Mm(15), style.smallLine),
                             Qt::AlignLeft | Qt::AlignVCenter, ReportNumber(decade));
        }
        painter.drawText(
            QRectF(bar.left(), bar.top() - style.smallLine * 1.2, style.Mm(20), style.smallLine),
            Qt::AlignLeft | Qt::AlignBottom, Report::tr("Comptage (log)"));
    };
    return block;
}

ReportBlock SummedSpectrumBlock(const ReportStyle& style, const ReportFigures& figures) {
    ReportBlock block;
    block.height = style.Mm(ChartHeightMm);
    block.paint = [style, &figures](QPainter& painter, const QRectF& area) {
        const QRectF plot = PlotArea(style, area);
        const auto& spectrum = figures.summedSpectrum;
        const ChartAxis channels = ChannelAxis();
        const ChartAxis up =
            RoundAxis(0, double(*std::max_element(spectrum.begin(), spectrum.end())), 5);
        PaintAxes(painter, style, plot, channels, up,
                  Report::tr("Spectre sommé de toute l'acquisition"), Report::tr("Canal"),
                  Report::tr("Comptage"));
        QPainterPath path;
        for (int c = 0; c < ChannelCount; ++c) {
            // Each channel a step one channel wide, as a spectrum is counted.
            const qreal y =
                plot.bottom() - up.Fraction(double(spectrum[std::size_t(c)])) * plot.height();
            const qreal left = plot.left() + channels.Fraction(c) * plot.width();
            const qreal right = plot.left() + channels.Fraction(c + 1) * plot.width();
            c == 0 ? path.moveTo(left, y) : path.lineTo(left, y);
            path.lineTo(right, y);
        }
        painter.setPen(QPen(SeriesColour(0), style.Mm(0.3)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        PaintWindowBounds(painter, style, figures, plot, channels, true);
    };
    return block;
}
