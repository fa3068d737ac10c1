#include "ui/main/main.h"

#include "analysis/measurementtable.h"
#include "settings/settings.h"
#include "ui/dialogs/about.h"
#include "ui/dialogs/directory.h"
#include "ui/display/acquisitionview.h"
#include "ui/main/blankhint.h"
#include "ui/main/programnames.h"

#include <QActionGroup>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include <utility>

namespace {

constexpr QSize InitialClientSize{1016, 626};
constexpr int ProgressBarHeight = 20;
constexpr std::chrono::milliseconds AutoDetectionInterval{1000};
constexpr int BackgroundSteps = 64;
const QColor BackgroundTop{249, 249, 255};
const QColor BackgroundBottom{255, 255, 255};

} // namespace

TFormMain::TFormMain(Context& context, DialogService& dialogs, LanguageModules* languages,
                     QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_dialogs(dialogs)
    , m_languages(languages) {
    setObjectName(QStringLiteral("FormMain"));
    setAcceptDrops(true);
    setMinimumSize(MinimumFrameSize);
    resize(InitialClientSize);
    CreateMenus();
    CreateCentralArea();

    LMDHiTimerAutoDetection = new QTimer(this);
    LMDHiTimerAutoDetection->setObjectName(QStringLiteral("LMDHiTimerAutoDetection"));
    LMDHiTimerAutoDetection->setTimerType(Qt::PreciseTimer);
    LMDHiTimerAutoDetection->setInterval(AutoDetectionInterval);
    connect(LMDHiTimerAutoDetection, &QTimer::timeout, this, &TFormMain::AccessButtons);

    SetDataDialogsTexts();
    OpenDataDialog.defaultSuffix = QStringLiteral("ovra");
    OpenDataDialog.confirmOverwrite = false;
    SaveDataDialog.defaultSuffix = QStringLiteral("ovra");
    SaveDataDialog.proposedName = QStringLiteral("mesures.ovra");
    SaveDataDialog.confirmOverwrite = true;

    ReadLanguageMarks();
    ShowInstrumentKind();
    ReadDirectories();
    m_context.Session.SessionState = SessionEmpty;
    SetSessionMenus(false);
    UpdateTitle();
    LoadDisplayConfig();
}

void TFormMain::AttachWindows(const SecondaryWindows& windows) {
    m_windows = windows;
    if (m_windows.FormAbout)
        connect(m_windows.FormAbout, &QDialog::finished, this, [this] { setEnabled(true); });
    if (m_windows.FormDirectory) {
        connect(m_windows.FormDirectory, &QDialog::finished, this, [this] { setEnabled(true); });
        connect(m_windows.FormDirectory, &TFormDirectory::InitialDirectoryChanged, this,
                &TFormMain::SetDataDialogsDirectory);
    }
    AttachInstrumentWindows();
}

void TFormMain::MakeWindowsAfterFirstPaint(std::function<void()> make) {
    m_makeWindows = std::move(make);
}

const SecondaryWindows& TFormMain::Windows() {
    // Taken out first: making them attaches them, which reads them again.
    if (const std::function<void()> make = std::exchange(m_makeWindows, nullptr))
        make();
    return m_windows;
}

void TFormMain::CreateCentralArea() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("CentralArea"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_view = new AcquisitionView(m_context, central);
    layout->addWidget(m_view, 1);
    LMDProgressBar = new QProgressBar(central);
    LMDProgressBar->setObjectName(QStringLiteral("LMDProgressBar"));
    LMDProgressBar->setFixedHeight(ProgressBarHeight);
    LMDProgressBar->setRange(0, 100);
    LMDProgressBar->setValue(0);
    LMDProgressBar->setTextVisible(false);
    layout->addWidget(LMDProgressBar);
    m_blankHint = new BlankWindowHint(central);
    connect(m_blankHint, &QLabel::linkActivated, this, &TFormMain::BlankHintLinkActivated);
    setCentralWidget(central);
}

void TFormMain::ReadDirectories() {
    const ProfileFile settings = ReadSettingsFile(m_context);
    m_context.DefaultDirectory = ReadSetting(settings, SettingKeys::DirectoryDefault);
    m_context.LatestDirectory = ReadSetting(settings, SettingKeys::DirectoryLatest);
    m_context.DirectoryMode = ReadSettingInt(settings, SettingKeys::DirectoryMode);
    m_context.InitialDirectory =
        m_context.DirectoryMode == 1 ? m_context.DefaultDirectory : m_context.LatestDirectory;
    SetDataDialogsDirectory(m_context.InitialDirectory);
}

void TFormMain::SetDataDialogsTexts() {
    const QString filter = tr("Fichier de mesures (*.ovra)");
    OpenDataDialog.caption = tr("Ouvrir");
    OpenDataDialog.filter = filter;
    SaveDataDialog.caption = tr("Enregistrer Sous");
    SaveDataDialog.filter = filter;
}

void TFormMain::SetDataDialogsDirectory(const QString& directory) {
    OpenDataDialog.directory = directory;
    SaveDataDialog.directory = directory;
}

void TFormMain::UpdateTitle() {
    QString title = QLatin1String(ProgramNameText) + QLatin1String(VersionTitleText);
    if (m_context.Session.SessionState != SessionEmpty) {
        title += QLatin1String(TitleFileSeparator);
        // In the platform's own spelling: "C:\..." on Windows.
        title += m_context.Session.FileName.isEmpty()
                     ? tr("Nouveau Fichier")
                     : QDir::toNativeSeparators(m_context.Session.FileName);
    }
    setWindowTitle(title);
}

void TFormMain::SetSessionMenus(bool open) {
    MenuSaveAs->setEnabled(open);
    MenuClose->setEnabled(open);
    MenuPrint->setEnabled(open);
    MenuReport->setEnabled(open);
    MenuParametres->setEnabled(open);
    MenuExport->menuAction()->setEnabled(open);
    // A file whose spectra are unavailable has nothing to tabulate.
    const bool spectra = open && TabulatedMeasurementCount(m_context.Session) > 0;
    MenuOverview->setEnabled(spectra);
    MenuExportTable->setEnabled(spectra);
    m_blankHint->setVisible(!open);
}

void TFormMain::ShowSecondaryWindow(QWidget& window) {
    setEnabled(false);
    // A native window first, so that it can be kept above this one.
    window.winId();
    if (window.windowHandle() && windowHandle())
        window.windowHandle()->setTransientParent(windowHandle());
    window.show();
    window.raise();
    window.activateWindow();
}

void TFormMain::MenuWhatClick() {
    if (Windows().FormAbout)
        ShowSecondaryWindow(*m_windows.FormAbout);
}

void TFormMain::MenuDefaultDirectoryClick() {
    if (Windows().FormDirectory)
        ShowSecondaryWindow(*m_windows.FormDirectory);
}

void TFormMain::MenuExitClick() {
    close();
}

void TFormMain::paintEvent(QPaintEvent*) {
    if (m_makeWindows && !m_makeWindowsQueued) {
        m_makeWindowsQueued = true;
        QMetaObject::invokeMethod(
            this, [this] { Windows(); }, Qt::QueuedConnection);
    }
    // A faint blue at the top fading to white at the bottom, in even bands.
    QPainter painter(this);
    // The printed picture's ground is the paper's white, not the style's grey.
    if (!m_backgroundFill) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    const int height = this->height();
    for (int step = 0; step < BackgroundSteps; ++step) {
        const int top = height * step / BackgroundSteps;
        const int bottom = height * (step + 1) / BackgroundSteps;
        const auto mix = [step](int from, int to) {
            return from + (to - from) * step / (BackgroundSteps - 1);
        };
        painter.fillRect(QRect(0, top, width(), bottom - top),
                         QColor(mix(BackgroundTop.red(), BackgroundBottom.red()),
                                mix(BackgroundTop.green(), BackgroundBottom.green()),
                                mix(BackgroundTop.blue(), BackgroundBottom.blue())));
    }
}

void TFormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Queued, so that a message shown by the opening does not run inside the
    // window system's activation.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QMetaObject::invokeMethod(this, &TFormMain::FormActivate, Qt::QueuedConnection);
}

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    ApplyFrameMargins();
    // Without a window manager the window may never be activated; its first
    // showing then stands for the first activation.
    if (!event->spontaneous())
        QMetaObject::invokeMethod(this, &TFormMain::FormActivate, Qt::QueuedConnection);
}

void TFormMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    ApplyFrameMargins();
}

void TFormMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ApplyFrameMargins();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    QMainWindow::closeEvent(event);
}

void TFormMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TFormMain::dropEvent(QDropEvent* event) {
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        files << (url.isLocalFile() ? url.toLocalFile() : QString());
    event->acceptProposedAction();
    // Opened after the drop has been answered, so that the desktop's drag
    // does not wait on a message box.
    QTimer::singleShot(0, this, [this, files] { LMDFMDropFMDragDrop(files); });
}
