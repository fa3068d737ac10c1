#include "ui/display/overviewtrends.h"

#include "ui/display/overviewmodel.h"

#include <QHelpEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>

namespace {

// A logarithmic axis cannot show 0: a count of nothing sits on the axis floor.
constexpr double LogFloor = 0.5;
// Before the first layout the plot area is empty: start from a width of this many columns.
constexpr int MinimumColumns = 200;

} // namespace

OverviewTrends::OverviewTrends(OverviewModel& model, QWidget* parent)
    : QChartView(parent)
    , m_model(model) {
    setObjectName(QStringLiteral("OverviewTrends"));
    setRenderHint(QPainter::Antialiasing, false);
    setRubberBand(QChartView::NoRubberBand);
    setMouseTracking(true);
    setMinimumHeight(130);
    QChart* plot = chart();
    plot->setMargins(QMargins(4, 4, 4, 4));
    plot->setBackgroundRoundness(0);
    plot->legend()->setAlignment(Qt::AlignRight);
    m_measurementAxis = new QValueAxis(plot);
    m_measurementAxis->setLabelFormat(QStringLiteral("%d"));
    plot->addAxis(m_measurementAxis, Qt::AlignBottom);
    SetCountAxis();
    connect(&m_model, &OverviewModel::Loaded, this, &OverviewTrends::Rebuild);
    connect(&m_model, &OverviewModel::CurrentStepChanged, this, [this] { viewport()->update(); });
    connect(&m_model, &OverviewModel::SelectionChanged, this, [this] { viewport()->update(); });
}

void OverviewTrends::Rebuild() {
    QChart* plot = chart();
    plot->removeAllSeries();
    m_series.clear();
    for (int s = 0; s < m_model.Table().SeriesCount(); ++s) {
        auto* series = new QLineSeries(plot);
        series->setName(m_model.SeriesName(s));
        series->setPen(QPen(OverviewModel::SeriesColour(s), s == 0 ? 2 : 1.5));
        plot->addSeries(series);
        series->attachAxis(m_measurementAxis);
        series->attachAxis(m_countAxis);
        m_series.push_back(series);
    }
    m_measurementAxis->setRange(1, std::max<qint32>(m_model.MeasurementCount(), 2));
    m_measurementAxis->setTickCount(std::clamp<int>(m_model.MeasurementCount(), 2, 9));
    FillSeries();
}

void OverviewTrends::FillSeries() {
    const MeasurementTable& table = m_model.Table();
    const qint32 n = table.MeasurementCount();
    const int columns = WantedColumns();
    m_filledColumns = columns;
    const double floor = m_logarithmic ? LogFloor : 0.0;
    qint64 highest = 1;
    for (int s = 0; s < table.SeriesCount(); ++s) {
        const std::vector<qint64>& values = table.Series[std::size_t(s)];
        QList<QPointF> points;
        points.reserve(2 * columns);
        for (int c = 0; c < columns; ++c) {
            const qint32 first = qint32(qint64(c) * n / columns);
            const qint32 last = qint32(qint64(c + 1) * n / columns) - 1;
            const auto [low, high] =
                std::minmax_element(values.begin() + first, values.begin() + last + 1);
            // Low and high in the order they occur, so the line is the data's.
            const auto earlier = std::min(low, high);
            const auto later = std::max(low, high);
            const auto point = [&](auto at) {
                return QPointF(double(at - values.begin()) + 1, std::max(double(*at), floor));
            };
            points.append(point(earlier));
            if (later != earlier)
                points.append(point(later));
            highest = std::max(highest, *high);
        }
        m_series[std::size_t(s)]->replace(points);
    }
    if (m_logarithmic)
        static_cast<QLogValueAxis*>(m_countAxis)->setRange(LogFloor, double(highest) * 2);
    else
        static_cast<QValueAxis*>(m_countAxis)->setRange(0, double(highest) * 1.05);
}

void OverviewTrends::SetCountAxis() {
    QChart* plot = chart();
    if (m_countAxis) {
        for (QLineSeries* series : m_series)
            series->detachAxis(m_countAxis);
        plot->removeAxis(m_countAxis);
        delete m_countAxis;
    }
    if (m_logarithmic) {
        auto* axis = new QLogValueAxis(plot);
        axis->setBase(10);
        axis->setLabelFormat(QStringLiteral("%g"));
        m_countAxis = axis;
    } else {
        auto* axis = new QValueAxis(plot);
        axis->setLabelFormat(QStringLiteral("%.0f"));
        m_countAxis = axis;
    }
    plot->addAxis(m_countAxis, Qt::AlignLeft);
    for (QLineSeries* series : m_series)
        series->attachAxis(m_countAxis);
}

void OverviewTrends::SetLogarithmic(bool logarithmic) {
    if (logarithmic == m_logarithmic)
        return;
    m_logarithmic = logarithmic;
    SetCountAxis();
    FillSeries();
}

int OverviewTrends::WantedColumns() const {
    return int(std::min<qint64>(m_model.MeasurementCount(),
                                std::max(int(chart()->plotArea().width()), MinimumColumns)));
}

void OverviewTrends::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    // Only a wide acquisition changes with the width: its points are per pixel column.
    if (!m_series.empty() && WantedColumns() != m_filledColumns)
        FillSeries();
}

qint32 OverviewTrends::MeasurementAt(int x) const {
    const qint32 n = m_model.MeasurementCount();
    const QRectF area = chart()->plotArea();
    if (n < 1 || x < area.left() - 2 || x > area.right() + 2)
        return -1;
    const QPointF value = chart()->mapToValue(QPointF(x, area.center().y()),
                                              m_series.empty() ? nullptr : m_series[0]);
    return std::clamp(qint32(std::lround(value.x())) - 1, qint32(0), n - 1);
}

int OverviewTrends::XOfMeasurement(qint32 measurement) const {
    if (m_series.empty())
        return -1;
    return int(std::lround(chart()->mapToPosition(QPointF(measurement + 1, 0), m_series[0]).x()));
}

QString OverviewTrends::ToolTipAt(qint32 measurement) const {
    const MeasurementTable& table = m_model.Table();
    QString text = tr("Mesure %1 %2").arg(measurement + 1).arg(m_model.PhaseOf(measurement));
    for (int s = 0; s < table.SeriesCount(); ++s)
        text += QStringLiteral("\n%1 : %2")
                    .arg(m_model.SeriesName(s))
                    .arg(table.Series[std::size_t(s)][std::size_t(measurement)]);
    return text;
}

void OverviewTrends::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    if (m_series.empty())
        return;
    const QRectF area = chart()->plotArea();
    painter->save();
    const bool dragging = m_drag.IsRange();
    if (dragging || m_model.HasSelection()) {
        const qint32 first =
            dragging ? std::min(m_drag.From(), m_drag.To()) : m_model.SelectionFirst();
        const qint32 last =
            dragging ? std::max(m_drag.From(), m_drag.To()) : m_model.SelectionLast();
        const double left = XOfMeasurement(first) - 1;
        const double right = XOfMeasurement(last) + 1;
        painter->fillRect(QRectF(left, area.top(), right - left, area.height()),
                          QColor(40, 90, 200, 45));
    }
    const int x = XOfMeasurement(m_model.CurrentFirst());
    painter->setPen(QPen(QColor(20, 20, 20), 1, Qt::DashLine));
    painter->drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    painter->restore();
}

void OverviewTrends::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_drag.Press(event->position().toPoint().x(),
                     MeasurementAt(event->position().toPoint().x()));
}

void OverviewTrends::mouseMoveEvent(QMouseEvent* event) {
    if (!m_drag.Active())
        return;
    const QRectF area = chart()->plotArea();
    const int x = std::clamp(event->position().toPoint().x(), int(area.left()), int(area.right()));
    m_drag.Move(event->position().toPoint().x(), MeasurementAt(x));
    viewport()->update();
}

void OverviewTrends::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_drag.Release(m_model);
    viewport()->update();
}

bool OverviewTrends::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const qint32 measurement = MeasurementAt(help->pos().x());
        if (measurement < 0)
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), ToolTipAt(measurement), this);
        return true;
    }
    return QChartView::viewportEvent(event);
}
