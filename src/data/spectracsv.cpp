#include "data/spectracsv.h"

QByteArray SpectraCsv(const Session& session) {
    QByteArray csv = "measurement";
    for (int c = 0; c < ChannelCount; ++c)
        csv += ",ch" + QByteArray::number(c);
    csv += '\n';
    if (session.SpectraAvailable) {
        for (qint32 m = 0; m < session.MeasurementCount; ++m) {
            csv += QByteArray::number(m);
            const qint32* spectrum = session.SpectrumAt(m);
            for (int c = 0; c < ChannelCount; ++c)
                csv += ',' + QByteArray::number(spectrum[c]);
            csv += '\n';
        }
    }
    return csv;
}
