#pragma once

// The terminal side of an instrument action in the command-line tool: one
// progress line on standard error, rewritten in place, naming the phase
// ("Mémoire", "Paramètres", "Répertoire", "Mesures 12/40") with its percentage
// and the remaining time, only when standard error is a terminal; and Ctrl-C
// turned into the cancel request of the memory window's "Annuler".

#include "data/varia.h"
#include "link/rs232.h"

#include <QObject>
#include <QTimer>

bool StandardErrorIsTerminal();

class InstrumentConsole : public QObject {
    Q_OBJECT
public:
    InstrumentConsole(TFormRS232& link, Context& context);
    ~InstrumentConsole() override;

    // The next operation's name; `count` > 0 counts its steps ("Mesures 3/40").
    void SetPhase(const QString& name, int count = 0);
    // The line goes, so that a result or a message starts on a clean line.
    void Clear();

    // Ctrl-C was pressed: the action is to end as cancelled.
    bool Interrupted() const;

private:
    void Progress(int percent);
    void Show();
    void CheckInterrupt();

    Context& m_context;
    bool m_terminal = false;
    QString m_phase;
    int m_count = 0;
    int m_done = 0;
    int m_percent = 0;
    QString m_remaining;
    int m_shownWidth = 0;
    QTimer m_interruptCheck;
};
