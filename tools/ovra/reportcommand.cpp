// "ovra report": the measurement report of a file as a PDF, the very one the
// window's "Rapport de mesure…" writes.

#include "arguments.h"
#include "commands.h"
#include "filecommon.h"

#include "report/measurementreport.h"

#include <QCoreApplication>

namespace {

int RunReport(const CommandLine& line) {
    ParsedArguments args;
    int status = ExitUsage;
    if (!ParseCommandArguments(line, {{"-o", true}, {"--force"}, {"--table-limit", true}}, 1, args,
                               status))
        return status;
    if (args.positional.isEmpty())
        return UsageError(line, QCoreApplication::translate("ovra", "FICHIER manquant"));
    if (!args.Has("-o"))
        return UsageError(line, QCoreApplication::translate("ovra", "-o RAPPORT manquant"));
    qint64 tableLimit = -1;
    if (args.Has("--table-limit") && !ParseNumber(args.Value("--table-limit"), 0, -1, tableLimit))
        return UsageError(line, NumberRangeText(QStringLiteral("--table-limit"), 0, -1));
    const QString input = args.positional.first();
    const QString output = args.Value("-o");
    // Refused before the input is even read: nothing is touched.
    const QString problem = OutputFileProblem(output, {input}, args.Has("--force"));
    if (!problem.isEmpty()) {
        PrintError(QCoreApplication::translate("ovra", "ovra : %1").arg(problem));
        return ExitUsage;
    }
    Session session;
    if (status = ReadForCommand(input, session); status != ExitSuccess)
        return status;
    session.SessionState = SessionSaved;
    session.FileName = input;
    const QString error = WriteMeasurementReport(session, output, tableLimit);
    if (!error.isEmpty()) {
        PrintError(error);
        return ExitFileError;
    }
    return ExitSuccess;
}

const CommandRegistration
    report("report", QT_TRANSLATE_NOOP("ovra", "FICHIER -o RAPPORT [--force] [--table-limit N]"),
           QT_TRANSLATE_NOOP("ovra", "rapport de mesure d'un fichier de mesures en PDF"), RunReport,
           QT_TRANSLATE_NOOP(
               "ovra",
               "  -o RAPPORT         le PDF à écrire ; jamais l'entrée\n"
               "  --force            remplace RAPPORT s'il existe\n"
               "  --table-limit N    le tableau des mesures n'en liste que les N premières et dit\n"
               "                     combien il en omet (par défaut : toutes)\n"
               "Aucun affichage n'est nécessaire.\n"),
           CommandNeeds::Pages);

} // namespace
