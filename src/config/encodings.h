#pragma once

// The conversions between a parameter's stored text and what the
// configuration window shows, and the dates the program writes into the set.
// Plain functions: a text that does not convert gives a failed result with
// the message the user is shown, never an exception.

#include "data/varia.h"

#include <QDateTime>
#include <QString>

struct IntegerConversion {
    bool ok = false;
    int value = 0;
    QString error; // "'%s' n'est pas une valeur entière correcte" when not ok
};
// A decimal integer with an optional sign and blanks around it.
IntegerConversion ConvertInteger(const QString& text);

QString NotAnIntegerMessage(const QString& text); // "'%s' n'est pas une valeur entière correcte"
QString NotADateMessage(const QString& text);     // "'%s' n'est pas une date correcte"

// numerator / denominator rounded to the nearest integer, halves to even
// (denominator > 0).
int RoundHalfEven(qint64 numerator, qint64 denominator);

// LIGHT_MAX: 16 sixteenths are 100 %. Both ways rounded halves to even:
// stored 2 shows 12, stored 6 shows 38; 50 % stores 8, 99 % stores 16.
int LightPercentFromStored(int sixteenths);
int LightStoredFromPercent(int percent);

// The low 8 bits of value in reversed order (bit i goes to bit 7 - i);
// higher bits are dropped.
int InvertBits(int value);

// CONFIG: the word's two bytes as the window's check groups hold them. A
// group's value has bit k set when its box k (counted from the top) is
// checked, and box k stands for bit 7 - k of its byte. High byte = word div
// 256, low byte = word mod 256 (div toward zero, mod with the word's sign,
// then the low 8 bits of each).
struct ConfigCheckGroups {
    int msb = 0; // ConfigBytesMSB
    int lsb = 0; // ConfigBytesLSB
};
ConfigCheckGroups ConfigGroupsFromWord(int word);
int ConfigWordFromGroups(ConfigCheckGroups groups);

// COMMENTS: the instrument keeps one line; each line break of the edited text
// is one TAB.
inline constexpr int CommentMaxLength = 31;
// Every TAB becomes "\r\n".
QString CommentFromStored(const QString& stored);
// Every "\r\n" (and every lone "\n", as text editors give line breaks) becomes
// one TAB; the result is cut to its first 31 characters.
QString CommentToStored(const QString& edited);

// NEXT_MAINT: the first day of the LAST_MAINT month ("mm/yyyy") plus
// INT_MAINT x 366 days, as "mm/yyyy". Dates always use "/", whatever the
// system's settings.
struct MonthConversion {
    bool ok = false;
    QString text;  // "mm/yyyy" when ok
    QString error; // the conversion message when not ok
};
MonthConversion NextMaintenance(const QString& lastMaint, const QString& interval);

// The launch stamps of entries 4 and 5: "dd/mm/yy" and "hh:nn".
QString LaunchDateText(const QDateTime& when);
QString LaunchHourText(const QDateTime& when);
// Entry 4 and 5 of the set become the stamps of `when`.
void StampLaunch(ParameterSet& parameters, const QDateTime& when);

// An instrument clock text "dd/mm/yyyy hh:nn" as a date and time; invalid
// (isValid() false) when the text is not a real date and time in that form,
// or when its year is one the instrument cannot keep (outside 2000 .. 2099:
// it stores two digits and gives them back as 20yy).
QDateTime ClockTextToDateTime(const QString& text);
