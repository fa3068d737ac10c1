#include "instrument.h"

#include <QtEndian>

#include <cstring>

namespace sim {

namespace {

constexpr int EraseSteps = 128;
// The 19 bytes the instrument announces an erase with.
const QByteArray EraseBanner = QByteArrayLiteral("SM\r\nERASE MEMORY.\r\n");
static_assert(sizeof("SM\r\nERASE MEMORY.\r\n") - 1 == 19);
const QByteArray LineEnd = QByteArrayLiteral("\r\n");
// What closes a measurement after its header checksum.
const QByteArray MeasurementTrailer = QByteArrayLiteral("\r\n*");

void AppendBigEndian16(QByteArray& bytes, quint16 value) {
    char raw[2];
    qToBigEndian(value, raw);
    bytes.append(raw, 2);
}

void AppendBigEndianFloat(QByteArray& bytes, float value) {
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char raw[4];
    qToBigEndian(bits, raw);
    bytes.append(raw, 4);
}

QByteArray DirectoryEntry(const StoredAcquisition& acquisition) {
    QByteArray entry;
    AppendBigEndian16(entry, 0);
    AppendBigEndian16(entry, acquisition.number);
    const QDateTime start = acquisition.start;
    if (start.isValid()) {
        entry.append(char(start.date().day()));
        entry.append(char(start.date().month()));
        entry.append(char(start.date().year() - 2000));
        entry.append(char(start.time().hour()));
        entry.append(char(start.time().minute()));
        entry.append(char(start.time().second()));
    } else {
        entry.append(6, '\0');
    }
    entry.append(char(acquisition.methodCode));
    entry.append('\0');
    AppendBigEndian16(entry, quint16(acquisition.measurements.size()));
    AppendBigEndianFloat(entry, acquisition.volume);
    AppendBigEndianFloat(entry, acquisition.eapv);
    entry.append(10, '\0');
    return entry;
}

// How the firmware prints a number it parsed: no leading zeros, no trailing
// zeros after the decimal point.
QByteArray FirmwareForm(const QByteArray& value) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || value.trimmed().isEmpty())
        return value;
    return QByteArray::number(number, 'g', 10);
}

} // namespace

Instrument::Instrument(InstrumentMemory memory, QObject* parent)
    : QObject(parent)
    , m_memory(std::move(memory)) {
    if (m_memory.clock.isValid())
        m_clockOffsetMs = QDateTime::currentDateTime().msecsTo(m_memory.clock);
    m_eraseTimer.setTimerType(Qt::PreciseTimer);
    m_eraseTimer.setInterval(20);
    connect(&m_eraseTimer, &QTimer::timeout, this, &Instrument::EraseStep);
}

void Instrument::SetFaults(const InstrumentFaults& faults) {
    m_faults = faults;
}

void Instrument::SetEraseStepMs(int milliseconds) {
    m_eraseTimer.setInterval(milliseconds);
}

QDateTime Instrument::Clock() const {
    return QDateTime::currentDateTime().addMSecs(m_clockOffsetMs);
}

void Instrument::SetClock(const QDateTime& when) {
    if (when.isValid())
        m_clockOffsetMs = QDateTime::currentDateTime().msecsTo(when);
}

void Instrument::ResetLink() {
    m_state = State::Command;
    m_expected = 2;
    m_input.clear();
}

void Instrument::Receive(const QByteArray& bytes) {
    if (m_dead)
        return;
    for (const char byte : bytes)
        Handle(byte);
}

void Instrument::Send(const QByteArray& bytes) {
    if (m_faults.silent || m_dead || bytes.isEmpty())
        return;
    QByteArray out = bytes;
    if (m_faults.deadAfterBytes >= 0 && m_bytesSent + out.size() >= m_faults.deadAfterBytes) {
        out.truncate(int(m_faults.deadAfterBytes - m_bytesSent));
        m_dead = true;
    }
    m_bytesSent += out.size();
    if (!out.isEmpty())
        emit Transmit(out);
    if (m_dead) {
        m_eraseTimer.stop();
        if (m_faults.deadLineHangsUp)
            emit HungUp();
    }
}

void Instrument::Expect(State state, int bytes) {
    m_state = state;
    m_expected = bytes;
}

void Instrument::Handle(char byte) {
    m_input.append(byte);
    if (m_state == State::WriteRecord) {
        if (m_input.count(';') < 2)
            return;
    } else if (m_input.size() < m_expected) {
        return;
    }
    const QByteArray input = m_input;
    m_input.clear();
    const State state = m_state;
    Expect(State::Command, 2);

    switch (state) {
    case State::Command:
        Command(input);
        break;
    case State::ReadIndex: {
        Send(input);
        const int index = input.toInt();
        if (index == 99) {
            for (int i = 0; i < ParameterCount; ++i)
                SendRecord(i);
        } else if (index >= 0 && index < ParameterCount) {
            SendRecord(index);
        }
        break;
    }
    case State::WriteIndex: {
        Send(input);
        bool ok = false;
        const int index = input.toInt(&ok);
        if (index != 99) {
            m_writeIndex = ok && index >= 0 && index < ParameterCount ? index : -1;
            Expect(State::WriteRecord, 0);
        }
        break;
    }
    case State::WriteRecord: {
        const QList<QByteArray> fields = input.split(';');
        if (m_writeIndex >= 0)
            StoreValue(m_writeIndex, fields.value(1));
        Send(LineEnd);
        break;
    }
    case State::TimeHour:
        m_pendingHour = input.toInt();
        Send(":");
        Expect(State::TimeMinute, 2);
        break;
    case State::TimeMinute: {
        const QDateTime now = Clock();
        SetClock(QDateTime(now.date(), QTime(m_pendingHour, input.toInt())));
        Send(LineEnd);
        break;
    }
    case State::DateDay:
        m_pendingDay = input.toInt();
        Send("/");
        Expect(State::DateMonth, 2);
        break;
    case State::DateMonth:
        m_pendingMonth = input.toInt();
        Send("/");
        Expect(State::DateYear, 2);
        break;
    case State::DateYear: {
        const QDateTime now = Clock();
        SetClock(QDateTime(QDate(2000 + input.toInt(), m_pendingMonth, m_pendingDay), now.time()));
        Send(LineEnd);
        break;
    }
    case State::DirectoryStart:
        Send(LineEnd);
        SendDirectory();
        break;
    case State::SelectNumber: {
        const int number = input.toInt();
        m_selected = -1;
        for (std::size_t i = 0; i < m_memory.acquisitions.size(); ++i) {
            if (m_memory.acquisitions[i].number == number)
                m_selected = int(i);
        }
        m_nextMeasurement = 0;
        m_lostEchoesLeft = m_faults.lostEchoCount;
        Send(LineEnd);
        break;
    }
    case State::SpectraWanted:
        m_spectraWanted = input == "1";
        m_nextMeasurement = 0;
        Send(LineEnd);
        break;
    }
}

void Instrument::Command(const QByteArray& command) {
    if (command == "ID") {
        Send("ID" + m_faults.identification + LineEnd);
    } else if (command == "SL") {
        Send("SL" + LineEnd);
    } else if (command == "RV") {
        Send("RV" + m_memory.version.leftJustified(6, ' ', true) + LineEnd);
    } else if (command == "RH") {
        Send(command);
        Expect(State::ReadIndex, 2);
    } else if (command == "SH") {
        Send(command);
        Expect(State::WriteIndex, 2);
    } else if (command == "SM") {
        Send(EraseBanner);
        m_erasePosition = 0;
        m_eraseTimer.start();
    } else if (command == "RD") {
        const QByteArray date = m_faults.dateReply.isEmpty()
                                    ? Clock().toString(QStringLiteral("dd/MM/yy")).toLatin1()
                                    : m_faults.dateReply;
        Send("RD" + date + LineEnd);
    } else if (command == "RT") {
        Send("RT" + Clock().toString(QStringLiteral("HH:mm:ss")).toLatin1() + LineEnd);
    } else if (command == "ST") {
        Send(command);
        Expect(State::TimeHour, 2);
    } else if (command == "SD") {
        Send(command);
        Expect(State::DateDay, 2);
    } else if (command == "RN") {
        const int total = m_memory.MeasurementTotal();
        Send("RN" + LineEnd + QByteArray::number(total) + LineEnd +
             QByteArray::number(qulonglong(m_memory.acquisitions.size())) + LineEnd +
             QByteArray::number(std::max(m_memory.capacity - total, 0)) + LineEnd);
    } else if (command == "RI") {
        Send(command);
        Expect(State::DirectoryStart, 1);
    } else if (command == "SP") {
        Send(command);
        Expect(State::SelectNumber, 5);
    } else if (command == "SS") {
        Send(command);
        Expect(State::SpectraWanted, 1);
    } else if (command == "RP") {
        SendMeasurement();
    } else {
        // Out of step: drop one byte and look for a command again.
        m_input = command.mid(1);
    }
}

void Instrument::SendRecord(int index) {
    Send(ParameterNames()[std::size_t(index)].toLatin1() + ';' +
         m_memory.parameters[std::size_t(index)] + ';' + LineEnd);
}

void Instrument::SendDirectory() {
    QByteArray directory;
    for (const StoredAcquisition& acquisition : m_memory.acquisitions)
        directory += DirectoryEntry(acquisition) + LineEnd;
    Send(directory + LineEnd);
}

void Instrument::SendMeasurement() {
    if (m_selected < 0)
        return;
    const StoredAcquisition& acquisition = m_memory.acquisitions[std::size_t(m_selected)];
    if (m_nextMeasurement >= int(acquisition.measurements.size()))
        return;
    const int number = m_nextMeasurement + 1;
    if (m_faults.lostEchoAt == number && m_lostEchoesLeft > 0) {
        --m_lostEchoesLeft;
        return;
    }
    const StoredMeasurement& measurement = acquisition.measurements[std::size_t(m_nextMeasurement)];
    QByteArray reply = "RP" + LineEnd;
    if (m_spectraWanted) {
        quint16 sum = 0;
        for (const quint16 count : measurement.spectrum) {
            AppendBigEndian16(reply, count);
            sum = quint16(sum + count);
        }
        if (m_faults.spectrumChecksumErrorAt == number)
            sum = quint16(sum + 1);
        AppendBigEndian16(reply, sum);
    }
    quint16 headerSum = 0;
    for (const char byte : measurement.header)
        headerSum = quint16(headerSum + quint8(byte));
    if (m_faults.headerChecksumErrorAt == number)
        headerSum = quint16(headerSum + 1);
    reply += measurement.header;
    AppendBigEndian16(reply, headerSum);
    reply += MeasurementTrailer;
    ++m_nextMeasurement;
    Send(reply);
}

void Instrument::StoreValue(int index, const QByteArray& value) {
    const QByteArray stored = m_faults.reformatValues ? FirmwareForm(value) : value;
    m_memory.parameters[std::size_t(index)] = m_faults.lowerCaseValues ? stored.toLower() : stored;
}

void Instrument::EraseStep() {
    Send(QByteArray::number(m_erasePosition).rightJustified(3, '0') + '\r');
    if (++m_erasePosition < EraseSteps)
        return;
    m_eraseTimer.stop();
    m_memory.acquisitions.clear();
    Send("\n");
}

} // namespace sim
