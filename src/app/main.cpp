// The program entry: the start-up steps in their order, then the main loop.

#include "ui/main/main.h"
#include "data/varia.h"
#include "settings/language.h"
#include "settings/settings.h"
#include "ui/dialogs/qtdialogservice.h"
#include "ui/main/programnames.h"
#include "ui/main/programresources.h"
#include "ui/main/startup.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr char HelpText[] = QT_TRANSLATE_NOOP(
    "ovraview2", "utilisation : ovraview2 [--program-directory DOSSIER] [FICHIER.ovra]\n"
                 "\n"
                 "OvraView2, le compagnon de bureau du moniteur de radon OVRA.\n"
                 "\n"
                 "  FICHIER.ovra                 fichier de mesures à ouvrir au démarrage\n"
                 "  --program-directory DOSSIER  où sont gardés les réglages (ovra.ini) et la\n"
                 "                               copie de chaque lecture (data.ovra) ; par\n"
                 "                               défaut : le \"Path\" du magasin de réglages\n"
                 "                               Tarvel/OvraView2, sinon le dossier de données\n"
                 "                               de l'utilisateur pour le programme\n"
                 "  -h, --help                   cette aide\n"
                 "  --version                    la version\n"
                 "\n"
                 "codes de sortie : 0 fait, 1 pas d'écran, 2 mauvaise utilisation\n");

QString Tr(const char* text) {
    return QCoreApplication::translate("ovraview2", text);
}

// Answered before any window or display is needed, in the language of the
// settings as the window would speak it: --help, --version and a mistaken
// option. -1 when the program is to start.
// `noDisplay` is the line for a start without a display, in that language.
int AnswerWithoutWindow(int argc, char** argv, ProgramOptions& options, QString& noDisplay) {
    QCoreApplication core(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    // Read twice: the first reading finds the settings, and so the language
    // the second one says its mistakes in.
    options = ReadProgramOptions(arguments);
    Context settings;
    settings.ProgramDirectory = options.programDirectory.isEmpty()
                                    ? FindProgramDirectory().directory
                                    : options.programDirectory;
    LanguageModules languages(QCoreApplication::applicationFilePath());
    languages.Load(RunLocaleId(settings, SystemMessagesLocale()));
    options = ReadProgramOptions(arguments);
    noDisplay =
        Tr(QT_TRANSLATE_NOOP("ovraview2", "pas d'écran où ouvrir la fenêtre (DISPLAY ou "
                                          "WAYLAND_DISPLAY est-il défini ?) ; ovra fonctionne sans "
                                          "écran"));

    const int ended = arguments.indexOf(QLatin1String("--"));
    const QStringList beforeEnd = ended < 0 ? arguments : arguments.mid(0, ended);
    if (beforeEnd.contains(QLatin1String("--help")) || beforeEnd.contains(QLatin1String("-h"))) {
        std::fputs(qPrintable(Tr(HelpText)), stdout);
        return 0;
    }
    if (beforeEnd.contains(QLatin1String("--version"))) {
        std::fputs("ovraview2 " OVRA_VERSION "\n", stdout);
        return 0;
    }
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "ovraview2: %s\n%s", qPrintable(options.error),
                     qPrintable(Tr(QT_TRANSLATE_NOOP(
                         "ovraview2", "Essayez \"ovraview2 --help\" pour en savoir plus.\n"))));
        return 2;
    }
    return -1;
}

// Without a display Qt ends the program with an abort and several lines of
// its own; one line and a plain failure say it better. Qt's messages while
// the application is being made are held back and given out once it stands.
// A message handler is a plain function: these two are its only way in.
QList<QPair<QtMsgType, QString>>* g_heldMessages = nullptr;
QString g_noDisplayText;

void HandleStartMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "ovraview2: %s\n", qPrintable(g_noDisplayText));
        std::_Exit(1);
    }
    g_heldMessages->append({type, text});
}

} // namespace

int main(int argc, char** argv) {
    ProgramOptions options;
    if (const int answered = AnswerWithoutWindow(argc, argv, options, g_noDisplayText);
        answered >= 0)
        return answered;

    QList<QPair<QtMsgType, QString>> held;
    g_heldMessages = &held;
    const QtMessageHandler previousHandler = qInstallMessageHandler(HandleStartMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const auto& [type, text] : held)
        qt_message_output(type, QMessageLogContext(), text);
    // One look on every desktop, close to the one the instrument's users know.
    QApplication::setStyle(QStringLiteral("Fusion"));

    Context context;
    ParameterNames();
    // The date formats are the constants of varia.h; nothing to set at run time.
    ReadCommandLine(context, options.rest);
    ApplyProgramDirectory(context, options.programDirectory.isEmpty()
                                       ? FindProgramDirectory()
                                       : ProgramDirectoryLookup{true, options.programDirectory});
    QApplication::setApplicationName(QLatin1String(ApplicationTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.tarvel.ovraview2"));
    InitProgramResources();
    QApplication::setWindowIcon(QIcon(QLatin1String(ProgramIconPath)));

    QtDialogService dialogs;
    ProgramWindows windows(context, dialogs, nullptr, QString(),
                           SecondaryWindowsMade::AfterFirstPaint);
    windows.FormMain->SetStartOptions(options.given);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!CheckScreenSize(screen ? screen->geometry().size() : QSize(), dialogs))
        return 1;

    windows.FormMain->show();
    return QApplication::exec();
}
