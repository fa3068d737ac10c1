#include "commands.h"

#include "settings/language.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>
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
    Commands()[QString::fromLatin1(name)] = {QString::fromUtf8(arguments),
                                             QString::fromUtf8(summary), function};
}

void PrintUsage() {
    QTextStream err(stderr);
    err << QCoreApplication::translate(
               "ovra", "utilisation : ovra [--port PERIPHERIQUE] COMMANDE [ARGUMENTS]")
        << '\n';
    for (const auto& [name, command] : Commands())
        err << "  "
            << (name + QLatin1Char(' ') +
                QCoreApplication::translate("ovra", command.arguments.toUtf8().constData()))
                   .leftJustified(44)
            << ' ' << QCoreApplication::translate("ovra", command.summary.toUtf8().constData())
            << '\n';
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ovra"));
    // The window program's language and its module, installed beside this tool.
    Context settings;
    settings.ProgramDirectory = FindProgramDirectory().directory;
    LanguageModules languages(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("ovraview2")));
    languages.Load(SelectedLocaleId(ReadSetting(settings, SettingKeys::Langue)));

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
