#include "ui/display/chartconveniences.h"

#include "ui/display/spectrumchart.h"

#include <QHelpEvent>
#include <QLineSeries>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

namespace {

// One notch of a common mouse wheel, in eighths of a degree.
constexpr int WheelNotch = 120;

} // namespace

ChartConveniences::ChartConveniences(SpectrumChart& chart)
    : QObject(&chart)
    , m_chart(chart) {
    setObjectName(QStringLiteral("ChartConveniences"));
    chart.viewport()->installEventFilter(this);
    chart.viewport()->setMouseTracking(true);
}

QString ChartConveniences::HoverText(const QPoint& position) const {
    const QRect plot = m_chart.PlotRect();
    if (!plot.contains(position) || plot.width() <= 0)
        return QString();
    const double minimum = m_chart.ChannelMinimum();
    const double maximum = m_chart.ChannelMaximum();
    const double channel =
        minimum + (position.x() - plot.left()) * (maximum - minimum) / plot.width();
    const int nearest = int(std::lround(channel));
    for (const QPointF& point : m_chart.Series1()->points()) {
        if (int(std::lround(point.x())) == nearest)
            return tr("Canal %1 : %2 coups").arg(nearest).arg(qint64(std::llround(point.y())));
    }
    return QString();
}

void ChartConveniences::FitCountScale() {
    double highest = 0;
    for (const QPointF& point : m_chart.Series1()->points())
        highest = std::max(highest, point.y());
    if (!(highest > 0))
        return;
    // The buttons' own steps, so that "+" and "-" go on from here as usual.
    while (m_chart.CountMaximum() < highest)
        m_chart.ButtonScaleDownClick();
    while (m_chart.CountMaximum() / 2.0 >= highest)
        m_chart.ButtonScaleUpClick();
}

bool ChartConveniences::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip: {
        // Answered here: the chart's own handling would find no item with a
        // tooltip and hide ours.
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = HoverText(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, m_chart.viewport());
        return true;
    }
    case QEvent::MouseMove: {
        // Once shown, the tooltip follows the pointer from channel to channel.
        const auto* move = static_cast<QMouseEvent*>(event);
        if (!QToolTip::isVisible() || move->buttons() != Qt::NoButton)
            break;
        const QString text = HoverText(move->position().toPoint());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(move->globalPosition().toPoint(), text, m_chart.viewport());
        break;
    }
    case QEvent::Leave:
        QToolTip::hideText();
        break;
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (!m_chart.PlotRect().contains(wheel->position().toPoint()))
            break;
        // Fine-grained wheels and touchpads send parts of a notch: a step is
        // taken once they add up to a whole one.
        m_wheelRemainder += wheel->angleDelta().y();
        while (m_wheelRemainder >= WheelNotch) {
            m_wheelRemainder -= WheelNotch;
            m_chart.ButtonScaleUpClick();
        }
        while (m_wheelRemainder <= -WheelNotch) {
            m_wheelRemainder += WheelNotch;
            m_chart.ButtonScaleDownClick();
        }
        wheel->accept();
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        auto* click = static_cast<QMouseEvent*>(event);
        if (click->button() != Qt::LeftButton ||
            !m_chart.PlotRect().contains(click->position().toPoint()))
            break;
        FitCountScale();
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
