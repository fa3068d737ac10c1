// What one reading of a profile file gives: files that are not regular files,
// a byte-order mark, and several keys written at once.

#include "config/parameterfile.h"
#include "settings/profile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

class TestProfileFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void notARegularFile_data();
    void notARegularFile();
    void ovraStartsBesideAPipe();
    void byteOrderMark_data();
    void byteOrderMark();
    void severalKeysAsOneAtATime_data();
    void severalKeysAsOneAtATime();

private:
    QTemporaryDir m_dir;
};

void TestProfileFile::initTestCase() {
    QVERIFY(m_dir.isValid());
    QCOMPARE(mkfifo(QFile::encodeName(m_dir.filePath(QStringLiteral("fifo"))).constData(), 0600),
             0);
}

void TestProfileFile::notARegularFile_data() {
    QTest::addColumn<QString>("path");
    // Each would never end, or not open as a file: read as it is, each would hang.
    QTest::newRow("endless device") << QStringLiteral("/dev/zero");
    QTest::newRow("pipe with no writer") << m_dir.filePath(QStringLiteral("fifo"));
    QTest::newRow("directory") << m_dir.path();
}

void TestProfileFile::notARegularFile() {
    QFETCH(QString, path);
    const ProfileFile profile = ProfileFile::Read(path);
    QVERIFY(!profile.Readable());
    QCOMPARE(profile.String(QStringLiteral("Parameters"), QStringLiteral("1"),
                            QStringLiteral("default")),
             QStringLiteral("default"));
    const ParameterFileContent content = LoadParameterFile(path);
    QVERIFY(!content.readable);
    QString reason;
    QVERIFY(!SaveParameterFile(path, content.values, &reason));
    QVERIFY(!reason.isEmpty());
}

void TestProfileFile::ovraStartsBesideAPipe() {
    // ovra reads its language from ovra.ini before anything else.
    QTemporaryDir programDirectory;
    QVERIFY(programDirectory.isValid());
    QCOMPARE(
        mkfifo(QFile::encodeName(programDirectory.filePath(QStringLiteral("ovra.ini"))).constData(),
               0600),
        0);
    QProcess ovra;
    ovra.start(QStringLiteral(OVRA_BINARY_DIR "/ovra"),
               {QStringLiteral("--program-directory"), programDirectory.path(),
                QStringLiteral("--version")});
    QVERIFY(ovra.waitForFinished(60000));
    QCOMPARE(ovra.exitCode(), 0);
}

void TestProfileFile::byteOrderMark_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QByteArray>("after"); // once the key holds "v"

    QTest::newRow("first section found, mark kept")
        << QByteArray("\xEF\xBB\xBF[Communications]\r\nComNumberSerial=COM3\r\n")
        << "Communications"
        << "ComNumberSerial"
        << "COM3" << QByteArray("\xEF\xBB\xBF[Communications]\r\nComNumberSerial=v\r\n");
    QTest::newRow("new key in the first section")
        << QByteArray("\xEF\xBB\xBF[Parameters]\r\n1=a\r\n") << "Parameters"
        << "2"
        << "" << QByteArray("\xEF\xBB\xBF[Parameters]\r\n1=a\r\n2=v\r\n");
    QTest::newRow("mark alone: the section follows it")
        << QByteArray("\xEF\xBB\xBF") << "S"
        << "k"
        << "" << QByteArray("\xEF\xBB\xBF[S]\r\nk=v\r\n");
    QTest::newRow("a mark after the start is text")
        << QByteArray("\r\n\xEF\xBB\xBF[S]\r\nk=1\r\n") << "S"
        << "k"
        << "" << QByteArray("\r\n\xEF\xBB\xBF[S]\r\nk=1\r\n[S]\r\nk=v\r\n");
}

void TestProfileFile::byteOrderMark() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, read);
    QFETCH(QByteArray, after);
    const QString path = m_dir.filePath(QStringLiteral("mark.ini"));
    QVERIFY(WriteBytes(path, before));
    QCOMPARE(ReadProfileString(path, section, key, QString()), read);
    QVERIFY(WriteProfileString(path, section, key, QStringLiteral("v")));
    QCOMPARE(FileBytes(path), after);
}

void TestProfileFile::severalKeysAsOneAtATime_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("keysAndValues");

    const QByteArray sample = "; c\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n[A]\r\nz=3";
    QTest::newRow("replace, add, unchanged")
        << sample << QStringList{"x", "9", "n", "new", "X", "9"};
    QTest::newRow("new section after an open last line")
        << sample << QStringList{"p", "1", "q", "2"};
    QTest::newRow("key twice") << sample << QStringList{"n", "1", " N", "2"};
    QTest::newRow("a value that makes a key line")
        << sample << QStringList{"n", "1\r\nm=5", "m", "6"};
    QTest::newRow("a key with =") << sample << QStringList{"a=b", "1", "a", "2"};
    QTest::newRow("lone CR then LF")
        << QByteArray("[A]\rx=1\n\n[B]\n") << QStringList{"y", "2", "w", "3"};
    QTest::newRow("last line of the section without its end")
        << QByteArray("[B]\r\ny=1\r\n[A]\r\nx=1") << QStringList{"y", "2", "w", "3"};
}

void TestProfileFile::severalKeysAsOneAtATime() {
    QFETCH(QByteArray, before);
    QFETCH(QStringList, keysAndValues);
    const QString section = QStringLiteral("A");
    const QString each = m_dir.filePath(QStringLiteral("each.ini"));
    const QString together = m_dir.filePath(QStringLiteral("together.ini"));
    QVERIFY(WriteBytes(each, before));
    QVERIFY(WriteBytes(together, before));
    ProfileKeyValues keyValues;
    for (int i = 0; i + 1 < keysAndValues.size(); i += 2) {
        keyValues.emplace_back(keysAndValues[i], keysAndValues[i + 1]);
        QVERIFY(WriteProfileString(each, section, keysAndValues[i], keysAndValues[i + 1]));
    }
    QVERIFY(WriteProfileStrings(together, section, keyValues));
    QCOMPARE(FileBytes(together), FileBytes(each));
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "test_profilefile.moc"
