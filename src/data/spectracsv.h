#pragma once

// The spectra of a session as CSV: a header "measurement,ch0,...,ch127", then
// one line per measurement (none when the file has no spectra). Shared by
// "ovra export --csv" and the window's "Exporter", so both write the same.

#include "data/varia.h"

#include <QByteArray>

QByteArray SpectraCsv(const Session& session);
