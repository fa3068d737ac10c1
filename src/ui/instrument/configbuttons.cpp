// The configuration window's buttons: "Lecture" and "Ecriture" (one
// connection each), "Initialiser" (the initialisation sequence shared with
// the command-line tool), "Sauver" and "Charger" (parameter files), "Fermer".
// Every exchange stops the main window's auto-detection timer first and
// starts it again last, so that the buttons it enables stay disabled
// meanwhile.

#include "ui/instrument/config.h"

#include "config/encodings.h"
#include "config/initialisation.h"
#include "config/parameterfile.h"
#include "config/parametertable.h"
#include "config/parametervalues.h"
#include "link/linkmessages.h"
#include "link/rs232.h"
#include "ui/dialogs/dialogservice.h"
#include "ui/instrument/configfield.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>

#include <functional>

namespace {

class CallbackObserver : public InitialisationObserver {
public:
    std::function<void(const QString&)> status;
    std::function<void(const InitialisationMessage&)> tell;
    std::function<void()> succeeded;

    void StatusChanged(const QString& text) override { status(text); }
    void Tell(const InitialisationMessage& message) override { tell(message); }
    void Succeeded() override { succeeded(); }
};

// The stage's words and the link's reason; a failed port is an error.
std::pair<QString, MessageIcon> WordedFailure(const Context& context, const TFormRS232& link,
                                              const QString& text) {
    const ExchangeFailure failure = WordExchangeFailure(context, link, text);
    return {failure.text,
            failure.cause == ExchangeFailure::Port ? MessageIcon::Error : MessageIcon::Warning};
}

} // namespace

void TFormConfig::SetBusyCursors(QPushButton* button, bool busy) {
    if (busy) {
        setCursor(Qt::WaitCursor);
        button->setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
        button->unsetCursor();
    }
}

void TFormConfig::BeginReadWrite(QPushButton* button) {
    m_exchangeRunning = true;
    emit ExchangeStarted();
    ButtonWrite->setEnabled(false);
    ButtonRead->setEnabled(false);
    SetBusyCursors(button, true);
}

void TFormConfig::EndReadWrite(QPushButton* button) {
    SetStatus(QString());
    SetBusyCursors(button, false);
    ButtonWrite->setEnabled(true);
    ButtonRead->setEnabled(true);
    AccessButtons();
    m_exchangeRunning = false;
    emit ExchangeFinished();
}

void TFormConfig::Tell(const QString& text, MessageIcon icon) {
    // After "Initialiser" succeeded the window is already closed.
    m_dialogs.ShowMessage(isVisible() ? this : QApplication::activeWindow(), text, icon,
                          MessageButtons::Ok);
}

void TFormConfig::ButtonReadClick() {
    if (!m_link || m_exchangeRunning)
        return;
    BeginReadWrite(ButtonRead);
    if (!m_link->Connect()) {
        Tell(ConnectionFailureText(m_context, *m_link), MessageIcon::Warning);
    } else {
        SetStatus(tr("Lecture des paramètres..."));
        Session& session = m_context.Session;
        // A read that fails leaves the set half cleared; the hidden entries,
        // which no field holds, would be lost with it at the next store.
        const ParameterSet before = session.Parameters;
        const QString version = session.SoftwareVersion;
        if (m_link->ReadParameters()) {
            const QStringList failures = DisplayParameters();
            if (!failures.isEmpty())
                TellConversion(failures);
            Tell(tr("Lecture des paramètres terminée"), MessageIcon::Warning);
        } else {
            auto [text, icon] =
                WordedFailure(m_context, *m_link, tr("Erreur de communication (TimeOut)"));
            // The one failure after which the instrument can still be repaired.
            if (!m_link->OverlongParameters().empty())
                text += QLatin1Char('\n') +
                        tr("« Ecriture » remplace le jeu de l'instrument par celui affiché.");
            session.Parameters = before;
            session.SoftwareVersion = version;
            Tell(text, icon);
        }
        m_link->Disconnect();
        ResetProgress();
    }
    EndReadWrite(ButtonRead);
}

void TFormConfig::ButtonWriteClick() {
    if (!m_link || m_exchangeRunning)
        return;
    BeginReadWrite(ButtonWrite);
    const QString conversion = StoreParameters();
    if (!conversion.isEmpty()) {
        TellConversion({conversion});
    } else if (!m_link->Connect()) {
        Tell(ConnectionFailureText(m_context, *m_link), MessageIcon::Warning);
    } else {
        SetStatus(tr("Effacement des paramètres..."));
        SetStatus(tr("Envoi des paramètres..."));
        if (m_link->WriteParameters()) {
            // The instrument takes the new set on a new connection.
            m_link->Disconnect();
            m_link->Connect();
            Tell(tr("Ecriture des paramètres terminée"), MessageIcon::Warning);
        } else {
            const auto [text, icon] =
                WordedFailure(m_context, *m_link, tr("Erreur de communication"));
            Tell(text, icon);
        }
        m_link->Disconnect();
        ResetProgress();
    }
    EndReadWrite(ButtonWrite);
}

void TFormConfig::ButtonInitializeClick() {
    if (!m_link || m_exchangeRunning)
        return;
    m_exchangeRunning = true;
    emit ExchangeStarted();
    ButtonInitialize->setEnabled(false);
    ButtonClose->setEnabled(false);
    SetBusyCursors(ButtonInitialize, true);

    // The launch is the moment of this click, not of the window's opening.
    const QDateTime now = m_context.Now();
    SetParameterFieldText(Field(LaunchDateIndex), LaunchDateText(now));
    SetParameterFieldText(Field(LaunchHourIndex), LaunchHourText(now));
    const QString conversion = StoreParameters();
    if (!conversion.isEmpty()) {
        TellConversion({conversion});
    } else if (ConfirmErase()) {
        CallbackObserver observer;
        observer.status = [this](const QString& text) {
            SetStatus(text);
        };
        observer.tell = [this](const InitialisationMessage& message) {
            const MessageIcon icon = message.kind == InitialisationMessage::Information
                                         ? MessageIcon::Information
                                         : MessageIcon::Warning;
            m_dialogs.ShowDetailedMessage(isVisible() ? this : QApplication::activeWindow(),
                                          message.text, message.details, icon, MessageButtons::Ok);
        };
        observer.succeeded = [this] {
            // Closed by the program (the hide step writes the settings file);
            // the user's close is what the running exchange refuses.
            m_exchangeRunning = false;
            close();
        };
        RunInitialisation(*m_link, m_context, m_context.Session.Parameters, observer);
    }

    SetStatus(QString());
    ResetProgress();
    SetBusyCursors(ButtonInitialize, false);
    AccessButtons();
    m_exchangeRunning = false;
    emit ExchangeFinished();
}

bool TFormConfig::ConfirmErase() {
    // Counted on a connection of its own, at the moment of asking.
    if (!m_link->Connect()) {
        Tell(ConnectionFailureText(m_context, *m_link), MessageIcon::Warning);
        return false;
    }
    const bool counted = m_link->ReadMemoryCounts();
    m_link->Disconnect();
    if (!counted) {
        const auto [text, icon] =
            WordedFailure(m_context, *m_link, tr("Erreur de communication (TimeOut)"));
        Tell(text, icon);
        return false;
    }
    QString session;
    switch (m_context.Session.SessionState) {
    case SessionEmpty:
        session = tr("Aucune session n'est affichée.");
        break;
    case SessionUnsaved:
        session = tr("La session affichée n'est pas enregistrée.");
        break;
    case SessionSaved:
        session = tr("La session affichée est enregistrée.");
        break;
    }
    const QString question =
        tr("L'initialisation efface les %1 mesure(s) gardées dans l'instrument.\n%2\nContinuer ?")
            .arg(m_context.StoredMeasurementCount)
            .arg(session);
    return m_dialogs.ShowMessage(this, question, MessageIcon::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

void TFormConfig::ButtonSaveClick() {
    if (m_exchangeRunning)
        return;
    FileDialogRequest request;
    request.caption = tr("Sauver");
    request.directory = m_parameterDirectory;
    request.filter = QLatin1String(ParameterFileFilter);
    request.defaultSuffix = QStringLiteral("par");
    request.confirmOverwrite = true;
    const QString path = m_dialogs.AskSaveFileName(this, request);
    if (path.isEmpty())
        return;
    m_parameterDirectory = QFileInfo(path).absolutePath();
    ButtonSave->setCursor(Qt::WaitCursor);
    const QString conversion = StoreParameters();
    if (!conversion.isEmpty())
        TellConversion({conversion});
    else if (!SaveParameterFile(path, m_context.Session.Parameters))
        m_dialogs.ShowError(this, ParameterFileWriteRefused(path));
    ButtonSave->unsetCursor();
}

void TFormConfig::ButtonLoadClick() {
    if (m_exchangeRunning)
        return;
    FileDialogRequest request;
    request.caption = tr("Charger");
    request.directory = m_parameterDirectory;
    request.filter = QLatin1String(ParameterFileFilter);
    request.defaultSuffix = QStringLiteral("par");
    request.confirmOverwrite = false;
    const QString path = m_dialogs.ChooseOpenFile(this, request);
    if (path.isEmpty())
        return;
    m_parameterDirectory = QFileInfo(path).absolutePath();
    ButtonLoad->setCursor(Qt::WaitCursor);
    const ParameterFileContent content = LoadParameterFile(path);
    ButtonLoad->unsetCursor();
    if (!content.readable) {
        m_dialogs.ShowError(
            this, tr("Le fichier %1 n'a pas pu être lu.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    // A set that could not be sent is not shown as if it could.
    if (const std::vector<RefusedValue> refused = RefusedParameterValues(content.values);
        !refused.empty()) {
        m_dialogs.ShowError(this,
                            tr("Le fichier %1 contient des valeurs que l'instrument ne "
                               "pourrait pas relire ; rien n'a été chargé.\n%2")
                                .arg(QDir::toNativeSeparators(path), RefusedValuesText(refused)));
        return;
    }
    m_context.Session.Parameters = content.values;
    const QStringList failures = DisplayParameters();
    if (!failures.isEmpty())
        TellConversion(failures);
}
