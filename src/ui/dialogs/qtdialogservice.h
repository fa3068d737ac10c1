#pragma once

// The dialog service of the running program: Qt message boxes and Qt's own
// file dialogs, with French button and label texts.

#include "ui/dialogs/dialogservice.h"

class QtDialogService : public DialogService {
public:
    MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    MessageAnswer ShowDetailedMessage(QWidget* parent, const QString& text, const QString& details,
                                      MessageIcon icon, MessageButtons buttons) override;
    QString ChooseOpenFile(QWidget* parent, const FileDialogRequest& request) override;
    QString ChooseSaveFile(QWidget* parent, const FileDialogRequest& request) override;
    QString ChooseFolder(QWidget* parent, const QString& caption,
                         const QString& directory) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
    bool ChooseImageSize(QWidget* parent, QSize& size) override;
};
