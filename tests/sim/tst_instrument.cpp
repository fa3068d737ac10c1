// The simulated instrument answers byte for byte as the instrument does.

#include "sim/instrument.h"
#include "sim/spectra.h"

#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

namespace {

sim::InstrumentMemory Memory() {
    sim::InstrumentMemory memory;
    memory.parameters = sim::FactoryParameters();
    memory.clock = QDateTime(QDate(2011, 3, 15), QTime(14, 5, 0));
    sim::AcquisitionPlan plan;
    plan.number = 42;
    plan.start = QDateTime(QDate(2011, 3, 15), QTime(9, 5, 30));
    plan.methodCode = 1;
    plan.measurements = 2;
    plan.volume = 10.5f;
    plan.eapv = 630.25f;
    memory.acquisitions.push_back(sim::GenerateAcquisition(plan));
    return memory;
}

// Everything the instrument sends in answer to `input`, before any timer runs.
QByteArray Answer(sim::Instrument& instrument, const QByteArray& input) {
    QByteArray output;
    QObject context;
    QObject::connect(&instrument, &sim::Instrument::Transmit, &context,
                     [&output](const QByteArray& bytes) { output += bytes; });
    instrument.Receive(input);
    return output;
}

quint16 Sum16(const QByteArray& bytes, bool words) {
    quint32 sum = 0;
    for (int i = 0; i < bytes.size(); i += words ? 2 : 1)
        sum += words ? qFromBigEndian<quint16>(bytes.constData() + i) : quint8(bytes[i]);
    return quint16(sum);
}

} // namespace

class TestInstrument : public QObject {
    Q_OBJECT
private slots:
    void replies_data();
    void replies();
    void directoryEntry();
    void measurements();
    void checksumFaults_data();
    void checksumFaults();
    void lostEchoIsAnsweredOnRetry();
    void writeParameter();
    void reformattedValues_data();
    void reformattedValues();
    void erase();
    void clockIsSet();
    void deadLine();
    void silence();
    void halfReceivedCommandIsDroppedOnReset();
};

void TestInstrument::replies_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");
    const int free = 4000 - 2;
    QTest::newRow("identify") << QByteArray("ID") << QByteArray("IDTARVEL\r\n");
    QTest::newRow("sleep") << QByteArray("SL") << QByteArray("SL\r\n");
    QTest::newRow("version") << QByteArray("RV") << QByteArray("RVV2.10a\r\n");
    QTest::newRow("one parameter") << QByteArray("RH01") << QByteArray("RH01DEVICE_TYPE;3;\r\n");
    QTest::newRow("counts") << QByteArray("RN")
                            << QByteArray("RN\r\n2\r\n1\r\n") + QByteArray::number(free) + "\r\n";
    QTest::newRow("date") << QByteArray("RD") << QByteArray("RD15/03/11\r\n");
    QTest::newRow("select") << QByteArray("SP00042") << QByteArray("SP\r\n");
    QTest::newRow("spectra wanted") << QByteArray("SS1") << QByteArray("SS\r\n");
    QTest::newRow("set time") << QByteArray("ST1405") << QByteArray("ST:\r\n");
    QTest::newRow("set date") << QByteArray("SD150311") << QByteArray("SD//\r\n");
    QTest::newRow("end of parameter write") << QByteArray("SH99") << QByteArray("SH99");
    QTest::newRow("out of step") << QByteArray("xID") << QByteArray("IDTARVEL\r\n");
    QTest::newRow("unknown command") << QByteArray("ZZ") << QByteArray();
    QTest::newRow("measurement without selection") << QByteArray("RP") << QByteArray();
    QTest::newRow("unknown acquisition") << QByteArray("SP00043RP") << QByteArray("SP\r\n");
}

void TestInstrument::replies() {
    QFETCH(QByteArray, input);
    sim::Instrument instrument(Memory());
    QTEST(Answer(instrument, input), "output");
}

void TestInstrument::directoryEntry() {
    sim::Instrument instrument(Memory());
    const QByteArray reply = Answer(instrument, "RI0");
    QCOMPARE(reply.size(), 2 + 2 + 34 + 2);
    QVERIFY(reply.startsWith("RI\r\n"));
    QVERIFY(reply.endsWith("\r\n\r\n"));
    const QByteArray entry = reply.mid(4, 32);
    QCOMPARE(qFromBigEndian<quint16>(entry.constData() + 2), quint16(42));
    QCOMPARE(entry.mid(4, 6), QByteArray("\x0f\x03\x0b\x09\x05\x1e", 6));
    QCOMPARE(int(entry[10]), 1);
    QCOMPARE(qFromBigEndian<quint16>(entry.constData() + 12), quint16(2));
    const quint32 volume = qFromBigEndian<quint32>(entry.constData() + 14);
    QCOMPARE(volume, 0x41280000u); // 10.5f
    const quint32 eapv = qFromBigEndian<quint32>(entry.constData() + 18);
    QCOMPARE(eapv, 0x441d9000u); // 630.25f
}

void TestInstrument::measurements() {
    const sim::InstrumentMemory memory = Memory();
    sim::Instrument instrument(memory);
    Answer(instrument, "SP00042SS1");
    for (int m = 0; m < 2; ++m) {
        const QByteArray reply = Answer(instrument, "RP");
        QCOMPARE(reply.size(), 331);
        QVERIFY(reply.startsWith("RP\r\n"));
        const QByteArray spectrum = reply.mid(4, 256);
        QCOMPARE(qFromBigEndian<quint16>(spectrum.constData() + 2 * 77),
                 memory.acquisitions[0].measurements[std::size_t(m)].spectrum[77]);
        QCOMPARE(qFromBigEndian<quint16>(reply.constData() + 260), Sum16(spectrum, true));
        const QByteArray header = reply.mid(262, 64);
        QCOMPARE(qFromBigEndian<quint16>(header.constData()), quint16(m + 1));
        QCOMPARE(qFromBigEndian<quint16>(reply.constData() + 326), Sum16(header, false));
        QCOMPARE(reply.mid(328), QByteArray("\r\n*"));
    }
    QCOMPARE(Answer(instrument, "RP"), QByteArray()); // no third measurement
}

void TestInstrument::checksumFaults_data() {
    QTest::addColumn<bool>("spectrum");
    QTest::newRow("spectrum") << true;
    QTest::newRow("header") << false;
}

void TestInstrument::checksumFaults() {
    QFETCH(bool, spectrum);
    sim::Instrument instrument(Memory());
    sim::InstrumentFaults faults;
    (spectrum ? faults.spectrumChecksumErrorAt : faults.headerChecksumErrorAt) = 2;
    instrument.SetFaults(faults);
    Answer(instrument, "SP00042SS1");
    for (int m = 1; m <= 2; ++m) {
        const QByteArray reply = Answer(instrument, "RP");
        const bool spectrumRight =
            qFromBigEndian<quint16>(reply.constData() + 260) == Sum16(reply.mid(4, 256), true);
        const bool headerRight =
            qFromBigEndian<quint16>(reply.constData() + 326) == Sum16(reply.mid(262, 64), false);
        QCOMPARE(spectrumRight, m != 2 || !spectrum);
        QCOMPARE(headerRight, m != 2 || spectrum);
    }
}

void TestInstrument::lostEchoIsAnsweredOnRetry() {
    sim::Instrument instrument(Memory());
    sim::InstrumentFaults faults;
    faults.lostEchoAt = 2;
    instrument.SetFaults(faults);
    Answer(instrument, "SP00042SS1");
    QCOMPARE(Answer(instrument, "RP").size(), 331);
    QCOMPARE(Answer(instrument, "RP"), QByteArray());
    const QByteArray retry = Answer(instrument, "RP");
    QCOMPARE(qFromBigEndian<quint16>(retry.constData() + 262), quint16(2));
}

void TestInstrument::writeParameter() {
    sim::Instrument instrument(Memory());
    QCOMPARE(Answer(instrument, "SH"), QByteArray("SH"));
    QCOMPARE(Answer(instrument, "05"), QByteArray("05"));
    QCOMPARE(Answer(instrument, "LAUNCH_HOUR;09:30;"), QByteArray("\r\n"));
    QCOMPARE(instrument.Memory().parameters[5], QByteArray("09:30"));
    QCOMPARE(Answer(instrument, "SH63COMMENTS;;"), QByteArray("SH63\r\n"));
    QCOMPARE(instrument.Memory().parameters[63], QByteArray());
}

void TestInstrument::reformattedValues_data() {
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("leading zeros") << QByteArray("030") << QByteArray("30");
    QTest::newRow("trailing zeros") << QByteArray("0.250") << QByteArray("0.25");
    QTest::newRow("text kept") << QByteArray("06/2010") << QByteArray("06/2010");
    QTest::newRow("empty kept") << QByteArray() << QByteArray();
}

void TestInstrument::reformattedValues() {
    QFETCH(QByteArray, sent);
    sim::Instrument instrument(Memory());
    sim::InstrumentFaults faults;
    faults.reformatValues = true;
    instrument.SetFaults(faults);
    Answer(instrument, "SH10COEF_GEO;" + sent + ";");
    QTEST(instrument.Memory().parameters[10], "stored");
}

void TestInstrument::erase() {
    sim::Instrument instrument(Memory());
    instrument.SetEraseStepMs(0);
    QByteArray output;
    connect(&instrument, &sim::Instrument::Transmit, this,
            [&output](const QByteArray& bytes) { output += bytes; });
    instrument.Receive("SM");
    QTRY_VERIFY(output.endsWith('\n') && output.size() > 19 + 4);
    QCOMPARE(output.size(), 19 + 128 * 4 + 1);
    QCOMPARE(output.mid(19, 4), QByteArray("000\r"));
    QCOMPARE(output.mid(19 + 63 * 4, 4), QByteArray("063\r"));
    QCOMPARE(output.mid(19 + 127 * 4, 4), QByteArray("127\r"));
    QVERIFY(instrument.Memory().acquisitions.empty());
    QCOMPARE(Answer(instrument, "RN").left(9), QByteArray("RN\r\n0\r\n0\r"));
}

void TestInstrument::clockIsSet() {
    sim::Instrument instrument(Memory());
    Answer(instrument, "ST0830SD241212");
    const QDateTime clock = instrument.Clock();
    QCOMPARE(clock.date(), QDate(2012, 12, 24));
    QCOMPARE(clock.time().hour(), 8);
    QCOMPARE(clock.time().minute(), 30);
    QVERIFY(Answer(instrument, "RT").startsWith("RT08:30:"));
}

void TestInstrument::deadLine() {
    sim::Instrument instrument(Memory());
    sim::InstrumentFaults faults;
    faults.deadAfterBytes = 14;
    faults.deadLineHangsUp = true;
    instrument.SetFaults(faults);
    QSignalSpy hungUp(&instrument, &sim::Instrument::HungUp);
    QCOMPARE(Answer(instrument, "ID"), QByteArray("IDTARVEL\r\n"));
    QCOMPARE(Answer(instrument, "RV"), QByteArray("RVV2"));
    QVERIFY(instrument.LineDead());
    QCOMPARE(hungUp.size(), 1);
    QCOMPARE(Answer(instrument, "ID"), QByteArray());
}

void TestInstrument::silence() {
    sim::Instrument instrument(Memory());
    sim::InstrumentFaults faults;
    faults.silent = true;
    instrument.SetFaults(faults);
    QCOMPARE(Answer(instrument, "IDRVRN"), QByteArray());
}

void TestInstrument::halfReceivedCommandIsDroppedOnReset() {
    sim::Instrument instrument(Memory());
    QCOMPARE(Answer(instrument, "SP000"), QByteArray("SP"));
    instrument.ResetLink();
    QCOMPARE(Answer(instrument, "ID"), QByteArray("IDTARVEL\r\n"));
}

QTEST_GUILESS_MAIN(TestInstrument)
#include "tst_instrument.moc"
