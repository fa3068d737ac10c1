// The steps of the program entry: the command line, the program directory,
// the windows created once, and the refusal of a small screen.

#include "scripteddialogs.h"
#include "testdirectory.h"

#include "link/portselect.h"
#include "link/rs232.h"
#include "settings/settings.h"
#include "ui/dialogs/about.h"
#include "ui/dialogs/directory.h"
#include "ui/dialogs/print.h"
#include "ui/instrument/clock.h"
#include "ui/instrument/comm.h"
#include "ui/instrument/config.h"
#include "ui/instrument/memoire.h"
#include "ui/main/main.h"
#include "ui/main/startup.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data();
    void commandLine();
    void programDirectory_data();
    void programDirectory();
    void programOptions_data();
    void programOptions();
    void dataFolderMadeAtFirstStart();
    void screenSize_data();
    void screenSize();
    void windows();
    void secondaryWindowsAfterFirstPaint_data();
    void secondaryWindowsAfterFirstPaint();
};

void TestStartup::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("pending");
    QTest::addColumn<QString>("file");
    const QString here = QDir::currentPath() + QLatin1Char('/');
    QTest::newRow("none") << QStringList() << false << "";
    QTest::newRow("one absolute") << QStringList({"/data/a.ovra"}) << true << "/data/a.ovra";
    QTest::newRow("relative, made absolute") << QStringList({"a.ovra"}) << true << here + "a.ovra";
    QTest::newRow("only the first") << QStringList({"/a.ovra", "/b.ovra"}) << true << "/a.ovra";
    QTest::newRow("empty argument") << QStringList({""}) << true << "";
}

void TestStartup::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, pending);
    QFETCH(QString, file);
    Context context;
    ReadCommandLine(context, arguments);
    QCOMPARE(context.CommandLinePending, pending);
    QCOMPARE(context.CommandLineFile, QDir::toNativeSeparators(file));
}

void TestStartup::programDirectory_data() {
    QTest::addColumn<bool>("fromStore");
    QTest::addColumn<bool>("entered"); // the current directory moves there
    QTest::newRow("from the settings store") << true << true;
    QTest::newRow("the current directory") << false << false;
}

void TestStartup::programDirectory() {
    QFETCH(bool, fromStore);
    QFETCH(bool, entered);
    const QString start = QDir::currentPath();
    TestDirectory directory;
    Context context;
    ApplyProgramDirectory(context, {fromStore, directory.Path()});
    QCOMPARE(context.ProgramDirectory, directory.Path());
    const QString now = QDir::currentPath();
    QDir::setCurrent(start);
    QCOMPARE(QDir(now) == QDir(directory.Path()), entered);

    // A store that names a directory that does not exist is not an error.
    Context missing;
    ApplyProgramDirectory(missing, {true, directory.FilePath(QStringLiteral("gone"))});
    QCOMPARE(QDir::currentPath(), start);
}

void TestStartup::programOptions_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("directoryGiven"); // the existing directory "."
    QTest::addColumn<QStringList>("rest");
    QTest::addColumn<QStringList>("given"); // "DIR" stands for the directory made absolute
    QTest::addColumn<QString>("error");
    using L = QStringList;
    const L dir{"--program-directory", "DIR"};
    QTest::newRow("none") << L() << false << L() << L() << "";
    QTest::newRow("a file") << L{"a.ovra"} << false << L{"a.ovra"} << L() << "";
    QTest::newRow("directory then file")
        << L{"--program-directory", ".", "a.ovra"} << true << L{"a.ovra"} << dir << "";
    QTest::newRow("file then directory")
        << L{"a.ovra", "--program-directory", "."} << true << L{"a.ovra"} << dir << "";
    QTest::newRow("Qt's options pass")
        << L{"-platform", "xcb", "--style=fusion", "-reverse", "a.ovra"} << false << L{"a.ovra"}
        << L{"-platform", "xcb", "--style=fusion", "-reverse"} << "";
    QTest::newRow("after --, a dash file")
        << L{"--", "-x.ovra", "--bogus"} << false << L{"-x.ovra", "--bogus"} << L() << "";
    QTest::newRow("a lone dash is a file") << L{"-"} << false << L{"-"} << L() << "";
    QTest::newRow("unknown long option")
        << L{"--bogus"} << false << L() << L() << "option inconnue --bogus";
    QTest::newRow("unknown short option")
        << L{"a.ovra", "-x.ovra"} << false << L() << L() << "option inconnue -x.ovra";
    QTest::newRow("Qt switch with a value")
        << L{"-reverse=1"} << false << L() << L() << "option inconnue -reverse=1";
    QTest::newRow("no value") << L{"--program-directory"} << false << L() << L()
                              << "attend une valeur";
    QTest::newRow("empty value") << L{"--program-directory", ""} << false << L() << L()
                                 << "attend une valeur";
    QTest::newRow("no such directory") << L{"--program-directory", "/no/such/dir"} << false << L()
                                       << L() << "/no/such/dir : dossier inexistant";
    QTest::newRow("twice") << L{"--program-directory", ".", "--program-directory", "."} << true
                           << L() << L() << "donnée deux fois";
}

void TestStartup::programOptions() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, directoryGiven);
    QFETCH(QStringList, rest);
    QFETCH(QStringList, given);
    QFETCH(QString, error);
    const ProgramOptions options = ReadProgramOptions(arguments);
    QVERIFY2(error.isEmpty() ? options.error.isEmpty() : options.error.contains(error),
             qPrintable(options.error));
    if (!error.isEmpty())
        return;
    QCOMPARE(options.rest, rest);
    // Made absolute: the current directory moves to it at start.
    QCOMPARE(options.programDirectory, directoryGiven ? QDir::currentPath() : QString());
    given.replaceInStrings(QStringLiteral("DIR"), QDir::currentPath());
    QCOMPARE(options.given, given);
}

void TestStartup::dataFolderMadeAtFirstStart() {
    TestDirectory home;
    // No store names "Path" (read here for the first time in this test program).
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(home.FilePath(QStringLiteral("etc"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.FilePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.FilePath(QStringLiteral("data"))));
    const QString start = QDir::currentPath();
    const QString readOnly = home.MakeSubdirectory(QStringLiteral("read-only"));
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(QDir::setCurrent(readOnly));

    Context context;
    ApplyProgramDirectory(context, FindProgramDirectory());
    const QString now = QDir::currentPath();
    QDir::setCurrent(start);
#ifdef Q_OS_WIN
    QCOMPARE(context.ProgramDirectory, readOnly);
#else
    const QString folder = home.FilePath(QStringLiteral("data/Tarvel/OvraView2"));
    QCOMPARE(context.ProgramDirectory, folder);
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(now, readOnly); // the process stays where it was started
    QVERIFY(WriteSetting(context, SettingKeys::ComNumberSerial, QStringLiteral("/dev/ttyS3")));
    QVERIFY(QFile::exists(folder + QStringLiteral("/ovra.ini")));
    QVERIFY(QDir(readOnly).isEmpty());
#endif
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestStartup::screenSize_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("1024 x 600") << QSize(1024, 600) << true;
    QTest::newRow("1280 x 1024") << QSize(1280, 1024) << true;
    QTest::newRow("one pixel too narrow") << QSize(1023, 768) << false;
    QTest::newRow("one pixel too low") << QSize(1920, 599) << false;
    QTest::newRow("800 x 480") << QSize(800, 480) << false;
}

void TestStartup::screenSize() {
    QFETCH(QSize, screen);
    QFETCH(bool, accepted);
    ScriptedDialogs dialogs;
    QCOMPARE(CheckScreenSize(screen, dialogs), accepted);
    QCOMPARE(dialogs.Messages().size(), accepted ? 0 : 1);
    if (!accepted) {
        const ScriptedDialogs::Message& message = dialogs.Messages().first();
        QCOMPARE(message.text,
                 QStringLiteral("Ce logiciel requiert une résolution d'écran minimum de 1024x600"));
        QCOMPARE(message.icon, MessageIcon::Error);
        QCOMPARE(message.buttons, MessageButtons::Ok);
    }
}

// Every window exists once, hidden, with its caption; only the main window is
// shown by the entry.
void TestStartup::windows() {
    TestDirectory directory;
    Context context;
    directory.Prepare(context);
    ScriptedDialogs dialogs;
    ProgramWindows windows(context, dialogs);
    const std::pair<QWidget*, const char*> expected[] = {
        {windows.FormAbout.get(), "A propos..."},
        {windows.FormClock.get(), "Horloge"},
        {windows.FormDirectory.get(), "Répertoire par défaut"},
        {windows.FormPrint.get(), "Impression"},
        {windows.FormMemoire.get(), "Lecture"},
        {windows.FormCommunication.get(), "Communications"},
        {windows.FormConfig.get(), "Configuration"},
    };
    for (const auto& [window, caption] : expected) {
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString::fromUtf8(caption));
        QVERIFY(window->isWindow());
        QVERIFY(!window->isVisible());
        // Closing a secondary window never ends the program.
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
    }
    QVERIFY(!windows.FormMain->isVisible());
    QCOMPARE(context.Session.SessionState, SessionEmpty);
    QVERIFY(dialogs.Messages().isEmpty());
}

// The entry shows the main window before it makes the others: they follow
// its first paint, or come at once when a menu needs one sooner. What the
// first paint shows of the port in use does not wait for them.
void TestStartup::secondaryWindowsAfterFirstPaint_data() {
    QTest::addColumn<QString>("firstAction"); // none: the window is shown
    QTest::newRow("first paint") << QString();
    QTest::newRow("menu before any paint") << QStringLiteral("MenuCommunications");
}

void TestStartup::secondaryWindowsAfterFirstPaint() {
    QFETCH(QString, firstAction);
    TestDirectory directory;
    Context context;
    directory.Prepare(context);
    QVERIFY(WriteSetting(context, SettingKeys::ComNumberSerial, QLatin1String(SimulatedPortName)));
    ScriptedDialogs dialogs;
    ProgramWindows windows(context, dialogs, nullptr, QString(),
                           SecondaryWindowsMade::AfterFirstPaint);
    QVERIFY(!windows.FormConfig);
    const auto* note = windows.FormMain->findChild<QLabel*>(QStringLiteral("InstrumentNote"));
    QVERIFY(note && note->text().contains(QLatin1String("Communications")));

    if (firstAction.isEmpty()) {
        windows.FormMain->show();
        QTRY_VERIFY(windows.FormConfig);
    } else {
        windows.FormMain->findChild<QAction*>(firstAction)->trigger();
        QVERIFY(windows.FormCommunication && windows.FormCommunication->isVisible());
    }
    for (const QWidget* window : {static_cast<QWidget*>(windows.FormAbout.get()),
                                  static_cast<QWidget*>(windows.FormClock.get()),
                                  static_cast<QWidget*>(windows.FormDirectory.get()),
                                  static_cast<QWidget*>(windows.FormPrint.get()),
                                  static_cast<QWidget*>(windows.FormMemoire.get())})
        QVERIFY(window);
    QCOMPARE(windows.FormRS232->PortName(), QLatin1String(SimulatedPortName));
    QVERIFY(dialogs.Messages().isEmpty());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
