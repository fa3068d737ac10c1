#pragma once

// ovra-sim run by a test: started with its arguments, its device path taken
// from its first line of output, and ended by its process id when the test
// is done with it.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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

// ovra run with a settings file that selects French (without one it speaks
// English, the default), in the data folder where it looks for "ovra.ini":
// the tests that look for the built-in French messages run it so.
inline QProcessEnvironment FrenchSettings() {
    static QTemporaryDir home;
    static const bool written = [] {
        QDir().mkpath(home.filePath(QStringLiteral("Tarvel/OvraView2")));
        QFile settings(home.filePath(QStringLiteral("Tarvel/OvraView2/ovra.ini")));
        return settings.open(QIODevice::WriteOnly) &&
               settings.write("[LANGUAGE]\r\nLangue=Francais\r\n") > 0;
    }();
    Q_UNUSED(written);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    return environment;
}
