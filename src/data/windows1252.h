#pragma once

// Windows-1252, the code page of the measurement, settings and parameter
// files. Qt 6 has no codec for it, so this is our own: ASCII and 0xA0-0xFF
// map to the same code points, 0x80-0x9F go through a table. A character the
// code page cannot hold becomes "?", as the Windows conversion functions do.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

QString DecodeWindows1252(QByteArrayView bytes);
QByteArray EncodeWindows1252(QStringView text);
// Appends to `out` without a temporary, for writers that build a whole file.
void AppendWindows1252(QByteArray& out, QStringView text);
// False for a character the code page cannot hold (it would become "?").
bool HasWindows1252Byte(QChar c);
