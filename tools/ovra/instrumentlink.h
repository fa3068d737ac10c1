#pragma once

// One instrument action of the command-line tool: the link on the chosen
// port, the connection, and the message and exit code of a failure, as the
// windows tell them.

#include "arguments.h"
#include "commands.h"

#include "data/varia.h"
#include "link/rs232.h"

class InstrumentAction {
public:
    // The port is "--port DEVICE", else the one of the settings file in the
    // program directory ("--program-directory DIR", else as the window finds it).
    explicit InstrumentAction(const CommandLine& line);

    Context& context() { return m_context; }
    TFormRS232& link() { return m_link; }

    // ExitSuccess, or ExitNoConnection after saying "Connexion impossible !".
    int Connect();
    // After a failed operation: says why, ends the connection, gives the code.
    int Fail();
    void Disconnect();
    // "DEVICE : text": every message says which device it is about.
    QString AboutDevice(const QString& text) const;

private:
    Context m_context;
    TFormRS232 m_link;
    // Neither --port nor a port in the settings: the platform's default was tried.
    bool m_defaultPortTried = false;
};
