#pragma once

// Every value of the settings file "ovra.ini" in one place: section, key and
// default. The file is named again from ProgramDirectory at each access.

#include "data/varia.h"
#include "settings/profile.h"

#include <QString>

// defaultValue is null where the default depends on the machine: the data
// directory and the port name (ReadSetting gives the platform's, see below) and
// the window position (the caller passes one computed from the screen).
struct SettingKey {
    const char* section;
    const char* key;
    const char* defaultValue;
};

namespace SettingKeys {
extern const SettingKey Langue;           // "LANGUAGE" / "Langue"
extern const SettingKey DirectoryDefault; // "DIRECTORY" / "Default"
extern const SettingKey DirectoryLatest;  // "DIRECTORY" / "Latest"
extern const SettingKey DirectoryMode;    // "DIRECTORY" / "Mode"
extern const SettingKey DisplayMaximise;  // "DISPLAY" / "maximise"
extern const SettingKey DisplayLargeur;   // "DISPLAY" / "largeur"
extern const SettingKey DisplayHauteur;   // "DISPLAY" / "hauteur"
extern const SettingKey DisplayAbscisse;  // "DISPLAY" / "abscisse" (default depends on the screen)
extern const SettingKey DisplayOrdonnee;  // "DISPLAY" / "ordonnee" (default depends on the screen)
extern const SettingKey BaudRateSerial;   // "Communications" / "BaudRateSerial"
extern const SettingKey ComNumberSerial;  // "Communications" / "ComNumberSerial"
} // namespace SettingKeys

// Section "Parameters", key "n" holds entry n - 1 (default "0"); section
// "CONFIG", key "n" holds the caption of bit n (default empty).
SettingKey ParameterSettingKey(int index);
SettingKey ConfigBitCaptionKey(int bit);

QString SettingsFileName(const Context& context); // ProgramDirectory + separator + "ovra.ini"

// One reading of the settings file for several lookups; the lookups below
// that take a Context read it again each time.
ProfileFile ReadSettingsFile(const Context& context);
QString ReadSetting(const ProfileFile& settings, const SettingKey& key);
QString ReadSetting(const ProfileFile& settings, const SettingKey& key,
                    const QString& defaultValue);
int ReadSettingInt(const ProfileFile& settings, const SettingKey& key);
int ReadSettingInt(const ProfileFile& settings, const SettingKey& key, int defaultValue);
bool ReadSettingBool(const ProfileFile& settings, const SettingKey& key);

QString ReadSetting(const Context& context, const SettingKey& key);
QString ReadSetting(const Context& context, const SettingKey& key, const QString& defaultValue);
int ReadSettingInt(const Context& context, const SettingKey& key);
int ReadSettingInt(const Context& context, const SettingKey& key, int defaultValue);
// A boolean is an integer that is not 0.
bool ReadSettingBool(const Context& context, const SettingKey& key);
// False when the platform refuses the write; SettingsWriteRefused gives the message.
bool WriteSetting(const Context& context, const SettingKey& key, const QString& value);
bool WriteSettingInt(const Context& context, const SettingKey& key, int value);
bool WriteSettingBool(const Context& context, const SettingKey& key, bool value);
// "Impossible d'écrire dans %s" with the settings file's path.
QString SettingsWriteRefused(const Context& context);

// The program directory: value "Path" of group "Settings" in the platform's
// system settings store (organisation "Tarvel", application "OvraView2"),
// else the same value in the user's settings store. Without either, the
// current directory on Windows; elsewhere the user's data folder for the
// program (QStandardPaths::AppDataLocation of Tarvel/OvraView2), so that the
// settings do not land wherever a terminal happened to be and every program
// finds the same ones. Never written.
struct ProgramDirectoryLookup {
    // A store holds the group; ProgramDirectory is its "Path" (maybe empty).
    bool fromStore = false;
    QString directory;
    // The user's data folder: the window program creates it at its start.
    bool dataFolder = false;
};
ProgramDirectoryLookup FindProgramDirectory();

// Platform defaults: "C:\" and "COM1" on Windows, the home directory and
// "/dev/ttyUSB0" elsewhere.
QString DefaultDataDirectory();
QString DefaultSerialPortName();
