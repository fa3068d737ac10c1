#include "scripteddialogs.h"

void ScriptedDialogs::Clear() {
    m_answers.clear();
    m_paths.clear();
    m_messages.clear();
    m_dialogs.clear();
    m_unscripted = 0;
}

MessageAnswer ScriptedDialogs::ShowMessage(QWidget*, const QString& text, MessageIcon icon,
                                           MessageButtons buttons) {
    MessageAnswer answer;
    if (buttons == MessageButtons::Ok) {
        answer = MessageAnswer::Ok;
    } else if (!m_answers.isEmpty()) {
        answer = m_answers.takeFirst();
    } else {
        ++m_unscripted;
        answer = buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::No;
    }
    m_messages << Message{text, icon, buttons, answer, QString()};
    return answer;
}

MessageAnswer ScriptedDialogs::ShowDetailedMessage(QWidget* parent, const QString& text,
                                                   const QString& details, MessageIcon icon,
                                                   MessageButtons buttons) {
    const MessageAnswer answer = ShowMessage(parent, text, icon, buttons);
    m_messages.last().details = details;
    return answer;
}

QString ScriptedDialogs::NextPath(DialogKind kind, const FileDialogRequest& request) {
    QString path;
    if (!m_paths.isEmpty())
        path = m_paths.takeFirst();
    else
        ++m_unscripted;
    m_dialogs << Dialog{kind, request, path};
    return path;
}

QString ScriptedDialogs::ChooseOpenFile(QWidget*, const FileDialogRequest& request) {
    return NextPath(DialogKind::Open, request);
}

QString ScriptedDialogs::ChooseSaveFile(QWidget*, const FileDialogRequest& request) {
    return NextPath(DialogKind::Save, request);
}

QString ScriptedDialogs::ChooseFolder(QWidget*, const QString& caption, const QString& directory) {
    FileDialogRequest request;
    request.caption = caption;
    request.directory = directory;
    return NextPath(DialogKind::Folder, request);
}
