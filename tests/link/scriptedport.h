#pragma once

// A test line for the link primitives and for replies no instrument would
// send: bytes are scheduled to arrive at given times, canned replies answer
// given writes, and the line can fail like a pulled cable.

#include "link/port.h"

#include <QList>
#include <QMap>
#include <QTimer>

class ScriptedPort : public SerialPort {
    Q_OBJECT
public:
    using SerialPort::SerialPort;

    // The bytes arrive `afterMs` from now (0: on the next turn of the loop).
    void ArriveAfter(int afterMs, const QByteArray& bytes) {
        QTimer::singleShot(afterMs, Qt::PreciseTimer, this, [this, bytes] {
            if (!m_open)
                return;
            m_input += bytes;
            emit ReadyRead();
        });
    }
    // Each time `command` is written, `reply` arrives.
    void Answer(const QByteArray& command, const QByteArray& reply) { m_replies[command] = reply; }
    void FailAfter(int afterMs) {
        QTimer::singleShot(afterMs, Qt::PreciseTimer, this,
                           [this] { emit PortFailed(QStringLiteral("câble débranché")); });
    }
    void PutWaiting(const QByteArray& bytes) { m_input += bytes; }

    bool Open(const QString&) override {
        m_open = true;
        return true;
    }
    void Close() override {
        m_open = false;
        m_input.clear();
    }
    bool IsOpen() const override { return m_open; }
    QString OpenErrorText() const override { return {}; }
    qint64 BytesWaiting() const override { return m_open ? m_input.size() : -1; }
    void DiscardInput() override {
        m_input.clear();
        ++discards;
    }
    QByteArray Read(qint64 maxCount) override {
        const QByteArray bytes = m_input.left(int(maxCount));
        m_input.remove(0, bytes.size());
        return bytes;
    }
    bool Write(const QByteArray& bytes) override {
        if (!m_open)
            return false;
        writes.append(bytes);
        if (m_replies.contains(bytes))
            ArriveAfter(0, m_replies.value(bytes));
        return true;
    }
    qint64 BytesToWrite() const override { return 0; }

    QList<QByteArray> writes;
    int discards = 0;

private:
    bool m_open = false;
    QByteArray m_input;
    QMap<QByteArray, QByteArray> m_replies;
};
