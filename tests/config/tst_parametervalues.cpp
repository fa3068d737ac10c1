// The values the instrument can hold: every refused value of the shared table
// is named with its key and reason, and the values at the edge still go.

#include "config/parametertable.h"
#include "config/parametervalues.h"

#include "refusedvalues.h"

#include <QtTest>

class TestParameterValues : public QObject {
    Q_OBJECT
private slots:
    void refused_data();
    void refused();
    void accepted_data();
    void accepted();
};

void TestParameterValues::refused_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reason");
    for (const RefusedValueCase& row : RefusedValueCases())
        QTest::newRow(row.name) << row.key << row.value << row.reason;
}

void TestParameterValues::refused() {
    QFETCH(int, key);
    QFETCH(QString, value);
    QFETCH(QString, reason);
    ParameterSet set;
    set.fill(QStringLiteral("1"));
    set[std::size_t(key - 1)] = value;
    QCOMPARE(RefusedValuesText(RefusedParameterValues(set)), reason);
}

void TestParameterValues::accepted_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("value");
    QTest::newRow("31 characters") << 0 << QString(31, QLatin1Char('x'));
    QTest::newRow("TAB in the comment") << CommentsIndex << QStringLiteral("Cave\tMaison");
    QTest::newRow("Windows-1252 letters") << 0 << QStringLiteral("é€œŸ ?");
    QTest::newRow("empty") << 0 << QString();
}

void TestParameterValues::accepted() {
    QFETCH(int, index);
    QFETCH(QString, value);
    QCOMPARE(ParameterValueFault(index, value), ValueFault::None);
}

QTEST_GUILESS_MAIN(TestParameterValues)
#include "tst_parametervalues.moc"
