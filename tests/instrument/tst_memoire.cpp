// The memory window's download: an acquisition read from the simulated
// instrument, its copy "data.ovra", the session shown in the main window, and
// the download's failures, none of which touches a file.

#include "programfixture.h"

#include "data/fichiers.h"

#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

Q_DECLARE_METATYPE(MessageIcon)

namespace {

const QByteArray PreviousCopy = "the copy of an earlier download\r\n";

} // namespace

class TestMemoire : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void downloads_data();
    void downloads();
    void keyboard_data();
    void keyboard();
    void failures_data();
    void failures();
    void connectionFails();
    void copyNotWritten();
    void closingDuringTheDownload();

private:
    // "Lecture" of the menu, then row `row` (0-based) selected.
    void OpenMemoryWindow(ProgramFixture& program, int row);
    QString CopyPath() const { return m_directory->FilePath(QStringLiteral("data.ovra")); }

    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
};

void TestMemoire::initTestCase() {
    // A test closes the main window; the test program goes on.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void TestMemoire::init() {
    m_directory = std::make_unique<TestDirectory>();
    QVERIFY(m_directory->IsValid());
    m_context = Context();
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
}

void TestMemoire::cleanup() {
    m_directory.reset();
}

void TestMemoire::OpenMemoryWindow(ProgramFixture& program, int row) {
    program.MenuRead();
    QVERIFY(program.Memoire().isVisible());
    QVERIFY(m_dialogs.Messages().isEmpty());
    auto* list = program.InMemoire<QTreeWidget>("LMDListBoxMesures");
    list->setCurrentItem(list->topLevelItem(row));
    QVERIFY(program.InMemoire<QPushButton>("ButtonRead")->isEnabled());
    program.port->ClearLog();
}

// The usual case, a Rolle acquisition of three measurements, after the three others.
sim::InstrumentMemory FourAcquisitions() {
    sim::InstrumentMemory memory = ThreeAcquisitions();
    sim::AcquisitionPlan plan;
    plan.number = 9;
    plan.start = QDateTime(QDate(2011, 4, 2), QTime(14, 30));
    plan.methodCode = 0;
    plan.measurements = 3;
    plan.volume = 12.25f;
    plan.eapv = 401.5f;
    plan.seed = 9;
    memory.acquisitions.push_back(sim::GenerateAcquisition(plan));
    return memory;
}

void TestMemoire::downloads_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("method");
    QTest::addColumn<double>("volume");
    QTest::addColumn<double>("eapv");
    QTest::addColumn<QString>("shownVolume");
    QTest::addColumn<QString>("shownEapv");

    // Volume and EAPV are kept from three measurements up, shown for exactly three.
    QTest::newRow("Rolle of 4") << 0 << "Rolle" << 10.5 << 630.25 << ""
                                << "";
    QTest::newRow("Thomas of 2") << 1 << "Thomas" << 0.0 << 0.0 << ""
                                 << "";
    QTest::newRow("Test of 3") << 2 << "Test" << 0.0 << 0.0 << ""
                               << "";
    QTest::newRow("Rolle of 3") << 3 << "Rolle" << 12.25 << 401.5 << "12.25"
                                << "401.50";
}

// The whole road: the measurements, their progress and remaining time, the
// copy written as the writer writes it, the session shown unsaved.
void TestMemoire::downloads() {
    QFETCH(int, row);
    QFETCH(QString, method);
    QFETCH(double, volume);
    QFETCH(double, eapv);
    QFETCH(QString, shownVolume);
    QFETCH(QString, shownEapv);

    const sim::InstrumentMemory memory = FourAcquisitions();
    const sim::StoredAcquisition& stored = memory.acquisitions[std::size_t(row)];
    ProgramFixture program(m_context, m_dialogs, memory);
    OpenMemoryWindow(program, row);

    QList<int> bar;
    QStringList remaining;
    auto* list = program.InMemoire<QTreeWidget>("LMDListBoxMesures");
    auto* read = program.InMemoire<QPushButton>("ButtonRead");
    bool readOfferedMidway = true;
    connect(&program.Link(), &TFormRS232::RemainingTimeChanged, this, [&] {
        // Another row picked while the link runs offers no second download.
        if (bar.isEmpty()) {
            list->setCurrentItem(list->topLevelItem((row + 1) % list->topLevelItemCount()));
            readOfferedMidway = read->isEnabled();
        }
        bar << program.InMemoire<QProgressBar>("LMDProgressBar")->value();
        remaining << program.InMemoire<QStatusBar>("LMDStatusBar")->currentMessage();
    });
    read->click();

    QVERIFY2(m_dialogs.Messages().isEmpty(), qPrintable(m_dialogs.Messages().value(0).text));
    QVERIFY(!readOfferedMidway);
    const int count = int(stored.measurements.size());
    QCOMPARE(bar.size(), count + 1);
    QCOMPARE(bar.at(count - 1), 100);
    QVERIFY2(remaining.at(0).startsWith(QStringLiteral("Temps restant estimé : ")),
             qPrintable(remaining.join(QLatin1Char('|'))));
    QCOMPARE(program.InMemoire<QStatusBar>("LMDStatusBar")->currentMessage(), QString());
    QCOMPARE(program.InMemoire<QProgressBar>("LMDProgressBar")->value(), 0);

    // One connection: selection by number, then one request per measurement.
    const QList<QByteArray> writes = program.port->Writes();
    QCOMPARE(writes.first(), QByteArray("ID"));
    QCOMPARE(writes.last(), QByteArray("SL"));
    QCOMPARE(writes.count("RP"), count);
    QCOMPARE(program.port->writesWhileTimerRan, 0);

    const Session& session = m_context.Session;
    QCOMPARE(session.Method, method);
    QCOMPARE(session.MeasurementCount, count);
    QCOMPARE(session.Volume, volume);
    QCOMPARE(session.Eapv, eapv);
    QVERIFY(session.SpectraAvailable);
    QCOMPARE(session.SpectrumCount(), count);
    for (int m = 0; m < count; ++m)
        for (int c = 0; c < ChannelCount; ++c)
            QCOMPARE(session.SpectrumAt(m)[c],
                     qint32(stored.measurements[std::size_t(m)].spectrum[c]));

    // The copy holds exactly what the writer makes of the session.
    const QString reference = m_directory->FilePath(QStringLiteral("reference.ovra"));
    QVERIFY(WriteMeasurementFile(reference, session).Ok());
    QCOMPARE(m_directory->ReadBytes(QStringLiteral("data.ovra")),
             m_directory->ReadBytes(QStringLiteral("reference.ovra")));

    // Shown in the main window, unsaved, the memory window gone.
    TFormMain& main = program.Main();
    QCOMPARE(session.SessionState, SessionUnsaved);
    QVERIFY(session.FileName.isEmpty());
    QCOMPARE(main.windowTitle(), QStringLiteral(" OvraView  - Version 2.0 - Nouveau Fichier"));
    QVERIFY(Child<QGroupBox>(main, "GroupBoxInfos")->isVisible());
    const QString point = QLocale::system().decimalPoint();
    QCOMPARE(Child<QLineEdit>(main, "EditVolume")->text(), shownVolume.replace('.', point));
    QCOMPARE(Child<QLineEdit>(main, "EditEAPV")->text(), shownEapv.replace('.', point));
    QVERIFY(Child<QAction>(main, "MenuSaveAs")->isEnabled());
    QVERIFY(!program.Memoire().isVisible());
    QVERIFY(main.isEnabled());
    QVERIFY(program.Timer()->isActive());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(!program.Link().PortOpen());
}

void TestMemoire::keyboard_data() {
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("Enter on the row") << false;
    QTest::newRow("double-click on the row") << true;
}

void TestMemoire::keyboard() {
    QFETCH(bool, doubleClick);
    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    program.MenuRead();
    auto* list = program.InMemoire<QTreeWidget>("LMDListBoxMesures");
    program.Memoire().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.Memoire()));
    QCOMPARE(QApplication::focusWidget(), list);

    // The list takes the focus with no row current, so none looks selected
    // while "Lecture" waits; the first arrow picks the first row.
    QCOMPARE(list->currentItem(), nullptr);
    QVERIFY(list->selectedItems().isEmpty());
    QVERIFY(!program.InMemoire<QPushButton>("ButtonRead")->isEnabled());
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentItem(), list->topLevelItem(0));
    QVERIFY(list->topLevelItem(0)->isSelected());
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentItem(), list->topLevelItem(1));
    QVERIFY(program.InMemoire<QPushButton>("ButtonRead")->isEnabled());
    if (doubleClick) {
        const QRect rect = list->visualItemRect(list->currentItem());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    } else {
        QTest::keyClick(list, Qt::Key_Return);
    }

    QVERIFY(!program.Memoire().isVisible());
    QCOMPARE(m_context.Session.SessionState, SessionUnsaved);
    QCOMPARE(m_context.Session.Method, QStringLiteral("Thomas"));
    // One download only.
    QCOMPARE(program.port->Writes().count("SP"), 1);
}

void TestMemoire::failures_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::addColumn<MessageIcon>("icon");

    QTest::newRow("cancel") << "cancel"
                            << "Lecture annulée" << MessageIcon::Warning;
    QTest::newRow("spectrum checksum")
        << "spectrum"
        << "Erreur de communication (Checksum incorrect)" << MessageIcon::Warning;
    QTest::newRow("header checksum")
        << "header"
        << "Erreur de communication (Checksum incorrect)" << MessageIcon::Warning;
    QTest::newRow("request lost twice")
        << "echo"
        << "Erreur de communication (TimeOut)" << MessageIcon::Warning;
    QTest::newRow("cable pulled") << "cable"
                                  << "Erreur de communication\nle port " << MessageIcon::Error;
}

// One message; the window closed and the program usable again; no session
// and no file written.
void TestMemoire::failures() {
    QFETCH(QString, fault);
    QFETCH(QString, message);
    QFETCH(MessageIcon, icon);

    m_directory->WriteBytes(QStringLiteral("data.ovra"), PreviousCopy);
    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    OpenMemoryWindow(program, 0);
    sim::InstrumentFaults faults;
    if (fault == QLatin1String("spectrum"))
        faults.spectrumChecksumErrorAt = 2;
    else if (fault == QLatin1String("header"))
        faults.headerChecksumErrorAt = 3;
    else if (fault == QLatin1String("echo"))
        faults.lostEchoAt = 2, faults.lostEchoCount = 2;
    else if (fault == QLatin1String("cable"))
        faults.deadAfterBytes = program.Device().BytesSent() + 700, faults.deadLineHangsUp = true;
    program.Device().SetFaults(faults);
    bool cancelWasEnabled = false;
    if (fault == QLatin1String("cancel")) {
        connect(&program.Link(), &TFormRS232::RemainingTimeChanged, this, [&] {
            auto* cancel = program.InMemoire<QPushButton>("ButtonCancel");
            if (!cancelWasEnabled && cancel->isEnabled()) {
                cancelWasEnabled = true;
                cancel->click();
            }
        });
    }
    program.InMemoire<QPushButton>("ButtonRead")->click();

    QCOMPARE(m_dialogs.Messages().size(), 1);
    QVERIFY2(m_dialogs.Messages().first().text.startsWith(message),
             qPrintable(m_dialogs.Messages().first().text));
    QCOMPARE(m_dialogs.Messages().first().icon, icon);
    if (fault == QLatin1String("cancel")) {
        QVERIFY(cancelWasEnabled);
        QCOMPARE(program.port->Writes().count("RP"), 1);
    }

    QCOMPARE(m_directory->ReadBytes(QStringLiteral("data.ovra")), PreviousCopy);
    QCOMPARE(QDir(m_directory->Path()).entryList(QDir::Files), QStringList{"data.ovra"});
    QCOMPARE(m_context.Session.SessionState, SessionEmpty);
    QVERIFY(!Child<QAction>(program.Main(), "MenuSaveAs")->isEnabled());
    QVERIFY(!program.Memoire().isVisible());
    QVERIFY(program.Main().isEnabled());
    QVERIFY(program.Timer()->isActive());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(!program.Link().PortOpen());
    QCOMPARE(program.port->writesWhileTimerRan, 0);
    QVERIFY(!program.InMemoire<QPushButton>("ButtonCancel")->isEnabled());
    QVERIFY(!program.Memoire().ExchangeRunning());
}

// The instrument went away between the two connections: the window stays,
// ready for another try or "Fermer".
void TestMemoire::connectionFails() {
    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    OpenMemoryWindow(program, 1);
    sim::InstrumentFaults faults;
    faults.silent = true;
    program.Device().SetFaults(faults);
    program.InMemoire<QPushButton>("ButtonRead")->click();

    QCOMPARE(m_dialogs.Messages().size(), 1);
    QVERIFY(m_dialogs.Messages().first().text.startsWith(QLatin1String("Connexion impossible !")));
    QCOMPARE(m_dialogs.Messages().first().icon, MessageIcon::Warning);
    QVERIFY(program.Memoire().isVisible());
    QVERIFY(!program.Main().isEnabled());
    QVERIFY(program.InMemoire<QPushButton>("ButtonRead")->isEnabled());
    QVERIFY(program.InMemoire<QPushButton>("ButtonClose")->isEnabled());
    QVERIFY(!program.InMemoire<QPushButton>("ButtonCancel")->isEnabled());
    QVERIFY(program.Timer()->isActive());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(!QFileInfo::exists(CopyPath()));

    // The instrument is back: the same window downloads.
    program.Device().SetFaults(sim::InstrumentFaults());
    program.InMemoire<QPushButton>("ButtonRead")->click();
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(m_context.Session.SessionState, SessionUnsaved);
    QVERIFY(QFileInfo::exists(CopyPath()));
}

// A download is never lost: without its copy it is still shown, with a
// warning that names the file.
void TestMemoire::copyNotWritten() {
    QVERIFY(QDir(m_directory->Path()).mkdir(QStringLiteral("data.ovra")));
    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    OpenMemoryWindow(program, 0);
    program.InMemoire<QPushButton>("ButtonRead")->click();

    QCOMPARE(m_dialogs.Messages().size(), 1);
    const ScriptedDialogs::Message& warning = m_dialogs.Messages().first();
    QVERIFY2(warning.text.contains(QDir::toNativeSeparators(CopyPath())), qPrintable(warning.text));
    QCOMPARE(warning.icon, MessageIcon::Warning);
    QCOMPARE(m_context.Session.SessionState, SessionUnsaved);
    QCOMPARE(m_context.Session.SpectrumCount(), 4);
    QVERIFY(Child<QGroupBox>(program.Main(), "GroupBoxInfos")->isVisible());
    QVERIFY(program.Main().isEnabled());
    QVERIFY(program.Timer()->isActive());
}

// While the link waits, neither window goes away: the main window refuses to
// close and the memory window's close asks for the cancel.
void TestMemoire::closingDuringTheDownload() {
    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    OpenMemoryWindow(program, 0);
    bool mainClosed = true;
    bool asked = false;
    connect(&program.Link(), &TFormRS232::RemainingTimeChanged, this, [&] {
        if (asked)
            return;
        asked = true;
        mainClosed = program.Main().close();
        QTest::keyClick(&program.Memoire(), Qt::Key_Escape);
        QVERIFY(program.Memoire().isVisible());
    });
    program.InMemoire<QPushButton>("ButtonRead")->click();

    QVERIFY(asked);
    QVERIFY(!mainClosed);
    QVERIFY(program.Main().isVisible());
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(m_dialogs.Messages().first().text, QStringLiteral("Lecture annulée"));
    QVERIFY(!program.Memoire().isVisible());
    QVERIFY(program.Main().close());
}

QTEST_MAIN(TestMemoire)
#include "tst_memoire.moc"
