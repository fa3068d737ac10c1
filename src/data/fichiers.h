#pragma once

// Measurement files (".ovra"): Windows-1252 text, CR LF, TAB-separated, in
// the four sections VERSION, PARAMETRES, MESURES, SPECTRES.

#include "data/varia.h"

#include <QString>

struct FileOutcome {
    enum Kind {
        Accepted, // the file was read; the session holds it
        Rejected, // not a measurement file: "Format de fichier incorrect"
        Failed,   // the file could not be read or written, or a value does not convert
    };
    Kind kind = Accepted;
    QString message; // for Failed: what went wrong, naming the file (and the line when there is one)
    int line = 0;    // 1-based line of a conversion error, 0 otherwise

    bool Ok() const { return kind == Accepted; }
};

// Reads into a fresh session and replaces the data fields of `session` only
// when the file is accepted; SessionState, FileName and SavedParameters are
// never touched.
FileOutcome ReadMeasurementFile(const QString& path, Session& session);

// Writes through a save file, so a failed write leaves any previous file whole.
FileOutcome WriteMeasurementFile(const QString& path, const Session& session);
