// The batch download: one connection to list the acquisitions, then one per
// acquisition, as the windows download them. A failed acquisition is told
// and the others go on; one already in the folder is not fetched again
// unless asked, so running the command again fetches only the new ones.

#include "downloadall.h"

#include "instrumentconsole.h"
#include "instrumentlink.h"

#include "data/fichiers.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <algorithm>

namespace {

// Letters, digits, '-' and '_' only: a method code from an unknown firmware
// must not put a separator or a dot into the name.
QString SafePart(const QString& text) {
    QString safe = text.trimmed();
    safe.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]+")), QStringLiteral("-"));
    return safe.isEmpty() ? QStringLiteral("inconnu") : safe;
}

struct Arguments {
    QString directory;
    bool force = false;
};

bool ParseArguments(const QStringList& args, Arguments& out) {
    bool all = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--all") && !all)
            all = true;
        else if (args[i] == QLatin1String("--force") && !out.force)
            out.force = true;
        else if (args[i] == QLatin1String("-o") && i + 1 < args.size() && out.directory.isEmpty())
            out.directory = args[++i];
        else
            return false;
    }
    return all && !out.directory.isEmpty();
}

} // namespace

QString AcquisitionFileName(const QString& start, const QString& method, const QString& number,
                            const QStringList& taken) {
    const QDateTime when =
        QDateTime::fromString(start.trimmed(), QStringLiteral("dd/MM/yyyy HH:mm"));
    const QString stem = (when.isValid() ? when.toString(QStringLiteral("yyyy-MM-dd_HHmm"))
                                         : QStringLiteral("sans-date_") + SafePart(number)) +
                         QLatin1Char('_') + SafePart(method);
    QString name = stem + QStringLiteral(".ovra");
    for (int suffix = 2; taken.contains(name, Qt::CaseInsensitive); ++suffix)
        name = stem + QLatin1Char('-') + QString::number(suffix) + QStringLiteral(".ovra");
    return name;
}

int RunDownloadAll(const CommandLine& line) {
    Arguments args;
    if (!ParseArguments(line.args, args))
        return UsageError(line,
                          QCoreApplication::translate(
                              "ovra", "download --all demande -o DOSSIER, et --force au plus"));
    const QDir folder(args.directory);
    if (!QDir().mkpath(args.directory) || !QFileInfo(args.directory).isDir()) {
        PrintError(QCoreApplication::translate("ovra", "Impossible de créer le dossier %1")
                       .arg(QDir::toNativeSeparators(args.directory)));
        return ExitFileError;
    }
    // Before anything is fetched: downloads take minutes each, and a folder
    // that refuses the files would only say so after all of them. A file
    // made there answers for permissions, ACLs and read-only mounts alike.
    QTemporaryFile probe(folder.filePath(QStringLiteral(".ovra-XXXXXX")));
    if (!probe.open()) {
        PrintError(QCoreApplication::translate(
                       "ovra", "le dossier %1 n'est pas accessible en écriture (%2) ; rien n'a "
                               "été téléchargé")
                       .arg(QDir::toNativeSeparators(args.directory), probe.errorString()));
        return ExitUsage;
    }
    probe.remove();

    InstrumentAction action(line);
    InstrumentConsole console(action.link(), action.context());
    Context& context = action.context();
    if (const int status = action.Connect(); status != ExitSuccess)
        return status;
    TFormRS232& link = action.link();
    if (!link.ReadMemoryCounts() || !link.ReadParameters() || !link.ReadAcquisitionDirectory())
        return action.Fail();
    action.Disconnect();

    // Names given in the directory's order, before anything is fetched, so
    // that a second run gives every acquisition the same name again.
    const std::vector<AcquisitionDirectoryEntry> entries = context.AcquisitionDirectory;
    QStringList names;
    for (const AcquisitionDirectoryEntry& entry : entries)
        names << AcquisitionFileName(entry.Start, entry.Method, entry.Number, names);

    const int total = int(entries.size());
    int worst = ExitSuccess;
    int fetched = 0, skipped = 0, failed = 0;
    int notAttempted = total; // the first row not tried once the loop stops
    for (int row = 0; row < total; ++row) {
        const QString path = folder.filePath(names[row]);
        const QString head = QCoreApplication::translate("ovra", "[%1/%2] %3 : ")
                                 .arg(row + 1)
                                 .arg(total)
                                 .arg(names[row]);
        if (console.Interrupted()) {
            PrintError(QCoreApplication::translate("ovra", "Lecture annulée"));
            worst = std::max<int>(worst, ExitCancelled);
            notAttempted = row;
            break;
        }
        console.SetPhase(names[row]);
        if (QFileInfo::exists(path) && !args.force) {
            console.Clear();
            PrintOut(head + QCoreApplication::translate("ovra", "déjà téléchargée") +
                     QLatin1Char('\n'));
            ++skipped;
            continue;
        }
        // A flag left by the acquisition before must not name this one's failure.
        context.TimedOut = false;
        context.ChecksumFailed = false;
        context.CancelRequested = false;
        int status = action.Connect();
        if (status == ExitSuccess) {
            context.Session.SpectraAvailable = true;
            if (link.ReadAcquisition(row))
                action.Disconnect();
            else
                status = action.Fail();
        }
        if (status == ExitSuccess) {
            const FileOutcome written = WriteMeasurementFile(path, context.Session);
            if (!written.Ok()) {
                PrintError(written.message);
                status = ExitFileError;
            }
        }
        if (status == ExitSuccess) {
            PrintOut(head + QCoreApplication::translate("ovra", "téléchargée (%1 mesures)\n")
                                .arg(context.Session.MeasurementCount));
            ++fetched;
            continue;
        }
        PrintOut(head + QCoreApplication::translate("ovra", "ÉCHEC") + QLatin1Char('\n'));
        ++failed;
        worst = std::max(worst, status);
        if (status == ExitCancelled) {
            notAttempted = row + 1;
            break;
        }
    }
    PrintOut(
        QCoreApplication::translate("ovra", "%1 téléchargée(s), %2 déjà présente(s), %3 en échec\n")
            .arg(fetched)
            .arg(skipped)
            .arg(failed));
    // After a cancel, the user knows what the next run will fetch.
    if (notAttempted < total)
        PrintOut(QCoreApplication::translate("ovra", "non tentée(s) : %1\n")
                     .arg(names.mid(notAttempted).join(QStringLiteral(", "))));
    return worst;
}
