// File subcommands of the command-line companion: "info" and "export".

#include "arguments.h"
#include "commands.h"
#include "jsonfields.h"

#include "data/fichiers.h"
#include "data/spectracsv.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTextStream>

namespace {

// Reads the file, or tells why not and gives the exit code.
int ReadForCommand(const QString& file, Session& session) {
    const FileOutcome outcome = ReadMeasurementFile(file, session);
    QTextStream err(stderr);
    switch (outcome.kind) {
    case FileOutcome::Accepted:
        return ExitSuccess;
    case FileOutcome::Rejected:
        err << QCoreApplication::translate("ovra", "%1 : Format de fichier incorrect").arg(file)
            << '\n';
        return ExitRejected;
    case FileOutcome::Failed:
        err << outcome.message << '\n';
        return ExitFileError;
    }
    return ExitFileError;
}

qint64 TotalCount(const Session& session, qint32 measurement) {
    const qint32* counts = session.SpectrumAt(measurement);
    qint64 total = 0;
    for (int c = 0; c < ChannelCount; ++c)
        total += counts[c];
    return total;
}

QByteArray InfoJson(const QString& file, const Session& session) {
    QJsonArray parameters;
    for (const QString& value : session.Parameters)
        parameters.append(value);
    QJsonArray spectra;
    if (session.SpectraAvailable) {
        for (qint32 m = 0; m < session.MeasurementCount; ++m) {
            QJsonArray counts;
            const qint32* spectrum = session.SpectrumAt(m);
            for (int c = 0; c < ChannelCount; ++c)
                counts.append(spectrum[c]);
            spectra.append(counts);
        }
    }
    QJsonObject object{
        {QStringLiteral("file"), file},
        {QStringLiteral("version"), session.SoftwareVersion},
        {QStringLiteral("parameters"), parameters},
        {QStringLiteral("method"), session.Method},
        {QStringLiteral("count"), session.MeasurementCount},
        {QStringLiteral("volume"), session.Volume},
        {QStringLiteral("eapv"), session.Eapv},
        {QStringLiteral("spectra_available"), session.SpectraAvailable},
        {QStringLiteral("spectra"), spectra},
    };
    AddDateFields(object, QStringLiteral("start"), session.StartText);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QString InfoText(const Session& session) {
    // Numbers as the user's regional settings write them, like the program does.
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text;
    QTextStream out(&text);
    const std::pair<QString, QString> lines[] = {
        {QCoreApplication::translate("ovra", "Version :"), session.SoftwareVersion},
        {QCoreApplication::translate("ovra", "Début :"), session.StartText},
        {QCoreApplication::translate("ovra", "Méthode :"), session.Method},
        {QCoreApplication::translate("ovra", "Mesures :"),
         QString::number(session.MeasurementCount)},
        {QCoreApplication::translate("ovra", "Volume :"), locale.toString(session.Volume, 'f', 2)},
        {QCoreApplication::translate("ovra", "EAPV :"), locale.toString(session.Eapv, 'f', 3)},
        {QCoreApplication::translate("ovra", "Spectres :"),
         session.SpectraAvailable ? QCoreApplication::translate("ovra", "disponibles")
                                  : QCoreApplication::translate("ovra", "indisponibles")},
    };
    qsizetype width = 0;
    for (const auto& line : lines)
        width = qMax(width, line.first.size());
    for (const auto& [label, value] : lines)
        out << label.leftJustified(width + 1) << value << '\n';
    if (session.SpectraAvailable) {
        for (qint32 m = 0; m < session.MeasurementCount; ++m)
            out << QCoreApplication::translate("ovra", "  mesure %1 : comptage total %2")
                       .arg(m)
                       .arg(TotalCount(session, m))
                << '\n';
    }
    return text;
}

bool WriteStandardOutput(const QByteArray& bytes) {
    QFile out;
    return out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() &&
           out.flush();
}

int RunInfo(const CommandLine& line) {
    ParsedArguments args;
    int status = ExitUsage;
    if (!ParseCommandArguments(line, {{"--json"}}, 1, args, status))
        return status;
    if (args.positional.isEmpty())
        return UsageError(line, QCoreApplication::translate("ovra", "FICHIER manquant"));
    const QString file = args.positional.first();
    Session session;
    if (status = ReadForCommand(file, session); status != ExitSuccess)
        return status;
    const QByteArray bytes =
        args.Has("--json") ? InfoJson(file, session) : InfoText(session).toUtf8();
    return WriteStandardOutput(bytes) ? ExitSuccess : ExitFileError;
}

int RunExport(const CommandLine& line) {
    ParsedArguments args;
    int status = ExitUsage;
    if (!ParseCommandArguments(line, {{"--csv"}, {"-o", true}, {"--force"}}, 1, args, status))
        return status;
    if (args.positional.isEmpty())
        return UsageError(line, QCoreApplication::translate("ovra", "FICHIER manquant"));
    if (!args.Has("--csv"))
        return UsageError(line,
                          QCoreApplication::translate("ovra", "--csv manquant (le seul format)"));
    const QString input = args.positional.first();
    const QString output = args.Value("-o");
    // Refused before the input is even read: nothing is touched.
    if (!output.isEmpty()) {
        const QString problem = OutputFileProblem(output, {input}, args.Has("--force"));
        if (!problem.isEmpty()) {
            PrintError(QCoreApplication::translate("ovra", "ovra : %1").arg(problem));
            return ExitUsage;
        }
    }
    Session session;
    if (status = ReadForCommand(input, session); status != ExitSuccess)
        return status;
    // A header alone would look like an acquisition without measurements.
    if (!session.SpectraAvailable) {
        PrintError(
            QCoreApplication::translate("ovra", "%1 : spectres indisponibles, rien à exporter")
                .arg(input));
        return ExitRejected;
    }
    const QByteArray csv = SpectraCsv(session);
    if (output.isEmpty())
        return WriteStandardOutput(csv) ? ExitSuccess : ExitFileError;
    const WriteOutcome written = WriteFileChecked(output, csv);
    if (written.ok) {
        PrintError(QCoreApplication::translate("ovra", "%1 mesures écrites dans %2")
                       .arg(session.MeasurementCount)
                       .arg(output));
        return ExitSuccess;
    }
    PrintError(QCoreApplication::translate("ovra", "Impossible d'écrire le fichier %1 : %2")
                   .arg(output, written.reason));
    return ExitFileError;
}

const CommandRegistration info(
    "info", QT_TRANSLATE_NOOP("ovra", "FICHIER [--json]"),
    QT_TRANSLATE_NOOP("ovra", "résumé d'un fichier de mesures"), RunInfo,
    QT_TRANSLATE_NOOP("ovra", "  --json  un objet JSON sur une ligne : les nombres en nombres, le\n"
                              "          début aussi en ISO 8601 (start_iso)\n"));
const CommandRegistration exportCsv(
    "export", QT_TRANSLATE_NOOP("ovra", "FICHIER --csv [-o SORTIE [--force]]"),
    QT_TRANSLATE_NOOP("ovra", "spectres d'un fichier de mesures en CSV"), RunExport,
    QT_TRANSLATE_NOOP("ovra",
                      "  --csv       une ligne par mesure, une colonne par canal\n"
                      "  -o SORTIE   écrit SORTIE au lieu de la sortie standard ; jamais l'entrée\n"
                      "  --force     remplace SORTIE si elle existe\n"
                      "Un fichier aux spectres indisponibles est refusé (sortie 3).\n"));

} // namespace
