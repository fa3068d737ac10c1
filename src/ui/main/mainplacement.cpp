#include "ui/main/main.h"

#include "ui/dialogs/settingwrite.h"
#include "ui/display/overview.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <utility>

namespace {

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

QMargins CurrentFrameMargins(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

QSize WithoutMargins(QSize frame, const QMargins& margins) {
    return QSize(qMax(0, frame.width() - margins.left() - margins.right()),
                 qMax(0, frame.height() - margins.top() - margins.bottom()));
}

} // namespace

// "largeur", "hauteur", "abscisse" and "ordonnee" are the whole window's, frame
// and title bar included, as on the system the settings file comes from. The
// client area is the stored size less the frame; until a window manager has
// framed the window its margins are taken as none, and ApplyFrameMargins
// corrects the size once they are known.
void TFormMain::LoadDisplayConfig() {
    const ProfileFile settings = ReadSettingsFile(m_context);
    if (ReadSettingBool(settings, SettingKeys::DisplayMaximise)) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    const QSize frame(ReadSettingInt(settings, SettingKeys::DisplayLargeur),
                      ReadSettingInt(settings, SettingKeys::DisplayHauteur));
    m_restoredFrameSize = frame.expandedTo(MinimumFrameSize);
    m_frameMargins = CurrentFrameMargins(*this);
    resize(WithoutMargins(m_restoredFrameSize, m_frameMargins));
    const QSize screen = PrimaryScreenSize();
    const QPoint centred((screen.width() - m_restoredFrameSize.width()) / 2,
                         (screen.height() - m_restoredFrameSize.height()) / 2);
    QPoint topLeft(ReadSettingInt(settings, SettingKeys::DisplayAbscisse, centred.x()),
                   ReadSettingInt(settings, SettingKeys::DisplayOrdonnee, centred.y()));
    // A placement kept from a screen that is no longer attached would put the
    // window out of sight: it is centred instead.
    if (!QGuiApplication::screenAt(QRect(topLeft, m_restoredFrameSize).center()))
        topLeft = centred;
    move(topLeft);
}

void TFormMain::ApplyFrameMargins() {
    const QMargins margins = CurrentFrameMargins(*this);
    if (margins == m_frameMargins)
        return;
    m_frameMargins = margins;
    setMinimumSize(WithoutMargins(MinimumFrameSize, margins));
    if (m_restoredFrameSize.isValid() && !isMaximized() && !isFullScreen())
        resize(WithoutMargins(m_restoredFrameSize, margins));
    // Once framed, the size is the user's to change.
    if (!margins.isNull())
        m_restoredFrameSize = QSize();
}

void TFormMain::SaveDisplayConfig() {
    const QRect frame = frameGeometry();
    const std::pair<const SettingKey*, QString> values[] = {
        {&SettingKeys::DisplayMaximise, isMaximized() ? QStringLiteral("1") : QStringLiteral("0")},
        {&SettingKeys::DisplayLargeur, QString::number(frame.width())},
        {&SettingKeys::DisplayHauteur, QString::number(frame.height())},
        {&SettingKeys::DisplayAbscisse, QString::number(frame.x())},
        {&SettingKeys::DisplayOrdonnee, QString::number(frame.y())},
    };
    for (const auto& [key, value] : values)
        if (!WriteSettingOrTell(m_context, m_dialogs, this, *key, value))
            return;
}

void TFormMain::FormClose() {
    if (WriteSettingOrTell(m_context, m_dialogs, this, SettingKeys::DirectoryLatest,
                           m_context.LatestDirectory)) {
        SaveDisplayConfig();
        if (m_overview) // an overview never made has nothing new to keep
            m_overview->SavePlacement();
    }
}
