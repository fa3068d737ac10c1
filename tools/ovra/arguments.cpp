#include "arguments.h"

#include "link/rs232.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

bool ParsedArguments::Has(const char* name) const {
    return switches.contains(QLatin1String(name)) || values.contains(QLatin1String(name));
}

QString ParsedArguments::Value(const char* name) const {
    return values.value(QLatin1String(name));
}

bool ParseArguments(const QStringList& args, std::initializer_list<OptionSpec> options,
                    int maxPositional, ParsedArguments& parsed, QString& error) {
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg.size() == 1) {
            if (parsed.positional.size() >= maxPositional) {
                error = QStringLiteral("unexpected argument %1").arg(arg);
                return false;
            }
            parsed.positional << arg;
            continue;
        }
        const OptionSpec* spec = nullptr;
        for (const OptionSpec& option : options) {
            if (arg == QLatin1String(option.name))
                spec = &option;
        }
        if (!spec) {
            error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
        if (parsed.Has(spec->name)) {
            error = QStringLiteral("option %1 given twice").arg(arg);
            return false;
        }
        if (!spec->takesValue) {
            parsed.switches.insert(arg);
            continue;
        }
        if (++i == args.size()) {
            error = QStringLiteral("option %1 needs a value").arg(arg);
            return false;
        }
        parsed.values.insert(arg, args.at(i));
    }
    return true;
}

bool ParseCommandArguments(const CommandLine& line, std::initializer_list<OptionSpec> options,
                           int maxPositional, ParsedArguments& parsed, int& status) {
    QString error;
    if (ParseArguments(line.args, options, maxPositional, parsed, error))
        return true;
    status = UsageError(line, error);
    return false;
}

bool ParseNumber(const QString& text, qint64 minimum, qint64 maximum, qint64& value) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}$"));
    if (!digits.match(text).hasMatch())
        return false;
    const qint64 number = text.toLongLong();
    if (number < minimum || (maximum >= minimum && number > maximum))
        return false;
    value = number;
    return true;
}

QString NumberRangeText(const QString& name, qint64 minimum, qint64 maximum) {
    if (maximum < minimum)
        return QStringLiteral("%1 must be a whole number of at least %2").arg(name).arg(minimum);
    return QStringLiteral("%1 must be a number from %2 to %3").arg(name).arg(minimum).arg(maximum);
}

QString OutputFileProblem(const QString& output, const QStringList& inputs, bool force) {
    const QFileInfo target(output);
    if (target.exists()) {
        // canonicalFilePath() follows every link, so a link to the input or
        // a path through a linked folder is still the input.
        for (const QString& input : inputs) {
            const QFileInfo source(input);
            if (source.exists() && source.canonicalFilePath() == target.canonicalFilePath())
                return QStringLiteral("%1 is the input file %2; choose another output")
                    .arg(output, input);
        }
        if (target.isDir())
            return QStringLiteral("%1 is a folder; give a file name").arg(output);
        if (!force)
            return QStringLiteral("%1 exists; give --force to replace it").arg(output);
    }
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder %1 of %2 does not exist")
            .arg(QDir::toNativeSeparators(folder.filePath()), output);
    if (!folder.isWritable())
        return QStringLiteral("the folder %1 of %2 is not writable")
            .arg(QDir::toNativeSeparators(folder.filePath()), output);
    return QString();
}

QString ClockTextProblem(const QString& text) {
    static const QRegularExpression shape(
        QStringLiteral("^([0-9]{2})/([0-9]{2})/([0-9]{4}) ([0-9]{2}):([0-9]{2})$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return QStringLiteral("%1 is not \"dd/mm/yyyy hh:nn\"").arg(text);
    const int year = match.captured(3).toInt();
    if (!QDate::isValid(year, match.captured(2).toInt(), match.captured(1).toInt()))
        return QStringLiteral("%1: there is no such date").arg(text);
    if (match.captured(4).toInt() > 23 || match.captured(5).toInt() > 59)
        return QStringLiteral("%1: there is no such time").arg(text);
    if (year < 2000 || year > 2099)
        return QStringLiteral("%1: the instrument holds only the years 2000 to 2099").arg(text);
    // The link converts with the same pattern; both must agree.
    if (!QDateTime::fromString(text, QLatin1String(TFormRS232::ClockTextFormat)).isValid())
        return QStringLiteral("%1: there is no such time").arg(text);
    return QString();
}

bool PrintOut(const QString& text) {
    QFile out;
    const QByteArray bytes = text.toUtf8();
    return out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() &&
           out.flush();
}

void PrintError(const QString& text) {
    QTextStream(stderr) << text << '\n';
}
