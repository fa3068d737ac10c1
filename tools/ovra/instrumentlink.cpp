#include "instrumentlink.h"

#include "link/linkmessages.h"
#include "settings/settings.h"
#include "sim/demonstration.h"

#include <QCoreApplication>
#include <QDir>

InstrumentAction::InstrumentAction(const CommandLine& line)
    : m_link(m_context, sim::MakeInstrumentPort()) {
    // The same settings file as the window program, so a port chosen there is
    // the default here.
    m_context.ProgramDirectory =
        line.programDirectory.isEmpty() ? FindProgramDirectory().directory : line.programDirectory;
    m_context.PortChosenOnCommandLine = true;
    const std::optional<QString> stored =
        line.port.isEmpty() ? ReadStoredSetting(m_context, SettingKeys::ComNumberSerial)
                            : std::optional<QString>(line.port);
    m_defaultPortTried = !stored;
    m_link.SetPortName(stored.value_or(DefaultSerialPortName()));
    // As the port window applies them at start.
    m_link.SetReadTimeouts(TFormRS232::WorkingReadTimeoutMs);
}

int InstrumentAction::Connect() {
    if (m_link.Connect())
        return ExitSuccess;
    PrintError(AboutDevice(ConnectionFailureText(m_context, m_link)));
    // Otherwise the user would not know where the name came from.
    if (m_defaultPortTried)
        PrintNote(
            QCoreApplication::translate(
                "ovra", "Aucun port choisi (ni --port, ni dans %1) : %2 est le port par "
                        "défaut du système.")
                .arg(QDir::toNativeSeparators(SettingsFileName(m_context)), m_link.PortName()));
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
