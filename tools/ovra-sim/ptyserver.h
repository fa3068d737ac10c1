#pragma once

// Serves the simulated instrument on a pseudo-terminal, so that the program,
// the command-line tool and the end-to-end tests reach it through a real
// serial device. The program opens and closes the device for every action:
// the server sees each close as a hang-up, drops what was half received and
// waits for the next open, keeping the instrument's memory.

#include "sim/instrument.h"
#include "sim/line.h"

#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace sim {

class PtyServer : public QObject {
    Q_OBJECT
public:
    PtyServer(Instrument& instrument, Transcript& transcript, QObject* parent = nullptr);
    ~PtyServer() override;

    // Paces both directions at this rate (0: as fast as the terminal goes).
    void SetBaud(int baud);
    // Opens the pseudo-terminal; false with the reason in `error`.
    bool Start(QString& error);
    QString DevicePath() const { return m_devicePath; }

signals:
    // The instrument pulled the cable: the device is gone.
    void HungUp();

private:
    void ReadFromProgram();
    void PollForProgram();
    void ProgramGone();
    void WriteToProgram(const QByteArray& bytes);
    void FlushOutgoing();
    void CutLine();

    Instrument& m_instrument;
    Transcript& m_transcript;
    LineDirection m_toInstrument;
    LineDirection m_fromInstrument;
    int m_master = -1;
    QString m_devicePath;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    // While no program has the device open, the master side only reports a
    // hang-up, and a notifier would fire without end: look now and then.
    QTimer m_poll;
    bool m_programPresent = false;
    QByteArray m_outgoing;
};

} // namespace sim
