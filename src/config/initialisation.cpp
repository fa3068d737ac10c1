#include "config/initialisation.h"

#include "link/rs232.h"

#include <QCoreApplication>

namespace {

QString Quoted(const QString& value) {
    return QLatin1Char('"') + value + QLatin1Char('"');
}

class Sequence {
public:
    Sequence(TFormRS232& link, Context& context, InitialisationObserver& observer)
        : m_link(link)
        , m_context(context)
        , m_observer(observer) {}

    InitialisationResult Run(const ParameterSet& toSend);

private:
    void Warn(const QString& text, const QString& details = QString()) {
        m_observer.Tell({InitialisationMessage::Warning, text, details});
    }
    // The stage's words and the link's reason; a cancel says what the
    // instrument holds now instead.
    void ExchangeFailed(InitialisationOutcome outcome, const char* text) {
        m_result.outcome = outcome;
        m_result.failure = WordExchangeFailure(m_context, m_link,
                                               QCoreApplication::translate("TFormConfig", text));
        if (m_result.failure.cause == ExchangeFailure::Cancelled) {
            m_result.outcome = InitialisationOutcome::Cancelled;
            Warn(PartialSetText());
            return;
        }
        Warn(m_result.failure.text);
        Warn(InitialisationFailedText());
    }

    TFormRS232& m_link;
    Context& m_context;
    InitialisationObserver& m_observer;
    InitialisationResult m_result;
};

InitialisationResult Sequence::Run(const ParameterSet& toSend) {
    ::Session& session = m_context.Session;
    session.Parameters = toSend;
    if (!m_link.Connect()) {
        m_result.outcome = InitialisationOutcome::NoConnection;
        Warn(ConnectionFailureText(m_context, m_link));
        m_observer.StatusChanged(QString());
        return m_result;
    }

    m_observer.StatusChanged(QCoreApplication::translate("TFormConfig", "Envoi des paramètres..."));
    if (!m_link.WriteParameters()) {
        ExchangeFailed(InitialisationOutcome::WriteFailed,
                       QT_TRANSLATE_NOOP("TFormConfig", "Erreur de communication"));
    } else {
        m_observer.StatusChanged(
            QCoreApplication::translate("TFormConfig", "Vérification des paramètres..."));
        SaveParameters(session);
        if (!m_link.ReadParameters()) {
            ExchangeFailed(InitialisationOutcome::ReadBackFailed,
                           QT_TRANSLATE_NOOP("TFormConfig", "Erreur de communication (TimeOut)"));
        } else if (!ParametersMatchSaved(session)) {
            m_result.outcome = InitialisationOutcome::ReadBackDiffers;
            m_result.differences = DifferingParameters(session.SavedParameters, session.Parameters);
            Warn(InitialisationFailedText(), DifferenceLines(m_result.differences));
        } else if (m_context.CancelRequested) {
            // Asked to stop while the set was checked: the erase is the one
            // step that cannot be taken back.
            m_result.outcome = InitialisationOutcome::Cancelled;
            m_result.failure = DescribeExchangeFailure(m_context, m_link);
            Warn(QCoreApplication::translate(
                "TFormConfig", "Interrompu avant l'effacement : les paramètres sont "
                               "écrits et vérifiés, les mesures n'ont pas été effacées."));
        } else {
            m_observer.StatusChanged(
                QCoreApplication::translate("TFormConfig", "Effacement des mesures..."));
            if (m_link.EraseMeasurements()) {
                m_result.outcome = InitialisationOutcome::Succeeded;
                m_observer.Succeeded();
                m_observer.Tell(
                    {InitialisationMessage::Information, InitialisationSucceededText(), {}});
            } else {
                ExchangeFailed(
                    InitialisationOutcome::EraseFailed,
                    QT_TRANSLATE_NOOP("TFormConfig", "Erreur de communication (TimeOut)"));
            }
        }
    }
    m_link.Disconnect();
    m_observer.StatusChanged(QString());
    return m_result;
}

} // namespace

QString InitialisationFailedText() {
    // Line feed then carriage return between the sentences, as the instrument
    // program has always shown it.
    return QCoreApplication::translate("TFormConfig",
                                       "L'initialisation a échoué.\n\rVeuillez recommencer.");
}

QString PartialSetText() {
    return QCoreApplication::translate(
        "TFormConfig", "Envoi des paramètres interrompu : l'instrument garde maintenant un jeu "
                       "incomplet, que la même commande relancée rétablit. Les mesures n'ont pas "
                       "été effacées.");
}

QString InitialisationSucceededText() {
    return QCoreApplication::translate("TFormConfig", "Initialisation réussie");
}

InitialisationResult RunInitialisation(TFormRS232& link, Context& context,
                                       const ParameterSet& toSend,
                                       InitialisationObserver& observer) {
    return Sequence(link, context, observer).Run(toSend);
}

void SaveParameters(::Session& session) {
    session.SavedParameters = session.Parameters;
}

bool ParametersMatchSaved(const ::Session& session) {
    return session.Parameters == session.SavedParameters;
}

std::vector<ParameterDifference> DifferingParameters(const ParameterSet& sent,
                                                     const ParameterSet& readBack) {
    std::vector<ParameterDifference> differences;
    for (int i = 0; i < ParameterCount; ++i) {
        if (sent[i] != readBack[i])
            differences.push_back({i, ParameterNames()[i], sent[i], readBack[i]});
    }
    return differences;
}

QString DifferenceLines(const std::vector<ParameterDifference>& differences) {
    QStringList lines;
    for (const ParameterDifference& difference : differences) {
        lines << QCoreApplication::translate("TFormConfig", "%1 %2 : envoyé %3, relu %4")
                     .arg(difference.index + 1)
                     .arg(difference.name, Quoted(difference.sent), Quoted(difference.readBack));
    }
    return lines.join(QLatin1Char('\n'));
}
