// Instrument subcommands of the command-line companion: the same link, the
// same protocol and the same messages as the windows, without a window.
//   memory [--json]          connection 1 of a download
//   download ROW -o FILE     the whole download of the acquisition at list row ROW
//   download --all -o DIR    every acquisition, one file each (downloadall.cpp)
//   params read [-o FILE]    params write FILE
//   clock read               clock set "dd/mm/yyyy hh:nn"|now

#include "commands.h"
#include "downloadall.h"
#include "instrumentconsole.h"
#include "instrumentlink.h"

#include "config/parameterfile.h"
#include "data/fichiers.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

int Usage() {
    PrintUsage();
    return ExitUsage;
}

// Connection 1 of a download: counts, parameters and the directory.
int ReadMemory(InstrumentAction& action) {
    if (const int status = action.Connect(); status != ExitSuccess)
        return status;
    TFormRS232& link = action.link();
    if (!link.ReadMemoryCounts() || !link.ReadParameters() || !link.ReadAcquisitionDirectory())
        return action.Fail();
    action.Disconnect();
    return ExitSuccess;
}

QString MemoryJson(const Context& context) {
    QJsonArray parameters;
    for (const QString& value : context.Session.Parameters)
        parameters.append(value);
    QJsonArray directory;
    for (const AcquisitionDirectoryEntry& entry : context.AcquisitionDirectory) {
        directory.append(QJsonObject{{QStringLiteral("number"), entry.Number},
                                     {QStringLiteral("start"), entry.Start},
                                     {QStringLiteral("method"), entry.Method},
                                     {QStringLiteral("count"), entry.Count},
                                     {QStringLiteral("volume"), entry.Volume},
                                     {QStringLiteral("eapv"), entry.Eapv}});
    }
    const QJsonObject object{{QStringLiteral("measurements"), context.StoredMeasurementCount},
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
    const bool json = line.args == QStringList{QStringLiteral("--json")};
    if (!line.args.isEmpty() && !json)
        return Usage();
    InstrumentAction action(line);
    if (const int status = ReadMemory(action); status != ExitSuccess)
        return status;
    const Context& context = action.context();
    return PrintOut(json ? MemoryJson(context) : MemoryText(context)) ? ExitSuccess : ExitFileError;
}

int RunDownload(const CommandLine& line) {
    const QStringList& args = line.args;
    if (args.contains(QLatin1String("--all")))
        return RunDownloadAll(line);
    QString output;
    int row = 0;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-o") && i + 1 < args.size() && output.isEmpty()) {
            output = args[++i];
            continue;
        }
        bool ok = false;
        const int number = args[i].toInt(&ok);
        if (!ok || number < 1 || row != 0)
            return Usage();
        row = number;
    }
    if (row == 0 || output.isEmpty())
        return Usage();

    InstrumentAction action(line);
    DownloadConsole console(action.link(), action.context());
    if (const int status = ReadMemory(action); status != ExitSuccess)
        return status;
    Context& context = action.context();
    if (console.Interrupted()) {
        PrintError(QStringLiteral("Lecture annulée"));
        return ExitCancelled;
    }
    const int listed = int(context.AcquisitionDirectory.size());
    if (row > listed) {
        PrintError(QStringLiteral("Pas d'acquisition au rang %1 : l'instrument en liste %2.")
                       .arg(row)
                       .arg(listed));
        return ExitUsage;
    }

    if (const int status = action.Connect(); status != ExitSuccess)
        return status;
    context.Session.SpectraAvailable = true;
    if (!action.link().ReadAcquisition(row - 1))
        return action.Fail();
    action.Disconnect();

    const FileOutcome written = WriteMeasurementFile(output, context.Session);
    if (!written.Ok()) {
        PrintError(written.message);
        return ExitFileError;
    }
    return ExitSuccess;
}

QString ParametersText(const Session& session) {
    QString text;
    QTextStream out(&text);
    out << "Version logicielle: " << session.SoftwareVersion << '\n';
    for (int i = 0; i < ParameterCount; ++i) {
        out << QString::number(i + 1).rightJustified(2) << ' '
            << ParameterNames()[i].leftJustified(14) << ' ' << session.Parameters[i] << '\n';
    }
    return text;
}

int RunParamsRead(const CommandLine& line, const QStringList& args) {
    QString output;
    if (args.size() == 2 && args[0] == QLatin1String("-o"))
        output = args[1];
    else if (!args.isEmpty())
        return Usage();
    InstrumentAction action(line);
    if (const int status = action.Connect(); status != ExitSuccess)
        return status;
    if (!action.link().ReadParameters())
        return action.Fail();
    action.Disconnect();

    const Session& session = action.context().Session;
    if (output.isEmpty())
        return PrintOut(ParametersText(session)) ? ExitSuccess : ExitFileError;
    // As the configuration window saves a parameter file.
    if (!SaveParameterFile(output, session.Parameters)) {
        PrintError(ParameterFileWriteRefused(output));
        return ExitFileError;
    }
    return ExitSuccess;
}

int RunParamsWrite(const CommandLine& line, const QStringList& args) {
    if (args.size() != 1)
        return Usage();
    const QString file = args[0];
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        PrintError(QStringLiteral("Impossible de lire le fichier %1").arg(file));
        return ExitFileError;
    }
    InstrumentAction action(line);
    action.context().Session.Parameters = LoadParameterFile(file).values;
    if (const int status = action.Connect(); status != ExitSuccess)
        return status;
    if (!action.link().WriteParameters())
        return action.Fail();
    action.Disconnect();
    return ExitSuccess;
}

int RunParams(const CommandLine& line) {
    const QString verb = line.args.value(0);
    if (verb == QLatin1String("read"))
        return RunParamsRead(line, line.args.mid(1));
    if (verb == QLatin1String("write"))
        return RunParamsWrite(line, line.args.mid(1));
    return Usage();
}

int RunClock(const CommandLine& line) {
    const QString verb = line.args.value(0);
    if (verb == QLatin1String("read") && line.args.size() == 1) {
        InstrumentAction action(line);
        if (const int status = action.Connect(); status != ExitSuccess)
            return status;
        const QString clock = action.link().ReadInstrumentClock();
        if (action.link().TimedOut() || action.link().CommunicationFailed())
            return action.Fail();
        action.Disconnect();
        return PrintOut(clock + QLatin1Char('\n')) ? ExitSuccess : ExitFileError;
    }
    if (verb == QLatin1String("set") && line.args.size() == 2) {
        QString when = line.args[1];
        if (when == QLatin1String("now"))
            when =
                QDateTime::currentDateTime().toString(QLatin1String(TFormRS232::ClockTextFormat));
        if (!QDateTime::fromString(when, QLatin1String(TFormRS232::ClockTextFormat)).isValid()) {
            PrintError(
                QStringLiteral("Date et heure invalides : %1 (attendu \"jj/mm/aaaa hh:mm\" ou now)")
                    .arg(when));
            return ExitUsage;
        }
        InstrumentAction action(line);
        if (const int status = action.Connect(); status != ExitSuccess)
            return status;
        if (!action.link().WriteInstrumentClock(when))
            return action.Fail();
        action.Disconnect();
        return ExitSuccess;
    }
    return Usage();
}

const CommandRegistration memory("memory", "[--json]",
                                 "counts, parameters and acquisitions stored in the instrument",
                                 RunMemory);
const CommandRegistration download("download", "ROW -o FILE | --all -o DIR [--force]",
                                   "download the acquisition listed at ROW into FILE, or every "
                                   "acquisition not yet in DIR",
                                   RunDownload);
const CommandRegistration params("params", "read [-o FILE.par] | write FILE.par",
                                 "read or write the instrument's parameters", RunParams);
const CommandRegistration clock("clock", "read | set \"dd/mm/yyyy hh:nn\"|now",
                                "read or set the instrument's clock", RunClock);

} // namespace
