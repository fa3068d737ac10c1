#pragma once

// What the user is told when an instrument action fails. The windows and the
// command-line tool both take their messages from here, so that both say the
// same thing.

#include "data/varia.h"

#include <QString>

class TFormRS232;

// "Connexion impossible !", followed by why when the link knows it (the port
// does not exist, no permission on the device and how to get it, the
// instrument did not identify itself), then where the port is chosen and the
// demonstration instrument that works without one.
QString ConnectionFailureText(const Context& context, const TFormRS232& link);

struct ExchangeFailure {
    enum Cause {
        None,
        Port,      // the port failed or a reply made no sense: an error
        Cancelled, // the user's cancel
        TimedOut,
        Checksum,
        Other, // the link's reason, a parameter value too long for one
    };
    Cause cause = None;
    QString text;
};

// The first cause that applies: the port or a reply ("Erreur de
// communication" and the reason), the user's cancel ("Lecture annulée"), a
// time-out, a checksum, and otherwise "Erreur de communication" with the
// link's reason.
ExchangeFailure DescribeExchangeFailure(const Context& context, const TFormRS232& link);

// A failed exchange in the words of the stage that failed (`stageText`, as
// "Erreur de communication (TimeOut)"), then the link's reason on a line of
// its own when it has one: the one wording of the windows and the tool. A
// failed port and a cancel keep their own texts.
ExchangeFailure WordExchangeFailure(const Context& context, const TFormRS232& link,
                                    const QString& stageText);
