#include "link/qtserialport.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace {

constexpr qint32 LineBaudRate = 57600;
// The instrument's replies are small; the buffer size matches the one the
// instrument's own software has always used.
constexpr qint64 InputBufferBytes = 2048;

} // namespace

QString PermissionDeniedText(const QString& portName, const QString& devicePath) {
#ifdef Q_OS_LINUX
    const QFileInfo device(QFileInfo(devicePath).canonicalFilePath());
    const QString group = device.exists() ? device.group() : QString();
    if (!group.isEmpty() && group != QLatin1String("root"))
        return QtSerialPortBackend::tr(
                   "Accès refusé au port %1 : il appartient au groupe « %2 ».\n"
                   "Ajoutez votre utilisateur à ce groupe (sudo usermod -aG %2 $USER), "
                   "puis fermez la session et reconnectez-vous pour que cela prenne effet.")
            .arg(portName, group);
    // The device's group is not known here; Debian gives serial adapters "dialout".
    return QtSerialPortBackend::tr(
               "Accès refusé au port %1 : votre utilisateur n'a pas le droit de l'ouvrir.\n"
               "Ajoutez-le au groupe propriétaire du périphérique (« dialout » sous Debian : "
               "sudo usermod -aG dialout $USER), puis fermez la session et reconnectez-vous "
               "pour que cela prenne effet.")
        .arg(portName);
#else
    Q_UNUSED(devicePath);
#endif
    return QtSerialPortBackend::tr(
               "Accès refusé au port %1 : il est peut-être utilisé par un autre programme.")
        .arg(portName);
}

QString PortDeviceLocation(const QString& portName) {
    // The system lists its ports by their short names only.
    const QString listed = QSerialPortInfo(portName).systemLocation();
    if (!listed.isEmpty())
        return listed;
#ifdef Q_OS_UNIX
    if (!portName.contains(QLatin1Char('/')))
        return QStringLiteral("/dev/") + portName;
#endif
    return portName;
}

QtSerialPortBackend::QtSerialPortBackend(QObject* parent)
    : SerialPort(parent) {
    connect(&m_port, &QSerialPort::readyRead, this, &SerialPort::ReadyRead);
    connect(&m_port, &QSerialPort::bytesWritten, this, &SerialPort::BytesWritten);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPortBackend::PortErrorOccurred);
}

bool QtSerialPortBackend::Open(const QString& name) {
    if (m_port.isOpen())
        return true;
    m_openError.clear();
    m_name = name;
    m_port.setPortName(name);
    m_port.setBaudRate(LineBaudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(InputBufferBytes);

    m_ignoreErrors = true;
    const bool opened = m_port.open(QIODevice::ReadWrite);
    if (!opened) {
        const QSerialPort::SerialPortError error = m_port.error();
        if (error == QSerialPort::PermissionError)
            m_openError = PermissionDeniedText(name, PortDeviceLocation(name));
        else if (error == QSerialPort::DeviceNotFoundError)
            m_openError = tr("Le port %1 n'existe pas.").arg(name);
        else
            m_openError =
                tr("Le port %1 ne peut pas être ouvert (%2).").arg(name, m_port.errorString());
        m_port.clearError();
        m_ignoreErrors = false;
        return false;
    }
    m_port.setDataTerminalReady(false);
    m_port.setRequestToSend(false);
    m_port.clearError();
    m_ignoreErrors = false;
    return true;
}

void QtSerialPortBackend::Close() {
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

bool QtSerialPortBackend::IsOpen() const {
    return m_port.isOpen();
}

QString QtSerialPortBackend::OpenErrorText() const {
    return m_openError;
}

qint64 QtSerialPortBackend::BytesWaiting() const {
    return m_port.isOpen() ? m_port.bytesAvailable() : -1;
}

void QtSerialPortBackend::DiscardInput() {
    if (!m_port.isOpen())
        return;
    // Qt's own buffer and the system's input queue alike.
    m_port.clear(QSerialPort::Input);
}

QByteArray QtSerialPortBackend::Read(qint64 maxCount) {
    return m_port.read(maxCount);
}

bool QtSerialPortBackend::Write(const QByteArray& bytes) {
    if (m_port.write(bytes) != bytes.size())
        return false;
    // Hands the bytes to the driver now rather than on the next turn of the
    // event loop, so a command leaves the moment it is sent.
    m_port.flush();
    return true;
}

qint64 QtSerialPortBackend::BytesToWrite() const {
    return m_port.bytesToWrite();
}

void QtSerialPortBackend::PortErrorOccurred(QSerialPort::SerialPortError error) {
    // Qt reports successes and read time-outs through the same signal.
    if (m_ignoreErrors || error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    // Qt's own text is often a stale system message: say what happened.
    QString reason;
    switch (error) {
    case QSerialPort::ResourceError:
        reason = tr("le port %1 a disparu (câble débranché ?)").arg(m_name);
        break;
    case QSerialPort::ReadError:
        reason = tr("lecture impossible sur le port %1 (câble débranché ?)").arg(m_name);
        break;
    case QSerialPort::WriteError:
        reason = tr("écriture impossible sur le port %1").arg(m_name);
        break;
    default:
        reason = tr("erreur du port %1 : %2").arg(m_name, m_port.errorString());
        break;
    }
    emit PortFailed(reason);
}
