#pragma once

// Measurement files (".ovra"): Windows-1252 text, CR LF, TAB-separated, in
// the four sections VERSION, PARAMETRES, MESURES, SPECTRES.

#include "data/checkedwrite.h"
#include "data/varia.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

struct FileOutcome {
    enum Kind {
        Accepted, // the file was read; the session holds it
        Rejected, // not a measurement file: "Format de fichier incorrect"
        Failed,   // the file could not be read or written, or a value does not convert
    };
    Kind kind = Accepted;
    // For Failed: what went wrong, naming the file (and the line when there is one).
    QString message;
    int line = 0; // 1-based line of a conversion error, 0 otherwise

    bool Ok() const { return kind == Accepted; }
};

// Reads into a fresh session and replaces the data fields of `session` only
// when the file is accepted; SessionState, FileName and SavedParameters are
// never touched.
FileOutcome ReadMeasurementFile(const QString& path, Session& session);

// The same from an open device; `name` names it in the messages.
FileOutcome ReadMeasurementFile(QIODevice& device, const QString& name, Session& session);

// Writes through WriteFileChecked: a failed write leaves any previous file whole.
FileOutcome WriteMeasurementFile(const QString& path, const Session& session);
// The same bytes to an open device (a buffer, say), without the file's commit.
FileOutcome WriteMeasurementFile(QIODevice& device, const Session& session,
                                 const QString& name = QString());

// The text between the last TAB that stands before the line's final character
// and that final character; without such a TAB, the line up to its final
// character. An empty line gives an empty text.
QByteArrayView LastField(QByteArrayView line);
// Index of the last TAB before the line's final character, -1 when none.
qsizetype LastTabBeforeFinal(QByteArrayView line);
