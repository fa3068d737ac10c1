#include "commands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <map>

namespace {

struct RegisteredCommand {
    QString arguments;
    QString summary;
    CommandFunction function = nullptr;
};

std::map<QString, RegisteredCommand>& Commands() {
    static std::map<QString, RegisteredCommand> commands;
    return commands;
}

} // namespace

CommandRegistration::CommandRegistration(const char* name, const char* arguments,
                                         const char* summary, CommandFunction function) {
    Commands()[QString::fromLatin1(name)] = {QString::fromLatin1(arguments),
                                             QString::fromLatin1(summary), function};
}

void PrintUsage() {
    QTextStream err(stderr);
    err << "usage: ovra [--port DEVICE] COMMAND [ARGS]\n";
    for (const auto& [name, command] : Commands())
        err << "  " << (name + QLatin1Char(' ') + command.arguments).leftJustified(44) << ' '
            << command.summary << '\n';
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ovra"));

    CommandLine line;
    QStringList args = app.arguments().mid(1);
    while (!args.isEmpty() && args.first() == QLatin1String("--port")) {
        if (args.size() < 2) {
            PrintUsage();
            return ExitUsage;
        }
        line.port = args.at(1);
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        PrintUsage();
        return ExitUsage;
    }
    const auto found = Commands().find(args.takeFirst());
    if (found == Commands().end()) {
        PrintUsage();
        return ExitUsage;
    }
    line.args = args;
    return found->second.function(line);
}
