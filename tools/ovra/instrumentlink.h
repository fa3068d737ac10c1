#pragma once

// One instrument action of the command-line tool: the link on the chosen
// port, the connection, and the message and exit code of a failure, as the
// windows tell them.

#include "commands.h"

#include "data/varia.h"
#include "link/rs232.h"

class InstrumentAction {
public:
    // The port is "--port DEVICE", else the one of the settings file.
    explicit InstrumentAction(const CommandLine& line);

    Context& context() { return m_context; }
    TFormRS232& link() { return m_link; }

    // ExitSuccess, or ExitNoConnection after saying "Connexion impossible !".
    int Connect();
    // After a failed operation: says why, ends the connection, gives the code.
    int Fail();
    void Disconnect();

private:
    Context m_context;
    TFormRS232 m_link;
};

// Writes the text to standard output; false when it cannot.
bool PrintOut(const QString& text);
void PrintError(const QString& text);
