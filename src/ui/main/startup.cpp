#include "ui/main/startup.h"

#include "link/rs232.h"
#include "settings/language.h"
#include "sim/demonstration.h"
#include "ui/dialogs/about.h"
#include "ui/dialogs/dialogservice.h"
#include "ui/dialogs/directory.h"
#include "ui/dialogs/print.h"
#include "ui/instrument/clock.h"
#include "ui/instrument/comm.h"
#include "ui/instrument/config.h"
#include "ui/instrument/memoire.h"
#include "ui/main/main.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Qt's own start options, which QApplication takes out of the arguments;
// they are let through here so that they reach it. Qt accepts them with one
// dash or two.
constexpr const char* QtOptionsWithValue[] = {"platform",
                                              "platformpluginpath",
                                              "platformtheme",
                                              "plugin",
                                              "qwindowgeometry",
                                              "qwindowicon",
                                              "qwindowtitle",
                                              "display",
                                              "geometry",
                                              "title",
                                              "icon",
                                              "name",
                                              "session",
                                              "style",
                                              "stylesheet"};
constexpr const char* QtSwitches[] = {"reverse", "nograb", "dograb", "widgetcount", "testability"};

// How many arguments a Qt option at `i` takes up with its value; 0 when it is not one.
int QtOptionLength(const QStringList& arguments, int i) {
    QString name = arguments.at(i).mid(arguments.at(i).startsWith(QLatin1String("--")) ? 2 : 1);
    if (name.startsWith(QLatin1String("qmljsdebugger=")))
        return 1;
    const bool joinedValue = name.contains(QLatin1Char('='));
    name = name.section(QLatin1Char('='), 0, 0);
    for (const char* option : QtOptionsWithValue)
        if (name == QLatin1String(option))
            return joinedValue || i + 1 == arguments.size() ? 1 : 2;
    for (const char* option : QtSwitches)
        if (name == QLatin1String(option) && !joinedValue)
            return 1;
    return 0;
}

} // namespace

ProgramOptions ReadProgramOptions(const QStringList& arguments) {
    ProgramOptions options;
    const QString option = QStringLiteral("--program-directory");
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size() && options.error.isEmpty(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument.size() == 1) {
            options.rest << argument;
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true; // a file name that begins with "-" follows
        } else if (const int length = QtOptionLength(arguments, i); length > 0) {
            options.given << arguments.mid(i, length);
            i += length - 1;
        } else if (argument != option) {
            // Opened as a file, a mistyped option would only say "file not found".
            options.error =
                QCoreApplication::translate("ProgramOptions", "option inconnue %1").arg(argument);
        } else if (!options.programDirectory.isEmpty()) {
            options.error =
                QCoreApplication::translate("ProgramOptions", "option %1 donnée deux fois")
                    .arg(option);
        } else if (++i == arguments.size() || arguments.at(i).isEmpty()) {
            options.error =
                QCoreApplication::translate("ProgramOptions", "l'option %1 attend une valeur")
                    .arg(option);
        } else if (!QFileInfo(arguments.at(i)).isDir()) {
            // A mistyped directory would quietly start with empty settings.
            options.error =
                QCoreApplication::translate("ProgramOptions", "%1 %2 : dossier inexistant")
                    .arg(option, arguments.at(i));
        } else {
            options.programDirectory = QFileInfo(arguments.at(i)).absoluteFilePath();
            options.given << option << options.programDirectory;
        }
    }
    return options;
}

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
    // Made at the first start, so that the first setting written finds it.
    if (lookup.dataFolder)
        QDir().mkpath(lookup.directory);
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

ProgramWindows::ProgramWindows(Context& context, DialogService& dialogs,
                               std::unique_ptr<SerialPort> port, const QString& programFile,
                               SecondaryWindowsMade made) {
    Languages = std::make_unique<LanguageModules>(
        programFile.isEmpty() ? QCoreApplication::applicationFilePath() : programFile);
    FormMain = std::make_unique<TFormMain>(context, dialogs, Languages.get());
    if (made == SecondaryWindowsMade::AtOnce) {
        MakeSecondaryWindows(context, dialogs, std::move(port));
        return;
    }
    m_waitingPort = std::move(port);
    FormMain->MakeWindowsAfterFirstPaint([this, &context, &dialogs] {
        MakeSecondaryWindows(context, dialogs, std::move(m_waitingPort));
    });
}

void ProgramWindows::MakeSecondaryWindows(Context& context, DialogService& dialogs,
                                          std::unique_ptr<SerialPort> port) {
    FormAbout = std::make_unique<TFormAbout>();
    FormClock = std::make_unique<TFormClock>(context, dialogs);
    FormDirectory = std::make_unique<TFormDirectory>(context, dialogs);
    FormPrint = std::make_unique<TFormPrint>(context, dialogs);
    FormMemoire = std::make_unique<TFormMemoire>(context, dialogs);
    // The link comes before the port window, which applies the stored port to it.
    FormRS232 =
        std::make_unique<TFormRS232>(context, port ? std::move(port) : sim::MakeInstrumentPort());
    FormMemoire->AttachLink(*FormRS232);
    FormClock->AttachLink(*FormRS232);
    FormCommunication = std::make_unique<TFormCommunication>(context, dialogs, *FormRS232);
    FormConfig = std::make_unique<TFormConfig>(context, dialogs);
    FormConfig->AttachLink(*FormRS232);

    SecondaryWindows secondary;
    secondary.FormAbout = FormAbout.get();
    secondary.FormClock = FormClock.get();
    secondary.FormDirectory = FormDirectory.get();
    secondary.FormPrint = FormPrint.get();
    secondary.FormMemoire = FormMemoire.get();
    secondary.FormRS232 = FormRS232.get();
    secondary.FormCommunication = FormCommunication.get();
    secondary.FormConfig = FormConfig.get();
    FormMain->AttachWindows(secondary);
}

// The secondary windows go first: the main window is the last window to
// leave, and the link, which the windows use, leaves after them.
ProgramWindows::~ProgramWindows() {
    FormConfig.reset();
    FormCommunication.reset();
    FormMemoire.reset();
    FormPrint.reset();
    FormDirectory.reset();
    FormClock.reset();
    FormAbout.reset();
    FormMain.reset();
    FormRS232.reset();
    Languages.reset();
}
