#include "report/reporttables.h"

#include "report/reportcontent.h"
#include "report/reporttexts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <array>
#include <memory>

namespace {

struct Column {
    QString title;
    qreal share; // of the table's width
    Qt::Alignment align;
};

// The columns of a table, their edges across the body worked out once: a
// table of 65,535 rows paints each cell straight at its place.
class TableColumns {
public:
    TableColumns(const ReportStyle& style, std::vector<Column> columns)
        : m_style(style)
        , m_columns(std::move(columns)) {}

    void PaintHeader(QPainter& painter, const QRectF& line) {
        painter.fillRect(line, QColor(230, 230, 230));
        painter.setFont(m_style.smallBold);
        painter.setPen(Qt::black);
        Place(line);
        for (std::size_t i = 0; i < m_columns.size(); ++i)
            painter.drawText(QRectF(m_left[i], line.top(), m_right[i] - m_left[i], line.height()),
                             int(m_columns[i].align | Qt::AlignVCenter) | Qt::TextWordWrap,
                             m_columns[i].title);
    }

    void PaintRow(QPainter& painter, const QRectF& line, int row, const QStringList& texts) {
        // Every other row shaded, so that a long row is easy to follow.
        if (row % 2 == 1)
            painter.fillRect(line, QColor(245, 245, 245));
        painter.setFont(m_style.text);
        painter.setPen(Qt::black);
        Place(line);
        Measure(painter.device());
        const qreal baseline = line.top() + (line.height() + m_ascent - m_descent) / 2;
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            const QString& text = texts[qsizetype(i)];
            const qreal x =
                m_columns[i].align & Qt::AlignRight ? m_right[i] - Width(text) : m_left[i];
            painter.drawText(QPointF(x, baseline), text);
        }
    }

private:
    // Most cells are numbers: their width is the sum of their digits' advances,
    // taken once, which spares shaping each of them only to measure it.
    qreal Width(const QString& text) const {
        qreal width = 0;
        for (const QChar c : text) {
            const int digit = c.unicode() - '0';
            if (digit < 0 || digit > 9)
                return m_metrics->horizontalAdvance(text);
            width += m_digitAdvance[std::size_t(digit)];
        }
        return width;
    }

    void Place(const QRectF& line) {
        if (!m_left.empty() && line.left() == m_placedLeft && line.width() == m_placedWidth)
            return;
        m_left.clear();
        m_right.clear();
        qreal left = line.left();
        const qreal pad = m_style.Mm(1);
        for (const Column& column : m_columns) {
            const qreal width = line.width() * column.share;
            m_left.push_back(left + pad);
            m_right.push_back(left + width - pad);
            left += width;
        }
        m_placedLeft = line.left();
        m_placedWidth = line.width();
    }

    void Measure(const QPaintDevice* device) {
        if (m_metrics)
            return;
        m_metrics = std::make_unique<QFontMetricsF>(m_style.text, device);
        for (int digit = 0; digit < 10; ++digit)
            m_digitAdvance[std::size_t(digit)] = m_metrics->horizontalAdvance(QChar('0' + digit));
        m_ascent = m_metrics->ascent();
        m_descent = m_metrics->descent();
    }

    ReportStyle m_style;
    std::vector<Column> m_columns;
    std::vector<qreal> m_left;
    std::vector<qreal> m_right;
    qreal m_placedLeft = 0;
    qreal m_placedWidth = 0;
    std::unique_ptr<QFontMetricsF> m_metrics;
    std::array<qreal, 10> m_digitAdvance{};
    qreal m_ascent = 0;
    qreal m_descent = 0;
};

// "123 (n° 4)": a value and the measurement, numbered from 1, it was met in.
QString ValueAt(qint64 value, qint32 measurement) {
    return Report::tr("%1 (n° %2)").arg(ReportNumber(value)).arg(measurement + 1);
}

QStringList ResultTexts(const ReportFigures& figures, int series) {
    const RangeStatistics& s = figures.statistics[std::size_t(series)];
    if (s.n == 0)
        return {SeriesTitle(figures, series),
                QString(),
                QString(),
                QString(),
                QString(),
                QString(),
                QString()};
    const QString relative =
        s.Sum > 0 ? ReportNumber(100.0 * s.SumUncertainty / double(s.Sum), 2) : QStringLiteral("—");
    return {SeriesTitle(figures, series),      ReportNumber(s.Sum),
            ReportNumber(s.SumUncertainty, 1), relative,
            ReportNumber(s.Mean, 2),           ValueAt(s.Minimum, s.MinimumAt),
            ValueAt(s.Maximum, s.MaximumAt)};
}

} // namespace

ReportTable ResultsTable(const ReportStyle& style, const ReportFigures& figures) {
    const auto columns = std::make_shared<TableColumns>(
        style, std::vector<Column>{
                   {Report::tr("Série"), 0.12, Qt::AlignLeft},
                   {Report::tr("Comptage total N"), 0.13, Qt::AlignRight},
                   {Report::tr("Incertitude √N"), 0.13, Qt::AlignRight},
                   {Report::tr("Relative (%)"), 0.1, Qt::AlignRight},
                   {Report::tr("Moyenne par mesure"), 0.14, Qt::AlignRight},
                   {Report::tr("Minimum (mesure)"), 0.19, Qt::AlignRight},
                   {Report::tr("Maximum (mesure)"), 0.19, Qt::AlignRight},
               });
    ReportTable table;
    table.headerHeight = style.line * 2.4;
    table.rowHeight = style.line * 1.1;
    table.rowCount = figures.table.SeriesCount();
    table.paintHeader = [columns](QPainter& painter, const QRectF& line) {
        columns->PaintHeader(painter, line);
    };
    table.paintRow = [columns, &figures](QPainter& painter, int row, const QRectF& line) {
        columns->PaintRow(painter, line, row, ResultTexts(figures, row));
    };
    return table;
}

ReportTable MeasurementsTable(const ReportStyle& style, const ReportFigures& figures, qint32 rows) {
    const int windows = figures.table.SeriesCount() - 1;
    const qreal numberShare = 0.13;
    const qreal phaseShare = 0.2;
    const qreal countShare = (1.0 - numberShare - phaseShare) / (windows + 1);
    std::vector<Column> columns{
        {Report::tr("Mesure"), numberShare, Qt::AlignRight},
        {Report::tr("Phase"), phaseShare, Qt::AlignLeft},
    };
    for (int series = 0; series <= windows; ++series)
        columns.push_back({SeriesTitle(figures, series), countShare, Qt::AlignRight});
    const auto placed = std::make_shared<TableColumns>(style, std::move(columns));
    ReportTable table;
    table.headerHeight = style.line * 1.3;
    table.rowHeight = style.line;
    table.rowCount = rows;
    table.paintHeader = [placed](QPainter& painter, const QRectF& line) {
        placed->PaintHeader(painter, line);
    };
    table.paintRow = [placed, &figures](QPainter& painter, int row, const QRectF& line) {
        const MeasurementTable& measurements = figures.table;
        QStringList texts{ReportNumber(row + 1), MeasurementPhase(measurements.Method, row)};
        for (const std::vector<qint64>& series : measurements.Series)
            texts << ReportNumber(series[std::size_t(row)]);
        placed->PaintRow(painter, line, row, texts);
    };
    return table;
}
