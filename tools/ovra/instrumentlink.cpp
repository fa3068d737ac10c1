#include "instrumentlink.h"

#include "sim/demonstration.h"
#include "link/linkmessages.h"
#include "settings/settings.h"

#include <QCoreApplication>

InstrumentAction::InstrumentAction(const CommandLine& line)
    : m_link(m_context, sim::MakeInstrumentPort()) {
    // The same settings file as the window program, so a port chosen there is
    // the default here.
    m_context.ProgramDirectory =
        line.programDirectory.isEmpty() ? FindProgramDirectory().directory : line.programDirectory;
    m_link.SetPortName(line.port.isEmpty() ? ReadSetting(m_context, SettingKeys::ComNumberSerial)
                                           : line.port);
    // As the port window applies them at start.
    m_link.SetReadTimeouts(TFormRS232::WorkingReadTimeoutMs);
}

int InstrumentAction::Connect() {
    if (m_link.Connect())
        return ExitSuccess;
    PrintError(AboutDevice(ConnectionFailureText(m_link)));
    return ExitNoConnection;
}

int InstrumentAction::Fail() {
    // Read before "SL": saying goodbye runs receives of its own.
    const ExchangeFailure failure = DescribeExchangeFailure(m_context, m_link);
    m_link.Disconnect();
    PrintError(AboutDevice(failure.text));
    switch (failure.cause) {
    case ExchangeFailure::Cancelled:
        return ExitCancelled;
    case ExchangeFailure::Checksum:
        return ExitChecksum;
    default:
        return ExitCommunication;
    }
}

QString InstrumentAction::AboutDevice(const QString& text) const {
    // "DEVICE : text" in French, "DEVICE: text" in English.
    return QCoreApplication::translate("ovra", "%1 : %2").arg(m_link.PortName(), text);
}

void InstrumentAction::Disconnect() {
    m_link.Disconnect();
}
