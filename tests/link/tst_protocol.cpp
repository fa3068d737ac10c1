#include "link/rs232.h"
#include "link/wire.h"

#include "linkfixture.h"
#include "scriptedport.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

sim::InstrumentMemory SmallMemory() {
    sim::InstrumentMemory memory = sim::GeneratedMemory(2, 3, 5);
    memory.clock = QDateTime(QDate(2011, 3, 15), QTime(14, 5, 0));
    return memory;
}

QList<int> Percents(const QSignalSpy& spy) {
    QList<int> percents;
    for (const QList<QVariant>& call : spy)
        percents.append(call.at(0).toInt());
    return percents;
}

} // namespace

class TestProtocol : public QObject {
    Q_OBJECT
private slots:
    void connectIdentifiesAndDisconnectSaysGoodbye();
    void connectRefused_data();
    void connectRefused();
    void connectTellsWhyThePortDidNotOpen();
    void connectAfterARefusalStartsAfresh();
    void readParameters();
    void parameterValueLength_data();
    void parameterValueLength();
    void readParametersStopsAtTheFirstTimeOut();
    void writeParameters();
    void writeParametersStopsAtTheFirstTimeOut();
    void valuesStoredInAnotherForm();
    void eraseMeasurements();
    void eraseStopsWhenTheInstrumentFallsSilent();
    void readInstrumentClock();
    void readInstrumentClockOfASilentInstrument();
    void writeInstrumentClock();
    void writeInstrumentClockRefusesABadText();
    void readMemoryCounts();
    void badReplies_data();
    void badReplies();
    void disconnectAfterAPulledCableOnlyCloses();
};

void TestProtocol::connectIdentifiesAndDisconnectSaysGoodbye() {
    LinkFixture f(SmallMemory());
    QVERIFY(f.link->Connect());
    QVERIFY(f.link->PortOpen());
    QCOMPARE(f.port->LastOpenedName(), QStringLiteral("/dev/ttyOVRA"));
    f.link->Disconnect();
    QVERIFY(!f.link->PortOpen());
    QCOMPARE(f.writes(), (QList<QByteArray>{"ID", "SL"}));
    QCOMPARE(f.port->Log().Bytes(sim::Transcript::FromInstrument),
             QByteArray("IDTARVEL\r\nSL\r\n"));
}

void TestProtocol::connectRefused_data() {
    QTest::addColumn<QByteArray>("identification");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QString>("reasonPart");
    QTest::newRow("another instrument") << QByteArray("OTHER!") << false << "OTHER!";
    QTest::newRow("lower case") << QByteArray("tarvel") << false << "tarvel";
    QTest::newRow("short") << QByteArray("TARV") << false << "TARV";
    QTest::newRow("silent") << QByteArray("TARVEL") << true << "ne répond pas";
}

void TestProtocol::connectRefused() {
    QFETCH(QByteArray, identification);
    QFETCH(bool, silent);
    QFETCH(QString, reasonPart);
    sim::InstrumentFaults faults;
    faults.identification = identification;
    faults.silent = silent;
    LinkFixture f(SmallMemory(), faults);
    f.link->SetReadTimeouts(100);
    QVERIFY(!f.link->Connect());
    QVERIFY2(!f.link->PortOpen(), "a refused identification closes the port");
    QVERIFY(f.link->FailureReason().contains(reasonPart));
    QCOMPARE(f.writes(), QList<QByteArray>{"ID"});
    // A wrong echo puts the working read time-outs back in place.
    QCOMPARE(f.link->CurrentReadTimeouts().interval, silent ? 250 : 100);
}

void TestProtocol::connectTellsWhyThePortDidNotOpen() {
    LinkFixture f(SmallMemory());
    f.port->RefuseOpen(QStringLiteral("Accès refusé au port /dev/ttyOVRA"));
    QVERIFY(!f.link->Connect());
    QCOMPARE(f.link->FailureReason(), QStringLiteral("Accès refusé au port /dev/ttyOVRA"));
    QVERIFY(f.writes().isEmpty());
}

void TestProtocol::connectAfterARefusalStartsAfresh() {
    sim::InstrumentFaults faults;
    faults.identification = "OTHER!";
    LinkFixture f(SmallMemory(), faults);
    QVERIFY(!f.link->Connect());
    f.device().SetFaults({});
    QVERIFY(f.link->Connect());
    QVERIFY(f.link->FailureReason().isEmpty());
    QCOMPARE(f.port->OpenCount(), 2);
}

void TestProtocol::readParameters() {
    sim::InstrumentMemory memory = SmallMemory();
    memory.parameters[63] = "Cave\tsous-sol \xe9t\xe9"; // Windows-1252 "été"
    LinkFixture f(memory);
    QSignalSpy progress(f.link.get(), &TFormRS232::ProgressChanged);
    QVERIFY(f.link->Connect());
    QVERIFY(f.link->ReadParameters());
    const Session& session = f.context.Session;
    QCOMPARE(session.SoftwareVersion, QStringLiteral("V2.10a"));
    for (int i = 0; i < ParameterCount; ++i)
        QCOMPARE(session.Parameters[i], FromWireText(memory.parameters[i]));
    QCOMPARE(session.Parameters[63], QStringLiteral("Cave\tsous-sol été"));
    QCOMPARE(f.writes(), (QList<QByteArray>{"ID", "RV", "RH", "99"}));
    QCOMPARE(progress.size(), ParameterCount);
    QCOMPARE(Percents(progress).first(), 3);  // 100 * 2 / 64
    QCOMPARE(Percents(progress).at(5), 11);   // 100 * 7 / 64 = 10.9
    QCOMPARE(Percents(progress).at(6), 12);   // 12.5 goes to the even neighbour
    QCOMPARE(Percents(progress).last(), 100); // 101.6, held at the bar's maximum
    QCOMPARE(progress.first().at(1).value<ProgressBars>(), ConfigBar | MemoryBar | ClockBar);
}

void TestProtocol::parameterValueLength_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("read");
    QTest::newRow("empty") << 5 << 0 << true;
    QTest::newRow("30 characters") << 63 << 30 << true;
    QTest::newRow("31 characters, a full comment") << 63 << 31 << true;
    QTest::newRow("32 characters") << 63 << 32 << false;
    QTest::newRow("40 characters in the first") << 0 << 40 << false;
}

void TestProtocol::parameterValueLength() {
    QFETCH(int, index);
    QFETCH(int, length);
    QFETCH(bool, read);
    sim::InstrumentMemory memory = SmallMemory();
    memory.parameters[std::size_t(index)] = QByteArray(length, 'x');
    LinkFixture f(memory);
    QVERIFY(f.link->Connect());
    QCOMPARE(f.link->ReadParameters(), read);
    QVERIFY2(!f.link->TimedOut(), "an overflow is not a time-out");
    if (read) {
        QCOMPARE(f.context.Session.Parameters[index], QString(length, QLatin1Char('x')));
        QVERIFY(f.link->FailureReason().isEmpty());
    } else {
        QVERIFY(f.link->FailureReason().contains(QString::number(index + 1)));
    }
}

void TestProtocol::readParametersStopsAtTheFirstTimeOut() {
    sim::InstrumentFaults faults;
    // "ID" reply, "RV" reply, "RH" echo, "99" echo, then the line dies in
    // the value of the fourth record.
    faults.deadAfterBytes = 10 + 10 + 2 + 2 + QByteArray("#DEVICE;OVRA0042;\r\n").size() +
                            QByteArray("DEVICE_TYPE;3;\r\n").size() +
                            QByteArray("CONFIG;258;\r\n").size() + QByteArray("RESERVE;").size();
    LinkFixture f(SmallMemory(), faults);
    f.context.Session.Parameters.fill(QStringLiteral("old"));
    QVERIFY(f.link->Connect());
    QVERIFY(!f.link->ReadParameters());
    QVERIFY2(f.link->TimedOut(), "no read after the time-out may clear it");
    QVERIFY(!f.link->CommunicationFailed());
    QCOMPARE(f.context.Session.Parameters[2], QStringLiteral("258"));
    QCOMPARE(f.context.Session.Parameters[3], QString());
    QCOMPARE(f.context.Session.Parameters[4], QStringLiteral("old"));
}

void TestProtocol::writeParameters() {
    LinkFixture f(SmallMemory());
    Session& session = f.context.Session;
    for (int i = 0; i < ParameterCount; ++i)
        session.Parameters[i] = QStringLiteral("v%1").arg(i);
    session.Parameters[63] = QStringLiteral("Ligne 1\tété");
    QVERIFY(f.link->Connect());
    QVERIFY(f.link->WriteParameters());

    const QList<QByteArray> writes = f.writes();
    QCOMPARE(writes.size(), 1 + 3 * ParameterCount + 2);
    QCOMPARE(writes.mid(1, 3), (QList<QByteArray>{"SH", "00", "#DEVICE;v0;"}));
    QCOMPARE(writes.mid(1 + 3 * 7, 3), (QList<QByteArray>{"SH", "07", "INT_MAINT;v7;"}));
    QCOMPARE(writes.at(3 * 63 + 3), QByteArray("COMMENTS;Ligne 1\t\xe9t\xe9;"));
    QCOMPARE(writes.mid(writes.size() - 2), (QList<QByteArray>{"SH", "99"}));
    for (int i = 0; i < ParameterCount; ++i)
        QCOMPARE(FromWireText(f.device().Memory().parameters[i]), session.Parameters[i]);
}

void TestProtocol::writeParametersStopsAtTheFirstTimeOut() {
    sim::InstrumentFaults faults;
    faults.deadAfterBytes = 10 + 2 + 2 + 2 + 2 + 2; // dies before the second record's reply
    LinkFixture f(SmallMemory(), faults);
    QVERIFY(f.link->Connect());
    QVERIFY(!f.link->WriteParameters());
    QVERIFY(f.link->TimedOut());
    QCOMPARE(f.writes().size(), 1 + 6);
    QCOMPARE(f.writes().last(), QByteArray("DEVICE_TYPE;;"));
}

void TestProtocol::valuesStoredInAnotherForm() {
    sim::InstrumentFaults faults;
    faults.reformatValues = true;
    LinkFixture f(SmallMemory(), faults);
    f.context.Session.Parameters.fill(QStringLiteral("0"));
    f.context.Session.Parameters[10] = QStringLiteral("0.250");
    f.context.Session.Parameters[16] = QStringLiteral("030");
    QVERIFY(f.link->Connect());
    QVERIFY(f.link->WriteParameters());
    QVERIFY(f.link->ReadParameters());
    QCOMPARE(f.context.Session.Parameters[10], QStringLiteral("0.25"));
    QCOMPARE(f.context.Session.Parameters[16], QStringLiteral("30"));
}

void TestProtocol::eraseMeasurements() {
    LinkFixture f(SmallMemory());
    QSignalSpy progress(f.link.get(), &TFormRS232::ProgressChanged);
    QVERIFY(f.link->Connect());
    QVERIFY(f.link->EraseMeasurements());
    QVERIFY(f.device().Memory().acquisitions.empty());
    const QList<int> percents = Percents(progress);
    QCOMPARE(percents.size(), 128);
    QCOMPARE(percents.at(0), 0);
    QCOMPARE(percents.at(63), 50); // "063"
    QCOMPARE(percents.at(127), 100);
    QCOMPARE(progress.first().at(1).value<ProgressBars>(), ProgressBars(ConfigBar));
    QCOMPARE(f.link->CurrentReadTimeouts().constant, 2500);
    QCOMPARE(f.link->TimerTimeOut->interval(), 150);
    QCOMPARE(f.writes(), (QList<QByteArray>{"ID", "SM"}));
}

void TestProtocol::eraseStopsWhenTheInstrumentFallsSilent() {
    sim::InstrumentFaults faults;
    faults.deadAfterBytes = 10 + 19 + 4 * 10 + 2;
    LinkFixture f(SmallMemory(), faults);
    QSignalSpy progress(f.link.get(), &TFormRS232::ProgressChanged);
    QVERIFY(f.link->Connect());
    QVERIFY(!f.link->EraseMeasurements());
    QVERIFY(f.link->TimedOut());
    QCOMPARE(progress.size(), 10);
    QCOMPARE(f.link->CurrentReadTimeouts().interval, 250);
    QCOMPARE(f.link->TimerTimeOut->interval(), 150);
}

void TestProtocol::readInstrumentClock() {
    LinkFixture f(SmallMemory());
    QVERIFY(f.link->Connect());
    QCOMPARE(f.link->ReadInstrumentClock(), QStringLiteral("15/03/2011 14:05"));
    QCOMPARE(f.writes(), (QList<QByteArray>{"ID", "RD", "RT"}));
}

void TestProtocol::readInstrumentClockOfASilentInstrument() {
    LinkFixture f(SmallMemory());
    QVERIFY(f.link->Connect());
    sim::InstrumentFaults faults;
    faults.silent = true;
    f.device().SetFaults(faults);
    QCOMPARE(f.link->ReadInstrumentClock(), QStringLiteral("01/01/2000 00:00"));
    QVERIFY(f.link->TimedOut());
    QCOMPARE(f.writes(), (QList<QByteArray>{"ID", "RD"}));
}

void TestProtocol::writeInstrumentClock() {
    LinkFixture f(SmallMemory());
    QVERIFY(f.link->Connect());
    QVERIFY(f.link->WriteInstrumentClock(QStringLiteral("24/12/2012 08:30")));
    QCOMPARE(f.writes(), (QList<QByteArray>{"ID", "ST", "08", "30", "SD", "24", "12", "12"}));
    const QDateTime clock = f.device().Clock();
    QCOMPARE(clock.date(), QDate(2012, 12, 24));
    QCOMPARE(clock.time().hour(), 8);
    QCOMPARE(clock.time().minute(), 30);
}

void TestProtocol::writeInstrumentClockRefusesABadText() {
    LinkFixture f(SmallMemory());
    QVERIFY(f.link->Connect());
    QVERIFY(!f.link->WriteInstrumentClock(QStringLiteral("31/02/2012 08:30")));
    QVERIFY(!f.link->FailureReason().isEmpty());
    QCOMPARE(f.writes(), QList<QByteArray>{"ID"});
}

void TestProtocol::readMemoryCounts() {
    sim::InstrumentMemory memory = sim::GeneratedMemory(3, 7, 1);
    LinkFixture f(memory);
    QVERIFY(f.link->Connect());
    QVERIFY(f.link->ReadMemoryCounts());
    QCOMPARE(f.context.StoredMeasurementCount, 21);
    QCOMPARE(f.context.StoredAcquisitionCount, 3);
    QCOMPARE(f.writes(), (QList<QByteArray>{"ID", "RN"}));
}

void TestProtocol::badReplies_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shown");
    QTest::newRow("count line") << QByteArray("RN") << QByteArray("RN\r\n12a\r\n3\r\n0\r\n")
                                << "12a";
    QTest::newRow("count line without end")
        << QByteArray("RN") << QByteArray("RN\r\n") + QByteArray(40, '1') << "1111";
    QTest::newRow("erase packet") << QByteArray("SM") << QByteArray("SM\r\nERASE MEMORY.\r\n0x3\r")
                                  << "0x3";
    QTest::newRow("clock") << QByteArray("RD") << QByteArray("RDab/cd/ef\r\n") << "ab/cd/20ef";
}

void TestProtocol::badReplies() {
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, reply);
    QFETCH(QString, shown);
    Context context;
    auto scripted = std::make_unique<ScriptedPort>();
    ScriptedPort* port = scripted.get();
    TFormRS232 link(context, std::move(scripted));
    link.SetTimeScale(TestTimeScale);
    port->Answer("ID", "IDTARVEL\r\n");
    port->Answer("RT", "RT12:00:00\r\n");
    port->Answer(command, reply);
    QVERIFY(link.Connect());
    bool result = true;
    if (command == "RN")
        result = link.ReadMemoryCounts();
    else if (command == "SM")
        result = link.EraseMeasurements();
    else
        result = link.ReadInstrumentClock() != QLatin1String("01/01/2000 00:00");
    QVERIFY(!result);
    QVERIFY(link.CommunicationFailed());
    QVERIFY2(link.FailureReason().contains(shown), qPrintable(link.FailureReason()));
    QVERIFY(!link.PortOpen());
    QCOMPARE(link.CurrentReadTimeouts().interval, command == "SM" ? 250 : 100);
}

void TestProtocol::disconnectAfterAPulledCableOnlyCloses() {
    sim::InstrumentFaults faults;
    faults.deadAfterBytes = 10 + 5;
    faults.deadLineHangsUp = true;
    LinkFixture f(SmallMemory());
    QVERIFY(f.link->Connect());
    f.device().SetFaults(faults);
    QVERIFY(!f.link->ReadParameters());
    QVERIFY(f.link->CommunicationFailed());
    QVERIFY(!f.link->TimedOut());
    QVERIFY(!f.link->PortOpen());
    f.link->Disconnect();
    QVERIFY(!f.link->PortOpen());
    QVERIFY(f.link->CommunicationFailed());
    QCOMPARE(f.writes(), (QList<QByteArray>{"ID", "RV"}));
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
