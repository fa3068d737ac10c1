#pragma once

// TFormRS232: the one object every byte to and from the instrument passes
// through. It owns the port and its two timers, offers the link primitives
// (pause, read time-outs, purge, send, receive) and builds the instrument's
// command protocol and the download from them alone.
//
// Everything runs on the caller's thread. Every wait is a local event loop
// that the port's ReadyRead, a port failure or a precise timer ends, so the
// windows keep repainting and a cancel button is received meanwhile, at no
// cost of processor while nothing arrives.
//
// Failures are results: an operation returns false and leaves the reason in
// the Context's flags (TimedOut, CancelRequested, ChecksumFailed) or, for a
// failing port or a reply that makes no sense, in CommunicationFailed() and
// FailureReason(). Such a failure also closes the port: the action is over.

#include "data/varia.h"
#include "link/linkclock.h"
#include "link/port.h"

#include <QByteArray>
#include <QFlags>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>
#include <vector>

class QTimer;

enum ProgressBar {
    ConfigBar = 0x1, // configuration window
    MemoryBar = 0x2, // memory window
    ClockBar = 0x4,  // clock window
};
Q_DECLARE_FLAGS(ProgressBars, ProgressBar)
Q_DECLARE_OPERATORS_FOR_FLAGS(ProgressBars)

// The three read time-outs, with the meaning of the Windows COMMTIMEOUTS
// fields: a read of n bytes ends when n bytes came, when more than `interval`
// passes between two bytes, or when n * `multiplier` + `constant` passed since
// it began. All three zero: the read ends only when all n bytes came.
struct ReadTimeouts {
    int interval = 0;   // ms
    int multiplier = 0; // ms per byte
    int constant = 0;   // ms
};

class TFormRS232 : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds ReplyTimeout{3000};
    static constexpr std::chrono::milliseconds EraseTimeout{6000};
    // The read time-outs every exchange runs under, applied at start-up:
    // interval 250 ms, multiplier 250 ms, constant 2500 ms.
    static constexpr int WorkingReadTimeoutMs = 250;
    // The instrument clock as text, "dd/mm/yyyy hh:nn" (QDateTime pattern).
    static constexpr char ClockTextFormat[] = "dd/MM/yyyy HH:mm";

    // With the real serial port.
    explicit TFormRS232(Context& context, QObject* parent = nullptr);
    // With another port (the simulated instrument, a test line); takes it.
    TFormRS232(Context& context, std::unique_ptr<SerialPort> port, QObject* parent = nullptr);
    ~TFormRS232() override;

    // Takes effect at the next Connect.
    void SetPortName(const QString& name);
    QString PortName() const;

    // Multiplies every duration (pauses, reply and read time-outs) so that
    // tests run the time-out cases in milliseconds. 1 is real time.
    void SetTimeScale(double scale);
    double TimeScale() const;
    // The time every wait runs on; real time unless a test line brings its own.
    // The clock must outlive the link.
    void SetClock(LinkClock& clock);

    // --- Link primitives ---------------------------------------------------
    void Delay(int milliseconds);
    // interval = value, multiplier = value, constant = 10 * value.
    void SetReadTimeouts(int value);
    void SetReadTimeouts(ReadTimeouts timeouts);
    ReadTimeouts CurrentReadTimeouts() const;
    void PurgeInput();
    void SendText(const QByteArray& text);
    // With wait: waits up to TimerTimeOut's interval until `count` bytes are
    // there; on a time-out TimedOut is set and `destination` keeps what it
    // held. Without wait: reads under the read time-outs and may return fewer.
    void ReceiveBytes(QByteArray& destination, int count, bool wait);
    bool TimedOut() const;

    bool OpenPort();
    void ClosePort();
    bool PortOpen() const;

    // --- Protocol operations (one connection: Connect ... Disconnect) -------
    bool Connect();
    void Disconnect();
    // False also when a value is too long to be read back; the other entries
    // are read all the same, and OverlongParameters() names the long ones.
    bool ReadParameters();
    // Stops between two records when CancelRequested is set meanwhile: the
    // instrument then holds a part of the set.
    bool WriteParameters();
    bool EraseMeasurements();
    QString ReadInstrumentClock();
    bool WriteInstrumentClock(const QString& dateTime);
    bool ReadMemoryCounts();
    bool ReadAcquisitionDirectory();
    bool ReadAcquisition(int index);

    // Why the last Connect or operation failed, when there is more to say
    // than the flags of the Context: the port failed, a reply was not a
    // number or a date, the port could not be opened, the instrument did not
    // identify itself, a parameter value overflowed.
    QString FailureReason() const;
    // The port failed or a reply made no sense: the port is closed.
    bool CommunicationFailed() const;
    // Entries (0-based) whose value the last ReadParameters found too long;
    // the connection is still in step after it.
    std::vector<int> OverlongParameters() const;

    QTimer* TimerDelay = nullptr;
    QTimer* TimerTimeOut = nullptr;

signals:
    void ProgressChanged(int percent, ProgressBars bars);
    void DirectoryCleared();
    void DirectoryRowAdded(int row, const QString& start, const QString& method);
    // "Temps restant estimé : ..." during a download, empty at its end.
    void RemainingTimeChanged(const QString& text);

private:
    void TimerTimeOutTimer();
    void PortFailed(const QString& reason);

    int Scaled(std::chrono::milliseconds duration) const;
    int Scaled(int milliseconds) const;
    qint64 BytesWaiting();
    // False (and the action ended) when the port has failed or is closed.
    bool PortUsable();
    QByteArray ReadUnderTimeouts(int count);
    // A pause in two halves, so that work done while the line must stay quiet
    // (progress, repaints) is part of the pause instead of added to it.
    void StartPause(int milliseconds);
    void FinishPause();
    // Waits `milliseconds`, already scaled, on TimerDelay.
    void WaitOnTimerDelay(int milliseconds);
    // Runs a local event loop until bytes arrive, the port fails or
    // `milliseconds` pass (never when negative).
    void WaitForInput(int milliseconds);
    void Fail(const QString& reason);
    void ClearFailure();
    bool Stopped() const;
    QByteArray Receive(int count, bool wait);
    void EmitProgress(double percent, ProgressBars bars);

    enum class FieldEnd { Delimited, Overflowed, Stopped };
    FieldEnd ReadField(QByteArray& field);
    FieldEnd SkipField();
    QString OverlongText(int index) const;
    bool ReadCountLine(QByteArray& line);

    Context& m_context;
    SerialPort* m_port = nullptr;
    QString m_portName;
    double m_timeScale = 1.0;
    LinkClock* m_clock = &LinkClock::Real();
    qint64 m_pauseEndsAt = 0; // nanoseconds on m_clock
    ReadTimeouts m_readTimeouts;

    bool m_communicationFailed = false;
    QString m_failureReason;
    QString m_pendingPortFailure;
    std::vector<int> m_overlongParameters;
};
