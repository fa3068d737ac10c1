// The program entry: the start-up steps in their order, then the main loop.

#include "ui/main/main.h"
#include "data/varia.h"
#include "settings/settings.h"
#include "ui/main/programnames.h"
#include "ui/main/programresources.h"
#include "ui/dialogs/qtdialogservice.h"
#include "ui/main/startup.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // One look on every desktop, close to the one the instrument's users know.
    QApplication::setStyle(QStringLiteral("Fusion"));

    Context context;
    ParameterNames();
    // The date formats are the constants of varia.h; nothing to set at run time.
    ReadCommandLine(context, QApplication::arguments().mid(1));
    ApplyProgramDirectory(context, FindProgramDirectory());
    QApplication::setApplicationName(QLatin1String(ApplicationTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("ovraview2"));
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
