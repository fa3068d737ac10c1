// The download: the directory of the acquisitions stored in the instrument
// ("RI") and the transfer of one acquisition ("SP", "SS", then one "RP" per
// measurement), with checksums, progress, the remaining time and cancel.

#include "link/rs232.h"

#include "link/wire.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace {

// The instrument needs these pauses around the selection of an acquisition,
// before each measurement request, and before the one retry of a request.
constexpr int SelectionPauseMs = 100;
constexpr int MeasurementPauseMs = 50;
constexpr int RetryPauseMs = 500;

} // namespace

bool TFormRS232::ReadAcquisitionDirectory() {
    PurgeInput();
    m_context.CancelRequested = false;
    emit DirectoryCleared();

    SendText("RI");
    Receive(2, false);
    SendText("0");
    Receive(2, false);

    m_context.AcquisitionDirectory.clear();
    const QLocale locale = DirectoryLocale();
    const int total = m_context.StoredAcquisitionCount;
    for (int i = 0; i < total && !m_context.CancelRequested && !Stopped(); ++i) {
        QByteArray entry;
        for (int offset = 0; offset < DirectoryEntryBytes; ++offset) {
            const QByteArray byte = Receive(1, true);
            if (Stopped())
                break;
            entry += byte;
        }
        if (Stopped())
            break;
        const AcquisitionDirectoryEntry decoded = DecodeDirectoryEntry(entry, locale);
        m_context.AcquisitionDirectory.push_back(decoded);
        m_context.Session.Method = decoded.Method;
        emit DirectoryRowAdded(i + 1, decoded.Start, decoded.Method);
        Receive(2, false);
        QCoreApplication::processEvents();
        EmitProgress(100.0 * (i + 1) / total, MemoryBar);
    }
    // A time-out already told the instrument is silent: the closing bytes
    // would only cost another read time-out.
    if (!Stopped())
        Receive(2, false);
    EmitProgress(0, MemoryBar);
    return !m_context.CancelRequested && !Stopped();
}

bool TFormRS232::ReadAcquisition(int index) {
    m_context.CancelRequested = false;
    m_context.ChecksumFailed = false;
    if (index < 0 || index >= int(m_context.AcquisitionDirectory.size())) {
        m_failureReason = tr("aucune acquisition n'est listée au rang %1").arg(index + 1);
        return false;
    }
    const AcquisitionDirectoryEntry entry = m_context.AcquisitionDirectory[std::size_t(index)];
    Session& session = m_context.Session;
    session.Method = entry.Method;
    session.MeasurementCount = entry.Count.toInt();
    // The instrument's volume and EAPV mean something only for a sampling
    // method with its three measurements at least.
    const QLocale locale = DirectoryLocale();
    if (session.Method != QLatin1String("Test") && session.MeasurementCount >= 3) {
        session.Volume = locale.toDouble(entry.Volume);
        session.Eapv = locale.toDouble(entry.Eapv);
    } else {
        session.Volume = 0;
        session.Eapv = 0;
    }
    session.StartText = entry.Start;

    // Select the acquisition; the instrument takes its number one digit per
    // write, with pauses it needs between them.
    PurgeInput();
    SendText("SP");
    Delay(SelectionPauseMs);
    Receive(2, false);
    const QByteArray number = QByteArray::number(entry.Number.toInt()).rightJustified(5, '0');
    Delay(SelectionPauseMs);
    SendText(number.mid(0, 1));
    SendText(number.mid(1, 1));
    Delay(SelectionPauseMs);
    SendText(number.mid(2, 1));
    SendText(number.mid(3, 1));
    Delay(SelectionPauseMs);
    SendText(number.mid(4, 1));
    Receive(2, false);
    Delay(SelectionPauseMs);

    // Ask for the spectra with the headers.
    PurgeInput();
    SendText("SS");
    Delay(SelectionPauseMs);
    Receive(2, false);
    Delay(SelectionPauseMs);
    SendText("1");
    Receive(2, false);
    Delay(SelectionPauseMs);

    session.Spectra.clear();
    session.Spectra.reserve(std::size_t(std::max(session.MeasurementCount, 0)) * ChannelCount);
    QElapsedTimer transfer;
    transfer.start();
    StartPause(MeasurementPauseMs);
    for (int i = 0; i < session.MeasurementCount && !m_context.CancelRequested &&
                    !m_context.ChecksumFailed && !Stopped();
         ++i) {
        session.Spectra.resize(session.Spectra.size() + ChannelCount, 0);

        FinishPause();
        PurgeInput();
        SendText("RP");
        Receive(2, true);
        if (m_context.TimedOut && !m_communicationFailed) {
            // The one retry of the protocol: the instrument sometimes misses
            // a request while it is still busy with the previous one.
            Delay(RetryPauseMs);
            PurgeInput();
            SendText("RP");
            Receive(2, true);
        }
        if (Stopped())
            break;
        Receive(2, true);
        if (Stopped())
            break;

        QByteArray block;
        for (int offset = 0; offset < SpectrumBlockBytes && !Stopped(); ++offset)
            block += Receive(1, true);
        if (Stopped())
            break;
        const Spectrum counts = DecodeSpectrumBlock(block);
        std::copy(counts.begin(), counts.end(), session.Spectra.end() - ChannelCount);
        const QByteArray spectrumSum = Receive(2, false);
        if (Stopped())
            break;
        if (spectrumSum.size() < 2 || BigEndian16(spectrumSum, 0) != SpectrumChecksum(counts))
            m_context.ChecksumFailed = true;

        // The rest of the measurement is read even after a bad spectrum, so
        // the line stays in step.
        QByteArray header;
        for (int offset = 0; offset < MeasurementHeaderBytes && !Stopped(); ++offset)
            header += Receive(1, true);
        if (Stopped())
            break;
        const QByteArray headerSum = Receive(2, false);
        if (Stopped())
            break;
        if (headerSum.size() < 2 || BigEndian16(headerSum, 0) != HeaderChecksum(header))
            m_context.ChecksumFailed = true;
        Receive(3, false);
        if (Stopped())
            break;
        // The next request's pause counts from here: the progress and the
        // repaints it brings then cost the line nothing.
        StartPause(MeasurementPauseMs);

        const int done = i + 1;
        EmitProgress(100.0 * done / session.MeasurementCount, MemoryBar);
        emit RemainingTimeChanged(
            RemainingTimeText(transfer.elapsed(), done, session.MeasurementCount));
        QCoreApplication::processEvents();
    }
    EmitProgress(0, MemoryBar);
    emit RemainingTimeChanged(QString());
    return !m_context.CancelRequested && !m_context.ChecksumFailed && !Stopped();
}
