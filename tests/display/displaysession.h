#pragma once

// Sessions built in memory for the display tests: every count is distinct,
// so that a wrong measurement or channel shows in the sums.

#include "data/varia.h"

#include <QStringList>

inline qint32 SampleCount(int measurement, int channel) {
    return measurement * 1000 + channel;
}

inline void FillSession(Session& session, const QString& method, int measurements,
                        int spectra = -1) {
    session.Method = method;
    session.MeasurementCount = measurements;
    session.StartText = QStringLiteral("12/03/2021 14:05");
    session.Volume = 12.375;
    session.Eapv = 0.125;
    session.SpectraAvailable = true;
    session.Spectra.assign(std::size_t(spectra < 0 ? measurements : spectra) * ChannelCount, 0);
    for (int m = 0; m < session.SpectrumCount(); ++m)
        for (int c = 0; c < ChannelCount; ++c)
            session.Spectra[std::size_t(m) * ChannelCount + c] = SampleCount(m, c);
}

inline void SetWindowParameters(Session& session, const QStringList& values) {
    for (int i = 29; i <= 37; ++i)
        session.Parameters[i].clear();
    for (int i = 0; i < values.size(); ++i)
        session.Parameters[29 + i] = values[i];
}
