#include "parametertexts.h"

#include "config/parameterfile.h"

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
    out << "Version logicielle: " << session.SoftwareVersion << '\n';
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
    out << QStringLiteral("Clé").rightJustified(3) << ' ' << QStringLiteral("Nom").leftJustified(14)
        << ' ' << QStringLiteral("Actuel").leftJustified(20) << " Nouveau\n";
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
