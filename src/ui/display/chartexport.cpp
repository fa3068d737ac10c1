#include "ui/display/chartexport.h"

#include "ui/display/spectrumchart.h"

#include "data/checkedwrite.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

namespace {

// The chart laid out at the image's size for the length of the drawing, and
// given back its own size after it, whatever happens in between.
class ChartResize {
public:
    ChartResize(QChart& plot, const QSizeF& size)
        : m_plot(plot)
        , m_size(plot.size()) {
        Apply(size);
    }
    ~ChartResize() { Apply(m_size); }

private:
    void Apply(const QSizeF& size) {
        m_plot.resize(size);
        if (m_plot.layout())
            m_plot.layout()->activate();
    }
    QChart& m_plot;
    QSizeF m_size;
};

void DrawChart(SpectrumChart& chart, QPainter& painter, const QSize& size) {
    QChart& plot = *chart.chart();
    const ChartResize resize(plot, size);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    plot.scene()->render(&painter, QRectF(QPointF(0, 0), size), plot.sceneBoundingRect());

    // The lines the window draws in exclusive-or over its plot are drawn
    // here in their own colour: a file has nothing under it to invert.
    const QRectF area = plot.plotArea();
    const double minimum = chart.ChannelMinimum();
    const double maximum = chart.ChannelMaximum();
    if (!(maximum > minimum))
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const SpectrumChart::Cursor& cursor : chart.Cursors()) {
        if (!(cursor.channel > minimum && cursor.channel < maximum))
            continue;
        const double x =
            qRound(area.left() + (cursor.channel - minimum) * area.width() / (maximum - minimum));
        QPen pen(cursor.colour, 1);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
}

} // namespace

bool ExportChartImage(SpectrumChart& chart, const QString& path, const QSize& size,
                      QString& error) {
    // Drawn in memory first: the file is then written in one checked write.
    QBuffer image;
    image.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&image);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        // A CSS pixel is 1/96 inch: browsers show the image at the chosen size.
        svg.setResolution(96);
        svg.setTitle(chart.chart()->title());
        QPainter painter;
        drawn = painter.begin(&svg);
        if (drawn) {
            DrawChart(chart, painter, size);
            painter.end();
        }
    } else {
        QImage picture(size, QImage::Format_RGB32);
        QPainter painter;
        drawn = painter.begin(&picture);
        if (drawn) {
            DrawChart(chart, painter, size);
            painter.end();
            drawn = picture.save(&image, "PNG");
        }
    }
    if (!drawn) {
        error = QCoreApplication::translate("ChartExport", "l'image n'a pas pu être dessinée");
        return false;
    }
    const WriteOutcome written = WriteFileChecked(path, image.data());
    error = written.reason;
    return written.ok;
}
