#include "parametertexts.h"

#include "arguments.h"
#include "commands.h"

#include "config/parameterfile.h"
#include "config/parametervalues.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// A TAB (the comment's line break) would shift the columns of a table.
QString Shown(const QString& value) {
    QString text = value;
    return text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
}

} // namespace

QByteArray ParameterFileBytes(const ParameterSet& values) {
    // Written by the very code that writes a file, so that standard output
    // redirected to a file is that file, byte for byte.
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("parameters.par"));
    if (!dir.isValid() || !SaveParameterFile(name, values))
        return QByteArray();
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ParametersJson(const QString& device, const Session& session) {
    QJsonArray parameters;
    for (int i = 0; i < ParameterCount; ++i) {
        parameters.append(
            QJsonObject{{QStringLiteral("key"), i + 1},
                        {QStringLiteral("name"), ParameterNames()[std::size_t(i)]},
                        {QStringLiteral("value"), session.Parameters[std::size_t(i)]}});
    }
    const QJsonObject object{{QStringLiteral("device"), device},
                             {QStringLiteral("version"), session.SoftwareVersion},
                             {QStringLiteral("parameters"), parameters}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) +
           QLatin1Char('\n');
}

QString ParametersTable(const Session& session) {
    QString text;
    QTextStream out(&text);
    out << QCoreApplication::translate("ovra", "Version logicielle :") << ' '
        << session.SoftwareVersion << '\n';
    for (int i = 0; i < ParameterCount; ++i) {
        out << QString::number(i + 1).rightJustified(2) << ' '
            << ParameterNames()[std::size_t(i)].leftJustified(14) << ' '
            << Shown(session.Parameters[std::size_t(i)]) << '\n';
    }
    return text;
}

std::vector<int> ChangedParameters(const ParameterSet& current, const ParameterSet& next) {
    std::vector<int> changed;
    for (int i = 0; i < ParameterCount; ++i) {
        if (current[std::size_t(i)] != next[std::size_t(i)])
            changed.push_back(i);
    }
    return changed;
}

QString ChangesTable(const std::vector<int>& changed, const ParameterSet& current,
                     const ParameterSet& next) {
    QString text;
    QTextStream out(&text);
    out << QCoreApplication::translate("ovra", "Clé").rightJustified(3) << ' '
        << QCoreApplication::translate("ovra", "Nom").leftJustified(14) << ' '
        << QCoreApplication::translate("ovra", "Actuel").leftJustified(20) << ' '
        << QCoreApplication::translate("ovra", "Nouveau") << '\n';
    for (const int i : changed) {
        out << QString::number(i + 1).rightJustified(3) << ' '
            << ParameterNames()[std::size_t(i)].leftJustified(14) << ' '
            << Shown(current[std::size_t(i)]).leftJustified(20) << ' '
            << Shown(next[std::size_t(i)]) << '\n';
    }
    return text;
}

QString KeysText(const std::vector<int>& indices) {
    QStringList keys;
    for (const int index : indices)
        keys << QString::number(index + 1);
    return keys.join(QStringLiteral(", "));
}

int RefuseUnsendableSet(const QString& fileName, const ParameterFileContent& content,
                        bool allowMissing) {
    // A missing key would be sent as "0": the serial number, CONFIG and the
    // calibration gone. Only a complete file goes, or an explicit wish.
    if (!content.missing.empty() && !allowMissing) {
        PrintError(QCoreApplication::translate(
                       "ovra", "%1 : clés absentes de la section \"Parameters\" : %2. Rien "
                               "n'a été envoyé ; --allow-missing les envoie comme \"0\".")
                       .arg(fileName, KeysText(content.missing)));
        return ExitRejected;
    }
    const std::vector<RefusedValue> refused = RefusedParameterValues(content.values);
    if (!refused.empty()) {
        PrintError(QCoreApplication::translate(
                       "ovra", "%1 : valeurs que l'instrument ne pourrait pas relire :\n%2\nRien "
                               "n'a été envoyé.")
                       .arg(fileName, RefusedValuesText(refused)));
        return ExitRejected;
    }
    return ExitSuccess;
}
