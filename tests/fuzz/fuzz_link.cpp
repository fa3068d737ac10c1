// The link's operations against an instrument that answers anything at all:
// each write gets the next chunk of the input (see fuzzport.h), sometimes
// late, sometimes followed by a failing port or a cancel.
//   byte 0  the action: its low 3 bits pick it, 0xF8 in the high bits refuses the open
//   byte 1  the row of the directory to download
//   then the chunks
// Whatever comes, the link neither crashes nor hangs, says why on every
// failure, leaves the port closed after Disconnect, and an operation that
// succeeds leaves counts and values within their ranges.

#include "fuzzport.h"
#include "fuzzsupport.h"
#include "virtualclock.h"

#include "link/linkmessages.h"
#include "link/rs232.h"

#include <QDateTime>

#include <cstdio>
#include <memory>

namespace {

// A reply time-out of 9 ms and the pauses of 1 or 2 ms, on a clock that
// skips them: the port's delays of up to 14 ms still race the time-outs.
constexpr double FuzzTimeScale = 0.003;

enum Action {
    ConnectOnly,
    ReadParameters,
    WriteParameters,
    Erase,
    ReadClock,
    WriteClock,
    ListDirectory,
    Download,
};

// With OVRA_FUZZ_TRACE set, each operation's outcome is printed: how far a
// seed gets.
void Trace(const char* operation, bool succeeded, const TFormRS232& link) {
    static const bool tracing = qEnvironmentVariableIsSet("OVRA_FUZZ_TRACE");
    if (tracing)
        std::fprintf(stderr, "  %s: %s %s\n", operation, succeeded ? "ok" : "failed",
                     qUtf8Printable(link.FailureReason()));
}

// A failure the user would be told nothing about is a finding.
void CheckReason(bool succeeded, const Context& context, const TFormRS232& link,
                 const char* operation) {
    Trace(operation, succeeded, link);
    if (succeeded)
        return;
    const ExchangeFailure failure = DescribeExchangeFailure(context, link);
    fuzz::Check(failure.cause != ExchangeFailure::Other || !link.FailureReason().isEmpty(),
                "an operation failed without a reason", QString::fromLatin1(operation));
    fuzz::Check(failure.cause != ExchangeFailure::Port || !link.FailureReason().isEmpty(),
                "a communication error without a reason", QString::fromLatin1(operation));
}

bool IsClockText(const QString& text) {
    return QDateTime::fromString(text, QLatin1String(TFormRS232::ClockTextFormat)).isValid();
}

void CheckDirectory(const Context& context) {
    fuzz::Check(int(context.AcquisitionDirectory.size()) == context.StoredAcquisitionCount,
                "a listed directory does not hold every acquisition");
    for (const AcquisitionDirectoryEntry& entry : context.AcquisitionDirectory) {
        const int count = entry.Count.toInt();
        fuzz::Check(count >= 0 && count <= 0xFFFF && IsClockText(entry.Start),
                    "a directory entry out of range", entry.Count + ' ' + entry.Start);
    }
}

void CheckDownload(const Session& session) {
    fuzz::Check(session.MeasurementCount >= 0 && session.MeasurementCount <= 0xFFFF &&
                    session.Spectra.size() == std::size_t(session.MeasurementCount) * ChannelCount,
                "a download's spectra do not match its count");
    for (const qint32 count : session.Spectra)
        fuzz::Check(count >= 0 && count <= 0xFFFF, "a downloaded count outside 16 bits");
    fuzz::Check(IsClockText(session.StartText), "a download's start is not a date",
                session.StartText);
}

void Run(Action action, int row, TFormRS232& link, Context& context) {
    const bool connected = link.Connect();
    Trace("Connect", connected, link);
    if (!connected) {
        fuzz::Check(!link.FailureReason().isEmpty(), "a refused connection without a reason");
        fuzz::Check(!link.PortOpen(), "a refused connection left the port open");
        return;
    }
    switch (action) {
    case ConnectOnly:
        break;
    case ReadParameters: {
        const bool ok = link.ReadParameters();
        CheckReason(ok, context, link, "ReadParameters");
        if (ok) {
            for (const QString& value : context.Session.Parameters)
                fuzz::Check(value.size() < 32, "a parameter longer than its field");
        }
        break;
    }
    case WriteParameters:
        CheckReason(link.WriteParameters(), context, link, "WriteParameters");
        break;
    case Erase:
        CheckReason(link.EraseMeasurements(), context, link, "EraseMeasurements");
        break;
    case ReadClock: {
        const QString text = link.ReadInstrumentClock();
        const bool failed = context.TimedOut || link.CommunicationFailed();
        fuzz::Check(IsClockText(text), "the clock read is not a date", text);
        CheckReason(!failed, context, link, "ReadInstrumentClock");
        break;
    }
    case WriteClock:
        CheckReason(link.WriteInstrumentClock(QStringLiteral("09/12/2026 11:54")), context, link,
                    "WriteInstrumentClock");
        break;
    case ListDirectory:
    case Download: {
        const bool counted = link.ReadMemoryCounts();
        CheckReason(counted, context, link, "ReadMemoryCounts");
        if (!counted)
            break;
        fuzz::Check(context.StoredMeasurementCount >= 0 && context.StoredAcquisitionCount >= 0,
                    "a negative memory count");
        const bool listed = link.ReadAcquisitionDirectory();
        CheckReason(listed, context, link, "ReadAcquisitionDirectory");
        if (!listed)
            break;
        CheckDirectory(context);
        if (action != Download || context.AcquisitionDirectory.empty())
            break;
        // The memory window downloads in a connection of its own.
        link.Disconnect();
        fuzz::Check(!link.PortOpen(), "the port stays open after Disconnect");
        const bool reconnected = link.Connect();
        Trace("Connect", reconnected, link);
        if (!reconnected)
            return;
        const bool downloaded =
            link.ReadAcquisition(row % int(context.AcquisitionDirectory.size()));
        CheckReason(downloaded, context, link, "ReadAcquisition");
        if (downloaded)
            CheckDownload(context.Session);
        break;
    }
    }
    link.Disconnect();
    fuzz::Check(!link.PortOpen(), "the port stays open after Disconnect");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::EnsureApplication();
    if (size < 2)
        return 0;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto action = Action(quint8(input[0]) & 0x07);
    const bool refuseOpen = (quint8(input[0]) & 0xF8) == 0xF8;

    Context context;
    for (int i = 0; i < ParameterCount; ++i)
        context.Session.Parameters[i] = QString::number(i * 7);
    static fuzz::VirtualClock clock;
    clock.Clear();
    auto owned =
        std::make_unique<fuzz::FuzzPort>(input.mid(2), refuseOpen, context.CancelRequested, clock);
    fuzz::FuzzPort* port = owned.get();
    TFormRS232 link(context, std::move(owned));
    link.SetClock(clock);
    link.SetTimeScale(FuzzTimeScale);
    link.SetPortName(QStringLiteral("/dev/ttyFUZZ"));
    Run(action, quint8(input[1]), link, context);
    fuzz::Check(!port->IsOpen(), "the port is open at the end of the action");
    return 0;
}
