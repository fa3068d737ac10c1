// File subcommands of the command-line companion: "info" and "export".

#include "commands.h"

#include "data/fichiers.h"
#include "data/spectracsv.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSaveFile>
#include <QTextStream>

namespace {

struct FileArguments {
    QString file;
    QString output;
    bool json = false;
    bool csv = false;
};

// Takes FILE and the options that `allowed` names, in any order; false on
// anything else, so a typo never silently reads the wrong thing.
bool ParseFileArguments(const QStringList& args, const QStringList& allowed, FileArguments& out) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1 && !allowed.contains(arg))
            return false;
        if (arg == QLatin1String("--json"))
            out.json = true;
        else if (arg == QLatin1String("--csv"))
            out.csv = true;
        else if (arg == QLatin1String("-o")) {
            if (++i == args.size() || !out.output.isEmpty())
                return false;
            out.output = args.at(i);
        } else if (out.file.isEmpty())
            out.file = arg;
        else
            return false;
    }
    return !out.file.isEmpty();
}

// Reads the file, or tells why not and gives the exit code.
int ReadForCommand(const QString& file, Session& session) {
    const FileOutcome outcome = ReadMeasurementFile(file, session);
    QTextStream err(stderr);
    switch (outcome.kind) {
    case FileOutcome::Accepted:
        return ExitSuccess;
    case FileOutcome::Rejected:
        err << "Format de fichier incorrect\n";
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

QByteArray InfoJson(const Session& session) {
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
    const QJsonObject object{
        {QStringLiteral("version"), session.SoftwareVersion},
        {QStringLiteral("parameters"), parameters},
        {QStringLiteral("start"), session.StartText},
        {QStringLiteral("method"), session.Method},
        {QStringLiteral("count"), session.MeasurementCount},
        {QStringLiteral("volume"), session.Volume},
        {QStringLiteral("eapv"), session.Eapv},
        {QStringLiteral("spectra_available"), session.SpectraAvailable},
        {QStringLiteral("spectra"), spectra},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QString InfoText(const Session& session) {
    // Numbers as the user's regional settings write them, like the program does.
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text;
    QTextStream out(&text);
    out << "Version:   " << session.SoftwareVersion << '\n'
        << "Start:     " << session.StartText << '\n'
        << "Method:    " << session.Method << '\n'
        << "Count:     " << session.MeasurementCount << '\n'
        << "Volume:    " << locale.toString(session.Volume, 'f', 2) << '\n'
        << "EAPV:      " << locale.toString(session.Eapv, 'f', 3) << '\n'
        << "Spectra:   " << (session.SpectraAvailable ? "available" : "unavailable") << '\n';
    if (session.SpectraAvailable) {
        for (qint32 m = 0; m < session.MeasurementCount; ++m)
            out << "  measurement " << m << ": total count " << TotalCount(session, m) << '\n';
    }
    return text;
}

bool WriteStandardOutput(const QByteArray& bytes) {
    QFile out;
    return out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() &&
           out.flush();
}

int RunInfo(const CommandLine& line) {
    FileArguments args;
    if (!ParseFileArguments(line.args, {QStringLiteral("--json")}, args)) {
        PrintUsage();
        return ExitUsage;
    }
    Session session;
    if (const int status = ReadForCommand(args.file, session); status != ExitSuccess)
        return status;
    const QByteArray bytes = args.json ? InfoJson(session) : InfoText(session).toUtf8();
    return WriteStandardOutput(bytes) ? ExitSuccess : ExitFileError;
}

int RunExport(const CommandLine& line) {
    FileArguments args;
    if (!ParseFileArguments(line.args, {QStringLiteral("--csv"), QStringLiteral("-o")}, args) ||
        !args.csv) {
        PrintUsage();
        return ExitUsage;
    }
    Session session;
    if (const int status = ReadForCommand(args.file, session); status != ExitSuccess)
        return status;
    const QByteArray csv = SpectraCsv(session);
    if (args.output.isEmpty())
        return WriteStandardOutput(csv) ? ExitSuccess : ExitFileError;
    QSaveFile file(args.output);
    if (file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() && file.commit())
        return ExitSuccess;
    QTextStream(stderr) << "Impossible d'écrire le fichier " << args.output << " : "
                        << file.errorString() << '\n';
    return ExitFileError;
}

const CommandRegistration info("info", "FILE [--json]", "summary of a measurement file", RunInfo);
const CommandRegistration exportCsv("export", "FILE --csv [-o OUT]",
                                    "spectra of a measurement file as CSV", RunExport);

} // namespace
