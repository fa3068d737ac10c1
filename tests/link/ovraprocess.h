#pragma once

// `ovra` run by a test against a device, and what it sent as the simulator's
// transcript lists it.

#include "simulatorprocess.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

struct OvraRun {
    int code = -1; // -1: it did not end normally
    QString out;
    QString err;
};

// With the French settings unless `workingDirectory` is given (then as a
// user starts it there); an empty device leaves the port to the settings.
inline OvraRun Ovra(const QString& device, const QStringList& arguments,
                    const QString& workingDirectory = QString()) {
    QProcess ovra;
    QStringList all;
    if (!device.isEmpty())
        all << QStringLiteral("--port") << device;
    if (workingDirectory.isEmpty())
        ovra.setProcessEnvironment(FrenchSettings());
    else
        ovra.setWorkingDirectory(workingDirectory);
    ovra.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"), all + arguments);
    ovra.waitForFinished(60000);
    return {ovra.exitStatus() == QProcess::NormalExit ? ovra.exitCode() : -1,
            QString::fromUtf8(ovra.readAllStandardOutput()),
            QString::fromUtf8(ovra.readAllStandardError())};
}

// What the program sent: one line per write, "prog>inst <hex> |<text>|" in
// the transcript (each command waits for its reply, so each crosses alone).
// A transcript never written is not an empty one.
inline QStringList SentChunks(const QString& transcript) {
    QFile file(transcript);
    QStringList chunks;
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no transcript)")};
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.contains(" prog>inst "))
            chunks << QString::fromLatin1(line.mid(line.indexOf('|') + 1).chopped(1));
    }
    return chunks;
}
