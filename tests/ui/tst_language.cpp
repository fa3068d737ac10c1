// The language of a run: the selection at start-up from "Langue", the module
// files beside the program, every window read in English from the module,
// and the restart that a language click asks for.

#include "findchild.h"
#include "scripteddialogs.h"
#include "testdirectory.h"

#include "settings/language.h"
#include "ui/dialogs/print.h"
#include "ui/main/main.h"
#include "ui/main/startup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

Q_DECLARE_METATYPE(MessageAnswer)

namespace {

const QString BuiltModule = QStringLiteral(OVRA_BINARY_DIR "/ovraview2.ENG");

// Every text a window shows or offers: captions, labels, buttons, boxes,
// menus, tabs, list items, column titles, tool tips. Field contents are data.
QStringList WindowTexts(QWidget& window) {
    QStringList texts;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* w : widgets) {
        if (w->isWindow())
            texts << w->windowTitle();
        texts << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* box = qobject_cast<QGroupBox*>(w))
            texts << box->title();
        if (auto* menu = qobject_cast<QMenu*>(w))
            texts << menu->title();
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto* table = qobject_cast<QTableWidget*>(w))
            for (int i = 0; i < table->columnCount(); ++i)
                if (table->horizontalHeaderItem(i))
                    texts << table->horizontalHeaderItem(i)->text();
        if (auto* tree = qobject_cast<QTreeWidget*>(w))
            for (int i = 0; i < tree->columnCount(); ++i)
                texts << tree->headerItem()->text(i);
        if (auto* chart = qobject_cast<QChartView*>(w); chart && chart->chart())
            texts << chart->chart()->title();
    }
    for (QAction* action : window.findChildren<QAction*>())
        texts << action->text();
    texts.removeAll(QString());
    return texts;
}

// Letters and marks that English never uses.
bool LooksFrench(const QString& text) {
    static const QString marks = QStringLiteral("éèêëàâçùûôîïœ«»");
    for (QChar c : text)
        if (marks.contains(c.toLower()))
            return true;
    return false;
}

// The keyboard letter of a caption ("C&ommunications" -> 'O'); null without one.
QChar Mnemonic(const QString& caption) {
    for (int i = caption.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < caption.size();
         i = caption.indexOf(QLatin1Char('&'), i + 2)) {
        if (caption.at(i + 1) != QLatin1Char('&'))
            return caption.at(i + 1).toUpper();
    }
    return QChar();
}

// "File: R twice (Default directory, Recent files)" for every clash in `menu`
// and in the menus it opens.
QStringList MnemonicClashes(const QString& name, const QList<QAction*>& actions) {
    QStringList clashes;
    QHash<QChar, QStringList> byLetter;
    for (QAction* action : actions) {
        if (action->isSeparator())
            continue;
        if (const QChar letter = Mnemonic(action->text()); !letter.isNull())
            byLetter[letter] << action->text();
        if (QMenu* submenu = action->menu())
            clashes << MnemonicClashes(action->text(), submenu->actions());
    }
    for (auto it = byLetter.cbegin(); it != byLetter.cend(); ++it) {
        if (it.value().size() > 1)
            clashes << QStringLiteral("%1: %2 in %3").arg(name, it.key(), it.value().join(", "));
    }
    return clashes;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void moduleFiles_data();
    void moduleFiles();
    void startup_data();
    void startup();
    void firstStartFollowsSystem_data();
    void firstStartFollowsSystem();
    void everyWindowInEnglish();
    void uniqueMnemonics_data();
    void uniqueMnemonics();
    void switchRereadsWindows();
    void click_data();
    void click();

private:
    // A program directory with the settings and, when asked, the module under
    // `moduleName` beside a program file "ovraview2" there.
    QString ProgramBeside(const TestDirectory& dir, const QString& moduleName) const;
};

void TestLanguage::initTestCase() {
    QVERIFY2(QFile::exists(BuiltModule), "the English module has not been built");
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

QString TestLanguage::ProgramBeside(const TestDirectory& dir, const QString& moduleName) const {
    // Laid out as installed: the program in "bin", so that a module name may
    // reach the shared data folder with "../share/ovraview2/".
    const QDir bin(dir.FilePath(QStringLiteral("bin")));
    if (!moduleName.isEmpty()) {
        const QString module = QDir::cleanPath(bin.filePath(moduleName));
        QDir().mkpath(QFileInfo(module).path());
        QFile::copy(BuiltModule, module);
    }
    return bin.filePath(QStringLiteral("ovraview2"));
}

void TestLanguage::moduleFiles_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("locale");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("English, Windows program")
        << "/opt/ovra/ovraview2.exe" << 2057
        << QStringList{"/opt/ovra/ovraview2.ENG", "/opt/ovra/ovraview2.EN",
                       "/opt/share/ovraview2/ovraview2.ENG", "/opt/share/ovraview2/ovraview2.EN"};
    QTest::newRow("French, installed")
        << "/usr/bin/ovraview2" << 1036
        << QStringList{"/usr/bin/ovraview2.FRA", "/usr/bin/ovraview2.FR",
                       "/usr/share/ovraview2/ovraview2.FRA", "/usr/share/ovraview2/ovraview2.FR"};
    QTest::newRow("dotted directory")
        << "/opt/v2.0/bin/ovraview2" << 2057
        << QStringList{"/opt/v2.0/bin/ovraview2.ENG", "/opt/v2.0/bin/ovraview2.EN",
                       "/opt/v2.0/share/ovraview2/ovraview2.ENG",
                       "/opt/v2.0/share/ovraview2/ovraview2.EN"};
    QTest::newRow("unknown locale") << "/opt/ovra/ovraview2" << 1031 << QStringList();
}

void TestLanguage::moduleFiles() {
    QFETCH(QString, program);
    QFETCH(int, locale);
    QFETCH(QStringList, files);
    QCOMPARE(LanguageModuleFiles(program, locale), files);
}

void TestLanguage::startup_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("module"); // the file beside the program, if any
    QTest::addColumn<bool>("english");   // MenuAnglais checked
    QTest::addColumn<QString>("fileMenu");
    const QStringList none;
    const auto langue = [](const char* value) {
        return QStringList{"[LANGUAGE]", QStringLiteral("Langue=") + QLatin1String(value)};
    };
    QTest::newRow("no settings file") << none << "ovraview2.ENG" << true << "  &File  ";
    QTest::newRow("English") << langue("English") << "ovraview2.ENG" << true << "  &File  ";
    QTest::newRow("two-letter module")
        << langue("English") << "ovraview2.EN" << true << "  &File  ";
    QTest::newRow("installed module")
        << langue("English") << "../share/ovraview2/ovraview2.ENG" << true << "  &File  ";
    QTest::newRow("English, no module") << langue("English") << "" << true << "  &Fichier  ";
    QTest::newRow("letter case") << langue("english") << "ovraview2.ENG" << false << "  &Fichier  ";
    QTest::newRow("Anglais") << langue("Anglais") << "ovraview2.ENG" << false << "  &Fichier  ";
    QTest::newRow("Francais") << langue("Francais") << "ovraview2.ENG" << false << "  &Fichier  ";
    QTest::newRow("empty value") << langue("") << "ovraview2.ENG" << false << "  &Fichier  ";
}

void TestLanguage::startup() {
    QFETCH(QStringList, settings);
    QFETCH(QString, module);
    QFETCH(bool, english);
    QFETCH(QString, fileMenu);
    TestDirectory dir;
    if (!settings.isEmpty())
        dir.WriteSettings(settings);
    Context context;
    dir.Prepare(context);
    ScriptedDialogs dialogs;
    ProgramWindows windows(context, dialogs, nullptr, ProgramBeside(dir, module));
    TFormMain& main = *windows.FormMain;
    QCOMPARE(Child<QAction>(main, "MenuAnglais")->isChecked(), english);
    QCOMPARE(Child<QAction>(main, "MenuFrancais")->isChecked(), !english);
    QCOMPARE(Child<QMenu>(main, "MenuFile")->title(), fileMenu);
    QCOMPARE(windows.Languages->ModuleFile().isEmpty(), fileMenu == QLatin1String("  &Fichier  "));
    // Qt's own dialogs speak the language in use.
    QVERIFY(windows.Languages->QtTranslationLoaded());
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"),
             english ? QStringLiteral("&Open") : QStringLiteral("&Ouvrir"));
    QCOMPARE(dialogs.Messages().size(), 0);
}

void TestLanguage::firstStartFollowsSystem_data() {
    QTest::addColumn<QStringList>("settings"); // empty: no settings file
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("locale");
    using L = QStringList;
    QTest::newRow("no file, France") << L() << "fr_FR" << FrenchLocaleId;
    QTest::newRow("no file, Canada") << L() << "fr_CA" << FrenchLocaleId;
    QTest::newRow("no file, Britain") << L() << "en_GB" << EnglishLocaleId;
    QTest::newRow("no file, Germany") << L() << "de_DE" << EnglishLocaleId;
    QTest::newRow("no key, France") << L{"[LANGUAGE]", "Other=1"} << "fr_FR" << FrenchLocaleId;
    QTest::newRow("no key, Italy") << L{"[LANGUAGE]"} << "it_IT" << EnglishLocaleId;
    QTest::newRow("English wins on French")
        << L{"[LANGUAGE]", "Langue=English"} << "fr_FR" << EnglishLocaleId;
    QTest::newRow("Francais wins on British")
        << L{"[LANGUAGE]", "Langue=Francais"} << "en_GB" << FrenchLocaleId;
    QTest::newRow("empty value is a choice")
        << L{"[LANGUAGE]", "Langue="} << "en_GB" << FrenchLocaleId;
}

void TestLanguage::firstStartFollowsSystem() {
    QFETCH(QStringList, settings);
    QFETCH(QString, system);
    QFETCH(int, locale);
    TestDirectory dir;
    if (!settings.isEmpty())
        dir.WriteSettings(settings);
    Context context;
    dir.Prepare(context);
    QCOMPARE(RunLocaleId(context, QLocale(system)), locale);
}

// With the English module, no window keeps a French text: every text looked
// up has its English translation in the module, and nothing on screen carries
// French letters. The windows are found as the application knows them, so a
// window added later is walked too.
void TestLanguage::everyWindowInEnglish() {
    TestDirectory dir;
    Context context;
    dir.Prepare(context);
    ScriptedDialogs dialogs;
    ProgramWindows windows(context, dialogs, nullptr, ProgramBeside(dir, "ovraview2.ENG"));
    QTranslator module;
    QVERIFY(module.load(BuiltModule));

    int walked = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (const QString& text : WindowTexts(*window)) {
            const std::optional<SourceText> source = windows.Languages->SourceOf(text);
            // Qt's own widgets are Qt's translation's business.
            if (source && !source->context.startsWith('Q')) {
                QVERIFY2(!module.translate(source->context, source->source).isEmpty(),
                         qPrintable(QStringLiteral("%1: \"%2\" has no English text")
                                        .arg(QString::fromUtf8(source->context), text)));
            }
            QVERIFY2(!LooksFrench(text), qPrintable(window->objectName() + ": " + text));
            ++walked;
        }
    }
    QVERIFY(walked > 50);
    QCOMPARE(windows.FormMain->windowTitle(), QStringLiteral(" OvraView  - Version 2.0"));

    // The texts the main window hands to its file dialogs.
    dialogs.QueuePath(QString());
    windows.FormMain->MenuOpenClick();
    QCOMPARE(dialogs.Dialogs().size(), 1);
    QCOMPARE(dialogs.Dialogs().first().request.caption, QStringLiteral("Open"));
    QCOMPARE(dialogs.Dialogs().first().request.filter, QStringLiteral("Measurement file (*.ovra)"));
}

void TestLanguage::uniqueMnemonics_data() {
    QTest::addColumn<QString>("module");
    QTest::newRow("French") << "";
    QTest::newRow("English") << "ovraview2.ENG";
}

// Alt and a letter opens one item only, in every menu the bar holds, in both
// languages: the menus are walked from the bar, so an item added later is too.
void TestLanguage::uniqueMnemonics() {
    QFETCH(QString, module);
    TestDirectory dir;
    Context context;
    dir.Prepare(context);
    ScriptedDialogs dialogs;
    ProgramWindows windows(context, dialogs, nullptr, ProgramBeside(dir, module));
    const QList<QAction*> bar = windows.FormMain->menuBar()->actions();
    QVERIFY(bar.size() >= 4);
    const QStringList clashes = MnemonicClashes(QStringLiteral("menu bar"), bar);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
}

// Windows that exist when a module is loaded are read again from it.
void TestLanguage::switchRereadsWindows() {
    TestDirectory dir;
    dir.WriteSettings({"[LANGUAGE]", "Langue=Francais"});
    Context context;
    dir.Prepare(context);
    ScriptedDialogs dialogs;
    ProgramWindows windows(context, dialogs, nullptr, ProgramBeside(dir, "ovraview2.ENG"));
    TFormMain& main = *windows.FormMain;
    QCOMPARE(windows.FormPrint->windowTitle(), QStringLiteral("Impression"));
    QVERIFY(main.SwitchLanguage(Child<QAction>(main, "MenuAnglais")));
    QCOMPARE(windows.FormPrint->windowTitle(), QStringLiteral("Print"));
    QCOMPARE(Child<QAbstractButton>(*windows.FormPrint, "CancelButton")->text(),
             QStringLiteral("Cancel"));
    QCOMPARE(Child<QAction>(main, "MenuPrint")->text(), QStringLiteral("&Print"));
    dialogs.QueuePath(QString());
    main.MenuOpenClick();
    QCOMPARE(dialogs.Dialogs().last().request.caption, QStringLiteral("Open"));
    QVERIFY(Child<QAction>(main, "MenuAnglais")->isChecked());
    QVERIFY(!Child<QAction>(main, "MenuFrancais")->isChecked());
    // No French module: nothing changes, the marks stay.
    QVERIFY(!main.SwitchLanguage(Child<QAction>(main, "MenuFrancais")));
    QCOMPARE(windows.FormPrint->windowTitle(), QStringLiteral("Print"));
    QVERIFY(Child<QAction>(main, "MenuAnglais")->isChecked());
}

void TestLanguage::click_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QList<MessageAnswer>>("answers"); // the unsaved-data question
    QTest::addColumn<QString>("savePath");             // its save dialog; empty cancels
    QTest::addColumn<QString>("written");              // "Langue" afterwards; empty: none
    QTest::newRow("French, nothing to lose")
        << int(SessionEmpty) << "MenuFrancais" << QList<MessageAnswer>() << ""
        << "Francais";
    QTest::newRow("the language in use again")
        << int(SessionSaved) << "MenuAnglais" << QList<MessageAnswer>() << ""
        << "English";
    QTest::newRow("unsaved, Annuler") << int(SessionUnsaved) << "MenuFrancais"
                                      << QList<MessageAnswer>{MessageAnswer::Cancel} << ""
                                      << "";
    QTest::newRow("unsaved, Oui, save cancelled")
        << int(SessionUnsaved) << "MenuFrancais" << QList<MessageAnswer>{MessageAnswer::Yes} << ""
        << "";
    QTest::newRow("unsaved, Oui, saved") << int(SessionUnsaved) << "MenuFrancais"
                                         << QList<MessageAnswer>{MessageAnswer::Yes} << "kept.ovra"
                                         << "Francais";
    QTest::newRow("unsaved, Non") << int(SessionUnsaved) << "MenuFrancais"
                                  << QList<MessageAnswer>{MessageAnswer::No} << ""
                                  << "Francais";
}

// The click stores the language and starts the running executable, without
// the quit question and without storing "Latest" or the window placement.
void TestLanguage::click() {
    QFETCH(int, state);
    QFETCH(QString, item);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QString, savePath);
    QFETCH(QString, written);
    TestDirectory dir;
    Context context;
    dir.Prepare(context);
    ScriptedDialogs dialogs;
    ProgramWindows windows(context, dialogs, nullptr, ProgramBeside(dir, QString()));
    TFormMain& main = *windows.FormMain;
    dialogs.QueuePath(dir.CopySample(QStringLiteral("rolle3")));
    main.MenuOpenClick();
    context.Session.SessionState = SessionStateValue(state);
    QFile::remove(dir.FilePath(QStringLiteral("ovra.ini")));
    dialogs.Clear();
    for (MessageAnswer answer : answers)
        dialogs.QueueAnswer(answer);
    if (answers.value(0) == MessageAnswer::Yes)
        dialogs.QueuePath(savePath.isEmpty() ? QString() : dir.FilePath(savePath));
    QStringList started;
    // The program directory and Qt's options come back with the new language.
    const QStringList options{"--program-directory", dir.Path(), "-platform", "offscreen"};
    main.SetStartOptions(options);
    main.SetRestart([&started](const QString& program, const QStringList& arguments) {
        started << program << arguments;
    });

    Child<QAction>(main, qPrintable(item))->trigger();

    QCOMPARE(dialogs.Messages().size(), answers.size());
    QCOMPARE(dialogs.PendingAnswers(), 0);
    const QByteArray ini = dir.ReadBytes(QStringLiteral("ovra.ini"));
    if (written.isEmpty()) {
        QVERIFY(ini.isEmpty());
        QVERIFY(started.isEmpty());
    } else {
        QCOMPARE(ini, ("[LANGUAGE]\r\nLangue=" + written + "\r\n").toUtf8());
        QCOMPARE(started, QStringList{QCoreApplication::applicationFilePath()} + options);
    }
    // The marks keep the language of this run until the restart.
    QVERIFY(Child<QAction>(main, "MenuAnglais")->isChecked());
    QCOMPARE(savePath.isEmpty() || QFile::exists(dir.FilePath(savePath)), true);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
