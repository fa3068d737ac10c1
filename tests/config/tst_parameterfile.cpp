// Parameter sets in profile files: a ".par" file and section "Parameters" of
// the settings file, read with "0" for a missing key and written without
// disturbing any other line.

#include "config/parameterfile.h"
#include "settings/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray ReadAll(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

ParameterSet SampleSet() {
    ParameterSet set;
    for (int i = 0; i < ParameterCount; ++i)
        set[i] = QStringLiteral("v%1").arg(i + 1);
    set[9] = QStringLiteral("1");
    set[63] = QStringLiteral("Cave\tété"); // TAB and accented letters kept
    set[20] = QString();                   // an empty value is a value, not a missing key
    return set;
}

} // namespace

class TestParameterFile : public QObject {
    Q_OBJECT
private slots:
    void saveKeepsEveryOtherLineAndLoadsBack();
    void missingKeys_data();
    void missingKeys();
    void unreadableAndUnwritableFiles();
    void settingsFileSection();
};

void TestParameterFile::saveKeepsEveryOtherLineAndLoadsBack() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("campaign.par"));
    const QByteArray before = "; written by hand\r\n[Notes]\r\nwho=me\r\n\r\n[Parameters]\r\n"
                              "1=old\r\nextra=kept\r\n64=old comment\r\n[After]\r\nx=1\r\n";
    WriteAll(file, before);
    const ParameterSet set = SampleSet();
    QVERIFY(SaveParameterFile(file, set));

    const QByteArray after = ReadAll(file);
    for (const char* kept : {"; written by hand\r\n[Notes]\r\nwho=me\r\n\r\n[Parameters]\r\n",
                             "\r\nextra=kept\r\n", "\r\n[After]\r\nx=1\r\n"})
        QVERIFY2(after.contains(kept), kept);
    QVERIFY(after.contains("\r\n1=v1\r\n"));
    // Written in the system's own encoding, as every settings line is.
#ifdef Q_OS_WIN
    QVERIFY(after.contains("\r\n64=Cave\t\xe9t\xe9\r\n"));
#else
    QVERIFY(after.contains("\r\n64=Cave\t\xc3\xa9t\xc3\xa9\r\n"));
#endif
    QVERIFY(!after.contains("old"));
    QCOMPARE(after.count("\r\n2=v2\r\n"), 1);

    const ParameterFileContent loaded = LoadParameterFile(file);
    QVERIFY(loaded.readable);
    QVERIFY(loaded.missing.empty());
    QCOMPARE(loaded.values, set);
    // A new file: one section, the keys in order "1" to "64", CR LF.
    const QString fresh = dir.filePath(QStringLiteral("new.par"));
    QVERIFY(SaveParameterFile(fresh, set));
    QByteArray expected = "[Parameters]\r\n";
    for (int i = 0; i < ParameterCount; ++i)
        expected += QByteArray::number(i + 1) + '=' + set[i].toLatin1() + "\r\n";
    QCOMPARE(ReadAll(fresh), expected);
}

void TestParameterFile::missingKeys_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<int>>("missing"); // 0-based indices
    QList<int> all;
    for (int i = 0; i < ParameterCount; ++i)
        all << i;
    QTest::newRow("no file") << QByteArray() << all;
    QTest::newRow("no section") << QByteArray("[Other]\r\n1=x\r\n") << all;
    QList<int> someMissing = all;
    someMissing.removeOne(0);
    someMissing.removeOne(3);
    someMissing.removeOne(63);
    QTest::newRow("three keys, a hidden one among them")
        << QByteArray("[parameters]\n1=OVRA\n4=0\n64=\n") << someMissing;
}

void TestParameterFile::missingKeys() {
    QFETCH(QByteArray, content);
    QFETCH(QList<int>, missing);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("partial.par"));
    if (!content.isEmpty())
        WriteAll(file, content);
    const ParameterFileContent loaded = LoadParameterFile(file);
    QVERIFY(loaded.readable);
    QCOMPARE(QList<int>(loaded.missing.begin(), loaded.missing.end()), missing);
    for (const int index : missing)
        QCOMPARE(loaded.values[index], QStringLiteral("0"));
    if (missing.size() < ParameterCount) {
        QCOMPARE(loaded.values[0], QStringLiteral("OVRA"));
        QCOMPARE(loaded.values[3], QStringLiteral("0"));
        QCOMPARE(loaded.values[63], QString());
    }
}

void TestParameterFile::unreadableAndUnwritableFiles() {
    if (QFileInfo(QStringLiteral("/")).isWritable())
        QSKIP("file permissions do not bind this user");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("locked.par"));
    WriteAll(file, "[Parameters]\r\n1=x\r\n");
    QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions()));
    const ParameterFileContent loaded = LoadParameterFile(file);
    QVERIFY(!loaded.readable);
    QCOMPARE(loaded.values[0], QStringLiteral("0"));
    QVERIFY(!SaveParameterFile(file, SampleSet()));
    QVERIFY(ParameterFileWriteRefused(file).startsWith(QStringLiteral("Impossible d'écrire dans")));
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(ReadAll(file), QByteArray("[Parameters]\r\n1=x\r\n"));
}

void TestParameterFile::settingsFileSection() {
    QTemporaryDir dir;
    Context context;
    context.ProgramDirectory = dir.path();
    const QString settings = SettingsFileName(context);
    WriteAll(settings, "[LANGUAGE]\r\nLangue=ENG\r\n[CONFIG]\r\n0=Pompe\r\n");
    QCOMPARE(int(LoadSettingsParameters(context).missing.size()), ParameterCount);

    const ParameterSet set = SampleSet();
    QVERIFY(SaveSettingsParameters(context, set));
    QCOMPARE(LoadSettingsParameters(context).values, set);
    QCOMPARE(ReadSetting(context, SettingKeys::Langue), QStringLiteral("ENG"));
    QCOMPARE(ReadSetting(context, ConfigBitCaptionKey(0)), QStringLiteral("Pompe"));
    QCOMPARE(ReadSetting(context, ParameterSettingKey(63)), set[63]);
}

QTEST_GUILESS_MAIN(TestParameterFile)
#include "tst_parameterfile.moc"
