#include "link/linkmessages.h"

#include "link/portselect.h"
#include "link/rs232.h"

#include <QCoreApplication>

namespace {

QString WithReason(const QString& text, const QString& reason) {
    return reason.isEmpty() ? text : text + QLatin1Char('\n') + reason;
}

} // namespace

QString ConnectionFailureText(const Context& context, const TFormRS232& link) {
    // A first user has no instrument at hand, or a port name that is a guess.
    const QString where =
        context.PortChosenOnCommandLine
            ? QCoreApplication::translate(
                  "LinkMessages", "Le port se choisit avec --port ; --port %1 est un instrument "
                                  "de démonstration.")
            : QCoreApplication::translate("LinkMessages",
                                          "Le port se choisit dans Instrument > Communications ; "
                                          "« %1 » y est un instrument de démonstration.");
    return WithReason(
        WithReason(QCoreApplication::translate("LinkMessages", "Connexion impossible !"),
                   link.FailureReason()),
        where.arg(QLatin1String(SimulatedPortName)));
}

ExchangeFailure DescribeExchangeFailure(const Context& context, const TFormRS232& link) {
    if (link.CommunicationFailed())
        return {ExchangeFailure::Port,
                WithReason(QCoreApplication::translate("LinkMessages", "Erreur de communication"),
                           link.FailureReason())};
    if (context.CancelRequested)
        return {ExchangeFailure::Cancelled,
                QCoreApplication::translate("LinkMessages", "Lecture annulée")};
    if (context.TimedOut)
        return {ExchangeFailure::TimedOut,
                QCoreApplication::translate("LinkMessages", "Erreur de communication (TimeOut)")};
    if (context.ChecksumFailed)
        return {ExchangeFailure::Checksum,
                QCoreApplication::translate("LinkMessages",
                                            "Erreur de communication (Checksum incorrect)")};
    return {ExchangeFailure::Other,
            WithReason(QCoreApplication::translate("LinkMessages", "Erreur de communication"),
                       link.FailureReason())};
}

ExchangeFailure WordExchangeFailure(const Context& context, const TFormRS232& link,
                                    const QString& stageText) {
    ExchangeFailure failure = DescribeExchangeFailure(context, link);
    if (failure.cause != ExchangeFailure::Port && failure.cause != ExchangeFailure::Cancelled)
        failure.text = WithReason(stageText, link.FailureReason());
    return failure;
}
