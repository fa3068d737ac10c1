#pragma once

// Mouse conveniences over the spectrum chart's plot, none of which changes
// its rules: hovering tells the channel and count under the pointer, the
// wheel does what "+" and "-" do (one press per notch), and a double-click
// takes the count scale to the smallest step of that same ladder that shows
// the highest count of the plotted spectrum.

#include <QObject>
#include <QPoint>
#include <QString>

class SpectrumChart;

class ChartConveniences : public QObject {
    Q_OBJECT
public:
    // Watches the chart's viewport; owned by the chart.
    explicit ChartConveniences(SpectrumChart& chart);

    // "Canal 40 : 1234 coups" for a point of the viewport over the plot,
    // empty elsewhere or where nothing is plotted.
    QString HoverText(const QPoint& position) const;
    void FitCountScale();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SpectrumChart& m_chart;
    int m_wheelRemainder = 0; // eighths of a degree not yet a whole notch
};
