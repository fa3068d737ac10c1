#pragma once

// What ties a report to the raw data: the file's name and the SHA-256 of its
// bytes. A download not yet saved has no file: its digest is that of the
// bytes a save would write, and the report says it is not saved.

#include "data/varia.h"

#include <QByteArray>
#include <QString>

struct ReportSource {
    QString fileName;   // the file's name without its folder; empty when not saved
    QByteArray sha256;  // lower-case hexadecimal
    bool saved = false; // false: the digest is of the bytes a save would write
};

// False with the reason in `error` when the session's file cannot be read.
bool DescribeReportSource(const Session& session, ReportSource& source, QString& error);
