// Profile files (ovra.ini, .par) and the settings keys on top of them.

#include "config/parameterfile.h"
#include "settings/profile.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(const SettingKey*)

namespace {

// Comments, blank lines, several sections, CR LF, a TAB and a backslash in
// values, blanks around "=", a Windows-1252 line and a UTF-8 line, a value that
// is not an integer.
const QByteArray Sample = "; OvraView2\r\n"
                          "\r\n"
                          "[LANGUAGE]\r\n"
                          "Langue=Francais\r\n"
                          "\r\n"
                          "[Directory]\r\n"
                          "default = /data/mesures \r\n"
                          "Latest=C:\\Mesures\\2011\\\r\n"
                          "Mode=1x\r\n"
                          "Path=a=b\r\n"
                          "\r\n"
                          "[Parameters]\r\n"
                          ";1=commented out\r\n"
                          "64=ligne 1\tligne 2\t\r\n"
                          "[ CONFIG ]\r\n"
                          "0=Pompe d\xE9marr\xE9"
                          "e\r\n"
                          "1=Pompe arr\xC3\xAAt\xC3\xA9"
                          "e\r\n"
                          "[DISPLAY]\r\n"
                          "largeur= 800\r\n"
                          "hauteur=-5\r\n"
                          "abscisse=99999999999\r\n"
                          "[Parameters]\r\n"
                          "2=second section of the same name\r\n";

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

class TestProfile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void readString_data();
    void readString();
    void readInt_data();
    void readInt();
    void write_data();
    void write();
    void writeCreatesTheFile();
    void refusedWriteChangesNothing();
    void settingKeys_data();
    void settingKeys();
    void settingsFileIsNamedAtEachAccess();
    void programDirectory();
    void notARegularFile_data();
    void notARegularFile();
    void ovraStartsBesideAPipe();
    void byteOrderMark_data();
    void byteOrderMark();
    void severalKeysAsOneAtATime_data();
    void severalKeysAsOneAtATime();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestProfile::initTestCase() {
    QVERIFY(m_dir.isValid());
    // Before any QSettings: the system store's location is fixed at first use.
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_dir.filePath(QStringLiteral("xdg"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("home-config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("home-data"))));
    m_path = m_dir.filePath(QStringLiteral("ovra.ini"));
}

void TestProfile::init() {
    QVERIFY(WriteBytes(m_path, Sample));
}

void TestProfile::readString_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "LANGUAGE"
                           << "Langue"
                           << "Francais";
    QTest::newRow("section and key in any case") << "language"
                                                 << "LANGUE"
                                                 << "Francais";
    QTest::newRow("blanks around = and at the end go") << "DIRECTORY"
                                                       << "Default"
                                                       << "/data/mesures";
    QTest::newRow("backslashes stay") << "DIRECTORY"
                                      << "Latest"
                                      << "C:\\Mesures\\2011\\";
    QTest::newRow("value holding =") << "DIRECTORY"
                                     << "Path"
                                     << "a=b";
    QTest::newRow("TABs stay, also the last") << "Parameters"
                                              << "64"
                                              << "ligne 1\tligne 2\t";
    QTest::newRow("commented key is missing") << "Parameters"
                                              << "1"
                                              << "<default>";
    QTest::newRow("first section of a name only") << "Parameters"
                                                  << "2"
                                                  << "<default>";
    QTest::newRow("blanks inside brackets") << "CONFIG"
                                            << "0"
                                            << "Pompe d\u00e9marr\u00e9e";
    QTest::newRow("UTF-8 line beside a Windows-1252 one") << "CONFIG"
                                                          << "1"
                                                          << "Pompe arr\u00eat\u00e9e";
    QTest::newRow("key of another section") << "LANGUAGE"
                                            << "Mode"
                                            << "<default>";
    QTest::newRow("missing section") << "Communications"
                                     << "ComNumberSerial"
                                     << "<default>";
    QTest::newRow("comment is no key") << "LANGUAGE"
                                       << "; OvraView2"
                                       << "<default>";
}

void TestProfile::readString() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(ReadProfileString(m_path, section, key, QStringLiteral("<default>")), expected);
}

void TestProfile::readInt_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("blank before the number") << "DISPLAY"
                                             << "largeur" << 800;
    QTest::newRow("negative") << "DISPLAY"
                              << "hauteur" << -5;
    QTest::newRow("not an integer") << "DIRECTORY"
                                    << "Mode" << 77;
    QTest::newRow("beyond 32 bits") << "DISPLAY"
                                    << "abscisse" << 77;
    QTest::newRow("text") << "LANGUAGE"
                          << "Langue" << 77;
    QTest::newRow("missing") << "DISPLAY"
                             << "ordonnee" << 77;
}

void TestProfile::readInt() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(int, expected);
    QCOMPARE(ReadProfileInt(m_path, section, key, 77), expected);
}

void TestProfile::write_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QByteArray replaced = Sample;
    replaced.replace("Langue=Francais", "Langue=English");
    QTest::newRow("replace keeps the key's spelling") << Sample << "language"
                                                      << "LANGUE"
                                                      << "English" << replaced;

    // Lines are written in the system's own encoding.
    replaced = Sample;
#ifdef Q_OS_WIN
    replaced.replace("default = /data/mesures ", "default=C:\\d\xE9p\xF4t\\");
#else
    replaced.replace("default = /data/mesures ", "default=C:\\d\xC3\xA9p\xC3\xB4t\\");
#endif
    QTest::newRow("replace with backslashes and accents") << Sample << "DIRECTORY"
                                                          << "DEFAULT"
                                                          << "C:\\d\u00e9p\u00f4t\\" << replaced;

#ifndef Q_OS_WIN
    replaced = Sample;
    replaced.replace("Latest=C:\\Mesures\\2011\\",
                     "Latest=/home/\xD0\xB8\xD0\xB2\xD0\xB0\xD0\xBD/\xCE\xB1");
    QTest::newRow("Cyrillic and Greek path") << Sample << "DIRECTORY"
                                             << "Latest"
                                             << "/home/\u0438\u0432\u0430\u043d/\u03b1" << replaced;

    QTest::newRow("Windows-1252 line rewritten whole in UTF-8")
        << QByteArray("[S]\r\ncl\xE9=\xE9t\xE9\r\nz=\xE0\r\n") << "S"
        << "cl\u00e9"
        << "\u0416" << QByteArray("[S]\r\ncl\xC3\xA9=\xD0\x96\r\nz=\xE0\r\n");
#endif

    // Names lose blanks and TABs only, on the file's side as on the caller's.
    QTest::newRow("vertical tab before a key") << QByteArray("[A]\r\n\x0Bk=1\r\n") << "A"
                                               << "\x0Bk"
                                               << "2" << QByteArray("[A]\r\n\x0Bk=2\r\n");
    QTest::newRow("form feed after a key, blanks around it")
        << QByteArray("[A]\r\n k\x0C =1\r\n") << "A"
        << "k\x0C\t"
        << "2" << QByteArray("[A]\r\nk\x0C=2\r\n");
    QTest::newRow("no-break space in a section name")
        << QByteArray("[\xA0S]\r\nk=1\r\n") << "\u00a0S"
        << "k"
        << "2" << QByteArray("[\xA0S]\r\nk=2\r\n");

    replaced = Sample;
    replaced.replace("64=ligne 1\tligne 2\t", "64=a\tb");
    QTest::newRow("replace with a TAB") << Sample << "Parameters"
                                        << "64"
                                        << "a\tb" << replaced;

    QTest::newRow("same value leaves the file as it is") << Sample << "LANGUAGE"
                                                         << "Langue"
                                                         << "Francais" << Sample;

    replaced = Sample;
    replaced.replace("Path=a=b\r\n", "Path=a=b\r\nNew=1\r\n");
    QTest::newRow("new key after the section's last line, before its blank line")
        << Sample << "Directory"
        << "New"
        << "1" << replaced;

    replaced = Sample;
    replaced.replace("64=ligne 1\tligne 2\t\r\n", "64=ligne 1\tligne 2\t\r\n3=x\r\n");
    QTest::newRow("new key in the first section of a name") << Sample << "Parameters"
                                                            << "3"
                                                            << "x" << replaced;

    QTest::newRow("new section at the end")
        << Sample << "Communications"
        << "ComNumberSerial"
        << "COM3" << Sample + "[Communications]\r\nComNumberSerial=COM3\r\n";

    QTest::newRow("last line without its end") << QByteArray("[A]\r\nx=1") << "A"
                                               << "y"
                                               << "2" << QByteArray("[A]\r\nx=1\r\ny=2\r\n");

    QTest::newRow("LF file gets LF lines") << QByteArray("[A]\nx=1\n") << "B"
                                           << "y"
                                           << "2" << QByteArray("[A]\nx=1\n[B]\ny=2\n");

    QTest::newRow("lone CR first, LF after: the blank line stays")
        << QByteArray("[A]\rx=1\n\n[B]\n") << "A"
        << "y"
        << "2" << QByteArray("[A]\rx=1\ny=2\n\n[B]\n");

    QTest::newRow("empty file") << QByteArray() << "S"
                                << "k"
                                << "v" << QByteArray("[S]\r\nk=v\r\n");
}

void TestProfile::write() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    QVERIFY(WriteBytes(m_path, before));
    QVERIFY(WriteProfileString(m_path, section, key, value));
    QCOMPARE(FileBytes(m_path), after);
    QCOMPARE(ReadProfileString(m_path, section, key, QString()), value);
}

void TestProfile::writeCreatesTheFile() {
    const QString path = m_dir.filePath(QStringLiteral("new.par"));
    QVERIFY(WriteProfileString(path, QStringLiteral("Parameters"), QStringLiteral("1"),
                               QStringLiteral("OV-1")));
    QVERIFY(WriteProfileString(path, QStringLiteral("Parameters"), QStringLiteral("2"),
                               QStringLiteral("2")));
    QCOMPARE(FileBytes(path), QByteArray("[Parameters]\r\n1=OV-1\r\n2=2\r\n"));
}

void TestProfile::refusedWriteChangesNothing() {
    const QString nowhere = m_dir.filePath(QStringLiteral("no/such/dir/ovra.ini"));
    QVERIFY(!WriteProfileString(nowhere, QStringLiteral("A"), QStringLiteral("b"),
                                QStringLiteral("c")));
    QVERIFY(!QFile::exists(nowhere));
    // A directory where the file should be: neither read nor written.
    QVERIFY(!WriteProfileString(m_dir.path(), QStringLiteral("A"), QStringLiteral("b"),
                                QStringLiteral("c")));
    QCOMPARE(ReadProfileString(m_dir.path(), QStringLiteral("A"), QStringLiteral("b"),
                               QStringLiteral("d")),
             QStringLiteral("d"));
}

void TestProfile::settingKeys_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("defaultValue");
    QTest::addColumn<const SettingKey*>("setting");
    using namespace SettingKeys;
    const QString home = DefaultDataDirectory();
    QTest::newRow("Langue") << "LANGUAGE"
                            << "Langue"
                            << "English" << &Langue;
    QTest::newRow("Default") << "DIRECTORY"
                             << "Default" << home << &DirectoryDefault;
    QTest::newRow("Latest") << "DIRECTORY"
                            << "Latest" << home << &DirectoryLatest;
    QTest::newRow("Mode") << "DIRECTORY"
                          << "Mode"
                          << "0" << &DirectoryMode;
    QTest::newRow("maximise") << "DISPLAY"
                              << "maximise"
                              << "0" << &DisplayMaximise;
    QTest::newRow("largeur") << "DISPLAY"
                             << "largeur"
                             << "1024" << &DisplayLargeur;
    QTest::newRow("hauteur") << "DISPLAY"
                             << "hauteur"
                             << "600" << &DisplayHauteur;
    QTest::newRow("abscisse") << "DISPLAY"
                              << "abscisse"
                              << "" << &DisplayAbscisse;
    QTest::newRow("ordonnee") << "DISPLAY"
                              << "ordonnee"
                              << "" << &DisplayOrdonnee;
    QTest::newRow("BaudRateSerial") << "Communications"
                                    << "BaudRateSerial"
                                    << "56000" << &BaudRateSerial;
    QTest::newRow("ComNumberSerial")
        << "Communications"
        << "ComNumberSerial" << DefaultSerialPortName() << &ComNumberSerial;
    static const SettingKey first = ParameterSettingKey(0);
    static const SettingKey last = ParameterSettingKey(ParameterCount - 1);
    static const SettingKey bit0 = ConfigBitCaptionKey(0);
    static const SettingKey bit15 = ConfigBitCaptionKey(15);
    QTest::newRow("Parameters 1") << "Parameters"
                                  << "1"
                                  << "0" << &first;
    QTest::newRow("Parameters 64") << "Parameters"
                                   << "64"
                                   << "0" << &last;
    QTest::newRow("CONFIG 0") << "CONFIG"
                              << "0"
                              << "" << &bit0;
    QTest::newRow("CONFIG 15") << "CONFIG"
                               << "15"
                               << "" << &bit15;
}

// Each key's section and name as the settings file spells them, and its default.
void TestProfile::settingKeys() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, defaultValue);
    QFETCH(const SettingKey*, setting);
    Context context;
    context.ProgramDirectory = m_dir.filePath(QStringLiteral("keys"));
    QVERIFY(QDir().mkpath(context.ProgramDirectory));
    QFile::remove(SettingsFileName(context));
    QCOMPARE(ReadSetting(context, *setting), defaultValue);

    QVERIFY(WriteBytes(SettingsFileName(context),
                       ('[' + section + "]\r\n" + key + "=7\r\n").toLatin1()));
    QCOMPARE(ReadSetting(context, *setting), QStringLiteral("7"));
    QCOMPARE(ReadSettingInt(context, *setting), 7);
    QVERIFY(WriteSettingInt(context, *setting, 12));
    QCOMPARE(FileBytes(SettingsFileName(context)),
             ('[' + section + "]\r\n" + key + "=12\r\n").toLatin1());
}

void TestProfile::settingsFileIsNamedAtEachAccess() {
    Context context;
    context.ProgramDirectory = m_dir.path();
    QCOMPARE(SettingsFileName(context), m_path);
    QVERIFY(WriteSettingBool(context, SettingKeys::DisplayMaximise, true));
    QVERIFY(ReadSettingBool(context, SettingKeys::DisplayMaximise));
    QVERIFY(WriteSetting(context, SettingKeys::DisplayMaximise, QStringLiteral("2")));
    QVERIFY(ReadSettingBool(context, SettingKeys::DisplayMaximise));
    QCOMPARE(ReadSetting(context, SettingKeys::Langue), QStringLiteral("Francais"));

    context.ProgramDirectory = m_dir.filePath(QStringLiteral("elsewhere"));
    QCOMPARE(ReadSetting(context, SettingKeys::Langue), QStringLiteral("English"));
    QVERIFY(!ReadSettingBool(context, SettingKeys::DisplayMaximise));
    QVERIFY(!WriteSetting(context, SettingKeys::Langue, QStringLiteral("English")));
    QVERIFY(SettingsWriteRefused(context).contains(
        QDir::toNativeSeparators(SettingsFileName(context))));
}

void TestProfile::programDirectory() {
    const QString storeDir = m_dir.filePath(QStringLiteral("xdg/Tarvel"));
    const QString store = storeDir + QStringLiteral("/OvraView2.conf");
    const QString userStoreDir = m_dir.filePath(QStringLiteral("home-config/Tarvel"));
    const QString userStore = userStoreDir + QStringLiteral("/OvraView2.conf");
    QVERIFY(QDir().mkpath(storeDir));
    QVERIFY(QDir().mkpath(userStoreDir));

    // Neither store: not the current directory but the user's data folder,
    // whatever the running program is called.
    ProgramDirectoryLookup lookup = FindProgramDirectory();
    QVERIFY(!lookup.fromStore);
#ifdef Q_OS_WIN
    QCOMPARE(lookup.directory, QDir::currentPath());
#else
    QVERIFY(lookup.dataFolder);
    QCOMPARE(lookup.directory, m_dir.filePath(QStringLiteral("home-data/Tarvel/OvraView2")));
    QVERIFY2(!QFileInfo::exists(lookup.directory), "finding it does not make it");
#endif

    QVERIFY(WriteBytes(userStore, "[Settings]\nPath=/home/me/ovra\n"));
    lookup = FindProgramDirectory();
    QVERIFY(lookup.fromStore && !lookup.dataFolder);
    QCOMPARE(lookup.directory, QStringLiteral("/home/me/ovra"));

    // The machine's store comes first.
    QVERIFY(WriteBytes(store, "[Settings]\nPath=/opt/ovra/data\n"));
    lookup = FindProgramDirectory();
    QVERIFY(lookup.fromStore);
    QCOMPARE(lookup.directory, QStringLiteral("/opt/ovra/data"));

    // The group without its value gives an empty directory, not the current one.
    QVERIFY(WriteBytes(store, "[Settings]\nOther=1\n"));
    lookup = FindProgramDirectory();
    QVERIFY(lookup.fromStore);
    QCOMPARE(lookup.directory, QString());
    QCOMPARE(FileBytes(store), QByteArray("[Settings]\nOther=1\n"));
    QCOMPARE(FileBytes(userStore), QByteArray("[Settings]\nPath=/home/me/ovra\n"));
}

void TestProfile::notARegularFile_data() {
    const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
    QVERIFY(QFileInfo::exists(fifo) || mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::addColumn<QString>("path");
    // Each would never end, or not open as a file: read as it is, each would hang.
    QTest::newRow("endless device") << QStringLiteral("/dev/zero");
    QTest::newRow("pipe with no writer") << fifo;
    QTest::newRow("directory") << m_dir.path();
}

void TestProfile::notARegularFile() {
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

void TestProfile::ovraStartsBesideAPipe() {
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

void TestProfile::byteOrderMark_data() {
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
    QTest::newRow("a key that starts with the mark's character")
        << QByteArray("[S]\r\n \xEF\xBB\xBFk=1\r\n") << "S" << QString(QChar(0xFEFF)) + "k"
        << "1" << QByteArray("[S]\r\n\xEF\xBB\xBFk=v\r\n");
}

void TestProfile::byteOrderMark() {
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

void TestProfile::severalKeysAsOneAtATime_data() {
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

void TestProfile::severalKeysAsOneAtATime() {
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

QTEST_GUILESS_MAIN(TestProfile)
#include "test_profile.moc"
