// "Fichiers récents": the list's order and limit, its place in the settings
// file, and the submenu: entries as files are opened and saved, a vanished
// file greyed out or removed when chosen, a chosen file opened as "Ouvrir"
// opens it.

#include "scripteddialogs.h"
#include "testdirectory.h"

#include "settings/recentfiles.h"
#include "ui/main/main.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QtTest>

class TestRecentFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void addToList_data();
    void addToList();
    void settingsRoundTrip();
    void menuFollowsOpenAndSave();
    void vanishedFile();

private:
    QStringList Captions(TFormMain& window);
    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
};

void TestRecentFiles::init() {
    m_directory = std::make_unique<TestDirectory>();
    QVERIFY(m_directory->IsValid());
    m_context = Context();
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
}

void TestRecentFiles::cleanup() {
    m_directory.reset();
}

QStringList TestRecentFiles::Captions(TFormMain& window) {
    auto* menu = window.findChild<QMenu*>(QStringLiteral("MenuRecentFiles"));
    emit menu->aboutToShow();
    QStringList captions;
    for (const QAction* item : menu->actions())
        captions << (item->isEnabled() ? QString() : QStringLiteral("(grey) ")) +
                        item->text()
                            .replace(QLatin1String("&&"), QLatin1String("\x01"))
                            .remove(QLatin1Char('&'))
                            .replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return captions;
}

void TestRecentFiles::addToList_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("after");
    const QStringList eight{"/m/1", "/m/2", "/m/3", "/m/4", "/m/5", "/m/6", "/m/7", "/m/8"};
    QTest::newRow("first") << QStringList() << "/m/a" << QStringList{"/m/a"};
    QTest::newRow("newest first") << QStringList{"/m/a", "/m/b"} << "/m/c"
                                  << QStringList{"/m/c", "/m/a", "/m/b"};
    QTest::newRow("again: moved up, once")
        << QStringList{"/m/a", "/m/b", "/m/c"} << "/m/c" << QStringList{"/m/c", "/m/a", "/m/b"};
    QTest::newRow("same file, other spelling")
        << QStringList{"/m/a", "/m/b"} << "/m/./b" << QStringList{"/m/./b", "/m/a"};
    QTest::newRow("ninth drops the oldest")
        << eight << "/m/9" << (QStringList{"/m/9"} << eight.mid(0, 7));
    QTest::newRow("full, one moved up")
        << eight << "/m/8" << (QStringList{"/m/8"} << eight.mid(0, 7));
    QTest::newRow("letter case counts")
        << QStringList{"/m/A"} << "/m/a" << QStringList{"/m/a", "/m/A"};
    QTest::newRow("empty path ignored") << QStringList{"/m/a"} << "" << QStringList{"/m/a"};
}

void TestRecentFiles::addToList() {
    QFETCH(QStringList, before);
    QFETCH(QString, added);
    QFETCH(QStringList, after);
#ifdef Q_OS_WIN
    if (QByteArray(QTest::currentDataTag()) == "letter case counts")
        QSKIP("Windows paths ignore letter case");
#endif
    QCOMPARE(AddRecentFile(before, added), after);
}

// The list's own section; other sections and their lines are kept; a path
// the settings file cannot hold is left out, not stored wrong; empty and
// repeated entries written by hand are skipped on reading.
void TestRecentFiles::settingsRoundTrip() {
    m_directory->WriteSettings({"; mine", "[LANGUAGE]", "Langue=Francais", "[RecentFiles]",
                                "File1=/old/x.ovra", "File2=", "File3=/old/x.ovra",
                                "File4=/old/y.ovra"});
    QCOMPARE(ReadRecentFiles(m_context), (QStringList{"/old/x.ovra", "/old/y.ovra"}));

    QStringList files;
    for (int i = 1; i <= 9; ++i)
        files << QStringLiteral("/mesures/été %1.ovra").arg(i);
    files.insert(2, QStringLiteral("/mesures/\u0440\u0430\u0434\u043e\u043d.ovra"));
    QVERIFY(WriteRecentFiles(m_context, files));
    QStringList expected = files;
    expected.removeAt(2);
    QCOMPARE(ReadRecentFiles(m_context), expected.mid(0, RecentFileLimit));

    QVERIFY(WriteRecentFiles(m_context, {QStringLiteral("/only.ovra")}));
    QCOMPARE(ReadRecentFiles(m_context), QStringList{"/only.ovra"});
    const QByteArray settings = m_directory->ReadBytes(QStringLiteral("ovra.ini"));
    QVERIFY(settings.startsWith("; mine\r\n[LANGUAGE]\r\nLangue=Francais\r\n[RecentFiles]\r\n"));
    QVERIFY(settings.contains("File1=/only.ovra\r\nFile2=\r\n"));
}

void TestRecentFiles::menuFollowsOpenAndSave() {
    const QString rolle = m_directory->CopySample(QStringLiteral("rolle3"));
    const QString thomas = m_directory->CopySample(QStringLiteral("thomas5"));
    const QString saved = m_directory->FilePath(QStringLiteral("copie & fin.ovra"));
    TFormMain window(m_context, m_dialogs);
    auto* menu = window.findChild<QMenu*>(QStringLiteral("MenuRecentFiles"));
    QVERIFY(!menu->menuAction()->isEnabled());

    m_dialogs.QueuePath(rolle);
    window.findChild<QAction*>(QStringLiteral("MenuOpen"))->trigger();
    m_dialogs.QueuePath(thomas);
    window.findChild<QAction*>(QStringLiteral("MenuOpen"))->trigger();
    m_dialogs.QueuePath(saved);
    window.findChild<QAction*>(QStringLiteral("MenuSaveAs"))->trigger();
    QVERIFY(QFile::exists(saved));
    QVERIFY(menu->menuAction()->isEnabled());
    const QString dir = m_directory->Path();
    QCOMPARE(Captions(window),
             (QStringList{"1 copie & fin.ovra  (" + dir + ")", "2 thomas5.ovra  (" + dir + ")",
                          "3 rolle3.ovra  (" + dir + ")"}));

    // A new window (the next run) reads the same list; the third entry opens
    // rolle3 as "Ouvrir" would, and it moves to the top.
    TFormMain next(m_context, m_dialogs);
    m_context.LatestDirectory.clear();
    next.findChild<QAction*>(QStringLiteral("MenuRecentFile3"))->trigger();
    QCOMPARE(next.windowTitle(), QStringLiteral(" OvraView  - Version 2.0 - ") + rolle);
    QCOMPARE(m_context.Session.SessionState, SessionSaved);
    QCOMPARE(m_context.LatestDirectory, m_directory->PathWithSeparator());
    QCOMPARE(ReadRecentFiles(m_context), (QStringList{rolle, saved, thomas}));
    QVERIFY(m_dialogs.Messages().isEmpty());
}

// Not there when the menu opens: greyed out and kept (a USB key may come
// back). Gone between the menu's opening and the choice: removed, and told.
void TestRecentFiles::vanishedFile() {
    const QString kept = m_directory->CopySample(QStringLiteral("rolle3"));
    const QString gone = m_directory->CopySample(QStringLiteral("thomas5"));
    const QString unplugged = QStringLiteral("/media/cle/absente.ovra");
    QVERIFY(WriteRecentFiles(m_context, {gone, unplugged, kept}));
    TFormMain window(m_context, m_dialogs);
    const QStringList captions = Captions(window);
    QCOMPARE(captions.size(), 3);
    QVERIFY(!captions[0].startsWith(QLatin1String("(grey)")));
    QCOMPARE(captions[1], QStringLiteral("(grey) 2 absente.ovra  (/media/cle)"));

    QVERIFY(QFile::remove(gone));
    window.findChild<QAction*>(QStringLiteral("MenuRecentFile1"))->trigger();
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(m_dialogs.Messages().first().text,
             QStringLiteral("Le fichier %1 n'existe plus.\nIl est retiré de la liste des fichiers "
                            "récents.")
                 .arg(gone));
    QCOMPARE(m_dialogs.Messages().first().icon, MessageIcon::Warning);
    QCOMPARE(m_context.Session.SessionState, SessionEmpty);
    QCOMPARE(ReadRecentFiles(m_context), (QStringList{unplugged, kept}));
    QCOMPARE(Captions(window).size(), 2);
}

QTEST_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
