// Scenario files and generated acquisitions of the simulator.

#include "sim/scenario.h"
#include "sim/spectra.h"

#include <QtTest>

#include <algorithm>
#include <numeric>

namespace {

int PeakChannel(const sim::ChannelCounts& spectrum, int first, int last) {
    return int(std::max_element(spectrum.begin() + first, spectrum.begin() + last + 1) -
               spectrum.begin());
}

quint32 Sum(const sim::ChannelCounts& spectrum, int first, int last) {
    return std::accumulate(spectrum.begin() + first, spectrum.begin() + last + 1, 0u);
}

} // namespace

class TestScenario : public QObject {
    Q_OBJECT
private slots:
    void parse();
    void errors_data();
    void errors();
    void generatedSpectraShowBothPolonium();
    void generationIsRepeatable();
    void headerCarriesTheMeasurementTime();
};

void TestScenario::parse() {
    const QByteArray text = "# a campaign\n"
                            "version V3.00b\n"
                            "clock 15/03/2011 14:05:00\n"
                            "capacity 1000\n"
                            "parameter 1 OVRA0099\n"
                            "parameter 64 Cave\\tMaison\n"
                            "parameter 5\n"
                            "acquisition 42 15/03/2011 09:30:00 Rolle 3 volume 10.5 eapv 630.25\n"
                            "spectrum " +
                            QByteArray("7 ").repeated(127) +
                            "7\n"
                            "acquisition 43 invalid 255 2\n";
    sim::InstrumentMemory memory;
    QString error;
    QVERIFY2(sim::ParseScenario(text, memory, error), qPrintable(error));
    QCOMPARE(memory.version, QByteArray("V3.00b"));
    QCOMPARE(memory.clock, QDateTime(QDate(2011, 3, 15), QTime(14, 5, 0)));
    QCOMPARE(memory.capacity, 1000);
    QCOMPARE(memory.parameters[0], QByteArray("OVRA0099"));
    QCOMPARE(memory.parameters[63], QByteArray("Cave\tMaison"));
    QCOMPARE(memory.parameters[4], QByteArray());
    QCOMPARE(memory.parameters[1], sim::FactoryParameters()[1]);
    QCOMPARE(memory.acquisitions.size(), std::size_t(2));
    const sim::StoredAcquisition& first = memory.acquisitions[0];
    QCOMPARE(first.number, quint16(42));
    QCOMPARE(first.methodCode, quint8(0));
    QCOMPARE(first.volume, 10.5f);
    QCOMPARE(first.eapv, 630.25f);
    QCOMPARE(first.measurements.size(), std::size_t(3));
    QCOMPARE(first.measurements[0].spectrum[100], quint16(7));
    QVERIFY(first.measurements[1].spectrum != first.measurements[0].spectrum);
    QVERIFY(!memory.acquisitions[1].start.isValid());
    QCOMPARE(memory.acquisitions[1].methodCode, quint8(255));
}

void TestScenario::errors_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("line");
    QTest::newRow("unknown keyword") << QByteArray("version V1\nbattery 3\n") << "line 2";
    QTest::newRow("bad clock") << QByteArray("clock 32/01/2011 10:00:00\n") << "line 1";
    QTest::newRow("parameter key") << QByteArray("parameter 65 x\n") << "line 1";
    QTest::newRow("semicolon") << QByteArray("parameter 3 a;b\n") << "line 1";
    QTest::newRow("method") << QByteArray("acquisition 1 01/01/2011 10:00:00 Radon 3\n")
                            << "line 1";
    QTest::newRow("short acquisition") << QByteArray("acquisition 1 01/01/2011\n") << "line 1";
    QTest::newRow("spectrum first") << QByteArray("\nspectrum 1 2 3\n") << "line 2";
    QTest::newRow("short spectrum")
        << QByteArray("acquisition 1 invalid Test 1\nspectrum 1 2 3\n") << "line 2";
    QTest::newRow("count too large") << QByteArray("acquisition 1 invalid Test 1\nspectrum " +
                                                   QByteArray("65536 ").repeated(128) + "\n")
                                     << "line 2";
}

void TestScenario::errors() {
    QFETCH(QByteArray, text);
    QFETCH(QString, line);
    sim::InstrumentMemory memory;
    QString error;
    QVERIFY(!sim::ParseScenario(text, memory, error));
    QVERIFY2(error.startsWith(line + QLatin1Char(':')), qPrintable(error));
}

void TestScenario::generatedSpectraShowBothPolonium() {
    sim::AcquisitionPlan plan;
    plan.measurements = 12;
    plan.concentration = 3000;
    plan.start = QDateTime(QDate(2011, 3, 15), QTime(9, 0));
    const sim::StoredAcquisition acquisition = sim::GenerateAcquisition(plan);
    const auto& first = acquisition.measurements.front().spectrum;
    const auto& late = acquisition.measurements[8].spectrum;
    // Polonium-218 near 6.0 MeV, polonium-214 near 7.7 MeV.
    QVERIFY(std::abs(PeakChannel(first, 60, 90) - 77) <= 2);
    QVERIFY(std::abs(PeakChannel(late, 88, 110) - 98) <= 2);
    // Polonium-218 (3 min) is gone long before polonium-214 (fed by lead-214,
    // 27 min): the ratio turns over during the acquisition.
    QVERIFY(Sum(first, 70, 82) > Sum(first, 92, 104));
    QVERIFY(Sum(late, 70, 82) < Sum(late, 92, 104));
    // The low-energy tail puts counts below the peaks, none above them.
    QVERIFY(Sum(late, 85, 95) > Sum(late, 110, 127));
}

void TestScenario::generationIsRepeatable() {
    const sim::InstrumentMemory a = sim::GeneratedMemory(2, 4, 9);
    const sim::InstrumentMemory b = sim::GeneratedMemory(2, 4, 9);
    const sim::InstrumentMemory c = sim::GeneratedMemory(2, 4, 10);
    QCOMPARE(a.acquisitions[1].measurements[3].spectrum,
             b.acquisitions[1].measurements[3].spectrum);
    QVERIFY(a.acquisitions[1].measurements[3].spectrum !=
            c.acquisitions[1].measurements[3].spectrum);
    QCOMPARE(a.acquisitions[1].methodCode, quint8(1));
    QCOMPARE(a.MeasurementTotal(), 8);
}

void TestScenario::headerCarriesTheMeasurementTime() {
    sim::AcquisitionPlan plan;
    plan.number = 12;
    plan.measurements = 3;
    plan.periodSeconds = 300;
    plan.start = QDateTime(QDate(2011, 3, 15), QTime(23, 55, 0));
    const sim::StoredAcquisition acquisition = sim::GenerateAcquisition(plan);
    // The second measurement ends 10 minutes after the start, the next day.
    QCOMPARE(acquisition.measurements[1].header.mid(6, 6),
             QByteArray("\x10\x03\x0b\x00\x05\x00", 6));
}

QTEST_GUILESS_MAIN(TestScenario)
#include "tst_scenario.moc"
