#pragma once

// The one way files are written. The bytes go to a temporary file beside the
// target with every write checked (no buffer whose failure would only show at
// close), reach the disk, and only then replace the target: a full disk or a
// size limit leaves the previous file byte for byte and no new file, and the
// failure carries the operating system's reason.

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

struct WriteOutcome {
    bool ok = true;
    QString reason; // the system's reason when !ok, in the language in use
};

// Writes every byte to an open device, retrying short writes, so that the
// write which fails reports why. A caller (or a test) may give any device.
WriteOutcome WriteAllBytes(QIODevice& device, QByteArrayView bytes);

// Replaces `path` with `bytes` as described above.
WriteOutcome WriteFileChecked(const QString& path, QByteArrayView bytes);

// The reason of a failed file access, in the language in use: Qt leaves the
// system's common reasons ("No such file or directory") untranslated.
QString DeviceErrorText(const QIODevice& device);
