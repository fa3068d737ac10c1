#include "ui/display/spectrumchart.h"

#include "data/varia.h"
#include "ui/display/chartconveniences.h"
#include "ui/display/energywindows.h"

#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QValueAxis>
#include <cmath>

namespace {

constexpr double ChannelLabelStep = 8.0;
constexpr int ChannelMinorTicks = 7;
constexpr int MaxCountLabelIntervals = 10;

// The count axis labels whole numbers at 1, 2 or 5 times a power of ten, so
// that about ten labels share the axis whatever "+" and "-" have made of it.
double CountLabelStep(double maximum) {
    const double raw = maximum / MaxCountLabelIntervals;
    if (!(raw > 1.0))
        return 1.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw)
            return factor * power;
    }
    return 10.0 * power;
}

QPen GridPen(Qt::PenStyle style) {
    QPen pen(QColor(192, 192, 192), 1, style);
    pen.setCosmetic(true);
    return pen;
}

} // namespace

SpectrumChart::SpectrumChart(DisplayState& state, QWidget* parent)
    // Given its chart at once: the view would otherwise make one of its own
    // first, which costs start-up time and has to be deleted again.
    : QChartView(new QChart(), parent)
    , m_state(state) {
    setObjectName(QStringLiteral("ChartSpectrum"));
    setRubberBand(QChartView::NoRubberBand);
    setRenderHint(QPainter::Antialiasing, true);
    setFrameShape(QFrame::NoFrame);
    // The cursor lines are inverted over fresh pixels once per repaint, so a
    // repaint must cover the whole plot: a partial one after a pan or a zoom
    // would leave pieces of the old lines and draw the new ones in pieces.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    // White from edge to edge: around the plot too, under the title and the axis labels.
    setBackgroundBrush(Qt::white);

    QChart* plot = chart();
    plot->legend()->hide();
    plot->setBackgroundVisible(true);
    plot->setBackgroundBrush(Qt::white);
    plot->setBackgroundPen(Qt::NoPen);
    plot->setBackgroundRoundness(0);
    plot->setPlotAreaBackgroundVisible(true);
    plot->setPlotAreaBackgroundBrush(Qt::white);
    plot->setPlotAreaBackgroundPen(QPen(QColor(128, 128, 128), 1));
    plot->setAnimationOptions(QChart::NoAnimation);
    plot->setMargins(QMargins(4, 4, 8, 4));
    QFont titleFont = font();
    titleFont.setBold(true);
    plot->setTitleFont(titleFont);
    plot->setTitle(tr("Comptage = f(canal)"));

    m_channelAxis = new QValueAxis(plot);
    m_channelAxis->setObjectName(QStringLiteral("ChannelAxis"));
    m_channelAxis->setTickType(QValueAxis::TicksDynamic);
    m_channelAxis->setTickAnchor(0.0);
    m_channelAxis->setTickInterval(ChannelLabelStep);
    m_channelAxis->setMinorTickCount(ChannelMinorTicks);
    m_channelAxis->setLabelFormat(QStringLiteral("%d"));
    m_channelAxis->setGridLinePen(GridPen(Qt::DotLine));
    m_channelAxis->setMinorGridLineVisible(false);
    m_channelAxis->setRange(0, ChannelCount - 1);

    m_countAxis = new QValueAxis(plot);
    m_countAxis->setObjectName(QStringLiteral("CountAxis"));
    m_countAxis->setTickType(QValueAxis::TicksDynamic);
    m_countAxis->setTickAnchor(0.0);
    m_countAxis->setLabelFormat(QStringLiteral("%d"));
    m_countAxis->setGridLinePen(GridPen(Qt::DotLine));
    m_countAxis->setMinorGridLinePen(GridPen(Qt::DashDotLine));
    m_countAxis->setMinorTickCount(0);
    SetCountMaximum(InitialCountMaximum);

    plot->addAxis(m_channelAxis, Qt::AlignBottom);
    plot->addAxis(m_countAxis, Qt::AlignLeft);

    m_series = new QLineSeries(plot);
    m_series->setObjectName(QStringLiteral("Series1"));
    m_series->setPointsVisible(false);
    QPen line(QColor::fromRgb(SpectrumPointColour), 1.5);
    m_series->setPen(line);
    m_series->setColor(QColor::fromRgb(SpectrumPointColour));
    plot->addSeries(m_series);
    m_series->attachAxis(m_channelAxis);
    m_series->attachAxis(m_countAxis);

    m_unavailable = new QGraphicsSimpleTextItem(tr("Spectres indisponibles"), plot);
    QFont unavailableFont = font();
    unavailableFont.setPointSizeF(unavailableFont.pointSizeF() * 1.5);
    m_unavailable->setFont(unavailableFont);
    m_unavailable->setBrush(QColor(128, 128, 128));
    m_unavailable->setZValue(10);
    m_unavailable->hide();
    connect(plot, &QChart::plotAreaChanged, this, &SpectrumChart::PlaceUnavailableText);
    // Hovering the plot shows the hand that says it can be dragged sideways.
    viewport()->setMouseTracking(true);
    new ChartConveniences(*this);
}

void SpectrumChart::ShowPoints(const QList<QPointF>& points) {
    m_series->replace(points);
}

void SpectrumChart::SetSpectraUnavailable(bool unavailable) {
    m_unavailable->setVisible(unavailable);
    PlaceUnavailableText();
}

bool SpectrumChart::SpectraUnavailableShown() const {
    return m_unavailable->isVisible();
}

void SpectrumChart::PlaceUnavailableText() {
    const QRectF area = chart()->plotArea();
    const QRectF text = m_unavailable->boundingRect();
    m_unavailable->setPos(area.center() - QPointF(text.width() / 2, text.height() / 2));
}

void SpectrumChart::ResetChannelAxis() {
    SetChannelRange(0, ChannelCount - 1);
}

void SpectrumChart::SetChannelRange(double minimum, double maximum) {
    m_channelAxis->setRange(minimum, maximum);
}

double SpectrumChart::ChannelMinimum() const {
    return m_channelAxis->min();
}

double SpectrumChart::ChannelMaximum() const {
    return m_channelAxis->max();
}

double SpectrumChart::CountMaximum() const {
    return m_countAxis->max();
}

void SpectrumChart::SetCountMaximum(double maximum) {
    m_countAxis->setTickInterval(CountLabelStep(maximum));
    m_countAxis->setRange(0.0, maximum);
}

void SpectrumChart::ButtonScaleUpClick() {
    SetCountMaximum(CountMaximum() / 2.0);
}

void SpectrumChart::ButtonScaleDownClick() {
    SetCountMaximum(CountMaximum() * 2.0);
}

void SpectrumChart::ButtonScaleRightClick() {
    const double maximum = ChannelMaximum();
    const double minimum = ChannelMinimum();
    if (maximum / 2.0 + 1.0 < 8.0 || minimum + 1.0 >= maximum / 2.0 + 1.0)
        return;
    SetChannelRange(minimum, double(qint64(std::nearbyint(maximum)) / 2));
    m_state.VisibleChannelSpan /= 2;
}

void SpectrumChart::ButtonScaleLeftClick() {
    const double maximum = ChannelMaximum();
    if ((maximum + 1.0) * 2.0 > ChannelCount)
        return;
    SetChannelRange(ChannelMinimum(), (maximum + 1.0) * 2.0 - 1.0);
    m_state.VisibleChannelSpan = m_state.VisibleChannelSpan * 2 + 1;
}

void SpectrumChart::PanChannels(double channels) {
    SetChannelRange(ChannelMinimum() + channels, ChannelMaximum() + channels);
    ChartSpectrumScroll();
}

void SpectrumChart::ChartSpectrumScroll() {
    const int span = m_state.VisibleChannelSpan;
    if (ChannelMinimum() < 0.0)
        SetChannelRange(0.0, span);
    if (ChannelMaximum() > ChannelCount - 1)
        SetChannelRange(ChannelCount - 1 - span, ChannelCount - 1);
}

void SpectrumChart::SetCursors(const std::vector<Cursor>& cursors) {
    m_cursors = cursors;
    viewport()->update();
}

QRect SpectrumChart::PlotRect() const {
    const QRectF area = mapFromScene(chart()->mapToScene(chart()->plotArea())).boundingRect();
    return QRect(qRound(area.left()), qRound(area.top()), qRound(area.width()),
                 qRound(area.height()));
}

int SpectrumChart::CursorColumnOf(double channel) const {
    const QRect plot = PlotRect();
    return CursorColumn(channel, ChannelMinimum(), ChannelMaximum(), plot.left(), plot.width());
}

void SpectrumChart::paintEvent(QPaintEvent* event) {
    QChartView::paintEvent(event);
    ChartSpectrumAfterDraw();
}

// Runs once per repaint of the viewport: the painter is clipped to the region
// just repainted, so every pixel it touches is a fresh one and each line is
// inverted exactly once.
void SpectrumChart::ChartSpectrumAfterDraw() {
    if (m_cursors.empty())
        return;
    QPainter painter(viewport());
    const QRect plot = PlotRect();
    for (const Cursor& cursor : m_cursors)
        Draw_Cursor(painter, plot, CursorColumnOf(cursor.channel), cursor.colour);
}

void SpectrumChart::mousePressEvent(QMouseEvent* event) {
    const bool panButton = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (panButton && PlotRect().contains(event->position().toPoint())) {
        m_panning = true;
        m_panStartX = event->position().x();
        m_panStartMinimum = ChannelMinimum();
        m_panStartMaximum = ChannelMaximum();
        viewport()->setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    QChartView::mousePressEvent(event);
}

void SpectrumChart::mouseMoveEvent(QMouseEvent* event) {
    if (!m_panning) {
        if (PlotRect().contains(event->position().toPoint()))
            viewport()->setCursor(Qt::OpenHandCursor);
        else
            viewport()->unsetCursor();
        QChartView::mouseMoveEvent(event);
        return;
    }
    const int width = PlotRect().width();
    if (width <= 0)
        return;
    // Dragging to the right brings lower channels into view, as a sheet of
    // paper moved under the window would.
    const double channels =
        -(event->position().x() - m_panStartX) * (m_panStartMaximum - m_panStartMinimum) / width;
    SetChannelRange(m_panStartMinimum + channels, m_panStartMaximum + channels);
    ChartSpectrumScroll();
    event->accept();
}

void SpectrumChart::mouseReleaseEvent(QMouseEvent* event) {
    if (m_panning) {
        m_panning = false;
        viewport()->setCursor(Qt::OpenHandCursor);
        event->accept();
        return;
    }
    QChartView::mouseReleaseEvent(event);
}
