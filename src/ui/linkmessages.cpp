#include "ui/linkmessages.h"

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
        return {WithReason(Tr("Erreur de communication"), link.FailureReason()), true};
    if (context.CancelRequested)
        return {Tr("Lecture annulée"), false};
    if (context.TimedOut)
        return {Tr("Erreur de communication (TimeOut)"), false};
    if (context.ChecksumFailed)
        return {Tr("Erreur de communication (Checksum incorrect)"), false};
    return {WithReason(Tr("Erreur de communication"), link.FailureReason()), false};
}
