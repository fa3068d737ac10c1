// The link on the fuzz build's virtual clock: waits jump ahead instead of
// sleeping, yet replies and time-outs come in the order real time gives them.

#include "fuzzport.h"
#include "virtualclock.h"

#include "link/rs232.h"

#include <QtTest>

class TestVirtualClock : public QObject {
    Q_OBJECT
private slots:
    void replyRacesTimeOut_data();
    void replyRacesTimeOut();
    void pausesTakeNoRealTime();
};

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

QTEST_GUILESS_MAIN(TestVirtualClock)
#include "tst_virtualclock.moc"
