#include "settings/settings.h"

#include "settings/profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace SettingKeys {
const SettingKey Langue{"LANGUAGE", "Langue", "English"};
const SettingKey DirectoryDefault{"DIRECTORY", "Default", nullptr};
const SettingKey DirectoryLatest{"DIRECTORY", "Latest", nullptr};
const SettingKey DirectoryMode{"DIRECTORY", "Mode", "0"};
const SettingKey DisplayMaximise{"DISPLAY", "maximise", "0"};
const SettingKey DisplayLargeur{"DISPLAY", "largeur", "1024"};
const SettingKey DisplayHauteur{"DISPLAY", "hauteur", "600"};
const SettingKey DisplayAbscisse{"DISPLAY", "abscisse", nullptr};
const SettingKey DisplayOrdonnee{"DISPLAY", "ordonnee", nullptr};
const SettingKey BaudRateSerial{"Communications", "BaudRateSerial", "56000"};
const SettingKey ComNumberSerial{"Communications", "ComNumberSerial", nullptr};
} // namespace SettingKeys

namespace {

// Key names "0" to "64", kept for the life of the program as SettingKey wants.
const char* NumberKey(int n) {
    static const std::array<QByteArray, ParameterCount + 1> names = [] {
        std::array<QByteArray, ParameterCount + 1> all;
        for (int i = 0; i <= ParameterCount; ++i)
            all[i] = QByteArray::number(i);
        return all;
    }();
    return n >= 0 && n <= ParameterCount ? names[n].constData() : "";
}

bool Is(const SettingKey& key, const SettingKey& other) {
    return qstrcmp(key.section, other.section) == 0 && qstrcmp(key.key, other.key) == 0;
}

QString DefaultOf(const SettingKey& key) {
    if (key.defaultValue)
        return QString::fromLatin1(key.defaultValue);
    if (Is(key, SettingKeys::DirectoryDefault) || Is(key, SettingKeys::DirectoryLatest))
        return DefaultDataDirectory();
    if (Is(key, SettingKeys::ComNumberSerial))
        return DefaultSerialPortName();
    return QString();
}

} // namespace

SettingKey ParameterSettingKey(int index) {
    return {"Parameters", NumberKey(index + 1), "0"};
}

SettingKey ConfigBitCaptionKey(int bit) {
    return {"CONFIG", NumberKey(bit), ""};
}

QString SettingsFileName(const Context& context) {
    return JoinPath(context.ProgramDirectory, QStringLiteral("ovra.ini"));
}

ProfileFile ReadSettingsFile(const Context& context) {
    return ProfileFile::Read(SettingsFileName(context));
}

QString ReadSetting(const ProfileFile& settings, const SettingKey& key) {
    return ReadSetting(settings, key, DefaultOf(key));
}

QString ReadSetting(const ProfileFile& settings, const SettingKey& key,
                    const QString& defaultValue) {
    return settings.String(QString::fromLatin1(key.section), QString::fromLatin1(key.key),
                           defaultValue);
}

int ReadSettingInt(const ProfileFile& settings, const SettingKey& key) {
    return ReadSettingInt(settings, key, DefaultOf(key).toInt());
}

int ReadSettingInt(const ProfileFile& settings, const SettingKey& key, int defaultValue) {
    return settings.Int(QString::fromLatin1(key.section), QString::fromLatin1(key.key),
                        defaultValue);
}

bool ReadSettingBool(const ProfileFile& settings, const SettingKey& key) {
    return ReadSettingInt(settings, key) != 0;
}

QString ReadSetting(const Context& context, const SettingKey& key) {
    return ReadSetting(ReadSettingsFile(context), key);
}

QString ReadSetting(const Context& context, const SettingKey& key, const QString& defaultValue) {
    return ReadSetting(ReadSettingsFile(context), key, defaultValue);
}

int ReadSettingInt(const Context& context, const SettingKey& key) {
    return ReadSettingInt(ReadSettingsFile(context), key);
}

int ReadSettingInt(const Context& context, const SettingKey& key, int defaultValue) {
    return ReadSettingInt(ReadSettingsFile(context), key, defaultValue);
}

bool ReadSettingBool(const Context& context, const SettingKey& key) {
    return ReadSettingBool(ReadSettingsFile(context), key);
}

bool WriteSetting(const Context& context, const SettingKey& key, const QString& value) {
    return WriteProfileString(SettingsFileName(context), QString::fromLatin1(key.section),
                              QString::fromLatin1(key.key), value);
}

bool WriteSettingInt(const Context& context, const SettingKey& key, int value) {
    return WriteSetting(context, key, QString::number(value));
}

bool WriteSettingBool(const Context& context, const SettingKey& key, bool value) {
    return WriteSettingInt(context, key, value ? 1 : 0);
}

QString SettingsWriteRefused(const Context& context) {
    return QCoreApplication::translate("settings", "Impossible d'écrire dans %1")
        .arg(QDir::toNativeSeparators(SettingsFileName(context)));
}

ProgramDirectoryLookup FindProgramDirectory() {
    const QString organisation = QStringLiteral("Tarvel");
    const QString application = QStringLiteral("OvraView2");
    // Read only: the installer sets it, the program never writes it.
    QSettings system(QSettings::SystemScope, organisation, application);
    system.setFallbacksEnabled(false);
    ProgramDirectoryLookup lookup;
    if (system.childGroups().contains(QStringLiteral("Settings"))) {
        lookup.fromStore = true;
        lookup.directory = system.value(QStringLiteral("Settings/Path")).toString();
        return lookup;
    }
    QSettings user(QSettings::UserScope, organisation, application);
    user.setFallbacksEnabled(false);
    if (user.contains(QStringLiteral("Settings/Path"))) {
        lookup.fromStore = true;
        lookup.directory = user.value(QStringLiteral("Settings/Path")).toString();
        return lookup;
    }
#ifdef Q_OS_WIN
    lookup.directory = QDir::currentPath();
#else
    // What AppDataLocation gives for this organisation and application,
    // spelled out: the running program's own name must not change it, the
    // window program and ovra share it.
    lookup.directory = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                       QLatin1Char('/') + organisation + QLatin1Char('/') + application;
    lookup.dataFolder = true;
#endif
    return lookup;
}

QString DefaultDataDirectory() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    return QDir::homePath();
#endif
}

QString DefaultSerialPortName() {
#ifdef Q_OS_WIN
    return QStringLiteral("COM1");
#else
    return QStringLiteral("/dev/ttyUSB0");
#endif
}
