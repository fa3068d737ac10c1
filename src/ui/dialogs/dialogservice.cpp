#include "ui/dialogs/dialogservice.h"

#include <QCoreApplication>
#include <QFileInfo>

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
