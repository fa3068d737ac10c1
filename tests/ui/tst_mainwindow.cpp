// The main window as built: menus, their captions and states, the layout
// pieces other windows rely on, the language marks and the About window.

#include "findchild.h"
#include "scripteddialogs.h"
#include "testdirectory.h"

#include "link/rs232.h"
#include "settings/settings.h"
#include "ui/dialogs/about.h"
#include "ui/display/acquisitionview.h"
#include "ui/instrument/memoire.h"
#include "ui/main/main.h"
#include "ui/main/startup.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

QString Caption(const QAction* action) {
    QString text = action->text();
    return text.remove(QLatin1Char('&'));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void menuCaptions_data();
    void menuCaptions();
    void menuStates();
    void layout();
    void languageMarks_data();
    void languageMarks();
    void aboutWindow();
    void blankWindowHint();

private:
    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
};

void TestMainWindow::init() {
    m_directory = std::make_unique<TestDirectory>();
    m_context = Context();
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
}

void TestMainWindow::menuCaptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("menu"); // the menu that holds it, empty for the menu bar
    QTest::newRow("MenuDefaultDirectory") << "MenuDefaultDirectory"
                                          << "Répertoire par défaut"
                                          << "MenuFile";
    QTest::newRow("MenuAnglais") << "MenuAnglais"
                                 << "Anglais"
                                 << "MenuLangue";
    QTest::newRow("MenuFrancais") << "MenuFrancais"
                                  << "Francais"
                                  << "MenuLangue";
    QTest::newRow("MenuOpen") << "MenuOpen"
                              << "Ouvrir"
                              << "MenuFile";
    QTest::newRow("MenuClose") << "MenuClose"
                               << "Fermer"
                               << "MenuFile";
    QTest::newRow("MenuSaveAs") << "MenuSaveAs"
                                << "Enregistrer Sous"
                                << "MenuFile";
    QTest::newRow("MenuPrint") << "MenuPrint"
                               << "Imprimer"
                               << "MenuFile";
    QTest::newRow("MenuExit") << "MenuExit"
                              << "Quitter"
                              << "MenuFile";
    QTest::newRow("MenuRead") << "MenuRead"
                              << "Lecture"
                              << "MenuInstrument";
    QTest::newRow("MenuInitialization") << "MenuInitialization"
                                        << "Initialisation"
                                        << "MenuInstrument";
    QTest::newRow("MenuConfiguration") << "MenuConfiguration"
                                       << "Configuration"
                                       << "MenuInstrument";
    QTest::newRow("MenuCommunications") << "MenuCommunications"
                                        << "Communications"
                                        << "MenuInstrument";
    QTest::newRow("MenuParametres") << "MenuParametres"
                                    << "Paramètres"
                                    << "";
    QTest::newRow("MenuWhat") << "MenuWhat"
                              << "   ?   "
                              << "";
}

void TestMainWindow::menuCaptions() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, menu);
    TFormMain window(m_context, m_dialogs);
    QAction* action = window.findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(Caption(action), caption);
    QWidget* holder =
        menu.isEmpty() ? static_cast<QWidget*>(window.menuBar()) : window.findChild<QMenu*>(menu);
    QVERIFY(holder);
    QVERIFY(holder->actions().contains(action));
}

// The File menu in order with its separators, and the bar's four entries.
void TestMainWindow::menuStates() {
    TFormMain window(m_context, m_dialogs);
    const QMenuBar* bar = window.menuBar();
    QCOMPARE(bar->objectName(), QStringLiteral("MainMenu"));
    QStringList top;
    for (const QAction* action : bar->actions())
        top << Caption(action);
    QCOMPARE(top, QStringList({"  Fichier  ", "  Instrument  ", "Paramètres", "   ?   "}));

    QStringList file;
    for (const QAction* action : window.findChild<QMenu*>("MenuFile")->actions())
        file << (action->isSeparator() ? QStringLiteral("-") : Caption(action));
    // The recent files and the exports in submenus of their own, and the
    // overview and the report, between the existing groups.
    QCOMPARE(file,
             QStringList({"Répertoire par défaut", "-", "Langue", "-", "Ouvrir", "Fermer",
                          "Enregistrer Sous", "-", "Fichiers récents", "Exporter", "Vue d'ensemble",
                          "Rapport de mesure…", "-", "Imprimer", "-", "Quitter"}));

    const char* const always[] = {
        "MenuDefaultDirectory", "MenuOpen",          "MenuExit",           "MenuRead",
        "MenuInitialization",   "MenuConfiguration", "MenuCommunications", "MenuWhat"};
    const char* const withSession[] = {"MenuClose", "MenuSaveAs", "MenuPrint", "MenuReport",
                                       "MenuParametres"};
    for (const char* name : always)
        QVERIFY2(Child<QAction>(window, name)->isEnabled(), name);
    QVERIFY(window.findChild<QMenu*>("MenuLangue")->menuAction()->isEnabled());
    for (const char* name : withSession)
        QVERIFY2(!Child<QAction>(window, name)->isEnabled(), name);

    window.OpenSession();
    for (const char* name : withSession)
        QVERIFY2(Child<QAction>(window, name)->isEnabled(), name);
    window.CloseSession();
    for (const char* name : withSession)
        QVERIFY2(!Child<QAction>(window, name)->isEnabled(), name);
    for (const char* name : always)
        QVERIFY2(Child<QAction>(window, name)->isEnabled(), name);

    QCOMPARE(Child<QAction>(window, "MenuOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(Child<QAction>(window, "MenuSaveAs")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(Child<QAction>(window, "MenuExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void TestMainWindow::layout() {
    TFormMain window(m_context, m_dialogs);
    QCOMPARE(window.minimumSize(), QSize(1024, 600));
    QCOMPARE(window.windowTitle(), QStringLiteral(" OvraView  - Version 2.0"));
    QCOMPARE(window.centralWidget()->findChild<AcquisitionView*>(), &window.View());

    auto* bar = window.findChild<QProgressBar*>("LMDProgressBar");
    QVERIFY(bar);
    QCOMPARE(bar->value(), 0);
    auto* timer = window.findChild<QTimer*>("LMDHiTimerAutoDetection");
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(!timer->isActive());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(bar->height(), 20);
    QCOMPARE(bar->width(), window.width());
    QCOMPARE(bar->mapTo(&window, QPoint(0, bar->height())).y(), window.height());
    // No session: the five boxes of the view are hidden.
    for (const char* name : {"GroupBoxInfos", "GroupBoxOptionsSpec", "GroupBoxResultats",
                             "GroupBoxEchelleSpec", "GroupBoxChartSpectrum"}) {
        auto* box = window.findChild<QGroupBox*>(QLatin1String(name));
        QVERIFY2(box, name);
        QVERIFY2(!box->isVisible(), name);
    }
    // The faint blue of the background's top shows through the view.
    const QImage picture = window.grab().toImage();
    const QColor top = picture.pixelColor(window.width() / 3, window.menuBar()->height() + 4);
    QCOMPARE(top.blue(), 255);
    QVERIFY(top.red() < 252);
    const QColor bottom = picture.pixelColor(window.width() / 3, bar->y() - 2);
    QVERIFY(bottom.red() >= 254);
}

void TestMainWindow::languageMarks_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<bool>("english");
    QTest::newRow("no settings file") << QStringList() << true;
    QTest::newRow("English") << QStringList({"[LANGUAGE]", "Langue=English"}) << true;
    QTest::newRow("Francais") << QStringList({"[LANGUAGE]", "Langue=Francais"}) << false;
    QTest::newRow("english in small letters")
        << QStringList({"[LANGUAGE]", "Langue=english"}) << false;
    QTest::newRow("Anglais") << QStringList({"[LANGUAGE]", "Langue=Anglais"}) << false;
}

void TestMainWindow::languageMarks() {
    QFETCH(QStringList, settings);
    QFETCH(bool, english);
    if (!settings.isEmpty())
        m_directory->WriteSettings(settings);
    TFormMain window(m_context, m_dialogs);
    QAction* anglais = Child<QAction>(window, "MenuAnglais");
    QAction* francais = Child<QAction>(window, "MenuFrancais");
    QCOMPARE(anglais->isChecked(), english);
    QCOMPARE(francais->isChecked(), !english);
    QCOMPARE(anglais->data().toInt(), 2057);
    QCOMPARE(francais->data().toInt(), 1036);
    // The language of the run does not change while it runs: the other
    // language asks for a restart.
    QStringList restarts;
    window.SetRestart(
        [&restarts](const QString& program, const QStringList&) { restarts << program; });
    (english ? francais : anglais)->trigger();
    QCOMPARE(restarts.size(), 1);
    QCOMPARE(anglais->isChecked(), english);
    QCOMPARE(francais->isChecked(), !english);
}

// The way in from the blank window: it names the shortcut and the port, its
// demonstration link chooses the demonstration instrument and reads it, and
// it is there only while no session is shown.
void TestMainWindow::blankWindowHint() {
    ProgramWindows windows(m_context, m_dialogs);
    TFormMain& main = *windows.FormMain;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto* hint = Child<QLabel>(main, "BlankWindowHint");
    QVERIFY(hint->isVisible());
    QVERIFY(main.centralWidget()->rect().contains(hint->geometry()));
    for (const QString& part : {QStringLiteral("Ctrl+O"), windows.FormRS232->PortName(),
                                QStringLiteral("href=\"demonstration\"")})
        QVERIFY2(hint->text().contains(part), qPrintable(hint->text()));

    emit hint->linkActivated(QStringLiteral("demonstration"));
    QCOMPARE(windows.FormRS232->PortName(), QStringLiteral("SIMULATEUR"));
    QCOMPARE(ReadSetting(m_context, SettingKeys::ComNumberSerial), QStringLiteral("SIMULATEUR"));
    QVERIFY(hint->text().contains(QStringLiteral("SIMULATEUR")));
    QVERIFY(windows.FormMemoire->isVisible());
    QCOMPARE(m_dialogs.Messages().size(), 0);
    QVERIFY(m_context.StoredAcquisitionCount > 0);
    windows.FormMemoire->reject();

    m_dialogs.QueuePath(SamplePath(QStringLiteral("rolle3")));
    main.MenuOpenClick();
    QCOMPARE(m_context.Session.SessionState, SessionSaved);
    QVERIFY(!hint->isVisible());
    main.MenuCloseClick();
    QVERIFY(hint->isVisible());
}

void TestMainWindow::aboutWindow() {
    ProgramWindows windows(m_context, m_dialogs);
    TFormMain& main = *windows.FormMain;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    TFormAbout& about = *windows.FormAbout;
    QCOMPARE(about.windowTitle(), QStringLiteral("A propos..."));
    QVERIFY(!about.isVisible());

    Child<QAction>(main, "MenuWhat")->trigger();
    QVERIFY(about.isVisible());
    QVERIFY(!main.isEnabled());
    QCOMPARE(about.findChild<QLabel*>("LMDLabelNom")->text(), QStringLiteral(" OvraView "));
    QCOMPARE(about.findChild<QLabel*>("LMDLabelVersion")->text(), QStringLiteral("V2.0"));
    QVERIFY(!about.findChild<QLabel*>("ImageLogo")->pixmap().isNull());

    QPushButton* close = nullptr;
    for (QPushButton* button : about.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Fermer"))
            close = button;
    QVERIFY(close);
    close->click();
    QVERIFY(!about.isVisible());
    QVERIFY(main.isEnabled());

    // Closed by Escape as well.
    Child<QAction>(main, "MenuWhat")->trigger();
    QVERIFY(!main.isEnabled());
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
    QVERIFY(main.isEnabled());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
