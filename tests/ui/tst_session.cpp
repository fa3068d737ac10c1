// The life of the session in the main window: opening (menu, command line,
// drop), closing with the unsaved-data question, saving under a new name, and
// the quit question.

#include "samplesessions.h"
#include "scripteddialogs.h"
#include "testdirectory.h"

#include "data/fichiers.h"
#include "ui/main/main.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QProgressBar>
#include <QUrl>
#include <QtTest>

Q_DECLARE_METATYPE(MessageAnswer)

namespace {

const QString EmptyTitle = QStringLiteral(" OvraView  - Version 2.0");
const QString Incorrect = QStringLiteral("Format de fichier incorrect");

// The file name as the platform spells it ("C:\..." on Windows).
QString TitleFor(const QString& file) {
    return EmptyTitle + QStringLiteral(" - ") + QDir::toNativeSeparators(file);
}

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void openFromMenu();
    void openCancelled();
    void openFailure_data();
    void openFailure();
    void openDiscardsUnsavedDownload();
    void commandLineOpenedOnce();
    void commandLineRejected();
    void drop_data();
    void drop();
    void dropEvent();
    void guard_data();
    void guard();
    void closeMenuAsksWithCancel();
    void quit_data();
    void quit();
    void saveAsCopiesTheFile();
    void saveAsWritesADownload();
    void saveAsAsksBeforeReplacing();
    void saveAsFailure_data();
    void saveAsFailure();

private:
    // A download as the instrument link leaves it: shown, never saved.
    void ShowDownload(TFormMain& window);
    void CheckIdle(const TFormMain& window);
    static void UnsavedQuestionRows(const char* goesOnColumn);
    void PrepareQuestion(TFormMain& window, int state, MessageAnswer answer, const QString& target);

    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
};

void TestSession::initTestCase() {
    // The quit test closes the last window; the test must go on.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void TestSession::init() {
    m_directory = std::make_unique<TestDirectory>();
    QVERIFY(m_directory->IsValid());
    m_context = Context();
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
}

void TestSession::cleanup() {
    QCOMPARE(m_dialogs.Unscripted(), 0);
    QCOMPARE(m_dialogs.PendingAnswers(), 0);
}

void TestSession::ShowDownload(TFormMain& window) {
    m_context.Session = SampleSession(QStringLiteral("rolle3"));
    m_context.Session.SessionState = SessionUnsaved;
    m_context.Session.FileName.clear();
    window.OpenSession();
    window.DisplayAcquisition();
    QCOMPARE(window.windowTitle(), TitleFor(QStringLiteral("Nouveau Fichier")));
}

// The rows of the unsaved-data questions ("Fermer", "Lecture", quitting):
// the session state, the answers, and whether the caller goes on.
void TestSession::UnsavedQuestionRows(const char* goesOnColumn) {
    QTest::addColumn<int>("state"); // SessionState before the question
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<QString>("target"); // save dialog: "" cancelled, a name, or "missing/x.ovra"
    QTest::addColumn<bool>(goesOnColumn);
    QTest::addColumn<int>("messages"); // question, then any error
    const MessageAnswer none = MessageAnswer::Ok;
    QTest::newRow("empty") << int(SessionEmpty) << none << "" << true << 0;
    QTest::newRow("saved") << int(SessionSaved) << none << "" << true << 0;
    QTest::newRow("unsaved, Non") << int(SessionUnsaved) << MessageAnswer::No << "" << true << 1;
    QTest::newRow("unsaved, Annuler")
        << int(SessionUnsaved) << MessageAnswer::Cancel << "" << false << 1;
    QTest::newRow("unsaved, Oui, saved")
        << int(SessionUnsaved) << MessageAnswer::Yes << "kept.ovra" << true << 1;
    QTest::newRow("unsaved, Oui, save cancelled")
        << int(SessionUnsaved) << MessageAnswer::Yes << "" << false << 1;
    QTest::newRow("unsaved, Oui, save failed")
        << int(SessionUnsaved) << MessageAnswer::Yes << "missing/kept.ovra" << false << 2;
}

// The session in `state`, and the answers to the question and its save dialog queued.
void TestSession::PrepareQuestion(TFormMain& window, int state, MessageAnswer answer,
                                  const QString& target) {
    if (state == SessionSaved) {
        window.LMDFMDropFMDragDrop({m_directory->CopySample(QStringLiteral("rolle3"))});
    } else if (state == SessionUnsaved) {
        ShowDownload(window);
        m_dialogs.QueueAnswer(answer);
        if (answer == MessageAnswer::Yes)
            m_dialogs.QueuePath(target.isEmpty() ? QString() : m_directory->FilePath(target));
    }
}

// After every file operation the window is usable again.
void TestSession::CheckIdle(const TFormMain& window) {
    QVERIFY(window.isEnabled());
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(window.findChild<QProgressBar*>("LMDProgressBar")->value(), 0);
}

void TestSession::openFromMenu() {
    const QString path = m_directory->CopySample(QStringLiteral("rolle3"));
    TFormMain window(m_context, m_dialogs);
    m_dialogs.QueuePath(path);
    window.findChild<QAction*>("MenuOpen")->trigger();

    QVERIFY(m_dialogs.Messages().isEmpty());
    QCOMPARE(m_dialogs.Dialogs().size(), 1);
    const FileDialogRequest& request = m_dialogs.Dialogs().first().request;
    QCOMPARE(request.filter, QStringLiteral("Fichier de mesures (*.ovra)"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("ovra"));
    QCOMPARE(m_context.Session.SessionState, SessionSaved);
    QCOMPARE(m_context.Session.FileName, path);
    QCOMPARE(m_context.Session.Method, QStringLiteral("Rolle"));
    QCOMPARE(window.windowTitle(), TitleFor(path));
    QCOMPARE(m_context.LatestDirectory, m_directory->PathWithSeparator());
    QVERIFY(window.findChild<QAction*>("MenuSaveAs")->isEnabled());
    CheckIdle(window);
}

void TestSession::openCancelled() {
    TFormMain window(m_context, m_dialogs);
    ShowDownload(window);
    m_context.LatestDirectory = QStringLiteral("/before/");
    m_dialogs.QueuePath(QString());
    window.findChild<QAction*>("MenuOpen")->trigger();
    QCOMPARE(m_context.Session.SessionState, SessionUnsaved);
    QCOMPARE(m_context.LatestDirectory, QStringLiteral("/before/"));
    QVERIFY(m_dialogs.Messages().isEmpty());
}

void TestSession::openFailure_data() {
    QTest::addColumn<QByteArray>("content"); // empty: the file does not exist
    QTest::addColumn<QString>("message");    // empty: must name the file
    QTest::newRow("not a measurement file") << QByteArray("hello\r\nworld\r\n") << Incorrect;
    QByteArray badCount;
    {
        QFile sample(SamplePath(QStringLiteral("rolle3")));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        badCount = sample.readAll().replace("Nombre\t3\t", "Nombre\ttrois\t");
    }
    QTest::newRow("count that does not convert") << badCount << QString();
    QTest::newRow("missing file") << QByteArray() << QString();
}

// The previous session is closed, nothing is opened, the user is told, and
// LatestDirectory stays as it was.
void TestSession::openFailure() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QString path = m_directory->FilePath(QStringLiteral("bad.ovra"));
    if (!content.isEmpty())
        m_directory->WriteBytes(QStringLiteral("bad.ovra"), content);
    TFormMain window(m_context, m_dialogs);
    m_dialogs.QueuePath(m_directory->CopySample(QStringLiteral("single")));
    window.findChild<QAction*>("MenuOpen")->trigger();
    QCOMPARE(m_context.Session.SessionState, SessionSaved);
    m_context.LatestDirectory = QStringLiteral("/before/");

    m_dialogs.QueuePath(path);
    window.findChild<QAction*>("MenuOpen")->trigger();
    QCOMPARE(m_dialogs.Messages().size(), 1);
    const ScriptedDialogs::Message& shown = m_dialogs.Messages().first();
    if (message.isEmpty())
        QVERIFY2(shown.text.contains(QStringLiteral("bad.ovra")), qPrintable(shown.text));
    else
        QCOMPARE(shown.text, message);
    QCOMPARE(shown.icon, MessageIcon::Error);
    QCOMPARE(shown.buttons, MessageButtons::Ok);
    QCOMPARE(m_context.Session.SessionState, SessionEmpty);
    QVERIFY(m_context.Session.FileName.isEmpty());
    QCOMPARE(window.windowTitle(), EmptyTitle);
    QVERIFY(!window.findChild<QAction*>("MenuClose")->isEnabled());
    QCOMPARE(m_context.LatestDirectory, QStringLiteral("/before/"));
    CheckIdle(window);
}

void TestSession::openDiscardsUnsavedDownload() {
    TFormMain window(m_context, m_dialogs);
    ShowDownload(window);
    const QString path = m_directory->CopySample(QStringLiteral("thomas5"));
    m_dialogs.QueuePath(path);
    window.findChild<QAction*>("MenuOpen")->trigger();
    QVERIFY(m_dialogs.Messages().isEmpty());
    QCOMPARE(m_context.Session.SessionState, SessionSaved);
    QCOMPARE(m_context.Session.Method, QStringLiteral("Thomas"));
}

void TestSession::commandLineOpenedOnce() {
    const QString path = m_directory->CopySample(QStringLiteral("rolle4"));
    m_context.CommandLineFile = path;
    m_context.CommandLinePending = true;
    TFormMain window(m_context, m_dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(m_context.Session.SessionState, SessionSaved);
    QCOMPARE(m_context.Session.FileName, path);
    QCOMPARE(window.windowTitle(), TitleFor(path));
    QVERIFY(!m_context.CommandLinePending);

    window.CloseSession();
    window.FormActivate();
    window.activateWindow();
    // The activation's own opening attempt is queued: let it run.
    QTRY_VERIFY(window.isActiveWindow());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_context.Session.SessionState, SessionEmpty);
    QVERIFY(m_dialogs.Messages().isEmpty());
}

void TestSession::commandLineRejected() {
    m_directory->WriteBytes(QStringLiteral("notes.txt"), "VERSION\r\n");
    m_context.CommandLineFile = m_directory->FilePath(QStringLiteral("notes.txt"));
    m_context.CommandLinePending = true;
    TFormMain window(m_context, m_dialogs);
    window.FormActivate();
    window.FormActivate();
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(m_dialogs.Messages().first().text, Incorrect);
    QCOMPARE(m_context.Session.SessionState, SessionEmpty);
    QCOMPARE(window.windowTitle(), EmptyTitle);
}

void TestSession::drop_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("method"); // of the session opened, empty for none
    QTest::newRow("first of two") << QStringList({"thomas5.ovra", "rolle3.ovra"}) << "Thomas";
    QTest::newRow("extension in capitals") << QStringList({"THOMAS5.OVRA"}) << "";
    QTest::newRow("first is not a measurement file")
        << QStringList({"notes.txt", "rolle3.ovra"}) << "";
    QTest::newRow("nothing") << QStringList() << "";
}

void TestSession::drop() {
    QFETCH(QStringList, files);
    QFETCH(QString, method);
    m_directory->CopySample(QStringLiteral("thomas5"));
    m_directory->CopySample(QStringLiteral("thomas5"), QStringLiteral("THOMAS5.OVRA"));
    m_directory->CopySample(QStringLiteral("rolle3"));
    m_directory->CopySample(QStringLiteral("rolle3"), QStringLiteral("notes.txt"));
    QStringList paths;
    for (const QString& file : files)
        paths << m_directory->FilePath(file);
    TFormMain window(m_context, m_dialogs);
    m_context.LatestDirectory = QStringLiteral("/before/");
    window.LMDFMDropFMDragDrop(paths);
    QCOMPARE(m_context.Session.SessionState, method.isEmpty() ? SessionEmpty : SessionSaved);
    QCOMPARE(m_context.Session.Method, method);
    if (!method.isEmpty())
        QCOMPARE(m_context.Session.FileName, paths.first());
    QCOMPARE(m_context.LatestDirectory, QStringLiteral("/before/"));
    QVERIFY(m_dialogs.Messages().isEmpty());
}

// A drop from the desktop arrives as URLs.
void TestSession::dropEvent() {
    const QString path = m_directory->CopySample(QStringLiteral("test3"));
    TFormMain window(m_context, m_dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile(SamplePath("rolle3"))});
    const QPoint centre = window.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    QTRY_COMPARE(m_context.Session.SessionState, SessionSaved);
    QCOMPARE(m_context.Session.Method, QStringLiteral("Test"));
}

void TestSession::guard_data() {
    UnsavedQuestionRows("goesOn");
}

// Whatever the caller's buttons, the session is closed exactly when the
// caller may go on, and nothing unsaved is lost on the way.
void TestSession::guard() {
    QFETCH(int, state);
    QFETCH(MessageAnswer, answer);
    QFETCH(QString, target);
    QFETCH(bool, goesOn);
    QFETCH(int, messages);
    for (const MessageButtons buttons : {MessageButtons::YesNoCancel, MessageButtons::YesNo}) {
        if (buttons == MessageButtons::YesNo && answer == MessageAnswer::Cancel)
            continue;
        m_dialogs.Clear();
        QFile::remove(m_directory->FilePath(QStringLiteral("kept.ovra")));
        TFormMain window(m_context, m_dialogs);
        PrepareQuestion(window, state, answer, target);
        QCOMPARE(window.GuardUnsavedSession(buttons), goesOn);
        QCOMPARE(m_context.Session.SessionState, goesOn ? SessionEmpty : SessionUnsaved);
        QCOMPARE(window.windowTitle(),
                 goesOn ? EmptyTitle : TitleFor(QStringLiteral("Nouveau Fichier")));
        QCOMPARE(m_dialogs.Messages().size(), messages);
        if (messages > 0) {
            const ScriptedDialogs::Message& question = m_dialogs.Messages().first();
            QCOMPARE(question.text, QStringLiteral("Les données en cours n'ont pas été sauvées "
                                                   "!\n\rVoulez-vous les sauver ?"));
            QCOMPARE(question.icon, MessageIcon::Information);
            QCOMPARE(question.buttons, buttons);
        }
        if (messages > 1)
            QCOMPARE(m_dialogs.Messages().at(1).icon, MessageIcon::Error);
        const bool written = target == QStringLiteral("kept.ovra");
        QCOMPARE(QFile::exists(m_directory->FilePath(QStringLiteral("kept.ovra"))), written);
        if (written) {
            Session back;
            QVERIFY(
                ReadMeasurementFile(m_directory->FilePath(QStringLiteral("kept.ovra")), back).Ok());
            QCOMPARE(back.Spectra, SampleSession(QStringLiteral("rolle3")).Spectra);
        }
        CheckIdle(window);
        QCOMPARE(m_dialogs.PendingAnswers(), 0);
    }
}

void TestSession::closeMenuAsksWithCancel() {
    TFormMain window(m_context, m_dialogs);
    ShowDownload(window);
    m_dialogs.QueueAnswer(MessageAnswer::Cancel);
    window.findChild<QAction*>("MenuClose")->trigger();
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(m_dialogs.Messages().first().buttons, MessageButtons::YesNoCancel);
    QCOMPARE(m_context.Session.SessionState, SessionUnsaved);
    m_dialogs.QueueAnswer(MessageAnswer::No);
    window.findChild<QAction*>("MenuClose")->trigger();
    QCOMPARE(m_context.Session.SessionState, SessionEmpty);
    QVERIFY(!window.findChild<QAction*>("MenuClose")->isEnabled());
}

void TestSession::quit_data() {
    UnsavedQuestionRows("quits");
}

void TestSession::quit() {
    QFETCH(int, state);
    QFETCH(MessageAnswer, answer);
    QFETCH(QString, target);
    QFETCH(bool, quits);
    QFETCH(int, messages);
    TFormMain window(m_context, m_dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PrepareQuestion(window, state, answer, target);
    window.findChild<QAction*>("MenuExit")->trigger();
    QCOMPARE(window.isVisible(), !quits);
    QCOMPARE(m_dialogs.Messages().size(), messages);
    if (messages > 0) {
        const ScriptedDialogs::Message& question = m_dialogs.Messages().first();
        QCOMPARE(question.text, QStringLiteral("Les données n'ont pas été sauvées !\n\rVoulez-vous "
                                               "sauver avant de quitter ?"));
        QCOMPARE(question.icon, MessageIcon::Information);
        QCOMPARE(question.buttons, MessageButtons::YesNoCancel);
    }
    QCOMPARE(QFile::exists(m_directory->FilePath(QStringLiteral("kept.ovra"))),
             target == QStringLiteral("kept.ovra"));
    // The settings are written only by a quit that happens.
    QCOMPARE(QFile::exists(m_directory->FilePath(QStringLiteral("ovra.ini"))), quits);
    if (!quits)
        QCOMPARE(m_context.Session.SessionState, SessionUnsaved);
}

// The saved session is copied as the file's bytes, even after its parameters
// were edited.
void TestSession::saveAsCopiesTheFile() {
    const QString source = m_directory->CopySample(QStringLiteral("thomas5"));
    const QString subdirectory = m_directory->MakeSubdirectory(QStringLiteral("copies"));
    const QString target = subdirectory + QDir::separator() + QStringLiteral("copy.ovra");
    TFormMain window(m_context, m_dialogs);
    window.LMDFMDropFMDragDrop({source});
    m_context.Session.Parameters[10] = QStringLiteral("9.999");
    m_dialogs.QueuePath(target);
    window.findChild<QAction*>("MenuSaveAs")->trigger();

    QCOMPARE(m_dialogs.Dialogs().size(), 1);
    const FileDialogRequest& request = m_dialogs.Dialogs().first().request;
    QCOMPARE(request.proposedName, QStringLiteral("mesures.ovra"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("ovra"));
    QVERIFY(request.confirmOverwrite);
    QCOMPARE(m_directory->ReadBytes(QStringLiteral("copies/copy.ovra")),
             m_directory->ReadBytes(QStringLiteral("thomas5.ovra")));
    QCOMPARE(m_context.Session.SessionState, SessionSaved);
    QCOMPARE(m_context.Session.FileName, target);
    QCOMPARE(window.windowTitle(), TitleFor(target));
    QCOMPARE(m_context.LatestDirectory, subdirectory + QDir::separator());
    CheckIdle(window);
}

void TestSession::saveAsWritesADownload() {
    const QString target = m_directory->FilePath(QStringLiteral("download.ovra"));
    TFormMain window(m_context, m_dialogs);
    ShowDownload(window);
    m_dialogs.QueuePath(target);
    window.findChild<QAction*>("MenuSaveAs")->trigger();
    QVERIFY(m_dialogs.Messages().isEmpty());
    const QString expected = m_directory->FilePath(QStringLiteral("expected.ovra"));
    QVERIFY(WriteMeasurementFile(expected, m_context.Session).Ok());
    QCOMPARE(m_directory->ReadBytes(QStringLiteral("download.ovra")),
             m_directory->ReadBytes(QStringLiteral("expected.ovra")));
    QCOMPARE(m_context.Session.SessionState, SessionSaved);
    QCOMPARE(m_context.Session.FileName, target);
    QCOMPARE(window.windowTitle(), TitleFor(target));
}

// "Non" to the question goes back to the dialog; "Oui" replaces the file.
void TestSession::saveAsAsksBeforeReplacing() {
    m_directory->WriteBytes(QStringLiteral("old.ovra"), "old");
    const QString old = m_directory->FilePath(QStringLiteral("old.ovra"));
    TFormMain window(m_context, m_dialogs);
    ShowDownload(window);
    m_dialogs.QueuePath(old);
    m_dialogs.QueueAnswer(MessageAnswer::No);
    m_dialogs.QueuePath(QString());
    window.findChild<QAction*>("MenuSaveAs")->trigger();
    QCOMPARE(m_dialogs.Dialogs().size(), 2);
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(m_dialogs.Messages().first().buttons, MessageButtons::YesNo);
    QVERIFY(m_dialogs.Messages().first().text.contains(QStringLiteral("old.ovra")));
    QCOMPARE(m_directory->ReadBytes(QStringLiteral("old.ovra")), QByteArray("old"));
    QCOMPARE(m_context.Session.SessionState, SessionUnsaved);

    m_dialogs.QueuePath(old);
    m_dialogs.QueueAnswer(MessageAnswer::Yes);
    window.findChild<QAction*>("MenuSaveAs")->trigger();
    QVERIFY(m_directory->ReadBytes(QStringLiteral("old.ovra")).startsWith("VERSION"));
    QCOMPARE(m_context.Session.SessionState, SessionSaved);
}

void TestSession::saveAsFailure_data() {
    QTest::addColumn<bool>("fromFile");
    QTest::newRow("original file gone") << true;
    QTest::newRow("target directory missing") << false;
}

// The user is told, and the session, the title and LatestDirectory stay.
void TestSession::saveAsFailure() {
    QFETCH(bool, fromFile);
    TFormMain window(m_context, m_dialogs);
    QString target = m_directory->FilePath(QStringLiteral("copy.ovra"));
    if (fromFile) {
        const QString source = m_directory->CopySample(QStringLiteral("rolle3"));
        window.LMDFMDropFMDragDrop({source});
        QVERIFY(QFile::remove(source));
    } else {
        ShowDownload(window);
        target = m_directory->FilePath(QStringLiteral("missing/copy.ovra"));
    }
    const Session before = m_context.Session;
    const QString title = window.windowTitle();
    m_context.LatestDirectory = QStringLiteral("/before/");
    m_dialogs.QueuePath(target);
    window.findChild<QAction*>("MenuSaveAs")->trigger();
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(m_dialogs.Messages().first().icon, MessageIcon::Error);
    QVERIFY(m_dialogs.Messages().first().text.contains(QStringLiteral("copy.ovra")));
    QVERIFY(!QFile::exists(target));
    QCOMPARE(m_context.Session.SessionState, before.SessionState);
    QCOMPARE(m_context.Session.FileName, before.FileName);
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(m_context.LatestDirectory, QStringLiteral("/before/"));
    CheckIdle(window);
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
