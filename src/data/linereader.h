#pragma once

// Reads a file line by line through a fixed-size buffer, so a large file never
// sits in memory whole. Lines end at CR LF, LF or CR; the terminator is not
// part of the line. A line stays valid until the next call to ReadLine or AtEnd.

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

class LineReader {
public:
    explicit LineReader(QIODevice& device);

    // False at the end of the device or on a read error (see Failed).
    bool ReadLine(QByteArrayView& line);
    // True when no byte follows the last line read.
    bool AtEnd();
    // 1-based number of the last line read (0 before the first).
    qint64 LineNumber() const { return m_lineNumber; }
    // Bytes of the device not consumed yet (for a file of known size).
    qint64 BytesLeft() const;
    bool Failed() const { return m_failed; }
    QString ErrorString() const { return m_device.errorString(); }

private:
    // Reads one more chunk behind the unread bytes; false when nothing came.
    bool Fill();

    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_begin = 0; // first unread byte of m_buffer
    qint64 m_consumed = 0; // bytes of the device before m_buffer[m_begin]
    qint64 m_lineNumber = 0;
    bool m_deviceEnd = false;
    bool m_failed = false;
};
