// "Rapport de mesure…": enabled with a session, the report of a saved file
// and of a download not yet saved (its digest then that of the bytes a save
// would write), and the session's own file refused as the report.

#include "scripteddialogs.h"
#include "testdirectory.h"

#include "data/fichiers.h"
#include "ui/main/main.h"

#include <QAction>
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestReportMenu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void reportOfTheSession_data();
    void reportOfTheSession();
    void sessionFileRefused();

private:
    QString OpenSample(TFormMain& window);
    std::unique_ptr<TestDirectory> m_directory;
    Context m_context;
    ScriptedDialogs m_dialogs;
};

void TestReportMenu::init() {
    m_directory = std::make_unique<TestDirectory>();
    QVERIFY(m_directory->IsValid());
    m_context = Context();
    m_directory->Prepare(m_context);
    m_dialogs.Clear();
}

void TestReportMenu::cleanup() {
    m_directory.reset();
}

QString TestReportMenu::OpenSample(TFormMain& window) {
    const QString sample = m_directory->CopySample(QStringLiteral("rolle3"));
    m_dialogs.QueuePath(sample);
    window.findChild<QAction*>(QStringLiteral("MenuOpen"))->trigger();
    return sample;
}

void TestReportMenu::reportOfTheSession_data() {
    QTest::addColumn<bool>("saved");
    QTest::newRow("a file") << true;
    QTest::newRow("a download not saved") << false;
}

void TestReportMenu::reportOfTheSession() {
    QFETCH(bool, saved);
    TFormMain window(m_context, m_dialogs);
    auto* item = window.findChild<QAction*>(QStringLiteral("MenuReport"));
    QVERIFY(!item->isEnabled());
    const QString sample = OpenSample(window);
    QVERIFY(item->isEnabled());
    Session& session = m_context.Session;
    QByteArray bytes = FileBytes(sample);
    if (!saved) {
        // As a download leaves it.
        session.SessionState = SessionUnsaved;
        session.FileName.clear();
        session.Volume = 7.25; // the file on the disk is not what the report is of
        bytes = MeasurementFileBytes(session);
    }
    const QString target = m_directory->FilePath(QStringLiteral("rapport.pdf"));
    m_dialogs.QueuePath(target);
    item->trigger();
    QVERIFY(m_dialogs.Messages().isEmpty());
    QCOMPARE(m_dialogs.Dialogs().last().request.proposedName,
             saved ? QStringLiteral("rolle3.pdf") : QStringLiteral("mesures.pdf"));
    const QString text = PdfText(target);
    QVERIFY(text.contains(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()));
    QCOMPARE(text.contains(QStringLiteral("rolle3.ovra")), saved);
    QCOMPARE(text.contains(QStringLiteral("session non enregistrée")), !saved);
    window.CloseSession();
    QVERIFY(!item->isEnabled());
}

// Picking the measurement file itself in the save dialog (and agreeing to
// replace it) is told, and the file stays whole.
void TestReportMenu::sessionFileRefused() {
    TFormMain window(m_context, m_dialogs);
    const QString sample = OpenSample(window);
    const QByteArray before = FileBytes(sample);
    m_dialogs.QueuePath(sample);
    m_dialogs.QueueAnswer(MessageAnswer::Yes);
    window.findChild<QAction*>(QStringLiteral("MenuReport"))->trigger();
    QCOMPARE(m_dialogs.Messages().size(), 2);
    QVERIFY2(m_dialogs.Messages().last().text.contains(QStringLiteral("fichier de mesures")),
             qPrintable(m_dialogs.Messages().last().text));
    QCOMPARE(m_dialogs.Messages().last().icon, MessageIcon::Error);
    QCOMPARE(FileBytes(sample), before);
}

QTEST_MAIN(TestReportMenu)
#include "tst_reportmenu.moc"
