// The dispatcher of the command-line companion: the options that come before
// the command, the commands' usage and help, then the command itself.

#include "arguments.h"
#include "commands.h"

#include "settings/language.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <map>
#include <memory>

namespace {

// The built-in texts are French; the language module gives them in English.
QString Tr(const char* text) {
    return QCoreApplication::translate("ovra", text);
}

struct RegisteredCommand {
    const char* arguments = "";
    const char* summary = "";
    const char* help = nullptr;
    CommandFunction function = nullptr;
    CommandNeeds needs = CommandNeeds::Core;
};

std::map<QString, RegisteredCommand>& Commands() {
    static std::map<QString, RegisteredCommand> commands;
    return commands;
}

constexpr char ToolOptions[] = QT_TRANSLATE_NOOP(
    "ovra", "options, avant la commande :\n"
            "  --port PERIPHERIQUE          port série de l'instrument (par défaut : le port\n"
            "                               choisi dans OvraView2, d'ovra.ini dans le dossier\n"
            "                               du programme)\n"
            "  --program-directory DOSSIER  où est ovra.ini (par défaut : comme OvraView2 le\n"
            "                               trouve)\n"
            "  -h, --help                   cette aide ; pour celle d'une commande :\n"
            "                               \"ovra help COMMANDE\" ou \"ovra COMMANDE --help\"\n"
            "  --version                    la version\n"
            "\n"
            "codes de sortie : 0 fait, 2 mauvaise utilisation ou refus avant toute action,\n"
            "3 fichier refusé, 4 erreur de fichier, 5 pas de connexion, 6 erreur de\n"
            "communication, 7 erreur de somme de contrôle, 8 annulé, 9 valeurs relues autres\n"
            "que celles envoyées\n");

QString ToolSynopsis() {
    return QCoreApplication::translate(
        "ovra", "utilisation : ovra [--port PERIPHERIQUE] [--program-directory DOSSIER] "
                "COMMANDE [ARGUMENTS]");
}

void WriteToolUsage(QTextStream& out) {
    out << ToolSynopsis() << "\n\n" << QCoreApplication::translate("ovra", "commandes :") << '\n';
    constexpr int Column = 40;
    for (const auto& [name, command] : Commands()) {
        const QString synopsis = name + QLatin1Char(' ') + Tr(command.arguments);
        // A long synopsis gets its own line rather than pushing the summary out.
        if (synopsis.size() > Column)
            out << "  " << synopsis << '\n' << QString(Column + 3, QLatin1Char(' '));
        else
            out << "  " << synopsis.leftJustified(Column) << ' ';
        out << Tr(command.summary) << '\n';
    }
}

void WriteToolHelp() {
    QTextStream out(stdout);
    WriteToolUsage(out);
    out << '\n' << Tr(ToolOptions);
}

void WriteCommandUsage(QTextStream& out, const QString& name, const RegisteredCommand& command) {
    out << QCoreApplication::translate(
               "ovra",
               "utilisation : ovra [--port PERIPHERIQUE] [--program-directory DOSSIER] %1 %2")
               .arg(name, Tr(command.arguments))
        << '\n';
}

bool IsHelp(const QString& arg) {
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

// The options before the command. A mistake ends them; the first of help,
// version or a mistake is what the run does, once the language is known
// (the program directory may come after --help).
struct ToolOptionsRead {
    enum { Command, Help, Version, UnknownOption, MissingValue } outcome = Command;
    QString option; // the one mistaken
};

ToolOptionsRead ReadToolOptions(QStringList& args, CommandLine& line) {
    ToolOptionsRead read;
    while (!args.isEmpty() && args.first().startsWith(QLatin1Char('-'))) {
        const QString option = args.takeFirst();
        if (IsHelp(option) || option == QLatin1String("--version")) {
            if (read.outcome == ToolOptionsRead::Command)
                read.outcome = IsHelp(option) ? ToolOptionsRead::Help : ToolOptionsRead::Version;
            continue;
        }
        const bool port = option == QLatin1String("--port");
        const bool known = port || option == QLatin1String("--program-directory");
        if (known && !args.isEmpty()) {
            (port ? line.port : line.programDirectory) = args.takeFirst();
            continue;
        }
        if (read.outcome == ToolOptionsRead::Command) {
            read.outcome = known ? ToolOptionsRead::MissingValue : ToolOptionsRead::UnknownOption;
            read.option = option;
        }
        break;
    }
    return read;
}

// A command that draws pages gets a Gui application; it runs offscreen, so a
// report is made on a machine without a display. The command is found the
// way the run finds it below, before Qt has read the arguments.
std::unique_ptr<QCoreApplication> CreateApplication(int& argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    CommandLine line;
    const ToolOptionsRead options = ReadToolOptions(args, line);
    const auto found = args.isEmpty() ? Commands().end() : Commands().find(args.first());
    if (options.outcome == ToolOptionsRead::Command && found != Commands().end() &&
        found->second.needs == CommandNeeds::Pages) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

CommandRegistration::CommandRegistration(const char* name, const char* arguments,
                                         const char* summary, CommandFunction function,
                                         const char* help, CommandNeeds needs) {
    Commands()[QString::fromLatin1(name)] = {arguments, summary, help, function, needs};
}

void PrintUsage() {
    QTextStream err(stderr);
    WriteToolUsage(err);
}

int UsageError(const CommandLine& line, const QString& message) {
    QTextStream err(stderr);
    err << ErrorPrefix << message << '\n';
    const auto found = Commands().find(line.command);
    if (found == Commands().end()) {
        WriteToolUsage(err);
        err << QCoreApplication::translate("ovra", "Essayez \"ovra --help\" pour en savoir plus.")
            << '\n';
    } else {
        WriteCommandUsage(err, found->first, found->second);
        err << QCoreApplication::translate("ovra",
                                           "Essayez \"ovra %1 --help\" pour en savoir plus.")
                   .arg(found->first)
            << '\n';
    }
    return ExitUsage;
}

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> app = CreateApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ovra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OVRA_VERSION));

    CommandLine line;
    QStringList args = QCoreApplication::arguments().mid(1);
    const ToolOptionsRead options = ReadToolOptions(args, line);

    // The window program's language, from the settings of the program
    // directory the options name, and its module installed beside this tool.
    Context settings;
    settings.ProgramDirectory =
        line.programDirectory.isEmpty() ? FindProgramDirectory().directory : line.programDirectory;
    LanguageModules languages(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ovraview2")));
    languages.Load(RunLocaleId(settings, SystemMessagesLocale()));

    switch (options.outcome) {
    case ToolOptionsRead::Help:
        WriteToolHelp();
        return ExitSuccess;
    case ToolOptionsRead::Version:
        QTextStream(stdout) << "ovra " << OVRA_VERSION << '\n';
        return ExitSuccess;
    case ToolOptionsRead::UnknownOption:
        return UsageError(
            line, QCoreApplication::translate("ovra", "option inconnue %1").arg(options.option));
    case ToolOptionsRead::MissingValue:
        return UsageError(line, QCoreApplication::translate("ovra", "l'option %1 attend une valeur")
                                    .arg(options.option));
    case ToolOptionsRead::Command:
        break;
    }
    // "ovra help [COMMAND]" is "ovra --help" or "ovra COMMAND --help".
    const bool helpWord = !args.isEmpty() && args.first() == QLatin1String("help");
    if (helpWord && args.size() == 1) {
        WriteToolHelp();
        return ExitSuccess;
    }
    if (helpWord)
        args = QStringList{args.at(1), QStringLiteral("--help")};
    if (args.isEmpty())
        return UsageError(line, QCoreApplication::translate("ovra", "aucune commande donnée"));
    const QString name = args.takeFirst();
    const auto found = Commands().find(name);
    if (found == Commands().end())
        return UsageError(line,
                          QCoreApplication::translate("ovra", "commande inconnue %1").arg(name));
    line.command = name;
    line.args = args;
    if (std::any_of(args.cbegin(), args.cend(), IsHelp)) {
        QTextStream out(stdout);
        WriteCommandUsage(out, found->first, found->second);
        out << '\n' << Tr(found->second.summary) << '\n';
        if (found->second.help)
            out << '\n' << Tr(found->second.help);
        return ExitSuccess;
    }
    // A mistyped directory would quietly give the defaults of an empty one.
    if (!line.programDirectory.isEmpty() && !QFileInfo(line.programDirectory).isDir())
        return UsageError(
            line, QCoreApplication::translate("ovra", "--program-directory %1 : dossier inexistant")
                      .arg(line.programDirectory));
    return found->second.function(line);
}
