// The windows' exchanges with the simulated instrument: "Lecture" and
// "Ecriture" of the configuration window, the clock window's three buttons,
// and "Initialiser" through to the erased memory, with a read-back that
// differs and a silent instrument at each stage.

#include "configfixture.h"

#include "config/encodings.h"
#include "config/initialisation.h"
#include "config/parametertable.h"
#include "settings/profile.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>

Q_DECLARE_METATYPE(MessageIcon)

namespace {

const QString Failed = QStringLiteral("L'initialisation a échoué.\n\rVeuillez recommencer.");
const QString Comment31 = QStringLiteral("Cave nord\tPoint 12\tsous l'escal"); // 31 characters

} // namespace

class TestInitialisationWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void initialisationMenu_data();
    void initialisationMenu();
    void saveAndLoad();
    void readAndWrite();
    void failedReadKeepsTheSet();
    void clockWindow_data();
    void clockWindow();
    void initialises();
    void readBackDiffers();
    void silentAtAStage_data();
    void silentAtAStage();

private:
    // The texts the status bar showed, in order, from now on.
    void RecordStatus(ConfigProgram& program) {
        connect(program.InConfig<QStatusBar>("LMDStatusBar"), &QStatusBar::messageChanged, this,
                [this](const QString& text) { m_status << text; });
    }
    QStringList MessageTexts() const {
        QStringList texts;
        for (const ScriptedDialogs::Message& message : m_dialogs.Messages())
            texts << message.text;
        return texts;
    }
    // After an exchange of the configuration window, whatever its outcome.
    void CheckRestored(ConfigProgram& program) {
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(program.Config().cursor().shape() != Qt::WaitCursor);
        QVERIFY(program.Timer()->isActive());
        QCOMPARE(program.port->writesWhileTimerRan, 0);
        QVERIFY(!program.Link().PortOpen());
        QCOMPARE(program.InConfig<QProgressBar>("LMDProgressBar")->value(), 0);
        QVERIFY(program.InConfig<QStatusBar>("LMDStatusBar")->currentMessage().isEmpty());
    }

    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
    QStringList m_status;
};

void TestInitialisationWindow::init() {
    m_directory = std::make_unique<TestDirectory>();
    QVERIFY(m_directory->IsValid());
    m_context = Context();
    // A day that is not its month, so that the two cannot pass for each other.
    m_context.Now = [] {
        return QDateTime(QDate(2026, 3, 7), QTime(9, 41));
    };
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
    m_status.clear();
}

void TestInitialisationWindow::cleanup() {
    m_directory.reset();
}

void TestInitialisationWindow::initialisationMenu_data() {
    QTest::addColumn<bool>("unsaved");       // a download not saved yet: the question first
    QTest::addColumn<int>("deadAfter");      // bytes the instrument sends (-1: all, 0: silent)
    QTest::addColumn<QString>("message");    // the start of the one message
    QTest::addColumn<QString>("probeClock"); // empty: no clock window

    QTest::newRow("clock read") << false << -1 << ""
                                << "15/03/2011 14:05";
    QTest::newRow("unsaved, Non") << true << -1 << "Les données en cours"
                                  << "15/03/2011 14:05";
    QTest::newRow("clock not read") << false << 10 << ""
                                    << "01/01/2000 00:00";
    QTest::newRow("instrument silent") << false << 0 << "Connexion impossible !"
                                       << "";
}

void TestInitialisationWindow::initialisationMenu() {
    QFETCH(bool, unsaved);
    QFETCH(int, deadAfter);
    QFETCH(QString, message);
    QFETCH(QString, probeClock);

    sim::InstrumentMemory memory = ThreeAcquisitions();
    memory.clock = QDateTime(QDate(2011, 3, 15), QTime(14, 5));
    ConfigProgram program(m_context, m_dialogs, memory);
    if (unsaved) {
        program.OpenSample(m_dialogs, QStringLiteral("rolle3"));
        m_context.Session.SessionState = SessionUnsaved;
        m_dialogs.QueueAnswer(MessageAnswer::No);
    }
    sim::InstrumentFaults faults;
    faults.deadAfterBytes = deadAfter;
    program.Device().SetFaults(faults);
    program.Menu("MenuInitialization");

    QCOMPARE(m_dialogs.Messages().size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY(m_dialogs.Messages().first().text.startsWith(message));
    QCOMPARE(m_dialogs.PendingAnswers(), 0);
    QCOMPARE(m_context.Session.SessionState, SessionEmpty);
    QCOMPARE(program.Clock().isVisible(), !probeClock.isEmpty());
    QCOMPARE(program.Main().isEnabled(), probeClock.isEmpty());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(!program.Link().PortOpen());
    if (!probeClock.isEmpty())
        QCOMPARE(program.InClock<QLineEdit>("Edit_ProbeClock")->text(), probeClock);
}

// "Sauver" writes the shown set as a parameter file; "Charger" reads one, a
// missing key giving "0", and shows it.
void TestInitialisationWindow::saveAndLoad() {
    ConfigProgram program(m_context, m_dialogs);
    program.Menu("MenuConfiguration");
    program.InConfig<QPushButton>("ButtonRead")->click();
    const qsizetype written = program.port->Writes().size();
    program.InConfig<QLineEdit>("Header13")->setText(QStringLiteral("50"));
    const QString saved = m_directory->FilePath(QStringLiteral("saved.par"));
    m_dialogs.QueuePath(saved);
    program.InConfig<QPushButton>("ButtonSave")->click();
    QCOMPARE(ReadProfileString(saved, "Parameters", "13", ""), QStringLiteral("8"));
    QCOMPARE(ReadProfileString(saved, "Parameters", "64", ""), QStringLiteral("Cave\tMaison"));
    QCOMPARE(ReadProfileString(saved, "Parameters", "30", ""), QStringLiteral("2"));

    m_directory->WriteBytes(QStringLiteral("part.par"), "[Parameters]\r\n1=PART\r\n13=16\r\n");
    m_dialogs.QueuePath(m_directory->FilePath(QStringLiteral("part.par")));
    program.InConfig<QPushButton>("ButtonLoad")->click();
    QCOMPARE(program.InConfig<QLineEdit>("Header01")->text(), QStringLiteral("PART"));
    QCOMPARE(program.InConfig<QLineEdit>("Header13")->text(), QStringLiteral("100"));
    QCOMPARE(m_context.Session.Parameters[29], QStringLiteral("0"));
    QCOMPARE(m_context.Session.Parameters[CommentsIndex], QStringLiteral("0"));
    // Files only: nothing more went to the instrument.
    QCOMPARE(program.port->Writes().size(), written);
    QCOMPARE(m_dialogs.Unscripted(), 0);
}

void TestInitialisationWindow::readAndWrite() {
    ConfigProgram program(m_context, m_dialogs);
    program.Menu("MenuConfiguration");
    RecordStatus(program);
    program.InConfig<QPushButton>("ButtonRead")->click();

    QCOMPARE(program.Commands(), (QByteArrayList{"ID", "RV", "RH", "SL"}));
    QCOMPARE(MessageTexts(), QStringList{"Lecture des paramètres terminée"});
    QCOMPARE(m_dialogs.Messages().first().icon, MessageIcon::Warning);
    QCOMPARE(m_status, (QStringList{"Lecture des paramètres...", ""}));
    QCOMPARE(program.InConfig<QLineEdit>("Header01")->text(), QStringLiteral("OVRA0042"));
    QCOMPARE(program.InConfig<QLineEdit>("Edit_SoftVersion")->text(), QStringLiteral("V2.10a"));
    QCOMPARE(program.InConfig<QLineEdit>("Header13")->text(), QStringLiteral("75")); // 12/16
    CheckRestored(program);

    program.port->ClearLog();
    m_dialogs.Clear();
    m_status.clear();
    program.InConfig<QLineEdit>("Header01")->setText(QStringLiteral("OVRA0099"));
    program.InConfig<QLineEdit>("Header13")->setText(QStringLiteral("50"));
    program.InConfig<QPushButton>("ButtonWrite")->click();

    // The instrument takes the new set on a new connection.
    QCOMPARE(program.Commands(), (QByteArrayList{"ID", "SH", "SL", "ID", "SL"}));
    QCOMPARE(MessageTexts(), QStringList{"Ecriture des paramètres terminée"});
    QCOMPARE(m_status,
             (QStringList{"Effacement des paramètres...", "Envoi des paramètres...", ""}));
    const auto& stored = program.Device().Memory().parameters;
    QCOMPARE(stored[0], QByteArray("OVRA0099"));
    QCOMPARE(stored[LightMaxIndex], QByteArray("8"));
    // Entries without a field go back as they came.
    const auto factory = sim::FactoryParameters();
    for (int hidden : {3, 29, 32, 33, 44, 53, 62})
        QCOMPARE(stored[hidden], factory[hidden]);
    QVERIFY(program.InConfig<QPushButton>("ButtonRead")->isEnabled());
    QVERIFY(program.InConfig<QPushButton>("ButtonWrite")->isEnabled());
    CheckRestored(program);
}

// A read cut short leaves Parameters as it was: the entries without a field
// reach the settings file unchanged when the window closes.
void TestInitialisationWindow::failedReadKeepsTheSet() {
    m_directory->WriteSettings({"[Parameters]", "1=OLD", "30=3", "54=7"});
    ConfigProgram program(m_context, m_dialogs);
    program.Menu("MenuConfiguration");
    sim::InstrumentFaults faults;
    faults.deadAfterBytes = program.Device().BytesSent() + 600; // within the records
    program.Device().SetFaults(faults);
    program.InConfig<QPushButton>("ButtonRead")->click();

    QCOMPARE(MessageTexts(), QStringList{"Erreur de communication (TimeOut)"});
    QCOMPARE(program.InConfig<QLineEdit>("Header01")->text(), QStringLiteral("OLD"));
    CheckRestored(program);
    program.InConfig<QPushButton>("ButtonClose")->click();
    for (const auto& [key, value] : {std::pair{"1", "OLD"}, {"30", "3"}, {"54", "7"}, {"2", "0"}})
        QCOMPARE(ReadProfileString(SettingsFileName(m_context), "Parameters", key, ""),
                 QLatin1String(value));
}

void TestInitialisationWindow::clockWindow_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("usePcClock");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArrayList>("commands");
    QTest::addColumn<QDateTime>("clockAfter"); // null: the computer's; invalid: unchanged
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("configShown");

    const QDateTime unchanged(QDate(2011, 3, 15), QTime(14, 5));
    const QByteArrayList keep{"ID", "RV", "RH", "SL"};
    const QByteArrayList modify{"ID", "ST", "SD", "RV", "RH", "SL"};
    QTest::newRow("Modifier, PC clock")
        << "ButtonModify" << true << "24/12/2011 18:30" << modify << QDateTime() << "" << true;
    QTest::newRow("Modifier, typed") << "ButtonModify" << false << "24/12/2011 18:30" << modify
                                     << QDateTime(QDate(2011, 12, 24), QTime(18, 30)) << "" << true;
    QTest::newRow("Modifier, no such date")
        << "ButtonModify" << false << "31/02/2011 10:00" << QByteArrayList() << unchanged
        << NotADateMessage("31/02/2011 10:00") << false;
    // The instrument keeps two year digits.
    QTest::newRow("Modifier, year out of reach")
        << "ButtonModify" << false << "24/12/1999 18:30" << QByteArrayList() << unchanged
        << NotADateMessage("24/12/1999 18:30") << false;
    QTest::newRow("Conserver") << "ButtonKeep" << false << "24/12/2011 18:30" << keep << unchanged
                               << "" << true;
    QTest::newRow("Annuler") << "ButtonClose" << true << "" << QByteArrayList() << unchanged << ""
                             << false;
}

void TestInitialisationWindow::clockWindow() {
    QFETCH(QString, button);
    QFETCH(bool, usePcClock);
    QFETCH(QString, typed);
    QFETCH(QByteArrayList, commands);
    QFETCH(QDateTime, clockAfter);
    QFETCH(QString, message);
    QFETCH(bool, configShown);

    sim::InstrumentMemory memory = ThreeAcquisitions();
    memory.clock = QDateTime(QDate(2011, 3, 15), QTime(14, 5));
    const QDateTime now = m_context.Now();
    ConfigProgram program(m_context, m_dialogs, memory);
    program.Menu("MenuInitialization");
    TFormClock& clock = program.Clock();
    QVERIFY(clock.isVisible());
    QVERIFY(!program.Main().isEnabled());
    QCOMPARE(program.InClock<QLineEdit>("Edit_ProbeClock")->text(),
             QStringLiteral("15/03/2011 14:05"));
    QCOMPARE(program.InClock<QLineEdit>("Edit_SystemClock")->text(),
             QStringLiteral("07/03/2026 09:41"));

    program.port->ClearLog();
    program.InClock<QCheckBox>("CheckBoxHourDate")->setChecked(usePcClock);
    program.InClock<QLineEdit>("Edit_ProbeClock")->setText(typed);
    program.InClock<QPushButton>(qPrintable(button))->click();

    QCOMPARE(program.Commands(), commands);
    QCOMPARE(MessageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    const QDateTime expected = clockAfter.isNull() ? now : clockAfter;
    QVERIFY(qAbs(program.Device().Clock().secsTo(expected)) < 90);
    QCOMPARE(program.Config().isVisible(), configShown);
    // A date refused keeps the window for a corrected one.
    QCOMPARE(clock.isVisible(), !message.isEmpty());
    QCOMPARE(program.Main().isEnabled(), !configShown && message.isEmpty());
    QCOMPARE(program.port->writesWhileTimerRan, 0);
    QVERIFY(!program.Link().PortOpen());
    if (configShown) {
        QCOMPARE(program.Config().windowTitle(), QStringLiteral("Initialisation"));
        QCOMPARE(program.InConfig<QLineEdit>("Header05")->text(), QStringLiteral("07/03/26"));
        QCOMPARE(program.InConfig<QLineEdit>("Header06")->text(), QStringLiteral("09:41"));
        QCOMPARE(m_context.Session.Parameters[LaunchDateIndex], QStringLiteral("07/03/26"));
        QCOMPARE(program.InConfig<QLineEdit>("Header01")->text(), QStringLiteral("OVRA0042"));
    }
}

void TestInitialisationWindow::initialises() {
    ConfigProgram program(m_context, m_dialogs);
    program.OpenInitialisation();
    RecordStatus(program);
    program.port->ClearLog();
    // A full comment: 31 characters, its TABs as line breaks in the field.
    program.InConfig<QPlainTextEdit>("Header64")
        ->setPlainText(QString(Comment31).replace('\t', '\n'));
    // Asked first, with the count of the moment: "Non" erases nothing.
    const int stored = program.Device().Memory().MeasurementTotal();
    const QString question = QStringLiteral("L'initialisation efface les %1 mesure(s) gardées "
                                            "dans l'instrument.\nAucune session n'est "
                                            "affichée.\nContinuer ?")
                                 .arg(stored);
    program.InConfig<QPushButton>("ButtonInitialize")->click();
    QCOMPARE(program.Commands(), (QByteArrayList{"ID", "RN", "SL"}));
    QCOMPARE(MessageTexts(), QStringList{question});
    QCOMPARE(program.Device().Memory().MeasurementTotal(), stored);
    QVERIFY(program.Config().isVisible());

    program.port->ClearLog();
    m_dialogs.Clear();
    m_status.clear();
    m_dialogs.QueueAnswer(MessageAnswer::Yes);
    program.InConfig<QPushButton>("ButtonInitialize")->click();

    QCOMPARE(program.Commands(),
             (QByteArrayList{"ID", "RN", "SL", "ID", "SH", "RV", "RH", "SM", "SL"}));
    QCOMPARE(MessageTexts(), (QStringList{question, "Initialisation réussie"}));
    QCOMPARE(m_dialogs.Messages().last().icon, MessageIcon::Information);
    QCOMPARE(m_status, (QStringList{"Envoi des paramètres...", "Vérification des paramètres...",
                                    "Effacement des mesures...", ""}));
    QVERIFY(!program.Config().isVisible());
    QVERIFY(program.Main().isEnabled());
    CheckRestored(program);
    QCOMPARE(program.Device().Memory().MeasurementTotal(), 0);
    QCOMPARE(program.Device().Memory().parameters[CommentsIndex], Comment31.toLatin1());
    QCOMPARE(program.Device().Memory().parameters[LaunchDateIndex], QByteArray("07/03/26"));
    QCOMPARE(ReadProfileString(SettingsFileName(m_context), "Parameters", "64", ""), Comment31);
}

// The instrument gives numbers back in its own form: the failure, the entries
// that differ as its details, and nothing erased.
void TestInitialisationWindow::readBackDiffers() {
    ConfigProgram program(m_context, m_dialogs);
    sim::InstrumentFaults faults;
    faults.reformatValues = true;
    program.Device().SetFaults(faults);
    program.OpenInitialisation();
    program.port->ClearLog();
    m_dialogs.QueueAnswer(MessageAnswer::Yes);
    program.InConfig<QPushButton>("ButtonInitialize")->click();

    QCOMPARE(program.Commands(), (QByteArrayList{"ID", "RN", "SL", "ID", "SH", "RV", "RH", "SL"}));
    QCOMPARE(MessageTexts().mid(1), QStringList{Failed});
    QCOMPARE(m_dialogs.Messages().last().icon, MessageIcon::Warning);
    const QString details = m_dialogs.Messages().last().details;
    QVERIFY2(details.contains(QLatin1String("12 VOL_MIN")), qPrintable(details));
    QVERIFY2(details.contains(QLatin1String("\"10.00\"")), qPrintable(details));
    QVERIFY(!details.contains(QLatin1String("#DEVICE")));
    QVERIFY(program.Device().Memory().MeasurementTotal() > 0);
    QVERIFY(program.Config().isVisible());
    QCOMPARE(program.InConfig<QLineEdit>("Header12")->text(), QStringLiteral("10.00"));
    QVERIFY(program.InConfig<QPushButton>("ButtonInitialize")->isEnabled());
    QVERIFY(program.InConfig<QPushButton>("ButtonClose")->isEnabled());
    CheckRestored(program);
}

void TestInitialisationWindow::silentAtAStage_data() {
    QTest::addColumn<QString>("stage"); // the status text at which the instrument goes silent
    QTest::addColumn<QString>("message");

    QTest::newRow("sending") << "Envoi des paramètres..."
                             << "Erreur de communication";
    QTest::newRow("verifying") << "Vérification des paramètres..."
                               << "Erreur de communication (TimeOut)";
    QTest::newRow("erasing") << "Effacement des mesures..."
                             << "Erreur de communication (TimeOut)";
}

void TestInitialisationWindow::silentAtAStage() {
    QFETCH(QString, stage);
    QFETCH(QString, message);

    ConfigProgram program(m_context, m_dialogs);
    program.OpenInitialisation();
    connect(program.InConfig<QStatusBar>("LMDStatusBar"), &QStatusBar::messageChanged, this,
            [&](const QString& text) {
                if (text != stage)
                    return;
                sim::InstrumentFaults faults;
                faults.silent = true;
                program.Device().SetFaults(faults);
            });
    program.port->ClearLog();
    m_dialogs.QueueAnswer(MessageAnswer::Yes);
    program.InConfig<QPushButton>("ButtonInitialize")->click();

    QCOMPARE(MessageTexts().mid(1), (QStringList{message, Failed}));
    QCOMPARE(program.Commands().contains("SM"),
             stage == QLatin1String("Effacement des mesures..."));
    QVERIFY(program.Config().isVisible());
    QVERIFY(!program.Main().isEnabled());
    QVERIFY(program.InConfig<QPushButton>("ButtonInitialize")->isEnabled());
    QVERIFY(program.InConfig<QPushButton>("ButtonClose")->isEnabled());
    CheckRestored(program);
}

QTEST_MAIN(TestInitialisationWindow)
#include "tst_initialisationwindow.moc"
