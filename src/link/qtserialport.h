#pragma once

// The real serial port (and pseudo-terminals) through Qt Serial Port.

#include "link/port.h"

#include <QSerialPort>

class QtSerialPortBackend : public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPortBackend(QObject* parent = nullptr);

    bool Open(const QString& name) override;
    void Close() override;
    bool IsOpen() const override;
    QString OpenErrorText() const override;
    qint64 BytesWaiting() const override;
    void DiscardInput() override;
    QByteArray Read(qint64 maxCount) override;
    bool Write(const QByteArray& bytes) override;
    qint64 BytesToWrite() const override;

private:
    void PortErrorOccurred(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QString m_name; // as the user gave it, for messages
    QString m_openError;
    // Set while the modem lines are switched off: a pseudo-terminal refuses
    // those calls and that refusal must not count as a failure of the port.
    bool m_ignoreErrors = false;
};

// Why a port could not be opened for lack of permission, and how to fix it:
// on Linux the device belongs to a group the user must join.
QString PermissionDeniedText(const QString& portName, const QString& devicePath);
// The device file a port name stands for: the system's own for a listed port
// ("ttyUSB0"), else the name itself when it is a path ("/dev/ttyUSB0", a
// /dev/serial/by-id link, a pseudo-terminal), else the name under /dev.
QString PortDeviceLocation(const QString& portName);
