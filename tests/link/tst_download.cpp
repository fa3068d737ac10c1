#include "link/rs232.h"
#include "link/wire.h"

#include "linkfixture.h"
#include "sim/spectra.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(sim::InstrumentFaults)

namespace {

sim::StoredAcquisition Acquisition(quint16 number, quint8 method, int measurements,
                                   const QDateTime& start = QDateTime(QDate(2011, 3, 15),
                                                                      QTime(9, 5, 30))) {
    sim::AcquisitionPlan plan;
    plan.number = number;
    plan.start = start;
    plan.methodCode = method;
    plan.measurements = measurements;
    plan.volume = 10.5f;
    plan.eapv = 630.25f;
    return sim::GenerateAcquisition(plan);
}

sim::InstrumentMemory Memory() {
    sim::InstrumentMemory memory;
    memory.parameters = sim::FactoryParameters();
    memory.acquisitions.push_back(Acquisition(42, 0, 4));
    memory.acquisitions.push_back(Acquisition(7, 1, 2));
    memory.acquisitions.push_back(Acquisition(300, 255, 3, QDateTime()));
    sim::StoredAcquisition loud = Acquisition(9, 2, 1);
    loud.measurements[0].spectrum.fill(1000); // sums to 128 000
    memory.acquisitions.push_back(loud);
    return memory;
}

int Count(const QList<QByteArray>& writes, const QByteArray& command) {
    return int(writes.count(command));
}

// Connects and reads what the memory window needs first.
void ReadDirectory(LinkFixture& f) {
    QVERIFY(f.link->Connect());
    QVERIFY(f.link->ReadMemoryCounts());
    QVERIFY(f.link->ReadAcquisitionDirectory());
    f.port->ClearLog();
}

} // namespace

class TestDownload : public QObject {
    Q_OBJECT
private slots:
    void directory();
    void directoryStopsAtTheFirstTimeOut();
    void acquisition();
    void volumeAndEapv_data();
    void volumeAndEapv();
    void checksumsAreComparedModulo65536();
    void faults_data();
    void faults();
    void cancel();
    void unknownRow();
};

void TestDownload::directory() {
    LinkFixture f(Memory());
    QSignalSpy rows(f.link.get(), &TFormRS232::DirectoryRowAdded);
    QSignalSpy cleared(f.link.get(), &TFormRS232::DirectoryCleared);
    QSignalSpy progress(f.link.get(), &TFormRS232::ProgressChanged);
    QVERIFY(f.link->Connect());
    QVERIFY(f.link->ReadMemoryCounts());
    QVERIFY(f.link->ReadAcquisitionDirectory());
    QCOMPARE(f.writes(), (QList<QByteArray>{"ID", "RN", "RI", "0"}));
    QCOMPARE(cleared.size(), 1);

    const auto& directory = f.context.AcquisitionDirectory;
    QCOMPARE(directory.size(), std::size_t(4));
    const QString point = DirectoryLocale().decimalPoint();
    QCOMPARE(directory[0].Number, QStringLiteral("42"));
    QCOMPARE(directory[0].Start, QStringLiteral("15/03/2011 09:05"));
    QCOMPARE(directory[0].Method, QStringLiteral("Rolle"));
    QCOMPARE(directory[0].Count, QStringLiteral("4"));
    QCOMPARE(directory[0].Volume, "10" + point + "500");
    QCOMPARE(directory[0].Eapv, "630" + point + "25");
    QCOMPARE(directory[1].Method, QStringLiteral("Thomas"));
    QCOMPARE(directory[2].Method, QStringLiteral("Test"));
    QCOMPARE(directory[2].Start, QStringLiteral("01/01/2000 00:00"));
    QCOMPARE(f.context.Session.Method, QStringLiteral("Test"));

    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows.at(0),
             (QList<QVariant>{1, QStringLiteral("15/03/2011 09:05"), QStringLiteral("Rolle")}));
    QCOMPARE(rows.at(2).at(0).toInt(), 3);
    QList<int> percents;
    for (const auto& call : progress)
        percents.append(call.at(0).toInt());
    QCOMPARE(percents, (QList<int>{25, 50, 75, 100, 0}));
}

void TestDownload::directoryStopsAtTheFirstTimeOut() {
    sim::InstrumentFaults faults;
    faults.deadAfterBytes = 10 + 4 + 2 + 1 + 1 + 1 + 2 + 34 + 20; // inside the second entry
    LinkFixture f(Memory(), faults);
    QSignalSpy rows(f.link.get(), &TFormRS232::DirectoryRowAdded);
    QVERIFY(f.link->Connect());
    QVERIFY(f.link->ReadMemoryCounts());
    QVERIFY(!f.link->ReadAcquisitionDirectory());
    QVERIFY(f.link->TimedOut());
    QCOMPARE(rows.size(), 1);
    QCOMPARE(f.context.AcquisitionDirectory.size(), std::size_t(1));
}

void TestDownload::acquisition() {
    const sim::InstrumentMemory memory = Memory();
    LinkFixture f(memory);
    ReadDirectory(f);
    QSignalSpy remaining(f.link.get(), &TFormRS232::RemainingTimeChanged);
    QSignalSpy progress(f.link.get(), &TFormRS232::ProgressChanged);
    QVERIFY(f.link->ReadAcquisition(0));

    QCOMPARE(f.writes(),
             (QList<QByteArray>{"SP", "0", "0", "0", "4", "2", "SS", "1", "RP", "RP", "RP", "RP"}));
    const Session& session = f.context.Session;
    QCOMPARE(session.MeasurementCount, 4);
    QCOMPARE(session.Method, QStringLiteral("Rolle"));
    QCOMPARE(session.StartText, QStringLiteral("15/03/2011 09:05"));
    QCOMPARE(session.Volume, 10.5);
    QCOMPARE(session.Eapv, 630.25);
    QCOMPARE(session.Spectra.size(), std::size_t(4 * ChannelCount));
    const auto& stored = memory.acquisitions[0].measurements;
    for (int m = 0; m < 4; ++m) {
        for (int c = 0; c < ChannelCount; ++c)
            QCOMPARE(session.SpectrumAt(m)[c],
                     qint32(stored[std::size_t(m)].spectrum[std::size_t(c)]));
    }
    QVERIFY(!f.context.ChecksumFailed);

    QCOMPARE(remaining.size(), 5);
    QVERIFY(remaining.at(0).at(0).toString().startsWith(QStringLiteral("Temps restant estimé : ")));
    QCOMPARE(remaining.last().at(0).toString(), QString());
    QList<int> percents;
    for (const auto& call : progress)
        percents.append(call.at(0).toInt());
    QCOMPARE(percents, (QList<int>{25, 50, 75, 100, 0}));
}

void TestDownload::volumeAndEapv_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("volume");
    QTest::newRow("rolle with 4") << 0 << 10.5;
    QTest::newRow("thomas with 2") << 1 << 0.0;
    QTest::newRow("test with 3") << 2 << 0.0;
}

void TestDownload::volumeAndEapv() {
    QFETCH(int, row);
    QFETCH(double, volume);
    LinkFixture f(Memory());
    ReadDirectory(f);
    f.context.Session.Volume = 99;
    QVERIFY(f.link->ReadAcquisition(row));
    QCOMPARE(f.context.Session.Volume, volume);
    QCOMPARE(f.context.Session.Eapv, volume > 0 ? 630.25 : 0.0);
}

void TestDownload::checksumsAreComparedModulo65536() {
    LinkFixture f(Memory());
    ReadDirectory(f);
    QVERIFY(f.link->ReadAcquisition(3));
    QCOMPARE(f.context.Session.SpectrumAt(0)[5], 1000);
}

void TestDownload::faults_data() {
    QTest::addColumn<sim::InstrumentFaults>("faults");
    QTest::addColumn<bool>("success");
    QTest::addColumn<bool>("timedOut");
    QTest::addColumn<bool>("checksum");
    QTest::addColumn<bool>("portFailed");
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("spectra");

    // The instrument sends 2 + 2 + 256 + 2 + 64 + 2 + 3 bytes per measurement.
    const qint64 connection = 10 + 4 + 2 + 1 + 1 + 1 + 2 + 4 * 34 + 2;
    const qint64 selection = 2 + 2 + 2 + 2;
    const qint64 measurement = 331;
    sim::InstrumentFaults faults;
    faults.spectrumChecksumErrorAt = 2;
    QTest::newRow("spectrum checksum") << faults << false << false << true << false << 2 << 2;
    faults = {};
    faults.headerChecksumErrorAt = 3;
    QTest::newRow("header checksum") << faults << false << false << true << false << 3 << 3;
    faults = {};
    faults.lostEchoAt = 2;
    QTest::newRow("lost echo, then answered")
        << faults << true << false << false << false << 5 << 4;
    faults.lostEchoCount = 2;
    QTest::newRow("lost echo, retry lost too")
        << faults << false << true << false << false << 3 << 2;
    faults = {};
    faults.deadAfterBytes = connection + selection + 2 * measurement + 100;
    QTest::newRow("silent mid-spectrum") << faults << false << true << false << false << 3 << 3;
    faults.deadLineHangsUp = true;
    QTest::newRow("cable pulled mid-spectrum")
        << faults << false << false << false << true << 3 << 3;
    faults.deadAfterBytes = connection + selection + measurement + 300;
    QTest::newRow("cable pulled mid-header") << faults << false << false << false << true << 2 << 2;
}

void TestDownload::faults() {
    QFETCH(sim::InstrumentFaults, faults);
    QFETCH(bool, success);
    QFETCH(int, requests);
    QFETCH(int, spectra);
    LinkFixture f(Memory(), faults);
    ReadDirectory(f);
    QCOMPARE(f.link->ReadAcquisition(0), success);
    QTEST(f.link->TimedOut(), "timedOut");
    QTEST(f.context.ChecksumFailed, "checksum");
    QTEST(f.link->CommunicationFailed(), "portFailed");
    QCOMPARE(Count(f.writes(), "RP"), requests);
    QCOMPARE(f.context.Session.SpectrumCount(), spectra);
    QVERIFY2(f.writes().last() == "RP",
             "nothing is read or sent after the measurement that failed");
    if (!success && !f.context.ChecksumFailed) {
        // The measurement that failed stays zeroed.
        const qint32* last = f.context.Session.SpectrumAt(spectra - 1);
        QVERIFY(std::all_of(last, last + ChannelCount, [](qint32 count) { return count == 0; }));
    }
    QCOMPARE(f.link->PortOpen(), !f.link->CommunicationFailed());
    f.link->Disconnect();
    QCOMPARE(Count(f.writes(), "SL"), f.link->CommunicationFailed() ? 0 : 1);
}

void TestDownload::cancel() {
    LinkFixture f(Memory());
    ReadDirectory(f);
    connect(f.link.get(), &TFormRS232::ProgressChanged, this, [&f](int percent) {
        if (percent == 50)
            f.context.CancelRequested = true;
    });
    QVERIFY(!f.link->ReadAcquisition(0));
    QVERIFY(f.context.CancelRequested);
    QVERIFY(!f.link->TimedOut());
    QCOMPARE(Count(f.writes(), "RP"), 2);
    QVERIFY(f.link->PortOpen());
}

void TestDownload::unknownRow() {
    LinkFixture f(Memory());
    ReadDirectory(f);
    QVERIFY(!f.link->ReadAcquisition(4));
    QVERIFY(!f.link->FailureReason().isEmpty());
    QVERIFY(f.writes().isEmpty());
}

QTEST_GUILESS_MAIN(TestDownload)
#include "tst_download.moc"
