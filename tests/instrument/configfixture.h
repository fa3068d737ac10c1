#pragma once

// The program on the simulated instrument, with what the tests of the clock
// and configuration windows reach for: the two windows, their controls, the
// menu items that open them, and the commands the program sent.

#include "programfixture.h"

#include "data/fichiers.h"
#include "ui/instrument/clock.h"
#include "ui/instrument/config.h"

#include <QByteArrayList>
#include <QPushButton>

class ConfigProgram : public ProgramFixture {
public:
    ConfigProgram(Context& context, ScriptedDialogs& dialogs,
                  sim::InstrumentMemory memory = ThreeAcquisitions())
        : ProgramFixture(context, dialogs, std::move(memory)) {
        Device().SetEraseStepMs(1);
    }

    TFormConfig& Config() { return *windows->FormConfig; }
    TFormClock& Clock() { return *windows->FormClock; }
    template <typename T> T* InConfig(const char* name) { return Child<T>(Config(), name); }
    template <typename T> T* InClock(const char* name) { return Child<T>(Clock(), name); }
    void Menu(const char* name) { Child<QAction>(Main(), name)->trigger(); }

    // A measurement file opened as the user does, through "Ouvrir".
    void OpenSample(ScriptedDialogs& dialogs, const QString& sample) {
        dialogs.QueuePath(SamplePath(sample));
        Menu("MenuOpen");
    }

    // Instrument > Initialisation, then "Conserver": the configuration
    // window in ModeInitialisation.
    void OpenInitialisation() {
        Menu("MenuInitialization");
        InClock<QPushButton>("ButtonKeep")->click();
    }

    // The two-letter commands sent, each run of one command told once
    // ("SH" 65 times is one "SH").
    QByteArrayList Commands() const {
        QByteArrayList commands;
        for (const QByteArray& write : port->Writes()) {
            const bool command =
                write.size() == 2 && std::isupper(uchar(write[0])) && std::isupper(uchar(write[1]));
            if (command && (commands.isEmpty() || commands.last() != write))
                commands << write;
        }
        return commands;
    }
};
