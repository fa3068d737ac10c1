// The program entry: the start-up steps in their order, then the main loop.

#include "ui/main/main.h"
#include "data/varia.h"
#include "settings/settings.h"
#include "ui/dialogs/qtdialogservice.h"
#include "ui/main/programnames.h"
#include "ui/main/programresources.h"
#include "ui/main/startup.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

#include <cstdio>

namespace {

constexpr char HelpText[] =
    "usage: ovraview2 [--program-directory DIR] [FILE.ovra]\n"
    "\n"
    "OvraView2, the desktop companion of the OVRA radon monitor.\n"
    "\n"
    "  FILE.ovra                measurement file to open at start\n"
    "  --program-directory DIR  where the settings (ovra.ini) and the copy of each\n"
    "                           download (data.ovra) are kept; default: the \"Path\"\n"
    "                           of the Tarvel/OvraView2 settings store, else the\n"
    "                           user's data folder for the program\n"
    "  -h, --help               this help\n"
    "  --version                the version\n";

// Answered before any window or display is needed: --help, --version and a
// wrong --program-directory. -1 when the program is to start.
int AnswerWithoutWindow(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        std::fputs(HelpText, stdout);
        return 0;
    }
    if (arguments.contains(QLatin1String("--version"))) {
        std::fputs("ovraview2 " OVRA_VERSION "\n", stdout);
        return 0;
    }
    const ProgramOptions options = ReadProgramOptions(arguments);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "ovraview2: %s\n%s", qPrintable(options.error), HelpText);
        return 2;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (const int answered = AnswerWithoutWindow(argc, argv); answered >= 0)
        return answered;
    QApplication app(argc, argv);
    // One look on every desktop, close to the one the instrument's users know.
    QApplication::setStyle(QStringLiteral("Fusion"));

    Context context;
    ParameterNames();
    // The date formats are the constants of varia.h; nothing to set at run time.
    // Qt has taken its own options (-platform ...) out of arguments() by now.
    const ProgramOptions options = ReadProgramOptions(QApplication::arguments().mid(1));
    ReadCommandLine(context, options.rest);
    ApplyProgramDirectory(context, options.programDirectory.isEmpty()
                                       ? FindProgramDirectory()
                                       : ProgramDirectoryLookup{true, options.programDirectory});
    QApplication::setApplicationName(QLatin1String(ApplicationTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.tarvel.ovraview2"));
    InitProgramResources();
    QApplication::setWindowIcon(QIcon(QLatin1String(ProgramIconPath)));

    QtDialogService dialogs;
    ProgramWindows windows(context, dialogs);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!CheckScreenSize(screen ? screen->geometry().size() : QSize(), dialogs))
        return 1;

    windows.FormMain->show();
    return QApplication::exec();
}
