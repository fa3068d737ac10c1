// The language of the run: chosen once while the main window is created, and
// changed by restarting the program.

#include "ui/main/main.h"

#include "settings/language.h"
#include "settings/settings.h"
#include "ui/dialogs/retranslate.h"
#include "ui/dialogs/settingwrite.h"

#include <QAction>
#include <QApplication>
#include <QProcess>

void TFormMain::ReadLanguageMarks() {
    m_englishSelected = RunLocaleId(m_context, SystemMessagesLocale()) == EnglishLocaleId;
    SetLanguageMarks(m_englishSelected);
    // Without a module the marks still follow the setting.
    SwitchLanguage(m_englishSelected ? MenuAnglais : MenuFrancais);
}

void TFormMain::SetLanguageMarks(bool english) {
    MenuAnglais->setChecked(english);
    MenuFrancais->setChecked(!english);
}

bool TFormMain::SwitchLanguage(QAction* item) {
    if (!m_languages || !m_languages->Load(item->data().toInt()))
        return false;
    // Every window that exists is read again from the new module; the ones
    // created later are made in it.
    for (QWidget* window : QApplication::topLevelWidgets())
        RetranslateWindow(*window, *m_languages);
    SetDataDialogsTexts();
    UpdateTitle();
    UpdateBlankHint();
    SetLanguageMarks(item == MenuAnglais);
    return true;
}

void TFormMain::MenuLangueClick(QAction* item) {
    // The language of this run stays until the restart: the marks keep it.
    SetLanguageMarks(m_englishSelected);
    // A download not saved yet is not lost without a question.
    if (m_context.Session.SessionState == SessionUnsaved &&
        !GuardUnsavedSession(MessageButtons::YesNoCancel))
        return;
    const int localeId = item == MenuAnglais ? EnglishLocaleId : FrenchLocaleId;
    if (!WriteSettingOrTell(m_context, m_dialogs, this, SettingKeys::Langue, LangueValue(localeId)))
        return;
    // The running executable itself: a program started from another
    // directory comes back too.
    const QString program = QCoreApplication::applicationFilePath();
    if (m_restart) {
        m_restart(program, m_startOptions);
        return;
    }
    // The outcome is not examined: the setting is stored either way.
    QProcess::startDetached(program, m_startOptions);
    // Ends the event loop without closing the windows: no quit question, and
    // neither "Latest" nor the placement is written.
    QCoreApplication::exit(0);
}
