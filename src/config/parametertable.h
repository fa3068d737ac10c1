#pragma once

// The 64 instrument parameters as one table: where the configuration window
// shows each one (tab, group box, field, label), how its field accepts input,
// and how the field's text and the stored value differ. The window is built
// by walking this table; nothing here knows of widgets.
//
// Captions are stored exactly, surrounding blanks included, and marked for
// translation in the context "TFormConfig": translate them with
// QCoreApplication::translate("TFormConfig", caption).

#include "data/varia.h"

#include <QString>

#include <array>

// The tabs of the configuration window, in their order on the page control.
enum ConfigTab : int {
    TabGeneral = 0,
    TabMesures,       // caption " EAPV "
    TabBatterie,      // caption " Prélèvement "
    TabSpectro,       // caption " Batterie "
    TabConfiguration, // the CONFIG word bit by bit
    ConfigTabCount,
    NoTab = -1, // hidden entries
};

struct ConfigTabInfo {
    const char* objectName; // "TabSheetGeneral"
    const char* caption;    // "     Général     "
};
const std::array<ConfigTabInfo, ConfigTabCount>& ConfigTabs();

// The group boxes, in their order on their tab (top to bottom, left column
// before right column as the window lays them out).
enum ConfigGroup : int {
    GroupIdentification = 0,
    GroupMaintenance,
    GroupHistorique,
    GroupAccessibilite,
    GroupCommentaires,
    GroupGeometrie,
    GroupRolle,
    GroupSpectrometrie,
    GroupPressionDifferentielle,
    GroupTemperature,
    GroupPressionAtmospherique,
    GroupDebit,
    GroupConditionsStandards,
    GroupMesureVolume,
    GroupCalculs,
    GroupSurveillance,
    GroupEconomie,
    GroupConfigHigh, // the high byte's boxes and captions, no caption of its own
    GroupConfigLow,  // the low byte's boxes and captions, no caption of its own
    ConfigGroupCount,
    NoGroup = -1, // hidden entries, and Header03 which sits on its tab above the boxes
};

struct ConfigGroupInfo {
    ConfigTab tab;
    const char* objectName; // "GroupBoxIdentification": our name, the stored window gives none
    const char* caption;    // " Identification ", blanks as stored; "" for the CONFIG boxes
};
const std::array<ConfigGroupInfo, ConfigGroupCount>& ConfigGroups();

// How the field of an entry takes input.
enum class FieldFormat {
    None,       // hidden entry: no field
    Text,       // free text of at most `length` characters
    Integer,    // digits only, at most `length` characters
    Fixed,      // decimal number shown with `decimals` decimals, at most `length` characters
    Decimal,    // decimal number with up to `decimals` decimals (-1: any), at most `length`
    DateMask,   // "dd/mm/yyyy" (length 10)
    TimeMask,   // "hh:mm" (length 5)
    MonthMask,  // "mm/yyyy" (length 7)
    List,       // drop-down list of LanguageItems()
    SpinBox,    // integer spin box, at most SpinBoxMaximum, steps of SpinBoxStep
    MultiLine,  // multi-line text
    ConfigWord, // read-only decimal text, edited through the two check groups
};

// How the stored value relates to the field's text.
enum class ParameterEncoding {
    AsText,       // the same text both ways
    ConfigBits,   // CONFIG: 16-bit word as a decimal integer, edited bit by bit
    LanguageItem, // LANGUAGE: the list's item number
    LightPercent, // LIGHT_MAX: stored in sixteenths, shown in percent
    CommentLines, // COMMENTS: a TAB for each line break, at most 31 characters
};

struct ParameterEntry {
    int index; // 0 .. 63
    const char* name;
    ConfigTab tab;
    ConfigGroup group;
    const char* field; // "Header01" .. "Header64", nullptr for a hidden entry
    const char* label; // label caption, nullptr when the group caption stands for it
    FieldFormat format;
    int decimals; // Fixed, Decimal; -1 when the field sets none
    int length;   // maximum characters; 0 when the format sets none
    ParameterEncoding encoding;

    bool Hidden() const { return field == nullptr; }
};

// Entry i describes parameter index i.
const std::array<ParameterEntry, ParameterCount>& ParameterTable();

// Field name of a parameter index: "Header" and index + 1 on two digits.
QString ParameterFieldName(int index);

// True for the entries without a field (3, 20, 29, 32 .. 37, 44, 45,
// 53 .. 62): they travel unchanged between instrument, files and settings.
bool ParameterHidden(int index);

// Entries that the encodings and the window address directly.
inline constexpr int ConfigIndex = 2;
inline constexpr int LaunchDateIndex = 4;
inline constexpr int LaunchHourIndex = 5;
inline constexpr int LastMaintIndex = 6;
inline constexpr int IntMaintIndex = 7;
inline constexpr int NextMaintIndex = 8;
inline constexpr int LanguageIndex = 9;
inline constexpr int LightMaxIndex = 12;
inline constexpr int DeadTimeIndex = 38;
inline constexpr int CommentsIndex = 63;

inline constexpr int SpinBoxMaximum = 1000;
inline constexpr int SpinBoxStep = 10;

// Items of the LANGUAGE list, by item number ("0" = "Francais").
const std::array<const char*, 2>& LanguageItems();

// The software version beside the parameters (group Identification).
inline constexpr char SoftVersionField[] = "Edit_SoftVersion";
extern const char* const SoftVersionLabel; // "Version logicielle"
