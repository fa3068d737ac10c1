#pragma once

// The measurement report: a multi-page A4 PDF with the instrument, the
// acquisition, its results and where they come from. One code path for the
// window's "Rapport de mesure…" and "ovra report".

#include "data/varia.h"
#include "report/reportsource.h"

#include <QDateTime>
#include <QString>

struct ReportRequest {
    const Session* session = nullptr;
    ReportSource source;
    QDateTime madeAt;
    // Measurements the table lists, from the first; the rest are counted in a
    // line under it. Negative: all of them.
    qint64 tableLimit = -1;
};

// The PDF's bytes.
QByteArray MeasurementReportPdf(const ReportRequest& request);

// Writes the report of the session to `path`: the digest, the pages, the
// file. Never the session's own file. Empty on success, else the reason,
// naming the file.
QString WriteMeasurementReport(const Session& session, const QString& path, qint64 tableLimit = -1);
