// The Instrument menu of the main window: "Lecture" (the first connection of
// a download, up to the memory window), "Communications", and the
// auto-detection timer that every exchange stops and starts again.

#include "ui/main/main.h"

#include "link/linkmessages.h"
#include "link/portselect.h"
#include "link/rs232.h"
#include "settings/settings.h"
#include "ui/instrument/comm.h"
#include "ui/instrument/config.h"
#include "ui/instrument/memoire.h"
#include "ui/main/blankhint.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace {

// Refuses to close the window it watches. While the link waits for the
// instrument in its local event loops, a quitting program would cut those
// waits short and leave the exchange half done.
class CloseRefusal : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Close)
            return QObject::eventFilter(watched, event);
        event->ignore();
        return true;
    }
};

} // namespace

void TFormMain::AttachInstrumentWindows() {
    if (TFormMemoire* memoire = m_windows.FormMemoire) {
        connect(memoire, &QDialog::finished, this, [this] { setEnabled(true); });
        connect(memoire, &TFormMemoire::ExchangeStarted, this, &TFormMain::BeginExchange);
        connect(memoire, &TFormMemoire::ExchangeFinished, this, &TFormMain::EndExchange);
        connect(memoire, &TFormMemoire::AcquisitionDownloaded, this, [this] {
            OpenSession();
            DisplayAcquisition();
        });
    }
    if (m_windows.FormCommunication)
        connect(m_windows.FormCommunication, &QDialog::finished, this, [this] {
            setEnabled(true);
            ShowInstrumentKind();
        });
    AttachConfigurationWindows();
    ShowInstrumentKind();
}

void TFormMain::ShowInstrumentKind() {
    UpdateBlankHint();
    // Said plainly, so that nobody takes the demonstration's acquisitions for
    // measurements of their own.
    const bool simulated = IsSimulatedPortName(PortInUse());
    if (!simulated) {
        if (m_instrumentNote)
            statusBar()->hide();
        return;
    }
    if (!m_instrumentNote) {
        m_instrumentNote = new QLabel(statusBar());
        m_instrumentNote->setObjectName(QStringLiteral("InstrumentNote"));
        statusBar()->setObjectName(QStringLiteral("StatusBar"));
        statusBar()->setSizeGripEnabled(false);
        statusBar()->addWidget(m_instrumentNote, 1);
    }
    m_instrumentNote->setText(
        tr("Instrument simulé (démonstration) : les acquisitions lues ne sont pas des mesures "
           "réelles. Choisissez le port de l'instrument dans Instrument > Communications."));
    statusBar()->show();
}

QString TFormMain::PortInUse() const {
    return m_windows.FormRS232 ? m_windows.FormRS232->PortName()
                               : ReadSetting(m_context, SettingKeys::ComNumberSerial);
}

void TFormMain::UpdateBlankHint() {
    m_blankHint->SetTexts(MenuOpen->shortcut().toString(QKeySequence::NativeText), PortInUse());
}

void TFormMain::BlankHintLinkActivated(const QString& link) {
    if (link == QLatin1String(BlankWindowHint::OpenLink)) {
        MenuOpenClick();
        return;
    }
    if (TFormCommunication* communication = Windows().FormCommunication;
        link == QLatin1String(BlankWindowHint::DemonstrationLink) && communication) {
        communication->ChoosePort(QLatin1String(SimulatedPortName));
        ShowInstrumentKind();
    }
    MenuReadClick();
}

void TFormMain::BeginExchange() {
    LMDHiTimerAutoDetection->stop();
    if (!m_closeRefusal)
        m_closeRefusal = new CloseRefusal(this);
    installEventFilter(m_closeRefusal);
}

void TFormMain::EndExchange() {
    removeEventFilter(m_closeRefusal);
    LMDHiTimerAutoDetection->start();
}

void TFormMain::AccessButtons() {
    if (TFormConfig* config = Windows().FormConfig)
        config->AccessButtons();
    MenuRead->setEnabled(true);
    MenuInitialization->setEnabled(true);
}

void TFormMain::MenuCommunicationsClick() {
    if (TFormCommunication* communication = Windows().FormCommunication)
        ShowSecondaryWindow(*communication);
}

void TFormMain::MenuReadClick() {
    if (!Windows().FormMemoire || !m_windows.FormRS232)
        return;
    TFormMemoire& memoire = *m_windows.FormMemoire;
    BeginExchange();
    memoire.PrepareDirectoryRead();
    // "Oui" followed by a cancelled or failed save keeps the unsaved
    // download and stops here: reading would replace it.
    if (GuardUnsavedSession(MessageButtons::YesNo))
        ReadInstrumentMemory(memoire, *m_windows.FormRS232);
    EndExchange();
}

void TFormMain::ReadInstrumentMemory(TFormMemoire& memoire, TFormRS232& link) {
    // Nobody can cancel during this action; a flag left by an earlier
    // download must not give its failure a wrong name.
    m_context.CancelRequested = false;
    m_context.ChecksumFailed = false;
    // Disabled as well as under the hourglass: the menu must not start a
    // second action while this one waits for the instrument.
    setEnabled(false);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);

    if (!link.Connect()) {
        QGuiApplication::restoreOverrideCursor();
        setEnabled(true);
        m_dialogs.ShowMessage(this, ConnectionFailureText(m_context, link), MessageIcon::Warning,
                              MessageButtons::Ok);
        return;
    }

    memoire.BeginDirectoryRead();
    bool read = link.ReadMemoryCounts();
    if (read) {
        memoire.ShowMemoryCounts(m_context.StoredMeasurementCount,
                                 m_context.StoredAcquisitionCount);
        ShowSecondaryWindow(memoire);
        read = link.ReadParameters() && link.ReadAcquisitionDirectory();
    }
    // Read before "SL": saying goodbye runs receives of its own.
    const ExchangeFailure failure =
        read ? ExchangeFailure() : DescribeExchangeFailure(m_context, link);
    link.Disconnect();
    memoire.EndDirectoryRead();
    QGuiApplication::restoreOverrideCursor();
    if (read)
        return; // the main window stays disabled while the memory window is shown

    m_dialogs.ShowMessage(
        memoire.isVisible() ? static_cast<QWidget*>(&memoire) : this, failure.text,
        failure.cause == ExchangeFailure::Port ? MessageIcon::Error : MessageIcon::Information,
        MessageButtons::Ok);
    if (memoire.isVisible())
        memoire.close();
    setEnabled(true);
}
