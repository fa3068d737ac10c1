// Writes the seed corpora of the fuzz targets (run by scripts/fuzz-seeds):
//   ovra_fuzz_seeds SAMPLE_DIRECTORY CORPUS_DIRECTORY
// measurementfile: the sample files; profile: settings files in the
// terminator styles met in the field; link: each action played against the
// simulated instrument, its replies recorded one chunk per write; replies:
// a directory entry, a measurement and the numbers cut from those replies.

#include "fuzzport.h"
#include "link/rs232.h"
#include "sim/simulatedport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <memory>

namespace {

// The simulated instrument behind a port that notes which write each
// arriving byte answers.
class RecordingPort : public SerialPort {
public:
    explicit RecordingPort(sim::InstrumentMemory memory)
        : m_port(std::move(memory)) {
        m_port.Device().SetEraseStepMs(1);
        connect(&m_port, &SerialPort::ReadyRead, this, [this] {
            const QByteArray bytes = m_port.Read(m_port.BytesWaiting());
            if (!m_replies.isEmpty())
                m_replies.last() += bytes;
            m_input += bytes;
            emit ReadyRead();
        });
    }
    bool Open(const QString& name) override { return m_port.Open(name); }
    void Close() override {
        m_port.Close();
        m_input.clear();
    }
    bool IsOpen() const override { return m_port.IsOpen(); }
    QString OpenErrorText() const override { return m_port.OpenErrorText(); }
    qint64 BytesWaiting() const override { return m_port.IsOpen() ? m_input.size() : -1; }
    void DiscardInput() override {
        m_port.DiscardInput();
        m_input.clear();
    }
    QByteArray Read(qint64 maxCount) override {
        const QByteArray bytes = m_input.left(qsizetype(maxCount));
        m_input.remove(0, bytes.size());
        return bytes;
    }
    bool Write(const QByteArray& bytes) override {
        m_writes.append(bytes);
        m_replies.append(QByteArray());
        return m_port.Write(bytes);
    }
    qint64 BytesToWrite() const override { return 0; }

    const QList<QByteArray>& Writes() const { return m_writes; }
    const QList<QByteArray>& Replies() const { return m_replies; }

private:
    sim::SimulatedPort m_port;
    QByteArray m_input;
    QList<QByteArray> m_writes;
    QList<QByteArray> m_replies;
};

bool Put(const QDir& directory, const QString& name, const QByteArray& bytes) {
    QFile file(directory.filePath(name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

sim::InstrumentMemory Memory() {
    sim::InstrumentMemory memory = sim::GeneratedMemory(2, 3, 7);
    memory.clock = QDateTime(QDate(2026, 12, 9), QTime(11, 54));
    return memory;
}

// One action of the link (numbered as the link target numbers them) against
// the simulator; what each write got back.
QList<QByteArray> Record(int action, QList<QByteArray>* writes = nullptr) {
    Context context;
    auto owned = std::make_unique<RecordingPort>(Memory());
    RecordingPort* port = owned.get();
    TFormRS232 link(context, std::move(owned));
    link.SetTimeScale(0.01);
    if (link.Connect()) {
        switch (action) {
        case 1:
            link.ReadParameters();
            break;
        case 2:
            link.WriteParameters();
            break;
        case 3:
            link.EraseMeasurements();
            break;
        case 4:
            link.ReadInstrumentClock();
            break;
        case 5:
            link.WriteInstrumentClock(QStringLiteral("09/12/2026 11:54"));
            break;
        case 6:
        case 7:
            if (link.ReadMemoryCounts() && link.ReadAcquisitionDirectory() && action == 7) {
                link.Disconnect();
                if (link.Connect())
                    link.ReadAcquisition(1);
            }
            break;
        }
        link.Disconnect();
    }
    if (writes)
        *writes = port->Writes();
    return port->Replies();
}

QByteArray LinkSeed(int action) {
    QByteArray seed;
    seed.append(char(action)).append(char(1));
    for (const QByteArray& reply : Record(action))
        seed += fuzz::FuzzPort::Chunk(reply);
    return seed;
}

// The reply to the first write equal to `command`.
QByteArray ReplyTo(int action, const QByteArray& command) {
    QList<QByteArray> writes;
    const QList<QByteArray> replies = Record(action, &writes);
    const qsizetype at = writes.indexOf(command);
    return at < 0 ? QByteArray() : replies.value(at);
}

QByteArray ProfileSeed(const QByteArray& section, const QByteArray& key, const QByteArray& value,
                       const QByteArray& otherSection, const QByteArray& otherKey,
                       const QByteArray& file) {
    QByteArray seed;
    for (const QByteArray* text : {&section, &key, &value, &otherSection, &otherKey})
        seed.append(char(text->size()));
    return seed + section + key + value + otherSection + otherKey + file;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: ovra_fuzz_seeds SAMPLE_DIRECTORY CORPUS_DIRECTORY\n";
        return 2;
    }
    const QDir samples(args[1]);
    const QDir corpus(args[2]);
    for (const char* target : {"measurementfile", "profile", "replies", "link", "parameterfile"})
        corpus.mkpath(QLatin1String(target));
    bool ok = true;

    const QDir files(corpus.filePath(QStringLiteral("measurementfile")));
    for (const QString& name : samples.entryList({QStringLiteral("*.ovra")}, QDir::Files)) {
        QFile sample(samples.filePath(name));
        ok = sample.open(QIODevice::ReadOnly) && Put(files, name, sample.readAll()) && ok;
    }

    const QDir profiles(corpus.filePath(QStringLiteral("profile")));
    const QByteArray settings =
        "[LANGUAGE]\r\nLangue=English\r\n\r\n[DIRECTORY]\r\nDefault=C:\\\r\n"
        "Mode=0\r\n\r\n[DISPLAY]\r\nmaximise=0\r\nlargeur=1024\r\n";
    ok = Put(profiles, QStringLiteral("replace"),
             ProfileSeed("DIRECTORY", "Mode", "1", "DISPLAY", "largeur", settings)) &&
         ok;
    ok = Put(profiles, QStringLiteral("insert"),
             ProfileSeed("directory", "Latest", "/home/user", "DIRECTORY", "Mode", settings)) &&
         ok;
    ok = Put(profiles, QStringLiteral("newsection"),
             ProfileSeed("Communications", "ComNumberSerial", "/dev/ttyUSB0", "LANGUAGE", "Langue",
                         QByteArray(settings).replace("\r\n", "\n"))) &&
         ok;
    ok = Put(profiles, QStringLiteral("unterminated"),
             ProfileSeed("Parameters", "12", "63", "CONFIG", "3",
                         "; comment\r[Parameters]\r1=0\r[CONFIG]\r3=x")) &&
         ok;
    ok = Put(profiles, QStringLiteral("empty"),
             ProfileSeed("DISPLAY", "hauteur", "600", "", "", ""));

    // A parameter file as the configuration window saves it, one with keys
    // missing among other sections, and one with LF ends and a comment's TAB.
    const QDir parameters(corpus.filePath(QStringLiteral("parameterfile")));
    QByteArray full = "[Parameters]\r\n";
    for (int i = 1; i <= ParameterCount; ++i)
        full += QByteArray::number(i) + '=' + QByteArray::number(i * 3 % 17) + "\r\n";
    ok = Put(parameters, QStringLiteral("full.par"), full) && ok;
    ok = Put(parameters, QStringLiteral("partial.par"),
             "; saved by hand\r\n[Other]\r\n1=x\r\n\r\n[parameters]\r\n 1 = 12\r\n7=0\r\n"
             "64=Mesure\tcave\r\n") &&
         ok;
    ok = Put(parameters, QStringLiteral("unix.par"),
             QByteArray(full).replace("\r\n", "\n").replace("=5\n", "=5\tcomment\n")) &&
         ok;

    const QDir link(corpus.filePath(QStringLiteral("link")));
    const char* const actions[] = {"connect",   "readparameters", "writeparameters", "erase",
                                   "readclock", "writeclock",     "directory",       "download"};
    for (int action = 0; action < 8; ++action)
        ok = Put(link, QLatin1String(actions[action]), LinkSeed(action)) && ok;

    // A directory entry, a measurement (its echo and leading bytes cut
    // off), a download's progress and a count line.
    const QByteArray directory = ReplyTo(7, "0");
    const QByteArray measurement = ReplyTo(7, "RP").mid(4);
    const QByteArray progress("\x00\x00\x00\x00\x00\x00\x2e\xe0\x00\x00\x00\x03\x00\x00\x00\x01",
                              16);
    const QDir replies(corpus.filePath(QStringLiteral("replies")));
    ok = directory.size() >= 34 && measurement.size() >= 256 + 2 + 64 && ok;
    ok = Put(replies, QStringLiteral("download"),
             directory.mid(2, 32) + measurement.left(256 + 2 + 64) + progress + "063\r") &&
         ok;
    if (!ok)
        err << "some seeds could not be made\n";
    return ok ? 0 : 1;
}
