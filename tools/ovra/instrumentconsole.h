#pragma once

// The terminal side of a download in the command-line tool: progress and the
// remaining time on standard error when it is a terminal, and Ctrl-C turned
// into the cancel request of the memory window's "Annuler".

#include "data/varia.h"
#include "link/rs232.h"

#include <QObject>
#include <QTimer>

bool StandardErrorIsTerminal();

class DownloadConsole : public QObject {
    Q_OBJECT
public:
    DownloadConsole(TFormRS232& link, Context& context);
    ~DownloadConsole() override;

    // Ctrl-C was pressed: the action is to end as cancelled.
    bool Interrupted() const;

private:
    void Show();
    void CheckInterrupt();

    Context& m_context;
    bool m_terminal = false;
    bool m_shown = false;
    int m_percent = 0;
    QString m_remaining;
    QTimer m_interruptCheck;
};
