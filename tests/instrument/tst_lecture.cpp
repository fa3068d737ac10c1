// "Lecture" of the Instrument menu, up to the memory window: the
// unsaved-data question, the counts, parameters and directory read from the
// simulated instrument, and every way that first connection can fail.

#include "programfixture.h"

#include "data/fichiers.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

Q_DECLARE_METATYPE(MessageAnswer)
Q_DECLARE_METATYPE(MessageIcon)
Q_DECLARE_METATYPE(sim::InstrumentFaults)

class TestLecture : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readsTheMemory();
    void guard_data();
    void guard();
    void connectionFails_data();
    void connectionFails();
    void failsAfterTheCounts_data();
    void failsAfterTheCounts();
    void autoDetectionTimer();

private:
    // The window after an action that did not end with the memory window.
    void CheckRestored(ProgramFixture& program);

    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
};

void TestLecture::init() {
    m_directory = std::make_unique<TestDirectory>();
    QVERIFY(m_directory->IsValid());
    m_context = Context();
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
}

void TestLecture::cleanup() {
    m_directory.reset();
}

void TestLecture::CheckRestored(ProgramFixture& program) {
    QVERIFY(!program.Memoire().isVisible());
    QVERIFY(program.Main().isEnabled());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(program.Timer()->isActive());
    QVERIFY(!program.Link().PortOpen());
    QCOMPARE(program.port->writesWhileTimerRan, 0);
}

void TestLecture::readsTheMemory() {
    sim::InstrumentMemory memory = ThreeAcquisitions();
    const auto parameters = memory.parameters;
    ProgramFixture program(m_context, m_dialogs, memory);
    QVERIFY(!program.Timer()->isActive());

    // The directory arrives while the window is shown, with the parameters'
    // progress on its bar.
    QList<int> barWhileShown;
    connect(&program.Link(), &TFormRS232::ProgressChanged, this, [&] {
        if (program.Memoire().isVisible())
            barWhileShown << program.InMemoire<QProgressBar>("LMDProgressBar")->value();
    });
    program.MenuRead();

    QVERIFY(m_dialogs.Messages().isEmpty());
    QVERIFY(program.Memoire().isVisible());
    QVERIFY(!program.Main().isEnabled());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(program.Timer()->isActive());
    QVERIFY(!program.Link().PortOpen());
    QCOMPARE(program.port->writesWhileTimerRan, 0);
    QCOMPARE(program.port->Writes().first(), QByteArray("ID"));
    QCOMPARE(program.port->Writes().last(), QByteArray("SL"));

    QCOMPARE(program.InMemoire<QLineEdit>("EditNbMeas")->text(), QStringLiteral("9"));
    QCOMPARE(program.InMemoire<QLineEdit>("EditNbAcq")->text(), QStringLiteral("3"));
    QVERIFY(program.InMemoire<QLineEdit>("EditNbMeas")->isReadOnly());
    for (int i = 0; i < ParameterCount; ++i)
        QCOMPARE(m_context.Session.Parameters[i], QString::fromLatin1(parameters[i]));
    QCOMPARE(m_context.Session.SoftwareVersion, QStringLiteral("V2.10a"));
    QVERIFY(barWhileShown.contains(100));
    QCOMPARE(program.InMemoire<QProgressBar>("LMDProgressBar")->value(), 0);

    auto* list = program.InMemoire<QTreeWidget>("LMDListBoxMesures");
    QCOMPARE(list->topLevelItemCount(), 3);
    const QStringList expected[] = {{"1", "16/03/2011 09:05", "Rolle"},
                                    {"2", "17/03/2011 09:05", "Thomas"},
                                    {"3", "18/03/2011 09:05", "Test"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            QCOMPARE(list->topLevelItem(row)->text(column), expected[row][column]);

    // Ready to choose: the page and "Fermer" enabled, "Lecture" waits for a row.
    QVERIFY(program.InMemoire<QTabWidget>("PageControl")->isEnabled());
    QVERIFY(program.InMemoire<QPushButton>("ButtonClose")->isEnabled());
    QVERIFY(!program.InMemoire<QPushButton>("ButtonRead")->isEnabled());
    QVERIFY(!program.InMemoire<QPushButton>("ButtonCancel")->isEnabled());
    list->setCurrentItem(list->topLevelItem(1));
    QVERIFY(program.InMemoire<QPushButton>("ButtonRead")->isEnabled());

    // "Fermer" gives the main window back; no session was opened.
    program.InMemoire<QPushButton>("ButtonClose")->click();
    QVERIFY(!program.Memoire().isVisible());
    QVERIFY(program.Main().isEnabled());
    QCOMPARE(m_context.Session.SessionState, SessionEmpty);

    // Again, with the timer running since the first time: stopped during the
    // exchange, and the window prepared afresh.
    QVERIFY(program.Timer()->isActive());
    program.MenuRead();
    QCOMPARE(program.port->writesWhileTimerRan, 0);
    QCOMPARE(list->topLevelItemCount(), 3);
    QVERIFY(!program.InMemoire<QPushButton>("ButtonRead")->isEnabled());
    QVERIFY(program.Memoire().isVisible());
}

// The question before an unsaved download would be replaced: "Non" discards
// it; "Oui" saves it first, and a save that is cancelled or fails stops
// "Lecture" with the download still there.
void TestLecture::guard_data() {
    QTest::addColumn<SessionStateValue>("state");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QString>("savePath"); // "-": no dialog expected; "": cancelled
    QTest::addColumn<bool>("reads");

    QTest::newRow("no session") << SessionEmpty << MessageAnswer::Ok << "-" << true;
    QTest::newRow("saved session") << SessionSaved << MessageAnswer::Ok << "-" << true;
    QTest::newRow("unsaved, Non") << SessionUnsaved << MessageAnswer::No << "-" << true;
    QTest::newRow("unsaved, Oui, saved")
        << SessionUnsaved << MessageAnswer::Yes << "kept.ovra" << true;
    QTest::newRow("unsaved, Oui, dialog cancelled")
        << SessionUnsaved << MessageAnswer::Yes << "" << false;
    QTest::newRow("unsaved, Oui, save fails")
        << SessionUnsaved << MessageAnswer::Yes << "missing/kept.ovra" << false;
}

void TestLecture::guard() {
    QFETCH(SessionStateValue, state);
    QFETCH(MessageAnswer, answer);
    QFETCH(QString, savePath);
    QFETCH(bool, reads);

    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    if (state != SessionEmpty) {
        QVERIFY(ReadMeasurementFile(SamplePath(QStringLiteral("rolle3")), m_context.Session).Ok());
        m_context.Session.SessionState = state;
        program.Main().OpenSession();
        program.Main().DisplayAcquisition();
    }
    const QString target = savePath.isEmpty() || savePath == QLatin1String("-")
                               ? savePath
                               : m_directory->FilePath(savePath);
    if (answer != MessageAnswer::Ok)
        m_dialogs.QueueAnswer(answer);
    if (savePath != QLatin1String("-"))
        m_dialogs.QueuePath(target);

    program.MenuRead();

    QCOMPARE(m_dialogs.PendingAnswers(), 0);
    QCOMPARE(m_dialogs.Unscripted(), 0);
    if (state == SessionUnsaved) {
        const ScriptedDialogs::Message& question = m_dialogs.Messages().first();
        QCOMPARE(question.text, QStringLiteral("Les données en cours n'ont pas été sauvées !\n\r"
                                               "Voulez-vous les sauver ?"));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.icon, MessageIcon::Information);
    } else {
        QVERIFY(m_dialogs.Messages().isEmpty());
    }
    if (answer == MessageAnswer::Yes && !target.isEmpty())
        QCOMPARE(QFileInfo::exists(target), reads);

    QCOMPARE(program.Memoire().isVisible(), reads);
    QVERIFY(program.Timer()->isActive());
    QVERIFY(!QGuiApplication::overrideCursor());
    if (reads) {
        QCOMPARE(m_context.Session.SessionState, SessionEmpty);
        QCOMPARE(program.port->OpenCount(), 1);
    } else {
        // The download is still open, unsaved, and the instrument untouched.
        QCOMPARE(m_context.Session.SessionState, SessionUnsaved);
        QVERIFY(program.Main().windowTitle().endsWith(QLatin1String("Nouveau Fichier")));
        QCOMPARE(program.port->OpenCount(), 0);
        QVERIFY(program.Main().isEnabled());
    }
}

void TestLecture::connectionFails_data() {
    QTest::addColumn<sim::InstrumentFaults>("faults");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("reason");

    sim::InstrumentFaults silent;
    silent.silent = true;
    sim::InstrumentFaults stranger;
    stranger.identification = "OTHERS";
    const QString permission =
        QStringLiteral("Accès refusé au port /dev/ttyUSB0 : il appartient au groupe « dialout ».");
    QTest::newRow("instrument switched off")
        << silent << QString() << QStringLiteral("l'instrument ne répond pas");
    QTest::newRow("another device") << stranger << QString() << QStringLiteral("« OTHERS »");
    QTest::newRow("no permission") << sim::InstrumentFaults() << permission << permission;
}

// Only "Connexion impossible !" and why; the memory window stays hidden.
void TestLecture::connectionFails() {
    QFETCH(sim::InstrumentFaults, faults);
    QFETCH(QString, refusal);
    QFETCH(QString, reason);

    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    program.Device().SetFaults(faults);
    program.port->RefuseOpen(refusal);
    program.MenuRead();

    QCOMPARE(m_dialogs.Messages().size(), 1);
    const ScriptedDialogs::Message& message = m_dialogs.Messages().first();
    QVERIFY2(message.text.startsWith(QLatin1String("Connexion impossible !\n")),
             qPrintable(message.text));
    QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    QCOMPARE(message.icon, MessageIcon::Warning);
    CheckRestored(program);
    QVERIFY(!program.port->WrittenBytes().contains("SL"));
}

void TestLecture::failsAfterTheCounts_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("message");
    QTest::addColumn<MessageIcon>("icon");

    enum { Silence, PulledCable, LongValue };
    QTest::newRow("link lost after the counts")
        << int(Silence) << "Erreur de communication (TimeOut)" << MessageIcon::Information;
    QTest::newRow("cable pulled after the counts")
        << int(PulledCable) << "Erreur de communication\nle port " << MessageIcon::Error;
    QTest::newRow("parameter value too long") << int(LongValue) << "Erreur de communication\n"
                                              << MessageIcon::Information;
}

// The memory window opened with the counts is closed again, with one message.
void TestLecture::failsAfterTheCounts() {
    QFETCH(int, fault);
    QFETCH(QString, message);
    QFETCH(MessageIcon, icon);

    sim::InstrumentMemory memory = ThreeAcquisitions();
    if (fault == 2)
        memory.parameters[20] = QByteArray(40, 'x');
    ProgramFixture program(m_context, m_dialogs, memory);
    bool shown = false;
    OnFirstEvent onShow(&program.Memoire(), QEvent::Show, [&] {
        shown = true;
        sim::InstrumentFaults faults;
        if (fault == 0) {
            faults.silent = true;
        } else if (fault == 1) {
            faults.deadAfterBytes = program.Device().BytesSent() + 10;
            faults.deadLineHangsUp = true;
        }
        program.Device().SetFaults(faults);
    });
    program.MenuRead();

    QVERIFY(shown);
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QVERIFY2(m_dialogs.Messages().first().text.startsWith(message),
             qPrintable(m_dialogs.Messages().first().text));
    QCOMPARE(m_dialogs.Messages().first().icon, icon);
    CheckRestored(program);
    // The memory window is ready for the next "Lecture" as at the start.
    QVERIFY(program.InMemoire<QPushButton>("ButtonClose")->isEnabled());
    QVERIFY(!program.Memoire().ExchangeRunning());
}

// Stopped at the start, every action starts it, and its tick offers the
// instrument actions again.
void TestLecture::autoDetectionTimer() {
    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    QTimer* timer = program.Timer();
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(!timer->isActive());

    program.Device().SetFaults([] {
        sim::InstrumentFaults faults;
        faults.silent = true;
        return faults;
    }());
    program.MenuRead();
    QVERIFY(timer->isActive());

    auto* read = Child<QAction>(program.Main(), "MenuRead");
    auto* initialisation = Child<QAction>(program.Main(), "MenuInitialization");
    read->setEnabled(false);
    initialisation->setEnabled(false);
    timer->setInterval(5);
    QTRY_VERIFY(read->isEnabled() && initialisation->isEnabled());
}

QTEST_MAIN(TestLecture)
#include "tst_lecture.moc"
