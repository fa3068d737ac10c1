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
    console.SetPhase(QStringLiteral("Mémoire"));
    if (!link.ReadMemoryCounts())
        return action.Fail();
    console.SetPhase(QStringLiteral("Paramètres"));
    if (!link.ReadParameters())
        return action.Fail();
    console.SetPhase(QStringLiteral("Répertoire"));
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
    out << "Nombre total de mesures: " << context.StoredMeasurementCount << '\n'
        << "Nombre d'acquisitions:   " << context.StoredAcquisitionCount << '\n'
        << "Version logicielle:      " << context.Session.SoftwareVersion << '\n';
    if (!context.AcquisitionDirectory.empty())
        out << "\nRang  Acquisition  Date/Heure de début  Méthode  Mesures  Volume  EAPV\n";
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
        return UsageError(line, QStringLiteral("ROW is missing"));
    if (!ParseNumber(args.positional.first(), 1, 65535, row))
        return UsageError(line, NumberRangeText(QStringLiteral("ROW"), 1, 65535));
    const QString output = args.Value("-o");
    if (output.isEmpty())
        return UsageError(line, QStringLiteral("-o FILE is missing"));
    // Before anything is sent: a download takes minutes, its end must not
    // find a file it may not write.
    if (const QString problem = OutputFileProblem(output, {}, args.Has("--force"));
        !problem.isEmpty()) {
        PrintError(QStringLiteral("ovra: ") + problem);
        return ExitUsage;
    }

    InstrumentAction action(line);
    InstrumentConsole console(action.link(), action.context());
    if (status = ReadMemory(action, console); status != ExitSuccess)
        return status;
    Context& context = action.context();
    if (console.Interrupted()) {
        PrintError(action.AboutDevice(QStringLiteral("Lecture annulée")));
        return ExitCancelled;
    }
    const int listed = int(context.AcquisitionDirectory.size());
    if (row > listed) {
        PrintError(action.AboutDevice(
            QStringLiteral("Pas d'acquisition au rang %1 : l'instrument en liste %2.")
                .arg(row)
                .arg(listed)));
        return ExitUsage;
    }

    if (status = action.Connect(); status != ExitSuccess)
        return status;
    const AcquisitionDirectoryEntry entry = context.AcquisitionDirectory[std::size_t(row - 1)];
    console.SetPhase(QStringLiteral("Mesures"), entry.Count.toInt());
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
    PrintError(QStringLiteral("Acquisition %1 (%2 mesures) écrite dans %3")
                   .arg(entry.Number)
                   .arg(context.Session.MeasurementCount)
                   .arg(output));
    return ExitSuccess;
}

// One connection that reads the parameters, under the console's line.
int ReadInstrumentParameters(InstrumentAction& action, InstrumentConsole& console) {
    if (const int status = action.Connect(); status != ExitSuccess)
        return status;
    console.SetPhase(QStringLiteral("Paramètres"));
    if (!action.link().ReadParameters())
        return action.Fail();
    console.Clear();
    return ExitSuccess;
}

int RunParamsRead(const CommandLine& line, const ParsedArguments& args) {
    const int formats = int(args.Has("--json")) + int(args.Has("--table")) + int(args.Has("-o"));
    if (formats > 1)
        return UsageError(line, QStringLiteral("give one of --json, --table and -o FILE"));
    if (args.Has("--allow-missing") || args.Has("--yes"))
        return UsageError(line, QStringLiteral("--allow-missing and --yes are for params write"));
    const QString output = args.Value("-o");
    if (args.Has("--force") && output.isEmpty())
        return UsageError(line, QStringLiteral("--force goes with -o FILE"));
    if (!output.isEmpty()) {
        if (const QString problem = OutputFileProblem(output, {}, args.Has("--force"));
            !problem.isEmpty()) {
            PrintError(QStringLiteral("ovra: ") + problem);
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
    if (!SaveParameterFile(output, session.Parameters)) {
        PrintError(ParameterFileWriteRefused(output));
        return ExitFileError;
    }
    PrintError(QStringLiteral("%1 paramètres écrits dans %2").arg(ParameterCount).arg(output));
    return ExitSuccess;
}

int RunParamsWrite(const CommandLine& line, const ParsedArguments& args) {
    if (args.positional.size() < 2)
        return UsageError(line, QStringLiteral("FILE is missing"));
    if (args.Has("--json") || args.Has("--table") || args.Has("-o") || args.Has("--force"))
        return UsageError(line,
                          QStringLiteral("--json, --table, -o and --force are for params read"));
    const QString file = args.positional.at(1);
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        PrintError(QStringLiteral("Impossible de lire le fichier %1").arg(file));
        return ExitFileError;
    }
    // A missing key would be sent as "0": the serial number, CONFIG and the
    // calibration gone. Only a complete file goes, or an explicit wish.
    const ParameterFileContent read = LoadParameterFile(file);
    if (!read.readable) {
        PrintError(QStringLiteral("Impossible de lire le fichier %1").arg(file));
        return ExitFileError;
    }
    if (int(read.missing.size()) == ParameterCount) {
        PrintError(QStringLiteral("%1 : pas un fichier de paramètres (aucune clé 1 à 64 dans la "
                                  "section \"Parameters\"). Rien n'a été envoyé.")
                       .arg(file));
        return ExitRejected;
    }
    if (!read.missing.empty() && !args.Has("--allow-missing")) {
        PrintError(QStringLiteral("%1 : clés absentes de la section \"Parameters\" : %2. Rien "
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
        PrintOut(QStringLiteral("Rien à changer : l'instrument a déjà les %1 valeurs de %2.\n")
                     .arg(ParameterCount)
                     .arg(file));
        return ExitSuccess;
    }
    PrintOut(ChangesTable(changed, current, read.values));
    if (!args.Has("--yes")) {
        action.Disconnect();
        PrintError(QStringLiteral("%1 paramètre(s) changeraient. Rien n'a été envoyé ; ajoutez "
                                  "--yes pour les écrire.")
                       .arg(changed.size()));
        return ExitUsage;
    }
    if (!read.missing.empty())
        PrintError(
            QStringLiteral("Clés absentes, envoyées comme \"0\" : %1").arg(KeysText(read.missing)));
    // The instrument takes the whole set: every entry is sent, as the
    // configuration window does.
    session.Parameters = read.values;
    console.SetPhase(QStringLiteral("Écriture des paramètres"));
    if (!action.link().WriteParameters())
        return action.Fail();
    console.Clear();
    action.Disconnect();
    PrintError(action.AboutDevice(QStringLiteral("%1 paramètre(s) changé(s), %2 envoyés")
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
            return UsageError(line,
                              QStringLiteral("unexpected argument %1").arg(args.positional[1]));
        return RunParamsRead(line, args);
    }
    if (verb == QLatin1String("write"))
        return RunParamsWrite(line, args);
    if (verb.isEmpty())
        return UsageError(line, QStringLiteral("read or write is missing"));
    return UsageError(line, QStringLiteral("unknown params action %1 (read or write)").arg(verb));
}

int RunClock(const CommandLine& line) {
    ParsedArguments args;
    int status = ExitUsage;
    if (!ParseCommandArguments(line, {{"--json"}}, 2, args, status))
        return status;
    const QString verb = args.positional.value(0);
    if (verb == QLatin1String("read")) {
        if (args.positional.size() > 1)
            return UsageError(line,
                              QStringLiteral("unexpected argument %1").arg(args.positional[1]));
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
        return UsageError(line,
                          verb.isEmpty()
                              ? QStringLiteral("read or set is missing")
                              : QStringLiteral("unknown clock action %1 (read or set)").arg(verb));
    if (args.Has("--json"))
        return UsageError(line, QStringLiteral("--json is for clock read"));
    if (args.positional.size() < 2)
        return UsageError(line, QStringLiteral("the date and time are missing"));
    QString when = args.positional.at(1);
    if (when == QLatin1String("now"))
        when = QDateTime::currentDateTime().toString(QLatin1String(TFormRS232::ClockTextFormat));
    // The instrument would store another date than the one asked for.
    if (const QString problem = ClockTextProblem(when); !problem.isEmpty()) {
        PrintError(QStringLiteral("ovra: ") + problem + QStringLiteral("; nothing was sent"));
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

const CommandRegistration memory("memory", "[--json]",
                                 "counts, parameters and acquisitions stored in the instrument",
                                 RunMemory,
                                 "  --json  one JSON object: numbers as numbers, each start also\n"
                                 "          in ISO 8601 (start_iso)\n");
const CommandRegistration
    download("download", "ROW -o FILE [--force] | --all -o DIR [--force]",
             "download the acquisition listed at ROW into FILE, or every one not yet in DIR",
             RunDownload,
             "  ROW        the acquisition's row in the list of \"ovra memory\", from 1\n"
             "  -o FILE    the measurement file to write (\".ovra\"); checked before anything\n"
             "             is sent to the instrument\n"
             "  --force    replace FILE when it exists\n"
             "  --all      every acquisition into the folder DIR, one file each named\n"
             "             from its start and method (2011-03-10_0830_Thomas.ovra); those\n"
             "             already in DIR are skipped, or fetched again with --force\n"
             "Ctrl-C cancels the download (exit 8).\n");
const CommandRegistration params(
    "params", "read [--json | --table | -o FILE.par] | write FILE.par [--yes]",
    "read or write the instrument's parameters", RunParams,
    "  read                 the 64 parameters in the parameter-file format (section\n"
    "                       \"Parameters\", keys \"1\" to \"64\"): \"> FILE.par\" makes a file\n"
    "  read --json          one JSON object, each parameter with its key and name\n"
    "  read --table         a table to read\n"
    "  read -o FILE.par     write FILE.par; with --force an existing file gets the 64\n"
    "                       keys and keeps its other lines\n"
    "  write FILE.par       reads the instrument's set and lists what FILE.par would\n"
    "                       change; sends nothing without --yes (exit 2)\n"
    "  --yes                write the set when something changes\n"
    "  --allow-missing      send a key missing from FILE.par as \"0\" (otherwise such a\n"
    "                       file is refused, exit 3)\n");
const CommandRegistration clock("clock", "read [--json] | set \"dd/mm/yyyy hh:nn\"|now",
                                "read or set the instrument's clock", RunClock,
                                "  read         the instrument's clock, \"dd/mm/yyyy hh:nn\"\n"
                                "  read --json  also in ISO 8601 (clock_iso)\n"
                                "  set WHEN     a date of the years 2000 to 2099 (the instrument\n"
                                "               keeps two digits of the year), or now\n");

} // namespace
