#pragma once

// The overview's trends: one line per series (the total and each energy
// window) against the measurement number, with a linear or logarithmic count
// axis, the current step as a vertical line and the selected range as a band.
// A wide acquisition is drawn as each pixel column's lowest and highest
// value, so a spike stays visible and 65,535 measurements cost what 1,000 do.

#include "ui/display/overviewdrag.h"

#include <QChartView>

class OverviewModel;
class QLineSeries;
class QValueAxis;
class QAbstractAxis;

class OverviewTrends : public QChartView {
    Q_OBJECT
public:
    explicit OverviewTrends(OverviewModel& model, QWidget* parent = nullptr);

    void SetLogarithmic(bool logarithmic);
    bool Logarithmic() const { return m_logarithmic; }
    // The measurement (0-based) under a viewport x, -1 outside the plot.
    qint32 MeasurementAt(int x) const;
    int XOfMeasurement(qint32 measurement) const;
    QString ToolTipAt(qint32 measurement) const;

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void Rebuild();
    void FillSeries();
    void SetCountAxis();
    int WantedColumns() const;

    OverviewModel& m_model;
    std::vector<QLineSeries*> m_series;
    QValueAxis* m_measurementAxis = nullptr;
    QAbstractAxis* m_countAxis = nullptr;
    bool m_logarithmic = false;
    int m_filledColumns = 0;
    MeasurementDrag m_drag;
};
