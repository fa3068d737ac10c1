#pragma once

// What the windows tell the user when an instrument action fails, with the
// same rules as the command-line tool, so that both say the same thing.

#include "data/varia.h"

#include <QString>

class TFormRS232;

// "Connexion impossible !", followed by why when the link knows it (the port
// does not exist, no permission on the device and how to get it, the
// instrument did not identify itself).
QString ConnectionFailureText(const TFormRS232& link);

struct ExchangeFailure {
    QString text;
    // The port failed or a reply made no sense: an error rather than the
    // instrument's expected failures (time-out, checksum, cancel).
    bool communicationFailed = false;
};

// The first cause that applies: the port or a reply ("Erreur de
// communication" and the reason), the user's cancel ("Lecture annulée"), a
// time-out, a checksum, and otherwise "Erreur de communication" with the
// link's reason (a parameter value too long, for one).
ExchangeFailure DescribeExchangeFailure(const Context& context, const TFormRS232& link);
