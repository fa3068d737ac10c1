// What the main window keeps in the settings file (LatestDirectory and its
// placement), the directory in which the measurement file dialogs start, and
// the default directory window that sets that rule.

#include "scripteddialogs.h"
#include "testdirectory.h"

#include "settings/settings.h"
#include "ui/dialogs/directory.h"
#include "ui/main/main.h"
#include "ui/main/startup.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void defaultsWithoutSettings();
    void placementRoundTrip();
    void maximised();
    void placementOffScreen();
    void sizesAreTheWholeWindows_data();
    void sizesAreTheWholeWindows();
    void settingsWriteRefused();
    void dialogsFollowLatestDirectory();
    void dialogsStayInDefaultDirectory();
    void directoryWindow_data();
    void directoryWindow();
    void directoryWindowCancel();
    void directoryWindowWriteRefused();

private:
    QString Setting(const SettingKey& key) { return ReadSetting(m_context, key, "absent"); }
    QString LastDialogDirectory() { return m_dialogs.Dialogs().last().request.directory; }

    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
    QString m_startDirectory;
    QSize m_frame; // the frame's width and height that the platform adds to a window
};

void TestPlacement::initTestCase() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QWidget probe;
    probe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe));
    m_frame = probe.frameGeometry().size() - probe.size();
    m_startDirectory = QDir::currentPath();
}

void TestPlacement::init() {
    m_directory = std::make_unique<TestDirectory>();
    m_context = Context();
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
}

void TestPlacement::cleanup() {
    QDir::setCurrent(m_startDirectory);
    QCOMPARE(m_dialogs.Unscripted(), 0);
}

// 1024 x 600 centred on the 1280 x 1024 test screen; dialogs in the platform's
// default directory.
void TestPlacement::defaultsWithoutSettings() {
    TFormMain window(m_context, m_dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.frameGeometry(), QRect((1280 - 1024) / 2, (1024 - 600) / 2, 1024, 600));
    QVERIFY(!window.isMaximized());
    QCOMPARE(m_context.LatestDirectory, DefaultDataDirectory());
    QCOMPARE(m_context.DefaultDirectory, DefaultDataDirectory());
    QCOMPARE(m_context.DirectoryMode, 0);
    QCOMPARE(m_context.InitialDirectory, DefaultDataDirectory());
}

// Written at close, in the settings file, and restored by the next start.
void TestPlacement::placementRoundTrip() {
    {
        TFormMain window(m_context, m_dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(1100, 700);
        window.move(40, 60);
        m_context.LatestDirectory = QStringLiteral("/data/mesures/");
        QVERIFY(window.close());
    }
    QCOMPARE(Setting(SettingKeys::DirectoryLatest), QStringLiteral("/data/mesures/"));
    QCOMPARE(Setting(SettingKeys::DisplayMaximise), QStringLiteral("0"));
    // The whole window's size, frame included.
    QCOMPARE(Setting(SettingKeys::DisplayLargeur), QString::number(1100 + m_frame.width()));
    QCOMPARE(Setting(SettingKeys::DisplayHauteur), QString::number(700 + m_frame.height()));

    Context next;
    m_directory->Prepare(next);
    TFormMain window(next, m_dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(1100, 700));
    QCOMPARE(window.frameGeometry().topLeft(),
             QPoint(ReadSettingInt(next, SettingKeys::DisplayAbscisse, -1),
                    ReadSettingInt(next, SettingKeys::DisplayOrdonnee, -1)));
    QCOMPARE(next.LatestDirectory, QStringLiteral("/data/mesures/"));
    QCOMPARE(next.InitialDirectory, QStringLiteral("/data/mesures/"));
}

void TestPlacement::maximised() {
    m_directory->WriteSettings({"[DISPLAY]", "maximise=1", "largeur=300", "hauteur=200",
                                "abscisse=5000", "ordonnee=5000"});
    TFormMain window(m_context, m_dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.isMaximized());
    QVERIFY(window.close());
    QCOMPARE(Setting(SettingKeys::DisplayMaximise), QStringLiteral("1"));
    QCOMPARE(Setting(SettingKeys::DisplayLargeur),
             QString::number(window.screen()->availableGeometry().width()));
}

// "largeur" and "hauteur" are the whole window's, and so is the minimum: the
// client area is what the frame leaves of them.
void TestPlacement::sizesAreTheWholeWindows_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QSize>("frame");
    QTest::newRow("no settings") << QStringList() << QSize(1024, 600);
    QTest::newRow("stored size") << QStringList{"[DISPLAY]", "largeur=1100", "hauteur=700"}
                                 << QSize(1100, 700);
    QTest::newRow("below the minimum")
        << QStringList{"[DISPLAY]", "largeur=300", "hauteur=200"} << QSize(1024, 600);
}

void TestPlacement::sizesAreTheWholeWindows() {
    QFETCH(QStringList, settings);
    QFETCH(QSize, frame);
    m_directory->WriteSettings(settings);
    TFormMain window(m_context, m_dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY2(!m_frame.isEmpty(), "the test platform draws no frame: nothing to check");
    QCOMPARE(window.frameGeometry().size(), frame);
    QCOMPARE(window.size(), frame - m_frame);
    QCOMPARE(window.minimumSize(), QSize(1024, 600) - m_frame);
    // The user's own size is kept from then on.
    window.resize(1200, 800);
    QCOMPARE(window.size(), QSize(1200, 800));
}

// A small size is raised to the minimum; a place on no screen is centred.
void TestPlacement::placementOffScreen() {
    m_directory->WriteSettings(
        {"[DISPLAY]", "largeur=300", "hauteur=200", "abscisse=5000", "ordonnee=-3000"});
    TFormMain window(m_context, m_dialogs);
    QCOMPARE(window.size(), QSize(1024, 600));
    QCOMPARE(window.pos(), QPoint(128, 212));
}

// A settings file that cannot be written is told; the program still quits.
void TestPlacement::settingsWriteRefused() {
    m_context.ProgramDirectory = m_directory->FilePath(QStringLiteral("missing"));
    TFormMain window(m_context, m_dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.close());
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(m_dialogs.Messages().first().text,
             QStringLiteral("Impossible d'écrire dans ") +
                 QDir::toNativeSeparators(SettingsFileName(m_context)));
}

// Mode 0: "Ouvrir" and "Enregistrer Sous" start in the last directory used;
// the save dialog of the unsaved-data question keeps its own start.
void TestPlacement::dialogsFollowLatestDirectory() {
    const QString first = m_directory->MakeSubdirectory(QStringLiteral("first"));
    const QString second = m_directory->MakeSubdirectory(QStringLiteral("second"));
    m_directory->WriteSettings({"[DIRECTORY]", "Latest=" + first + QDir::separator(), "Mode=0"});
    TFormMain window(m_context, m_dialogs);
    QAction* open = window.findChild<QAction*>("MenuOpen");
    m_dialogs.QueuePath(QString());
    open->trigger();
    QCOMPARE(LastDialogDirectory(), first + QDir::separator());

    const QString file = second + QDir::separator() + QStringLiteral("a.ovra");
    QFile::copy(SamplePath(QStringLiteral("rolle3")), file);
    m_dialogs.QueuePath(file);
    open->trigger();
    QCOMPARE(m_context.LatestDirectory, second + QDir::separator());
    m_dialogs.QueuePath(QString());
    open->trigger();
    QCOMPARE(LastDialogDirectory(), second + QDir::separator());
    m_dialogs.QueuePath(QString());
    window.findChild<QAction*>("MenuSaveAs")->trigger();
    QCOMPARE(LastDialogDirectory(), second + QDir::separator());

    m_context.Session.SessionState = SessionUnsaved;
    m_context.LatestDirectory = QStringLiteral("/elsewhere/");
    m_dialogs.QueueAnswer(MessageAnswer::Yes);
    m_dialogs.QueuePath(QString());
    QVERIFY(!window.GuardUnsavedSession(MessageButtons::YesNoCancel));
    QCOMPARE(LastDialogDirectory(), second + QDir::separator());
}

// Mode 1: both dialogs start in the default directory, wherever files were
// opened.
void TestPlacement::dialogsStayInDefaultDirectory() {
    const QString chosen = m_directory->MakeSubdirectory(QStringLiteral("chosen"));
    m_directory->WriteSettings(
        {"[DIRECTORY]", "Default=" + chosen, "Latest=/elsewhere/", "Mode=1"});
    TFormMain window(m_context, m_dialogs);
    QCOMPARE(m_context.InitialDirectory, chosen);
    m_dialogs.QueuePath(m_directory->CopySample(QStringLiteral("rolle3")));
    window.findChild<QAction*>("MenuOpen")->trigger();
    QCOMPARE(LastDialogDirectory(), chosen);
    QCOMPARE(m_context.LatestDirectory, m_directory->PathWithSeparator());
    m_dialogs.QueuePath(QString());
    window.findChild<QAction*>("MenuOpen")->trigger();
    QCOMPARE(LastDialogDirectory(), chosen);
    m_dialogs.QueuePath(QString());
    window.findChild<QAction*>("MenuSaveAs")->trigger();
    QCOMPARE(LastDialogDirectory(), chosen);
}

void TestPlacement::directoryWindow_data() {
    QTest::addColumn<int>("item");
    QTest::newRow("last directory used") << 0;
    QTest::newRow("selected directory") << 1;
}

// "OK" stores the choice and the field's path, and moves both dialogs.
void TestPlacement::directoryWindow() {
    QFETCH(int, item);
    const QString chosen = m_directory->MakeSubdirectory(QStringLiteral("chosen"));
    const QString browsed = m_directory->MakeSubdirectory(QStringLiteral("browsed"));
    m_directory->WriteSettings(
        {"[DIRECTORY]", "Default=" + chosen, "Mode=" + QString::number(1 - item)});
    ProgramWindows windows(m_context, m_dialogs);
    TFormMain& main = *windows.FormMain;
    TFormDirectory& form = *windows.FormDirectory;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(form.windowTitle(), QStringLiteral("Répertoire par défaut"));

    main.findChild<QAction*>("MenuDefaultDirectory")->trigger();
    QVERIFY(form.isVisible());
    QVERIFY(!main.isEnabled());
    auto* field = form.findChild<QLineEdit*>("LMDBrowseEdit");
    QCOMPARE(form.ItemIndex(), 1 - item);
    QCOMPARE(field->text(), chosen);
    QCOMPARE(field->isEnabled(), item == 0);

    form.findChild<QRadioButton*>(item == 1 ? "RadioSelectedDirectory" : "RadioLatestDirectory")
        ->click();
    QCOMPARE(field->isEnabled(), item == 1);
    if (item == 1) {
        m_dialogs.QueuePath(browsed);
        form.findChild<QAbstractButton*>("LMDBrowseEditButton")->click();
        QCOMPARE(field->text(), browsed);
    }
    const QString workingBefore = QDir::toNativeSeparators(QDir::currentPath());
    form.findChild<QPushButton*>("OKButton")->click();
    QVERIFY(!form.isVisible());
    QVERIFY(main.isEnabled());

    const QString expectedDefault = item == 1 ? browsed : chosen;
    const QString expectedInitial = item == 1 ? browsed : workingBefore;
    QCOMPARE(m_context.DirectoryMode, item);
    QCOMPARE(m_context.DefaultDirectory, expectedDefault);
    QCOMPARE(m_context.InitialDirectory, expectedInitial);
    QCOMPARE(QDir::toNativeSeparators(QDir::currentPath()), expectedInitial);
    QCOMPARE(Setting(SettingKeys::DirectoryMode), QString::number(item));
    QCOMPARE(Setting(SettingKeys::DirectoryDefault), expectedDefault);
    QCOMPARE(Setting(SettingKeys::DirectoryLatest), QStringLiteral("absent"));

    // In mode 1 the open dialog starts there; in mode 0 it follows Latest.
    m_context.LatestDirectory = QStringLiteral("/latest/");
    m_dialogs.QueuePath(QString());
    main.findChild<QAction*>("MenuOpen")->trigger();
    QCOMPARE(LastDialogDirectory(), item == 1 ? browsed : QStringLiteral("/latest/"));
    // The guard's save dialog starts at the window's choice in both modes.
    m_context.Session.SessionState = SessionUnsaved;
    m_dialogs.QueueAnswer(MessageAnswer::Yes);
    m_dialogs.QueuePath(QString());
    main.GuardUnsavedSession(MessageButtons::YesNo);
    QCOMPARE(LastDialogDirectory(), expectedInitial);
}

void TestPlacement::directoryWindowCancel() {
    ProgramWindows windows(m_context, m_dialogs);
    TFormMain& main = *windows.FormMain;
    TFormDirectory& form = *windows.FormDirectory;
    main.MenuDefaultDirectoryClick();
    form.findChild<QRadioButton*>("RadioSelectedDirectory")->click();
    form.findChild<QLineEdit*>("LMDBrowseEdit")->setText(QStringLiteral("/nowhere"));
    form.findChild<QPushButton*>("CancelButton")->click();
    QVERIFY(!form.isVisible());
    QVERIFY(main.isEnabled());
    QCOMPARE(m_context.DirectoryMode, 0);
    QCOMPARE(m_context.DefaultDirectory, DefaultDataDirectory());
    QVERIFY(!QFile::exists(m_directory->FilePath(QStringLiteral("ovra.ini"))));
    // Shown again, it offers the values in force, not the abandoned ones.
    main.MenuDefaultDirectoryClick();
    QCOMPARE(form.ItemIndex(), 0);
    QCOMPARE(form.findChild<QLineEdit*>("LMDBrowseEdit")->text(), DefaultDataDirectory());
    form.reject();
}

// The choice is told as not stored, and the window stays open for "Annuler".
void TestPlacement::directoryWindowWriteRefused() {
    m_context.ProgramDirectory = m_directory->FilePath(QStringLiteral("missing"));
    ProgramWindows windows(m_context, m_dialogs);
    TFormMain& main = *windows.FormMain;
    TFormDirectory& form = *windows.FormDirectory;
    main.MenuDefaultDirectoryClick();
    form.findChild<QPushButton*>("OKButton")->click();
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QVERIFY(m_dialogs.Messages().first().text.startsWith(QStringLiteral("Impossible d'écrire")));
    QVERIFY(form.isVisible());
    QVERIFY(!main.isEnabled());
    form.findChild<QPushButton*>("CancelButton")->click();
    QVERIFY(main.isEnabled());
}

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
