#pragma once

// The steps of the program's start that the entry runs in order, kept here so
// that the tests and the start-up benchmark run the very same steps.

#include "data/varia.h"
#include "link/port.h"
#include "settings/settings.h"

#include <QSize>
#include <QStringList>

#include <memory>

class DialogService;
class LanguageModules;
class TFormAbout;
class TFormClock;
class TFormCommunication;
class TFormConfig;
class TFormDirectory;
class TFormMain;
class TFormMemoire;
class TFormPrint;
class TFormRS232;

inline constexpr QSize MinimumScreenSize{1024, 600};

// The program's own options, taken out of the arguments (after the program's
// own name) before the file to open: "--program-directory DIR". Qt's own
// start options (-platform ...) are passed over; any other argument that
// begins with "-" is an unknown option, unless "--" came before it. The rest
// is left for ReadCommandLine.
struct ProgramOptions {
    QString programDirectory; // empty when not given
    QStringList rest;
    QString error;     // a usage error, naming what is wrong
    QStringList given; // the program's options as read, for a restart in another language
};
ProgramOptions ReadProgramOptions(const QStringList& arguments);

// The first argument (after the program's own name) is the file to open at
// the first activation; further arguments are ignored.
void ReadCommandLine(Context& context, const QStringList& arguments);

// ProgramDirectory as found (FindProgramDirectory) or given on the command
// line. A directory from a settings store or the command line also becomes
// the current directory; the user's data folder is created when missing.
void ApplyProgramDirectory(Context& context, const ProgramDirectoryLookup& lookup);

// False, after telling the user, when the screen is below 1024 x 600.
bool CheckScreenSize(const QSize& screen, DialogService& dialogs);

// Every window of the program, created once, in order, and never destroyed
// before the end of the run, with the serial link in its place among them.
// The program shows its main window before it makes the others, which the
// first paint does not need; a test gets them all at once.
enum class SecondaryWindowsMade { AtOnce, AfterFirstPaint };
struct ProgramWindows {
    // Without a port, the link uses the real serial port, or the built-in
    // demonstration instrument for its port name; a test hands it its own
    // simulated instrument.
    // The language modules are looked for beside `programFile`; by default
    // the running executable.
    ProgramWindows(Context& context, DialogService& dialogs,
                   std::unique_ptr<SerialPort> port = nullptr,
                   const QString& programFile = QString(),
                   SecondaryWindowsMade made = SecondaryWindowsMade::AtOnce);
    ~ProgramWindows();

    // First, so that every text of every window is looked up through it.
    std::unique_ptr<LanguageModules> Languages;
    std::unique_ptr<TFormMain> FormMain;
    std::unique_ptr<TFormAbout> FormAbout;
    std::unique_ptr<TFormClock> FormClock;
    std::unique_ptr<TFormDirectory> FormDirectory;
    std::unique_ptr<TFormPrint> FormPrint;
    std::unique_ptr<TFormMemoire> FormMemoire;
    std::unique_ptr<TFormRS232> FormRS232;
    std::unique_ptr<TFormCommunication> FormCommunication;
    std::unique_ptr<TFormConfig> FormConfig;

private:
    void MakeSecondaryWindows(Context& context, DialogService& dialogs,
                              std::unique_ptr<SerialPort> port);
    // A test's port, until the secondary windows make the link.
    std::unique_ptr<SerialPort> m_waitingPort;
};
