#include "ui/display/overviewselection.h"

#include "analysis/rangestatistics.h"
#include "ui/display/overviewmodel.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

// Where a value occurs, as the window numbers measurements (from 1).
QString ValueAt(qint64 value, qint32 measurement) {
    return QStringLiteral("%1 (%2)").arg(value).arg(measurement + 1);
}

} // namespace

OverviewSelection::OverviewSelection(OverviewModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model) {
    setObjectName(QStringLiteral("OverviewSelection"));
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("SelectionCaption"));
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("SelectionTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_spectrum = new QChartView(this);
    m_spectrum->setObjectName(QStringLiteral("SelectionSpectrum"));
    m_spectrum->chart()->legend()->hide();
    m_spectrum->chart()->setMargins(QMargins(2, 2, 2, 2));
    m_spectrum->setMinimumWidth(260);
    // Five rows of statistics stay readable on a 600-pixel screen.
    setMinimumHeight(170);

    auto* left = new QVBoxLayout();
    left->addWidget(m_caption);
    left->addWidget(m_table, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left, 2);
    layout->addWidget(m_spectrum, 1);
    Retranslate();
    connect(&m_model, &OverviewModel::SelectionChanged, this, &OverviewSelection::ShowSelection);
    connect(&m_model, &OverviewModel::Loaded, this, &OverviewSelection::ShowSelection);
}

void OverviewSelection::Retranslate() {
    m_table->setColumnCount(7);
    m_table->setHorizontalHeaderLabels({tr("n"), tr("Somme"), tr("Moyenne"), tr("Écart-type"),
                                        tr("Minimum (mesure)"), tr("Maximum (mesure)"),
                                        tr("√Somme")});
    ShowSelection();
}

void OverviewSelection::ShowSelection() {
    const bool selected = m_model.HasSelection();
    m_table->setVisible(selected);
    m_spectrum->setVisible(selected);
    if (!selected) {
        m_caption->setText(
            tr("Faites glisser sur les tendances ou la carte pour choisir des mesures ; "
               "Échap efface le choix."));
        return;
    }
    m_caption->setText(tr("Mesures %1 à %2 (%3 mesures)")
                           .arg(m_model.SelectionFirst() + 1)
                           .arg(m_model.SelectionLast() + 1)
                           .arg(m_model.SelectionLast() - m_model.SelectionFirst() + 1));
    FillTable();
    FillSpectrum();
}

void OverviewSelection::FillTable() {
    const MeasurementTable& table = m_model.Table();
    const QLocale locale;
    m_table->setRowCount(table.SeriesCount());
    for (int s = 0; s < table.SeriesCount(); ++s) {
        const RangeStatistics stats = ComputeRangeStatistics(
            table.Series[std::size_t(s)], m_model.SelectionFirst(), m_model.SelectionLast());
        m_table->setVerticalHeaderItem(s, new QTableWidgetItem(m_model.SeriesName(s)));
        const QString cells[] = {QString::number(stats.n),
                                 QString::number(stats.Sum),
                                 locale.toString(stats.Mean, 'f', 2),
                                 locale.toString(stats.StandardDeviation, 'f', 2),
                                 ValueAt(stats.Minimum, stats.MinimumAt),
                                 ValueAt(stats.Maximum, stats.MaximumAt),
                                 locale.toString(stats.SumUncertainty, 'f', 1)};
        for (int column = 0; column < 7; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(s, column, item);
        }
    }
}

void OverviewSelection::FillSpectrum() {
    QChart* chart = m_spectrum->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis);
    const std::array<qint64, ChannelCount> sum =
        SummedSpectrum(*m_model.ShownSession(), m_model.SelectionFirst(), m_model.SelectionLast());
    auto* line = new QLineSeries(chart);
    qint64 highest = 1;
    for (int c = 0; c < ChannelCount; ++c) {
        line->append(c, double(sum[std::size_t(c)]));
        highest = std::max(highest, sum[std::size_t(c)]);
    }
    line->setPen(QPen(OverviewModel::SeriesColour(0), 1.5));
    chart->addSeries(line);
    auto* channels = new QValueAxis(chart);
    channels->setRange(0, ChannelCount - 1);
    channels->setLabelFormat(QStringLiteral("%d"));
    channels->setTickCount(5);
    auto* counts = new QValueAxis(chart);
    counts->setRange(0, double(highest) * 1.05);
    counts->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(channels, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    line->attachAxis(channels);
    line->attachAxis(counts);
    const MeasurementTable& table = m_model.Table();
    for (int k = 1; k < table.SeriesCount(); ++k) {
        for (int bound :
             {table.Windows.WindowBounds[2 * k - 2], table.Windows.WindowBounds[2 * k - 1]}) {
            auto* mark = new QLineSeries(chart);
            mark->append(bound, 0);
            mark->append(bound, double(highest) * 1.05);
            mark->setPen(QPen(OverviewModel::SeriesColour(k), 1, Qt::DashLine));
            chart->addSeries(mark);
            mark->attachAxis(channels);
            mark->attachAxis(counts);
        }
    }
}
