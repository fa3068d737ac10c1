// The instrument's command protocol: identification, end of a connection,
// parameters, erase, clock and memory counts. Every exchange is written as the
// steps it is; an exchange stops at its first time-out or port failure.

#include "link/rs232.h"

#include "link/wire.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>
#include <QTimer>

namespace {

// Pauses the instrument needs: before "SL", after the parameter records,
// between the parts of a parameter write and after it, after an erase, and
// before "RN".
constexpr int DisconnectPauseMs = 50;
constexpr int AfterParameterReadPauseMs = 70;
constexpr int ParameterWriteStepPauseMs = 10;
constexpr int AfterParameterWritePauseMs = 100;
constexpr int AfterErasePauseMs = 500;
constexpr int BeforeCountsPauseMs = 500;
// A name or value field is read until its ";"; 32 bytes without one means the
// record is out of step (a value holds at most 31 characters).
constexpr int FieldLimitBytes = 32;
// A value the instrument holds beyond that is skipped up to this many times
// as much; a longer one means the record is out of step.
constexpr int SkippedFieldChunks = 32;
// A count line longer than this is not a count.
constexpr int CountLineLimitBytes = 32;
constexpr int ErasePacketCount = 128;
const char* const Identification = "TARVEL";
const char* const FallbackClockText = "01/01/2000 00:00";

QByteArray TwoDigits(int value) {
    return QByteArray::number(value).rightJustified(2, '0');
}

// A reply as the user can read it in a message: control bytes made visible.
QString Shown(const QByteArray& bytes) {
    QString shown;
    for (const QChar c : FromWireText(bytes)) {
        if (c.unicode() < 0x20)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

} // namespace

bool TFormRS232::Connect() {
    ClearFailure();
    if (!OpenPort())
        return false;
    PurgeInput();
    SendText("ID");
    const QByteArray first = Receive(1, false);
    QCoreApplication::processEvents();
    const QByteArray echo = first + Receive(1, false);
    QByteArray identification;
    if (echo == "ID") {
        identification = Receive(6, false);
        Receive(2, false);
    } else {
        SetReadTimeouts(WorkingReadTimeoutMs);
    }
    if (!m_communicationFailed && identification == Identification)
        return true;

    if (!m_communicationFailed) {
        if (echo.isEmpty())
            m_failureReason = tr("l'instrument ne répond pas sur le port %1").arg(m_portName);
        else if (echo != "ID")
            m_failureReason = tr("réponse inattendue « %1 » au lieu de « ID »").arg(Shown(echo));
        else
            m_failureReason = tr("l'appareil s'identifie comme « %1 » et non comme « %2 »")
                                  .arg(Shown(identification), QLatin1String(Identification));
    }
    // Leaving the port open after a refused identification would carry its
    // stale bytes into the next action.
    ClosePort();
    return false;
}

void TFormRS232::Disconnect() {
    // "SL" ends the connection; a port that failed is only closed, and a
    // failure while saying goodbye does not replace the outcome of the action.
    const bool failed = m_communicationFailed;
    const QString reason = m_failureReason;
    const bool timedOut = m_context.TimedOut;
    if (m_port->IsOpen() && !m_communicationFailed && m_pendingPortFailure.isEmpty()) {
        Delay(DisconnectPauseMs);
        PurgeInput();
        SendText("SL");
        Receive(4, false);
    }
    ClosePort();
    m_communicationFailed = failed;
    m_failureReason = reason;
    m_context.TimedOut = timedOut;
}

TFormRS232::FieldEnd TFormRS232::ReadField(QByteArray& field) {
    for (int read = 0; read < FieldLimitBytes; ++read) {
        const QByteArray byte = Receive(1, true);
        if (Stopped())
            return FieldEnd::Stopped;
        if (byte == ";")
            return FieldEnd::Delimited;
        field += byte;
    }
    return FieldEnd::Overflowed;
}

bool TFormRS232::ReadParameters() {
    Session& session = m_context.Session;
    PurgeInput();
    SendText("RV");
    Receive(2, true);
    if (Stopped())
        return false;
    const QByteArray version = Receive(6, true);
    session.SoftwareVersion = m_context.TimedOut ? QString() : FromWireText(version);
    if (Stopped())
        return false;
    Receive(2, true);
    if (Stopped())
        return false;

    PurgeInput();
    SendText("RH");
    Receive(2, true);
    if (Stopped())
        return false;
    SendText("99");
    Receive(2, true);
    if (Stopped())
        return false;

    m_overlongParameters.clear();
    for (int i = 0; i < ParameterCount; ++i) {
        session.Parameters[i].clear();
        QByteArray name;
        FieldEnd end = ReadField(name);
        if (end == FieldEnd::Delimited) {
            QByteArray value;
            end = ReadField(value);
            if (end == FieldEnd::Overflowed) {
                // The instrument holds a value longer than it can give back:
                // read past it, so that the other entries are still read and
                // a new set can still replace it on this connection.
                end = SkipField();
                m_overlongParameters.push_back(i);
            } else {
                session.Parameters[i] = FromWireText(value);
            }
        }
        if (end == FieldEnd::Overflowed)
            m_failureReason = OverlongText(i);
        if (end == FieldEnd::Delimited)
            Receive(2, false);
        if (end != FieldEnd::Delimited || Stopped()) {
            // Out of step: no entry after this one can be trusted.
            m_overlongParameters.clear();
            return false;
        }
        EmitProgress(100.0 * (i + 2) / ParameterCount, ConfigBar | MemoryBar | ClockBar);
    }
    Delay(AfterParameterReadPauseMs);
    if (Stopped()) {
        m_overlongParameters.clear();
        return false;
    }
    if (m_overlongParameters.empty())
        return true;
    QStringList lines;
    for (const int index : m_overlongParameters)
        lines << OverlongText(index);
    m_failureReason = lines.join(QLatin1Char('\n'));
    return false;
}

std::vector<int> TFormRS232::OverlongParameters() const {
    return m_overlongParameters;
}

QString TFormRS232::OverlongText(int index) const {
    return tr("le paramètre %1 dépasse %2 caractères").arg(index + 1).arg(FieldLimitBytes - 1);
}

TFormRS232::FieldEnd TFormRS232::SkipField() {
    FieldEnd end = FieldEnd::Overflowed;
    for (int chunk = 0; chunk < SkippedFieldChunks && end == FieldEnd::Overflowed; ++chunk) {
        QByteArray skipped;
        end = ReadField(skipped);
    }
    return end;
}

bool TFormRS232::WriteParameters() {
    const Session& session = m_context.Session;
    m_context.CancelRequested = false;
    PurgeInput();
    for (int i = 0; i < ParameterCount; ++i) {
        // A cancel is taken between two records only: a record cut short
        // leaves the instrument waiting inside it.
        if (m_context.CancelRequested)
            return false;
        PurgeInput();
        SendText("SH");
        Receive(2, true);
        if (Stopped())
            return false;
        Delay(ParameterWriteStepPauseMs);
        SendText(TwoDigits(i));
        Receive(2, true);
        if (Stopped())
            return false;
        Delay(ParameterWriteStepPauseMs);
        SendText(ToWireText(ParameterNames()[i] + QLatin1Char(';') + session.Parameters[i] +
                            QLatin1Char(';')));
        Receive(2, true);
        if (Stopped())
            return false;
        EmitProgress(100.0 * (i + 2) / ParameterCount, ConfigBar);
        Delay(ParameterWriteStepPauseMs);
    }
    SendText("SH");
    Receive(2, true);
    if (Stopped())
        return false;
    SendText("99");
    Receive(2, true);
    if (Stopped())
        return false;
    Delay(AfterParameterWritePauseMs);
    return !Stopped();
}

bool TFormRS232::EraseMeasurements() {
    PurgeInput();
    SendText("SM");
    Receive(19, true);
    if (Stopped())
        return false;

    // The erase takes its time: each progress packet may be long in coming,
    // and the reads must not give up between the bytes of a packet.
    SetReadTimeouts(0);
    TimerTimeOut->setInterval(Scaled(EraseTimeout));
    for (int packet = 0; packet < ErasePacketCount; ++packet) {
        const QByteArray progress = Receive(4, true);
        if (Stopped())
            break;
        int position = 0;
        if (!ParseWireNumber(progress.left(3), position)) {
            Fail(tr("avancement de l'effacement illisible « %1 »").arg(Shown(progress)));
            break;
        }
        EmitProgress(100.0 * position / 127, ConfigBar);
    }
    SetReadTimeouts(WorkingReadTimeoutMs);
    TimerTimeOut->setInterval(Scaled(ReplyTimeout));
    if (Stopped())
        return false;

    Receive(1, true);
    if (Stopped())
        return false;
    Delay(AfterErasePauseMs);
    return !Stopped();
}

QString TFormRS232::ReadInstrumentClock() {
    const QString fallback = QString::fromLatin1(FallbackClockText);
    PurgeInput();
    SendText("RD");
    Receive(2, false);
    const QByteArray dateReply = Receive(10, true);
    if (Stopped())
        return fallback;
    // "dd/mm/yy": the instrument counts years from 2000.
    QByteArray date = dateReply.left(8);
    date = date.left(6) + "20" + date.mid(6, 2);

    PurgeInput();
    SendText("RT");
    Receive(2, false);
    const QByteArray timeReply = Receive(10, true);
    if (Stopped())
        return fallback;
    const QString text = FromWireText(date) + QLatin1Char(' ') + FromWireText(timeReply.left(5));
    if (!QDateTime::fromString(text, QLatin1String(ClockTextFormat)).isValid()) {
        Fail(tr("horloge de l'instrument illisible « %1 »").arg(text));
        return fallback;
    }
    return text;
}

bool TFormRS232::WriteInstrumentClock(const QString& dateTime) {
    const QDateTime when = QDateTime::fromString(dateTime, QLatin1String(ClockTextFormat));
    if (!when.isValid()) {
        m_failureReason =
            tr("date et heure invalides « %1 » (attendu jj/mm/aaaa hh:mm)").arg(dateTime);
        return false;
    }
    PurgeInput();
    SendText("ST");
    Receive(2, false);
    SendText(TwoDigits(when.time().hour()));
    Receive(1, false);
    SendText(TwoDigits(when.time().minute()));
    Receive(2, true);
    if (Stopped())
        return false;

    PurgeInput();
    SendText("SD");
    Receive(2, false);
    SendText(TwoDigits(when.date().day()));
    Receive(1, false);
    SendText(TwoDigits(when.date().month()));
    Receive(1, false);
    SendText(TwoDigits(when.date().year() % 100));
    Receive(2, true);
    return !Stopped();
}

bool TFormRS232::ReadCountLine(QByteArray& line) {
    line.clear();
    for (int read = 0; read < CountLineLimitBytes; ++read) {
        const QByteArray byte = Receive(1, true);
        if (Stopped())
            return false;
        if (byte == "\n")
            return true;
        if (byte != "\r")
            line += byte;
    }
    Fail(tr("ligne de compteur sans fin « %1 »").arg(Shown(line)));
    return false;
}

bool TFormRS232::ReadMemoryCounts() {
    Delay(BeforeCountsPauseMs);
    PurgeInput();
    SendText("RN");
    Receive(4, true);
    if (Stopped())
        return false;
    QByteArray lines[3];
    for (QByteArray& line : lines) {
        if (!ReadCountLine(line))
            return false;
    }
    int measurements = m_context.StoredMeasurementCount;
    int acquisitions = m_context.StoredAcquisitionCount;
    if (!lines[0].isEmpty() && !ParseWireNumber(lines[0], measurements)) {
        Fail(tr("nombre de mesures illisible « %1 »").arg(Shown(lines[0])));
        return false;
    }
    if (!lines[1].isEmpty() && !ParseWireNumber(lines[1], acquisitions)) {
        Fail(tr("nombre d'acquisitions illisible « %1 »").arg(Shown(lines[1])));
        return false;
    }
    m_context.StoredMeasurementCount = measurements;
    m_context.StoredAcquisitionCount = acquisitions;
    return true;
}
