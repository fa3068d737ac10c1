#include "data/checkedwrite.h"

#include <QCoreApplication>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace {

WriteOutcome Failure(const QString& reason) {
    return {false, reason};
}

// A reason for a failure that left the device without one (a device that
// only returned a short count), rather than an empty or "Unknown error" text.
QString ReasonOf(const QIODevice& device) {
    const QString reason = DeviceErrorText(device);
    if (!reason.isEmpty() && reason != QLatin1String("Unknown error"))
        return reason;
    return QCoreApplication::translate("checkedwrite", "écriture incomplète");
}

// The temporary file's bytes on the disk before it replaces the target: some
// file systems only report a full disk here.
WriteOutcome SyncToDisk(QFileDevice& file) {
#ifdef Q_OS_UNIX
    if (::fdatasync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return Failure(QString::fromLocal8Bit(std::strerror(errno)));
#else
    Q_UNUSED(file);
#endif
    return {};
}

} // namespace

QString DeviceErrorText(const QIODevice& device) {
    const QByteArray reason = device.errorString().toUtf8();
    return QCoreApplication::translate("QIODevice", reason.constData());
}

WriteOutcome WriteAllBytes(QIODevice& device, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const qint64 written = device.write(bytes.data(), bytes.size());
        if (written <= 0)
            return Failure(ReasonOf(device));
        bytes = bytes.sliced(written);
    }
    return {};
}

WriteOutcome WriteFileChecked(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    // Unbuffered: a write that does not reach the file fails here, with its
    // reason, instead of in a flush whose failure the commit would not see.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure(DeviceErrorText(file));
    WriteOutcome outcome = WriteAllBytes(file, bytes);
    if (outcome.ok)
        outcome = SyncToDisk(file);
    if (!outcome.ok) {
        file.cancelWriting();
        return outcome;
    }
    if (!file.commit())
        return Failure(ReasonOf(file));
    return {};
}
