// The dispatcher of the command-line companion: the options that come before
// the command, the commands' usage and help, then the command itself.

#include "commands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <map>

namespace {

struct RegisteredCommand {
    QString arguments;
    QString summary;
    QString help;
    CommandFunction function = nullptr;
};

std::map<QString, RegisteredCommand>& Commands() {
    static std::map<QString, RegisteredCommand> commands;
    return commands;
}

constexpr char ToolOptions[] =
    "options, before the command:\n"
    "  --port DEVICE            serial port of the instrument (default: the port chosen\n"
    "                           in OvraView2, from ovra.ini in the program directory)\n"
    "  --program-directory DIR  where ovra.ini is (default: as OvraView2 finds it)\n"
    "  -h, --help               this help; \"ovra COMMAND --help\" for a command's\n"
    "  --version                the version\n"
    "\n"
    "exit codes: 0 done, 2 wrong usage or refused before anything was done,\n"
    "3 rejected file, 4 file error, 5 no connection, 6 communication error,\n"
    "7 checksum error, 8 cancelled, 9 read back other values than were sent\n";

void WriteToolUsage(QTextStream& out) {
    out << "usage: ovra [--port DEVICE] [--program-directory DIR] COMMAND [ARGS]\n\ncommands:\n";
    constexpr int Column = 40;
    for (const auto& [name, command] : Commands()) {
        const QString synopsis = name + QLatin1Char(' ') + command.arguments;
        // A long synopsis gets its own line rather than pushing the summary out.
        if (synopsis.size() > Column)
            out << "  " << synopsis << '\n' << QString(Column + 3, QLatin1Char(' '));
        else
            out << "  " << synopsis.leftJustified(Column) << ' ';
        out << command.summary << '\n';
    }
}

void WriteCommandUsage(QTextStream& out, const QString& name, const RegisteredCommand& command) {
    out << "usage: ovra [--port DEVICE] [--program-directory DIR] " << name << ' '
        << command.arguments << '\n';
}

bool IsHelp(const QString& arg) {
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

} // namespace

CommandRegistration::CommandRegistration(const char* name, const char* arguments,
                                         const char* summary, CommandFunction function,
                                         const char* help) {
    Commands()[QString::fromLatin1(name)] = {QString::fromUtf8(arguments),
                                             QString::fromUtf8(summary),
                                             QString::fromUtf8(help ? help : ""), function};
}

void PrintUsage() {
    QTextStream err(stderr);
    WriteToolUsage(err);
}

int UsageError(const CommandLine& line, const QString& message) {
    QTextStream err(stderr);
    err << "ovra: " << message << '\n';
    const auto found = Commands().find(line.command);
    if (found == Commands().end()) {
        WriteToolUsage(err);
        err << "Try 'ovra --help' for more information.\n";
    } else {
        WriteCommandUsage(err, found->first, found->second);
        err << "Try 'ovra " << found->first << " --help' for more information.\n";
    }
    return ExitUsage;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ovra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OVRA_VERSION));

    CommandLine line;
    QStringList args = app.arguments().mid(1);
    while (!args.isEmpty() && args.first().startsWith(QLatin1Char('-'))) {
        const QString option = args.takeFirst();
        if (IsHelp(option)) {
            QTextStream out(stdout);
            WriteToolUsage(out);
            out << '\n' << ToolOptions;
            return ExitSuccess;
        }
        if (option == QLatin1String("--version")) {
            QTextStream(stdout) << "ovra " << OVRA_VERSION << '\n';
            return ExitSuccess;
        }
        const bool port = option == QLatin1String("--port");
        if (!port && option != QLatin1String("--program-directory"))
            return UsageError(line, QStringLiteral("unknown option %1").arg(option));
        if (args.isEmpty())
            return UsageError(line, QStringLiteral("option %1 needs a value").arg(option));
        (port ? line.port : line.programDirectory) = args.takeFirst();
    }
    if (args.isEmpty())
        return UsageError(line, QStringLiteral("no command given"));
    const QString name = args.takeFirst();
    const auto found = Commands().find(name);
    if (found == Commands().end())
        return UsageError(line, QStringLiteral("unknown command %1").arg(name));
    line.command = name;
    line.args = args;
    if (std::any_of(args.cbegin(), args.cend(), IsHelp)) {
        QTextStream out(stdout);
        WriteCommandUsage(out, found->first, found->second);
        out << '\n' << found->second.summary << '\n';
        if (!found->second.help.isEmpty())
            out << '\n' << found->second.help;
        return ExitSuccess;
    }
    // A mistyped directory would quietly give the defaults of an empty one.
    if (!line.programDirectory.isEmpty() && !QFileInfo(line.programDirectory).isDir())
        return UsageError(
            line,
            QStringLiteral("--program-directory %1: no such directory").arg(line.programDirectory));
    return found->second.function(line);
}
