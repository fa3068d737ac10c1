#pragma once

// The time × channel map of the overview: measurements across, channels up,
// colour = count on a logarithmic scale with its colour bar, the energy
// windows' bounds as thin lines, the current step and the selected range.
// A plain widget painting one QImage of at most one column per pixel.

#include "analysis/countmap.h"
#include "ui/display/overviewdrag.h"

#include <QImage>
#include <QWidget>

class OverviewModel;

class OverviewMap : public QWidget {
    Q_OBJECT
public:
    explicit OverviewMap(OverviewModel& model, QWidget* parent = nullptr);

    // Where the image is painted, in widget pixels.
    QRect PlotRect() const;
    const CountMap& Map() const { return m_map; }
    // The first measurement of the column under x, -1 outside the plot.
    qint32 MeasurementAt(int x) const;
    // The centre of the column holding a measurement.
    int XOfMeasurement(qint32 measurement) const;
    // The channel under y, -1 outside the plot.
    int ChannelAt(int y) const;
    QString ToolTipAt(const QPoint& position) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Rebuild();
    void PaintColourBar(QPainter& painter, const QRect& plot);
    void PaintMarks(QPainter& painter, const QRect& plot);

    OverviewModel& m_model;
    CountMap m_map;
    QImage m_image;
    MeasurementDrag m_drag;
};
