// The parameter table and the conversions between stored values and what the
// configuration window shows. Registered a second time under a French locale:
// the dates must keep "/" and ":" whatever the regional settings.

#include "config/encodings.h"
#include "config/parametertable.h"

#include <QtTest>

#include <set>

class TestEncodings : public QObject {
    Q_OBJECT
private slots:
    void tableMatchesTheParameterNamesAndFields();
    void tableGroupsSitOnTheirTabs();
    void lightMax_data();
    void lightMax();
    void invertBits_data();
    void invertBits();
    void configWord_data();
    void configWord();
    void configWordRoundTripsEveryValue();
    void comments_data();
    void comments();
    void nextMaintenance_data();
    void nextMaintenance();
    void integers_data();
    void integers();
    void launchStampsAndClockTexts();
};

void TestEncodings::tableMatchesTheParameterNamesAndFields() {
    const std::set<int> hidden = {3,  20, 29, 32, 33, 34, 35, 36, 37, 44, 45,
                                  53, 54, 55, 56, 57, 58, 59, 60, 61, 62};
    for (int i = 0; i < ParameterCount; ++i) {
        const ParameterEntry& entry = ParameterTable()[i];
        QCOMPARE(entry.index, i);
        QCOMPARE(QString::fromLatin1(entry.name), ParameterNames()[i]);
        QCOMPARE(entry.Hidden(), hidden.count(i) == 1);
        QCOMPARE(ParameterHidden(i), entry.Hidden());
        if (entry.Hidden()) {
            QCOMPARE(entry.tab, NoTab);
            QCOMPARE(entry.format, FieldFormat::None);
            continue;
        }
        QCOMPARE(QString::fromLatin1(entry.field), ParameterFieldName(i));
        QVERIFY2(entry.tab != NoTab, entry.field);
        QVERIFY2(entry.label != nullptr || i == CommentsIndex, entry.field);
    }
    QCOMPARE(ParameterFieldName(0), QStringLiteral("Header01"));
    QCOMPARE(ParameterFieldName(63), QStringLiteral("Header64"));
    QCOMPARE(ParameterTable()[LightMaxIndex].encoding, ParameterEncoding::LightPercent);
    QCOMPARE(ParameterTable()[LanguageIndex].encoding, ParameterEncoding::LanguageItem);
    QCOMPARE(ParameterTable()[ConfigIndex].encoding, ParameterEncoding::ConfigBits);
    QCOMPARE(ParameterTable()[CommentsIndex].encoding, ParameterEncoding::CommentLines);
}

void TestEncodings::tableGroupsSitOnTheirTabs() {
    std::set<int> filled;
    for (const ParameterEntry& entry : ParameterTable()) {
        if (entry.group == NoGroup)
            continue;
        QCOMPARE(entry.tab, ConfigGroups()[entry.group].tab);
        filled.insert(entry.group);
    }
    // Every captioned box holds a field; the two CONFIG boxes hold the bits.
    for (int g = 0; g < ConfigGroupCount; ++g)
        QCOMPARE(filled.count(g) == 1, g != GroupConfigHigh && g != GroupConfigLow);
    QCOMPARE(ParameterTable()[ConfigIndex].tab, TabConfiguration);
    QCOMPARE(ParameterTable()[11].tab, TabBatterie); // VOL_MIN, on " Prélèvement "
    QCOMPARE(ParameterTable()[12].tab, TabSpectro);  // LIGHT_MAX, on " Batterie "
    QCOMPARE(QString::fromUtf8(ConfigTabs()[TabGeneral].caption),
             QStringLiteral("     Général     "));
    QCOMPARE(QString::fromUtf8(ConfigGroups()[GroupAccessibilite].caption),
             QStringLiteral(" Accessibilité  "));
}

void TestEncodings::lightMax_data() {
    QTest::addColumn<bool>("toPercent");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("16 shows 100") << true << 16 << 100;
    QTest::newRow("2 shows 12, half to even") << true << 2 << 12;
    QTest::newRow("6 shows 38, half to even") << true << 6 << 38;
    QTest::newRow("10 shows 62, half to even") << true << 10 << 62;
    QTest::newRow("1 shows 6") << true << 1 << 6;
    QTest::newRow("0 shows 0") << true << 0 << 0;
    QTest::newRow("50 stores 8") << false << 50 << 8;
    QTest::newRow("99 stores 16") << false << 99 << 16;
    QTest::newRow("3 stores 0") << false << 3 << 0;
    QTest::newRow("4 stores 1") << false << 4 << 1;
    QTest::newRow("100 stores 16") << false << 100 << 16;
}

void TestEncodings::lightMax() {
    QFETCH(bool, toPercent);
    QFETCH(int, from);
    QFETCH(int, to);
    QCOMPARE(toPercent ? LightPercentFromStored(from) : LightStoredFromPercent(from), to);
}

void TestEncodings::invertBits_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("inverted");
    QTest::newRow("bit 0 to bit 7") << 0x01 << 0x80;
    QTest::newRow("bit 7 to bit 0") << 0x80 << 0x01;
    QTest::newRow("low nibble to high") << 0x0F << 0xF0;
    QTest::newRow("mixed") << 0xB0 << 0x0D;
    QTest::newRow("higher bits dropped") << 0x1FF << 0xFF;
    QTest::newRow("bit 8 alone dropped") << 0x100 << 0x00;
    QTest::newRow("negative: its low byte") << -2 << 0x7F;
}

void TestEncodings::invertBits() {
    QFETCH(int, value);
    QFETCH(int, inverted);
    QCOMPARE(InvertBits(value), inverted);
}

void TestEncodings::configWord_data() {
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("msb");
    QTest::addColumn<int>("lsb");
    // Group value bit k = box k from the top = bit 7 - k of the byte.
    QTest::newRow("258: bits 8 and 1") << 258 << 0x80 << 0x40;
    QTest::newRow("top box of the high byte") << 32768 << 0x01 << 0x00;
    QTest::newRow("bottom box of the low byte") << 1 << 0x00 << 0x80;
    QTest::newRow("all bits") << 65535 << 0xFF << 0xFF;
    QTest::newRow("zero") << 0 << 0 << 0;
}

void TestEncodings::configWord() {
    QFETCH(int, word);
    QFETCH(int, msb);
    QFETCH(int, lsb);
    const ConfigCheckGroups groups = ConfigGroupsFromWord(word);
    QCOMPARE(groups.msb, msb);
    QCOMPARE(groups.lsb, lsb);
    QCOMPARE(ConfigWordFromGroups(groups), word);
}

void TestEncodings::configWordRoundTripsEveryValue() {
    for (int word = 0; word < 65536; ++word) {
        if (ConfigWordFromGroups(ConfigGroupsFromWord(word)) != word)
            QFAIL(qPrintable(QString::number(word)));
    }
}

void TestEncodings::comments_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("storedBack");
    QTest::newRow("a TAB b is two lines")
        << QStringLiteral("a\tb") << QStringLiteral("a\r\nb") << QStringLiteral("a\tb");
    QTest::newRow("one line") << QStringLiteral("Cave") << QStringLiteral("Cave")
                              << QStringLiteral("Cave");
    QTest::newRow("empty lines kept")
        << QStringLiteral("\t\tx") << QStringLiteral("\r\n\r\nx") << QStringLiteral("\t\tx");
    const QString full(31, QLatin1Char('c'));
    QTest::newRow("31 characters kept") << full << full << full;
    const QString forty = QStringLiteral("0123456789012345678901234567890123456789");
    QTest::newRow("40 characters cut to 31") << forty << forty << forty.left(31);
    const QString brokenLong = QString(30, QLatin1Char('a')) + QLatin1Char('\t') + "bbb";
    QTest::newRow("a line break counts as one character")
        << brokenLong << QString(30, QLatin1Char('a')) + "\r\nbbb"
        << QString(30, QLatin1Char('a')) + QLatin1Char('\t');
}

void TestEncodings::comments() {
    QFETCH(QString, stored);
    QFETCH(QString, edited);
    QFETCH(QString, storedBack);
    QCOMPARE(CommentFromStored(stored), edited);
    QCOMPARE(CommentToStored(edited), storedBack);
    // A text editor gives bare line feeds: they are line breaks too.
    QString bare = edited;
    QCOMPARE(CommentToStored(bare.replace(QLatin1String("\r\n"), QLatin1String("\n"))), storedBack);
}

void TestEncodings::nextMaintenance_data() {
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("next"); // empty: refused
    QTest::addColumn<QString>("error");
    QTest::newRow("06/2010 + 2: 2 June 2012") << "06/2010"
                                              << "2"
                                              << "06/2012"
                                              << "";
    QTest::newRow("12/2010 + 1: 2 December 2011") << "12/2010"
                                                  << "1"
                                                  << "12/2011"
                                                  << "";
    QTest::newRow("03/2011 + 1: 1 March 2012") << "03/2011"
                                               << "1"
                                               << "03/2012"
                                               << "";
    QTest::newRow("01/2009 + 9") << "01/2009"
                                 << "9"
                                 << "01/2018"
                                 << "";
    QTest::newRow("no interval") << "05/2010"
                                 << "0"
                                 << "05/2010"
                                 << "";
    QTest::newRow("month 13") << "13/2010"
                              << "1"
                              << ""
                              << "'01/13/2010' n'est pas une date correcte";
    QTest::newRow("empty mask") << "  /    "
                                << "1"
                                << ""
                                << "'01/  /    ' n'est pas une date correcte";
    QTest::newRow("another separator") << "06.2010"
                                       << "1"
                                       << ""
                                       << "'01/06.2010' n'est pas une date correcte";
    QTest::newRow("month on its way") << "6/20"
                                      << "2"
                                      << ""
                                      << "'01/6/20' n'est pas une date correcte";
    QTest::newRow("two-digit year") << "06/20"
                                    << "2"
                                    << ""
                                    << "'01/06/20' n'est pas une date correcte";
    QTest::newRow("interval not a number") << "06/2010"
                                           << "x"
                                           << ""
                                           << "'x' n'est pas une valeur entière correcte";
    QTest::newRow("interval empty") << "06/2010"
                                    << " "
                                    << ""
                                    << "' ' n'est pas une valeur entière correcte";
}

void TestEncodings::nextMaintenance() {
    QFETCH(QString, last);
    QFETCH(QString, interval);
    QFETCH(QString, next);
    QFETCH(QString, error);
    const MonthConversion result = NextMaintenance(last, interval);
    QCOMPARE(result.ok, !next.isEmpty());
    QCOMPARE(result.text, next);
    QCOMPARE(result.error, error);
}

void TestEncodings::integers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "258" << true << 258;
    QTest::newRow("blanks around") << " 7 " << true << 7;
    QTest::newRow("negative") << "-3" << true << -3;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("decimal") << "1.5" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("beyond 32 bits") << "99999999999" << false << 0;
}

void TestEncodings::integers() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const IntegerConversion result = ConvertInteger(text);
    QCOMPARE(result.ok, ok);
    QCOMPARE(result.value, value);
    QCOMPARE(result.error,
             ok ? QString()
                : QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(text));
}

void TestEncodings::launchStampsAndClockTexts() {
    ParameterSet set;
    set.fill(QStringLiteral("x"));
    StampLaunch(set, QDateTime(QDate(2026, 3, 5), QTime(9, 7, 59)));
    QCOMPARE(set[LaunchDateIndex], QStringLiteral("05/03/26"));
    QCOMPARE(set[LaunchHourIndex], QStringLiteral("09:07"));
    QCOMPARE(set[3], QStringLiteral("x"));
    QCOMPARE(set[6], QStringLiteral("x"));

    QCOMPARE(ClockTextToDateTime(QStringLiteral("24/12/2012 08:30")),
             QDateTime(QDate(2012, 12, 24), QTime(8, 30)));
    QVERIFY(ClockTextToDateTime(QStringLiteral("01/01/2000 00:00")).isValid());
    QVERIFY(ClockTextToDateTime(QStringLiteral("31/12/2099 23:59")).isValid());
    for (const char* refused :
         {"31/02/2020 10:00", "24/12/2012 8:30", "24-12-2012 08:30", "24/12/2012 24:00",
          "24/12/12 08:30", "", "  /  /       :  ", "31/12/1999 23:59", "01/01/2100 00:00"})
        QVERIFY2(!ClockTextToDateTime(QString::fromLatin1(refused)).isValid(), refused);
}

QTEST_GUILESS_MAIN(TestEncodings)
#include "tst_encodings.moc"
