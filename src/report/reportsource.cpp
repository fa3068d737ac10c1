#include "report/reportsource.h"

#include "data/fichiers.h"
#include "report/reporttexts.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

bool DescribeReportSource(const Session& session, ReportSource& source, QString& error) {
    source = ReportSource();
    if (session.SessionState != SessionSaved || session.FileName.isEmpty()) {
        source.sha256 =
            QCryptographicHash::hash(MeasurementFileBytes(session), QCryptographicHash::Sha256)
                .toHex();
        return true;
    }
    // The digest is of the file as it stands on the disk, the bytes an
    // inspector will check it against.
    QFile file(session.FileName);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file) ||
        file.error() != QFileDevice::NoError) {
        error = Report::tr("Impossible de lire le fichier %1 : %2")
                    .arg(QDir::toNativeSeparators(session.FileName), DeviceErrorText(file));
        return false;
    }
    source.fileName = QFileInfo(session.FileName).fileName();
    source.sha256 = hash.result().toHex();
    source.saved = true;
    return true;
}
