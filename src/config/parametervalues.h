#pragma once

// What the instrument can hold in a parameter value, checked before the first
// byte of a set is sent. The instrument stores whatever it is sent, but a
// value it cannot give back locks the user out: every later parameter read
// fails, and every road that could repair the set reads it first. A ";"
// splits the record on the wire, a line break or other control byte breaks
// the reply's framing, and a character without a Windows-1252 byte arrives
// as "?".

#include "data/varia.h"

#include <QString>
#include <QStringView>

#include <vector>

// The longest value the parameter reader accepts back.
inline constexpr int ParameterValueMaxLength = 31;

enum class ValueFault {
    None,
    TooLong,
    Separator,       // ";"
    Control,         // CR, LF, NUL, ESC ...; a TAB only in COMMENTS
    OutsideCodePage, // no Windows-1252 byte
};

// The first fault of the value of entry `index` (0-based); characters are
// checked before the length, so that a typed ";" is named as such.
ValueFault ParameterValueFault(int index, QStringView value);

struct RefusedValue {
    int index = 0; // 0-based; named 1-based, as the keys of parameter files
    ValueFault fault = ValueFault::None;
};
std::vector<RefusedValue> RefusedParameterValues(const ParameterSet& values);

// One line per refused value: 18 SLEEP_DELAY : contient « ; »
QString RefusedValuesText(const std::vector<RefusedValue>& refused);
