#include "link/linkmessages.h"

#include "link/rs232.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("LinkMessages", text);
}

QString WithReason(const QString& text, const QString& reason) {
    return reason.isEmpty() ? text : text + QLatin1Char('\n') + reason;
}

} // namespace

QString ConnectionFailureText(const TFormRS232& link) {
    return WithReason(Tr("Connexion impossible !"), link.FailureReason());
}

ExchangeFailure DescribeExchangeFailure(const Context& context, const TFormRS232& link) {
    if (link.CommunicationFailed())
        return {ExchangeFailure::Port,
                WithReason(Tr("Erreur de communication"), link.FailureReason())};
    if (context.CancelRequested)
        return {ExchangeFailure::Cancelled, Tr("Lecture annulée")};
    if (context.TimedOut)
        return {ExchangeFailure::TimedOut, Tr("Erreur de communication (TimeOut)")};
    if (context.ChecksumFailed)
        return {ExchangeFailure::Checksum, Tr("Erreur de communication (Checksum incorrect)")};
    return {ExchangeFailure::Other,
            WithReason(Tr("Erreur de communication"), link.FailureReason())};
}
