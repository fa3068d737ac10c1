#include "analysis/measurementtable.h"

#include <algorithm>

QString PhaseText(const QString& method, int step, const QString& previous) {
    if (method == QLatin1String("Rolle")) {
        switch (step) {
        case 0:
            return QStringLiteral("Evaluation 1");
        case 1:
            return QStringLiteral("Evaluation 2");
        case 2:
            return QStringLiteral("Comptage");
        default:
            return previous;
        }
    }
    if (method == QLatin1String("Thomas"))
        return QStringLiteral("Comptage ") + QString::number(step);
    return QString();
}

QString MeasurementPhase(const QString& method, qint32 measurement) {
    return PhaseText(method, measurement, PhaseText(method, 2, QString()));
}

qint32 TabulatedMeasurementCount(const Session& session) {
    if (!session.SpectraAvailable)
        return 0;
    return std::clamp(session.MeasurementCount, qint32(0), session.SpectrumCount());
}

MeasurementTable BuildMeasurementTable(const Session& session, const WindowBoundsTable& windows) {
    MeasurementTable table;
    table.Windows = windows;
    table.Method = session.Method;
    const qint32 count = TabulatedMeasurementCount(session);
    table.Series.assign(std::size_t(1 + std::clamp(windows.WindowCount, 0, MaxWindowCount)),
                        std::vector<qint64>(std::size_t(count)));
    for (qint32 m = 0; m < count; ++m) {
        table.Series[0][m] = MeasurementTotal(session, m);
        for (int k = 1; k < table.SeriesCount(); ++k)
            table.Series[k][m] = WindowCountOf(session, windows, m, k);
    }
    return table;
}

QByteArray MeasurementTableText(const MeasurementTable& table, char separator) {
    QByteArray text = "measurement";
    text += separator;
    text += "phase";
    text += separator;
    text += "total";
    for (int k = 1; k < table.SeriesCount(); ++k)
        text += separator + WindowTitle(table.Windows, k).toUtf8();
    text += '\n';
    for (qint32 m = 0; m < table.MeasurementCount(); ++m) {
        text += QByteArray::number(m + 1);
        text += separator;
        text += MeasurementPhase(table.Method, m).toUtf8();
        for (const std::vector<qint64>& series : table.Series) {
            text += separator;
            text += QByteArray::number(series[std::size_t(m)]);
        }
        text += '\n';
    }
    return text;
}
