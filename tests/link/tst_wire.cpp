#include "link/wire.h"

#include <QtEndian>
#include <QtTest>

#include <cstring>

namespace {

QByteArray Entry(quint16 number, int day, int month, int year, int hour, int minute, int second,
                 quint8 method, quint16 count, float volume, float eapv) {
    QByteArray entry(DirectoryEntryBytes, '\0');
    qToBigEndian(number, entry.data() + 2);
    entry[4] = char(day);
    entry[5] = char(month);
    entry[6] = char(year);
    entry[7] = char(hour);
    entry[8] = char(minute);
    entry[9] = char(second);
    entry[10] = char(method);
    qToBigEndian(count, entry.data() + 12);
    quint32 bits;
    std::memcpy(&bits, &volume, 4);
    qToBigEndian(bits, entry.data() + 14);
    std::memcpy(&bits, &eapv, 4);
    qToBigEndian(bits, entry.data() + 18);
    return entry;
}

} // namespace

class TestWire : public QObject {
    Q_OBJECT
private slots:
    void directoryEntry_data();
    void directoryEntry();
    void directoryNumbersUseRegionalSeparator();
    void remainingTime_data();
    void remainingTime();
    void checksumsWrapAt65536();
    void wireNumber_data();
    void wireNumber();
    void windows1252RoundTrip();
};

void TestWire::directoryEntry_data() {
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("count");

    QTest::newRow("rolle") << Entry(42, 15, 3, 11, 9, 5, 30, 0, 40, 10, 630) << "42"
                           << "15/03/2011 09:05"
                           << "Rolle"
                           << "40";
    QTest::newRow("thomas") << Entry(65535, 31, 12, 99, 23, 59, 59, 1, 2, 0, 0) << "65535"
                            << "31/12/2099 23:59"
                            << "Thomas"
                            << "2";
    QTest::newRow("code 2 is test") << Entry(1, 1, 1, 0, 0, 0, 0, 2, 0, 0, 0) << "1"
                                    << "01/01/2000 00:00"
                                    << "Test"
                                    << "0";
    QTest::newRow("code 255 is test") << Entry(7, 29, 2, 12, 12, 0, 0, 255, 3, 0, 0) << "7"
                                      << "29/02/2012 12:00"
                                      << "Test"
                                      << "3";
    QTest::newRow("no 29 february 2011") << Entry(8, 29, 2, 11, 12, 0, 0, 0, 3, 0, 0) << "8"
                                         << "01/01/2000 00:00"
                                         << "Rolle"
                                         << "3";
    QTest::newRow("month 0") << Entry(9, 1, 0, 11, 12, 0, 0, 0, 3, 0, 0) << "9"
                             << "01/01/2000 00:00"
                             << "Rolle"
                             << "3";
    QTest::newRow("hour 24") << Entry(10, 1, 1, 11, 24, 0, 0, 1, 3, 0, 0) << "10"
                             << "01/01/2000 00:00"
                             << "Thomas"
                             << "3";
    QTest::newRow("second 60") << Entry(11, 1, 1, 11, 10, 0, 60, 1, 3, 0, 0) << "11"
                               << "01/01/2000 00:00"
                               << "Thomas"
                               << "3";
}

void TestWire::directoryEntry() {
    QFETCH(QByteArray, entry);
    const AcquisitionDirectoryEntry decoded = DecodeDirectoryEntry(entry, QLocale::c());
    QTEST(decoded.Number, "number");
    QTEST(decoded.Start, "start");
    QTEST(decoded.Method, "method");
    QTEST(decoded.Count, "count");
}

void TestWire::directoryNumbersUseRegionalSeparator() {
    const QByteArray entry = Entry(42, 15, 3, 11, 9, 5, 30, 0, 40, 1234.5f, 630.25f);
    const QLocale locale = DirectoryLocale();
    const AcquisitionDirectoryEntry decoded = DecodeDirectoryEntry(entry, locale);
    const QString point = locale.decimalPoint();
    QCOMPARE(decoded.Volume, "1234" + point + "500");
    QCOMPARE(decoded.Eapv, "630" + point + "25");
    bool ok = false;
    QCOMPARE(locale.toDouble(decoded.Volume, &ok), 1234.5);
    QVERIFY(ok);
}

void TestWire::remainingTime_data() {
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("text");

    QTest::newRow("10 of 40 in 25 s")
        << qint64(25000) << 10 << 40 << "Temps restant estimé : 1 mn 15 s";
    QTest::newRow("under a minute") << qint64(5000) << 1 << 10 << "Temps restant estimé : 45 s";
    QTest::newRow("exactly a minute")
        << qint64(60000) << 1 << 2 << "Temps restant estimé : 1 mn 0 s";
    QTest::newRow("59.5 s goes to even")
        << qint64(59500) << 1 << 2 << "Temps restant estimé : 1 mn 0 s";
    QTest::newRow("0.5 s goes to even") << qint64(500) << 1 << 2 << "Temps restant estimé : 0 s";
    QTest::newRow("1.5 s goes to even") << qint64(1500) << 1 << 2 << "Temps restant estimé : 2 s";
    QTest::newRow("last one") << qint64(9999) << 40 << 40 << "Temps restant estimé : 0 s";
    QTest::newRow("over an hour") << qint64(100000) << 1 << 40
                                  << "Temps restant estimé : 65 mn 0 s";
}

void TestWire::remainingTime() {
    QFETCH(qint64, elapsedMs);
    QFETCH(int, done);
    QFETCH(int, total);
    QTEST(RemainingTimeText(elapsedMs, done, total), "text");
}

void TestWire::checksumsWrapAt65536() {
    Spectrum counts{};
    counts.fill(1000); // 128 000 = 1 * 65536 + 62464
    QCOMPARE(SpectrumChecksum(counts), quint16(62464));
    counts.fill(65535);
    QCOMPARE(SpectrumChecksum(counts), quint16((128u * 65535u) % 65536u));

    QByteArray header(MeasurementHeaderBytes, char(0xFF));
    QCOMPARE(HeaderChecksum(header), quint16(64 * 255));

    QByteArray block(SpectrumBlockBytes, '\0');
    block[0] = char(0x12);
    block[1] = char(0x34);
    block[254] = char(0xFF);
    block[255] = char(0xFE);
    const Spectrum decoded = DecodeSpectrumBlock(block);
    QCOMPARE(decoded[0], 0x1234);
    QCOMPARE(decoded[127], 0xFFFE);
}

void TestWire::wireNumber_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("zero padded") << QByteArray("063") << true << 63;
    QTest::newRow("with carriage return") << QByteArray("127\r") << true << 127;
    QTest::newRow("large") << QByteArray("1234") << true << 1234;
    QTest::newRow("empty") << QByteArray("") << false << 0;
    QTest::newRow("letters") << QByteArray("0x3") << false << 0;
    QTest::newRow("sign") << QByteArray("-12") << false << 0;
    QTest::newRow("garbage byte") << QByteArray("\xff"
                                                "12")
                                  << false << 0;
}

void TestWire::wireNumber() {
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    int value = -1;
    QCOMPARE(ParseWireNumber(text, value), valid);
    if (valid)
        QTEST(value, "value");
}

void TestWire::windows1252RoundTrip() {
    const QString text = QStringLiteral("Cave\tsous-sol é€");
    const QByteArray wire = ToWireText(text);
    QCOMPARE(wire, QByteArray("Cave\tsous-sol \xe9\x80"));
    QCOMPARE(FromWireText(wire), text);
}

QTEST_GUILESS_MAIN(TestWire)
#include "tst_wire.moc"
