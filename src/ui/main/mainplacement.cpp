#include "ui/main/main.h"

#include "ui/dialogs/settingwrite.h"

#include <QGuiApplication>
#include <QScreen>

#include <utility>

namespace {

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

} // namespace

// Positions are those of the frame and sizes those of the client area, in
// both directions, so that a placement read back is the one written.
void TFormMain::LoadDisplayConfig() {
    if (ReadSettingBool(m_context, SettingKeys::DisplayMaximise)) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    resize(ReadSettingInt(m_context, SettingKeys::DisplayLargeur),
           ReadSettingInt(m_context, SettingKeys::DisplayHauteur));
    const QSize screen = PrimaryScreenSize();
    const QPoint centred((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    QPoint topLeft(ReadSettingInt(m_context, SettingKeys::DisplayAbscisse, centred.x()),
                   ReadSettingInt(m_context, SettingKeys::DisplayOrdonnee, centred.y()));
    // A placement kept from a screen that is no longer attached would put the
    // window out of sight: it is centred instead.
    if (!QGuiApplication::screenAt(QRect(topLeft, size()).center()))
        topLeft = centred;
    move(topLeft);
}

void TFormMain::SaveDisplayConfig() {
    const std::pair<const SettingKey*, QString> values[] = {
        {&SettingKeys::DisplayMaximise, isMaximized() ? QStringLiteral("1") : QStringLiteral("0")},
        {&SettingKeys::DisplayLargeur, QString::number(width())},
        {&SettingKeys::DisplayHauteur, QString::number(height())},
        {&SettingKeys::DisplayAbscisse, QString::number(x())},
        {&SettingKeys::DisplayOrdonnee, QString::number(y())},
    };
    for (const auto& [key, value] : values)
        if (!WriteSettingOrTell(m_context, m_dialogs, this, *key, value))
            return;
}

void TFormMain::FormClose() {
    if (WriteSettingOrTell(m_context, m_dialogs, this, SettingKeys::DirectoryLatest,
                           m_context.LatestDirectory))
        SaveDisplayConfig();
}
