// The built-in demonstration instrument: the port name that reaches it, one
// instrument kept for the whole run, and a memory worth looking at.

#include "sim/demonstration.h"
#include "sim/simulatedport.h"

#include "link/portselect.h"
#include "link/rs232.h"

#include <QtTest>

#include <algorithm>

class TestDemonstration : public QObject {
    Q_OBJECT
private slots:
    void portNameChoosesTheInstrument_data();
    void portNameChoosesTheInstrument();
    void oneInstrumentForTheWholeRun();
    void memoryWorthLookingAt();
};

namespace {

// A selector whose two sides are simulated instruments that tell which is
// which by their software version, and count how often each was made.
struct Selector {
    Selector() {
        auto made = [](int& count, const QByteArray& version) {
            return [&count, version] {
                ++count;
                sim::InstrumentMemory memory = sim::GeneratedMemory(1, 1, 1);
                memory.version = version;
                return std::unique_ptr<SerialPort>(
                    std::make_unique<sim::SimulatedPort>(std::move(memory)));
            };
        };
        auto selector =
            std::make_unique<PortSelector>(made(realMade, "REAL01"), made(demoMade, "DEMO01"));
        port = selector.get();
        link = std::make_unique<TFormRS232>(context, std::move(selector));
        link->SetTimeScale(0.05);
        link->SetReadTimeouts(TFormRS232::WorkingReadTimeoutMs);
    }
    QString VersionOn(const QString& name) {
        link->SetPortName(name);
        if (!link->Connect() || !link->ReadParameters())
            return QString();
        link->Disconnect();
        return context.Session.SoftwareVersion;
    }

    Context context;
    PortSelector* port = nullptr;
    std::unique_ptr<TFormRS232> link;
    int realMade = 0;
    int demoMade = 0;
};

} // namespace

void TestDemonstration::portNameChoosesTheInstrument_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::newRow("the demonstration") << "SIMULATEUR"
                                       << "DEMO01";
    QTest::newRow("typed in small letters") << "simulateur"
                                            << "DEMO01";
    QTest::newRow("with blanks") << " SIMULATEUR "
                                 << "DEMO01";
    QTest::newRow("a serial port") << "/dev/ttyUSB0"
                                   << "REAL01";
    QTest::newRow("a longer name") << "SIMULATEUR2"
                                   << "REAL01";
    QTest::newRow("Windows port") << "COM1"
                                  << "REAL01";
}

void TestDemonstration::portNameChoosesTheInstrument() {
    QFETCH(QString, name);
    QFETCH(QString, version);
    Selector s;
    QCOMPARE(s.VersionOn(name), version);
    QVERIFY(!s.port->IsOpen());
}

// Switching back and forth makes each side once: what was written to the
// demonstration instrument is there at the next connection.
void TestDemonstration::oneInstrumentForTheWholeRun() {
    Selector s;
    QCOMPARE(s.VersionOn(QStringLiteral("SIMULATEUR")), QStringLiteral("DEMO01"));
    s.context.Session.Parameters[63] = QStringLiteral("Grenier");
    s.link->SetPortName(QStringLiteral("SIMULATEUR"));
    QVERIFY(s.link->Connect());
    QVERIFY(s.link->WriteParameters());
    s.link->Disconnect();
    QCOMPARE(s.VersionOn(QStringLiteral("/dev/ttyS0")), QStringLiteral("REAL01"));
    s.context.Session.Parameters[63].clear();
    QCOMPARE(s.VersionOn(QStringLiteral("SIMULATEUR")), QStringLiteral("DEMO01"));
    QCOMPARE(s.context.Session.Parameters[63], QStringLiteral("Grenier"));
    QCOMPARE(s.realMade, 1);
    QCOMPARE(s.demoMade, 1);
}

// Several acquisitions of each method; Rolle and Thomas ones of three
// measurements (volume and EAPV shown) and longer ones; peaks that stand
// out on a scale of a thousand counts; all within the last weeks.
void TestDemonstration::memoryWorthLookingAt() {
    const QDate today(2026, 12, 9);
    const sim::InstrumentMemory memory = sim::DemonstrationMemory(today);
    int threeStep[3] = {};
    int longer[3] = {};
    for (const sim::StoredAcquisition& acquisition : memory.acquisitions) {
        QVERIFY(acquisition.methodCode <= 2);
        const int count = int(acquisition.measurements.size());
        (count == 3 ? threeStep : longer)[acquisition.methodCode] += 1;
        QVERIFY(acquisition.start.date() < today);
        QVERIFY(acquisition.start.date() > today.addDays(-60));
        quint16 highest = 0;
        for (const sim::StoredMeasurement& measurement : acquisition.measurements)
            highest = std::max(highest, *std::max_element(measurement.spectrum.begin(),
                                                          measurement.spectrum.end()));
        QVERIFY2(highest >= 300 && highest < 20000, qPrintable(QString::number(highest)));
        if (acquisition.methodCode < 2 && count == 3)
            QVERIFY(acquisition.volume > 0 && acquisition.eapv > 0);
    }
    QVERIFY(threeStep[0] >= 2 && threeStep[1] >= 2);
    QVERIFY(longer[0] >= 1 && longer[1] >= 1 && longer[2] >= 2);
    QVERIFY(!memory.clock.isValid()); // the computer's clock, running
}

QTEST_GUILESS_MAIN(TestDemonstration)
#include "tst_demonstration.moc"
