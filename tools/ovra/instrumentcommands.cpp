// Instrument subcommands of the command-line companion: the same link, the
// same protocol and the same messages as the windows, without a window.
//   memory [--json]          connection 1 of a download
//   download ROW -o FILE     the whole download of the acquisition at list row ROW
//   download --all -o DIR    every acquisition, one file each (downloadall.cpp)
//   params read [-o FILE]    params write FILE [--yes]
//   clock read               clock set "dd/mm/yyyy hh:nn"|now
// Everything the command line can get wrong is refused before the port is
// opened.

#include "arguments.h"
#include "commands.h"
#include "downloadall.h"
#include "instrumentconsole.h"
#include "instrumentlink.h"
#include "jsonfields.h"
#include "parametertexts.h"

#include "config/parameterfile.h"
#include "data/fichiers.h"
#include "link/wire.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

// Connection 1 of a download: counts, parameters and the directory.
int ReadMemory(InstrumentAction& action, InstrumentConsole& console) {
    if (const int status = action.Connect(); status != ExitSuccess)
        return status;
    TFormRS232& link = action.link();
    console.SetPhase(QCoreApplication::translate("ovra", "Mémoire"));
    if (!link.ReadMemoryCounts())
        return action.Fail();
    console.SetPhase(QCoreApplication::translate("ovra", "Paramètres"));
    if (!link.ReadParameters())
        return action.Fail();
    console.SetPhase(QCoreApplication::translate("ovra", "Répertoire"));
    if (!link.ReadAcquisitionDirectory())
        return action.Fail();
    console.Clear();
    action.Disconnect();
    return ExitSuccess;
}

QString MemoryJson(const QString& device, const Context& context) {
    QJsonArray parameters;
    for (const QString& value : context.Session.Parameters)
        parameters.append(value);
    // The directory's numbers are texts in the program; here they are numbers.
    const QLocale locale = DirectoryLocale();
    QJsonArray directory;
    for (const AcquisitionDirectoryEntry& entry : context.AcquisitionDirectory) {
        QJsonObject row{{QStringLiteral("number"), entry.Number.toInt()},
                        {QStringLiteral("method"), entry.Method},
                        {QStringLiteral("count"), entry.Count.toInt()},
                        {QStringLiteral("volume"), locale.toDouble(entry.Volume)},
                        {QStringLiteral("eapv"), locale.toDouble(entry.Eapv)}};
        AddDateFields(row, QStringLiteral("start"), entry.Start);
        directory.append(row);
    }
    const QJsonObject object{{QStringLiteral("device"), device},
                             {QStringLiteral("measurements"), context.StoredMeasurementCount},
                             {QStringLiteral("acquisitions"), context.StoredAcquisitionCount},
                             {QStringLiteral("version"), context.Session.SoftwareVersion},
                             {QStringLiteral("parameters"), parameters},
                             {QStringLiteral("directory"), directory}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) +
           QLatin1Char('\n');
}

QString MemoryText(const Context& context) {
    QString text;
    QTextStream out(&text);
    const QString labels[] = {QCoreApplication::translate("ovra", "Nombre total de mesures :"),
                              QCoreApplication::translate("ovra", "Nombre d'acquisitions :"),
                              QCoreApplication::translate("ovra", "Version logicielle :")};
    qsizetype width = 0;
    for (const QString& label : labels)
        width = qMax(width, label.size());
    out << labels[0].leftJustified(width + 1) << context.StoredMeasurementCount << '\n'
        << labels[1].leftJustified(width + 1) << context.StoredAcquisitionCount << '\n'
        << labels[2].leftJustified(width + 1) << context.Session.SoftwareVersion << '\n';
    // The column titles are as wide as the columns below them.
    if (!context.AcquisitionDirectory.empty())
        out << '\n'
            << QCoreApplication::translate(
                   "ovra", "Rang  Acquisition  Date/Heure de début  Méthode  Mesures  Volume  EAPV")
            << '\n';
    int row = 1;
    for (const AcquisitionDirectoryEntry& entry : context.AcquisitionDirectory) {
        out << QString::number(row++).rightJustified(4) << "  " << entry.Number.rightJustified(11)
            << "  " << entry.Start.leftJustified(19) << "  " << entry.Method.leftJustified(7)
            << "  " << entry.Count.rightJustified(7) << "  " << entry.Volume << "  " << entry.Eapv
            << '\n';
    }
    return text;
}

int RunMemory(const CommandLine& line) {
    ParsedArguments args;
    int status = ExitUsage;
    if (!ParseCommandArguments(line, {{"--json"}}, 0, args, status))
        return status;
    InstrumentAction action(line);
    InstrumentConsole console(action.link(), action.context());
    if (status = ReadMemory(action, console); status != ExitSuccess)
        return status;
    const Context& context = action.context();
    const QString text =
        args.Has("--json") ? MemoryJson(action.link().PortName(), context) : MemoryText(context);
    return PrintOut(text) ? ExitSuccess : ExitFileError;
}

int RunDownload(const CommandLine& line) {
    if (line.args.contains(QLatin1String("--all")))
        return RunDownloadAll(line);
    ParsedArguments args;
    int status = ExitUsage;
    if (!ParseCommandArguments(line, {{"-o", true}, {"--force"}}, 1, args, status))
        return status;
    qint64 row = 0;
    if (args.positional.isEmpty())
        return UsageError(line, QCoreApplication::translate("ovra", "RANG manquant"));
    if (!ParseNumber(args.positional.first(), 1, 65535, row))
        return UsageError(line,
                          NumberRangeText(QCoreApplication::translate("ovra", "RANG"), 1, 65535));
    const QString output = args.Value("-o");
    if (output.isEmpty())
        return UsageError(line, QCoreApplication::translate("ovra", "-o FICHIER manquant"));
    // Before anything is sent: a download takes minutes, its end must not
    // find a file it may not write.
    if (const QString problem = OutputFileProblem(output, {}, args.Has("--force"));
        !problem.isEmpty()) {
        PrintError(QCoreApplication::translate("ovra", "ovra : %1").arg(problem));
        return ExitUsage;
    }

    InstrumentAction action(line);
    InstrumentConsole console(action.link(), action.context());
    if (status = ReadMemory(action, console); status != ExitSuccess)
        return status;
    Context& context = action.context();
    if (console.Interrupted()) {
        PrintError(action.AboutDevice(QCoreApplication::translate("ovra", "Lecture annulée")));
        return ExitCancelled;
    }
    const int listed = int(context.AcquisitionDirectory.size());
    if (row > listed) {
        PrintError(action.AboutDevice(
            QCoreApplication::translate("ovra",
                                        "Pas d'acquisition au rang %1 : l'instrument en liste %2.")
                .arg(row)
                .arg(listed)));
        return ExitUsage;
    }

    if (status = action.Connect(); status != ExitSuccess)
        return status;
    const AcquisitionDirectoryEntry entry = context.AcquisitionDirectory[std::size_t(row - 1)];
    console.SetPhase(QCoreApplication::translate("ovra", "Mesures"), entry.Count.toInt());
    context.Session.SpectraAvailable = true;
    if (!action.link().ReadAcquisition(int(row - 1)))
        return action.Fail();
    console.Clear();
    action.Disconnect();

    const FileOutcome written = WriteMeasurementFile(output, context.Session);
    if (!written.Ok()) {
        PrintError(written.message);
        return ExitFileError;
    }
    PrintError(QCoreApplication::translate("ovra", "Acquisition %1 (%2 mesures) écrite dans %3")
                   .arg(entry.Number)
                   .arg(context.Session.MeasurementCount)
                   .arg(output));
    return ExitSuccess;
}

// One connection that reads the parameters, under the console's line.
int ReadInstrumentParameters(InstrumentAction& action, InstrumentConsole& console) {
    if (const int status = action.Connect(); status != ExitSuccess)
        return status;
    console.SetPhase(QCoreApplication::translate("ovra", "Paramètres"));
    if (!action.link().ReadParameters())
        return action.Fail();
    console.Clear();
    return ExitSuccess;
}

int RunParamsRead(const CommandLine& line, const ParsedArguments& args) {
    const int formats = int(args.Has("--json")) + int(args.Has("--table")) + int(args.Has("-o"));
    if (formats > 1)
        return UsageError(line, QCoreApplication::translate(
                                    "ovra", "donnez un seul de --json, --table et -o FICHIER"));
    if (args.Has("--allow-missing") || args.Has("--yes"))
        return UsageError(line, QCoreApplication::translate(
                                    "ovra", "--allow-missing et --yes vont avec params write"));
    const QString output = args.Value("-o");
    if (args.Has("--force") && output.isEmpty())
        return UsageError(line, QCoreApplication::translate("ovra", "--force va avec -o FICHIER"));
    if (!output.isEmpty()) {
        if (const QString problem = OutputFileProblem(output, {}, args.Has("--force"));
            !problem.isEmpty()) {
            PrintError(QCoreApplication::translate("ovra", "ovra : %1").arg(problem));
            return ExitUsage;
        }
    }
    InstrumentAction action(line);
    InstrumentConsole console(action.link(), action.context());
    if (const int status = ReadInstrumentParameters(action, console); status != ExitSuccess)
        return status;
    action.Disconnect();

    const Session& session = action.context().Session;
    if (args.Has("--json"))
        return PrintOut(ParametersJson(action.link().PortName(), session)) ? ExitSuccess
                                                                           : ExitFileError;
    if (args.Has("--table"))
        return PrintOut(ParametersTable(session)) ? ExitSuccess : ExitFileError;
    if (output.isEmpty()) {
        // The file format itself, so that "> FILE.par" makes a file that
        // "params write" and the configuration window read back.
        const QByteArray bytes = ParameterFileBytes(session.Parameters);
        QFile out;
        return !bytes.isEmpty() && out.open(stdout, QIODevice::WriteOnly) &&
                       out.write(bytes) == bytes.size() && out.flush()
                   ? ExitSuccess
                   : ExitFileError;
    }
    // As the configuration window saves a parameter file.
    QString reason;
    if (!SaveParameterFile(output, session.Parameters, &reason)) {
        PrintError(QCoreApplication::translate("ovra", "%1 : %2")
                       .arg(ParameterFileWriteRefused(output), reason));
        return ExitFileError;
    }
    PrintError(QCoreApplication::translate("ovra", "%1 paramètres écrits dans %2")
                   .arg(ParameterCount)
                   .arg(output));
    return ExitSuccess;
}

int RunParamsWrite(const CommandLine& line, const ParsedArguments& args) {
    if (args.positional.size() < 2)
        return UsageError(line, QCoreApplication::translate("ovra", "FICHIER manquant"));
    if (args.Has("--json") || args.Has("--table") || args.Has("-o") || args.Has("--force"))
        return UsageError(line,
                          QCoreApplication::translate(
                              "ovra", "--json, --table, -o et --force vont avec params read"));
    const QString file = args.positional.at(1);
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        PrintError(
            QCoreApplication::translate("ovra", "Impossible de lire le fichier %1").arg(file));
        return ExitFileError;
    }
    // A missing key would be sent as "0": the serial number, CONFIG and the
    // calibration gone. Only a complete file goes, or an explicit wish.
    const ParameterFileContent read = LoadParameterFile(file);
    if (!read.readable) {
        PrintError(
            QCoreApplication::translate("ovra", "Impossible de lire le fichier %1").arg(file));
        return ExitFileError;
    }
    if (int(read.missing.size()) == ParameterCount) {
        PrintError(QCoreApplication::translate(
                       "ovra", "%1 : pas un fichier de paramètres (aucune clé 1 à 64 dans la "
                               "section \"Parameters\"). Rien n'a été envoyé.")
                       .arg(file));
        return ExitRejected;
    }
    if (!read.missing.empty() && !args.Has("--allow-missing")) {
        PrintError(QCoreApplication::translate(
                       "ovra", "%1 : clés absentes de la section \"Parameters\" : %2. Rien "
                               "n'a été envoyé ; --allow-missing les envoie comme \"0\".")
                       .arg(file, KeysText(read.missing)));
        return ExitRejected;
    }

    InstrumentAction action(line);
    InstrumentConsole console(action.link(), action.context());
    if (const int status = ReadInstrumentParameters(action, console); status != ExitSuccess)
        return status;
    Session& session = action.context().Session;
    const ParameterSet current = session.Parameters;
    const std::vector<int> changed = ChangedParameters(current, read.values);
    if (changed.empty()) {
        action.Disconnect();
        PrintOut(QCoreApplication::translate(
                     "ovra", "Rien à changer : l'instrument a déjà les %1 valeurs de %2.\n")
                     .arg(ParameterCount)
                     .arg(file));
        return ExitSuccess;
    }
    PrintOut(ChangesTable(changed, current, read.values));
    if (!args.Has("--yes")) {
        action.Disconnect();
        PrintError(QCoreApplication::translate(
                       "ovra", "%1 paramètre(s) changeraient. Rien n'a été envoyé ; ajoutez "
                               "--yes pour les écrire.")
                       .arg(changed.size()));
        return ExitUsage;
    }
    if (!read.missing.empty())
        PrintError(QCoreApplication::translate("ovra", "Clés absentes, envoyées comme \"0\" : %1")
                       .arg(KeysText(read.missing)));
    // The instrument takes the whole set: every entry is sent, as the
    // configuration window does.
    session.Parameters = read.values;
    console.SetPhase(QCoreApplication::translate("ovra", "Écriture des paramètres"));
    if (!action.link().WriteParameters())
        return action.Fail();
    console.Clear();
    action.Disconnect();
    PrintError(action.AboutDevice(
        QCoreApplication::translate("ovra", "%1 paramètre(s) changé(s), %2 envoyés")
            .arg(changed.size())
            .arg(ParameterCount)));
    return ExitSuccess;
}

int RunParams(const CommandLine& line) {
    ParsedArguments args;
    int status = ExitUsage;
    if (!ParseCommandArguments(
            line,
            {{"-o", true}, {"--force"}, {"--json"}, {"--table"}, {"--allow-missing"}, {"--yes"}}, 2,
            args, status))
        return status;
    const QString verb = args.positional.value(0);
    if (verb == QLatin1String("read")) {
        if (args.positional.size() > 1)
            return UsageError(line, QCoreApplication::translate("ovra", "argument inattendu %1")
                                        .arg(args.positional[1]));
        return RunParamsRead(line, args);
    }
    if (verb == QLatin1String("write"))
        return RunParamsWrite(line, args);
    if (verb.isEmpty())
        return UsageError(line, QCoreApplication::translate("ovra", "read ou write manquant"));
    return UsageError(
        line, QCoreApplication::translate("ovra", "action de params inconnue %1 (read ou write)")
                  .arg(verb));
}

int RunClock(const CommandLine& line) {
    ParsedArguments args;
    int status = ExitUsage;
    if (!ParseCommandArguments(line, {{"--json"}}, 2, args, status))
        return status;
    const QString verb = args.positional.value(0);
    if (verb == QLatin1String("read")) {
        if (args.positional.size() > 1)
            return UsageError(line, QCoreApplication::translate("ovra", "argument inattendu %1")
                                        .arg(args.positional[1]));
        InstrumentAction action(line);
        if (status = action.Connect(); status != ExitSuccess)
            return status;
        const QString clock = action.link().ReadInstrumentClock();
        if (action.link().TimedOut() || action.link().CommunicationFailed())
            return action.Fail();
        action.Disconnect();
        if (!args.Has("--json"))
            return PrintOut(clock + QLatin1Char('\n')) ? ExitSuccess : ExitFileError;
        QJsonObject object{{QStringLiteral("device"), action.link().PortName()}};
        AddDateFields(object, QStringLiteral("clock"), clock);
        return PrintOut(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) +
                        QLatin1Char('\n'))
                   ? ExitSuccess
                   : ExitFileError;
    }
    if (verb != QLatin1String("set"))
        return UsageError(line, verb.isEmpty()
                                    ? QCoreApplication::translate("ovra", "read ou set manquant")
                                    : QCoreApplication::translate(
                                          "ovra", "action de clock inconnue %1 (read ou set)")
                                          .arg(verb));
    if (args.Has("--json"))
        return UsageError(line, QCoreApplication::translate("ovra", "--json va avec clock read"));
    if (args.positional.size() < 2)
        return UsageError(line, QCoreApplication::translate("ovra", "la date et l'heure manquent"));
    QString when = args.positional.at(1);
    if (when == QLatin1String("now"))
        when = QDateTime::currentDateTime().toString(QLatin1String(TFormRS232::ClockTextFormat));
    // The instrument would store another date than the one asked for.
    if (const QString problem = ClockTextProblem(when); !problem.isEmpty()) {
        PrintError(
            QCoreApplication::translate("ovra", "ovra : %1 ; rien n'a été envoyé").arg(problem));
        return ExitUsage;
    }
    InstrumentAction action(line);
    if (status = action.Connect(); status != ExitSuccess)
        return status;
    if (!action.link().WriteInstrumentClock(when))
        return action.Fail();
    action.Disconnect();
    return ExitSuccess;
}

const CommandRegistration memory(
    "memory", "[--json]",
    QT_TRANSLATE_NOOP("ovra", "compteurs, paramètres et acquisitions gardés dans l'instrument"),
    RunMemory,
    QT_TRANSLATE_NOOP("ovra",
                      "  --json  un objet JSON : les nombres en nombres, chaque début aussi\n"
                      "          en ISO 8601 (start_iso)\n"));
const CommandRegistration download(
    "download", QT_TRANSLATE_NOOP("ovra", "RANG -o FICHIER [--force] | --all -o DOSSIER [--force]"),
    QT_TRANSLATE_NOOP("ovra", "lit l'acquisition listée au RANG dans FICHIER, ou chacune de celles "
                              "qui ne sont pas encore dans DOSSIER"),
    RunDownload,
    QT_TRANSLATE_NOOP(
        "ovra",
        "  RANG         le rang de l'acquisition dans la liste d'\"ovra memory\", à partir de 1\n"
        "  -o FICHIER   le fichier de mesures à écrire (\".ovra\") ; vérifié avant tout\n"
        "               envoi à l'instrument\n"
        "  --force      remplace FICHIER s'il existe\n"
        "  --all        chaque acquisition dans le dossier DOSSIER, un fichier chacune,\n"
        "               nommé d'après son début et sa méthode (2011-03-10_0830_Thomas.ovra) ;\n"
        "               celles déjà dans DOSSIER sont passées, ou relues avec --force\n"
        "Ctrl-C annule la lecture (sortie 8).\n"));
const CommandRegistration params(
    "params",
    QT_TRANSLATE_NOOP("ovra",
                      "read [--json | --table | -o FICHIER.par] | write FICHIER.par [--yes]"),
    QT_TRANSLATE_NOOP("ovra", "lit ou écrit les paramètres de l'instrument"), RunParams,
    QT_TRANSLATE_NOOP(
        "ovra",
        "  read                 les 64 paramètres au format des fichiers de paramètres\n"
        "                       (section \"Parameters\", clés \"1\" à \"64\") : \"> FICHIER.par\"\n"
        "                       fait un fichier\n"
        "  read --json          un objet JSON, chaque paramètre avec sa clé et son nom\n"
        "  read --table         un tableau à lire\n"
        "  read -o FICHIER.par  écrit FICHIER.par ; avec --force un fichier existant reçoit\n"
        "                       les 64 clés et garde ses autres lignes\n"
        "  write FICHIER.par    lit les paramètres de l'instrument et liste ce que\n"
        "                       FICHIER.par changerait ; n'envoie rien sans --yes (sortie 2)\n"
        "  --yes                écrit les paramètres quand quelque chose change\n"
        "  --allow-missing      envoie une clé absente de FICHIER.par comme \"0\" (sinon un\n"
        "                       tel fichier est refusé, sortie 3)\n"));
const CommandRegistration clock(
    "clock", QT_TRANSLATE_NOOP("ovra", "read [--json] | set \"jj/mm/aaaa hh:mm\"|now"),
    QT_TRANSLATE_NOOP("ovra", "lit ou règle l'horloge de l'instrument"), RunClock,
    QT_TRANSLATE_NOOP("ovra", "  read         l'horloge de l'instrument, \"jj/mm/aaaa hh:mm\"\n"
                              "  read --json  aussi en ISO 8601 (clock_iso)\n"
                              "  set QUAND    une date des années 2000 à 2099 (l'instrument garde\n"
                              "               deux chiffres de l'année), ou now\n"));

} // namespace
