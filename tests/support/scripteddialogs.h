#pragma once

// A dialog service for tests: every message and dialog is recorded, and
// answered from queues filled by the test beforehand, without a modal loop.
// A message with the sole button OK takes no answer from the queue. A question
// asked with no answer queued gets "Annuler", else "Non", and a dialog with no
// path queued is cancelled; both are counted as unscripted, so that a test
// sees a question it did not expect.

#include "ui/dialogs/dialogservice.h"

#include <QList>
#include <QString>

class ScriptedDialogs : public DialogService {
public:
    struct Message {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
        MessageAnswer answer;
        QString details; // of a detailed message
    };
    enum class DialogKind { Open, Save, Folder };
    struct Dialog {
        DialogKind kind;
        FileDialogRequest request; // for a folder: caption and directory only
        QString answer;            // empty: cancelled
    };

    void QueueAnswer(MessageAnswer answer) { m_answers << answer; }
    // An empty path cancels the dialog.
    void QueuePath(const QString& path) { m_paths << path; }

    const QList<Message>& Messages() const { return m_messages; }
    const QList<Dialog>& Dialogs() const { return m_dialogs; }
    int Unscripted() const { return m_unscripted; }
    // Answers still waiting: a test left them when the program did not ask.
    int PendingAnswers() const { return int(m_answers.size() + m_paths.size()); }
    void Clear();

    MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                              MessageButtons buttons) override;
    MessageAnswer ShowDetailedMessage(QWidget* parent, const QString& text, const QString& details,
                                      MessageIcon icon, MessageButtons buttons) override;
    QString ChooseOpenFile(QWidget* parent, const FileDialogRequest& request) override;
    QString ChooseSaveFile(QWidget* parent, const FileDialogRequest& request) override;
    QString ChooseFolder(QWidget* parent, const QString& caption,
                         const QString& directory) override;

private:
    QString NextPath(DialogKind kind, const FileDialogRequest& request);

    QList<MessageAnswer> m_answers;
    QList<QString> m_paths;
    QList<Message> m_messages;
    QList<Dialog> m_dialogs;
    int m_unscripted = 0;
};
