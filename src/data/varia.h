#pragma once

// The one measurement set and the program-wide values that every window,
// operation and tool shares. One Context is created by the program entry (or
// by a test, or by the command-line tool) and handed around by reference.

#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

constexpr int ParameterCount = 64;
constexpr int ChannelCount = 128;

// Every parameter is text, whatever it means; converting is the reader's business.
using ParameterSet = std::array<QString, ParameterCount>;

// One measurement's counts, channel 0 to 127. Spectra of a session are stored
// as one contiguous run of these (see Session::Spectra).
using Spectrum = std::array<qint32, ChannelCount>;

// The name of each parameter index, fixed for the whole run. Names are not
// unique ("RESERVE" names 20 entries): parameters are addressed by index.
const std::array<QString, ParameterCount>& ParameterNames();

enum SessionStateValue : int {
    SessionEmpty = 0,
    SessionUnsaved = 1,
    SessionSaved = 2,
};

struct Session {
    QString SoftwareVersion;
    ParameterSet Parameters;
    ParameterSet SavedParameters;
    QString StartText; // "dd/mm/yyyy hh:nn", held as text, never parsed
    QString Method;    // "Rolle", "Thomas" or "Test"
    qint32 MeasurementCount = 0;
    double Volume = 0.0;
    double Eapv = 0.0;
    bool SpectraAvailable = false;
    // Count of measurement m at channel c is Spectra[m * ChannelCount + c].
    std::vector<qint32> Spectra;
    SessionStateValue SessionState = SessionEmpty;
    QString FileName;

    qint32 SpectrumCount() const { return qint32(Spectra.size() / ChannelCount); }
    const qint32* SpectrumAt(qint32 measurement) const {
        return Spectra.data() + std::size_t(measurement) * ChannelCount;
    }
};

// One acquisition stored in the instrument, as the memory window lists it.
struct AcquisitionDirectoryEntry {
    QString Number;
    QString Start;
    QString Method;
    QString Count;
    QString Volume;
    QString Eapv;
};

struct Context {
    ::Session Session;

    QString ProgramDirectory;
    QString CommandLineFile;
    bool CommandLinePending = false;
    QString DefaultDirectory;
    QString LatestDirectory;
    QString InitialDirectory;
    int DirectoryMode = 0; // 1: dialogs start in DefaultDirectory; 0: in LatestDirectory

    // The instrument link's flags and counters.
    bool TimedOut = false;
    bool CancelRequested = false;
    bool ChecksumFailed = false;
    int StoredMeasurementCount = 0;
    int StoredAcquisitionCount = 0;
    std::vector<AcquisitionDirectoryEntry> AcquisitionDirectory;
    // A failed connection says where the port is chosen: the window's
    // "Communications", or the command line's --port.
    bool PortChosenOnCommandLine = false;

    // The computer's clock as the instrument windows read it: the clock
    // shown, the launch stamps. Tests set their own day.
    QDateTime (*Now)() = [] {
        return QDateTime::currentDateTime();
    };
};

// The run's date and time formats (QDateTime patterns), the same whatever the
// user's regional settings; the decimal separator stays the user's.
inline constexpr char LongDateFormat[] = "dddd d MMMM yyyy";
inline constexpr char ShortDateFormat[] = "dd/MM/yyyy";
inline constexpr char ShortTimeFormat[] = "HH:mm:ss";

// File names are joined with the platform's separator ("\" on Windows).
QString JoinPath(const QString& directory, const QString& fileName);
