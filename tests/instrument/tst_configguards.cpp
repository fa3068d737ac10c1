// What keeps the windows from locking the user out of the instrument: values
// it could not give back are refused as they are typed and when a file is
// loaded, an instrument already holding one is repaired by "Ecriture", and a
// clock reply that is not a date ends "Initialisation" with its reason.

#include "configfixture.h"

#include "config/parametertable.h"
#include "data/windows1252.h"
#include "refusedvalues.h"
#include "settings/profile.h"

#include <QLineEdit>
#include <QValidator>

Q_DECLARE_METATYPE(MessageIcon)

class TestConfigGuards : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_directory.reset(); }
    void refusedValues_data();
    void refusedValues();
    void overlongValueRepaired();
    void clockReplyNotADate();

private:
    // The simulator's factory set as lines of section "Parameters".
    static QStringList FactoryLines() {
        QStringList lines{QStringLiteral("[Parameters]")};
        const auto factory = sim::FactoryParameters();
        for (int k = 1; k <= ParameterCount; ++k)
            lines << QStringLiteral("%1=%2").arg(k).arg(
                QString::fromLatin1(factory[std::size_t(k - 1)]));
        return lines;
    }

    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
};

void TestConfigGuards::init() {
    m_directory = std::make_unique<TestDirectory>();
    QVERIFY(m_directory->IsValid());
    m_context = Context();
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
}

void TestConfigGuards::refusedValues_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reason");
    for (const RefusedValueCase& row : RefusedValueCases())
        QTest::newRow(row.name) << row.key << row.value << row.reason;
}

void TestConfigGuards::refusedValues() {
    QFETCH(int, key);
    QFETCH(QString, value);
    QFETCH(QString, reason);
    ConfigProgram program(m_context, m_dialogs);
    program.Menu("MenuConfiguration");

    // Typed or pasted into a line edit: refused at once.
    if (auto* edit = qobject_cast<QLineEdit*>(
            program.InConfig<QWidget>(qPrintable(ParameterFieldName(key - 1))))) {
        int position = 0;
        QString typed = value;
        QCOMPARE(edit->validator()->validate(typed, position), QValidator::Invalid);
    }

    // In a parameter file: "Charger" names it and loads nothing.
    QStringList lines = FactoryLines();
    lines[key] = QStringLiteral("%1=%2").arg(key).arg(value);
    m_directory->WriteBytes(QStringLiteral("refused.par"),
                            EncodeWindows1252(lines.join(QStringLiteral("\r\n"))));
    const QString file = m_directory->FilePath(QStringLiteral("refused.par"));
    if (ReadProfileString(file, "Parameters", QString::number(key), {}) != value)
        return; // a parameter file cannot hold it
    const ParameterSet before = m_context.Session.Parameters;
    const QString shown = program.InConfig<QLineEdit>("Header01")->text();
    m_dialogs.QueuePath(file);
    program.InConfig<QPushButton>("ButtonLoad")->click();
    QCOMPARE(m_dialogs.Messages().size(), 1);
    const QString message = m_dialogs.Messages().first().text;
    QVERIFY2(message.contains(QStringLiteral("rien n'a été chargé.\n") + reason),
             qPrintable(message));
    QCOMPARE(m_context.Session.Parameters, before);
    QCOMPARE(program.InConfig<QLineEdit>("Header01")->text(), shown);
}

// Entry 5 holds 40 characters: every read fails, naming it, and "Ecriture"
// puts the shown set in its place.
void TestConfigGuards::overlongValueRepaired() {
    m_directory->WriteSettings(FactoryLines());
    sim::InstrumentMemory memory = ThreeAcquisitions();
    memory.parameters[LaunchDateIndex] = QByteArray(40, 'x');
    ConfigProgram program(m_context, m_dialogs, memory);
    const QString overlong = QStringLiteral("le paramètre 5 dépasse 31 caractères");

    program.Menu("MenuInitialization");
    program.InClock<QPushButton>("ButtonKeep")->click();
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(m_dialogs.Messages().first().text,
             QStringLiteral("Erreur de communication (TimeOut)\n") + overlong);
    QVERIFY(!program.Config().isVisible());

    m_dialogs.Clear();
    program.Menu("MenuConfiguration");
    program.InConfig<QPushButton>("ButtonRead")->click();
    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(
        m_dialogs.Messages().first().text,
        QStringLiteral("Erreur de communication (TimeOut)\n") + overlong +
            QStringLiteral("\n« Ecriture » remplace le jeu de l'instrument par celui affiché."));

    m_dialogs.Clear();
    program.InConfig<QPushButton>("ButtonWrite")->click();
    program.InConfig<QPushButton>("ButtonRead")->click();
    QCOMPARE(m_dialogs.Messages().size(), 2);
    QCOMPARE(m_dialogs.Messages().last().text, QStringLiteral("Lecture des paramètres terminée"));
    QCOMPARE(program.Device().Memory().parameters[LaunchDateIndex],
             sim::FactoryParameters()[LaunchDateIndex]);
}

void TestConfigGuards::clockReplyNotADate() {
    ConfigProgram program(m_context, m_dialogs);
    sim::InstrumentFaults faults;
    faults.dateReply = "99/99/99";
    program.Device().SetFaults(faults);
    program.Menu("MenuInitialization");

    QCOMPARE(m_dialogs.Messages().size(), 1);
    QVERIFY2(m_dialogs.Messages().first().text.startsWith(
                 "Erreur de communication\nhorloge de l'instrument illisible « 99/99/2099"),
             qPrintable(m_dialogs.Messages().first().text));
    QCOMPARE(m_dialogs.Messages().first().icon, MessageIcon::Error);
    QVERIFY(!program.Clock().isVisible());
    QVERIFY(program.Main().isEnabled());
    QVERIFY(!program.Link().PortOpen());
}

QTEST_MAIN(TestConfigGuards)
#include "tst_configguards.moc"
