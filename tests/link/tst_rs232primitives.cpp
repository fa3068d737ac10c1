#include "link/qtserialport.h"
#include "link/rs232.h"

#include "scriptedport.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

// Durations here are real milliseconds, wide apart so that a loaded machine
// cannot turn a gap into an arrival or the reverse.
class TestRs232Primitives : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void waitedReceiveTakesBytesAlreadyThere();
    void waitedReceiveTimesOutOnSilence();
    void waitedReceiveTimesOutOnPartialReply();
    void successfulReceiveClearsTimedOut();
    void readTimeouts_data();
    void readTimeouts();
    void setReadTimeoutsDerivesTheConstant();
    void purgeDropsEverythingWaiting();
    void sendTextAddsNothing();
    void delayKeepsEventsFlowing();
    void portFailureEndsTheWaitAndClosesThePort();
    void primitivesOnAClosedPortFail();
    void permissionMessageNamesTheDevicesGroup();

private:
    Context* m_context = nullptr;
    TFormRS232* m_link = nullptr;
    ScriptedPort* m_port = nullptr;
};

void TestRs232Primitives::init() {
    m_context = new Context;
    auto port = std::make_unique<ScriptedPort>();
    m_port = port.get();
    m_link = new TFormRS232(*m_context, std::move(port));
    // A reply time-out of 300 ms keeps the silent cases short.
    m_link->SetTimeScale(0.1);
    QVERIFY(m_link->OpenPort());
}

void TestRs232Primitives::cleanup() {
    delete m_link;
    delete m_context;
}

void TestRs232Primitives::waitedReceiveTakesBytesAlreadyThere() {
    m_link->SetTimeScale(1.0); // a wrong wait would cost the full 3 s
    m_port->PutWaiting("ABCDEF");
    QByteArray destination = "old";
    QElapsedTimer clock;
    clock.start();
    m_link->ReceiveBytes(destination, 4, true);
    QVERIFY2(clock.elapsed() < 1000, "a receive of bytes already there must not wait");
    QCOMPARE(destination, QByteArray("ABCD"));
    QVERIFY(!m_link->TimedOut());
    QCOMPARE(m_port->BytesWaiting(), 2);
}

void TestRs232Primitives::waitedReceiveTimesOutOnSilence() {
    QByteArray destination = "old";
    m_link->ReceiveBytes(destination, 2, true);
    QVERIFY(m_link->TimedOut());
    QVERIFY(m_context->TimedOut);
    QCOMPARE(destination, QByteArray("old"));
    QVERIFY(!m_link->CommunicationFailed());
    QVERIFY(!m_link->TimerTimeOut->isActive());
}

void TestRs232Primitives::waitedReceiveTimesOutOnPartialReply() {
    m_port->ArriveAfter(0, "AB");
    QByteArray destination = "old";
    m_link->ReceiveBytes(destination, 3, true);
    QVERIFY(m_link->TimedOut());
    QCOMPARE(destination, QByteArray("old"));
    QCOMPARE(m_port->BytesWaiting(), 2); // left for whoever reads next
}

void TestRs232Primitives::successfulReceiveClearsTimedOut() {
    QByteArray destination;
    m_link->ReceiveBytes(destination, 1, true);
    QVERIFY(m_link->TimedOut());
    m_port->ArriveAfter(20, "Z");
    m_link->ReceiveBytes(destination, 1, true);
    QVERIFY(!m_link->TimedOut());
    QCOMPARE(destination, QByteArray("Z"));
}

void TestRs232Primitives::readTimeouts_data() {
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("constant");
    QTest::addColumn<QList<int>>("arrivalsMs"); // one byte each, "0123..." in order
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("all there") << 100 << 100 << 1000 << QList<int>{0, 0, 0} << 3
                               << QByteArray("012");
    QTest::newRow("more than asked")
        << 100 << 100 << 1000 << QList<int>{0, 0, 0} << 2 << QByteArray("01");
    QTest::newRow("silence ends at the total")
        << 0 << 20 << 100 << QList<int>{} << 4 << QByteArray();
    QTest::newRow("gap longer than the interval")
        << 150 << 0 << 0 << QList<int>{0, 20, 900} << 3 << QByteArray("01");
    QTest::newRow("gaps shorter than the interval")
        << 400 << 0 << 0 << QList<int>{0, 50, 100, 150} << 4 << QByteArray("0123");
    QTest::newRow("interval counts from the first byte only")
        << 100 << 0 << 0 << QList<int>{400, 420} << 2 << QByteArray("01");
    QTest::newRow("total ends a slow trickle")
        << 1000 << 50 << 100 << QList<int>{0, 20, 40, 900, 920} << 5 << QByteArray("012");
    QTest::newRow("all zero waits for every byte")
        << 0 << 0 << 0 << QList<int>{0, 300, 600} << 3 << QByteArray("012");
}

void TestRs232Primitives::readTimeouts() {
    QFETCH(int, interval);
    QFETCH(int, multiplier);
    QFETCH(int, constant);
    QFETCH(QList<int>, arrivalsMs);
    QFETCH(int, count);
    m_link->SetTimeScale(1.0);
    for (int i = 0; i < arrivalsMs.size(); ++i)
        m_port->ArriveAfter(arrivalsMs[i], QByteArray(1, char('0' + i)));
    m_link->SetReadTimeouts(ReadTimeouts{interval, multiplier, constant});
    QByteArray destination = "old";
    m_link->ReceiveBytes(destination, count, false);
    QTEST(destination, "expected");
    QVERIFY(!m_link->TimedOut());
}

void TestRs232Primitives::setReadTimeoutsDerivesTheConstant() {
    m_link->SetReadTimeouts(250);
    const ReadTimeouts timeouts = m_link->CurrentReadTimeouts();
    QCOMPARE(timeouts.interval, 250);
    QCOMPARE(timeouts.multiplier, 250);
    QCOMPARE(timeouts.constant, 2500);
}

void TestRs232Primitives::purgeDropsEverythingWaiting() {
    m_link->PurgeInput(); // empty: returns at once
    m_port->PutWaiting("stale bytes");
    m_link->PurgeInput();
    QCOMPARE(m_port->BytesWaiting(), 0);
    QVERIFY(!m_link->CommunicationFailed());
}

void TestRs232Primitives::sendTextAddsNothing() {
    m_link->SendText("SH");
    m_link->SendText("07");
    QCOMPARE(m_port->writes, (QList<QByteArray>{"SH", "07"}));
}

void TestRs232Primitives::delayKeepsEventsFlowing() {
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(5);
    m_link->Delay(500); // 50 ms at this scale
    QVERIFY(ticks >= 2);
    QVERIFY(!m_link->TimerDelay->isActive());
}

void TestRs232Primitives::portFailureEndsTheWaitAndClosesThePort() {
    m_link->SetTimeScale(1.0);
    m_port->FailAfter(20);
    QByteArray destination = "old";
    QElapsedTimer clock;
    clock.start();
    m_link->ReceiveBytes(destination, 2, true);
    QVERIFY2(clock.elapsed() < 2000, "a pulled cable must not wait for the reply time-out");
    QVERIFY(m_link->CommunicationFailed());
    QVERIFY(m_link->FailureReason().contains(QStringLiteral("câble")));
    QVERIFY(!m_link->TimedOut());
    QVERIFY(!m_link->PortOpen());
    QCOMPARE(destination, QByteArray("old"));
}

void TestRs232Primitives::primitivesOnAClosedPortFail() {
    m_link->ClosePort();
    m_link->SendText("ID");
    QVERIFY(m_link->CommunicationFailed());
    QVERIFY(m_port->writes.isEmpty());
}

void TestRs232Primitives::permissionMessageNamesTheDevicesGroup() {
#ifdef Q_OS_LINUX
    QTemporaryDir directory;
    const QString device = directory.filePath(QStringLiteral("ttyUSB0"));
    QFile file(device);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    if (QProcess::execute(QStringLiteral("chgrp"), {QStringLiteral("dialout"), device}) != 0)
        QSKIP("cannot give the test device to the group dialout here");
    // Reached through a link, as /dev/serial/by-id names are.
    const QString link = directory.filePath(QStringLiteral("by-id"));
    QVERIFY(QFile::link(device, link));
    const QString text = PermissionDeniedText(QStringLiteral("/dev/ttyUSB0"), link);
    QVERIFY2(text.contains(QStringLiteral("« dialout »")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("usermod -aG dialout")));
    QVERIFY(text.contains(QStringLiteral("reconnectez-vous")));
    QVERIFY(text.contains(QStringLiteral("/dev/ttyUSB0")));
    // A path is a device of its own even when the system does not list it
    // under that name: the message still names the group.
    QCOMPARE(PortDeviceLocation(link), link);
    QVERIFY(PermissionDeniedText(link, PortDeviceLocation(link))
                .contains(QStringLiteral("« dialout »")));
    // A device of root's group, or one not found, still names the fix.
    const QString unknownGroup =
        PermissionDeniedText(QStringLiteral("ttyS0"), QStringLiteral("/no/such"));
    QVERIFY2(unknownGroup.contains(QStringLiteral("« dialout »")) &&
                 unknownGroup.contains(QStringLiteral("reconnectez-vous")) &&
                 !unknownGroup.contains(QStringLiteral("autre programme")),
             qPrintable(unknownGroup));
#else
    QSKIP("the group of a device is a Linux matter");
#endif
}

QTEST_GUILESS_MAIN(TestRs232Primitives)
#include "tst_rs232primitives.moc"
