#pragma once

// One JSON line per figure, with the same keys in every benchmark: "bench",
// "figure", "unit", "value", then the figure's own details. Written through
// QJsonDocument, so that a number never takes the regional decimal separator.

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>

inline void ReportFigure(const char* bench, const char* figure, const char* unit, double value,
                         QJsonObject details = {}) {
    // Three decimals are more than any of these figures can tell.
    const auto rounded = [](double number) {
        return std::round(number * 1000.0) / 1000.0;
    };
    for (auto it = details.begin(); it != details.end(); ++it) {
        if (it->isDouble())
            *it = rounded(it->toDouble());
    }
    details.insert(QStringLiteral("bench"), QLatin1String(bench));
    details.insert(QStringLiteral("figure"), QLatin1String(figure));
    details.insert(QStringLiteral("unit"), QLatin1String(unit));
    details.insert(QStringLiteral("value"), rounded(value));
    const QByteArray line = QJsonDocument(details).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    std::fflush(stdout);
}
