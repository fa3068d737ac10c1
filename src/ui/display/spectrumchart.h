#pragma once

// The spectrum chart: counts against channel of the displayed step, fixed
// axes that only the scale buttons and the pan clamp change, horizontal
// panning with the mouse, and the energy window's cursor lines drawn in
// exclusive-or after every repaint.

#include "ui/display/displaystate.h"

#include <QChartView>
#include <QColor>
#include <QList>
#include <QPointF>
#include <vector>

class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

class SpectrumChart : public QChartView {
    Q_OBJECT
public:
    static constexpr QRgb SpectrumPointColour = 0xFF49A3B6; // RGB(73, 163, 182)
    static constexpr double InitialCountMaximum = 1000.0;

    struct Cursor {
        int channel = 0;
        QColor colour;
    };

    explicit SpectrumChart(DisplayState& state, QWidget* parent = nullptr);

    // The chart half of DisplaySpectrumGraph: the whole line replaced at once.
    void ShowPoints(const QList<QPointF>& points);
    // "Spectres indisponibles" across the plot, for a file without spectra.
    void SetSpectraUnavailable(bool unavailable);
    bool SpectraUnavailableShown() const;
    // Channel axis back to 0 … 127, as every session opening does.
    void ResetChannelAxis();
    // Minimum and maximum together, so that no half-applied range is ever seen.
    void SetChannelRange(double minimum, double maximum);

    double ChannelMinimum() const;
    double ChannelMaximum() const;
    double CountMaximum() const;

    void ButtonScaleUpClick();
    void ButtonScaleDownClick();
    void ButtonScaleRightClick();
    void ButtonScaleLeftClick();

    // Moves the visible channel range by `channels` (positive: to the right),
    // then clamps it like a pan with the mouse.
    void PanChannels(double channels);
    void ChartSpectrumScroll();

    // The lines drawn over the plot after each repaint; empty for none.
    void SetCursors(const std::vector<Cursor>& cursors);
    const std::vector<Cursor>& Cursors() const { return m_cursors; }
    // The plot area in viewport pixels: the cursor columns' frame of reference.
    QRect PlotRect() const;
    int CursorColumnOf(double channel) const;

    QLineSeries* Series1() const { return m_series; }
    QValueAxis* ChannelAxis() const { return m_channelAxis; }
    QValueAxis* CountAxis() const { return m_countAxis; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ChartSpectrumAfterDraw();
    void SetCountMaximum(double maximum);
    void PlaceUnavailableText();

    DisplayState& m_state;
    QLineSeries* m_series = nullptr;
    QValueAxis* m_channelAxis = nullptr;
    QValueAxis* m_countAxis = nullptr;
    QGraphicsSimpleTextItem* m_unavailable = nullptr;
    std::vector<Cursor> m_cursors;

    bool m_panning = false;
    double m_panStartX = 0.0;
    double m_panStartMinimum = 0.0;
    double m_panStartMaximum = 0.0;
};
