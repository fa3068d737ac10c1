#include "report/reportfigures.h"

#include "report/reporttexts.h"


ReportFigures ComputeReportFigures(const Session& session) {
    ReportFigures figures;
    figures.windows = LoadWindowBounds(session.Parameters);
    figures.table = BuildMeasurementTable(session, figures.windows.table);
    const qint32 last = figures.table.MeasurementCount() - 1;
    for (const std::vector<qint64>& values : figures.table.Series)
        figures.statistics.push_back(ComputeRangeStatistics(values, 0, last));
    figures.summedSpectrum = SummedSpectrum(session, 0, last);
    return figures;
}

QString SeriesTitle(const ReportFigures& figures, int series) {
    if (series == 0)
        return Report::tr("Total");
    return WindowTitle(figures.windows.table, series);
}

QColor SeriesColour(int series) {
    static const QColor colours[] = {QColor(60, 60, 60), QColor(255, 0, 0), QColor(31, 119, 180),
                                     QColor(44, 160, 44), QColor(255, 127, 14)};
    return colours[std::size_t(series) % std::size(colours)];
}
