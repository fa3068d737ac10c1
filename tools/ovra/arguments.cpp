#include "arguments.h"

#include "link/rs232.h"

#include <QCoreApplication>
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
                error = QCoreApplication::translate("ovra", "argument inattendu %1").arg(arg);
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
            error = QCoreApplication::translate("ovra", "option inconnue %1").arg(arg);
            return false;
        }
        if (parsed.Has(spec->name)) {
            error = QCoreApplication::translate("ovra", "option %1 donnée deux fois").arg(arg);
            return false;
        }
        if (!spec->takesValue) {
            parsed.switches.insert(arg);
            continue;
        }
        if (++i == args.size()) {
            error = QCoreApplication::translate("ovra", "l'option %1 attend une valeur").arg(arg);
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
        return QCoreApplication::translate("ovra", "%1 doit être un nombre entier d'au moins %2")
            .arg(name)
            .arg(minimum);
    return QCoreApplication::translate("ovra", "%1 doit être un nombre de %2 à %3")
        .arg(name)
        .arg(minimum)
        .arg(maximum);
}

QString OutputFileProblem(const QString& output, const QStringList& inputs, bool force) {
    const QFileInfo target(output);
    if (target.exists()) {
        // canonicalFilePath() follows every link, so a link to the input or
        // a path through a linked folder is still the input.
        for (const QString& input : inputs) {
            const QFileInfo source(input);
            if (source.exists() && source.canonicalFilePath() == target.canonicalFilePath())
                return QCoreApplication::translate(
                           "ovra", "%1 est le fichier d'entrée %2 ; choisissez une autre sortie")
                    .arg(output, input);
        }
        if (target.isDir())
            return QCoreApplication::translate("ovra",
                                               "%1 est un dossier ; donnez un nom de fichier")
                .arg(output);
        if (!force)
            return QCoreApplication::translate("ovra",
                                               "%1 existe ; ajoutez --force pour le remplacer")
                .arg(output);
    }
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QCoreApplication::translate("ovra", "le dossier %1 de %2 n'existe pas")
            .arg(QDir::toNativeSeparators(folder.filePath()), output);
    if (!folder.isWritable())
        return QCoreApplication::translate("ovra",
                                           "le dossier %1 de %2 n'est pas accessible en écriture")
            .arg(QDir::toNativeSeparators(folder.filePath()), output);
    return QString();
}

QString ClockTextProblem(const QString& text) {
    static const QRegularExpression shape(
        QStringLiteral("^([0-9]{2})/([0-9]{2})/([0-9]{4}) ([0-9]{2}):([0-9]{2})$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return QCoreApplication::translate("ovra", "%1 n'est pas de la forme \"jj/mm/aaaa hh:mm\"")
            .arg(text);
    const int year = match.captured(3).toInt();
    if (!QDate::isValid(year, match.captured(2).toInt(), match.captured(1).toInt()))
        return QCoreApplication::translate("ovra", "%1 : cette date n'existe pas").arg(text);
    if (match.captured(4).toInt() > 23 || match.captured(5).toInt() > 59)
        return QCoreApplication::translate("ovra", "%1 : cette heure n'existe pas").arg(text);
    if (year < 2000 || year > 2099)
        return QCoreApplication::translate("ovra",
                                           "%1 : l'instrument ne garde que les années 2000 à 2099")
            .arg(text);
    // The link converts with the same pattern; both must agree.
    if (!QDateTime::fromString(text, QLatin1String(TFormRS232::ClockTextFormat)).isValid())
        return QCoreApplication::translate("ovra", "%1 : cette heure n'existe pas").arg(text);
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
