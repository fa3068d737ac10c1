#pragma once

// Subcommands of the command-line companion. Each returns the process exit
// code: 0 success, 2 wrong usage, 3 rejected file, 4 file or conversion
// error, 5 no connection, 6 communication error, 7 checksum error, 8 cancelled,
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
    QString port;     // "--port DEVICE", empty when not given
    QStringList args; // the arguments after the subcommand's name
};

using CommandFunction = int (*)(const CommandLine& line);

// Each command file registers its commands with a static instance, so adding a
// command never edits the dispatcher:
//   static const CommandRegistration info("info", "FILE [--json]", "summary of a file", RunInfo);
struct CommandRegistration {
    CommandRegistration(const char* name, const char* arguments, const char* summary,
                        CommandFunction function);
};

void PrintUsage();
