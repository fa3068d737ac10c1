#pragma once

// ovra-sim run by a test: started with its arguments, its device path taken
// from its first line of output, and ended by its process id when the test
// is done with it.

#include <QProcess>
#include <QString>
#include <QStringList>

class SimulatorProcess {
public:
    explicit SimulatorProcess(const QStringList& arguments) {
        m_process.setProgram(QStringLiteral(OVRA_BINARY_DIR "/ovra-sim"));
        m_process.setArguments(arguments);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(5000))
                return;
        }
        device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~SimulatorProcess() {
        m_process.terminate(); // SIGTERM to its process id
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // What it said on its standard error: why it did not start, for one.
    QByteArray Errors() { return m_process.readAllStandardError(); }

    QString device; // empty when it did not start
private:
    QProcess m_process;
};
