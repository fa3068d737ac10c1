#include "instrumentlink.h"

#include "settings/settings.h"

#include <QFile>
#include <QTextStream>

namespace {
// The read time-outs the port window applies at start.
constexpr int WorkingReadTimeoutMs = 250;
} // namespace

InstrumentAction::InstrumentAction(const CommandLine& line)
    : m_link(m_context) {
    m_context.ProgramDirectory = FindProgramDirectory().directory;
    m_link.SetPortName(line.port.isEmpty() ? ReadSetting(m_context, SettingKeys::ComNumberSerial)
                                           : line.port);
    m_link.SetReadTimeouts(WorkingReadTimeoutMs);
}

int InstrumentAction::Connect() {
    if (m_link.Connect())
        return ExitSuccess;
    QString message = QStringLiteral("Connexion impossible !");
    if (!m_link.FailureReason().isEmpty())
        message += QLatin1Char('\n') + m_link.FailureReason();
    PrintError(message);
    return ExitNoConnection;
}

int InstrumentAction::Fail() {
    // The first cause that applies, in the order the windows use.
    QString message;
    int code = ExitCommunication;
    if (m_link.CommunicationFailed()) {
        message = QStringLiteral("Erreur de communication\n") + m_link.FailureReason();
    } else if (m_context.CancelRequested) {
        message = QStringLiteral("Lecture annulée");
        code = ExitCancelled;
    } else if (m_context.TimedOut) {
        message = QStringLiteral("Erreur de communication (TimeOut)");
    } else if (m_context.ChecksumFailed) {
        message = QStringLiteral("Erreur de communication (Checksum incorrect)");
        code = ExitChecksum;
    } else {
        message = QStringLiteral("Erreur de communication");
        if (!m_link.FailureReason().isEmpty())
            message += QLatin1Char('\n') + m_link.FailureReason();
    }
    m_link.Disconnect();
    PrintError(message);
    return code;
}

void InstrumentAction::Disconnect() {
    m_link.Disconnect();
}

bool PrintOut(const QString& text) {
    QFile out;
    const QByteArray bytes = text.toUtf8();
    return out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() &&
           out.flush();
}

void PrintError(const QString& text) {
    QTextStream(stderr) << text << '\n';
}
