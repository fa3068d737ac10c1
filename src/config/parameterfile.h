#pragma once

// Parameter sets in profile files: a parameter file (".par") and section
// "Parameters" of the settings file share one format, section "Parameters"
// with the keys "1" to "64", key n holding entry n - 1 exactly as text (a
// comment keeps its TABs). Writing replaces only those 64 keys: every other
// line of an existing file is kept.

#include "data/varia.h"

#include <QString>

#include <vector>

inline constexpr char ParametersSection[] = "Parameters";
// "Spectro Parameter File (*.par)": the filter of the window's file dialogs.
extern const char* const ParameterFileFilter;

struct ParameterFileContent {
    // Entry n - 1 = key "n"; "0" for a missing key.
    ParameterSet values;
    // Indices (0-based) whose key was missing, in order.
    std::vector<int> missing;
    // False when the file exists but cannot be read, or is not a regular
    // file (every entry is "0").
    bool readable = true;
};

ParameterFileContent LoadParameterFile(const QString& fileName);
// False when the file cannot be written; "Impossible d'écrire dans %1" then
// names it through ParameterFileWriteRefused, and `reason` says why.
bool SaveParameterFile(const QString& fileName, const ParameterSet& values,
                       QString* reason = nullptr);
QString ParameterFileWriteRefused(const QString& fileName);

// Section "Parameters" of the settings file (ProgramDirectory + "ovra.ini"):
// the last set the configuration window showed. Loading is LoadParameters,
// saving is what the window does whenever it hides.
ParameterFileContent LoadSettingsParameters(const Context& context);
bool SaveSettingsParameters(const Context& context, const ParameterSet& values);
