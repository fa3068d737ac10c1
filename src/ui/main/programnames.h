#pragma once

// The program's name and version as the windows show them. They are names,
// not phrases, so they stay the same in every language.

inline constexpr char ProgramNameText[] = " OvraView ";      // begins the main title
inline constexpr char VersionTitleText[] = " - Version 2.0"; // follows it in the title
inline constexpr char TitleFileSeparator[] = " - ";          // before the file name
inline constexpr char VersionLabelText[] = "V2.0";           // the About window
inline constexpr char ApplicationTitle[] = "OvraView2";      // the task bar
