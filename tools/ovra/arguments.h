#pragma once

// What every subcommand does with its arguments: options and positional
// arguments told apart with a reason for anything wrong, numbers checked
// against their range, output files checked before anything is done.

#include "commands.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <initializer_list>

struct OptionSpec {
    const char* name;        // "--json", "-o"
    bool takesValue = false; // "-o FILE"
};

struct ParsedArguments {
    QStringList positional;
    QSet<QString> switches;
    QHash<QString, QString> values;

    bool Has(const char* name) const;
    QString Value(const char* name) const;
};

// False with the reason in `error` ("unknown option --jsn", "option -o needs
// a value", "option -o given twice", "unexpected argument X" beyond
// `maxPositional`). "--" ends the options, for a file name that begins with
// "-".
bool ParseArguments(const QStringList& args, std::initializer_list<OptionSpec> options,
                    int maxPositional, ParsedArguments& parsed, QString& error);

// Writes the text to standard output; false when it cannot.
bool PrintOut(const QString& text);
// One line on standard error.
void PrintError(const QString& text);

// Parses ARGS of a command and, when they are wrong, tells it as a usage
// error: the command then returns `status`.
bool ParseCommandArguments(const CommandLine& line, std::initializer_list<OptionSpec> options,
                           int maxPositional, ParsedArguments& parsed, int& status);

// A whole decimal number in [minimum, maximum]; maximum < minimum means no
// upper bound.
bool ParseNumber(const QString& text, qint64 minimum, qint64 maximum, qint64& value);
// "ROW must be a number from 1 to 20", "ROW must be a whole number of at least 1".
QString NumberRangeText(const QString& name, qint64 minimum, qint64 maximum);

// Empty when `output` may be written: it is not one of `inputs` (also
// through links), not a directory, its folder exists and is writable, and it
// does not exist yet unless `force`. Otherwise the reason, naming the file.
QString OutputFileProblem(const QString& output, const QStringList& inputs, bool force);

// Empty when `text` ("dd/mm/yyyy hh:nn") is a date and time the instrument
// can hold: a real date and time, in the years 2000 to 2099 (it keeps two
// digits of the year). Otherwise the reason.
QString ClockTextProblem(const QString& text);
