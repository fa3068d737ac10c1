#include "instrumentlink.h"

#include "demonstration.h"
#include "link/linkmessages.h"
#include "settings/settings.h"

#include <QFile>
#include <QTextStream>

InstrumentAction::InstrumentAction(const CommandLine& line)
    : m_link(m_context, sim::MakeInstrumentPort()) {
    m_context.ProgramDirectory = FindProgramDirectory().directory;
    m_link.SetPortName(line.port.isEmpty() ? ReadSetting(m_context, SettingKeys::ComNumberSerial)
                                           : line.port);
    // As the port window applies them at start.
    m_link.SetReadTimeouts(TFormRS232::WorkingReadTimeoutMs);
}

int InstrumentAction::Connect() {
    if (m_link.Connect())
        return ExitSuccess;
    PrintError(ConnectionFailureText(m_link));
    return ExitNoConnection;
}

int InstrumentAction::Fail() {
    // Read before "SL": saying goodbye runs receives of its own.
    const ExchangeFailure failure = DescribeExchangeFailure(m_context, m_link);
    m_link.Disconnect();
    PrintError(failure.text);
    switch (failure.cause) {
    case ExchangeFailure::Cancelled:
        return ExitCancelled;
    case ExchangeFailure::Checksum:
        return ExitChecksum;
    default:
        return ExitCommunication;
    }
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
