// "ovra summary": the per-measurement table of a file (phase, total, one
// column per energy window) and the statistics of a range of measurements,
// computed by the same code as the overview window.

#include "arguments.h"
#include "commands.h"
#include "filecommon.h"

#include "analysis/measurementtable.h"
#include "analysis/rangestatistics.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace {

struct Range {
    bool given = false;
    qint32 first = 0; // 0-based, inclusive
    qint32 last = 0;
};

QString SeriesKey(const MeasurementTable& table, int series) {
    return series == 0 ? QStringLiteral("total") : WindowTitle(table.Windows, series);
}

// The statistics as text lines: C decimals in CSV, where a comma would split
// a field, the user's separator for the terminal.
QByteArray StatisticsText(const MeasurementTable& table, const Range& range, char separator,
                          const QLocale& locale) {
    QByteArray text;
    const QList<QByteArray> header{
        "series",  "n",          "sum",     "mean",       "standard_deviation",
        "minimum", "minimum_at", "maximum", "maximum_at", "sqrt_sum"};
    text += header.join(separator) + '\n';
    for (int s = 0; s < table.SeriesCount(); ++s) {
        const RangeStatistics stats =
            ComputeRangeStatistics(table.Series[std::size_t(s)], range.first, range.last);
        const QStringList fields{SeriesKey(table, s),
                                 QString::number(stats.n),
                                 QString::number(stats.Sum),
                                 locale.toString(stats.Mean, 'f', 3),
                                 locale.toString(stats.StandardDeviation, 'f', 3),
                                 QString::number(stats.Minimum),
                                 QString::number(stats.MinimumAt + 1),
                                 QString::number(stats.Maximum),
                                 QString::number(stats.MaximumAt + 1),
                                 locale.toString(stats.SumUncertainty, 'f', 3)};
        text += fields.join(QLatin1Char(separator)).toUtf8() + '\n';
    }
    return text;
}

QByteArray SummaryJson(const QString& file, const MeasurementTable& table, const Range& range) {
    QJsonArray windows;
    for (int k = 1; k < table.SeriesCount(); ++k)
        windows.append(QJsonObject{{QStringLiteral("window"), k},
                                   {QStringLiteral("lo"), table.Windows.WindowBounds[2 * k - 2]},
                                   {QStringLiteral("hi"), table.Windows.WindowBounds[2 * k - 1]},
                                   {QStringLiteral("title"), WindowTitle(table.Windows, k)}});
    QJsonArray measurements;
    for (qint32 m = 0; m < table.MeasurementCount(); ++m) {
        QJsonArray counts;
        for (int k = 1; k < table.SeriesCount(); ++k)
            counts.append(double(table.Series[std::size_t(k)][std::size_t(m)]));
        measurements.append(
            QJsonObject{{QStringLiteral("measurement"), m + 1},
                        {QStringLiteral("phase"), MeasurementPhase(table.Method, m)},
                        {QStringLiteral("total"), double(table.Series[0][std::size_t(m)])},
                        {QStringLiteral("windows"), counts}});
    }
    QJsonObject object{{QStringLiteral("file"), file},
                       {QStringLiteral("method"), table.Method},
                       {QStringLiteral("count"), table.MeasurementCount()},
                       {QStringLiteral("windows"), windows},
                       {QStringLiteral("measurements"), measurements}};
    if (range.given) {
        QJsonArray series;
        for (int s = 0; s < table.SeriesCount(); ++s) {
            const RangeStatistics stats =
                ComputeRangeStatistics(table.Series[std::size_t(s)], range.first, range.last);
            series.append(
                QJsonObject{{QStringLiteral("series"), SeriesKey(table, s)},
                            {QStringLiteral("n"), double(stats.n)},
                            {QStringLiteral("sum"), double(stats.Sum)},
                            {QStringLiteral("mean"), stats.Mean},
                            {QStringLiteral("standard_deviation"), stats.StandardDeviation},
                            {QStringLiteral("minimum"), double(stats.Minimum)},
                            {QStringLiteral("minimum_at"), stats.MinimumAt + 1},
                            {QStringLiteral("maximum"), double(stats.Maximum)},
                            {QStringLiteral("maximum_at"), stats.MaximumAt + 1},
                            {QStringLiteral("sqrt_sum"), stats.SumUncertainty}});
        }
        object.insert(QStringLiteral("range"),
                      QJsonObject{{QStringLiteral("from"), range.first + 1},
                                  {QStringLiteral("to"), range.last + 1},
                                  {QStringLiteral("series"), series}});
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

// --from and --to, 1-based and inclusive, within the file's measurements;
// either alone runs to the other end. False after telling why.
bool ParseRange(const ParsedArguments& args, qint32 count, Range& range) {
    range.given = args.Has("--from") || args.Has("--to");
    qint64 from = 1;
    qint64 to = count;
    for (const auto& [name, value] :
         {std::pair<const char*, qint64*>{"--from", &from}, {"--to", &to}}) {
        if (args.Has(name) && !ParseNumber(args.Value(name), 1, count, *value)) {
            PrintError(QCoreApplication::translate("ovra", "ovra : %1")
                           .arg(NumberRangeText(QString::fromLatin1(name), 1, count)));
            return false;
        }
    }
    if (from > to) {
        PrintError(QCoreApplication::translate("ovra", "ovra : --from %1 est après --to %2")
                       .arg(from)
                       .arg(to));
        return false;
    }
    range.first = qint32(from - 1);
    range.last = qint32(to - 1);
    return true;
}

int RunSummary(const CommandLine& line) {
    ParsedArguments args;
    int status = ExitUsage;
    if (!ParseCommandArguments(line, {{"--json"}, {"--csv"}, {"--from", true}, {"--to", true}}, 1,
                               args, status))
        return status;
    if (args.positional.isEmpty())
        return UsageError(line, QCoreApplication::translate("ovra", "FICHIER manquant"));
    if (args.Has("--json") && args.Has("--csv"))
        return UsageError(line, QCoreApplication::translate("ovra", "--json et --csv ensemble"));
    const QString file = args.positional.first();
    Session session;
    if (status = ReadForCommand(file, session); status != ExitSuccess)
        return status;
    if (TabulatedMeasurementCount(session) < 1) {
        PrintError(
            QCoreApplication::translate("ovra", "%1 : spectres indisponibles, rien à résumer")
                .arg(file));
        return ExitRejected;
    }
    // The windows exactly as the main window loads them at the file's opening.
    const WindowBoundsLoad windows = LoadWindowBounds(session.Parameters);
    if (!windows.ok) {
        PrintError(QCoreApplication::translate("ovra", "%1 : fenêtres d'énergie : %2")
                       .arg(file, windows.error));
        return ExitRejected;
    }
    const MeasurementTable table = BuildMeasurementTable(session, windows.table);
    Range range;
    if (!ParseRange(args, table.MeasurementCount(), range))
        return ExitUsage;
    QByteArray bytes;
    if (args.Has("--json")) {
        bytes = SummaryJson(file, table, range);
    } else {
        const bool csv = args.Has("--csv");
        const char separator = csv ? ',' : '\t';
        bytes = MeasurementTableText(table, separator);
        // Numbers as the user's regional settings write them, without grouping, like "info".
        QLocale locale = csv ? QLocale::c() : QLocale::system();
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        if (range.given)
            bytes += '\n' + StatisticsText(table, range, separator, locale);
    }
    return WriteStandardOutput(bytes) ? ExitSuccess : ExitFileError;
}

const CommandRegistration summary(
    "summary", QT_TRANSLATE_NOOP("ovra", "FICHIER [--json | --csv] [--from K --to L]"),
    QT_TRANSLATE_NOOP("ovra", "tableau des mesures et statistiques d'une plage"), RunSummary,
    QT_TRANSLATE_NOOP("ovra",
                      "  --json       un objet JSON sur une ligne, les nombres en nombres\n"
                      "  --csv        le tableau en CSV (séparateur virgule, point décimal)\n"
                      "  --from K     première mesure de la plage (à partir de 1)\n"
                      "  --to L       dernière mesure de la plage (incluse)\n"
                      "Une mesure par ligne : numéro, phase, total, une colonne par fenêtre\n"
                      "d'énergie (paramètres 29 à 37). Avec une plage, les statistiques de\n"
                      "chaque série suivent : n, somme, moyenne, écart-type, minimum et\n"
                      "maximum avec leur mesure, racine de la somme. Refusés (sortie 3) : un\n"
                      "fichier aux spectres indisponibles, des fenêtres qui ne se convertissent\n"
                      "pas ; une plage hors des mesures est une erreur d'usage (sortie 2).\n"));

} // namespace
