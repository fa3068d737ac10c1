// Every writer on a disk that takes fewer bytes than it is given: the writer
// says so with the system's reason, the previous file keeps its bytes and no
// other file is left beside it. A size limit on the process stands for the
// full disk; the files are below and above Qt's 16 KiB write buffer, where a
// failing flush used to pass unseen.

#include "config/parameterfile.h"
#include "data/checkedwrite.h"
#include "data/fichiers.h"
#include "settings/profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>

namespace {

// Writes about `bytes` bytes to the path, at most `limit` of them reaching
// it (no limit when 0); gives the failure's text, empty on success.
using Writer = std::function<QString(const QString& path, int bytes, int limit)>;

const QByteArray PreviousBytes = "[Parameters]\r\n1=previous\r\n";

Session SessionOfAbout(int bytes) {
    Session session;
    session.SoftwareVersion = QStringLiteral("OV2.07");
    session.StartText = QStringLiteral("15/03/2011 14:30");
    session.Method = QStringLiteral("Thomas");
    session.SpectraAvailable = true;
    session.MeasurementCount = bytes / (ChannelCount * 6) + 1; // five digits and a TAB a count
    session.Spectra.assign(std::size_t(session.MeasurementCount) * ChannelCount, 12345);
    return session;
}

// The process (and the programs it starts) may write at most `bytes` bytes
// to a file while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(int bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        if (bytes > 0)
            limit.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }

private:
    rlimit m_previous{};
};

QString OvraExport(const QString& path, int bytes, int limit) {
    const QString input = path + QStringLiteral(".input.ovra");
    if (!WriteMeasurementFile(input, SessionOfAbout(bytes)).Ok())
        return QStringLiteral("input not written");
    QProcess ovra;
    const FileSizeLimit fileSizeLimit(limit); // inherited by ovra
    ovra.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"),
               {QStringLiteral("export"), input, QStringLiteral("--csv"), QStringLiteral("-o"),
                path, QStringLiteral("--force")});
    const bool ended = ovra.waitForFinished(60000);
    QFile::remove(input);
    if (!ended)
        return QStringLiteral("ovra did not end");
    return ovra.exitCode() == 0 ? QString() : QString::fromUtf8(ovra.readAllStandardError());
}

} // namespace

Q_DECLARE_METATYPE(Writer)

class TestCheckedWrite : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void failedWriteKeepsThePreviousFile_data();
    void failedWriteKeepsThePreviousFile();
};

void TestCheckedWrite::initTestCase() {
    // Past the limit, a write fails with EFBIG instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
}

void TestCheckedWrite::failedWriteKeepsThePreviousFile_data() {
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("limit");

    const Writer helper = [](const QString& path, int bytes, int limit) {
        const QByteArray content(bytes, 'x');
        const FileSizeLimit fileSizeLimit(limit);
        return WriteFileChecked(path, content).reason;
    };
    const Writer measurements = [](const QString& path, int bytes, int limit) {
        const Session session = SessionOfAbout(bytes);
        const FileSizeLimit fileSizeLimit(limit);
        return WriteMeasurementFile(path, session).message;
    };
    const Writer profile = [](const QString& path, int bytes, int limit) {
        const FileSizeLimit fileSizeLimit(limit);
        QString reason;
        WriteProfileStrings(path, QStringLiteral("Parameters"),
                            {{QStringLiteral("1"), QString(bytes, QLatin1Char('v'))}}, &reason);
        return reason;
    };
    const Writer parameters = [](const QString& path, int bytes, int limit) {
        ParameterSet values;
        for (QString& value : values)
            value = QString(bytes / ParameterCount, QLatin1Char('p'));
        const FileSizeLimit fileSizeLimit(limit);
        QString reason;
        SaveParameterFile(path, values, &reason);
        return reason;
    };
    const struct {
        const char* name;
        Writer writer;
    } writers[] = {{"helper", helper},
                   {"measurement file", measurements},
                   {"profile", profile},
                   {"parameter file", parameters},
                   {"ovra export --csv", OvraExport}};
    for (const auto& [name, writer] : writers) {
        QTest::addRow("%s, below 16 KiB", name) << writer << 10000 << 4096;
        QTest::addRow("%s, above 16 KiB", name) << writer << 60000 << 20000;
    }
}

void TestCheckedWrite::failedWriteKeepsThePreviousFile() {
    QFETCH(Writer, writer);
    QFETCH(int, bytes);
    QFETCH(int, limit);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("target"));
    {
        QFile previous(path);
        QVERIFY(previous.open(QIODevice::WriteOnly));
        QCOMPARE(previous.write(PreviousBytes), PreviousBytes.size());
    }

    const QString failure = writer(path, bytes, limit);
    QVERIFY2(failure.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(failure));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), PreviousBytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("target")});

    // Without the limit the same write goes through: the limit made it fail.
    QCOMPARE(writer(path, bytes, 0), QString());
    QVERIFY(QFileInfo(path).size() > limit);
}

QTEST_GUILESS_MAIN(TestCheckedWrite)
#include "test_checkedwrite.moc"
