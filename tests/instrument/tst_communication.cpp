// The port window: the stored port applied to the link at start-up, "OK"
// and "Cancel", a settings file that refuses the choice, and the port list
// refreshed every second without losing what the user typed.

#include "programfixture.h"

#include "ui/instrument/comm.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>

class TestCommunication : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void creation_data();
    void creation();
    void okAppliesAndStores();
    void cancelChangesNothing();
    void refusedSettingsWrite();
    void refreshKeepsTypedName();
    void descriptionsBesideNames();

private:
    TFormCommunication& Window(ProgramFixture& program) {
        return *program.windows->FormCommunication;
    }
    QComboBox* PortBox(ProgramFixture& program) {
        return Child<QComboBox>(Window(program), "ComNumberComboBoxSerial");
    }
    QPushButton* Button(ProgramFixture& program, const char* name) {
        return Child<QPushButton>(Window(program), name);
    }
    void ShowWindow(ProgramFixture& program);

    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
    QStringList m_ports; // what the system offers, as the window's lister sees it
};

void TestCommunication::init() {
    m_directory = std::make_unique<TestDirectory>();
    QVERIFY(m_directory->IsValid());
    m_context = Context();
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
    m_ports = QStringList{"/dev/ttyS0", "/dev/ttyUSB1", "/dev/ttyACM0"};
}

void TestCommunication::cleanup() {
    m_directory.reset();
}

void TestCommunication::ShowWindow(ProgramFixture& program) {
    Window(program).SetPortLister([this] { return m_ports; });
    Child<QAction>(program.Main(), "MenuCommunications")->trigger();
    QVERIFY(Window(program).isVisible());
    QVERIFY(!program.Main().isEnabled());
}

void TestCommunication::creation_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("speed");

    QTest::newRow("no settings file") << QStringList() << DefaultSerialPortName() << "56000";
    QTest::newRow("stored port and speed")
        << QStringList{"[Communications]", "ComNumberSerial=/dev/pts/4", "BaudRateSerial=115200"}
        << "/dev/pts/4"
        << "115200";
    QTest::newRow("speed not in the list")
        << QStringList{"[communications]", "comnumberserial=/dev/ttyS3", "BaudRateSerial=9999"}
        << "/dev/ttyS3"
        << "57600";
}

// Created at start-up after the link: the stored port is the link's, read
// under the working read time-outs; the speed is only shown.
void TestCommunication::creation() {
    QFETCH(QStringList, settings);
    QFETCH(QString, port);
    QFETCH(QString, speed);
    if (!settings.isEmpty())
        m_directory->WriteSettings(settings);

    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    QCOMPARE(program.Link().PortName(), port);
    QCOMPARE(PortBox(program)->currentText(), port);
    const ReadTimeouts timeouts = program.Link().CurrentReadTimeouts();
    QCOMPARE(timeouts.interval, 250);
    QCOMPARE(timeouts.multiplier, 250);
    QCOMPARE(timeouts.constant, 2500);

    auto* speeds = Child<QComboBox>(Window(program), "BaudRateComboBoxSerial");
    QVERIFY(!speeds->isEnabled());
    QCOMPARE(speeds->currentText(), speed);

    // "Lecture" opens that port.
    program.MenuRead();
    QCOMPARE(program.port->LastOpenedName(), port);
}

void TestCommunication::okAppliesAndStores() {
    m_directory->WriteSettings({"; kept", "[LANGUAGE]", "Langue=Francais"});
    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    ShowWindow(program);
    PortBox(program)->setEditText(QStringLiteral("/dev/pts/7"));
    Button(program, "ButtonClose")->click();

    QVERIFY(!Window(program).isVisible());
    QVERIFY(program.Main().isEnabled());
    QVERIFY(m_dialogs.Messages().isEmpty());
    QCOMPARE(program.Link().PortName(), QStringLiteral("/dev/pts/7"));
    const QByteArray settings = m_directory->ReadBytes(QStringLiteral("ovra.ini"));
    QVERIFY(settings.startsWith("; kept\r\n[LANGUAGE]\r\nLangue=Francais\r\n"));
    QVERIFY(settings.contains("ComNumberSerial=/dev/pts/7\r\n"));
    QVERIFY(settings.contains("BaudRateSerial=56000\r\n"));

    program.MenuRead();
    QCOMPARE(program.port->LastOpenedName(), QStringLiteral("/dev/pts/7"));
}

void TestCommunication::cancelChangesNothing() {
    m_directory->WriteSettings({"[Communications]", "ComNumberSerial=/dev/ttyUSB1"});
    const QByteArray before = m_directory->ReadBytes(QStringLiteral("ovra.ini"));
    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    ShowWindow(program);
    PortBox(program)->setCurrentIndex(2);
    QCOMPARE(PortBox(program)->currentText(), QStringLiteral("/dev/ttyACM0"));
    Button(program, "ButtonCancel")->click();

    QVERIFY(!Window(program).isVisible());
    QVERIFY(program.Main().isEnabled());
    QCOMPARE(program.Link().PortName(), QStringLiteral("/dev/ttyUSB1"));
    QCOMPARE(m_directory->ReadBytes(QStringLiteral("ovra.ini")), before);

    // Shown again, it tells the port in use, not the one given up.
    ShowWindow(program);
    QCOMPARE(PortBox(program)->currentText(), QStringLiteral("/dev/ttyUSB1"));
    QTest::keyClick(&Window(program), Qt::Key_Escape);
    QVERIFY(!Window(program).isVisible());
    QVERIFY(program.Main().isEnabled());
}

// The settings file cannot be written: the user is told, and the port is
// still used for this run.
void TestCommunication::refusedSettingsWrite() {
    QVERIFY(QDir(m_directory->Path()).mkdir(QStringLiteral("ovra.ini")));
    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    ShowWindow(program);
    PortBox(program)->setEditText(QStringLiteral("/dev/pts/9"));
    Button(program, "ButtonClose")->click();

    QCOMPARE(m_dialogs.Messages().size(), 1);
    QCOMPARE(m_dialogs.Messages().first().text,
             QStringLiteral("Impossible d'écrire dans ") +
                 QDir::toNativeSeparators(m_directory->FilePath(QStringLiteral("ovra.ini"))));
    QCOMPARE(m_dialogs.Messages().first().icon, MessageIcon::Error);
    QCOMPARE(program.Link().PortName(), QStringLiteral("/dev/pts/9"));
    QVERIFY(!Window(program).isVisible());
    QVERIFY(program.Main().isEnabled());
}

// Every second while shown, an unchanged list leaves a typed name alone; a
// changed one is rebuilt in the system's order and shows the port in use.
void TestCommunication::refreshKeepsTypedName() {
    m_directory->WriteSettings({"[Communications]", "ComNumberSerial=/dev/ttyS0"});
    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    auto* timer = Child<QTimer>(Window(program), "TimerRefresh");
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(!timer->isActive());
    ShowWindow(program);
    QVERIFY(timer->isActive());
    QComboBox* box = PortBox(program);
    QCOMPARE(box->count(), 3);
    QCOMPARE(box->currentText(), QStringLiteral("/dev/ttyS0"));

    box->setEditText(QStringLiteral("/dev/pts/3"));
    Window(program).RefreshListePorts();
    QCOMPARE(box->currentText(), QStringLiteral("/dev/pts/3"));

    m_ports = QStringList{"/dev/ttyUSB2", "/dev/ttyS0", "/dev/ttyUSB1", "/dev/ttyACM0"};
    timer->setInterval(5);
    QTRY_COMPARE(box->count(), 4);
    timer->setInterval(1000);
    QStringList listed;
    for (int i = 0; i < box->count(); ++i)
        listed << box->itemText(i);
    QCOMPARE(listed, m_ports);
    QCOMPARE(box->currentText(), QStringLiteral("/dev/ttyS0"));

    // Every adapter unplugged: an empty list, and a name can still be typed.
    m_ports.clear();
    Window(program).RefreshListePorts();
    QCOMPARE(box->count(), 0);
    QCOMPARE(box->currentText(), QStringLiteral("/dev/ttyS0"));
    Button(program, "ButtonCancel")->click();
    QVERIFY(!timer->isActive());
}

// Beside each name, what the system says of the port, also as its tooltip;
// the combo box's text stays the name. The system's own list ends with the
// demonstration instrument.
void TestCommunication::descriptionsBesideNames() {
    ProgramFixture program(m_context, m_dialogs, ThreeAcquisitions());
    const QStringList offered = TFormCommunication::OfferedPortNames();
    QCOMPARE(offered.last(), QStringLiteral("SIMULATEUR"));
    QCOMPARE(offered.mid(0, offered.size() - 1), TFormCommunication::SystemPortNames());
    QCOMPARE(TFormCommunication::SystemPortDescription(QStringLiteral("SIMULATEUR")),
             QStringLiteral("Instrument simulé (démonstration)"));
    QCOMPARE(TFormCommunication::SystemPortDescription(QStringLiteral("/dev/no-such-port")),
             QString());

    m_ports << QStringLiteral("SIMULATEUR");
    Window(program).SetPortDescriber([](const QString& name) {
        return name == QLatin1String("/dev/ttyUSB1")
                   ? QStringLiteral("USB-Serial Controller — Prolific — n° 0042")
               : name == QLatin1String("SIMULATEUR")
                   ? TFormCommunication::SystemPortDescription(name)
                   : QString();
    });
    ShowWindow(program);
    QComboBox* box = PortBox(program);
    QCOMPARE(box->count(), 4);
    QAbstractItemModel* model = box->model();
    QCOMPARE(model->columnCount(), 2);
    const QStringList descriptions{"", "USB-Serial Controller — Prolific — n° 0042", "",
                                   "Instrument simulé (démonstration)"};
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(model->index(row, 0).data().toString(), m_ports[row]);
        QCOMPARE(model->index(row, 1).data().toString(), descriptions[row]);
        const QString tip = model->index(row, 1).data(Qt::ToolTipRole).toString();
        QVERIFY(tip.startsWith(m_ports[row]) && tip.endsWith(descriptions[row]));
    }
    box->setCurrentIndex(3);
    QCOMPARE(box->currentText(), QStringLiteral("SIMULATEUR"));
    Button(program, "ButtonClose")->click();
    QCOMPARE(program.Link().PortName(), QStringLiteral("SIMULATEUR"));
    QVERIFY(m_directory->ReadBytes(QStringLiteral("ovra.ini"))
                .contains("ComNumberSerial=SIMULATEUR\r\n"));
}

QTEST_MAIN(TestCommunication)
#include "tst_communication.moc"
