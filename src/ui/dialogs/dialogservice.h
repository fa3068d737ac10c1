#pragma once

// Every message box, question and file or folder dialog of the program goes
// through this interface, so that the windows can be driven by tests: the
// program uses QtDialogService, a test a scripted service that answers from a
// queue and records what was asked.

#include <QSize>
#include <QString>

class QPrinter;
class QWidget;

enum class MessageIcon { Error, Warning, Information, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct FileDialogRequest {
    QString caption;
    QString directory;            // where the dialog starts; empty: the current directory
    QString filter;               // in Qt's form, "Fichier de mesures (*.ovra)"
    QString defaultSuffix;        // added by the dialog to a name typed without one
    QString proposedName;         // file name offered in a save dialog
    bool confirmOverwrite = true; // save dialogs: ask before replacing a file
};

class DialogService {
public:
    virtual ~DialogService() = default;

    virtual MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                      MessageButtons buttons) = 0;
    // Each returns the chosen path, or an empty text when the user cancelled.
    virtual QString ChooseOpenFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // Never asks about overwriting: AskSaveFileName does, through ShowMessage.
    virtual QString ChooseSaveFile(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString ChooseFolder(QWidget* parent, const QString& caption,
                                 const QString& directory) = 0;
    // The system print dialog on `printer`, which keeps the choices made in
    // it; false when the user cancelled.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;

    // The size in pixels of an image to export, offered as `size`; false when
    // the user cancelled. A service without its own question keeps the offer.
    virtual bool ChooseImageSize(QWidget* parent, QSize& size) {
        Q_UNUSED(parent);
        Q_UNUSED(size);
        return true;
    }

    // A message with details the user may unfold: the entries behind a
    // failure, for one. Without details it is ShowMessage.
    virtual MessageAnswer ShowDetailedMessage(QWidget* parent, const QString& text,
                                              const QString& details, MessageIcon icon,
                                              MessageButtons buttons);

    void ShowError(QWidget* parent, const QString& text);
    // A save dialog that asks before an existing file is replaced; "Non" goes
    // back to the dialog, as the platform's own save dialogs do.
    QString AskSaveFileName(QWidget* parent, const FileDialogRequest& request);
};
