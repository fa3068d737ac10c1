#pragma once

// A port whose instrument is the fuzzer: each write is answered with the next
// chunk of the input, on the next turn of the event loop or a few
// milliseconds late, and a chunk can end with the port failing, refuse the
// write or leave it waiting to be sent. A chunk is
//   flags (1 byte), length (2 bytes, big-endian), that many bytes
// with the flags: bits 0-2 the delay in 2 ms steps, bit 3 fail after the bytes, bit 4
// refuse the write, bit 5 the write is sent only after the delay.

#include "link/linkclock.h"
#include "link/port.h"

#include <QByteArray>

namespace fuzz {

class FuzzPort : public SerialPort {
    Q_OBJECT
public:
    enum Flag : quint8 {
        DelayMask = 0x07,
        FailAfter = 0x08,
        RefuseWrite = 0x10,
        SlowWrite = 0x20,
        Cancel = 0x40,
    };

    // `cancel` is the flag the user's cancel button sets; the delays run on `clock`.
    FuzzPort(const QByteArray& chunks, bool refuseOpen, bool& cancel, LinkClock& clock)
        : m_chunks(chunks)
        , m_refuseOpen(refuseOpen)
        , m_cancel(cancel)
        , m_clock(clock) {}

    // One chunk as the input holds it.
    static QByteArray Chunk(const QByteArray& bytes, quint8 flags = 0) {
        QByteArray chunk;
        chunk.append(char(flags)).append(char(bytes.size() >> 8)).append(char(bytes.size()));
        return chunk + bytes;
    }

    bool Open(const QString&) override {
        if (m_refuseOpen)
            return false;
        m_open = true;
        m_failed = false;
        return true;
    }
    void Close() override {
        m_open = false;
        m_input.clear();
        m_unsent = 0;
    }
    bool IsOpen() const override { return m_open; }
    QString OpenErrorText() const override { return QStringLiteral("port refusé"); }
    qint64 BytesWaiting() const override { return m_open ? m_input.size() : -1; }
    void DiscardInput() override { m_input.clear(); }
    QByteArray Read(qint64 maxCount) override {
        const QByteArray bytes = m_input.left(qsizetype(maxCount));
        m_input.remove(0, bytes.size());
        return bytes;
    }
    bool Write(const QByteArray& bytes) override {
        if (!m_open || m_failed)
            return false;
        ++m_writes;
        if (m_at + 3 > m_chunks.size())
            return true; // the instrument has nothing more to say
        const quint8 flags = quint8(m_chunks[m_at]);
        const qsizetype length = (quint8(m_chunks[m_at + 1]) << 8) | quint8(m_chunks[m_at + 2]);
        const QByteArray reply = m_chunks.mid(m_at + 3, length);
        m_at += 3 + reply.size();
        if (flags & RefuseWrite)
            return false;
        const int delayMs = 2 * (flags & DelayMask);
        if (flags & SlowWrite) {
            m_unsent += bytes.size();
            m_clock.After(delayMs, this, [this, size = bytes.size()] {
                m_unsent = std::max<qint64>(0, m_unsent - size);
                emit BytesWritten();
            });
        }
        m_clock.After(delayMs, this, [this, reply, flags] {
            if (!m_open)
                return; // bytes that reach a closed port are lost
            m_input += reply;
            if (flags & Cancel)
                m_cancel = true;
            if (!reply.isEmpty())
                emit ReadyRead();
            if (flags & FailAfter) {
                m_failed = true;
                emit PortFailed(QStringLiteral("câble débranché"));
            }
        });
        return true;
    }
    qint64 BytesToWrite() const override { return m_unsent; }

    int Writes() const { return m_writes; }

private:
    QByteArray m_chunks;
    qsizetype m_at = 0;
    QByteArray m_input;
    qint64 m_unsent = 0;
    int m_writes = 0;
    bool m_refuseOpen = false;
    bool& m_cancel;
    LinkClock& m_clock;
    bool m_open = false;
    bool m_failed = false;
};

} // namespace fuzz
