#pragma once

// TFormMain, the main window: its menus, the life of the one session (open,
// close, save as, the unsaved-data questions, drag and drop, the file named on
// the command line), the title, and the window placement kept in the
// settings file. What it shows of the session is the AcquisitionView's.

#include "data/fichiers.h"
#include "data/varia.h"
#include "ui/dialogs/dialogservice.h"

#include <QMainWindow>

#include <functional>

class AcquisitionView;
class BlankWindowHint;
class QAction;
class QLabel;
class QActionGroup;
class LanguageModules;
class QMenu;
class QProgressBar;
class QTimer;
class TFormAbout;
class TFormClock;
class TFormCommunication;
class TFormConfig;
class TFormDirectory;
class TFormMemoire;
class TFormOverview;
class TFormPrint;
class TFormRS232;

// The windows the main window calls; all live as long as it does.
struct SecondaryWindows {
    TFormAbout* FormAbout = nullptr;
    TFormClock* FormClock = nullptr;
    TFormDirectory* FormDirectory = nullptr;
    TFormPrint* FormPrint = nullptr;
    TFormMemoire* FormMemoire = nullptr;
    TFormRS232* FormRS232 = nullptr;
    TFormCommunication* FormCommunication = nullptr;
    TFormConfig* FormConfig = nullptr;
};

// The smallest the whole window may be, frame and title bar included: it
// fits the smallest supported screen.
inline constexpr QSize MinimumFrameSize{1024, 600};

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // Runs the window's creation: settings file, language marks, directories,
    // title, empty session, placement.
    // Without language modules the built-in French texts stay.
    TFormMain(Context& context, DialogService& dialogs, LanguageModules* languages = nullptr,
              QWidget* parent = nullptr);

    void AttachWindows(const SecondaryWindows& windows);
    // The secondary windows are not needed for the first paint: `make` builds
    // and attaches them just after it, or at the first use of one if that
    // comes sooner.
    void MakeWindowsAfterFirstPaint(std::function<void()> make);

    // The session lifecycle. Every opening path calls OpenSession, then
    // DisplayAcquisition.
    void OpenSession();
    void CloseSession();
    void DisplayAcquisition();
    // Asks before unsaved data would be lost, saves on request, then closes
    // the session. False when the caller must stop: "Annuler", a cancelled
    // save dialog or a failed save leave the session open.
    bool GuardUnsavedSession(MessageButtons buttons);

    // Runs on every activation; opens the command-line file the first time.
    void FormActivate();
    // The quit question; false keeps the program running.
    bool FormCloseQuery();
    // Stores LatestDirectory and the placement.
    void FormClose();

    void MenuOpenClick();
    // "Fichiers récents": the chosen file opened as "Ouvrir" opens it.
    void MenuRecentFileClick(const QString& path);
    // "Exporter": the spectra as CSV, the chart as a PNG or SVG image.
    void MenuExportCsvClick();
    void MenuExportImageClick();
    // "Tableau des mesures (CSV)": the overview's per-measurement table.
    void MenuExportTableClick();
    // "Vue d'ensemble": the overview window, beside this one.
    void MenuOverviewClick();
    void MenuCloseClick();
    void MenuSaveAsClick();
    void MenuPrintClick();
    // "Rapport de mesure…": the measurement report, as a PDF chosen in a save dialog.
    void MenuReportClick();
    // Makes the language of `item` (MenuAnglais or MenuFrancais) current; false
    // when its module was not found, the texts then stay those in use.
    bool SwitchLanguage(QAction* item);
    // Stores the language of `item` and starts the program again in it.
    void MenuLangueClick(QAction* item);
    // How the program is restarted, given the executable's path and its
    // arguments. By default a new process is started and this one's event
    // loop ends; a test records the request instead.
    using Restart = std::function<void(const QString& program, const QStringList& arguments)>;
    void SetRestart(Restart restart) { m_restart = std::move(restart); }
    // The start options the restart passes on (the program directory, Qt's
    // own), so that the new language comes back with the same settings.
    void SetStartOptions(const QStringList& options) { m_startOptions = options; }
    void MenuExitClick();
    void MenuWhatClick();
    void MenuDefaultDirectoryClick();
    // Files dropped from the desktop: only the first one counts.
    void LMDFMDropFMDragDrop(const QStringList& files);

    // The Instrument menu (maininstrument.cpp).
    void MenuReadClick();
    void MenuCommunicationsClick();
    // "Initialisation": the instrument's clock read, then the clock window
    // (mainconfiguration.cpp, with the two openers below).
    void MenuInitializationClick();
    void MenuConfigurationClick();
    void MenuParametresClick();
    // The tick of LMDHiTimerAutoDetection: the instrument actions available again.
    void AccessButtons();
    // Around every exchange with the instrument: LMDHiTimerAutoDetection
    // stopped, and the window not closed while the link waits.
    void BeginExchange();
    void EndExchange();
    // A line under the window while the port is the demonstration instrument.
    void ShowInstrumentKind();
    // The links of the blank window's hint: "open", "read", "demonstration";
    // the last one chooses the demonstration instrument, then reads it.
    void BlankHintLinkActivated(const QString& link);

    // Around the picture of the printed report: no background gradient, no
    // progress bar, opaque boxes; and back.
    void HideControls();
    void ShowControls();

    void LoadDisplayConfig();
    void SaveDisplayConfig();

    // Where both measurement file dialogs start (the default directory
    // window's "OK").
    void SetDataDialogsDirectory(const QString& directory);

    AcquisitionView& View() { return *m_view; }
    TFormOverview& Overview();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The secondary windows, made first if they are still to be made.
    const SecondaryWindows& Windows();
    // The port the link uses, or the stored one while there is no link yet.
    QString PortInUse() const;
    // The stored size and the minimum are those of the whole window, frame
    // included; the frame is known only once a window manager has framed the
    // window, so they are applied again whenever its margins change.
    void ApplyFrameMargins();
    void CreateMenus();
    void CreateCentralArea();
    void ReadLanguageMarks();
    void SetLanguageMarks(bool english);
    void ReadDirectories();
    void UpdateTitle();
    // The captions and filter of the measurement file dialogs, in the language in use.
    void SetDataDialogsTexts();
    void SetSessionMenus(bool open);
    // The blank window's hint in the language in use, naming the port in use.
    void UpdateBlankHint();
    // Closes the session, reads `path` and opens it when it was read.
    FileOutcome LoadMeasurementFile(const QString& path);
    // What "Ouvrir" does once the file is chosen.
    void OpenChosenFile(const QString& path);
    void CreateRecentFilesMenu();
    void RebuildRecentFilesMenu();
    void RememberRecentFile(const QString& path);
    void CreateExportMenu();
    // A save dialog offering the session's name with `suffix`; its caption
    // "Exporter" unless another is given.
    QString AskExportFileName(const QString& filter, const QString& suffix,
                              const QString& caption = QString());
    // Writes an export through the checked write; a failure is told with its reason.
    void WriteExportFile(const QString& path, const QByteArray& bytes);
    // After DisplayAcquisition: the overview follows the session just shown.
    void ShowOverviewAcquisition();
    void TellReadFailure(const FileOutcome& outcome);
    // Writes the session to a file chosen in SaveDataDialog; false when the
    // user cancelled or the write failed (the user has then been told).
    bool SaveFromQuestion();
    // Shown beside a disabled main window, which its closing enables again.
    void ShowSecondaryWindow(QWidget& window);
    void AttachInstrumentWindows();
    void AttachConfigurationWindows();
    // The clock window's hand-over: the configuration window in
    // ModeInitialisation, the launch stamped.
    void OpenInitialisation();
    // A loaded session keeps the parameters it was measured with, whatever
    // the configuration windows do to Parameters while they are open.
    void KeepSessionParameters();
    void RestoreSessionParameters();
    // "Lecture" after the unsaved-data question: counts, parameters, directory.
    void ReadInstrumentMemory(TFormMemoire& memoire, TFormRS232& link);

    Context& m_context;
    DialogService& m_dialogs;
    LanguageModules* m_languages = nullptr;
    Restart m_restart;
    QStringList m_startOptions;
    SecondaryWindows m_windows;
    std::function<void()> m_makeWindows;
    bool m_makeWindowsQueued = false;
    AcquisitionView* m_view = nullptr;
    TFormOverview* m_overview = nullptr;

    QMenu* MenuFile = nullptr;
    QAction* MenuDefaultDirectory = nullptr;
    QMenu* MenuLangue = nullptr;
    QAction* MenuAnglais = nullptr;
    QAction* MenuFrancais = nullptr;
    QActionGroup* m_languageGroup = nullptr;
    QAction* MenuOpen = nullptr;
    QAction* MenuClose = nullptr;
    QAction* MenuSaveAs = nullptr;
    QMenu* MenuRecentFiles = nullptr;
    QMenu* MenuExport = nullptr;
    QAction* MenuExportCsv = nullptr;
    QAction* MenuExportImage = nullptr;
    QAction* MenuExportTable = nullptr;
    QAction* MenuOverview = nullptr;
    QAction* MenuPrint = nullptr;
    QAction* MenuReport = nullptr;
    QAction* MenuExit = nullptr;
    QMenu* MenuInstrument = nullptr;
    QAction* MenuRead = nullptr;
    QAction* MenuInitialization = nullptr;
    QAction* MenuConfiguration = nullptr;
    QAction* MenuCommunications = nullptr;
    QAction* MenuParametres = nullptr;
    QAction* MenuWhat = nullptr;
    QProgressBar* LMDProgressBar = nullptr;
    QTimer* LMDHiTimerAutoDetection = nullptr;
    QObject* m_closeRefusal = nullptr;
    QLabel* m_instrumentNote = nullptr;
    BlankWindowHint* m_blankHint = nullptr;

    struct KeptParameters {
        bool kept = false;
        ParameterSet parameters;
        ParameterSet savedParameters;
        QString softwareVersion;
    };
    KeptParameters m_keptParameters;

    FileDialogRequest OpenDataDialog;
    FileDialogRequest SaveDataDialog;
    bool m_englishSelected = true; // the language of this run, from "Langue"
    bool m_backgroundFill = true;  // the gradient behind the window's controls
    QMargins m_frameMargins;       // those the client size was last set for
    QSize m_restoredFrameSize;     // from the settings, until the frame is known
};
