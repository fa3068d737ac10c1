#include "ui/dialogs/dialogservice.h"

#include <QCoreApplication>
#include <QFileInfo>

MessageAnswer DialogService::ShowDetailedMessage(QWidget* parent, const QString& text,
                                                 const QString& details, MessageIcon icon,
                                                 MessageButtons buttons) {
    if (details.isEmpty())
        return ShowMessage(parent, text, icon, buttons);
    return ShowMessage(parent, text + QLatin1String("\n\n") + details, icon, buttons);
}

void DialogService::ShowError(QWidget* parent, const QString& text) {
    ShowMessage(parent, text, MessageIcon::Error, MessageButtons::Ok);
}

QString DialogService::AskSaveFileName(QWidget* parent, const FileDialogRequest& request) {
    FileDialogRequest current = request;
    for (;;) {
        const QString path = ChooseSaveFile(parent, current);
        if (path.isEmpty() || !request.confirmOverwrite || !QFileInfo::exists(path))
            return path;
        const QString question = QCoreApplication::translate(
                                     "DialogService", "%1 existe déjà.\nVoulez-vous le remplacer ?")
                                     .arg(QFileInfo(path).fileName());
        if (ShowMessage(parent, question, MessageIcon::Warning, MessageButtons::YesNo) ==
            MessageAnswer::Yes)
            return path;
        const QFileInfo chosen(path);
        current.directory = chosen.absolutePath();
        current.proposedName = chosen.fileName();
    }
}
