#include "parametertexts.h"

#include "settings/profile.h"
#include "settings/settings.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// No value read from a profile file can hold a line break: this default tells
// a missing key from one that holds "0" or nothing.
const QString MissingKey = QStringLiteral("\n");

// A TAB (the comment's line break) would shift the columns of a table.
QString Shown(const QString& value) {
    QString text = value;
    return text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
}

} // namespace

ParameterFileRead ReadParameterFileKeys(const QString& fileName) {
    ParameterFileRead read;
    for (int i = 0; i < ParameterCount; ++i) {
        const SettingKey key = ParameterSettingKey(i);
        const QString value = ReadProfileString(fileName, QString::fromLatin1(key.section),
                                                QString::fromLatin1(key.key), MissingKey);
        if (value == MissingKey) {
            read.values[std::size_t(i)] = QString::fromLatin1(key.defaultValue);
            read.missing.push_back(i);
        } else {
            read.values[std::size_t(i)] = value;
        }
    }
    return read;
}

bool WriteParameterFileKeys(const QString& fileName, const ParameterSet& values) {
    // Keys "1" to "64" of section "Parameters", every other line of the file kept.
    for (int i = 0; i < ParameterCount; ++i) {
        const SettingKey key = ParameterSettingKey(i);
        if (!WriteProfileString(fileName, QString::fromLatin1(key.section),
                                QString::fromLatin1(key.key), values[std::size_t(i)]))
            return false;
    }
    return true;
}

QByteArray ParameterFileBytes(const ParameterSet& values) {
    // Written by the very code that writes a file, so that standard output
    // redirected to a file is that file, byte for byte.
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("parameters.par"));
    if (!dir.isValid() || !WriteParameterFileKeys(name, values))
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
