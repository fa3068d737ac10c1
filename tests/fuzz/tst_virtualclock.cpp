// The link on the fuzz build's virtual clock: waits jump ahead instead of
// sleeping, yet replies and time-outs come in the order real time gives them.

#include "fuzzport.h"
#include "virtualclock.h"

#include "link/rs232.h"
#include "link/wire.h"

#include <QtTest>

class TestVirtualClock : public QObject {
    Q_OBJECT
private slots:
    void replyRacesTimeOut_data();
    void replyRacesTimeOut();
    void pausesTakeNoRealTime();
    void measurementPauseEndsOnItsTime_data();
    void measurementPauseEndsOnItsTime();
};

namespace {

// Notes when the link last read and when it asked for each measurement.
class TimedPort : public fuzz::FuzzPort {
public:
    TimedPort(const QByteArray& chunks, bool& cancel, LinkClock& clock)
        : FuzzPort(chunks, false, cancel, clock)
        , m_clock(clock) {}
    QByteArray Read(qint64 maxCount) override {
        lastReadNs = m_clock.NowNs();
        return FuzzPort::Read(maxCount);
    }
    bool Write(const QByteArray& bytes) override {
        if (bytes == "RP")
            pausesNs.push_back(m_clock.NowNs() - lastReadNs);
        return FuzzPort::Write(bytes);
    }

    qint64 lastReadNs = 0;
    std::vector<qint64> pausesNs; // before each "RP", since the last read

private:
    LinkClock& m_clock;
};

QByteArray MeasurementReply() {
    const QByteArray block(SpectrumBlockBytes, '\0');
    const QByteArray header(MeasurementHeaderBytes, '\0');
    const quint16 spectrumSum = SpectrumChecksum(DecodeSpectrumBlock(block));
    const quint16 headerSum = HeaderChecksum(header);
    return "RP\r\n" + block + char(spectrumSum >> 8) + char(spectrumSum) + header +
           char(headerSum >> 8) + char(headerSum) + "\r\n*";
}

} // namespace

void TestVirtualClock::replyRacesTimeOut_data() {
    QTest::addColumn<quint8>("delaySteps"); // 2 ms each; the reply time-out is 9 ms
    QTest::addColumn<bool>("timedOut");
    QTest::newRow("at once") << quint8(0) << false;
    QTest::newRow("8 ms, before the time-out") << quint8(4) << false;
    QTest::newRow("10 ms, after it") << quint8(5) << true;
    QTest::newRow("14 ms") << quint8(7) << true;
}

void TestVirtualClock::replyRacesTimeOut() {
    QFETCH(quint8, delaySteps);
    QFETCH(bool, timedOut);
    fuzz::VirtualClock clock;
    Context context;
    const QByteArray replies = fuzz::FuzzPort::Chunk("AB", delaySteps) + fuzz::FuzzPort::Chunk("C");
    TFormRS232 link(
        context, std::make_unique<fuzz::FuzzPort>(replies, false, context.CancelRequested, clock));
    link.SetClock(clock);
    link.SetTimeScale(0.003);
    QVERIFY(link.OpenPort());

    QByteArray received;
    link.SendText("x");
    link.ReceiveBytes(received, 2, true);
    QCOMPARE(link.TimedOut(), timedOut);
    QCOMPARE(received, timedOut ? QByteArray() : QByteArray("AB"));
    QCOMPARE(clock.NowMs(), timedOut ? 9 : 2 * delaySteps);

    // A wait that ended on its bytes leaves no time-out behind to fire later.
    link.Delay(3000);
    QCOMPARE(link.TimedOut(), timedOut);
    link.SendText("y");
    received.clear();
    link.ReceiveBytes(received, 1, true);
    QCOMPARE(received, timedOut ? QByteArray("A") : QByteArray("C"));
}

void TestVirtualClock::pausesTakeNoRealTime() {
    fuzz::VirtualClock clock;
    Context context;
    TFormRS232 link(context, std::make_unique<fuzz::FuzzPort>(QByteArray(), false,
                                                              context.CancelRequested, clock));
    link.SetClock(clock);
    QVERIFY(link.OpenPort());
    for (int i = 0; i < 100; ++i)
        link.Delay(1000);
    QCOMPARE(clock.NowMs(), 100'000);
    // Nothing comes: the read gives up at its total limit, on the clock.
    link.SetReadTimeouts(ReadTimeouts{0, 0, 2500});
    QByteArray nothing;
    link.ReceiveBytes(nothing, 4, false);
    QVERIFY(nothing.isEmpty());
    QCOMPARE(clock.NowMs(), 102'500);
}

void TestVirtualClock::measurementPauseEndsOnItsTime_data() {
    QTest::addColumn<qint64>("readingCostNs");
    QTest::newRow("on whole milliseconds") << qint64(0);
    QTest::newRow("3 us a reading") << qint64(3'000);
    QTest::newRow("37 us a reading") << qint64(37'000);
    QTest::newRow("0.11 ms a reading") << qint64(110'000);
}

// The 50 ms before each request, counted from the last byte read: never
// shorter, and not the next whole millisecond either, wherever between two
// milliseconds the clock stands.
void TestVirtualClock::measurementPauseEndsOnItsTime() {
    QFETCH(qint64, readingCostNs);
    fuzz::VirtualClock clock;
    clock.SetReadingCost(readingCostNs);
    Context context;
    context.AcquisitionDirectory.push_back({"1", "01/02/2024 10:00", "Test", "3", "0", "0"});
    // SP, five digits, SS, "1", then three measurements, each 6 ms after its request.
    QByteArray replies = fuzz::FuzzPort::Chunk("SP");
    for (const char* digitReply : {"", "", "", "", "\r\n"})
        replies += fuzz::FuzzPort::Chunk(digitReply);
    replies += fuzz::FuzzPort::Chunk("SS") + fuzz::FuzzPort::Chunk("\r\n");
    for (int i = 0; i < 3; ++i)
        replies += fuzz::FuzzPort::Chunk(MeasurementReply(), 3);
    auto port = std::make_unique<TimedPort>(replies, context.CancelRequested, clock);
    TimedPort* timed = port.get();
    TFormRS232 link(context, std::move(port));
    link.SetClock(clock);
    QVERIFY(link.OpenPort());

    QVERIFY2(link.ReadAcquisition(0), qPrintable(link.FailureReason()));
    QCOMPARE(timed->pausesNs.size(), std::size_t(3));
    // The first request follows the selection's own pause.
    for (std::size_t i = 1; i < timed->pausesNs.size(); ++i) {
        const qint64 pause = timed->pausesNs[i];
        QVERIFY2(pause >= 50'000'000 && pause < 50'500'000,
                 qPrintable(QStringLiteral("pause %1: %2 ns").arg(i).arg(pause)));
    }
}

QTEST_GUILESS_MAIN(TestVirtualClock)
#include "tst_virtualclock.moc"
