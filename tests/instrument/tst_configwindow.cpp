// The configuration window without an exchange: its fields made from the
// parameter table, its three modes, the CONFIG word bit by bit, the next
// maintenance month, the settings file written whenever it hides, and a
// loaded session that keeps its own parameters whatever the window did.

#include "configfixture.h"

#include "config/encodings.h"
#include "config/parametertable.h"
#include "settings/profile.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

class TestConfigWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fieldsFromTheTable();
    void modes_data();
    void modes();
    void bits_data();
    void bits();
    void nextMaintenance();
    void hideWritesTheSettings();
    void sessionKeepsItsParameters_data();
    void sessionKeepsItsParameters();
    void fieldThatDoesNotConvert_data();
    void fieldThatDoesNotConvert();

private:
    QString SettingsParameter(int index) const {
        return ReadProfileString(SettingsFileName(m_context), QStringLiteral("Parameters"),
                                 QString::number(index + 1), QStringLiteral("missing"));
    }

    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
};

void TestConfigWindow::init() {
    m_directory = std::make_unique<TestDirectory>();
    QVERIFY(m_directory->IsValid());
    m_context = Context();
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
}

void TestConfigWindow::cleanup() {
    m_directory.reset();
}

// Every shown entry has its field, named after it, on its tab; hidden
// entries have none.
void TestConfigWindow::fieldsFromTheTable() {
    ConfigProgram program(m_context, m_dialogs);
    for (const ParameterEntry& entry : ParameterTable()) {
        const QString name = ParameterFieldName(entry.index);
        QWidget* field = program.Config().findChild<QWidget*>(name);
        QCOMPARE(field != nullptr, !entry.Hidden());
        if (!field)
            continue;
        QWidget* page = field->parentWidget();
        while (page && !page->objectName().startsWith(QLatin1String("TabSheet")))
            page = page->parentWidget();
        QVERIFY2(page, qPrintable(name));
        QCOMPARE(page->objectName(), QLatin1String(ConfigTabs()[entry.tab].objectName));
    }
    QCOMPARE(program.InConfig<QTabWidget>("PageControl")->count(), int(ConfigTabCount));
    QCOMPARE(program.InConfig<QComboBox>("Header10")->count(), 2);
    auto* deadTime = program.InConfig<QSpinBox>("Header39");
    QCOMPARE(deadTime->maximum(), 1000);
    QCOMPARE(deadTime->singleStep(), 10);
    QVERIFY(program.InConfig<QPlainTextEdit>("Header64"));
}

void TestConfigWindow::modes_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("configuration"); // load, save, read, write and their frames
    QTest::addColumn<bool>("initialise");
    QTest::addColumn<bool>("editable");

    QTest::newRow("Configuration") << "MenuConfiguration"
                                   << "Configuration" << true << false << true;
    QTest::newRow("Initialisation") << "MenuInitialization"
                                    << "Initialisation" << false << true << true;
    QTest::newRow("Paramètres") << "MenuParametres"
                                << "Configuration" << false << false << false;
}

void TestConfigWindow::modes() {
    QFETCH(QString, opener);
    QFETCH(QString, title);
    QFETCH(bool, configuration);
    QFETCH(bool, initialise);
    QFETCH(bool, editable);

    ConfigProgram program(m_context, m_dialogs);
    if (opener == QLatin1String("MenuParametres"))
        program.OpenSample(m_dialogs, QStringLiteral("rolle3"));
    if (opener == QLatin1String("MenuInitialization"))
        program.OpenInitialisation();
    else
        program.Menu(qPrintable(opener));

    TFormConfig& config = program.Config();
    QVERIFY(config.isVisible());
    QVERIFY(!program.Main().isEnabled());
    QCOMPARE(config.windowTitle(), title);
    for (const char* name : {"ButtonLoad", "ButtonSave", "BevelLoadSave", "ButtonRead",
                             "ButtonWrite", "BevelReadWrite"})
        QCOMPARE(program.InConfig<QWidget>(name)->isVisible(), configuration);
    QCOMPARE(program.InConfig<QWidget>("ButtonInitialize")->isVisible(), initialise);
    QVERIFY(program.InConfig<QWidget>("ButtonClose")->isVisible());
    // Left to right in this order, whichever of them the mode shows.
    int left = -1;
    for (const char* name : {"ButtonLoad", "ButtonSave", "ButtonRead", "ButtonWrite",
                             "ButtonInitialize", "ButtonClose"}) {
        const QWidget* shown = program.InConfig<QWidget>(name);
        if (!shown->isVisible())
            continue;
        const int x = shown->mapTo(&config, QPoint()).x();
        QVERIFY2(x > left, name);
        left = x;
    }
    for (const ParameterEntry& entry : ParameterTable()) {
        if (!entry.Hidden())
            QCOMPARE(program.InConfig<QWidget>(entry.field)->isEnabled(), editable);
    }
    QCOMPARE(program.InConfig<QWidget>("ConfigBytesMSB")->isEnabled(), editable);
    QCOMPARE(program.InConfig<QWidget>("ConfigBytesLSB")->isEnabled(), editable);
    QVERIFY(!program.InConfig<QWidget>("Edit_SoftVersion")->isEnabled());
    QVERIFY(program.InConfig<QLineEdit>("Header03")->isReadOnly());

    program.InConfig<QPushButton>("ButtonClose")->click();
    QVERIFY(!config.isVisible());
    QVERIFY(program.Main().isEnabled());
    QCOMPARE(m_dialogs.Unscripted(), 0);
}

// Box k of a group, counted from the top, stands for bit 7 - k of its byte.
void TestConfigWindow::bits_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("checkedShown"); // boxes checked when the window shows
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<QString>("word"); // Header03 after the toggle

    QTest::newRow("top of the high byte") << "0" << QStringList() << "ConfigBytesMSB_0"
                                          << "32768";
    QTest::newRow("bottom of the low byte") << "0" << QStringList() << "ConfigBytesLSB_7"
                                            << "1";
    QTest::newRow("bottom of the high byte") << "0" << QStringList() << "ConfigBytesMSB_7"
                                             << "256";
    QTest::newRow("258 shown, bit 1 cleared")
        << "258" << QStringList{"ConfigBytesMSB_7", "ConfigBytesLSB_6"} << "ConfigBytesLSB_6"
        << "256";
    // A word shown is not rewritten: the text stays as the instrument sent it.
    QTest::newRow("0258 kept until a box changes")
        << "0258" << QStringList{"ConfigBytesMSB_7", "ConfigBytesLSB_6"} << ""
        << "0258";
}

void TestConfigWindow::bits() {
    QFETCH(QString, stored);
    QFETCH(QStringList, checkedShown);
    QFETCH(QString, toggle);
    QFETCH(QString, word);

    m_directory->WriteSettings({"[Parameters]", "3=" + stored});
    ConfigProgram program(m_context, m_dialogs);
    program.Menu("MenuConfiguration");
    QStringList checked;
    for (const char* group : {"ConfigBytesMSB", "ConfigBytesLSB"}) {
        for (int k = 0; k < 8; ++k) {
            const QString name = QStringLiteral("%1_%2").arg(QLatin1String(group)).arg(k);
            if (program.Config().findChild<QCheckBox*>(name)->isChecked())
                checked << name;
        }
    }
    QCOMPARE(checked, checkedShown);
    if (!toggle.isEmpty())
        program.InConfig<QCheckBox>(qPrintable(toggle))->click();
    QCOMPARE(program.InConfig<QLineEdit>("Header03")->text(), word);
    program.Config().close();
    QCOMPARE(SettingsParameter(ConfigIndex), word);
}

// Leaving LAST_MAINT for another field recomputes NEXT_MAINT; changing only
// the interval does not.
void TestConfigWindow::nextMaintenance() {
    ConfigProgram program(m_context, m_dialogs);
    program.Menu("MenuConfiguration");
    program.Config().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.Config()));
    auto* last = program.InConfig<QLineEdit>("Header07");
    auto* interval = program.InConfig<QLineEdit>("Header08");
    auto* next = program.InConfig<QLineEdit>("Header09");

    last->setFocus();
    last->setText(QStringLiteral("06/2010"));
    interval->setText(QStringLiteral("2"));
    interval->setFocus();
    QCOMPARE(next->text(), QStringLiteral("06/2012"));

    interval->setText(QStringLiteral("5"));
    last->setFocus();
    QCOMPARE(next->text(), QStringLiteral("06/2012"));
    interval->setFocus();
    QCOMPARE(next->text(), QStringLiteral("06/2015"));

    // A month that does not exist is told, and the next month stays.
    last->setFocus();
    last->setText(QStringLiteral("13/2010"));
    interval->setFocus();
    QCOMPARE(next->text(), QStringLiteral("06/2015"));
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(m_dialogs.Messages().first().icon, MessageIcon::Error);
}

// "Paramètres" closed at once: the settings file holds the session's set,
// which passed through the fields and back.
void TestConfigWindow::hideWritesTheSettings() {
    m_directory->WriteSettings({"[Other]", "kept=yes", "[Parameters]", "13=99"});
    ConfigProgram program(m_context, m_dialogs);
    program.OpenSample(m_dialogs, QStringLiteral("rolle3"));
    ParameterSet session = m_context.Session.Parameters;
    session[LightMaxIndex] = QStringLiteral("5"); // shown 31 %, stored back 5
    session[CommentsIndex] = QStringLiteral("a\tb\tc");
    m_context.Session.Parameters = session;

    program.Menu("MenuParametres");
    QCOMPARE(program.InConfig<QLineEdit>("Header13")->text(), QStringLiteral("31"));
    QCOMPARE(program.InConfig<QPlainTextEdit>("Header64")->toPlainText(),
             QStringLiteral("a\nb\nc"));
    program.InConfig<QPushButton>("ButtonClose")->click();

    for (int i = 0; i < ParameterCount; ++i)
        QCOMPARE(SettingsParameter(i), session[i]);
    QCOMPARE(ReadProfileString(SettingsFileName(m_context), "Other", "kept", ""),
             QStringLiteral("yes"));
    QCOMPARE(m_dialogs.Messages().size(), 0);
}

void TestConfigWindow::sessionKeepsItsParameters_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("button"); // pressed before "Fermer"

    QTest::newRow("Paramètres") << "MenuParametres"
                                << "";
    QTest::newRow("Configuration") << "MenuConfiguration"
                                   << "";
    QTest::newRow("Configuration, Lecture") << "MenuConfiguration"
                                            << "ButtonRead";
    QTest::newRow("Configuration, Charger") << "MenuConfiguration"
                                            << "ButtonLoad";
}

void TestConfigWindow::sessionKeepsItsParameters() {
    QFETCH(QString, opener);
    QFETCH(QString, button);

    m_directory->WriteSettings({"[Parameters]", "1=FROM-INI", "4=111"});
    m_directory->WriteBytes(QStringLiteral("other.par"), "[Parameters]\r\n1=FROM-PAR\r\n");
    ConfigProgram program(m_context, m_dialogs);
    program.OpenSample(m_dialogs, QStringLiteral("rolle3"));
    const Session before = m_context.Session;

    m_dialogs.QueuePath(m_directory->FilePath(QStringLiteral("other.par")));
    program.Menu(qPrintable(opener));
    if (!button.isEmpty())
        program.InConfig<QPushButton>(qPrintable(button))->click();
    program.InConfig<QPushButton>("ButtonClose")->click();

    QCOMPARE(m_context.Session.Parameters, before.Parameters);
    QCOMPARE(m_context.Session.SoftwareVersion, before.SoftwareVersion);
    QCOMPARE(m_context.Session.SessionState, SessionSaved);
    // The settings file has what the window showed last.
    const QString shown = opener == QLatin1String("MenuParametres") ? QStringLiteral("OV-0412")
                          : button == QLatin1String("ButtonRead")   ? QStringLiteral("OVRA0042")
                          : button == QLatin1String("ButtonLoad")   ? QStringLiteral("FROM-PAR")
                                                                    : QStringLiteral("FROM-INI");
    QCOMPARE(SettingsParameter(0), shown);
}

// A field that does not convert: the message, nothing sent, nothing half
// stored, and the window ready for another try.
// A field that does not convert, a date or time not typed in full, a value
// the instrument could not give back: nothing is sent or saved, and the
// window stays with the set and the focus on that field, "Fermer" included.
void TestConfigWindow::fieldThatDoesNotConvert_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QString notInteger = NotAnIntegerMessage(QString());
    QTest::newRow("Ecriture") << "MenuConfiguration"
                              << "ButtonWrite"
                              << "Header13"
                              << "" << notInteger;
    QTest::newRow("Sauver") << "MenuConfiguration"
                            << "ButtonSave"
                            << "Header13"
                            << "" << notInteger;
    QTest::newRow("Initialiser") << "MenuInitialization"
                                 << "ButtonInitialize"
                                 << "Header13"
                                 << "" << notInteger;
    QTest::newRow("Fermer") << "MenuConfiguration"
                            << "ButtonClose"
                            << "Header13"
                            << "" << notInteger;
    QTest::newRow("Fermer, month on its way") << "MenuConfiguration"
                                              << "ButtonClose"
                                              << "Header07"
                                              << "6/20" << NotADateMessage("6/20");
    QTest::newRow("Ecriture, date on its way") << "MenuConfiguration"
                                               << "ButtonWrite"
                                               << "Header05"
                                               << "1/02/2026" << NotADateMessage("1/02/2026");
    QTest::newRow("Ecriture, time on its way") << "MenuConfiguration"
                                               << "ButtonWrite"
                                               << "Header06"
                                               << "8:30" << NotADateMessage("8:30");
    QTest::newRow("Initialiser, month on its way") << "MenuInitialization"
                                                   << "ButtonInitialize"
                                                   << "Header07"
                                                   << "6/20" << NotADateMessage("6/20");
    QTest::newRow("Ecriture, ; in the comment") << "MenuConfiguration"
                                                << "ButtonWrite"
                                                << "Header64"
                                                << "Cave;Maison"
                                                << "64 COMMENTS : contient « ; »";
    QTest::newRow("Fermer, ; in the comment") << "MenuConfiguration"
                                              << "ButtonClose"
                                              << "Header64"
                                              << "Cave;Maison"
                                              << "64 COMMENTS : contient « ; »";
}

void TestConfigWindow::fieldThatDoesNotConvert() {
    QFETCH(QString, opener);
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);

    ConfigProgram program(m_context, m_dialogs);
    if (opener == QLatin1String("MenuInitialization"))
        program.OpenInitialisation();
    else
        program.Menu(qPrintable(opener));
    const ParameterSet before = m_context.Session.Parameters;
    const QByteArray settings = m_directory->ReadBytes(QStringLiteral("ovra.ini"));
    program.port->ClearLog();
    m_dialogs.Clear();
    m_dialogs.QueuePath(m_directory->FilePath(QStringLiteral("set.par")));
    program.InConfig<QLineEdit>("Header01")->setText(QStringLiteral("CHANGED"));
    QWidget* edited = program.InConfig<QWidget>(qPrintable(field));
    if (auto* comment = qobject_cast<QPlainTextEdit*>(edited))
        comment->setPlainText(text);
    else
        static_cast<QLineEdit*>(edited)->setText(text);
    program.InConfig<QPushButton>(qPrintable(button))->click();

    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(m_dialogs.Messages().first().text, message);
    QCOMPARE(m_dialogs.Messages().first().icon, MessageIcon::Error);
    QVERIFY(program.port->Writes().isEmpty());
    QCOMPARE(m_context.Session.Parameters, before);
    QVERIFY(!QFileInfo::exists(m_directory->FilePath(QStringLiteral("set.par"))));
    QCOMPARE(m_directory->ReadBytes(QStringLiteral("ovra.ini")), settings);
    QVERIFY(program.Config().isVisible());
    QCOMPARE(program.InConfig<QLineEdit>("Header01")->text(), QStringLiteral("CHANGED"));
    QVERIFY(program.InConfig<QPushButton>(qPrintable(button))->isEnabled());
    QVERIFY(program.InConfig<QPushButton>("ButtonClose")->isEnabled());
    QVERIFY(program.Config().cursor().shape() != Qt::WaitCursor);
    if (button == QLatin1String("ButtonClose")) {
        QCOMPARE(program.Config().focusWidget(), edited);
        QVERIFY(program.InConfig<QTabWidget>("PageControl")->currentWidget()->isAncestorOf(edited));
    } else {
        // The exchanges stop the timer first; they start it again on this way out.
        QCOMPARE(program.Timer()->isActive(), button != QLatin1String("ButtonSave"));
    }
    QVERIFY(!program.Config().ExchangeRunning());
}

QTEST_MAIN(TestConfigWindow)
#include "tst_configwindow.moc"
