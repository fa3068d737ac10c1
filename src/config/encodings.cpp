#include "config/encodings.h"

#include "config/parametertable.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>
#include <QStringList>

namespace {

// "dd/mm/yyyy" with "/" whatever the system uses; the day and month may have
// one digit, as a typed date may.
QDate DayFirstDate(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return {};
    int numbers[3] = {};
    for (int i = 0; i < 3; ++i) {
        const IntegerConversion number = ConvertInteger(parts[i]);
        if (!number.ok || parts[i].trimmed().startsWith(QLatin1Char('-')) ||
            parts[i].trimmed().startsWith(QLatin1Char('+')))
            return {};
        numbers[i] = number.value;
    }
    if (numbers[2] < 1 || numbers[2] > 9999)
        return {};
    return QDate(numbers[2], numbers[1], numbers[0]);
}

} // namespace

IntegerConversion ConvertInteger(const QString& text) {
    IntegerConversion result;
    result.value = text.trimmed().toInt(&result.ok, 10);
    if (!result.ok) {
        result.value = 0;
        result.error = NotAnIntegerMessage(text);
    }
    return result;
}

QString NotAnIntegerMessage(const QString& text) {
    return QCoreApplication::translate("Encodings", "'%1' n'est pas une valeur entière correcte")
        .arg(text);
}

QString NotADateMessage(const QString& text) {
    return QCoreApplication::translate("Encodings", "'%1' n'est pas une date correcte").arg(text);
}

int RoundHalfEven(qint64 numerator, qint64 denominator) {
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) {
        remainder += denominator;
        --quotient;
    }
    const qint64 twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return int(quotient);
}

int LightPercentFromStored(int sixteenths) {
    return RoundHalfEven(qint64(sixteenths) * 100, 16);
}

int LightStoredFromPercent(int percent) {
    return RoundHalfEven(qint64(percent) * 16, 100);
}

int InvertBits(int value) {
    int inverted = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if (value & (1 << bit))
            inverted |= 1 << (7 - bit);
    }
    return inverted;
}

ConfigCheckGroups ConfigGroupsFromWord(int word) {
    return {InvertBits(word / 256), InvertBits(word % 256)};
}

int ConfigWordFromGroups(ConfigCheckGroups groups) {
    return InvertBits(groups.msb) * 256 + InvertBits(groups.lsb);
}

QString CommentFromStored(const QString& stored) {
    QString edited = stored;
    return edited.replace(QLatin1Char('\t'), QLatin1String("\r\n"));
}

QString CommentToStored(const QString& edited) {
    QString stored = edited;
    stored.replace(QLatin1String("\r\n"), QLatin1String("\t"));
    stored.replace(QLatin1Char('\n'), QLatin1Char('\t'));
    return stored.left(CommentMaxLength);
}

MonthConversion NextMaintenance(const QString& lastMaint, const QString& interval) {
    MonthConversion result;
    const QString dateText = QLatin1String("01/") + lastMaint;
    // "6/20" is a month on its way, not June of the year 20.
    static const QRegularExpression wholeMonth(QStringLiteral("^\\d{2}/\\d{4}$"));
    const QDate first = wholeMonth.match(lastMaint).hasMatch() ? DayFirstDate(dateText) : QDate();
    if (!first.isValid()) {
        result.error = NotADateMessage(dateText);
        return result;
    }
    const IntegerConversion years = ConvertInteger(interval);
    if (!years.ok) {
        result.error = years.error;
        return result;
    }
    const QDate next = first.addDays(qint64(years.value) * 366);
    if (!next.isValid() || next.year() < 1 || next.year() > 9999) {
        result.error = NotADateMessage(dateText);
        return result;
    }
    result.ok = true;
    result.text = next.toString(QStringLiteral("MM/yyyy"));
    return result;
}

QString LaunchDateText(const QDateTime& when) {
    return when.toString(QStringLiteral("dd/MM/yy"));
}

QString LaunchHourText(const QDateTime& when) {
    return when.toString(QStringLiteral("HH:mm"));
}

void StampLaunch(ParameterSet& parameters, const QDateTime& when) {
    parameters[LaunchDateIndex] = LaunchDateText(when);
    parameters[LaunchHourIndex] = LaunchHourText(when);
}

QDateTime ClockTextToDateTime(const QString& text) {
    // Two digits everywhere: the instrument takes the fields as they stand.
    static const QString format = QStringLiteral("dd/MM/yyyy HH:mm");
    if (text.size() != format.size())
        return {};
    const QDateTime when = QDateTime::fromString(text, format);
    // The instrument keeps two year digits and gives them back as 20yy.
    if (!when.isValid() || when.date().year() < 2000 || when.date().year() > 2099)
        return {};
    return when;
}
