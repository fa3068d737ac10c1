// `ovra initialise`: the road of an initialisation from the command line, in
// the two connections the windows make.
//   1 (the clock window): set the instrument clock or keep it, read the set.
//   2 ("Initialiser"): send the set stamped with now, read it back, compare,
//     erase the measurement memory.
// It erases the instrument's measurements, so without --yes it sends nothing.

#include "arguments.h"
#include "commands.h"
#include "instrumentconsole.h"
#include "instrumentlink.h"
#include "parametertexts.h"

#include "config/encodings.h"
#include "config/initialisation.h"
#include "config/parameterfile.h"
#include "link/linkmessages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTextStream>

namespace {

// The window's message texts end their sentences with a line feed and a
// carriage return; a terminal wants plain line ends.
QString ConsoleText(QString text) {
    return text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
}

class ConsoleObserver : public InitialisationObserver {
public:
    void StatusChanged(const QString& text) override {
        if (m_terminal && !text.isEmpty())
            PrintNote(text);
    }
    void Tell(const InitialisationMessage& message) override {
        if (message.kind == InitialisationMessage::Information) {
            PrintOut(ConsoleText(message.text) + QLatin1Char('\n'));
            return;
        }
        PrintError(ConsoleText(message.text));
        if (!message.details.isEmpty())
            PrintNote(message.details);
    }

private:
    bool m_terminal = StandardErrorIsTerminal();
};

// After a failed operation of connection 1, in the clock window's words
// for it.
int FailConnectionOne(InstrumentAction& action, const QString& text) {
    const ExchangeFailure failure = WordExchangeFailure(action.context(), action.link(), text);
    action.Disconnect();
    PrintError(action.AboutDevice(failure.text));
    return failure.cause == ExchangeFailure::Cancelled ? ExitCancelled : ExitCommunication;
}

int ExitCodeOf(const InitialisationResult& result) {
    switch (result.outcome) {
    case InitialisationOutcome::Succeeded:
        return ExitSuccess;
    case InitialisationOutcome::NoConnection:
        return ExitNoConnection;
    case InitialisationOutcome::ReadBackDiffers:
        return ExitReadBackDiffers;
    default:
        return result.failure.cause == ExchangeFailure::Cancelled ? ExitCancelled
                                                                  : ExitCommunication;
    }
}

QString MissingKeysText(const std::vector<int>& missing) {
    QStringList keys;
    for (const int index : missing)
        keys << QString::number(index + 1);
    return QCoreApplication::translate("ovra",
                                       "Clés absentes du fichier, envoyées comme \"0\" : %1")
        .arg(keys.join(QStringLiteral(", ")));
}

struct Options {
    QString file;                          // FILE.par, empty: the instrument's own set
    QString clock = QStringLiteral("now"); // now, keep or "dd/mm/yyyy hh:nn"
    bool confirmed = false;
};

int RunInitialise(const CommandLine& line) {
    ParsedArguments args;
    int status = ExitUsage;
    if (!ParseCommandArguments(line, {{"--yes"}, {"--allow-missing"}, {"--clock", true}}, 1, args,
                               status))
        return status;
    Options options;
    options.file = args.positional.value(0);
    if (args.Has("--clock"))
        options.clock = args.Value("--clock");
    options.confirmed = args.Has("--yes");
    // Everything that can be refused is refused before a byte is sent.
    const bool keepClock = options.clock == QLatin1String("keep");
    const bool clockNow = options.clock == QLatin1String("now");
    if (!keepClock) {
        const QString when =
            clockNow
                ? QDateTime::currentDateTime().toString(QLatin1String(TFormRS232::ClockTextFormat))
                : options.clock;
        // The instrument would store another date than the one asked for.
        if (const QString problem = ClockTextProblem(when); !problem.isEmpty()) {
            PrintError(QCoreApplication::translate(
                           "ovra", "--clock %1 (ou now, keep) ; rien n'a été envoyé")
                           .arg(problem));
            return ExitUsage;
        }
    }
    ParameterFileContent file;
    if (!options.file.isEmpty()) {
        const QFileInfo info(options.file);
        file = LoadParameterFile(options.file);
        if (!info.isFile() || !file.readable) {
            PrintError(QCoreApplication::translate("ovra", "Impossible de lire le fichier %1")
                           .arg(options.file));
            return ExitFileError;
        }
        // A file without any parameter is the wrong file, not 64 zeros to send.
        if (int(file.missing.size()) == ParameterCount) {
            PrintError(QCoreApplication::translate(
                           "ovra", "Le fichier %1 ne contient aucun paramètre (section \"%2\")")
                           .arg(options.file, QLatin1String(ParametersSection)));
            return ExitFileError;
        }
        if (const int refused =
                RefuseUnsendableSet(options.file, file, args.Has("--allow-missing"));
            refused != ExitSuccess)
            return refused;
    }
    if (!options.confirmed) {
        PrintError(QCoreApplication::translate(
            "ovra", "initialise efface les mesures de l'instrument : rien n'a été "
                    "envoyé. Ajoutez --yes pour confirmer."));
        return ExitUsage;
    }
    if (!file.missing.empty())
        PrintNote(MissingKeysText(file.missing));

    InstrumentAction action(line);
    TFormRS232& link = action.link();
    Context& context = action.context();
    // Ctrl-C stops the write between two records, and never lets the erase
    // begin.
    InstrumentConsole console(link, context);
    if (const int status = action.Connect(); status != ExitSuccess)
        return status;
    if (!keepClock) {
        const QString when =
            clockNow
                ? QDateTime::currentDateTime().toString(QLatin1String(TFormRS232::ClockTextFormat))
                : options.clock;
        if (!link.WriteInstrumentClock(when))
            return FailConnectionOne(
                action, QCoreApplication::translate("ovra", "Erreur de communication"));
    }
    if (!link.ReadParameters())
        return FailConnectionOne(
            action, QCoreApplication::translate("ovra", "Erreur de communication (TimeOut)"));
    action.Disconnect();
    if (console.Interrupted()) {
        PrintError(action.AboutDevice(
            QCoreApplication::translate("ovra", "Interrompu : aucun paramètre n'a été envoyé.")));
        return ExitCancelled;
    }

    ParameterSet toSend = options.file.isEmpty() ? context.Session.Parameters : file.values;
    StampLaunch(toSend, QDateTime::currentDateTime());
    ConsoleObserver observer;
    return ExitCodeOf(RunInitialisation(link, context, toSend, observer));
}

const CommandRegistration initialise(
    "initialise",
    QT_TRANSLATE_NOOP("ovra", "[FICHIER.par] --yes [--allow-missing] [--clock now|keep|DATE]"),
    QT_TRANSLATE_NOOP("ovra", "règle l'horloge (DATE : \"jj/mm/aaaa hh:mm\"), envoie et vérifie "
                              "les paramètres, efface les mesures"),
    RunInitialise,
    QT_TRANSLATE_NOOP(
        "ovra",
        "  FICHIER.par     les paramètres à envoyer ; sans lui, ceux de l'instrument\n"
        "                  (date et heure de lancement mises à maintenant dans les deux cas)\n"
        "  --yes           confirme : la mémoire des mesures est effacée (sans lui,\n"
        "                  rien n'est envoyé, sortie 2)\n"
        "  --allow-missing envoie une clé absente de FICHIER.par comme \"0\" (sinon un\n"
        "                  tel fichier est refusé, sortie 3)\n"
        "  --clock QUAND   now (par défaut), keep, ou \"jj/mm/aaaa hh:mm\" dans les\n"
        "                  années 2000 à 2099\n"
        "Ctrl-C arrête l'envoi entre deux paramètres, sans effacer (sortie 8).\n"
        "Sortie 9 quand l'instrument rend d'autres valeurs que celles envoyées.\n"));

} // namespace
