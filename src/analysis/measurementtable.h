#pragma once

// The acquisition measurement by measurement: each one's phase, total count
// and the count of each loaded energy window. The overview's trends, its
// "Copier", the CSV export and `ovra summary` all read this one table.

#include "analysis/windowbounds.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The phase of step p for a method. Rolle has three named phases and leaves
// the field as it was after them, hence `previous`.
QString PhaseText(const QString& method, int step, const QString& previous);

// The phase of a measurement when the acquisition is read in order from the
// first one: a Rolle measurement after the third keeps "Comptage".
QString MeasurementPhase(const QString& method, qint32 measurement);

// Measurements that have a spectrum: none when the spectra are unavailable,
// and never more than the spectra the session holds.
qint32 TabulatedMeasurementCount(const Session& session);

struct MeasurementTable {
    WindowBoundsTable Windows;
    QString Method;
    // Series 0 is the total, series k (1 … WindowCount) window k; each holds
    // one value per measurement, in measurement order.
    std::vector<std::vector<qint64>> Series;

    int SeriesCount() const { return int(Series.size()); }
    qint32 MeasurementCount() const { return Series.empty() ? 0 : qint32(Series[0].size()); }
};

MeasurementTable BuildMeasurementTable(const Session& session, const WindowBoundsTable& windows);

// The table as text: a header "measurement, phase, total, Ch lo-hi …", then one
// line per measurement numbered from 1, fields joined by `separator`, each
// line ended by "\n". Used with a TAB for the clipboard and "," for CSV.
QByteArray MeasurementTableText(const MeasurementTable& table, char separator);
