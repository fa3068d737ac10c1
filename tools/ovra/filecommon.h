#pragma once

// What the file subcommands share: reading the measurement file with the
// tool's messages and exit codes, and writing their result to stdout.

#include "data/varia.h"

#include <QByteArray>
#include <QString>

// Reads the file, or tells why not on stderr and gives the exit code.
int ReadForCommand(const QString& file, Session& session);
// All bytes to standard output; false when they could not be written.
bool WriteStandardOutput(const QByteArray& bytes);
