#pragma once

// The instrument's parameter set as "ovra params" shows and files it: the
// parameter-file format (section "Parameters", keys "1" to "64"), JSON, a
// table for people, and the list of entries a write would change.

#include "data/varia.h"

#include <QByteArray>
#include <QString>

#include <vector>

struct ParameterFileContent;

struct ParameterFileRead {
    ParameterSet values;      // a missing key reads as "0"
    std::vector<int> missing; // indices (0-based) whose key is not in the file
};
ParameterFileRead ReadParameterFileKeys(const QString& fileName);
// As the configuration window saves a parameter file; false when it cannot.
bool WriteParameterFileKeys(const QString& fileName, const ParameterSet& values);

// The bytes of a new parameter file holding `values`, exactly as written to
// a file; empty when the temporary file for it cannot be made.
QByteArray ParameterFileBytes(const ParameterSet& values);
QString ParametersJson(const QString& device, const Session& session);
QString ParametersTable(const Session& session);

// Indices (0-based) whose value differs.
std::vector<int> ChangedParameters(const ParameterSet& current, const ParameterSet& next);
// One line per changed entry: key, name, current value, new value.
QString ChangesTable(const std::vector<int>& changed, const ParameterSet& current,
                     const ParameterSet& next);
// "5, 6, 12" (keys, 1-based).
QString KeysText(const std::vector<int>& indices);

// A file's set that cannot go to the instrument as it is: a key missing
// (unless `allowMissing`: it goes as "0") or a value the instrument could not
// give back. Says so on standard error, naming each key, and gives
// ExitRejected; ExitSuccess when the set can go.
int RefuseUnsendableSet(const QString& fileName, const ParameterFileContent& content,
                        bool allowMissing);
