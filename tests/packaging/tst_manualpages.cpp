// Each program's manual page against its --help, read generically so that a
// command, option or exit code added to a program fails here until its page
// names it too: global options in OPTIONS, each command with its own options
// and sub-commands in its COMMANDS entries, every exit code in EXIT STATUS.

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <set>

namespace {

using Names = std::set<QString>;

// A manual page as text: its sections by name, and the entries (.TP) of each.
struct ManualPage {
    QString header; // the .TH line
    std::map<QString, QString> sections;
    std::map<QString, QStringList> entries;

    QString Section(const QString& name) const {
        const auto found = sections.find(name);
        return found == sections.end() ? QString() : found->second;
    }
    // A command's entries in COMMANDS: those whose tag starts with its name.
    QString EntriesOf(const QString& command) const {
        QString text;
        const auto found = entries.find(QStringLiteral("COMMANDS"));
        if (found != entries.end())
            for (const QString& entry : found->second)
                if (entry.section('\n', 0, 0).section(' ', 0, 0) == command)
                    text += entry;
        return text;
    }
};

// The page's source with the font changes and escaped hyphens made plain.
QString PlainTroff(QString text) {
    static const QRegularExpression fonts(QStringLiteral(R"(\\f(\(..|\[[^]]*\]|.))"));
    text.remove(fonts);
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    text.remove(QStringLiteral("\\&"));
    return text;
}

ManualPage ReadPage(const QString& name) {
    QFile file(QStringLiteral(OVRA_MANUAL_PAGES "/") + name);
    ManualPage page;
    if (!file.open(QIODevice::ReadOnly))
        return page;
    QString section;
    for (const QString& line : PlainTroff(QString::fromUtf8(file.readAll())).split('\n')) {
        if (line.startsWith(QLatin1String(".TH ")))
            page.header = line;
        if (line.startsWith(QLatin1String(".SH "))) {
            section = line.mid(4).remove('"').trimmed().toUpper();
            continue;
        }
        if (line.startsWith(QLatin1String(".TP"))) {
            page.entries[section] << QString();
            continue;
        }
        page.sections[section] += line + '\n';
        if (!page.entries[section].isEmpty())
            page.entries[section].last() += line + '\n';
    }
    return page;
}

bool Mentions(const QString& text, const QString& word) {
    const QRegularExpression whole(
        QStringLiteral(R"((?<![\w-])%1(?![\w-]))").arg(QRegularExpression::escape(word)));
    return whole.match(text).hasMatch();
}

Names Options(const QString& text) {
    static const QRegularExpression option(QStringLiteral(R"((?<![\w-])(--?[A-Za-z][\w-]*))"));
    Names names;
    for (auto it = option.globalMatch(text); it.hasNext();)
        names.insert(it.next().captured(1));
    return names;
}

// What a --help text declares: its items are the lines indented by two
// spaces, with their deeper-indented continuation lines. An item starting
// with a lower-case word is a command (or a command's sub-command), one
// starting with "-" an option; exit codes are in the "exit codes:" list
// and in "exit N" remarks.
struct Help {
    Names commands;
    Names itemOptions; // the options an option item introduces
    Names mentioned;   // every option named anywhere
    Names exitCodes;
};

Help ReadHelp(const QString& text) {
    Help help;
    static const QRegularExpression command(QStringLiteral(R"(^  ([a-z][\w-]*))"));
    static const QRegularExpression optionItem(QStringLiteral(R"(^  (-[^ ,]*(, -[^ ,]*)?))"));
    for (const QString& line : text.split('\n')) {
        if (const auto match = command.match(line); match.hasMatch())
            help.commands.insert(match.captured(1));
        if (const auto match = optionItem.match(line); match.hasMatch())
            help.itemOptions.merge(Options(match.captured(1)));
    }
    help.mentioned = Options(text);
    static const QRegularExpression codeList(
        QStringLiteral(R"(exit codes:((?:[\s,]*\d+ [^,\d\n]+)+))"));
    static const QRegularExpression code(QStringLiteral(R"((?:^|,)\s*(\d+) )"));
    static const QRegularExpression remark(QStringLiteral(R"((?i)\bexit (\d+))"));
    for (auto lists = codeList.globalMatch(text); lists.hasNext();)
        for (auto codes = code.globalMatch(lists.next().captured(1)); codes.hasNext();)
            help.exitCodes.insert(codes.next().captured(1));
    for (auto it = remark.globalMatch(text); it.hasNext();)
        help.exitCodes.insert(it.next().captured(1));
    return help;
}

} // namespace

class TestManualPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pageMatchesHelp_data();
    void pageMatchesHelp();

private:
    QString HelpOf(const QString& program, const QStringList& arguments);
    // English help: a program directory whose settings choose English.
    QTemporaryDir m_programDirectory;
};

void TestManualPages::initTestCase() {
    QVERIFY(m_programDirectory.isValid());
    QFile settings(m_programDirectory.filePath(QStringLiteral("ovra.ini")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[LANGUAGE]\r\nLangue=English\r\n");
}

QString TestManualPages::HelpOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    QStringList all = arguments;
    if (program != QLatin1String("ovra-sim"))
        all.prepend(m_programDirectory.path()), all.prepend(QStringLiteral("--program-directory"));
    process.start(QStringLiteral(OVRA_BINARY_DIR "/") + program, all);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void TestManualPages::pageMatchesHelp_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("sections"); // sections the page must have
    QTest::newRow("ovra") << "ovra" << QStringList{"OPTIONS", "COMMANDS", "EXIT STATUS", "FILES"};
    QTest::newRow("ovraview2") << "ovraview2" << QStringList{"OPTIONS", "FILES"};
    QTest::newRow("ovra-sim") << "ovra-sim" << QStringList{"OPTIONS"};
}

void TestManualPages::pageMatchesHelp() {
    QFETCH(QString, program);
    QFETCH(QStringList, sections);
    const ManualPage page = ReadPage(program + QStringLiteral(".1"));
    QVERIFY2(page.header.contains(QStringLiteral(" " OVRA_VERSION "\"")),
             qPrintable(program + ": the page's version is not " OVRA_VERSION));
    for (const QString& section : sections)
        QVERIFY2(!page.Section(section).trimmed().isEmpty(),
                 qPrintable(program + ".1 has no " + section));

    const QString text = HelpOf(program, {QStringLiteral("--help")});
    QVERIFY2(!text.isEmpty(), qPrintable(program + " --help gave nothing"));
    const Help help = ReadHelp(text);
    QVERIFY(!help.itemOptions.empty());
    QStringList missing;
    for (const QString& option : help.itemOptions)
        if (!Mentions(page.Section(QStringLiteral("OPTIONS")), option))
            missing << QStringLiteral("option %1 in OPTIONS").arg(option);
    Names exitCodes = help.exitCodes;

    for (const QString& command : help.commands) {
        const QString commandText = HelpOf(program, {command, QStringLiteral("--help")});
        if (commandText.isEmpty()) {
            missing << QStringLiteral("\"%1 %2 --help\"").arg(program, command);
            continue;
        }
        const QString entries = page.EntriesOf(command);
        if (entries.isEmpty())
            missing << QStringLiteral("command %1 in COMMANDS").arg(command);
        // A command that only shows the tool's own help (an alias of --help)
        // has nothing more to describe.
        if (commandText == text)
            continue;
        const Help commandHelp = ReadHelp(commandText);
        exitCodes.merge(Names(commandHelp.exitCodes));
        Names own = commandHelp.mentioned;
        for (const QString& global : help.itemOptions)
            own.erase(global);
        own.merge(Names(commandHelp.commands));
        for (const QString& word : own)
            if (!entries.isEmpty() && !Mentions(entries, word))
                missing << QStringLiteral("%1 in the entry of %2").arg(word, command);
    }
    for (const QString& code : exitCodes)
        if (!Mentions(page.Section(QStringLiteral("EXIT STATUS")), code))
            missing << QStringLiteral("exit code %1 in EXIT STATUS").arg(code);
    QVERIFY2(missing.isEmpty(),
             qPrintable(program + ".1 lacks: " + missing.join(QStringLiteral("; "))));
}

QTEST_GUILESS_MAIN(TestManualPages)
#include "tst_manualpages.moc"
