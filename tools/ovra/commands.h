#pragma once

// Subcommands of the command-line companion. Each returns the process exit
// code: 0 success, 2 wrong usage or refused before anything was done (also
// "params write" without --yes), 3 rejected file, 4 file or conversion error,
// 5 no connection, 6 communication error, 7 checksum error, 8 cancelled,
// 9 the instrument gave back other values than it was sent.

#include <QString>
#include <QStringList>

enum ExitCode {
    ExitSuccess = 0,
    ExitUsage = 2,
    ExitRejected = 3,
    ExitFileError = 4,
    ExitNoConnection = 5,
    ExitCommunication = 6,
    ExitChecksum = 7,
    ExitCancelled = 8,
    ExitReadBackDiffers = 9,
};

struct CommandLine {
    QString port;             // "--port DEVICE", empty when not given
    QString programDirectory; // "--program-directory DIR", empty when not given
    QString command;          // the subcommand's name
    QStringList args;         // the arguments after the subcommand's name
};

using CommandFunction = int (*)(const CommandLine& line);

// What a command needs of Qt: Core, or the fonts and painting of Gui (on the
// offscreen platform, so that no display is needed).
enum class CommandNeeds { Core, Pages };

// Each command file registers its commands with a static instance, so adding a
// command never edits the dispatcher:
//   static const CommandRegistration info("info", "FILE [--json]", "summary of a file", RunInfo,
//                                         "  --json  one JSON object\n");
// `help` (optional) lists the command's options for "ovra COMMAND --help".
struct CommandRegistration {
    CommandRegistration(const char* name, const char* arguments, const char* summary,
                        CommandFunction function, const char* help = nullptr,
                        CommandNeeds needs = CommandNeeds::Core);
};

// The whole tool's usage, on standard error.
void PrintUsage();
// "ovra: MESSAGE", then the usage of the command (of the tool when the line
// has no known command) and a pointer to --help, on standard error. Gives
// ExitUsage.
int UsageError(const CommandLine& line, const QString& message);
