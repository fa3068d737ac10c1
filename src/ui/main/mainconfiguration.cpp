// The Instrument menu's way to the configuration window: "Initialisation"
// (the instrument's clock read, then the clock window, whose hand-over opens
// the configuration window in ModeInitialisation), "Configuration" and
// "Paramètres". While any of them is open a loaded session's own parameters
// are kept aside, and they are back when the last of them closes.

#include "ui/main/main.h"

#include "config/encodings.h"
#include "link/linkmessages.h"
#include "link/rs232.h"
#include "ui/instrument/clock.h"
#include "ui/instrument/config.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QTimer>

void TFormMain::AttachConfigurationWindows() {
    if (TFormClock* clock = m_windows.FormClock) {
        connect(clock, &TFormClock::ExchangeStarted, this, &TFormMain::BeginExchange);
        connect(clock, &TFormClock::ExchangeFinished, this, &TFormMain::EndExchange);
        connect(clock, &TFormClock::ParametersRead, this, &TFormMain::OpenInitialisation);
        connect(clock, &QDialog::finished, this, [this] {
            // After a hand-over the configuration window is shown, and this
            // window stays disabled until it closes.
            if (m_windows.FormConfig && m_windows.FormConfig->isVisible())
                return;
            RestoreSessionParameters();
            setEnabled(true);
        });
    }
    if (TFormConfig* config = m_windows.FormConfig) {
        connect(config, &TFormConfig::ExchangeStarted, this, &TFormMain::BeginExchange);
        connect(config, &TFormConfig::ExchangeFinished, this, &TFormMain::EndExchange);
        connect(config, &TFormConfig::FormHidden, this, [this] {
            RestoreSessionParameters();
            setEnabled(true);
        });
    }
}

void TFormMain::KeepSessionParameters() {
    const Session& session = m_context.Session;
    // Without a session, Parameters is the instrument's set and stays so.
    if (m_keptParameters.kept || session.SessionState == SessionEmpty)
        return;
    m_keptParameters.kept = true;
    m_keptParameters.parameters = session.Parameters;
    m_keptParameters.savedParameters = session.SavedParameters;
    m_keptParameters.softwareVersion = session.SoftwareVersion;
}

void TFormMain::RestoreSessionParameters() {
    if (!m_keptParameters.kept)
        return;
    Session& session = m_context.Session;
    session.Parameters = m_keptParameters.parameters;
    session.SavedParameters = m_keptParameters.savedParameters;
    session.SoftwareVersion = m_keptParameters.softwareVersion;
    m_keptParameters.kept = false;
}

void TFormMain::MenuInitializationClick() {
    if (!Windows().FormClock || !m_windows.FormRS232)
        return;
    TFormClock& clock = *m_windows.FormClock;
    TFormRS232& link = *m_windows.FormRS232;
    // Only the hourglass here: the timer never talks to the instrument, and
    // its state is as the last action left it.
    const bool timerRan = LMDHiTimerAutoDetection->isActive();
    BeginExchange();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // "Oui" followed by a cancelled or failed save keeps the unsaved
    // download and stops here, as "Lecture" does.
    if (!GuardUnsavedSession(MessageButtons::YesNo)) {
        QGuiApplication::restoreOverrideCursor();
        EndExchange();
        if (!timerRan)
            LMDHiTimerAutoDetection->stop();
        return;
    }
    KeepSessionParameters();
    m_context.CancelRequested = false;
    m_context.ChecksumFailed = false;
    // Disabled as well as under the hourglass: the menu must not start a
    // second action while this one waits for the instrument.
    setEnabled(false);
    const bool connected = link.Connect();
    bool clockRead = false;
    if (connected) {
        // A silent clock shows as "01/01/2000 00:00"; a reply that is not a
        // date ends the action (the link has closed the port).
        clock.ShowClocks(link.ReadInstrumentClock());
        clockRead = !link.CommunicationFailed();
        // Said goodbye before the window shows, so that its buttons never
        // meet a connection still open.
        link.Disconnect();
    }
    QGuiApplication::restoreOverrideCursor();
    EndExchange();
    if (!timerRan)
        LMDHiTimerAutoDetection->stop();
    if (!clockRead) {
        RestoreSessionParameters();
        setEnabled(true);
        if (connected)
            m_dialogs.ShowMessage(this, DescribeExchangeFailure(m_context, link).text,
                                  MessageIcon::Error, MessageButtons::Ok);
        else
            m_dialogs.ShowMessage(this, ConnectionFailureText(m_context, link),
                                  MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
    ShowSecondaryWindow(clock);
}

void TFormMain::OpenInitialisation() {
    if (!Windows().FormConfig)
        return;
    TFormConfig& config = *m_windows.FormConfig;
    StampLaunch(m_context.Session.Parameters, m_context.Now());
    config.SetMode(ModeInitialisation);
    AccessButtons();
    config.ResetProgress();
    ShowSecondaryWindow(config);
}

void TFormMain::MenuConfigurationClick() {
    if (!Windows().FormConfig)
        return;
    TFormConfig& config = *m_windows.FormConfig;
    KeepSessionParameters();
    config.LoadParameters();
    config.SetMode(ModeConfiguration);
    AccessButtons();
    ShowSecondaryWindow(config);
}

void TFormMain::MenuParametresClick() {
    if (!Windows().FormConfig)
        return;
    TFormConfig& config = *m_windows.FormConfig;
    KeepSessionParameters();
    config.SetMode(ModeView);
    AccessButtons();
    ShowSecondaryWindow(config);
}
