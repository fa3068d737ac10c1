#pragma once

// Every value of the settings file "ovra.ini" in one place: section, key and
// default. The file is named again from ProgramDirectory at each access.

#include "data/varia.h"

#include <QString>

struct SettingKey {
    const char* section;
    const char* key;
    const char* defaultValue;
};

namespace SettingKeys {
extern const SettingKey Langue;             // "LANGUAGE" / "Langue"
extern const SettingKey DirectoryDefault;   // "DIRECTORY" / "Default"
extern const SettingKey DirectoryLatest;    // "DIRECTORY" / "Latest"
extern const SettingKey DirectoryMode;      // "DIRECTORY" / "Mode"
extern const SettingKey DisplayMaximise;    // "DISPLAY" / "maximise"
extern const SettingKey DisplayLargeur;     // "DISPLAY" / "largeur"
extern const SettingKey DisplayHauteur;     // "DISPLAY" / "hauteur"
extern const SettingKey DisplayAbscisse;    // "DISPLAY" / "abscisse" (default depends on the screen)
extern const SettingKey DisplayOrdonnee;    // "DISPLAY" / "ordonnee" (default depends on the screen)
extern const SettingKey BaudRateSerial;     // "Communications" / "BaudRateSerial"
extern const SettingKey ComNumberSerial;    // "Communications" / "ComNumberSerial"
} // namespace SettingKeys

// Section "Parameters", key "n" holds entry n - 1 (default "0"); section
// "CONFIG", key "n" holds the caption of bit n (default empty).
SettingKey ParameterSettingKey(int index);
SettingKey ConfigBitCaptionKey(int bit);

QString SettingsFileName(const Context& context); // ProgramDirectory + separator + "ovra.ini"

QString ReadSetting(const Context& context, const SettingKey& key);
QString ReadSetting(const Context& context, const SettingKey& key, const QString& defaultValue);
int ReadSettingInt(const Context& context, const SettingKey& key);
int ReadSettingInt(const Context& context, const SettingKey& key, int defaultValue);
// False when the platform refuses the write ("Impossible d'écrire dans %s").
bool WriteSetting(const Context& context, const SettingKey& key, const QString& value);

// The program directory: value "Path" of group "Settings" in the platform's
// system settings store (organisation "Tarvel", application "OvraView2"),
// else the current directory. Never written.
struct ProgramDirectoryLookup {
    bool fromStore = false; // the store holds the group; ProgramDirectory is its "Path" (maybe empty)
    QString directory;
};
ProgramDirectoryLookup FindProgramDirectory();

// Platform defaults: "C:\" and "COM1" on Windows, the home directory and
// "/dev/ttyUSB0" elsewhere.
QString DefaultDataDirectory();
QString DefaultSerialPortName();
