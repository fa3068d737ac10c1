#include "config/parameterfile.h"

#include "settings/profile.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// No value read from a profile file can hold a line break: this default
// tells a missing key from one that holds "0" or nothing.
const QString MissingKey = QStringLiteral("\n");

QString KeyOf(int index) {
    return QString::number(index + 1);
}

} // namespace

const char* const ParameterFileFilter =
    QT_TRANSLATE_NOOP("TFormConfig", "Spectro Parameter File (*.par)");

ParameterFileContent LoadParameterFile(const QString& fileName) {
    ParameterFileContent content;
    const ProfileFile file = ProfileFile::Read(fileName);
    content.readable = file.Readable();
    const QString section = QLatin1String(ParametersSection);
    for (int i = 0; i < ParameterCount; ++i) {
        QString value = file.String(section, KeyOf(i), MissingKey);
        if (value == MissingKey) {
            value = QStringLiteral("0");
            content.missing.push_back(i);
        }
        content.values[i] = value;
    }
    return content;
}

bool SaveParameterFile(const QString& fileName, const ParameterSet& values, QString* reason) {
    // One write for the 64 keys: a file that cannot be written keeps its
    // whole previous set rather than a mix of two.
    ProfileKeyValues keys;
    keys.reserve(ParameterCount);
    for (int i = 0; i < ParameterCount; ++i)
        keys.emplace_back(KeyOf(i), values[i]);
    return WriteProfileStrings(fileName, QLatin1String(ParametersSection), keys, reason);
}

QString ParameterFileWriteRefused(const QString& fileName) {
    return QCoreApplication::translate("settings", "Impossible d'écrire dans %1")
        .arg(QDir::toNativeSeparators(fileName));
}

ParameterFileContent LoadSettingsParameters(const Context& context) {
    return LoadParameterFile(SettingsFileName(context));
}

bool SaveSettingsParameters(const Context& context, const ParameterSet& values) {
    return SaveParameterFile(SettingsFileName(context), values);
}
