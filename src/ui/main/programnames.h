#pragma once

// The program's name and version as the windows show them. They are names,
// not phrases, so they stay the same in every language.

inline constexpr char ProgramNameText[] = " OvraView ";                // begins the main title
inline constexpr char VersionTitleText[] = " - Version " OVRA_VERSION; // follows it in the title
inline constexpr char TitleFileSeparator[] = " - ";                    // before the file name
inline constexpr char VersionLabelText[] = "V" OVRA_VERSION;           // the About window
inline constexpr char ApplicationTitle[] = "OvraView2";                // the task bar
