#include "ui/display/overviewmap.h"

#include "ui/display/overviewmodel.h"

#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

namespace {

// Room for the channel labels on the left, the colour bar and its labels on the right.
constexpr int LeftMarginPx = 34;
constexpr int RightMarginPx = 78;
constexpr int TopMarginPx = 6;
constexpr int BottomMarginPx = 18;
constexpr int ColourBarWidthPx = 12;

} // namespace

OverviewMap::OverviewMap(OverviewModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model) {
    setObjectName(QStringLiteral("OverviewMap"));
    setMouseTracking(true);
    setMinimumHeight(110);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_model, &OverviewModel::Loaded, this, &OverviewMap::Rebuild);
    connect(&m_model, &OverviewModel::CurrentStepChanged, this, [this] { update(); });
    connect(&m_model, &OverviewModel::SelectionChanged, this, [this] { update(); });
}

QRect OverviewMap::PlotRect() const {
    return rect().adjusted(LeftMarginPx, TopMarginPx, -RightMarginPx, -BottomMarginPx);
}

void OverviewMap::Rebuild() {
    const Session* session = m_model.ShownSession();
    const int columns = std::max(PlotRect().width(), 1);
    if (!session) {
        m_map = CountMap();
        m_image = QImage();
        update();
        return;
    }
    m_map = ReduceCountMap(*session, m_model.MeasurementCount(), columns);
    m_image = QImage(std::max(m_map.Columns, 1), ChannelCount, QImage::Format_ARGB32);
    m_image.fill(Qt::white);
    for (int ch = 0; ch < ChannelCount; ++ch) {
        auto* line = reinterpret_cast<quint32*>(m_image.scanLine(ChannelCount - 1 - ch));
        for (int c = 0; c < m_map.Columns; ++c)
            line[c] = LogScaleColour(m_map.Cell(c, ch), m_map.MaximumCell);
    }
    update();
}

void OverviewMap::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Only a wide acquisition changes with the width: its columns are sums.
    const qint64 wanted = std::min<qint64>(m_model.MeasurementCount(), PlotRect().width());
    if (m_model.ShownSession() && wanted != m_map.Columns)
        Rebuild();
}

qint32 OverviewMap::MeasurementAt(int x) const {
    const QRect plot = PlotRect();
    if (m_map.Columns < 1 || x < plot.left() || x > plot.right())
        return -1;
    const int column = int(qint64(x - plot.left()) * m_map.Columns / plot.width());
    return m_map.FirstMeasurement[std::size_t(std::min(column, m_map.Columns - 1))];
}

int OverviewMap::XOfMeasurement(qint32 measurement) const {
    const QRect plot = PlotRect();
    const int column = m_map.ColumnOf(measurement);
    if (column < 0)
        return -1;
    return plot.left() + int((2 * qint64(column) + 1) * plot.width() / (2 * m_map.Columns));
}

int OverviewMap::ChannelAt(int y) const {
    const QRect plot = PlotRect();
    if (y < plot.top() || y > plot.bottom())
        return -1;
    return std::clamp(ChannelCount - 1 - int(qint64(y - plot.top()) * ChannelCount / plot.height()),
                      0, ChannelCount - 1);
}

QString OverviewMap::ToolTipAt(const QPoint& position) const {
    const qint32 first = MeasurementAt(position.x());
    const int channel = ChannelAt(position.y());
    if (first < 0 || channel < 0)
        return QString();
    const int column = m_map.ColumnOf(first);
    const qint32 last = m_map.FirstMeasurement[std::size_t(column) + 1] - 1;
    const QString count = QString::number(m_map.Cell(column, channel));
    if (last > first)
        return tr("Mesures %1 à %2 (additionnées)\nCanal %3 : %4 coups")
            .arg(first + 1)
            .arg(last + 1)
            .arg(channel)
            .arg(count);
    return tr("Mesure %1 %2\nCanal %3 : %4 coups")
        .arg(first + 1)
        .arg(m_model.PhaseOf(first))
        .arg(channel)
        .arg(count);
}

bool OverviewMap::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(event);
}

void OverviewMap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRect plot = PlotRect();
    if (m_image.isNull() || plot.width() < 1 || plot.height() < 1)
        return;
    painter.drawImage(plot, m_image);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(plot.adjusted(-1, -1, 0, 0));
    for (int ch : {0, 32, 64, 96, 127}) {
        const int y = plot.bottom() - ch * plot.height() / ChannelCount;
        painter.drawText(QRect(0, y - 8, LeftMarginPx - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(ch));
    }
    const int n = m_model.MeasurementCount();
    painter.drawText(QRect(plot.left(), plot.bottom() + 2, 80, BottomMarginPx - 2),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("1"));
    painter.drawText(QRect(plot.right() - 80, plot.bottom() + 2, 80, BottomMarginPx - 2),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(n));
    PaintColourBar(painter, plot);
    PaintMarks(painter, plot);
}

void OverviewMap::PaintColourBar(QPainter& painter, const QRect& plot) {
    const QRect bar(plot.right() + 10, plot.top(), ColourBarWidthPx, plot.height());
    for (int y = 0; y < bar.height(); ++y) {
        const double position = 1.0 - double(y) / std::max(bar.height() - 1, 1);
        painter.setPen(QColor::fromRgba(ScaleColourAt(position)));
        painter.drawLine(bar.left(), bar.top() + y, bar.right(), bar.top() + y);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    // Powers of ten up to the largest cell, on the same logarithmic scale.
    const qint64 maximum = std::max<qint64>(m_map.MaximumCell, 1);
    for (qint64 value = 1; value <= maximum; value *= 10) {
        const double position = LogScalePosition(value, maximum);
        const int y = bar.bottom() - int(position * (bar.height() - 1));
        painter.drawLine(bar.right(), y, bar.right() + 3, y);
        painter.drawText(QRect(bar.right() + 5, y - 8, RightMarginPx, 16),
                         Qt::AlignLeft | Qt::AlignVCenter, QLocale().toString(value));
        if (value > maximum / 10)
            break;
    }
}

void OverviewMap::PaintMarks(QPainter& painter, const QRect& plot) {
    const MeasurementTable& table = m_model.Table();
    for (int k = 1; k < table.SeriesCount(); ++k) {
        QColor colour = OverviewModel::SeriesColour(k);
        painter.setPen(QPen(colour, 1, Qt::DashLine));
        for (int bound :
             {table.Windows.WindowBounds[2 * k - 2], table.Windows.WindowBounds[2 * k - 1]}) {
            const int y = plot.bottom() - int((bound + 0.5) * plot.height() / ChannelCount);
            painter.drawLine(plot.left(), y, plot.right(), y);
        }
    }
    // Whole columns: a reduced column is selected with all its measurements.
    const auto band = [&](qint32 first, qint32 last) {
        const auto edge = [&](int column) {
            return plot.left() + int(qint64(column) * plot.width() / std::max(m_map.Columns, 1));
        };
        return QRect(QPoint(edge(m_map.ColumnOf(first)), plot.top()),
                     QPoint(edge(m_map.ColumnOf(last) + 1) - 1, plot.bottom()));
    };
    if (m_drag.IsRange() || m_model.HasSelection()) {
        const QRect selected =
            m_drag.IsRange()
                ? band(std::min(m_drag.From(), m_drag.To()), std::max(m_drag.From(), m_drag.To()))
                : band(m_model.SelectionFirst(), m_model.SelectionLast());
        painter.fillRect(selected, QColor(255, 255, 255, 90));
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(selected);
    }
    const int x = XOfMeasurement(m_model.CurrentFirst());
    if (x >= 0) {
        painter.setPen(QPen(Qt::black, 3));
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(QPen(Qt::white, 1));
        painter.drawLine(x, plot.top(), x, plot.bottom());
    }
}

void OverviewMap::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_drag.Press(event->position().toPoint().x(),
                     MeasurementAt(event->position().toPoint().x()));
}

void OverviewMap::mouseMoveEvent(QMouseEvent* event) {
    if (!m_drag.Active())
        return;
    const int x =
        std::clamp(event->position().toPoint().x(), PlotRect().left(), PlotRect().right());
    m_drag.Move(event->position().toPoint().x(), MeasurementAt(x));
    update();
}

void OverviewMap::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    // A range that ends in a reduced column takes all of that column.
    if (m_drag.IsRange() && m_drag.To() >= m_drag.From()) {
        const int column = m_map.ColumnOf(m_drag.To());
        if (column >= 0)
            m_drag.Move(event->position().toPoint().x(),
                        m_map.FirstMeasurement[std::size_t(column) + 1] - 1);
    }
    m_drag.Release(m_model);
    update();
}
