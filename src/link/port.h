#pragma once

// The narrow interface every byte to and from the instrument goes through:
// the real serial port, the in-process simulated instrument and a test line
// are interchangeable behind it. Reads never block; whoever needs to wait
// does so in an event loop ended by ReadyRead, PortFailed or a timer.

#include <QByteArray>
#include <QObject>
#include <QString>

class SerialPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SerialPort() override = default;

    // Opens the named port at 57600 baud, 8N1, without flow control. On
    // failure returns false and leaves the reason in OpenErrorText().
    virtual bool Open(const QString& name) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual QString OpenErrorText() const = 0;

    // Bytes received and not yet read; -1 when the port cannot tell.
    virtual qint64 BytesWaiting() const = 0;
    // Drops every byte received and not yet read, those the system still
    // holds included: a purge must not leave bytes that reach the program
    // only on the next turn of the event loop.
    virtual void DiscardInput() = 0;
    // Up to maxCount of the bytes waiting, at once.
    virtual QByteArray Read(qint64 maxCount) = 0;
    // Queues the bytes for sending; false when the port refuses them.
    virtual bool Write(const QByteArray& bytes) = 0;
    // Bytes queued by Write and not yet handed to the line.
    virtual qint64 BytesToWrite() const = 0;

signals:
    void ReadyRead();
    void BytesWritten();
    // A real failure of the port (pulled cable, read or write error); the
    // port stays unusable until it is closed and opened again.
    void PortFailed(const QString& reason);
};
