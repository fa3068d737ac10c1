#pragma once

// Numbers as the measurement files hold them. Conversions never depend on the
// C library's locale: the program sets the process locale from the user's
// settings, which would change the decimal separator behind our back.

#include <QByteArray>
#include <QByteArrayView>

// A decimal integer that fits in 32 bits, with an optional sign and blanks around.
bool ParseFileInteger(QByteArrayView text, qint32& value);
// A decimal number with "," or "." as its separator, whatever the regional
// settings, so files travel between computers set up for different countries.
// A group separator is not accepted ("1.234,5" does not convert). "nan" and
// "inf" are numbers: the writer gives them for a result the instrument could
// not compute, and a file this program wrote must read back.
bool ParseFileDecimal(QByteArrayView text, double& value);

void AppendInteger(QByteArray& out, qint64 value);
// printf "%.Nf" (ASCII minus sign, no group separator) with `separator` in
// place of the decimal point.
void AppendFixed(QByteArray& out, double value, int decimals, QByteArrayView separator);
