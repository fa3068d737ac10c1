// The initialisation sequence against the in-process simulated instrument:
// what crosses the line, what the caller is told and in which order, and that
// nothing is erased unless every value came back as it was sent.

#include "config/initialisation.h"

#include "linkfixture.h"

#include <QtTest>

#include <functional>

namespace {

// Every status and message in order, as one line each.
class Recorder : public InitialisationObserver {
public:
    void StatusChanged(const QString& text) override {
        events << QStringLiteral("status: ") + text;
        if (onStatus)
            onStatus(text);
    }
    void Tell(const InitialisationMessage& message) override {
        events << (message.kind == InitialisationMessage::Warning ? QStringLiteral("warning: ")
                                                                  : QStringLiteral("info: ")) +
                      message.text;
        details << message.details;
        // The user reads the message before the connection is ended.
        openWhenTold << (link != nullptr && link->PortOpen());
    }
    void Succeeded() override { events << QStringLiteral("succeeded"); }

    QStringList events;
    QStringList details;
    QList<bool> openWhenTold;
    const TFormRS232* link = nullptr;
    std::function<void(const QString&)> onStatus;
};

const QString Sending = QStringLiteral("status: Envoi des paramètres...");
const QString Verifying = QStringLiteral("status: Vérification des paramètres...");
const QString Erasing = QStringLiteral("status: Effacement des mesures...");
const QString Cleared = QStringLiteral("status: ");
const QString Failed =
    QStringLiteral("warning: L'initialisation a échoué.\n\rVeuillez recommencer.");

ParameterSet SetOf(const std::array<QByteArray, ParameterCount>& values) {
    ParameterSet set;
    for (int i = 0; i < ParameterCount; ++i)
        set[i] = QString::fromLatin1(values[std::size_t(i)]);
    return set;
}

ParameterSet CampaignSet() {
    ParameterSet set = SetOf(sim::FactoryParameters());
    set[4] = QStringLiteral("09/12/26");
    set[5] = QStringLiteral("11:58");
    set[53] = QStringLiteral("hidden"); // hidden entries go out as they are
    return set;
}

QList<QByteArray> ExpectedWrites(const ParameterSet& set) {
    QList<QByteArray> writes{"ID"};
    for (int i = 0; i < ParameterCount; ++i) {
        writes << "SH" << QByteArray::number(i).rightJustified(2, '0')
               << ParameterNames()[i].toLatin1() + ';' + set[i].toLatin1() + ';';
    }
    writes << "SH"
           << "99"
           << "RV"
           << "RH"
           << "99"
           << "SM"
           << "SL";
    return writes;
}

} // namespace

class TestInitialisation : public QObject {
    Q_OBJECT
private slots:
    void sendsVerifiesAndErases();
    void fullCommentSucceeds();
    void readBackInAnotherForm();
    void readBackInAnotherCase();
    void timeOutAtEachStage_data();
    void timeOutAtEachStage();
};

void TestInitialisation::sendsVerifiesAndErases() {
    LinkFixture f(sim::GeneratedMemory(2, 3, 1));
    f.context.Session.Parameters.fill(QStringLiteral("before"));
    const ParameterSet set = CampaignSet();
    Recorder recorder;
    const InitialisationResult result = RunInitialisation(*f.link, f.context, set, recorder);

    QVERIFY(result.Ok());
    QVERIFY(result.differences.empty());
    QCOMPARE(recorder.events, (QStringList{Sending, Verifying, Erasing, "succeeded",
                                           "info: Initialisation réussie", Cleared}));
    QCOMPARE(f.writes(), ExpectedWrites(set));
    QVERIFY(!f.link->PortOpen());
    QVERIFY(f.device().Memory().acquisitions.empty());
    QCOMPARE(SetOf(f.device().Memory().parameters), set);
    QCOMPARE(f.context.Session.Parameters, set);
    QCOMPARE(f.context.Session.SavedParameters, set);
}

void TestInitialisation::fullCommentSucceeds() {
    LinkFixture f(sim::GeneratedMemory(1, 2, 1));
    ParameterSet set = CampaignSet();
    set[63] = QStringLiteral("Grenier\tsous-sol\tpièce 12345678").left(31);
    QCOMPARE(set[63].size(), 31);
    Recorder recorder;
    QVERIFY(RunInitialisation(*f.link, f.context, set, recorder).Ok());
    QCOMPARE(f.context.Session.Parameters[63], set[63]);
}

void TestInitialisation::readBackInAnotherForm() {
    sim::InstrumentFaults faults;
    faults.reformatValues = true; // "10.00" comes back as "10"
    LinkFixture f(sim::GeneratedMemory(2, 3, 1), faults);
    ParameterSet set = CampaignSet();
    set[7] = QStringLiteral("02");
    Recorder recorder;
    const InitialisationResult result = RunInitialisation(*f.link, f.context, set, recorder);

    QCOMPARE(result.outcome, InitialisationOutcome::ReadBackDiffers);
    QCOMPARE(recorder.events, (QStringList{Sending, Verifying, Failed, Cleared}));
    QVERIFY(!f.writes().contains("SM"));
    QCOMPARE(f.writes().last(), QByteArray("SL"));
    QCOMPARE(int(f.device().Memory().acquisitions.size()), 2);
    // The window keeps its fields; the session holds what came back.
    QCOMPARE(f.context.Session.SavedParameters, set);
    QCOMPARE(f.context.Session.Parameters[11], QStringLiteral("10"));

    QVERIFY(result.differences.size() >= 2);
    const ParameterDifference& first = result.differences.front();
    QCOMPARE(first.index, 7);
    QCOMPARE(first.name, QStringLiteral("INT_MAINT"));
    QCOMPARE(first.sent, QStringLiteral("02"));
    QCOMPARE(first.readBack, QStringLiteral("2"));
    const QStringList lines = recorder.details.at(0).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), int(result.differences.size()));
    QCOMPARE(lines.at(0), QStringLiteral("8 INT_MAINT : envoyé \"02\", relu \"2\""));
    QVERIFY(lines.contains(QStringLiteral("12 VOL_MIN : envoyé \"10.00\", relu \"10\"")));
}

// A serial number that comes back in lower case is not the one sent.
void TestInitialisation::readBackInAnotherCase() {
    sim::InstrumentFaults faults;
    faults.lowerCaseValues = true;
    LinkFixture f(sim::GeneratedMemory(2, 3, 1), faults);
    Recorder recorder;
    const InitialisationResult result =
        RunInitialisation(*f.link, f.context, CampaignSet(), recorder);

    QCOMPARE(result.outcome, InitialisationOutcome::ReadBackDiffers);
    QVERIFY(!f.writes().contains("SM"));
    QCOMPARE(recorder.details.at(0).section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("1 #DEVICE : envoyé \"OVRA0042\", relu \"ovra0042\""));
}

void TestInitialisation::timeOutAtEachStage_data() {
    QTest::addColumn<QString>("silentFrom"); // status at which the instrument falls silent
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QByteArray>("lastCommand"); // the last two-letter command before "SL"
    QTest::newRow("identification")
        << QString() << int(InitialisationOutcome::NoConnection)
        << QStringList{"warning: Connexion impossible !", Cleared} << QByteArray("ID");
    QTest::newRow("sending") << Sending << int(InitialisationOutcome::WriteFailed)
                             << QStringList{Sending, "warning: Erreur de communication", Failed,
                                            Cleared}
                             << QByteArray("SH");
    QTest::newRow("verifying") << Verifying << int(InitialisationOutcome::ReadBackFailed)
                               << QStringList{Sending, Verifying,
                                              "warning: Erreur de communication (TimeOut)", Failed,
                                              Cleared}
                               << QByteArray("RV");
    QTest::newRow("erasing") << Erasing << int(InitialisationOutcome::EraseFailed)
                             << QStringList{Sending, Verifying,
                                            Erasing, "warning: Erreur de communication (TimeOut)",
                                            Failed,  Cleared}
                             << QByteArray("SM");
}

void TestInitialisation::timeOutAtEachStage() {
    QFETCH(QString, silentFrom);
    QFETCH(int, outcome);
    QFETCH(QStringList, events);
    QFETCH(QByteArray, lastCommand);
    sim::InstrumentFaults silent;
    silent.silent = true;
    LinkFixture f(sim::GeneratedMemory(1, 2, 1),
                  silentFrom.isEmpty() ? silent : sim::InstrumentFaults{});
    Recorder recorder;
    recorder.link = f.link.get();
    recorder.onStatus = [&](const QString& text) {
        if (QStringLiteral("status: ") + text == silentFrom)
            f.device().SetFaults(silent);
    };
    const InitialisationResult result =
        RunInitialisation(*f.link, f.context, CampaignSet(), recorder);

    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(recorder.events.size(), events.size());
    for (int i = 0; i < events.size(); ++i)
        QVERIFY2(recorder.events[i].startsWith(events[i]), qPrintable(recorder.events[i]));
    QVERIFY(!f.link->PortOpen());
    QCOMPARE(recorder.openWhenTold.contains(false),
             outcome == int(InitialisationOutcome::NoConnection));
    QList<QByteArray> commands;
    for (const QByteArray& write : f.writes()) {
        if (write.size() == 2 && write.at(0) >= 'A' && write.at(0) <= 'Z' && write != "SL")
            commands << write;
    }
    QCOMPARE(commands.last(), lastCommand);
    QCOMPARE(f.writes().last(), lastCommand == "ID" ? QByteArray("ID") : QByteArray("SL"));
    if (outcome != int(InitialisationOutcome::NoConnection))
        QCOMPARE(result.failure.cause, ExchangeFailure::TimedOut);
    if (lastCommand != "SM")
        QCOMPARE(int(f.device().Memory().acquisitions.size()), 1);
}

QTEST_GUILESS_MAIN(TestInitialisation)
#include "tst_initialisation.moc"
