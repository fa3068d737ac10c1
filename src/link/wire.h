#pragma once

// The instrument's wire formats, free of any port: text encoding, big-endian
// records, checksums and the texts the download derives from them.

#include "data/varia.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

constexpr int DirectoryEntryBytes = 32;
constexpr int SpectrumBlockBytes = 256;
constexpr int MeasurementHeaderBytes = 64;

// The instrument speaks Windows-1252, like the files the program writes.
QByteArray ToWireText(const QString& text);
QString FromWireText(const QByteArray& bytes);

// Sums carried modulo 65536.
quint16 SpectrumChecksum(const Spectrum& counts);
quint16 HeaderChecksum(const QByteArray& header);
quint16 BigEndian16(const QByteArray& bytes, int offset);
Spectrum DecodeSpectrumBlock(const QByteArray& block);

// The regional decimal separator, never a group separator, as the directory's
// volume and EAPV texts are written and read back.
QLocale DirectoryLocale();

// One 32-byte entry of "RI" as the memory window lists it.
AcquisitionDirectoryEntry DecodeDirectoryEntry(const QByteArray& entry, const QLocale& locale);
QString MethodName(quint8 code);

// "Temps restant estimé : [m mn ]s s" after `done` of `total` measurements
// took `elapsedMs`.
QString RemainingTimeText(qint64 elapsedMs, int done, int total);

// A decimal number sent by the instrument as text ("063", "1234"); false when
// the text is not one.
bool ParseWireNumber(const QByteArray& text, int& value);
