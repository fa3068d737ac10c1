#include "ui/startup.h"

#include "ui/about.h"
#include "ui/clock.h"
#include "ui/comm.h"
#include "ui/config.h"
#include "ui/dialogservice.h"
#include "ui/directory.h"
#include "ui/main.h"
#include "ui/memoire.h"
#include "ui/print.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

void ReadCommandLine(Context& context, const QStringList& arguments) {
    context.CommandLinePending = !arguments.isEmpty();
    // Made absolute now: the current directory may change to the program
    // directory before the file is opened.
    context.CommandLineFile =
        arguments.isEmpty() || arguments.first().isEmpty()
            ? QString()
            : QDir::toNativeSeparators(QFileInfo(arguments.first()).absoluteFilePath());
}

void ApplyProgramDirectory(Context& context, const ProgramDirectoryLookup& lookup) {
    context.ProgramDirectory = lookup.directory;
    // Relative file names of the other windows resolve there; a directory
    // that cannot be entered is not an error.
    if (lookup.fromStore && !lookup.directory.isEmpty())
        QDir::setCurrent(lookup.directory);
}

bool CheckScreenSize(const QSize& screen, DialogService& dialogs) {
    if (screen.width() >= MinimumScreenSize.width() &&
        screen.height() >= MinimumScreenSize.height())
        return true;
    dialogs.ShowError(nullptr, QCoreApplication::translate(
                                   "Startup", "Ce logiciel requiert une résolution d'écran "
                                              "minimum de 1024x600"));
    return false;
}

ProgramWindows::ProgramWindows(Context& context, DialogService& dialogs) {
    FormMain = std::make_unique<TFormMain>(context, dialogs);
    FormAbout = std::make_unique<TFormAbout>();
    FormClock = std::make_unique<TFormClock>(context, dialogs);
    FormDirectory = std::make_unique<TFormDirectory>(context, dialogs);
    FormPrint = std::make_unique<TFormPrint>(context, dialogs);
    FormMemoire = std::make_unique<TFormMemoire>(context, dialogs);
    // The serial link TFormRS232 comes here, before the port window that
    // applies the stored port to it.
    FormCommunication = std::make_unique<TFormCommunication>(context, dialogs);
    FormConfig = std::make_unique<TFormConfig>(context, dialogs);

    SecondaryWindows secondary;
    secondary.FormAbout = FormAbout.get();
    secondary.FormClock = FormClock.get();
    secondary.FormDirectory = FormDirectory.get();
    secondary.FormPrint = FormPrint.get();
    secondary.FormMemoire = FormMemoire.get();
    secondary.FormCommunication = FormCommunication.get();
    secondary.FormConfig = FormConfig.get();
    FormMain->AttachWindows(secondary);
}

// The secondary windows go first: the main window is the last to leave.
ProgramWindows::~ProgramWindows() {
    FormConfig.reset();
    FormCommunication.reset();
    FormMemoire.reset();
    FormPrint.reset();
    FormDirectory.reset();
    FormClock.reset();
    FormAbout.reset();
    FormMain.reset();
}
