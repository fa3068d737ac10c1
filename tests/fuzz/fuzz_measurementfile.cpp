// The measurement-file reader on any bytes. A file it accepts is written,
// read and written again, in memory: both writes give the same bytes and the
// readings the same session. A file it refuses leaves the session as it was.
// What the reader holds at once stays within a bound proportional to the
// file. The accepted session is written once more to a device that fails
// after a number of bytes the input's last two bytes pick: that write fails
// with a reason unless every byte got through.

#include "fuzzsupport.h"

#include "data/fichiers.h"

#include <QBuffer>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// Every data field is set, so a refusal that touched any of them shows.
// Made once: copies share its texts, and the run spends its time on the reader.
const Session& Sentinel() {
    static const Session sentinel = [] {
        Session session;
        session.SoftwareVersion = QStringLiteral("sentinel");
        for (int i = 0; i < ParameterCount; ++i) {
            session.Parameters[i] = QString::number(i);
            session.SavedParameters[i] = QStringLiteral("saved %1").arg(i);
        }
        session.StartText = QStringLiteral("01/02/2003 04:05");
        session.Method = QStringLiteral("Thomas");
        session.MeasurementCount = 1;
        session.Volume = 1.5;
        session.Eapv = 2.5;
        session.SpectraAvailable = true;
        session.Spectra.assign(ChannelCount, 7);
        session.SessionState = SessionSaved;
        session.FileName = QStringLiteral("sentinel.ovra");
        return session;
    }();
    return sentinel;
}

bool SameNumber(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

bool SameText(const Session& a, const Session& b) {
    return a.SoftwareVersion == b.SoftwareVersion && a.Parameters == b.Parameters &&
           a.StartText == b.StartText && a.Method == b.Method &&
           a.MeasurementCount == b.MeasurementCount && a.SpectraAvailable == b.SpectraAvailable &&
           a.Spectra == b.Spectra;
}

bool Same(const Session& a, const Session& b) {
    return SameText(a, b) && SameNumber(a.Volume, b.Volume) && SameNumber(a.Eapv, b.Eapv) &&
           a.SavedParameters == b.SavedParameters && a.SessionState == b.SessionState &&
           a.FileName == b.FileName;
}

// The line buffer, the texts of the header and four bytes of counts for each
// byte of the file; a file whose spectra are unavailable may announce as
// many measurements as the instrument can hold, each one 128 zero counts.
std::size_t AllocationBound(std::size_t fileBytes, const Session& read, bool accepted) {
    std::size_t bound = 2 * 1024 * 1024 + 16 * fileBytes;
    if (accepted && !read.SpectraAvailable)
        bound += std::size_t(read.MeasurementCount) * ChannelCount * sizeof(qint32);
    return bound;
}

// A device that takes `capacity` bytes and refuses the rest, as a full disk does.
class FillingDevice : public QBuffer {
public:
    explicit FillingDevice(qint64 capacity)
        : m_capacity(capacity) {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 writeData(const char* data, qint64 length) override {
        const qint64 room = m_capacity - size();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        return QBuffer::writeData(data, std::min(length, room));
    }

private:
    qint64 m_capacity;
};

FileOutcome ReadBytes(const QByteArray& bytes, Session& session) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadMeasurementFile(buffer, QStringLiteral("input.ovra"), session);
}

QByteArray WrittenBytes(const Session& session, FileOutcome& outcome) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    outcome = WriteMeasurementFile(buffer, session, QStringLiteral("output.ovra"));
    return buffer.data();
}

void CheckFullDevice(const Session& session, const QByteArray& whole, const QByteArray& input) {
    const qint64 pick =
        input.size() >= 2 ? (quint8(input[input.size() - 2]) << 8) | quint8(input.back()) : 0;
    FillingDevice device(pick % (whole.size() + 1));
    const FileOutcome outcome = WriteMeasurementFile(device, session, QStringLiteral("full.ovra"));
    if (device.size() < whole.size()) {
        fuzz::Check(!outcome.Ok() && !outcome.message.isEmpty(),
                    "a write that did not get through says nothing");
    } else {
        fuzz::Check(outcome.Ok() && device.data() == whole, "a write with room enough failed");
    }
}

// A file with unavailable spectra may announce up to 65,535 measurements,
// 33 MB of zero counts, at no cost to the fuzzer: inputs bred into that corner
// would each spend milliseconds filling memory and find nothing new. The
// limit itself is a unit test's. The count is the third line after the
// "MESURES" head that follows the parameters, as the reader finds it.
constexpr qint64 AnnouncedCountLimit = 1000;

bool AnnouncesTooMany(const QByteArray& file) {
    const QList<QByteArray> lines = file.split('\n');
    const auto find = [&lines](const char* head, qsizetype from) {
        for (qsizetype i = from; i < lines.size(); ++i) {
            if (lines[i].contains(head))
                return i;
        }
        return lines.size();
    };
    const qsizetype parameters = find("PARAMETRES", find("VERSION", 0) + 2);
    const qsizetype countLine = find("MESURES", parameters + 1 + ParameterCount) + 3;
    if (countLine >= lines.size())
        return false;
    for (const QByteArray& field : lines[countLine].trimmed().split('\t')) {
        if (std::abs(field.trimmed().toLongLong()) > AnnouncedCountLimit)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::EnsureApplication();
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    if (AnnouncesTooMany(input))
        return 0;

    const Session& before = Sentinel();
    Session session = before;
    fuzz::AllocationGauge gauge;
    gauge.Start();
    const FileOutcome outcome = ReadBytes(input, session);
    const std::size_t held = gauge.Stop();
    fuzz::Check(held <= AllocationBound(size, session, outcome.Ok()),
                "the reader held more memory than the file justifies",
                QStringLiteral("%1 bytes for a file of %2").arg(held).arg(size));

    if (!outcome.Ok()) {
        fuzz::Check(Same(session, before), "a refused file changed the session");
        fuzz::Check(outcome.kind == FileOutcome::Rejected || !outcome.message.isEmpty(),
                    "a failed read says nothing");
        return 0;
    }
    fuzz::Check(session.SavedParameters == before.SavedParameters &&
                    session.SessionState == before.SessionState &&
                    session.FileName == before.FileName,
                "reading a file touched the session's state");
    fuzz::Check(session.MeasurementCount >= 0 &&
                    session.Spectra.size() == std::size_t(session.MeasurementCount) * ChannelCount,
                "the spectra do not match the measurement count");

    FileOutcome written;
    const QByteArray first = WrittenBytes(session, written);
    fuzz::Check(written.Ok(), "an accepted session cannot be written", written.message);
    Session reread = Sentinel();
    const FileOutcome readBack = ReadBytes(first, reread);
    fuzz::Check(readBack.Ok(), "a written file does not read back", readBack.message);
    // The decimals are rounded by the first write; everything else is exact.
    fuzz::Check(SameText(reread, session), "a written file reads back different");
    const QByteArray second = WrittenBytes(reread, written);
    fuzz::Check(written.Ok(), "a read-back session cannot be written");
    fuzz::Check(first == second, "writing the read-back session gives other bytes");
    Session third = Sentinel();
    fuzz::Check(ReadBytes(second, third).Ok() && Same(third, reread),
                "the second write reads back different");
    CheckFullDevice(reread, second, input);
    return 0;
}
